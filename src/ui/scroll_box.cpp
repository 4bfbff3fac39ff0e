#include "ui/scroll_box.h"

#include <algorithm>

#include "ui/panel.h"
#include "core/window_classes.h"

namespace ui {

namespace {
constexpr int kLineStep = 22;
}

void ScrollBox::Create(HWND parent, int x, int y, int width, int height) {
  WindowParams params =
      WindowParams::Child(core::kScrollBoxClass, parent, x, y, width, height, WS_VSCROLL | WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  params.background = GetSysColorBrush(COLOR_BTNFACE);
  CreateFromParams(params);
}

void ScrollBox::SetContent(HWND content, int contentHeight) {
  content_ = content;
  contentHeight_ = contentHeight;
  position_ = 0;
  UpdateScrollBar();
}

int ScrollBox::VisibleHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom;
}

void ScrollBox::UpdateScrollBar() {
  SCROLLINFO info{sizeof(info)};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = contentHeight_ > 0 ? contentHeight_ - 1 : 0;
  info.nPage = static_cast<UINT>(VisibleHeight());
  info.nPos = position_;
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void ScrollBox::ScrollTo(int position) {
  const int limit = std::max(0, contentHeight_ - VisibleHeight());
  position = std::clamp(position, 0, limit);
  if (position == position_) return;
  position_ = position;
  if (content_) SetWindowPos(content_, nullptr, 0, -position_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateScrollBar();
}

void ScrollBox::OnVScroll(int request) {
  const int page = VisibleHeight();
  switch (request) {
    case SB_LINEUP: ScrollTo(position_ - kLineStep); break;
    case SB_LINEDOWN: ScrollTo(position_ + kLineStep); break;
    case SB_PAGEUP: ScrollTo(position_ - page); break;
    case SB_PAGEDOWN: ScrollTo(position_ + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(contentHeight_); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info)};
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Handle(), SB_VERT, &info);
      ScrollTo(info.nTrackPos);
      break;
    }
    default: break;
  }
}

void ScrollBox::OnMouseWheel(int delta) {
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  ScrollTo(position_ - notches * 3 * kLineStep);
}

LRESULT ScrollBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsChildNotification(message)) return SendMessageW(GetParent(Handle()), message, wParam, lParam);
  switch (message) {
    case WM_VSCROLL: OnVScroll(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_SIZE: UpdateScrollBar(); return DefaultHandling(message, wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace ui
