// OptionsDialog: the options dialog, holder of the Settings. Creating it applies
// the options that change other windows.
#pragma once

#include <functional>

#include "settings/settings.h"
#include "settings/window_placement_store.h"
#include "ui/form.h"

namespace settings {

class OptionsDialog : public ui::Form {
 public:
  struct ApplyTargets {
    std::function<void(bool onlyBitmaps)> buttonCaptions;
    std::function<void(bool hide)> taskbarButton;
  };

  OptionsDialog(ui::Application& application, settings::Settings& settings, ApplyTargets targets);

  // The apply step ("&OK"): pushes the options that change other windows,
  // then closes the dialog.
  void OnOkClick();

 private:
  void ApplyStoredOptions();

  settings::Settings& settings_;
  ApplyTargets targets_;
  // Loads the options at every showing and stores them at every closing.
  settings::OptionStore optionStore_;
};

}  // namespace settings
