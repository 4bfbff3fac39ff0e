#include "linux_proc.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <sstream>

#include "ui/handles.h"

namespace bench {

namespace {

constexpr wchar_t kProcDirectory[] = L"Z:\\proc\\";
constexpr DWORD kReadChunk = 4096;
// The kernel counts processor time in ticks of 1/100 s (USER_HZ, fixed by
// the Linux ABI on every architecture Wine runs on).
constexpr double kTicksPerSecond = 100.0;
// In /proc/<pid>/stat, after the closing parenthesis of the program name:
// state is the first field, utime the 12th and stime the 13th.
constexpr size_t kUserTimeField = 11;
constexpr size_t kSystemTimeField = 12;
constexpr char kVoluntarySwitches[] = "voluntary_ctxt_switches:";
constexpr char kInvoluntarySwitches[] = "nonvoluntary_ctxt_switches:";
constexpr char kResidentAnonymous[] = "RssAnon:";
constexpr char kSwapped[] = "VmSwap:";
constexpr uint64_t kBytesPerKilobyte = 1024;
constexpr char kWineServerName[] = "wineserver";  // also wineserver64 and the like
constexpr char kWinePrefixVariable[] = "WINEPREFIX";

std::wstring ProcPath(unsigned pid, const wchar_t* file) {
  return kProcDirectory + std::to_wstring(pid) + L"\\" + file;
}

// Files under /proc report a size of 0; they are read until they end.
std::optional<std::string> ReadWhole(const std::wstring& path) {
  ui::unique_hfile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char chunk[kReadChunk];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, kReadChunk, &read, nullptr) && read > 0) content.append(chunk, read);
  return content;
}

std::vector<std::string> SplitAtZeros(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (c == '\0') {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

std::string ToUtf8(const std::wstring& text) {
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
  }
  return out;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The numbers that follow a label such as "voluntary_ctxt_switches:".
std::optional<uint64_t> LabelledNumber(const std::string& status, const char* label) {
  const size_t at = status.find(label);
  if (at == std::string::npos) return std::nullopt;
  std::istringstream rest(status.substr(at + std::char_traits<char>::length(label)));
  uint64_t value = 0;
  if (!(rest >> value)) return std::nullopt;
  return value;
}

std::vector<unsigned> NumberedEntries(const std::wstring& directory) {
  std::vector<unsigned> numbers;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((directory + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return numbers;
  do {
    const std::wstring name = found.cFileName;
    if (!name.empty() && std::all_of(name.begin(), name.end(), iswdigit)) {
      numbers.push_back(static_cast<unsigned>(std::stoul(name)));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return numbers;
}

template <typename Match>
std::optional<unsigned> OnlyProcess(Match match) {
  std::optional<unsigned> found;
  for (unsigned pid : LinuxProcesses()) {
    if (!match(pid)) continue;
    if (found) return std::nullopt;  // more than one: not ours to pick
    found = pid;
  }
  return found;
}

}  // namespace

std::vector<unsigned> LinuxProcesses() { return NumberedEntries(kProcDirectory); }

std::vector<std::string> LinuxCommandLine(unsigned pid) {
  return SplitAtZeros(ReadWhole(ProcPath(pid, L"cmdline")).value_or(""));
}

std::optional<std::string> LinuxEnvironmentValue(unsigned pid, const std::string& name) {
  const std::optional<std::string> environment = ReadWhole(ProcPath(pid, L"environ"));
  if (!environment) return std::nullopt;
  const std::string prefix = name + "=";
  for (const std::string& entry : SplitAtZeros(*environment)) {
    if (entry.compare(0, prefix.size(), prefix) == 0) return entry.substr(prefix.size());
  }
  return std::nullopt;
}

std::optional<double> LinuxCpuSeconds(unsigned pid) {
  const std::optional<std::string> stat = ReadWhole(ProcPath(pid, L"stat"));
  if (!stat) return std::nullopt;
  // The program name in parentheses may itself hold spaces and parentheses.
  const size_t nameEnd = stat->rfind(')');
  if (nameEnd == std::string::npos) return std::nullopt;
  std::istringstream fields(stat->substr(nameEnd + 1));
  std::vector<std::string> values;
  for (std::string value; fields >> value;) values.push_back(value);
  if (values.size() <= kSystemTimeField) return std::nullopt;
  const uint64_t ticks = std::stoull(values[kUserTimeField]) + std::stoull(values[kSystemTimeField]);
  return static_cast<double>(ticks) / kTicksPerSecond;
}

std::optional<uint64_t> LinuxContextSwitches(unsigned pid) {
  const std::wstring tasks = kProcDirectory + std::to_wstring(pid) + L"\\task\\";
  std::optional<uint64_t> total;
  for (unsigned task : NumberedEntries(tasks)) {
    const std::optional<std::string> status = ReadWhole(tasks + std::to_wstring(task) + L"\\status");
    if (!status) continue;
    const std::optional<uint64_t> voluntary = LabelledNumber(*status, kVoluntarySwitches);
    const std::optional<uint64_t> involuntary = LabelledNumber(*status, kInvoluntarySwitches);
    if (!voluntary || !involuntary) continue;
    total = total.value_or(0) + *voluntary + *involuntary;
  }
  return total;
}

std::optional<uint64_t> LinuxPrivateBytes(unsigned pid) {
  const std::optional<std::string> status = ReadWhole(ProcPath(pid, L"status"));
  if (!status) return std::nullopt;
  // Both figures are in kB.
  const std::optional<uint64_t> resident = LabelledNumber(*status, kResidentAnonymous);
  if (!resident) return std::nullopt;
  return (*resident + LabelledNumber(*status, kSwapped).value_or(0)) * kBytesPerKilobyte;
}

std::optional<uint64_t> LinuxResidentBytes(unsigned pid, bool peak) {
  const std::optional<std::string> status = ReadWhole(ProcPath(pid, L"status"));
  if (!status) return std::nullopt;
  const std::optional<uint64_t> kilobytes = LabelledNumber(*status, peak ? "VmHWM:" : "VmRSS:");
  if (!kilobytes) return std::nullopt;
  return *kilobytes * kBytesPerKilobyte;
}

bool ResetLinuxPeakResident(unsigned pid) {
  // "5" resets the peak resident size (Linux 4.0 and later).
  ui::unique_hfile file(CreateFileW(ProcPath(pid, L"clear_refs").c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                    nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), "5", 1, &written, nullptr) && written == 1;
}

std::optional<unsigned> FindLinuxProcess(const std::wstring& windowsPath, const std::string& winePrefix) {
  const std::string path = ToUtf8(windowsPath);
  return OnlyProcess([&](unsigned pid) {
    const std::vector<std::string> arguments = LinuxCommandLine(pid);
    return !arguments.empty() && SameIgnoringCase(arguments.front(), path) &&
           LinuxEnvironmentValue(pid, kWinePrefixVariable) == winePrefix;
  });
}

std::optional<unsigned> FindWineServer(const std::string& winePrefix) {
  return OnlyProcess([&](unsigned pid) {
    const std::vector<std::string> arguments = LinuxCommandLine(pid);
    return !arguments.empty() && BaseName(arguments.front()).find(kWineServerName) == 0 &&
           LinuxEnvironmentValue(pid, kWinePrefixVariable) == winePrefix;
  });
}

}  // namespace bench
