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
#include <sstream>
#include <string>
#include <vector>

#include "glyphs.h"
#include "icons.h"
#include "image_files.h"
#include "splash.h"

namespace art {
namespace {

struct SplashScale {
  double scale;
  std::string_view resourceId;
  std::string_view fileName;
};

// Besides 16 and 32, the sizes an icon needs on screens at 100 % to 200 %:
// the small icon at each scale is 16, 20, 24 or 32 pixels, the large one
// 32, 40 or 48.
constexpr std::array kScaledIconSizes{20, 24, 40, 48};
constexpr std::array kModernDepths{8, 32};

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
  constexpr std::array kPageSizes{32, 16, 20, 24, 40, 48};
  const auto save = [&](const char* name, Image (*draw)(int)) {
    std::vector<IconImage> images;
    for (int size : kPageSizes) {
      for (int bits : kModernDepths) images.push_back({draw(size), bits});
    }
    SaveIcon(out / name, images);
  };
  save("options_preferences.ico", DrawPreferencesPicture);
  save("options_confirmation.ico", DrawConfirmationPicture);
  save("options_wallpaper.ico", DrawWallpaperPicture);
  save("options_quick_paste.ico", DrawQuickPastePicture);
}

std::string GlyphFileName(const GlyphFile& glyph, int size) {
  return std::string(glyph.name) + (size == kSmallIcon ? "" : "_" + std::to_string(size)) + ".bmp";
}

void SaveGlyphs(const std::filesystem::path& out, std::span<const GlyphFile> glyphs) {
  for (const GlyphFile& glyph : glyphs) {
    for (int size : kGlyphSizes) {
      SaveBitmap24(out / "glyphs" / GlyphFileName(glyph, size), DrawGlyph(glyph.art, size), kGlyphKey);
    }
  }
}

// The larger pictures are many, so the lines that put them into the
// program are written here rather than kept by hand in kestrel99.rc.
void SaveScaledResourceList(const std::filesystem::path& out, std::span<const SplashScale> splashScales) {
  std::ostringstream rc;
  rc << "// The glyphs and the splash picture for scaled screens. Written by\n"
        "// resources/generator (scripts/make-resources.sh); do not edit.\n\n";
  for (const auto files : {ButtonGlyphFiles(), PickerGlyphFiles()}) {
    for (const GlyphFile& glyph : files) {
      for (int size : std::span(kGlyphSizes).subspan(1)) {
        rc << "SCALED_GLYPH_ID(" << glyph.resourceId << ", " << size << ") BITMAP \"glyphs/"
           << GlyphFileName(glyph, size) << "\"\n";
      }
    }
  }
  for (const SplashScale& splash : splashScales.subspan(1)) {
    rc << splash.resourceId << " BITMAP \"" << splash.fileName << "\"\n";
  }
  SaveText(out / "scaled_images.rc", rc.str());
}

// The tray icons keep 16-colour images at the classic sizes for old
// displays; every icon gets the scaled sizes in modern depths.
std::vector<IconImage> ClipboardIcon(ClipboardState state, std::span<const int> classicDepths) {
  constexpr std::array kClassicSizes{16, 32};
  std::vector<IconImage> images = ClipboardIconImages(state, kClassicSizes, classicDepths);
  for (IconImage& extra : ClipboardIconImages(state, kScaledIconSizes, kModernDepths)) {
    images.push_back(std::move(extra));
  }
  return images;
}

void DrawEverything(const std::filesystem::path& out) {
  constexpr std::array kAllDepths{4, 8, 32};
  constexpr std::array kSplashScales{SplashScale{1.0, "IDB_SPLASH", "splash.bmp"},
                                     SplashScale{1.5, "IDB_SPLASH_150", "splash_150.bmp"},
                                     SplashScale{2.0, "IDB_SPLASH_200", "splash_200.bmp"}};

  std::filesystem::create_directories(out / "glyphs");
  SaveIcon(out / "tray_active.ico", ClipboardIcon(ClipboardState::Active, kAllDepths));
  SaveIcon(out / "tray_disabled.ico", ClipboardIcon(ClipboardState::Disabled, kAllDepths));
  SaveIcon(out / "kestrel99.ico", ClipboardIcon(ClipboardState::Active, kModernDepths));
  for (const SplashScale& splash : kSplashScales) {
    SaveBitmap24(out / splash.fileName, DrawSplash(splash.scale), kSplashKey);
  }
  SaveScaledResourceList(out, kSplashScales);
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
