// TForm2, the main window: the notebook of 55 image and 55 text cells, the
// fill gauges, the capture of every clipboard change, the command buttons
// and the status routine that keeps buttons, caption and tray in step.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "desktop/clipboard_viewer.h"
#include "history/status_rules.h"
#include "history/cell_grid_panel.h"
#include "history/cell_store.h"
#include "settings/settings.h"
#include "ui/flat_button.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/notebook.h"
#include "ui/picture.h"
#include "ui/progress_bar.h"
#include "ui/scroll_box.h"
#include "ui/timer.h"

namespace history {

class TForm2 : public ui::Form {
 public:
  TForm2(ui::Application& application, kestrel::Settings& settings);
  ~TForm2() override;

  kestrel::CellStore& Store() { return store_; }
  const ui::Picture& ImageCellPicture(int n) const;
  std::wstring TextCellText(int n) const;
  HWND MemoHandle(int n) const;
  desktop::TClipboardViewer& ClipboardViewer1() { return ClipboardViewer1_; }
  ui::Notebook& TabbedNotebook1() { return TabbedNotebook1_; }
  int PageIndex() const { return TabbedNotebook1_.PageIndex(); }

  // Capture of one clipboard change (the viewer's OnChange).
  void ClipboardViewer1Change();
  // The advance timers' handlers.
  void Timer1Timer();
  void Timer3Timer();

  // Told after a cell took clipboard content (for measurements).
  std::function<void(kestrel::CellKind, int)> onCellFilled;

  // The commands of the buttons.
  void BitBtn1Click();  // Exit
  void optionsClick();
  void BitBtn2Click();  // About
  void BitBtn6Click();  // Hide

  // The status routine: Delete and Fullscreen enabling, the Edit/Save
  // caption, the window caption and the tray icon. It runs whenever
  // something it shows may have changed, never on a timer.
  void Timer2Timer();
  // Brings the gauges and the status up to date after a count or an option
  // changed outside this window.
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
  std::function<void(const kestrel::StatusDecision&)> applyTrayStatus;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel);
  void CreateButtons();
  void CreateButton(ui::FlatButton& button, int id, int left, int top, int width, int height, const wchar_t* caption,
                    int glyphId);
  void CreateClock();
  void OnShowWindow(bool shown);
  void OnWindowPosChanged();
  void OnCommand(int id, int code);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  LRESULT OnCtlColorStatic(UINT message, WPARAM wParam, LPARAM lParam);
  ui::FlatButton* ButtonById(int id);
  void SetButtonEnabled(ui::FlatButton& button, bool enabled);
  void UpdateClock();
  void OnTimer(UINT_PTR id);
  LRESULT OnCtlColorEdit(HDC dc);
  void CaptureClipboard();
  void CaptureImage();
  void CaptureText();
  void CellFilled(kestrel::CellKind kind, int cell);
  void Beep();
  void ShowLowCellWarnings();
  void SyncGauges();

  kestrel::Settings& settings_;
  kestrel::CellStore store_;
  ui::unique_hfont font_;
  desktop::TClipboardViewer ClipboardViewer1_;
  ui::Notebook TabbedNotebook1_;
  ui::ScrollBox ScrollBox1_;
  ui::ScrollBox ScrollBox2_;
  CellGridPanel Panel1_{store_, kestrel::CellKind::Image};
  CellGridPanel Panel2_{store_, kestrel::CellKind::Text};
  std::array<ui::Picture, kestrel::kCellCount> pictures_;
  std::array<ui::Memo, kestrel::kCellCount> memos_;
  ui::ProgressBar ProgressBar1_;
  ui::ProgressBar ProgressBar2_;
  ui::Timer Timer1_;
  ui::Timer Timer3_;
  ui::unique_hfont hideFont_;
  ui::unique_hfont clockFont_;
  ui::FlatButton BitBtn1_;
  ui::FlatButton options_;
  ui::FlatButton BitBtn4_;
  ui::FlatButton BitBtn5_;
  ui::FlatButton BitBtn3_;
  ui::FlatButton deleteall_;
  ui::FlatButton BitBtn2_;
  ui::FlatButton BitBtn6_;
  ui::Label Label2_;
  // Ticks the clock, and only while the window can be seen: a hidden
  // program in the tray should not wake up every second.
  ui::Timer clockTimer_;
};

}  // namespace history
