#include "tools/wallpaper_progress_window.h"

#include "tools/wallpaper_rules.h"

namespace tools {

namespace {

constexpr UINT_PTR kProgressTimerId = 1;
// As fast as the platform delivers timer messages.
constexpr UINT kProgressIntervalMs = 1;

}  // namespace

WallpaperProgressWindow::WallpaperProgressWindow(ui::Application& application)
    : ToolWindow(application, kWallpaperProgressWindowShape) {
  progressBar_.Create(Handle(), kProgressBarId, 0, 0, kWallpaperProgressWindowShape.clientWidth,
                      kWallpaperProgressWindowShape.clientHeight, 0, kProgressEnd);
  timer_.Attach(Handle(), kProgressTimerId, kProgressIntervalMs);
}

// A refused timer must not leave the modal window up for good.
void WallpaperProgressWindow::Start() { timer_.StartEvenIfRefused(); }

void WallpaperProgressWindow::OnProgressTimer() {
  const ProgressStep step = NextProgressStep(progressBar_.Position());
  progressBar_.SetPosition(step.position);
  if (!step.finished) {
    timer_.Ticked();
    return;
  }
  timer_.SetEnabled(false);
  progressBar_.SetPosition(0);
  // The window closes even when finishing the change failed; the error box
  // then follows, and no modal window is left without a way out.
  try {
    if (onFinished) onFinished();
  } catch (...) {
    Close();
    throw;
  }
  Close();
}

LRESULT WallpaperProgressWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kProgressTimerId) OnProgressTimer();
      return 0;
    default: return ToolWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace tools
