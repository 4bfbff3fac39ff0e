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

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
  Put16(out, at, value & 0xFFFF);
  Put16(out, at + 2, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmpFile(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes) {
  if (width <= 0 || height <= 0 || !pixels) return {};
  const std::uint64_t sourceRow = static_cast<std::uint64_t>(width) * kSourceBytesPerPixel;
  if (sourceRow * static_cast<std::uint64_t>(height) != pixelBytes) return {};
  // Every row of the file is padded to a whole number of 32-bit words.
  const std::uint64_t fileRow = (static_cast<std::uint64_t>(width) * kFileBytesPerPixel + 3) / 4 * 4;
  const std::uint64_t imageSize = fileRow * static_cast<std::uint64_t>(height);
  const std::uint64_t headers = kBmpFileHeaderSize + kBmpInfoHeaderSize;
  if (headers + imageSize > std::numeric_limits<std::uint32_t>::max()) return {};

  std::vector<std::uint8_t> out(static_cast<std::size_t>(headers + imageSize), 0);
  Put16(out, 0, kBmpSignature);
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, static_cast<std::uint32_t>(headers));
  Put32(out, 14, kBmpInfoHeaderSize);
  Put32(out, 18, static_cast<std::uint32_t>(width));
  Put32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up, as the source
  Put16(out, 26, 1);                                   // planes
  Put16(out, 28, kFileBitsPerPixel);
  Put32(out, 30, 0);  // BI_RGB
  Put32(out, 34, static_cast<std::uint32_t>(imageSize));
  Put32(out, 38, kPixelsPerMetre);
  Put32(out, 42, kPixelsPerMetre);

  std::uint8_t* target = out.data() + headers;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* source = pixels + sourceRow * static_cast<std::uint64_t>(y);
    std::uint8_t* row = target + fileRow * static_cast<std::uint64_t>(y);
    for (int x = 0; x < width; ++x) {
      row[x * kFileBytesPerPixel] = source[x * kSourceBytesPerPixel];
      row[x * kFileBytesPerPixel + 1] = source[x * kSourceBytesPerPixel + 1];
      row[x * kFileBytesPerPixel + 2] = source[x * kSourceBytesPerPixel + 2];
    }
  }
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
