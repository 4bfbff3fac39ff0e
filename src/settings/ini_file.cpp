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

// Where this run may keep its files: whether the Windows directory takes
// them and, when it does not, the application data folder that does.
struct FilePlace {
  bool windowsDirectoryWritable = false;
  std::wstring appData;
};

FilePlace CurrentFilePlace() {
  FilePlace place;
  place.windowsDirectoryWritable = WindowsDirectoryWritable();
  if (!place.windowsDirectoryWritable) place.appData = AppDataDirectory();
  return place;
}

// The program's folder under the application data must exist before a file
// can be written into it; an existing folder is fine.
void CreateProgramFolder(const FilePlace& place) {
  if (place.appData.empty()) return;
  const std::wstring path = SettingsFileLocation(place.windowsDirectoryWritable, place.appData);
  CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
}

}  // namespace

std::wstring SettingsFilePath() {
  const FilePlace place = CurrentFilePlace();
  CreateProgramFolder(place);
  return SettingsFileLocation(place.windowsDirectoryWritable, place.appData);
}

std::wstring DefaultWallpaperDirectory() {
  const FilePlace place = CurrentFilePlace();
  CreateProgramFolder(place);
  return DefaultWallpaperDirectoryFor(place.windowsDirectoryWritable, place.appData);
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
