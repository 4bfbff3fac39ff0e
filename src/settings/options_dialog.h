// OptionsDialog: the options dialog. It shows the Settings and edits them in
// place: a click on a check box or radio button changes the Settings at
// once, so every reader sees it before "&OK". Each control takes its id,
// page, caption and hint from the option's row in kOptions. The quick-paste
// key is the exception: a key pressed in its field takes effect only with
// "&OK", since the keys pressed on the way to a combination must not become
// the key. The option file is read before every showing and written at every
// close.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "settings/option_file.h"
#include "settings/options_layout.h"
#include "settings/settings.h"
#include "ui/edit_field.h"
#include "ui/flat_button.h"
#include "ui/form.h"
#include "ui/hot_key_field.h"
#include "ui/hover_watch.h"
#include "ui/icon_box.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "ui/panel.h"
#include "ui/toggle_button.h"

namespace settings {

class OptionsDialog : public ui::Form {
 public:
  // What the dialog's buttons ask of the program.
  struct Actions {
    // Pushes the options that change other windows (the program's apply
    // step, which the tray's toggles run too).
    std::function<void()> applyOptions;
    // The browse button's work: let the user pick the wallpaper folder and
    // store it in the Settings. The dialog shows the new folder afterwards.
    std::function<void()> browse;
  };

  OptionsDialog(ui::Application& application, settings::Settings& settings, OptionFile& optionFile, Actions actions);

  // "&OK": takes the quick-paste key from its field, applies the options,
  // then closes the dialog, which stores them.
  void OnOkClick();
  void OnBrowseClick();

  // Re-reads every control from the Settings. Cheap, and it never writes to
  // the Settings, so it may run from their change notification. While the
  // dialog is up, the quick-paste key field keeps what the user pressed.
  void RefreshControls();
  // Selects a notebook page (kPreferencesPage...), for instance before the
  // dialog is shown.
  void ShowPage(int page);
  int PageIndex() const { return notebook_.PageIndex(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnPageKey(bool forward) override;

 private:
  // What every page holds besides its own controls.
  struct PageFrame {
    ui::Panel background;  // covers the page; the mouse over it clears the hint
    ui::IconBox picture;
    ui::Panel hintArea;
    ui::Label hint;
  };

  void CreatePages();
  void MakeFonts(ui::Dpi dpi);
  void OnDpiChanged(ui::Dpi dpi) override;
  void CreatePageFrame(int page, int pictureId);
  void CreateOptionControls();
  void CreateFieldLabel(ui::Label& label, HWND page, int id, int top, const wchar_t* caption);
  void CreateWallpaperFolder();
  void CreateQuickPasteKey();
  void CreateOkButton();
  HWND PageBackground(int page) const { return pages_[static_cast<size_t>(page)].background.Handle(); }
  void ShowHint(int page, const wchar_t* text);
  void ShowQuickPasteKey();
  void OnShowWindow(bool shownAnew);
  void OnOptionClick(size_t index);
  void OnCommand(int id, int code);

  settings::Settings& settings_;
  Actions actions_;
  ui::unique_hfont heavyFont_;
  ui::unique_hfont hintFont_;
  ui::Notebook notebook_;
  std::array<PageFrame, kOptionsPageCount> pages_;
  // In the order of kOptions.
  std::array<ui::ToggleButton, kOptions.size()> options_;
  ui::Label wallpaperLabel_;
  ui::EditField wallpaperDirectory_;
  ui::FlatButton browseButton_;
  ui::Label quickPasteKeyLabel_;
  ui::HotKeyField quickPasteKey_;
  ui::FlatButton okButton_;
  ui::HoverWatch hints_;
};

}  // namespace settings
