// Qt key events to the Windows virtual-key codes the key handlers compare.
#pragma once

#include <Qt>

class QKeyEvent;

namespace plat {

// The virtual-key code of a Qt key; keys of the number pad (keypad modifier)
// give the VK_NUMPAD codes, VK_ADD and VK_SUBTRACT. 0 for keys without one.
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
int VirtualKeyFromEvent(const QKeyEvent& event);

}  // namespace plat
