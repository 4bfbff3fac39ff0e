// WallpaperProgressWindow: the small modal window that runs while a picture
// becomes the wallpaper. Its bar steps on a 1 ms timer; the last step hands
// over to whoever finishes the change and closes the window.
#pragma once

#include <functional>

#include "tools/tool_window.h"
#include "ui/progress_bar.h"
#include "ui/timer.h"

namespace tools {

class WallpaperProgressWindow : public ToolWindow {
 public:
  static constexpr int kProgressBarId = 101;

  explicit WallpaperProgressWindow(ui::Application& application);

  // Starts the steps; the caller then shows the window modally.
  void Start();
  void OnProgressTimer();

  int Position() const { return progressBar_.Position(); }
  bool Running() const { return timer_.Ticking(); }

  // Called at the last step, before the window closes.
  std::function<void()> onFinished;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ui::ProgressBar progressBar_;
  ui::Timer timer_;
};

}  // namespace tools
