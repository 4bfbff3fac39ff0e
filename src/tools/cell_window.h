// CellWindow: the save and edit window of one cell.
#pragma once

#include "tools/tool_window.h"

namespace tools {

class CellWindow : public ToolWindow {
 public:
  explicit CellWindow(ui::Application& application);
};

}  // namespace tools
