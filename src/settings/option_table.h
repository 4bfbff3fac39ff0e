// The options as the settings file holds them: one entry per stored key, in
// the order the keys are written and read. Load, store and the defaults of
// a first run are all driven by this table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace settings {

enum class ValueKind {
  Flag,                // an on/off option, stored as "True" or "False"
  WallpaperDirectory,  // the wallpaper folder, stored as its text
};

struct StoredProperty {
  std::wstring_view key;  // as the file spells it: stored files depend on it
  ValueKind kind;
  Option option;  // the option of a Flag; unused for other kinds
};

inline constexpr std::array<StoredProperty, 11> kStoredProperties{{
    {L"CheckBox951_Checked", ValueKind::Flag, Option::BeepOnAdd},
    {L"CheckBox953_Checked", ValueKind::Flag, Option::OnlyBitmapsOnButtons},
    {L"CheckBox954_Checked", ValueKind::Flag, Option::DisableCapture},
    {L"CheckBox955_Checked", ValueKind::Flag, Option::ConfirmDelete},
    {L"CheckBox956_Checked", ValueKind::Flag, Option::ConfirmDeleteAll},
    {L"CheckBox957_Checked", ValueKind::Flag, Option::WarnLowCells},
    {L"CheckBox959_Checked", ValueKind::Flag, Option::ConfirmExit},
    {L"Edit1_Text", ValueKind::WallpaperDirectory, Option::BeepOnAdd},
    {L"RadioButton1_Checked", ValueKind::Flag, Option::NormalWallpaper},
    {L"RadioButton2_Checked", ValueKind::Flag, Option::TiledWallpaper},
    {L"CheckBox952_Checked", ValueKind::Flag, Option::NoTaskbar},
}};

inline constexpr std::wstring_view kTrueText = L"True";
inline constexpr std::wstring_view kFalseText = L"False";

// The property's present value as the file stores it.
std::wstring StoredValue(const Settings& settings, const StoredProperty& property);

// Takes a value read from the file (already trimmed). A flag takes the
// value whose name matches without regard to letter case and ignores any
// other text; the folder takes the text as it is, even when empty.
void ApplyStoredValue(Settings& settings, const StoredProperty& property, std::wstring_view text);

}  // namespace settings
