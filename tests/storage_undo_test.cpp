// The undo store as the plan window drives it: record before each edit,
// undo and redo by exchanging the drawing for a snapshot, ten steps each.
#include <gtest/gtest.h>

#include "tests/storage_fixture.h"

namespace {

class UndoStoreTest : public StorageTest {
 protected:
  // A drawing told apart by the Tag1 of its one line.
  static void Draw(int32 marker) {
    DrawingList.Clear();
    DrawingList.Add(new TInfoobj(32000, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0));
    DrawingList.Add(new TLineobj(1, 120, 0, marker, 0, 0, 100, 0, 0, 0, 0, 900, 0, 1, 0));
  }
  static int32 Marker(const TFlist& list) {
    return list.Count() == 0 ? -1 : list.At(list.Count() - 1)->Tag1;
  }
  int32 SlotMarker(int32 slot) {
    TFlist copy;
    Prepare(copy);
    const int32 saved = NextGroupNumber;
    copy.ReadUndoSnapshot(slot);
    NextGroupNumber = saved;
    return Marker(copy);
  }
  std::string Slot(int32 slot) { return Dir().ReadFile(DrawingList.UndoSlotPath(slot)); }

  // Records drawings 1..n, each on view 120 + its number modulo 5.
  void RecordSteps(int32 n) {
    for (int32 i = 1; i <= n; ++i) {
      Draw(i);
      DrawingList.UpdateUndoHistory(uoRecord, 120 + i % 5);
    }
  }
};

TEST_F(UndoStoreTest, SlotFilesAreNamedByNumber) {
  EXPECT_EQ(DrawingList.UndoSlotPath(7), "ACT\\Action7.tmp");
  EXPECT_EQ(DrawingList.UndoSlotPath(15), "ACT\\Action15.tmp");
}

TEST_F(UndoStoreTest, ResetEmptiesBothStacksButNotTheScratchSlotOrTheList) {
  RecordSteps(3);
  Dir().WriteFile("ACT\\Action20.tmp", "scratch");
  NextGroupNumber = 12;
  DrawingList.UpdateUndoHistory(uoReset, 0);
  for (int32 s = 0; s < 20; ++s) EXPECT_EQ(Slot(s), "0 0 0 0 1 12\n") << "slot " << s;
  EXPECT_EQ(Slot(20), "scratch");
  for (int32 v : DrawingList.UndoViews) EXPECT_EQ(v, 0);
  EXPECT_EQ(Marker(DrawingList), 3);
}

TEST_F(UndoStoreTest, ElevenRecordsKeepTheTenNewest) {
  RecordSteps(11);
  EXPECT_EQ(SlotMarker(0), 11);
  EXPECT_EQ(SlotMarker(9), 2);
  EXPECT_EQ(DrawingList.UndoViews[0], 120 + 11 % 5);
  EXPECT_EQ(DrawingList.UndoViews[9], 120 + 2 % 5);
  EXPECT_FALSE(Dir().Exists("ACT\\Action10.tmp"));
}

TEST_F(UndoStoreTest, UndoRestoresTheNewestStepAndRedoBringsBackTheLatestDrawing) {
  RecordSteps(3);
  Draw(4);  // the edit after the third record
  DrawingList.UpdateUndoHistory(uoUndo, 0);
  EXPECT_EQ(Marker(DrawingList), 3);
  EXPECT_EQ(SlotMarker(10), 4);
  EXPECT_EQ(SlotMarker(0), 2);
  EXPECT_EQ(DrawingList.UndoViews[0], 122);
  EXPECT_EQ(DrawingList.UndoViews[9], 0);
  EXPECT_EQ(SlotMarker(9), -1);

  DrawingList.UpdateUndoHistory(uoRedo, 124);
  EXPECT_EQ(Marker(DrawingList), 4);
  // The drawing the undo restored is the newest undo step again, with the
  // view of the redo.
  EXPECT_EQ(SlotMarker(0), 3);
  EXPECT_EQ(DrawingList.UndoViews[0], 124);
  EXPECT_EQ(SlotMarker(19), -1);
  EXPECT_EQ(SlotMarker(10), -1);
}

TEST_F(UndoStoreTest, UndoWithNothingRecordedLeavesTheListEmptyAndTheStoreAsItWas) {
  DrawingList.UpdateUndoHistory(uoReset, 0);
  Draw(5);
  DrawingList.UpdateUndoHistory(uoUndo, 0);
  EXPECT_EQ(DrawingList.Count(), 0);
  EXPECT_EQ(SlotMarker(20), 5);  // the scratch slot keeps the drawing
  EXPECT_EQ(SlotMarker(10), -1);
  for (int32 v : DrawingList.UndoViews) EXPECT_EQ(v, 0);

  Draw(5);
  DrawingList.UpdateUndoHistory(uoRedo, 120);
  EXPECT_EQ(DrawingList.Count(), 0);
  EXPECT_EQ(DrawingList.UndoViews[0], 0);
}

TEST_F(UndoStoreTest, MissingSlotFilesCountAsEmpty) {
  Draw(1);
  DrawingList.UpdateUndoHistory(uoUndo, 0);  // no ACT files at all
  EXPECT_EQ(DrawingList.Count(), 0);
}

TEST_F(UndoStoreTest, RecordingKeepsTheRedoSteps) {
  // After an undo and a new edit, a redo still brings back the drawing from
  // before the undo, and the drawing it replaces goes onto the undo stack.
  RecordSteps(2);
  Draw(3);
  DrawingList.UpdateUndoHistory(uoUndo, 0);  // back to 2; 3 on the redo stack
  DrawingList.UpdateUndoHistory(uoRecord, 120);
  Draw(7);  // the new edit
  DrawingList.UpdateUndoHistory(uoRedo, 121);
  EXPECT_EQ(Marker(DrawingList), 3);
  EXPECT_EQ(SlotMarker(0), 7);
  EXPECT_EQ(SlotMarker(1), 2);
}

TEST_F(UndoStoreTest, UndoingTenStepsWalksBackThroughAllOfThem) {
  RecordSteps(12);
  Draw(13);
  for (int32 expect = 12; expect >= 3; --expect) {
    DrawingList.UpdateUndoHistory(uoUndo, 0);
    ASSERT_EQ(Marker(DrawingList), expect);
  }
  DrawingList.UpdateUndoHistory(uoUndo, 0);
  EXPECT_EQ(DrawingList.Count(), 0);  // the eleventh step back is gone
  // The redo stack holds ten of the drawings undone, newest first.
  for (int32 s = 10; s < 20; ++s) EXPECT_EQ(SlotMarker(s), 4 + (s - 10));
}

TEST_F(UndoStoreTest, TheGroupViewTouchesNothingButItsPrintCodeWorks) {
  Draw(1);
  CurrentView = view::Group;
  for (int32 op : {uoReset, uoRecord, uoUndo, uoRedo})
    DrawingList.UpdateUndoHistory(op, view::Group);
  EXPECT_FALSE(Dir().Exists("ACT\\Action0.tmp"));
  EXPECT_EQ(DrawingList.UndoViews[0], 0);
  EXPECT_EQ(Marker(DrawingList), 1);

  CurrentView = view::GroupPrint;
  DrawingList.UpdateUndoHistory(uoRecord, view::GroupPrint);
  EXPECT_EQ(SlotMarker(0), 1);
  EXPECT_EQ(DrawingList.UndoViews[0], view::GroupPrint);
}

TEST_F(UndoStoreTest, ARestoredStepBringsItsOwnHeaderValues) {
  Draw(1);
  NextGroupNumber = 10;
  MetricUnits = 0;
  DrawingList.UpdateUndoHistory(uoRecord, 120);
  NextGroupNumber = 20;
  MetricUnits = 1;
  DrawingList.UpdateUndoHistory(uoUndo, 0);
  EXPECT_EQ(NextGroupNumber, 10);
  EXPECT_EQ(MetricUnits, 0);
}

TEST_F(UndoStoreTest, AnUnknownOperationDoesNothing) {
  Draw(1);
  DrawingList.UpdateUndoHistory(7, 120);
  EXPECT_FALSE(Dir().Exists("ACT\\Action0.tmp"));
  EXPECT_FALSE(Dir().Exists("ACT\\Action20.tmp"));
}

}  // namespace
