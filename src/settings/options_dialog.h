// OptionsDialog: the options dialog, holder of the Settings. Creating it applies
// the options that change other windows.
#pragma once

#include <functional>

#include "settings/settings.h"
#include "ui/form.h"

namespace settings {

class OptionsDialog : public ui::Form {
 public:
  struct ApplyTargets {
    std::function<void(bool onlyBitmaps)> buttonCaptions;
    std::function<void(bool hide)> taskbarButton;
    std::function<void()> browse;
  };

  static constexpr int kWallpaperPage = 2;

  OptionsDialog(ui::Application& application, settings::Settings& settings, ApplyTargets targets);

  // The apply step ("&OK"): pushes the options that change other windows,
  // then closes the dialog.
  void OnOkClick();
  // The browse button: the directory picker, modally.
  void OnBrowseClick();
  // Selects a page before the dialog is shown.
  void ShowPage(int page);

 private:
  void ApplyStoredOptions();

  settings::Settings& settings_;
  ApplyTargets targets_;
  int page_ = 0;
};

}  // namespace settings
