#include "ui/scroll_box.h"

#include <algorithm>

#include "ui/dpi.h"
#include "ui/panel.h"
#include "core/window_classes.h"

namespace ui {

namespace {
constexpr int kLineStep = 22;
constexpr int kLinesPerWheelNotch = 3;

void SetBar(HWND window, int bar, int content, int visible, int position) {
  SCROLLINFO info{sizeof(info)};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = content > 0 ? content - 1 : 0;
  info.nPage = static_cast<UINT>(std::max(visible, 0));
  info.nPos = position;
  SetScrollInfo(window, bar, &info, TRUE);
}
}  // namespace

void ScrollBox::Create(HWND parent, int x, int y, int width, int height) {
  CreateFromParams(BoxParams(parent, x, y, width, height));
}

void ScrollBox::CreateFilling(HWND parent) {
  RECT client{};
  GetClientRect(parent, &client);
  WindowParams params = BoxParams(parent, 0, 0, client.right, client.bottom);
  params.designUnits = false;
  CreateFromParams(params);
}

WindowParams ScrollBox::BoxParams(HWND parent, int x, int y, int width, int height) {
  WindowParams params =
      WindowParams::Child(core::kScrollBoxClass, parent, x, y, width, height, WS_VSCROLL | WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  params.background = GetSysColorBrush(COLOR_BTNFACE);
  return params;
}

void ScrollBox::SetContent(HWND content, int contentHeight) {
  content_ = content;
  contentHeight_ = contentHeight;
  position_ = 0;
  horizontal_ = 0;
  MoveContent();
  UpdateScrollBars();
}

void ScrollBox::SetContentWidth(int contentWidth) {
  contentWidth_ = contentWidth;
  horizontal_ = 0;
  MoveContent();
  UpdateScrollBars();
}

int ScrollBox::LineStep() const { return Dpi::Of(Handle()).Scale(kLineStep); }

int ScrollBox::VisibleHeight() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.bottom;
}

int ScrollBox::VisibleWidth() const {
  RECT client{};
  GetClientRect(Handle(), &client);
  return client.right;
}

void ScrollBox::UpdateScrollBars() {
  // Showing one bar narrows the room for the other, so settle twice.
  for (int round = 0; round < 2; ++round) {
    SetBar(Handle(), SB_VERT, contentHeight_, VisibleHeight(), position_);
    SetBar(Handle(), SB_HORZ, contentWidth_, VisibleWidth(), horizontal_);
  }
}

void ScrollBox::MoveContent() {
  if (content_) {
    SetWindowPos(content_, nullptr, -horizontal_, -position_, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void ScrollBox::ScrollTo(int position) {
  const int limit = std::max(0, contentHeight_ - VisibleHeight());
  position = std::clamp(position, 0, limit);
  if (position == position_) return;
  position_ = position;
  MoveContent();
  UpdateScrollBars();
}

void ScrollBox::ScrollHorizontallyTo(int position) {
  const int limit = std::max(0, contentWidth_ - VisibleWidth());
  position = std::clamp(position, 0, limit);
  if (position == horizontal_) return;
  horizontal_ = position;
  MoveContent();
  UpdateScrollBars();
}

void ScrollBox::OnScroll(int bar, int request) {
  const bool vertical = bar == SB_VERT;
  const int page = vertical ? VisibleHeight() : VisibleWidth();
  const int now = vertical ? position_ : horizontal_;
  const int end = vertical ? contentHeight_ : contentWidth_;
  int target = now;
  switch (request) {
    case SB_LINEUP: target = now - LineStep(); break;
    case SB_LINEDOWN: target = now + LineStep(); break;
    case SB_PAGEUP: target = now - page; break;
    case SB_PAGEDOWN: target = now + page; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = end; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof(info)};
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Handle(), bar, &info);
      target = info.nTrackPos;
      break;
    }
    default: return;
  }
  if (vertical) {
    ScrollTo(target);
  } else {
    ScrollHorizontallyTo(target);
  }
}

void ScrollBox::OnMouseWheel(int delta) {
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  ScrollTo(position_ - notches * kLinesPerWheelNotch * LineStep());
}

void ScrollBox::OnDoubleClick() {
  if (onDoubleClick) onDoubleClick();
}

void ScrollBox::OnSize() {
  // A larger box may leave the content scrolled past its end.
  const int vertical = std::clamp(position_, 0, std::max(0, contentHeight_ - VisibleHeight()));
  const int horizontal = std::clamp(horizontal_, 0, std::max(0, contentWidth_ - VisibleWidth()));
  if (vertical != position_ || horizontal != horizontal_) {
    position_ = vertical;
    horizontal_ = horizontal;
    MoveContent();
  }
  UpdateScrollBars();
}

LRESULT ScrollBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsChildNotification(message)) return SendMessageW(GetParent(Handle()), message, wParam, lParam);
  switch (message) {
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(); return 0;
    case WM_SIZE: OnSize(); return DefaultHandling(message, wParam, lParam);
    default: return DefaultHandling(message, wParam, lParam);
  }
}

}  // namespace ui
