#include "settings/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace settings {
namespace {

// Readers must hold the one Settings object, never a snapshot of it.
static_assert(!std::is_copy_constructible_v<Settings>);
static_assert(!std::is_copy_assignable_v<Settings>);

TEST(SettingsTest, NewSettingsHoldTheDefaults) {
  const Settings settings;
  EXPECT_TRUE(settings.IsOn(Option::BeepOnAdd));
  EXPECT_FALSE(settings.IsOn(Option::OnlyBitmapsOnButtons));
  EXPECT_TRUE(settings.IsOn(Option::WarnLowCells));
  EXPECT_TRUE(settings.IsOn(Option::NoTaskbar));
  EXPECT_FALSE(settings.IsOn(Option::DisableCapture));
  EXPECT_TRUE(settings.IsOn(Option::ConfirmDelete));
  EXPECT_TRUE(settings.IsOn(Option::ConfirmDeleteAll));
  EXPECT_FALSE(settings.IsOn(Option::ConfirmExit));
  EXPECT_TRUE(settings.IsOn(Option::NormalWallpaper)) << "the wallpaper is normal by default";
  EXPECT_FALSE(settings.IsOn(Option::TiledWallpaper));
  EXPECT_EQ(settings.WallpaperDirectory(), L"C:\\WINDOWS\\");
}

TEST(SettingsTest, ChangingOneOptionLeavesTheOthers) {
  for (const OptionRow& changed : kOptions) {
    if (changed.option == Option::NormalWallpaper || changed.option == Option::TiledWallpaper) continue;
    Settings settings;
    settings.Set(changed.option, !changed.defaultOn);
    for (const OptionRow& entry : kOptions) {
      const bool expected = entry.option == changed.option ? !entry.defaultOn : entry.defaultOn;
      EXPECT_EQ(settings.IsOn(entry.option), expected)
          << "option " << static_cast<int>(entry.option) << " after changing " << static_cast<int>(changed.option);
    }
    settings.Set(changed.option, changed.defaultOn);
    EXPECT_EQ(settings.IsOn(changed.option), changed.defaultOn);
  }
}

TEST(SettingsTest, WallpaperRadiosExcludeEachOtherButMayBothBeOff) {
  Settings settings;
  settings.Set(Option::TiledWallpaper, true);
  EXPECT_FALSE(settings.IsOn(Option::NormalWallpaper));
  settings.Set(Option::NormalWallpaper, true);
  EXPECT_FALSE(settings.IsOn(Option::TiledWallpaper));
  settings.Set(Option::NormalWallpaper, false);
  EXPECT_FALSE(settings.IsOn(Option::NormalWallpaper));
  EXPECT_FALSE(settings.IsOn(Option::TiledWallpaper)) << "switching a radio off does not switch its partner on";
}

TEST(SettingsTest, WallpaperDirectoryIsKeptAsGiven) {
  Settings settings;
  settings.SetWallpaperDirectory(L"D:\\PICTURES\\");
  EXPECT_EQ(settings.WallpaperDirectory(), L"D:\\PICTURES\\");
  settings.SetWallpaperDirectory(L"");
  EXPECT_EQ(settings.WallpaperDirectory(), L"");
}

TEST(SettingsTest, ObserverHearsEachRealChangeAfterItIsStored) {
  Settings settings;
  std::vector<bool> captureDisabledSeen;
  settings.onChanged = [&] { captureDisabledSeen.push_back(settings.IsOn(Option::DisableCapture)); };

  settings.Set(Option::DisableCapture, true);
  settings.Set(Option::DisableCapture, true);  // no change: nobody needs to redraw
  settings.Set(Option::DisableCapture, false);
  settings.Set(Option::BeepOnAdd, true);  // already the default
  EXPECT_EQ(captureDisabledSeen, (std::vector<bool>{true, false}))
      << "one call per real change, and the observer already reads the new value";

  std::vector<std::wstring> directoriesSeen;
  settings.onChanged = [&] { directoriesSeen.push_back(settings.WallpaperDirectory()); };
  settings.SetWallpaperDirectory(L"C:\\WINDOWS\\");  // the default again
  settings.SetWallpaperDirectory(L"D:\\ART\\");
  EXPECT_EQ(directoriesSeen, (std::vector<std::wstring>{L"D:\\ART\\"}));
}

}  // namespace
}  // namespace settings
