#include "ui/clipboard.h"

#include "core/clipboard_formats.h"
#include "ui/handles.h"

namespace ui {

namespace {

constexpr wchar_t kPictureFormatName[] = L"Kestrel Picture";
constexpr wchar_t kComponentFormatName[] = L"Kestrel Component";
constexpr wchar_t kIconFormatName[] = L"Kestrel Icon";

constexpr wchar_t kViewerIgnoreFormat[] = L"Clipboard Viewer Ignore";
constexpr wchar_t kExcludeFromMonitoringFormat[] = L"ExcludeClipboardContentFromMonitorProcessing";
constexpr wchar_t kHistoryPermissionFormat[] = L"CanIncludeInClipboardHistory";

bool Offered(const wchar_t* name) { return IsClipboardFormatAvailable(RegisterClipboardFormatW(name)) != FALSE; }

bool HistoryForbidden() {
  const UINT format = RegisterClipboardFormatW(kHistoryPermissionFormat);
  if (!IsClipboardFormatAvailable(format)) return false;
  const GlobalLockGuard<const DWORD> value(GetClipboardData(format));
  return value && value.count() >= 1 && *value.get() == 0;
}

}  // namespace

UINT PictureFormat() { return RegisterClipboardFormatW(kPictureFormatName); }
UINT PngFormat() { return RegisterClipboardFormatW(core::kPngFormatName); }
UINT ComponentFormat() { return RegisterClipboardFormatW(kComponentFormatName); }
UINT IconFormat() { return RegisterClipboardFormatW(kIconFormatName); }

bool CarriesPrivacyMarker() {
  return Offered(kViewerIgnoreFormat) || Offered(kExcludeFromMonitoringFormat) || HistoryForbidden();
}

ClipboardSession::ClipboardSession(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
    if (attempt > 0) Sleep(kRetryDelayMs);
    open_ = OpenClipboard(owner) != FALSE;
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) CloseClipboard();
}

std::wstring ReadClipboardText() {
  const GlobalLockGuard<const wchar_t> text(GetClipboardData(CF_UNICODETEXT));
  if (!text) return {};
  size_t length = 0;
  while (length < text.count() && text.get()[length] != L'\0') ++length;
  return std::wstring(text.get(), length);
}

}  // namespace ui
