// The check a packed DIB (header, colour table, pixels in one block) must
// pass before the system is asked to make a bitmap of it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace picture {

// Pictures larger than this are refused rather than risking the process;
// the bytes count 32-bit pixels, as pictures are kept.
inline constexpr int kMaxPictureSide = 32768;
inline constexpr std::uint64_t kMaxPictureBytes = 512ull * 1024 * 1024;

// The system turns a DIB into a bitmap without checking that the header
// makes sense or that the pixels it announces are really there, reading
// past the block or allocating whatever the header asks for. So the header
// is checked against the size of its block and our own limits first. Any
// bytes at all may be passed; nothing outside the block is read.
bool DibIsSound(const std::uint8_t* block, std::size_t blockSize);

}  // namespace picture
