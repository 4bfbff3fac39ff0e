#include "desktop/run_at_logon.h"

#include <utility>

#include "ui/handles.h"
#include "ui/window.h"

namespace desktop {

namespace {

constexpr wchar_t kQuote = L'"';
constexpr DWORD kLongestPath = 32768;
constexpr wchar_t kNotWritten[] = L"Kestrel 99 could not be set to start with Windows.";
constexpr wchar_t kNotRemoved[] = L"Kestrel 99 could not be kept from starting with Windows.";

std::wstring ModuleFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    // A path that filled the buffer may have been cut short.
    if (length < path.size() || path.size() >= kLongestPath) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring WithoutQuotes(std::wstring text) {
  if (text.size() >= 2 && text.front() == kQuote && text.back() == kQuote) return text.substr(1, text.size() - 2);
  return text;
}

// File names are compared as the file system does, without regard to case.
bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

}  // namespace

RunAtLogon::RunAtLogon(std::wstring keyPath) : keyPath_(std::move(keyPath)) {}

std::wstring RunAtLogon::ThisProgramCommand() { return kQuote + ModuleFileName() + kQuote; }

std::optional<std::wstring> RunAtLogon::StoredCommand() const {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath_.c_str(), kRunValueName, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, keyPath_.c_str(), kRunValueName, RRF_RT_REG_SZ, nullptr, value.data(),
                   &bytes) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(bytes / sizeof(wchar_t));
  while (!value.empty() && value.back() == L'\0') value.pop_back();
  return value;
}

void RunAtLogon::KeepInStep(bool on) const {
  const std::optional<std::wstring> stored = StoredCommand();
  const std::wstring command = ThisProgramCommand();
  if (on) {
    if (stored != command) Write(command);
  } else if (stored && SamePath(WithoutQuotes(*stored), WithoutQuotes(command))) {
    Remove();
  }
}

void RunAtLogon::Write(const std::wstring& command) const {
  HKEY opened = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (status != ERROR_SUCCESS) throw ui::UserError(ui::RefusalText(kNotWritten, static_cast<DWORD>(status)));
  const ui::unique_hkey key(opened);
  const DWORD bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
  status = RegSetValueExW(key.get(), kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()), bytes);
  if (status != ERROR_SUCCESS) throw ui::UserError(ui::RefusalText(kNotWritten, static_cast<DWORD>(status)));
}

void RunAtLogon::Remove() const {
  const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, keyPath_.c_str(), kRunValueName);
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
    throw ui::UserError(ui::RefusalText(kNotRemoved, static_cast<DWORD>(status)));
}

}  // namespace desktop
