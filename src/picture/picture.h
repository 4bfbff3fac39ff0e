// A picture: a bitmap, a metafile or an icon, as the image cells and the
// clipboard viewer hold them. How a picture is stored is known only here, so
// the storage can change without touching its users.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "picture/dib_rules.h"
#include "picture/pixel_pack.h"
#include "ui/handles.h"

namespace picture {

// Shown when a picture cannot be kept for want of memory: the picture itself
// was fine, so it must not be called damaged.
inline constexpr wchar_t kNotEnoughMemoryForPicture[] = L"There is not enough memory to keep this picture.";

class ClipboardPicture;

class Picture {
 public:
  enum class Kind { Empty, Bitmap, Metafile, Icon };

  // Bitmaps larger than this are refused rather than risking the process.
  static constexpr int kMaxSide = kMaxPictureSide;
  static constexpr uint64_t kMaxBytes = kMaxPictureBytes;

  Picture() = default;
  Picture(Picture&&) = default;
  Picture& operator=(Picture&&) = default;

  // A picture of its own with the same content: windows that show a cell
  // keep a copy, so the cell may change or go while they are open. A
  // bitmap's pixels never change once taken, so the copy shares them.
  Picture Copy() const;

  Kind GetKind() const { return kind_; }
  bool IsEmpty() const { return kind_ == Kind::Empty; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The content, for writing it to a file or the clipboard. Bitmap: 32-bit
  // pixels, bottom-up, as GetDIBits gives them (empty for other kinds), a
  // copy for the caller alone. Throws UserError when there is not enough
  // memory to unpack them.
  std::vector<uint8_t> Pixels() const;
  // The same pixels without a copy: the ones held or kept raw, shared, or
  // freshly unpacked for the caller when there are none. A large picture
  // is written out from these, so it is not in memory twice. Null for other
  // kinds; throws UserError as above.
  std::shared_ptr<const std::vector<uint8_t>> SharedPixels() const;
  // Whether a bitmap's pixels are held packed, and the bytes they take.
  bool IsPacked() const { return store_ && store_->packed.has_value(); }
  size_t StoredBytes() const;
  // The metafile of a metafile picture, the icon of an icon; else null.
  HENHMETAFILE Metafile() const { return metafile_.get(); }
  HICON Icon() const { return icon_.get(); }

  // Draws the picture scaled to the target rectangle (aspect not kept).
  void Draw(HDC dc, const RECT& target) const;

  // Makes the small copy Draw shrinks through at this size now, while the
  // pixels are at hand; a picture no larger than that keeps none.
  void PrepareScaledCopy(int width, int height) const;
  // Draws the small copy stretched into `target`, never the picture itself:
  // a bitmap without a small copy draws nothing. Metafiles and icons draw
  // as they are, which costs no unpacking.
  void DrawScaledCopy(HDC dc, const RECT& target) const;

  // Keeps a bitmap's pixels unpacked until ReleaseUnpacked: the packed ones
  // unpacked, raw ones still waiting to be packed kept even once the packed
  // form replaces them. A window that draws the whole picture on every paint
  // (full screen, the save window) holds them while it is shown, instead of
  // unpacking per paint.
  void HoldUnpacked() const;
  void ReleaseUnpacked() const { held_.reset(); }
  bool HoldsUnpacked() const { return held_ != nullptr; }

  // Loads the first format the clipboard lists that a picture can be made
  // from (bitmap, metafiles, our icon format), with the clipboard's palette;
  // failing those, a PNG, decoded into a bitmap picture. COM must be
  // initialised on the calling thread for PNGs.
  // The clipboard must be open. Throws UserError when nothing can be
  // loaded or the picture is damaged, empty or too large.
  static Picture FromOpenClipboard();
  // The same, but a PNG is only copied out, compressed: a small file may
  // expand into a huge picture, and no other program should wait for the
  // clipboard while it does. ClipboardPicture::Take, called once the
  // clipboard is closed, decodes it.
  static ClipboardPicture ReadOpenClipboard();

  // A bitmap picture from a bitmap handle (copied; the handle stays the
  // caller's). Throws UserError as above.
  static Picture FromBitmap(HBITMAP bitmap, HPALETTE palette);

  // A bitmap picture that takes over 32-bit bottom-up pixels, width x height
  // of them. Throws UserError when the size is refused or does not match.
  static Picture FromPixels(int width, int height, std::vector<uint8_t> pixels);

 private:
  friend class PictureCompressor;
  // A bitmap's pixels: raw as taken, until a compressor swaps in the
  // packed form on the GUI thread. Shared by copies and by the compressor,
  // which reads `raw` meanwhile; only the GUI thread changes it, and only
  // once the compressor is done with it. The raw pixels never change once
  // taken; a window holding them keeps them past the swap.
  struct Store {
    std::shared_ptr<const std::vector<uint8_t>> raw;
    std::optional<PackedPixels> packed;
    // Handed to a compressor already: packing it twice could clear `raw`
    // under the second reader.
    bool queued = false;
  };
  // Calls use(pixels) with the 32-bit pixels, unpacking them for the call
  // only; returns false when they cannot be had.
  template <typename Use>
  bool WithPixels(Use use) const;

  static Picture FromEnhMetaFile(HENHMETAFILE metafile);
  static Picture FromMetaFilePict(HANDLE data);
  static Picture FromIconData(HANDLE data);
  static std::vector<uint8_t> CopyPngData(HANDLE data);
  static Picture FromPng(const std::vector<uint8_t>& png);
  friend class ClipboardPicture;

  Kind kind_ = Kind::Empty;
  int width_ = 0;
  int height_ = 0;
  std::shared_ptr<Store> store_;
  // The bitmap scaled to the size it was last drawn at: cells repaint often
  // (scrolling, selection) and scaling a large picture each time is slow.
  struct Scaled {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
  };
  mutable Scaled scaled_;
  mutable std::shared_ptr<const std::vector<uint8_t>> held_;
  const Scaled& ScaledTo(int width, int height) const;
  ui::unique_henhmetafile metafile_;
  ui::unique_hicon icon_;
};

// Whether two bitmap pictures show the same: the same size and the same
// pixels (unpacked for the comparison when packed). Metafiles and icons are
// never taken for one another.
bool SameContent(const Picture& a, const Picture& b);

// What Picture::ReadOpenClipboard read: a picture, or a PNG still to decode.
class ClipboardPicture {
 public:
  explicit ClipboardPicture(Picture picture) : picture_(std::move(picture)) {}
  explicit ClipboardPicture(std::vector<uint8_t> png) : png_(std::move(png)) {}

  // The picture, decoding a PNG now. Throws UserError as
  // Picture::FromOpenClipboard does.
  Picture Take();

 private:
  Picture picture_;
  std::optional<std::vector<uint8_t>> png_;
};

}  // namespace picture
