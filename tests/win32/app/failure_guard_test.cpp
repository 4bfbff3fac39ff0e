// A start-up that fails to create a window ends in the error box with the
// reason and a failing exit code, not in std::terminate.
#include "app/failure_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/program_title.h"
#include "ui/application.h"
#include "ui/window.h"
#include "win32/clipboard_support.h"

namespace {

// A window the system refuses to create: a child window with no parent.
class UncreatableWindow : public ui::Window {
 public:
  UncreatableWindow() {
    ui::WindowParams params;
    params.className = L"KestrelTestUncreatable";
    params.style = WS_CHILD;
    CreateFromParams(params);
  }
};

TEST(FailureGuardTest, AFailedCreationIsReportedWithItsReasonAndAFailingExitCode) {
  test::MessageBoxRecorder boxes;
  bool reachedTheLoop = false;
  const int code = app::RunReportingFailure(app::ProgramTitle(), [&] {
    ui::Application application{app::ProgramTitle()};
    ui::WindowPtr<UncreatableWindow> window = ui::MakeWindow<UncreatableWindow>();
    reachedTheLoop = true;
    return 0;
  });
  EXPECT_EQ(code, app::kFailedExitCode);
  EXPECT_FALSE(reachedTheLoop);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].caption, app::ProgramTitle());
  EXPECT_NE(boxes.boxes[0].text.find(L"KestrelTestUncreatable"), std::wstring::npos) << "the box names the reason";
  EXPECT_EQ(boxes.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));

  // Any other exception and a normal run.
  EXPECT_EQ(app::RunReportingFailure(L"t", [] () -> int { throw std::runtime_error("out of handles"); }),
            app::kFailedExitCode);
  EXPECT_NE(boxes.boxes.back().text.find(L"out of handles"), std::wstring::npos);
  EXPECT_EQ(app::RunReportingFailure(L"t", [] { return 0; }), 0);
  EXPECT_EQ(boxes.boxes.size(), 2u);
}

}  // namespace
