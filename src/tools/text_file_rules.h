// How the editor turns file bytes into text and back. Files come from every
// kind of program, so reading guesses the encoding from the bytes; writing
// picks the most widely readable form that still holds every character.
// The conversions to and from the ANSI code page belong to the system and
// are passed in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tools {

// Text as the system's wide strings hold it: UTF-16 code units.
using Utf16 = std::u16string;

using AnsiDecoder = std::function<Utf16(std::string_view bytes)>;
// No value when some character has no form in the ANSI code page.
using AnsiEncoder = std::function<std::optional<std::string>(std::u16string_view text)>;

enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16Le, Utf16Be, Utf16LeNoBom, Utf16BeNoBom };

// A byte-order mark decides; failing one, UTF-16 is recognised by its zero
// bytes (see LooksLikeUtf16); then bytes that are valid UTF-8 are taken as
// UTF-8 (plain ASCII is the same either way); anything else is ANSI.
TextEncoding DetectEncoding(std::string_view bytes);

// The text of a file as the editor shows it: every line break, whatever
// its form, becomes CR LF, which is what a multi-line edit control needs.
Utf16 DecodeTextFile(std::string_view bytes, const AnsiDecoder& ansi);

// The bytes of a file for the editor's text: every line followed by CR LF
// (a text ending in a line break gets no empty line after it), in ANSI when
// that holds every character, otherwise in UTF-8 without a mark.
std::string EncodeTextFile(std::u16string_view text, const AnsiEncoder& ansi);

// An edit control ends its text at the first NUL character, and what it
// shows is what gets saved: each NUL becomes U+FFFD. Returns how many did.
size_t ReplaceNulCharacters(Utf16& text);

// Every CR LF, lone CR and lone LF as CR LF.
Utf16 WithCrLfLineEnds(std::u16string_view text);

}  // namespace tools
