// Picture export: the memory a 3840 x 2160 picture needs on its way out of
// the program, saved as a file, copied back to the clipboard and written as
// the wallpaper file, each as the open save window does it: the picture was
// captured, packed by the compressor and is held unpacked while the window
// shows it.
//
// Each way runs in a fresh process of its own, so one way's memory does not
// hide another's. The figure is the held picture's raw size (4 bytes a
// pixel) plus the process's peak above what it held just before the way
// began: under Wine the Linux peak resident size (VmHWM, set back through
// clear_refs just before), and the system's peak private bytes
// (PeakPagefileUsage) where they rise above the start's (Wine does not keep
// that peak). Sound is about the raw size plus the file.
//
//   bench_picture_export          every way
//   bench_picture_export <way>    one way (save, copy, wallpaper), in this process
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "linux_proc.h"
#include "picture/picture.h"
#include "picture/picture_compressor.h"
#include "tools/picture_export.h"
#include "tools/user_file.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kBytesPerPixel = 4;
constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr const wchar_t* kWays[] = {L"save", L"copy", L"wallpaper"};

// This process among the Linux ones: under Wine a file is opened by the
// wineserver, whose /proc/self is its own. Each way's process is the one
// whose arguments end in the way.
std::optional<unsigned> LinuxSelf(const std::string& way) {
  std::optional<unsigned> found;
  for (unsigned pid : bench::LinuxProcesses()) {
    std::vector<std::string> arguments = bench::LinuxCommandLine(pid);
    // Wine leaves room after the arguments, which shows as empty ones.
    while (!arguments.empty() && arguments.back().empty()) arguments.pop_back();
    if (arguments.size() < 2 || arguments.back() != way ||
        arguments[arguments.size() - 2].find("bench_picture_export") == std::string::npos) {
      continue;
    }
    if (found) return std::nullopt;
    found = pid;
  }
  return found;
}

PROCESS_MEMORY_COUNTERS Counters() {
  PROCESS_MEMORY_COUNTERS counters{sizeof(counters)};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters;
}

// Pixels like a screenshot's and a photo's at once, so packing has work.
picture::Picture MakePicture() {
  std::vector<uint8_t> pixels(static_cast<size_t>(kWidth) * kHeight * kBytesPerPixel);
  uint32_t noise = 12345;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      uint8_t* pixel = &pixels[(static_cast<size_t>(y) * kWidth + x) * kBytesPerPixel];
      noise = noise * 1103515245u + 12345u;
      const bool flat = (x / 64 + y / 64) % 2 == 0;
      pixel[0] = flat ? 200 : static_cast<uint8_t>(x + (noise >> 28));
      pixel[1] = flat ? 200 : static_cast<uint8_t>(y);
      pixel[2] = flat ? 210 : static_cast<uint8_t>(x ^ y);
      pixel[3] = 0;
    }
  }
  return picture::Picture::FromPixels(kWidth, kHeight, std::move(pixels));
}

std::wstring TemporaryFile(const wchar_t* way) {
  wchar_t folder[MAX_PATH] = L"";
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + L"bench_picture_export_" + way + L".bmp";
}

// Runs one way and prints its figures.
int RunWay(const std::wstring& way) {
  picture::PictureCompressor compressor;
  picture::Picture picture = MakePicture();
  compressor.Add(picture);
  compressor.Finish();
  // As the save window holds it while it is shown.
  picture.HoldUnpacked();

  const std::string wayText(way.begin(), way.end());
  const std::optional<unsigned> self = LinuxSelf(wayText);
  const bool linux = self && bench::ResetLinuxPeakResident(*self);
  const std::optional<uint64_t> residentBefore =
      linux ? bench::LinuxResidentBytes(*self, false) : std::optional<uint64_t>();
  const PROCESS_MEMORY_COUNTERS before = Counters();
  uint64_t fileBytes = 0;
  try {
    if (way == L"save") {
      const std::string bytes = tools::PictureFileBytes(picture);
      fileBytes = bytes.size();
      tools::WriteUserFile(TemporaryFile(L"save"), bytes);
    } else if (way == L"wallpaper") {
      const std::string bytes = tools::WallpaperFileBytes(picture);
      fileBytes = bytes.size();
      tools::WriteUserFile(TemporaryFile(L"wallpaper"), bytes);
    } else if (way == L"copy") {
      tools::CopyPictureToClipboard(nullptr, picture);
      if (OpenClipboard(nullptr)) {
        fileBytes = GlobalSize(GetClipboardData(CF_DIB));
        EmptyClipboard();
        CloseClipboard();
      }
    } else {
      std::fwprintf(stderr, L"unknown way %ls\n", way.c_str());
      return 2;
    }
  } catch (const ui::UserError& error) {
    std::wprintf(L"%-10ls failed: %ls\n", way.c_str(), error.Text().c_str());
    return 1;
  }
  const std::optional<uint64_t> residentPeak =
      linux ? bench::LinuxResidentBytes(*self, true) : std::optional<uint64_t>();
  const PROCESS_MEMORY_COUNTERS after = Counters();
  DeleteFileW(TemporaryFile(way.c_str()).c_str());

  // The held pixels are the picture's raw size; the figures add the way's
  // own peak to them.
  const double raw = static_cast<double>(kWidth) * kHeight * kBytesPerPixel;
  std::wprintf(L"%-10ls raw %.1f MB, file %.1f MB; peak with the held picture:", way.c_str(), raw / kMegabyte,
               fileBytes / kMegabyte);
  if (!linux && after.PeakPagefileUsage > before.PagefileUsage) {
    const double extra = double(after.PeakPagefileUsage - before.PagefileUsage);
    std::wprintf(L"  private bytes %.1f MB (%.2f x raw)", (raw + extra) / kMegabyte, (raw + extra) / raw);
  }
  if (linux && residentBefore && residentPeak) {
    const uint64_t start = residentBefore.value_or(0);
    const uint64_t peak = residentPeak.value_or(0);
    const double extra = peak > start ? double(peak - start) : 0.0;
    std::wprintf(L"  Linux resident %.1f MB (%.2f x raw)", (raw + extra) / kMegabyte, (raw + extra) / raw);
  }
  std::wprintf(L"\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    const std::string way = argv[1];
    return RunWay(std::wstring(way.begin(), way.end()));
  }
  std::wprintf(L"Picture export, %d x %d, held unpacked as the open save window holds it (%zu-bit build)\n", kWidth,
               kHeight, sizeof(void*) * 8);
  std::fflush(stdout);
  wchar_t self[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  int failures = 0;
  for (const wchar_t* way : kWays) {
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + way;
    STARTUPINFOW startup{sizeof(startup)};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
      std::wprintf(L"%-10ls could not be started\n", way);
      ++failures;
      continue;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    if (code != 0) ++failures;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  return failures == 0 ? 0 : 1;
}
