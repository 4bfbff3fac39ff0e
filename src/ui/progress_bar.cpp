#include "ui/progress_bar.h"

#include <commctrl.h>

namespace ui {

void ProgressBar::Create(HWND parent, int id, int x, int y, int width, int height, int minimum, int maximum) {
  CreateControl(WindowParams::Child(PROGRESS_CLASSW, parent, x, y, width, height, 0, id));
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(minimum), static_cast<LPARAM>(maximum));
}

void ProgressBar::SetPosition(int position) {
  if (Position() != position) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

int ProgressBar::Position() const { return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)); }

}  // namespace ui
