#include "desktop/clipboard_viewer.h"

#include <algorithm>
#include <optional>

#include "picture/dib_rules.h"
#include "core/geometry.h"
#include "core/window_classes.h"
#include "desktop/clipboard.h"
#include "picture/picture_formats.h"
#include "ui/message_box.h"

namespace desktop {

namespace {

constexpr wchar_t kOemFontFace[] = L"Terminal";
constexpr int kOemFontHeight = 12;
// Characters of a clipboard text that the display memo takes.
constexpr size_t kDisplayTextLimit = 64 * 1024;
// Posted to ourselves: clipboard notices have come and are to be handled.
constexpr UINT kChangeDueMessage = WM_APP + 0x31;

}  // namespace

bool ClipboardOffers(ClipboardViewFormat format) {
  switch (format) {
    case ClipboardViewFormat::Text: return IsClipboardFormatAvailable(CF_TEXT);
    case ClipboardViewFormat::Bitmap: return IsClipboardFormatAvailable(CF_BITMAP);
    case ClipboardViewFormat::Metafile: return IsClipboardFormatAvailable(CF_METAFILEPICT);
    case ClipboardViewFormat::Palette: return IsClipboardFormatAvailable(CF_PALETTE);
    case ClipboardViewFormat::OemText: return IsClipboardFormatAvailable(CF_OEMTEXT);
    case ClipboardViewFormat::Component: return IsClipboardFormatAvailable(picture::ComponentFormat());
    case ClipboardViewFormat::Icon: return IsClipboardFormatAvailable(picture::IconFormat());
    case ClipboardViewFormat::Picture:
      // Any format a picture can be loaded from counts as the picture format.
      return IsClipboardFormatAvailable(picture::PictureFormat()) || IsClipboardFormatAvailable(CF_BITMAP) ||
             IsClipboardFormatAvailable(CF_ENHMETAFILE) || IsClipboardFormatAvailable(CF_METAFILEPICT) ||
             IsClipboardFormatAvailable(picture::IconFormat()) || IsClipboardFormatAvailable(picture::PngFormat());
    default: return false;
  }
}

void PictureView::Create(HWND parent, picture::Picture picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  // The display lies hidden under the notebook, and a bitmap's pixels are
  // the one large thing here: the image cell keeps them already, so the
  // display keeps only the bitmap's size and draws its background.
  if (picture.GetKind() != picture::Picture::Kind::Bitmap) picture_ = std::move(picture);
  Create(parent, width, height);
}

void PictureView::Create(HWND parent, int width, int height) {
  EnablePainting();
  // The picture's own pixels, at any scale.
  ui::WindowParams params = ui::WindowParams::Child(core::kPictureViewClass, parent, 0, 0, width, height);
  params.designUnits = false;
  CreateFromParams(params);
}

void PictureView::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, GetSysColorBrush(COLOR_WINDOW));
  picture_.Draw(dc, clientRect);
}

void ClipboardViewer::Create(HWND parent, int id, int x, int y, int width, int height) {
  ui::WindowParams params = ui::WindowParams::Child(core::kClipboardViewerClass, parent, x, y, width, height,
                                                    WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_BORDER);
  params.exStyle = WS_EX_CLIENTEDGE;
  params.childId = static_cast<UINT_PTR>(id);
  params.background = GetSysColorBrush(COLOR_WINDOW);
  CreateFromParams(params);
  // The system sends us WM_DRAWCLIPBOARD from inside this call.
  nextViewer_ = SetClipboardViewer(Handle());
}

HWND ClipboardViewer::DisplayControl() const {
  if (memo_) return memo_->Handle();
  if (picture_) return picture_->Handle();
  return nullptr;
}

void ClipboardViewer::SetViewFormat(ClipboardViewFormat format) {
  const ClipboardViewFormat chosen = desktop::ViewFormatAfterSet(viewFormat_, format, &ClipboardOffers);
  if (chosen == viewFormat_ && format == viewFormat_) return;
  viewFormat_ = chosen;
  if (HasHandle()) RebuildDisplay();
}

void ClipboardViewer::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!nextViewer_) return;
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(nextViewer_, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL, kForwardTimeoutMs,
                          &ignored)) {
    return;
  }
  // A hung viewer must not hang us, but the message must still reach it and
  // the viewers after it: a send that gave up may have been withdrawn, so it
  // is queued for the viewer to handle once it answers again. Both messages
  // carry handles only, and a second copy of either does no harm.
  if (IsWindow(nextViewer_)) SendNotifyMessageW(nextViewer_, message, wParam, lParam);
}

void ClipboardViewer::LeaveChain() {
  ChangeClipboardChain(Handle(), nextViewer_);
  nextViewer_ = nullptr;
}

void ClipboardViewer::RaiseChange() {
  if (OnChange) OnChange();
}

void ClipboardViewer::OnDrawClipboard(WPARAM wParam, LPARAM lParam) {
  Forward(WM_DRAWCLIPBOARD, wParam, lParam);
  // A writer can change the clipboard faster than a change can be read, and
  // every notice waits its turn in front of anything else sent to the
  // window. So the notices only pass the word on down the chain; the change
  // is handled once, from a posted message, which comes after all of them:
  // by then the clipboard holds the newest content anyway.
  if (changeDue_) return;
  changeDue_ = PostMessageW(Handle(), kChangeDueMessage, 0, 0) != FALSE;
  if (!changeDue_) OnChangeDue();
}

void ClipboardViewer::OnChangeDue() {
  changeDue_ = false;
  const ClipboardViewFormat before = viewFormat_;
  viewFormat_ = desktop::ViewFormatAfterChange(viewFormat_, CountClipboardFormats() == 0, &ClipboardOffers);
  RaiseChange();
  // Notices of a burst come late and in heaps; rebuilding the same content
  // for each of them would keep the window from answering.
  if (viewFormat_ == before && ShowsCurrentContent()) return;
  RebuildDisplay();
}

bool ClipboardViewer::ShowsCurrentContent() const {
  return DisplayControl() && shownSequence_ != kUnknownSequence && shownSequence_ == GetClipboardSequenceNumber();
}

void ClipboardViewer::OnChangeCbChain(HWND leaving, HWND next, WPARAM wParam, LPARAM lParam) {
  if (leaving == nextViewer_) {
    nextViewer_ = next;
  } else {
    Forward(WM_CHANGECBCHAIN, wParam, lParam);
  }
}

void ClipboardViewer::OnDestroyClipboard() {
  viewFormat_ = ClipboardViewFormat::Empty;
  RaiseChange();
  RebuildDisplay();
}

void ClipboardViewer::FreeDisplay() {
  memo_.reset();
  picture_.reset();
}

void ClipboardViewer::RebuildDisplay() {
  shownSequence_ = GetClipboardSequenceNumber();
  if (CountClipboardFormats() == 0) {
    FreeDisplay();
    return;
  }
  const ClipboardViewFormat kind = desktop::ChooseDisplayKind(viewFormat_, &ClipboardOffers);
  const desktop::DisplayControl control = desktop::DisplayControlFor(kind);
  // A memo showing text goes on showing text: making a window anew for each
  // change of a burst costs more than all the rest of its handling.
  const bool oemFont = kind == ClipboardViewFormat::OemText;
  if (control != desktop::DisplayControl::Memo || memoOemFont_ != oemFont) memo_.reset();
  picture_.reset();
  switch (control) {
    case desktop::DisplayControl::Memo: ShowMemo(oemFont); break;
    case desktop::DisplayControl::Image: ShowPicture(kind); break;
    case desktop::DisplayControl::Component:
      // Our component format carries nothing we can rebuild a control from,
      // so there is nothing to show.
      break;
    case desktop::DisplayControl::Palette:
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      ui::Inform(Handle(), kPaletteNotImplemented);
      break;
  }
}

void ClipboardViewer::ShowMemo(bool oemFont) {
  if (!memo_) {
    RECT client{};
    GetClientRect(Handle(), &client);
    memo_ = std::make_unique<ui::Memo>();
    const ui::Dpi dpi = ui::Dpi::Of(Handle());
    memo_->Create(Handle(), 0, 0, 0, dpi.Unscale(client.right), dpi.Unscale(client.bottom),
                  ui::MemoOptions{false, true, false, false});
    memoOemFont_ = oemFont;
    if (oemFont) {
      if (!oemFont_) oemFont_ = ui::MakeFont(dpi, kOemFontFace, kOemFontHeight);
      memo_->SetFont(oemFont_.get());
    }
  }
  if (IsClipboardFormatAvailable(CF_TEXT)) {
    // The display lies hidden under the notebook; it gets the start of the
    // text only, so a huge text does not hold the program up twice, and it
    // never waits for a held clipboard, which would stop the window.
    std::wstring text;
    {
      desktop::ClipboardSession clipboard(Handle(), desktop::ClipboardSession::kOneAttempt);
      if (clipboard.IsOpen()) text = desktop::ReadClipboardText(kDisplayTextLimit);
    }
    memo_->SetText(text);
  } else {
    memo_->SetText(kUnknownFormatText);
  }
  memo_->SetReadOnly(true);
}

void ClipboardViewer::ShowPicture(ClipboardViewFormat kind) {
  if (kind == ClipboardViewFormat::Bitmap && ClipboardOffers(kind)) {
    std::optional<SIZE> size;
    {
      desktop::ClipboardSession clipboard(Handle(), desktop::ClipboardSession::kOneAttempt);
      if (clipboard.IsOpen()) size = desktop::ClipboardBitmapSize();
    }
    if (size) {
      picture_ = ui::MakeWindow<PictureView>();
      // The header is another program's word: keep it to a sane window size.
      const auto side = [](LONG extent) {
        return static_cast<int>(std::clamp<LONG>(extent, 0, picture::kMaxPictureSide));
      };
      picture_->Create(Handle(), side(size->cx), side(size->cy));
      CentreDisplay();
      return;
    }
  }
  picture::Picture picture;
  // The display is never seen; a picture it cannot read is shown empty
  // instead of troubling the user a second time.
  try {
    std::optional<picture::ClipboardPicture> read;
    if (ClipboardOffers(kind)) {
      desktop::ClipboardSession clipboard(Handle(), desktop::ClipboardSession::kOneAttempt);
      if (clipboard.IsOpen()) read = picture::Picture::ReadOpenClipboard();
    }
    // A PNG is decoded with the clipboard free for others.
    if (read) picture = read->Take();
  } catch (const ui::UserError&) {
  }
  picture_ = ui::MakeWindow<PictureView>();
  picture_->Create(Handle(), std::move(picture));
  CentreDisplay();
}

void ClipboardViewer::CentreDisplay() {
  HWND display = DisplayControl();
  if (!display || memo_) return;
  RECT client{};
  RECT bounds{};
  GetClientRect(Handle(), &client);
  GetWindowRect(display, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(display, nullptr, core::CentreOffset(client.right, width), core::CentreOffset(client.bottom, height), 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ClipboardViewer::OnSize() { CentreDisplay(); }

LRESULT ClipboardViewer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWCLIPBOARD: OnDrawClipboard(wParam, lParam); return DefaultHandling(message, wParam, lParam);
    case kChangeDueMessage: OnChangeDue(); return 0;
    case WM_CHANGECBCHAIN:
      OnChangeCbChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam), wParam, lParam);
      return DefaultHandling(message, wParam, lParam);
    case WM_DESTROYCLIPBOARD: OnDestroyClipboard(); return 0;
    case WM_SIZE: {
      const LRESULT result = DefaultHandling(message, wParam, lParam);
      OnSize();
      return result;
    }
    case WM_DESTROY:
      // The window goes while this object is whole, so the chain is left
      // here, by us, however the window is destroyed.
      LeaveChain();
      FreeDisplay();
      return DefaultHandling(message, wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace desktop
