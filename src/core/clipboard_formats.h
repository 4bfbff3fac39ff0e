// Numbers of the standard clipboard formats the capture rules deal with.
// The system fixes them; the Win32 side checks them against its own
// definitions at compile time.
#pragma once

#include <cstdint>

namespace core {

using ClipboardFormat = std::uint32_t;

inline constexpr ClipboardFormat kTextFormat = 1;
inline constexpr ClipboardFormat kBitmapFormat = 2;
inline constexpr ClipboardFormat kMetafilePictFormat = 3;
inline constexpr ClipboardFormat kDibFormat = 8;
inline constexpr ClipboardFormat kEnhMetafileFormat = 14;
inline constexpr ClipboardFormat kDibV5Format = 17;

// Many programs, and every X11 program under Wine, offer a picture as a PNG
// file image in the format registered under this name, often without a
// bitmap beside it.
inline constexpr wchar_t kPngFormatName[] = L"PNG";

}  // namespace core
