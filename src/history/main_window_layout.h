// Control identifiers and layout of the main window, shared with the tests
// that find its controls from outside.
#pragma once

namespace history {

inline constexpr wchar_t kMainWindowClassName[] = L"TForm2";
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

// The command buttons below the notebook.
inline constexpr int kExitButtonId = 110;        // Exit
inline constexpr int kOptionsButtonId = 111;     // Options
inline constexpr int kFullScreenButtonId = 112;  // Fullscreen
inline constexpr int kSaveEditButtonId = 113;    // Edit/Save
inline constexpr int kDeleteButtonId = 114;      // Delete
inline constexpr int kDeleteAllButtonId = 115;   // Delete All
inline constexpr int kAboutButtonId = 116;       // About
inline constexpr int kHideButtonId = 117;        // Hide
inline constexpr int kClockId = 118;             // the clock

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

inline constexpr int kClockLeft = 408;
inline constexpr int kClockTop = 264;
inline constexpr int kClockWidth = 137;
inline constexpr int kClockHeight = 13;
inline constexpr int kClockFontHeight = 11;
inline constexpr unsigned kClockIntervalMs = 1000;

// Captions the buttons are created with; the apply step and the status
// routine replace most of them right after.
inline constexpr wchar_t kExitCaption[] = L"&Exit";
inline constexpr wchar_t kOptionsCaption[] = L"&Options";
inline constexpr wchar_t kFullscreenCaption[] = L"&Fullscreen";
inline constexpr wchar_t kEditSaveDesignCaption[] = L"Edit/Save";
inline constexpr wchar_t kDeleteCaption[] = L"&Delete";
inline constexpr wchar_t kDeleteAllCaption[] = L"De&lete All";
inline constexpr wchar_t kAboutDesignCaption[] = L"A&bout";
inline constexpr wchar_t kHideDesignCaption[] = L"&Hide Kestrel 99 v1.2";
// The run-time captions that differ from the design.
inline constexpr wchar_t kAboutCaption[] = L"&About";
inline constexpr wchar_t kHideCaption[] = L"&Hide Kestrel 99";

inline constexpr wchar_t kConfirmExitQuestion[] = L"Are you sure you want to exit?";

}  // namespace history
