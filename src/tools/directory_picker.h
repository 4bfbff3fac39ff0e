// DirectoryPicker: the window that chooses the wallpaper directory.
#pragma once

#include "tools/tool_window.h"

namespace tools {

class DirectoryPicker : public ToolWindow {
 public:
  explicit DirectoryPicker(ui::Application& application);
};

}  // namespace tools
