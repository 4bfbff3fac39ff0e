#include "quickpaste/quick_paste_rules.h"

#include "settings/hot_key_rules.h"

#include <algorithm>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define KESTREL_QUICK_PASTE_SSE2 1
#endif

namespace quickpaste {

namespace {

using history::CellKind;

constexpr wchar_t kPictureWord[] = L"picture";
constexpr wchar_t kTimesSign = L'\u00D7';
constexpr wchar_t kMiddleDot = L'\u00B7';
constexpr std::size_t kSkipTableMask = 0xFF;

// RegisterHotKey's modifier flags.
constexpr unsigned kModAlt = 0x0001;
constexpr unsigned kModControl = 0x0002;
constexpr unsigned kModShift = 0x0004;
constexpr unsigned kModNoRepeat = 0x4000;

constexpr bool InRange(wchar_t c, wchar_t first, wchar_t last) { return c >= first && c <= last; }

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\u00A0'; }

// Letters whose capital and small forms alternate (even capital, odd small,
// or the other way round for `oddCapitals`).
wchar_t FoldAlternating(wchar_t c, bool oddCapitals) {
  const bool isCapital = ((c & 1) != 0) == oddCapitals;
  return isCapital ? static_cast<wchar_t>(c + 1) : c;
}

}  // namespace

wchar_t FoldBeyondAscii(wchar_t c) {
  if (InRange(c, L'\u00C0', L'\u00DE') && c != L'\u00D7') return static_cast<wchar_t>(c + 0x20);
  if (InRange(c, L'\u0100', L'\u0137')) return FoldAlternating(c, false);
  if (InRange(c, L'\u0139', L'\u0148')) return FoldAlternating(c, true);
  if (InRange(c, L'\u014A', L'\u0177')) return FoldAlternating(c, false);
  if (c == L'\u0178') return L'\u00FF';
  if (InRange(c, L'\u0179', L'\u017E')) return FoldAlternating(c, true);
  if (InRange(c, L'\u0391', L'\u03AB') && c != L'\u03A2') return static_cast<wchar_t>(c + 0x20);
  if (InRange(c, L'\u0400', L'\u040F')) return static_cast<wchar_t>(c + 0x50);
  if (InRange(c, L'\u0410', L'\u042F')) return static_cast<wchar_t>(c + 0x20);
  return c;
}

namespace {

std::vector<std::wstring_view> SplitWords(std::wstring_view typed) {
  std::vector<std::wstring_view> words;
  std::size_t i = 0;
  while (i < typed.size()) {
    while (i < typed.size() && IsBlank(typed[i])) ++i;
    const std::size_t start = i;
    while (i < typed.size() && !IsBlank(typed[i])) ++i;
    if (i > start) words.push_back(typed.substr(start, i - start));
  }
  return words;
}

std::wstring WithThousands(std::size_t n) {
  std::wstring digits = std::to_wstring(n);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, L',');
  return digits;
}

#ifdef KESTREL_QUICK_PASTE_SSE2
// Setting the 0x20 bit folds an ASCII capital to its small letter. For a
// word character that has the bit already (small letters, digits, most
// punctuation), every text character folding to it also has it set after
// the OR, so the OR is a safe first test that can be run eight at a time.
constexpr bool OrFoldable(wchar_t c) { return c < 0x80 && (c | 0x20) == c; }

bool MatchesAt(const wchar_t* start, const std::wstring& word) {
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (FoldCase(start[i]) != word[i]) return false;
  }
  return true;
}

// Compares the word's first and last characters with eight text positions at
// once and checks the whole word only where both agree. Returns how many
// leading positions it searched, or nothing when it found the word there.
std::optional<std::size_t> FindEightAtATime(std::wstring_view text, const std::wstring& word) {
  constexpr std::size_t kLanes = 8;
  const std::size_t length = word.size();
  const __m128i bit = _mm_set1_epi16(0x20);
  const __m128i first = _mm_set1_epi16(static_cast<short>(word.front()));
  const __m128i last = _mm_set1_epi16(static_cast<short>(word.back()));
  const wchar_t* const chars = text.data();
  std::size_t at = 0;
  for (; at + length - 1 + kLanes <= text.size(); at += kLanes) {
    const __m128i heads = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + at)), bit);
    const __m128i tails =
        _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(chars + at + length - 1)), bit);
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(heads, first), _mm_cmpeq_epi16(tails, last))));
    while (mask != 0) {
      // Two mask bits per 16-bit lane.
      unsigned lane = 0;
      while (((mask >> (2 * lane)) & 3u) == 0) ++lane;
      if (MatchesAt(chars + at + lane, word)) return std::nullopt;
      mask &= ~(3u << (2 * lane));
    }
  }
  return at;
}
#endif

}  // namespace

std::vector<Item> ItemsNewestFirst(const history::CellStore& store) {
  std::vector<Item> items;
  for (CellKind kind : {CellKind::Image, CellKind::Text}) {
    for (int n = 1; n <= store.FilledCells(kind); ++n) items.push_back(Item{kind, n, store.CaptureOrder(kind, n)});
  }
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.order > b.order; });
  return items;
}

FoldedWord::FoldedWord(std::wstring_view word) {
  word_.reserve(word.size());
  for (wchar_t c : word) word_.push_back(FoldCase(c));
  // Horspool's table: a text character that is not in the word (but its
  // last place) lets the search jump the word's whole length.
  const std::size_t length = word_.size();
  skip_.fill(length == 0 ? 1 : length);
  for (std::size_t i = 0; i + 1 < length; ++i) {
    std::size_t& jump = skip_[static_cast<std::size_t>(word_[i]) & kSkipTableMask];
    jump = std::min(jump, length - 1 - i);
  }
}

bool FoldedWord::FoundIn(std::wstring_view text) const {
  const std::size_t length = word_.size();
  if (length == 0) return true;
  if (text.size() < length) return false;
  std::size_t from = 0;
#ifdef KESTREL_QUICK_PASTE_SSE2
  // Eight 16-bit characters to a register: where wchar_t is wider, only
  // the search below runs.
  if (sizeof(wchar_t) == 2 && OrFoldable(word_.front()) && OrFoldable(word_.back())) {
    const std::optional<std::size_t> searched = FindEightAtATime(text, word_);
    if (!searched) return true;
    from = *searched;
  }
#endif
  // Horspool's search over what is left: folding each character it looks at.
  const wchar_t* const word = word_.data();
  const wchar_t* const chars = text.data();
  const std::size_t size = text.size();
  const wchar_t last = word[length - 1];
  for (std::size_t end = from + length - 1; end < size;) {
    const wchar_t c = FoldCase(chars[end]);
    if (c == last) {
      const wchar_t* const start = chars + end + 1 - length;
      std::size_t i = length - 1;
      while (i > 0 && FoldCase(start[i - 1]) == word[i - 1]) --i;
      if (i == 0) return true;
    }
    end += skip_[static_cast<std::size_t>(c) & kSkipTableMask];
  }
  return false;
}

Filter::Filter(std::wstring_view typed) : typed_(typed) {
  for (std::wstring_view word : SplitWords(typed)) words_.emplace_back(word);
}

bool Filter::MatchesText(std::wstring_view text) const {
  return std::all_of(words_.begin(), words_.end(), [text](const FoldedWord& word) { return word.FoundIn(text); });
}

bool Filter::MatchesPicture(int width, int height) const {
  const std::wstring size = PictureSearchText(width, height);
  return std::all_of(words_.begin(), words_.end(), [&size](const FoldedWord& word) {
    return word.FoundIn(size) || word.FoundIn(kPictureWord);
  });
}

bool Filter::Narrows(const Filter& wider) const {
  // Whatever holds one of our words holds every part of it too.
  return std::all_of(wider.words_.begin(), wider.words_.end(), [this](const FoldedWord& old) {
    return std::any_of(words_.begin(), words_.end(),
                       [&old](const FoldedWord& word) { return old.FoundIn(word.Text()); });
  });
}

std::wstring_view FirstLine(std::wstring_view text) {
  const std::size_t end = text.find_first_of(L"\r\n");
  return end == std::wstring_view::npos ? text : text.substr(0, end);
}

std::size_t LineCount(std::wstring_view text) {
  return 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n'));
}

std::wstring TextLengthHint(std::size_t lines, std::size_t characters) {
  std::wstring hint{kMiddleDot, L' '};
  if (lines > 1) return hint + WithThousands(lines) + L" lines";
  return hint + WithThousands(characters) + (characters == 1 ? L" character" : L" characters");
}

std::wstring PictureSizeText(int width, int height) {
  return std::to_wstring(width) + L' ' + kTimesSign + L' ' + std::to_wstring(height);
}

std::wstring PictureSearchText(int width, int height) {
  return std::to_wstring(width) + L'x' + std::to_wstring(height);
}

int MoveSelection(int current, Move move, int count, int pageRows) {
  if (count <= 0) return -1;
  const int page = std::max(pageRows - 1, 1);
  int next = current;
  switch (move) {
    case Move::Up: next = current - 1; break;
    case Move::Down: next = current + 1; break;
    case Move::PageUp: next = current - page; break;
    case Move::PageDown: next = current + page; break;
    case Move::Home: next = 0; break;
    case Move::End: next = count - 1; break;
  }
  return std::clamp(next, 0, count - 1);
}

std::optional<int> ShortcutRow(int digit, int count) {
  constexpr int kShortcutRows = 9;
  if (digit < 1 || digit > kShortcutRows || digit > count) return std::nullopt;
  return digit - 1;
}

int ScrollToShow(int top, int selected, int visibleRows, int count) {
  const int rows = std::max(visibleRows, 1);
  const int lastTop = std::max(count - rows, 0);
  if (selected < top) top = selected;
  if (selected >= top + rows) top = selected - rows + 1;
  return std::clamp(top, 0, lastTop);
}

core::Rect PlacePopup(const core::Rect& anchor, int width, int height, const core::Rect& workArea) {
  int top = anchor.Bottom();
  if (top + height > workArea.Bottom() && anchor.top - height >= workArea.top) top = anchor.top - height;
  const int left = std::clamp(anchor.left, workArea.left, std::max(workArea.Right() - width, workArea.left));
  top = std::clamp(top, workArea.top, std::max(workArea.Bottom() - height, workArea.top));
  return core::Rect{left, top, width, height};
}

HotKeyRegistration ToRegistration(std::uint16_t key) {
  const unsigned flags = settings::HotKeyFlags(key);
  unsigned modifiers = kModNoRepeat;
  if (flags & settings::kHotKeyShift) modifiers |= kModShift;
  if (flags & settings::kHotKeyControl) modifiers |= kModControl;
  if (flags & settings::kHotKeyAlt) modifiers |= kModAlt;
  return HotKeyRegistration{modifiers, settings::HotKeyVirtualKey(key)};
}

std::wstring KeyTakenMessage(std::wstring_view keyText) {
  const std::wstring key(keyText);
  return L"The quick paste key " + key +
         L" is used by another program, so it cannot open the quick paste.\n\n"
         L"Choose another key in Options, on the page \"Quick paste\". Until then the quick paste opens from the "
         L"tray menu.";
}

bool ShouldReportRefusal(std::uint16_t key, std::uint16_t reportedBefore) { return key != reportedBefore; }

}  // namespace quickpaste
