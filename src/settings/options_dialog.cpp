#include "settings/options_dialog.h"
#include "core/window_classes.h"

namespace settings {

namespace {
constexpr int kClientWidth = 291;
constexpr int kClientHeight = 301;
}  // namespace

OptionsDialog::OptionsDialog(ui::Application& application, settings::Settings& settings, ApplyTargets targets)
    : Form(application), settings_(settings), targets_(std::move(targets)), optionStore_(*this, settings) {
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
  // The options as stored are applied once at start-up, and written back
  // at once, so the file holds every option from the first run on. The
  // dialog is not shown for it; it is centred, as at its first showing,
  // whatever position the file holds.
  RECT centred{};
  GetWindowRect(Handle(), &centred);
  optionStore_.Load();
  SetWindowPos(Handle(), nullptr, centred.left, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  OnOkClick();
}

void OptionsDialog::OnOkClick() {
  if (targets_.buttonCaptions) targets_.buttonCaptions(settings_.IsOn(settings::Option::OnlyBitmapsOnButtons));
  if (targets_.taskbarButton) targets_.taskbarButton(settings_.IsOn(settings::Option::NoTaskbar));
  Close();
}

}  // namespace settings
