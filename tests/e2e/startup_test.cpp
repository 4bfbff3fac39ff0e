// The start-up seen from outside: once the start-up window has run its
// course the program shows nothing at all, yet its hidden main window is up
// to date and captures every clipboard change, including what the clipboard
// held before the program joined the viewer chain.
#include <string>
#include <vector>

#include "e2e/clipboard_writer.h"
#include "e2e/harness.h"
#include "e2e/program_probe.h"
#include "history/main_window_layout.h"
#include "history/status_rules.h"

namespace e2e {
namespace {

// The application window's caption: the program file's name up to its
// first dot. The single-instance guard and the taskbar hiding find the
// program by it.
constexpr wchar_t kApplicationTitle[] = L"Kestrel99";
// Longer than the capture's 300 ms advance, so a second capture of the same
// content would have shown by then.
constexpr std::chrono::milliseconds kSettle{1500};

// Class names of the windows, for failure messages.
std::wstring Describe(const std::vector<HWND>& windows) {
  std::wstring names;
  for (HWND window : windows) names += L" " + WindowClassName(window);
  return names.empty() ? L" (none)" : names;
}

using StartupTest = KestrelTest;

TEST_F(StartupTest, AfterStartUpNothingIsVisibleAndTheHiddenMainWindowCaptures) {
  ClipboardWriter writer;
  ASSERT_TRUE(writer.Empty());
  ASSERT_TRUE(program_.Start());
  const DWORD id = program_.ProcessId();
  ASSERT_TRUE(WaitUntil([&] { return StartupIsOver(id) || !program_.IsRunning(); }, kStartDeadline) &&
              program_.IsRunning())
      << "the start-up did not come to its end; start-up position " << StartupPosition(id).value_or(-1);

  // Nothing to see but the tray icon: no start-up window, no main window,
  // no taskbar button (the application window carries that).
  EXPECT_TRUE(VisibleProcessWindows(id).empty()) << "visible:" << Describe(VisibleProcessWindows(id));
  HWND main = program_.MainWindow();
  ASSERT_NE(main, nullptr) << "the main window does not exist";
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(ReadWindowText(main), history::kActiveWindowCaption);
  HWND application = FindWindowW(nullptr, kApplicationTitle);
  DWORD applicationOwner = 0;
  if (application) GetWindowThreadProcessId(application, &applicationOwner);
  EXPECT_EQ(applicationOwner, id) << "no window of the program carries the title " << kApplicationTitle;

  HWND memo1 = FindChildById(main, history::kTextCellIdBase + 1, kEditClass);
  ASSERT_NE(memo1, nullptr);
  const std::wstring text = L"Copied while Kestrel 99 sits in the tray";
  ASSERT_TRUE(writer.WriteText(text));
  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == text; }))
      << "memo 1: " << ReadWindowText(memo1).value_or(L"<no answer>");
  // Capturing happens out of sight.
  EXPECT_TRUE(VisibleProcessWindows(id).empty()) << "visible:" << Describe(VisibleProcessWindows(id));
}

TEST_F(StartupTest, WhatTheClipboardHeldAtStartIsCapturedOnce) {
  ClipboardWriter writer;
  const std::wstring text = L"On the clipboard before Kestrel 99 started";
  ASSERT_TRUE(writer.WriteText(text));
  ASSERT_TRUE(program_.Start());
  const DWORD id = program_.ProcessId();
  // The writer owns the clipboard and must keep answering while the program
  // reads it; WaitUntil pumps its messages.
  ASSERT_TRUE(WaitUntil([&] { return StartupIsOver(id) || !program_.IsRunning(); }, kStartDeadline) &&
              program_.IsRunning())
      << "the start-up did not come to its end";
  HWND main = program_.MainWindow();
  ASSERT_NE(main, nullptr);
  HWND memo1 = FindChildById(main, history::kTextCellIdBase + 1, kEditClass);
  HWND memo2 = FindChildById(main, history::kTextCellIdBase + 2, kEditClass);
  HWND textGauge = FindChildById(main, history::kTextGaugeId, kGaugeClass);
  ASSERT_TRUE(memo1 && memo2 && textGauge) << "a control of the main window is missing";

  EXPECT_TRUE(WaitUntil([&] { return ReadWindowText(memo1) == text; }))
      << "memo 1: " << ReadWindowText(memo1).value_or(L"<no answer>");
  EXPECT_TRUE(WaitUntil([&] { return GaugePosition(textGauge) == 1; })) << "the text count did not advance";
  // Joining the chain brings one notification; the same content must not
  // fill a second cell.
  PumpFor(kSettle);
  EXPECT_EQ(GaugePosition(textGauge), 1);
  EXPECT_EQ(ReadWindowText(memo2), L"");
}

}  // namespace
}  // namespace e2e
