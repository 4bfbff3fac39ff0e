#include "desktop/tray_tip.h"

#include <gtest/gtest.h>

#include <string>

namespace desktop {
namespace {

std::wstring Digits(std::size_t length) {
  std::wstring text;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<wchar_t>(L'0' + i % 10);
  return text;
}

TEST(ShortTipTest, LongHintIsCutToSixtyThreeCharacters) {
  const std::wstring hint = Digits(70);
  EXPECT_EQ(ShortTip(hint), hint.substr(0, 63));
  EXPECT_EQ(ShortTip(Digits(63)), Digits(63));
  EXPECT_EQ(ShortTip(Digits(64)), Digits(63));
  EXPECT_EQ(ShortTip(L"Kestrel 99 is ACTIVE"), L"Kestrel 99 is ACTIVE");
  EXPECT_EQ(ShortTip(L""), L"");
}

TEST(ShortTipTest, OnlyTheTextBeforeTheFirstBarIsShown) {
  EXPECT_EQ(ShortTip(L"Kestrel 99|long help text"), L"Kestrel 99");
  EXPECT_EQ(ShortTip(L"a|b|c"), L"a");
  EXPECT_EQ(ShortTip(L"|after"), L"");
  EXPECT_EQ(ShortTip(Digits(70) + L"|x"), Digits(63));
}

TEST(ShortTipTest, CutNeverSplitsASurrogatePair) {
  // A pair at positions 62 and 63 straddles the cut.
  const std::wstring hint = Digits(62) + L"\xD83D\xDE00" + L"tail";
  EXPECT_EQ(ShortTip(hint), Digits(62));
  // A pair that ends at the cut stays whole.
  const std::wstring fits = Digits(61) + L"\xD83D\xDE00" + L"tail";
  EXPECT_EQ(ShortTip(fits), Digits(61) + L"\xD83D\xDE00");
}

}  // namespace
}  // namespace desktop
