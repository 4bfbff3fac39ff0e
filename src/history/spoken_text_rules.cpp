#include "history/spoken_text_rules.h"

namespace history {

namespace {
constexpr std::wstring_view kBlanks = L" \t";
constexpr std::wstring_view kLineBreaks = L"\r\n";
constexpr std::wstring_view kCut = L"\u2026";  // an ellipsis says the line goes on
}  // namespace

std::wstring PictureCellName(int n, bool empty, int width, int height) {
  std::wstring name = L"Picture " + std::to_wstring(n);
  if (empty) return name + L", empty";
  if (width <= 0 || height <= 0) return name;
  return name + L", " + std::to_wstring(width) + L" by " + std::to_wstring(height);
}

std::wstring TextCellName(int n, std::wstring_view text) {
  std::wstring_view line = text.substr(0, text.find_first_of(kLineBreaks));
  const std::size_t first = line.find_first_not_of(kBlanks);
  const std::wstring name = L"Text " + std::to_wstring(n);
  if (first == std::wstring_view::npos) return name + L", empty";
  line = line.substr(first, line.find_last_not_of(kBlanks) + 1 - first);
  if (line.size() <= kSpokenLineLength) return name + L": " + std::wstring(line);
  return name + L": " + std::wstring(line.substr(0, kSpokenLineLength)) + std::wstring(kCut);
}

std::wstring GaugeValue(int count, int maximum) { return std::to_wstring(count) + L" of " + std::to_wstring(maximum); }

}  // namespace history
