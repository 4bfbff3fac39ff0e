// The end of a run seen from outside: the program ends cleanly when closed
// and gives the clipboard-viewer chain back intact.
#include <string>

#include "e2e/chain_viewer.h"
#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "core/window_classes.h"
#include "history/main_window_layout.h"

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

}  // namespace
}  // namespace e2e
