// A tabbed notebook: a standard tab control with one page window per tab.
// Only the selected page is visible.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/panel.h"

namespace ui {

class Notebook : public Window {
 public:
  void Create(HWND parent, int x, int y, int width, int height, const std::vector<std::wstring>& pages);
  int PageIndex() const;
  void SetPageIndex(int index);
  // Selects the page `step` pages on, round the end: Ctrl+Tab and
  // Ctrl+Shift+Tab. The focus, if it was on the page put away, moves to the
  // first control of the page shown.
  void StepPage(int step);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // The page window that holds the page's controls.
  HWND Page(int index) const { return pages_.at(static_cast<size_t>(index))->Handle(); }
  RECT PageRect() const;
  // A page's size in 96 DPI units, to lay out the page's own controls by.
  SIZE PageDesignSize() const;
  HWND TabControl() const { return tabs_; }
  // Called after the user (or SetPageIndex) changed the page.
  std::function<void()> onPageChanged;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnSize();
  void ShowSelectedPage();

  HWND tabs_ = nullptr;  // child window, destroyed with this one
  std::vector<WindowPtr<Panel>> pages_;
};

}  // namespace ui
