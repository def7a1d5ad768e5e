// The undo store: ten undo and ten redo steps, each a whole-drawing snapshot
// file ACT\Action<n>.tmp, and the view code of each undo step.
//
//   slots 0..9    undo stack, 0 the newest
//   slots 10..19  redo stack, 10 the newest
//   slot 20       the drawing as it stood when the last undo or redo began
#include <algorithm>
#include <string>

#include "model/flist.h"
#include "platform/files.h"
#include "storage/record_codec.h"

namespace {

constexpr int32 kUndoTop = 0;
constexpr int32 kRedoTop = UndoDepth;          // 10
constexpr int32 kScratchSlot = 2 * UndoDepth;  // 20
constexpr int32 kViewStateReady = 2;

// Content codes of WriteUndoSnapshot: 0 an empty snapshot, anything else the
// whole list (1 when recording, 2 for the drawing an undo or redo replaces).
constexpr int32 kEmptySnapshot = 0;
constexpr int32 kRecordedStep = 1;
constexpr int32 kReplacedDrawing = 2;

// The undo store keeps nothing of the group drawing on screen; its print
// records a step like any print.
bool GroupOnScreen() { return CurrentView == view::Group; }

// Empties a slot of whatever stands at its name (a folder only when it
// holds nothing): true when nothing is left there.
bool EmptySlot(const std::string& path) {
  plat::DeleteEntry(path);
  return plat::WhatIsAt(path) == plat::PathKind::Nothing;
}

}  // namespace

std::string TFlist::UndoSlotPath(int32 slot) const {
  return ProgramDir + "ACT\\Action" + std::to_string(slot) + ".tmp";
}

bool TFlist::WriteUndoSnapshot(int32 slot, int32 content) {
  if (GroupOnScreen()) return true;
  const std::string path = UndoSlotPath(slot);
  const bool whole = content != kEmptySnapshot;
  if (whole && Count() > 0) ViewState = kViewStateReady;
  std::string data;
  if (whole) {
    data = storage::FormatList(*this, storage::HeaderFromGlobals(0), storage::PageCentre());
  } else {
    storage::RecordWriter(data).Header(storage::HeaderFromGlobals(0));
  }
  // A folder at the slot's name would refuse the write (anything else there
  // is replaced by it).
  if (plat::WhatIsAt(path) == plat::PathKind::Folder) EmptySlot(path);
  // A slot that cannot be written must not keep an older step: it then
  // reads as empty.
  const plat::WriteResult written = plat::WriteFileAtomic(path, data);
  if (!written) EmptySlot(path);
  return ReportWrite(StoredFile::UndoStep, written);
}

bool TFlist::ReadUndoSnapshot(int32 slot) {
  if (GroupOnScreen()) return true;
  const storage::Placement centre = storage::PageCentre();
  const int32 before = Count();
  const std::string path = UndoSlotPath(slot);
  const storage::ReadResult r = storage::ReadListFile(path, *this, centre);
  LastRead = ReportOf(r);
  // A slot never written, or dropped after a failed write, is an empty
  // step; a folder, pipe or link to nothing at its name is no step at all.
  if (r.file == plat::ReadStatus::Missing)
    LastRead.complete = plat::WhatIsAt(path) == plat::PathKind::Nothing;
  if (!LastRead.complete) {
    // Part of a drawing applied as a step would cut the drawing.
    while (Count() > before) RemoveAt(Count() - 1);
    return false;
  }
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);
  content_ = Content::Floors;
  return true;
}

namespace {

// Pushes onto a stack whose newest slot is top: the oldest step is dropped
// and the others move one slot away from the top.
void ShiftDown(const TFlist& list, int32 top) {
  EmptySlot(list.UndoSlotPath(top + UndoDepth - 1));
  for (int32 s = top + UndoDepth - 2; s >= top; --s) {
    plat::RenameFile(list.UndoSlotPath(s), list.UndoSlotPath(s + 1));
  }
}

// Pops a stack whose newest slot was emptied: the others move one slot
// toward the top; the oldest slot becomes empty.
bool ShiftUp(TFlist& list, int32 top) {
  for (int32 s = top + 1; s < top + UndoDepth; ++s) {
    plat::RenameFile(list.UndoSlotPath(s), list.UndoSlotPath(s - 1));
  }
  return list.WriteUndoSnapshot(top + UndoDepth - 1, kEmptySnapshot);
}

void PushView(TFlist& list, int32 view) {
  std::copy_backward(list.UndoViews, list.UndoViews + UndoDepth - 1, list.UndoViews + UndoDepth);
  list.UndoViews[0] = view;
}

void PopView(TFlist& list) {
  std::copy(list.UndoViews + 1, list.UndoViews + UndoDepth, list.UndoViews);
  list.UndoViews[UndoDepth - 1] = 0;
}

enum class Step { Empty, Read, Damaged };

// Replaces the list by a slot.
Step Load(TFlist& list, int32 slot) {
  list.Clear();
  if (!list.ReadUndoSnapshot(slot)) return Step::Damaged;
  return list.Count() > 0 ? Step::Read : Step::Empty;
}

// Drops the newest step of the stack at `from`, with its view. A slot that
// cannot be emptied (a folder holding anything) keeps the steps behind it
// where they are rather than have one moved over another.
bool DropStep(TFlist& list, int32 from) {
  if (!EmptySlot(list.UndoSlotPath(from))) return false;
  const bool written = ShiftUp(list, from);
  if (from == kUndoTop) PopView(list);
  return written;
}

// A step that cannot be read whole is dropped from its stack, so that the
// next undo or redo reaches the steps behind it; the list is left empty,
// the drawing as it stands in its file, and the user told.
bool GiveUpStep(TFlist& list, int32 from) {
  const TFlist::ReadReport read = list.LastRead;
  list.Clear();
  list.StepGivenUp = true;
  const bool written = DropStep(list, from);
  if (list.OnReadDamaged)
    list.OnReadDamaged(from == kUndoTop ? TFlist::StoredFile::UndoStep
                                        : TFlist::StoredFile::RedoStep,
                       read);
  return written;
}

// Undo and redo are mirror images: take the newest step of `from`, push the
// drawing it replaces onto `to`. False when a step could not be written.
bool Exchange(TFlist& list, int32 from, int32 to, bool pushView, int32 view) {
  if (!list.WriteUndoSnapshot(kScratchSlot, kReplacedDrawing)) {
    // The drawing the step replaces could not be kept: nothing moves, and
    // the empty list tells the caller that nothing was undone.
    list.Clear();
    return false;
  }
  switch (Load(list, from)) {
    case Step::Empty: return true;
    case Step::Damaged: return GiveUpStep(list, from);
    case Step::Read: break;
  }
  if (Load(list, kScratchSlot) != Step::Read) {
    // Changed from outside between its write and this read: nothing moves.
    list.Clear();
    return true;
  }
  ShiftDown(list, to);
  bool written = list.WriteUndoSnapshot(to, kReplacedDrawing);
  if (pushView) PushView(list, view);
  if (Load(list, from) != Step::Read) return GiveUpStep(list, from) && written;
  return DropStep(list, from) && written;
}

}  // namespace

bool TFlist::UpdateUndoHistory(int32 op, int32 view) {
  StepGivenUp = false;
  if (GroupOnScreen()) return true;
  switch (op) {
    case uoReset: {
      bool written = true;
      for (int32 s = 0; s < 2 * UndoDepth; ++s)
        written = WriteUndoSnapshot(s, kEmptySnapshot) && written;
      std::fill(UndoViews, UndoViews + UndoDepth, 0);
      return written;
    }
    case uoRecord:
      PushView(*this, view);
      ShiftDown(*this, kUndoTop);
      return WriteUndoSnapshot(kUndoTop, kRecordedStep);
    case uoUndo: return Exchange(*this, kUndoTop, kRedoTop, false, 0);
    case uoRedo: return Exchange(*this, kRedoTop, kUndoTop, true, view);
    default: return true;
  }
}
