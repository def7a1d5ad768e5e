#include "model/sheet.h"

#include "model/flist.h"
#include "storage/record_codec.h"

void SetSheetSize(int32 width, int32 height) {
  // What the list holds lies on the sheet in force until now (every read
  // places about it, every tool draws on it).
  const storage::Placement was = storage::PageCentre();
  DrawingWidth = width;
  DrawingHeight = height;
  storage::MovePlacement(DrawingList, was, storage::PageCentre());
}
