#include "ui/flat_button.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "ui/dpi.h"
#include "ui/scaled_images.h"

namespace ui {

namespace {

constexpr UINT_PTR kSubclassId = 0x4B46;  // any value unique among our subclasses of a button
constexpr COLORREF kTransparentKey = RGB(255, 0, 255);
// Space between the glyph and the caption, closed up when the caption would
// not fit otherwise, and the space kept free at the edges.
constexpr int kGlyphGap = 4;
constexpr int kTightGlyphGap = 2;
constexpr int kContentMargin = 2;
// How far the content moves right and down while the button is held down.
constexpr int kPressedShift = 1;
// The focus rectangle lies just inside the edge.
constexpr int kFocusInset = 3;
// Disabled captions are embossed: a highlight copy one pixel down-right.
constexpr int kEmbossOffset = 1;
// Narrowest a caption is squeezed to fit, as a share of its natural width.
constexpr int kMinimumSqueezePercent = 75;
constexpr int kPercent = 100;
// BitBlt raster operation "destination AND NOT source": clears the
// destination where the source is white.
constexpr DWORD kRopDestAndNotSource = 0x00220326;
// What a screen reader offers to do with the button.
constexpr wchar_t kPressAction[] = L"Press";

// An icon from a bitmap whose magenta pixels are to be transparent: the mask
// is white where the key colour is, and the colour part is black there, as
// icons require.
unique_hicon MakeMaskedIcon(HBITMAP bitmap, SIZE& size) {
  BITMAP info{};
  if (!GetObjectW(bitmap, sizeof(info), &info)) return unique_hicon();
  size = SIZE{info.bmWidth, std::abs(info.bmHeight)};

  WindowDC screen(nullptr);
  unique_hdc source(CreateCompatibleDC(screen.get()));
  unique_hdc maskDc(CreateCompatibleDC(screen.get()));
  unique_hdc colourDc(CreateCompatibleDC(screen.get()));
  unique_hbitmap mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  unique_hbitmap colour(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
  if (!source || !maskDc || !colourDc || !mask || !colour) return unique_hicon();
  {
    SelectGuard selectSource(source.get(), bitmap);
    SelectGuard selectMask(maskDc.get(), mask.get());
    SelectGuard selectColour(colourDc.get(), colour.get());
    // Copying colour to monochrome turns the source's background colour
    // white and everything else black.
    SetBkColor(source.get(), kTransparentKey);
    BitBlt(maskDc.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    BitBlt(colourDc.get(), 0, 0, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
    // Monochrome to colour maps white to the destination's background
    // (white) and black to its text colour (black).
    SetBkColor(colourDc.get(), RGB(255, 255, 255));
    SetTextColor(colourDc.get(), RGB(0, 0, 0));
    BitBlt(colourDc.get(), 0, 0, size.cx, size.cy, maskDc.get(), 0, 0, kRopDestAndNotSource);
  }
  ICONINFO icon{};
  icon.fIcon = TRUE;
  icon.hbmMask = mask.get();
  icon.hbmColor = colour.get();
  // The icon keeps copies of both bitmaps.
  return unique_hicon(CreateIconIndirect(&icon));
}

int CaptionWidth(HDC dc, const std::wstring& caption, UINT textFormat) {
  RECT measured{};
  DrawTextW(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT | textFormat);
  return measured.right - measured.left;
}

// A narrower cut of the font selected in dc, in which the caption takes at
// most `room` pixels, or nothing when that would squeeze it too much. Fonts
// stand in for one another from system to system, and a wider stand-in
// would otherwise cut a caption that fits in the face the layout was made
// for. Character widths do not scale exactly with the requested width, so
// the width is narrowed step by step against the measured caption.
unique_hfont SqueezedFont(HDC dc, const std::wstring& caption, UINT textFormat, int room) {
  const int natural = CaptionWidth(dc, caption, textFormat);
  if (natural <= 0 || room * kPercent < natural * kMinimumSqueezePercent) return unique_hfont();
  LOGFONTW font{};
  TEXTMETRICW metrics{};
  if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font) || !GetTextMetricsW(dc, &metrics)) {
    return unique_hfont();
  }
  const LONG naturalCharWidth = metrics.tmAveCharWidth;
  const LONG narrowest = std::max<LONG>(1, MulDiv(naturalCharWidth, kMinimumSqueezePercent, kPercent));
  unique_hfont squeezed;
  int width = natural;
  font.lfWidth = naturalCharWidth;
  while (width > room && font.lfWidth > narrowest) {
    font.lfWidth =
        std::max(narrowest, std::min(font.lfWidth - 1, static_cast<LONG>(MulDiv(font.lfWidth, room, width))));
    squeezed.reset(CreateFontIndirectW(&font));
    if (!squeezed) return unique_hfont();
    SelectGuard trial(dc, squeezed.get());
    width = CaptionWidth(dc, caption, textFormat);
  }
  return squeezed;
}

}  // namespace

FlatButton::~FlatButton() { RemoveSubclass(); }

void FlatButton::Create(HWND parent, int id, int x, int y, int width, int height, const std::wstring& caption) {
  WindowParams params = WindowParams::Child(L"BUTTON", parent, x, y, width, height, WS_TABSTOP | BS_OWNERDRAW, id);
  params.caption = caption;
  name_ = caption;
  accessible_.SetAnswers(Answers());
  CreateControl(params);
  subclassed_ =
      SetWindowSubclass(Handle(), &FlatButton::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

bool FlatButton::LoadGlyph(int resourceId) { return LoadGlyph(resourceId, Dpi::Of(Handle())); }

bool FlatButton::LoadGlyph(int resourceId, Dpi dpi) {
  unique_hbitmap bitmap = ui::LoadGlyph(resourceId, GlyphSide(dpi));
  SetGlyph(bitmap.get());
  if (bitmap) glyphResource_ = resourceId;
  return HasGlyph();
}

void FlatButton::SetGlyph(HBITMAP bitmap) {
  glyphResource_ = 0;
  glyph_ = bitmap ? MakeMaskedIcon(bitmap, glyphSize_) : unique_hicon();
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

bool FlatButton::OnReflectedDrawItem(const DRAWITEMSTRUCT& item) {
  // Painted off screen first, so hovering and pressing do not flicker.
  const RECT& bounds = item.rcItem;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  unique_hdc memory(CreateCompatibleDC(item.hDC));
  unique_hbitmap canvas(CreateCompatibleBitmap(item.hDC, width, height));
  if (!memory || !canvas) {
    PaintFace(item.hDC, bounds, item.itemState);
    return true;
  }
  SelectGuard selectCanvas(memory.get(), canvas.get());
  PaintFace(memory.get(), RECT{0, 0, width, height}, item.itemState);
  BitBlt(item.hDC, bounds.left, bounds.top, width, height, memory.get(), 0, 0, SRCCOPY);
  return true;
}

void FlatButton::PaintFace(HDC dc, const RECT& area, UINT state) const {
  const bool pressed = (state & ODS_SELECTED) != 0;
  const bool disabled = (state & ODS_DISABLED) != 0;
  const bool focused = (state & ODS_FOCUS) != 0 && (state & ODS_NOFOCUSRECT) == 0;
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  RECT edge = area;
  if (pressed) {
    DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_ && !disabled) {
    DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
  }
  const Dpi dpi = Dpi::Of(Handle());
  RECT content = area;
  if (pressed) OffsetRect(&content, dpi.Scale(kPressedShift), dpi.Scale(kPressedShift));
  // Mnemonic underlines follow the keyboard cues: hidden until the user
  // works with the keyboard.
  const UINT textFormat = (state & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
  PaintContent(dc, content, disabled, textFormat);
  if (focused) {
    RECT focus = area;
    InflateRect(&focus, -dpi.Scale(kFocusInset), -dpi.Scale(kFocusInset));
    DrawFocusRect(dc, &focus);
  }
}

void FlatButton::PaintContent(HDC dc, const RECT& area, bool disabled, UINT textFormat) const {
  const std::wstring caption = Text();
  SelectGuard selectFont(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
  const Dpi dpi = Dpi::Of(Handle());
  const int margin = dpi.Scale(kContentMargin);
  const int glyphWidth = glyph_ ? glyphSize_.cx : 0;
  const int available = area.right - area.left - 2 * margin;
  int captionWidth = caption.empty() ? 0 : CaptionWidth(dc, caption, textFormat);
  int gap = (glyph_ && !caption.empty()) ? dpi.Scale(kGlyphGap) : 0;
  if (glyphWidth + gap + captionWidth > available) gap = std::min(gap, dpi.Scale(kTightGlyphGap));
  const int room = available - glyphWidth - gap;
  unique_hfont squeezed = captionWidth > room ? SqueezedFont(dc, caption, textFormat, room) : unique_hfont();
  SelectGuard selectSqueezed(dc, squeezed.get());
  if (squeezed) captionWidth = CaptionWidth(dc, caption, textFormat);
  const int contentWidth = std::min(glyphWidth + gap + captionWidth, available);
  // Glyph and caption are centred together; with no caption the glyph is
  // centred alone.
  const int left = area.left + margin + (available - contentWidth) / 2;
  if (glyph_) {
    const int top = area.top + (area.bottom - area.top - glyphSize_.cy) / 2;
    if (disabled) {
      DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(glyph_.get()), 0, left, top, glyphSize_.cx,
                 glyphSize_.cy, DST_ICON | DSS_DISABLED);
    } else {
      DrawIconEx(dc, left, top, glyph_.get(), glyphSize_.cx, glyphSize_.cy, 0, nullptr, DI_NORMAL);
    }
  }
  if (caption.empty()) return;
  const RECT captionArea{left + glyphWidth + gap, area.top, area.right - margin, area.bottom};
  PaintCaption(dc, caption, captionArea, disabled, textFormat);
}

void FlatButton::PaintCaption(HDC dc, const std::wstring& caption, RECT area, bool disabled, UINT textFormat) const {
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | textFormat;
  SetBkMode(dc, TRANSPARENT);
  if (disabled) {
    RECT highlight = area;
    const int emboss = Dpi::Of(Handle()).Scale(kEmbossOffset);
    OffsetRect(&highlight, emboss, emboss);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, caption.c_str(), -1, &highlight, format);
    SetTextColor(dc, GetSysColor(COLOR_3DSHADOW));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextW(dc, caption.c_str(), -1, &area, format);
}

std::wstring FlatButton::AccessibleName() const {
  const std::wstring caption = Text();
  return WithoutMnemonic(caption.empty() ? name_ : caption);
}

void FlatButton::OnSetText(const wchar_t* text) {
  if (text && *text) name_ = text;
}

long FlatButton::AccessibleState() const {
  long state = STATE_SYSTEM_FOCUSABLE;
  if (!IsEnabled()) state |= STATE_SYSTEM_UNAVAILABLE;
  if (GetFocus() == Handle()) state |= STATE_SYSTEM_FOCUSED;
  if (hot_) state |= STATE_SYSTEM_HOTTRACKED;
  if (SendMessageW(Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) state |= STATE_SYSTEM_PRESSED;
  if (!IsWindowVisible(Handle())) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

AccessibleAnswers FlatButton::Answers() {
  AccessibleAnswers answers;
  answers.name = [this](long) { return std::optional<std::wstring>(AccessibleName()); };
  answers.role = [](long) { return std::optional<long>(ROLE_SYSTEM_PUSHBUTTON); };
  answers.state = [this](long) { return std::optional<long>(AccessibleState()); };
  answers.defaultAction = [](long) { return std::optional<std::wstring>(kPressAction); };
  answers.doDefaultAction = [this](long) {
    if (!IsEnabled()) return false;
    // Posted: the command may open a modal box, and the screen reader that
    // asked must not wait for it.
    PostMessageW(Handle(), BM_CLICK, 0, 0);
    return true;
  };
  return answers;
}

void FlatButton::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT FlatButton::OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!hot_) {
        // Ask for WM_MOUSELEAVE, so the edge goes when the mouse does.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        SetHot(true);
      }
      break;
    case WM_MOUSELEAVE: SetHot(false); break;
    case WM_GETDLGCODE: return DefSubclassProc(window, message, wParam, lParam) | EnterCode(lParam);
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) return OnEnter(window);
      break;
    case WM_SETTEXT: OnSetText(reinterpret_cast<const wchar_t*>(lParam)); break;
    case WM_GETOBJECT:
      if (std::optional<LRESULT> reply = accessible_.OnGetObject(window, wParam, lParam)) return *reply;
      break;
    case kDpiChangedAfterParent: OnDpiChanged(); break;
    case WM_LBUTTONDBLCLK:
      // Owner-drawn buttons report the second click of a double click as
      // BN_DOUBLECLICKED only; a toolbar button takes it as a second press.
      return DefSubclassProc(window, WM_LBUTTONDOWN, wParam, lParam);
    case WM_NCDESTROY:
      accessible_.Disconnect();
      RemoveWindowSubclass(window, &FlatButton::SubclassProc, kSubclassId);
      subclassed_ = false;
      break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT FlatButton::EnterCode(LPARAM message) {
  // A focused push button answers Enter, as the default button does
  // elsewhere; owner-drawn buttons are left out by the dialog manager.
  const MSG* asked = reinterpret_cast<const MSG*>(message);
  return asked && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0;
}

LRESULT FlatButton::OnEnter(HWND window) {
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
               reinterpret_cast<LPARAM>(window));
  return 0;
}

LRESULT CALLBACK FlatButton::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
  return reinterpret_cast<FlatButton*>(self)->OnSubclassMessage(window, message, wParam, lParam);
}

void FlatButton::OnDpiChanged() {
  if (glyphResource_) LoadGlyph(glyphResource_);
}

void FlatButton::RemoveSubclass() {
  if (!subclassed_) return;
  subclassed_ = false;
  RemoveWindowSubclass(Handle(), &FlatButton::SubclassProc, kSubclassId);
}

}  // namespace ui
