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
  // Sets the text and tells whether the memo now holds all of it. An edit
  // control short of memory keeps its old text or none, and says so only
  // by EN_ERRSPACE or a FALSE answer, never by throwing.
  bool TrySetText(const std::wstring& text);
  void SetReadOnly(bool readOnly) { SendMessageW(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0); }
  // Text and background as system colour indexes (COLOR_WINDOWTEXT, ...),
  // read and writable alike: a read-only memo would otherwise take the grey
  // of a field that cannot be typed into. They apply from the next paint.
  void SetSystemColours(int text, int background);

 protected:
  HBRUSH OnReflectedCtlColor(UINT message, HDC dc) override;
  bool OnReflectedCommand(int code) override;

 private:
  struct Colours {
    int text;
    int background;
  };
  std::optional<Colours> colours_;
  // EN_ERRSPACE came since TrySetText began.
  bool outOfSpace_ = false;
};

}  // namespace ui
