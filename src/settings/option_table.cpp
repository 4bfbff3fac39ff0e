#include "settings/option_table.h"

namespace settings {

namespace {

bool SameTextIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::wstring_view TrueFalseText(bool on) { return on ? kTrueText : kFalseText; }

std::optional<bool> ParseTrueFalse(std::wstring_view text) {
  if (SameTextIgnoringCase(text, kTrueText)) return true;
  if (SameTextIgnoringCase(text, kFalseText)) return false;
  return std::nullopt;
}

}  // namespace settings
