#include "about/about_picture.h"

#include <cwchar>

#include "core/window_classes.h"
#include "resource_ids.h"
#include "ui/dpi.h"
#include "ui/scaled_images.h"

namespace about {

namespace {

constexpr wchar_t kSubtitle[] = L"a clipboard enhancement";
// A tall, condensed display face; where it is missing the heavy weight keeps
// a stand-in bold enough to read over the picture, and the stand-in, being
// wider, is made smaller until the whole subtitle fits on the page.
constexpr wchar_t kSubtitleFontFace[] = L"Impact";
constexpr int kSubtitleFontHeight = 18;
constexpr int kSmallestSubtitleFontHeight = 10;
constexpr int kSubtitleLeft = 192;
constexpr int kSubtitleTop = 8;
constexpr int kSubtitleRightMargin = 4;
constexpr int kSubtitleHeight = 24;
constexpr int kSubtitleId = 701;
// Dark ink on the picture's pale sky.
constexpr COLORREF kSubtitleColour = RGB(16, 32, 96);

int TextWidth(HFONT font, const wchar_t* text) {
  ui::WindowDC screen(nullptr);
  ui::SelectGuard select(screen.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.get(), text, static_cast<int>(wcslen(text)), &size);
  return size.cx;
}

}  // namespace

void AboutPicture::Create(HWND parent, int width, int height, HBITMAP picture) {
  if (picture) picture_.reset(static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, 0)));
  EnablePainting();
  CreateFromParams(ui::WindowParams::Child(core::kAboutPictureClass, parent, 0, 0, width, height));
  const int subtitleWidth = width - kSubtitleLeft - kSubtitleRightMargin;
  MakeSubtitleFont(ui::Dpi::Of(Handle()), subtitleWidth);
  subtitle_.Create(Handle(), kSubtitleId, kSubtitleLeft, kSubtitleTop, subtitleWidth, kSubtitleHeight,
                   ui::LabelAlignment::Left, false);
  subtitle_.SetFont(subtitleFont_.get());
  subtitle_.SetTransparent(true);
  subtitle_.SetTextColour(kSubtitleColour);
  subtitle_.SetText(kSubtitle);
}

void AboutPicture::MakeSubtitleFont(ui::Dpi dpi, int subtitleWidth) {
  for (int height = kSubtitleFontHeight; height >= kSmallestSubtitleFontHeight; --height) {
    subtitleFont_ = ui::MakeFont(dpi, kSubtitleFontFace, height, FW_HEAVY);
    if (TextWidth(subtitleFont_.get(), kSubtitle) <= dpi.Scale(subtitleWidth)) break;
  }
}

void AboutPicture::OnDpiChanged(ui::Dpi dpi) {
  RECT client{};
  GetClientRect(Handle(), &client);
  MakeSubtitleFont(dpi, dpi.Unscale(client.right) - kSubtitleLeft - kSubtitleRightMargin);
  subtitle_.SetFont(subtitleFont_.get());
}

void AboutPicture::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) return;
  // At the page's scale, whichever of the picture's sizes was loaded.
  const SIZE shown = ui::Dpi::Of(Handle()).Scale(SIZE{SPLASH_WIDTH, SPLASH_HEIGHT});
  // Centred; a picture larger than the page loses the same amount on each side.
  const int left = (clientRect.right - clientRect.left - shown.cx) / 2;
  const int top = (clientRect.bottom - clientRect.top - shown.cy) / 2;
  ui::DrawPicture(dc, picture_.get(), RECT{left, top, left + shown.cx, top + shown.cy});
}

}  // namespace about
