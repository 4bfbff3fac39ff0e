// Control identifiers and layout of the main window, shared with the tests
// that find its controls from outside.
#pragma once

#include <array>
#include <cstddef>

#include "core/geometry.h"
#include "resource_ids.h"

namespace history {

inline constexpr wchar_t kMainWindowDesignCaption[] = L"Kestrel 99";
inline constexpr int kMainWindowClientWidth = 560;
inline constexpr int kMainWindowClientHeight = 278;
inline constexpr int kMainWindowDesignLeft = 217;
inline constexpr int kMainWindowDesignTop = 155;

inline constexpr int kClipboardViewerId = 100;
inline constexpr int kImageGaugeId = 101;
inline constexpr int kTextGaugeId = 102;
// Memo N (1..55) has the id kTextCellIdBase + N.
inline constexpr int kTextCellIdBase = 1000;

// Viewer lies under the notebook, where its display is not seen.
inline constexpr int kViewerLeft = 232;
inline constexpr int kViewerTop = 152;
inline constexpr int kViewerWidth = 265;
inline constexpr int kViewerHeight = 25;

inline constexpr int kGaugeLeft = 0;
inline constexpr int kImageGaugeTop = 248;
inline constexpr int kTextGaugeTop = 264;
inline constexpr int kGaugeWidth = 153;
inline constexpr int kGaugeHeight = 13;

// The capture advance timers.
inline constexpr unsigned kAdvanceIntervalMs = 300;

// The command buttons below the notebook; their ids are what other programs
// find them by.
inline constexpr int kExitButtonId = 110;
inline constexpr int kOptionsButtonId = 111;
inline constexpr int kFullScreenButtonId = 112;
inline constexpr int kSaveEditButtonId = 113;
inline constexpr int kDeleteButtonId = 114;
inline constexpr int kDeleteAllButtonId = 115;
inline constexpr int kAboutButtonId = 116;
inline constexpr int kHideButtonId = 117;
inline constexpr int kClockId = 118;

// The button row: seven buttons, one every kButtonPitch pixels.
inline constexpr int kButtonRowTop = 216;
inline constexpr int kButtonPitch = 80;
inline constexpr int kButtonWidth = 73;
inline constexpr int kButtonHeight = 25;

inline constexpr int kHideButtonLeft = 160;
inline constexpr int kHideButtonTop = 248;
inline constexpr int kHideButtonWidth = 233;
inline constexpr int kHideButtonHeight = 25;
inline constexpr int kHideButtonFontHeight = 12;

enum class CommandButton { Exit, Options, FullScreen, SaveEdit, Delete, DeleteAll, About, Hide };
inline constexpr std::size_t kCommandButtonCount = 8;

struct CommandButtonLayout {
  CommandButton button;
  int id;
  core::Rect bounds;
  int glyph;  // resource id of the button picture
  // The caption the button is created with.
  const wchar_t* designCaption;
  // The caption shown while captions are on; null where the status routine
  // decides it (Edit/Save follows the page shown).
  const wchar_t* caption;
};

constexpr core::Rect RowButton(int index) { return {index * kButtonPitch, kButtonRowTop, kButtonWidth, kButtonHeight}; }

// Every command button, in creation (and tab) order.
inline constexpr std::array<CommandButtonLayout, kCommandButtonCount> kCommandButtons{{
    {CommandButton::Exit, kExitButtonId, RowButton(0), IDB_GLYPH_EXIT, L"&Exit", L"&Exit"},
    {CommandButton::Options, kOptionsButtonId, RowButton(1), IDB_GLYPH_OPTIONS, L"&Options", L"&Options"},
    {CommandButton::FullScreen, kFullScreenButtonId, RowButton(2), IDB_GLYPH_FULLSCREEN, L"&Fullscreen",
     L"&Fullscreen"},
    {CommandButton::SaveEdit, kSaveEditButtonId, RowButton(3), IDB_GLYPH_SAVE, L"Edit/Save", nullptr},
    {CommandButton::Delete, kDeleteButtonId, RowButton(4), IDB_GLYPH_DELETE, L"&Delete", L"&Delete"},
    {CommandButton::DeleteAll, kDeleteAllButtonId, RowButton(5), IDB_GLYPH_DELETEALL, L"De&lete All", L"De&lete All"},
    {CommandButton::About, kAboutButtonId, RowButton(6), IDB_GLYPH_ABOUT, L"A&bout", L"&About"},
    {CommandButton::Hide,
     kHideButtonId,
     {kHideButtonLeft, kHideButtonTop, kHideButtonWidth, kHideButtonHeight},
     IDB_GLYPH_HIDE,
     L"&Hide Kestrel 99 v1.2",
     L"&Hide Kestrel 99"},
}};

constexpr bool ListedInEnumOrder() {
  for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
    if (static_cast<std::size_t>(kCommandButtons[i].button) != i) return false;
  }
  return true;
}
static_assert(ListedInEnumOrder(), "LayoutOf indexes the table by button");

constexpr const CommandButtonLayout& LayoutOf(CommandButton button) {
  return kCommandButtons[static_cast<std::size_t>(button)];
}

// The button with a control id, or null.
constexpr const CommandButtonLayout* FindCommandButton(int id) {
  for (const CommandButtonLayout& layout : kCommandButtons) {
    if (layout.id == id) return &layout;
  }
  return nullptr;
}

inline constexpr int kClockLeft = 408;
inline constexpr int kClockTop = 264;
inline constexpr int kClockWidth = 137;
inline constexpr int kClockHeight = 13;
inline constexpr int kClockFontHeight = 11;
inline constexpr unsigned kClockIntervalMs = 1000;

inline constexpr wchar_t kConfirmExitQuestion[] = L"Are you sure you want to exit?";
inline constexpr wchar_t kConfirmDeleteQuestion[] = L"Are you sure you want to delete?";
inline constexpr wchar_t kConfirmDeleteAllQuestion[] = L"Are you sure you want to delete all bitmaps and text items?";

}  // namespace history
