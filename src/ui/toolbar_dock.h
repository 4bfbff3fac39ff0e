// A dock along the top of a window holding one flat toolbar of glyph
// buttons. Pressing the gripper at the toolbar's left edge and dragging it
// out of the dock floats the toolbar in a small tool window of its own;
// dragging that window back over the dock docks the toolbar again. The dock
// is the only place it docks: there is none at the sides.
//
// Docked or floating, a click on a button reaches the dock's parent as
// WM_COMMAND(MAKEWPARAM(command, BN_CLICKED), toolbar window), so the form
// handles its toolbar as it handles its buttons.
//
// The dock is a child of its parent and goes with it; it takes the floating
// window along when it goes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"
#include "ui/toolbar_frame.h"
#include "ui/window.h"

namespace ui {

struct ToolButton {
  int command = 0;           // 0 makes a separator
  int glyph = 0;             // a glyph bitmap resource (see ui::LoadGlyph); magenta (255, 0, 255) is transparent
  const wchar_t* tip = L"";  // a '\n' starts another line of the tooltip
};

using unique_himagelist = UniqueHandle<NullInvalidTraits<HIMAGELIST, &ImageList_Destroy>>;

class ToolbarDock : public Window {
 public:
  // A dock across the top of `parent`'s client area, `height` (96 DPI units)
  // high, holding one toolbar titled `title`. The dock keeps the width of its
  // parent as the parent is resized.
  void Create(HWND parent, int height, const wchar_t* title, std::span<const ToolButton> buttons);

  // The dock keeps its height while its toolbar floats, so the page below
  // it does not jump. In device pixels.
  int Height() const;
  HWND Toolbar() const { return toolbar_; }
  // The width the dock needs to show its gripper and every button.
  int DockedWidth() const;

  void SetButtonEnabled(int command, bool enabled);
  bool IsButtonEnabled(int command) const;

  bool IsFloating() const { return static_cast<bool>(frame_); }
  // The floating window while the toolbar floats, else null.
  HWND FloatingWindow() const { return frame_ ? frame_->Handle() : nullptr; }
  // Floats the toolbar with the floating window's caption under `screenAt`,
  // as a drag out of the dock does; moves it there when it floats already.
  void Float(POINT screenAt);
  // Takes a floating toolbar back into the dock, as a drag onto it does.
  void Dock();
  // Sizes the dock and its buttons again for the form's new scale.
  void OnDpiChanged();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc, const RECT& clientRect) override;

 private:
  static LRESULT CALLBACK ParentSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR self);
  void CreateToolbar(std::span<const ToolButton> buttons);
  void CreateGlyphLists(int count);
  void SetGlyphLists();
  void AddGlyph(int resourceId);
  void SizeButtons();
  void PlaceToolbarInDock();
  SIZE ToolbarSize() const;
  RECT GripperRect() const;
  void SetToolbarParent(HWND parent);
  void SyncFrameVisibility();

  void OnLeftButtonDown(POINT at);
  void OnMouseMove(POINT at);
  void OnLeftButtonUp();
  bool OnSetCursor(LPARAM lParam);
  LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnNotify(NMHDR* header);
  void OnDestroy();
  // The glyphs drawn for the dock's new scale, when it has another size.
  void ReloadGlyphs();

  HWND parent_ = nullptr;
  HWND root_ = nullptr;     // the top-level window above the parent, which owns the floating window
  HWND toolbar_ = nullptr;  // a child of the dock or of the floating window, which destroy it
  int height_ = 0;  // in 96 DPI units
  std::wstring title_;
  std::vector<std::wstring> tips_;  // by button, separators included
  std::vector<int> commands_;
  int glyphSide_ = 0;           // the glyphs' size for the dock's scale
  std::vector<int> glyphIds_;  // the glyph resources, in the lists' order
  unique_himagelist glyphs_;
  unique_himagelist greyGlyphs_;
  WindowPtr<ToolbarFrame> frame_;
  bool draggingGripper_ = false;
};

}  // namespace ui
