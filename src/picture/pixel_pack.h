// Lossless compact storage for 32-bit pixels (blue, green, red, alpha), as
// pictures keep them: the alpha byte is left out when it carries nothing,
// each row goes through the reversible prediction filter that suits it, and
// the result is deflated. A 4K screenshot shrinks from 33 MB to a few.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace picture {

// How each row's prediction filter is chosen. Adaptive tries every filter
// and keeps the one whose output bytes lie closest to zero; the others use
// one filter throughout (kept for measuring the choice).
enum class RowFilterChoice { Adaptive, Sub, Up };

// The defaults are the fastest measured (bench_pixel_pack): on 4K screens
// and photos, Sub at level 1 packs within a few percent of the adaptive
// choice (a screen to about 0.5 MB, a noisy photo to less than half) in
// about half to two thirds of its time, and in half the time of level 6,
// whose gain is a fraction of a megabyte.
struct PackOptions {
  int level = 1;
  RowFilterChoice filter = RowFilterChoice::Sub;
};

struct PackedPixels {
  int width = 0;
  int height = 0;
  // Whether the fourth byte of each pixel is stored; when it is not, every
  // pixel had `alphaFill` there.
  bool hasAlpha = false;
  std::uint8_t alphaFill = 0;
  std::vector<std::uint8_t> data;

  std::size_t UnpackedBytes() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4; }
};

// Packs width x height 32-bit pixels (`bytes` must be width * height * 4).
// Returns nothing when `stop` becomes true on the way or the sizes do not
// match. Throws std::bad_alloc when memory runs out.
std::optional<PackedPixels> PackPixels(int width, int height, const std::uint8_t* pixels, std::size_t bytes,
                                       const PackOptions& options = {}, const std::atomic<bool>* stop = nullptr);

// The pixels exactly as they were packed. Returns no bytes when the packed
// data is damaged. Throws std::bad_alloc when memory runs out.
std::vector<std::uint8_t> UnpackPixels(const PackedPixels& packed);

}  // namespace picture
