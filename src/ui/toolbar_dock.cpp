#include "ui/toolbar_dock.h"

#include "core/window_classes.h"
#include "ui/scaled_images.h"
#include "ui/dpi.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

// Posted to the dock to show or hide the floating window after its page's
// visibility has changed: it changes only after WM_SHOWWINDOW.
constexpr UINT kSyncFrameVisibility = kToolbarDockRequest + 1;
constexpr COLORREF kGlyphKey = RGB(255, 0, 255);
// Buttons fill the dock but for this much above and below.
constexpr int kDockMargin = 2;
// Square-ish buttons read as a toolbar: one pixel wider than high, and never
// narrower than the system's standard button.
constexpr int kExtraButtonWidth = 1;
constexpr int kMinimumButtonWidth = 23;
// The gripper: two raised bars at the toolbar's left edge.
constexpr int kGripperLeft = 2;
constexpr int kGripperBarWidth = 3;
constexpr int kGripperBars = 2;
constexpr int kGripperGap = 3;
constexpr int kToolbarLeft = kGripperLeft + kGripperBars * kGripperBarWidth + kGripperGap;
// Multi-line tips wrap only at their '\n' once a maximum width is set; this
// is wider than any one line.
constexpr int kTipMaxWidth = 300;
// Disabled glyphs are drawn in light greys: the picture's lightness mapped
// into kGreyFloor..255.
constexpr int kGreyFloor = 128;
constexpr int kLumaRed = 30;
constexpr int kLumaGreen = 59;
constexpr int kLumaBlue = 11;
constexpr int kLumaScale = 100;
constexpr int kFullIntensity = 255;
constexpr DWORD kToolbarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;

constexpr UINT_PTR kToolbarSubclassId = 0x5444;  // any value unique among our subclasses of a toolbar

// A flat toolbar is see-through and leaves its background to whoever is
// behind it; it sits on the dock and on the floating frame alike, so it
// paints the button face itself.
LRESULT PaintToolbarBackground(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

// The toolbar moves its hot button by the arrow keys and presses it on
// Enter; the dialog manager would take both.
LRESULT ToolbarKeys(LPARAM message) {
  const MSG* asked = reinterpret_cast<const MSG*>(message);
  const bool enter = asked && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN;
  return DLGC_WANTARROWS | (enter ? DLGC_WANTMESSAGE : 0);
}

// Reached by Tab, the toolbar shows which button the keys work on: the
// first one that can be pressed.
void ShowKeyboardHotItem(HWND toolbar) {
  if (SendMessageW(toolbar, TB_GETHOTITEM, 0, 0) >= 0) return;
  const auto count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
    if ((button.fsStyle & BTNS_SEP) || !(button.fsState & TBSTATE_ENABLED)) continue;
    SendMessageW(toolbar, TB_SETHOTITEM, static_cast<WPARAM>(i), 0);
    return;
  }
}

LRESULT CALLBACK ToolbarSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_ERASEBKGND: return PaintToolbarBackground(window, reinterpret_cast<HDC>(wParam));
    case WM_GETDLGCODE: return DefSubclassProc(window, message, wParam, lParam) | ToolbarKeys(lParam);
    case WM_SETFOCUS: ShowKeyboardHotItem(window); break;
    case WM_KILLFOCUS: SendMessageW(window, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0); break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

bool IsKey(const RGBQUAD& pixel) { return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue) == kGlyphKey; }

// A grey copy of a glyph, key colour kept, for the disabled look.
unique_hbitmap GreyedCopy(HBITMAP glyph) {
  BITMAP info{};
  if (!GetObjectW(glyph, sizeof(info), &info)) return unique_hbitmap();
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -std::abs(info.bmHeight);
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  const int height = std::abs(info.bmHeight);
  std::vector<RGBQUAD> pixels(static_cast<size_t>(info.bmWidth) * height);
  WindowDC screen(nullptr);
  if (!GetDIBits(screen.get(), glyph, 0, height, pixels.data(), &format, DIB_RGB_COLORS)) return unique_hbitmap();
  for (RGBQUAD& pixel : pixels) {
    if (IsKey(pixel)) continue;
    const int luma = (pixel.rgbRed * kLumaRed + pixel.rgbGreen * kLumaGreen + pixel.rgbBlue * kLumaBlue) / kLumaScale;
    const auto grey = static_cast<BYTE>(kGreyFloor + luma * (kFullIntensity - kGreyFloor) / kFullIntensity);
    pixel = RGBQUAD{grey, grey, grey, 0};
  }
  void* bits = nullptr;
  unique_hbitmap copy(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (copy) std::copy(pixels.begin(), pixels.end(), static_cast<RGBQUAD*>(bits));
  return copy;
}

}  // namespace

void ToolbarDock::Create(HWND parent, int height, const wchar_t* title, std::span<const ToolButton> buttons) {
  parent_ = parent;
  root_ = GetAncestor(parent, GA_ROOT);
  height_ = height;
  title_ = title;
  RECT client{};
  GetClientRect(parent, &client);
  EnablePainting();
  WindowParams params = WindowParams::Child(core::kToolbarDockClass, parent, 0, 0, client.right,
                                            Dpi::Of(parent).Scale(height), WS_CLIPCHILDREN);
  // As wide as the parent measures, which is in device pixels already.
  params.designUnits = false;
  params.caption = title_;
  // Tab finds the toolbar inside.
  params.exStyle = WS_EX_CONTROLPARENT;
  CreateFromParams(params);
  CreateToolbar(buttons);
  PlaceToolbarInDock();
  const auto self = reinterpret_cast<DWORD_PTR>(this);
  SetWindowSubclass(parent_, &ToolbarDock::ParentSubclassProc, self, self);
  if (root_ != parent_) SetWindowSubclass(root_, &ToolbarDock::ParentSubclassProc, self, self);
}

void ToolbarDock::CreateToolbar(std::span<const ToolButton> buttons) {
  toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, title_.c_str(), kToolbarStyle, kToolbarLeft, 0, 0, 0, Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!toolbar_) throw UserError(L"Could not create the toolbar " + title_ + L".");
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  CreateGlyphLists(static_cast<int>(buttons.size()));

  std::vector<TBBUTTON> items;
  for (const ToolButton& button : buttons) {
    TBBUTTON item{};
    item.idCommand = button.command;
    item.iString = -1;
    if (button.command == 0) {
      item.fsStyle = BTNS_SEP;
    } else {
      item.fsStyle = BTNS_BUTTON;
      item.fsState = TBSTATE_ENABLED;
      item.iBitmap = ImageList_GetImageCount(glyphs_.get());
      AddGlyph(button.glyph);
      if (ImageList_GetImageCount(glyphs_.get()) == item.iBitmap) {
        item.iBitmap = I_IMAGENONE;
      } else {
        glyphIds_.push_back(button.glyph);
      }
    }
    items.push_back(item);
    tips_.emplace_back(button.tip ? button.tip : L"");
    commands_.push_back(button.command);
  }
  SetGlyphLists();
  SendMessageW(toolbar_, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
  SizeButtons();
  if (HWND tips = reinterpret_cast<HWND>(SendMessageW(toolbar_, TB_GETTOOLTIPS, 0, 0))) {
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, Dpi::Of(Handle()).Scale(kTipMaxWidth));
    // Tips would otherwise wait for the form to be active, and a click on
    // the floating frame leaves it inactive.
    SetWindowLongPtrW(tips, GWL_STYLE, GetWindowLongPtrW(tips, GWL_STYLE) | TTS_ALWAYSTIP);
  }
  SetWindowSubclass(toolbar_, &ToolbarSubclassProc, kToolbarSubclassId, 0);
  // Clicks and tip requests come to the dock wherever the toolbar sits.
  SendMessageW(toolbar_, TB_SETPARENT, reinterpret_cast<WPARAM>(Handle()), 0);
}

// Empty lists for glyphs of the size drawn for the dock's scale.
void ToolbarDock::CreateGlyphLists(int count) {
  glyphSide_ = GlyphSide(Dpi::Of(Handle()));
  glyphs_.reset(ImageList_Create(glyphSide_, glyphSide_, ILC_COLOR24 | ILC_MASK, count, 0));
  greyGlyphs_.reset(ImageList_Create(glyphSide_, glyphSide_, ILC_COLOR24 | ILC_MASK, count, 0));
}

void ToolbarDock::SetGlyphLists() {
  SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(glyphSide_, glyphSide_));
  SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(glyphs_.get()));
  SendMessageW(toolbar_, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(greyGlyphs_.get()));
}

// On a screen of another scale the glyphs drawn for it take the others'
// places. Every glyph is drawn in every size, so each lands at the index its
// button already has.
void ToolbarDock::ReloadGlyphs() {
  if (!toolbar_ || GlyphSide(Dpi::Of(Handle())) == glyphSide_) return;
  // The toolbar refers to the old lists until it is given the new ones.
  unique_himagelist oldGlyphs = std::move(glyphs_);
  unique_himagelist oldGreyGlyphs = std::move(greyGlyphs_);
  CreateGlyphLists(static_cast<int>(glyphIds_.size()));
  for (int glyph : glyphIds_) AddGlyph(glyph);
  SetGlyphLists();
  InvalidateRect(toolbar_, nullptr, TRUE);
}

int ToolbarDock::Height() const { return Dpi::Of(parent_).Scale(height_); }

void ToolbarDock::SizeButtons() {
  const Dpi dpi = Dpi::Of(Handle());
  const int buttonHeight = Height() - 2 * dpi.Scale(kDockMargin);
  const int buttonWidth = std::max(dpi.Scale(kMinimumButtonWidth), buttonHeight + dpi.Scale(kExtraButtonWidth));
  SendMessageW(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth, buttonHeight));
}

void ToolbarDock::OnDpiChanged() {
  ReloadGlyphs();
  SizeButtons();
  RECT client{};
  GetClientRect(parent_, &client);
  SetWindowPos(Handle(), nullptr, 0, 0, client.right, Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!IsFloating()) PlaceToolbarInDock();
  Invalidate();
}

void ToolbarDock::AddGlyph(int resourceId) {
  unique_hbitmap glyph = LoadGlyph(resourceId, glyphSide_);
  if (!glyph) return;
  unique_hbitmap grey = GreyedCopy(glyph.get());
  if (!grey) return;
  // Both lists must stay in step: the grey one is indexed like the other.
  if (ImageList_AddMasked(glyphs_.get(), glyph.get(), kGlyphKey) < 0) return;
  if (ImageList_AddMasked(greyGlyphs_.get(), grey.get(), kGlyphKey) < 0) {
    ImageList_Remove(glyphs_.get(), ImageList_GetImageCount(glyphs_.get()) - 1);
  }
}

SIZE ToolbarDock::ToolbarSize() const {
  const auto count = static_cast<int>(SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0));
  RECT last{};
  if (count > 0) SendMessageW(toolbar_, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last));
  const DWORD buttonSize = static_cast<DWORD>(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0));
  return SIZE{last.right, HIWORD(buttonSize)};
}

void ToolbarDock::PlaceToolbarInDock() {
  const SIZE size = ToolbarSize();
  SetWindowPos(toolbar_, nullptr, Dpi::Of(Handle()).Scale(kToolbarLeft), (Height() - size.cy) / 2, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int ToolbarDock::DockedWidth() const {
  return Dpi::Of(Handle()).Scale(kToolbarLeft) + static_cast<int>(ToolbarSize().cx);
}

RECT ToolbarDock::GripperRect() const { return RECT{0, 0, Dpi::Of(Handle()).Scale(kToolbarLeft), Height()}; }

void ToolbarDock::SetToolbarParent(HWND parent) {
  SetParent(toolbar_, parent);
  SendMessageW(toolbar_, TB_SETPARENT, reinterpret_cast<WPARAM>(Handle()), 0);
}

void ToolbarDock::SetButtonEnabled(int command, bool enabled) {
  SendMessageW(toolbar_, TB_ENABLEBUTTON, command, MAKELPARAM(enabled ? TRUE : FALSE, 0));
}

bool ToolbarDock::IsButtonEnabled(int command) const {
  return SendMessageW(toolbar_, TB_ISBUTTONENABLED, command, 0) != 0;
}

void ToolbarDock::Float(POINT screenAt) {
  if (frame_) {
    frame_->MoveCaptionTo(screenAt);
    return;
  }
  frame_ = MakeWindow<ToolbarFrame>();
  frame_->Create(root_, Handle(), title_, ToolbarSize(), screenAt);
  SetToolbarParent(frame_->Handle());
  SetWindowPos(toolbar_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SyncFrameVisibility();
  Invalidate();
}

void ToolbarDock::Dock() {
  if (!frame_) return;
  // The toolbar leaves the frame first, or it would go down with it.
  SetToolbarParent(Handle());
  PlaceToolbarInDock();
  frame_.reset();
  Invalidate();
}

void ToolbarDock::SyncFrameVisibility() {
  if (!frame_) return;
  // A floating toolbar belongs to its page: it goes when the page is hidden
  // and comes back with it.
  ShowWindow(frame_->Handle(), IsWindowVisible(Handle()) ? SW_SHOWNOACTIVATE : SW_HIDE);
}

LRESULT CALLBACK ToolbarDock::ParentSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR self) {
  auto* dock = reinterpret_cast<ToolbarDock*>(self);
  if (message == WM_SIZE && window == dock->parent_ && dock->Handle()) {
    SetWindowPos(dock->Handle(), nullptr, 0, 0, GET_X_LPARAM(lParam), dock->Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (message == WM_SHOWWINDOW && dock->Handle()) PostMessageW(dock->Handle(), kSyncFrameVisibility, 0, 0);
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT ToolbarDock::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN: OnLeftButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_MOUSEMOVE: OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(); return 0;
    case WM_CAPTURECHANGED: draggingGripper_ = false; return 0;
    case WM_SETCURSOR: return OnSetCursor(lParam) ? TRUE : DefaultHandling(message, wParam, lParam);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_SHOWWINDOW:
      PostMessageW(Handle(), kSyncFrameVisibility, 0, 0);
      return DefaultHandling(message, wParam, lParam);
    case kToolbarDockRequest: Dock(); return 0;
    case kSyncFrameVisibility: SyncFrameVisibility(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case kDpiChangedAfterParent: OnDpiChanged(); return 0;
    default: return DefaultHandling(message, wParam, lParam);
  }
}

void ToolbarDock::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, GetSysColorBrush(COLOR_BTNFACE));
  if (IsFloating()) return;
  const Dpi dpi = Dpi::Of(Handle());
  for (int bar = 0; bar < kGripperBars; ++bar) {
    const int left = kGripperLeft + bar * kGripperBarWidth;
    RECT gripper = dpi.Scale(RECT{left, kDockMargin, left + kGripperBarWidth, height_ - kDockMargin});
    DrawEdge(dc, &gripper, BDR_RAISEDINNER, BF_RECT);
  }
}

void ToolbarDock::OnLeftButtonDown(POINT at) {
  const RECT gripper = GripperRect();
  if (IsFloating() || !PtInRect(&gripper, at)) return;
  draggingGripper_ = true;
  SetCapture(Handle());
}

void ToolbarDock::OnMouseMove(POINT at) {
  if (!draggingGripper_) return;
  // The toolbar floats once the mouse is clear of the dock by the height of
  // a floating caption; nearer, the new frame would land on the dock and
  // dock straight back.
  RECT dock{};
  GetWindowRect(Handle(), &dock);
  const int slack = GetSystemMetrics(SM_CYSMCAPTION);
  InflateRect(&dock, slack, slack);
  POINT screen = at;
  ClientToScreen(Handle(), &screen);
  if (PtInRect(&dock, screen)) return;
  draggingGripper_ = false;
  ReleaseCapture();
  Float(screen);
  frame_->ContinueDrag();
}

void ToolbarDock::OnLeftButtonUp() {
  if (!draggingGripper_) return;
  draggingGripper_ = false;
  ReleaseCapture();
}

bool ToolbarDock::OnSetCursor(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT || IsFloating()) return false;
  POINT at{};
  GetCursorPos(&at);
  ScreenToClient(Handle(), &at);
  const RECT gripper = GripperRect();
  if (!PtInRect(&gripper, at)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
  return true;
}

LRESULT ToolbarDock::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) != toolbar_) return 0;
  return SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(LOWORD(wParam), BN_CLICKED), lParam);
}

LRESULT ToolbarDock::OnNotify(NMHDR* header) {
  if (header->code != TTN_GETDISPINFOW) return 0;
  auto* request = reinterpret_cast<NMTTDISPINFOW*>(header);
  const auto found = std::find(commands_.begin(), commands_.end(), static_cast<int>(header->idFrom));
  if (found == commands_.end() || *found == 0) return 0;
  request->hinst = nullptr;
  request->lpszText = tips_[static_cast<size_t>(found - commands_.begin())].data();
  return 0;
}

void ToolbarDock::OnDestroy() {
  const auto self = reinterpret_cast<UINT_PTR>(this);
  RemoveWindowSubclass(parent_, &ToolbarDock::ParentSubclassProc, self);
  if (root_ != parent_) RemoveWindowSubclass(root_, &ToolbarDock::ParentSubclassProc, self);
  frame_.reset();
}

}  // namespace ui
