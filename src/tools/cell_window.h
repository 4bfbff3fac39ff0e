// CellWindow: the save and edit window.
#pragma once

#include "ui/form.h"

namespace tools {

class CellWindow : public ui::Form {
 public:
  explicit CellWindow(ui::Application& application);
};

}  // namespace tools
