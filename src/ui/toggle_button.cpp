#include "ui/toggle_button.h"

namespace ui {

void ToggleButton::Create(HWND parent, ToggleKind kind, int id, int x, int y, int width, int height,
                          const std::wstring& caption) {
  const DWORD style = (kind == ToggleKind::CheckBox ? BS_CHECKBOX : BS_RADIOBUTTON) | WS_TABSTOP;
  WindowParams params = WindowParams::Child(L"BUTTON", parent, x, y, width, height, style, id);
  params.caption = caption;
  CreateControl(params);
}

bool ToggleButton::IsChecked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ToggleButton::SetChecked(bool checked) {
  // Setting the state it already has would still repaint the button.
  if (IsChecked() != checked) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace ui
