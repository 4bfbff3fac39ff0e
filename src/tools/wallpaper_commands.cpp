#include "tools/wallpaper_commands.h"

#include <optional>
#include <string>

#include "tools/picture_export.h"
#include "tools/user_file.h"
#include "tools/wallpaper_rules.h"
#include "ui/window.h"

namespace tools {

namespace {

// The folder becomes the process's current directory, as it stays after
// the command; a folder that cannot be entered ends the command here.
void EnterFolder(const std::wstring& folder) {
  if (!SetCurrentDirectoryW(folder.c_str())) throw ui::UserError(FolderUnusableMessage(folder, ui::SystemErrorText(GetLastError())));
}

std::wstring FullPathOf(std::wstring_view name) {
  const std::wstring relative(name);
  const DWORD length = GetFullPathNameW(relative.c_str(), 0, nullptr, nullptr);
  if (length == 0) return relative;
  std::wstring full(length, L'\0');
  const DWORD written = GetFullPathNameW(relative.c_str(), length, full.data(), nullptr);
  full.resize(written);
  return full;
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

WallpaperCommands::WallpaperCommands(const settings::Settings& settings) : settings_(settings) {
  changer_.SetInterval(kWallpaperChangeIntervalMs);
}

void WallpaperCommands::OnSetWallpaperClick(const picture::Picture& picture) {
  const std::optional<bool> tiled = WallpaperTiledFor(settings_.IsOn(settings::Option::NormalWallpaper),
                                                      settings_.IsOn(settings::Option::TiledWallpaper));
  if (!tiled) return;
  EnterFolder(settings_.WallpaperDirectory());
  const std::wstring path = FullPathOf(kWallpaperFileName);
  // The system keeps no longer name; refusing it before anything is written
  // leaves the folder as it was.
  if (path.size() > desktop::WallpaperChanger::kMaxNameLength)
    throw ui::UserError(PathTooLongMessage(path, desktop::WallpaperChanger::kMaxNameLength));
  if (!picture.IsEmpty()) WriteUserFile(path, WallpaperFileBytes(picture));
  if (!FileExists(path)) throw ui::UserError(InvalidFileNameMessage());
  changer_.SetTiled(*tiled);
  changer_.SetActive(true);
  changer_.SetFilename(path);
  Run();
}

void WallpaperCommands::OnNoWallpaperClick() {
  changer_.SetTiled(false);
  changer_.SetFilename(L"");
  changer_.SetActive(true);
  Run();
}

void WallpaperCommands::OnWallpaperOptionsClick() {
  if (showWallpaperOptions) showWallpaperOptions();
}

void WallpaperCommands::Run() {
  if (runProgress) runProgress();
}

void WallpaperCommands::FinishChange() {
  // Whatever happens in the change, the changer stops with the progress.
  struct Stop {
    desktop::WallpaperChanger& changer;
    ~Stop() { changer.SetActive(false); }
  } stop{changer_};
  if (changer_.Active() && changer_.ChangesSinceActivation() == 0) changer_.ChangeWallpaper();
}

}  // namespace tools
