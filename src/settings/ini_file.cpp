#include "settings/ini_file.h"

#include <windows.h>
#include <shlobj.h>

#include "settings/profile_rules.h"
#include "settings/ansi_code_page.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace settings {

namespace {

// The system's read buffer, terminating zero included.
constexpr DWORD kReadBufferLength = 1024;

// Whether a new file can be made in the Windows directory: a scratch file
// that the system deletes again as soon as it is closed.
bool WindowsDirectoryWritable() {
  wchar_t directory[MAX_PATH] = L"";
  const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  std::wstring probe = std::wstring(directory) + L"\\kestrel99-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  const ui::unique_hfile file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

std::wstring AppDataDirectory() {
  wchar_t directory[MAX_PATH] = L"";
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, directory))) return L"";
  return directory;
}

}  // namespace

std::wstring SettingsFilePath() {
  const bool writable = WindowsDirectoryWritable();
  const std::wstring appData = writable ? std::wstring() : AppDataDirectory();
  const std::wstring path = SettingsFileLocation(writable, appData);
  if (!appData.empty()) {
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    CreateDirectoryW(folder.c_str(), nullptr);  // an existing folder is fine
  }
  return path;
}

std::wstring IniFile::ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) {
  wchar_t buffer[kReadBufferLength] = L"";
  const DWORD length = GetPrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                                std::wstring(fallback).c_str(), buffer, kReadBufferLength,
                                                fileName_.c_str());
  return std::wstring(buffer, length);
}

bool IniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  if (!WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                  std::wstring(value).c_str(), fileName_.c_str())) {
    throw ui::UserError(L"Unable to write to " + fileName_);
  }
  return true;
}

bool SettingsFileCanHold(std::wstring_view text) {
  // A UTF-8 code page holds every character.
  if (GetACP() == CP_UTF8) return true;
  return EncodeAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size())).has_value();
}

}  // namespace settings
