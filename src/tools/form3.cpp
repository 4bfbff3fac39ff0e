#include "tools/form3.h"

namespace tools {

namespace {
constexpr int kClientWidth = 427;
constexpr int kClientHeight = 266;
}  // namespace

TForm3::TForm3(ui::Application& application) : Form(application) {
  ui::FormSpec spec;
  spec.className = L"TForm3";
  spec.caption = L"Save";
  spec.style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  CreateForm(spec);
}

}  // namespace tools
