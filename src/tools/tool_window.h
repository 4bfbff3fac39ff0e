// The shell every tool window starts from: a form of a fixed shape, made at
// start-up and kept hidden until a command shows it.
#pragma once

#include "core/window_classes.h"
#include "ui/form.h"

namespace tools {

struct ToolWindowShape {
  const wchar_t* className = nullptr;
  const wchar_t* caption = L"";
  DWORD style = WS_CAPTION | WS_SYSMENU;
  int clientWidth = 0;
  int clientHeight = 0;
};

// The shells of the tool windows.
inline constexpr ToolWindowShape kCellWindowShape{
    .className = core::kCellWindowClass,
    .caption = L"Save",
    .style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
    .clientWidth = 427,
    .clientHeight = 266,
};

inline constexpr ToolWindowShape kWallpaperProgressWindowShape{
    .className = core::kWallpaperProgressWindowClass,
    .caption = L"Setting Wallpaper",
    .style = WS_CAPTION | DS_MODALFRAME,
    .clientWidth = 185,
    .clientHeight = 13,
};

inline constexpr ToolWindowShape kDirectoryPickerShape{
    .className = core::kDirectoryPickerClass,
    .caption = L"Select a Directory",
    .style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
    .clientWidth = 311,
    .clientHeight = 273,
};

class ToolWindow : public ui::Form {
 protected:
  ToolWindow(ui::Application& application, const ToolWindowShape& shape);
};

}  // namespace tools
