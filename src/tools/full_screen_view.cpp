#include "tools/full_screen_view.h"

namespace tools {

FullScreenView::FullScreenView(ui::Application& application) : ToolWindow(application, kFullScreenViewShape) {}

}  // namespace tools
