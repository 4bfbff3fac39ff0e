// The system's conversions to and from the ANSI code page, the encoding of
// the files the program reads and writes the way older programs do.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

std::u16string DecodeAnsi(std::string_view bytes);

// Nothing when a character has no place in the code page: no best fit, so
// "€" never quietly becomes "E" where the code page lacks it.
std::optional<std::string> EncodeAnsi(std::u16string_view text);

}  // namespace settings
