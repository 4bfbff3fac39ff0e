// TrayCommands: what the items of the tray menu do, and the menu itself,
// rebuilt from the TrayMenu model every time it is about to open. It lives
// on the start-up window, which receives the menu's commands.
#pragma once

#include <windows.h>

#include "app/tray_menu.h"
#include "settings/option_file.h"
#include "settings/settings.h"
#include "ui/handles.h"

namespace app {

class TrayCommands {
 public:
  TrayCommands(settings::Settings& settings, settings::OptionFile& optionFile);

  HMENU Menu() const { return menu_.get(); }
  // Before each opening: the menu anew from the cells and the Settings.
  void OnPopup();
  // A WM_COMMAND id from the menu; false when it is none of the menu's.
  bool Dispatch(int id);

  void OnShowClick();
  void OnHideClick();
  void OnImageMenuItemClick(int n);
  void OnTextMenuItemClick(int n);
  void OnNoImagesClick();
  void OnNoTextClick();
  void OnOptionToggleClick(settings::Option option);
  void OnWallpaperStyleClick();
  void OnBrowseClick();
  void OnQuickPasteClick();
  void OnHelpClick();
  void OnAboutClick();
  void OnExitClick();

 private:
  void ShowMainWindowOnPage(int page);

  settings::Settings& settings_;
  settings::OptionFile& optionFile_;
  ui::unique_hmenu menu_;
  WallpaperMarks marks_;
};

}  // namespace app
