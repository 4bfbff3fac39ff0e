#include "tools/picture_export.h"

#include <memory>
#include <vector>

#include "picture/bmp_file.h"
#include "desktop/clipboard.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace tools {

namespace {

constexpr wchar_t kCannotConvert[] = L"The picture could not be converted for saving.";
constexpr wchar_t kClipboardBusy[] = L"The clipboard is in use by another program. Please try again.";
constexpr wchar_t kClipboardRefused[] = L"The picture could not be put on the clipboard.";
constexpr int kBytesPerPixel = 4;

BITMAPINFOHEADER Header32(int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

std::vector<uint8_t> Pixels32(HBITMAP bitmap, int width, int height, int firstLine) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * kBytesPerPixel);
  BITMAPINFO info{};
  info.bmiHeader = Header32(width, height);
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  if (GetDIBits(dc.get(), bitmap, static_cast<UINT>(firstLine), static_cast<UINT>(height), pixels.data(), &info,
                DIB_RGB_COLORS) != height) {
    throw ui::UserError(kCannotConvert);
  }
  return pixels;
}

std::vector<uint8_t> Mask1(HBITMAP bitmap, int width, int height, int firstLine) {
  std::vector<uint8_t> mask(picture::MaskRowBytes(width) * static_cast<size_t>(height));
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header = Header32(width, height);
  info.header.biBitCount = 1;
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  if (GetDIBits(dc.get(), bitmap, static_cast<UINT>(firstLine), static_cast<UINT>(height), mask.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != height) {
    throw ui::UserError(kCannotConvert);
  }
  return mask;
}

std::string AsString(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) throw ui::UserError(kCannotConvert);
  return std::string(bytes.begin(), bytes.end());
}

// The BMP file written straight into the string that goes to the file: a
// large picture is then in memory once as pixels and once as the file.
std::string BmpFileOf(int width, int height, const std::vector<uint8_t>& pixels) {
  const size_t size = picture::BmpEncodedSize(width, height, pixels.size(), picture::BmpPart::File);
  if (size == 0) throw ui::UserError(kCannotConvert);
  std::string file(size, '\0');
  picture::EncodeBmpInto(width, height, pixels.data(), pixels.size(), picture::BmpPart::File,
                         reinterpret_cast<uint8_t*>(file.data()), file.size());
  return file;
}

std::string BitmapFile(const picture::Picture& picture) {
  const std::shared_ptr<const std::vector<uint8_t>> pixels = picture.SharedPixels();
  if (!pixels) throw ui::UserError(kCannotConvert);
  return BmpFileOf(picture.Width(), picture.Height(), *pixels);
}

std::string MetafileFile(HENHMETAFILE metafile) {
  const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
  std::vector<uint8_t> bytes(size);
  if (size == 0 || GetEnhMetaFileBits(metafile, size, bytes.data()) != size) throw ui::UserError(kCannotConvert);
  return AsString(bytes);
}

std::string IconFile(HICON icon) {
  const ui::IconInfo info(icon);
  BITMAP mask{};
  if (!info || GetObjectW(info.Mask(), sizeof(mask), &mask) == 0) throw ui::UserError(kCannotConvert);
  // A monochrome icon keeps its image in the lower half of the mask bitmap;
  // bottom-up, that half comes first.
  const int width = mask.bmWidth;
  const int height = info.Colour() ? mask.bmHeight : mask.bmHeight / 2;
  const std::vector<uint8_t> colour = Pixels32(info.Colour() ? info.Colour() : info.Mask(), width, height, 0);
  const std::vector<uint8_t> andMask = Mask1(info.Mask(), width, height, info.Colour() ? 0 : height);
  return AsString(picture::EncodeIconFile(width, height, colour.data(), colour.size(), andMask.data(), andMask.size()));
}

// The icon drawn on white, as 32-bit bottom-up pixels.
std::vector<uint8_t> IconOnWhite(const picture::Picture& picture) {
  const int width = picture.Width();
  const int height = picture.Height();
  BITMAPINFO info{};
  info.bmiHeader = Header32(width, height);
  void* bits = nullptr;
  ui::unique_hbitmap canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  if (!canvas || !dc || !bits) throw ui::UserError(kCannotConvert);
  {
    ui::SelectGuard select(dc.get(), canvas.get());
    const RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    picture.Draw(dc.get(), all);
    GdiFlush();
  }
  const auto* first = static_cast<const uint8_t*>(bits);
  return std::vector<uint8_t>(first, first + static_cast<size_t>(width) * height * kBytesPerPixel);
}

// A packed DIB is a bitmap file without its file header; it is written
// straight into the block the clipboard takes.
ui::unique_hglobal PackedDib(int width, int height, const std::vector<uint8_t>& pixels) {
  const size_t size = picture::BmpEncodedSize(width, height, pixels.size(), picture::BmpPart::Dib);
  if (size == 0) throw ui::UserError(kCannotConvert);
  ui::unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, size));
  const ui::GlobalLockGuard<> target(memory.get());
  if (!target) throw ui::UserError(kCannotConvert);
  picture::EncodeBmpInto(width, height, pixels.data(), pixels.size(), picture::BmpPart::Dib,
                         static_cast<uint8_t*>(target.get()), size);
  return memory;
}

// Hands the data to the clipboard, which owns it from then on. The
// clipboard has been emptied by now, so a refusal must be told, not
// passed over: the user's clipboard is gone.
template <typename Owner>
void Put(const ClipboardPut& put, UINT format, Owner data) {
  if (!data) return;
  SetLastError(ERROR_SUCCESS);
  if (!put(format, data.get())) throw ui::UserError(ui::RefusalText(kClipboardRefused, GetLastError()));
  data.release();
}

}  // namespace

PictureFileType FileTypeOf(const picture::Picture& picture) {
  switch (picture.GetKind()) {
    case picture::Picture::Kind::Metafile: return {L"Enhanced metafile", L"*.emf", L"emf"};
    case picture::Picture::Kind::Icon: return {L"Icon", L"*.ico", L"ico"};
    case picture::Picture::Kind::Bitmap:
    case picture::Picture::Kind::Empty: break;
  }
  return {L"Bitmap", L"*.bmp", L"bmp"};
}

std::string PictureFileBytes(const picture::Picture& picture) {
  switch (picture.GetKind()) {
    case picture::Picture::Kind::Bitmap: return BitmapFile(picture);
    case picture::Picture::Kind::Metafile: return MetafileFile(picture.Metafile());
    case picture::Picture::Kind::Icon: return IconFile(picture.Icon());
    case picture::Picture::Kind::Empty: break;
  }
  throw ui::UserError(kCannotConvert);
}

std::string WallpaperFileBytes(const picture::Picture& picture) {
  switch (picture.GetKind()) {
    case picture::Picture::Kind::Bitmap: return BitmapFile(picture);
    case picture::Picture::Kind::Metafile:
    case picture::Picture::Kind::Icon: {
      return BmpFileOf(picture.Width(), picture.Height(), IconOnWhite(picture));
    }
    case picture::Picture::Kind::Empty: break;
  }
  throw ui::UserError(kCannotConvert);
}

void CopyPictureToClipboard(HWND owner, const picture::Picture& picture, const ClipboardPut& put) {
  // Everything is made before the clipboard is emptied, so a picture that
  // cannot be converted leaves the clipboard as it was. A bitmap goes as a
  // DIB only: the system makes the bitmap from it for whoever asks, so a
  // large picture is not made twice.
  ui::unique_hglobal dib;
  ui::unique_henhmetafile metafile;
  switch (picture.GetKind()) {
    case picture::Picture::Kind::Bitmap: {
      const std::shared_ptr<const std::vector<uint8_t>> pixels = picture.SharedPixels();
      if (!pixels) throw ui::UserError(kCannotConvert);
      dib = PackedDib(picture.Width(), picture.Height(), *pixels);
      break;
    }
    case picture::Picture::Kind::Icon:
      dib = PackedDib(picture.Width(), picture.Height(), IconOnWhite(picture));
      break;
    case picture::Picture::Kind::Metafile:
      metafile.reset(CopyEnhMetaFileW(picture.Metafile(), nullptr));
      if (!metafile) throw ui::UserError(kCannotConvert);
      break;
    case picture::Picture::Kind::Empty: return;
  }

  const desktop::ClipboardSession session(owner);
  if (!session.IsOpen()) throw ui::UserError(kClipboardBusy);
  EmptyClipboard();
  Put(put, CF_DIB, std::move(dib));
  Put(put, CF_ENHMETAFILE, std::move(metafile));
}

}  // namespace tools
