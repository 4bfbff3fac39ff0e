// The rules of the wallpaper commands: the file, the style, the progress
// steps and the messages, apart from the system calls.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tools {

// Every "Set as wallpaper" writes over this one file in the wallpaper folder.
inline constexpr std::wstring_view kWallpaperFileName = L"k99WP.bmp";
// The changer's interval while the progress window runs.
inline constexpr unsigned kWallpaperChangeIntervalMs = 2000;
inline constexpr int kProgressStep = 2;
inline constexpr int kProgressEnd = 100;

// The style the two radio options ask for: false for normal, true for
// tiled, nothing when neither is set (the command then does nothing).
std::optional<bool> WallpaperTiledFor(bool normalSet, bool tiledSet);

// The progress bar's next position, and whether that step ends the run (the
// bar then goes back to 0 for the next run).
struct ProgressStep {
  int position = 0;
  bool finished = false;
};
ProgressStep NextProgressStep(int position);

// The file's full path in the folder, which may or may not end in a
// backslash.
std::wstring WallpaperPath(std::wstring_view folder);

// Messages.
std::wstring InvalidFileNameMessage();
std::wstring PathTooLongMessage(std::wstring_view path, std::size_t limit);
std::wstring FolderUnusableMessage(std::wstring_view folder, std::wstring_view reason);

}  // namespace tools
