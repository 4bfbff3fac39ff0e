#include "tools/full_screen_view.h"

namespace tools {

namespace {
constexpr int kClientWidth = 1;
constexpr int kClientHeight = 1;
}  // namespace

FullScreenView::FullScreenView(ui::Application& application) : Form(application) {
  ui::FormParams params;
  params.className = L"TForm5";
  params.caption = L"Form5";
  params.style = WS_POPUP;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
}

}  // namespace tools
