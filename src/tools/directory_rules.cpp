#include "tools/directory_rules.h"

#include <algorithm>

#include "settings/profile_rules.h"

namespace tools {

namespace {

constexpr wchar_t kSeparator = L'\\';
constexpr wchar_t kDriveMark = L':';
// "X:\": letter, colon, backslash.
constexpr size_t kDriveRootLength = 3;

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

std::wstring_view WithoutTrailingBackslash(std::wstring_view path) {
  if (!path.empty() && path.back() == kSeparator) path.remove_suffix(1);
  return path;
}

}  // namespace

std::wstring WithTrailingBackslash(std::wstring path) {
  if (!path.empty() && path.back() != kSeparator) path.push_back(kSeparator);
  return path;
}

std::wstring DirectoryAnswer(std::wstring path) {
  std::transform(path.begin(), path.end(), path.begin(), AsciiUpper);
  return WithTrailingBackslash(std::move(path));
}

bool SameDirectory(std::wstring_view a, std::wstring_view b) {
  a = WithoutTrailingBackslash(a);
  b = WithoutTrailingBackslash(b);
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool IsDriveRoot(std::wstring_view path) {
  return path.size() == kDriveRootLength && path[1] == kDriveMark && path[2] == kSeparator;
}

std::vector<std::wstring> PathComponents(std::wstring_view path) {
  std::vector<std::wstring> components;
  const bool startsWithDrive = path.size() >= kDriveRootLength - 1 && path[0] != kSeparator && path[1] == kDriveMark;
  // "C:name" is relative to the drive's current directory, which the tree
  // knows nothing of.
  if (!startsWithDrive || (path.size() > kDriveRootLength - 1 && path[2] != kSeparator)) return components;
  components.push_back(DriveRoot(path.substr(0, 1)));
  path.remove_prefix(std::min(path.size(), kDriveRootLength - 1));
  while (!path.empty()) {
    const size_t end = std::min(path.find(kSeparator), path.size());
    if (end > 0) components.emplace_back(path.substr(0, end));
    path.remove_prefix(std::min(path.size(), end + 1));
  }
  return components;
}

std::wstring DriveLetterOf(std::wstring_view answer) {
  if (answer.empty()) return std::wstring(kNoDirectory);
  return std::wstring(1, AsciiUpper(answer.front()));
}

std::wstring DriveRoot(std::wstring_view letter) { return std::wstring(letter) + kDriveMark + kSeparator; }

std::wstring DriveErrorMessage(std::wstring_view letter) {
  return L"ERROR! Can't change to drive " + DriveLetterOf(letter) + kDriveMark + kSeparator + L'\r';
}

std::wstring UnstorableFolderMessage(std::wstring_view folder) {
  return L"The folder \"" + std::wstring(folder) + L"\" cannot be kept in " + std::wstring(settings::kSettingsFileName) +
         L": its name has characters this system's code page does not hold. Please choose another folder.";
}

}  // namespace tools
