// A picture leaving the program: as a file in its own format, or back on the
// clipboard in a form other programs take.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "picture/picture.h"

namespace tools {

// The file type that keeps a picture as it is, for the save dialog.
struct PictureFileType {
  const wchar_t* filterName;
  const wchar_t* pattern;
  const wchar_t* extension;
};
PictureFileType FileTypeOf(const picture::Picture& picture);

// The file bytes in the picture's own format: a bitmap as a Windows BMP
// file, a metafile as an enhanced metafile, an icon as an icon file. Throws
// ui::UserError when the system cannot give the content (an icon larger
// than an icon file holds, for one).
std::string PictureFileBytes(const picture::Picture& picture);

// A Windows BMP file of the picture, whatever its kind, for the desktop
// wallpaper: a bitmap as it is, a metafile or an icon drawn on white.
std::string WallpaperFileBytes(const picture::Picture& picture);

// Hands one format's data to the open clipboard; SetClipboardData, or a
// test's stand-in.
using ClipboardPut = std::function<HANDLE(UINT format, HANDLE data)>;

// Puts the picture on the clipboard: a bitmap as a DIB (the system offers
// it as a bitmap too), a metafile as an enhanced metafile, an icon drawn on
// white as a DIB (an icon is no clipboard format other programs read). The
// picture itself is left as it was. Throws ui::UserError when the clipboard
// cannot be opened, or with the system's reason when it refuses the data.
void CopyPictureToClipboard(HWND owner, const picture::Picture& picture,
                            const ClipboardPut& put = [](UINT format, HANDLE data) {
                              return SetClipboardData(format, data);
                            });

}  // namespace tools
