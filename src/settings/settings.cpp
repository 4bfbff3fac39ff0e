#include "settings/settings.h"

#include <utility>

namespace settings {

namespace {

constexpr std::size_t IndexOf(Option option) { return static_cast<std::size_t>(option); }

}  // namespace

Settings::Settings() : wallpaperDirectory_(kWallpaperDirectoryRow.defaultValue) {
  for (const OptionRow& row : kOptions) on_[IndexOf(row.option)] = row.defaultOn;
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

void Settings::SetQuickPasteKey(std::uint16_t hotKey) {
  if (std::exchange(quickPasteKey_, hotKey) != hotKey && onChanged) onChanged();
}

void Settings::SetRefusedQuickPasteKey(std::uint16_t hotKey) {
  if (std::exchange(refusedQuickPasteKey_, hotKey) != hotKey && onChanged) onChanged();
}

}  // namespace settings
