#include "e2e/harness.h"

#include <commctrl.h>

#include <vector>

#include "e2e/program_probe.h"
#include "core/window_classes.h"
#include "history/main_window_layout.h"

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kKillWaitMs = 10000;
constexpr wchar_t kButtonClass[] = L"Button";
constexpr int kClassNameLength = 256;

std::wstring ClassNameOf(HWND window) {
  std::wstring name(kClassNameLength, L'\0');
  const int length = GetClassNameW(window, name.data(), kClassNameLength);
  name.resize(static_cast<size_t>(length > 0 ? length : 0));
  return name;
}

bool SameClass(HWND window, const wchar_t* className) {
  return CompareStringOrdinal(ClassNameOf(window).c_str(), -1, className, -1, TRUE) == CSTR_EQUAL;
}

// One search over a set of windows: the first that matches is kept.
struct WindowSearch {
  const std::function<bool(HWND)>* match;
  HWND found;
};

// Enumeration callbacks are plain functions: a lambda cannot take the
// system's calling convention in the 32-bit build.
BOOL CALLBACK TestWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  if (!(*search->match)(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// Walks every descendant of parent until match returns true.
HWND FindDescendant(HWND parent, const std::function<bool(HWND)>& match) {
  WindowSearch search{&match, nullptr};
  EnumChildWindows(parent, &TestWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

std::wstring ProgramPath() { return DirectoryOf(OwnDirectory()) + L"\\" + kProgramFileName; }

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  const std::function<bool(HWND)> match = [processId, className](HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId && SameClass(window, className);
  };
  WindowSearch search{&match, nullptr};
  EnumWindows(&TestWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND TextCellMemo(HWND mainWindow, int n) {
  return FindChildById(mainWindow, history::kTextCellIdBase + n, kEditClass);
}

HWND FindChildById(HWND parent, int id, const wchar_t* className) {
  return FindDescendant(parent, [id, className](HWND window) {
    return GetDlgCtrlID(window) == id && (!className || SameClass(window, className));
  });
}

HWND FindButtonByCaption(HWND parent, const wchar_t* caption) {
  return FindDescendant(parent, [caption](HWND window) {
    if (!SameClass(window, kButtonClass)) return false;
    const std::optional<std::wstring> text = ReadWindowText(window);
    return text && *text == caption;
  });
}

std::optional<std::wstring> ReadWindowText(HWND window) {
  const std::optional<LRESULT> length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
  if (!length) return std::nullopt;
  // The text may grow between the two questions; WM_GETTEXT then cuts it at
  // the buffer, and the caller sees a mismatch and asks again.
  std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
  const std::optional<LRESULT> copied =
      Ask(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()));
  if (!copied) return std::nullopt;
  text.resize(static_cast<size_t>(*copied));
  return text;
}

std::optional<int> GaugePosition(HWND gauge) {
  const std::optional<LRESULT> position = Ask(gauge, PBM_GETPOS, 0, 0);
  if (!position) return std::nullopt;
  return static_cast<int>(*position);
}

KestrelProcess::~KestrelProcess() { Kill(); }

bool KestrelProcess::Start() {
  const std::wstring path = ProgramPath();
  if (!LaunchProgram(path, process_, processId_)) return false;
  boxes_ = std::make_unique<test::BoxWatchdog>(processId_);
  return true;
}

bool KestrelProcess::IsRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

HWND KestrelProcess::MainWindow() const {
  return processId_ ? FindProcessWindow(processId_, core::kMainWindowClass) : nullptr;
}

HWND KestrelProcess::WaitForMainWindow(std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = MainWindow()) != nullptr || !IsRunning(); }, timeout);
  return found;
}

bool KestrelProcess::WaitForViewerJoined(std::chrono::milliseconds timeout) {
  return WaitUntil(
             [this] {
               DWORD owner = 0;
               HWND head = GetClipboardViewer();
               if (head) GetWindowThreadProcessId(head, &owner);
               return owner == processId_ || !IsRunning();
             },
             timeout) &&
         IsRunning();
}

bool KestrelProcess::Close() {
  HWND main = MainWindow();
  return main && CloseProgram(main);
}

std::optional<DWORD> KestrelProcess::WaitForExit(std::chrono::milliseconds timeout) {
  if (!process_ || !WaitUntil([this] { return !IsRunning(); }, timeout)) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

void KestrelProcess::Kill() {
  if (!IsRunning()) return;
  TerminateProcess(process_.get(), kKilledExitCode);
  WaitForSingleObject(process_.get(), kKillWaitMs);
}

bool CloseProgram(HWND mainWindow) {
  // Posted, not sent: the program may ask for confirmation in a modal box,
  // and a sent message would hold this thread until the box closes.
  HWND exitButton = FindChildById(mainWindow, history::kExitButtonId, kButtonClass);
  if (!exitButton)
    exitButton = FindButtonByCaption(mainWindow, history::LayoutOf(history::CommandButton::Exit).caption);
  if (exitButton) {
    return PostMessageW(exitButton, BM_CLICK, 0, 0) != FALSE;
  }
  return PostMessageW(mainWindow, WM_CLOSE, 0, 0) != FALSE;
}

std::vector<std::wstring> SettingsFiles() {
  std::vector<std::wstring> files;
  wchar_t directory[MAX_PATH] = {};
  if (GetWindowsDirectoryW(directory, MAX_PATH)) files.push_back(std::wstring(directory) + L"\\kestrel99.ini");
  if (GetEnvironmentVariableW(L"APPDATA", directory, MAX_PATH))
    files.push_back(std::wstring(directory) + L"\\Kestrel 99\\kestrel99.ini");
  return files;
}

void KestrelTest::SetUp() {
  ASSERT_NE(GetFileAttributesW(ProgramPath().c_str()), INVALID_FILE_ATTRIBUTES)
      << "Kestrel99.exe is missing beside the test directory";
  // The program runs as a single copy; a leftover copy would take our
  // clipboard notifications and the later copy would refuse to start.
  ASSERT_EQ(FindWindowW(core::kMainWindowClass, nullptr), nullptr) << "another copy of Kestrel99 is running";
  // Every test starts as a first run, whatever the options an earlier test
  // left behind.
  for (const std::wstring& file : SettingsFiles()) DeleteFileW(file.c_str());
}

void KestrelTest::TearDown() { program_.Kill(); }

HWND KestrelTest::StartProgram() {
  if (!program_.Start()) {
    ADD_FAILURE() << "could not start Kestrel99.exe, error " << GetLastError();
    return nullptr;
  }
  HWND main = program_.WaitForMainWindow();
  if (!main) {
    ADD_FAILURE() << "the main window did not appear";
    return nullptr;
  }
  if (!program_.WaitForViewerJoined()) {
    ADD_FAILURE() << "the program did not join the clipboard viewer chain";
    return nullptr;
  }
  return main;
}

}  // namespace e2e
