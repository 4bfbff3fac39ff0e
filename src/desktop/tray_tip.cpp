#include "desktop/tray_tip.h"

namespace desktop {

namespace {

constexpr wchar_t kTipSeparator = L'|';

constexpr bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

std::wstring ShortTip(const std::wstring& hint) {
  std::wstring tip = hint.substr(0, hint.find(kTipSeparator));
  if (tip.size() > kMaxTipChars) {
    tip.resize(kMaxTipChars);
    // With 16-bit wchar_t a pair straddling the cut would leave an
    // unpaired high surrogate, which the shell shows as garbage.
    if (IsHighSurrogate(tip.back())) tip.pop_back();
  }
  return tip;
}

}  // namespace desktop
