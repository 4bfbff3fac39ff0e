// Layout of the options dialog: where its controls sit, and the ids and
// texts of the controls that show no option (the option controls take
// theirs from kOptions). Shared with the tests that find the controls.
#pragma once

#include <array>

#include "settings/option_table.h"

namespace settings {

inline constexpr wchar_t kOptionsCaption[] = L"Options";
// Wide enough for the four page tabs side by side, with no scroll arrows.
inline constexpr int kOptionsClientWidth = 324;
inline constexpr int kOptionsClientHeight = 301;
inline constexpr int kOptionsNotebookHeight = 265;

inline constexpr std::array<const wchar_t*, kOptionsPageCount> kOptionsPageCaptions{
    L"Preferences", L"Confirmation", L"Wallpaper", L"Quick paste"};

// Control ids, by which the dialog tells its controls apart and tests and
// other programs find them.
inline constexpr int kBrowseButtonId = 612;
inline constexpr int kOkButtonId = 613;
inline constexpr int kWallpaperLabelId = 614;
inline constexpr int kQuickPasteKeyLabelId = 616;
// The hint label of page P has the id kHintLabelIdBase + P.
inline constexpr int kHintLabelIdBase = 620;

inline constexpr int kOptionLeft = 16;
inline constexpr int kOptionWidth = 222;
inline constexpr int kOptionHeight = 20;

// Where each option's control sits on its page, in the order of kOptions.
struct OptionPlace {
  Option option;
  int top;
};

inline constexpr std::array<OptionPlace, kOptions.size()> kOptionPlaces{{
    {Option::BeepOnAdd, 24},
    {Option::OnlyBitmapsOnButtons, 56},
    {Option::WarnLowCells, 88},
    {Option::NoTaskbar, 120},
    {Option::DisableCapture, 160},
    {Option::ConfirmDelete, 24},
    {Option::ConfirmDeleteAll, 56},
    {Option::ConfirmExit, 88},
    {Option::NormalWallpaper, 96},
    {Option::TiledWallpaper, 128},
    {Option::SkipRepeatedCopy, 96},
    {Option::StartWithWindows, 128},
}};

constexpr bool PlacesFollowTheRows() {
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    if (kOptionPlaces[i].option != kOptions[i].option) return false;
  }
  return true;
}
static_assert(PlacesFollowTheRows(), "kOptionPlaces must follow kOptions");

// The wallpaper folder: a label, the read-only field under it and the
// browse button at the field's right.
inline constexpr int kWallpaperLabelTop = 24;
inline constexpr int kWallpaperLabelHeight = 18;
inline constexpr int kWallpaperDirectoryTop = 48;
inline constexpr int kWallpaperDirectoryWidth = 194;
inline constexpr int kFieldHeight = 22;
inline constexpr int kBrowseButtonLeft = kOptionLeft + kWallpaperDirectoryWidth + 4;
inline constexpr int kBrowseButtonSide = 22;
// The picture-only browse button's name for screen readers.
inline constexpr wchar_t kBrowseName[] = L"Browse for the wallpaper folder";
inline constexpr wchar_t kBrowseHint[] = L"When you press this button you will get a BrowseDialog";

// The quick-paste key: a label and the hot key field under it, where the
// wallpaper page has its folder.
inline constexpr int kQuickPasteKeyLabelTop = kWallpaperLabelTop;
inline constexpr int kQuickPasteKeyTop = kWallpaperDirectoryTop;
inline constexpr int kQuickPasteKeyWidth = 160;

// Every page: a picture in the top-right corner and, at its foot, a
// bevelled area holding the hint.
inline constexpr int kPagePictureSide = 32;
inline constexpr int kPagePictureMargin = 8;
inline constexpr int kHintAreaWidth = 298;
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
