// Memory: how much private memory Kestrel99 holds for the pictures it keeps.
// The real program is started and 55 distinct 3840 x 2160 pictures are
// copied, one after the other, each once the last was counted; the
// program's private bytes are printed after the start-up and after every
// tenth picture. Two runs, each with a fresh program: pictures like
// screenshots of programs (flat colours, text-like strokes, window frames)
// and pictures like photos (gradients and noise), which keep very
// differently once stored compactly. A third run copies 100 pictures into a
// rotation of cells and presses Delete All after every ten: what Delete All
// frees must really come back.
//
// Private bytes are read twice: as the system reports them for the process
// (PrivateUsage), and under Wine from the Linux process (RssAnon + VmSwap),
// which is what the memory really costs there (Wine reports no private
// bytes for another process; that column then stays empty). Boxes the program shows are
// answered and counted; a picture it fails to keep is reported, and the run
// goes on.
//
//   bench_memory             every run
//   bench_memory footprint   the start-up footprint alone
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/window_classes.h"
#include "e2e/clipboard_writer.h"
#include "e2e/program_probe.h"
#include "history/main_window_layout.h"
#include "linux_proc.h"
#include "timer_baseline.h"
#include "ui/handles.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kPictures = 55;
constexpr int kReportEvery = 10;
constexpr int kRotationCaptures = 100;
constexpr int kDeleteAllEvery = 10;
// The image gauge stops here: later pictures replace the last cell.
constexpr int kCountedCells = 54;
constexpr std::chrono::milliseconds kStartDeadline{30000};
constexpr std::chrono::milliseconds kCaptureDeadline{30000};
constexpr std::chrono::milliseconds kExitDeadline{20000};
// A picture past the last counted cell moves no gauge; it is given this
// long to be captured.
constexpr std::chrono::milliseconds kSaturatedCapture{2000};
// Before a reading: lets the program finish what a capture set off.
constexpr std::chrono::milliseconds kSettle{1000};
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kBoxTextId = 0xFFFF;
constexpr wchar_t kWarningCaption[] = L"Warning";
constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr WORD kPictureBits = 24;
constexpr int kBytesPerPixel = 3;
constexpr int kRowAlignment = 4;

// --- Pictures --------------------------------------------------------------

// A small fast generator, so each seed gives its own picture.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int Below(int limit) { return static_cast<int>(Next() % static_cast<uint32_t>(limit)); }

 private:
  uint32_t state_;
};

// A packed 24-bit DIB, drawn top row first through Set().
class Canvas {
 public:
  Canvas() : stride_((kWidth * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment * kRowAlignment) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = kWidth;
    header.biHeight = kHeight;
    header.biPlanes = 1;
    header.biBitCount = kPictureBits;
    header.biCompression = BI_RGB;
    block_.resize(sizeof(header) + stride_ * kHeight);
    std::memcpy(block_.data(), &header, sizeof(header));
  }
  void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    uint8_t* pixel = block_.data() + sizeof(BITMAPINFOHEADER) + stride_ * static_cast<size_t>(kHeight - 1 - y) +
                     static_cast<size_t>(x) * kBytesPerPixel;
    pixel[0] = b;
    pixel[1] = g;
    pixel[2] = r;
  }
  void Fill(int left, int top, int right, int bottom, COLORREF colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, kHeight); ++y) {
      for (int x = std::max(left, 0); x < std::min(right, kWidth); ++x) {
        Set(x, y, GetRValue(colour), GetGValue(colour), GetBValue(colour));
      }
    }
  }
  const std::vector<uint8_t>& Block() const { return block_; }

 private:
  size_t stride_;
  std::vector<uint8_t> block_;
};

COLORREF RandomColour(Random& random) { return RGB(random.Below(256), random.Below(256), random.Below(256)); }

// A desktop of program windows: flat colours, frames, title bars, and rows
// of short dark strokes where text would be.
void DrawUiLike(Canvas& canvas, uint32_t seed) {
  constexpr int kWindows = 9;
  constexpr int kTitleHeight = 30;
  constexpr int kLineHeight = 18;
  constexpr int kStrokeHeight = 9;
  Random random(seed);
  canvas.Fill(0, 0, kWidth, kHeight, RandomColour(random));
  for (int w = 0; w < kWindows; ++w) {
    const int left = random.Below(kWidth - 600);
    const int top = random.Below(kHeight - 400);
    const int right = left + 500 + random.Below(kWidth / 2);
    const int bottom = top + 300 + random.Below(kHeight / 2);
    canvas.Fill(left - 1, top - 1, right + 1, bottom + 1, RGB(64, 64, 64));
    canvas.Fill(left, top, right, bottom, RGB(240, 240, 240));
    canvas.Fill(left, top, right, top + kTitleHeight, RandomColour(random));
    for (int line = top + kTitleHeight + 12; line + kStrokeHeight < bottom; line += kLineHeight) {
      for (int x = left + 10; x < right - 60;) {
        const int word = 12 + random.Below(70);
        canvas.Fill(x, line, std::min(x + word, right - 10), line + kStrokeHeight, RGB(20, 20, 20));
        x += word + 8;
      }
    }
  }
}

// Soft gradients under fine noise, as a camera gives them.
void DrawPhotoLike(Canvas& canvas, uint32_t seed) {
  constexpr int kNoise = 48;
  Random random(seed);
  const int shiftR = random.Below(256);
  const int shiftG = random.Below(256);
  const int shiftB = random.Below(256);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t noise = random.Next();
      const int r = (x * 255 / kWidth + shiftR) % 256;
      const int g = (y * 255 / kHeight + shiftG) % 256;
      const int b = ((x + y) * 255 / (kWidth + kHeight) + shiftB) % 256;
      canvas.Set(x, y, static_cast<uint8_t>(std::min(255, r + static_cast<int>(noise % kNoise))),
                 static_cast<uint8_t>(std::min(255, g + static_cast<int>((noise >> 8) % kNoise))),
                 static_cast<uint8_t>(std::min(255, b + static_cast<int>((noise >> 16) % kNoise))));
    }
  }
}

// --- The program -----------------------------------------------------------

using e2e::OwnDirectory;
using e2e::PumpFor;
using e2e::PumpMessages;
using e2e::WaitUntil;
using e2e::WinePrefix;

std::optional<std::wstring> WindowText(HWND window) {
  wchar_t text[512] = L"";
  if (!e2e::Ask(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text))) return std::nullopt;
  return std::wstring(text);
}

struct Memory {
  std::optional<uint64_t> system;  // PrivateUsage
  std::optional<uint64_t> kernel;  // RssAnon + VmSwap, under Wine
};

// One running copy of Kestrel99, ended when this goes away.
class Program {
 public:
  Program(std::wstring path, std::string winePrefix) : path_(std::move(path)), winePrefix_(std::move(winePrefix)) {}
  ~Program() { End(); }

  bool Start() {
    if (!e2e::LaunchProgram(path_, process_, processId_)) return false;
    const bool ready = WaitUntil(
        [this] {
          if (!IsRunning()) return true;
          main_ = FirstWindow(core::kMainWindowClass);
          HWND viewer = GetClipboardViewer();
          DWORD owner = 0;
          if (viewer) GetWindowThreadProcessId(viewer, &owner);
          return main_ && owner == processId_ && e2e::StartupIsOver(processId_);
        },
        kStartDeadline);
    if (!ready || !IsRunning()) return false;
    gauge_ = GetDlgItem(main_, history::kImageGaugeId);
    if (!winePrefix_.empty()) linuxPid_ = bench::FindLinuxProcess(path_, winePrefix_);
    return gauge_ != nullptr;
  }

  bool IsRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

  std::optional<int> Gauge() const {
    const std::optional<LRESULT> position = e2e::Ask(gauge_, PBM_GETPOS, 0, 0);
    if (!position) return std::nullopt;
    return static_cast<int>(*position);
  }

  Memory Read() const {
    Memory memory;
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (GetProcessMemoryInfo(process_.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)) &&
        counters.PrivateUsage != 0) {
      memory.system = counters.PrivateUsage;
    }
    if (linuxPid_) memory.kernel = bench::LinuxPrivateBytes(*linuxPid_);
    return memory;
  }

  // Answers every box the program shows: Yes where it asks, OK otherwise.
  // Warnings are counted; any other box is printed.
  void AnswerBoxes() {
    for (HWND box : e2e::ProcessWindowsOfClass(processId_, kDialogClass)) {
      if (!IsWindowVisible(box)) continue;
      const std::wstring caption = WindowText(box).value_or(L"");
      const std::wstring text = WindowText(GetDlgItem(box, kBoxTextId)).value_or(L"");
      if (caption == kWarningCaption) {
        ++warnings;
      } else if (!GetDlgItem(box, IDYES)) {
        ++errors;
        std::printf("    the program showed: \"%ls\" (%ls)\n", text.c_str(), caption.c_str());
      }
      HWND answer = GetDlgItem(box, IDYES) ? GetDlgItem(box, IDYES) : GetDlgItem(box, IDOK);
      if (answer) PostMessageW(answer, BM_CLICK, 0, 0);
      // Each box is counted once: the next look must not find it again.
      WaitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); },
                std::chrono::milliseconds(e2e::kAnswerTimeoutMs));
    }
  }

  // Presses Delete All and answers its question; true once the gauge is 0.
  bool DeleteAll() {
    PostMessageW(GetDlgItem(main_, history::kDeleteAllButtonId), BM_CLICK, 0, 0);
    return WaitUntil(
        [this] {
          AnswerBoxes();
          return Gauge() == 0;
        },
        kCaptureDeadline);
  }

  void End() {
    if (!IsRunning()) return;
    // Closing the start-up window, the main form, ends the program.
    if (HWND startup = FirstWindow(core::kStartupWindowClass)) PostMessageW(startup, WM_CLOSE, 0, 0);
    if (!WaitUntil([this] { return !IsRunning(); }, kExitDeadline)) {
      TerminateProcess(process_.get(), e2e::kKilledExitCode);
      WaitForSingleObject(process_.get(), INFINITE);
    }
  }

  int warnings = 0;
  int errors = 0;

 private:
  HWND FirstWindow(const wchar_t* className) const {
    const std::vector<HWND> windows = e2e::ProcessWindowsOfClass(processId_, className);
    return windows.empty() ? nullptr : windows.front();
  }

  std::wstring path_;
  std::string winePrefix_;
  ui::unique_handle process_;
  DWORD processId_ = 0;
  HWND main_ = nullptr;
  HWND gauge_ = nullptr;
  std::optional<unsigned> linuxPid_;
};

// --- Runs ------------------------------------------------------------------

std::string Megabytes(std::optional<uint64_t> bytes) {
  if (!bytes) return "      -";
  char text[32];
  std::snprintf(text, sizeof(text), "%7.1f", static_cast<double>(*bytes) / kMegabyte);
  return text;
}

std::optional<uint64_t> Difference(std::optional<uint64_t> now, std::optional<uint64_t> start) {
  if (!now || !start || *now < *start) return std::nullopt;
  return *now - *start;
}

std::string Growth(std::optional<uint64_t> now, std::optional<uint64_t> start, int pictures) {
  if (!now || !start || pictures == 0) return "      -";
  char text[32];
  std::snprintf(text, sizeof(text), "%7.2f",
                (static_cast<double>(*now) - static_cast<double>(*start)) / kMegabyte / pictures);
  return text;
}

void PrintReading(const char* label, const Memory& memory, const Memory& start, int pictures) {
  std::printf("  %-28s %s MB  %s MB   %s MB  %s MB\n", label, Megabytes(memory.system).c_str(),
              Megabytes(memory.kernel).c_str(), Growth(memory.system, start.system, pictures).c_str(),
              Growth(memory.kernel, start.kernel, pictures).c_str());
}

void PrintHeader() {
  std::printf("  %-28s %10s  %10s   %10s  %10s\n", "", "private", "Linux", "per picture", "per picture");
  std::printf("  %-28s %10s  %10s   %10s  %10s\n", "", "(system)", "(RssAnon)", "(system)", "(Linux)");
}

// Copies one picture and waits until the program counted it (or, past the
// last counted cell, for a while); false when it was not seen to be kept.
bool CopyAndWait(Program& program, e2e::ClipboardWriter& writer, const Canvas& canvas, int expectedGauge,
                 bool saturated) {
  const int errorsBefore = program.errors;
  if (!writer.WritePackedDib(canvas.Block().data(), canvas.Block().size())) {
    std::printf("    the clipboard could not be written\n");
    return false;
  }
  if (saturated) {
    WaitUntil(
        [&] {
          program.AnswerBoxes();
          return false;
        },
        kSaturatedCapture);
    return program.errors == errorsBefore;
  }
  return WaitUntil(
             [&] {
               program.AnswerBoxes();
               return program.Gauge() == expectedGauge || program.errors != errorsBefore || !program.IsRunning();
             },
             kCaptureDeadline) &&
         program.errors == errorsBefore && program.IsRunning();
}

void FillingRun(const char* label, const std::function<void(Canvas&, uint32_t)>& draw, uint32_t firstSeed,
                const std::wstring& path, const std::string& winePrefix) {
  std::printf("\n%s: %d pictures of %d x %d (%.1f MB each as 32-bit pixels)\n", label, kPictures, kWidth, kHeight,
              kWidth * kHeight * 4 / kMegabyte);
  e2e::ClipboardWriter writer;
  writer.Empty();
  Program program(path, winePrefix);
  if (!program.Start()) {
    std::printf("  the program did not start\n");
    return;
  }
  PumpFor(kSettle);
  const Memory start = program.Read();
  PrintHeader();
  PrintReading("after start-up", start, start, 0);
  Canvas canvas;
  int kept = 0;
  const auto began = Clock::now();
  for (int i = 1; i <= kPictures; ++i) {
    draw(canvas, firstSeed + static_cast<uint32_t>(i));
    if (CopyAndWait(program, writer, canvas, std::min(i, kCountedCells), i > kCountedCells)) {
      ++kept;
    } else {
      std::printf("    picture %d was not seen to be kept\n", i);
    }
    if (!program.IsRunning()) {
      std::printf("  the program ended after picture %d\n", i);
      return;
    }
    if (i % kReportEvery == 0 || i == kPictures) {
      PumpFor(kSettle);
      const std::string at = "after " + std::to_string(i) + " pictures";
      PrintReading(at.c_str(), program.Read(), start, i);
    }
  }
  const Memory end = program.Read();
  const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
  std::printf("  %d of %d pictures kept in %.0f s; %d warning boxes answered, %d other boxes.\n", kept, kPictures,
              seconds, program.warnings, program.errors);
  std::printf("  total for the pictures: %s MB (system), %s MB (Linux); per picture %s MB, %s MB\n",
              Megabytes(Difference(end.system, start.system)).c_str(),
              Megabytes(Difference(end.kernel, start.kernel)).c_str(),
              Growth(end.system, start.system, kPictures).c_str(), Growth(end.kernel, start.kernel, kPictures).c_str());
}

void DeleteAllRun(const std::wstring& path, const std::string& winePrefix) {
  std::printf("\nDelete All: %d UI-like pictures, Delete All after every %d\n", kRotationCaptures, kDeleteAllEvery);
  e2e::ClipboardWriter writer;
  writer.Empty();
  Program program(path, winePrefix);
  if (!program.Start()) {
    std::printf("  the program did not start\n");
    return;
  }
  PumpFor(kSettle);
  const Memory start = program.Read();
  PrintHeader();
  PrintReading("after start-up", start, start, 0);
  Canvas canvas;
  int kept = 0;
  for (int i = 1; i <= kRotationCaptures; ++i) {
    DrawUiLike(canvas, 5000 + static_cast<uint32_t>(i));
    if (CopyAndWait(program, writer, canvas, (i - 1) % kDeleteAllEvery + 1, false)) ++kept;
    if (!program.IsRunning()) {
      std::printf("  the program ended after picture %d\n", i);
      return;
    }
    if (i % kDeleteAllEvery != 0) continue;
    if (i == kDeleteAllEvery) {
      PumpFor(kSettle);
      PrintReading("first 10, before Delete All", program.Read(), start, 0);
    }
    if (!program.DeleteAll()) std::printf("    Delete All after picture %d did not empty the cells\n", i);
    if (i == kDeleteAllEvery) {
      PumpFor(kSettle);
      PrintReading("first 10, after Delete All", program.Read(), start, 0);
    }
  }
  PumpFor(kSettle);
  PrintReading("after 100 and Delete All", program.Read(), start, 0);
  std::printf("  %d of %d pictures kept; %d boxes other than questions and warnings.\n", kept, kRotationCaptures,
              program.errors);
}

// Under Wine a process carries the runtime's own private memory too. The
// timer baseline, a program with one hidden window and nothing else, shows
// that share, so Kestrel99's own part of its start-up figure can be read
// off beside it.
void FootprintRun(const std::wstring& benchDirectory, const std::string& winePrefix) {
  std::printf("\nStart-up footprint, empty history\n");
  const std::wstring baselinePath = benchDirectory + L"\\" + bench::kTimerBaselineFileName;
  ui::unique_handle process;
  DWORD processId = 0;
  if (!e2e::LaunchProgram(baselinePath, process, processId) ||
      !WaitUntil([&] { return !e2e::ProcessWindowsOfClass(processId, bench::kTimerBaselineClass).empty(); },
                 kStartDeadline)) {
    std::printf("  the baseline program did not start\n");
    return;
  }
  PumpFor(kSettle);
  std::optional<uint64_t> baseline;
  if (!winePrefix.empty()) {
    if (const std::optional<unsigned> pid = bench::FindLinuxProcess(baselinePath, winePrefix))
      baseline = bench::LinuxPrivateBytes(*pid);
  }
  for (HWND window : e2e::ProcessWindowsOfClass(processId, bench::kTimerBaselineClass))
    PostMessageW(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process.get(), static_cast<DWORD>(kExitDeadline.count()));

  Program program(e2e::DirectoryOf(benchDirectory) + L"\\" + e2e::kProgramFileName, winePrefix);
  if (!program.Start()) {
    std::printf("  the program did not start\n");
    return;
  }
  PumpFor(kSettle);
  const Memory kestrel = program.Read();
  std::printf("  %-44s %s MB (Linux RssAnon)\n", "a program with one hidden window", Megabytes(baseline).c_str());
  std::printf("  %-44s %s MB (system), %s MB (Linux RssAnon)\n", "Kestrel99 after start-up",
              Megabytes(kestrel.system).c_str(), Megabytes(kestrel.kernel).c_str());
  std::printf("  %-44s %s MB (Linux RssAnon)\n", "Kestrel99's own share (difference)",
              Megabytes(Difference(kestrel.kernel, baseline)).c_str());
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  // "footprint" measures the start-up alone.
  const bool footprintOnly = argc > 1 && std::strcmp(argv[1], "footprint") == 0;
  const std::wstring path = e2e::DirectoryOf(OwnDirectory()) + L"\\" + e2e::kProgramFileName;
  const std::string winePrefix = WinePrefix();
  std::printf("Private memory of Kestrel99 (%d-bit build) holding 3840 x 2160 pictures.\n",
              static_cast<int>(sizeof(void*) * 8));
  FootprintRun(OwnDirectory(), winePrefix);
  if (footprintOnly) return EXIT_SUCCESS;
  FillingRun("UI-like", DrawUiLike, 0, path, winePrefix);
  FillingRun("Photo-like", DrawPhotoLike, 1000, path, winePrefix);
  DeleteAllRun(path, winePrefix);
  return EXIT_SUCCESS;
}
