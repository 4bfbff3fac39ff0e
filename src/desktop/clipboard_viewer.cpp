#include "desktop/clipboard_viewer.h"

#include "core/geometry.h"
#include "ui/clipboard.h"
#include "ui/message_box.h"

namespace desktop {

namespace {

constexpr wchar_t kUnknownFormatText[] = L"Cannot display. Data in Clipboard is in an unknown format.";
constexpr wchar_t kPaletteNotImplemented[] = L"Function not yet implemented";
constexpr wchar_t kOemFontFace[] = L"Terminal";
constexpr int kOemFontHeight = 12;
// Characters of a clipboard text that the display memo takes.
constexpr size_t kDisplayTextLimit = 64 * 1024;

}  // namespace

bool ClipboardOffers(TClipboardViewFormat format) {
  switch (format) {
    case TClipboardViewFormat::cvText: return IsClipboardFormatAvailable(CF_TEXT);
    case TClipboardViewFormat::cvBitmap: return IsClipboardFormatAvailable(CF_BITMAP);
    case TClipboardViewFormat::cvMetafile: return IsClipboardFormatAvailable(CF_METAFILEPICT);
    case TClipboardViewFormat::cvPalette: return IsClipboardFormatAvailable(CF_PALETTE);
    case TClipboardViewFormat::cvOemText: return IsClipboardFormatAvailable(CF_OEMTEXT);
    case TClipboardViewFormat::cvComponent: return IsClipboardFormatAvailable(ui::ComponentFormat());
    case TClipboardViewFormat::cvIcon: return IsClipboardFormatAvailable(ui::IconFormat());
    case TClipboardViewFormat::cvPicture:
      // Any format a picture can be loaded from counts as the picture format.
      return IsClipboardFormatAvailable(ui::PictureFormat()) || IsClipboardFormatAvailable(CF_BITMAP) ||
             IsClipboardFormatAvailable(CF_ENHMETAFILE) || IsClipboardFormatAvailable(CF_METAFILEPICT) ||
             IsClipboardFormatAvailable(ui::IconFormat());
    default: return false;
  }
}

void PictureView::Create(HWND parent, ui::Picture picture) {
  picture_ = std::move(picture);
  EnablePainting();
  CreateFromSpec(ui::WindowSpec::Child(L"KestrelPictureView", parent, 0, 0, picture_.Width(), picture_.Height()));
}

void PictureView::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, GetSysColorBrush(COLOR_WINDOW));
  picture_.Draw(dc, clientRect);
}

TCustomClipboardViewer::~TCustomClipboardViewer() {
  // Leave the chain while our overrides still run.
  DestroyHandle();
}

void TCustomClipboardViewer::Create(HWND parent, int id, int x, int y, int width, int height) {
  ui::WindowSpec params = ui::WindowSpec::Child(L"TClipboardViewer", parent, x, y, width, height,
                                                WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_BORDER);
  params.exStyle = WS_EX_CLIENTEDGE;
  params.childId = static_cast<UINT_PTR>(id);
  params.background = GetSysColorBrush(COLOR_WINDOW);
  CreateFromSpec(params);
  // The system sends us WM_DRAWCLIPBOARD from inside this call.
  nextViewer_ = SetClipboardViewer(Handle());
}

HWND TCustomClipboardViewer::DisplayControl() const {
  if (memo_) return memo_->Handle();
  if (picture_) return picture_->Handle();
  return nullptr;
}

void TCustomClipboardViewer::SetViewFormat(TClipboardViewFormat format) {
  const TClipboardViewFormat chosen = kestrel::ViewFormatAfterSet(viewFormat_, format, &ClipboardOffers);
  if (chosen == viewFormat_ && format == viewFormat_) return;
  viewFormat_ = chosen;
  if (HasHandle()) RebuildDisplay();
}

void TCustomClipboardViewer::Forward(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!nextViewer_) return;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(nextViewer_, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL, kForwardTimeoutMs,
                      &ignored);
}

void TCustomClipboardViewer::LeaveChain() {
  ChangeClipboardChain(Handle(), nextViewer_);
  nextViewer_ = nullptr;
}

void TCustomClipboardViewer::RaiseChange() {
  if (OnChange) OnChange();
}

void TCustomClipboardViewer::OnDrawClipboard(WPARAM wParam, LPARAM lParam) {
  Forward(WM_DRAWCLIPBOARD, wParam, lParam);
  viewFormat_ = kestrel::ViewFormatAfterChange(viewFormat_, CountClipboardFormats() == 0, &ClipboardOffers);
  RaiseChange();
  RebuildDisplay();
}

void TCustomClipboardViewer::OnChangeCbChain(HWND leaving, HWND next, WPARAM wParam, LPARAM lParam) {
  if (leaving == nextViewer_) {
    nextViewer_ = next;
  } else {
    Forward(WM_CHANGECBCHAIN, wParam, lParam);
  }
}

void TCustomClipboardViewer::OnDestroyClipboard() {
  viewFormat_ = TClipboardViewFormat::cvEmpty;
  RaiseChange();
  RebuildDisplay();
}

void TCustomClipboardViewer::FreeDisplay() {
  memo_.reset();
  picture_.reset();
}

void TCustomClipboardViewer::RebuildDisplay() {
  FreeDisplay();
  if (CountClipboardFormats() == 0) return;
  const TClipboardViewFormat kind = kestrel::ChooseDisplayKind(viewFormat_, &ClipboardOffers);
  switch (kestrel::DisplayControlFor(kind)) {
    case kestrel::DisplayControl::Memo: ShowMemo(kind == TClipboardViewFormat::cvOemText); break;
    case kestrel::DisplayControl::Image: ShowPicture(kind); break;
    case kestrel::DisplayControl::Component:
      // Our component format carries nothing we can rebuild a control from,
      // so there is nothing to show.
      break;
    case kestrel::DisplayControl::Palette:
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      ui::Inform(Handle(), kPaletteNotImplemented);
      break;
  }
}

void TCustomClipboardViewer::ShowMemo(bool oemFont) {
  RECT client{};
  GetClientRect(Handle(), &client);
  memo_ = std::make_unique<ui::Memo>();
  memo_->Create(Handle(), 0, 0, 0, client.right, client.bottom, ui::MemoOptions{false, true, false, false});
  if (oemFont) {
    if (!oemFont_) oemFont_ = ui::MakeFont(kOemFontFace, kOemFontHeight);
    memo_->SetFont(oemFont_.get());
  }
  if (IsClipboardFormatAvailable(CF_TEXT)) {
    // The display lies hidden under the notebook; it gets the start of the
    // text only, so a huge text does not hold the program up twice.
    std::wstring text;
    ui::ClipboardSession clipboard(Handle());
    if (clipboard.IsOpen()) text = ui::ReadClipboardText();
    if (text.size() > kDisplayTextLimit) text.resize(kDisplayTextLimit);
    memo_->SetText(text);
  } else {
    memo_->SetText(kUnknownFormatText);
  }
  memo_->SetReadOnly(true);
}

void TCustomClipboardViewer::ShowPicture(TClipboardViewFormat kind) {
  ui::Picture picture;
  if (ClipboardOffers(kind)) {
    ui::ClipboardSession clipboard(Handle());
    try {
      if (clipboard.IsOpen()) picture = ui::Picture::FromOpenClipboard();
    } catch (const ui::UserError&) {
      // The display is never seen; a picture it cannot read is shown empty
      // instead of troubling the user a second time.
    }
  }
  picture_ = std::make_unique<PictureView>();
  picture_->Create(Handle(), std::move(picture));
  CentreDisplay();
}

void TCustomClipboardViewer::CentreDisplay() {
  HWND display = DisplayControl();
  if (!display || memo_) return;
  RECT client{};
  RECT bounds{};
  GetClientRect(Handle(), &client);
  GetWindowRect(display, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  SetWindowPos(display, nullptr, kestrel::CentreOffset(client.right, width),
               kestrel::CentreOffset(client.bottom, height), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomClipboardViewer::OnSize() { CentreDisplay(); }

LRESULT TCustomClipboardViewer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWCLIPBOARD: OnDrawClipboard(wParam, lParam); return DefaultHandling(message, wParam, lParam);
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
      LeaveChain();
      FreeDisplay();
      return DefaultHandling(message, wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace desktop
