// SplashWindow: the borderless splash shown while the windows are created. It
// holds the program's one copy of the splash picture and plays the start-up
// signal while it is being constructed.
#pragma once

#include "app/startup_painter.h"
#include "desktop/speaker.h"
#include "ui/form.h"

namespace app {

class SplashWindow : public ui::Form {
 public:
  explicit SplashWindow(ui::Application& application);

  // The splash picture; others copy it.
  HBITMAP PictureBitmap() const { return picture_.get(); }
  // Makes the splash visible and paints it at once.
  void ShowNow();

 protected:
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  void PlayStartupSignal();

  ui::unique_hbitmap picture_;
  desktop::Speaker speaker_;
  StartupPainter painter_;
};

}  // namespace app
