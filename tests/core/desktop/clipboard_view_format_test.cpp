#include "desktop/clipboard_view_format.h"

#include <gtest/gtest.h>

#include <set>

namespace desktop {
namespace {

using F = ClipboardViewFormat;

// A clipboard that offers exactly the given view formats.
FormatOffered Offering(std::set<F> formats) {
  return [formats](F format) { return formats.count(format) > 0; };
}

// The formats without a clipboard format of their own; a careless offered()
// that answers yes for anything must not keep them.
constexpr F kWithoutFormat[] = {F::Default, F::Empty, F::Unknown};
const FormatOffered kOffersAnything = [](F) { return true; };

TEST(ClipboardViewFormatTest, AChangeKeepsAViewFormatOnlyWhileItIsOffered) {
  EXPECT_EQ(ViewFormatAfterChange(F::Bitmap, false, Offering({F::Bitmap, F::Text})), F::Bitmap);
  EXPECT_EQ(ViewFormatAfterChange(F::Bitmap, false, Offering({F::Text})), F::Default);
  EXPECT_EQ(ViewFormatAfterChange(F::Icon, false, Offering({})), F::Default);
}

TEST(ClipboardViewFormatTest, AnEmptyClipboardGivesEmptyWhateverWasShown) {
  for (F format : {F::Default, F::Text, F::Palette, F::Empty}) {
    EXPECT_EQ(ViewFormatAfterChange(format, true, kOffersAnything), F::Empty) << static_cast<int>(format);
  }
}

TEST(ClipboardViewFormatTest, FormatsWithoutAClipboardFormatFallBackToDefault) {
  for (F format : kWithoutFormat) {
    EXPECT_EQ(ViewFormatAfterChange(format, false, kOffersAnything), F::Default) << static_cast<int>(format);
  }
}

TEST(ClipboardViewFormatTest, SettingKeepsAnOfferedFormatAndRefusesTheRest) {
  EXPECT_EQ(ViewFormatAfterSet(F::Default, F::Bitmap, Offering({F::Bitmap})), F::Bitmap);
  EXPECT_EQ(ViewFormatAfterSet(F::Default, F::Bitmap, Offering({F::Text})), F::Default);
  EXPECT_EQ(ViewFormatAfterSet(F::Text, F::Empty, kOffersAnything), F::Default);
  // Setting the value it already has changes nothing, offered or not.
  EXPECT_EQ(ViewFormatAfterSet(F::OemText, F::OemText, Offering({})), F::OemText);
}

TEST(ClipboardViewFormatTest, TheDefaultViewTakesTheFirstOfferedInItsOrder) {
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Bitmap, F::Text, F::OemText})), F::Text);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Bitmap, F::OemText})), F::OemText);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Metafile, F::Bitmap})), F::Bitmap);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Palette, F::Metafile})), F::Metafile);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Icon, F::Palette})), F::Palette);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Component, F::Icon})), F::Icon);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Component})), F::Component);
}

TEST(ClipboardViewFormatTest, NothingKnownOnTheClipboardShowsAsUnknown) {
  // The picture format is never a default choice: a picture shows as bitmap,
  // metafile or icon.
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({F::Picture})), F::Unknown);
  EXPECT_EQ(ChooseDisplayKind(F::Default, Offering({})), F::Unknown);
}

TEST(ClipboardViewFormatTest, AChosenViewFormatIsShownOnlyWhileOffered) {
  EXPECT_EQ(ChooseDisplayKind(F::Bitmap, Offering({F::Text, F::Bitmap})), F::Bitmap);
  EXPECT_EQ(ChooseDisplayKind(F::Bitmap, Offering({F::Text})), F::Unknown);
  EXPECT_EQ(ChooseDisplayKind(F::Empty, kOffersAnything), F::Empty);
}

TEST(ClipboardViewFormatTest, EachKindHasItsDisplay) {
  for (F kind : {F::Default, F::Empty, F::Unknown, F::Text, F::OemText}) {
    EXPECT_EQ(DisplayControlFor(kind), DisplayControl::Memo) << static_cast<int>(kind);
  }
  for (F kind : {F::Bitmap, F::Metafile, F::Picture, F::Icon}) {
    EXPECT_EQ(DisplayControlFor(kind), DisplayControl::Image) << static_cast<int>(kind);
  }
  EXPECT_EQ(DisplayControlFor(F::Component), DisplayControl::Component);
  EXPECT_EQ(DisplayControlFor(F::Palette), DisplayControl::Palette);
}

}  // namespace
}  // namespace desktop
