// The fonts a form's controls share, made for each DPI the form has been
// drawn at. A control keeps the font it was given, so a font made once stays
// until the form goes: moving to another monitor and back reuses it.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/dpi.h"
#include "ui/handles.h"

namespace ui {

// The system's dialog font at the system's DPI; the stock object itself.
HFONT SystemGuiFont();

class FontSource {
 public:
  // The system's dialog font at `dpi`: the stock font at the system's DPI,
  // the same face scaled at any other.
  HFONT GuiFont(Dpi dpi);

 private:
  std::vector<std::pair<Dpi, unique_hfont>> guiFonts_;
};

}  // namespace ui
