#include "desktop/window_roller.h"

#include <dwmapi.h>
#include <windowsx.h>

#include <exception>
#include <string>
#include <utility>

#include "ui/dpi.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace desktop {

namespace {

constexpr ui::ProcedureHookNames kHookNames{L"Kestrel.WindowRoller", L"Kestrel.WindowRoller.Previous"};

// What the button answers for the mouse messages it keeps.
constexpr LRESULT kHandled = 1;
// The greyed triangles' fill.
constexpr int kGreyedFill = DKGRAY_BRUSH;
// The second stroke that thickens a chevron, one pixel below the first.
constexpr int kChevronStroke = 1;
// The white relief of a greyed triangle sits one pixel right and down.
constexpr int kReliefShift = 1;
constexpr int kPushedShift = 1;

RECT ToRect(const RollerRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// The caption's measures at the window's own scale.
RollerMetrics SystemMetrics(HWND window) {
  const ui::Dpi dpi = ui::Dpi::Of(window);
  RollerMetrics metrics;
  metrics.cxFrame = dpi.Metric(SM_CXFRAME);
  metrics.cyFrame = dpi.Metric(SM_CYFRAME);
  metrics.cxDlgFrame = dpi.Metric(SM_CXDLGFRAME);
  metrics.cyDlgFrame = dpi.Metric(SM_CYDLGFRAME);
  metrics.cxSize = dpi.Metric(SM_CXSIZE);
  metrics.cySize = dpi.Metric(SM_CYSIZE);
  metrics.cxSmSize = dpi.Metric(SM_CXSMSIZE);
  metrics.cySmSize = dpi.Metric(SM_CYSMSIZE);
  metrics.cyCaption = dpi.Metric(SM_CYCAPTION);
  return metrics;
}

// The frame kind the window's styles give it; a window without a caption
// has nowhere to put the button.
RollerFrame FrameOf(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  if ((style & WS_CAPTION) != WS_CAPTION) return RollerFrame::None;
  const bool sizeable = (style & WS_THICKFRAME) != 0;
  if (exStyle & WS_EX_TOOLWINDOW) return sizeable ? RollerFrame::SizeableToolWindow : RollerFrame::ToolWindow;
  if (sizeable) return RollerFrame::Sizeable;
  if (exStyle & WS_EX_DLGMODALFRAME) return RollerFrame::Dialog;
  return RollerFrame::Single;
}

RollerIcons IconsOf(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  return {(style & WS_SYSMENU) != 0, (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0,
          (exStyle & WS_EX_CONTEXTHELP) != 0};
}

int WindowWidth(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds.right - bounds.left;
}

void FillTriangle(HDC dc, const RollerTriangle& triangle) {
  const POINT corners[] = {
      {triangle.left.x, triangle.left.y}, {triangle.tip.x, triangle.tip.y}, {triangle.right.x, triangle.right.y}};
  Polygon(dc, corners, ARRAYSIZE(corners));
}

// Only the two slanted sides, stroked twice for weight.
void DrawChevron(HDC dc, const RollerTriangle& triangle) {
  for (int stroke = 0; stroke <= kChevronStroke; ++stroke) {
    const POINT sides[] = {{triangle.left.x, triangle.left.y + stroke},
                           {triangle.tip.x, triangle.tip.y + stroke},
                           {triangle.right.x, triangle.right.y + stroke}};
    Polyline(dc, sides, ARRAYSIZE(sides));
  }
}

// The system command's own bits, without the four the system keeps.
constexpr WPARAM kSystemCommandMask = 0xFFF0;
constexpr UINT kMenuItemMissing = static_cast<UINT>(-1);

// The position of the item with the command in the menu, if it is there.
std::optional<int> MenuPosition(HMENU menu, UINT command) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(menu, position) == command) return position;
  }
  return std::nullopt;
}

bool SeparatorAt(HMENU menu, int position) {
  const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return state != kMenuItemMissing && (state & MF_SEPARATOR) != 0;
}

}  // namespace

void SetFrameComposited(HWND window, bool composited) {
  using SetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  // Loaded at run time, from the system folder only: a system without it
  // has no compositor, and the program must start there all the same.
  wchar_t system[MAX_PATH] = L"";
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  const ui::unique_hmodule dwm(LoadLibraryW((std::wstring(system) + L"\\dwmapi.dll").c_str()));
  if (!dwm) return;
  const auto setAttribute = reinterpret_cast<SetWindowAttribute>(
      reinterpret_cast<void*>(GetProcAddress(dwm.get(), "DwmSetWindowAttribute")));
  if (!setAttribute) return;
  const DWORD policy = composited ? DWMNCRP_USEWINDOWSTYLE : DWMNCRP_DISABLED;
  if (FAILED(setAttribute(window, DWMWA_NCRENDERING_POLICY, &policy, sizeof(policy)))) return;
  // The frame is drawn anew by its new painter.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowRoller::WindowRoller(ui::Form& owner, FrameComposition frameComposition)
    : window_(owner.Handle()),
      frameComposition_(std::move(frameComposition)),
      hook_(owner.Handle(), &WindowRoller::Procedure, kHookNames, this) {
  Recompute();
  if (frameComposition_) frameComposition_(window_, false);
  ShowInSystemMenu(true);
}

void WindowRoller::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateSystemMenu();
  Paint();
}

void WindowRoller::SetRolled(bool rolled) {
  if (!enabled_ || rolled == rolled_) return;
  rolled_ = rolled;
  if (rolled_) {
    ApplyRolledRegion();
  } else {
    appliedRegion_.reset();
    SetWindowRgn(window_, nullptr, TRUE);
  }
  UpdateSystemMenu();
  if (onRoller) onRoller(*this, rolled_);
  Paint();
}

void WindowRoller::SetVisible(bool visible) {
  if (visible != visible_ && frameComposition_) frameComposition_(window_, !visible);
  visible_ = visible;
  ShowInSystemMenu(visible);
  Recompute();
  Paint();
}

std::optional<RECT> WindowRoller::ButtonRect() const {
  if (!button_) return std::nullopt;
  return ToRect(*button_);
}

LRESULT CALLBACK WindowRoller::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ui::ProcedureHook* hook = ui::ProcedureHook::Find(window, kHookNames);
  if (!hook) return ui::ProcedureHook::CallPrevious(window, kHookNames, message, wParam, lParam);
  // The roll handler is the owner's code; whatever it throws must not cross
  // into the system's message dispatch.
  try {
    return static_cast<WindowRoller*>(hook->Owner())->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ui::ShowErrorBox(window, ui::CurrentExceptionText());
  }
  return 0;
}

LRESULT WindowRoller::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ui::ProcedureHook::CallPrevious(window_, kHookNames, message, wParam, lParam);
}

LRESULT WindowRoller::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) return OnDestroy(wParam, lParam);
  // Without the button the form is left entirely to itself.
  if (!visible_) return CallPrevious(message, wParam, lParam);
  switch (message) {
    case WM_MOVE: return OnMove(wParam, lParam);
    case WM_SIZE: return OnSizeOrPosition(message, wParam, lParam);
    case WM_WINDOWPOSCHANGED: return OnSizeOrPosition(message, wParam, lParam);
    case WM_SETTINGCHANGE: return OnSettingChange(wParam, lParam);
    case WM_NCPAINT: return OnCaptionRedrawn(message, wParam, lParam);
    case WM_NCACTIVATE: return OnCaptionRedrawn(message, wParam, lParam);
    case WM_SETTEXT: return OnCaptionRedrawn(message, wParam, lParam);
    case WM_NCLBUTTONDOWN: return OnCaptionButtonDown(message, wParam, lParam);
    case WM_NCLBUTTONDBLCLK: return OnCaptionButtonDown(message, wParam, lParam);
    case WM_MOUSEMOVE: return OnMouseMove(wParam, lParam);
    case WM_LBUTTONUP: return OnButtonUp(message, wParam, lParam);
    case WM_LBUTTONDBLCLK: return OnButtonUp(message, wParam, lParam);
    case WM_CAPTURECHANGED: return OnCaptureChanged(wParam, lParam);
    case WM_SYSCOMMAND: return OnSystemCommand(wParam, lParam);
    default: return CallPrevious(message, wParam, lParam);
  }
}

LRESULT WindowRoller::OnMove(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(WM_MOVE, wParam, lParam);
  changingRegion_ = true;
  return result;
}

LRESULT WindowRoller::OnSizeOrPosition(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(message, wParam, lParam);
  const std::optional<RollerRect> before = button_;
  Recompute();
  // A button that moved would leave its old picture behind in the caption.
  if (before && before != button_) PaintHidden(*before);
  if (rolled_ && !changingRegion_) ApplyRolledRegion();
  Paint();
  changingRegion_ = false;
  return result;
}

LRESULT WindowRoller::OnSettingChange(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(WM_SETTINGCHANGE, wParam, lParam);
  Recompute();
  if (rolled_) {
    changingRegion_ = true;
    ApplyRolledRegion();
    changingRegion_ = false;
  }
  Paint();
  return result;
}

LRESULT WindowRoller::OnCaptionRedrawn(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(message, wParam, lParam);
  Paint();
  return result;
}

LRESULT WindowRoller::OnCaptionButtonDown(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!InsideAtScreen({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) return CallPrevious(message, wParam, lParam);
  SetCapture(window_);
  pressed_ = true;
  tracking_ = true;
  if (enabled_) Paint();
  // The press stays with the button. Passed on, it would start the
  // caption's move loop, which keeps the mouse to itself and swallows the
  // release, so the button would never roll.
  return kHandled;
}

LRESULT WindowRoller::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  if (!tracking_) return CallPrevious(WM_MOUSEMOVE, wParam, lParam);
  const bool inside = InsideAtClient(lParam);
  if (inside != pressed_) {
    pressed_ = inside;
    if (enabled_) Paint();
  }
  return kHandled;
}

LRESULT WindowRoller::OnButtonUp(UINT message, WPARAM wParam, LPARAM lParam) {
  pressed_ = false;
  if (!tracking_) return CallPrevious(message, wParam, lParam);
  tracking_ = false;
  // Only the capture the button took is given up; one the form took for
  // itself is the form's to end. It goes first, so a roll that fails
  // cannot leave the mouse captured.
  ReleaseCapture();
  if (InsideAtClient(lParam)) {
    changingRegion_ = true;
    SetRolled(!rolled_);
    changingRegion_ = false;
  } else if (enabled_) {
    Paint();
  }
  return kHandled;
}

LRESULT WindowRoller::OnCaptureChanged(WPARAM wParam, LPARAM lParam) {
  // Another window took the mouse mid-press: the press is over, and the
  // button must not stay pushed in or roll on some later release.
  if (tracking_ && reinterpret_cast<HWND>(lParam) != window_) {
    tracking_ = false;
    pressed_ = false;
    if (enabled_) Paint();
  }
  return CallPrevious(WM_CAPTURECHANGED, wParam, lParam);
}

LRESULT WindowRoller::OnSystemCommand(WPARAM wParam, LPARAM lParam) {
  if ((wParam & kSystemCommandMask) != kRollSystemCommand) return CallPrevious(WM_SYSCOMMAND, wParam, lParam);
  changingRegion_ = true;
  SetRolled(!rolled_);
  changingRegion_ = false;
  return 0;
}

LRESULT WindowRoller::OnDestroy(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(WM_DESTROY, wParam, lParam);
  hook_.Restore();
  return result;
}

void WindowRoller::Recompute() {
  frame_ = FrameOf(window_);
  // A hidden button keeps its last place: that is where it is painted over.
  if (visible_) button_ = RollerButtonRect(WindowWidth(window_), frame_, IconsOf(window_), SystemMetrics(window_));
}

// The item sits just above Close, set apart by a separator of its own.
void WindowRoller::ShowInSystemMenu(bool shown) const {
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (!menu) return;
  const std::optional<int> position = MenuPosition(menu, kRollSystemCommand);
  if (shown && !position) {
    if (!InsertMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, kRollSystemCommand, kRollUpMenuCaption)) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      AppendMenuW(menu, MF_STRING, kRollSystemCommand, kRollUpMenuCaption);
    } else {
      InsertMenuW(menu, SC_CLOSE, MF_BYCOMMAND | MF_SEPARATOR, 0, nullptr);
    }
    UpdateSystemMenu();
  } else if (!shown && position) {
    // Its separator follows it, or precedes it where it had to go last.
    DeleteMenu(menu, static_cast<UINT>(*position), MF_BYPOSITION);
    if (SeparatorAt(menu, *position)) {
      DeleteMenu(menu, static_cast<UINT>(*position), MF_BYPOSITION);
    } else if (*position > 0 && SeparatorAt(menu, *position - 1)) {
      DeleteMenu(menu, static_cast<UINT>(*position - 1), MF_BYPOSITION);
    }
  }
}

void WindowRoller::UpdateSystemMenu() const {
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (!menu || GetMenuState(menu, kRollSystemCommand, MF_BYCOMMAND) == kMenuItemMissing) return;
  ModifyMenuW(menu, kRollSystemCommand, MF_BYCOMMAND | MF_STRING | (enabled_ ? MF_ENABLED : MF_GRAYED),
              kRollSystemCommand, rolled_ ? kRollDownMenuCaption : kRollUpMenuCaption);
}

void WindowRoller::ApplyRolledRegion() {
  const RollerRect strip = RolledRegion(WindowWidth(window_), frame_, SystemMetrics(window_));
  // Applying the region moves the frame again; the same strip once more
  // would only repeat that.
  if (appliedRegion_ == strip) return;
  appliedRegion_ = strip;
  ui::unique_hrgn region(CreateRectRgn(strip.left, strip.top, strip.right, strip.bottom));
  // The system owns the region once it is the window's.
  if (SetWindowRgn(window_, region.get(), TRUE)) static_cast<void>(region.release());
}

bool WindowRoller::InsideAtScreen(POINT screen) const {
  if (!button_) return false;
  RECT bounds{};
  GetWindowRect(window_, &bounds);
  const POINT atWindow{screen.x - bounds.left, screen.y - bounds.top};
  const RECT button = ToRect(*button_);
  return PtInRect(&button, atWindow) != FALSE;
}

bool WindowRoller::InsideAtClient(LPARAM lParam) const {
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(window_, &point);
  return InsideAtScreen(point);
}

void WindowRoller::Paint() const {
  if (!button_) return;
  if (!visible_) {
    PaintHidden(*button_);
    return;
  }
  const ui::WindowDC dc(window_, ui::DcArea::WholeWindow);
  RECT face = ToRect(*button_);
  DrawFrameControl(dc.get(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0));
  PaintTriangles(dc.get(), *button_);
}

void WindowRoller::PaintHidden(const RollerRect& button) const {
  const ui::WindowDC dc(window_, ui::DcArea::WholeWindow);
  const RECT area = ToRect(button);
  const int colour = GetActiveWindow() == window_ ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION;
  FillRect(dc.get(), &area, GetSysColorBrush(colour));
}

void WindowRoller::PaintTriangles(HDC dc, const RollerRect& button) const {
  const int shift = pressed_ ? kPushedShift : 0;
  // Unrolled, the filled triangle points up (roll up); rolled, down.
  const auto drawPair = [&](int passShift) {
    const RollerTriangle up = RollerUpTriangle(button, passShift);
    const RollerTriangle down = RollerDownTriangle(button, passShift);
    if (rolled_) {
      DrawChevron(dc, up);
      FillTriangle(dc, down);
    } else {
      FillTriangle(dc, up);
      DrawChevron(dc, down);
    }
  };
  if (enabled_) {
    const ui::SelectGuard pen(dc, GetStockObject(BLACK_PEN));
    const ui::SelectGuard brush(dc, GetStockObject(BLACK_BRUSH));
    drawPair(shift);
    return;
  }
  {
    const ui::SelectGuard pen(dc, GetStockObject(WHITE_PEN));
    const ui::SelectGuard brush(dc, GetStockObject(WHITE_BRUSH));
    drawPair(shift + kReliefShift);
  }
  const ui::unique_hpen shadow(CreatePen(PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW)));
  const ui::SelectGuard pen(dc, shadow.get());
  const ui::SelectGuard brush(dc, GetStockObject(kGreyedFill));
  drawPair(shift);
}

}  // namespace desktop
