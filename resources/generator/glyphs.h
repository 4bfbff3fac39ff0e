// Button glyphs: 16x16 pixel art on a magenta key colour, for the main
// window's buttons, the save-and-edit window's toolbars, the options dialog,
// the about window and the directory picker. Each is also drawn at the
// sizes a button needs on screens scaled to 125 %, 150 % and 200 %.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "drawing.h"

namespace art {

constexpr Pixel kGlyphKey{255, 0, 255, 255};

using GlyphArt = std::array<std::string_view, kSmallIcon>;

// The sizes every glyph is drawn at; the first is the hand-placed art.
inline constexpr std::array kGlyphSizes{kSmallIcon, 20, 24, 32};

struct GlyphFile {
  std::string_view name;
  std::string_view resourceId;  // its name in resource_ids.h
  GlyphArt art;
};

// Written in this order, each as "<name>.bmp".
std::span<const GlyphFile> ButtonGlyphFiles();
std::span<const GlyphFile> PickerGlyphFiles();

// The art at `size` pixels square. Larger sizes repeat some of the art's
// rows and columns (see glyphs.cpp), so every pixel stays a hard pixel
// of one of the art's colours.
Image DrawGlyph(const GlyphArt& art, int size = kSmallIcon);

}  // namespace art
