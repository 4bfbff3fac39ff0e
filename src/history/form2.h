// TForm2, the main window: the notebook of 55 image and 55 text cells, the
// fill gauges, and the capture of every clipboard change.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "desktop/clipboard_viewer.h"
#include "history/cell_grid_panel.h"
#include "history/cell_store.h"
#include "settings/settings.h"
#include "ui/form.h"
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

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls();
  void CreatePage(int page, ui::ScrollBox& box, CellGridPanel& panel);
  void OnShowWindow(bool shown);
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
};

}  // namespace history
