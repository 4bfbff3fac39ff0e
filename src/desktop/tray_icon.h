// TrayIcon: an icon in the notification area with a tip, a menu on the
// right mouse button and a double-click event. Each icon has a hidden window
// of its own that receives the notification area's callbacks, so two icons
// are independent although both use icon id 0.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "ui/dpi.h"
#include "ui/handles.h"
#include "ui/message_window.h"

namespace desktop {

class TrayIcon {
 public:
  // The message the notification area sends to the hidden window; its
  // lParam carries the mouse message.
  static constexpr UINT kCallbackMessage = 0xB03F;

  enum class MouseButton { Left, Right };
  // Shift and mouse-button keys held during a click; tray clicks report none.
  using ShiftState = unsigned;

  // Stand-in for Shell_NotifyIconA: the message and the record.
  using NotifyFunction = std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)>;
  using ClickEvent = std::function<void(TrayIcon& sender, MouseButton button, ShiftState shift, int x, int y)>;
  using NotifyEvent = std::function<void(TrayIcon& sender)>;
  // The scale the notification area is drawn at.
  using ScaleFunction = std::function<ui::Dpi()>;

  // An empty notify function means the real Shell_NotifyIconA; an empty
  // scale function, the scale of the primary screen, where the
  // notification area is.
  explicit TrayIcon(NotifyFunction notify = {}, ScaleFunction scale = {});
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // The hidden window.
  HWND Handle() const;

  // The wish: whether the icon should be in the notification area.
  bool Active() const { return active_; }
  void SetActive(bool active);
  // The fact: whether the last add succeeded and nothing removed it since.
  bool Added() const { return added_; }

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);

  HICON Icon() const { return icon_.get(); }
  // Keeps a copy of the icon; the caller keeps its own.
  void SetIcon(HICON icon);
  // Shows an icon resource of the program at the notification area's
  // small-icon size, and loads it again in another size when the screen's
  // scale changes.
  void SetIconResource(int resourceId);

  // The menu shown on a right click. It stays the caller's; its commands
  // reach `commandTarget` as WM_COMMAND.
  void SetPopupMenu(HMENU menu, HWND commandTarget);
  HMENU PopupMenu() const { return menu_; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }

  // Adds the icon if it is wanted, for instance once the owner window is made.
  void AddIfActive();

  ClickEvent OnClick;
  NotifyEvent OnDoubleClick;
  // Raised just before the menu is shown, so its owner can rebuild it.
  std::function<void()> OnPopup;

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCallback(LPARAM mouseMessage);
  void OnTaskbarCreated();
  void OnScaleMayHaveChanged();
  void LoadIconResource();
  LRESULT ForwardToCommandTarget(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void Add();
  void Remove();
  void Refresh();
  NOTIFYICONDATAA Record() const;
  bool HasPicture() const { return static_cast<bool>(icon_); }

  void Click(MouseButton button);
  bool CanShowMenu() const { return active_ && menu_ && autoPopup_; }
  void ShowMenu(POINT at);
  void DoubleClick();

  NotifyFunction notify_;
  ScaleFunction scale_;
  UINT taskbarCreated_ = 0;
  bool active_ = true;
  bool added_ = false;
  bool destroying_ = false;
  std::wstring hint_;
  ui::unique_hicon icon_;
  int iconResource_ = 0;  // the resource the icon was loaded from, if it was
  int iconSide_ = 0;      // and the size it was loaded at
  HMENU menu_ = nullptr;
  HWND commandTarget_ = nullptr;
  bool autoPopup_ = true;
  // Last, so the window goes first, while everything its messages use is
  // still there.
  ui::WindowPtr<ui::MessageWindow> window_;
};

}  // namespace desktop
