// The Windows bitmap file format, written from bytes so that the rules can be
// checked on any machine: what every other program expects to find in a
// ".bmp" file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace picture {

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;

// A 24-bit uncompressed bitmap file from 32-bit pixels (blue, green, red and
// an unused byte each), bottom-up, as pictures keep them. 24 bits is the
// depth every reader of the format understands; the fourth byte carries
// nothing in a picture taken from a bitmap, so nothing is lost. Returns no
// bytes when the pixels do not match the size or the file would not fit the
// format's 32-bit sizes.
std::vector<std::uint8_t> EncodeBmpFile(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes);

// The same written straight into memory the caller holds, so a large
// picture is encoded once, where it is going (a string for a file, the
// clipboard's block), instead of being built and then copied. A Dib is the
// file without its file header, as the clipboard's CF_DIB holds it.
enum class BmpPart { File, Dib };
// The bytes the part takes; 0 when EncodeBmpFile would give no bytes.
std::size_t BmpEncodedSize(int width, int height, std::size_t pixelBytes, BmpPart part);
// Fills exactly BmpEncodedSize bytes at `out`; false (nothing written) when
// the sizes do not match.
bool EncodeBmpInto(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes, BmpPart part,
                   std::uint8_t* out, std::size_t outBytes);

}  // namespace picture

namespace picture {

// An icon file holding one image: 32-bit colour pixels (as above, the fourth
// byte the alpha) and a 1-bit mask, both bottom-up, the mask's rows padded to
// whole 32-bit words as GetDIBits gives them. Returns no bytes when the sizes
// do not match.
std::vector<std::uint8_t> EncodeIconFile(int width, int height, const std::uint8_t* pixels, std::size_t pixelBytes,
                                         const std::uint8_t* mask, std::size_t maskBytes);

// Bytes per row of a 1-bit image, padded to whole 32-bit words.
constexpr std::size_t MaskRowBytes(int width) { return (static_cast<std::size_t>(width) + 31) / 32 * 4; }

}  // namespace picture
