#include "desktop/single_instance_guard.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/program_title.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "win32/desktop/recording_window.h"

namespace desktop {
namespace {

using test::RecordingWindow;

WNDPROC ProcedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

// Records the messages that reach the application window's procedure as it
// was before the guard hooked it.
class EarlierHook {
 public:
  explicit EarlierHook(HWND window) : window_(window), previous_(ProcedureOf(window)) {
    SetPropW(window_, kSelf, this);
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  }
  ~EarlierHook() {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(window_, kSelf);
  }
  int Count(UINT message) const {
    int count = 0;
    for (UINT m : seen_) count += m == message ? 1 : 0;
    return count;
  }

 private:
  static constexpr wchar_t kSelf[] = L"KestrelTest.EarlierHook";
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<EarlierHook*>(GetPropW(window, kSelf));
    self->seen_.push_back(message);
    return CallWindowProcW(self->previous_, window, message, wParam, lParam);
  }
  HWND window_;
  WNDPROC previous_;
  std::vector<UINT> seen_;
};

class SingleInstanceGuardTest : public testing::Test {
 protected:
  SingleInstanceGuardTest() : title(test::UniqueTitle(L"Once")) { Name(first); }

  // The title lives in the application window's caption; a unique one keeps
  // the test clear of a real copy of the program.
  void Name(ui::Application& application) { SetWindowTextW(application.Window(), title.c_str()); }

  SingleInstanceGuard::Exits Recorders() {
    return {[this](UINT message) { broadcasts.push_back(message); },
            [this](UINT exitCode) { exitCodes.push_back(exitCode); }};
  }
  std::function<HWND()> MainForm() {
    return [this] { return mainForm->Handle(); };
  }
  bool MappingExists() const {
    ui::unique_handle mapping(OpenFileMappingW(FILE_MAP_READ, FALSE, title.c_str()));
    return static_cast<bool>(mapping);
  }

  std::wstring title;
  ui::Application first{app::ProgramTitle()};
  ui::WindowPtr<RecordingWindow> mainForm = ui::MakeWindow<RecordingWindow>();
  std::vector<UINT> broadcasts;
  std::vector<UINT> exitCodes;
};

TEST_F(SingleInstanceGuardTest, FirstCopyHoldsTheMappingAndHooksTheApplicationWindow) {
  const WNDPROC original = ProcedureOf(first.Window());
  {
    SingleInstanceGuard guard(first, MainForm(), Recorders());
    EXPECT_TRUE(guard.IsFirstCopy());
    EXPECT_EQ(guard.Name(), title);
    EXPECT_EQ(guard.WakeUpMessage(), RegisterWindowMessageW(title.c_str()));
    EXPECT_TRUE(MappingExists());
    EXPECT_TRUE(first.ShowMainForm());
    EXPECT_TRUE(IsWindowVisible(first.Window()));
    EXPECT_NE(ProcedureOf(first.Window()), original);
    EXPECT_TRUE(broadcasts.empty());
    EXPECT_TRUE(exitCodes.empty());
  }
  EXPECT_EQ(ProcedureOf(first.Window()), original);
  EXPECT_FALSE(MappingExists()) << "the mapping lives exactly as long as the first copy";
}

TEST_F(SingleInstanceGuardTest, SecondCopyWakesTheFirstAndEndsWithCodeZero) {
  SingleInstanceGuard guard(first, MainForm(), Recorders());
  ui::Application second{app::ProgramTitle()};
  Name(second);
  const WNDPROC secondProcedure = ProcedureOf(second.Window());
  {
    SingleInstanceGuard other(second, MainForm(), Recorders());
    EXPECT_FALSE(other.IsFirstCopy());
    EXPECT_EQ(exitCodes, (std::vector<UINT>{0}));
    EXPECT_EQ(broadcasts, (std::vector<UINT>{guard.WakeUpMessage()}));
    EXPECT_FALSE(second.ShowMainForm());
    EXPECT_FALSE(IsWindowVisible(second.Window()));
    EXPECT_EQ(ProcedureOf(second.Window()), secondProcedure);
  }
  EXPECT_TRUE(MappingExists()) << "the second copy leaves the first copy's mapping alone";
}

TEST_F(SingleInstanceGuardTest, CopyStartedAfterTheFirstHasEndedRunsNormally) {
  std::optional<SingleInstanceGuard> guard;
  guard.emplace(first, MainForm(), Recorders());
  guard.reset();
  ui::Application later{app::ProgramTitle()};
  Name(later);
  SingleInstanceGuard next(later, MainForm(), Recorders());
  EXPECT_TRUE(next.IsFirstCopy());
  EXPECT_TRUE(exitCodes.empty());
  EXPECT_TRUE(later.ShowMainForm());
}

TEST_F(SingleInstanceGuardTest, WakeUpRestoresTheApplicationAndIsNotPassedOn) {
  EarlierHook earlier(first.Window());
  const WNDPROC beforeGuard = ProcedureOf(first.Window());
  {
    SingleInstanceGuard guard(first, MainForm(), Recorders());
    ShowWindow(mainForm->Handle(), SW_SHOWNA);
    ShowWindow(first.Window(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(first.Window()));

    SendMessageW(first.Window(), guard.WakeUpMessage(), 0, 0);
    EXPECT_FALSE(IsIconic(first.Window()));
    EXPECT_EQ(GetForegroundWindow(), mainForm->Handle());
    EXPECT_EQ(earlier.Count(guard.WakeUpMessage()), 0);

    constexpr UINT kProbe = WM_APP + 21;
    SendMessageW(first.Window(), kProbe, 0, 0);
    EXPECT_EQ(earlier.Count(kProbe), 1) << "every other message goes to the saved procedure";
  }
  EXPECT_EQ(ProcedureOf(first.Window()), beforeGuard);
}

}  // namespace
}  // namespace desktop
