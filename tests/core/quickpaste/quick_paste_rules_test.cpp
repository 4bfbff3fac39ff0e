#include "quickpaste/quick_paste_rules.h"
#include "settings/hot_key_rules.h"
#include "settings/option_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quickpaste {
namespace {

using history::CellKind;

TEST(QuickPasteFilterTest, KeepsTextsHoldingEveryTypedWordInAnyCaseAnywhere) {
  const Filter filter(L"  invoice\tM\u00DCLLER ");
  EXPECT_TRUE(filter.MatchesText(L"Dear Herr M\u00FCller,\r\nthe INVOICE is attached"));
  EXPECT_TRUE(filter.MatchesText(L"first line\nsecond line\nm\u00FCllerinvoice"))
      << "words past the first line and inside other words count";
  EXPECT_FALSE(filter.MatchesText(L"the invoice for Mueller")) << "every word must be there";
  EXPECT_FALSE(filter.MatchesText(L"invoic m\u00FCller"));
  EXPECT_FALSE(filter.MatchesText(L""));

  // Cyrillic and Greek capitals meet their small letters.
  EXPECT_TRUE(Filter(L"\u041F\u0420\u0418\u0412\u0415\u0422").MatchesText(L"\u0441\u043A\u0430\u0436\u0438 "
                                                                       L"\u043F\u0440\u0438\u0432\u0435\u0442"));
  EXPECT_TRUE(Filter(L"\u03A3\u039F\u03A6\u0399\u0391").MatchesText(L"\u03C3\u03BF\u03C6\u03B9\u03B1"));

  // Repeated letters, where a jump too far would step over the match.
  EXPECT_TRUE(Filter(L"aab").MatchesText(L"aaab"));
  EXPECT_TRUE(Filter(L"abcab").MatchesText(L"abcabcab"));
  EXPECT_TRUE(Filter(L"x").MatchesText(L"x"));

  // A word at the very end of a long text is found, one that is not is not.
  std::wstring longText(1 << 20, L'a');
  longText += L"Needle";
  EXPECT_TRUE(Filter(L"needle").MatchesText(longText));
  EXPECT_FALSE(Filter(L"needles").MatchesText(longText));

  // Nothing typed, or only blanks, keeps everything.
  EXPECT_TRUE(Filter(L"").MatchesText(L"anything"));
  EXPECT_TRUE(Filter(L"  ").IsEmpty());
}

TEST(QuickPasteFilterTest, PicturesAreFoundBySizeOrAsPictures) {
  EXPECT_TRUE(Filter(L"1920x1080").MatchesPicture(1920, 1080));
  EXPECT_TRUE(Filter(L"PICTURE 1080").MatchesPicture(1920, 1080));
  EXPECT_TRUE(Filter(L"20x10").MatchesPicture(1920, 1080));
  EXPECT_FALSE(Filter(L"1080x1920").MatchesPicture(1920, 1080));
  EXPECT_FALSE(Filter(L"picture text").MatchesPicture(1920, 1080));
}

TEST(QuickPasteFilterTest, TypingOnNarrowsAndBackspaceWidens) {
  const Filter inv(L"inv");
  EXPECT_TRUE(Filter(L"invoice").Narrows(inv));
  EXPECT_TRUE(Filter(L"inv m").Narrows(inv));
  EXPECT_TRUE(Filter(L"INVOICE").Narrows(inv));
  EXPECT_TRUE(Filter(L"inv").Narrows(Filter(L"")));
  EXPECT_FALSE(Filter(L"in").Narrows(inv)) << "a backspace may bring items back";
  EXPECT_FALSE(Filter(L"").Narrows(inv));
  EXPECT_FALSE(Filter(L"m inx").Narrows(inv));
}

TEST(QuickPasteListTest, ListsFilledCellsOfBothKindsNewestFirst) {
  history::CellStore store;
  auto capture = [&store](CellKind kind) {
    store.BeginCapture(kind);
    store.AdvanceTimerFired(kind);
  };
  capture(CellKind::Text);
  capture(CellKind::Image);
  capture(CellKind::Text);
  store.BeginCapture(CellKind::Image);  // still pending, but filled
  const std::vector<Item> items = ItemsNewestFirst(store);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].kind, CellKind::Image);
  EXPECT_EQ(items[0].cell, 2);
  EXPECT_EQ(items[1].kind, CellKind::Text);
  EXPECT_EQ(items[1].cell, 2);
  EXPECT_EQ(items[2].kind, CellKind::Image);
  EXPECT_EQ(items[3].kind, CellKind::Text);
  EXPECT_EQ(items[3].cell, 1);
  store.DeleteAll();
  EXPECT_TRUE(ItemsNewestFirst(store).empty());
}

TEST(QuickPasteListTest, RowsReadAsFirstLineWithLengthOrAsPictureSize) {
  EXPECT_EQ(FirstLine(L"one\r\ntwo"), L"one");
  EXPECT_EQ(FirstLine(L"only"), L"only");
  EXPECT_EQ(LineCount(L"a\r\nb\r\nc"), 3u);
  EXPECT_EQ(TextLengthHint(12, 80), L"\u00B7 12 lines");
  EXPECT_EQ(TextLengthHint(1, 1234), L"\u00B7 1,234 characters");
  EXPECT_EQ(TextLengthHint(1, 1), L"\u00B7 1 character");
  EXPECT_EQ(PictureSizeText(1920, 1080), L"1920 \u00D7 1080");
}

TEST(QuickPasteChoosingTest, KeysMoveWithinTheRowsAndTheViewFollows) {
  constexpr int kRows = 20;
  constexpr int kPage = 8;
  int selected = MoveSelection(0, Move::Up, kRows, kPage);
  EXPECT_EQ(selected, 0);
  selected = MoveSelection(selected, Move::PageDown, kRows, kPage);
  EXPECT_EQ(selected, 7) << "a page keeps one row of the last view in sight";
  EXPECT_EQ(ScrollToShow(0, selected, kPage, kRows), 0);
  selected = MoveSelection(selected, Move::Down, kRows, kPage);
  EXPECT_EQ(ScrollToShow(0, selected, kPage, kRows), 1);
  selected = MoveSelection(selected, Move::End, kRows, kPage);
  EXPECT_EQ(selected, 19);
  EXPECT_EQ(ScrollToShow(1, selected, kPage, kRows), 12);
  EXPECT_EQ(MoveSelection(selected, Move::PageDown, kRows, kPage), 19);
  EXPECT_EQ(MoveSelection(selected, Move::Home, kRows, kPage), 0);
  EXPECT_EQ(ScrollToShow(12, 0, kPage, kRows), 0);
  EXPECT_EQ(MoveSelection(0, Move::Down, 0, kPage), -1);
  // A list shorter than the view never scrolls.
  EXPECT_EQ(ScrollToShow(5, 2, kPage, 3), 0);

  EXPECT_EQ(ShortcutRow(1, 3), 0);
  EXPECT_EQ(ShortcutRow(3, 3), 2);
  EXPECT_EQ(ShortcutRow(4, 3), std::nullopt);
  EXPECT_EQ(ShortcutRow(9, 40), 8);
  EXPECT_EQ(ShortcutRow(0, 40), std::nullopt);
}

TEST(QuickPastePlaceTest, PopupSitsBelowTheCaretInsideTheWorkArea) {
  const core::Rect work{0, 0, 1000, 700};
  EXPECT_EQ(PlacePopup({100, 200, 2, 16}, 300, 400, work), (core::Rect{100, 216, 300, 400}));
  // No room below: above the caret.
  EXPECT_EQ(PlacePopup({100, 500, 2, 16}, 300, 400, work), (core::Rect{100, 100, 300, 400}));
  // Near the right edge, and with room neither below nor above.
  EXPECT_EQ(PlacePopup({900, 300, 2, 16}, 300, 500, work), (core::Rect{700, 200, 300, 500}));
  // A second monitor left of the first.
  const core::Rect left{-1280, 0, 1280, 1024};
  EXPECT_EQ(PlacePopup({-5, 1020, 1, 1}, 300, 400, left), (core::Rect{-300, 620, 300, 400}));
}

TEST(QuickPasteKeyTest, DefaultKeyRegistersAsControlBacktickAndARefusalIsToldOnce) {
  constexpr std::uint16_t kDefaultQuickPasteKey = settings::kQuickPasteKeyRow.defaultValue;
  const HotKeyRegistration registration = ToRegistration(kDefaultQuickPasteKey);
  EXPECT_EQ(registration.virtualKey, 0xC0u);
  EXPECT_EQ(registration.modifiers, 0x4002u) << "MOD_CONTROL | MOD_NOREPEAT";
  EXPECT_EQ(ToRegistration(settings::MakeHotKey(0x51, settings::kHotKeyShift | settings::kHotKeyAlt)).modifiers,
            0x4005u);
  // The message names the key as the settings file does.
  EXPECT_EQ(settings::FormatHotKey(kDefaultQuickPasteKey), L"Ctrl+`");
  EXPECT_EQ(settings::FormatHotKey(settings::MakeHotKey(0x51, settings::kHotKeyControl | settings::kHotKeyShift)),
            L"Ctrl+Shift+Q");

  const std::wstring message = KeyTakenMessage(L"Ctrl+`");
  EXPECT_NE(message.find(L"Ctrl+`"), std::wstring::npos);
  EXPECT_NE(message.find(L"\"Quick paste\""), std::wstring::npos);
  EXPECT_TRUE(ShouldReportRefusal(kDefaultQuickPasteKey, 0));
  EXPECT_FALSE(ShouldReportRefusal(kDefaultQuickPasteKey, kDefaultQuickPasteKey));
}

}  // namespace
}  // namespace quickpaste
