#include "tools/cell_window.h"

namespace tools {

CellWindow::CellWindow(ui::Application& application) : ToolWindow(application, kCellWindowShape) {}

}  // namespace tools
