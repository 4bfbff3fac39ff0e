#include "e2e/program_probe.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "app/startup_progress.h"

namespace e2e {

namespace {
// How often a wait looks at its condition when no message wakes it earlier.
constexpr DWORD kPumpPollMs = 10;
}  // namespace

std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!window || !SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

std::wstring DirectoryOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring OwnPath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) break;
    path.resize(path.size() * 2);
  }
  return path.data();
}

std::wstring OwnDirectory() { return DirectoryOf(OwnPath()); }

std::string WinePrefix() {
  wchar_t value[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(L"WINEPREFIX", value, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string out(MAX_PATH * 4, '\0');
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, value, -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(bytes > 0 ? static_cast<size_t>(bytes) - 1 : 0);
  return out;
}

void PumpMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    PumpMessages();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MsgWaitForMultipleObjectsEx(0, nullptr, kPumpPollMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void PumpFor(std::chrono::milliseconds period) {
  WaitUntil([] { return false; }, period);
}

bool LaunchProgram(const std::wstring& path, ui::unique_handle& process, DWORD& processId,
                   const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + path + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  const std::wstring directory = DirectoryOf(path);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION created{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                      &startup, &created)) {
    return false;
  }
  ui::unique_handle thread(created.hThread);
  process.reset(created.hProcess);
  processId = created.dwProcessId;
  return true;
}

namespace {

constexpr int kClassNameLength = 256;
// The program's tray icons all use this id; each has a window of its own.
constexpr UINT kTrayIconId = 0;

struct ProcessSearch {
  DWORD processId;
  std::vector<HWND>* found;
};

// Enumeration callbacks are plain functions: a lambda cannot take the
// system's calling convention in the 32-bit build.
BOOL CALLBACK CollectProcessWindow(HWND window, LPARAM data) {
  const auto* search = reinterpret_cast<const ProcessSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found->push_back(window);
  return TRUE;
}

HWND StartupWindow(DWORD processId) {
  const std::vector<HWND> windows = ProcessWindowsOfClass(processId, core::kStartupWindowClass);
  return windows.empty() ? nullptr : windows.front();
}

}  // namespace

std::wstring WindowClassName(HWND window) {
  std::wstring name(kClassNameLength, L'\0');
  const int length = GetClassNameW(window, name.data(), kClassNameLength);
  name.resize(static_cast<size_t>(length > 0 ? length : 0));
  return name;
}

std::vector<HWND> ProcessWindows(DWORD processId) {
  std::vector<HWND> found;
  ProcessSearch search{processId, &found};
  EnumWindows(&CollectProcessWindow, reinterpret_cast<LPARAM>(&search));
  return found;
}

std::vector<HWND> VisibleProcessWindows(DWORD processId) {
  std::vector<HWND> visible;
  for (HWND window : ProcessWindows(processId)) {
    if (IsWindowVisible(window)) visible.push_back(window);
  }
  return visible;
}

std::vector<HWND> ProcessWindowsOfClass(DWORD processId, const wchar_t* className) {
  std::vector<HWND> matching;
  for (HWND window : ProcessWindows(processId)) {
    if (CompareStringOrdinal(WindowClassName(window).c_str(), -1, className, -1, TRUE) == CSTR_EQUAL) {
      matching.push_back(window);
    }
  }
  return matching;
}

std::optional<int> StartupPosition(DWORD processId) {
  HWND startup = StartupWindow(processId);
  HWND bar = startup ? FindWindowExW(startup, nullptr, PROGRESS_CLASSW, nullptr) : nullptr;
  const std::optional<LRESULT> position = Ask(bar, PBM_GETPOS, 0, 0);
  if (!position) return std::nullopt;
  return static_cast<int>(*position);
}

bool StartupIsOver(DWORD processId) {
  HWND startup = StartupWindow(processId);
  return startup && StartupPosition(processId) == app::kStartupEndPosition && !IsWindowVisible(startup);
}

bool NotificationAreaHolds(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = owner;
  data.uID = kTrayIconId;
  data.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace e2e
