// Failed writes of the drawing's files. The drawing then stays marked
// changed (the title keeps its star, the save question comes again) and the
// user is told once, in plain words, until a write works again. Failed
// writes of the other files (settings, library items, the paste buffer)
// are told the same way, without touching the drawing.
#include <utility>

#include "model/flist.h"
#include "model/globals.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"

namespace {

constexpr const char* kNotSaved =
    "the drawing could not be saved: %s; your changes are still open in the window";
constexpr const char* kUndoNotKept = "the undo step could not be kept: %s";
constexpr const char* kSettingsNotKept = "the settings could not be kept: %s";
constexpr const char* kLibraryItemNotKept = "the library item could not be stored: %s";
constexpr const char* kPasteBufferNotKept = "the copy could not be kept for pasting: %s";

using File = TFlist::StoredFile;

// The files read back as the drawing: a write of one that works means the
// drawing is on disk again.
bool IsWorkingFile(File f) { return f == File::Live || f == File::Group; }

// The files without which the drawing is not saved.
bool KeepsTheDrawing(File f) { return IsWorkingFile(f) || f == File::SavedCopy; }

// A file written because the user asked for it, rather than on the way.
bool AskedFor(cfg::Kept what) { return what != cfg::Kept::Settings; }

const char* NotKept(cfg::Kept what) {
  switch (what) {
    case cfg::Kept::Settings: break;
    case cfg::Kept::LibraryItem: return kLibraryItemNotKept;
    case cfg::Kept::PasteBuffer: return kPasteBufferNotKept;
  }
  return kSettingsNotKept;
}

void Tell(const char* format, const std::string& problem) {
  plat::ErrorBox(plat::Format(format, problem.c_str()), plat::mbOK);
}

}  // namespace

bool TMainForm::HasUnsavedChanges() const {
  return drawingOpen_ && (AutosaveMode == autosave::Changed || SaveFailed());
}

bool TMainForm::SaveFailed() const { return saveFailed_ || DrawingList.HoldsUnwrittenFiles(); }

void TMainForm::DrawingFileWritten(TFlist::StoredFile file, const plat::WriteResult& written) {
  FailedWrites& w = writes_;
  const bool undo = file == File::UndoStep;
  if (written) {
    if (undo) w.undoTold = false;
    if (IsWorkingFile(file)) w.drawingTold = false;
    return;
  }
  if (w.quiet) return;
  if (KeepsTheDrawing(file)) {
    saveFailed_ = true;
    MarkDrawingChanged();
  }
  // Putting a drawing back to its last save tells its failure in words of
  // its own, once every file was tried.
  if (w.puttingBack) {
    if (!w.notPutBack) w.notPutBack = written;
    return;
  }
  const std::string problem = written.Problem();
  if (w.reports > 0) {
    std::string& first = undo ? w.undo : w.drawing;
    if (first.empty()) first = problem;
    return;
  }
  // A write after an edit, perhaps in the middle of a paint: told once the
  // event is done, and only the first time.
  bool& told = undo ? w.undoTold : w.drawingTold;
  if (told) return;
  told = true;
  const char* format = undo ? kUndoNotKept : kNotSaved;
  plat::Ui().Later([format, problem] { Tell(format, problem); });
}

void TMainForm::SettingsFileWritten(const plat::WriteResult& written, cfg::Kept what) {
  FailedWrites& w = writes_;
  if (written) {
    w.settingsTold.erase(written.path);
    return;
  }
  if (w.settingsTold.count(written.path) || w.settings.error) return;
  w.settings = written;
  w.settingsKept = what;
  if (w.reports > 0) return;
  // A write in the middle of an event (a resize, a zoom) may be one of
  // several: the first failure is told once the event is done.
  plat::Ui().Later([] {
    if (MainForm) MainForm->TellSettingsFailure();
  });
}

void TMainForm::TellSettingsFailure() {
  FailedWrites& w = writes_;
  if (!w.settings.error) return;
  const plat::WriteResult failed = std::exchange(w.settings, {});
  if (!AskedFor(w.settingsKept)) w.settingsTold.insert(failed.path);
  Tell(NotKept(w.settingsKept), failed.Problem());
}

TMainForm::WriteReport::WriteReport(TMainForm& form, bool always) : form_(form) {
  ++form_.writes_.reports;
  form_.writes_.always = form_.writes_.always || always;
}

TMainForm::WriteReport::~WriteReport() {
  FailedWrites& w = form_.writes_;
  if (--w.reports > 0) return;
  // One message for the command: the drawing's, else the undo store's,
  // else the settings'. A settings file left untold is told by the next
  // command that cannot write it.
  if (!w.drawing.empty() && (w.always || !w.drawingTold)) {
    w.drawingTold = true;
    Tell(kNotSaved, w.drawing);
  } else if (w.drawing.empty() && !w.undo.empty() && (w.always || !w.undoTold)) {
    w.undoTold = true;
    Tell(kUndoNotKept, w.undo);
  } else {
    form_.TellSettingsFailure();
  }
  w.drawing.clear();
  w.undo.clear();
  w.settings = {};
  w.always = false;
}

void TMainForm::ForgetFailedWrites() {
  saveFailed_ = false;
  writes_.drawingTold = false;
  writes_.undoTold = false;
}
