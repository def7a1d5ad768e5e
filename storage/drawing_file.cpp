// The drawing record file: the live drawing, the saved copy, the backup and
// wizard drawings, and the two filtering readers the paint handler uses.
#include <array>

#include "model/flist.h"
#include "storage/damaged_files.h"
#include "storage/record_codec.h"
#include "storage/settings_files.h"
#include "storage/unwritten_files.h"

namespace {

constexpr int32 kViewStateReady = 2;
// Wizard steps during which the live drawing is read from the wizard's
// example drawing in WDS\ (0 wall wizard, 100 room wizard).
constexpr int32 kWallWizardStart = 0;
constexpr int32 kRoomWizardStart = 100;

bool WizardStarting() {
  return WizardActive == 1 && (WizardStep == kWallWizardStart || WizardStep == kRoomWizardStart);
}

}  // namespace

TFlist::ReadReport TFlist::ReportOf(const storage::ReadResult& r) {
  TFlist::ReadReport report;
  report.file = r.file;
  report.complete = r.Whole();
  report.expected = r.header.count;
  report.read = r.appended;
  report.cutElements = r.cutElements;
  report.cutCharacters = r.cut.characters;
  report.cutPoints = r.cut.points;
  report.faults = r.faults;
  return report;
}

namespace {

// unitsRead, when given, hears the units of the file's header before any
// element is placed, and may change the sheet the elements are placed on.
storage::ReadResult ReadPlaced(TFlist& list, const std::string& path, const storage::KeepFn& keep,
                               const std::function<void(int32)>& unitsRead = {}) {
  // The offset comes from the sheet and units in force before the header's
  // units flag is taken over.
  const storage::Placement centre = storage::PageCentre();
  auto place = [&](const storage::FileHeader& h) {
    if (!unitsRead) return centre;
    unitsRead(h.units);
    return storage::PageCentre();
  };
  storage::ReadResult r = storage::ReadListFilePlaced(path, list, place, keep);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
  return r;
}

void ReadTarget(TFlist& list, TDrawingTarget target, const storage::KeepFn& keep,
                const std::function<void(int32)>& unitsRead = {}) {
  const std::string path = list.DrawingReadPath(target);
  if (path.empty()) return;
  storage::ReadResult r = ReadPlaced(list, path, keep, unitsRead);
  list.SetContent(TFlist::Content::Floors);
  // Only the drawing's own live file is kept when damaged: a wizard's
  // example is never written, the saved copy is the program's own.
  if (target == dtDrawing && !WizardStarting())
    list.NoteRead(TFlist::StoredFile::Live, path, r);
  else
    list.LastRead = TFlist::ReportOf(r);
}

TFlist::StoredFile FileOf(TDrawingTarget target) {
  switch (target) {
    case dtSavedCopy: return TFlist::StoredFile::SavedCopy;
    case dtDrawing: return TFlist::StoredFile::Live;
    case dtWizard: return TFlist::StoredFile::Wizard;
    case dtBackup: return TFlist::StoredFile::Backup;
  }
  return TFlist::StoredFile::Live;
}

}  // namespace

std::string TFlist::DrawingWritePath(TDrawingTarget target) const {
  switch (target) {
    case dtSavedCopy: return ProgramDir + cfgfile::SavedCopy;
    case dtDrawing: return ProgramDir + "DWGS\\" + DrawingName + ".KWV";
    case dtWizard: return ProgramDir + "WDS\\" + DrawingName + ".KWV";
    case dtBackup: return ProgramDir + "DWGS\\" + DrawingName + ".BAK";
  }
  return {};
}

std::string TFlist::DrawingReadPath(TDrawingTarget target) const {
  switch (target) {
    case dtSavedCopy: return ProgramDir + cfgfile::SavedCopy;
    case dtDrawing:
      return ProgramDir + (WizardStarting() ? "WDS\\" : "DWGS\\") + DrawingName + ".KWV";
    case dtWizard:
    case dtBackup: break;  // written only
  }
  return {};
}

bool TFlist::ReportWrite(StoredFile file, const plat::WriteResult& written) {
  if (OnWritten) OnWritten(file, written);
  return bool(written);
}

namespace {

struct HeldFile {
  TFlist::StoredFile file;
  std::string path;
};

// The files whose content a failed write, or whose removal a failed delete,
// leaves held in memory.
std::array<HeldFile, 3> HeldFiles(const TFlist& list) {
  return {{{TFlist::StoredFile::Live, list.DrawingWritePath(dtDrawing)},
           {TFlist::StoredFile::Group, list.GroupFilePath()},
           {TFlist::StoredFile::SavedCopy, list.DrawingWritePath(dtSavedCopy)}}};
}

}  // namespace

bool TFlist::HoldsUnwrittenFiles() const {
  // Asked for the title after every command and plan event.
  if (!storage::AnyUnwritten()) return false;
  for (const HeldFile& f : HeldFiles(*this))
    if (storage::IsHeld(f.path)) return true;
  return false;
}

bool TFlist::WriteHeldFiles() {
  if (!storage::AnyUnwritten()) return true;
  bool all = true;
  for (const HeldFile& f : HeldFiles(*this)) {
    if (!storage::IsHeld(f.path)) continue;
    all = ReportWrite(f.file, storage::WriteUnwritten(f.path)) && all;
  }
  return all;
}

void TFlist::NoteRead(StoredFile file, const std::string& path, storage::ReadResult& r) {
  LastRead = ReportOf(r);
  // A file that is not there, or not a file, holds nothing to keep.
  if (r.held || r.file == plat::ReadStatus::Missing) return;
  if (LastRead.complete) {
    storage::ForgetDamaged(path);
    return;
  }
  const bool readToEnd = r.file == plat::ReadStatus::Ok;
  const storage::DamagedRead damaged = storage::FileFoundDamaged(
      path, readToEnd ? &r.bytes : nullptr,
      r.file == plat::ReadStatus::TooLarge   ? "it is larger than any drawing can be"
      : r.file == plat::ReadStatus::NoMemory ? "there was not enough memory to read it"
                                             : "");
  LastRead.keptAs = damaged.kept.copy;
  LastRead.notKept = damaged.kept.problem;
  if (damaged.fresh && OnReadDamaged) OnReadDamaged(file, LastRead);
}

bool TFlist::GroupShown() {
  constexpr int32 kLastGroupView = view::Group + 4;
  return (CurrentView >= view::Group && CurrentView <= kLastGroupView) ||
         CurrentView == view::GroupPrint;
}

bool TFlist::WriteDrawingFile(TDrawingTarget target) {
  // A group drawing lives in the group file; the floors' files and their
  // copies are never made of it.
  if (content_ == Content::Group || (content_ == Content::Unknown && GroupShown()))
    return target == dtDrawing ? WriteGroupFile() : true;
  const std::string path = DrawingWritePath(target);
  if (path.empty()) return true;
  if (Count() > 0) ViewState = kViewStateReady;
  // The old file stays when the new one cannot be written. The live file is
  // read back by every paint, and the saved copy when changes are declined
  // (its old content may be another drawing's): what they could not take is
  // held in memory and read in their place.
  const bool readBack = target == dtDrawing || target == dtSavedCopy;
  return ReportWrite(FileOf(target),
                     storage::WriteListFile(path, *this, storage::HeaderFromGlobals(0),
                                            storage::PageCentre(),
                                            readBack ? storage::OnFailure::HoldList
                                                     : storage::OnFailure::KeepOldFile));
}

bool TFlist::WriteSavedCopy() {
  const std::string live = DrawingWritePath(dtDrawing);
  std::string data;
  if (content_ == Content::Floors || (content_ == Content::Unknown && !GroupShown())) {
    data = storage::FormatList(*this, storage::HeaderFromGlobals(0), storage::PageCentre());
  } else if (const plat::ReadStatus read = storage::ReadHeldOrFile(live, data);
             read != plat::ReadStatus::Ok) {
    // Every edit of a floor wrote the live file (or holds what it could
    // not take), so its bytes are the floors' drawing as the user left it.
    const std::string reason = read == plat::ReadStatus::Missing
                                   ? "the drawing's file " + plat::MapPath(live) + " is not there"
                                   : "the drawing's file " + plat::MapPath(live) +
                                         " could not be read";
    return ReportWrite(StoredFile::SavedCopy,
                       {EIO, plat::MapPath(DrawingWritePath(dtSavedCopy)), reason});
  }
  // A save that fails leaves the saved state as it was: nothing is held.
  return ReportWrite(StoredFile::SavedCopy,
                     storage::ReplaceFile(DrawingWritePath(dtSavedCopy), std::move(data),
                                          storage::OnFailure::KeepOldFile));
}

void TFlist::ReadDrawingFile(TDrawingTarget target) {
  if (target == dtDrawing) {
    Clear();
    // The drawing of the view shown.
    if (GroupShown()) {
      ReadGroupFile();
      return;
    }
  }
  ReadTarget(*this, target, {});
}

void TFlist::ReadDrawingFileInUnits(const std::function<void(int32)>& unitsRead) {
  Clear();
  ReadTarget(*this, dtDrawing, {}, unitsRead);
}

void TFlist::ReadDrawingShapes(TDrawingTarget target) {
  ReadTarget(*this, target, [](const TObj& e) { return kind::IsDrawnFirst(e.Kind); });
}

void TFlist::ReadDrawingStructure(TDrawingTarget target) {
  ReadTarget(*this, target, [](const TObj& e) { return !kind::IsDrawnFirst(e.Kind); });
}
