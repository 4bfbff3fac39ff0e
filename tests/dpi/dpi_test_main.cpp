// Entry point of the tests that lay windows out at 150 % (144 DPI). The
// session's scale is read when a process starts, so a run at any other scale
// sets the user's LogPixels to 144, runs this program again with the same
// arguments, and puts the old value back whatever the outcome.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "support/box_watchdog.h"
#include "ui/com_apartment.h"
#include "ui/dpi.h"

namespace {

constexpr int kTestDpi = 144;
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";
// Set for the second run, which must not start a third.
constexpr wchar_t kRelaunched[] = L"KESTREL_DPI_TEST_RELAUNCHED";

std::optional<DWORD> ReadLogPixels() {
  DWORD value = 0;
  DWORD size = sizeof(value);
  if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

void WriteLogPixels(std::optional<DWORD> value) {
  if (!value) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
    return;
  }
  RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &*value, sizeof(DWORD));
}

int RunAgainAtTestDpi() {
  const std::optional<DWORD> previous = ReadLogPixels();
  WriteLogPixels(kTestDpi);
  SetEnvironmentVariableW(kRelaunched, L"1");
  wchar_t program[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring commandLine = GetCommandLineW();
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  DWORD exitCode = 1;
  if (CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  WriteLogPixels(previous);
  return static_cast<int>(exitCode);
}

}  // namespace

int main(int argc, char** argv) {
  if (ui::Dpi::System().Value() != kTestDpi && !GetEnvironmentVariableW(kRelaunched, nullptr, 0)) {
    return RunAgainAtTestDpi();
  }
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  const ui::ComApartment apartment;
  testing::InitGoogleTest(&argc, argv);
  const test::BoxWatchdog boxes(GetCurrentProcessId());
  return RUN_ALL_TESTS();
}
