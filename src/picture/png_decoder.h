// PNG file images, as other programs put pictures on the clipboard, decoded
// with the system's imaging codecs into the pixels a bitmap picture keeps.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace picture {

struct DecodedImage {
  int width = 0;
  int height = 0;
  // 32-bit BGRA pixels, bottom-up, as bitmap pictures keep them.
  std::vector<uint8_t> pixels;
};

enum class DecodeResult { Decoded, Unreadable, OutOfMemory };

// Any bytes may be passed; nothing outside them is read. A picture over the
// limits of picture/dib_rules is Unreadable, found out before its pixels are
// allocated. The calling thread must be in a COM apartment.
DecodeResult DecodePng(const uint8_t* data, size_t size, DecodedImage& image);

}  // namespace picture
