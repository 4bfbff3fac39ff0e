// The options, one row each: the settings file, the options dialog and the
// tray menu all take their part of an option from its row, so no two of
// them can disagree about it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/hot_key_rules.h"

namespace settings {

/// The on/off options. The wallpaper style is a pair of radio buttons,
/// NormalWallpaper and TiledWallpaper: switching one on switches the other
/// off, and a stored file may leave both off, which readers must tolerate
/// ("Set as wallpaper" then does nothing; the tray menu leaves its marks
/// alone).
enum class Option {
  BeepOnAdd,
  OnlyBitmapsOnButtons,
  WarnLowCells,
  NoTaskbar,
  DisableCapture,
  ConfirmDelete,
  ConfirmDeleteAll,
  ConfirmExit,
  NormalWallpaper,
  TiledWallpaper,
  SkipRepeatedCopy,
  StartWithWindows,
};

/// How a value is written in the settings file.
enum class ValueForm {
  TrueFalse,  // kTrueText or kFalseText; read back in any letter case
  Text,       // the text itself, without blanks around it
  HotKey,     // FormatHotKey's readable form, such as "Ctrl+`"
};

inline constexpr std::wstring_view kTrueText = L"True";
inline constexpr std::wstring_view kFalseText = L"False";

std::wstring_view TrueFalseText(bool on);
// The value a text in the TrueFalse form names, without regard to letter
// case; none for any other text.
std::optional<bool> ParseTrueFalse(std::wstring_view text);

/// A key of the options section of the settings file.
struct StoredKey {
  std::wstring_view name;  // as the file spells it: stored files depend on it
  ValueForm form;
  // Where the key sits among the section's keys. They are written and read
  // in this order, which earlier files already follow.
  int position;
};

// The options dialog's notebook pages, in tab order.
inline constexpr int kPreferencesPage = 0;
inline constexpr int kConfirmationPage = 1;
inline constexpr int kWallpaperPage = 2;
inline constexpr int kQuickPastePage = 3;
inline constexpr int kOptionsPageCount = 4;

enum class OptionControlKind { CheckBox, RadioButton };

/// One on/off option.
struct OptionRow {
  Option option;
  StoredKey key;
  bool defaultOn;
  // The options dialog's control for it, where it is found (page and
  // control id), its caption and the hint shown while the mouse is over it.
  OptionControlKind control;
  int page;
  int controlId;
  const wchar_t* dialogCaption;
  const wchar_t* hint;
  // The tray menu item that toggles it, under the submenu of its page; null
  // for the wallpaper styles, whose items open the dialog instead.
  const wchar_t* trayCaption;
};

/// Every option, in enum order, which is also the order of the dialog's
/// controls and of the tray menu's toggles.
inline constexpr std::array<OptionRow, 12> kOptions{{
    {Option::BeepOnAdd, {L"CheckBox951_Checked", ValueForm::TrueFalse, 0}, true, OptionControlKind::CheckBox,
     kPreferencesPage, 601, L"Beep when adding new items",
     L"When this option is checked you will hear a beep everytime you copy an item to the clipboard",
     L"Beep when adding new items"},
    {Option::OnlyBitmapsOnButtons, {L"CheckBox953_Checked", ValueForm::TrueFalse, 1}, false,
     OptionControlKind::CheckBox, kPreferencesPage, 602, L"Only show bitmaps on buttons",
     L"This option will allow you to hide the text on the buttons", L"Only show bitmaps on buttons"},
    {Option::WarnLowCells, {L"CheckBox957_Checked", ValueForm::TrueFalse, 5}, true, OptionControlKind::CheckBox,
     kPreferencesPage, 603, L"Warn when low on free cells",
     L"You will get a warning message if you only have 5 free image or text cells", L"Warn when low on free cells"},
    {Option::NoTaskbar, {L"CheckBox952_Checked", ValueForm::TrueFalse, 10}, true, OptionControlKind::CheckBox,
     kPreferencesPage, 604, L"No Taskbar", L"Will hide the Kestrel taskbar from the windows taskbar", L"No Taskbar"},
    {Option::DisableCapture, {L"CheckBox954_Checked", ValueForm::TrueFalse, 2}, false, OptionControlKind::CheckBox,
     kPreferencesPage, 605, L"Disable Kestrel 99", L"This will disable Kestrel without terminating the application",
     L"Disable Kestrel"},
    {Option::ConfirmDelete, {L"CheckBox955_Checked", ValueForm::TrueFalse, 3}, true, OptionControlKind::CheckBox,
     kConfirmationPage, 606, L"Confirm when deleting",
     L"You will get a Confirmation dialogbox when you press the Delete button", L"Confirm when deleting"},
    {Option::ConfirmDeleteAll, {L"CheckBox956_Checked", ValueForm::TrueFalse, 4}, true, OptionControlKind::CheckBox,
     kConfirmationPage, 607, L"Confirm when deleting all",
     L"You will get a Confirmation dialogbox when you press the Delete All button", L"Confirm when deleting all"},
    {Option::ConfirmExit, {L"CheckBox959_Checked", ValueForm::TrueFalse, 6}, false, OptionControlKind::CheckBox,
     kConfirmationPage, 608, L"Confirm on Exit", L"You will get a Confirmation dialogbox when you press the Exit button",
     L"Confirm on exit"},
    {Option::NormalWallpaper, {L"RadioButton1_Checked", ValueForm::TrueFalse, 8}, true,
     OptionControlKind::RadioButton, kWallpaperPage, 609, L"Normal Wallpaper", L"Normal Background (Center or Stretch)",
     nullptr},
    {Option::TiledWallpaper, {L"RadioButton2_Checked", ValueForm::TrueFalse, 9}, false,
     OptionControlKind::RadioButton, kWallpaperPage, 610, L"Tiled Wallpaper", L"Tiled Background", nullptr},
    // The keys from here on are newer than the files of earlier versions:
    // they go after every older key, and a file without them gives the
    // defaults, which leave everything as it was before they existed.
    {Option::SkipRepeatedCopy, {L"SkipRepeatedCopy", ValueForm::TrueFalse, 12}, false, OptionControlKind::CheckBox,
     kQuickPastePage, 617, L"Skip repeated copies",
     L"A copied image or text that equals the newest one of its kind in the history is not added to it again",
     L"Skip a copy that equals the newest of its kind"},
    {Option::StartWithWindows, {L"StartWithWindows", ValueForm::TrueFalse, 13}, false, OptionControlKind::CheckBox,
     kQuickPastePage, 618, L"Start with Windows", L"Kestrel 99 starts by itself every time you log on to Windows",
     L"Start with Windows"},
}};

/// The wallpaper folder: a stored text beside the options, which the dialog
/// shows in a read-only field under a label and the tray menu as a line of
/// its Wallpaper submenu.
struct DirectoryRow {
  StoredKey key;
  // Ends in a backslash because the file name is appended to it unchanged.
  std::wstring_view defaultValue;
  int page;
  int controlId;
  const wchar_t* dialogCaption;  // the label above the field
  const wchar_t* hint;
};

inline constexpr DirectoryRow kWallpaperDirectoryRow{
    {L"Edit1_Text", ValueForm::Text, 7},
    L"C:\\WINDOWS\\",
    kWallpaperPage,
    611,
    L"Save wallpaper images in :",
    L"This is the directory where the wallpaper will be saved in",
};

/// The key that pops up the quick-paste list from any program, as the
/// dialog's hot key control gives it; kNoHotKey (stored as "None") turns
/// quick paste off.
struct HotKeyRow {
  StoredKey key;
  std::uint16_t defaultValue;
  int page;
  int controlId;
  const wchar_t* dialogCaption;  // the label above the hot key control
  const wchar_t* hint;
};

inline constexpr HotKeyRow kQuickPasteKeyRow{
    {L"QuickPasteKey", ValueForm::HotKey, 11},
    MakeHotKey(0xC0, kHotKeyControl),  // Ctrl and the key left of "1" (` on a US keyboard)
    kQuickPastePage,
    615,
    L"Quick paste key :",
    L"Press the keys that pop up the clipboard history in any program, to paste one of its items there",
};

/// The quick-paste key the user was last told another program holds, so
/// that he is told once per key rather than at every start; kNoHotKey while
/// he has not been told of any. A record, not an option: no control shows it.
inline constexpr StoredKey kRefusedQuickPasteKey{L"QuickPasteKeyRefused", ValueForm::HotKey, 14};

/// The keys of the options section: one per option, the folder's and the
/// two hot keys'.
inline constexpr int kStoredKeyCount = static_cast<int>(kOptions.size()) + 3;

constexpr const OptionRow& RowOf(Option option) { return kOptions[static_cast<std::size_t>(option)]; }

/// The option whose key sits at `position`; null at the other keys' positions.
constexpr const OptionRow* OptionAtKeyPosition(int position) {
  for (const OptionRow& row : kOptions) {
    if (row.key.position == position) return &row;
  }
  return nullptr;
}

namespace table_checks {

constexpr bool RowsFollowTheEnum() {
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    if (static_cast<std::size_t>(kOptions[i].option) != i) return false;
  }
  return static_cast<std::size_t>(Option::StartWithWindows) + 1 == kOptions.size();
}

// Every position is taken exactly once, by an option, the folder or a hot
// key, and each value is written in the form its reader expects.
constexpr bool KeysFillTheSection() {
  for (int position = 0; position < kStoredKeyCount; ++position) {
    int holders = kWallpaperDirectoryRow.key.position == position ? 1 : 0;
    holders += kQuickPasteKeyRow.key.position == position ? 1 : 0;
    holders += kRefusedQuickPasteKey.position == position ? 1 : 0;
    for (const OptionRow& row : kOptions) holders += row.key.position == position ? 1 : 0;
    if (holders != 1) return false;
  }
  for (const OptionRow& row : kOptions) {
    if (row.key.form != ValueForm::TrueFalse) return false;
  }
  return kWallpaperDirectoryRow.key.form == ValueForm::Text && kQuickPasteKeyRow.key.form == ValueForm::HotKey &&
         kRefusedQuickPasteKey.form == ValueForm::HotKey;
}

}  // namespace table_checks

static_assert(table_checks::RowsFollowTheEnum(), "kOptions must list every Option in enum order");
static_assert(table_checks::KeysFillTheSection(), "each position of the options section needs exactly one key");

}  // namespace settings
