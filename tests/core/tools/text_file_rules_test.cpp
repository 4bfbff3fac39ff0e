// Reading text files of every common encoding and line-end convention, and
// writing them back in the most readable form that keeps every character.
#include "tools/text_file_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tools::TextEncoding;
using tools::Utf16;

// A stand-in for a Western code page: Latin-1, which maps bytes 1:1.
Utf16 Latin1Decode(std::string_view bytes) {
  Utf16 out;
  for (const char c : bytes) out.push_back(static_cast<unsigned char>(c));
  return out;
}
std::optional<std::string> Latin1Encode(std::u16string_view text) {
  std::string out;
  for (const char16_t c : text) {
    if (c > 0xFF) return std::nullopt;
    out.push_back(static_cast<char>(c));
  }
  return out;
}

TEST(TextFileRulesTest, ReadsEveryEncodingAndLineEndIntoCrLfText) {
  struct Case {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    Utf16 text;
  };
  const Case cases[] = {
      {"ascii, lone LF", "one\ntwo\n", TextEncoding::Utf8, u"one\r\ntwo\r\n"},
      {"lone CR and CR LF mixed", "a\rb\r\nc\n\rd", TextEncoding::Utf8, u"a\r\nb\r\nc\r\n\r\nd"},
      {"UTF-8 without mark", "caf\xC3\xA9 \xE2\x82\xAC", TextEncoding::Utf8, u"caf\u00E9 \u20AC"},
      {"UTF-8 with mark", "\xEF\xBB\xBFx\xF0\x9F\x98\x80", TextEncoding::Utf8Bom, u"x\U0001F600"},
      {"UTF-16 LE", std::string("\xFF\xFEh\0\xAC\x20\n\0", 8), TextEncoding::Utf16Le, u"h\u20AC\r\n"},
      {"UTF-16 BE", std::string("\xFE\xFF\0h\x20\xAC", 6), TextEncoding::Utf16Be, u"h\u20AC"},
      {"UTF-16 LE without mark", std::string("h\0i\0\xE9\0\r\0\n\0\0\0\xAC\x20", 14), TextEncoding::Utf16LeNoBom,
       std::u16string(u"hi\u00E9\r\n\0\u20AC", 7)},
      {"UTF-16 BE without mark", std::string("\0h\0i\x20\xAC", 6), TextEncoding::Utf16BeNoBom, u"hi\u20AC"},
      {"a stray NUL stays a byte text", std::string("line\0two\r\n", 10), TextEncoding::Utf8,
       std::u16string(u"line\0two\r\n", 10)},
      {"NUL padding stays a byte text", std::string("ab\0\0\0\0\0\0", 8), TextEncoding::Utf8,
       std::u16string(u"ab\0\0\0\0\0\0", 8)},
      {"ANSI: not valid UTF-8", "caf\xE9\n", TextEncoding::Ansi, u"caf\u00E9\r\n"},
      {"ANSI: UTF-8 cut short", "ab\xE2\x82", TextEncoding::Ansi, u"ab\u00E2\u0082"},
      {"ANSI: overlong UTF-8", "\xC0\xAF", TextEncoding::Ansi, u"\u00C0\u00AF"},
      {"ANSI: UTF-8 surrogate", "\xED\xA0\x80", TextEncoding::Ansi, u"\u00ED\u00A0\u0080"},
      {"empty", "", TextEncoding::Utf8, u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(tools::DetectEncoding(c.bytes), c.encoding);
    EXPECT_EQ(tools::DecodeTextFile(c.bytes, Latin1Decode), c.text);
  }
}

TEST(TextFileRulesTest, DamageInsideMarkedFilesBecomesReplacementCharacters) {
  EXPECT_EQ(tools::DecodeTextFile("\xEF\xBB\xBF"
                                  "a\xFF"
                                  "b",
                                  Latin1Decode),
            u"a\uFFFDb");
  EXPECT_EQ(tools::DecodeTextFile(std::string("\xFF\xFEh\0i", 5), Latin1Decode), u"h\uFFFD");
}

TEST(TextFileRulesTest, WritesEveryLineWithCrLfInAnsiWhenItHoldsTheTextElseUtf8) {
  struct Case {
    const char* name;
    Utf16 text;
    std::string bytes;
  };
  const Case cases[] = {
      {"last line gets its line end", u"one\r\ntwo", "one\r\ntwo\r\n"},
      {"no empty line after a final break", u"one\r\n", "one\r\n"},
      {"lone LF and CR", u"a\nb\rc", "a\r\nb\r\nc\r\n"},
      {"empty text, empty file", u"", ""},
      {"ANSI when it holds every character", u"caf\u00E9", "caf\xE9\r\n"},
      {"UTF-8 without mark otherwise", u"\u20AC \u00E9", "\xE2\x82\xAC \xC3\xA9\r\n"},
      {"pairs as one character", u"\U0001F600", "\xF0\x9F\x98\x80\r\n"},
      {"an unpaired half as a replacement", u"\xD800x", "\xEF\xBF\xBDx\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = tools::EncodeTextFile(c.text, Latin1Encode);
    EXPECT_EQ(bytes, c.bytes);
    // What is written reads back as the same text, with CR LF line ends.
    if (!c.text.empty() && c.text[0] != 0xD800) {
      Utf16 back = tools::DecodeTextFile(bytes, Latin1Decode);
      EXPECT_EQ(back, tools::WithCrLfLineEnds(c.text) + (c.text.ends_with(u"\n") ? u"" : u"\r\n"));
    }
  }
}

}  // namespace
