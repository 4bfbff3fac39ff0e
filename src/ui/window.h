// Base of every window class of the program: registers its window class on
// first use and routes messages through one thunk to HandleMessage. What a
// child control asks its parent about its own looks (WM_DRAWITEM,
// WM_MEASUREITEM, WM_CTLCOLOR*) goes back to the control's object instead
// (see ui::Control); only what no control answers reaches HandleMessage.
//
// A window is destroyed by whoever owns its object, while the object is
// still whole, so that its own handlers see WM_DESTROY: the application
// destroys its forms, a form's window takes its child windows with it, and
// every other window lives in a WindowPtr. By the time the base destructor
// runs the window must be gone already; finding it alive there means the
// derived handlers have been skipped, and the program stops.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace ui {

struct WindowParams {
  const wchar_t* className = nullptr;
  std::wstring caption;
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  HWND parent = nullptr;  // parent of a child, owner of a top-level window
  UINT_PTR childId = 0;
  UINT classStyle = CS_DBLCLKS;
  HBRUSH background = nullptr;  // null: the window paints its whole client area
  HICON icon = nullptr;
  // A child's x, y, width and height are 96 DPI layout numbers, which the
  // window is scaled from for its parent's DPI (and again when the form
  // moves to a monitor of another scale). False for lengths measured at run
  // time, which are device pixels already.
  bool designUnits = true;

  // A hidden top-level window that only receives messages (timers, shell
  // callbacks). Not message-only: those miss broadcasts such as
  // TaskbarCreated.
  static WindowParams Hidden(const wchar_t* className) {
    WindowParams params;
    params.className = className;
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    return params;
  }

  // A visible child window of the class at the given place.
  static WindowParams Child(const wchar_t* className, HWND parent, int x, int y, int width, int height,
                            DWORD extraStyle = 0, int childId = 0) {
    WindowParams params;
    params.className = className;
    params.style = WS_CHILD | WS_VISIBLE | extraStyle;
    params.parent = parent;
    params.childId = static_cast<UINT_PTR>(childId);
    params.x = x;
    params.y = y;
    params.width = width;
    params.height = height;
    return params;
  }
};

// Where a window of the parameters goes, in device pixels: a child's design
// units scaled for its parent's DPI, anything else as given.
RECT DevicePlacement(const WindowParams& params);
// Once the window exists: a child placed in design units keeps them.
void KeepDesignPlacement(HWND window, const WindowParams& params);

class Window;

// Deletes a window object after destroying its window.
struct WindowDeleter {
  void operator()(Window* window) const noexcept;
};

// Owns a window object and destroys the window before the object. The
// application holds its forms this way, and so does every holder of a window
// that no form's window takes along: a hidden helper window, a child that
// may go before its parent, a window a test makes.
template <typename T>
using WindowPtr = std::unique_ptr<T, WindowDeleter>;

template <typename T, typename... Args>
WindowPtr<T> MakeWindow(Args&&... args) {
  return WindowPtr<T>(new T(std::forward<Args>(args)...));
}

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }
  bool HasHandle() const { return hwnd_ != nullptr; }

  void SetBounds(int x, int y, int width, int height);
  void SetCaption(const std::wstring& caption);
  std::wstring Caption() const;
  bool IsVisible() const;
  void Invalidate();

 protected:
  // Creates the window; the window class is registered on first use.
  void CreateFromParams(const WindowParams& params);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  // The one paint path: WM_PAINT and WM_PRINTCLIENT both end here.
  virtual void PaintContent(HDC dc, const RECT& clientRect) {}
  bool HandlesPaint() const { return paints_; }
  void EnablePainting() { paints_ = true; }

  // Called while WM_NCDESTROY is handled, after the handle is forgotten.
  virtual void OnHandleDestroyed() {}

 private:
  // Only owners destroy a window: see the top of this file.
  friend struct WindowDeleter;
  friend class Application;
  void DestroyHandle();

  static LRESULT CALLBACK Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintQuietly(HDC dc);
  // The answer of the child control a WM_DRAWITEM, WM_MEASUREITEM or
  // WM_CTLCOLOR* is about; nothing when no control of ours answers it.
  std::optional<LRESULT> ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
  bool paints_ = false;
};

// The top-level window at the end of the owner chain above `window`: for
// every form, the application window.
HWND RootOwner(HWND window);

// Shows an error the way every command failure is shown: a stop box captioned
// with the application title, which the application window above `source`
// carries as its caption.
void ShowErrorBox(HWND source, const std::wstring& text);

// Raised by commands to end with a message to the user.
class UserError {
 public:
  explicit UserError(std::wstring text) : text_(std::move(text)) {}
  const std::wstring& Text() const { return text_; }

 private:
  std::wstring text_;
};

// What the user is told when an action ran out of memory.
inline constexpr wchar_t kNotEnoughMemory[] = L"There is not enough memory to complete this action.";

// The text that tells the user of the exception being handled: a
// UserError's own text, kNotEnoughMemory for std::bad_alloc, an exception's
// message, or a general one. Call it only inside a catch block.
std::wstring CurrentExceptionText();

// The system's own words for an error code (GetLastError's), without the
// line break it ends them with.
std::wstring SystemErrorText(DWORD error);
// What could not be done, then the system's reason when it gave one (an
// error code other than ERROR_SUCCESS).
std::wstring RefusalText(const std::wstring& what, DWORD error);

std::wstring WindowText(HWND window);
std::wstring Widen(const char* text);

}  // namespace ui
