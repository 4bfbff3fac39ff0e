#include "desktop/wallpaper_changer.h"

#include <utility>

#include "core/window_classes.h"
#include "ui/handles.h"
#include "ui/window.h"

namespace desktop {

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\desktop";
constexpr wchar_t kTileValue[] = L"TileWallPaper";
constexpr wchar_t kWallpaperValue[] = L"Wallpaper";
constexpr UINT_PTR kTimerId = 1;

ui::unique_hkey OpenDesktopKey() {
  // Opened, never created; a key that cannot be opened shows as a failed write.
  HKEY key = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_ALL_ACCESS, &key);
  return ui::unique_hkey(key);
}

void WriteString(const wchar_t* valueName, const std::wstring& value) {
  const ui::unique_hkey key = OpenDesktopKey();
  const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (!key || RegSetValueExW(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) !=
                  ERROR_SUCCESS) {
    throw ui::UserError(L"Failed to set data for '" + std::wstring(valueName) + L"'");
  }
}

bool IsExistingFile(const std::wstring& name) {
  const DWORD attributes = GetFileAttributesW(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::function<BOOL(wchar_t*)>& SystemWallpaperCall() {
  static std::function<BOOL(wchar_t*)> call;
  if (!call) call = [](wchar_t* name) { return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 1, name, SPIF_UPDATEINIFILE); };
  return call;
}

}  // namespace

void WallpaperChanger::SetSystemCallForTesting(std::function<BOOL(wchar_t* name)> call) {
  SystemWallpaperCall() = std::move(call);
}

// The changer's hidden window receives its timer.
WallpaperChanger::WallpaperChanger()
    : window_(ui::MakeWindow<ui::MessageWindow>(core::kWallpaperChangerClass,
                                                [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
                                                  return OnMessage(window, message, wParam, lParam);
                                                })) {
  timer_.Attach(window_->Handle(), kTimerId, interval_);
}

LRESULT WallpaperChanger::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER || wParam != kTimerId) return DefWindowProcW(window, message, wParam, lParam);
  if (Active()) ChangeWallpaper();
  return 0;
}

WallpaperChanger::~WallpaperChanger() { timer_.SetEnabled(false); }

void WallpaperChanger::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active) changes_ = 0;
  timer_.SetEnabled(active);
}

void WallpaperChanger::SetInterval(UINT intervalMs) {
  interval_ = intervalMs;
  timer_.SetInterval(intervalMs);
}

void WallpaperChanger::SetFilename(const std::wstring& name) {
  if (name.empty() || (name.size() <= kMaxNameLength && IsExistingFile(name))) filename_ = name;
}

void WallpaperChanger::ChangeWallpaper() {
  if (onBeginChange) onBeginChange(*this);
  ++changes_;
  ApplyWallpaper(std::wstring(filename_), tiled_);
  if (onFinishChange) onFinishChange(*this);
}

void WallpaperChanger::ApplyWallpaper(const std::wstring& name, bool tiled) {
  WriteString(kTileValue, tiled ? L"1" : L"0");
  std::wstring buffer = name.substr(0, kMaxNameLength);
  SetLastError(ERROR_SUCCESS);
  if (!SystemWallpaperCall()(buffer.data())) {
    // A refused wallpaper (a file the system cannot show, a policy that
    // forbids the change) must not finish as if it had been set.
    throw ui::UserError(ui::RefusalText(L"The desktop wallpaper could not be changed.", GetLastError()));
  }
  WriteString(kWallpaperValue, name);
}

}  // namespace desktop
