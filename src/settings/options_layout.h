// Layout, control identifiers and hint texts of the options dialog, shared
// with the tests that find its controls and read its hints.
#pragma once

#include <array>

#include "settings/settings.h"

namespace settings {

inline constexpr wchar_t kOptionsCaption[] = L"Options";
inline constexpr int kOptionsClientWidth = 291;
inline constexpr int kOptionsClientHeight = 301;
inline constexpr int kOptionsNotebookHeight = 265;

// Notebook pages, in tab order.
inline constexpr int kPreferencesPage = 0;
inline constexpr int kConfirmationPage = 1;
inline constexpr int kWallpaperPage = 2;
inline constexpr int kOptionsPageCount = 3;
inline constexpr std::array<const wchar_t*, kOptionsPageCount> kOptionsPageCaptions{
    L"Preferences", L"Confirmation", L"Wallpaper"};

// Control ids, by which the dialog tells its controls apart and tests and
// other programs find them.
inline constexpr int kWallpaperDirectoryId = 611;
inline constexpr int kBrowseButtonId = 612;
inline constexpr int kOkButtonId = 613;
inline constexpr int kWallpaperLabelId = 614;
// The hint label of page P has the id kHintLabelIdBase + P.
inline constexpr int kHintLabelIdBase = 620;

enum class OptionControlKind { CheckBox, RadioButton };

// One check box or radio button: the option it shows, where it sits and
// the hint shown while the mouse is over it.
struct OptionControlLayout {
  Option option;
  OptionControlKind kind;
  int page;
  int id;
  int top;
  const wchar_t* caption;
  const wchar_t* hint;
};

inline constexpr int kOptionLeft = 16;
inline constexpr int kOptionWidth = 222;
inline constexpr int kOptionHeight = 20;

inline constexpr std::array<OptionControlLayout, 10> kOptionControls{{
    {Option::BeepOnAdd, OptionControlKind::CheckBox, kPreferencesPage, 601, 24, L"Beep when adding new items",
     L"When this option is checked you will hear a beep everytime you copy an item to the clipboard"},
    {Option::OnlyBitmapsOnButtons, OptionControlKind::CheckBox, kPreferencesPage, 602, 56,
     L"Only show bitmaps on buttons", L"This option will allow you to hide the text on the buttons"},
    {Option::WarnLowCells, OptionControlKind::CheckBox, kPreferencesPage, 603, 88, L"Warn when low on free cells",
     L"You will get a warning message if you only have 5 free image or text cells"},
    {Option::NoTaskbar, OptionControlKind::CheckBox, kPreferencesPage, 604, 120, L"No Taskbar",
     L"Will hide the Kestrel taskbar from the windows taskbar"},
    {Option::DisableCapture, OptionControlKind::CheckBox, kPreferencesPage, 605, 160, L"Disable Kestrel 99",
     L"This will disable Kestrel without terminating the application"},
    {Option::ConfirmDelete, OptionControlKind::CheckBox, kConfirmationPage, 606, 24, L"Confirm when deleting",
     L"You will get a Confirmation dialogbox when you press the Delete button"},
    {Option::ConfirmDeleteAll, OptionControlKind::CheckBox, kConfirmationPage, 607, 56, L"Confirm when deleting all",
     L"You will get a Confirmation dialogbox when you press the Delete All button"},
    {Option::ConfirmExit, OptionControlKind::CheckBox, kConfirmationPage, 608, 88, L"Confirm on Exit",
     L"You will get a Confirmation dialogbox when you press the Exit button"},
    {Option::NormalWallpaper, OptionControlKind::RadioButton, kWallpaperPage, 609, 96, L"Normal Wallpaper",
     L"Normal Background (Center or Stretch)"},
    {Option::TiledWallpaper, OptionControlKind::RadioButton, kWallpaperPage, 610, 128, L"Tiled Wallpaper",
     L"Tiled Background"},
}};

// The wallpaper folder: a label, the read-only field under it and the
// browse button at the field's right.
inline constexpr wchar_t kWallpaperLabelCaption[] = L"Save wallpaper images in :";
inline constexpr int kWallpaperLabelTop = 24;
inline constexpr int kWallpaperLabelHeight = 18;
inline constexpr int kWallpaperDirectoryTop = 48;
inline constexpr int kWallpaperDirectoryWidth = 194;
inline constexpr int kFieldHeight = 22;
inline constexpr int kBrowseButtonLeft = kOptionLeft + kWallpaperDirectoryWidth + 4;
inline constexpr int kBrowseButtonSide = 22;
inline constexpr wchar_t kWallpaperDirectoryHint[] = L"This is the directory where the wallpaper will be saved in";
inline constexpr wchar_t kBrowseHint[] = L"When you press this button you will get a BrowseDialog";

// Every page: a picture in the top-right corner and, at its foot, a
// bevelled area holding the hint.
inline constexpr int kPagePictureSide = 32;
inline constexpr int kPagePictureMargin = 8;
inline constexpr int kHintAreaWidth = 265;
inline constexpr int kHintAreaHeight = 42;
inline constexpr int kHintAreaBottomMargin = 8;
// Three lines of hint fill the area, so only the bevel is kept clear above
// and below them.
inline constexpr int kHintPaddingX = 4;
inline constexpr int kHintPaddingY = 1;

// "&OK", the dialog's only button, below the notebook at the right.
inline constexpr wchar_t kOkCaption[] = L"&OK";
inline constexpr int kOkButtonWidth = 81;
inline constexpr int kOkButtonHeight = 25;
inline constexpr int kOkButtonRightMargin = 8;

}  // namespace settings
