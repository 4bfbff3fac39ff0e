// A list box of single lines, one of which may be selected.
#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

class ListBox : public Control {
 public:
  void Create(HWND parent, int id, int x, int y, int width, int height);
  void Add(const std::wstring& line);
  int Selection() const;  // -1 when none
  void Select(int index);
};

}  // namespace ui
