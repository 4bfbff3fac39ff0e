// The bitmap file writer: the headers other programs rely on, the padding of
// every row and the order of the colour bytes.
#include "picture/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
}
uint16_t Read16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// Pixels whose bytes say where they are: blue = x, green = y, red = 200,
// and an unused fourth byte that must not reach the file.
std::vector<uint8_t> Numbered(int width, int height) {
  std::vector<uint8_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.insert(pixels.end(), {uint8_t(x), uint8_t(y), 200, 0xEE});
  }
  return pixels;
}

TEST(BmpFileTest, EveryWidthGivesPaddedRowsWithTheSourcePixelsInPlace) {
  struct Case {
    int width;
    int height;
    uint32_t rowBytes;  // three bytes a pixel, padded to 4
  };
  for (const Case c : {Case{1, 1, 4}, Case{2, 3, 8}, Case{3, 2, 12}, Case{4, 2, 12}, Case{5, 1, 16}}) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const std::vector<uint8_t> pixels = Numbered(c.width, c.height);
    const std::vector<uint8_t> file = picture::EncodeBmpFile(c.width, c.height, pixels.data(), pixels.size());
    const uint32_t offset = 14 + 40;
    ASSERT_EQ(file.size(), offset + c.rowBytes * c.height);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Read32(file, 2), file.size());
    EXPECT_EQ(Read32(file, 10), offset);
    EXPECT_EQ(Read32(file, 14), 40u);
    EXPECT_EQ(static_cast<int32_t>(Read32(file, 18)), c.width);
    EXPECT_EQ(static_cast<int32_t>(Read32(file, 22)), c.height);
    EXPECT_EQ(Read16(file, 26), 1);
    EXPECT_EQ(Read16(file, 28), 24);
    EXPECT_EQ(Read32(file, 30), 0u);
    EXPECT_EQ(Read32(file, 34), c.rowBytes * c.height);
    for (int y = 0; y < c.height; ++y) {
      const size_t row = offset + c.rowBytes * static_cast<size_t>(y);
      for (int x = 0; x < c.width; ++x) {
        const size_t at = row + 3 * static_cast<size_t>(x);
        EXPECT_EQ(file[at], x);
        EXPECT_EQ(file[at + 1], y);
        EXPECT_EQ(file[at + 2], 200);
      }
      for (size_t pad = row + 3 * c.width; pad < row + c.rowBytes; ++pad) EXPECT_EQ(file[pad], 0) << "padding";
    }
  }
}

TEST(BmpFileTest, PixelsThatDoNotMatchTheSizeGiveNoFile) {
  const std::vector<uint8_t> pixels = Numbered(3, 3);
  EXPECT_TRUE(picture::EncodeBmpFile(3, 4, pixels.data(), pixels.size()).empty());
  EXPECT_TRUE(picture::EncodeBmpFile(4, 3, pixels.data(), pixels.size()).empty());
  EXPECT_TRUE(picture::EncodeBmpFile(0, 3, pixels.data(), pixels.size()).empty());
  EXPECT_TRUE(picture::EncodeBmpFile(3, 3, nullptr, pixels.size()).empty());
  // Sides whose product overflows 32 bits must not wrap round to a match.
  EXPECT_TRUE(picture::EncodeBmpFile(65536, 65536, pixels.data(), 0).empty());
}

TEST(BmpFileTest, WrittenInPlaceTheFileAndTheClipboardsDibAreTheSameBytes) {
  const std::vector<uint8_t> pixels = Numbered(5, 3);
  const std::vector<uint8_t> file = picture::EncodeBmpFile(5, 3, pixels.data(), pixels.size());
  using picture::BmpPart;
  ASSERT_EQ(picture::BmpEncodedSize(5, 3, pixels.size(), BmpPart::File), file.size());
  // Memory that held something else before: every byte must be written.
  std::vector<uint8_t> inPlace(file.size(), 0xAB);
  ASSERT_TRUE(picture::EncodeBmpInto(5, 3, pixels.data(), pixels.size(), BmpPart::File, inPlace.data(), inPlace.size()));
  EXPECT_EQ(inPlace, file);
  std::vector<uint8_t> dib(picture::BmpEncodedSize(5, 3, pixels.size(), BmpPart::Dib), 0xAB);
  ASSERT_TRUE(picture::EncodeBmpInto(5, 3, pixels.data(), pixels.size(), BmpPart::Dib, dib.data(), dib.size()));
  EXPECT_EQ(dib, std::vector<uint8_t>(file.begin() + picture::kBmpFileHeaderSize, file.end()));
  EXPECT_FALSE(picture::EncodeBmpInto(5, 3, pixels.data(), pixels.size(), BmpPart::Dib, dib.data(), dib.size() - 1));
  EXPECT_EQ(picture::BmpEncodedSize(5, 4, pixels.size(), BmpPart::Dib), 0u);
}

}  // namespace
