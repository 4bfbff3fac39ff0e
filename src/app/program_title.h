// The title of the running program, taken from its file name by the rule
// in title_rules.h.
#pragma once

#include <string>

namespace app {

// The application title of the program file this process runs
// ("Kestrel99" for Kestrel99.exe).
std::wstring ProgramTitle();

}  // namespace app
