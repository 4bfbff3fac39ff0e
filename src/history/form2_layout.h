// Control identifiers and layout of the main window, shared with the tests
// that find its controls from outside.
#pragma once

namespace kestrel {

inline constexpr wchar_t kForm2ClassName[] = L"TForm2";
inline constexpr wchar_t kForm2DesignCaption[] = L"Kestrel 99";
inline constexpr int kForm2ClientWidth = 560;
inline constexpr int kForm2ClientHeight = 278;
inline constexpr int kForm2DesignLeft = 217;
inline constexpr int kForm2DesignTop = 155;

inline constexpr int kClipboardViewerId = 100;
inline constexpr int kProgressBar1Id = 101;
inline constexpr int kProgressBar2Id = 102;
// Memo N (1..55) has the id kMemoIdBase + N.
inline constexpr int kMemoIdBase = 1000;

// ClipboardViewer1 lies under the notebook, where its display is not seen.
inline constexpr int kViewerLeft = 232;
inline constexpr int kViewerTop = 152;
inline constexpr int kViewerWidth = 265;
inline constexpr int kViewerHeight = 25;

inline constexpr int kGaugeLeft = 0;
inline constexpr int kGauge1Top = 248;
inline constexpr int kGauge2Top = 264;
inline constexpr int kGaugeWidth = 153;
inline constexpr int kGaugeHeight = 13;

// The capture advance timers.
inline constexpr unsigned kAdvanceIntervalMs = 300;

}  // namespace kestrel
