// StartupPainter: paints what the splash and the start-up window share, the
// picture on its raised panel, the subtitle and one line of status text.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/handles.h"

namespace app {

class StartupPainter {
 public:
  // The picture is drawn at the size of the window's scale `dpi`.
  void Paint(HDC dc, const RECT& client, HBITMAP picture, const wchar_t* status, POINT statusAt, ui::Dpi dpi);

 private:
  ui::unique_hfont subtitleFont_;
  ui::unique_hfont statusFont_;
};

// Draws text with a transparent background.
void DrawTransparentText(HDC dc, const wchar_t* text, POINT at, HFONT font, COLORREF colour);

}  // namespace app
