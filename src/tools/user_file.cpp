#include "tools/user_file.h"

#include <limits>

#include "ui/handles.h"
#include "ui/window.h"

namespace tools {

namespace {

constexpr wchar_t kTemporaryPrefix[] = L"k99";
// WriteFile takes at most a DWORD at a time.
constexpr size_t kWriteChunk = 1u << 24;

[[noreturn]] void Fail(const wchar_t* what, const std::wstring& path, DWORD error) {
  throw ui::UserError(std::wstring(what) + L" \"" + path + L"\".\n\n" + ui::SystemErrorText(error));
}

std::wstring FolderOf(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  wchar_t* namePart = nullptr;
  DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), &namePart);
  if (length >= full.size()) {
    full.resize(length + 1);
    length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), &namePart);
  }
  if (length == 0 || !namePart) return L".";
  return full.substr(0, static_cast<size_t>(namePart - full.data()));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kWriteChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written != chunk) return false;
    bytes.remove_prefix(chunk);
  }
  return FlushFileBuffers(file) != FALSE;
}

}  // namespace

std::string ReadUserFile(const std::wstring& path) {
  constexpr wchar_t kCannotRead[] = L"Cannot read the file";
  ui::unique_hfile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) Fail(kCannotRead, path, GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) Fail(kCannotRead, path, GetLastError());
  if (static_cast<unsigned long long>(size.QuadPart) > std::numeric_limits<DWORD>::max() / 2) {
    Fail(kCannotRead, path, ERROR_NOT_ENOUGH_MEMORY);
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
    Fail(kCannotRead, path, GetLastError());
  }
  bytes.resize(read);
  return bytes;
}

void WriteUserFile(const std::wstring& path, std::string_view bytes) {
  constexpr wchar_t kCannotWrite[] = L"Cannot write the file";
  // A folder is never a file to write, and a read-only file is the user's
  // wish not to have it changed; the rename below would not stop at either
  // on every system.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
    Fail(kCannotWrite, path, ERROR_ACCESS_DENIED);
  }
  wchar_t temporary[MAX_PATH] = L"";
  if (!GetTempFileNameW(FolderOf(path).c_str(), kTemporaryPrefix, 0, temporary)) {
    Fail(kCannotWrite, path, GetLastError());
  }
  DWORD error = ERROR_SUCCESS;
  {
    ui::unique_hfile file(
        CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !WriteAll(file.get(), bytes)) error = GetLastError();
  }
  if (error == ERROR_SUCCESS && !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary);
    Fail(kCannotWrite, path, error);
  }
}

}  // namespace tools
