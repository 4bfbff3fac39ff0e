// DirectoryPicker: the directory selection window.
#pragma once

#include "ui/form.h"

namespace tools {

class DirectoryPicker : public ui::Form {
 public:
  explicit DirectoryPicker(ui::Application& application);
};

}  // namespace tools
