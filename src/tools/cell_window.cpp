#include "tools/cell_window.h"

namespace tools {

namespace {
constexpr int kClientWidth = 427;
constexpr int kClientHeight = 266;
}  // namespace

CellWindow::CellWindow(ui::Application& application) : Form(application) {
  ui::FormParams params;
  params.className = L"TForm3";
  params.caption = L"Save";
  params.style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
}

}  // namespace tools
