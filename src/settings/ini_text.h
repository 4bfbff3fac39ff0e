// IniText: an INI file held as text in memory, read and written the way the
// system's private-profile functions treat the file on disk: the first of
// duplicate sections or keys wins, names compare without letter case, a
// value is read without surrounding blanks and at most kMaxValueLength
// characters long, and a line that is neither a whole section header nor a
// comment is a key line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "settings/profile_store.h"

namespace settings {

// The system reads a value into a 1024-character buffer that keeps its
// terminating zero.
inline constexpr std::size_t kMaxValueLength = 1023;

class IniText : public ProfileStore {
 public:
  explicit IniText(std::wstring text = {}) : text_(std::move(text)) {}

  const std::wstring& Text() const { return text_; }

  // Makes every write after the next `count` ones fail, as a file that turns
  // read-only would.
  void FailWritesAfter(std::size_t count) { writesLeft_ = count; }

  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) override;
  bool WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

 private:
  std::wstring text_;
  std::optional<std::size_t> writesLeft_;
};

}  // namespace settings
