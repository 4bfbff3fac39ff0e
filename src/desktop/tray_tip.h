#pragma once

#include <cstddef>
#include <string>

namespace desktop {

/// Longest tip the notification area takes: its buffer holds 64 characters
/// including the terminating zero.
constexpr std::size_t kMaxTipChars = 63;

/// The tip shown for a tray icon hint: the text before the first '|' (all of
/// it when there is none), cut to its first kMaxTipChars characters. A cut
/// that would split a surrogate pair drops the dangling half, so the tip
/// never ends in half a character.
std::wstring ShortTip(const std::wstring& hint);

}  // namespace desktop
