// The program's help, parsed from its source text: a line "# Title" opens a
// topic, the lines after it are its body. The first topic is the contents
// page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace about {

struct HelpTopic {
  std::wstring title;
  std::wstring body;  // lines joined with CR LF, as an edit control shows them

  friend bool operator==(const HelpTopic&, const HelpTopic&) = default;
};

// The help text is ASCII; other bytes are taken as Latin-1. Text before the
// first title is dropped.
std::vector<HelpTopic> ParseHelp(std::string_view source);

}  // namespace about
