#include "desktop/clipboard_view_format.h"

#include <gtest/gtest.h>

#include <set>

namespace kestrel {
namespace {

using F = TClipboardViewFormat;

// A clipboard that offers exactly the given view formats.
FormatOffered Offering(std::set<F> formats) {
  return [formats](F format) { return formats.count(format) > 0; };
}

// The formats without a clipboard format of their own; a careless offered()
// that answers yes for anything must not keep them.
constexpr F kWithoutFormat[] = {F::cvDefault, F::cvEmpty, F::cvUnknown};
const FormatOffered kOffersAnything = [](F) { return true; };

TEST(ClipboardViewFormatTest, AChangeKeepsAViewFormatOnlyWhileItIsOffered) {
  EXPECT_EQ(ViewFormatAfterChange(F::cvBitmap, false, Offering({F::cvBitmap, F::cvText})), F::cvBitmap);
  EXPECT_EQ(ViewFormatAfterChange(F::cvBitmap, false, Offering({F::cvText})), F::cvDefault);
  EXPECT_EQ(ViewFormatAfterChange(F::cvIcon, false, Offering({})), F::cvDefault);
}

TEST(ClipboardViewFormatTest, AnEmptyClipboardGivesEmptyWhateverWasShown) {
  for (F format : {F::cvDefault, F::cvText, F::cvPalette, F::cvEmpty}) {
    EXPECT_EQ(ViewFormatAfterChange(format, true, kOffersAnything), F::cvEmpty) << static_cast<int>(format);
  }
}

TEST(ClipboardViewFormatTest, FormatsWithoutAClipboardFormatFallBackToDefault) {
  for (F format : kWithoutFormat) {
    EXPECT_EQ(ViewFormatAfterChange(format, false, kOffersAnything), F::cvDefault) << static_cast<int>(format);
  }
}

TEST(ClipboardViewFormatTest, SettingKeepsAnOfferedFormatAndRefusesTheRest) {
  EXPECT_EQ(ViewFormatAfterSet(F::cvDefault, F::cvBitmap, Offering({F::cvBitmap})), F::cvBitmap);
  EXPECT_EQ(ViewFormatAfterSet(F::cvDefault, F::cvBitmap, Offering({F::cvText})), F::cvDefault);
  EXPECT_EQ(ViewFormatAfterSet(F::cvText, F::cvEmpty, kOffersAnything), F::cvDefault);
  // Setting the value it already has changes nothing, offered or not.
  EXPECT_EQ(ViewFormatAfterSet(F::cvOemText, F::cvOemText, Offering({})), F::cvOemText);
}

TEST(ClipboardViewFormatTest, TheDefaultViewTakesTheFirstOfferedInItsOrder) {
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvBitmap, F::cvText, F::cvOemText})), F::cvText);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvBitmap, F::cvOemText})), F::cvOemText);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvMetafile, F::cvBitmap})), F::cvBitmap);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvPalette, F::cvMetafile})), F::cvMetafile);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvIcon, F::cvPalette})), F::cvPalette);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvComponent, F::cvIcon})), F::cvIcon);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvComponent})), F::cvComponent);
}

TEST(ClipboardViewFormatTest, NothingKnownOnTheClipboardShowsAsUnknown) {
  // The picture format is never a default choice: a picture shows as bitmap,
  // metafile or icon.
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({F::cvPicture})), F::cvUnknown);
  EXPECT_EQ(ChooseDisplayKind(F::cvDefault, Offering({})), F::cvUnknown);
}

TEST(ClipboardViewFormatTest, AChosenViewFormatIsShownOnlyWhileOffered) {
  EXPECT_EQ(ChooseDisplayKind(F::cvBitmap, Offering({F::cvText, F::cvBitmap})), F::cvBitmap);
  EXPECT_EQ(ChooseDisplayKind(F::cvBitmap, Offering({F::cvText})), F::cvUnknown);
  EXPECT_EQ(ChooseDisplayKind(F::cvEmpty, kOffersAnything), F::cvEmpty);
}

TEST(ClipboardViewFormatTest, EachKindHasItsDisplay) {
  for (F kind : {F::cvDefault, F::cvEmpty, F::cvUnknown, F::cvText, F::cvOemText}) {
    EXPECT_EQ(DisplayControlFor(kind), DisplayControl::Memo) << static_cast<int>(kind);
  }
  for (F kind : {F::cvBitmap, F::cvMetafile, F::cvPicture, F::cvIcon}) {
    EXPECT_EQ(DisplayControlFor(kind), DisplayControl::Image) << static_cast<int>(kind);
  }
  EXPECT_EQ(DisplayControlFor(F::cvComponent), DisplayControl::Component);
  EXPECT_EQ(DisplayControlFor(F::cvPalette), DisplayControl::Palette);
}

}  // namespace
}  // namespace kestrel
