// The drawing record file: the live drawing, the saved copy, the backup and
// wizard drawings, and the two filtering readers the paint handler uses.
#include <array>

#include "model/flist.h"
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

// unitsRead, when given, hears the units of the file's header before any
// element is placed, and may change the sheet the elements are placed on.
void ReadTarget(TFlist& list, TDrawingTarget target, const storage::KeepFn& keep,
                const std::function<void(int32)>& unitsRead = {}) {
  const std::string path = list.DrawingReadPath(target);
  if (path.empty()) return;
  // The offset comes from the sheet and units in force before the header's
  // units flag is taken over.
  const storage::Placement centre = storage::PageCentre();
  auto place = [&](const storage::FileHeader& h) {
    if (!unitsRead) return centre;
    unitsRead(h.units);
    return storage::PageCentre();
  };
  const storage::ReadResult r = storage::ReadListFilePlaced(path, list, place, keep);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
  list.LastRead = {r.file,
                   r.Whole(),
                   r.header.count,
                   r.appended,
                   r.cutElements,
                   r.cut.characters,
                   r.cut.points,
                   r.faults};
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
  if (OnWritten) OnWritten(file, written.Problem());
  return bool(written);
}

namespace {

struct HeldFile {
  TFlist::StoredFile file;
  std::string path;
};

// The files whose content a failed write leaves held in memory.
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
    if (storage::Unwritten(f.path)) return true;
  return false;
}

bool TFlist::WriteHeldFiles() {
  if (!storage::AnyUnwritten()) return true;
  bool all = true;
  for (const HeldFile& f : HeldFiles(*this)) {
    if (!storage::Unwritten(f.path)) continue;
    all = ReportWrite(f.file, storage::WriteUnwritten(f.path)) && all;
  }
  return all;
}

bool TFlist::WriteDrawingFile(TDrawingTarget target) {
  // Group drawings live in the group file; the live file stays as it is.
  if (CurrentView == view::Group || CurrentView == view::GroupPrint) return true;
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

void TFlist::ReadDrawingFile(TDrawingTarget target) {
  if (target == dtDrawing) Clear();
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
