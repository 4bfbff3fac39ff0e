// The text rules of the directory picker: the form in which a chosen
// directory is answered and stored, how a path is opened from its drive
// down, and the message for a drive that cannot be entered.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tools {

// What the tree answers when no directory is selected.
inline constexpr std::wstring_view kNoDirectory = L"?";

// The path with a backslash at its end (an empty path stays empty).
std::wstring WithTrailingBackslash(std::wstring path);

// The form every chosen directory takes, like the default "C:\WINDOWS\":
// letters in upper case and a trailing backslash. Only ASCII letters are
// mapped here; the window side applies the system's full case mapping
// before, so the two agree on every path.
std::wstring DirectoryAnswer(std::wstring path);

// Whether two paths name the same directory as the tree sees it: the same
// text apart from ASCII letter case and a trailing backslash.
bool SameDirectory(std::wstring_view a, std::wstring_view b);

// "X:\" exactly: the only form of a drive the picker is told to select
// without asking the file system whether it exists.
bool IsDriveRoot(std::wstring_view path);

// The nodes to open from the tree's root down to the path: the drive root
// ("C:\") first, then each directory name. Empty separators ("C:\A\\B")
// are skipped, as the file system skips them. Empty when the path does not
// start with a drive, because the tree holds nothing else.
std::vector<std::wstring> PathComponents(std::wstring_view path);

// The drive letter of a tree answer: its first character in upper case,
// so "?" (nothing selected) stays "?".
std::wstring DriveLetterOf(std::wstring_view answer);

// The root of a drive given by its letter: "X:\".
std::wstring DriveRoot(std::wstring_view letter);

// The message for a drive that could not be entered. The trailing carriage
// return is part of the message as users have always seen it.
std::wstring DriveErrorMessage(std::wstring_view letter);

// The message for a folder whose name the settings file cannot keep.
std::wstring UnstorableFolderMessage(std::wstring_view folder);

}  // namespace tools
