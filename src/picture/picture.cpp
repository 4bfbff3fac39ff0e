#include "picture/picture.h"

#include <cstring>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "picture/picture_formats.h"
#include "core/clipboard_formats.h"
#include "picture/dib_rules.h"
#include "picture/picture_rules.h"
#include "picture/png_decoder.h"
#include "ui/window.h"

namespace picture {

static_assert(core::kBitmapFormat == CF_BITMAP && core::kMetafilePictFormat == CF_METAFILEPICT &&
              core::kDibFormat == CF_DIB && core::kEnhMetafileFormat == CF_ENHMETAFILE &&
              core::kDibV5Format == CF_DIBV5);

namespace {

constexpr wchar_t kInvalidFormat[] = L"Invalid clipboard format";
constexpr wchar_t kUnreadablePicture[] =
    L"The picture on the clipboard could not be read. It is damaged, empty or too large to keep.";
constexpr wchar_t kNoMemoryForPicture[] = L"There is not enough memory to keep this picture.";
constexpr int kBitsPerPixel = 32;
constexpr int kBytesPerPixel = 4;
// Metafile frames are in 0.01 mm; this many make one inch.
constexpr int kHimetricPerInch = 2540;

BITMAPINFOHEADER PixelHeader(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = kBitsPerPixel;
  header.biCompression = BI_RGB;
  return header;
}

void Refuse() { throw ui::UserError(kUnreadablePicture); }

// The picture of a sound DIB whose pixels are plain 24- or 32-bit colours,
// read straight from the block: one pass, where the system would first make
// a bitmap of it for GetDIBits to read back. Nothing for what only the
// system converts (colour tables that are used, masks, compression, the old
// core header); the reserved byte comes out 0, as GetDIBits gives it.
std::optional<Picture> PlainDibPicture(const BYTE* block, SIZE_T size) {
  constexpr int kTrueColourBits = 24;
  constexpr int kRowAlignBytes = 4;
  BITMAPINFOHEADER header{};
  if (size < sizeof(header)) return std::nullopt;
  std::memcpy(&header, block, sizeof(header));
  const int bits = header.biBitCount;
  if (header.biSize < sizeof(header) || header.biCompression != BI_RGB ||
      (bits != kTrueColourBits && bits != kBitsPerPixel)) {
    return std::nullopt;
  }
  const int width = header.biWidth;
  const bool topDown = header.biHeight < 0;
  const int height = topDown ? -header.biHeight : header.biHeight;
  const int sourceBytesPerPixel = bits / 8;
  // Above 8 bits a colour table is only a hint for palette devices; the
  // pixels follow it.
  const uint64_t offset = uint64_t{header.biSize} + uint64_t{header.biClrUsed} * sizeof(RGBQUAD);
  const uint64_t stride =
      (static_cast<uint64_t>(width) * sourceBytesPerPixel + kRowAlignBytes - 1) / kRowAlignBytes * kRowAlignBytes;
  if (offset + stride * static_cast<uint64_t>(height) > size) return std::nullopt;
  std::vector<uint8_t> pixels;
  try {
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * kBytesPerPixel);
  } catch (const std::bad_alloc&) {
    Refuse();
  }
  uint8_t* target = pixels.data();
  for (int y = 0; y < height; ++y) {
    const BYTE* source = block + offset + stride * static_cast<uint64_t>(topDown ? height - 1 - y : y);
    for (int x = 0; x < width; ++x, source += sourceBytesPerPixel, target += kBytesPerPixel) {
      target[0] = source[0];
      target[1] = source[1];
      target[2] = source[2];
      target[3] = 0;
    }
  }
  return Picture::FromPixels(width, height, std::move(pixels));
}

// CF_BITMAP from the open clipboard; dibSource is the DIB format it is made
// from, or 0 when the bitmap was put there as a bitmap. A DIB that fails
// DibIsSound is refused before the system is asked to convert it.
Picture BitmapFromOpenClipboard(UINT dibSource, HPALETTE palette) {
  if (dibSource != 0) {
    const ui::GlobalLockGuard<const BYTE> block(GetClipboardData(dibSource));
    if (!block || !DibIsSound(block.get(), block.size())) Refuse();
    if (std::optional<Picture> plain = PlainDibPicture(block.get(), block.size())) return std::move(*plain);
  }
  return Picture::FromBitmap(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)), palette);
}

}  // namespace

Picture Picture::FromBitmap(HBITMAP bitmap, HPALETTE palette) {
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) == 0) Refuse();
  const int width = info.bmWidth;
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) Refuse();
  const uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * kBytesPerPixel;
  if (bytes > kMaxBytes) Refuse();

  std::vector<uint8_t> pixels;
  try {
    pixels.resize(static_cast<size_t>(bytes));
  } catch (const std::bad_alloc&) {
    throw ui::UserError(kNotEnoughMemoryForPicture);
  }
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  const ui::PaletteGuard selected(dc.get(), palette);
  BITMAPINFO bmi{};
  bmi.bmiHeader = PixelHeader(width, height);
  const int lines = GetDIBits(dc.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &bmi, DIB_RGB_COLORS);
  if (lines != height) Refuse();
  return FromPixels(width, height, std::move(pixels));
}

Picture Picture::FromPixels(int width, int height, std::vector<uint8_t> pixels) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) Refuse();
  const uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * kBytesPerPixel;
  if (bytes > kMaxBytes || pixels.size() != bytes) Refuse();
  Picture picture;
  try {
    picture.store_ = std::make_shared<Store>();
    picture.store_->raw = std::make_shared<const std::vector<uint8_t>>(std::move(pixels));
  } catch (const std::bad_alloc&) {
    throw ui::UserError(kNotEnoughMemoryForPicture);
  }
  picture.kind_ = Kind::Bitmap;
  picture.width_ = width;
  picture.height_ = height;
  return picture;
}

std::vector<uint8_t> Picture::CopyPngData(HANDLE data) {
  const ui::GlobalLockGuard<const BYTE> bytes(data);
  if (!bytes) Refuse();
  try {
    return std::vector<uint8_t>(bytes.get(), bytes.get() + bytes.size());
  } catch (const std::bad_alloc&) {
    throw ui::UserError(kNoMemoryForPicture);
  }
}

Picture Picture::FromPng(const std::vector<uint8_t>& png) {
  DecodedImage image;
  const DecodeResult result = DecodePng(png.data(), png.size(), image);
  if (result == DecodeResult::OutOfMemory) throw ui::UserError(kNoMemoryForPicture);
  if (result != DecodeResult::Decoded) Refuse();
  return FromPixels(image.width, image.height, std::move(image.pixels));
}

Picture Picture::Copy() const {
  Picture copy;
  copy.kind_ = kind_;
  copy.width_ = width_;
  copy.height_ = height_;
  copy.store_ = store_;
  if (metafile_) copy.metafile_.reset(CopyEnhMetaFileW(metafile_.get(), nullptr));
  if (icon_) copy.icon_.reset(CopyIcon(icon_.get()));
  // A copy the system could not make is no picture at all, not half of one.
  if ((metafile_ && !copy.metafile_) || (icon_ && !copy.icon_)) return Picture{};
  return copy;
}

Picture Picture::FromEnhMetaFile(HENHMETAFILE metafile) {
  ui::unique_henhmetafile copy(metafile ? CopyEnhMetaFileW(metafile, nullptr) : nullptr);
  if (!copy) Refuse();
  ENHMETAHEADER header{};
  GetEnhMetaFileHeader(copy.get(), sizeof(header), &header);
  // The bounds are the writer's word: reversed or vast ones must not reach
  // the arithmetic of drawing the picture for export.
  const PictureSize size =
      ClampPictureSize(int64_t{header.rclBounds.right} - header.rclBounds.left + 1,
                       int64_t{header.rclBounds.bottom} - header.rclBounds.top + 1);
  Picture picture;
  picture.kind_ = Kind::Metafile;
  picture.width_ = size.width;
  picture.height_ = size.height;
  picture.metafile_ = std::move(copy);
  return picture;
}

Picture Picture::FromMetaFilePict(HANDLE data) {
  METAFILEPICT copy{};
  {
    const ui::GlobalLockGuard<const METAFILEPICT> pict(data);
    if (!pict || pict.count() < 1) Refuse();
    copy = *pict.get();
  }
  const UINT size = copy.hMF ? GetMetaFileBitsEx(copy.hMF, 0, nullptr) : 0;
  if (size == 0) Refuse();
  std::vector<BYTE> bits(size);
  GetMetaFileBitsEx(copy.hMF, size, bits.data());
  ui::unique_henhmetafile converted(SetWinMetaFileBits(size, bits.data(), nullptr, &copy));
  if (!converted) Refuse();
  Picture picture = FromEnhMetaFile(converted.get());
  if (copy.xExt > 0 && copy.yExt > 0) {
    ui::WindowDC screen(nullptr);
    // Rounded as MulDiv rounds, without its overflow into -1.
    const auto pixels = [&](LONG extent, int axis) {
      return (int64_t{extent} * GetDeviceCaps(screen.get(), axis) + kHimetricPerInch / 2) / kHimetricPerInch;
    };
    const PictureSize size = ClampPictureSize(pixels(copy.xExt, LOGPIXELSX), pixels(copy.yExt, LOGPIXELSY));
    picture.width_ = size.width;
    picture.height_ = size.height;
  }
  return picture;
}

Picture Picture::FromIconData(HANDLE data) {
  // Our icon format carries an icon file image; the first image is used.
  ui::unique_hicon icon;
  {
    const ui::GlobalLockGuard<const BYTE> bytes(data);
    if (!bytes) Refuse();
    const SIZE_T size = bytes.size();
    constexpr SIZE_T kDirectorySize = 6;
    constexpr SIZE_T kEntrySize = 16;
    constexpr DWORD kIconVersion = 0x00030000;
    if (size >= kDirectorySize + kEntrySize) {
      const DWORD imageSize = *reinterpret_cast<const DWORD*>(bytes.get() + kDirectorySize + 8);
      const DWORD offset = *reinterpret_cast<const DWORD*>(bytes.get() + kDirectorySize + 12);
      if (offset < size && imageSize > 0 && imageSize <= size - offset) {
        icon.reset(CreateIconFromResourceEx(const_cast<BYTE*>(bytes.get() + offset), imageSize, TRUE, kIconVersion, 0,
                                            0, LR_DEFAULTCOLOR));
      }
    }
  }
  if (!icon) Refuse();
  Picture picture;
  picture.icon_ = std::move(icon);
  picture.kind_ = Kind::Icon;
  if (const ui::IconInfo info(picture.icon_.get()); info) {
    BITMAP mask{};
    GetObjectW(info.Mask(), sizeof(mask), &mask);
    picture.width_ = mask.bmWidth;
    picture.height_ = info.Colour() ? mask.bmHeight : mask.bmHeight / 2;
  }
  return picture;
}

Picture ClipboardPicture::Take() {
  if (!png_) return std::move(picture_);
  const std::vector<uint8_t> png = std::move(*png_);
  png_.reset();
  return Picture::FromPng(png);
}

Picture Picture::FromOpenClipboard() { return ReadOpenClipboard().Take(); }

ClipboardPicture Picture::ReadOpenClipboard() {
  const UINT iconFormat = picture::IconFormat();
  HPALETTE palette =
      IsClipboardFormatAvailable(CF_PALETTE) ? static_cast<HPALETTE>(GetClipboardData(CF_PALETTE)) : nullptr;
  std::vector<core::ClipboardFormat> listed;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    listed.push_back(format);
  }
  const PictureReadPlan plan =
      PlanPictureRead(listed, iconFormat, picture::PngFormat(), IsClipboardFormatAvailable(CF_BITMAP) != FALSE);
  switch (plan.source) {
    case PictureSource::Bitmap: return ClipboardPicture(BitmapFromOpenClipboard(plan.dibSource, palette));
    case PictureSource::EnhMetafile:
      return ClipboardPicture(FromEnhMetaFile(static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE))));
    case PictureSource::MetafilePict: return ClipboardPicture(FromMetaFilePict(GetClipboardData(CF_METAFILEPICT)));
    case PictureSource::Icon: return ClipboardPicture(FromIconData(GetClipboardData(iconFormat)));
    case PictureSource::Png: return ClipboardPicture(CopyPngData(GetClipboardData(picture::PngFormat())));
    case PictureSource::None: break;
  }
  throw ui::UserError(kInvalidFormat);
}

template <typename Use>
bool Picture::WithPixels(Use use) const {
  if (!store_) return false;
  if (held_) {
    use(*held_);
    return true;
  }
  if (!store_->packed) {
    if (!store_->raw) return false;
    use(*store_->raw);
    return true;
  }
  std::vector<uint8_t> unpacked;
  try {
    unpacked = UnpackPixels(*store_->packed);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (unpacked.empty()) return false;
  use(unpacked);
  return true;
}

void Picture::HoldUnpacked() const {
  if (held_ || !store_) return;
  // Raw pixels are kept by sharing them: packing may finish while the
  // window is up, and must not leave it unpacking per paint.
  if (!store_->packed) {
    held_ = store_->raw;
    return;
  }
  try {
    std::vector<uint8_t> unpacked = UnpackPixels(*store_->packed);
    // Short of memory, the window simply unpacks per paint as before.
    if (!unpacked.empty()) held_ = std::make_shared<const std::vector<uint8_t>>(std::move(unpacked));
  } catch (const std::bad_alloc&) {
  }
}

std::shared_ptr<const std::vector<uint8_t>> Picture::SharedPixels() const {
  if (held_) return held_;
  if (!store_) return nullptr;
  if (!store_->packed) return store_->raw;
  try {
    std::vector<uint8_t> unpacked = UnpackPixels(*store_->packed);
    if (unpacked.empty()) throw ui::UserError(kNotEnoughMemoryForPicture);
    return std::make_shared<const std::vector<uint8_t>>(std::move(unpacked));
  } catch (const std::bad_alloc&) {
    throw ui::UserError(kNotEnoughMemoryForPicture);
  }
}

std::vector<uint8_t> Picture::Pixels() const {
  try {
    const std::shared_ptr<const std::vector<uint8_t>> pixels = SharedPixels();
    if (!pixels) return {};
    return *pixels;
  } catch (const std::bad_alloc&) {
    throw ui::UserError(kNotEnoughMemoryForPicture);
  }
}

size_t Picture::StoredBytes() const {
  if (!store_) return 0;
  if (store_->packed) return store_->packed->data.size();
  return store_->raw ? store_->raw->size() : 0;
}

const Picture::Scaled& Picture::ScaledTo(int width, int height) const {
  if (scaled_.width == width && scaled_.height == height) return scaled_;
  BITMAPINFO bmi{};
  bmi.bmiHeader = PixelHeader(width, height);
  void* bits = nullptr;
  ui::unique_hbitmap section(CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  scaled_ = Scaled{};
  if (!section || !dc || !bits) return scaled_;
  {
    ui::SelectGuard select(dc.get(), section.get());
    BITMAPINFO source{};
    source.bmiHeader = PixelHeader(width_, height_);
    SetStretchBltMode(dc.get(), HALFTONE);
    SetBrushOrgEx(dc.get(), 0, 0, nullptr);
    const bool drawn = WithPixels([&](const std::vector<uint8_t>& pixels) {
      StretchDIBits(dc.get(), 0, 0, width, height, 0, 0, width_, height_, pixels.data(), &source, DIB_RGB_COLORS,
                    SRCCOPY);
    });
    GdiFlush();
    if (!drawn) return scaled_;
  }
  const auto* first = static_cast<const uint8_t*>(bits);
  scaled_.pixels.assign(first, first + static_cast<size_t>(width) * static_cast<size_t>(height) * kBytesPerPixel);
  scaled_.width = width;
  scaled_.height = height;
  return scaled_;
}

void Picture::PrepareScaledCopy(int width, int height) const {
  if (kind_ == Kind::Bitmap && width > 0 && height > 0 && (width < width_ || height < height_)) ScaledTo(width, height);
}

void Picture::DrawScaledCopy(HDC dc, const RECT& target) const {
  if (kind_ != Kind::Bitmap) {
    Draw(dc, target);
    return;
  }
  if (scaled_.pixels.empty()) return;
  BITMAPINFO bmi{};
  bmi.bmiHeader = PixelHeader(scaled_.width, scaled_.height);
  ui::StretchModeGuard halftone(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchDIBits(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, 0, 0,
                scaled_.width, scaled_.height, scaled_.pixels.data(), &bmi, DIB_RGB_COLORS, SRCCOPY);
}

bool SameContent(const Picture& a, const Picture& b) {
  if (a.GetKind() != b.GetKind() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
  if (a.GetKind() != Picture::Kind::Bitmap) return a.IsEmpty();
  const std::shared_ptr<const std::vector<uint8_t>> left = a.SharedPixels();
  const std::shared_ptr<const std::vector<uint8_t>> right = b.SharedPixels();
  return left && right && (left == right || *left == *right);
}

void Picture::Draw(HDC dc, const RECT& target) const {
  const int width = target.right - target.left;
  const int height = target.bottom - target.top;
  switch (kind_) {
    case Kind::Bitmap: {
      if (width <= 0 || height <= 0) break;
      // Shrinking goes through the cached copy; drawing at full size or
      // larger uses the picture itself.
      const bool shrink = width < width_ || height < height_;
      const Scaled* scaled = shrink ? &ScaledTo(width, height) : nullptr;
      const bool useScaled = scaled && scaled->width == width;
      BITMAPINFO bmi{};
      bmi.bmiHeader = useScaled ? PixelHeader(width, height) : PixelHeader(width_, height_);
      ui::StretchModeGuard halftone(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      if (useScaled) {
        SetDIBitsToDevice(dc, target.left, target.top, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                          static_cast<UINT>(height), scaled->pixels.data(), &bmi, DIB_RGB_COLORS);
      } else {
        WithPixels([&](const std::vector<uint8_t>& pixels) {
          StretchDIBits(dc, target.left, target.top, width, height, 0, 0, width_, height_, pixels.data(), &bmi,
                        DIB_RGB_COLORS, SRCCOPY);
        });
      }
      break;
    }
    case Kind::Metafile: PlayEnhMetaFile(dc, metafile_.get(), &target); break;
    case Kind::Icon: DrawIconEx(dc, target.left, target.top, icon_.get(), width, height, 0, nullptr, DI_NORMAL); break;
    case Kind::Empty: break;
  }
}

}  // namespace picture
