#include "ui/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace ui {

namespace {
// Room for a long path; the dialog fails rather than truncates when the
// buffer is too small.
constexpr size_t kPathCapacity = 32768;
}  // namespace

std::optional<std::wstring> RunFileDialog(HWND owner, const FileDialogRequest& request) {
  // The filter is pairs of zero-terminated strings, ended by an empty one.
  std::wstring filter = request.filterName;
  filter.push_back(L'\0');
  filter += request.pattern;
  filter.push_back(L'\0');
  filter.push_back(L'\0');

  std::vector<wchar_t> path(kPathCapacity, L'\0');
  request.initialName.copy(path.data(), std::min(request.initialName.size(), kPathCapacity - 1));

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  const BOOL chosen =
      request.kind == FileDialogRequest::Kind::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  return std::wstring(path.data());
}

}  // namespace ui
