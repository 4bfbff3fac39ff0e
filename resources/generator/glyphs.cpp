#include "glyphs.h"

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
    GlyphFile{"exit", kExitGlyph},
    GlyphFile{"options", kOptionsGlyph},
    GlyphFile{"fullscreen", kFullScreenGlyph},
    GlyphFile{"save", kSaveGlyph},
    GlyphFile{"delete", kDeleteGlyph},
    GlyphFile{"deleteall", kDeleteAllGlyph},
    GlyphFile{"about", kAboutGlyph},
    GlyphFile{"hide", kHideGlyph},
    GlyphFile{"tool_save_image", kToolSaveImageGlyph},
    GlyphFile{"tool_copy_back", kToolCopyBackGlyph},
    GlyphFile{"tool_set_wallpaper", kToolSetWallpaperGlyph},
    GlyphFile{"tool_wallpaper_options", kToolWallpaperOptionsGlyph},
    GlyphFile{"tool_no_wallpaper", kToolNoWallpaperGlyph},
    GlyphFile{"tool_new", kToolNewGlyph},
    GlyphFile{"tool_open", kToolOpenGlyph},
    GlyphFile{"tool_save", kToolSaveGlyph},
    GlyphFile{"tool_cut", kToolCutGlyph},
    GlyphFile{"tool_copy", kToolCopyGlyph},
    GlyphFile{"tool_paste", kToolPasteGlyph},
    GlyphFile{"ok", kOkGlyph},
    GlyphFile{"browse", kBrowseGlyph},
    GlyphFile{"help", kHelpGlyph},
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
    GlyphFile{"picker_ok", kPickerOkGlyph},
    GlyphFile{"picker_cancel", kPickerCancelGlyph},
};

}  // namespace

std::span<const GlyphFile> ButtonGlyphFiles() { return kGlyphFiles; }
std::span<const GlyphFile> PickerGlyphFiles() { return kPickerGlyphFiles; }

Image DrawGlyph(const GlyphArt& art) {
  Canvas canvas(kSmallIcon, kSmallIcon, kHardSamples);
  DrawPixelMap(canvas, art, kGlyphInks);
  return canvas.ToImage();
}

}  // namespace art
