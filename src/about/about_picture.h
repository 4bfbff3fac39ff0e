// AboutPicture: the about window's first page, the program's picture centred
// on the page with the subtitle lettered over it.
#pragma once

#include <windows.h>

#include "ui/handles.h"
#include "ui/label.h"
#include "ui/window.h"

namespace about {

class AboutPicture : public ui::Window {
 public:
  // Shows a copy of `picture`, so the start-up window may drop its own.
  void Create(HWND parent, int width, int height, HBITMAP picture);
  HBITMAP Bitmap() const { return picture_.get(); }
  HWND Subtitle() const { return subtitle_.Handle(); }

 protected:
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  ui::unique_hbitmap picture_;
  ui::unique_hfont subtitleFont_;
  ui::Label subtitle_;
};

}  // namespace about
