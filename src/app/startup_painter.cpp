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

void StartupPainter::Paint(HDC dc, const RECT& client, HBITMAP picture, const wchar_t* status, POINT statusAt,
                           ui::Dpi dpi) {
  if (!subtitleFont_) subtitleFont_ = ui::MakeFont(kSubtitleFont, kSubtitleHeight);
  if (!statusFont_) statusFont_ = ui::MakeFont(kStatusFont, kStatusHeight, FW_BLACK);
  RECT rect = client;
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  constexpr RECT kPictureArea{kPictureLeft, kPictureTop, kPictureLeft + kPictureWidth, kPictureTop + kPictureHeight};
  ui::DrawPicture(dc, picture, dpi.Scale(kPictureArea));
  DrawTransparentText(dc, kSubtitle, POINT{kSubtitleLeft, kSubtitleTop}, subtitleFont_.get(), RGB(0, 0, 0));
  DrawTransparentText(dc, status, statusAt, statusFont_.get(), RGB(0, 0, 0));
}

}  // namespace app
