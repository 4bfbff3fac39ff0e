// A multi-line Unicode edit control. Its length limit is lifted so a memo
// holds texts of any size, not only the default 32K characters.
#pragma once

#include "ui/control.h"

namespace ui {

struct MemoOptions {
  bool border = false;
  bool scrollBars = false;
  bool wordWrap = false;
  bool readOnly = false;
};

class Memo : public Control {
 public:
  void Create(HWND parent, int id, int x, int y, int width, int height, const MemoOptions& options);
  void Clear() { SetText(L""); }
  void SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }
};

}  // namespace ui
