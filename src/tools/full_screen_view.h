// FullScreenView: a picture on the whole screen, in a borderless window.
#pragma once

#include "tools/tool_window.h"

namespace tools {

class FullScreenView : public ToolWindow {
 public:
  explicit FullScreenView(ui::Application& application);
};

}  // namespace tools
