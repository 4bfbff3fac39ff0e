#include "ui/progress_bar.h"

#include <commctrl.h>

#include <utility>

namespace ui {

namespace {
constexpr UINT_PTR kSubclassId = 0x4B50;  // any value unique among our subclasses of a progress bar
}  // namespace

ProgressBar::~ProgressBar() {
  if (subclassed_) RemoveWindowSubclass(Handle(), &ProgressBar::SubclassProc, kSubclassId);
}

void ProgressBar::Create(HWND parent, int id, int x, int y, int width, int height, int minimum, int maximum) {
  CreateControl(WindowParams::Child(PROGRESS_CLASSW, parent, x, y, width, height, 0, id));
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
}

void ProgressBar::SetPosition(int position) {
  if (Position() != position) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int ProgressBar::Position() const { return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }

void ProgressBar::SetAccessibleText(std::wstring name, std::function<std::wstring(int position)> describe) {
  AccessibleAnswers answers;
  answers.name = [name = std::move(name)](long child) {
    return child == CHILDID_SELF ? std::optional<std::wstring>(name) : std::nullopt;
  };
  answers.value = [this, describe = std::move(describe)](long child) {
    return child == CHILDID_SELF ? std::optional<std::wstring>(describe(Position())) : std::nullopt;
  };
  answers.role = [](long) { return std::optional<long>(ROLE_SYSTEM_PROGRESSBAR); };
  accessible_.SetAnswers(std::move(answers));
  if (!subclassed_) {
    subclassed_ = SetWindowSubclass(Handle(), &ProgressBar::SubclassProc, kSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  }
}

LRESULT ProgressBar::OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETOBJECT:
      if (std::optional<LRESULT> reply = accessible_.OnGetObject(window, wParam, lParam)) return *reply;
      break;
    case WM_NCDESTROY:
      accessible_.Disconnect();
      RemoveWindowSubclass(window, &ProgressBar::SubclassProc, kSubclassId);
      subclassed_ = false;
      break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ProgressBar::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  return reinterpret_cast<ProgressBar*>(self)->OnSubclassMessage(window, message, wParam, lParam);
}

}  // namespace ui
