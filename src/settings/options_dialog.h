// OptionsDialog: the options dialog. It shows the Settings and edits them in
// place: a click on a check box or radio button changes the Settings at
// once, so every reader sees it before "&OK". Creating it applies the
// options that change other windows.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "settings/options_layout.h"
#include "settings/settings.h"
#include "settings/window_placement_store.h"
#include "ui/edit_field.h"
#include "ui/flat_button.h"
#include "ui/form.h"
#include "ui/hover_watch.h"
#include "ui/icon_box.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/toggle_button.h"

namespace settings {

class OptionsDialog : public ui::Form {
 public:
  struct ApplyTargets {
    std::function<void(bool onlyBitmaps)> buttonCaptions;
    std::function<void(bool hide)> taskbarButton;
    // The browse button's work: let the user pick the wallpaper folder and
    // store it in the Settings. The dialog shows the new folder afterwards.
    std::function<void()> browse;
  };

  OptionsDialog(ui::Application& application, settings::Settings& settings, ApplyTargets targets);

  // The apply step ("&OK"): pushes the options that change other windows,
  // then closes the dialog.
  void OnOkClick();
  void OnBrowseClick();

  // Re-reads every control from the Settings. Cheap, and it never writes to
  // the Settings, so it may run from their change notification.
  void RefreshControls();
  // Selects a notebook page (kPreferencesPage...), for instance before the
  // dialog is shown.
  void ShowPage(int page);
  int PageIndex() const { return notebook_.PageIndex(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // What every page holds besides its own controls.
  struct PageFrame {
    ui::Panel background;  // covers the page; the mouse over it clears the hint
    ui::IconBox picture;
    ui::Panel hintArea;
    ui::Label hint;
  };

  void ApplyStoredOptions();
  void CreatePages();
  void CreatePageFrame(int page, int pictureId);
  void CreateOptionControls();
  void CreateWallpaperFolder();
  void CreateOkButton();
  HWND PageBackground(int page) const { return pages_[static_cast<size_t>(page)].background.Handle(); }
  void ShowHint(int page, const wchar_t* text);
  void OnOptionClick(size_t index);
  void OnCommand(int id, int code);

  settings::Settings& settings_;
  ApplyTargets targets_;
  ui::unique_hfont heavyFont_;
  ui::unique_hfont hintFont_;
  ui::Notebook notebook_;
  std::array<PageFrame, kOptionsPageCount> pages_;
  // In the order of kOptionControls.
  std::array<ui::ToggleButton, kOptionControls.size()> options_;
  ui::Label wallpaperLabel_;
  ui::EditField wallpaperDirectory_;
  ui::FlatButton browseButton_;
  ui::FlatButton okButton_;
  ui::HoverWatch hints_;
  // Loads the options at every showing and stores them at every closing.
  settings::OptionStore optionStore_;
};

}  // namespace settings
