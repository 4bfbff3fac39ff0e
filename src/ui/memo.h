// A multi-line Unicode edit control. Its length limit is lifted so a memo
// holds texts of any size, not only the default 32K characters. It keeps the
// system's colours unless it is given its own.
#pragma once

#include <optional>

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
  // Text and background as system colour indexes (COLOR_WINDOWTEXT, ...),
  // read and writable alike: a read-only memo would otherwise take the grey
  // of a field that cannot be typed into. They apply from the next paint.
  void SetSystemColours(int text, int background);

 protected:
  HBRUSH OnReflectedCtlColor(UINT message, HDC dc) override;

 private:
  struct Colours {
    int text;
    int background;
  };
  std::optional<Colours> colours_;
};

}  // namespace ui
