#include "about/about_window.h"
#include "core/window_classes.h"

namespace about {

namespace {
constexpr int kClientWidth = 507;
constexpr int kClientHeight = 226;
// The picture page of the notebook on the left.
constexpr int kPageWidth = 409;
constexpr int kPageHeight = 225;
}  // namespace

AboutWindow::AboutWindow(ui::Application& application, HBITMAP startupPicture) : Form(application) {
  if (startupPicture) picture_.reset(static_cast<HBITMAP>(CopyImage(startupPicture, IMAGE_BITMAP, 0, 0, 0)));
  EnablePainting();
  ui::FormParams params;
  params.className = core::kAboutWindowClass;
  params.caption = L"About";
  params.style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  params.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
}

void AboutWindow::PaintContent(HDC dc, const RECT& clientRect) {
  FillRect(dc, &clientRect, GetSysColorBrush(COLOR_BTNFACE));
  if (!picture_) return;
  BITMAP info{};
  GetObjectW(picture_.get(), sizeof(info), &info);
  ui::unique_hdc source(CreateCompatibleDC(dc));
  ui::SelectGuard select(source.get(), picture_.get());
  // Centred on the picture page.
  const int left = (kPageWidth - info.bmWidth) / 2;
  const int top = (kPageHeight - info.bmHeight) / 2;
  BitBlt(dc, left > 0 ? left : 0, top > 0 ? top : 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
}

}  // namespace about
