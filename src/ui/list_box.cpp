#include "ui/list_box.h"

namespace ui {

void ListBox::Create(HWND parent, int id, int x, int y, int width, int height) {
  WindowParams params = WindowParams::Child(L"LISTBOX", parent, x, y, width, height,
                                            WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, id);
  params.exStyle |= WS_EX_CLIENTEDGE;
  CreateControl(params);
}

void ListBox::Add(const std::wstring& line) {
  SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

int ListBox::Selection() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }

void ListBox::Select(int index) { SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

}  // namespace ui
