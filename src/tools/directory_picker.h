// DirectoryPicker: the window that chooses the wallpaper directory.
#pragma once

#include <string>

#include "tools/tool_window.h"

namespace tools {

class DirectoryPicker : public ToolWindow {
 public:
  explicit DirectoryPicker(ui::Application& application);

  std::wstring SelectedDirectory() const { return L"?"; }
};

}  // namespace tools
