#include "tools/full_screen_view.h"

#include <windowsx.h>

#include <algorithm>
#include <tuple>

#include "core/window_classes.h"
#include "ui/dpi.h"
#include "ui/handles.h"

namespace tools {

namespace {

constexpr wchar_t kCaption[] = L"Form5";
// One click on a scroll-bar arrow moves this far.
constexpr int kScrollLine = 16;

RECT MonitorArea(HWND window) {
  MONITORINFO info{sizeof(info)};
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

}  // namespace

FullScreenView::FullScreenView(ui::Application& application) : Form(application) {
  ui::FormParams params;
  params.className = core::kFullScreenViewClass;
  params.caption = kCaption;
  params.style = WS_POPUP | WS_CLIPCHILDREN;
  params.exStyle = WS_EX_TOPMOST;
  params.clientWidth = 1;
  params.clientHeight = 1;
  CreateForm(params);
  EnablePainting();
}

void FullScreenView::ShowPicture(const picture::Picture& picture) {
  picture_ = picture.Copy();
  if (IsVisible()) picture_.HoldUnpacked();
  scroll_ = POINT{};
  ShowWindow(Handle(), SW_SHOWMAXIMIZED);
  // Maximizing again sends no WM_SIZE; the new picture needs its bars anyway.
  UpdateScrollBars();
  SetForegroundWindow(Handle());
  InvalidateRect(Handle(), nullptr, FALSE);
}

void FullScreenView::OnGetMinMaxInfo(MINMAXINFO& info) {
  // Maximized means the whole monitor, taskbar included: the view has no
  // frame to keep visible.
  const RECT area = MonitorArea(Handle());
  info.ptMaxPosition = POINT{0, 0};
  info.ptMaxSize = POINT{area.right - area.left, area.bottom - area.top};
  info.ptMaxTrackSize = info.ptMaxSize;
}

void FullScreenView::UpdateScrollBars() {
  RECT window{};
  GetWindowRect(Handle(), &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  // One bar takes room from the other direction, which may then need its
  // bar too.
  bool horizontal = picture_.Width() > width;
  bool vertical = picture_.Height() > height;
  vertical = vertical || (horizontal && picture_.Height() > height - GetSystemMetrics(SM_CYHSCROLL));
  horizontal = horizontal || (vertical && picture_.Width() > width - GetSystemMetrics(SM_CXVSCROLL));
  ShowScrollBar(Handle(), SB_HORZ, horizontal);
  ShowScrollBar(Handle(), SB_VERT, vertical);

  RECT client{};
  GetClientRect(Handle(), &client);
  for (const auto& [bar, extent, page] :
       {std::tuple{SB_HORZ, picture_.Width(), client.right}, std::tuple{SB_VERT, picture_.Height(), client.bottom}}) {
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE};
    info.nMax = std::max(extent - 1, 0);
    info.nPage = static_cast<UINT>(page);
    SetScrollInfo(Handle(), bar, &info, TRUE);
    ScrollTo(bar, PositionOn(bar));
  }
}

void FullScreenView::ScrollTo(int bar, int position) {
  RECT client{};
  GetClientRect(Handle(), &client);
  const int extent = bar == SB_HORZ ? picture_.Width() : picture_.Height();
  const int page = bar == SB_HORZ ? client.right : client.bottom;
  const int clamped = std::clamp(position, 0, std::max(extent - page, 0));
  SCROLLINFO info{sizeof(info), SIF_POS};
  info.nPos = clamped;
  SetScrollInfo(Handle(), bar, &info, TRUE);
  if (clamped == PositionOn(bar)) return;
  PositionOn(bar) = clamped;
  InvalidateRect(Handle(), nullptr, FALSE);
}

void FullScreenView::OnScroll(int bar, int request) {
  SCROLLINFO info{sizeof(info), SIF_ALL};
  GetScrollInfo(Handle(), bar, &info);
  const int page = static_cast<int>(info.nPage);
  int position = PositionOn(bar);
  const int line = ui::Dpi::Of(Handle()).Scale(kScrollLine);
  switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  ScrollTo(bar, position);
}

void FullScreenView::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const RECT target{-scroll_.x, -scroll_.y, picture_.Width() - scroll_.x, picture_.Height() - scroll_.y};
  picture_.Draw(dc, target);
}

void FullScreenView::OnShowWindow(bool shown) {
  // The whole picture is drawn on every paint and scroll while the view is
  // up; once it is hidden, only the packed form is kept.
  if (shown) {
    picture_.HoldUnpacked();
  } else {
    picture_.ReleaseUnpacked();
  }
}

LRESULT FullScreenView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETMINMAXINFO: OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_SIZE: UpdateScrollBars(); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: ScrollTo(SB_VERT, scroll_.y - GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_LBUTTONDBLCLK: Hide(); return 0;
    case WM_SHOWWINDOW: OnShowWindow(wParam != FALSE); return Form::HandleMessage(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tools
