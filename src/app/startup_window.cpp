#include "app/startup_window.h"

#include "app/program_windows.h"
#include "history/main_window.h"
#include "resource_ids.h"
#include "ui/application.h"
#include "core/window_classes.h"

namespace app {

namespace {

constexpr int kClientWidth = 406;
constexpr int kClientHeight = 204;
constexpr wchar_t kPleaseWait[] = L"Please Wait.......";
constexpr POINT kPleaseWaitAt{72, 152};
constexpr int kProgressLeft = 72;
constexpr int kProgressTop = 176;
constexpr int kProgressWidth = 185;
constexpr int kProgressHeight = 21;
constexpr int kProgressId = 101;
constexpr UINT_PTR kProgressTimerId = 1;
// As fast as the platform delivers timer messages.
constexpr UINT kProgressIntervalMs = 1;
constexpr wchar_t kTrayHint[] = L"Kestrel 99";

}  // namespace

StartupWindow::StartupWindow(ui::Application& application, settings::Settings& settings,
                             settings::OptionFile& optionFile, HBITMAP splashPicture)
    : Form(application), settings_(settings), optionFile_(optionFile) {
  EnablePainting();
  ui::FormParams params;
  params.className = core::kStartupWindowClass;
  params.style = WS_POPUP;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
  CreateComponents();
  ShowTaskbarButtonAndTrayIcons();
  KeepSplashPicture(splashPicture);
}

void StartupWindow::CreateComponents() {
  progressBar_.Create(Handle(), kProgressId, kProgressLeft, kProgressTop, kProgressWidth, kProgressHeight, 0,
                      app::kStartupEndPosition);
  progressTimer_.Attach(Handle(), kProgressTimerId, kProgressIntervalMs);
  // A refused timer must not hold the start-up here for good.
  progressTimer_.StartEvenIfRefused();
  taskbarButtonHider_ = std::make_unique<desktop::TaskbarButtonHider>(Handle(), App().Title());
  singleInstanceGuard_ = std::make_unique<desktop::SingleInstanceGuard>(App(), [this] { return Handle(); });

  trayCommands_ = std::make_unique<TrayCommands>(settings_, optionFile_);
  activeTrayIcon_ = std::make_unique<desktop::TrayIcon>();
  activeTrayIcon_->SetHint(kTrayHint);
  activeTrayIcon_->SetIconResource(IDI_TRAY_ACTIVE);
  activeTrayIcon_->SetPopupMenu(trayCommands_->Menu(), Handle());
  activeTrayIcon_->OnPopup = [this] { trayCommands_->OnPopup(); };
  activeTrayIcon_->OnDoubleClick = [this](desktop::TrayIcon&) { OnActiveTrayIconDoubleClick(); };

  disabledTrayIcon_ = std::make_unique<desktop::TrayIcon>();
  disabledTrayIcon_->SetActive(false);
  disabledTrayIcon_->SetIconResource(IDI_TRAY_DISABLED);
  disabledTrayIcon_->SetPopupMenu(trayCommands_->Menu(), Handle());
  disabledTrayIcon_->OnPopup = [this] { trayCommands_->OnPopup(); };
  disabledTrayIcon_->OnDoubleClick = [this](desktop::TrayIcon&) { OnDisabledTrayIconDoubleClick(); };
}

void StartupWindow::ShowTaskbarButtonAndTrayIcons() {
  taskbarButtonHider_->ApplyHidden();
  activeTrayIcon_->AddIfActive();
  disabledTrayIcon_->AddIfActive();
}

void StartupWindow::KeepSplashPicture(HBITMAP splashPicture) {
  if (splashPicture) picture_.reset(static_cast<HBITMAP>(CopyImage(splashPicture, IMAGE_BITMAP, 0, 0, 0)));
}

void StartupWindow::ApplyTrayStatus(const history::StatusDecision& status) {
  if (status.activeIconShown) {
    activeTrayIcon_->SetHint(status.activeHint.value_or(L""));
    activeTrayIcon_->SetActive(true);
    disabledTrayIcon_->SetActive(false);
  } else {
    disabledTrayIcon_->SetHint(status.disabledHint.value_or(L""));
    disabledTrayIcon_->SetActive(true);
    activeTrayIcon_->SetActive(false);
  }
}

void StartupWindow::OnProgressTimer() {
  const app::StartupAction action = progress_.Tick();
  progressBar_.SetPosition(progress_.Position());
  switch (action) {
    case app::StartupAction::FinishStartup:
      Hide();
      progressTimer_.SetEnabled(false);
      return;
    case app::StartupAction::ShowAndHideMainWindow:
      // The main window's first showing: its clipboard viewer joins the
      // chain now, and capture starts.
      if (!mainWindow) break;
      mainWindow->Show();
      mainWindow->Hide();
      break;
    case app::StartupAction::None: break;
  }
  progressTimer_.Ticked();
}

void StartupWindow::OnExitClick() {
  if (ProgramIsWhole()) mainWindow->OnExitClick();
}

// A double click that arrives during shutdown brings nothing back.
void StartupWindow::OnActiveTrayIconDoubleClick() {
  if (ProgramIsWhole()) mainWindow->Show();
}

void StartupWindow::OnDisabledTrayIconDoubleClick() {
  if (ProgramIsWhole()) mainWindow->Show();
}

void StartupWindow::OnCommand(int id) { trayCommands_->Dispatch(id); }

void StartupWindow::OnDestroy() {
  // Components go in reverse order of creation, each undoing what it set up
  // with the system, while the window still exists.
  disabledTrayIcon_.reset();
  trayCommands_.reset();
  activeTrayIcon_.reset();
  singleInstanceGuard_.reset();
  taskbarButtonHider_.reset();
  progressTimer_.SetEnabled(false);
}

void StartupWindow::PaintContent(HDC dc, const RECT& clientRect) {
  painter_.Paint(dc, ui::Dpi::Of(Handle()), clientRect, picture_.get(), kPleaseWait, kPleaseWaitAt);
}

LRESULT StartupWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kProgressTimerId) OnProgressTimer();
      return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_DESTROY: OnDestroy(); return Form::HandleMessage(message, wParam, lParam);
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace app
