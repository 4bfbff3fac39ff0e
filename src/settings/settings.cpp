#include "settings/settings.h"

#include <utility>

namespace settings {

namespace {

constexpr std::size_t IndexOf(Option option) { return static_cast<std::size_t>(option); }

// The table is indexed by the enum, so its order must follow the enum.
constexpr bool TableFollowsEnum() {
  for (std::size_t i = 0; i < kOptionDefaults.size(); ++i) {
    if (IndexOf(kOptionDefaults[i].option) != i) return false;
  }
  return IndexOf(Option::TiledWallpaper) + 1 == kOptionDefaults.size();
}
static_assert(TableFollowsEnum(), "kOptionDefaults must list every Option in enum order");

}  // namespace

Settings::Settings() : wallpaperDirectory_(kDefaultWallpaperDirectory) {
  for (const OptionDefault& entry : kOptionDefaults) on_[IndexOf(entry.option)] = entry.on;
}

bool Settings::IsOn(Option option) const { return on_.at(IndexOf(option)); }

void Settings::Set(Option option, bool on) {
  bool changed = std::exchange(on_.at(IndexOf(option)), on) != on;
  if (on && (option == Option::NormalWallpaper || option == Option::TiledWallpaper)) {
    const Option partner = option == Option::NormalWallpaper ? Option::TiledWallpaper : Option::NormalWallpaper;
    changed |= std::exchange(on_.at(IndexOf(partner)), false);
  }
  if (changed && onChanged) onChanged();
}

std::wstring Settings::WallpaperDirectory() const { return wallpaperDirectory_; }

void Settings::SetWallpaperDirectory(std::wstring directory) {
  if (wallpaperDirectory_ == directory) return;
  wallpaperDirectory_ = std::move(directory);
  if (onChanged) onChanged();
}

}  // namespace settings
