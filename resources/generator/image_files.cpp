#include "image_files.h"

#include <fstream>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <utility>

namespace art {

namespace {

// Palettes and quantisation for the 16- and 256-colour icon images.

using Palette = std::vector<Pixel>;

constexpr int kAlphaOpaqueThreshold = 128;  // below this a pixel is see-through in a mask

// The sixteen colours every display adapter since VGA can show; the shell
// uses this palette for 16-colour icons.
Palette VgaPalette() {
  return {{0, 0, 0, 255},       {128, 0, 0, 255},   {0, 128, 0, 255},   {128, 128, 0, 255},
          {0, 0, 128, 255},     {128, 0, 128, 255}, {0, 128, 128, 255}, {192, 192, 192, 255},
          {128, 128, 128, 255}, {255, 0, 0, 255},   {0, 255, 0, 255},   {255, 255, 0, 255},
          {0, 0, 255, 255},     {255, 0, 255, 255}, {0, 255, 255, 255}, {255, 255, 255, 255}};
}

// Perceptual-ish distance ("red mean"): weights the channels the way the
// eye does, so browns do not collapse into greys.
double ColorDistance(Pixel p, Pixel q) {
  const double rMean = (p.r + q.r) / 2.0;
  const double dr = p.r - q.r;
  const double dg = p.g - q.g;
  const double db = p.b - q.b;
  return (2 + rMean / 256) * dr * dr + 4 * dg * dg + (2 + (255 - rMean) / 256) * db * db;
}

uint8_t NearestIndex(const Palette& palette, Pixel p) {
  size_t best = 0;
  double bestDistance = std::numeric_limits<double>::max();
  for (size_t i = 0; i < palette.size(); ++i) {
    const double d = ColorDistance(palette[i], p);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return uint8_t(best);
}

// 256-colour images get a palette made for them by median cut: a small
// icon has far fewer than 256 colours, so it comes out almost exact, where
// a fixed colour cube would band the wood and tint the greys. Entry 0 stays
// black for the pixels under the transparency mask.
Palette MedianCutPalette(const Image& image, size_t colours) {
  std::vector<std::vector<Pixel>> boxes(1);
  for (const Pixel& p : image.pixels) {
    if (p.a >= kAlphaOpaqueThreshold) boxes.front().push_back(p);
  }
  const auto channel = [](const Pixel& p, int c) { return c == 0 ? p.r : c == 1 ? p.g : p.b; };
  const auto widest = [&](const std::vector<Pixel>& box) {
    int bestChannel = 0;
    int bestRange = -1;
    for (int c = 0; c < 3; ++c) {
      const auto [lo, hi] = std::minmax_element(
          box.begin(), box.end(), [&](const Pixel& a, const Pixel& b) { return channel(a, c) < channel(b, c); });
      const int range = box.empty() ? 0 : channel(*hi, c) - channel(*lo, c);
      if (range > bestRange) {
        bestRange = range;
        bestChannel = c;
      }
    }
    return std::pair{bestChannel, bestRange};
  };
  while (boxes.size() < colours - 1) {
    size_t split = 0;
    int splitRange = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
      const int range = widest(boxes[i]).second;
      if (range > splitRange) {
        splitRange = range;
        split = i;
      }
    }
    if (splitRange == 0) break;  // every box holds a single colour
    std::vector<Pixel>& box = boxes[split];
    const int c = widest(box).first;
    std::sort(box.begin(), box.end(), [&](const Pixel& a, const Pixel& b) { return channel(a, c) < channel(b, c); });
    std::vector<Pixel> upper(box.begin() + std::ptrdiff_t(box.size() / 2), box.end());
    box.resize(box.size() / 2);
    boxes.push_back(std::move(upper));
  }
  Palette palette{{0, 0, 0, 255}};
  for (const auto& box : boxes) {
    if (box.empty()) continue;
    double r = 0, g = 0, b = 0;
    for (const Pixel& p : box) {
      r += p.r;
      g += p.g;
      b += p.b;
    }
    const double n = double(box.size());
    palette.push_back({uint8_t(std::lround(r / n)), uint8_t(std::lround(g / n)), uint8_t(std::lround(b / n)), 255});
  }
  palette.resize(colours, Pixel{0, 0, 0, 255});
  return palette;
}

// The writers are little-endian, as the formats require.
class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) {
    U8(uint8_t(v));
    U8(uint8_t(v >> 8));
  }
  void U32(uint32_t v) {
    U16(uint16_t(v));
    U16(uint16_t(v >> 16));
  }
  void I32(int32_t v) { U32(uint32_t(v)); }
  void Append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

constexpr uint32_t kBitmapInfoHeaderSize = 40;
constexpr uint32_t kBitmapFileHeaderSize = 14;
constexpr uint16_t kBitmapSignature = 0x4D42;  // "BM"
constexpr uint32_t kCompressionNone = 0;       // BI_RGB

uint32_t RowStride(int width, int bitsPerPixel) { return uint32_t((width * bitsPerPixel + 31) / 32 * 4); }

void WriteInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t imageBytes,
                     uint32_t colorsUsed) {
  out.U32(kBitmapInfoHeaderSize);
  out.I32(width);
  out.I32(height);
  out.U16(1);  // planes
  out.U16(uint16_t(bitsPerPixel));
  out.U32(kCompressionNone);
  out.U32(imageBytes);
  out.I32(0);  // pixels per metre: unknown
  out.I32(0);
  out.U32(colorsUsed);
  out.U32(0);  // all colours important
}

void SaveFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
  std::cout << "wrote " << path.string() << " (" << bytes.size() << " bytes)\n";
}

// One icon image as stored in an .ico: header with doubled height, palette,
// colour (XOR) rows, then the 1-bit transparency (AND) mask.
std::vector<uint8_t> EncodeIconImage(const IconImage& icon) {
  const Image& img = icon.image;
  const int bits = icon.bitsPerPixel;
  const Palette palette = bits == 4 ? VgaPalette() : bits == 8 ? MedianCutPalette(img, 256) : Palette{};
  const uint32_t xorStride = RowStride(img.width, bits);
  const uint32_t andStride = RowStride(img.width, 1);
  const uint32_t imageBytes = (xorStride + andStride) * uint32_t(img.height);

  ByteWriter out;
  WriteInfoHeader(out, img.width, img.height * 2, bits, imageBytes, uint32_t(palette.size()));
  for (const Pixel& p : palette) {
    out.U8(p.b);
    out.U8(p.g);
    out.U8(p.r);
    out.U8(0);
  }
  for (int y = img.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(xorStride, 0);
    for (int x = 0; x < img.width; ++x) {
      const Pixel p = img.At(x, y);
      const bool opaque = p.a >= kAlphaOpaqueThreshold;
      if (bits == 32) {
        // Fully transparent pixels stay black so shells that ignore
        // alpha still see the usual black-under-mask convention.
        const bool clear = p.a == 0;
        row[x * 4 + 0] = clear ? 0 : p.b;
        row[x * 4 + 1] = clear ? 0 : p.g;
        row[x * 4 + 2] = clear ? 0 : p.r;
        row[x * 4 + 3] = p.a;
      } else {
        // Under the mask the colour must be black, or it would be
        // XORed onto the desktop.
        const uint8_t index = opaque ? NearestIndex(palette, p) : 0;
        if (bits == 8) {
          row[x] = index;
        } else {
          row[x / 2] |= uint8_t(x % 2 == 0 ? index << 4 : index);
        }
      }
    }
    out.Append(row);
  }
  for (int y = img.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(andStride, 0);
    for (int x = 0; x < img.width; ++x) {
      if (img.At(x, y).a < kAlphaOpaqueThreshold) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    }
    out.Append(row);
  }
  return out.Bytes();
}

}  // namespace

void SaveBitmap24(const std::filesystem::path& path, const Image& image, Pixel key) {
  const uint32_t stride = RowStride(image.width, 24);
  const uint32_t imageBytes = stride * uint32_t(image.height);
  ByteWriter out;
  out.U16(kBitmapSignature);
  out.U32(kBitmapFileHeaderSize + kBitmapInfoHeaderSize + imageBytes);
  out.U32(0);  // reserved
  out.U32(kBitmapFileHeaderSize + kBitmapInfoHeaderSize);
  WriteInfoHeader(out, image.width, image.height, 24, imageBytes, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < image.width; ++x) {
      const Pixel p = image.At(x, y);
      const Pixel c = p.a >= kAlphaOpaqueThreshold ? p : key;
      row[x * 3 + 0] = c.b;
      row[x * 3 + 1] = c.g;
      row[x * 3 + 2] = c.r;
    }
    out.Append(row);
  }
  SaveFile(path, out.Bytes());
}

void SaveIcon(const std::filesystem::path& path, const std::vector<IconImage>& images) {
  constexpr uint16_t kIconResourceType = 1;
  constexpr uint32_t kIconDirSize = 6;
  constexpr uint32_t kIconDirEntrySize = 16;
  constexpr int kSizeStoredAsZero = 256;

  std::vector<std::vector<uint8_t>> encoded;
  for (const IconImage& icon : images) encoded.push_back(EncodeIconImage(icon));

  ByteWriter out;
  out.U16(0);  // reserved
  out.U16(kIconResourceType);
  out.U16(uint16_t(images.size()));
  uint32_t offset = kIconDirSize + kIconDirEntrySize * uint32_t(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const Image& img = images[i].image;
    const int bits = images[i].bitsPerPixel;
    out.U8(uint8_t(img.width == kSizeStoredAsZero ? 0 : img.width));
    out.U8(uint8_t(img.height == kSizeStoredAsZero ? 0 : img.height));
    out.U8(uint8_t(bits == 4 ? 16 : 0));  // colour count: 0 means 256 or more
    out.U8(0);                            // reserved
    out.U16(1);                           // planes
    out.U16(uint16_t(bits));
    out.U32(uint32_t(encoded[i].size()));
    out.U32(offset);
    offset += uint32_t(encoded[i].size());
  }
  for (const auto& bytes : encoded) out.Append(bytes);
  SaveFile(path, out.Bytes());
}

void SaveText(const std::filesystem::path& path, std::string_view text) {
  SaveFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace art
