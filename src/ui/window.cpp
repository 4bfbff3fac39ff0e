#include "ui/window.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>

#include "ui/control.h"
#include "ui/dpi.h"
#include "ui/handles.h"
#include "ui/message_box.h"

namespace ui {

namespace {

void RegisterClassOnce(const WindowParams& params, WNDPROC procedure) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{sizeof(existing)};
  if (GetClassInfoExW(instance, params.className, &existing)) return;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.style = params.classStyle;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = params.background;
  wc.lpszClassName = params.className;
  wc.hIcon = params.icon;
  RegisterClassExW(&wc);
}

// A window that outlives its object has already missed its WM_DESTROY:
// whatever it had to undo there (leaving the clipboard-viewer chain, say)
// stays done for good. Going on would only hide the fault.
[[noreturn]] void WindowOutlivedItsObject() {
  constexpr char kMessage[] =
      "A window was still alive when its object was destroyed; its owner must destroy it first.\n";
  OutputDebugStringA(kMessage);
  std::fputs(kMessage, stderr);
  std::abort();
}

}  // namespace

void WindowDeleter::operator()(Window* window) const noexcept {
  window->DestroyHandle();
  delete window;
}

Window::~Window() {
  if (!hwnd_) return;
  // No message may reach the object from here on: its derived parts are gone.
  HWND window = std::exchange(hwnd_, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  // A constructor that threw after creating the window leaves nobody to
  // destroy it; that is no fault of an owner.
  if (std::uncaught_exceptions() == 0) WindowOutlivedItsObject();
  DestroyWindow(window);
}

void Window::CreateFromParams(const WindowParams& params) {
  RegisterClassOnce(params, &Window::Thunk);
  const RECT place = DevicePlacement(params);
  HWND window = CreateWindowExW(params.exStyle, params.className, params.caption.c_str(), params.style, place.left,
                                place.top, place.right, place.bottom, params.parent,
                                reinterpret_cast<HMENU>(params.childId), GetModuleHandleW(nullptr), this);
  if (!window) throw UserError(L"Could not create a window of class " + std::wstring(params.className) + L".");
  KeepDesignPlacement(window, params);
}

namespace {
bool InDesignUnits(const WindowParams& params) { return (params.style & WS_CHILD) && params.designUnits; }
}  // namespace

// The RECT holds x, y, width and height, as CreateWindowEx takes them.
RECT DevicePlacement(const WindowParams& params) {
  const RECT given{params.x, params.y, params.width, params.height};
  return InDesignUnits(params) ? Dpi::Of(params.parent).Scale(given) : given;
}

void KeepDesignPlacement(HWND window, const WindowParams& params) {
  if (InDesignUnits(params)) KeepDesignBounds(window, params.x, params.y, params.width, params.height);
}

void Window::DestroyHandle() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void Window::SetBounds(int x, int y, int width, int height) {
  SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::SetCaption(const std::wstring& caption) {
  if (Caption() != caption) SetWindowTextW(hwnd_, caption.c_str());
}

std::wstring Window::Caption() const { return WindowText(hwnd_); }

bool Window::IsVisible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Window::Invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

// Painting never raises the error box: a box would be painted over and bring
// the next paint, and with it the next box. Whatever could not be drawn stays
// as the background left it, and the next paint tries again.
void Window::PaintQuietly(HDC dc) {
  RECT client{};
  GetClientRect(hwnd_, &client);
  try {
    PaintContent(dc, client);
  } catch (...) {
  }
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (paints_ && message == WM_PAINT) {
    PaintGuard paint(hwnd_);
    PaintQuietly(paint.dc());
    return 0;
  }
  if (paints_ && message == WM_PRINTCLIENT) {
    PaintQuietly(reinterpret_cast<HDC>(wParam));
    return 0;
  }
  if (paints_ && message == WM_ERASEBKGND) return 1;
  if (std::optional<LRESULT> answer = ReflectToChild(message, wParam, lParam)) return *answer;
  return HandleMessage(message, wParam, lParam);
}

std::optional<LRESULT> Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      // An owner-drawn menu item has no window of its own: it stays with
      // the window that owns the menu.
      if (item.CtlType == ODT_MENU) return std::nullopt;
      Control* control = Control::FromHandle(item.hwndItem);
      if (control && control->OnReflectedDrawItem(item)) return TRUE;
      return std::nullopt;
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU) return std::nullopt;
      Control* control = Control::FromHandle(GetDlgItem(hwnd_, static_cast<int>(item.CtlID)));
      if (control && control->OnReflectedMeasureItem(item)) return TRUE;
      return std::nullopt;
    }
    case WM_COMMAND: {
      // Menus and accelerators carry no control; they stay with the window.
      Control* control = lParam ? Control::FromHandle(reinterpret_cast<HWND>(lParam)) : nullptr;
      if (control && control->OnReflectedCommand(HIWORD(wParam))) return 0;
      return std::nullopt;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
      Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? control->OnReflectedCtlColor(message, reinterpret_cast<HDC>(wParam)) : nullptr;
      if (brush) return reinterpret_cast<LRESULT>(brush);
      return std::nullopt;
    }
    default: return std::nullopt;
  }
}

LRESULT CALLBACK Window::Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->Dispatch(message, wParam, lParam);
  } catch (...) {
    ShowErrorBox(window, CurrentExceptionText());
  }
  if (message == WM_NCDESTROY) {
    ForgetDesignBounds(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnHandleDestroyed();
  }
  return result;
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = length ? std::wstring(text, length) : L"Error " + std::to_wstring(error) + L".";
  if (text) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
    reason.pop_back();
  }
  return reason;
}

std::wstring RefusalText(const std::wstring& what, DWORD error) {
  return error == ERROR_SUCCESS ? what : what + L"\n\n" + SystemErrorText(error);
}

std::wstring CurrentExceptionText() {
  try {
    throw;
  } catch (const UserError& error) {
    return error.Text();
  } catch (const std::bad_alloc&) {
    // The library's own wording ("std::bad_alloc") tells the user nothing.
    return kNotEnoughMemory;
  } catch (const std::exception& error) {
    return Widen(error.what());
  } catch (...) {
    return L"An unexpected error occurred.";
  }
}

std::wstring Widen(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 0) return L"";
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length) - 1);
  return wide;
}

HWND RootOwner(HWND window) {
  // GA_ROOTOWNER follows owners of pop-ups only; a captioned form is owned
  // without being one, so the owners are walked by hand.
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  while (HWND owner = root ? GetWindow(root, GW_OWNER) : nullptr) root = owner;
  return root;
}

void ShowErrorBox(HWND source, const std::wstring& text) {
  ShowMessageBox(GetActiveWindow(), text, WindowText(RootOwner(source)), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

}  // namespace ui
