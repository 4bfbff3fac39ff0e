#include "picture/picture_rules.h"

#include <algorithm>
#include <cmath>

#include "picture/dib_rules.h"

namespace picture {

using core::ClipboardFormat;
using core::kBitmapFormat;
using core::kDibFormat;
using core::kDibV5Format;
using core::kEnhMetafileFormat;
using core::kMetafilePictFormat;

PictureReadPlan PlanPictureRead(std::span<const ClipboardFormat> listed, ClipboardFormat iconFormat,
                                ClipboardFormat pngFormat, bool bitmapAvailable) {
  // The clipboard's own order decides: a program that lists a metafile
  // before its bitmap gets a metafile picture.
  // The first DIB listed before the bitmap is what the system makes the
  // bitmap from.
  ClipboardFormat dibSource = 0;
  for (const ClipboardFormat format : listed) {
    if ((format == kDibFormat || format == kDibV5Format) && dibSource == 0) dibSource = format;
    if (format == kBitmapFormat) return {PictureSource::Bitmap, dibSource};
    if (format == kEnhMetafileFormat) return {PictureSource::EnhMetafile};
    if (format == kMetafilePictFormat) return {PictureSource::MetafilePict};
    if (iconFormat != 0 && format == iconFormat) return {PictureSource::Icon};
  }
  // The system may offer a bitmap it would convert from a DIB without
  // listing it; it is asked for directly before giving up.
  if (bitmapAvailable) return {PictureSource::Bitmap, dibSource};
  // A PNG is decoded only when nothing the system can draw is there: a
  // program that offers a bitmap too gets the same picture as before.
  if (pngFormat != 0 && std::ranges::find(listed, pngFormat) != listed.end()) return {PictureSource::Png};
  return {};
}

PictureSize ClampPictureSize(std::int64_t width, std::int64_t height) {
  constexpr std::int64_t kBytesPerPixel = 4;
  constexpr std::int64_t kMaxPixels = static_cast<std::int64_t>(kMaxPictureBytes) / kBytesPerPixel;
  std::int64_t w = std::clamp<std::int64_t>(width, 0, kMaxPictureSide);
  std::int64_t h = std::clamp<std::int64_t>(height, 0, kMaxPictureSide);
  if (w * h > kMaxPixels) {
    const double scale = std::sqrt(static_cast<double>(kMaxPixels) / static_cast<double>(w * h));
    w = std::max<std::int64_t>(1, static_cast<std::int64_t>(static_cast<double>(w) * scale));
    h = std::max<std::int64_t>(1, static_cast<std::int64_t>(static_cast<double>(h) * scale));
    // Rounding in the square root may leave a row too many.
    while (w * h > kMaxPixels) (w > h ? w : h) -= 1;
  }
  return {static_cast<int>(w), static_cast<int>(h)};
}

}  // namespace picture
