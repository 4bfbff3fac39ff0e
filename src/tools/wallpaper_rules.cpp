#include "tools/wallpaper_rules.h"

namespace tools {

std::optional<bool> WallpaperTiledFor(bool normalSet, bool tiledSet) {
  if (normalSet) return false;
  if (tiledSet) return true;
  return std::nullopt;
}

ProgressStep NextProgressStep(int position) {
  const int next = position + kProgressStep;
  // Exactly the end finishes the run.
  return {next, next == kProgressEnd};
}

std::wstring WallpaperPath(std::wstring_view folder) {
  std::wstring path(folder);
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + std::wstring(kWallpaperFileName);
}

std::wstring InvalidFileNameMessage() { return L"Invalid file name - " + std::wstring(kWallpaperFileName); }

std::wstring PathTooLongMessage(std::wstring_view path, std::size_t limit) {
  return L"The wallpaper cannot be set: its path is longer than " + std::to_wstring(limit) +
         L" characters.\r\n\r\n" + std::wstring(path) +
         L"\r\n\r\nChoose a shorter wallpaper folder in the options.";
}

std::wstring FolderUnusableMessage(std::wstring_view folder, std::wstring_view reason) {
  return L"The wallpaper folder \"" + std::wstring(folder) + L"\" cannot be used: " + std::wstring(reason);
}

}  // namespace tools
