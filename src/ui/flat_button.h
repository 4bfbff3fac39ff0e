// A toolbar-style push button: flat at rest, a thin raised edge while the
// mouse is over it, sunken while pressed, with an optional glyph left of its
// caption. It is a real BUTTON control (owner-drawn), so the keyboard, the
// dialog manager's mnemonics, screen readers and BM_CLICK all work on it.
//
// Owner-drawn buttons ask their parent to paint them; the parent's
// ui::Window hands that WM_DRAWITEM back to the button, which paints itself.
#pragma once

#include <windows.h>

#include <string>

#include "ui/accessible_object.h"
#include "ui/control.h"
#include "ui/dpi.h"
#include "ui/handles.h"

namespace ui {

class FlatButton : public Control {
 public:
  FlatButton() = default;
  ~FlatButton() override;
  // The subclass keeps a pointer to this object, so it stays where it is.
  FlatButton(FlatButton&&) = delete;
  FlatButton& operator=(FlatButton&&) = delete;

  void Create(HWND parent, int id, int x, int y, int width, int height, const std::wstring& caption);

  // Takes the glyph from a bitmap resource of the program, in the size
  // drawn for the button's scale; magenta pixels are transparent. Returns
  // false, leaving the button without a glyph, when the resource is
  // missing. The glyph is loaded again when the button's scale changes.
  bool LoadGlyph(int resourceId);
  // The same, in the size drawn for `dpi`.
  bool LoadGlyph(int resourceId, Dpi dpi);
  // Uses a copy of the bitmap as the glyph (magenta is transparent).
  void SetGlyph(HBITMAP bitmap);
  bool HasGlyph() const { return static_cast<bool>(glyph_); }
  SIZE GlyphSize() const { return glyphSize_; }

  // Whether the mouse is over the button (it then shows a raised edge).
  bool IsHot() const { return hot_; }

  // What a screen reader calls the button: its caption without the
  // mnemonic, and while the caption is hidden (pictures only) the caption
  // it last showed or the name given here.
  void SetAccessibleName(const std::wstring& name) { name_ = name; }
  std::wstring AccessibleName() const;

 protected:
  // Paints the button for the WM_DRAWITEM its parent received.
  bool OnReflectedDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT OnSubclassMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void SetHot(bool hot);
  static LRESULT EnterCode(LPARAM message);
  static LRESULT OnEnter(HWND window);
  void PaintFace(HDC dc, const RECT& area, UINT state) const;
  void PaintContent(HDC dc, const RECT& area, bool disabled, UINT textFormat) const;
  void PaintCaption(HDC dc, const std::wstring& caption, RECT area, bool disabled, UINT textFormat) const;
  void RemoveSubclass();
  void OnSetText(const wchar_t* text);
  ui::AccessibleAnswers Answers();
  long AccessibleState() const;
  void OnDpiChanged();

  unique_hicon glyph_;  // the glyph with its transparency mask
  SIZE glyphSize_{};
  int glyphResource_ = 0;  // the resource the glyph came from, if it did
  bool hot_ = false;
  bool subclassed_ = false;
  std::wstring name_;
  AccessibleServer accessible_;
};

}  // namespace ui
