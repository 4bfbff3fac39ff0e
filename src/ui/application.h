// The application object: the hidden application window that owns every form
// and carries the program's taskbar button, the forms in their creation
// order, and the message loop.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/form.h"

namespace ui {

class ApplicationWindow : public Window {
 public:
  void Create(const std::wstring& title, HICON icon);

  // Told when the user's session ends for good.
  std::function<void()> onSessionEnd;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnEndSession(bool ending);
};

class Application {
 public:
  // `title` is the application window's caption: what the taskbar button
  // and the error box show.
  explicit Application(std::wstring title);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HWND Window() const { return window_->Handle(); }
  const std::wstring& Title() const { return title_; }

  // Creates a form; the first form created this way is the main form.
  template <typename T, typename... Args>
  T* CreateForm(Args&&... args) {
    WindowPtr<Form> form = MakeWindow<T>(*this, std::forward<Args>(args)...);
    T* raw = static_cast<T*>(form.get());
    forms_.push_back(std::move(form));
    if (!mainForm_) mainForm_ = raw;
    return raw;
  }
  Form* MainForm() const { return mainForm_; }

  // Whether Run shows the main form before it starts the loop.
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }

  // Runs the message loop until Terminate; then destroys the forms, the last
  // created first.
  int Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // The user's session ends (logoff or shutdown): the system ends the
  // process as soon as the message that says so has been handled, so the
  // end that Run would reach is reached now. Every form's window goes, each
  // storing what it keeps, while the form objects stay for Run to free.
  // From here on nothing may wait for an answer from the user.
  void EndSession();
  bool SessionEnding() const { return sessionEnding_; }

  // Runs the message loop until done() holds. Returns false when the quit
  // message arrived first (the caller passes it on).
  bool RunUntil(const std::function<bool()>& done);
  // Handles every message that is waiting, then returns.
  static void ProcessMessages();
  // Destroys every form's window, the last created first, and only then the
  // form objects: while its window goes, a form may still use the others.
  void DestroyForms();
  // Destroys every form's window, the last created first; the objects stay.
  void DestroyFormWindows();
  // Told just before a form's window is destroyed, so that whatever refers
  // to the form can let go of it first.
  std::function<void(Form&)> onFormDestroying;

 private:
  WindowPtr<ApplicationWindow> window_;  // first in, so it goes after the forms
  std::wstring title_;
  std::vector<WindowPtr<Form>> forms_;
  Form* mainForm_ = nullptr;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool sessionEnding_ = false;
};

// Translates and dispatches one message, letting the dialog manager handle
// keyboard navigation (Tab, mnemonics) inside our forms.
void DispatchOne(MSG& message);

}  // namespace ui
