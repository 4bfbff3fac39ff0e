#include "settings/form6.h"

namespace settings {

namespace {
constexpr int kClientWidth = 291;
constexpr int kClientHeight = 301;
}  // namespace

TForm6::TForm6(ui::Application& application, kestrel::Settings& settings, ApplyTargets targets)
    : Form(application), settings_(settings), targets_(std::move(targets)) {
  ui::FormSpec params;
  params.className = L"TForm6";
  params.caption = L"Options";
  params.style = WS_CAPTION | DS_MODALFRAME;
  params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
  FormCreate();
}

void TForm6::FormCreate() {
  // The options as stored are applied once at start-up; the dialog itself
  // is not shown.
  Button1Click();
}

void TForm6::Button1Click() {
  if (targets_.buttonCaptions) targets_.buttonCaptions(settings_.IsOn(kestrel::Option::OnlyBitmapsOnButtons));
  if (targets_.taskbarButton) targets_.taskbarButton(settings_.IsOn(kestrel::Option::NoTaskbar));
  Close();
}

}  // namespace settings
