#include "picture/picture_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace picture {
namespace {

using core::ClipboardFormat;
using core::kBitmapFormat;
using core::kDibFormat;
using core::kDibV5Format;
using core::kEnhMetafileFormat;
using core::kMetafilePictFormat;
using core::kTextFormat;

// Registered formats get numbers from 0xC000 up.
constexpr ClipboardFormat kIcon = 0xC123;
constexpr ClipboardFormat kPng = 0xC0A1;
constexpr ClipboardFormat kOtherProgramsFormat = 0xC0FE;
constexpr ClipboardFormat kUnicodeText = 13;
constexpr ClipboardFormat kPalette = 9;

struct PlanCase {
  std::string label;
  std::vector<ClipboardFormat> listed;
  bool bitmapAvailable;
  PictureReadPlan expected;
};

TEST(PlanPictureReadTest, TheClipboardsOwnOrderDecidesAndTheBitmapsDibIsFound) {
  const std::vector<PlanCase> cases = {
      {"BitmapAlone", {kBitmapFormat}, true, {PictureSource::Bitmap, 0}},
      {"MetafileBeforeBitmap", {kEnhMetafileFormat, kBitmapFormat}, true, {PictureSource::EnhMetafile}},
      {"BitmapBeforeMetafile", {kBitmapFormat, kEnhMetafileFormat}, true, {PictureSource::Bitmap, 0}},
      {"OldMetafileFirst", {kTextFormat, kMetafilePictFormat, kBitmapFormat}, true, {PictureSource::MetafilePict}},
      {"OurIconAmongOthers", {kOtherProgramsFormat, kIcon, kBitmapFormat}, true, {PictureSource::Icon}},
      {"DibBeforeBitmap", {kDibFormat, kPalette, kBitmapFormat}, true, {PictureSource::Bitmap, kDibFormat}},
      {"FirstOfTwoDibs", {kDibV5Format, kDibFormat, kBitmapFormat}, true, {PictureSource::Bitmap, kDibV5Format}},
      {"DibAfterBitmapIsNotItsSource", {kBitmapFormat, kDibFormat}, true, {PictureSource::Bitmap, 0}},
      {"DibBeforeMetafile", {kDibFormat, kEnhMetafileFormat, kBitmapFormat}, true, {PictureSource::EnhMetafile}},
      {"BitmapOnlyMadeFromADib", {kUnicodeText, kDibFormat}, true, {PictureSource::Bitmap, kDibFormat}},
      {"BitmapMadeWithoutAnyDib", {kOtherProgramsFormat}, true, {PictureSource::Bitmap, 0}},
      {"TextOnly", {kUnicodeText, kTextFormat}, false, {}},
      {"DibWithoutBitmap", {kDibFormat}, false, {}},
      {"NothingListed", {}, false, {}},
      {"PngAlone", {kOtherProgramsFormat, kPng}, false, {PictureSource::Png}},
      {"PngBeforeAnything", {kPng, kDibFormat, kEnhMetafileFormat}, true, {PictureSource::EnhMetafile}},
      {"PngWithAnUnlistedBitmap", {kPng, kUnicodeText}, true, {PictureSource::Bitmap, 0}},
  };
  for (const PlanCase& c : cases) {
    const PictureReadPlan plan = PlanPictureRead(c.listed, kIcon, kPng, c.bitmapAvailable);
    EXPECT_EQ(static_cast<int>(plan.source), static_cast<int>(c.expected.source)) << c.label;
    EXPECT_EQ(plan.dibSource, c.expected.dibSource) << c.label;
  }
  // Without a registered icon or PNG format, no listed format is taken for it.
  EXPECT_EQ(PlanPictureRead(std::vector<ClipboardFormat>{0, kBitmapFormat}, 0, 0, true).source, PictureSource::Bitmap);
  EXPECT_EQ(PlanPictureRead(std::vector<ClipboardFormat>{0}, 0, 0, false).source, PictureSource::None);
}

}  // namespace
}  // namespace picture
