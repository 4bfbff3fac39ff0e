#include "tools/text_file_rules.h"

#include <cstdint>
#include <optional>

namespace tools {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kReplacement = 0xFFFD;
constexpr char32_t kMaxCodePoint = 0x10FFFF;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Decodes one UTF-8 sequence at `at`; false for a malformed one (overlong,
// surrogate, beyond U+10FFFF, cut short), which then counts one byte.
bool NextUtf8(std::string_view bytes, size_t& at, char32_t& code) {
  const auto lead = static_cast<uint8_t>(bytes[at]);
  int extra = 0;
  char32_t min = 0;
  if (lead < 0x80) {
    code = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1, min = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, min = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, min = 0x10000, code = lead & 0x07;
  } else {
    ++at;
    return false;
  }
  if (bytes.size() - at <= static_cast<size_t>(extra) && extra > 0) {
    ++at;
    return false;
  }
  for (int i = 1; i <= extra; ++i) {
    const auto next = static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      ++at;
      return false;
    }
    code = (code << 6) | (next & 0x3F);
  }
  if (code < min || code > kMaxCodePoint || IsSurrogate(code)) {
    ++at;
    return false;
  }
  at += static_cast<size_t>(extra) + 1;
  return true;
}

void AppendUtf16(Utf16& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
    return;
  }
  code -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

bool IsValidUtf8(std::string_view bytes) {
  size_t at = 0;
  char32_t code = 0;
  while (at < bytes.size()) {
    if (!NextUtf8(bytes, at, code)) return false;
  }
  return true;
}

Utf16 FromUtf8(std::string_view bytes) {
  Utf16 out;
  out.reserve(bytes.size());
  size_t at = 0;
  char32_t code = 0;
  while (at < bytes.size()) AppendUtf16(out, NextUtf8(bytes, at, code) ? code : kReplacement);
  return out;
}

Utf16 FromUtf16(std::string_view bytes, bool bigEndian) {
  Utf16 out;
  out.reserve(bytes.size() / 2 + 1);
  for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const auto first = static_cast<uint8_t>(bytes[at]);
    const auto second = static_cast<uint8_t>(bytes[at + 1]);
    out.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  // Half a code unit at the end is damage, not text.
  if (bytes.size() % 2 != 0) out.push_back(kReplacement);
  return out;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    const bool pairs = high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pairs) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (IsSurrogate(code)) {
      code = kReplacement;  // an unpaired half has no UTF-8 form
    }
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

// UTF-16 without a mark: text in the Latin scripts has a zero high byte in
// most of its code units, so the zero bytes fall on one side of each pair.
// A byte text with a stray NUL, or padded with NULs, has them on both
// sides or too few of them, and stays a byte text. A pair of zeros (a NUL
// character, or padding) counts for neither side.
std::optional<TextEncoding> UnmarkedUtf16(std::string_view bytes) {
  if (bytes.empty() || bytes.size() % 2 != 0) return std::nullopt;
  size_t zeroFirst = 0;
  size_t zeroSecond = 0;
  for (size_t at = 0; at < bytes.size(); at += 2) {
    const bool first = bytes[at] == '\0';
    const bool second = bytes[at + 1] == '\0';
    zeroFirst += first && !second ? 1 : 0;
    zeroSecond += second && !first ? 1 : 0;
  }
  const size_t units = bytes.size() / 2;
  // More than half the units, and the other side at most a quarter as many.
  const auto dominates = [units](size_t side, size_t other) { return side * 2 > units && other * 4 <= side; };
  if (dominates(zeroSecond, zeroFirst)) return TextEncoding::Utf16LeNoBom;
  if (dominates(zeroFirst, zeroSecond)) return TextEncoding::Utf16BeNoBom;
  return std::nullopt;
}

}  // namespace

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return TextEncoding::Utf8Bom;
  if (bytes.starts_with(kUtf16LeMark)) return TextEncoding::Utf16Le;
  if (bytes.starts_with(kUtf16BeMark)) return TextEncoding::Utf16Be;
  if (const std::optional<TextEncoding> utf16 = UnmarkedUtf16(bytes)) return *utf16;
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

size_t ReplaceNulCharacters(Utf16& text) {
  size_t replaced = 0;
  for (char16_t& c : text) {
    if (c != u'\0') continue;
    c = kReplacement;
    ++replaced;
  }
  return replaced;
}

Utf16 WithCrLfLineEnds(std::u16string_view text) {
  Utf16 out;
  out.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == kCr || c == kLf) {
      out += u"\r\n";
      if (c == kCr && i + 1 < text.size() && text[i + 1] == kLf) ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

Utf16 DecodeTextFile(std::string_view bytes, const AnsiDecoder& ansi) {
  switch (DetectEncoding(bytes)) {
    case TextEncoding::Utf8Bom: return WithCrLfLineEnds(FromUtf8(bytes.substr(kUtf8Mark.size())));
    case TextEncoding::Utf16Le: return WithCrLfLineEnds(FromUtf16(bytes.substr(kUtf16LeMark.size()), false));
    case TextEncoding::Utf16Be: return WithCrLfLineEnds(FromUtf16(bytes.substr(kUtf16BeMark.size()), true));
    case TextEncoding::Utf16LeNoBom: return WithCrLfLineEnds(FromUtf16(bytes, false));
    case TextEncoding::Utf16BeNoBom: return WithCrLfLineEnds(FromUtf16(bytes, true));
    case TextEncoding::Utf8: return WithCrLfLineEnds(FromUtf8(bytes));
    case TextEncoding::Ansi: break;
  }
  return WithCrLfLineEnds(ansi(bytes));
}

std::string EncodeTextFile(std::u16string_view text, const AnsiEncoder& ansi) {
  Utf16 lines = WithCrLfLineEnds(text);
  if (!lines.empty() && !lines.ends_with(u"\r\n")) lines += u"\r\n";
  if (std::optional<std::string> bytes = ansi(lines)) return *std::move(bytes);
  return ToUtf8(lines);
}

}  // namespace tools
