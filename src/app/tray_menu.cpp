#include "app/tray_menu.h"

#include <utility>

namespace app {

namespace {

TrayMenuItem Command(int id, std::wstring caption) { return TrayMenuItem{id, std::move(caption), false}; }
TrayMenuItem Separator() { return TrayMenuItem{0, L"", true}; }

}  // namespace

TrayMenu::TrayMenu()
    : items_{
          Command(kShowKestrelCommand, L"Show Kestrel"),
          Command(kHideKestrelCommand, L"Hide Kestrel"),
          Separator(),
          Command(kExitCommand, L"Exit Kestrel 99"),
      } {}

}  // namespace app
