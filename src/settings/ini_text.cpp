#include "settings/ini_text.h"

#include <vector>

namespace settings {

namespace {

constexpr std::wstring_view kLineBreak = L"\r\n";

enum class LineKind { Other, Section, Key };

struct Line {
  std::size_t begin = 0;  // first character
  std::size_t end = 0;    // one past the last character before the line break
  std::size_t next = 0;   // first character of the next line
  LineKind kind = LineKind::Other;
  std::wstring_view name;   // section or key name, trimmed
  std::wstring_view value;  // key value, trimmed
};

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

wchar_t FoldCase(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  }
  return true;
}

Line Classify(std::wstring_view text, std::size_t begin, std::size_t end, std::size_t next) {
  Line line{begin, end, next};
  const std::wstring_view content = Trim(text.substr(begin, end - begin));
  if (content.empty() || content.front() == L';') return line;
  if (content.front() == L'[') {
    // A header without its closing bracket is no header; the system reads
    // such a line as a key of the section above.
    const std::size_t close = content.find(L']');
    if (close != std::wstring_view::npos) {
      line.kind = LineKind::Section;
      line.name = Trim(content.substr(1, close - 1));
      return line;
    }
  }
  line.kind = LineKind::Key;
  const std::size_t equals = content.find(L'=');
  line.name = Trim(content.substr(0, equals));
  if (equals != std::wstring_view::npos) line.value = Trim(content.substr(equals + 1));
  return line;
}

std::vector<Line> SplitLines(std::wstring_view text) {
  std::vector<Line> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    const std::size_t feed = text.find(L'\n', begin);
    const std::size_t next = feed == std::wstring_view::npos ? text.size() : feed + 1;
    std::size_t end = feed == std::wstring_view::npos ? text.size() : feed;
    if (end > begin && text[end - 1] == L'\r') --end;
    lines.push_back(Classify(text, begin, end, next));
    begin = next;
  }
  return lines;
}

// Index of the first header of `section`, or lines.size().
std::size_t FindSection(const std::vector<Line>& lines, std::wstring_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind == LineKind::Section && SameName(lines[i].name, section)) return i;
  }
  return lines.size();
}

// One past the last line of the section whose header is at `header`.
std::size_t SectionEnd(const std::vector<Line>& lines, std::size_t header) {
  std::size_t i = header + 1;
  while (i < lines.size() && lines[i].kind != LineKind::Section) ++i;
  return i;
}

std::wstring_view ValueAsRead(std::wstring_view value) {
  // The system hands values over as zero-terminated strings.
  value = Trim(value.substr(0, value.find(L'\0')));
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value.substr(0, kMaxValueLength);
}

}  // namespace

std::wstring IniText::ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) {
  const std::vector<Line> lines = SplitLines(text_);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) return std::wstring(fallback);
  const std::size_t end = SectionEnd(lines, header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines[i].kind == LineKind::Key && SameName(lines[i].name, key)) return std::wstring(ValueAsRead(lines[i].value));
  }
  return std::wstring(fallback);
}

bool IniText::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  if (writesLeft_) {
    if (*writesLeft_ == 0) return false;
    --*writesLeft_;
  }
  std::wstring entry = std::wstring(key) + L"=" + std::wstring(value);
  const std::vector<Line> lines = SplitLines(text_);
  const std::size_t header = FindSection(lines, section);
  if (header == lines.size()) {
    if (!text_.empty() && text_.back() != L'\n') text_ += kLineBreak;
    text_ += L"[" + std::wstring(section) + L"]" + std::wstring(kLineBreak) + entry + std::wstring(kLineBreak);
    return true;
  }
  const std::size_t end = SectionEnd(lines, header);
  std::size_t lastKey = header;
  for (std::size_t i = header + 1; i < end; ++i) {
    if (lines[i].kind != LineKind::Key) continue;
    if (SameName(lines[i].name, key)) {
      text_.replace(lines[i].begin, lines[i].end - lines[i].begin, entry);
      return true;
    }
    lastKey = i;
  }
  const Line& after = lines[lastKey];
  entry += kLineBreak;
  if (after.next == after.end) entry.insert(0, kLineBreak);  // the last line has no line break yet
  text_.insert(after.next, entry);
  return true;
}

}  // namespace settings
