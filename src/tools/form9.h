// TForm9: the wallpaper progress window.
#pragma once

#include "ui/form.h"

namespace tools {

class TForm9 : public ui::Form {
 public:
  explicit TForm9(ui::Application& application);
  ~TForm9() override { DestroyHandle(); }
};

}  // namespace tools
