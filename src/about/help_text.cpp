#include "about/help_text.h"

namespace about {

namespace {

constexpr std::string_view kTitleMark = "# ";

std::wstring Widen(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

void TrimTrailingBlankLines(std::wstring& body) {
  while (body.size() >= 2 && body.compare(body.size() - 2, 2, L"\r\n") == 0) body.resize(body.size() - 2);
}

}  // namespace

std::vector<HelpTopic> ParseHelp(std::string_view source) {
  std::vector<HelpTopic> topics;
  while (!source.empty()) {
    const std::size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    source = end == std::string_view::npos ? std::string_view{} : source.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.starts_with(kTitleMark)) {
      if (!topics.empty()) TrimTrailingBlankLines(topics.back().body);
      topics.push_back({Widen(line.substr(kTitleMark.size())), L""});
    } else if (!topics.empty()) {
      topics.back().body += Widen(line) + L"\r\n";
    }
  }
  if (!topics.empty()) TrimTrailingBlankLines(topics.back().body);
  return topics;
}

}  // namespace about
