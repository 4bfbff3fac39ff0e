// Which clipboard format a picture is read from.
#pragma once

#include <span>

#include "core/clipboard_formats.h"

namespace picture {

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
