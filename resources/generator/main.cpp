// Draws every picture Kestrel 99 ships: the tray and program icons, the
// splash picture and the button glyphs.
//
// The pictures in resources/ are committed, so a normal build never runs
// this. After changing the art, redraw them with
//     scripts/make-resources.sh
// which builds the generator with the host compiler and writes into
// resources/. By hand:
//     g++ -std=c++20 -O2 *.cpp -o draw_resources
//     ./draw_resources OUTPUT_DIR
//
// Deliberately self-contained: standard C++ only, no Windows headers and no
// image libraries, so the art can be redrawn on any machine with a compiler.
// Vector art is rendered with supersampling for smooth edges; the 16x16
// pictures are hand-placed pixel maps, because at that size every pixel
// has to be chosen by eye to stay readable.

#include <array>
#include <exception>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "glyphs.h"
#include "icons.h"
#include "image_files.h"
#include "splash.h"

namespace art {
namespace {

std::vector<IconImage> ClipboardIconImages(ClipboardState state, std::span<const int> sizes,
                                           std::span<const int> depths) {
  std::vector<IconImage> images;
  for (int size : sizes) {
    for (int bits : depths) {
      Image image = size == kSmallIcon ? DrawSmallClipboardIcon(state) : DrawClipboardIcon(size, state, bits);
      images.push_back({std::move(image), bits});
    }
  }
  return images;
}

// The options dialog's page pictures, as icons so they keep their edges
// on any background.
void DrawOptionsPictures(const std::filesystem::path& out) {
  constexpr std::array kPageDepths{8, 32};
  const auto save = [&](const char* name, Image (*draw)()) {
    std::vector<IconImage> images;
    for (int bits : kPageDepths) images.push_back({draw(), bits});
    SaveIcon(out / name, images);
  };
  save("options_preferences.ico", DrawPreferencesPicture);
  save("options_confirmation.ico", DrawConfirmationPicture);
  save("options_wallpaper.ico", DrawWallpaperPicture);
  save("options_quick_paste.ico", DrawQuickPastePicture);
}

void SaveGlyphs(const std::filesystem::path& out, std::span<const GlyphFile> glyphs) {
  for (const GlyphFile& glyph : glyphs) {
    SaveBitmap24(out / "glyphs" / (std::string(glyph.name) + ".bmp"), DrawGlyph(glyph.art), kGlyphKey);
  }
}

void DrawEverything(const std::filesystem::path& out) {
  constexpr std::array kTraySizes{16, 32};
  constexpr std::array kDisabledSizes{16, 32, 48};
  constexpr std::array kProgramSizes{16, 32, 48};
  constexpr std::array kAllDepths{4, 8, 32};
  constexpr std::array kModernDepths{8, 32};

  std::filesystem::create_directories(out / "glyphs");
  SaveIcon(out / "tray_active.ico", ClipboardIconImages(ClipboardState::Active, kTraySizes, kAllDepths));
  std::vector<IconImage> disabled =
      ClipboardIconImages(ClipboardState::Disabled, std::span(kDisabledSizes).first(2), kAllDepths);
  for (IconImage& extra :
       ClipboardIconImages(ClipboardState::Disabled, std::span(kDisabledSizes).last(1), kModernDepths)) {
    disabled.push_back(std::move(extra));
  }
  SaveIcon(out / "tray_disabled.ico", disabled);
  SaveIcon(out / "kestrel99.ico", ClipboardIconImages(ClipboardState::Active, kProgramSizes, kModernDepths));
  SaveBitmap24(out / "splash.bmp", DrawSplash(), kSplashKey);
  SaveGlyphs(out, ButtonGlyphFiles());
  DrawOptionsPictures(out);
  SaveGlyphs(out, PickerGlyphFiles());
}

}  // namespace
}  // namespace art

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " OUTPUT_DIR\n";
    return 2;
  }
  try {
    art::DrawEverything(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "draw_resources: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
