// Key presses as the keyboard delivers them: posted to the window with the
// focus and handled by the program's own message loop, with the modifier
// keys held down meanwhile.
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
  const HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, key, 1);
  PostMessageW(focus, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
  ui::Application::ProcessMessages();
  SetKeyboardState(before.data());
}

}  // namespace test
