// Reads the Linux kernel's accounting of a process from inside Wine. Under
// Wine every Windows process is a Linux process and the prefix shows the
// Linux file system as drive Z:, so /proc is at Z:\proc. There the kernel
// keeps the processor time and the context switches of every process, which
// is more than Wine's own process figures tell about another process.
//
// On Windows there is no Z:\proc, and every function finds nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// The ids of every Linux process.
std::vector<unsigned> LinuxProcesses();

// The process's command line, one entry per argument. Wine shows a Windows
// program's full path as the first argument.
std::vector<std::string> LinuxCommandLine(unsigned pid);

// The value of one variable of the process's environment.
std::optional<std::string> LinuxEnvironmentValue(unsigned pid, const std::string& name);

// The process's user and system time together, in seconds.
std::optional<double> LinuxCpuSeconds(unsigned pid);

// Voluntary and involuntary context switches of all the process's threads
// together: each time a thread went to sleep or was put aside.
std::optional<uint64_t> LinuxContextSwitches(unsigned pid);

// The process's private memory as the kernel counts it: anonymous pages in
// memory (RssAnon) plus those swapped out (VmSwap), in bytes. Under Wine this
// is what the program's heaps and bitmaps really take.
std::optional<uint64_t> LinuxPrivateBytes(unsigned pid);

// The process's resident size, now (VmRSS) or at its peak (VmHWM), in bytes.
std::optional<uint64_t> LinuxResidentBytes(unsigned pid, bool peak);

// Sets the process's peak resident size back to its size now, so the next
// peak read is the peak of what follows; false when the kernel refuses.
bool ResetLinuxPeakResident(unsigned pid);

// The one process whose first argument is `windowsPath` (compared without
// regard to case) and whose WINEPREFIX is `winePrefix`; nothing when there
// is none or more than one.
std::optional<unsigned> FindLinuxProcess(const std::wstring& windowsPath, const std::string& winePrefix);

// The wineserver of the given prefix, which does the timer and message
// work of every program in it.
std::optional<unsigned> FindWineServer(const std::string& winePrefix);

}  // namespace bench
