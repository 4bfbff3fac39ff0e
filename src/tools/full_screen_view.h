// FullScreenView: a picture at its own size on a black window that covers
// the whole screen, scrollable when the picture is larger. A double click
// anywhere puts it away again.
#pragma once

#include "ui/form.h"
#include "picture/picture.h"

namespace tools {

class FullScreenView : public ui::Form {
 public:
  explicit FullScreenView(ui::Application& application);

  // Shows a copy of the picture, from its top-left corner. An empty picture
  // shows a black screen.
  void ShowPicture(const picture::Picture& picture);
  const picture::Picture& Shown() const { return picture_; }
  // How far the picture is scrolled, in pixels.
  POINT ScrollPosition() const { return scroll_; }

  // Esc puts the view away as a double click does.
  bool OnEscape() override {
    Hide();
    return true;
  }
 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  void OnGetMinMaxInfo(MINMAXINFO& info);
  void OnShowWindow(bool shown);
  void UpdateScrollBars();
  void OnScroll(int bar, int request);
  void ScrollTo(int bar, int position);
  LONG& PositionOn(int bar) { return bar == SB_HORZ ? scroll_.x : scroll_.y; }

  picture::Picture picture_;
  POINT scroll_{};
};

}  // namespace tools
