#include "tools/directory_picker.h"

namespace tools {

namespace {
constexpr int kClientWidth = 311;
constexpr int kClientHeight = 273;
}  // namespace

DirectoryPicker::DirectoryPicker(ui::Application& application) : Form(application) {
  ui::FormParams params;
  params.className = L"TForm10";
  params.caption = L"Select a Directory";
  params.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
}

}  // namespace tools
