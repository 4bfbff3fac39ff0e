// Helpers several Win32 test files share: what a picture looks like once
// drawn, and files and folders of a test's own in the temporary folder.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "picture/picture.h"
#include "ui/handles.h"

namespace test {

// The picture drawn at its own size, read back as 32-bit pixels, bottom-up
// as bitmaps keep them.
inline std::vector<uint8_t> DrawnPixels(const picture::Picture& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = picture.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* data = nullptr;
  ui::unique_hbitmap canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &data, nullptr, 0));
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  {
    ui::SelectGuard select(dc.get(), canvas.get());
    picture.Draw(dc.get(), RECT{0, 0, picture.Width(), picture.Height()});
    GdiFlush();
  }
  const auto* first = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(first, first + static_cast<size_t>(picture.Width()) * picture.Height() * 4);
}

// The same drawing as colours, top row first, the way a test spells out
// the picture it expects.
inline std::vector<COLORREF> DrawnColours(const picture::Picture& picture) {
  const std::vector<uint8_t> pixels = DrawnPixels(picture);
  std::vector<COLORREF> colours;
  for (int y = picture.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const uint8_t* pixel = &pixels[(static_cast<size_t>(y) * picture.Width() + x) * 4];
      colours.push_back(RGB(pixel[2], pixel[1], pixel[0]));
    }
  }
  return colours;
}

// `prefix`, this test program's process id and `suffix`, in the temporary
// folder: test programs running side by side never share a name. In its
// long form, since the temporary folder may be given in short names and
// tests compare paths.
inline std::filesystem::path TemporaryPath(const std::wstring& prefix, const std::wstring& suffix = L"") {
  wchar_t base[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, base);
  wchar_t full[MAX_PATH] = L"";
  if (GetLongPathNameW(base, full, MAX_PATH) == 0) lstrcpynW(full, base, MAX_PATH);
  return std::filesystem::path(full) / (prefix + std::to_wstring(GetCurrentProcessId()) + suffix);
}

// A fresh, empty folder of the test's own (see TemporaryPath), gone with
// everything in it when the test ends, read-only and hidden files too.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::wstring& prefix) : path_(TemporaryPath(prefix)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    for (auto entry = std::filesystem::recursive_directory_iterator(path_, ignored);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored)) {
      SetFileAttributesW(entry->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace test
