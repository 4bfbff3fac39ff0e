// FullScreenView: the full-screen view, a borderless window.
#pragma once

#include "ui/form.h"

namespace tools {

class FullScreenView : public ui::Form {
 public:
  explicit FullScreenView(ui::Application& application);
};

}  // namespace tools
