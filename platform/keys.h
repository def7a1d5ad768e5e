// Virtual-key codes as the program's key handlers compare them.
#pragma once

namespace plat {

enum VirtualKey : int {
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_SHIFT = 16,
  VK_CONTROL = 17,
  VK_MENU = 18,
  VK_PAUSE = 19,
  VK_CAPITAL = 20,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_PRIOR = 33,
  VK_NEXT = 34,
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_INSERT = 45,
  VK_DELETE = 46,
  VK_0 = 48,
  VK_9 = 57,
  VK_A = 65,
  VK_F = 70,
  VK_Z = 90,
  VK_NUMPAD0 = 96,
  VK_NUMPAD1 = 97,
  VK_NUMPAD6 = 102,
  VK_NUMPAD9 = 105,
  VK_MULTIPLY = 106,
  VK_ADD = 107,
  VK_SUBTRACT = 109,
  VK_DECIMAL = 110,
  VK_DIVIDE = 111,
  VK_F1 = 112,
  VK_F12 = 123,
  VK_OEM_PLUS = 187,
  VK_OEM_COMMA = 188,
  VK_OEM_MINUS = 189,
  VK_OEM_PERIOD = 190,
};

// The four arrow keys, which step the cursor and draw segments.
constexpr bool IsArrowKey(int key) {
  return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

}  // namespace plat
