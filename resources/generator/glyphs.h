// Button glyphs: 16x16 pixel art on a magenta key colour, for the main
// window's buttons, the save-and-edit window's toolbars, the options dialog,
// the about window and the directory picker.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "drawing.h"

namespace art {

constexpr Pixel kGlyphKey{255, 0, 255, 255};

using GlyphArt = std::array<std::string_view, kSmallIcon>;

struct GlyphFile {
  std::string_view name;
  GlyphArt art;
};

// Written in this order, each as "<name>.bmp".
std::span<const GlyphFile> ButtonGlyphFiles();
std::span<const GlyphFile> PickerGlyphFiles();

Image DrawGlyph(const GlyphArt& art);

}  // namespace art
