// The rules of the quick paste: which cells it lists and in what order, how
// the typed filter narrows them, how the selection moves, where the popup
// goes, and how its key is written and registered.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/geometry.h"
#include "history/cell_store.h"

namespace quickpaste {

// ---- The list --------------------------------------------------------------

// One row of the popup: a filled cell of either kind.
struct Item {
  history::CellKind kind = history::CellKind::Text;
  int cell = 0;
  std::uint64_t order = 0;

  friend bool operator==(const Item&, const Item&) = default;
};

// Every filled cell of both kinds, the newest capture first.
std::vector<Item> ItemsNewestFirst(const history::CellStore& store);

// ---- Search as you type ----------------------------------------------------

// The character as the search compares it: lower case for the Latin, Greek
// and Cyrillic letters, every other character as it is. Written out here
// rather than asked of the C library, whose answer depends on its locale.
// ASCII, nearly every character a search passes over, is folded inline.
wchar_t FoldBeyondAscii(wchar_t c);
inline wchar_t FoldCase(wchar_t c) {
  if (c >= 0x80) return FoldBeyondAscii(c);
  return static_cast<unsigned>(c - L'A') < 26u ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

// A word searched for anywhere in a text, whatever the case. The word is
// folded once; the text is folded one character at a time as the search
// passes over it, so a text of megabytes is neither copied nor lowered.
class FoldedWord {
 public:
  explicit FoldedWord(std::wstring_view word);
  bool FoundIn(std::wstring_view text) const;
  const std::wstring& Text() const { return word_; }

 private:
  std::wstring word_;
  // How far the search may jump when the text character under the word's
  // last place is c (indexed by the folded character's low byte; characters
  // sharing a byte take the shortest jump of them, which is always safe).
  std::array<std::size_t, 256> skip_{};
};

// What the user typed into the filter field: its words, split on blanks.
// An item is kept when it holds every word.
class Filter {
 public:
  explicit Filter(std::wstring_view typed = {});

  bool IsEmpty() const { return words_.empty(); }
  bool MatchesText(std::wstring_view text) const;
  // A picture is found by its size ("1920x1080", or a part of it) or by
  // the word "picture".
  bool MatchesPicture(int width, int height) const;
  // Whether every item this filter keeps is also kept by `wider`: typing on
  // only narrows, so the items the last filter dropped need no new look.
  bool Narrows(const Filter& wider) const;

 private:
  std::vector<FoldedWord> words_;
  std::wstring typed_;
};

// ---- How a row reads -------------------------------------------------------

// The text up to its first line break.
std::wstring_view FirstLine(std::wstring_view text);
// The number of lines of a text (a text without a line break has one).
std::size_t LineCount(std::wstring_view text);
// The hint shown after a text's first line: its lines when it has more than
// one ("· 12 lines"), its length otherwise ("· 40 characters").
std::wstring TextLengthHint(std::size_t lines, std::size_t characters);
// A picture's size as its row shows it: "1920 × 1080".
std::wstring PictureSizeText(int width, int height);
// The same as the filter finds it: "1920x1080".
std::wstring PictureSearchText(int width, int height);

// ---- Choosing ----------------------------------------------------------------

enum class Move { Up, Down, PageUp, PageDown, Home, End };

// The row selected after a move key, among `count` rows of which
// `pageRows` are seen at once; -1 when there are no rows.
int MoveSelection(int current, Move move, int count, int pageRows);
// The row Ctrl+digit chooses (digit 1..9 for the first nine rows shown);
// nothing when there is no such row.
std::optional<int> ShortcutRow(int digit, int count);
// The first row to show so that `selected` is in view, moving the view as
// little as it can from `top`.
int ScrollToShow(int top, int selected, int visibleRows, int count);

// ---- Where the popup goes ----------------------------------------------------

// The popup's place: just below `anchor` (the caret, or a point at the
// mouse), above it when there is no room below, and always inside the work
// area of the monitor the anchor is on.
core::Rect PlacePopup(const core::Rect& anchor, int width, int height, const core::Rect& workArea);

// ---- The key -----------------------------------------------------------------

// RegisterHotKey's view of a key: MOD_ flags (MOD_NOREPEAT included, so a
// key held down opens the popup once) and the virtual-key code.
struct HotKeyRegistration {
  unsigned modifiers = 0;
  unsigned virtualKey = 0;

  friend bool operator==(const HotKeyRegistration&, const HotKeyRegistration&) = default;
};
// The key as the settings keep it (settings/hot_key_rules.h), for
// RegisterHotKey.
HotKeyRegistration ToRegistration(std::uint16_t key);
// What the user is told when another program holds the key, named as the
// settings file names it (settings::FormatHotKey).
std::wstring KeyTakenMessage(std::wstring_view keyText);
// Whether to say so: once for a refused key, not at every start.
bool ShouldReportRefusal(std::uint16_t key, std::uint16_t reportedBefore);

}  // namespace quickpaste
