// Which clipboard format a picture is read from.
#pragma once

#include <cstdint>
#include <span>

#include "core/clipboard_formats.h"

namespace picture {

struct PictureSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// A size that another program's header gives (a metafile's bounds, its
// frame in screen pixels) within the picture limits of dib_rules: each side
// 0..kMaxPictureSide, and the 32-bit pixels of the whole at most
// kMaxPictureBytes, both sides shrunk alike. Drawing it for export then
// allocates no more than any picture may.
PictureSize ClampPictureSize(std::int64_t width, std::int64_t height);

enum class PictureSource { None, Bitmap, EnhMetafile, MetafilePict, Icon, Png };

struct PictureReadPlan {
  PictureSource source = PictureSource::None;
  // For a bitmap: the DIB format the system makes it from, which must pass
  // DibIsSound before the bitmap is asked for; 0 when the bitmap was put on
  // the clipboard as a bitmap.
  core::ClipboardFormat dibSource = 0;

  friend bool operator==(const PictureReadPlan&, const PictureReadPlan&) = default;
};

// `listed` holds the formats in the clipboard's own order, `iconFormat` our
// registered icon format and `pngFormat` the registered PNG format (either 0
// if it could not be registered), and `bitmapAvailable` whether the system
// would hand out a bitmap at all.
PictureReadPlan PlanPictureRead(std::span<const core::ClipboardFormat> listed, core::ClipboardFormat iconFormat,
                                core::ClipboardFormat pngFormat, bool bitmapAvailable);

}  // namespace picture
