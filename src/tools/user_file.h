// Reading and writing the files a user picks. A failure ends the command with
// the file's name and the system's reason; a failed write leaves the file
// that was there before untouched.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/text_file_rules.h"

namespace tools {

// The whole file. Throws ui::UserError.
std::string ReadUserFile(const std::wstring& path);

// Writes the file under a temporary name in the same folder and only then
// puts it in place of the old one, so a write that fails half-way never
// costs the user the file they had. Throws ui::UserError.
void WriteUserFile(const std::wstring& path, std::string_view bytes);

}  // namespace tools
