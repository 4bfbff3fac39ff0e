// Fuzzes what decides on hostile pictures before the system sees them: the
// DIB soundness check, the choice of clipboard format, and the lossless
// packing every kept picture goes through. The first byte picks the part;
// the rest is the input.
//
// Besides sanitizer faults, a DIB found sound must hold every pixel row it
// announces inside its block (the last announced byte is read), a read plan
// must only name formats that were offered, and packed pixels must come
// back exactly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/clipboard_formats.h"
#include "picture/dib_rules.h"
#include "picture/picture_rules.h"
#include "picture/pixel_pack.h"

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitfields = 3;
constexpr std::size_t kCoreHeaderSize = 12;

std::uint32_t U32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

void Check(bool holds) {
  if (!holds) std::abort();
}

void FuzzDib(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so that any read past the block is caught.
  std::vector<std::uint8_t> block(data, data + size);
  if (!picture::DibIsSound(block.data(), block.size())) return;
  Check(block.size() >= kCoreHeaderSize);
  const std::uint32_t headerSize = U32(block.data());
  if (headerSize < 40 || block.size() < 40) return;
  const std::int64_t width = static_cast<std::int32_t>(U32(block.data() + 4));
  const std::int64_t height = static_cast<std::int32_t>(U32(block.data() + 8));
  const std::uint16_t bits = U16(block.data() + 14);
  const std::uint32_t compression = U32(block.data() + 16);
  const std::uint32_t colours = U32(block.data() + 32);
  Check(width > 0 && width <= picture::kMaxPictureSide);
  Check(height != 0 && std::llabs(height) <= picture::kMaxPictureSide);
  if (compression != kRgb && compression != kBitfields) return;
  std::uint64_t table = colours != 0 ? colours : (bits <= 8 ? (1u << bits) : 0);
  if (bits > 8 && colours == 0) table = 0;
  const std::uint64_t masks = compression == kBitfields && headerSize == 40 ? 12 : 0;
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t end = headerSize + masks + table * 4 + stride * static_cast<std::uint64_t>(std::llabs(height));
  // The system reads this far; the block must hold it.
  Check(end <= block.size());
  volatile std::uint8_t last = block[static_cast<std::size_t>(end - 1)];
  (void)last;
}

void FuzzPlan(const std::uint8_t* data, std::size_t size) {
  if (size < 9) return;
  const core::ClipboardFormat icon = U16(data);
  const core::ClipboardFormat png = U16(data + 2);
  const bool bitmapAvailable = data[4] & 1;
  std::vector<core::ClipboardFormat> listed;
  for (std::size_t i = 5; i + 1 < size; i += 2) listed.push_back(U16(data + i) % 64 + (data[i + 1] & 0x80 ? 0xC000 : 0));
  const picture::PictureReadPlan plan = picture::PlanPictureRead(listed, icon, png, bitmapAvailable);
  auto offered = [&](core::ClipboardFormat format) {
    for (core::ClipboardFormat f : listed)
      if (f == format) return true;
    return false;
  };
  if (listed.empty()) Check(plan.source == picture::PictureSource::None);
  if (plan.dibSource != 0) Check(offered(plan.dibSource));
  if (plan.source == picture::PictureSource::Png) Check(png != 0 && offered(png));
  if (plan.source == picture::PictureSource::Icon) Check(icon != 0 && offered(icon));
}

void FuzzPacking(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return;
  const int width = data[0] % 64 + 1;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
  const int height = static_cast<int>((size - 1) / rowBytes);
  if (height == 0) return;
  const std::vector<std::uint8_t> pixels(data + 1, data + 1 + rowBytes * static_cast<std::size_t>(height));
  const auto packed = picture::PackPixels(width, height, pixels.data(), pixels.size());
  Check(packed.has_value());
  Check(picture::UnpackPixels(*packed) == pixels);
  // A damaged packing comes back empty or whole, never out of bounds.
  picture::PackedPixels damaged = *packed;
  if (!damaged.data.empty()) damaged.data[damaged.data.size() / 2] ^= data[0] | 1;
  const std::vector<std::uint8_t> back = picture::UnpackPixels(damaged);
  Check(back.empty() || back.size() == pixels.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  switch (data[0] % 3) {
    case 0: FuzzDib(data + 1, size - 1); break;
    case 1: FuzzPlan(data + 1, size - 1); break;
    default: FuzzPacking(data + 1, size - 1); break;
  }
  return 0;
}
