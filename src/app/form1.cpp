#include "app/form1.h"

#include "app/forms.h"
#include "history/form2.h"
#include "resource_ids.h"
#include "ui/application.h"

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
constexpr UINT_PTR kTimer1Id = 1;
// As fast as the platform delivers timer messages.
constexpr UINT kTimer1IntervalMs = 1;
constexpr wchar_t kTrayHint[] = L"Kestrel 99";

HICON LoadTrayIcon(int id) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
}

}  // namespace

TForm1::TForm1(ui::Application& application, HBITMAP splashPicture) : Form(application) {
  EnablePainting();
  ui::FormSpec params;
  params.className = L"TForm1";
  params.style = WS_POPUP;
  params.clientWidth = kClientWidth;
  params.clientHeight = kClientHeight;
  CreateForm(params);
  CreateComponents();
  Loaded();
  FormCreate(splashPicture);
}

TForm1::~TForm1() {
  // Components go in reverse order of creation, each undoing what it set up
  // with the system, while the window still exists.
  RxTrayIcon2_.reset();
  PopupMenu1_.reset();
  RxTrayIcon1_.reset();
  OnlyOpenOnce1_.reset();
  NoTask1_.reset();
  Timer1_.SetEnabled(false);
  DestroyHandle();
}

void TForm1::CreateComponents() {
  ProgressBar1_.Create(Handle(), kProgressId, kProgressLeft, kProgressTop, kProgressWidth, kProgressHeight, 0,
                       kestrel::kStartupEndPosition);
  Timer1_.Attach(Handle(), kTimer1Id, kTimer1IntervalMs);
  Timer1_.SetEnabled(true);
  NoTask1_ = std::make_unique<kestrel::TNoTask>(Handle(), App().Title());
  OnlyOpenOnce1_ = std::make_unique<kestrel::TOnlyOpenOnce>(App(), [this] { return Handle(); });

  activeIcon_.reset(LoadTrayIcon(IDI_TRAY_ACTIVE));
  disabledIcon_.reset(LoadTrayIcon(IDI_TRAY_DISABLED));
  BuildMenu();
  RxTrayIcon1_ = std::make_unique<kestrel::TRxTrayIcon>();
  RxTrayIcon1_->SetHint(kTrayHint);
  RxTrayIcon1_->SetIcon(activeIcon_.get());
  RxTrayIcon1_->SetPopupMenu(PopupMenu1_.get(), Handle());
  RxTrayIcon1_->OnDblClick = [this](kestrel::TRxTrayIcon&) { RxTrayIcon1DblClick(); };

  RxTrayIcon2_ = std::make_unique<kestrel::TRxTrayIcon>();
  RxTrayIcon2_->SetActive(false);
  RxTrayIcon2_->SetIcon(disabledIcon_.get());
  RxTrayIcon2_->SetPopupMenu(PopupMenu1_.get(), Handle());
  RxTrayIcon2_->OnDblClick = [this](kestrel::TRxTrayIcon&) { RxTrayIcon2DblClick(); };
}

void TForm1::BuildMenu() {
  PopupMenu1_.reset(CreatePopupMenu());
  AppendMenuW(PopupMenu1_.get(), MF_STRING, kShowKestrelId, L"Show Kestrel");
  AppendMenuW(PopupMenu1_.get(), MF_STRING, kHideKestrelId, L"Hide Kestrel");
  AppendMenuW(PopupMenu1_.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(PopupMenu1_.get(), MF_STRING, kExitId, L"Exit Kestrel 99");
}

void TForm1::Loaded() {
  NoTask1_->Loaded();
  RxTrayIcon1_->Loaded();
  RxTrayIcon2_->Loaded();
}

void TForm1::FormCreate(HBITMAP splashPicture) {
  if (splashPicture) picture_.reset(static_cast<HBITMAP>(CopyImage(splashPicture, IMAGE_BITMAP, 0, 0, 0)));
}

void TForm1::ApplyTrayStatus(const kestrel::StatusDecision& status) {
  if (status.activeIconShown) {
    RxTrayIcon1_->SetHint(status.activeHint.value_or(L""));
    RxTrayIcon1_->SetActive(true);
    RxTrayIcon2_->SetActive(false);
  } else {
    RxTrayIcon2_->SetHint(status.disabledHint.value_or(L""));
    RxTrayIcon2_->SetActive(true);
    RxTrayIcon1_->SetActive(false);
  }
}

void TForm1::Timer1Timer() {
  const kestrel::StartupAction action = progress_.Tick();
  ProgressBar1_.SetPosition(progress_.Position());
  switch (action) {
    case kestrel::StartupAction::FinishStartup:
      Hide();
      Timer1_.SetEnabled(false);
      break;
    case kestrel::StartupAction::ShowAndHideMainWindow:
      // The main window's first showing: its clipboard viewer joins the
      // chain now, and capture starts.
      Form2->Show();
      Form2->Hide();
      break;
    case kestrel::StartupAction::None: break;
  }
}

void TForm1::Exit1Click() { Form2->BitBtn1Click(); }

void TForm1::RxTrayIcon1DblClick() { Form2->Show(); }

void TForm1::RxTrayIcon2DblClick() { Form2->Show(); }

void TForm1::OnCommand(int id) {
  switch (id) {
    case kShowKestrelId: Form2->Show(); break;
    case kHideKestrelId: Form2->Hide(); break;
    case kExitId: Exit1Click(); break;
    default: break;
  }
}

void TForm1::PaintContent(HDC dc, const RECT& clientRect) {
  painter_.Paint(dc, clientRect, picture_.get(), kPleaseWait, kPleaseWaitAt);
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1Id) Timer1Timer();
      return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    default: return Form::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace app
