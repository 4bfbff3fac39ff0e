#include "desktop/tray_icon.h"

#include <utility>

#include "desktop/tray_tip.h"
#include "ui/scaled_images.h"
#include "core/window_classes.h"

namespace desktop {

namespace {

constexpr UINT kIconId = 0;
constexpr UINT kRecordFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
// The shell sends this to every top-level window when the notification area
// has been (re)created, after Explorer restarts for instance.
constexpr wchar_t kTaskbarCreatedMessage[] = L"TaskbarCreated";

// The record goes out in its first, smallest form, which every shell
// accepts, and in its ANSI flavour: that form is 88 bytes in the 32-bit
// program, and the tip is plain text of at most 63 characters anyway. This is
// why this file calls Shell_NotifyIconA rather than its W twin.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr size_t kTipBytes = kMaxTipChars + 1;
#if !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form of the record is 88 bytes");
#endif
static_assert(kTipBytes <= sizeof(NOTIFYICONDATAA::szTip), "the tip fits the record");

// The tip in the ANSI code page. In a multi-byte code page 63 characters may
// need more than the 63 bytes the first form of the record holds, so the tip
// is shortened by whole characters until it fits.
void CopyTip(const std::wstring& tip, char* out) {
  int count = static_cast<int>(tip.size());
  while (count > 0) {
    const int bytes = WideCharToMultiByte(CP_ACP, 0, tip.data(), count, nullptr, 0, nullptr, nullptr);
    if (bytes > 0 && static_cast<size_t>(bytes) < kTipBytes) {
      WideCharToMultiByte(CP_ACP, 0, tip.data(), count, out, bytes, nullptr, nullptr);
      out[bytes] = '\0';
      return;
    }
    --count;
    if (count > 0 && IS_HIGH_SURROGATE(tip[static_cast<size_t>(count) - 1])) --count;
  }
  out[0] = '\0';
}

// Puts the foreground back on the hidden window when the menu is over, also
// when showing it failed with an exception.
class ForegroundAgain {
 public:
  explicit ForegroundAgain(HWND window) : window_(window) {}
  ~ForegroundAgain() { SetForegroundWindow(window_); }
  ForegroundAgain(const ForegroundAgain&) = delete;
  ForegroundAgain& operator=(const ForegroundAgain&) = delete;

 private:
  HWND window_;
};

}  // namespace

TrayIcon::TrayIcon(NotifyFunction notify, ScaleFunction scale) : notify_(std::move(notify)), scale_(std::move(scale)) {
  if (!notify_) notify_ = [](DWORD message, NOTIFYICONDATAA* data) { return Shell_NotifyIconA(message, data); };
  if (!scale_) scale_ = [] { return ui::Dpi::OfMonitor(MonitorFromPoint(POINT{}, MONITOR_DEFAULTTOPRIMARY)); };
  taskbarCreated_ = RegisterWindowMessageW(kTaskbarCreatedMessage);
  // Every message of the icon's hidden window is the icon's to handle.
  window_ = ui::MakeWindow<ui::MessageWindow>(core::kTrayIconClass,
                                              [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
                                                return HandleMessage(window, message, wParam, lParam);
                                              });
}

TrayIcon::~TrayIcon() {
  destroying_ = true;
  Remove();
}

HWND TrayIcon::Handle() const { return window_ ? window_->Handle() : nullptr; }

void TrayIcon::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active_)
    Add();
  else
    Remove();
}

void TrayIcon::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Refresh();
}

void TrayIcon::SetIcon(HICON icon) {
  iconResource_ = 0;
  icon_.reset(icon ? CopyIcon(icon) : nullptr);
  Refresh();
}

void TrayIcon::SetIconResource(int resourceId) {
  iconResource_ = resourceId;
  LoadIconResource();
  Refresh();
}

void TrayIcon::LoadIconResource() {
  const ui::Dpi dpi = scale_();
  iconSide_ = dpi.Metric(SM_CXSMICON);
  icon_ = ui::LoadSmallIcon(iconResource_, dpi);
}

void TrayIcon::SetPopupMenu(HMENU menu, HWND commandTarget) {
  menu_ = menu;
  commandTarget_ = commandTarget;
}

void TrayIcon::AddIfActive() {
  if (active_) Add();
}

NOTIFYICONDATAA TrayIcon::Record() const {
  NOTIFYICONDATAA data{};
  data.cbSize = kRecordSize;
  data.hWnd = Handle();
  data.uID = kIconId;
  data.uFlags = kRecordFlags;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_.get();
  CopyTip(ShortTip(hint_), data.szTip);
  return data;
}

void TrayIcon::Add() {
  Remove();  // never twice
  if (!HasPicture()) return;
  NOTIFYICONDATAA data = Record();
  added_ = notify_(NIM_ADD, &data) != FALSE;
}

void TrayIcon::Remove() {
  NOTIFYICONDATAA data = Record();
  notify_(NIM_DELETE, &data);
  added_ = false;
}

void TrayIcon::Refresh() {
  if (added_) {
    if (!HasPicture()) {
      Remove();
      return;
    }
    NOTIFYICONDATAA data = Record();
    notify_(NIM_MODIFY, &data);
  } else if (active_) {
    Add();
  }
}

LRESULT TrayIcon::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    OnTaskbarCreated();
    return 0;
  }
  switch (message) {
    case kCallbackMessage: OnCallback(lParam); return 0;
    case WM_DPICHANGED: OnScaleMayHaveChanged(); break;
    case WM_SETTINGCHANGE: OnScaleMayHaveChanged(); break;
    case WM_DISPLAYCHANGE: OnScaleMayHaveChanged(); break;
    case WM_COMMAND: return ForwardToCommandTarget(window, message, wParam, lParam);
    case WM_MEASUREITEM: return ForwardToCommandTarget(window, message, wParam, lParam);
    case WM_DRAWITEM: return ForwardToCommandTarget(window, message, wParam, lParam);
    default: break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void TrayIcon::OnCallback(LPARAM mouseMessage) {
  if (destroying_) return;
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONUP: Click(MouseButton::Left); break;
    case WM_LBUTTONDBLCLK: DoubleClick(); break;
    case WM_RBUTTONUP: Click(MouseButton::Right); break;
    default: break;
  }
}

// The shell has forgotten every icon: put ours back if it is wanted, even
// though the flag still says it is there, or the program could no longer be
// reached at all.
void TrayIcon::OnTaskbarCreated() {
  if (destroying_) return;
  // A new shell may come with another scale, after the user changed it.
  if (iconResource_) LoadIconResource();
  if (active_) Add();
}

// The notification area shows icons at the small-icon size of its screen's
// scale. Windows tells every top-level window when the scale of its screen
// or the system's settings change; an icon of the wrong size would be
// stretched by the shell.
void TrayIcon::OnScaleMayHaveChanged() {
  if (!iconResource_ || destroying_ || scale_().Metric(SM_CXSMICON) == iconSide_) return;
  LoadIconResource();
  Refresh();
}

// The menu is tracked by the hidden window, so that it closes when the user
// clicks elsewhere; its commands (and owner-drawn items) belong to the
// window that owns the menu.
LRESULT TrayIcon::ForwardToCommandTarget(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!commandTarget_) return DefWindowProcW(window, message, wParam, lParam);
  return SendMessageW(commandTarget_, message, wParam, lParam);
}

void TrayIcon::Click(MouseButton button) {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (button == MouseButton::Right && CanShowMenu()) {
    ShowMenu(cursor);
    return;
  }
  if (OnClick) OnClick(*this, button, ShiftState{}, cursor.x, cursor.y);
}

void TrayIcon::ShowMenu(POINT at) {
  // A control in the middle of a mouse operation (a drag, a pressed button)
  // is told to give it up before the menu takes the mouse.
  if (HWND focus = GetFocus()) SendMessageW(focus, WM_CANCELMODE, 0, 0);
  SetForegroundWindow(Handle());
  ForegroundAgain again(Handle());
  if (OnPopup) OnPopup();
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
}

void TrayIcon::DoubleClick() {
  const int count = menu_ ? GetMenuItemCount(menu_) : 0;
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW item{sizeof(item)};
    item.fMask = MIIM_STATE | MIIM_ID;
    if (!GetMenuItemInfoW(menu_, static_cast<UINT>(position), TRUE, &item) || !(item.fState & MFS_DEFAULT)) continue;
    // A disabled item cannot be clicked; it still is the default, so the
    // double click does nothing else.
    if (!(item.fState & MFS_DISABLED) && commandTarget_)
      SendMessageW(commandTarget_, WM_COMMAND, MAKEWPARAM(item.wID, 0), 0);
    return;
  }
  if (OnDoubleClick) OnDoubleClick(*this);
}

}  // namespace desktop
