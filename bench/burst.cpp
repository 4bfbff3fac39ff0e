// Bursts of clipboard changes: whether the main window keeps answering while
// another program changes the clipboard as fast as it can, and whether the
// history afterwards holds what the clipboard held.
//
// The program hosts a MainWindow of its own and starts itself a second time as
// the writer, so the changes come from another process. Three phases, each
// on an emptied history:
//   1. 10,000 texts as fast as the writer can,
//   2. 1,000 texts 10 ms apart,
//   3. 100 pictures 50 ms apart,
//   4. (only with --never-render) one text and picture offered for
//      rendering by an owner that then hangs for 10 s without rendering.
// Meanwhile a thread of the host sends WM_GETTEXT to the main window without
// pause and keeps the longest wait for an answer. After each phase, once the
// clipboard is quiet, the counts must equal the filled cells, and cells
// 1..count must hold changes of the phase in the order written, the last
// one the last written (the 300 ms rule folds the others away).
//
//   bench_burst [--quick] [--never-render]   (--quick: a tenth of each phase)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/program_title.h"
#include "e2e/clipboard_writer.h"
#include "e2e/program_probe.h"
#include "history/main_window.h"
#include "settings/settings.h"
#include "ui/application.h"
#include "ui/handles.h"

namespace {

using history::CellKind;
using Clock = std::chrono::steady_clock;

constexpr int kFastTexts = 10000;
constexpr int kSpacedTexts = 1000;
constexpr int kPictures = 100;
constexpr int kQuickDivisor = 10;
constexpr std::chrono::milliseconds kTextSpacing{10};
constexpr std::chrono::milliseconds kPictureSpacing{50};
// Pictures tell their number by their width, which the host can read back.
constexpr int kPictureBaseWidth = 64;
constexpr int kPictureHeight = 48;
// The clipboard counts as quiet when the history has not changed for this
// long and no capture waits for its advance.
constexpr std::chrono::milliseconds kQuietPeriod{2500};
constexpr std::chrono::minutes kPhaseDeadline{5};
constexpr DWORD kPumpSliceMs = 10;
// The prober gives up on one answer after this long and counts it as lost.
constexpr UINT kProbeTimeoutMs = 10000;
constexpr std::chrono::milliseconds kProbePause{5};
constexpr double kAnswerTargetMs = 1000.0;
constexpr int kCaptionLength = 256;
constexpr char kWriterFlag[] = "--writer";
constexpr char kQuickFlag[] = "--quick";
// The hung owner stops the window for as long as it hangs, so it is asked for.
constexpr char kNeverRenderFlag[] = "--never-render";

enum class Phase { FastTexts, SpacedTexts, Pictures, NeverRenders };

// How long the owner that never renders stays alive without answering.
constexpr std::chrono::milliseconds kHungOwnerPeriod{10000};
// Long enough for the hung owner to end and the window to recover.
constexpr std::chrono::seconds kNeverRenderDeadline{40};

// Offers a text and a picture to be rendered on request, then stops
// answering for a while, as a hung program does.
bool OfferAndHang(e2e::ClipboardWriter& writer) {
  if (!writer.Promise({CF_UNICODETEXT, CF_BITMAP})) return false;
  Sleep(static_cast<DWORD>(kHungOwnerPeriod.count()));
  return true;
}

struct PhasePlan {
  const char* label;
  Phase phase;
  int changes;
};

std::wstring TextFor(int phase, int i) {
  return L"burst " + std::to_wstring(phase) + L" change " + std::to_wstring(i);
}

// The change number a text of the phase carries; nothing for any other text.
std::optional<int> NumberOf(int phase, const std::wstring& text) {
  const std::wstring prefix = L"burst " + std::to_wstring(phase) + L" change ";
  if (text.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  return std::stoi(text.substr(prefix.size()));
}

// Handles this thread's messages for the whole period: a clipboard owner
// must keep answering while others read what it wrote.
void PumpFor(std::chrono::milliseconds period) {
  const auto end = Clock::now() + period;
  do {
    ui::Application::ProcessMessages();
    MsgWaitForMultipleObjectsEx(0, nullptr, kPumpSliceMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  } while (Clock::now() < end);
}

// ---------------------------------------------------------------------------
// The writer: the second process, one phase per run.
// ---------------------------------------------------------------------------

int RunWriter(int phase, int changes) {
  e2e::ClipboardWriter writer;
  if (static_cast<Phase>(phase) == Phase::NeverRenders) return OfferAndHang(writer) ? 0 : 1;
  int failed = 0;
  for (int i = 0; i < changes; ++i) {
    bool written = false;
    switch (static_cast<Phase>(phase)) {
      case Phase::FastTexts: written = writer.WriteText(TextFor(phase, i)); break;
      case Phase::SpacedTexts: written = writer.WriteText(TextFor(phase, i)); break;
      case Phase::NeverRenders: break;
      case Phase::Pictures:
        written = writer.WriteBitmap(kPictureBaseWidth + i, kPictureHeight, static_cast<uint32_t>(i));
        break;
    }
    if (!written) ++failed;
    if (phase == static_cast<int>(Phase::FastTexts)) {
      ui::Application::ProcessMessages();
    } else {
      PumpFor(phase == static_cast<int>(Phase::SpacedTexts) ? kTextSpacing : kPictureSpacing);
    }
  }
  // Stays the owner, answering, until the host has read the last change.
  PumpFor(kQuietPeriod * 2);
  return failed;
}

// ---------------------------------------------------------------------------
// The host.
// ---------------------------------------------------------------------------

// Sends WM_GETTEXT to the window without pause from its own thread and keeps
// the longest wait.
class Prober {
 public:
  explicit Prober(HWND window) : window_(window), thread_([this] { Run(); }) {}
  ~Prober() {
    stop_ = true;
    thread_.join();
  }
  Prober(const Prober&) = delete;
  Prober& operator=(const Prober&) = delete;

  // The longest wait since the last call, in ms.
  double TakeWorstMs() { return worstUs_.exchange(0) / 1000.0; }
  int TakeUnanswered() { return unanswered_.exchange(0); }

 private:
  void Run() {
    while (!stop_) {
      wchar_t caption[kCaptionLength] = L"";
      DWORD_PTR copied = 0;
      const auto sent = Clock::now();
      const LRESULT answered = SendMessageTimeoutW(window_, WM_GETTEXT, kCaptionLength,
                                                   reinterpret_cast<LPARAM>(caption), SMTO_NORMAL, kProbeTimeoutMs,
                                                   &copied);
      const auto waited = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - sent).count();
      if (!answered) ++unanswered_;
      long long worst = worstUs_.load();
      while (waited > worst && !worstUs_.compare_exchange_weak(worst, waited)) {
      }
      std::this_thread::sleep_for(kProbePause);
    }
  }

  HWND window_;
  std::atomic<bool> stop_{false};
  std::atomic<long long> worstUs_{0};
  std::atomic<int> unanswered_{0};
  std::thread thread_;
};

struct Outcome {
  int count = 0;
  int filledCells = 0;
  int inOrder = 0;  // cells 1..count that hold a change of the phase, later than the cell before
  std::optional<int> last;
  int notifications = 0;
  double captureMs = 0;  // time spent in the capture handler, all notifications together
  double viewerMs = 0;   // time spent in the notices themselves (WM_DRAWCLIPBOARD)
  double worstAnswerMs = 0;
  int unanswered = 0;
  double writeSeconds = 0;  // from the writer's start to the last fill
  int failedWrites = 0;
};

bool StartWriter(int phase, int changes, ui::unique_handle& process) {
  DWORD processId = 0;
  return e2e::LaunchProgram(e2e::OwnPath(), process, processId,
                            L"--writer " + std::to_wstring(phase) + L" " + std::to_wstring(changes));
}

class Host {
 public:
  explicit Host(history::MainWindow& form) : form_(form) {
    // Times the viewer's handling of each notice itself.
    SetWindowSubclass(form_.Viewer().Handle(), &Host::TimeViewer, 0, reinterpret_cast<DWORD_PTR>(this));
    form_.Capture().onCellFilled = [this](CellKind, int) { lastFill_ = Clock::now(); };
    capture_ = form_.Viewer().OnChange;
    form_.Viewer().OnChange = [this] {
      const auto start = Clock::now();
      ++notifications_;
      capture_();
      captureTime_ += Clock::now() - start;
    };
  }

  ~Host() { RemoveWindowSubclass(form_.Viewer().Handle(), &Host::TimeViewer, 0); }
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  std::optional<Outcome> RunPhase(const PhasePlan& plan, Prober& prober) {
    form_.OnDeleteAllClick();
    PumpFor(kQuietPeriod);
    notifications_ = 0;
    captureTime_ = {};
    viewerTime_ = {};
    prober.TakeWorstMs();
    prober.TakeUnanswered();
    ui::unique_handle writer;
    const auto start = Clock::now();
    if (!StartWriter(static_cast<int>(plan.phase), plan.changes, writer)) return std::nullopt;
    // The writer stays a while after its last change, answering; once it is
    // gone and no capture waits for its advance, the history is final.
    const auto deadline =
        start + (plan.phase == Phase::NeverRenders ? Clock::duration(kNeverRenderDeadline) : kPhaseDeadline);
    lastFill_ = start;
    const auto settled = [this] {
      return !form_.Store().IsPending(CellKind::Text) && !form_.Store().IsPending(CellKind::Image);
    };
    while (Clock::now() < deadline && (WaitForSingleObject(writer.get(), 0) != WAIT_OBJECT_0 || !settled())) {
      PumpFor(std::chrono::milliseconds(kPumpSliceMs));
    }
    Outcome outcome;
    outcome.writeSeconds = std::chrono::duration<double>(lastFill_ - start).count();
    outcome.worstAnswerMs = prober.TakeWorstMs();
    outcome.unanswered = prober.TakeUnanswered();
    if (WaitForSingleObject(writer.get(), 0) != WAIT_OBJECT_0) TerminateProcess(writer.get(), UINT_MAX);
    DWORD failed = 0;
    GetExitCodeProcess(writer.get(), &failed);
    outcome.failedWrites = static_cast<int>(failed);
    Judge(plan, outcome);
    outcome.notifications = notifications_;
    outcome.captureMs = std::chrono::duration<double, std::milli>(captureTime_).count();
    outcome.viewerMs = std::chrono::duration<double, std::milli>(viewerTime_).count();
    return outcome;
  }

 private:
  static LRESULT CALLBACK TimeViewer(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR self) {
    if (message != WM_DRAWCLIPBOARD) return DefSubclassProc(window, message, wParam, lParam);
    // A notice can arrive while the one before is still handled (sent
    // messages are taken while waiting on another window); only the
    // outermost is timed, so no time counts twice.
    Host& host = *reinterpret_cast<Host*>(self);
    const auto start = Clock::now();
    ++host.viewerDepth_;
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (--host.viewerDepth_ == 0) host.viewerTime_ += Clock::now() - start;
    return result;
  }

  void Judge(const PhasePlan& plan, Outcome& outcome) {
    const CellKind kind = plan.phase == Phase::Pictures ? CellKind::Image : CellKind::Text;
    history::CellStore& store = form_.Store();
    outcome.count = store.Count(kind);
    if (plan.phase == Phase::NeverRenders) outcome.count += store.Count(CellKind::Image);
    outcome.filledCells = 0;
    for (int cell = 1; cell <= history::kCellCount; ++cell) {
      if (Number(plan, kind, cell)) outcome.filledCells = cell;
    }
    std::optional<int> previous;
    for (int cell = 1; cell <= outcome.count; ++cell) {
      const std::optional<int> number = Number(plan, kind, cell);
      if (!number || (previous && *number <= *previous)) break;
      previous = number;
      ++outcome.inOrder;
    }
    outcome.last = outcome.count > 0 ? Number(plan, kind, outcome.count) : std::nullopt;
  }

  std::optional<int> Number(const PhasePlan& plan, CellKind kind, int cell) const {
    if (kind == CellKind::Text) return NumberOf(static_cast<int>(plan.phase), form_.TextGrid().CellText(cell));
    const picture::Picture& picture = form_.ImageGrid().CellPicture(cell);
    if (picture.IsEmpty() || picture.Height() != kPictureHeight) return std::nullopt;
    return picture.Width() - kPictureBaseWidth;
  }

  history::MainWindow& form_;
  std::function<void()> capture_;
  int notifications_ = 0;
  Clock::duration captureTime_{};
  Clock::duration viewerTime_{};
  int viewerDepth_ = 0;
  Clock::time_point lastFill_;
};

void PrintOutcome(const PhasePlan& plan, const Outcome& outcome) {
  // Nothing can be had from an owner that never renders: nothing is kept.
  const bool whole = plan.phase == Phase::NeverRenders ? outcome.count == 0 && outcome.filledCells == 0 :
                     outcome.count == outcome.filledCells && outcome.inOrder == outcome.count &&
                     outcome.last == plan.changes - 1;
  std::printf("%-22s %6d %6d %6d %8s %6d %9.1f %9.1f %9.0f %s %5d %8.1f %s\n", plan.label, plan.changes,
              outcome.count, outcome.filledCells, outcome.last ? std::to_string(*outcome.last).c_str() : "-",
              outcome.notifications, outcome.captureMs, outcome.viewerMs, outcome.worstAnswerMs,
              outcome.worstAnswerMs <= kAnswerTargetMs && outcome.unanswered == 0 ? "met    " : "NOT met",
              outcome.unanswered, outcome.writeSeconds, whole ? "whole" : "NOT whole");
  if (outcome.failedWrites) std::printf("%-22s (%d writes failed)\n", "", outcome.failedWrites);
}

int RunHost(int divisor, bool neverRender) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  settings::Settings settings;
  // Beeps and boxes would stall the window and be measured; Delete All
  // between the phases asks nothing.
  settings.Set(settings::Option::BeepOnAdd, false);
  settings.Set(settings::Option::WarnLowCells, false);
  settings.Set(settings::Option::ConfirmDeleteAll, false);
  ui::Application application{app::ProgramTitle()};
  auto* form = application.CreateForm<history::MainWindow>(settings);
  form->Show();
  Host host(*form);
  Prober prober(form->Handle());

  const PhasePlan plans[] = {
      {"texts, fast", Phase::FastTexts, kFastTexts / divisor},
      {"texts, 10 ms apart", Phase::SpacedTexts, kSpacedTexts / divisor},
      {"pictures, 50 ms apart", Phase::Pictures, kPictures / divisor},
      {"owner never renders", Phase::NeverRenders, 1},
  };
  std::printf("Clipboard bursts, %d-bit build. Answers: WM_GETTEXT to the main window, target <= %.0f ms.\n",
              static_cast<int>(sizeof(void*) * CHAR_BIT), kAnswerTargetMs);
  std::printf("%-22s %6s %6s %6s %8s %6s %9s %9s %9s %-7s %5s %8s %s\n", "phase", "writes", "count", "filled",
              "last", "notes", "capt. ms", "viewer ms", "worst ms", "answers", "lost", "fill s", "history");
  int status = EXIT_SUCCESS;
  for (const PhasePlan& plan : plans) {
    if (plan.phase == Phase::NeverRenders && !neverRender) continue;
    const std::optional<Outcome> outcome = host.RunPhase(plan, prober);
    if (!outcome) {
      std::fprintf(stderr, "bench_burst: cannot start the writer (error %lu)\n", GetLastError());
      status = EXIT_FAILURE;
      break;
    }
    PrintOutcome(plan, *outcome);
  }
  std::printf(
      "\ncount: the gauge; filled: the last cell holding a change of the phase; last: the\n"
      "change cell `count` holds (the last written is writes-1); notes: notifications\n"
      "the capture handler ran for (notices that came together count once), capt. ms\n"
      "the time spent in it, viewer ms the time spent on the notices themselves\n"
      "(WM_DRAWCLIPBOARD: passing them on down the chain); worst ms: the\n"
      "longest wait for one answer; lost: answers that never came; fill s: from the\n"
      "writer's start to the last fill; history whole: count = filled, cells 1..count\n"
      "in the order written, the last cell the last change.\n");
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], kWriterFlag) == 0) return RunWriter(std::atoi(argv[2]), std::atoi(argv[3]));
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  bool quick = false;
  bool neverRender = false;
  for (int i = 1; i < argc; ++i) {
    quick = quick || std::strcmp(argv[i], kQuickFlag) == 0;
    neverRender = neverRender || std::strcmp(argv[i], kNeverRenderFlag) == 0;
  }
  return RunHost(quick ? kQuickDivisor : 1, neverRender);
}
