// Looks at a running Kestrel99 from outside without changing anything: its
// top-level windows, the start-up window's progress, and the hidden windows
// of its tray icons. Used by the end-to-end tests and by the idle
// benchmark, so it needs nothing but Win32 (no test framework).
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/window_classes.h"
#include "ui/handles.h"

namespace e2e {

inline constexpr wchar_t kProgramFileName[] = L"Kestrel99.exe";
// A window of the program that takes longer than this to answer one message
// counts as not answering.
inline constexpr UINT kAnswerTimeoutMs = 5000;
// Exit code given to a copy of the program that had to be killed, so it can
// never pass for a clean end.
inline constexpr UINT kKilledExitCode = 0xDEAD;

// Sends a message and returns the answer; nothing when the window is gone or
// does not answer within kAnswerTimeoutMs.
std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The folder part of a path ("" when there is none).
std::wstring DirectoryOf(const std::wstring& path);

// The folder of this program's own file.
std::wstring OwnDirectory();
// The full path of this program.
std::wstring OwnPath();

// The Wine prefix this process runs in (WINEPREFIX, UTF-8), as the Linux
// side names it; empty outside a Wine session.
std::string WinePrefix();

// Handles every waiting message of this thread. Under Wine a clipboard reader
// blocks while the clipboard's owner does not pump, and a viewer of ours must
// answer the chain messages the program forwards to it.
void PumpMessages();

// Pumps messages until done() holds or the timeout passes; returns done().
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

// Pumps messages for the whole period.
void PumpFor(std::chrono::milliseconds period);

// Starts a program in its own folder; false when it cannot be started.
bool LaunchProgram(const std::wstring& path, ui::unique_handle& process, DWORD& processId,
                   const std::wstring& arguments = L"");

// Class names of the program's top-level windows that the probe looks for:
// the start-up window, and the hidden window each tray icon has to receive
// the notification area's callbacks.

// Every top-level window that belongs to the process.
std::vector<HWND> ProcessWindows(DWORD processId);
// Those of them that are visible.
std::vector<HWND> VisibleProcessWindows(DWORD processId);
// Those of them that have the window class.
std::vector<HWND> ProcessWindowsOfClass(DWORD processId, const wchar_t* className);

// The start-up window's progress bar position, asked with PBM_GETPOS;
// nothing while the window or its bar does not exist or does not answer.
std::optional<int> StartupPosition(DWORD processId);

// The start-up is over: the start-up window exists, its progress bar has
// reached the end, and the window is hidden again. Until the bar is full
// the start-up window may still be about to show, so "nothing visible"
// alone would not tell.
bool StartupIsOver(DWORD processId);

// Whether the notification area holds the icon that the tray icon window
// owner added (icon id 0). Asked with a modification that changes nothing,
// which the shell refuses for an icon it does not hold.
bool NotificationAreaHolds(HWND owner);

// The window's class name, as GetClassName gives it.
std::wstring WindowClassName(HWND window);

}  // namespace e2e
