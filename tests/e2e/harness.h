// Drives the real Kestrel99.exe from outside, the way another program or an
// automation tool would: it starts the process, waits for its windows, finds
// controls by id and reads them with ordinary window messages.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "e2e/program_probe.h"
#include "support/box_watchdog.h"
#include "ui/handles.h"

namespace e2e {

// Deadlines are generous: a loaded machine running Wine can be slow, and the
// tests check what happens, never how fast.
inline constexpr std::chrono::milliseconds kStartDeadline{20000};
inline constexpr std::chrono::milliseconds kStepDeadline{20000};
inline constexpr std::chrono::milliseconds kExitDeadline{20000};

// WaitUntil with the deadline of one step of a test.
inline bool WaitUntil(const std::function<bool()>& done) { return WaitUntil(done, kStepDeadline); }

// Window classes of the standard controls the program's windows hold.
inline constexpr wchar_t kEditClass[] = L"Edit";
inline constexpr wchar_t kGaugeClass[] = L"msctls_progress32";

// Kestrel99.exe beside the directory of this test program: the tests live in
// build/<preset>/tests/, the program in build/<preset>/.
std::wstring ProgramPath();

// A top-level window of the given class that belongs to the given process.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);

// A descendant (at any depth) of parent with the control id, and of the
// window class when one is given; null when there is none.
HWND FindChildById(HWND parent, int id, const wchar_t* className = nullptr);

// A descendant BUTTON of parent whose caption is exactly caption.
HWND FindButtonByCaption(HWND parent, const wchar_t* caption);

// The memo of text cell n of the main window.
HWND TextCellMemo(HWND mainWindow, int n);

// The text of a window in another process (WM_GETTEXT); nothing when the
// window does not answer.
std::optional<std::wstring> ReadWindowText(HWND window);

// The position of a progress bar in another process (PBM_GETPOS).
std::optional<int> GaugePosition(HWND gauge);

// One run of Kestrel99.exe started by a test. The process is killed when
// this object goes away while it still runs, so a failing test never leaves
// a copy behind for the next one.
class KestrelProcess {
 public:
  KestrelProcess() = default;
  ~KestrelProcess();
  KestrelProcess(const KestrelProcess&) = delete;
  KestrelProcess& operator=(const KestrelProcess&) = delete;

  // Starts the program; false when CreateProcess failed.
  bool Start();
  bool IsRunning() const;
  DWORD ProcessId() const { return processId_; }

  // The main window (class MainWindow) of this process, once it exists.
  HWND MainWindow() const;
  HWND WaitForMainWindow(std::chrono::milliseconds timeout = kStartDeadline);
  // Waits until the program's clipboard viewer heads the viewer chain, which
  // is when it starts to capture.
  bool WaitForViewerJoined(std::chrono::milliseconds timeout = kStartDeadline);

  // Asks the program to end the way a user would (see CloseProgram).
  bool Close();
  // Waits for the process to end and returns its exit code.
  std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = kExitDeadline);
  // Ends the process at once if it still runs.
  void Kill();

  // Watches the program's boxes from Start on: one that no step expects
  // fails the test and is closed.
  test::BoxWatchdog& Boxes() { return *boxes_; }

 private:
  ui::unique_handle process_;
  DWORD processId_ = 0;
  std::unique_ptr<test::BoxWatchdog> boxes_;
};

// Where the program may keep its settings file: the Windows directory, or
// the user's application data when that cannot be written.
std::vector<std::wstring> SettingsFiles();

// Ends the program through its user interface: the main window's Exit
// button (found by its id, or by its caption) when it has one, otherwise by
// closing the main window. Returns false when there was nothing to send the
// request to.
bool CloseProgram(HWND mainWindow);

// Base of the end-to-end tests: the one copy of the program a test runs, and
// a check that no other copy is running before it starts.
class KestrelTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program and waits until it captures. Fails the test (and
  // returns null) when it does not come up.
  HWND StartProgram();

  KestrelProcess program_;
};

}  // namespace e2e
