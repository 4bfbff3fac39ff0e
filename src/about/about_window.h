// AboutWindow: the about window. It shows the program's picture, copied from the
// start-up window when it is created.
#pragma once

#include "ui/form.h"
#include "ui/handles.h"

namespace about {

class AboutWindow : public ui::Form {
 public:
  AboutWindow(ui::Application& application, HBITMAP startupPicture);
  HBITMAP PictureBitmap() const { return picture_.get(); }

 protected:
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  ui::unique_hbitmap picture_;
};

}  // namespace about
