// A key press as the keyboard delivers it: posted to the focus and handled
// by the program's message loop, with the modifier keys held meanwhile.
#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>

#include "ui/application.h"

namespace test {

inline void PressKey(UINT key, std::initializer_list<UINT> held = {}) {
  std::array<BYTE, 256> state{};
  GetKeyboardState(state.data());
  std::array<BYTE, 256> before = state;
  for (UINT modifier : held) state[modifier] = 0x80;
  SetKeyboardState(state.data());
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  ui::Application::ProcessMessages();
  SetKeyboardState(before.data());
}

}  // namespace test
