#include "picture/dib_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace picture {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kBitfields = 3;
constexpr std::uint32_t kJpeg = 4;

void Put16(Bytes& block, std::size_t at, std::uint16_t value) {
  block[at] = static_cast<std::uint8_t>(value);
  block[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& block, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) block[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The fields of a BITMAPINFOHEADER (or a later header of `headerSize`
// bytes, which begins with the same fields).
struct Info {
  std::uint32_t headerSize = 40;
  std::int32_t width = 4;
  std::int32_t height = 4;
  std::uint16_t planes = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = kRgb;
  std::uint32_t sizeImage = 0;
  std::uint32_t coloursUsed = 0;
};

// The header followed by `following` bytes of colour table and pixels. A
// header size no header has still gets the 40 bytes of fields.
Bytes InfoDib(const Info& info, std::size_t following) {
  const std::size_t header = info.headerSize >= 40 && info.headerSize <= 124 ? info.headerSize : 40;
  Bytes block(header + following, 0x5A);
  Put32(block, 0, info.headerSize);
  Put32(block, 4, static_cast<std::uint32_t>(info.width));
  Put32(block, 8, static_cast<std::uint32_t>(info.height));
  Put16(block, 12, info.planes);
  Put16(block, 14, info.bits);
  Put32(block, 16, info.compression);
  Put32(block, 20, info.sizeImage);
  Put32(block, 32, info.coloursUsed);
  return block;
}

// A BITMAPCOREHEADER DIB: 16-bit sizes, three-byte colour table entries.
Bytes CoreDib(std::uint16_t width, std::uint16_t height, std::uint16_t bits, std::size_t following,
              std::uint16_t planes = 1) {
  Bytes block(12 + following, 0x5A);
  Put32(block, 0, 12);
  Put16(block, 4, width);
  Put16(block, 6, height);
  Put16(block, 8, planes);
  Put16(block, 10, bits);
  return block;
}

Bytes Truncated(Bytes block, std::size_t size) {
  block.resize(size);
  return block;
}

bool Sound(const Bytes& block) { return DibIsSound(block.data(), block.size()); }

struct DibCase {
  std::string label;
  Bytes block;
};

// Every sound DIB here holds exactly what its header announces, so one byte
// less must be refused: that pins down the table, mask and row sizes.
TEST(DibIsSoundTest, TakesSoundDibsOfEveryHeaderKindAtTheirExactSize) {
  const std::vector<DibCase> cases = {
      // 3 pixels of 24 bits make 9 bytes, padded to 12 a row.
      {"Info24", InfoDib({.width = 3, .height = 2, .bits = 24}, 2 * 12)},
      {"InfoTopDown32", InfoDib({.width = 2, .height = -3, .bits = 32}, 3 * 8)},
      {"Info1WithFullTable", InfoDib({.width = 33, .height = 1, .bits = 1}, 2 * 4 + 8)},
      {"Info8WithTwoColours", InfoDib({.width = 5, .height = 3, .bits = 8, .coloursUsed = 2}, 2 * 4 + 3 * 8)},
      {"Info16WithMasks", InfoDib({.width = 2, .height = 2, .bits = 16, .compression = kBitfields}, 12 + 2 * 4)},
      {"V5WithMasksInside",
       InfoDib({.headerSize = 124, .width = 1, .height = 1, .bits = 32, .compression = kBitfields}, 4)},
      {"InfoRle8",
       InfoDib({.width = 16, .height = 16, .bits = 8, .compression = kRle8, .sizeImage = 10}, 256 * 4 + 10)},
      {"Core24", CoreDib(3, 2, 24, 2 * 12)},
      {"Core8WithFullTable", CoreDib(2, 2, 8, 256 * 3 + 2 * 4)},
  };
  for (const DibCase& c : cases) {
    EXPECT_TRUE(Sound(c.block)) << c.label;
    EXPECT_FALSE(Sound(Truncated(c.block, c.block.size() - 1))) << c.label << " one byte short";
  }
}

TEST(DibIsSoundTest, RefusesHostileDibsWithoutReadingPastThem) {
  constexpr std::int32_t kTooLong = kMaxPictureSide + 1;
  const Bytes sound = InfoDib({.width = 4, .height = 4, .bits = 24}, 4 * 12);
  ASSERT_TRUE(Sound(sound));
  // Room enough after the header that only the field under test can be wrong.
  constexpr std::size_t kPlenty = 4096;
  const std::vector<DibCase> cases = {
      {"Empty", {}},
      {"ShorterThanTheHeaderSize", Truncated(sound, 3)},
      {"TruncatedInfoHeader", Truncated(sound, 20)},
      {"TruncatedCoreHeader", Truncated(CoreDib(1, 1, 24, 4), 10)},
      {"HeaderSizeFarBeyondTheBlock", InfoDib({.headerSize = 0x7FFFFFF0}, kPlenty)},
      {"HeaderSizeOfNoHeader", InfoDib({.headerSize = 41}, kPlenty)},
      {"HeaderSizeZero", InfoDib({.headerSize = 0}, kPlenty)},
      {"TwoPlanes", InfoDib({.planes = 2}, kPlenty)},
      {"CoreTwoPlanes", CoreDib(1, 1, 24, kPlenty, 2)},
      {"ZeroWidth", InfoDib({.width = 0}, kPlenty)},
      {"ZeroHeight", InfoDib({.height = 0}, kPlenty)},
      {"CoreZeroSize", CoreDib(0, 0, 24, kPlenty)},
      {"NegativeWidth", InfoDib({.width = -4}, kPlenty)},
      {"LowestHeight", InfoDib({.height = std::numeric_limits<std::int32_t>::min()}, kPlenty)},
      {"HighestWidth", InfoDib({.width = std::numeric_limits<std::int32_t>::max()}, kPlenty)},
      {"WiderThanAllowed", InfoDib({.width = kTooLong, .height = 1, .bits = 1}, kPlenty)},
      {"TallerThanAllowed", InfoDib({.width = 1, .height = -kTooLong, .bits = 1}, kPlenty)},
      {"CoreLargestSides", CoreDib(0xFFFF, 0xFFFF, 1, kPlenty)},
      {"MorePixelsThanAllowed", InfoDib({.width = 20000, .height = 20000, .bits = 1}, kPlenty)},
      // 32768 x 32768 pixels of 32 bits make 4 GiB: past any 32-bit size.
      {"PixelBytesBeyond32Bits", InfoDib({.width = kMaxPictureSide, .height = kMaxPictureSide, .bits = 32}, kPlenty)},
      {"ZeroBits", InfoDib({.bits = 0}, kPlenty)},
      {"ThirteenBits", InfoDib({.bits = 13}, kPlenty)},
      {"HighestBits", InfoDib({.bits = 0xFFFF}, kPlenty)},
      {"CoreThirteenBits", CoreDib(4, 4, 13, kPlenty)},
      {"ColourTableOfFourBillion", InfoDib({.bits = 8, .coloursUsed = 0xFFFFFFFF}, kPlenty)},
      {"ColourTableLongerThanTheBlock",
       InfoDib({.width = 4, .height = 4, .bits = 8, .coloursUsed = 300}, 256 * 4 + 16)},
      {"FullTableMissing", InfoDib({.width = 4, .height = 4, .bits = 8}, 16)},
      {"MasksMissing", InfoDib({.width = 2, .height = 2, .bits = 16, .compression = kBitfields}, 2 * 4)},
      {"UnknownCompression", InfoDib({.compression = kJpeg, .sizeImage = 16}, kPlenty)},
      {"RleWithoutImageSize", InfoDib({.bits = 8, .compression = kRle8}, kPlenty)},
      {"RleImageSizeBeyondTheBlock", InfoDib({.bits = 8, .compression = kRle8, .sizeImage = 0xFFFFFFFF}, kPlenty)},
      {"PixelsMissing", InfoDib({.width = 64, .height = 64, .bits = 32}, 4 * 4 * 4)},
  };
  for (const DibCase& c : cases) EXPECT_FALSE(Sound(c.block)) << c.label;
  EXPECT_FALSE(DibIsSound(nullptr, 0));
}

}  // namespace
}  // namespace picture
