#include "history/spoken_text_rules.h"

#include <gtest/gtest.h>

namespace history {
namespace {

TEST(SpokenTextRulesTest, PictureCellsSayTheirSizeOrThatTheyAreEmpty) {
  EXPECT_EQ(PictureCellName(3, false, 1920, 1080), L"Picture 3, 1920 by 1080");
  EXPECT_EQ(PictureCellName(55, true, 0, 0), L"Picture 55, empty");
  EXPECT_EQ(PictureCellName(4, false, 0, 0), L"Picture 4") << "a picture without a size is not empty";
}

TEST(SpokenTextRulesTest, TextCellsSayTheirFirstLineTrimmedAndCut) {
  EXPECT_EQ(TextCellName(2, L"\t hello world  \r\nmore"), L"Text 2: hello world");
  EXPECT_EQ(TextCellName(2, L"only\nLF"), L"Text 2: only");
  EXPECT_EQ(TextCellName(7, L""), L"Text 7, empty");
  EXPECT_EQ(TextCellName(7, L"   \r\nthe second line does not count"), L"Text 7, empty");
  const std::wstring name = TextCellName(1, std::wstring(kSpokenLineLength + 5, L'a'));
  EXPECT_EQ(name, L"Text 1: " + std::wstring(kSpokenLineLength, L'a') + L"\u2026");
  EXPECT_EQ(TextCellName(1, std::wstring(kSpokenLineLength, L'b')), L"Text 1: " + std::wstring(kSpokenLineLength, L'b'));
}

}  // namespace
}  // namespace history
