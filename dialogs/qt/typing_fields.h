// Fields opened for typing, as desktop dialogs open them: the whole text of
// every edit box and spin box selected, so that what is typed replaces the
// value shown instead of running on from it, and the first field that takes
// typing focused.
#pragma once

#include <vector>

class QWidget;

namespace dlg {

// Selects the text of each field (line edits and spin boxes; other widgets
// are only focusable) and gives the focus to the first field that takes
// typing, or to the first field when none does. A dialog that opens with a
// tick box or a list before its numbers (the floors to print, the window
// type) still takes a typed number into its first number field.
void OpenForTyping(const std::vector<QWidget*>& fields);

// The field a message was about: focused again, its whole text selected.
void FocusForTyping(QWidget* field);

}  // namespace dlg
