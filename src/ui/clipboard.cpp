#include "ui/clipboard.h"

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
  HANDLE data = GetClipboardData(format);
  if (!data || GlobalSize(data) < sizeof(DWORD)) return false;
  const auto* value = static_cast<const DWORD*>(GlobalLock(data));
  if (!value) return false;
  const bool forbidden = *value == 0;
  GlobalUnlock(data);
  return forbidden;
}

}  // namespace

UINT PictureFormat() { return RegisterClipboardFormatW(kPictureFormatName); }
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
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const SIZE_T capacity = GlobalSize(data) / sizeof(wchar_t);
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return {};
  size_t length = 0;
  while (length < capacity && text[length] != L'\0') ++length;
  std::wstring copy(text, length);
  GlobalUnlock(data);
  return copy;
}

}  // namespace ui
