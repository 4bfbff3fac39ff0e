// TForm1: the start-up window with its progress bar, and the home of the
// tray icons, the tray menu, the taskbar hiding and the single-instance
// guard. It is the application's main form: closing it ends the program.
#pragma once

#include <memory>

#include "app/startup_layout.h"
#include "app/startup_progress.h"
#include "desktop/no_task.h"
#include "desktop/only_open_once.h"
#include "desktop/rx_tray_icon.h"
#include "history/status_rules.h"
#include "ui/form.h"
#include "ui/progress_bar.h"
#include "ui/timer.h"

namespace app {

class TForm1 : public ui::Form {
 public:
  // Menu command ids of the tray menu.
  static constexpr int kShowKestrelId = 201;
  static constexpr int kHideKestrelId = 202;
  static constexpr int kExitId = 203;

  // Creating the window runs the single-instance test: a second copy of the
  // program ends inside this constructor.
  TForm1(ui::Application& application, HBITMAP splashPicture);
  ~TForm1() override;

  HBITMAP PictureBitmap() const { return picture_.get(); }
  kestrel::TNoTask& NoTask1() { return *NoTask1_; }
  kestrel::TRxTrayIcon& RxTrayIcon1() { return *RxTrayIcon1_; }
  kestrel::TRxTrayIcon& RxTrayIcon2() { return *RxTrayIcon2_; }
  HMENU PopupMenu1() const { return PopupMenu1_.get(); }
  int StartupPosition() const { return ProgressBar1_.Position(); }

  // Shows the state the main window's status routine decided on: the hint
  // first, then the wanted icon, then the other one away, so the tray is
  // never empty.
  void ApplyTrayStatus(const kestrel::StatusDecision& status);

  void Timer1Timer();
  void Exit1Click();
  void RxTrayIcon1DblClick();
  void RxTrayIcon2DblClick();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  void CreateComponents();
  void Loaded();
  void FormCreate(HBITMAP splashPicture);
  void BuildMenu();
  void OnCommand(int id);

  ui::unique_hbitmap picture_;
  StartupPainter painter_;
  ui::ProgressBar ProgressBar1_;
  ui::Timer Timer1_;
  kestrel::StartupProgress progress_;
  std::unique_ptr<kestrel::TNoTask> NoTask1_;
  std::unique_ptr<kestrel::TOnlyOpenOnce> OnlyOpenOnce1_;
  std::unique_ptr<kestrel::TRxTrayIcon> RxTrayIcon1_;
  ui::unique_hmenu PopupMenu1_;
  std::unique_ptr<kestrel::TRxTrayIcon> RxTrayIcon2_;
  ui::unique_hicon activeIcon_;
  ui::unique_hicon disabledIcon_;
};

}  // namespace app
