// A picture control: shows a picture at its own size, top-left aligned.
// With automatic sizing the control takes the size of every picture that has
// one, and keeps its size for an empty picture.
#pragma once

#include <functional>

#include "picture/picture.h"
#include "ui/accessible_object.h"
#include "ui/window.h"

namespace picture {

class PictureBox : public ui::Window {
 public:
  void Create(HWND parent, int x, int y, int width, int height);
  void SetPicture(Picture picture);
  const Picture& GetPicture() const { return picture_; }
  int Width() const;
  int Height() const;
  std::function<void()> onDoubleClick;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;
  void OnHandleDestroyed() override { accessible_.Disconnect(); }

 private:
  void OnDoubleClick();

  Picture picture_;
  ui::AccessibleServer accessible_;
};

}  // namespace picture
