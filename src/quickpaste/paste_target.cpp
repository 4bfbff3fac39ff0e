#include "quickpaste/paste_target.h"

#include <array>
#include <vector>

#include "ui/handles.h"

namespace quickpaste {

namespace {

constexpr WORD kPasteKey = 'V';

// The integrity level (the last part of the mandatory label's SID) of a
// process; nothing when its token cannot be read.
std::optional<DWORD> IntegrityLevel(HANDLE process) {
  HANDLE rawToken = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &rawToken)) return std::nullopt;
  const ui::unique_handle token(rawToken);
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;
  std::vector<BYTE> buffer(size);
  if (!GetTokenInformation(token.get(), TokenIntegrityLevel, buffer.data(), size, &size)) return std::nullopt;
  PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  const UCHAR parts = *GetSidSubAuthorityCount(sid);
  if (parts == 0) return std::nullopt;
  return *GetSidSubAuthority(sid, parts - 1U);
}

INPUT Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Runs `step` with our input state joined to the target's thread, which is
// what lets us set the focus to a control of another program.
template <typename Step>
void WithJoinedInput(DWORD targetThread, Step step) {
  const DWORD ours = GetCurrentThreadId();
  const bool joined = targetThread != ours && AttachThreadInput(ours, targetThread, TRUE);
  step();
  if (joined) AttachThreadInput(ours, targetThread, FALSE);
}

}  // namespace

PasteTarget PasteTarget::Foreground() {
  PasteTarget target;
  target.window_ = GetForegroundWindow();
  if (!target.window_) return target;
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(target.window_, nullptr), &info)) return target;
  target.focus_ = info.hwndFocus;
  if (info.hwndCaret) {
    RECT caret = info.rcCaret;
    // The caret rectangle is in the client coordinates of its window.
    MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
    target.caret_ = caret;
  }
  return target;
}

bool PasteTarget::IsUsable() const {
  // A window of ours is no target: the popup itself or a hidden form of
  // the program is what is in front when the popup opens from the tray.
  DWORD process = 0;
  GetWindowThreadProcessId(window_, &process);
  return window_ && process != GetCurrentProcessId();
}

bool PasteTarget::GiveFocusBack() const {
  if (!IsUsable() || !IsWindow(window_)) return false;
  WithJoinedInput(GetWindowThreadProcessId(window_, nullptr), [this] {
    SetForegroundWindow(window_);
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
  });
  return GetForegroundWindow() == window_;
}

PasteOutcome PasteTarget::Paste() const {
  if (!IsUsable()) return PasteOutcome::NoTarget;
  if (!IsWindow(window_)) return PasteOutcome::Gone;
  if (RunsAboveUs(window_)) {
    // Its focus is still given back, so the user can paste by hand.
    GiveFocusBack();
    return PasteOutcome::Elevated;
  }
  // Keys sent now would go to whichever window is in front instead.
  if (!GiveFocusBack()) return PasteOutcome::Unreachable;
  std::array<INPUT, 4> keys{Key(VK_CONTROL, false), Key(kPasteKey, false), Key(kPasteKey, true),
                            Key(VK_CONTROL, true)};
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  return PasteOutcome::Sent;
}

bool RunsAboveUs(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const ui::unique_handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return true;
  const std::optional<DWORD> ours = IntegrityLevel(GetCurrentProcess());
  // A system without integrity levels lets our keys reach every program.
  if (!ours) return false;
  const std::optional<DWORD> theirs = IntegrityLevel(process.get());
  return !theirs || *theirs > *ours;
}

}  // namespace quickpaste
