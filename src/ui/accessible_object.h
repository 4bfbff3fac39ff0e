// What screen readers learn about a window we draw ourselves. The system
// describes a standard control from its class and text; a window of ours,
// or a control whose text is not what it stands for, answers WM_GETOBJECT
// with an AccessibleObject instead. The window supplies only the answers it
// knows better (name, role, state, value, its parts); everything else, such
// as the parent, navigation and the window's own place, comes from the
// system's object for the window, to which the object hands it on.
//
// The parts of a window (the cells of a grid) are children without windows
// of their own: child ids 1..count, where 0 (CHILDID_SELF) is the window.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <optional>
#include <string>

namespace ui {

struct AccessibleAnswers {
  // Each answer is for child id `child`; nothing means "ask the system".
  std::function<std::optional<std::wstring>(long child)> name;
  std::function<std::optional<long>(long child)> role;
  std::function<std::optional<long>(long child)> state;
  std::function<std::optional<std::wstring>(long child)> value;
  std::function<std::optional<std::wstring>(long child)> defaultAction;
  // Does the default action; false when the child has none.
  std::function<bool(long child)> doDefaultAction;
  // Selects or focuses a part as accSelect's SELFLAG_* flags ask; false
  // when it cannot be done.
  std::function<bool(long child, long flags)> select;
  // The parts: how many, where each lies in client pixels, which one is at
  // a client point (0: none), which has the focus and which is selected
  // (0: none).
  std::function<long()> childCount;
  std::function<RECT(long child)> childBounds;
  std::function<long(POINT client)> childAt;
  std::function<long()> focusedChild;
  std::function<long()> selectedChild;
};

class AccessibleObject;

// Held by the window: gives its object to whoever asks through WM_GETOBJECT,
// and cuts the object off from the window when the window goes, since a
// screen reader may hold on to the object for longer.
class AccessibleServer {
 public:
  AccessibleServer() = default;
  ~AccessibleServer() { Disconnect(); }
  AccessibleServer(const AccessibleServer&) = delete;
  AccessibleServer& operator=(const AccessibleServer&) = delete;

  void SetAnswers(AccessibleAnswers answers);
  // The reply to WM_GETOBJECT: our object for OBJID_CLIENT; nothing for
  // any other object id, which the system's default handling answers.
  std::optional<LRESULT> OnGetObject(HWND window, WPARAM wParam, LPARAM lParam);
  // From now on the object answers every question with "disconnected".
  void Disconnect();

 private:
  AccessibleAnswers answers_;
  AccessibleObject* object_ = nullptr;  // one reference is ours
};

// Names a standard control that has no label on screen (a lone edit field,
// a tree), so a screen reader does not read it out as nameless. All else
// about the control stays the system's. The control must not outlive it.
class AccessibleLabel {
 public:
  AccessibleLabel() = default;
  ~AccessibleLabel();
  AccessibleLabel(const AccessibleLabel&) = delete;
  AccessibleLabel& operator=(const AccessibleLabel&) = delete;

  void Attach(HWND control, std::wstring name);

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  void Detach();

  HWND control_ = nullptr;
  AccessibleServer server_;
};

// A caption as it is read out: the mnemonic ampersands go, "&&" stays "&".
std::wstring WithoutMnemonic(const std::wstring& caption);

}  // namespace ui
