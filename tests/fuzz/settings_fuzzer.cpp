// Feeds arbitrary bytes to the settings file reader as the text of the
// file, loads both windows' sections from it, stores them back and loads
// again. Besides the sanitizers' findings, it stops on a load that breaks
// the options' own rules or a store that does not read back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/ini_text.h"
#include "settings/option_table.h"
#include "settings/profile_rules.h"
#include "settings/settings.h"

namespace {

using namespace settings;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Each byte becomes one character, as the system's ANSI code page maps
// bytes to characters one for one.
std::wstring AsText(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) text.push_back(static_cast<wchar_t>(data[i]));
  return text;
}

Placement Load(IniText& file, std::wstring_view section, Settings* settings) {
  Placement current;
  current.showCmd = 1;
  current.normal = {10, 20, 310, 340};
  constexpr WindowBounds kBounds{10, 20, 300, 320};
  PlacementLoad load = ReadPlacement(file, section, current, kBounds, section == kMainSection);
  if (!load.apply) load.placement = current;
  load.placement.showCmd = StateFromShowCmd(ReadInteger(file, section, kShowCmdKey, 0)) == WindowState::Normal ? 1 : 2;
  if (settings) ReadOptions(file, section, *settings);
  return load.placement;
}

bool SamePlacement(const Placement& a, const Placement& b) {
  return a.flags == b.flags && a.showCmd == b.showCmd && a.minPosition.x == b.minPosition.x &&
         a.minPosition.y == b.minPosition.y && a.maxPosition.x == b.maxPosition.x &&
         a.maxPosition.y == b.maxPosition.y && a.normal.left == b.normal.left && a.normal.top == b.normal.top &&
         a.normal.right == b.normal.right && a.normal.bottom == b.normal.bottom;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IniText file(AsText(data, size));
  Settings settings;
  const Placement options = Load(file, kOptionsSection, &settings);
  const Placement main = Load(file, kMainSection, nullptr);
  Require(!(settings.IsOn(Option::NormalWallpaper) && settings.IsOn(Option::TiledWallpaper)));
  Require(settings.WallpaperDirectory().size() <= kMaxValueLength);

  // What a store writes, the next load reads back unchanged, whatever else
  // the file holds around it.
  Require(WritePlacement(file, kOptionsSection, options));
  Require(WriteOptions(file, kOptionsSection, settings));
  Require(WritePlacement(file, kMainSection, main));
  Settings reloaded;
  const Placement optionsAgain = Load(file, kOptionsSection, &reloaded);
  Require(SamePlacement(Load(file, kMainSection, nullptr), main) || main.normal.right <= main.normal.left);
  Require(SamePlacement(optionsAgain, options) || options.normal.right <= options.normal.left);
  for (const OptionRow& row : kOptions) Require(reloaded.IsOn(row.option) == settings.IsOn(row.option));
  Require(reloaded.QuickPasteKey() == settings.QuickPasteKey());
  Require(reloaded.RefusedQuickPasteKey() == settings.RefusedQuickPasteKey());
  return 0;
}
