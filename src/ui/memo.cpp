#include "ui/memo.h"

namespace ui {

void Memo::Create(HWND parent, int id, int x, int y, int width, int height, const MemoOptions& options) {
  DWORD style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_NOHIDESEL | ES_AUTOVSCROLL;
  if (!options.wordWrap) style |= ES_AUTOHSCROLL;
  // Wrapped lines never need a horizontal scroll bar.
  if (options.scrollBars) style |= WS_VSCROLL | (options.wordWrap ? 0 : WS_HSCROLL);
  if (options.readOnly) style |= ES_READONLY;
  WindowParams params = WindowParams::Child(L"EDIT", parent, x, y, width, height, style, id);
  if (options.border) params.exStyle |= WS_EX_CLIENTEDGE;
  CreateControl(params);
  // Zero lifts the limit to the largest size the control supports.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

bool Memo::TrySetText(const std::wstring& text) {
  outOfSpace_ = false;
  const bool taken = SendMessageW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != FALSE;
  // Some edit controls answer TRUE and tell of the failure only to the
  // parent; the length is the last word either way.
  return taken && !outOfSpace_ && static_cast<size_t>(GetWindowTextLengthW(Handle())) == text.size();
}

bool Memo::OnReflectedCommand(int code) {
  if (code != EN_ERRSPACE) return false;
  outOfSpace_ = true;
  return true;
}

void Memo::SetSystemColours(int text, int background) {
  colours_ = Colours{text, background};
}

// An edit asks with WM_CTLCOLOREDIT, or with WM_CTLCOLORSTATIC while it is
// read-only; the colours are the same either way.
HBRUSH Memo::OnReflectedCtlColor(UINT message, HDC dc) {
  if (!colours_) return nullptr;
  SetTextColor(dc, GetSysColor(colours_->text));
  SetBkColor(dc, GetSysColor(colours_->background));
  return GetSysColorBrush(colours_->background);
}

}  // namespace ui
