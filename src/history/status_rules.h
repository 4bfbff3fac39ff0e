#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "history/cell_store.h"

namespace history {

/// What the main window's status tick looks at.
// The texts the status shows: the Edit/Save caption for each page, the main
// window's caption and the tray tips.
inline constexpr std::wstring_view kSaveCaption = L"&Save";
inline constexpr std::wstring_view kEditCaption = L"Ed&it";
inline constexpr std::wstring_view kActiveWindowCaption = L"Kestrel 99 Version 1.2  [Active]";
inline constexpr std::wstring_view kDisabledWindowCaption = L"Kestrel 99 Version 1.2  [Disabled]";
inline constexpr std::wstring_view kActiveHint = L"Kestrel 99 is ACTIVE";
inline constexpr std::wstring_view kDisabledHint = L"Kestrel 99 is DISABLED";

struct StatusInput {
  NotebookPage page = NotebookPage::Images;
  int imageCount = 0;
  int textCount = 0;
  bool onlyBitmapsOnButtons = false;
  bool disableCapture = false;
};

/// What the status tick sets. The tray part is applied in this order: give
/// the icon to be shown its hint (the one engaged optional), show it, then
/// hide the other one, so that on a change the new icon appears before the
/// old one goes.
struct StatusDecision {
  /// Delete needs a filled cell of the kind the page shows.
  bool deleteEnabled = false;
  /// Full screen views pictures only.
  bool fullscreenEnabled = false;
  /// Caption for the Edit/Save button; nullopt means leave the caption
  /// alone (the buttons show pictures only).
  std::optional<std::wstring> editSaveCaption;
  /// What Edit/Save does on this page, as a screen reader names the button
  /// whether its caption is shown or not.
  std::wstring editSaveName;
  std::wstring windowCaption;
  bool activeIconShown = false;
  bool disabledIconShown = false;
  /// Hint for the active tray icon; set only while capture is active.
  std::optional<std::wstring> activeHint;
  /// Hint for the disabled tray icon; set only while capture is disabled.
  std::optional<std::wstring> disabledHint;
};

/// The status tick's decisions for the current page, counts and options.
StatusDecision DecideStatus(const StatusInput& input);

}  // namespace history
