// The resident program seen from outside: it refuses to run twice without
// disturbing the first copy, its tray icon brings the main window back, and
// Exit ends it cleanly, taking its tray icon away and giving the clipboard
// viewer chain back intact.
#include <string>
#include <vector>

#include "e2e/chain_viewer.h"
#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "e2e/program_probe.h"
#include "history/main_window_layout.h"
#include "history/status_rules.h"

namespace e2e {
namespace {

// The message the notification area sends to a tray icon's window; its
// lParam carries the mouse message.
constexpr UINT kTrayCallback = 0xB03F;
// The program carries two tray icons, one for capture on and one for
// capture off; each has its own hidden window.
constexpr size_t kTrayIconCount = 2;
constexpr int kPictureWidth = 32;
constexpr int kPictureHeight = 24;
constexpr uint32_t kPictureSeed = 3;

// Delivers a notification-area callback the way the shell does, and waits
// until the icon's window has handled it.
bool SendTrayCallback(HWND trayWindow, UINT mouseMessage) {
  return Ask(trayWindow, kTrayCallback, 0, static_cast<LPARAM>(mouseMessage)).has_value();
}

class ResidentTest : public KestrelTest {
 protected:
  // Starts the program and waits until its start-up is over and it lives in
  // the tray. Returns its main window, or null after failing the test.
  HWND StartResident() {
    if (!program_.Start()) {
      ADD_FAILURE() << "could not start Kestrel99.exe, error " << GetLastError();
      return nullptr;
    }
    const DWORD id = program_.ProcessId();
    if (!WaitUntil([&] { return StartupIsOver(id) || !program_.IsRunning(); }, kStartDeadline) ||
        !program_.IsRunning()) {
      ADD_FAILURE() << "the start-up did not come to its end";
      return nullptr;
    }
    HWND main = program_.MainWindow();
    if (!main) ADD_FAILURE() << "the main window does not exist";
    return main;
  }

  std::vector<HWND> TrayWindows() const { return ProcessWindowsOfClass(program_.ProcessId(), core::kTrayIconClass); }
};

TEST_F(ResidentTest, SecondCopyEndsWithCodeZeroAndTheFirstKeepsItsCells) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  HWND main = StartResident();
  ASSERT_NE(main, nullptr);
  HWND memo1 = FindChildById(main, history::kTextCellIdBase + 1, kEditClass);
  HWND memo2 = FindChildById(main, history::kTextCellIdBase + 2, kEditClass);
  HWND imageGauge = FindChildById(main, history::kImageGaugeId, kGaugeClass);
  HWND textGauge = FindChildById(main, history::kTextGaugeId, kGaugeClass);
  ASSERT_TRUE(memo1 && memo2 && imageGauge && textGauge) << "a control of the main window is missing";

  const std::wstring text = L"Kept by the first copy";
  ASSERT_TRUE(writer.WriteText(text));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == text && GaugePosition(textGauge) == 1; }))
      << "the first copy did not capture the text";
  ASSERT_TRUE(writer.WriteBitmap(kPictureWidth, kPictureHeight, kPictureSeed));
  ASSERT_TRUE(WaitUntil([&] { return GaugePosition(imageGauge) == 1; }))
      << "the first copy did not capture the picture";

  KestrelProcess second;
  ASSERT_TRUE(second.Start());
  const std::optional<DWORD> code = second.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the second copy kept running";
  EXPECT_EQ(*code, 0u);

  // The first copy goes on as it was: same windows, same cells, nothing
  // brought into view by the second copy's wake-up call.
  ASSERT_TRUE(program_.IsRunning());
  EXPECT_EQ(program_.MainWindow(), main);
  EXPECT_EQ(ReadWindowText(memo1), text);
  EXPECT_EQ(GaugePosition(textGauge), 1);
  EXPECT_EQ(GaugePosition(imageGauge), 1);
  EXPECT_TRUE(VisibleProcessWindows(program_.ProcessId()).empty());

  // And it still heads the viewer chain and captures.
  const std::wstring later = L"Captured after the second copy gave up";
  ASSERT_TRUE(writer.WriteText(later));
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo2) == later; }))
      << "memo 2: " << ReadWindowText(memo2).value_or(L"<no answer>");
}

TEST_F(ResidentTest, DoubleClickOnEitherTrayIconShowsTheMainWindowAndAClickDoesNot) {
  HWND main = StartResident();
  ASSERT_NE(main, nullptr);
  const std::vector<HWND> trayWindows = TrayWindows();
  ASSERT_EQ(trayWindows.size(), kTrayIconCount);
  HWND hideButton = FindChildById(main, history::kHideButtonId);
  ASSERT_NE(hideButton, nullptr);

  for (HWND tray : trayWindows) {
    ASSERT_TRUE(SendTrayCallback(tray, WM_LBUTTONUP));
    EXPECT_FALSE(IsWindowVisible(main)) << "a single left click showed the main window";

    ASSERT_TRUE(SendTrayCallback(tray, WM_LBUTTONDBLCLK));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }))
        << "a double click did not show the main window";
    EXPECT_EQ(ReadWindowText(main), history::kActiveWindowCaption);
    // Only the main window comes up: no start-up window, and no taskbar
    // button, which the application window would bring.
    EXPECT_EQ(VisibleProcessWindows(program_.ProcessId()), std::vector<HWND>{main});

    // Back to the tray with the window's own Hide button, for the next icon.
    ASSERT_TRUE(PostMessageW(hideButton, BM_CLICK, 0, 0));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); })) << "Hide did not hide the main window";
  }
}

TEST_F(ResidentTest, ExitEndsWithCodeZeroRemovesTheTrayIconAndLeavesTheViewerChain) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  ChainViewer viewer;  // joins before the program, so the program's viewer will point to it
  HWND main = StartResident();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program_.WaitForViewerJoined()) << "the program did not join the clipboard viewer chain";
  const std::vector<HWND> trayWindows = TrayWindows();
  ASSERT_EQ(trayWindows.size(), kTrayIconCount);
  // With capture on, exactly one of the two icons is in the notification area.
  int shown = 0;
  for (HWND tray : trayWindows) shown += NotificationAreaHolds(tray) ? 1 : 0;
  EXPECT_EQ(shown, 1);

  // The way a user gets there: double-click the tray icon, then Exit.
  ASSERT_TRUE(SendTrayCallback(trayWindows.front(), WM_LBUTTONDBLCLK));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  HWND exitButton = FindButtonByCaption(main, history::LayoutOf(history::CommandButton::Exit).caption);
  ASSERT_NE(exitButton, nullptr) << "no button reads &Exit";
  // Posted: with ConfirmExit on the program would ask first, and a sent
  // message would wait for the answer. ConfirmExit is off by default.
  ASSERT_TRUE(PostMessageW(exitButton, BM_CLICK, 0, 0));
  const std::optional<DWORD> code = program_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the program did not end after Exit";
  EXPECT_EQ(*code, 0u);

  for (HWND tray : trayWindows) EXPECT_FALSE(NotificationAreaHolds(tray)) << "a tray icon was left behind";
  EXPECT_EQ(GetClipboardViewer(), viewer.Handle()) << "the chain's head was not given back";
  const DWORD before = viewer.LastSequenceSeen();
  ASSERT_TRUE(writer.WriteText(L"After Exit"));
  const DWORD afterExit = GetClipboardSequenceNumber();
  ASSERT_GT(afterExit, before) << "the clipboard's sequence number does not move; this check would prove nothing";
  EXPECT_TRUE(WaitUntil([&] { return viewer.LastSequenceSeen() >= afterExit; }))
      << "the viewer that joined before the program was cut off from the chain";
}

}  // namespace
}  // namespace e2e
