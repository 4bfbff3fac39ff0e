// The window the user was working in when the quick paste opened: where
// its caret is, whether it can still be pasted into, and the paste itself.
#pragma once

#include <windows.h>

#include <optional>

namespace quickpaste {

// What became of a paste into the target.
enum class PasteOutcome {
  Sent,      // the target has the focus back and was sent Ctrl+V
  Gone,      // the target window went away meanwhile: nothing was sent
  Elevated,  // the target runs above our integrity level, where our keys do not reach
  Unreachable,  // the target would not take the focus back: nothing was sent
  NoTarget,     // there was no window of another program to go back to
};

class PasteTarget {
 public:
  PasteTarget() = default;
  // The window in front now, with its focus and caret (asked of its GUI
  // thread, so it works for another program's window).
  static PasteTarget Foreground();

  HWND Window() const { return window_; }
  // The caret in screen coordinates; nothing when the window shows none.
  std::optional<RECT> CaretOnScreen() const { return caret_; }
  // Gives the target its activation and its focused control back; false
  // when it can take neither.
  bool GiveFocusBack() const;
  // Whether the clipboard's content can be pasted with keys from us, and
  // if so does so: the focus goes back, then Ctrl+V.
  PasteOutcome Paste() const;

 private:
  bool IsUsable() const;
  HWND window_ = nullptr;
  HWND focus_ = nullptr;
  std::optional<RECT> caret_;
};

// Whether the process of `window` runs at a higher integrity level than
// ours (an elevated program). A process we cannot look into counts as
// higher: our keys would not reach it either.
bool RunsAboveUs(HWND window);

}  // namespace quickpaste
