// The rule that turns a program file into the application title. Portable;
// ProgramTitle (program_title.h) applies it to the file this process runs.
#pragma once

#include <string>

namespace app {

/// The application title for a program file: its file name without the
/// directory (either '\\' or '/' separates), cut at the first '.', with every
/// character after the first lowered; the first keeps its case.
/// "C:\\Apps\\Kestrel99.exe" gives "Kestrel99". The title names the
/// single-instance objects, so two copies started from the same file always
/// agree on it, independent of the C library's locale.
std::wstring TitleFromProgramPath(const std::wstring& programPath);

/// Lower case of one UTF-16 unit, for ASCII, Latin-1, Latin Extended-A,
/// Greek and Cyrillic capitals; any other character is returned unchanged.
/// Unlike std::towlower it does not depend on the current C locale.
wchar_t LowerChar(wchar_t c);

}  // namespace app
