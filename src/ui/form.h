// A top-level window of the program. Every form is owned by the application
// window, so none of them gets a taskbar button of its own. Closing a form
// only hides it, except for the application's main form, whose closing ends
// the program.
#pragma once

#include "ui/dpi.h"
#include "ui/font_source.h"
#include "ui/window.h"

namespace ui {

class Application;

struct FormParams {
  const wchar_t* className = nullptr;
  std::wstring caption;
  DWORD style = WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  // In 96 DPI units: the form is made this size at the scale of the monitor
  // it appears on.
  int clientWidth = 0;
  int clientHeight = 0;
  // Screen pixels, as the system reports positions.
  int x = CW_USEDEFAULT;  // CW_USEDEFAULT: centred on the screen
  int y = CW_USEDEFAULT;
  HICON icon = nullptr;
};

// Keeps a form's state across showings and runs, for example in a file.
// The form calls it at three moments: before it becomes visible, after a
// close request went through, and when its window is being destroyed. An
// error raised here is shown in the error box and the form carries on. A
// form that handles WM_DESTROY itself passes it to Form::HandleMessage
// before its own work, so the state is stored from the whole window.
class FormPersistence {
 public:
  virtual ~FormPersistence() = default;
  // Restores the state; returns the show command (SW_SHOWNORMAL,
  // SW_SHOWMINIMIZED, ...) the form is to appear with.
  virtual int Load() = 0;
  virtual void StoreOnClose() = 0;
  virtual void StoreOnDestroy() = 0;
};

// Modal results.
constexpr int kModalNone = 0;
constexpr int kModalOk = IDOK;
constexpr int kModalCancel = IDCANCEL;

class Form : public Window {
 public:
  explicit Form(Application& application) : application_(application) {}

  // Makes the form visible and brings it to the front.
  void Show();
  void Hide();
  // Shows the form and runs a nested message loop until it closes; the
  // program's other windows are disabled meanwhile.
  int ShowModal();
  void Close();
  bool IsModal() const { return modal_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // Attaches the form's persistence, or detaches it with null.
  void AttachPersistence(FormPersistence* persistence) { persistence_ = persistence; }
  // Esc, wherever the focus is inside the form. The windows a user only
  // looks at and puts away do so here and return true; the others leave the
  // key to their controls.
  virtual bool OnEscape() { return false; }
  // Ctrl+Tab (forward) and Ctrl+Shift+Tab, wherever the focus is inside the
  // form. A form with pages turns them and returns true.
  virtual bool OnPageKey(bool forward) { return false; }
  // The button Enter presses wherever the focus is, unless the focus is on a
  // control that takes Enter itself (a memo, another button).
  void SetDefaultButton(int id) { defaultButton_ = id; }
  // The form whose top-level window this is; null for any other window.
  static Form* FromHandle(HWND window);
  // The fonts the form's controls share.
  FontSource& Fonts() { return fonts_; }

 protected:
  void CreateForm(const FormParams& params);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // WM_CLOSE: whether the form may close now.
  virtual bool OnCloseQuery() { return true; }
  // WM_CLOSE, when allowed: hide, or end the program for the main form.
  virtual void OnClose();
  Application& App() const { return application_; }
  // After the form moved to a monitor of another scale: its children are at
  // their design places and have the dialog font for `dpi` again, and the
  // suggested rectangle is about to be taken. A form whose layout is
  // computed, or which made fonts of its own, does that again here.
  virtual void OnDpiChanged(Dpi dpi) {}

 private:
  void OnCloseRequest();
  void OnDestroy();
  void OnEndSession(bool ending);
  void OnDpiChangedMessage(int dpi, const RECT& suggested);
  // Runs a persistence step; an error it raises goes to the error box.
  template <typename Step>
  void RunReported(Step step);

  Application& application_;
  FontSource fonts_;
  // The DPI the form is laid out for.
  Dpi dpi_;
  FormPersistence* persistence_ = nullptr;
  bool modal_ = false;
  int modalResult_ = kModalNone;
  int defaultButton_ = 0;
};

}  // namespace ui
