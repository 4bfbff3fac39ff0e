#include "ui/high_contrast.h"

namespace ui {

HighContrast HighContrast::FromSystem() {
  HIGHCONTRASTW setting{};
  setting.cbSize = sizeof(setting);
  if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0)) return HighContrast();
  return HighContrast((setting.dwFlags & HCF_HIGHCONTRASTON) != 0);
}

bool HighContrast::MayHaveChanged(UINT message, WPARAM wParam) {
  return message == WM_SYSCOLORCHANGE || (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST);
}

}  // namespace ui
