#include "tools/form5.h"

namespace tools {

namespace {
constexpr int kClientWidth = 1;
constexpr int kClientHeight = 1;
}  // namespace

TForm5::TForm5(ui::Application& application) : Form(application) {
  ui::FormSpec params;
  params.className = L"TForm5";
  params.caption = L"Form5";
  params.style = WS_POPUP;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
}

}  // namespace tools
