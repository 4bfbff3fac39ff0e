// MainWindow, the main window: the notebook of 55 image and 55 text cells, the
// fill gauges, the capture of every clipboard change, the command buttons
// and the status routine that keeps buttons, caption and tray in step.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "desktop/clipboard_viewer.h"
#include "desktop/window_roller.h"
#include "history/capture_rules.h"
#include "history/status_rules.h"
#include "history/cell_grid_panel.h"
#include "history/cell_store.h"
#include "history/main_window_layout.h"
#include "settings/settings.h"
#include "settings/window_placement_store.h"
#include "ui/flat_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/notebook.h"
#include "ui/picture.h"
#include "ui/picture_compressor.h"
#include "ui/progress_bar.h"
#include "ui/scroll_box.h"
#include "ui/timer.h"

namespace history {

class MainWindow : public ui::Form {
 public:
  MainWindow(ui::Application& application, settings::Settings& settings);

  history::CellStore& Store() { return store_; }
  const ui::Picture& ImageCellPicture(int n) const;
  // Waits until every captured picture is packed (tests, benchmarks).
  void FinishPicturePacking() { compressor_->Finish(); }
  std::wstring TextCellText(int n) const;
  HWND TextCellHandle(int n) const;
  desktop::ClipboardViewer& Viewer() { return clipboardViewer_; }
  desktop::WindowRoller& Roller() { return *roller_; }
  ui::Notebook& Notebook() { return notebook_; }
  int PageIndex() const { return notebook_.PageIndex(); }

  // Capture of one clipboard change (the viewer's OnChange).
  void OnClipboardChange();
  // The advance timers' handlers.
  void OnImageAdvanceTimer();
  void OnTextAdvanceTimer();

  // Told after a cell took clipboard content (for measurements).
  std::function<void(history::CellKind, int)> onCellFilled;

  // The commands of the buttons.
  void OnExitClick();  // Exit
  void OnOptionsClick();
  void OnFullScreenClick();
  void OnSaveEditClick();  // Edit/Save
  void OnDeleteClick();
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

  // Set by the application: how Exit ends the program (by default it
  // closes the application's main form), how the options dialog and the
  // about window are shown modally, and how the tray shows the status.
  std::function<void()> closeMainForm;
  std::function<void()> showOptions;
  std::function<void()> showAbout;
  std::function<void(const history::StatusDecision&)> applyTrayStatus;
  // How a cell is opened for saving or editing, and how a picture is shown
  // on the whole screen. Each gets the cell's content to copy, not to keep.
  std::function<void(const ui::Picture&)> openPicture;
  std::function<void(const std::wstring&)> openText;
  std::function<void(const ui::Picture&)> showFullScreen;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel);
  void CreateButtons();
  void CreateClock();
  void OnShowWindow(bool shown);
  void OnWindowPosChanged();
  void OnCommand(int id, int code);
  ui::FlatButton& Button(CommandButton button);
  void SetButtonEnabled(ui::FlatButton& button, bool enabled);
  void UpdateClock();
  void OnTimer(UINT_PTR id);
  void CaptureClipboard();
  void ScheduleCaptureRetry(DWORD sequence);
  void OnCaptureRetryTimer();
  void CatchUpWithClipboard();
  void CountIfDue(history::CellKind kind);
  void PendingStarted(history::CellKind kind);
  void CountCapture(history::CellKind kind);
  void CaptureImage();
  void CaptureText();
  void CellFilled(history::CellKind kind, int cell);
  void Beep();
  void ShowLowCellWarnings();
  void SyncGauges();
  void OnStoreChanged(const history::Change& change);
  history::CellKind KindShown() const;
  void MoveCellsDown(history::CellKind kind, int firstCell);
  void EmptyAllCells();
  void SubclassTextCell(int n);
  static LRESULT CALLBACK TextCellProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR n,
                                       DWORD_PTR self);
  LRESULT OnTextCellMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int n);
  ui::Timer& AdvanceTimer(history::CellKind kind);

  settings::Settings& settings_;
  history::CellStore store_;
  ui::unique_hfont font_;
  desktop::ClipboardViewer clipboardViewer_;
  ui::Notebook notebook_;
  ui::ScrollBox imageScroll_;
  ui::ScrollBox textScroll_;
  CellGridPanel imageGrid_{store_, history::CellKind::Image};
  CellGridPanel textGrid_{store_, history::CellKind::Text};
  std::array<ui::Picture, history::kCellCount> imageCells_;
  // Packs captured pictures after their cell shows them.
  std::unique_ptr<ui::PictureCompressor> compressor_;
  std::array<ui::Memo, history::kCellCount> textCells_;
  ui::ProgressBar imageGauge_;
  ui::ProgressBar textGauge_;
  ui::Timer imageAdvanceTimer_;
  ui::Timer textAdvanceTimer_;
  // Which changes are read already, and the retry of a held clipboard.
  CaptureTracker captureTracker_;
  ui::Timer captureRetryTimer_;
  // When the pending capture of each kind (by CellKind) was made.
  std::array<ULONGLONG, 2> pendingSince_{};
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
