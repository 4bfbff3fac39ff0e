// Leaks: whether Kestrel99 gives back every object a capture and a delete
// take. The real program is started with both confirmations off and driven
// from outside through 1,000 cycles of:
//   copy a text and a picture together (both kinds are captured at once),
//   press Delete (the picture page is shown, so the picture cell goes),
//   copy a text and a picture again,
//   press Delete All (both kinds go).
// The process's figures are read after cycle 50, when every lazily made
// object exists, and again at the end; a figure that leaks grows with the
// cycles, so the end figure must lie within 2% of the figure after cycle 50.
//
// The figures:
//   GDI objects, USER objects   GetGuiResources: bitmaps, DCs, fonts and
//                               brushes; windows, menus, cursors and hooks.
//   handles                     GetProcessHandleCount: kernel handles.
// Wine returns 0 for all three, for every process. There these stand in:
//   probed handles   kernel handles found by asking the system to copy
//                    every handle value of the process (4, 8, 12, ... up to
//                    kProbeBound) into this one; a leaked event, file or
//                    clipboard memory section shows up as one more.
//   windows          the process's top-level windows and all their
//                    descendants: a display, box or cell window that is made
//                    and never destroyed shows up here.
//   private memory   the Linux process's anonymous pages (RssAnon + VmSwap):
//                    under Wine a bitmap, DC or heap block that is never
//                    freed keeps its pages, so GDI leaks grow this.
//
// Under Wine a process that reads a picture another process put on the
// clipboard keeps about twice the picture's pixels for good, whatever it
// does with it (checked with a program that only opens the clipboard and
// asks for the picture). So the run ends with a control: this program,
// copied under another name, started as a bare reader that reads each
// picture the way Kestrel99 does and nothing else, while as many pictures
// are copied as the cycles copied. Kestrel99's own share of a growth is
// what its growth exceeds the reader's by.
//
//   bench_leaks                   the campaign: text and picture together
//   bench_leaks reader            the control reader (started by the run)
//   bench_leaks text|picture [N]  one kind alone, N cycles (default 1,000),
//                                 to tell which kind a growth comes from; a
//                                 picture alone is only seen captured once
//                                 its gauge counts it, so a cycle then
//                                 takes two advance delays
//
// The run writes the program's settings file (in the Windows directory) to
// turn the confirmations off, and puts back what was there afterwards.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/window_classes.h"
#include "e2e/clipboard_writer.h"
#include "e2e/program_probe.h"
#include "history/main_window_layout.h"
#include "linux_proc.h"
#include "ui/handles.h"

namespace {

using Clock = std::chrono::steady_clock;
using e2e::Ask;
using e2e::PumpFor;
using e2e::WaitUntil;

constexpr int kCycles = 1000;
constexpr int kBaselineCycle = 50;
// Each cycle copies twice.
constexpr int kCopiesPerCycle = 2;
constexpr int kReportEvery = 250;
// A figure may move by this share of its baseline and still count as flat.
constexpr double kFlatShare = 0.02;
constexpr int kPictureSide = 48;
// Handle values are multiples of 4; a process of this size holds far fewer
// than kProbeBound / 4 handles.
constexpr uintptr_t kHandleStep = 4;
constexpr uintptr_t kProbeBound = 0x10000;
constexpr std::chrono::milliseconds kStartDeadline{30000};
constexpr std::chrono::milliseconds kCaptureDeadline{10000};
constexpr std::chrono::milliseconds kExitDeadline{20000};
// Before a reading: lets the program finish what the last cycle set off.
constexpr std::chrono::milliseconds kSettle{1000};
constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr wchar_t kSettingsSection[] = L"options";
constexpr wchar_t kConfirmDeleteKey[] = L"CheckBox955_Checked";
constexpr wchar_t kConfirmDeleteAllKey[] = L"CheckBox956_Checked";
constexpr wchar_t kOff[] = L"False";
constexpr wchar_t kBackupSuffix[] = L".leaks-backup";

// --- Settings --------------------------------------------------------------

// Turns the confirmations off in the settings file for the length of the
// run, and puts the earlier file back (or none, if there was none).
class QuietSettings {
 public:
  QuietSettings() {
    wchar_t directory[MAX_PATH] = L"";
    GetWindowsDirectoryW(directory, MAX_PATH);
    path_ = std::wstring(directory) + L"\\kestrel99.ini";
    backup_ = path_ + kBackupSuffix;
    hadFile_ = CopyFileW(path_.c_str(), backup_.c_str(), FALSE) != FALSE;
    written_ = WritePrivateProfileStringW(kSettingsSection, kConfirmDeleteKey, kOff, path_.c_str()) &&
               WritePrivateProfileStringW(kSettingsSection, kConfirmDeleteAllKey, kOff, path_.c_str());
  }
  ~QuietSettings() {
    if (hadFile_) {
      MoveFileExW(backup_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
    } else {
      DeleteFileW(path_.c_str());
    }
  }
  QuietSettings(const QuietSettings&) = delete;
  QuietSettings& operator=(const QuietSettings&) = delete;

  bool Written() const { return written_; }

 private:
  std::wstring path_;
  std::wstring backup_;
  bool hadFile_ = false;
  bool written_ = false;
};

// --- Figures ---------------------------------------------------------------

struct Figures {
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  DWORD handles = 0;
  int probedHandles = 0;
  int windows = 0;
  std::optional<uint64_t> privateBytes;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Enumeration callbacks are plain functions: a lambda cannot take the
// system's calling convention in the 32-bit build.
struct WindowCount {
  DWORD processId;
  int count;
};

BOOL CALLBACK CountProcessWindow(HWND window, LPARAM data) {
  auto* tally = reinterpret_cast<WindowCount*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != tally->processId) return TRUE;
  ++tally->count;
  EnumChildWindows(window, &CountWindow, reinterpret_cast<LPARAM>(&tally->count));
  return TRUE;
}

int CountProcessWindows(DWORD processId) {
  WindowCount tally{processId, 0};
  EnumWindows(&CountProcessWindow, reinterpret_cast<LPARAM>(&tally));
  return tally.count;
}

// Copies each handle value of the process into this one and counts those
// that exist; each copy is closed again at once.
int ProbeHandles(HANDLE process) {
  int found = 0;
  for (uintptr_t value = kHandleStep; value < kProbeBound; value += kHandleStep) {
    HANDLE copy = nullptr;
    if (DuplicateHandle(process, reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS)) {
      ++found;
      CloseHandle(copy);
    }
  }
  return found;
}

// --- The program -----------------------------------------------------------

BOOL CALLBACK FindFirstMemoParent(HWND window, LPARAM parent) {
  if (GetDlgCtrlID(window) != history::kTextCellIdBase + 1) return TRUE;
  *reinterpret_cast<HWND*>(parent) = GetParent(window);
  return FALSE;
}

// One running copy of Kestrel99, ended when this goes away.
class Program {
 public:
  explicit Program(std::wstring path) : path_(std::move(path)) {}
  ~Program() { End(); }

  bool Start() {
    if (!e2e::LaunchProgram(path_, process_, processId_)) return false;
    const bool ready = WaitUntil(
        [this] {
          if (!IsRunning()) return true;
          const std::vector<HWND> mains = e2e::ProcessWindowsOfClass(processId_, core::kMainWindowClass);
          main_ = mains.empty() ? nullptr : mains.front();
          HWND viewer = GetClipboardViewer();
          DWORD owner = 0;
          if (viewer) GetWindowThreadProcessId(viewer, &owner);
          return main_ && owner == processId_ && e2e::StartupIsOver(processId_);
        },
        kStartDeadline);
    if (!ready || !IsRunning()) return false;
    const std::string winePrefix = e2e::WinePrefix();
    if (!winePrefix.empty()) linuxPid_ = bench::FindLinuxProcess(path_, winePrefix);
    return true;
  }

  bool IsRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

  // The whole command runs inside the sent click: with the confirmations
  // off nothing modal opens, so the answer comes once the cells are gone.
  bool Press(int buttonId) { return Ask(GetDlgItem(main_, buttonId), BM_CLICK, 0, 0).has_value(); }

  std::optional<int> Gauge(int id) const {
    const std::optional<LRESULT> position = Ask(GetDlgItem(main_, id), PBM_GETPOS, 0, 0);
    if (!position) return std::nullopt;
    return static_cast<int>(*position);
  }

  std::optional<std::wstring> FirstText() const {
    wchar_t text[64] = L"";
    HWND memo = GetDlgItem(GetParentOfFirstMemo(), history::kTextCellIdBase + 1);
    if (!Ask(memo, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text))) return std::nullopt;
    return std::wstring(text);
  }

  Figures Read() const {
    Figures figures;
    figures.gdiObjects = GetGuiResources(process_.get(), GR_GDIOBJECTS);
    figures.userObjects = GetGuiResources(process_.get(), GR_USEROBJECTS);
    GetProcessHandleCount(process_.get(), &figures.handles);
    figures.probedHandles = ProbeHandles(process_.get());
    figures.windows = CountProcessWindows(processId_);
    if (linuxPid_) figures.privateBytes = bench::LinuxPrivateBytes(*linuxPid_);
    return figures;
  }

  void End() {
    if (!IsRunning()) return;
    PostMessageW(GetDlgItem(main_, history::kExitButtonId), BM_CLICK, 0, 0);
    if (!WaitUntil([this] { return !IsRunning(); }, kExitDeadline)) {
      TerminateProcess(process_.get(), e2e::kKilledExitCode);
      WaitForSingleObject(process_.get(), INFINITE);
    }
  }

 private:
  // The memos lie inside the text page, not on the main window itself.
  HWND GetParentOfFirstMemo() const {
    if (!firstMemoParent_) EnumChildWindows(main_, &FindFirstMemoParent, reinterpret_cast<LPARAM>(&firstMemoParent_));
    return firstMemoParent_;
  }

  std::wstring path_;
  ui::unique_handle process_;
  DWORD processId_ = 0;
  HWND main_ = nullptr;
  mutable HWND firstMemoParent_ = nullptr;
  std::optional<unsigned> linuxPid_;
};

// --- The run ---------------------------------------------------------------

// What each copy of a cycle puts on the clipboard. Both is the campaign;
// one kind alone tells which kind a growth comes from.
enum class Copied { Both, Text, Picture };

// Copies and waits until the program has captured the copy: the first text
// cell shows the text (the picture of the same change is captured before
// it), or, for a picture alone, the image gauge counts it.
bool Capture(Program& program, e2e::ClipboardWriter& writer, Copied copied, const std::wstring& text, uint32_t seed) {
  bool written = false;
  switch (copied) {
    case Copied::Both: written = writer.WriteTextAndBitmap(text, kPictureSide, kPictureSide, seed); break;
    case Copied::Text: written = writer.WriteText(text); break;
    case Copied::Picture: written = writer.WriteBitmap(kPictureSide, kPictureSide, seed); break;
  }
  if (!written) return false;
  const auto captured = [&] {
    return copied == Copied::Picture ? program.Gauge(history::kImageGaugeId) == 1 : program.FirstText() == text;
  };
  return WaitUntil([&] { return captured() || !program.IsRunning(); }, kCaptureDeadline) && program.IsRunning();
}

// One cycle; false, with the reason printed, when a step did not happen.
bool Cycle(Program& program, e2e::ClipboardWriter& writer, Copied copied, int cycle) {
  const std::wstring name = L"cycle " + std::to_wstring(cycle);
  const uint32_t seed = static_cast<uint32_t>(cycle) * 2;
  if (!Capture(program, writer, copied, name, seed)) {
    std::printf("    cycle %d: the first copy was not captured\n", cycle);
    return false;
  }
  if (!program.Press(history::kDeleteButtonId)) {
    std::printf("    cycle %d: Delete did not answer\n", cycle);
    return false;
  }
  if (!Capture(program, writer, copied, name + L" again", seed + 1)) {
    std::printf("    cycle %d: the second copy was not captured\n", cycle);
    return false;
  }
  if (!program.Press(history::kDeleteAllButtonId) || program.Gauge(history::kImageGaugeId) != 0 ||
      program.Gauge(history::kTextGaugeId) != 0 || program.FirstText() != L"") {
    std::printf("    cycle %d: Delete All did not empty the cells\n", cycle);
    return false;
  }
  return true;
}

std::string Megabytes(std::optional<uint64_t> bytes) {
  if (!bytes) return "-";
  char text[32];
  std::snprintf(text, sizeof(text), "%.1f MB", static_cast<double>(*bytes) / kMegabyte);
  return text;
}

void PrintFigures(const char* label, const Figures& figures) {
  std::printf("  %-18s %6lu %6lu %8lu   %8d %8d %12s\n", label, static_cast<unsigned long>(figures.gdiObjects),
              static_cast<unsigned long>(figures.userObjects), static_cast<unsigned long>(figures.handles),
              figures.probedHandles, figures.windows, Megabytes(figures.privateBytes).c_str());
}

// "flat", "GREW" or "-" (nothing to compare: the system gave no figure).
const char* Verdict(double start, double end) {
  if (start <= 0) return "-";
  return end <= start * (1 + kFlatShare) ? "flat" : "GREW";
}

void PrintVerdicts(const Figures& start, const Figures& end) {
  std::printf("  %-18s %6s %6s %8s   %8s %8s %12s\n", "within 2%", Verdict(start.gdiObjects, end.gdiObjects),
              Verdict(start.userObjects, end.userObjects), Verdict(start.handles, end.handles),
              Verdict(start.probedHandles, end.probedHandles), Verdict(start.windows, end.windows),
              start.privateBytes && end.privateBytes
                  ? Verdict(static_cast<double>(*start.privateBytes), static_cast<double>(*end.privateBytes))
                  : "-");
}

// --- The control reader ----------------------------------------------------

constexpr wchar_t kReaderClass[] = L"KestrelBenchClipboardReader";
// Not named bench_*: a copy left behind must not pass for a benchmark.
constexpr wchar_t kReaderFileName[] = L"leaks_reader.exe";
// The reader answers this with the number of pictures it has read.
constexpr UINT kReadsMessage = WM_APP + 1;
constexpr DWORD kReaderPollMs = 1;

int readerReads = 0;

LRESULT CALLBACK ReaderProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kReadsMessage: return readerReads;
    case WM_CLOSE: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

// Reads the picture of each clipboard change as the program's capture
// does: the DIB the system makes of a bitmap, locked and let go.
int RunReader() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &ReaderProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kReaderClass;
  RegisterClassExW(&windowClass);
  ui::unique_hwnd window(CreateWindowExW(0, kReaderClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                         GetModuleHandleW(nullptr), nullptr));
  DWORD seen = GetClipboardSequenceNumber();
  for (;;) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return EXIT_SUCCESS;
      DispatchMessageW(&message);
    }
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence != seen && IsClipboardFormatAvailable(CF_DIB) && OpenClipboard(window.get())) {
      seen = sequence;
      const ui::GlobalLockGuard<const BYTE> block(GetClipboardData(CF_DIB));
      CloseClipboard();
      if (block) ++readerReads;
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kReaderPollMs, QS_ALLINPUT);
  }
}

// Starts the reader under a name of its own, so its Linux process can be
// told from this one; copies `copies` pictures as the cycles did and prints
// the reader's private memory after the baseline's share and at the end.
// Returns what the reader kept per picture, in bytes.
std::optional<double> ControlRun(e2e::ClipboardWriter& writer, int copies, int baselineCopies) {
  const std::string winePrefix = e2e::WinePrefix();
  if (winePrefix.empty()) return std::nullopt;
  wchar_t own[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  const std::wstring path = e2e::OwnDirectory() + L"\\" + kReaderFileName;
  std::printf("\nControl: a program that only reads each copied picture, %d pictures\n", copies);
  if (!CopyFileW(own, path.c_str(), FALSE)) {
    std::printf("  the reader could not be made\n");
    return std::nullopt;
  }
  std::wstring commandLine = L"\"" + path + L"\" reader";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    std::printf("  the reader did not start\n");
    DeleteFileW(path.c_str());
    return std::nullopt;
  }
  const ui::unique_handle process(started.hProcess);
  const ui::unique_handle thread(started.hThread);
  HWND reader = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> windows = e2e::ProcessWindowsOfClass(started.dwProcessId, kReaderClass);
        reader = windows.empty() ? nullptr : windows.front();
        return reader != nullptr;
      },
      kStartDeadline);
  const std::optional<unsigned> linuxPid = bench::FindLinuxProcess(path, winePrefix);
  std::optional<double> keptPerPicture;
  if (reader && linuxPid) {
    std::optional<uint64_t> atBaseline;
    for (int copy = 1; copy <= copies; ++copy) {
      writer.WriteTextAndBitmap(L"control " + std::to_wstring(copy), kPictureSide, kPictureSide,
                                static_cast<uint32_t>(copy));
      WaitUntil([&] { return Ask(reader, kReadsMessage, 0, 0).value_or(copies) >= copy; }, kCaptureDeadline);
      if (copy == baselineCopies) atBaseline = bench::LinuxPrivateBytes(*linuxPid);
    }
    const std::optional<uint64_t> atEnd = bench::LinuxPrivateBytes(*linuxPid);
    std::printf("  after %d pictures: %s, after %d: %s (%s)\n", baselineCopies, Megabytes(atBaseline).c_str(), copies,
                Megabytes(atEnd).c_str(), atBaseline && atEnd ? Verdict(*atBaseline, *atEnd) : "-");
    if (atBaseline && atEnd) {
      keptPerPicture = (static_cast<double>(*atEnd) - static_cast<double>(*atBaseline)) / (copies - baselineCopies);
      std::printf("  %.1f KB kept per picture read, by the system alone\n", *keptPerPicture / 1024);
    }
  } else {
    std::printf("  the reader could not be found\n");
  }
  if (reader) PostMessageW(reader, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), static_cast<DWORD>(kExitDeadline.count())) != WAIT_OBJECT_0) {
    TerminateProcess(process.get(), e2e::kKilledExitCode);
    WaitForSingleObject(process.get(), INFINITE);
  }
  DeleteFileW(path.c_str());
  return keptPerPicture;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (argc > 1 && std::strcmp(argv[1], "reader") == 0) return RunReader();
  Copied copied = Copied::Both;
  if (argc > 1 && std::strcmp(argv[1], "text") == 0) copied = Copied::Text;
  if (argc > 1 && std::strcmp(argv[1], "picture") == 0) copied = Copied::Picture;
  // Fewer than the baseline's cycles would leave nothing to compare.
  const int cycles = argc > 2 ? std::max(std::atoi(argv[2]), kBaselineCycle) : kCycles;
  const char* kinds[] = {"text and picture", "text alone", "picture alone"};
  std::printf("Leaks of Kestrel99 (%d-bit build): %d cycles of capture, Delete and Delete All, %s.\n",
              static_cast<int>(sizeof(void*) * 8), cycles, kinds[static_cast<int>(copied)]);
  const QuietSettings settings;
  if (!settings.Written()) {
    std::printf("  the settings file could not be written\n");
    return EXIT_FAILURE;
  }
  e2e::ClipboardWriter writer;
  writer.Empty();
  Program program(e2e::DirectoryOf(e2e::OwnDirectory()) + L"\\" + e2e::kProgramFileName);
  if (!program.Start()) {
    std::printf("  the program did not start\n");
    return EXIT_FAILURE;
  }
  std::printf("  %-18s %6s %6s %8s   %8s %8s %12s\n", "", "GDI", "USER", "handles", "probed", "windows", "private");
  std::printf("  %-18s %6s %6s %8s   %8s %8s %12s\n", "", "", "", "", "handles", "", "(Linux)");
  Figures baseline;
  Figures last;
  int failed = 0;
  const auto began = Clock::now();
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    if (!Cycle(program, writer, copied, cycle)) ++failed;
    if (!program.IsRunning()) {
      std::printf("  the program ended in cycle %d\n", cycle);
      return EXIT_FAILURE;
    }
    if (cycle != kBaselineCycle && cycle % kReportEvery != 0 && cycle != cycles) continue;
    PumpFor(kSettle);
    last = program.Read();
    if (cycle == kBaselineCycle) baseline = last;
    const std::string label = "after cycle " + std::to_string(cycle);
    PrintFigures(label.c_str(), last);
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
  PrintVerdicts(baseline, last);
  std::printf("  %d cycles in %.0f s (%.0f ms each); %d cycles had a step that did not happen.\n", cycles, seconds,
              seconds * 1000 / cycles, failed);
  std::optional<double> keptPerCopy;
  if (last.privateBytes && baseline.privateBytes) {
    keptPerCopy = (static_cast<double>(*last.privateBytes) - static_cast<double>(*baseline.privateBytes)) /
                  (kCopiesPerCycle * (cycles - kBaselineCycle));
    std::printf("  %.1f KB private memory kept per copy captured\n", *keptPerCopy / 1024);
  }
  program.End();
  if (copied == Copied::Text) return EXIT_SUCCESS;
  const std::optional<double> systemShare =
      ControlRun(writer, kCopiesPerCycle * cycles, kCopiesPerCycle * kBaselineCycle);
  if (keptPerCopy && systemShare) {
    std::printf("\nKestrel99's own share: %.1f KB per copy (its growth less the reader's); 0 or less is no leak\n",
                (*keptPerCopy - *systemShare) / 1024);
  }
  return EXIT_SUCCESS;
}
