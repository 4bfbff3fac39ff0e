// A picture: a bitmap, a metafile or an icon, as the image cells and the
// clipboard viewer hold them. How a picture is stored is known only here, so
// the storage can change without touching its users.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "core/dib_rules.h"
#include "ui/handles.h"

namespace ui {

class Picture {
 public:
  enum class Kind { Empty, Bitmap, Metafile, Icon };

  // Bitmaps larger than this are refused rather than risking the process.
  static constexpr int kMaxSide = core::kMaxPictureSide;
  static constexpr uint64_t kMaxBytes = core::kMaxPictureBytes;

  Picture() = default;
  Picture(Picture&&) = default;
  Picture& operator=(Picture&&) = default;

  // A picture of its own with the same content: windows that show a cell
  // keep a copy, so the cell may change or go while they are open.
  Picture Copy() const;

  Kind GetKind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The content, for writing it to a file or the clipboard. Bitmap: 32-bit
  // pixels, bottom-up, as GetDIBits gives them (empty for other kinds).
  const std::vector<uint8_t>& Pixels() const { return pixels_; }
  // The metafile of a metafile picture, the icon of an icon; else null.
  HENHMETAFILE Metafile() const { return metafile_.get(); }
  HICON Icon() const { return icon_.get(); }

  // Draws the picture scaled to the target rectangle (aspect not kept).
  void Draw(HDC dc, const RECT& target) const;

  // Loads the first format the clipboard lists that a picture can be made
  // from (bitmap, metafiles, our icon format), with the clipboard's palette;
  // failing those, a PNG, decoded into a bitmap picture. COM must be
  // initialised on the calling thread for PNGs.
  // The clipboard must be open. Throws UserError when nothing can be
  // loaded or the picture is damaged, empty or too large.
  static Picture FromOpenClipboard();

  // A bitmap picture from a bitmap handle (copied; the handle stays the
  // caller's). Throws UserError as above.
  static Picture FromBitmap(HBITMAP bitmap, HPALETTE palette);

  // A bitmap picture that takes over 32-bit bottom-up pixels, width x height
  // of them. Throws UserError when the size is refused or does not match.
  static Picture FromPixels(int width, int height, std::vector<uint8_t> pixels);

 private:
  static Picture FromEnhMetaFile(HENHMETAFILE metafile);
  static Picture FromMetaFilePict(HANDLE data);
  static Picture FromIconData(HANDLE data);
  static Picture FromPngData(HANDLE data);

  Kind kind_ = Kind::Empty;
  int width_ = 0;
  int height_ = 0;
  // Bitmap: 32-bit bottom-up pixels, as GetDIBits gives them.
  std::vector<uint8_t> pixels_;
  // The bitmap scaled to the size it was last drawn at: cells repaint often
  // (scrolling, selection) and scaling a large picture each time is slow.
  struct Scaled {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
  };
  mutable Scaled scaled_;
  const Scaled& ScaledTo(int width, int height) const;
  unique_henhmetafile metafile_;
  unique_hicon icon_;
};

}  // namespace ui
