// The files the pictures are written as: 24-bit bitmaps for the splash and
// the button glyphs, icons with 16-colour, 256-colour and 32-bit images.
#pragma once

#include <filesystem>
#include <string_view>

#include "drawing.h"

namespace art {

struct IconImage {
  Image image;
  int bitsPerPixel;  // 4, 8 or 32
};

// A 24-bit bottom-up BI_RGB bitmap. Pixels that are not opaque are painted
// in `key`, the colour the program treats as transparent.
void SaveBitmap24(const std::filesystem::path& path, const Image& image, Pixel key);

void SaveIcon(const std::filesystem::path& path, const std::vector<IconImage>& images);

void SaveText(const std::filesystem::path& path, std::string_view text);

}  // namespace art
