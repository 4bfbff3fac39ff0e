#include "tools/form5.h"

namespace tools {

namespace {
constexpr int kClientWidth = 1;
constexpr int kClientHeight = 1;
}  // namespace

TForm5::TForm5(ui::Application& application) : Form(application) {
  ui::FormSpec spec;
  spec.className = L"TForm5";
  spec.caption = L"Form5";
  spec.style = WS_POPUP;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  CreateForm(spec);
}

}  // namespace tools
