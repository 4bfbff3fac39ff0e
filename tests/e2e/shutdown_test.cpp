// The end of a run seen from outside: the program ends cleanly when closed
// or when the user's session ends, and gives the clipboard-viewer chain
// back intact.
#include <string>
#include <vector>

#include "e2e/chain_viewer.h"
#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "e2e/program_probe.h"
#include "core/window_classes.h"
#include "history/main_window_layout.h"
#include "settings/profile_rules.h"

namespace e2e {
namespace {

using ShutdownTest = KestrelTest;

TEST_F(ShutdownTest, ClosedProgramExitsWithCodeZero) {
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program_.Close());
  const std::optional<DWORD> code = program_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the program did not end after it was closed";
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(FindWindowW(core::kMainWindowClass, nullptr), nullptr);
}

TEST_F(ShutdownTest, ViewerThatJoinedEarlierKeepsGettingNotificationsAfterExit) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  ChainViewer viewer;
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  HWND memo1 = FindChildById(main, history::kTextCellIdBase + 1, kEditClass);
  ASSERT_NE(memo1, nullptr);

  // While it runs, the program heads the chain and passes each change on.
  const std::wstring text = L"Seen by both viewers";
  ASSERT_TRUE(writer.WriteText(text));
  const DWORD whileRunning = GetClipboardSequenceNumber();
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == text; })) << "the program did not capture";
  EXPECT_TRUE(WaitUntil([&] { return viewer.LastSequenceSeen() >= whileRunning; }))
      << "the program did not pass the change on to the next viewer";

  ASSERT_TRUE(program_.Close());
  ASSERT_TRUE(program_.WaitForExit().has_value()) << "the program did not end after it was closed";
  EXPECT_EQ(GetClipboardViewer(), viewer.Handle()) << "the chain's head was not given back";

  ASSERT_TRUE(writer.WriteText(L"After the program left"));
  const DWORD afterExit = GetClipboardSequenceNumber();
  ASSERT_GT(afterExit, whileRunning) << "the clipboard's sequence number does not move; this check would prove nothing";
  EXPECT_TRUE(WaitUntil([&] { return viewer.LastSequenceSeen() >= afterExit; }))
      << "the earlier viewer was cut off from the chain";
}

// What the settings file holds under the key, from wherever the program
// keeps it.
std::wstring StoredValue(const wchar_t* section, const wchar_t* key) {
  for (const std::wstring& file : SettingsFiles()) {
    wchar_t value[256] = L"";
    GetPrivateProfileStringW(section, key, L"", value, ARRAYSIZE(value), file.c_str());
    if (*value) return value;
  }
  return L"";
}

TEST_F(ShutdownTest, EndOfSessionStoresLeavesTheChainAndTakesTheTrayIconAwayWithoutAsking) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  ChainViewer viewer;
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  const std::vector<HWND> trays = ProcessWindowsOfClass(program_.ProcessId(), core::kTrayIconClass);
  ASSERT_FALSE(trays.empty());
  constexpr int kMovedLeft = 123;
  constexpr int kMovedTop = 77;
  ASSERT_TRUE(SetWindowPos(main, nullptr, kMovedLeft, kMovedTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
  WINDOWPLACEMENT moved{sizeof(moved)};
  ASSERT_TRUE(GetWindowPlacement(main, &moved));

  // The system asks, then tells; once told, it may end the process the
  // moment the message has been handled, so nothing after counts.
  EXPECT_NE(Ask(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF).value_or(0), 0);
  ASSERT_TRUE(Ask(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF).has_value()) << "a box held the logoff up";
  const bool chainGivenBack = GetClipboardViewer() == viewer.Handle();
  int iconsLeft = 0;
  for (HWND tray : trays) iconsLeft += NotificationAreaHolds(tray) ? 1 : 0;
  program_.Kill();

  EXPECT_TRUE(chainGivenBack) << "the chain's head was not given back";
  EXPECT_EQ(iconsLeft, 0) << "a tray icon was left behind";
  const RECT& at = moved.rcNormalPosition;
  EXPECT_EQ(StoredValue(L"main", L"NormPos"), settings::FormatNormPos({at.left, at.top, at.right, at.bottom}))
      << "the main window's placement was not stored";
}

}  // namespace
}  // namespace e2e
