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
  // The size is in 96 DPI units.
  void Create(HWND parent, int width, int height, HBITMAP picture);
  // The subtitle's font is made again for the form's new scale.
  void OnDpiChanged(ui::Dpi dpi);
  HBITMAP Bitmap() const { return picture_.get(); }
  HWND Subtitle() const { return subtitle_.Handle(); }

 protected:
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  // The largest subtitle font up to its design size that fits the width.
  void MakeSubtitleFont(ui::Dpi dpi, int subtitleWidth);

  ui::unique_hbitmap picture_;
  ui::unique_hfont subtitleFont_;
  ui::Label subtitle_;
};

}  // namespace about
