#include "settings/window_placement_store.h"

#include "settings/ini_file.h"
#include "ui/dpi.h"

namespace settings {

namespace {

Placement FromSystem(const WINDOWPLACEMENT& system) {
  Placement placement;
  placement.flags = static_cast<int>(system.flags);
  placement.showCmd = static_cast<int>(system.showCmd);
  placement.minPosition = {system.ptMinPosition.x, system.ptMinPosition.y};
  placement.maxPosition = {system.ptMaxPosition.x, system.ptMaxPosition.y};
  placement.normal = {system.rcNormalPosition.left, system.rcNormalPosition.top, system.rcNormalPosition.right,
                      system.rcNormalPosition.bottom};
  return placement;
}

WINDOWPLACEMENT ToSystem(const Placement& placement) {
  WINDOWPLACEMENT system{sizeof(system)};
  system.flags = static_cast<UINT>(placement.flags);
  system.showCmd = static_cast<UINT>(placement.showCmd);
  system.ptMinPosition = {placement.minPosition.x, placement.minPosition.y};
  system.ptMaxPosition = {placement.maxPosition.x, placement.maxPosition.y};
  system.rcNormalPosition = {placement.normal.left, placement.normal.top, placement.normal.right,
                             placement.normal.bottom};
  return system;
}

int ShowCommandFor(WindowState state) {
  switch (state) {
    case WindowState::Minimized: return SW_SHOWMINIMIZED;
    case WindowState::Maximized: return SW_SHOWMAXIMIZED;
    case WindowState::Normal: break;
  }
  return SW_SHOWNORMAL;
}

bool HasSizeableBorder(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME) != 0; }

// The width and height of the window's border, as the system draws it.
POINT FrameSize(HWND window) {
  const ui::Dpi dpi = ui::Dpi::Of(window);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  if (style & WS_THICKFRAME) return {dpi.Metric(SM_CXFRAME), dpi.Metric(SM_CYFRAME)};
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
    return {dpi.Metric(SM_CXDLGFRAME), dpi.Metric(SM_CYDLGFRAME)};
  }
  if (style & WS_BORDER) return {dpi.Metric(SM_CXBORDER), dpi.Metric(SM_CYBORDER)};
  return {0, 0};
}

int MonitorDpi(const PlacementRect& normal) {
  const RECT place{normal.left, normal.top, normal.right, normal.bottom};
  return ui::Dpi::OfMonitor(MonitorFromRect(&place, MONITOR_DEFAULTTONEAREST)).Value();
}

void ApplyPlacement(ProfileStore& file, std::wstring_view section, HWND window) {
  WINDOWPLACEMENT system{sizeof(system)};
  GetWindowPlacement(window, &system);
  system.showCmd = SW_HIDE;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const bool sizeable = HasSizeableBorder(window);
  PlacementLoad load = ReadPlacement(file, section, FromSystem(system),
                                     {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top},
                                     sizeable);
  if (!load.apply) return;
  // Sized for the scale of the monitor the window goes back to.
  if (sizeable) load.placement.normal = NormalFromStored(load.placement.normal, MonitorDpi(load.placement.normal));
  const WINDOWPLACEMENT stored = ToSystem(load.placement);
  SetWindowPlacement(window, &stored);
}

void SetMaximizedPositionToFrame(HWND window) {
  // A maximized window puts its border just off the screen.
  if (!window) return;
  WINDOWPLACEMENT system{sizeof(system)};
  GetWindowPlacement(window, &system);
  if (!IsWindowVisible(window)) system.showCmd = SW_HIDE;
  const POINT frame = FrameSize(window);
  system.ptMaxPosition = {-frame.x, -frame.y};
  SetWindowPlacement(window, &system);
}

}  // namespace

int LoadPlacement(ProfileStore& file, std::wstring_view section, HWND window) {
  ApplyPlacement(file, section, window);
  const WindowState state = ReadWindowState(file, section);
  SetMaximizedPositionToFrame(window);
  return ShowCommandFor(state);
}

bool StorePlacement(ProfileStore& file, std::wstring_view section, HWND window) {
  WINDOWPLACEMENT system{sizeof(system)};
  GetWindowPlacement(window, &system);
  Placement placement = FromSystem(system);
  if (HasSizeableBorder(window)) {
    placement.normal = StoredNormal(placement.normal, ui::Dpi::Of(window).Value());
  }
  return WritePlacement(file, section, placement);
}

WindowPlacementStore::WindowPlacementStore(ui::Form& form, std::wstring section, FileNameSource fileName)
    : form_(form), section_(std::move(section)), fileName_(fileName ? std::move(fileName) : FileNameSource(&SettingsFilePath)) {
  form_.AttachPersistence(this);
}

WindowPlacementStore::~WindowPlacementStore() { form_.AttachPersistence(nullptr); }

int WindowPlacementStore::Load() {
  IniFile file(fileName_());
  const int showCommand = LoadPlacement(file, section_, form_.Handle());
  schedule_.AllowStores();
  return showCommand;
}

void WindowPlacementStore::Store() {
  if (!schedule_.StoreOnClose()) return;
  IniFile file(fileName_());
  if (!StorePlacement(file, section_, form_.Handle())) return;
  schedule_.Stored();
}

void WindowPlacementStore::StoreOnDestroy() {
  if (schedule_.StoreOnDestroy()) Store();
}

}  // namespace settings
