#include "settings/profile_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "settings/hot_key_rules.h"

namespace settings {

namespace {

constexpr std::size_t kHexPrefixLength = 2;
constexpr std::uint64_t kLargestHex = 0xFFFFFFFFu;
constexpr std::int64_t kSmallestInt = std::numeric_limits<int>::min();
constexpr std::int64_t kLargestInt = std::numeric_limits<int>::max();

bool IsBlank(wchar_t c) { return c <= L' '; }
bool IsWordSeparator(wchar_t c) { return c == L' ' || c == L'\t' || c == L','; }

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

// Digits are accumulated in 64 bits and checked against the limit after
// each one, so no text, however long, can overflow.
bool ParseHex(std::wstring_view digits, int& value) {
  std::uint64_t result = 0;
  for (wchar_t c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    result = result * 16 + static_cast<std::uint64_t>(digit);
    if (result > kLargestHex) return false;
  }
  // Eight digits are the bit pattern of the 32-bit value, so "0xFFFFFFFF"
  // gives -1 as the system's own flags would.
  value = static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(result)));
  return true;
}

bool ParseDecimal(std::wstring_view text, int& value) {
  bool negative = false;
  if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
    negative = text.front() == L'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  std::int64_t result = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    result = result * 10 + (c - L'0');
    if (result > kLargestInt + 1) return false;
  }
  if (negative) result = -result;
  if (result < kSmallestInt || result > kLargestInt) return false;
  value = static_cast<int>(result);
  return true;
}

// A stored hot key; a missing key keeps `current`, and a text that is no
// hot key gives `fallback`, so a damaged file cannot leave a strange key
// registered.
std::uint16_t ReadHotKey(ProfileStore& store, std::wstring_view section, std::wstring_view key,
                         std::uint16_t current, std::uint16_t fallback) {
  const std::wstring text = store.ReadString(section, key, FormatHotKey(current));
  return ParseHotKey(TrimBlanks(text)).value_or(fallback);
}

int WordAsInteger(const std::vector<std::wstring_view>& words, std::size_t index, int fallback) {
  return index < words.size() ? ParseInteger(words[index], fallback) : fallback;
}

std::wstring JoinedByCommas(int a, int b, int c, int d) {
  return std::to_wstring(a) + L"," + std::to_wstring(b) + L"," + std::to_wstring(c) + L"," + std::to_wstring(d);
}

int ClampedSum(int a, int b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  if (sum < kSmallestInt) return static_cast<int>(kSmallestInt);
  if (sum > kLargestInt) return static_cast<int>(kLargestInt);
  return static_cast<int>(sum);
}

}  // namespace

std::wstring_view TrimBlanks(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring SettingsFileLocation(bool windowsDirectoryWritable, std::wstring_view appDataDirectory) {
  if (windowsDirectoryWritable || appDataDirectory.empty()) return std::wstring(kSettingsFileName);
  std::wstring path(appDataDirectory);
  if (path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + std::wstring(kSettingsFolderName) + L"\\" + std::wstring(kSettingsFileName);
}

std::wstring DefaultWallpaperDirectoryFor(bool windowsDirectoryWritable, std::wstring_view appDataDirectory) {
  const std::wstring file = SettingsFileLocation(windowsDirectoryWritable, appDataDirectory);
  if (file == kSettingsFileName) return std::wstring(kWallpaperDirectoryRow.defaultValue);
  return file.substr(0, file.size() - kSettingsFileName.size());
}

int ParseInteger(std::wstring_view text, int fallback) {
  int value = 0;
  const bool hex = text.size() > kHexPrefixLength && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
  const bool parsed = hex ? ParseHex(text.substr(kHexPrefixLength), value) : ParseDecimal(text, value);
  return parsed ? value : fallback;
}

int ReadInteger(ProfileStore& store, std::wstring_view section, std::wstring_view key, int fallback) {
  return ParseInteger(store.ReadString(section, key, L""), fallback);
}

bool WriteInteger(ProfileStore& store, std::wstring_view section, std::wstring_view key, int value) {
  return store.WriteString(section, key, std::to_wstring(value));
}

std::vector<std::wstring_view> SplitWords(std::wstring_view text) {
  std::vector<std::wstring_view> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsWordSeparator(text[i])) ++i;
    const std::size_t begin = i;
    while (i < text.size() && !IsWordSeparator(text[i])) ++i;
    if (i > begin) words.push_back(text.substr(begin, i - begin));
  }
  return words;
}

std::wstring FormatMinMaxPos(const PlacementPoint& minPosition, const PlacementPoint& maxPosition) {
  return JoinedByCommas(minPosition.x, minPosition.y, maxPosition.x, maxPosition.y);
}

std::wstring FormatNormPos(const PlacementRect& normal) {
  return JoinedByCommas(normal.left, normal.top, normal.right, normal.bottom);
}

namespace {
constexpr int kBaseDpi = 96;

// The length at the other scale, rounded to the nearest (as MulDiv does),
// without overflowing for any stored number.
int Rescale(std::int64_t length, int to, int from) {
  if (from <= 0 || to <= 0) from = to = 1;
  const std::int64_t scaled = length * to;
  const std::int64_t rounded = (scaled >= 0 ? scaled + from / 2 : scaled - from / 2) / from;
  return static_cast<int>(std::clamp(rounded, kSmallestInt, kLargestInt));
}

PlacementRect Resized(const PlacementRect& rect, int to, int from) {
  const int width = Rescale(static_cast<std::int64_t>(rect.right) - rect.left, to, from);
  const int height = Rescale(static_cast<std::int64_t>(rect.bottom) - rect.top, to, from);
  return {rect.left, rect.top, ClampedSum(rect.left, width), ClampedSum(rect.top, height)};
}
}  // namespace

PlacementRect StoredNormal(const PlacementRect& normal, int dpi) { return Resized(normal, kBaseDpi, dpi); }

PlacementRect NormalFromStored(const PlacementRect& stored, int dpi) { return Resized(stored, dpi, kBaseDpi); }

PlacementLoad ReadPlacement(ProfileStore& store, std::wstring_view section, const Placement& current,
                            const WindowBounds& bounds, bool sizeable) {
  PlacementLoad load{current, false};
  Placement& placement = load.placement;
  placement.flags = ReadInteger(store, section, kFlagsKey, current.flags);
  bool stored = false;
  const std::wstring minMax = store.ReadString(section, kMinMaxPosKey, L"");
  if (!minMax.empty()) {
    const std::vector<std::wstring_view> words = SplitWords(minMax);
    placement.minPosition = {WordAsInteger(words, 0, 0), WordAsInteger(words, 1, 0)};
    placement.maxPosition = {WordAsInteger(words, 2, 0), WordAsInteger(words, 3, 0)};
    stored = true;
  }
  const std::wstring normal = store.ReadString(section, kNormPosKey, L"");
  if (!normal.empty()) {
    const std::vector<std::wstring_view> words = SplitWords(normal);
    placement.normal = {WordAsInteger(words, 0, bounds.left), WordAsInteger(words, 1, bounds.top),
                        WordAsInteger(words, 2, ClampedSum(bounds.left, bounds.width)),
                        WordAsInteger(words, 3, ClampedSum(bounds.top, bounds.height))};
    stored = true;
  }
  if (!stored) return load;
  if (!sizeable) {
    PlacementRect& rect = placement.normal;
    rect = {rect.left, rect.top, ClampedSum(rect.left, bounds.width), ClampedSum(rect.top, bounds.height)};
  }
  load.apply = placement.normal.right > placement.normal.left;
  return load;
}

WindowState StateFromShowCmd(int showCmd) {
  // The system's show commands: SHOWNORMAL, SHOW, RESTORE; SHOWMINIMIZED,
  // MINIMIZE; SHOWMAXIMIZED.
  switch (showCmd) {
    case 2:
    case 6: return WindowState::Minimized;
    case 3: return WindowState::Maximized;
    default: return WindowState::Normal;
  }
}

WindowState ReadWindowState(ProfileStore& store, std::wstring_view section) {
  return StateFromShowCmd(ReadInteger(store, section, kShowCmdKey, 0));
}

void ReadOptions(ProfileStore& store, std::wstring_view section, Settings& settings) {
  const StoredKey& folderKey = kWallpaperDirectoryRow.key;
  for (int position = 0; position < kStoredKeyCount; ++position) {
    if (position == folderKey.position) {
      const std::wstring text = store.ReadString(section, folderKey.name, settings.WallpaperDirectory());
      settings.SetWallpaperDirectory(std::wstring(TrimBlanks(text)));
    } else if (position == kQuickPasteKeyRow.key.position) {
      settings.SetQuickPasteKey(ReadHotKey(store, section, kQuickPasteKeyRow.key.name, settings.QuickPasteKey(),
                                           kQuickPasteKeyRow.defaultValue));
    } else if (position == kRefusedQuickPasteKey.position) {
      settings.SetRefusedQuickPasteKey(
          ReadHotKey(store, section, kRefusedQuickPasteKey.name, settings.RefusedQuickPasteKey(), kNoHotKey));
    } else {
      const OptionRow& row = *OptionAtKeyPosition(position);
      const std::wstring text = store.ReadString(section, row.key.name, TrueFalseText(settings.IsOn(row.option)));
      // Text that names neither value leaves the option as it is.
      if (const std::optional<bool> on = ParseTrueFalse(TrimBlanks(text))) settings.Set(row.option, *on);
    }
  }
}

bool WritePlacement(ProfileStore& store, std::wstring_view section, const Placement& placement) {
  return WriteInteger(store, section, kFlagsKey, placement.flags) &&
         WriteInteger(store, section, kShowCmdKey, placement.showCmd) &&
         store.WriteString(section, kMinMaxPosKey, FormatMinMaxPos(placement.minPosition, placement.maxPosition)) &&
         store.WriteString(section, kNormPosKey, FormatNormPos(placement.normal));
}

bool WriteOptions(ProfileStore& store, std::wstring_view section, const Settings& settings) {
  const StoredKey& folderKey = kWallpaperDirectoryRow.key;
  for (int position = 0; position < kStoredKeyCount; ++position) {
    bool written = false;
    if (position == folderKey.position) {
      written = store.WriteString(section, folderKey.name, TrimBlanks(settings.WallpaperDirectory()));
    } else if (position == kQuickPasteKeyRow.key.position) {
      written = store.WriteString(section, kQuickPasteKeyRow.key.name, FormatHotKey(settings.QuickPasteKey()));
    } else if (position == kRefusedQuickPasteKey.position) {
      written = store.WriteString(section, kRefusedQuickPasteKey.name, FormatHotKey(settings.RefusedQuickPasteKey()));
    } else {
      const OptionRow& row = *OptionAtKeyPosition(position);
      written = store.WriteString(section, row.key.name, TrueFalseText(settings.IsOn(row.option)));
    }
    if (!written) return false;
  }
  return true;
}

}  // namespace settings
