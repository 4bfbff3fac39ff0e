#include "desktop/clipboard.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "ui/handles.h"

namespace desktop {

namespace {

constexpr wchar_t kViewerIgnoreFormat[] = L"Clipboard Viewer Ignore";
constexpr wchar_t kExcludeFromMonitoringFormat[] = L"ExcludeClipboardContentFromMonitorProcessing";
constexpr wchar_t kHistoryPermissionFormat[] = L"CanIncludeInClipboardHistory";

bool Offered(const wchar_t* name) { return IsClipboardFormatAvailable(RegisterClipboardFormatW(name)) != FALSE; }

bool HistoryForbidden() {
  const UINT format = RegisterClipboardFormatW(kHistoryPermissionFormat);
  if (!IsClipboardFormatAvailable(format)) return false;
  const ui::GlobalLockGuard<const DWORD> value(GetClipboardData(format));
  return value && value.count() >= 1 && *value.get() == 0;
}

}  // namespace

bool CarriesPrivacyMarker() {
  return Offered(kViewerIgnoreFormat) || Offered(kExcludeFromMonitoringFormat) || HistoryForbidden();
}

bool CarriesQuickPasteMarker() { return Offered(kQuickPasteMarkerFormat); }

bool AddQuickPasteMarker() {
  // A small block of its own: a null handle would promise a rendering we
  // could not give later.
  ui::unique_hglobal marker(GlobalAlloc(GMEM_MOVEABLE, sizeof(DWORD)));
  if (!marker) return false;
  if (!SetClipboardData(RegisterClipboardFormatW(kQuickPasteMarkerFormat), marker.get())) return false;
  // The clipboard owns the block from here.
  marker.release();
  return true;
}

bool ClipboardOwnerAnswers() {
  HWND owner = GetClipboardOwner();
  if (!owner || GetWindowThreadProcessId(owner, nullptr) == GetCurrentThreadId()) return true;
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kOwnerAnswerTimeoutMs, &result) != 0;
}

ClipboardSession::ClipboardSession(HWND owner, int attempts) {
  // An owner that has stopped handling messages would hold us inside the
  // clipboard calls (rendering a delayed format, or being told that its
  // content goes) until it came back, and our windows would stop
  // answering. Such a clipboard counts as held: the caller tries later.
  if (!ClipboardOwnerAnswers()) return;
  for (int attempt = 0; attempt < attempts && !open_; ++attempt) {
    if (attempt > 0) Sleep(kRetryDelayMs);
    open_ = OpenClipboard(owner) != FALSE;
  }
}

ClipboardSession::~ClipboardSession() {
  if (open_) CloseClipboard();
}

namespace {

// The size a DIB block's header gives; the core header has 16-bit fields.
std::optional<SIZE> DibSize(HANDLE data) {
  constexpr SIZE_T kCoreHeaderSize = 12;
  const ui::GlobalLockGuard<const BYTE> block(data);
  if (!block || block.size() < kCoreHeaderSize) return std::nullopt;
  DWORD headerSize = 0;
  std::memcpy(&headerSize, block.get(), sizeof(headerSize));
  if (headerSize == kCoreHeaderSize) {
    WORD width = 0;
    WORD height = 0;
    std::memcpy(&width, block.get() + 4, sizeof(width));
    std::memcpy(&height, block.get() + 6, sizeof(height));
    return SIZE{width, height};
  }
  if (headerSize < sizeof(BITMAPINFOHEADER) || block.size() < sizeof(BITMAPINFOHEADER)) return std::nullopt;
  LONG width = 0;
  LONG height = 0;
  std::memcpy(&width, block.get() + 4, sizeof(width));
  std::memcpy(&height, block.get() + 8, sizeof(height));
  // Top-down DIBs give a negative height.
  return SIZE{width, height == LONG_MIN ? LONG_MAX : std::abs(height)};
}

}  // namespace

std::optional<SIZE> ClipboardBitmapSize() {
  // The first of them that the clipboard lists is the one its owner put
  // there; asking for another would make the system convert the pixels.
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    if (format == CF_BITMAP) {
      BITMAP info{};
      auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
      if (!bitmap || GetObjectW(bitmap, sizeof(info), &info) == 0) return std::nullopt;
      return SIZE{info.bmWidth, std::abs(info.bmHeight)};
    }
    if (format == CF_DIB || format == CF_DIBV5) return DibSize(GetClipboardData(format));
  }
  return std::nullopt;
}

std::wstring ReadClipboardText(size_t limit) {
  const ui::GlobalLockGuard<const wchar_t> text(GetClipboardData(CF_UNICODETEXT));
  if (!text) return {};
  const size_t end = std::min<size_t>(text.count(), limit);
  size_t length = 0;
  while (length < end && text.get()[length] != L'\0') ++length;
  return std::wstring(text.get(), length);
}

}  // namespace desktop
