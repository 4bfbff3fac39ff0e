#include "app/startup_painter.h"

#include "app/startup_layout.h"
#include "ui/control.h"
#include "ui/scaled_images.h"

namespace app {

void DrawTransparentText(HDC dc, const wchar_t* text, POINT at, HFONT font, COLORREF colour) {
  ui::SelectGuard selectFont(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  TextOutW(dc, at.x, at.y, text, lstrlenW(text));
}

void StartupPainter::MakeFonts(ui::Dpi dpi) {
  if (subtitleFont_ && fontDpi_ == dpi) return;
  subtitleFont_ = ui::MakeFont(dpi, kSubtitleFont, kSubtitleHeight);
  statusFont_ = ui::MakeFont(dpi, kStatusFont, kStatusHeight, FW_BLACK);
  fontDpi_ = dpi;
}

void StartupPainter::Paint(HDC dc, ui::Dpi dpi, const RECT& client, HBITMAP picture, const wchar_t* status,
                           POINT statusAt) {
  MakeFonts(dpi);
  RECT rect = client;
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  // Whichever of the picture's sizes was loaded, drawn at the window's scale.
  constexpr RECT kPictureArea{kPictureLeft, kPictureTop, kPictureLeft + kPictureWidth, kPictureTop + kPictureHeight};
  if (picture) ui::DrawPicture(dc, picture, dpi.Scale(kPictureArea));
  DrawTransparentText(dc, kSubtitle, POINT{dpi.Scale(kSubtitleLeft), dpi.Scale(kSubtitleTop)}, subtitleFont_.get(),
                      RGB(0, 0, 0));
  DrawTransparentText(dc, status, POINT{dpi.Scale(statusAt.x), dpi.Scale(statusAt.y)}, statusFont_.get(),
                      RGB(0, 0, 0));
}

}  // namespace app
