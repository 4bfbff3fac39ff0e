#include "ui/hover_watch.h"

#include <commctrl.h>

#include <utility>

namespace ui {

HoverWatch::~HoverWatch() {
  for (size_t i = 0; i < watched_.size(); ++i) {
    if (watched_[i].window) RemoveWindowSubclass(watched_[i].window, &HoverWatch::SubclassProc, i);
  }
}

void HoverWatch::Watch(HWND window, std::function<void()> onMouseMove) {
  // The subclass id is the entry's index: entries are only ever appended.
  const UINT_PTR index = watched_.size();
  watched_.push_back({window, std::move(onMouseMove)});
  if (!SetWindowSubclass(window, &HoverWatch::SubclassProc, index, reinterpret_cast<DWORD_PTR>(this))) {
    watched_.back().window = nullptr;
  }
}

void HoverWatch::OnMouseMove(size_t index) {
  if (watched_[index].onMouseMove) watched_[index].onMouseMove();
}

void HoverWatch::Forget(size_t index) {
  RemoveWindowSubclass(watched_[index].window, &HoverWatch::SubclassProc, index);
  watched_[index].window = nullptr;
}

LRESULT CALLBACK HoverWatch::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR index,
                                          DWORD_PTR self) {
  auto* watch = reinterpret_cast<HoverWatch*>(self);
  switch (message) {
    case WM_MOUSEMOVE: watch->OnMouseMove(index); break;
    case WM_NCDESTROY: watch->Forget(index); break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace ui
