// Clipboard access: opening it without waiting on a hung owner, reading
// its text, and the markers other programs put on content that must not be
// kept.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace desktop {

// True when the content on the (open) clipboard is marked as private:
// password managers put these markers on secrets so that history tools
// leave them alone.
bool CarriesPrivacyMarker();

// The format our own quick paste marks what it puts on the clipboard with,
// so that the capture knows the content came out of the history already.
inline constexpr wchar_t kQuickPasteMarkerFormat[] = L"Kestrel 99 Quick Paste Item";
// Whether the (open) clipboard carries that marker.
bool CarriesQuickPasteMarker();
// Adds the marker to the clipboard this program has opened and emptied;
// false when the system refused it.
bool AddQuickPasteMarker();

// How long the clipboard's owner is given to show that it still handles
// messages before the clipboard counts as held.
inline constexpr UINT kOwnerAnswerTimeoutMs = 250;

// Whether the clipboard's owner (another thread's window) still handles
// messages: it answers a WM_NULL within kOwnerAnswerTimeoutMs. True when
// there is no owner or the owner is on this thread.
bool ClipboardOwnerAnswers();

// Opens the clipboard for this scope, retrying briefly while another
// program holds it. Each retry sleeps on the calling thread; a window that
// must stay answering asks for one attempt and tries again later on a
// timer. The clipboard stays closed when its owner does not answer (see
// ClipboardOwnerAnswers).
class ClipboardSession {
 public:
  static constexpr int kOpenAttempts = 10;
  static constexpr int kOneAttempt = 1;
  static constexpr DWORD kRetryDelayMs = 10;

  explicit ClipboardSession(HWND owner, int attempts = kOpenAttempts);
  ~ClipboardSession();
  ClipboardSession(const ClipboardSession&) = delete;
  ClipboardSession& operator=(const ClipboardSession&) = delete;
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};

// The size of the bitmap or DIB the open clipboard lists first, read from
// the bitmap object or the DIB's header without touching its pixels; nothing
// when it lists neither, or the header is short.
std::optional<SIZE> ClipboardBitmapSize();

// The clipboard's text (Unicode, up to its first terminating zero, and at
// most `limit` characters of it) from the open clipboard; empty when there
// is none or it cannot be read.
std::wstring ReadClipboardText(size_t limit = std::wstring::npos);

}  // namespace desktop
