#include "tools/form9.h"

namespace tools {

namespace {
constexpr int kClientWidth = 185;
constexpr int kClientHeight = 13;
}  // namespace

TForm9::TForm9(ui::Application& application) : Form(application) {
  ui::FormSpec spec;
  spec.className = L"TForm9";
  spec.caption = L"Setting Wallpaper";
  spec.style = WS_CAPTION | DS_MODALFRAME;
  spec.clientWidth = kClientWidth;
  spec.clientHeight = kClientHeight;
  CreateForm(spec);
}

}  // namespace tools
