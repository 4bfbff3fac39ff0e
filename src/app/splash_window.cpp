#include "app/splash_window.h"

#include "resource_ids.h"
#include "ui/application.h"
#include "ui/scaled_images.h"
#include "core/window_classes.h"

namespace app {

namespace {

constexpr int kClientWidth = 406;
constexpr int kClientHeight = 203;
constexpr wchar_t kLoading[] = L"Loading...";
constexpr POINT kLoadingAt{104, 160};

// The start-up signal: four tones, low-high-low-high, each followed by a
// short pause.
constexpr int kToneCount = 4;
constexpr int kLowToneHz = 80;
constexpr int kLowToneMs = 150;
constexpr int kHighToneHz = 200;
constexpr int kHighToneMs = 300;
constexpr int kPauseMs = 30;

}  // namespace

SplashWindow::SplashWindow(ui::Application& application) : Form(application) {
  EnablePainting();
  ui::FormParams params;
  params.className = core::kSplashWindowClass;
  params.style = WS_POPUP;
  params.exStyle = WS_EX_TOPMOST;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
  // For the scale of the screen the splash is on; the start-up and about
  // windows show the same picture.
  picture_ = ui::LoadScaledPicture({IDB_SPLASH, IDB_SPLASH_150, IDB_SPLASH_200}, ui::Dpi::Of(Handle()));
  PlayStartupSignal();
}

void SplashWindow::PlayStartupSignal() {
  for (int i = 1; i <= kToneCount; ++i) {
    if (i % 2 == 1) {
      speaker_.PlayTone(kLowToneHz, kLowToneMs);
    } else {
      speaker_.PlayTone(kHighToneHz, kHighToneMs);
    }
    speaker_.Pause(kPauseMs);
  }
}

void SplashWindow::ShowNow() {
  Show();
  UpdateWindow(Handle());
  // The windows are created next without a message loop. A window system
  // that asks for the painting again once the window is really on screen
  // (as Wine's does) gets its answer here, so the splash is not left blank.
  ui::Application::ProcessMessages();
  GdiFlush();
}

void SplashWindow::PaintContent(HDC dc, const RECT& clientRect) {
  painter_.Paint(dc, ui::Dpi::Of(Handle()), clientRect, picture_.get(), kLoading, kLoadingAt);
}

}  // namespace app
