#include "desktop/taskbar_button_hider.h"

#include <gtest/gtest.h>

#include <memory>

#include "win32/desktop/recording_window.h"

namespace desktop {
namespace {

using test::RecordingWindow;

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

class TaskbarButtonHiderTest : public testing::Test {
 protected:
  TaskbarButtonHiderTest()
      : title(test::UniqueTitle(L"Hider")), application(ui::MakeWindow<RecordingWindow>(title, WS_POPUP | WS_CAPTION)) {
    ShowWindow(application->Handle(), SW_SHOWNA);
  }
  bool ButtonShown() const { return IsWindowVisible(application->Handle()) != FALSE; }
  // Hides and shows the owner form again, as the program does with startupWindow.
  void ShowOwnerAgain() {
    ShowWindow(owner->Handle(), SW_HIDE);
    ShowWindow(owner->Handle(), SW_SHOWNA);
  }

  std::wstring title;
  ui::WindowPtr<RecordingWindow> application;                                // stands in for the application window
  ui::WindowPtr<RecordingWindow> owner = ui::MakeWindow<RecordingWindow>();  // the owner form
};

TEST_F(TaskbarButtonHiderTest, HideFormHidesAndRestoresTheApplicationWindow) {
  TaskbarButtonHider hider(owner->Handle(), title);
  EXPECT_TRUE(ButtonShown()) << "creating alone changes nothing";
  hider.ApplyHidden();
  EXPECT_FALSE(ButtonShown());

  hider.SetHidden(false);
  EXPECT_TRUE(ButtonShown());
  ShowWindow(application->Handle(), SW_HIDE);
  hider.SetHidden(false);  // applied also when the value does not change
  EXPECT_TRUE(ButtonShown());
  hider.SetHidden(true);
  EXPECT_FALSE(ButtonShown());
}

TEST_F(TaskbarButtonHiderTest, ShowingTheOwnerAppliesAgainAndPassesEveryMessageOn) {
  TaskbarButtonHider hider(owner->Handle(), title);
  ASSERT_TRUE(hider.Hidden());
  ShowOwnerAgain();
  EXPECT_FALSE(ButtonShown());
  EXPECT_EQ(owner->Count(WM_SHOWWINDOW), 1) << "the owner's own procedure still gets WM_SHOWWINDOW";

  hider.SetHidden(false);
  ShowWindow(application->Handle(), SW_HIDE);
  ShowOwnerAgain();
  EXPECT_TRUE(ButtonShown());

  constexpr UINT kProbe = WM_APP + 11;
  SendMessageW(owner->Handle(), kProbe, 0, 0);
  EXPECT_EQ(owner->Count(kProbe), 1);
}

TEST_F(TaskbarButtonHiderTest, DestructionPutsTheOwnersProcedureBack) {
  const WNDPROC original = ProcedureOf(owner->Handle());
  {
    TaskbarButtonHider hider(owner->Handle(), title);
    EXPECT_NE(ProcedureOf(owner->Handle()), original);
  }
  EXPECT_EQ(ProcedureOf(owner->Handle()), original);
  ShowOwnerAgain();
  EXPECT_TRUE(ButtonShown()) << "the hook is gone";
}

// A later hook on the same window keeps working after ours has ended: ours
// stays in the chain and passes everything on.
struct LaterHook {
  static constexpr wchar_t kPrevious[] = L"KestrelTest.LaterHook";
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(window, kPrevious));
    return CallWindowProcW(previous, window, message, wParam, lParam);
  }
};

TEST_F(TaskbarButtonHiderTest, HookedAgainByOthersTheChainStaysWhole) {
  const WNDPROC original = ProcedureOf(owner->Handle());
  auto hider = std::make_unique<TaskbarButtonHider>(owner->Handle(), title);
  SetPropW(owner->Handle(), LaterHook::kPrevious, reinterpret_cast<HANDLE>(ProcedureOf(owner->Handle())));
  SetWindowLongPtrW(owner->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterHook::Procedure));
  hider.reset();

  EXPECT_EQ(ProcedureOf(owner->Handle()), &LaterHook::Procedure) << "the later hook is not cut out";
  constexpr UINT kProbe = WM_APP + 12;
  SendMessageW(owner->Handle(), kProbe, 0, 0);
  EXPECT_EQ(owner->Count(kProbe), 1) << "messages still reach the original procedure";
  ShowOwnerAgain();
  EXPECT_TRUE(ButtonShown()) << "the ended hook no longer applies";

  SetWindowLongPtrW(owner->Handle(), GWLP_WNDPROC,
                    reinterpret_cast<LONG_PTR>(GetPropW(owner->Handle(), LaterHook::kPrevious)));
  RemovePropW(owner->Handle(), LaterHook::kPrevious);
  EXPECT_NE(ProcedureOf(owner->Handle()), original) << "ours is still in the chain, passing on";
}

TEST(TaskbarButtonHider, OwnerDestroyedBeforeTheComponentIsSafe) {
  const std::wstring title = test::UniqueTitle(L"HiderEarly");
  auto application = ui::MakeWindow<RecordingWindow>(title);
  auto owner = ui::MakeWindow<RecordingWindow>();
  TaskbarButtonHider hider(owner->Handle(), title);
  owner.reset();
  hider.SetHidden(true);  // still applies; destruction then has nothing to restore
  EXPECT_FALSE(IsWindowVisible(application->Handle()));
}

}  // namespace
}  // namespace desktop
