// The tray menu seen from outside: opened through the notification-area
// callback, it lists the captured cells; its option items, chosen through
// the menu's own command messages, change the options at once, and the
// options outlive a restart.
#include <string>
#include <vector>

#include "app/tray_menu.h"
#include "core/window_classes.h"
#include "desktop/run_at_logon.h"
#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "e2e/program_probe.h"
#include "history/main_window_layout.h"
#include "history/status_rules.h"
#include "tools/cell_window.h"

namespace e2e {
namespace {

constexpr UINT kTrayCallback = 0xB03F;
// The class of a menu's own window while it is open.
constexpr wchar_t kMenuClass[] = L"#32768";
// Long enough for a capture that should not happen to have happened.
constexpr std::chrono::milliseconds kNoCaptureWindow{1500};

// The command the shell runs at logon for the program, as the registry
// holds it; empty when there is none.
std::wstring RunCommand() {
  wchar_t command[MAX_PATH + 2] = L"";
  DWORD bytes = sizeof(command);
  RegGetValueW(HKEY_CURRENT_USER, desktop::kRunKeyPath, desktop::kRunValueName, RRF_RT_REG_SZ, nullptr, command,
               &bytes);
  return command;
}

class TrayMenuTest : public KestrelTest {
 protected:
  HWND StartupWindow() const { return FindProcessWindow(program_.ProcessId(), core::kStartupWindowClass); }

  // Chooses a menu item the way the menu does when the user clicks it.
  void Choose(int commandId) {
    ASSERT_TRUE(PostMessageW(StartupWindow(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0));
  }
};

TEST_F(TrayMenuTest, OpensFromTheIconAndItsTextItemOpensTheEditorOnThatCell) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);
  HWND textGauge = FindChildById(main, history::kTextGaugeId, kGaugeClass);
  const std::wstring first = L"Shopping & errands\r\nmilk";
  const std::wstring second = L"Second text";
  ASSERT_TRUE(writer.WriteText(first));
  // The count moves on 300 ms after a capture; the next text goes to the
  // cell after it.
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(TextCellMemo(main, 1)) == first && GaugePosition(textGauge) == 1; }));
  ASSERT_TRUE(writer.WriteText(second));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(TextCellMemo(main, 2)) == second; }));

  const std::vector<HWND> trays = ProcessWindowsOfClass(program_.ProcessId(), core::kTrayIconClass);
  ASSERT_FALSE(trays.empty());
  // The menu runs its own loop inside the program until it closes, so the
  // callback is posted, not sent.
  for (HWND tray : trays) PostMessageW(tray, kTrayCallback, 0, WM_RBUTTONUP);
  HWND menuWindow = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    for (HWND w : ProcessWindowsOfClass(program_.ProcessId(), kMenuClass))
      if (IsWindowVisible(w)) menuWindow = w;
    return menuWindow != nullptr;
  })) << "the tray menu did not open";
  PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menuWindow); })) << "Escape did not close the menu";

  // "Text" > its first item: the edit window opens on text cell 1 while the
  // main window stays in the tray.
  Choose(app::kTextCellCommandBase + 1);
  HWND editor = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    editor = FindProcessWindow(program_.ProcessId(), core::kCellWindowClass);
    return editor && IsWindowVisible(editor);
  })) << "the edit window did not open";
  EXPECT_EQ(ReadWindowText(FindChildById(editor, tools::CellWindow::kMemoId, kEditClass)), first);
  EXPECT_FALSE(IsWindowVisible(main));
}

TEST_F(TrayMenuTest, DisableKestrelStopsCaptureAndTheOptionOutlivesARestart) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  HWND main = StartProgram();
  ASSERT_NE(main, nullptr);

  Choose(app::ToggleCommandOf(settings::Option::DisableCapture));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(main) == history::kDisabledWindowCaption; }))
      << "caption: " << ReadWindowText(main).value_or(L"<no answer>");
  ASSERT_TRUE(writer.WriteText(L"not for the history"));
  PumpFor(kNoCaptureWindow);
  EXPECT_EQ(ReadWindowText(TextCellMemo(main, 1)), L"") << "a disabled program captured a text";

  Choose(app::ToggleCommandOf(settings::Option::DisableCapture));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(main) == history::kActiveWindowCaption; }));
  const std::wstring text = L"captured again";
  ASSERT_TRUE(writer.WriteText(text));
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(TextCellMemo(main, 1)) == text; }))
      << "capture did not resume";

  // Off once more, then a restart: the program comes back disabled.
  Choose(app::ToggleCommandOf(settings::Option::DisableCapture));
  ASSERT_TRUE(WaitUntil([&] { return ReadWindowText(main) == history::kDisabledWindowCaption; }));
  ASSERT_TRUE(program_.Close());
  ASSERT_TRUE(program_.WaitForExit().has_value());
  main = StartProgram();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(main) == history::kDisabledWindowCaption; }))
      << "the option did not survive the restart: " << ReadWindowText(main).value_or(L"<no answer>");
}

TEST_F(TrayMenuTest, StartWithWindowsKeepsTheRunValueInStepFromTheMenuAndAtStartUp) {
  const std::wstring command = L"\"" + ProgramPath() + L"\"";
  ASSERT_NE(StartProgram(), nullptr);
  EXPECT_EQ(RunCommand(), L"") << "the option is off by default";
  Choose(app::ToggleCommandOf(settings::Option::StartWithWindows));
  EXPECT_TRUE(WaitUntil([&] { return RunCommand() == command; })) << "Run value: " << RunCommand();

  // The value lost while the program is away comes back with its next start.
  ASSERT_TRUE(program_.Close());
  ASSERT_TRUE(program_.WaitForExit().has_value());
  RegDeleteKeyValueW(HKEY_CURRENT_USER, desktop::kRunKeyPath, desktop::kRunValueName);
  ASSERT_NE(StartProgram(), nullptr);
  EXPECT_EQ(RunCommand(), command);

  Choose(app::ToggleCommandOf(settings::Option::StartWithWindows));
  EXPECT_TRUE(WaitUntil([&] { return RunCommand().empty(); })) << "Run value: " << RunCommand();
}

}  // namespace
}  // namespace e2e
