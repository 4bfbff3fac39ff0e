#include "picture/pixel_pack.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace picture {

namespace {

// The filter byte in front of each stored row, numbered as the well-known
// row filters are so that a dump of the stream reads familiarly.
enum Filter : std::uint8_t { kNone = 0, kSub = 1, kUp = 2, kPaeth = 4 };
constexpr Filter kAdaptiveFilters[] = {kNone, kSub, kUp, kPaeth};
constexpr std::size_t kOutputChunk = 256 * 1024;
constexpr int kOpaque = 255;

std::uint8_t PaethPredict(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  if (toUp <= toUpLeft) return static_cast<std::uint8_t>(up);
  return static_cast<std::uint8_t>(upLeft);
}

// The byte that `filter` predicts at index i of a row of `size` bytes with
// `step` bytes per pixel; `prior` is the unfiltered row above (zeros on top).
std::uint8_t Predict(Filter filter, const std::uint8_t* row, const std::uint8_t* prior, std::size_t i,
                     std::size_t step) {
  const int left = i >= step ? row[i - step] : 0;
  switch (filter) {
    case kSub: return static_cast<std::uint8_t>(left);
    case kUp: return prior[i];
    case kPaeth: return PaethPredict(left, prior[i], i >= step ? prior[i - step] : 0);
    case kNone: break;
  }
  return 0;
}

void ApplyFilter(Filter filter, const std::uint8_t* row, const std::uint8_t* prior, std::size_t size, std::size_t step,
                 std::uint8_t* out) {
  out[0] = filter;
  for (std::size_t i = 0; i < size; ++i) {
    out[i + 1] = static_cast<std::uint8_t>(row[i] - Predict(filter, row, prior, i, step));
  }
}

// Sum of the filtered bytes read as signed: small sums compress best.
unsigned long Cost(const std::uint8_t* filtered, std::size_t size) {
  unsigned long sum = 0;
  for (std::size_t i = 1; i <= size; ++i)
    sum += static_cast<unsigned long>(std::abs(static_cast<std::int8_t>(filtered[i])));
  return sum;
}

class Deflater {
 public:
  explicit Deflater(int level) {
    if (deflateInit(&stream_, level) != Z_OK) throw std::bad_alloc();
  }
  ~Deflater() { deflateEnd(&stream_); }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  void Add(const std::uint8_t* bytes, std::size_t size, std::vector<std::uint8_t>& out, bool last) {
    stream_.next_in = const_cast<Bytef*>(bytes);
    stream_.avail_in = static_cast<uInt>(size);
    const int flush = last ? Z_FINISH : Z_NO_FLUSH;
    for (;;) {
      if (out.size() - produced_ < kOutputChunk / 4) out.resize(out.size() + kOutputChunk);
      stream_.next_out = out.data() + produced_;
      stream_.avail_out = static_cast<uInt>(out.size() - produced_);
      const int result = deflate(&stream_, flush);
      produced_ = out.size() - stream_.avail_out;
      if (result == Z_STREAM_END) break;
      if (result != Z_OK && result != Z_BUF_ERROR) throw std::bad_alloc();
      if (!last && stream_.avail_in == 0 && stream_.avail_out != 0) break;
    }
    if (last) out.resize(produced_);
  }

 private:
  z_stream stream_{};
  std::size_t produced_ = 0;
};

// Whether every pixel has the same alpha, 0 or 255; that alpha then.
std::optional<std::uint8_t> UniformAlpha(const std::uint8_t* pixels, std::size_t count) {
  const std::uint8_t first = pixels[3];
  if (first != 0 && first != kOpaque) return std::nullopt;
  for (std::size_t i = 0; i < count; ++i) {
    if (pixels[i * 4 + 3] != first) return std::nullopt;
  }
  return first;
}

}  // namespace

std::optional<PackedPixels> PackPixels(int width, int height, const std::uint8_t* pixels, std::size_t bytes,
                                       const PackOptions& options, const std::atomic<bool>* stop) {
  if (width <= 0 || height <= 0 || !pixels) return std::nullopt;
  PackedPixels packed;
  packed.width = width;
  packed.height = height;
  if (bytes != packed.UnpackedBytes()) return std::nullopt;
  const auto pixelsPerRow = static_cast<std::size_t>(width);
  const std::optional<std::uint8_t> fill = UniformAlpha(pixels, pixelsPerRow * static_cast<std::size_t>(height));
  packed.hasAlpha = !fill;
  packed.alphaFill = fill.value_or(0);
  const std::size_t step = packed.hasAlpha ? 4 : 3;
  const std::size_t rowSize = pixelsPerRow * step;

  std::vector<std::uint8_t> row(rowSize);
  std::vector<std::uint8_t> prior(rowSize, 0);
  std::vector<std::uint8_t> best(rowSize + 1);
  std::vector<std::uint8_t> trial(rowSize + 1);
  Deflater deflater(options.level);
  for (int y = 0; y < height; ++y) {
    if (stop && stop->load(std::memory_order_relaxed)) return std::nullopt;
    const std::uint8_t* source = pixels + static_cast<std::size_t>(y) * pixelsPerRow * 4;
    if (packed.hasAlpha) {
      std::memcpy(row.data(), source, rowSize);
    } else {
      for (std::size_t x = 0; x < pixelsPerRow; ++x) std::memcpy(&row[x * 3], source + x * 4, 3);
    }
    switch (options.filter) {
      case RowFilterChoice::Sub: ApplyFilter(kSub, row.data(), prior.data(), rowSize, step, best.data()); break;
      case RowFilterChoice::Up: ApplyFilter(kUp, row.data(), prior.data(), rowSize, step, best.data()); break;
      case RowFilterChoice::Adaptive: {
        unsigned long bestCost = 0;
        bool first = true;
        for (Filter filter : kAdaptiveFilters) {
          ApplyFilter(filter, row.data(), prior.data(), rowSize, step, trial.data());
          const unsigned long cost = Cost(trial.data(), rowSize);
          if (first || cost < bestCost) {
            bestCost = cost;
            best.swap(trial);
            first = false;
          }
        }
        break;
      }
    }
    deflater.Add(best.data(), best.size(), packed.data, y + 1 == height);
    prior.swap(row);
  }
  packed.data.shrink_to_fit();
  return packed;
}

std::vector<std::uint8_t> UnpackPixels(const PackedPixels& packed) {
  if (packed.width <= 0 || packed.height <= 0) return {};
  const std::size_t step = packed.hasAlpha ? 4 : 3;
  const auto pixelsPerRow = static_cast<std::size_t>(packed.width);
  const std::size_t rowSize = pixelsPerRow * step;
  std::vector<std::uint8_t> pixels(packed.UnpackedBytes());
  std::vector<std::uint8_t> row(rowSize + 1);
  std::vector<std::uint8_t> prior(rowSize, 0);

  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) throw std::bad_alloc();
  struct End {
    z_stream* s;
    ~End() { inflateEnd(s); }
  } end{&stream};
  stream.next_in = const_cast<Bytef*>(packed.data.data());
  stream.avail_in = static_cast<uInt>(packed.data.size());
  for (int y = 0; y < packed.height; ++y) {
    stream.next_out = row.data();
    stream.avail_out = static_cast<uInt>(row.size());
    while (stream.avail_out != 0) {
      const int result = inflate(&stream, Z_NO_FLUSH);
      if (result == Z_MEM_ERROR) throw std::bad_alloc();
      if (result == Z_STREAM_END && stream.avail_out != 0) return {};
      if (result != Z_OK && result != Z_STREAM_END) return {};
    }
    const auto filter = static_cast<Filter>(row[0]);
    if (filter != kNone && filter != kSub && filter != kUp && filter != kPaeth) return {};
    std::uint8_t* line = row.data() + 1;
    for (std::size_t i = 0; i < rowSize; ++i) {
      line[i] = static_cast<std::uint8_t>(line[i] + Predict(filter, line, prior.data(), i, step));
    }
    std::uint8_t* target = pixels.data() + static_cast<std::size_t>(y) * pixelsPerRow * 4;
    if (packed.hasAlpha) {
      std::memcpy(target, line, rowSize);
    } else {
      for (std::size_t x = 0; x < pixelsPerRow; ++x) {
        std::memcpy(target + x * 4, line + x * 3, 3);
        target[x * 4 + 3] = packed.alphaFill;
      }
    }
    std::memcpy(prior.data(), line, rowSize);
  }
  return pixels;
}

}  // namespace picture
