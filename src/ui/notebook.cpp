#include "ui/notebook.h"

#include <commctrl.h>

#include "ui/control.h"
#include "ui/dpi.h"
#include "core/window_classes.h"

namespace ui {

void Notebook::Create(HWND parent, int x, int y, int width, int height, const std::vector<std::wstring>& pages) {
  WindowParams params = WindowParams::Child(core::kNotebookClass, parent, x, y, width, height, WS_CLIPCHILDREN);
  params.exStyle = WS_EX_CONTROLPARENT;
  params.background = GetSysColorBrush(COLOR_BTNFACE);
  CreateFromParams(params);

  RECT client{};
  GetClientRect(Handle(), &client);
  tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                          client.right, client.bottom, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultGuiFont(Handle())), FALSE);
  for (size_t i = 0; i < pages.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring caption = pages[i];
    item.pszText = caption.data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  const RECT area = PageRect();
  for (size_t i = 0; i < pages.size(); ++i) {
    WindowPtr<Panel> page = MakeWindow<Panel>();
    page->CreateAt(Handle(), area);
    // Pages sit above the tab control in the z-order so they paint over it.
    SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pages_.push_back(std::move(page));
  }
  ShowSelectedPage();
}

RECT Notebook::PageRect() const {
  RECT area{};
  GetClientRect(tabs_, &area);
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  return area;
}

SIZE Notebook::PageDesignSize() const {
  const RECT area = PageRect();
  return Dpi::Of(Handle()).Unscale(SIZE{area.right - area.left, area.bottom - area.top});
}

int Notebook::PageIndex() const { return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)); }

void Notebook::SetPageIndex(int index) {
  if (index < 0 || index >= PageCount() || index == PageIndex()) return;
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowSelectedPage();
  if (onPageChanged) onPageChanged();
}

void Notebook::StepPage(int step) {
  const int count = PageCount();
  if (count < 2) return;
  const HWND left = Page(PageIndex());
  const bool focusLeaves = IsChild(left, GetFocus()) != FALSE;
  SetPageIndex(((PageIndex() + step) % count + count) % count);
  if (!focusLeaves) return;
  const HWND first = GetNextDlgTabItem(Page(PageIndex()), nullptr, FALSE);
  SetFocus(first ? first : tabs_);
}

void Notebook::ShowSelectedPage() {
  const int selected = PageIndex();
  for (int i = 0; i < PageCount(); ++i) ShowWindow(Page(i), i == selected ? SW_SHOW : SW_HIDE);
}

// Scaled for another DPI, the notebook fits its tabs and pages to itself.
void Notebook::OnSize() {
  if (!tabs_) return;
  RECT client{};
  GetClientRect(Handle(), &client);
  SetWindowPos(tabs_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT area = PageRect();
  for (const WindowPtr<Panel>& page : pages_) {
    page->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
}

LRESULT Notebook::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) OnSize();
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom == tabs_ && header->code == TCN_SELCHANGE) {
      ShowSelectedPage();
      if (onPageChanged) onPageChanged();
      return 0;
    }
  }
  if (IsChildNotification(message)) return SendMessageW(GetParent(Handle()), message, wParam, lParam);
  return DefaultHandling(message, wParam, lParam);
}

}  // namespace ui
