#include "picture/dib_rules.h"

#include <optional>

namespace picture {

namespace {

// Header sizes: the old core header, the info header, the info header with
// colour masks (V2, V3), and the V4 and V5 headers.
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV2HeaderSize = 52;
constexpr std::uint32_t kV3HeaderSize = 56;
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;

// Field offsets of the core header (16-bit fields) and of the info header
// and its successors, which share its first 40 bytes.
constexpr std::size_t kCoreWidth = 4;
constexpr std::size_t kCoreHeight = 6;
constexpr std::size_t kCorePlanes = 8;
constexpr std::size_t kCoreBitCount = 10;
constexpr std::size_t kInfoWidth = 4;
constexpr std::size_t kInfoHeight = 8;
constexpr std::size_t kInfoPlanes = 12;
constexpr std::size_t kInfoBitCount = 14;
constexpr std::size_t kInfoCompression = 16;
constexpr std::size_t kInfoSizeImage = 20;
constexpr std::size_t kInfoColoursUsed = 32;

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitfields = 3;

constexpr std::uint64_t kCoreTableEntryBytes = 3;
constexpr std::uint64_t kInfoTableEntryBytes = 4;
// An info header with BI_BITFIELDS is followed by three 32-bit masks; the
// later headers hold them inside.
constexpr std::uint64_t kBitfieldMasksBytes = 3 * 4;
constexpr int kMaxPaletteBits = 8;
constexpr int kRowAlignBits = 32;
constexpr int kBitsPerByte = 8;
constexpr std::uint64_t kKeptBytesPerPixel = 4;

// What the header announces, widened so that no sum or product of it can
// overflow.
struct Announced {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::uint64_t tableBytes = 0;
  std::uint64_t imageBytes = 0;  // as stored in the header (compressed images)
};

// Fields are little-endian and need not be aligned.
std::uint16_t ReadU16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | static_cast<unsigned>(at[1]) << 8);
}

std::uint32_t ReadU32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

std::int32_t ReadI32(const std::uint8_t* at) { return static_cast<std::int32_t>(ReadU32(at)); }

bool IsKnownInfoHeaderSize(std::uint32_t size) {
  return size == kInfoHeaderSize || size == kV2HeaderSize || size == kV3HeaderSize || size == kV4HeaderSize ||
         size == kV5HeaderSize;
}

bool IsValidBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

std::optional<Announced> ReadCoreHeader(const std::uint8_t* block) {
  if (ReadU16(block + kCorePlanes) != 1) return std::nullopt;
  Announced dib;
  dib.headerSize = kCoreHeaderSize;
  dib.width = ReadU16(block + kCoreWidth);
  dib.height = ReadU16(block + kCoreHeight);
  dib.bits = ReadU16(block + kCoreBitCount);
  if (dib.bits <= kMaxPaletteBits) dib.tableBytes = (std::uint64_t{1} << dib.bits) * kCoreTableEntryBytes;
  return dib;
}

std::optional<Announced> ReadInfoHeader(const std::uint8_t* block, std::uint32_t headerSize) {
  if (ReadU16(block + kInfoPlanes) != 1) return std::nullopt;
  Announced dib;
  dib.headerSize = headerSize;
  dib.width = ReadI32(block + kInfoWidth);
  const std::int64_t height = ReadI32(block + kInfoHeight);
  dib.height = height < 0 ? -height : height;  // negative: rows stored top-down
  dib.bits = ReadU16(block + kInfoBitCount);
  dib.compression = ReadU32(block + kInfoCompression);
  const std::uint64_t coloursUsed = ReadU32(block + kInfoColoursUsed);
  const std::uint64_t colours =
      coloursUsed != 0 || dib.bits > kMaxPaletteBits ? coloursUsed : std::uint64_t{1} << dib.bits;
  dib.tableBytes = colours * kInfoTableEntryBytes;
  if (dib.compression == kBitfields && headerSize == kInfoHeaderSize) dib.tableBytes += kBitfieldMasksBytes;
  dib.imageBytes = ReadU32(block + kInfoSizeImage);
  return dib;
}

std::optional<Announced> ReadHeader(const std::uint8_t* block, std::size_t blockSize) {
  if (blockSize < sizeof(std::uint32_t)) return std::nullopt;
  const std::uint32_t headerSize = ReadU32(block);
  if (headerSize > blockSize) return std::nullopt;
  if (headerSize == kCoreHeaderSize) return ReadCoreHeader(block);
  if (IsKnownInfoHeaderSize(headerSize)) return ReadInfoHeader(block, headerSize);
  return std::nullopt;
}

bool WithinLimits(const Announced& dib) {
  if (dib.width <= 0 || dib.height <= 0) return false;
  if (dib.width > kMaxPictureSide || dib.height > kMaxPictureSide) return false;
  return static_cast<std::uint64_t>(dib.width * dib.height) * kKeptBytesPerPixel <= kMaxPictureBytes;
}

// The bytes of the pixels; nothing for a compression we do not take.
std::optional<std::uint64_t> ImageBytes(const Announced& dib) {
  switch (dib.compression) {
    case kRgb:
    case kBitfields: {
      const std::uint64_t rowBytes =
          (static_cast<std::uint64_t>(dib.width) * static_cast<std::uint64_t>(dib.bits) + kRowAlignBits - 1) /
          kRowAlignBits * (kRowAlignBits / kBitsPerByte);
      return rowBytes * static_cast<std::uint64_t>(dib.height);
    }
    case kRle8:
    case kRle4:
      // Only the header can say how long compressed pixels are.
      if (dib.imageBytes == 0) return std::nullopt;
      return dib.imageBytes;
    default: return std::nullopt;
  }
}

}  // namespace

bool DibIsSound(const std::uint8_t* block, std::size_t blockSize) {
  if (!block) return false;
  const std::optional<Announced> dib = ReadHeader(block, blockSize);
  if (!dib || !IsValidBitCount(dib->bits) || !WithinLimits(*dib)) return false;
  const std::optional<std::uint64_t> imageBytes = ImageBytes(*dib);
  if (!imageBytes) return false;
  return std::uint64_t{dib->headerSize} + dib->tableBytes + *imageBytes <= blockSize;
}

}  // namespace picture
