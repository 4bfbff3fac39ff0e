// The settings file as the settings rules see it: named values in named
// sections. The Windows build reads and writes the real INI file; the
// portable build keeps the INI text in memory, so the rules can be tested
// and fuzzed without a system underneath.
#pragma once

#include <string>
#include <string_view>

namespace settings {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The value stored under `key` in `section`, or `fallback` when there is
  // no such key.
  virtual std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) = 0;
  // Stores a value; false when the file could not be written.
  virtual bool WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) = 0;
};

}  // namespace settings
