// StartupWindow: the start-up window with its progress bar, and the home of the
// tray icons, the tray menu, the taskbar hiding and the single-instance
// guard. It is the application's main form: closing it ends the program.
#pragma once

#include <memory>

#include "app/startup_painter.h"
#include "app/startup_progress.h"
#include "app/tray_commands.h"
#include "desktop/taskbar_button_hider.h"
#include "desktop/single_instance_guard.h"
#include "desktop/tray_icon.h"
#include "history/status_rules.h"
#include "ui/form.h"
#include "ui/progress_bar.h"
#include "ui/timer.h"

namespace app {

class StartupWindow : public ui::Form {
 public:
  // Creating the window runs the single-instance test: a second copy of the
  // program ends inside this constructor.
  StartupWindow(ui::Application& application, settings::Settings& settings, settings::OptionFile& optionFile,
                HBITMAP splashPicture);

  HBITMAP PictureBitmap() const { return picture_.get(); }
  desktop::TaskbarButtonHider& TaskbarButton() { return *taskbarButtonHider_; }
  desktop::TrayIcon& ActiveTrayIcon() { return *activeTrayIcon_; }
  desktop::TrayIcon& DisabledTrayIcon() { return *disabledTrayIcon_; }
  HMENU TrayMenuHandle() const { return trayCommands_->Menu(); }
  TrayCommands& Tray() { return *trayCommands_; }
  int StartupPosition() const { return progressBar_.Position(); }

  // Shows the state the main window's status routine decided on: the hint
  // first, then the wanted icon, then the other one away, so the tray is
  // never empty.
  void ApplyTrayStatus(const history::StatusDecision& status);

  void OnProgressTimer();
  void OnExitClick();
  void OnActiveTrayIconDoubleClick();
  void OnDisabledTrayIconDoubleClick();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  void CreateComponents();
  // Once the components are made: the taskbar button goes as the option
  // says, and the tray icon that is wanted joins the notification area.
  void ShowTaskbarButtonAndTrayIcons();
  void KeepSplashPicture(HBITMAP splashPicture);
  void OnCommand(int id);
  void OnDestroy();

  ui::unique_hbitmap picture_;
  StartupPainter painter_;
  settings::Settings& settings_;
  settings::OptionFile& optionFile_;
  ui::ProgressBar progressBar_;
  ui::Timer progressTimer_;
  app::StartupProgress progress_;
  std::unique_ptr<desktop::TaskbarButtonHider> taskbarButtonHider_;
  std::unique_ptr<desktop::SingleInstanceGuard> singleInstanceGuard_;
  std::unique_ptr<desktop::TrayIcon> activeTrayIcon_;
  std::unique_ptr<TrayCommands> trayCommands_;
  std::unique_ptr<desktop::TrayIcon> disabledTrayIcon_;
};

}  // namespace app
