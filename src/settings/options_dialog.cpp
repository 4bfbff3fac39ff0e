#include "settings/options_dialog.h"
#include "core/window_classes.h"

namespace settings {

namespace {
constexpr int kClientWidth = 291;
constexpr int kClientHeight = 301;
}  // namespace

OptionsDialog::OptionsDialog(ui::Application& application, settings::Settings& settings, ApplyTargets targets)
    : Form(application), settings_(settings), targets_(std::move(targets)) {
  ui::FormParams params;
  params.className = core::kOptionsDialogClass;
  params.caption = L"Options";
  params.style = WS_CAPTION | DS_MODALFRAME;
  params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
  ApplyStoredOptions();
}

void OptionsDialog::ApplyStoredOptions() {
  // The options as stored are applied once at start-up; the dialog itself
  // is not shown.
  OnOkClick();
}

void OptionsDialog::OnOkClick() {
  if (targets_.buttonCaptions) targets_.buttonCaptions(settings_.IsOn(settings::Option::OnlyBitmapsOnButtons));
  if (targets_.taskbarButton) targets_.taskbarButton(settings_.IsOn(settings::Option::NoTaskbar));
  Close();
}

void OptionsDialog::OnBrowseClick() {
  if (targets_.browse) targets_.browse();
}

void OptionsDialog::ShowPage(int page) { page_ = page; }

}  // namespace settings
