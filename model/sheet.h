// The drawing sheet every view is drawn on: DrawingWidth x DrawingHeight
// mapping units, of which a window shows a part.
#pragma once

#include "model/globals.h"

// Makes the sheet this size. Files keep positions about the sheet's centre
// and each window's sheet follows the window's proportions, so the drawing
// list is moved onto the new sheet with it: an element keeps the place it
// has in the files whatever sheet is in force when it is written.
void SetSheetSize(int32 width, int32 height);
