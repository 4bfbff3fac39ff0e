// The splash picture: the bird and the title on a dark stage between two
// light bands that the start-up windows write into.
#pragma once

#include "drawing.h"

namespace art {

// The colour its plain areas are written in; nothing in it is see-through.
constexpr Pixel kSplashKey{255, 255, 255, 255};

// The picture is laid out on a 400 x 200 design; `scale` draws it that
// much larger (1.5 and 2 for screens at 150 % and 200 %).
Image DrawSplash(double scale = 1.0);

}  // namespace art
