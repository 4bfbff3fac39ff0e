// TForm3: the save and edit window.
#pragma once

#include "ui/form.h"

namespace tools {

class TForm3 : public ui::Form {
 public:
  explicit TForm3(ui::Application& application);
  ~TForm3() override { DestroyHandle(); }
};

}  // namespace tools
