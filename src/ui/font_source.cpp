#include "ui/font_source.h"

namespace ui {

HFONT SystemGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT FontSource::GuiFont(Dpi dpi) {
  const Dpi system = Dpi::System();
  if (dpi == system) return SystemGuiFont();
  for (const auto& [made, font] : guiFonts_) {
    if (made == dpi) return font.get();
  }
  LOGFONTW font{};
  GetObjectW(SystemGuiFont(), sizeof(font), &font);
  font.lfHeight = MulDiv(font.lfHeight, dpi.Value(), system.Value());
  font.lfWidth = 0;
  unique_hfont made(CreateFontIndirectW(&font));
  if (!made) return SystemGuiFont();
  guiFonts_.emplace_back(dpi, std::move(made));
  return guiFonts_.back().second.get();
}

}  // namespace ui
