// The program's pictures at the size a window's scale asks for. Glyphs,
// icons and the splash picture are drawn in several sizes in the resources
// (see resource_ids.h), because stretching a small bitmap smears its thin
// lines; these functions pick the one that suits.
#pragma once

#include <windows.h>

#include "ui/dpi.h"
#include "ui/handles.h"

namespace ui {

// WM_DPICHANGED_AFTERPARENT (Windows 10), which the headers hold back for
// the older systems the program is built for: a child window's scale has
// changed with its parent's, and its pictures are to be loaded again.
inline constexpr UINT kDpiChangedAfterParent = 0x02E3;

// A glyph's side at 96 DPI.
inline constexpr int kGlyphSide = 16;

// The side glyphs are shown at on this scale: of the sizes they are drawn
// in (16, 20, 24 and 32 pixels, for 100, 125, 150 and 200 %), the largest
// that is no larger than a 16 pixel glyph scaled. A glyph is never
// stretched: its pixel art would blur, or turn uneven.
int GlyphSide(Dpi dpi);

// A glyph bitmap resource (magenta marks its transparent pixels) in the
// largest size drawn that is no larger than `side`; the 16 pixel image when
// `side` is smaller still. Null when the resource is missing.
unique_hbitmap LoadGlyph(int resourceId, int side);

// An icon resource `side` pixels square: its image of that size, or a
// larger one scaled down where it has none. Null when the resource is
// missing.
unique_hicon LoadIconSized(int resourceId, int side);

// An icon resource at the system's small-icon size for this scale, as
// title bars and the notification area show them.
unique_hicon LoadSmallIcon(int resourceId, Dpi dpi);

// A picture drawn at 1, 1.5 and 2 times: the smallest that is at least as
// large as this scale needs, so it is only ever shown at its own size or
// shrunk (which keeps it sharp), never enlarged. `ids` lists the resources
// from 1 to 2 times.
struct ScaledPictureIds {
  int atOne;
  int atOneAndHalf;
  int atTwo;
};
unique_hbitmap LoadScaledPicture(const ScaledPictureIds& ids, Dpi dpi);

// Draws `picture` into `target`: copied pixel for pixel when it has the
// target's size, else resampled smoothly to fit.
void DrawPicture(HDC dc, HBITMAP picture, const RECT& target);

}  // namespace ui
