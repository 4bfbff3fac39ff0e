// The splash picture: the bird and the title on a dark stage between two
// light bands that the start-up windows write into.
#pragma once

#include "drawing.h"

namespace art {

// The colour its plain areas are written in; nothing in it is see-through.
constexpr Pixel kSplashKey{255, 255, 255, 255};

Image DrawSplash();

}  // namespace art
