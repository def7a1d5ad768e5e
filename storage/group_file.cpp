// The group file DWGS\<name>.GPD: the group drawing in the drawing layout,
// written and read whatever the current view.
#include "model/flist.h"
#include "storage/record_codec.h"

std::string TFlist::GroupFilePath() const { return ProgramDir + "DWGS\\" + DrawingName + ".GPD"; }

void TFlist::WriteGroupFile() {
  // When the file cannot be written nothing is written and the program goes on.
  storage::WriteListFile(GroupFilePath(), *this, storage::HeaderFromGlobals(0),
                         storage::PageCentre());
}

void TFlist::WriteViewFile() {
  constexpr int32 kLastGroupView = 84;
  if (CurrentView >= view::Group && CurrentView <= kLastGroupView)
    WriteGroupFile();
  else
    WriteDrawingFile(dtDrawing);
}

void TFlist::ReadGroupFile() {
  const storage::Placement centre = storage::PageCentre();
  const storage::ReadResult r = storage::ReadListFile(GroupFilePath(), *this, centre);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
}
