// TSplashForm: the borderless splash shown while the windows are created. It
// holds the program's one copy of the splash picture and plays the start-up
// signal while it is being constructed.
#pragma once

#include "app/startup_layout.h"
#include "desktop/pc_speaker.h"
#include "ui/form.h"

namespace app {

class TSplashForm : public ui::Form {
 public:
  explicit TSplashForm(ui::Application& application);
  ~TSplashForm() override;

  // The splash picture (Image1's bitmap); others copy it.
  HBITMAP PictureBitmap() const { return picture_.get(); }
  // Makes the splash visible and paints it at once.
  void ShowNow();

 protected:
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  void FormCreate();

  ui::unique_hbitmap picture_;
  kestrel::TPCSpeaker Spk;
  StartupPainter painter_;
};

}  // namespace app
