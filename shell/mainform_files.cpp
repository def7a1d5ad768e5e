// The drawing life cycle of the main form: new, open, save, the save
// question, the recent drawings, reopening the last drawing at start and
// leaving through Exit.
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "dialogs/shell_dialogs.h"
#include "model/flist.h"
#include "model/globals.h"
#include "model/queries_support.h"
#include "planwindow/childwin.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "shell/mainform.h"
#include "storage/cfgfile.h"
#include "storage/damaged_files.h"
#include "storage/record_codec.h"
#include "storage/settings_files.h"
#include "storage/unwritten_files.h"

namespace {

constexpr const char* kSaveQuestion = "do you wish to save drawing changes?";
constexpr const char* kNoSuchDrawing = "no drawing of that name";
constexpr const char* kOnlyDrawingsFolder =
    "Drawings are opened from the DWGS folder only: choose a drawing there";
constexpr const char* kTooLarge = " is larger than any drawing can be and was not opened";
constexpr const char* kNoMemory = "There is not enough memory to open the drawing";
constexpr const char* kNotADrawing =
    "Drawing %s cannot be read as a drawing: %s is not a file, and it was not opened.";
constexpr const char* kReplaceQuestion =
    "a drawing of that name already exists - do you wish to replace it?";

// The six per-floor information records every drawing starts with.
constexpr int32 kInfoRecords = 6;

std::string LiveFile(const std::string& name) { return ProgramFile("DWGS\\" + name + ".KWV"); }

// Whether a chosen file lies in the drawings folder itself.
bool InDrawingsFolder(const std::string& path) {
  std::error_code ec;
  const auto folder = std::filesystem::weakly_canonical(plat::MapPath(ProgramFile("DWGS\\")), ec);
  const auto parent = std::filesystem::weakly_canonical(std::filesystem::path(path), ec).parent_path();
  return !ec && std::filesystem::equivalent(folder, parent, ec) && !ec;
}

bool InGroupView() { return TFlist::GroupShown(); }

std::string WorkingFilePath() {
  return InGroupView() ? DrawingList.GroupFilePath() : DrawingList.DrawingWritePath(dtDrawing);
}

void MarkSaved() {
  if (AutosaveMode == autosave::Changed) AutosaveMode = autosave::Unchanged;
}

std::string ReadLastDrawingName() {
  auto text = plat::ReadWholeFile(ProgramFile(cfgfile::LastDrawing));
  if (!text) return {};
  std::string name = text->substr(0, text->find_first_of("\r\n"));
  return name;
}

void ReadLastUndoViews() {
  cfg::Reader r(ProgramFile(cfgfile::LastUndoViews));
  for (int32& v : DrawingList.UndoViews) {
    if (!r.Int(v)) v = 0;
  }
}

// What kept a drawing from being read whole, in the user's words, each
// beginning in lower case.
std::vector<std::string> ReadFaultTexts(const TFlist::ReadReport& read) {
  using Stop = ReadFaults::Stop;
  const ReadFaults& f = read.faults;
  std::vector<std::string> texts;
  auto count = [](std::int64_t n, const char* one, const char* many) {
    return n == 1 ? std::string(one) : plat::Format(many, static_cast<long long>(n));
  };
  if (read.file == plat::ReadStatus::Missing) texts.push_back("the file cannot be opened");
  if (read.file == plat::ReadStatus::Failed)
    texts.push_back("the file could not be read to its end");
  switch (f.stop) {
    case Stop::None: break;
    case Stop::Empty:
      texts.push_back(f.value == 0 ? "the file is empty"
                                   : "the file holds nothing but blank space");
      break;
    case Stop::NotAHeader:
      texts.push_back("the file does not begin with a drawing's header");
      break;
    case Stop::HeaderCut: texts.push_back("the header is incomplete"); break;
    case Stop::NegativeCount:
      texts.push_back(plat::Format("the header counts a negative number of elements (%lld)",
                                   static_cast<long long>(f.value)));
      break;
    case Stop::Ended:
      texts.push_back(f.kind == 0 ? "the header counts more elements than the file holds"
                                  : plat::Format("the file ends within element %d (kind %d)",
                                                 f.element, f.kind));
      break;
    case Stop::Broken:
      texts.push_back(f.kind != 0
                          ? plat::Format("element %d (kind %d) is broken", f.element, f.kind)
                          : plat::Format("element %d does not begin with its kind", f.element));
      break;
    case Stop::PointsPastEnd:
      texts.push_back(plat::Format("a polygon counts %lld points, more than the file holds",
                                   static_cast<long long>(f.value)));
      break;
    case Stop::TextPastEnd:
      texts.push_back(plat::Format("a text of %lld characters runs past the end of the file",
                                   static_cast<long long>(f.value)));
      break;
  }
  if (f.unknownKinds > 0)
    texts.push_back(f.unknownKinds == 1
                        ? plat::Format("a record of unknown kind %d", f.firstUnknownKind)
                        : plat::Format("%d records of unknown kinds, the first of kind %d",
                                       f.unknownKinds, f.firstUnknownKind));
  if (read.cutElements > 0) {
    std::string left;
    if (read.cutCharacters > 0)
      left = plat::Format("%lld characters of text", static_cast<long long>(read.cutCharacters));
    if (read.cutPoints > 0)
      left += (left.empty() ? "" : " and ") +
              plat::Format("%lld polygon points", static_cast<long long>(read.cutPoints));
    texts.push_back(plat::Format("%d %s could not be kept whole: %s left out", read.cutElements,
                                 read.cutElements == 1 ? "element" : "elements", left.c_str()));
  }
  if (f.heldValues > 0)
    texts.push_back(count(f.heldValues, "a number lies beyond the range a value can hold",
                          "%lld numbers lie beyond the range a value can hold"));
  if (f.negativeLengths > 0)
    texts.push_back(count(f.negativeLengths, "a text length or point count is below zero",
                          "%lld text lengths or point counts are below zero"));
  if (f.trailing) texts.push_back("more follows the last element its header counts");
  if (texts.empty()) texts.push_back("the file holds no elements");
  return texts;
}

// The faults as sentences, each after a space.
std::string FaultSentences(const std::vector<std::string>& faults) {
  std::string text;
  for (std::string fault : faults) {
    fault[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(fault[0])));
    text += " " + fault + ".";
  }
  return text;
}

void WriteLastUndoViews() {
  const int32* u = DrawingList.UndoViews;
  cfg::Write(ProgramFile(cfgfile::LastUndoViews),
             plat::Format("%d %d %d %d %d %d %d %d %d %d\n", u[0], u[1], u[2], u[3], u[4], u[5],
                          u[6], u[7], u[8], u[9]));
}

}  // namespace

void TMainForm::SetUnits(int32 metric) {
  MetricUnits = metric == 1 ? 1 : 0;
  if (MetricUnits == 1) {
    PixelScale = 5;
    ZoomUnits = 5;
  } else {
    PixelScale = 6;
    ZoomUnits = 4;
  }
  // The sheet of the units places the drawing about its centre.
  queries::ReadSheetSize();
}

bool TMainForm::KeepCurrentDrawing() {
  if (!drawingOpen_) return true;
  // What a failed write holds goes only with the user's word: asked as
  // Exit asks, Yes writing every held file.
  if (SaveFailed()) return AskSaveChanges() != SaveAnswer::NotSaved;
  // A floor drawing of nothing but its information records needs no
  // write; a group drawing has no such records.
  if (!InGroupView() && DrawingList.Count() <= kInfoRecords) return true;
  // Every file took its last write: they hold the drawing already, and a
  // rewrite that fails (a drawing only looked at in a folder that cannot be
  // written) loses nothing.
  WriteWorkingFileQuietly();
  return true;
}

void TMainForm::WriteWorkingFileQuietly() {
  writes_.quiet = true;
  // Its file holds the drawing already: nothing need be held in its place.
  if (!DrawingList.WriteDrawingFile(dtDrawing)) storage::ReleaseUnwritten(WorkingFilePath());
  writes_.quiet = false;
}

bool TMainForm::SaveDrawing() {
  WriteReport report(*this, true);
  // A save from any window saves both drawings: the floors' drawing
  // becomes the saved copy (from the group view, the live file as its last
  // edit left it) and the group file as it stands the saved group drawing.
  // The saved states change last, once every file the drawing is read from
  // took it, so that a save failing half way leaves them as they were.
  const bool saved = DrawingList.WriteDrawingFile(dtDrawing) && DrawingList.WriteHeldFiles() &&
                     DrawingList.WriteSavedCopy();
  if (!saved) return false;
  DrawingList.KeepGroupAsSaved();
  saveFailed_ = false;
  neverSaved_ = false;
  MarkSaved();
  return true;
}

// The window extent at normal zoom, which the half zoom adds up.
void TMainForm::WriteNormalZoom() {
  TMDIChild* child = ActiveChild();
  if (!child) return;
  int32 h = 0, w = 0;
  child->GetClientExtent(&h, &w);
  if (w <= 0 || h <= 0) return;
  cfg::Write(ProgramFile(cfgfile::NormalZoom), plat::Format("%d %d", w * ZoomUnits, h * ZoomUnits));
}

void TMainForm::Timer1Timer() {
  timer1_.SetEnabled(false);
  OpenRecentFile(0);
  st.SetPanelText(panel::Guide, kStartPrompt);
}

void TMainForm::CmFilenewExecute() {
  CurrentFunction = func::File;
  WizardFileNew();
  dlg::TTNewdlg choice;
  choice.metric = MetricUnits;
  for (;;) {
    if (!dlg::ShowModal(choice)) return;
    if (!dlg::ValidDrawingName(choice.name)) {
      plat::ErrorBox(dlg::kNameIncorrect, plat::mbRetry);
      continue;
    }
    // A new drawing must not silently wipe a stored one of the same name.
    if (plat::FileExists(LiveFile(choice.name)) && !plat::AskYesNo(kReplaceQuestion)) continue;
    break;
  }

  if (!KeepCurrentDrawing()) return;
  // The user chose to replace what stands under the name, damaged or not.
  storage::ForgetDamaged(LiveFile(choice.name));
  CloseAllChildren();
  SetUnits(choice.metric);
  DrawingList.SetDrawingName(choice.name);
  // The view of the new drawing first: the undo store and the drawing files
  // stay untouched while the group view is current.
  CurrentView = choice.designRooms ? view::LayoutGround : view::Ground;

  ForgetFailedWrites();
  if (AutosaveMode != autosave::SaveWithoutAsking) AutosaveMode = autosave::Unchanged;
  {
    WriteReport report(*this);
    // A group drawing left under this name belongs to another drawing. Its
    // header must not hand its counts to the new drawing: read it before the
    // counts are reset.
    DrawingList.Clear();
    const int32 units = MetricUnits;
    DrawingList.ReadGroupFile();
    MetricUnits = units;
    if (DrawingList.Count() > 0) {
      DrawingList.Clear();
      DrawingList.WriteGroupFile();
    }

    DesignRoomCount = 0;
    OpeningCount = 0;
    NextGroupNumber = 0;
    DrawingList.UpdateUndoHistory(uoReset, 0);
    undoOwner_ = choice.name;
    undoViewsKeptByExit_ = false;

    InitDrawingList();
    DrawingList.ShownRepaint = 2;
    DrawingList.WantedRepaint = 2;
    DrawingList.WriteDrawingFile(dtDrawing);
    DrawingList.WriteDrawingFile(dtSavedCopy);
  }
  drawingOpen_ = true;
  neverSaved_ = true;
  crds.SetSimpleText("");  // the read-out of the drawing left behind
  RememberRecentFile(DrawingList.DrawingName);

  ShowView(0, ViewExtension(CurrentView));
  // Files keep positions about the sheet's centre, and the window has just
  // fitted the sheet's height to its own shape: the new drawing's records
  // are written again about the sheet as it now is, so that they read back
  // where they were made.
  InitDrawingList();
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.WriteDrawingFile(dtSavedCopy);
  DrawingList.KeepGroupAsSaved();
  WriteNormalZoom();
  StartDrawingTool(choice.designRooms);
}

void TMainForm::CmFileopenExecute() {
  CurrentFunction = func::File;
  plat::FileDialogRequest request;
  request.title = "Open";
  request.directory = "DWGS\\";
  request.filter = "Drawings (*.KWV)";
  request.defaultExt = "KWV";
  request.stayInDirectory = true;
  std::string path;
  for (;;) {
    if (!plat::Ui().OpenFileDialog(request, path)) return;
    if (InDrawingsFolder(path)) break;
    // A drawing is its name in DWGS\: a file elsewhere would be looked for
    // there under its name and not found.
    plat::ErrorBox(kOnlyDrawingsFolder, plat::mbRetry);
  }
  OpenNamedDrawing(std::filesystem::path(path).stem().string());
}

bool TMainForm::OpenNamedDrawing(const std::string& name) {
  CurrentFunction = func::File;
  if (!dlg::ValidDrawingName(name) || plat::WhatIsAt(LiveFile(name)) == plat::PathKind::Nothing) {
    plat::Ui().ShowMessage(kNoSuchDrawing);
    return false;
  }
  if (!plat::FileExists(LiveFile(name))) {
    // A folder, a pipe or a device where the drawing belongs: the name
    // stays a drawing's, and nothing is read.
    plat::ErrorBox(plat::Format(kNotADrawing, name.c_str(),
                                ShownFile("DWGS\\" + name + ".KWV").c_str()),
                   plat::mbCancel);
    return false;
  }
  // A wizard's example would otherwise be read in place of the drawing.
  EndWizards();
  if (!KeepCurrentDrawing()) return false;

  const std::string previous = DrawingList.DrawingName;
  const int32 previousUnits = MetricUnits;
  DrawingList.SetDrawingName(name);
  // Placed about the centre of the sheet of the drawing's own units, as it
  // is written back (the saved copy below) and shown: the window keeps the
  // list while that placement stays.
  storage::Placement placed;
  readingToOpen_ = true;  // what the read finds is told below
  DrawingList.ReadDrawingFileInUnits([&](int32 units) {
    SetUnits(units);
    placed = storage::PageCentre();
  });
  readingToOpen_ = false;
  const TFlist::ReadReport read = DrawingList.LastRead;
  // A damaged drawing is opened only when its bytes are kept: its first
  // write would otherwise put what was read over the only copy.
  const bool unkept = !read.complete && read.keptAs.empty();
  if (DrawingList.Count() == 0 || read.file == plat::ReadStatus::TooLarge ||
      read.file == plat::ReadStatus::NoMemory || unkept) {
    // Nothing of the drawing is kept: the one open before stays open, so no
    // later write can put a half-read drawing over either file.
    if (read.file == plat::ReadStatus::TooLarge)
      plat::ErrorBox(ShownFile("DWGS\\" + name + ".KWV") + kTooLarge,
                     plat::mbCancel);
    else if (read.file == plat::ReadStatus::NoMemory)
      plat::ErrorBox(kNoMemory, plat::mbCancel);
    else if (plat::WhatIsAt(LiveFile(name)) == plat::PathKind::Nothing)
      plat::Ui().ShowMessage(kNoSuchDrawing);  // gone since it was looked for
    else
      ReportDamagedDrawing(name, read, false);
    DrawingList.SetDrawingName(previous);
    SetUnits(previousUnits);
    if (drawingOpen_) DrawingList.ReadDrawingFile(dtDrawing);
    return false;
  }
  SetUnits(MetricUnits);
  // Whatever could not be read would be gone at the next write: the file as
  // it was is kept beside it first, and the user told.
  if (!read.complete) ReportDamagedDrawing(name, read, true);
  // The group view is left: the undo store and the saved copy are the
  // drawing's again.
  CurrentView = view::Ground;

  // The undo steps kept by Exit belong to the drawing left last, and only
  // while no other drawing has used the undo store since the start.
  const bool ownSteps =
      name == ReadLastDrawingName() && (undoViewsKeptByExit_ || name == undoOwner_);
  ForgetFailedWrites();
  MarkSaved();
  {
    WriteReport report(*this);
    if (!ownSteps)
      DrawingList.UpdateUndoHistory(uoReset, 0);
    else if (undoViewsKeptByExit_)
      ReadLastUndoViews();
    DrawingList.WriteDrawingFile(dtSavedCopy);
  }
  DrawingList.KeepGroupAsSaved();
  undoOwner_ = name;
  undoViewsKeptByExit_ = false;
  DrawingList.ShownRepaint = 2;
  DrawingList.WantedRepaint = 2;
  drawingOpen_ = true;
  neverSaved_ = false;
  crds.SetSimpleText("");  // the read-out of the drawing left behind
  RememberRecentFile(name);

  CloseAllChildren();
  CurrentView = view::Ground;
  ShowView(0, ViewExtension(CurrentView), &placed);
  WriteNormalZoom();
  SelectPickTool();
  return true;
}

void TMainForm::ReportDamagedDrawing(const std::string& name, const TFlist::ReadReport& read,
                                     bool opened) {
  plat::InfoBox(DamagedDrawingText(name, read,
                                   opened ? DamagedWhen::Opened : DamagedWhen::NotOpened));
}

void TMainForm::DrawingFileDamaged(TFlist::StoredFile file, const TFlist::ReadReport& read) {
  // The open that reads a drawing tells what it found itself.
  if (readingToOpen_) return;
  DamagedWhen when = DamagedWhen::WhileOpen;
  if (file == TFlist::StoredFile::Group) when = DamagedWhen::GroupRead;
  if (file == TFlist::StoredFile::UndoStep) when = DamagedWhen::UndoStep;
  if (file == TFlist::StoredFile::RedoStep) when = DamagedWhen::RedoStep;
  const std::string text = DamagedDrawingText(DrawingList.DrawingName, read, when);
  // Met in the middle of a paint or an edit: told once the event is done.
  plat::Ui().Later([text] { plat::InfoBox(text); });
}

void TMainForm::DamagedCopyMadeAgain(const std::string& path, const std::string& copy,
                                     const std::string& before) {
  const std::string real = plat::MapPath(path);
  const std::string name = DrawingList.DrawingName;
  std::string file = real;
  if (real == plat::MapPath(LiveFile(name)))
    file = "drawing " + name;
  else if (real == plat::MapPath(DrawingList.GroupFilePath()))
    file = "the group drawing of " + name;
  const std::string text =
      before.empty()
          ? plat::Format("A copy of %s as it was could be kept at last: it is kept as %s.",
                         file.c_str(), plat::MapPath(copy).c_str())
          : plat::Format("The copy of %s as it was (%s) was removed or changed since it was "
                         "kept, so the file as it was is now kept as %s.",
                         file.c_str(), plat::MapPath(before).c_str(),
                         plat::MapPath(copy).c_str());
  // Made before a write in the middle of an edit or a save.
  plat::Ui().Later([text] { plat::InfoBox(text); });
}

std::string TMainForm::DamagedDrawingText(const std::string& name, const TFlist::ReadReport& read,
                                          DamagedWhen when) {
  std::vector<std::string> faults = ReadFaultTexts(read);
  const char* drawing = name.c_str();
  const bool all = read.read >= read.expected;
  std::string text;
  switch (when) {
    case DamagedWhen::NotOpened:
      text = plat::Format("Drawing %s could not be read %sand was not opened: ", drawing,
                          read.read > 0 ? "whole " : "");
      for (std::size_t i = 0; i < faults.size(); ++i) text += (i > 0 ? "; " : "") + faults[i];
      text += ".";
      faults.clear();
      break;
    case DamagedWhen::Opened:
      text = all ? plat::Format("Drawing %s was opened with all %d of its elements.", drawing,
                                read.read)
                 : plat::Format("Only part of drawing %s could be read: %d of %d elements.",
                                drawing, read.read, read.expected);
      break;
    case DamagedWhen::WhileOpen:
      text = all ? plat::Format("Drawing %s changed outside the program: all %d of its elements "
                                "were read.",
                                drawing, read.read)
                 : plat::Format("Drawing %s changed outside the program and only part of it "
                                "could be read: %d of %d elements.",
                                drawing, read.read, read.expected);
      break;
    case DamagedWhen::GroupRead:
      text = all ? plat::Format("The group drawing of %s was read with all %d of its elements.",
                                drawing, read.read)
                 : plat::Format("Only part of the group drawing of %s could be read: %d of %d "
                                "elements.",
                                drawing, read.read, read.expected);
      break;
    case DamagedWhen::UndoStep:
    case DamagedWhen::RedoStep:
      text = plat::Format("The step to %s in drawing %s could not be read whole, so it was given "
                          "up and the drawing is left as it is.",
                          when == DamagedWhen::UndoStep ? "undo" : "redo", drawing);
      if (!all)
        text += plat::Format(" Only %d of its %d elements could be read.", read.read,
                             read.expected);
      break;
  }
  text += FaultSentences(faults);
  // A file read whole, or one that could not be opened at all, holds
  // nothing the program could lose; nor does a step, the program's own.
  if (when == DamagedWhen::UndoStep || when == DamagedWhen::RedoStep) return text;
  if (!read.keptAs.empty())
    text += " The file as it was is kept as " + plat::MapPath(read.keptAs) + ".";
  else if (!read.complete && read.file != plat::ReadStatus::Missing)
    text += " No copy of the file as it was could be kept (" + read.notKept +
            (when == DamagedWhen::NotOpened || when == DamagedWhen::Opened
                 ? "), so it is left as it is."
                 : "), so the program does not write over it.");
  return text;
}

namespace {

// Why declining changes left the drawing's file as it was.
std::string KeepsItsChanges(const std::string& name, const char* why) {
  return plat::Format("Drawing %s keeps its changes: the drawing as last saved (%s) %s, so it "
                      "was not put back.",
                      name.c_str(), plat::MapPath(ProgramFile(cfgfile::SavedCopy)).c_str(), why);
}

// Why the drawing stays open after its changes were declined, and what
// the user can do: room on a full disk, else a file that can be written.
std::string NotPutBackText(const std::string& name, const plat::WriteResult& failed,
                           bool exiting) {
  const bool full = failed.error == ENOSPC || failed.error == EDQUOT;
  const char* again = exiting ? "close again" : "try again";
  const std::string then = full ? plat::Format("free some room and %s", again)
                                : plat::Format("%s once the file can be written", again);
  return plat::Format("Drawing %s could not be put back to its last save: %s. It stays open; %s, "
                      "or save.",
                      name.c_str(), failed.Problem().c_str(), then.c_str());
}

}  // namespace

std::string TMainForm::SavedCopyUnreadText(const std::string& name,
                                            const TFlist::ReadReport& read) {
  return KeepsItsChanges(name, "could not be read whole") + FaultSentences(ReadFaultTexts(read));
}

std::string TMainForm::SavedCopyEmptyText(const std::string& name) {
  return KeepsItsChanges(name, "holds no element");
}

void TMainForm::OpenRecentFile(int index) {
  if (index < 0 || index >= kRecentFileCount || RecentFiles[index].empty()) return;
  const std::string name = RecentFiles[index];
  // A drawing that is gone would otherwise come back with its message at
  // every start; one that is there but cannot be opened keeps its place.
  if (!OpenNamedDrawing(name) && plat::WhatIsAt(LiveFile(name)) == plat::PathKind::Nothing)
    ForgetRecentFile(name);
}

void TMainForm::CmSaveExecute() {
  if (!drawingOpen_) return;
  CurrentFunction = func::File;
  SaveDrawing();
}

// Switches between asking before discarding changes and saving without
// asking; the drawing as it stands becomes the saved one.
void TMainForm::CmAutosaveExecute() {
  CurrentFunction = func::File;
  AutosaveMode = AutosaveMode == autosave::SaveWithoutAsking ? autosave::Unchanged
                                                             : autosave::SaveWithoutAsking;
  cfg::Write(ProgramFile(cfgfile::Autosave), plat::Format("%d\n", AutosaveMode));
  WriteReport report(*this);
  // As a save: the saved states change only once every file took the drawing.
  if (drawingOpen_) SaveDrawing();
}

TMainForm::SaveAnswer TMainForm::AskSaveChanges() {
  if (!drawingOpen_) return SaveAnswer::NothingToSave;
  // A save that failed, or a file whose content is still held unwritten,
  // is asked about again, even when saving goes without asking: declining
  // is then the way to leave the changes.
  const bool failed = SaveFailed();
  if (AutosaveMode == autosave::SaveWithoutAsking && !failed)
    return SaveDrawing() ? SaveAnswer::Saved : SaveAnswer::NotSaved;
  if (AutosaveMode != autosave::Changed && !failed) return SaveAnswer::NothingToSave;
  if (plat::AskYesNo(kSaveQuestion))
    return SaveDrawing() ? SaveAnswer::Saved : SaveAnswer::NotSaved;
  return PutBackLastSave() ? SaveAnswer::Declined : SaveAnswer::NotSaved;
}

bool TMainForm::PutBackLastSave() {
  // Each file back to its last save, the group file to the group drawing
  // as last saved and the live file to the saved copy, never one from the
  // other. A file that cannot take it marks the drawing changed again, as
  // it still holds the changes: what it could not take is held in its place
  // and written by the next answer that works.
  writes_.puttingBack = true;
  saveFailed_ = false;
  MarkSaved();
  DrawingList.RestoreSavedGroup();
  DrawingList.Clear();
  DrawingList.ReadDrawingFile(dtSavedCopy);
  const TFlist::ReadReport saved = DrawingList.LastRead;
  if (!saved.complete)
    // Part of a drawing, or none, is no saved state to go back to: the live
    // file keeps the drawing with its changes.
    plat::InfoBox(SavedCopyUnreadText(DrawingList.DrawingName, saved));
  else if (DrawingList.Count() > 0)
    DrawingList.WriteDrawingFile(dtDrawing);  // the floors' drawing, whatever the view
  else if (!neverSaved_)
    // The program never saves a drawing of no element: a saved copy made
    // empty from outside must not delete what the user saved.
    plat::InfoBox(SavedCopyEmptyText(DrawingList.DrawingName));
  else if (DrawingList.DeleteDrawingFile() == 1)
    drawingOpen_ = false;  // never saved: nothing is left of it
  // The list holds the view's drawing again, and every window shows it:
  // when the program stays, its windows must not show what was declined.
  if (drawingOpen_ && (InGroupView() || !saved.complete || DrawingList.Count() == 0))
    DrawingList.ReadDrawingFile(dtDrawing);
  InvalidateAllChildren();
  writes_.puttingBack = false;
  const std::optional<plat::WriteResult> failed = std::exchange(writes_.notPutBack, std::nullopt);
  if (!failed) return true;
  // Left so, the file would be read back as the drawing at the next start,
  // its changes taken as saved: the drawing stays open until it can be put
  // back or is saved.
  plat::ErrorBox(NotPutBackText(DrawingList.DrawingName, *failed, exiting_), plat::mbOK);
  return false;
}

void TMainForm::CmExitExecute() {
  if (exiting_) return;
  exiting_ = true;
  CurrentFunction = func::File;
  // A save that failed keeps the program open with the changes; the next
  // Exit asks again.
  const SaveAnswer answer = AskSaveChanges();
  if (answer == SaveAnswer::NotSaved) {
    exiting_ = false;
    return;
  }
  if (drawingOpen_) {
    // Saved, given up, or held nowhere (anything held was asked about):
    // nothing is lost whatever the rewrite does.
    WriteWorkingFileQuietly();
    // Told before the window goes: the settings the next start reads.
    WriteReport report(*this);
    cfg::Write(ProgramFile(cfgfile::LastDrawing), DrawingList.DrawingName + "\n");
    WriteLastUndoViews();
    RememberRecentFile(DrawingList.DrawingName);
  } else {
    WriteReport report(*this);
    WriteRecentFiles();
  }
  CloseAllChildren();
  if (onCloseRequested) onCloseRequested();
}

void TMainForm::FormCloseQuery() { CmExitExecute(); }
