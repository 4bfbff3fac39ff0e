#include "ui/toolbar_frame.h"

#include "core/window_classes.h"
#include "ui/dpi.h"

namespace ui {

namespace {

constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_TOOLWINDOW;
// How far left of the grab point the frame starts, so the mouse holds the
// caption near its left end, where the title does not hide under it.
constexpr int kGrabInset = 12;
// SC_MOVE with the caption as the place grabbed: a move that follows the
// mouse button already held instead of waiting for the keyboard.
constexpr WPARAM kMoveByCaption = SC_MOVE | HTCAPTION;

RECT FrameBounds(Dpi dpi, SIZE clientSize, POINT grabAt) {
  RECT bounds = dpi.FrameAround(RECT{0, 0, clientSize.cx, clientSize.cy}, kFrameStyle, kFrameExStyle);
  const int captionTop = -bounds.top;  // the caption and the frame border above the client area
  OffsetRect(&bounds, -bounds.left, -bounds.top);
  OffsetRect(&bounds, grabAt.x - dpi.Scale(kGrabInset), grabAt.y - captionTop / 2);
  return bounds;
}

}  // namespace

void ToolbarFrame::Create(HWND owner, HWND dock, const std::wstring& title, SIZE clientSize, POINT grabAt) {
  dock_ = dock;
  const RECT bounds = FrameBounds(Dpi::Of(dock), clientSize, grabAt);
  WindowParams params;
  params.className = core::kToolbarFrameClass;
  params.caption = title;
  params.style = kFrameStyle;
  params.exStyle = kFrameExStyle;
  params.parent = owner;
  params.x = bounds.left;
  params.y = bounds.top;
  params.width = bounds.right - bounds.left;
  params.height = bounds.bottom - bounds.top;
  params.background = GetSysColorBrush(COLOR_BTNFACE);
  CreateFromParams(params);
}

void ToolbarFrame::MoveCaptionTo(POINT grabAt) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const RECT bounds = FrameBounds(Dpi::Of(Handle()), SIZE{client.right, client.bottom}, grabAt);
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolbarFrame::ContinueDrag() {
  // A move loop started without the button down would wait for a release
  // that never comes.
  if (GetKeyState(VK_LBUTTON) < 0) PostMessageW(Handle(), WM_SYSCOMMAND, kMoveByCaption, 0);
}

LRESULT ToolbarFrame::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_EXITSIZEMOVE: OnExitSizeMove(); return 0;
    // Clicking a button keeps the form active; only the caption activates.
    case WM_MOUSEACTIVATE: return LOWORD(lParam) == HTCLIENT ? MA_NOACTIVATE : MA_ACTIVATE;
    default: return DefaultHandling(message, wParam, lParam);
  }
}

void ToolbarFrame::OnExitSizeMove() {
  RECT frame{};
  RECT dock{};
  RECT overlap{};
  GetWindowRect(Handle(), &frame);
  GetWindowRect(dock_, &dock);
  if (IsWindowVisible(dock_) && IntersectRect(&overlap, &frame, &dock)) {
    PostMessageW(dock_, kToolbarDockRequest, 0, 0);
  }
}

}  // namespace ui
