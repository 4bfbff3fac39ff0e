// A hot key as the system's hot key control gives it (the virtual key in the
// low byte, the modifier flags in the high byte) and its readable form in
// the settings file, such as "Ctrl+`", "Ctrl+Shift+F5" or "None".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// The modifier flags of the high byte, with the values the hot key control
// uses for them.
inline constexpr std::uint8_t kHotKeyShift = 0x01;
inline constexpr std::uint8_t kHotKeyControl = 0x02;
inline constexpr std::uint8_t kHotKeyAlt = 0x04;
// The key is one of the keyboard's extended keys (the arrows beside the
// number pad rather than the pad's own, for instance).
inline constexpr std::uint8_t kHotKeyExtended = 0x08;

// No key at all: what the control gives once the user has cleared it.
inline constexpr std::uint16_t kNoHotKey = 0;

constexpr std::uint16_t MakeHotKey(std::uint8_t virtualKey, std::uint8_t flags) {
  return static_cast<std::uint16_t>(flags << 8 | virtualKey);
}
constexpr std::uint8_t HotKeyVirtualKey(std::uint16_t hotKey) { return static_cast<std::uint8_t>(hotKey & 0xFF); }
constexpr std::uint8_t HotKeyFlags(std::uint16_t hotKey) { return static_cast<std::uint8_t>(hotKey >> 8); }

// The readable form: the modifiers each followed by "+", in the order Ctrl,
// Shift, Alt, Ext, then the key's name ("A", "F5", "`", "Num+", "PgUp"...),
// or its virtual key code in hexadecimal ("0x5D") when it has no name here.
// "None" for kNoHotKey.
std::wstring FormatHotKey(std::uint16_t hotKey);

// Reads the readable form back, without regard to letter case. None for a
// text that is not one: an unknown modifier or key name, a key code outside
// 1..0xFE, or modifiers without a key.
std::optional<std::uint16_t> ParseHotKey(std::wstring_view text);

}  // namespace settings
