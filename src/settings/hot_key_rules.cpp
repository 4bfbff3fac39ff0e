#include "settings/hot_key_rules.h"

#include <array>

namespace settings {

namespace {

constexpr std::wstring_view kNoneName = L"None";
constexpr wchar_t kJoiner = L'+';
constexpr std::wstring_view kHexPrefix = L"0x";
constexpr int kHexDigitsOfAKey = 2;

struct ModifierName {
  std::uint8_t flag;
  std::wstring_view name;
};

// In the order they are written.
constexpr std::array<ModifierName, 4> kModifierNames{{
    {kHotKeyControl, L"Ctrl"},
    {kHotKeyShift, L"Shift"},
    {kHotKeyAlt, L"Alt"},
    {kHotKeyExtended, L"Ext"},
}};

// Virtual key codes of the keys named by a range rather than one by one.
constexpr std::uint8_t kFirstDigitKey = 0x30;  // "0"
constexpr std::uint8_t kLastDigitKey = 0x39;
constexpr std::uint8_t kFirstLetterKey = 0x41;  // "A"
constexpr std::uint8_t kLastLetterKey = 0x5A;
constexpr std::uint8_t kFirstPadDigitKey = 0x60;  // "Num0"
constexpr std::uint8_t kLastPadDigitKey = 0x69;
constexpr std::uint8_t kFirstFunctionKey = 0x70;  // "F1"
constexpr std::uint8_t kLastFunctionKey = 0x87;   // "F24"
constexpr std::uint8_t kLargestKeyCode = 0xFE;
constexpr std::wstring_view kPadPrefix = L"Num";
constexpr std::wstring_view kFunctionPrefix = L"F";

struct KeyName {
  std::uint8_t virtualKey;
  std::wstring_view name;
};

// The punctuation keys are named after what they type on a US keyboard,
// which is how their virtual key codes are defined.
constexpr std::array<KeyName, 33> kKeyNames{{
    {0x08, L"Backspace"}, {0x09, L"Tab"},    {0x0D, L"Enter"},   {0x13, L"Pause"}, {0x1B, L"Esc"},
    {0x20, L"Space"},     {0x21, L"PgUp"},   {0x22, L"PgDn"},    {0x23, L"End"},   {0x24, L"Home"},
    {0x25, L"Left"},      {0x26, L"Up"},     {0x27, L"Right"},   {0x28, L"Down"},  {0x2D, L"Insert"},
    {0x2E, L"Delete"},    {0x6A, L"Num*"},   {0x6B, L"Num+"},    {0x6D, L"Num-"},  {0x6E, L"Num."},
    {0x6F, L"Num/"},      {0x91, L"ScrollLock"}, {0xBA, L";"},   {0xBB, L"="},     {0xBC, L","},
    {0xBD, L"-"},         {0xBE, L"."},      {0xBF, L"/"},       {0xC0, L"`"},     {0xDB, L"["},
    {0xDC, L"\\"},        {0xDD, L"]"},      {0xDE, L"'"},
}};

wchar_t Folded(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

int HexDigit(wchar_t c) {
  c = Folded(c);
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

// A decimal number of one or two digits within [first, last], as in "F12".
std::optional<int> SmallNumber(std::wstring_view text, int first, int last) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  if (value < first || value > last) return std::nullopt;
  return value;
}

std::wstring HexKeyCode(std::uint8_t virtualKey) {
  constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text(kHexPrefix);
  text += kDigits[virtualKey >> 4];
  text += kDigits[virtualKey & 0xF];
  return text;
}

std::wstring KeyNameOf(std::uint8_t key) {
  if ((key >= kFirstDigitKey && key <= kLastDigitKey) || (key >= kFirstLetterKey && key <= kLastLetterKey))
    return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= kFirstPadDigitKey && key <= kLastPadDigitKey)
    return std::wstring(kPadPrefix) + static_cast<wchar_t>(L'0' + key - kFirstPadDigitKey);
  if (key >= kFirstFunctionKey && key <= kLastFunctionKey)
    return std::wstring(kFunctionPrefix) + std::to_wstring(key - kFirstFunctionKey + 1);
  for (const KeyName& named : kKeyNames) {
    if (named.virtualKey == key) return std::wstring(named.name);
  }
  return HexKeyCode(key);
}

std::optional<std::uint8_t> KeyOfName(std::wstring_view name) {
  if (name.size() == 1) {
    const wchar_t c = name[0] >= L'a' && name[0] <= L'z' ? static_cast<wchar_t>(name[0] - L'a' + L'A') : name[0];
    if ((c >= kFirstDigitKey && c <= kLastDigitKey) || (c >= kFirstLetterKey && c <= kLastLetterKey))
      return static_cast<std::uint8_t>(c);
  }
  for (const KeyName& named : kKeyNames) {
    if (SameText(named.name, name)) return named.virtualKey;
  }
  if (StartsWith(name, kPadPrefix)) {
    if (const std::optional<int> digit = SmallNumber(name.substr(kPadPrefix.size()), 0, 9); digit && name.size() == 4)
      return static_cast<std::uint8_t>(kFirstPadDigitKey + *digit);
  }
  if (StartsWith(name, kFunctionPrefix)) {
    const int count = kLastFunctionKey - kFirstFunctionKey + 1;
    if (const std::optional<int> n = SmallNumber(name.substr(kFunctionPrefix.size()), 1, count))
      return static_cast<std::uint8_t>(kFirstFunctionKey + *n - 1);
  }
  if (StartsWith(name, kHexPrefix) && name.size() == kHexPrefix.size() + kHexDigitsOfAKey) {
    const int high = HexDigit(name[kHexPrefix.size()]);
    const int low = HexDigit(name[kHexPrefix.size() + 1]);
    const int code = high * 16 + low;
    if (high >= 0 && low >= 0 && code >= 1 && code <= kLargestKeyCode) return static_cast<std::uint8_t>(code);
  }
  return std::nullopt;
}

}  // namespace

std::wstring FormatHotKey(std::uint16_t hotKey) {
  const std::uint8_t key = HotKeyVirtualKey(hotKey);
  if (key == 0) return std::wstring(kNoneName);
  std::wstring text;
  for (const ModifierName& modifier : kModifierNames) {
    if (HotKeyFlags(hotKey) & modifier.flag) text += std::wstring(modifier.name) + kJoiner;
  }
  return text + KeyNameOf(key);
}

std::optional<std::uint16_t> ParseHotKey(std::wstring_view text) {
  if (SameText(text, kNoneName)) return kNoHotKey;
  std::uint8_t flags = 0;
  // Modifiers are taken from the front while one is followed by the joiner;
  // what is left is the key, so a key named with the joiner ("Num+") reads.
  for (bool found = true; found;) {
    found = false;
    for (const ModifierName& modifier : kModifierNames) {
      if (StartsWith(text, modifier.name) && text.size() > modifier.name.size() &&
          text[modifier.name.size()] == kJoiner) {
        flags |= modifier.flag;
        text.remove_prefix(modifier.name.size() + 1);
        found = true;
      }
    }
  }
  const std::optional<std::uint8_t> key = KeyOfName(text);
  if (!key) return std::nullopt;
  return MakeHotKey(*key, flags);
}

}  // namespace settings
