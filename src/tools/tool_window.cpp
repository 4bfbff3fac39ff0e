#include "tools/tool_window.h"

namespace tools {

ToolWindow::ToolWindow(ui::Application& application, const ToolWindowShape& shape) : Form(application) {
  ui::FormParams params;
  params.className = shape.className;
  params.caption = shape.caption;
  params.style = shape.style;
  params.clientWidth = shape.clientWidth;
  params.clientHeight = shape.clientHeight;
  CreateForm(params);
}

}  // namespace tools
