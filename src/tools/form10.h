// TForm10: the directory selection window.
#pragma once

#include "ui/form.h"

namespace tools {

class TForm10 : public ui::Form {
 public:
  explicit TForm10(ui::Application& application);
  ~TForm10() override { DestroyHandle(); }
};

}  // namespace tools
