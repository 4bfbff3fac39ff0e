// Capture latency: how long after another program closes the clipboard the
// main window's cell holds what was written, for a short text and for a
// 3840 x 2160 picture, put there as a bitmap or as a DIB. Beside it, the same for a bare reader that only
// fetches the content, which shows what the platform itself costs.
//
// The program hosts a MainWindow of its own and starts itself a second time as
// the writer, so the clipboard changes come from another process, as they
// do in use. The writer stamps QueryPerformanceCounter right after
// CloseClipboard; the host stamps it when the form reports the filled cell.
// Both stamps come from the same system-wide counter.
//
//   bench_capture [--runs N]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "app/program_title.h"
#include "e2e/clipboard_writer.h"
#include "e2e/program_probe.h"
#include "history/main_window.h"
#include "settings/settings.h"
#include "ui/application.h"
#include "desktop/clipboard.h"
#include "ui/handles.h"

namespace {

using history::CellKind;

constexpr int kDefaultRuns = 30;
constexpr int kPictureWidth = 3840;
constexpr int kPictureHeight = 2160;
constexpr double kTextTargetMs = 15.0;
constexpr double kPictureTargetMs = 150.0;
// An X11 picture: at most this much on top of what the bridge itself takes.
constexpr double kX11ShareTargetMs = 100.0;
// Cells are reused in a small rotation, so the counts never approach the
// low-cell warning and the memory held stays bounded.
constexpr int kCellsInRotation = 8;
// Pause after each advance before the next write, so every write starts a
// capture of its own, well clear of the previous one's 300 ms period.
constexpr std::chrono::milliseconds kSettle{50};
constexpr std::chrono::milliseconds kRunDeadline{20000};
constexpr std::chrono::milliseconds kStartDeadline{20000};
constexpr DWORD kPollIntervalMs = 10;
// The bare reader polls the clipboard's sequence number this often; it
// bounds how late the bare reader can notice a change.
constexpr DWORD kBareReadPollMs = 1;
constexpr double kMillisecondsPerSecond = 1000.0;
constexpr char kWriterFlag[] = "--writer";
constexpr char kRunsFlag[] = "--runs";

// What the host asks the writer to do next.
enum class Request : LONG { Text = 1, Picture = 2, Quit = 3, Dib = 4, X11Png = 5, X11Bmp = 6 };

// Pictures an X11 program hands over through Wine's clipboard bridge: the
// writer starts xclip on a 3840 x 2160 file named by these variables (Linux
// paths; scripts/bench.sh makes the files). Without them those rows are
// left out.
constexpr wchar_t kX11PngVariable[] = L"KESTREL_BENCH_X11_PNG";
constexpr wchar_t kX11BmpVariable[] = L"KESTREL_BENCH_X11_BMP";

std::wstring Variable(const wchar_t* name) {
  wchar_t value[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? value : L"";
}

// Starts xclip as an X11 program (Wine's "start /unix") to own the X
// clipboard with the file's content; returns the moment it was asked to.
std::optional<int64_t> WriteFromX11(const wchar_t* type, const std::wstring& file) {
  std::wstring command =
      L"cmd.exe /c start /unix /usr/bin/xclip -selection clipboard -t " + std::wstring(type) + L" -i \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION created{};
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &created)) {
    return std::nullopt;
  }
  ui::unique_handle thread(created.hThread);
  ui::unique_handle process(created.hProcess);
  return now.QuadPart;
}

// Shared between host and writer; the events order every access.
struct Channel {
  Request request;
  LONG run;
  LONG written;  // 1 when the writer's last write succeeded
  int64_t closedAt;
};

using unique_view = ui::UniqueHandle<ui::NullInvalidTraits<void*, &UnmapViewOfFile>>;

// The named objects of one host and its writer, told apart by the host's id.
struct ChannelNames {
  std::wstring mapping, request, reply;
  explicit ChannelNames(DWORD hostId) {
    const std::wstring base = L"Local\\KestrelBenchCapture." + std::to_wstring(hostId);
    mapping = base + L".channel";
    request = base + L".request";
    reply = base + L".reply";
  }
};

int64_t PerformanceCounter() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double TicksToMs(int64_t ticks) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * kMillisecondsPerSecond / static_cast<double>(frequency.QuadPart);
}

std::wstring TextFor(LONG run) { return L"Kestrel bench text, run " + std::to_wstring(run); }

// Waits for handle while handling this thread's messages: a clipboard owner
// must keep pumping while others read what it wrote. The wait itself takes
// the signal of an auto-reset event, so its result is what counts.
bool WaitPumping(HANDLE handle, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const DWORD count = handle ? 1 : 0;
  for (;;) {
    ui::Application::ProcessMessages();
    const DWORD woke = MsgWaitForMultipleObjectsEx(count, handle ? &handle : nullptr, kPollIntervalMs, QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
    if (handle && woke == WAIT_OBJECT_0) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
  }
}

void PumpFor(std::chrono::milliseconds period) { WaitPumping(nullptr, period); }

// ---------------------------------------------------------------------------
// The writer: the second process.
// ---------------------------------------------------------------------------

int RunWriter(DWORD hostId) {
  const ChannelNames names(hostId);
  ui::unique_handle mapping(OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, names.mapping.c_str()));
  ui::unique_handle request(OpenEventW(SYNCHRONIZE | EVENT_MODIFY_STATE, FALSE, names.request.c_str()));
  ui::unique_handle reply(OpenEventW(EVENT_MODIFY_STATE, FALSE, names.reply.c_str()));
  ui::unique_handle host(OpenProcess(SYNCHRONIZE, FALSE, hostId));
  if (!mapping || !request || !reply || !host) return EXIT_FAILURE;
  unique_view view(MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Channel)));
  if (!view) return EXIT_FAILURE;
  auto* channel = static_cast<Channel*>(view.get());
  e2e::ClipboardWriter writer;
  const HANDLE waits[] = {request.get(), host.get()};
  for (;;) {
    // A host that is gone never asks again.
    const DWORD woke = MsgWaitForMultipleObjectsEx(2, waits, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woke == WAIT_OBJECT_0 + 1 || woke == WAIT_FAILED) return EXIT_SUCCESS;
    if (woke != WAIT_OBJECT_0) {
      ui::Application::ProcessMessages();
      continue;
    }
    if (channel->request == Request::Quit) return EXIT_SUCCESS;
    const uint32_t seed = static_cast<uint32_t>(channel->run);
    if (channel->request == Request::X11Png || channel->request == Request::X11Bmp) {
      const bool png = channel->request == Request::X11Png;
      const std::optional<int64_t> askedAt =
          WriteFromX11(png ? L"image/png" : L"image/bmp", Variable(png ? kX11PngVariable : kX11BmpVariable));
      channel->closedAt = askedAt.value_or(0);
      channel->written = askedAt ? 1 : 0;
      SetEvent(reply.get());
      continue;
    }
    const bool written = channel->request == Request::Text  ? writer.WriteText(TextFor(channel->run))
                         : channel->request == Request::Dib ? writer.WriteDib(kPictureWidth, kPictureHeight, seed)
                                                            : writer.WriteBitmap(kPictureWidth, kPictureHeight, seed);
    channel->closedAt = writer.LastClosedAt();
    channel->written = written ? 1 : 0;
    SetEvent(reply.get());
  }
}

// ---------------------------------------------------------------------------
// The host: a main window that captures, and the measurement.
// ---------------------------------------------------------------------------

struct Figures {
  std::vector<double> samplesMs;
  int missed = 0;
};

class Host {
 public:
  Host(history::MainWindow& form, Channel& channel, HANDLE request, HANDLE reply)
      : form_(form), channel_(channel), request_(request), reply_(reply) {
    form_.Capture().onCellFilled = [this](CellKind kind, int cell) { OnCellFilled(kind, cell); };
  }

  // Before the form watches the clipboard: how long a reader that does
  // nothing but fetch the content takes, which is what the platform costs.
  Figures MeasureBareRead(CellKind kind, int runs, Request pictureRequest = Request::Picture) {
    pictureRequest_ = pictureRequest;
    return Repeat(runs, [this, kind] { return BareReadOnce(kind); });
  }

  // Shows the form for the first time, which puts it into the viewer chain.
  bool JoinChain() {
    form_.Show();
    const HWND viewer = form_.Viewer().Handle();
    WaitPumpingUntil([viewer] { return viewer && GetClipboardViewer() == viewer; });
    return viewer && GetClipboardViewer() == viewer;
  }

  // With the form in the chain: until its cell holds what was written.
  // Pictures are written as pictureRequest asks.
  Figures MeasureCapture(CellKind kind, int runs, Request pictureRequest = Request::Picture) {
    pictureRequest_ = pictureRequest;
    return Repeat(runs, [this, kind] { return CaptureOnce(kind); });
  }

  void Quit() {
    channel_.request = Request::Quit;
    SetEvent(request_);
  }

 private:
  template <typename One>
  Figures Repeat(int runs, One one) {
    Figures figures;
    for (int i = 0; i < runs; ++i) {
      const std::optional<double> ms = one();
      if (ms) {
        figures.samplesMs.push_back(*ms);
      } else {
        ++figures.missed;
      }
    }
    return figures;
  }

  void RequestWrite(CellKind kind) {
    expected_ = kind;
    expectedText_ = TextFor(++run_);
    channel_.request = kind == CellKind::Text ? Request::Text : pictureRequest_;
    channel_.run = run_;
    SetEvent(request_);
  }

  bool AwaitWritten() { return WaitPumping(reply_, kRunDeadline) && channel_.written; }

  std::optional<double> BareReadOnce(CellKind kind) {
    PumpFor(kSettle);
    const DWORD before = GetClipboardSequenceNumber();
    RequestWrite(kind);
    std::optional<int64_t> readAt;
    const auto deadline = std::chrono::steady_clock::now() + kRunDeadline;
    while (!readAt && std::chrono::steady_clock::now() < deadline) {
      if (GetClipboardSequenceNumber() != before) readAt = TryBareRead(kind);
      if (!readAt) Sleep(kBareReadPollMs);
    }
    if (!AwaitWritten() || !readAt) return std::nullopt;
    return TicksToMs(*readAt - channel_.closedAt);
  }

  // Fetches the content the way any viewer must; nothing while the writer
  // still holds the clipboard open.
  std::optional<int64_t> TryBareRead(CellKind kind) {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    bool expected = false;
    if (kind == CellKind::Text) {
      expected = desktop::ReadClipboardText() == expectedText_;
    } else if (pictureRequest_ == Request::X11Png || pictureRequest_ == Request::X11Bmp) {
      // What the bridge offers for the X11 picture, fetched whole.
      const UINT format =
          pictureRequest_ == Request::X11Png ? RegisterClipboardFormatW(L"PNG") : static_cast<UINT>(CF_DIB);
      HANDLE data = GetClipboardData(format);
      expected = data && GlobalSize(data) > 0;
    } else {
      BITMAP info{};
      auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
      expected = bitmap && GetObjectW(bitmap, sizeof(info), &info) && info.bmWidth == kPictureWidth &&
                 info.bmHeight == kPictureHeight;
    }
    const int64_t readAt = PerformanceCounter();
    CloseClipboard();
    if (!expected) return std::nullopt;
    return readAt;
  }

  std::optional<double> CaptureOnce(CellKind kind) {
    PrepareCell(kind);
    filledAt_.reset();
    RequestWrite(kind);
    if (!AwaitWritten()) return std::nullopt;
    WaitPumpingUntil([this] { return filledAt_.has_value(); });
    if (!filledAt_) return std::nullopt;
    return TicksToMs(*filledAt_ - channel_.closedAt);
  }

  // Waits out the pending period of the last capture and starts the
  // rotation over when it has used its cells.
  void PrepareCell(CellKind kind) {
    history::CellStore& store = form_.Store();
    WaitPumpingUntil([&] { return !store.IsPending(CellKind::Text) && !store.IsPending(CellKind::Image); });
    PumpFor(kSettle);
    if (store.Count(kind) >= kCellsInRotation) store.SetCount(kind, 0);
  }

  template <typename Done>
  void WaitPumpingUntil(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + kRunDeadline;
    while (!done() && std::chrono::steady_clock::now() < deadline) PumpFor(std::chrono::milliseconds(kPollIntervalMs));
  }

  void OnCellFilled(CellKind kind, int cell) {
    const int64_t now = PerformanceCounter();
    if (filledAt_ || kind != expected_) return;
    // Only the content this run wrote counts, not a late echo of another.
    if (kind == CellKind::Text && form_.TextGrid().CellText(cell) != expectedText_) return;
    if (kind == CellKind::Image) {
      const picture::Picture& picture = form_.ImageGrid().CellPicture(cell);
      if (picture.Width() != kPictureWidth || picture.Height() != kPictureHeight) return;
    }
    filledAt_ = now;
  }

  history::MainWindow& form_;
  Channel& channel_;
  HANDLE request_;
  HANDLE reply_;
  LONG run_ = 0;
  Request pictureRequest_ = Request::Picture;
  CellKind expected_ = CellKind::Text;
  std::wstring expectedText_;
  std::optional<int64_t> filledAt_;
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void PrintFigures(const Figures& figures) {
  if (figures.samplesMs.empty()) {
    std::printf(" %9s %9s", "-", "-");
    return;
  }
  const double maximum = *std::max_element(figures.samplesMs.begin(), figures.samplesMs.end());
  std::printf(" %9.2f %9.2f", Median(figures.samplesMs), maximum);
}

void PrintRow(const char* label, const Figures& capture, double targetMs, const Figures& bare) {
  std::printf("%-18s", label);
  PrintFigures(capture);
  const bool met = !capture.samplesMs.empty() && Median(capture.samplesMs) <= targetMs;
  std::printf("   <= %3.0f %-7s", targetMs, met ? "met" : "NOT met");
  PrintFigures(bare);
  std::printf("\n");
  if (capture.missed || bare.missed) {
    std::printf("%-18s (runs without a result: %d captured, %d bare)\n", "", capture.missed, bare.missed);
  }
}

void PrintTable(int runs, const Figures& text, const Figures& picture, const Figures& dibPicture,
                const Figures& bareText, const Figures& barePicture) {
  std::printf("Capture latency, %d-bit build, %d runs each, in ms from the writer's CloseClipboard.\n",
              static_cast<int>(sizeof(void*) * CHAR_BIT), runs);
  std::printf("%-18s %19s   %-14s %19s\n", "", "main window cell", "target", "bare reader");
  std::printf("%-18s %9s %9s   %-14s %9s %9s\n", "content", "median", "max", "(median)", "median", "max");
  PrintRow("text", text, kTextTargetMs, bareText);
  PrintRow("picture 3840x2160", picture, kPictureTargetMs, barePicture);
  PrintRow("  the same as DIB", dibPicture, kPictureTargetMs, Figures{});
  std::printf(
      "\nmain window cell: until the cell holds the content (its memo the text, its\n"
      "picture the bitmap). bare reader: until a process that does nothing else\n"
      "has OpenClipboard + GetClipboardData done, i.e. the platform's own cost.\n");
}

bool StartWriter(DWORD hostId, ui::unique_handle& process) {
  DWORD processId = 0;
  return e2e::LaunchProgram(e2e::OwnPath(), process, processId, L"--writer " + std::to_wstring(hostId));
}

int RunHost(int runs) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  settings::Settings settings;
  // Beeps and warning boxes would stall the GUI thread and be measured.
  settings.Set(settings::Option::BeepOnAdd, false);
  settings.Set(settings::Option::WarnLowCells, false);
  ui::Application application{app::ProgramTitle()};
  auto* form = application.CreateForm<history::MainWindow>(settings);

  const DWORD hostId = GetCurrentProcessId();
  const ChannelNames names(hostId);
  ui::unique_handle mapping(
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Channel), names.mapping.c_str()));
  ui::unique_handle request(CreateEventW(nullptr, FALSE, FALSE, names.request.c_str()));
  ui::unique_handle reply(CreateEventW(nullptr, FALSE, FALSE, names.reply.c_str()));
  unique_view view(mapping ? MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(Channel)) : nullptr);
  ui::unique_handle writer;
  if (!request || !reply || !view || !StartWriter(hostId, writer)) {
    std::fprintf(stderr, "bench_capture: cannot set up the writer process (error %lu)\n", GetLastError());
    return EXIT_FAILURE;
  }
  auto* channel = new (view.get()) Channel{};

  Host host(*form, *channel, request.get(), reply.get());
  const Figures bareText = host.MeasureBareRead(CellKind::Text, runs);
  const Figures barePicture = host.MeasureBareRead(CellKind::Image, runs);
  const bool x11 = !Variable(kX11PngVariable).empty() && !Variable(kX11BmpVariable).empty();
  const Figures bareX11Png = x11 ? host.MeasureBareRead(CellKind::Image, runs, Request::X11Png) : Figures{};
  const Figures bareX11Bmp = x11 ? host.MeasureBareRead(CellKind::Image, runs, Request::X11Bmp) : Figures{};
  if (!host.JoinChain()) {
    std::fprintf(stderr, "bench_capture: the main window did not join the clipboard viewer chain\n");
    host.Quit();
    return EXIT_FAILURE;
  }
  const Figures text = host.MeasureCapture(CellKind::Text, runs);
  const Figures picture = host.MeasureCapture(CellKind::Image, runs);
  const Figures dibPicture = host.MeasureCapture(CellKind::Image, runs, Request::Dib);
  const Figures x11Png = x11 ? host.MeasureCapture(CellKind::Image, runs, Request::X11Png) : Figures{};
  const Figures x11Bmp = x11 ? host.MeasureCapture(CellKind::Image, runs, Request::X11Bmp) : Figures{};
  // What the picture cells hold once their packing is done.
  form->Capture().FinishPicturePacking();
  double heldMb = 0;
  for (int cell = 1; cell <= history::kCellCount; ++cell) heldMb += form->ImageGrid().CellPicture(cell).StoredBytes() / 1e6;
  host.Quit();
  if (!WaitPumping(writer.get(), kStartDeadline)) TerminateProcess(writer.get(), EXIT_FAILURE);

  PrintTable(runs, text, picture, dibPicture, bareText, barePicture);
  if (x11) {
    std::printf("\nFrom an X11 program (xclip), in ms from starting it:\n");
    // The target column is the bare reader's median plus our allowed share.
    const auto target = [](const Figures& bare) {
      return bare.samplesMs.empty() ? kX11ShareTargetMs : Median(bare.samplesMs) + kX11ShareTargetMs;
    };
    PrintRow("  as image/png", x11Png, target(bareX11Png), bareX11Png);
    PrintRow("  as image/bmp", x11Bmp, target(bareX11Bmp), bareX11Bmp);
    std::printf("Our share is the cell's median minus the bare reader's; the goal is at most %.0f ms.\n",
                kX11ShareTargetMs);
  } else {
    std::printf("\n(X11 pictures not measured: scripts/bench.sh names their files.)\n");
  }
  std::printf("\nThe picture cells hold %.1f MB once packed (%.1f MB per raw picture).\n", heldMb,
              kPictureWidth * 4.0 * kPictureHeight / 1e6);
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], kWriterFlag) == 0) {
    return RunWriter(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 10)));
  }
  int runs = kDefaultRuns;
  if (argc == 3 && std::strcmp(argv[1], kRunsFlag) == 0) runs = std::max(1, std::atoi(argv[2]));
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  return RunHost(runs);
}
