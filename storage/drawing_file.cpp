// The drawing record file: the live drawing, the saved copy, the backup and
// wizard drawings, and the two filtering readers the paint handler uses.
#include "model/flist.h"
#include "storage/record_codec.h"
#include "storage/settings_files.h"

namespace {

constexpr int32 kViewStateReady = 2;
// Wizard steps during which the live drawing is read from the wizard's
// example drawing in WDS\ (0 wall wizard, 100 room wizard).
constexpr int32 kWallWizardStart = 0;
constexpr int32 kRoomWizardStart = 100;

bool WizardStarting() {
  return WizardActive == 1 && (WizardStep == kWallWizardStart || WizardStep == kRoomWizardStart);
}

// Filled shapes and symbols are drawn first, under everything else.
bool IsShapeKind(int32 k) {
  return (kind::IsPolygonKind(k) && k != kind::OpeningFrame) || kind::IsFilledShapeKind(k);
}

void ReadTarget(TFlist& list, TDrawingTarget target, const storage::KeepFn& keep) {
  const std::string path = list.DrawingReadPath(target);
  if (path.empty()) return;
  // The offset comes from the sheet and units in force before the header's
  // units flag is taken over.
  const storage::Placement centre = storage::PageCentre();
  const storage::ReadResult r = storage::ReadListFile(path, list, centre, keep);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
  list.LastRead = {r.file,
                   r.file == plat::ReadStatus::Ok && r.headerRead && r.complete &&
                       r.cutElements == 0,
                   r.header.count,
                   r.appended,
                   r.cutElements,
                   r.cut.characters,
                   r.cut.points};
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

void TFlist::WriteDrawingFile(TDrawingTarget target) {
  // Group drawings live in the group file; the live file stays as it is.
  if (CurrentView == view::Group || CurrentView == view::GroupPrint) return;
  const std::string path = DrawingWritePath(target);
  if (path.empty()) return;
  if (Count() > 0) ViewState = kViewStateReady;
  // A file that cannot be written keeps its old contents; callers go on.
  storage::WriteListFile(path, *this, storage::HeaderFromGlobals(0), storage::PageCentre());
}

void TFlist::ReadDrawingFile(TDrawingTarget target) {
  if (target == dtDrawing) Clear();
  ReadTarget(*this, target, {});
}

void TFlist::ReadDrawingShapes(TDrawingTarget target) {
  ReadTarget(*this, target, [](const TObj& e) { return IsShapeKind(e.Kind); });
}

void TFlist::ReadDrawingStructure(TDrawingTarget target) {
  ReadTarget(*this, target, [](const TObj& e) { return !IsShapeKind(e.Kind); });
}
