// TForm6: the options dialog, holder of the Settings. Creating it applies
// the options that change other windows.
#pragma once

#include <functional>

#include "settings/settings.h"
#include "ui/form.h"

namespace settings {

class TForm6 : public ui::Form {
 public:
  struct ApplyTargets {
    std::function<void(bool onlyBitmaps)> buttonCaptions;
    std::function<void(bool hide)> taskbarButton;
  };

  TForm6(ui::Application& application, kestrel::Settings& settings, ApplyTargets targets);
  ~TForm6() override { DestroyHandle(); }

  // The apply step ("&OK"): pushes the options that change other windows,
  // then closes the dialog.
  void Button1Click();

 private:
  void FormCreate();

  kestrel::Settings& settings_;
  ApplyTargets targets_;
};

}  // namespace settings
