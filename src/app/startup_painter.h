// StartupPainter: paints what the splash and the start-up window share, the
// picture on its raised panel, the subtitle and one line of status text.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/handles.h"

namespace app {

class StartupPainter {
 public:
  // `statusAt` is in 96 DPI units; the window is drawn at `dpi`.
  void Paint(HDC dc, ui::Dpi dpi, const RECT& client, HBITMAP picture, const wchar_t* status, POINT statusAt);

 private:
  void MakeFonts(ui::Dpi dpi);

  ui::Dpi fontDpi_;
  ui::unique_hfont subtitleFont_;
  ui::unique_hfont statusFont_;
};

// Draws text with a transparent background.
void DrawTransparentText(HDC dc, const wchar_t* text, POINT at, HFONT font, COLORREF colour);

}  // namespace app
