#include "picture/bmp_file.h"

#include <algorithm>
#include <limits>

namespace picture {

namespace {

constexpr std::uint16_t kBmpSignature = 0x4D42;  // "BM"
constexpr int kSourceBytesPerPixel = 4;
constexpr int kFileBytesPerPixel = 3;
constexpr std::uint16_t kFileBitsPerPixel = 24;
// About 96 dpi, the screen's usual resolution, in pixels per metre.
constexpr std::int32_t kPixelsPerMetre = 3780;

void Put16(std::uint8_t* out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value & 0xFFFF);
  Put16(out, at + 2, value >> 16);
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) { Put16(out.data(), at, value); }
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) { Put32(out.data(), at, value); }

// Every row of the file is padded to a whole number of 32-bit words.
std::uint64_t FileRowBytes(int width) {
  return (static_cast<std::uint64_t>(width) * kFileBytesPerPixel + 3) / 4 * 4;
}

}  // namespace

std::size_t BmpEncodedSize(int width, int height, std::size_t pixelBytes, BmpPart part) {
  if (width <= 0 || height <= 0) return 0;
  const std::uint64_t sourceRow = static_cast<std::uint64_t>(width) * kSourceBytesPerPixel;
  if (sourceRow * static_cast<std::uint64_t>(height) != pixelBytes) return 0;
  const std::uint64_t imageSize = FileRowBytes(width) * static_cast<std::uint64_t>(height);
  const std::uint64_t headers = kBmpFileHeaderSize + kBmpInfoHeaderSize;
  // The file's sizes are 32-bit, and so must the whole file be.
  if (headers + imageSize > std::numeric_limits<std::uint32_t>::max()) return 0;
  const std::uint64_t size = headers + imageSize - (part == BmpPart::Dib ? kBmpFileHeaderSize : 0);
  if (size > std::numeric_limits<std::size_t>::max()) return 0;
  return static_cast<std::size_t>(size);
}

bool EncodeBmpInto(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes, BmpPart part,
                   std::uint8_t* out, std::size_t outBytes) {
  const std::size_t size = BmpEncodedSize(width, height, pixelBytes, part);
  if (size == 0 || !pixels || !out || outBytes != size) return false;
  const std::uint64_t sourceRow = static_cast<std::uint64_t>(width) * kSourceBytesPerPixel;
  const std::uint64_t fileRow = FileRowBytes(width);
  const std::uint64_t imageSize = fileRow * static_cast<std::uint64_t>(height);
  const std::uint64_t headers = kBmpFileHeaderSize + kBmpInfoHeaderSize;
  std::fill(out, out + size, std::uint8_t{0});
  if (part == BmpPart::File) {
    Put16(out, 0, kBmpSignature);
    Put32(out, 2, static_cast<std::uint32_t>(size));
    Put32(out, 10, static_cast<std::uint32_t>(headers));
  }
  std::uint8_t* info = part == BmpPart::File ? out + kBmpFileHeaderSize : out;
  Put32(info, 0, kBmpInfoHeaderSize);
  Put32(info, 4, static_cast<std::uint32_t>(width));
  Put32(info, 8, static_cast<std::uint32_t>(height));  // positive: bottom-up, as the source
  Put16(info, 12, 1);                                  // planes
  Put16(info, 14, kFileBitsPerPixel);
  Put32(info, 16, 0);  // BI_RGB
  Put32(info, 20, static_cast<std::uint32_t>(imageSize));
  Put32(info, 24, kPixelsPerMetre);
  Put32(info, 28, kPixelsPerMetre);

  std::uint8_t* target = info + kBmpInfoHeaderSize;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* source = pixels + sourceRow * static_cast<std::uint64_t>(y);
    std::uint8_t* row = target + fileRow * static_cast<std::uint64_t>(y);
    for (int x = 0; x < width; ++x) {
      row[x * kFileBytesPerPixel] = source[x * kSourceBytesPerPixel];
      row[x * kFileBytesPerPixel + 1] = source[x * kSourceBytesPerPixel + 1];
      row[x * kFileBytesPerPixel + 2] = source[x * kSourceBytesPerPixel + 2];
    }
  }
  return true;
}

std::vector<std::uint8_t> EncodeBmpFile(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes) {
  const std::size_t size = pixels ? BmpEncodedSize(width, height, pixelBytes, BmpPart::File) : 0;
  if (size == 0) return {};
  std::vector<std::uint8_t> out(size);
  EncodeBmpInto(width, height, pixels, pixelBytes, BmpPart::File, out.data(), out.size());
  return out;
}

}  // namespace picture

namespace picture {

std::vector<std::uint8_t> EncodeIconFile(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes,
                                         const std::uint8_t* mask, std::size_t maskBytes) {
  constexpr std::size_t kDirectorySize = 6;
  constexpr std::size_t kEntrySize = 16;
  constexpr int kLargestIconSide = 256;  // an icon directory stores 1..256
  constexpr std::uint16_t kIconType = 1;
  constexpr std::uint16_t kBitsPerPixel = 32;
  if (width <= 0 || height <= 0 || width > kLargestIconSide || height > kLargestIconSide || !pixels || !mask) {
    return {};
  }
  const std::size_t colourBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
  const std::size_t andBytes = MaskRowBytes(width) * static_cast<std::size_t>(height);
  if (pixelBytes != colourBytes || maskBytes != andBytes) return {};

  const std::size_t imageOffset = kDirectorySize + kEntrySize;
  const std::size_t imageSize = kBmpInfoHeaderSize + colourBytes + andBytes;
  std::vector<std::uint8_t> out(imageOffset + imageSize, 0);
  Put16(out, 2, kIconType);
  Put16(out, 4, 1);  // one image
  out[6] = static_cast<std::uint8_t>(width == kLargestIconSide ? 0 : width);
  out[7] = static_cast<std::uint8_t>(height == kLargestIconSide ? 0 : height);
  Put16(out, 10, 1);  // planes
  Put16(out, 12, kBitsPerPixel);
  Put32(out, 14, static_cast<std::uint32_t>(imageSize));
  Put32(out, 18, static_cast<std::uint32_t>(imageOffset));
  // The image's header counts the colour and the mask rows together.
  const std::size_t header = imageOffset;
  Put32(out, header, kBmpInfoHeaderSize);
  Put32(out, header + 4, static_cast<std::uint32_t>(width));
  Put32(out, header + 8, static_cast<std::uint32_t>(height) * 2);
  Put16(out, header + 12, 1);
  Put16(out, header + 14, kBitsPerPixel);
  Put32(out, header + 20, static_cast<std::uint32_t>(colourBytes + andBytes));
  std::copy(pixels, pixels + colourBytes, out.begin() + static_cast<std::ptrdiff_t>(header + kBmpInfoHeaderSize));
  std::copy(mask, mask + andBytes,
            out.begin() + static_cast<std::ptrdiff_t>(header + kBmpInfoHeaderSize + colourBytes));
  return out;
}

}  // namespace picture
