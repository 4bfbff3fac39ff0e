#include "glyphs.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr std::array kGlyphInks{
    InkKey{'k', Rgb(36, 36, 44)},    InkKey{'w', Rgb(255, 255, 255)}, InkKey{'l', Rgb(208, 210, 216)},
    InkKey{'g', Rgb(140, 144, 152)}, InkKey{'d', Rgb(88, 92, 100)},   InkKey{'r', Rgb(226, 38, 38)},
    InkKey{'R', Rgb(150, 16, 16)},   InkKey{'o', Rgb(255, 128, 118)}, InkKey{'b', Rgb(40, 110, 210)},
    InkKey{'B', Rgb(20, 56, 130)},   InkKey{'c', Rgb(140, 190, 245)}, InkKey{'G', Rgb(40, 170, 60)},
    InkKey{'e', Rgb(20, 104, 32)},   InkKey{'m', Rgb(134, 222, 120)}, InkKey{'n', Rgb(172, 110, 54)},
    InkKey{'N', Rgb(112, 66, 28)},   InkKey{'h', Rgb(218, 162, 96)},  InkKey{'y', Rgb(250, 210, 60)},
    InkKey{'x', Rgb(100, 120, 170)},
};

// A door with an arrow leaving through it.
// clang-format off
constexpr GlyphArt kExitGlyph{
    "................",
    ".kkkkkkkkk......",
    ".kdddddddk......",
    ".kdhnnnNdk.k....",
    ".kdhnnnNdk.kk...",
    ".kdhnnnNdk.kmk..",
    ".kdhnkkkkkkkmmk.",
    ".kdhkmmmmmmmmGmk",
    ".kdhkGGGGGGGGGGk",
    ".kdhkeeeeeeeGek.",
    ".kdhnkkkkkkkeek.",
    ".kdhnnnNdk.kek..",
    ".kdhnnyNdk.kk...",
    ".kdhnnnNdk.k....",
    ".kdhnnnNdk......",
    "kkkkkkkkkkk.....",
};
// clang-format on

// A gear, lit from the top left.
// clang-format off
constexpr GlyphArt kOptionsGlyph{
    "................",
    "......kkkk......",
    "..kk..kwlk..kk..",
    "..kwkkwlllkklk..",
    "...kwwllllllk...",
    "...kwllkklllk...",
    ".kkwllk..klllkk.",
    ".kwllk....kllgk.",
    ".klllk....klggk.",
    ".kklllk..klggkk.",
    "...klllkklggk...",
    "...klllllgggk...",
    "..klkkllggkkgk..",
    "..kk..kggk..kk..",
    "......kkkk......",
    "................",
};
// clang-format on

// A monitor whose screen shows the four corners pushed outwards.
// clang-format off
constexpr GlyphArt kFullScreenGlyph{
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllldk",
    "klkkkkkkkkkkkkdk",
    "klkcccccccccckdk",
    "klkcwwwccwwwckdk",
    "klkbwbbbbbbwbkdk",
    "klkbbbbbbbbbbkdk",
    "klkbbbbbbbbbbkdk",
    "klkbwbbbbbbwbkdk",
    "klkbwwwbbwwwbkdk",
    "klkbbbbbbbbbbkdk",
    "klkkkkkkkkkkkkdk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
    "......kddk......",
    "....kkkkkkkk....",
};
// clang-format on

// A floppy disk: shutter at the top, label at the bottom.
// clang-format off
constexpr GlyphArt kSaveGlyph{
    "................",
    ".kkkkkkkkkkkkk..",
    ".kbbkwwwwwdkbBk.",
    ".kbbkwwwddwkbBk.",
    ".kbbkwwwddwkbBk.",
    ".kbbkwwwddwkbBk.",
    ".kbbkllllllkbBk.",
    ".kbbbkkkkkkbbBk.",
    ".kbbbbbbbbbbbBk.",
    ".kbkkkkkkkkkkBk.",
    ".kbkwwwwwwwwkBk.",
    ".kbkwxxxxxxwkBk.",
    ".kbkwwwwwwwwkBk.",
    ".kbkwxxxxxwwkBk.",
    ".kbkwwwwwwwwkBk.",
    ".kkkkkkkkkkkkkk.",
};
// clang-format on

// A red X.
// clang-format off
constexpr GlyphArt kDeleteGlyph{
    "................",
    "................",
    "...kk......kk...",
    "..kork....kork..",
    "..korrk..korrk..",
    "...korrkkorrk...",
    "....korrrrrk....",
    ".....korrrk.....",
    ".....krrrRk.....",
    "....krrrrrRk....",
    "...krrRkkrrRk...",
    "..krrRk..krrRk..",
    "..krRk....krRk..",
    "...kk......kk...",
    "................",
    "................",
};
// clang-format on

// Two red Xs, one behind the other: everything goes.
// clang-format off
constexpr GlyphArt kDeleteAllGlyph{
    ".kk....kk.......",
    "kRRk..kRRk......",
    "kRRRkkRRRk......",
    ".kRRRRRRk.......",
    "..kRRkkk.....kk.",
    "..kRkork....kork",
    ".kRRkorrk..korrk",
    "kRRRkkorrkkorrk.",
    "kRRk..korrrrrk..",
    ".kk....korrrk...",
    ".......krrrRk...",
    "......krrrrrRk..",
    ".....krrRkkrrRk.",
    "....krrRk..krrRk",
    "....krRk....krRk",
    ".....kk......kk.",
};
// clang-format on

// An "i" in a blue disc.
// clang-format off
constexpr GlyphArt kAboutGlyph{
    ".....kkkkkk.....",
    "...kkccccbbkk...",
    "..kccbbwwbbbBk..",
    ".kcbbbwwwwbbbBk.",
    ".kcbbbwwwwbbbBk.",
    "kcbbbbbwwbbbbbBk",
    "kcbbbbbbbbbbbbBk",
    "kbbbbwwwwwbbbbBk",
    "kbbbbbbwwwbbbbBk",
    "kbbbbbbwwwbbbbBk",
    "kbbbbbbwwwbbbbBk",
    ".kbbbbbwwwbbbBk.",
    ".kbbbbwwwwwbbBk.",
    "..kBbbbbbbbbBk..",
    "...kkBBBBBBkk...",
    ".....kkkkkk.....",
};
// clang-format on

// An arrow going down into a tray.
// clang-format off
constexpr GlyphArt kHideGlyph{
    "................",
    ".....kkkkkk.....",
    ".....kcbbBk.....",
    ".....kcbbBk.....",
    ".....kcbbBk.....",
    "..kkkkcbbBkkkk..",
    "...kcbbbbbbBk...",
    "....kcbbbbBk....",
    ".k...kcbbBk...k.",
    "kdk...kbBk...kdk",
    "kdk....kk....kdk",
    "kdkkkkkkkkkkkkdk",
    "kdllllllllllllgk",
    "kdllllllllllllgk",
    "kggggggggggggggk",
    "kkkkkkkkkkkkkkkk",
};
// clang-format on

// Toolbar glyphs of the save-and-edit window.

// A disk whose label holds a landscape: the picture goes to a file.
// clang-format off
constexpr GlyphArt kToolSaveImageGlyph{
    "................",
    ".kkkkkkkkkkkkk..",
    ".kxxkllllllkxdk.",
    ".kxxkllddllkxdk.",
    ".kxxkllddllkxdk.",
    ".kxxkllllllkxdk.",
    ".kxxxkkkkkkxxdk.",
    ".kxxxxxxxxxxxdk.",
    ".kxkkkkkkkkkkdk.",
    ".kxkccccccyykdk.",
    ".kxkcccccccykdk.",
    ".kxkccGccccckdk.",
    ".kxkcGGGccGGkdk.",
    ".kxkGGGGGGGGkdk.",
    ".kxkeeeeeeeekdk.",
    ".kkkkkkkkkkkkkk.",
};
// clang-format on

// An arrow going back onto a clipboard.
// clang-format off
constexpr GlyphArt kToolCopyBackGlyph{
    "....kkkkk.......",
    ".kkkkllldkkk....",
    ".knnkdddddknk...",
    ".knnnkkkkknnk...",
    ".knwwwwwwwwnk...",
    ".knwggggggwnk...",
    ".knwwwwwwwwnk...",
    ".knwgggkggwnk...",
    ".knwwwkGkkkkkkkk",
    ".knwgkmGGGGGGGGk",
    ".knwkmGGGGGGGGGk",
    ".knwwkGeeeeeeeek",
    ".knwwwkekkkkkkkk",
    ".knwwwwkwwwnk...",
    ".knnnnnnnnnnk...",
    ".kkkkkkkkkkkk...",
};
// clang-format on

// A monitor showing a landscape on its desktop.
// clang-format off
constexpr GlyphArt kToolSetWallpaperGlyph{
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllldk",
    "klkkkkkkkkkkkkdk",
    "klkcccccccyyckdk",
    "klkcccccccyyckdk",
    "klkcccGcccccckdk",
    "klkccGGGccccGkdk",
    "klkcGGGGGccGGkdk",
    "klkGGGGGGGGGGkdk",
    "klkGGGGeeGGGGkdk",
    "klkeeeeeeeeeekdk",
    "klkkkkkkkkkkkkdk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
    "......kddk......",
    "....kkkkkkkk....",
};
// clang-format on

// The wallpaper monitor with a gear in front of it.
// clang-format off
constexpr GlyphArt kToolWallpaperOptionsGlyph{
    ".kkkkkkkkkkkk...",
    "kllllllllllldk..",
    "klkkkkkkkkkkdk..",
    "klkccccccyykdk..",
    "klkcccccccckdk..",
    "klkccGGccGckdk..",
    "klkcGGGGGGGkdk..",
    "klkGGGGeGGGkdk..",
    "klkeeeeeeekkdk..",
    "klkkkkkkkkwkklk.",
    "kdddddddkwllllgk",
    ".kkkkkkkkklddgk.",
    "......kddklddgk.",
    "....kkkkkllggggk",
    ".........kgkkgk.",
    "..........k..k..",
};
// clang-format on

// A monitor with a bare desktop, crossed out.
// clang-format off
constexpr GlyphArt kToolNoWallpaperGlyph{
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllldk",
    "klkkkkkkkkkkkkdk",
    "klkbbbrrrrbbbkdk",
    "klkbbrrbbrrbbkdk",
    "klkbrbrrbbbrbkdk",
    "klkbrbbrrbbrbkdk",
    "klkbrbbbrrbrbkdk",
    "klkbrbbbbrrrbkdk",
    "klkbbrrbbrrbbkdk",
    "klkbbbrrrrbbbkdk",
    "klkkkkkkkkkkkkdk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
    "......kddk......",
    "....kkkkkkkk....",
};
// clang-format on

// A blank sheet with a folded corner.
// clang-format off
constexpr GlyphArt kToolNewGlyph{
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwklk....",
    "..kwwwwwwkllk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kllllllllllk..",
    "..kkkkkkkkkkkk..",
};
// clang-format on

// An open folder.
// clang-format off
constexpr GlyphArt kToolOpenGlyph{
    "................",
    "................",
    "................",
    ".kkkk...........",
    "khhhhkkkkkkk....",
    "khyyyyyyyyyhk...",
    "khykkkkkkkkkkkkk",
    "khkyyyyyyyyyyyk.",
    "khkyyyyyyyyyyyk.",
    "kkyyyyyyyyyyyk..",
    "kkyyyyyyyyyyyk..",
    "kyyyyyyyyyyyk...",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
    "................",
};
// clang-format on

// A plain disk.
// clang-format off
constexpr GlyphArt kToolSaveGlyph{
    "................",
    ".kkkkkkkkkkkkk..",
    ".kddkllllllkdgk.",
    ".kddkllddllkdgk.",
    ".kddkllddllkdgk.",
    ".kddkllllllkdgk.",
    ".kdddkkkkkkddgk.",
    ".kddddddddddddk.",
    ".kdkkkkkkkkkkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kdkwggggggwkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kdkwgggggwwkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kkkkkkkkkkkkkk.",
};
// clang-format on

// Scissors.
// clang-format off
constexpr GlyphArt kToolCutGlyph{
    "................",
    "...kk......kk...",
    "...klk....klk...",
    "....klk..klk....",
    "....kllkklgk....",
    ".....klkkgk.....",
    "......kddk......",
    "......kddk......",
    ".....kRkkRk.....",
    "..rrrRk..kRrrr..",
    ".rr..rr..rr..rr.",
    ".r....r..r....r.",
    ".r....r..r....r.",
    ".rr..rr..rr..rr.",
    "..rrrr....rrrr..",
    "................",
};
// clang-format on

// Two sheets, one over the other.
// clang-format off
constexpr GlyphArt kToolCopyGlyph{
    "kkkkkkkkk.......",
    "kwwwwwwwk.......",
    "kwgggggwk.......",
    "kwwwwwwwk.......",
    "kwggggwwk.......",
    "kwwwwwkkkkkkkkkk",
    "kwggggkwwwwwwwwk",
    "kwwwwwkwggggggwk",
    "kwggggkwwwwwwwwk",
    "kwwwwwkwgggggwwk",
    "kkkkkkkwwwwwwwwk",
    "......kwggggggwk",
    "......kwwwwwwwwk",
    "......kwgggggwwk",
    "......kwwwwwwwwk",
    "......kkkkkkkkkk",
};
// clang-format on

// A sheet laid on a clipboard.
// clang-format off
constexpr GlyphArt kToolPasteGlyph{
    ".....kkkkk......",
    ".kkkkklllkkkkk..",
    ".knnkdddddknnk..",
    ".knnnkkkkknnnk..",
    ".knnnnnnnnnnnk..",
    ".knnnnkkkkkkkkkk",
    ".knnnnkwwwwwwwwk",
    ".knnnnkwggggggwk",
    ".knnnnkwwwwwwwwk",
    ".knnnnkwgggggwwk",
    ".knnnnkwwwwwwwwk",
    ".knnnnkwggggggwk",
    ".knnnnkwwwwwwwwk",
    ".kNNNNkwwwwwwwwk",
    ".kkkkkkkkkkkkkkk",
    "................",
};
// clang-format on

// A tick, for "&OK".
// clang-format off
constexpr GlyphArt kOkGlyph{
    "................",
    "................",
    "............kk..",
    "...........kmGk.",
    "..........kmGek.",
    ".........kmGek..",
    "..kk....kmGek...",
    ".kmGk..kmGek....",
    ".kGGGkkmGek.....",
    "..kGGGmGek......",
    "...kGGGek.......",
    "....kGek........",
    ".....kk.........",
    "................",
    "................",
    "................",
};
// clang-format on

// A folder with a magnifying glass, for the wallpaper folder's browse button.
// clang-format off
constexpr GlyphArt kBrowseGlyph{
    "................",
    ".kkkk...........",
    "khhhhk..........",
    "khyyyykkkkkk....",
    "khykkkkkkkkkk...",
    "khkyyyyyyyyyk...",
    "khkyyyyykkkyk...",
    "kkyyyyykcccwk...",
    "kkyyyykcccccwk..",
    "kyyyyykcccccck..",
    "kkkkkkkcccccck..",
    ".......kccccck..",
    "........kkkkkNk.",
    "............kNNk",
    ".............kNk",
    "..............k.",
};
// clang-format on

// About window: a help book with a question mark, for "&Help".
// clang-format off
constexpr GlyphArt kHelpGlyph{
    "................",
    "..kkkkkkkkkkkk..",
    ".kBbbbbbbbbbbbk.",
    ".kBbbbwwwwbbbbk.",
    ".kBbbwwbbwwbbbk.",
    ".kBbbbbbbwwbbbk.",
    ".kBbbbbbwwbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbbbbbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbbbbbbbbk.",
    ".kBkkkkkkkkkkkk.",
    ".kBwlwlwlwlwlwk.",
    "..kkkkkkkkkkkkk.",
};
// clang-format on

constexpr std::array kGlyphFiles{
    GlyphFile{"exit", "IDB_GLYPH_EXIT", kExitGlyph},
    GlyphFile{"options", "IDB_GLYPH_OPTIONS", kOptionsGlyph},
    GlyphFile{"fullscreen", "IDB_GLYPH_FULLSCREEN", kFullScreenGlyph},
    GlyphFile{"save", "IDB_GLYPH_SAVE", kSaveGlyph},
    GlyphFile{"delete", "IDB_GLYPH_DELETE", kDeleteGlyph},
    GlyphFile{"deleteall", "IDB_GLYPH_DELETEALL", kDeleteAllGlyph},
    GlyphFile{"about", "IDB_GLYPH_ABOUT", kAboutGlyph},
    GlyphFile{"hide", "IDB_GLYPH_HIDE", kHideGlyph},
    GlyphFile{"tool_save_image", "IDB_TOOL_SAVE_IMAGE", kToolSaveImageGlyph},
    GlyphFile{"tool_copy_back", "IDB_TOOL_COPY_BACK", kToolCopyBackGlyph},
    GlyphFile{"tool_set_wallpaper", "IDB_TOOL_SET_WALLPAPER", kToolSetWallpaperGlyph},
    GlyphFile{"tool_wallpaper_options", "IDB_TOOL_WALLPAPER_OPTIONS", kToolWallpaperOptionsGlyph},
    GlyphFile{"tool_no_wallpaper", "IDB_TOOL_NO_WALLPAPER", kToolNoWallpaperGlyph},
    GlyphFile{"tool_new", "IDB_TOOL_NEW", kToolNewGlyph},
    GlyphFile{"tool_open", "IDB_TOOL_OPEN", kToolOpenGlyph},
    GlyphFile{"tool_save", "IDB_TOOL_SAVE", kToolSaveGlyph},
    GlyphFile{"tool_cut", "IDB_TOOL_CUT", kToolCutGlyph},
    GlyphFile{"tool_copy", "IDB_TOOL_COPY", kToolCopyGlyph},
    GlyphFile{"tool_paste", "IDB_TOOL_PASTE", kToolPasteGlyph},
    GlyphFile{"ok", "IDB_GLYPH_OK", kOkGlyph},
    GlyphFile{"browse", "IDB_GLYPH_BROWSE", kBrowseGlyph},
    GlyphFile{"help", "IDB_GLYPH_HELP", kHelpGlyph},
};

// The directory picker's buttons: a tick to accept, a cross to back out.
// clang-format off
constexpr GlyphArt kPickerOkGlyph{
    "................",
    "................",
    "............kk..",
    "...........kmGk.",
    "..........kmGek.",
    ".........kmGek..",
    "..kk....kmGek...",
    ".kmGk..kmGek....",
    ".kGGek.kGek.....",
    "..kGGekGek......",
    "...kGGGek.......",
    "....kGek........",
    ".....kk.........",
    "................",
    "................",
    "................",
};
// clang-format on

// clang-format off
constexpr GlyphArt kPickerCancelGlyph{
    "................",
    "................",
    "..kk.......kk...",
    ".korkk...kkork..",
    ".krrRRk.kRrrRk..",
    "..kRrrRkRrrRk...",
    "...kRrrrrrRk....",
    "....kRrrrRk.....",
    "....korrrRk.....",
    "...korrRrrRk....",
    "..korRkkRrrRk...",
    ".korRk..kRrrRk..",
    ".kRRk....kRRRk..",
    "..kk......kkk...",
    "................",
    "................",
};
// clang-format on

constexpr std::array kPickerGlyphFiles{
    GlyphFile{"picker_ok", "IDB_PICKER_OK", kPickerOkGlyph},
    GlyphFile{"picker_cancel", "IDB_PICKER_CANCEL", kPickerCancelGlyph},
};

// Enlarging pixel art by resampling either blurs it or, done by nearest
// neighbour at 1.25 or 1.5 times, doubles rows and columns at random:
// an outline comes out one pixel wide on one side and two on the other.
// Instead each row and column of the art is repeated a chosen number of
// times. The lines picked to repeat are those that run through broad
// areas of one colour, so fills grow while one-pixel outlines, the
// strokes of a tick and the slits between parts keep their width, as a
// hand-drawn larger glyph would have them.

enum class Axis { Columns, Rows };

// A repeated line must not stand next to another or the art bulges there,
// and a line repeated twice costs more than two lines repeated once.
constexpr int kThinPixelCost = 4;
constexpr int kBlankLineCost = 40;
constexpr int kRepeatAgainCost = 20;
constexpr int kNeighbourRepeatedCost = 8;
// Repeats are kept apart up to this many lines, so round outlines stay
// round instead of gaining a flat stretch where the repeats bunch up.
constexpr int kCrowdingReach = 3;

bool Opaque(Pixel p) { return p.a != 0; }
bool Same(Pixel p, Pixel q) { return p.r == q.r && p.g == q.g && p.b == q.b && p.a == q.a; }

// What repeating line `i` would spoil: each opaque pixel on it that differs
// from its neighbours on both sides across the line is a one-pixel-thin
// stroke that repeating would thicken. A blank line only adds margin.
int LineCost(const Image& art, Axis axis, int i) {
  const int length = axis == Axis::Columns ? art.height : art.width;
  const int count = axis == Axis::Columns ? art.width : art.height;
  const auto at = [&](int line, int along) {
    return axis == Axis::Columns ? art.At(line, along) : art.At(along, line);
  };
  int cost = 0;
  bool blank = true;
  for (int along = 0; along < length; ++along) {
    const Pixel p = at(i, along);
    if (!Opaque(p)) continue;
    blank = false;
    const bool sameBefore = i > 0 && Same(p, at(i - 1, along));
    const bool sameAfter = i + 1 < count && Same(p, at(i + 1, along));
    if (!sameBefore && !sameAfter) cost += kThinPixelCost;
  }
  return blank ? kBlankLineCost : cost;
}

// For each of `size` target lines, the art line it copies.
std::vector<int> SourceLines(const Image& art, Axis axis, int size) {
  const int count = axis == Axis::Columns ? art.width : art.height;
  std::vector<int> cost(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) cost[size_t(i)] = LineCost(art, axis, i);
  std::vector<int> repeats(static_cast<size_t>(count), 1);
  const double middle = (count - 1) / 2.0;
  for (int extra = count; extra < size; ++extra) {
    int best = 0;
    int bestScore = 0;
    for (int i = 0; i < count; ++i) {
      int crowding = 0;
      for (int d = 1; d <= kCrowdingReach; ++d) {
        const int near = (i >= d ? repeats[size_t(i - d)] - 1 : 0) + (i + d < count ? repeats[size_t(i + d)] - 1 : 0);
        crowding += near * kNeighbourRepeatedCost * (kCrowdingReach + 1 - d) / kCrowdingReach;
      }
      const int score = cost[size_t(i)] + kRepeatAgainCost * (repeats[size_t(i)] - 1) + crowding;
      // Ties go to the line nearer the middle, so symmetric art stays so
      // as far as it can.
      const bool better = i == 0 || score < bestScore ||
                          (score == bestScore && std::abs(i - middle) < std::abs(best - middle));
      if (better) {
        best = i;
        bestScore = score;
      }
    }
    ++repeats[size_t(best)];
  }
  std::vector<int> source;
  for (int i = 0; i < count; ++i) source.insert(source.end(), size_t(repeats[size_t(i)]), i);
  return source;
}

// Twice the size, each pixel becoming four, with the corner of a quarter
// taken from its two neighbours where they agree and the others do not
// (the classic pixel-art doubling). Diagonal strokes and round outlines
// come out as finer steps instead of two-pixel stairs, while straight
// edges and every colour stay exactly as drawn.
Image Doubled(const Image& art) {
  const auto at = [&](int x, int y) {
    return art.At(std::clamp(x, 0, art.width - 1), std::clamp(y, 0, art.height - 1));
  };
  Image large{art.width * 2, art.height * 2, std::vector<Pixel>(size_t(art.width) * art.height * 4)};
  for (int y = 0; y < art.height; ++y) {
    for (int x = 0; x < art.width; ++x) {
      const Pixel p = at(x, y);
      const Pixel above = at(x, y - 1);
      const Pixel right = at(x + 1, y);
      const Pixel left = at(x - 1, y);
      const Pixel below = at(x, y + 1);
      const auto corner = [&](Pixel side, Pixel end, Pixel otherSide, Pixel otherEnd) {
        return Same(side, end) && !Same(side, otherEnd) && !Same(end, otherSide) ? side : p;
      };
      const auto put = [&](int dx, int dy, Pixel c) { large.pixels[size_t(2 * y + dy) * large.width + 2 * x + dx] = c; };
      put(0, 0, corner(left, above, right, below));
      put(1, 0, corner(above, right, below, left));
      put(0, 1, corner(below, left, above, right));
      put(1, 1, corner(right, below, left, above));
    }
  }
  return large;
}

}  // namespace

std::span<const GlyphFile> ButtonGlyphFiles() { return kGlyphFiles; }
std::span<const GlyphFile> PickerGlyphFiles() { return kPickerGlyphFiles; }

Image DrawGlyph(const GlyphArt& art, int size) {
  Canvas canvas(kSmallIcon, kSmallIcon, kHardSamples);
  DrawPixelMap(canvas, art, kGlyphInks);
  const Image small = canvas.ToImage();
  if (size == kSmallIcon) return small;
  if (size == 2 * kSmallIcon) return Doubled(small);
  const std::vector<int> columns = SourceLines(small, Axis::Columns, size);
  const std::vector<int> rows = SourceLines(small, Axis::Rows, size);
  Image large{size, size, {}};
  large.pixels.reserve(size_t(size) * size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) large.pixels.push_back(small.At(columns[size_t(x)], rows[size_t(y)]));
  }
  return large;
}

}  // namespace art
