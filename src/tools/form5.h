// TForm5: the full-screen view, a borderless window.
#pragma once

#include "ui/form.h"

namespace tools {

class TForm5 : public ui::Form {
 public:
  explicit TForm5(ui::Application& application);
  ~TForm5() override { DestroyHandle(); }
};

}  // namespace tools
