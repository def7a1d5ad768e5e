#include "platform/qt/keymap.h"

#include <QKeyEvent>

#include "platform/keys.h"

namespace plat {

namespace {

// Qt keys first..last map to vk, vk + 1, ... A keypad row applies only to
// keys of the number pad; without NumLock those arrive as navigation keys
// and fall through to the ordinary rows, as on the original platform.
struct KeyRow {
  int qtFirst;
  int qtLast;
  bool keypad;
  int vk;
};

constexpr KeyRow kKeyTable[] = {
    // Number pad.
    {Qt::Key_0, Qt::Key_9, true, VK_NUMPAD0},
    {Qt::Key_Asterisk, Qt::Key_Asterisk, true, VK_MULTIPLY},
    {Qt::Key_Plus, Qt::Key_Plus, true, VK_ADD},
    {Qt::Key_Minus, Qt::Key_Minus, true, VK_SUBTRACT},
    {Qt::Key_Period, Qt::Key_Period, true, VK_DECIMAL},
    {Qt::Key_Comma, Qt::Key_Comma, true, VK_DECIMAL},
    {Qt::Key_Slash, Qt::Key_Slash, true, VK_DIVIDE},
    // Main keyboard.
    {Qt::Key_Backspace, Qt::Key_Backspace, false, VK_BACK},
    {Qt::Key_Tab, Qt::Key_Tab, false, VK_TAB},
    {Qt::Key_Backtab, Qt::Key_Backtab, false, VK_TAB},
    {Qt::Key_Return, Qt::Key_Return, false, VK_RETURN},
    {Qt::Key_Enter, Qt::Key_Enter, false, VK_RETURN},
    {Qt::Key_Shift, Qt::Key_Shift, false, VK_SHIFT},
    {Qt::Key_Control, Qt::Key_Control, false, VK_CONTROL},
    {Qt::Key_Alt, Qt::Key_Alt, false, VK_MENU},
    {Qt::Key_Pause, Qt::Key_Pause, false, VK_PAUSE},
    {Qt::Key_CapsLock, Qt::Key_CapsLock, false, VK_CAPITAL},
    {Qt::Key_Escape, Qt::Key_Escape, false, VK_ESCAPE},
    {Qt::Key_Space, Qt::Key_Space, false, VK_SPACE},
    {Qt::Key_PageUp, Qt::Key_PageUp, false, VK_PRIOR},
    {Qt::Key_PageDown, Qt::Key_PageDown, false, VK_NEXT},
    {Qt::Key_End, Qt::Key_End, false, VK_END},
    {Qt::Key_Home, Qt::Key_Home, false, VK_HOME},
    {Qt::Key_Left, Qt::Key_Left, false, VK_LEFT},
    {Qt::Key_Up, Qt::Key_Up, false, VK_UP},
    {Qt::Key_Right, Qt::Key_Right, false, VK_RIGHT},
    {Qt::Key_Down, Qt::Key_Down, false, VK_DOWN},
    {Qt::Key_Insert, Qt::Key_Insert, false, VK_INSERT},
    {Qt::Key_Delete, Qt::Key_Delete, false, VK_DELETE},
    {Qt::Key_0, Qt::Key_9, false, VK_0},
    {Qt::Key_A, Qt::Key_Z, false, VK_A},
    {Qt::Key_F1, Qt::Key_F12, false, VK_F1},
    {Qt::Key_Plus, Qt::Key_Plus, false, VK_OEM_PLUS},
    {Qt::Key_Equal, Qt::Key_Equal, false, VK_OEM_PLUS},
    {Qt::Key_Comma, Qt::Key_Comma, false, VK_OEM_COMMA},
    {Qt::Key_Minus, Qt::Key_Minus, false, VK_OEM_MINUS},
    {Qt::Key_Period, Qt::Key_Period, false, VK_OEM_PERIOD},
};

int Lookup(int qtKey, bool keypad) {
  for (const KeyRow& row : kKeyTable) {
    if (row.keypad == keypad && qtKey >= row.qtFirst && qtKey <= row.qtLast)
      return row.vk + (qtKey - row.qtFirst);
  }
  return 0;
}

}  // namespace

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    if (int vk = Lookup(qtKey, true)) return vk;
  }
  return Lookup(qtKey, false);
}

int VirtualKeyFromEvent(const QKeyEvent& event) {
  return VirtualKeyFromQt(event.key(), event.modifiers());
}

}  // namespace plat
