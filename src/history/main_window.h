// MainWindow, the main window: the notebook with the image and the text
// grid, the fill gauges, the command buttons and the status routine that
// keeps buttons, caption and tray in step. Each clipboard change its viewer
// notices goes to the capture.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "desktop/clipboard_viewer.h"
#include "desktop/window_roller.h"
#include "history/cell_store.h"
#include "history/clipboard_capture.h"
#include "history/image_grid_panel.h"
#include "history/main_window_layout.h"
#include "history/status_rules.h"
#include "history/text_grid_panel.h"
#include "settings/settings.h"
#include "settings/window_placement_store.h"
#include "ui/flat_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/notebook.h"
#include "picture/picture.h"
#include "ui/progress_bar.h"
#include "ui/scroll_box.h"
#include "ui/timer.h"

namespace history {

class MainWindow : public ui::Form {
 public:
  MainWindow(ui::Application& application, settings::Settings& settings);

  history::CellStore& Store() { return store_; }
  ClipboardCapture& Capture() { return *capture_; }
  const ImageGridPanel& ImageGrid() const { return imageGrid_; }
  const TextGridPanel& TextGrid() const { return textGrid_; }
  // The memo of text cell n, whose first line the tray menu shows.
  HWND TextCellHandle(int n) const { return textGrid_.CellHandle(n); }
  desktop::ClipboardViewer& Viewer() { return clipboardViewer_; }
  desktop::WindowRoller& Roller() { return *roller_; }
  ui::Notebook& Notebook() { return notebook_; }
  int PageIndex() const { return notebook_.PageIndex(); }

  // The commands of the buttons.
  void OnExitClick();  // Exit
  void OnOptionsClick();
  void OnFullScreenClick();
  void OnSaveEditClick();  // Edit/Save
  void OnDeleteClick();
  void OnDeleteKey();  // the Delete key on a grid
  void OnDeleteAllClick();
  void OnAboutClick();  // About
  void OnHideClick();   // Hide

  // Clicks on cell n of each kind. A double click opens the cell, which its
  // first click has already selected.
  void OnImageCellClick(int n);
  void OnImageCellDoubleClick(int n);
  void OnTextCellClick(int n);
  void OnTextCellDoubleClick(int n);

  // The status routine: Delete and Fullscreen enabling, the Edit/Save
  // caption, the window caption and the tray icon. It runs whenever
  // something it shows may have changed, never on a timer.
  void UpdateStatus();
  // Brings the gauges and the status up to date after an option changed.
  // Changes of the store reach them by themselves.
  void RefreshStatus();
  // Empties every button caption (pictures only) or sets the captions the
  // buttons carry at run time; the Edit/Save caption is the status
  // routine's.
  void ApplyButtonCaptions(bool onlyBitmaps);
  // Draws the grids and the clock for the user's contrast setting; called
  // when the system says it changed.
  void ApplyContrast(ui::HighContrast contrast);

  // Set by the application: how Exit ends the program (by default it
  // closes the application's main form), how the options dialog and the
  // about window are shown modally, and how the tray shows the status.
  std::function<void()> closeMainForm;
  std::function<void()> showOptions;
  std::function<void()> showAbout;
  std::function<void(const history::StatusDecision&)> applyTrayStatus;
  // How a cell is opened for saving or editing, and how a picture is shown
  // on the whole screen. Each gets the cell's content to copy, not to keep.
  std::function<void(const picture::Picture&)> openPicture;
  std::function<void(const std::wstring&)> openText;
  std::function<void(const picture::Picture&)> showFullScreen;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnPageKey(bool forward) override;

 private:
  void CreateControls();
  void CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel);
  void FitPage(int page, ui::ScrollBox& box, CellGridPanel& panel, ui::Dpi dpi);
  void CreateButtons();
  void CreateClock();
  void MakeFonts(ui::Dpi dpi);
  void ApplyButtonFonts();
  void OnDpiChanged(ui::Dpi dpi) override;
  void OnShowWindow(bool shown);
  void OnWindowPosChanged();
  void OnCommand(int id, int code);
  ui::FlatButton& Button(CommandButton button);
  void SetButtonEnabled(ui::FlatButton& button, bool enabled);
  void UpdateClock();
  void OnTimer(UINT_PTR id);
  void SyncGauges();
  void OnStoreChanged(const history::Change& change);
  void OnSettingChange(UINT message, WPARAM wParam);
  history::CellKind KindShown() const;
  CellGridPanel& Grid(history::CellKind kind);

  settings::Settings& settings_;
  history::CellStore store_;
  ui::unique_hfont font_;
  desktop::ClipboardViewer clipboardViewer_;
  ui::Notebook notebook_;
  ui::ScrollBox imageScroll_;
  ui::ScrollBox textScroll_;
  ImageGridPanel imageGrid_{store_};
  TextGridPanel textGrid_{store_};
  ui::ProgressBar imageGauge_;
  ui::ProgressBar textGauge_;
  // Fills the grids; made once they are there.
  std::unique_ptr<ClipboardCapture> capture_;
  ui::unique_hfont hideFont_;
  ui::unique_hfont clockFont_;
  // The command buttons, indexed by CommandButton.
  std::array<ui::FlatButton, kCommandButtonCount> buttons_;
  ui::Label clock_;
  // Ticks the clock, and only while the window can be seen: a hidden
  // program in the tray should not wake up every second.
  ui::Timer clockTimer_;
  // Puts the window back where it was last stored, at every showing.
  settings::WindowPlacementStore placementStore_{*this, std::wstring(settings::kMainSection)};
  // The caption's roll-up button; it needs the window, so it comes after it.
  std::unique_ptr<desktop::WindowRoller> roller_;
};

}  // namespace history
