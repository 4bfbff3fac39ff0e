// The program's last line of defence: an error that escapes the start-up or
// the message loop (a window that could not be created, say) is shown in the
// application's error box, and the program ends with a code that says it
// failed, instead of vanishing through std::terminate.
#pragma once

#include <functional>
#include <string>

namespace app {

inline constexpr int kFailedExitCode = 1;

// Runs the program and returns its exit code, or kFailedExitCode after the
// box when it threw. `title` is the box's caption.
int RunReportingFailure(const std::wstring& title, const std::function<int()>& program);

}  // namespace app
