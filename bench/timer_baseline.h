// What the idle benchmark and its 1 ms-timer baseline program share: the
// baseline's window class and the message that asks it for its tick count.
#pragma once

#include <windows.h>

namespace bench {

inline constexpr wchar_t kTimerBaselineClass[] = L"KestrelBenchTimerBaseline";
inline constexpr wchar_t kTimerBaselineFileName[] = L"timer_baseline.exe";
// Sent to the baseline's window; the result is its WM_TIMER count so far.
inline constexpr UINT kTickCountQuery = WM_APP + 1;

}  // namespace bench
