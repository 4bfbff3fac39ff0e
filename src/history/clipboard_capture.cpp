#include "history/clipboard_capture.h"

#include <new>
#include <optional>
#include <string>
#include <utility>

#include "history/main_window_layout.h"
#include "desktop/clipboard.h"
#include "picture/picture_formats.h"
#include "ui/message_box.h"

namespace history {

using settings::Option;

static_assert(core::kBitmapFormat == CF_BITMAP && core::kTextFormat == CF_TEXT);

namespace {

constexpr UINT_PTR kImageAdvanceTimerId = 1;
constexpr UINT_PTR kTextAdvanceTimerId = 3;
// One-shot: looks again at a change whose clipboard another program held.
constexpr UINT_PTR kCaptureRetryTimerId = 8;
constexpr UINT kSimpleBeep = 0;
constexpr wchar_t kNotEnoughMemoryForText[] = L"There is not enough memory to keep this text.";

ClipboardOffer CurrentOffer() {
  return {IsClipboardFormatAvailable(kPictureOfferFormat) != FALSE,
          IsClipboardFormatAvailable(kTextOfferFormat) != FALSE, IsClipboardFormatAvailable(picture::PngFormat()) != FALSE};
}

// Throws when the picture cannot be read from the open clipboard.
picture::ClipboardPicture ReadPicture() {
  try {
    return picture::Picture::ReadOpenClipboard();
  } catch (const std::bad_alloc&) {
    throw ui::UserError(picture::kNotEnoughMemoryForPicture);
  }
}

// Throws when the picture cannot be loaded.
picture::Picture TakePicture(picture::ClipboardPicture& read) {
  try {
    return read.Take();
  } catch (const std::bad_alloc&) {
    throw ui::UserError(picture::kNotEnoughMemoryForPicture);
  }
}

std::wstring ReadText() {
  try {
    return desktop::ReadClipboardText();
  } catch (const std::bad_alloc&) {
    throw ui::UserError(kNotEnoughMemoryForText);
  }
}

}  // namespace

ClipboardCapture::ClipboardCapture(HWND owner, CellStore& store, const settings::Settings& settings,
                                   ImageGridPanel& images, TextGridPanel& texts)
    : owner_(owner), store_(store), settings_(settings), images_(images), texts_(texts) {
  imageAdvanceTimer_.Attach(owner_, kImageAdvanceTimerId, kAdvanceIntervalMs);
  textAdvanceTimer_.Attach(owner_, kTextAdvanceTimerId, kAdvanceIntervalMs);
  retryTimer_.Attach(owner_, kCaptureRetryTimerId, kFirstRetryDelayMs);
}

void ClipboardCapture::OnClipboardChange() {
  if (!settings_.IsOn(Option::DisableCapture)) CaptureClipboard();
  ShowLowCellWarnings();
}

bool ClipboardCapture::OnTimer(UINT_PTR id) {
  switch (id) {
    case kImageAdvanceTimerId: OnAdvanceTimer(CellKind::Image); return true;
    case kTextAdvanceTimerId: OnAdvanceTimer(CellKind::Text); return true;
    case kCaptureRetryTimerId: OnCaptureRetryTimer(); return true;
    default: return false;
  }
}

void ClipboardCapture::CaptureClipboard() {
  // Notifications of a burst arrive late and in heaps; once the newest
  // content is read, the older notices have nothing left to read.
  const DWORD sequence = GetClipboardSequenceNumber();
  if (!tracker_.IsNew(sequence)) return;
  if (!WorthOpening(CurrentOffer())) {
    tracker_.Handled(sequence);
    return;
  }
  // One attempt only: sleeping here would stop the window answering, and a
  // held clipboard is looked at again on the retry timer.
  std::optional<picture::ClipboardPicture> image;
  std::optional<std::wstring> text;
  {
    desktop::ClipboardSession clipboard(owner_, desktop::ClipboardSession::kOneAttempt);
    if (!clipboard.IsOpen()) {
      ScheduleCaptureRetry(sequence);
      return;
    }
    tracker_.Handled(GetClipboardSequenceNumber());
    // Rendering a delayed format may move the number while we read; what we
    // read is the content up to the close, so that is what counts as read,
    // also when loading the picture fails.
    struct ReadUpToHere {
      CaptureTracker& tracker;
      ~ReadUpToHere() { tracker.Handled(GetClipboardSequenceNumber()); }
    } readUpToHere{tracker_};
    // The offer is asked again now that nobody can change the content.
    const ClipboardOffer offer = CurrentOffer();
    // The markers can only be read from the open clipboard. What our own
    // quick paste put there is an item of the history already.
    const CapturePlan plan =
        PlanCapture(offer, desktop::CarriesPrivacyMarker() || desktop::CarriesQuickPasteMarker());
    if (plan.image) image = ReadPicture();
    if (plan.text) text = ReadText();
  }
  // Decoding and filling the cells is our own work: the clipboard is free
  // for everybody else meanwhile.
  if (image) CaptureImage(TakePicture(*image));
  if (text) CaptureText(*text);
}

void ClipboardCapture::ScheduleCaptureRetry(DWORD sequence) {
  const std::optional<unsigned> wait = tracker_.Busy(sequence);
  retryTimer_.SetEnabled(false);
  if (!wait) return;
  retryTimer_.SetInterval(*wait);
  retryTimer_.SetEnabled(true);
}

void ClipboardCapture::OnCaptureRetryTimer() {
  retryTimer_.SetEnabled(false);
  if (!settings_.IsOn(Option::DisableCapture)) CaptureClipboard();
}

void ClipboardCapture::CatchUpWithClipboard() {
  // Notifications can be folded away (the X11 bridge does): when the
  // clipboard moved on without telling us, read it now.
  if (!settings_.IsOn(Option::DisableCapture) && tracker_.MissedChange(GetClipboardSequenceNumber())) {
    CaptureClipboard();
  }
}

void ClipboardCapture::CountIfDue(CellKind kind) {
  // WM_TIMER comes only when nothing else waits in the queue, so in a burst
  // the advance can be seconds late and the whole burst would fall into one
  // cell. A capture after the period first counts the capture before it.
  const auto k = static_cast<size_t>(kind);
  if (store_.IsPending(kind) && GetTickCount64() - pendingSince_[k] >= kAdvanceIntervalMs) CountCapture(kind);
}

void ClipboardCapture::PendingStarted(CellKind kind) {
  pendingSince_[static_cast<size_t>(kind)] = GetTickCount64();
  // Without its timer the count would wait forever, and every later capture
  // would overwrite the same cell; the count then advances at once instead.
  if (!AdvanceTimer(kind).SetEnabled(true)) store_.AdvanceTimerFired(kind);
}

void ClipboardCapture::CountCapture(CellKind kind) {
  AdvanceTimer(kind).SetEnabled(false);
  store_.AdvanceTimerFired(kind);
}

bool ClipboardCapture::RepeatsNewestText(const std::wstring& text) const {
  if (!skipRepeatedCopy || !skipRepeatedCopy()) return false;
  const int newest = store_.NewestCell(CellKind::Text);
  bool same = false;
  if (newest != 0) texts_.ReadCellText(newest, [&](std::wstring_view held) { same = held == text; });
  return same;
}

bool ClipboardCapture::RepeatsNewestPicture(const picture::Picture& picture) const {
  if (!skipRepeatedCopy || !skipRepeatedCopy()) return false;
  const int newest = store_.NewestCell(CellKind::Image);
  return newest != 0 && picture::SameContent(images_.CellPicture(newest), picture);
}

void ClipboardCapture::CaptureImage(picture::Picture picture) {
  if (RepeatsNewestPicture(picture)) return;
  CountIfDue(CellKind::Image);
  const int cell = store_.Count(CellKind::Image) + 1;
  // A picture that cannot be loaded leaves the cell its picture, and the
  // rest of this change is not handled (the caller's throw).
  images_.SetPicture(cell, std::move(picture));
  compressor_.Add(images_.CellPicture(cell));
  if (store_.BeginCapture(CellKind::Image).startTimer) PendingStarted(CellKind::Image);
  Beep();
  CellFilled(CellKind::Image, cell);
}

void ClipboardCapture::CaptureText(const std::wstring& text) {
  if (RepeatsNewestText(text)) return;
  CountIfDue(CellKind::Text);
  const int cell = store_.Count(CellKind::Text) + 1;
  // A text the cell cannot hold is no capture: counting it would count a
  // cell that shows nothing, or what it showed before.
  if (!texts_.SetCellText(cell, text)) throw ui::UserError(kNotEnoughMemoryForText);
  if (store_.BeginCapture(CellKind::Text).startTimer) PendingStarted(CellKind::Text);
  Beep();
  CellFilled(CellKind::Text, cell);
}

void ClipboardCapture::CellFilled(CellKind kind, int cell) {
  if (onCellFilled) onCellFilled(kind, cell);
}

void ClipboardCapture::Beep() {
  if (settings_.IsOn(Option::BeepOnAdd)) MessageBeep(kSimpleBeep);
}

void ClipboardCapture::ShowLowCellWarnings() {
  // Modal boxes run a nested loop: timers and further clipboard changes are
  // handled meanwhile, and may change the count the next warning tests; so
  // each one is tested as its box would open.
  for (CellKind kind : kLowCellsWarningOrder) {
    if (LowCellsWarningDue(store_.Count(kind), settings_.IsOn(Option::WarnLowCells)))
      ui::Warn(owner_, std::wstring(LowCellsWarningText(kind)));
  }
}

void ClipboardCapture::OnAdvanceTimer(CellKind kind) {
  CountCapture(kind);
  CatchUpWithClipboard();
}

void ClipboardCapture::CancelAdvance(CellKind kind) { AdvanceTimer(kind).SetEnabled(false); }

ui::Timer& ClipboardCapture::AdvanceTimer(CellKind kind) {
  return kind == CellKind::Image ? imageAdvanceTimer_ : textAdvanceTimer_;
}

}  // namespace history
