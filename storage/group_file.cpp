// The group file DWGS\<name>.GPD: the group drawing in the drawing layout,
// written and read whatever the current view.
#include "model/flist.h"
#include "storage/record_codec.h"

std::string TFlist::GroupFilePath() const { return ProgramDir + "DWGS\\" + DrawingName + ".GPD"; }

bool TFlist::WriteGroupFile() {
  // Read back by every paint of the group view, like the live file: what it
  // could not take is held in memory.
  const std::string path = GroupFilePath();
  return ReportWrite(StoredFile::Group,
                     storage::WriteListFile(path, *this, storage::HeaderFromGlobals(0),
                                            storage::PageCentre(), storage::OnFailure::HoldList));
}

bool TFlist::WriteViewFile() {
  constexpr int32 kLastGroupView = 84;
  if (CurrentView >= view::Group && CurrentView <= kLastGroupView) return WriteGroupFile();
  return WriteDrawingFile(dtDrawing);
}

void TFlist::ReadGroupFile() {
  const storage::Placement centre = storage::PageCentre();
  const storage::ReadResult r = storage::ReadListFile(GroupFilePath(), *this, centre);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
}
