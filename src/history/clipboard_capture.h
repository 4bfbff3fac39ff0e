// ClipboardCapture: what the main window does with each clipboard change. It
// reads a picture into the next image cell and a text into the next text
// cell, counts each capture once its advance delay is over, retries a
// clipboard another program holds, and warns when cells run low. Its timers
// tick on the owner window, which passes them on through OnTimer.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "history/capture_rules.h"
#include "history/cell_store.h"
#include "history/image_grid_panel.h"
#include "history/text_grid_panel.h"
#include "settings/settings.h"
#include "picture/picture.h"
#include "picture/picture_compressor.h"
#include "ui/timer.h"

namespace history {

class ClipboardCapture {
 public:
  ClipboardCapture(HWND owner, CellStore& store, const settings::Settings& settings, ImageGridPanel& images,
                   TextGridPanel& texts);
  ClipboardCapture(const ClipboardCapture&) = delete;
  ClipboardCapture& operator=(const ClipboardCapture&) = delete;

  // The viewer's notice of a clipboard change.
  void OnClipboardChange();
  // The owner's WM_TIMER; false for a timer that is not the capture's.
  bool OnTimer(UINT_PTR id);
  // The advance delay of a kind is over: its pending capture is counted.
  void OnAdvanceTimer(CellKind kind);
  // The pending capture of a kind was deleted: nothing is left to count.
  void CancelAdvance(CellKind kind);

  // Waits until every captured picture is packed (tests, benchmarks).
  void FinishPicturePacking() { compressor_.Finish(); }

  // Whether a text or picture the same as the newest capture of its kind
  // is to take no new cell; unset, every copy is kept.
  std::function<bool()> skipRepeatedCopy;

  // Told after a cell took clipboard content (for measurements).
  std::function<void(CellKind, int)> onCellFilled;

 private:
  void CaptureClipboard();
  void ScheduleCaptureRetry(DWORD sequence);
  void OnCaptureRetryTimer();
  void CatchUpWithClipboard();
  void CountIfDue(CellKind kind);
  void PendingStarted(CellKind kind);
  void CountCapture(CellKind kind);
  void CaptureImage(picture::Picture picture);
  void CaptureText(const std::wstring& text);
  void CellFilled(CellKind kind, int cell);
  bool RepeatsNewestText(const std::wstring& text) const;
  bool RepeatsNewestPicture(const picture::Picture& picture) const;
  void Beep();
  void ShowLowCellWarnings();
  ui::Timer& AdvanceTimer(CellKind kind);

  HWND owner_;
  CellStore& store_;
  const settings::Settings& settings_;
  ImageGridPanel& images_;
  TextGridPanel& texts_;
  // Packs captured pictures after their cell shows them.
  picture::PictureCompressor compressor_;
  ui::Timer imageAdvanceTimer_;
  ui::Timer textAdvanceTimer_;
  // Which changes are read already, and the retry of a held clipboard.
  CaptureTracker tracker_;
  ui::Timer retryTimer_;
  // When the pending capture of each kind (by CellKind) was made.
  std::array<ULONGLONG, 2> pendingSince_{};
};

}  // namespace history
