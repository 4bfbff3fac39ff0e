// Idle cost: how much processor time Kestrel99 takes while it sits in the
// tray with nothing to do, beside a program that does nothing but poll on a
// 1 ms timer, measured in the same run.
//
// Each program in turn is started, left to finish its start-up and to
// settle, and then watched for the measured period: its processor time
// (user + kernel) over that period as a share of one core, and how often it
// woke up. The baseline counts its own timer ticks. Under Wine, the Linux
// kernel's accounting is read as well: processor time and context switches
// of the program's Linux process, and the processor time of the wineserver,
// which does the timer and message work for the program; the wineserver is
// also measured while neither program runs, since it serves the whole
// session.
//
//   bench_idle [--seconds N] [--settle N]
#include <windows.h>
#include <tlhelp32.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "e2e/program_probe.h"
#include "linux_proc.h"
#include "timer_baseline.h"
#include "ui/handles.h"

namespace {

using Clock = std::chrono::steady_clock;
using e2e::DirectoryOf;
using e2e::kAnswerTimeoutMs;
using e2e::kKilledExitCode;
using e2e::kProgramFileName;
using e2e::LaunchProgram;

constexpr int kDefaultMeasureSeconds = 60;
constexpr int kDefaultSettleSeconds = 5;
constexpr std::chrono::milliseconds kReadyDeadline{30000};
constexpr std::chrono::milliseconds kExitDeadline{20000};
constexpr std::chrono::milliseconds kPollInterval{50};
constexpr double kTargetPercentOfCore = 0.1;
// FILETIME counts in units of 100 ns.
constexpr double kFileTimeUnitsPerSecond = 1e7;
constexpr double kPercent = 100.0;
constexpr char kSecondsFlag[] = "--seconds";
constexpr char kSettleFlag[] = "--settle";

struct Options {
  int measureSeconds = kDefaultMeasureSeconds;
  int settleSeconds = kDefaultSettleSeconds;
};

// One program to measure: where it is, when it is ready, and how to end it.
struct Subject {
  const char* label;
  std::wstring path;
  std::function<bool(DWORD processId)> ready;
  std::function<HWND(DWORD processId)> closeTarget;
  // Its own count of timer ticks, where it keeps one.
  std::function<std::optional<LRESULT>(DWORD processId)> ticks;
};

// One started program; it is ended when this goes away.
class StartedProgram {
 public:
  bool Start(const std::wstring& path);
  ~StartedProgram() { Kill(); }
  bool IsRunning() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  HANDLE Process() const { return process_.get(); }
  DWORD ProcessId() const { return processId_; }
  void Kill();

 private:
  ui::unique_handle process_;
  DWORD processId_ = 0;
};

// Everything read at one moment of the measured period.
struct Reading {
  Clock::time_point at;
  uint64_t processTimes = 0;  // GetProcessTimes, 100 ns units
  uint64_t threadTimes = 0;   // GetThreadTimes summed over threads, 100 ns units
  std::optional<double> linuxCpu;
  std::optional<uint64_t> linuxSwitches;
  std::optional<double> wineServerCpu;
  std::optional<LRESULT> ticks;
};

struct Result {
  const char* label;
  double seconds = 0;
  double cpuSeconds = 0;
  const char* cpuSource = "";
  std::optional<double> ticksPerSecond;
  std::optional<double> switchesPerSecond;
  std::optional<double> wineServerPercent;
};

using e2e::OwnDirectory;
using e2e::WinePrefix;

bool StartedProgram::Start(const std::wstring& path) { return LaunchProgram(path, process_, processId_); }

void StartedProgram::Kill() {
  if (!IsRunning()) return;
  TerminateProcess(process_.get(), kKilledExitCode);
  WaitForSingleObject(process_.get(), INFINITE);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  while (!done()) {
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
  return true;
}

uint64_t Units(const FILETIME& time) { return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime; }

uint64_t ProcessTimeUnits(HANDLE process) {
  FILETIME created{}, ended{}, kernel{}, user{};
  if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
  return Units(kernel) + Units(user);
}

// Wine reports another process's time only per thread (its GetProcessTimes
// figure for another process falls far short), so the threads are summed too.
uint64_t ThreadTimeUnits(DWORD processId) {
  ui::unique_hfile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot) return 0;
  uint64_t total = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    ui::unique_handle thread(OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID));
    FILETIME created{}, ended{}, kernel{}, user{};
    if (thread && GetThreadTimes(thread.get(), &created, &ended, &kernel, &user)) {
      total += Units(kernel) + Units(user);
    }
  }
  return total;
}

std::optional<LRESULT> BaselineTicks(DWORD processId) {
  const std::vector<HWND> windows = e2e::ProcessWindowsOfClass(processId, bench::kTimerBaselineClass);
  DWORD_PTR ticks = 0;
  if (windows.empty() ||
      !SendMessageTimeoutW(windows.front(), bench::kTickCountQuery, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &ticks)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(ticks);
}

Reading Read(const StartedProgram& program, const Subject& subject, std::optional<unsigned> linuxPid,
             std::optional<unsigned> wineServer) {
  Reading reading;
  reading.at = Clock::now();
  reading.processTimes = ProcessTimeUnits(program.Process());
  reading.threadTimes = ThreadTimeUnits(program.ProcessId());
  if (linuxPid) {
    reading.linuxCpu = bench::LinuxCpuSeconds(*linuxPid);
    reading.linuxSwitches = bench::LinuxContextSwitches(*linuxPid);
  }
  if (wineServer) reading.wineServerCpu = bench::LinuxCpuSeconds(*wineServer);
  if (subject.ticks) reading.ticks = subject.ticks(program.ProcessId());
  return reading;
}

template <typename T>
std::optional<double> Difference(const std::optional<T>& before, const std::optional<T>& after) {
  if (!before || !after) return std::nullopt;
  return static_cast<double>(*after - *before);
}

Result Compare(const char* label, const Reading& before, const Reading& after) {
  Result result;
  result.label = label;
  result.seconds = std::chrono::duration<double>(after.at - before.at).count();
  // The kernel's own figure where there is one; otherwise the larger of the
  // two Win32 figures, since each can only miss time (a thread that ended,
  // or what the platform leaves out).
  if (const std::optional<double> kernelFigure = Difference(before.linuxCpu, after.linuxCpu)) {
    result.cpuSeconds = *kernelFigure;
    result.cpuSource = "the Linux process's utime + stime";
  } else {
    const double process = static_cast<double>(after.processTimes - before.processTimes) / kFileTimeUnitsPerSecond;
    const double threads = static_cast<double>(after.threadTimes - before.threadTimes) / kFileTimeUnitsPerSecond;
    result.cpuSeconds = process >= threads ? process : threads;
    result.cpuSource = process >= threads ? "GetProcessTimes" : "GetThreadTimes, summed over its threads";
  }
  if (const std::optional<double> ticks = Difference(before.ticks, after.ticks)) {
    result.ticksPerSecond = *ticks / result.seconds;
  }
  if (const std::optional<double> switches = Difference(before.linuxSwitches, after.linuxSwitches)) {
    result.switchesPerSecond = *switches / result.seconds;
  }
  if (const std::optional<double> server = Difference(before.wineServerCpu, after.wineServerCpu)) {
    result.wineServerPercent = *server / result.seconds * kPercent;
  }
  return result;
}

std::optional<Result> Measure(const Subject& subject, const Options& options, const std::string& winePrefix) {
  StartedProgram program;
  if (!program.Start(subject.path)) {
    std::fprintf(stderr, "bench_idle: cannot start %ls (error %lu)\n", subject.path.c_str(), GetLastError());
    return std::nullopt;
  }
  if (!WaitUntil([&] { return subject.ready(program.ProcessId()) || !program.IsRunning(); }, kReadyDeadline) ||
      !program.IsRunning()) {
    std::fprintf(stderr, "bench_idle: %s did not get ready\n", subject.label);
    return std::nullopt;
  }
  std::this_thread::sleep_for(std::chrono::seconds(options.settleSeconds));

  const std::optional<unsigned> linuxPid =
      winePrefix.empty() ? std::nullopt : bench::FindLinuxProcess(subject.path, winePrefix);
  const std::optional<unsigned> wineServer = winePrefix.empty() ? std::nullopt : bench::FindWineServer(winePrefix);
  const Reading before = Read(program, subject, linuxPid, wineServer);
  std::this_thread::sleep_for(std::chrono::seconds(options.measureSeconds));
  const Reading after = Read(program, subject, linuxPid, wineServer);

  if (!program.IsRunning()) {
    std::fprintf(stderr, "bench_idle: %s ended during the measurement\n", subject.label);
    return std::nullopt;
  }
  if (HWND target = subject.closeTarget(program.ProcessId())) PostMessageW(target, WM_CLOSE, 0, 0);
  WaitUntil([&] { return !program.IsRunning(); }, kExitDeadline);
  return Compare(subject.label, before, after);
}

// The wineserver's own share while no measured program runs: the part of
// its figure that the rest of the session (the desktop, this benchmark)
// causes.
std::optional<double> WineServerAtRest(const Options& options, const std::string& winePrefix) {
  const std::optional<unsigned> wineServer = winePrefix.empty() ? std::nullopt : bench::FindWineServer(winePrefix);
  if (!wineServer) return std::nullopt;
  const auto start = Clock::now();
  const std::optional<double> before = bench::LinuxCpuSeconds(*wineServer);
  std::this_thread::sleep_for(std::chrono::seconds(options.measureSeconds));
  const std::optional<double> after = bench::LinuxCpuSeconds(*wineServer);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  const std::optional<double> used = Difference(before, after);
  if (!used) return std::nullopt;
  return *used / seconds * kPercent;
}

void Print(const Result& result) {
  const double percent = result.cpuSeconds / result.seconds * kPercent;
  std::printf("  %-38s %7.3f%% of one core (%.3f s of %.1f s)\n", result.label, percent, result.cpuSeconds,
              result.seconds);
  if (result.ticksPerSecond) std::printf("  %-38s %7.1f timer ticks/s\n", "", *result.ticksPerSecond);
  if (result.switchesPerSecond) std::printf("  %-38s %7.1f context switches/s\n", "", *result.switchesPerSecond);
  if (result.wineServerPercent) {
    std::printf("  %-38s %7.3f%% of one core in the wineserver meanwhile\n", "", *result.wineServerPercent);
  }
  std::printf("  %-38s (processor time from %s)\n", "", result.cpuSource);
}

HWND FirstWindowOfClass(DWORD processId, const wchar_t* className) {
  const std::vector<HWND> windows = e2e::ProcessWindowsOfClass(processId, className);
  return windows.empty() ? nullptr : windows.front();
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], kSecondsFlag) == 0) options.measureSeconds = std::atoi(argv[i + 1]);
    if (std::strcmp(argv[i], kSettleFlag) == 0) options.settleSeconds = std::atoi(argv[i + 1]);
  }
  if (options.measureSeconds <= 0 || options.settleSeconds < 0) {
    std::fprintf(stderr, "usage: bench_idle [--seconds N] [--settle N]\n");
    return 2;
  }
  const std::wstring benchDirectory = OwnDirectory();
  const std::string winePrefix = WinePrefix();

  const Subject kestrel{
      "Kestrel99.exe, resident in the tray",
      DirectoryOf(benchDirectory) + L"\\" + kProgramFileName,
      [](DWORD id) { return e2e::StartupIsOver(id); },
      // Closing the start-up window, the main form, ends the program.
      [](DWORD id) { return FirstWindowOfClass(id, core::kStartupWindowClass); },
      {},
  };
  const Subject baseline{
      "baseline: a 1 ms timer doing nothing",
      benchDirectory + L"\\" + bench::kTimerBaselineFileName,
      [](DWORD id) { return FirstWindowOfClass(id, bench::kTimerBaselineClass) != nullptr; },
      [](DWORD id) { return FirstWindowOfClass(id, bench::kTimerBaselineClass); },
      &BaselineTicks,
  };

  std::printf("Idle cost over %d s, after the start-up and %d s of rest\n", options.measureSeconds,
              options.settleSeconds);
  std::printf("Target for Kestrel99: at most %.1f%% of one core, and no periodic timer wake-ups\n",
              kTargetPercentOfCore);
  std::fflush(stdout);
  const std::optional<Result> program = Measure(kestrel, options, winePrefix);
  const std::optional<Result> yardstick = Measure(baseline, options, winePrefix);
  const std::optional<double> rest = WineServerAtRest(options, winePrefix);
  if (program) Print(*program);
  if (yardstick) Print(*yardstick);
  if (rest) std::printf("  %-38s %7.3f%% of one core in the wineserver\n", "nothing measured running", *rest);
  if (program) {
    const double percent = program->cpuSeconds / program->seconds * kPercent;
    std::printf("Kestrel99 %s the processor-time target", percent <= kTargetPercentOfCore ? "meets" : "misses");
    if (program->switchesPerSecond) {
      std::printf(" and woke up %.0f times in %.0f s", *program->switchesPerSecond * program->seconds,
                  program->seconds);
    }
    std::printf(".\n");
  }
  return program && yardstick ? 0 : 1;
}
