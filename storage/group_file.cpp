// The group file DWGS\<name>.GPD: the group drawing in the drawing layout,
// written and read whatever the current view.
#include "model/flist.h"
#include "storage/record_codec.h"
#include "storage/unwritten_files.h"

std::string TFlist::GroupFilePath() const { return ProgramDir + "DWGS\\" + DrawingName + ".GPD"; }

bool TFlist::WriteGroupFile() {
  const std::string path = GroupFilePath();
  // The floors' drawing is no group drawing: written there it would put
  // the group out of reach.
  if (content_ == Content::Floors)
    return ReportWrite(StoredFile::Group,
                       {EINVAL, plat::MapPath(path),
                        "the floors' drawing is never written into the group file"});
  groupWritten_ = true;
  // Read back by every paint of the group view, like the live file: what it
  // could not take is held in memory.
  return ReportWrite(StoredFile::Group,
                     storage::WriteListFile(path, *this, storage::HeaderFromGlobals(0),
                                            storage::PageCentre(), storage::OnFailure::HoldList));
}

void TFlist::ReadGroupFile() {
  const std::string path = GroupFilePath();
  const storage::Placement centre = storage::PageCentre();
  storage::ReadResult r = storage::ReadListFile(path, *this, centre);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
  content_ = Content::Group;
  NoteRead(StoredFile::Group, path, r);
}

void TFlist::KeepGroupAsSaved() {
  const std::string path = GroupFilePath();
  groupWritten_ = false;
  savedGroupKnown_ = true;
  std::string data;
  switch (storage::ReadHeldOrFile(path, data)) {
    case plat::ReadStatus::Ok: savedGroup_ = std::move(data); break;
    case plat::ReadStatus::Missing:
      // A folder or a device at its name is not the program's to remove.
      savedGroup_.reset();
      savedGroupKnown_ = storage::IsHeldRemoved(path) ||
                         plat::WhatIsAt(path) == plat::PathKind::Nothing;
      break;
    default: savedGroupKnown_ = false; break;
  }
}

bool TFlist::RestoreSavedGroup() {
  const std::string path = GroupFilePath();
  // What a failed write or removal left held is owed until it is done: it
  // is tried again at every decline.
  if (!groupWritten_ && !storage::IsHeld(path)) return true;
  groupWritten_ = false;
  if (!savedGroupKnown_) {
    // Nothing to go back to: what is held unwritten is given up.
    storage::ReleaseUnwritten(path);
    return true;
  }
  // There was no group drawing at the last save: one that cannot go is read
  // as not there until it can.
  if (!savedGroup_)
    return ReportWrite(StoredFile::Group,
                       storage::DeleteListFile(path, storage::OnFailure::HoldList));
  return ReportWrite(StoredFile::Group,
                     storage::ReplaceFile(path, *savedGroup_, storage::OnFailure::HoldList));
}
