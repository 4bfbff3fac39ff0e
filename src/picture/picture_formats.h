// The clipboard formats pictures travel in besides the system's own: the
// three this program registers for its picture kinds, and the one other
// programs offer PNG images in.
#pragma once

#include <windows.h>

namespace picture {

// Registered once per session by the system; asking again returns the same id.
UINT PictureFormat();
UINT ComponentFormat();
UINT IconFormat();
UINT PngFormat();

}  // namespace picture
