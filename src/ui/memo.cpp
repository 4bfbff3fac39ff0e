#include "ui/memo.h"

namespace ui {

void Memo::Create(HWND parent, int id, int x, int y, int width, int height, const MemoOptions& options) {
  ControlSpec spec;
  spec.className = L"EDIT";
  spec.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_NOHIDESEL;
  if (!options.wordWrap) spec.style |= ES_AUTOHSCROLL;
  spec.style |= ES_AUTOVSCROLL;
  if (options.scrollBars) spec.style |= WS_VSCROLL | WS_HSCROLL;
  if (options.readOnly) spec.style |= ES_READONLY;
  if (options.border) spec.exStyle |= WS_EX_CLIENTEDGE;
  spec.x = x;
  spec.y = y;
  spec.width = width;
  spec.height = height;
  spec.parent = parent;
  spec.id = id;
  CreateControl(spec);
  // Zero lifts the limit to the largest size the control supports.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

}  // namespace ui
