#include "picture/picture_formats.h"

#include "core/clipboard_formats.h"

namespace picture {

namespace {

constexpr wchar_t kPictureFormatName[] = L"Kestrel Picture";
constexpr wchar_t kComponentFormatName[] = L"Kestrel Component";
constexpr wchar_t kIconFormatName[] = L"Kestrel Icon";

}  // namespace

UINT PictureFormat() { return RegisterClipboardFormatW(kPictureFormatName); }
UINT PngFormat() { return RegisterClipboardFormatW(core::kPngFormatName); }
UINT ComponentFormat() { return RegisterClipboardFormatW(kComponentFormatName); }
UINT IconFormat() { return RegisterClipboardFormatW(kIconFormatName); }

}  // namespace picture
