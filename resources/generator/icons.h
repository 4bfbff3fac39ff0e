// The tray and program icons (a clipboard, with a pencil while recording and
// a "no" sign while not) and the options dialog's page pictures.
#pragma once

#include "drawing.h"

namespace art {

// The vector art is designed on a 32-unit square and scaled for other sizes.
constexpr double kIconDesignSize = 32.0;

// The icon art's colours. The 16-colour images are drawn with their own set
// taken straight from the VGA palette (and no translucency), so nothing has
// to be guessed when they are reduced to it.
struct ClipboardInks {
  Color boardOutline, boardLight, boardDark;
  Color paperTop, paperBottom, paperShadow, lettering;
  Color clipOutline, clipLight, clipDark;
  Color pencilOutline, pencilLight, pencilMid, pencilDark;
  Color eraserLight, eraserDark, ferruleLight, ferruleDark, wood, graphite, dropShadow;
  Color signRed, signRedLight, signEdge;
};

constexpr ClipboardInks kTrueColourInks{
    .boardOutline = Rgb(88, 50, 20),
    .boardLight = Rgb(222, 160, 92),
    .boardDark = Rgb(156, 92, 40),
    .paperTop = Rgb(255, 255, 255),
    .paperBottom = Rgb(232, 237, 245),
    .paperShadow = Rgb(40, 20, 0, 0.35),
    .lettering = Rgb(66, 88, 140),
    .clipOutline = Rgb(62, 66, 76),
    .clipLight = Rgb(246, 247, 250),
    .clipDark = Rgb(150, 156, 168),
    .pencilOutline = Rgb(72, 44, 12),
    .pencilLight = Rgb(255, 222, 92),
    .pencilMid = Rgb(250, 190, 30),
    .pencilDark = Rgb(222, 140, 20),
    .eraserLight = Rgb(250, 160, 176),
    .eraserDark = Rgb(208, 92, 116),
    .ferruleLight = Rgb(236, 238, 242),
    .ferruleDark = Rgb(140, 146, 158),
    .wood = Rgb(246, 214, 164),
    .graphite = Rgb(52, 52, 60),
    .dropShadow = Rgb(0, 0, 0, 0.3),
    .signRed = Rgb(230, 30, 30),
    .signRedLight = Rgb(255, 84, 70),
    .signEdge = Rgb(120, 0, 0),
};

// The board, its sheet and the clip; the splash shows them too.
void DrawClipboard(Canvas& canvas, const ClipboardInks& inks);

// The pencil lies across the sheet, point down to the left as if just used.
void DrawPencil(Canvas& canvas, const ClipboardInks& inks);

enum class ClipboardState { Active, Disabled };

// 16-colour images get hard edges and VGA inks: blended edge pixels would
// only snap to odd palette colours.
Image DrawClipboardIcon(int size, ClipboardState state, int bitsPerPixel);

// --- 16x16: hand-placed so the clip, the sheet and the pencil stay legible
// in the notification area. The disabled picture leaves the pencil off: the
// sign already crowds the sheet, and a missing pencil says "not recording".
Image DrawSmallClipboardIcon(ClipboardState state);

// The options dialog: a picture for each page, designed at 32x32 and
// drawn at `size` pixels square.
Image DrawPreferencesPicture(int size);
Image DrawConfirmationPicture(int size);
Image DrawWallpaperPicture(int size);
Image DrawQuickPastePicture(int size);

}  // namespace art
