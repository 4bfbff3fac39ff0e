#include "app/title_rules.h"

#include <string_view>

namespace app {

namespace {

constexpr wchar_t kExtensionDot = L'.';
// Windows accepts both separators in a path.
constexpr std::wstring_view kPathSeparators = L"\\/";

constexpr bool InRange(wchar_t c, unsigned first, unsigned last) {
  return static_cast<unsigned>(c) >= first && static_cast<unsigned>(c) <= last;
}

constexpr wchar_t Shift(wchar_t c, unsigned delta) { return static_cast<wchar_t>(static_cast<unsigned>(c) + delta); }

// Latin Extended-A pairs its capitals with the next code point, but the
// parity flips twice and a few letters have no partner.
wchar_t LowerLatinExtendedA(wchar_t c) {
  const unsigned u = static_cast<unsigned>(c);
  if (u == 0x0130) return L'i';             // capital I with dot above
  if (u == 0x0178) return wchar_t{0x00FF};  // capital Y with diaeresis
  const bool even = u % 2 == 0;
  if (InRange(c, 0x0100, 0x0137) && even) return Shift(c, 1);
  if (InRange(c, 0x0139, 0x0148) && !even) return Shift(c, 1);
  if (InRange(c, 0x014A, 0x0177) && even) return Shift(c, 1);
  if (InRange(c, 0x0179, 0x017E) && !even) return Shift(c, 1);
  return c;
}

wchar_t LowerGreek(wchar_t c) {
  const unsigned u = static_cast<unsigned>(c);
  if (u == 0x0386) return wchar_t{0x03AC};
  if (InRange(c, 0x0388, 0x038A)) return Shift(c, 0x25);
  if (u == 0x038C) return wchar_t{0x03CC};
  if (InRange(c, 0x038E, 0x038F)) return Shift(c, 0x3F);
  if (InRange(c, 0x0391, 0x03A9) && u != 0x03A2) return Shift(c, 0x20);
  return c;
}

wchar_t LowerCyrillic(wchar_t c) {
  if (InRange(c, 0x0400, 0x040F)) return Shift(c, 0x50);
  if (InRange(c, 0x0410, 0x042F)) return Shift(c, 0x20);
  return c;
}

}  // namespace

wchar_t LowerChar(wchar_t c) {
  if (InRange(c, L'A', L'Z')) return Shift(c, 0x20);
  // Latin-1 capitals, skipping the multiplication sign between them.
  if (InRange(c, 0x00C0, 0x00DE) && static_cast<unsigned>(c) != 0x00D7) return Shift(c, 0x20);
  if (InRange(c, 0x0100, 0x017F)) return LowerLatinExtendedA(c);
  if (InRange(c, 0x0386, 0x03A9)) return LowerGreek(c);
  if (InRange(c, 0x0400, 0x042F)) return LowerCyrillic(c);
  return c;
}

std::wstring TitleFromProgramPath(const std::wstring& programPath) {
  const std::size_t lastSeparator = programPath.find_last_of(kPathSeparators);
  const std::size_t nameStart = lastSeparator == std::wstring::npos ? 0 : lastSeparator + 1;
  std::wstring title = programPath.substr(nameStart);
  title = title.substr(0, title.find(kExtensionDot));
  for (std::size_t i = 1; i < title.size(); ++i) title[i] = LowerChar(title[i]);
  return title;
}

}  // namespace app
