#include "tools/form10.h"

namespace tools {

namespace {
constexpr int kClientWidth = 311;
constexpr int kClientHeight = 273;
}  // namespace

TForm10::TForm10(ui::Application& application) : Form(application) {
  ui::FormSpec spec;
  spec.className = L"TForm10";
  spec.caption = L"Select a Directory";
  spec.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  CreateForm(spec);
}

}  // namespace tools
