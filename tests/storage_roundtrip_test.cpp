// Whatever a drawing holds, writing it and reading it back under the same
// sheet and units gives back every field the file keeps, and writing the
// result again gives the same bytes.
#include <gtest/gtest.h>

#include "storage/record_codec.h"
#include "tests/storage_fixture.h"

namespace {

using StorageRoundTrip = StorageTest;

TEST_F(StorageRoundTrip, RandomDrawingsOfEveryKindComeBackFieldForField) {
  for (unsigned run = 1; run <= 40; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    samples::Rng rng(run);
    Prepare(DrawingList);
    for (int round = 0; round < 3; ++round)
      for (int32 k : samples::KindsWithRecords()) DrawingList.Add(samples::RandomElement(k, rng));
    // Sheet, units and header values vary too.
    DrawingWidth = static_cast<int32>(rng() % 20000);
    DrawingHeight = static_cast<int32>(rng() % 20000);
    PixelScale = (run % 2) ? 5 : 6;
    MetricUnits = static_cast<int32>(run % 2);
    DesignRoomCount = static_cast<int32>(run);
    OpeningCount = static_cast<int32>(run * 3);
    NextGroupNumber = static_cast<int32>(run * 7);

    DrawingList.WriteDrawingFile(dtDrawing);
    const std::string first = Live();

    TFlist copy;
    Prepare(copy);
    DesignRoomCount = OpeningCount = NextGroupNumber = MetricUnits = -1;
    copy.ReadDrawingFile(dtDrawing);
    EXPECT_EQ(DesignRoomCount, static_cast<int32>(run));
    EXPECT_EQ(OpeningCount, static_cast<int32>(run * 3));
    EXPECT_EQ(NextGroupNumber, static_cast<int32>(run * 7));
    EXPECT_EQ(MetricUnits, static_cast<int32>(run % 2));
    ASSERT_EQ(copy.Count(), DrawingList.Count());
    for (int32 i = 0; i < copy.Count(); ++i) ExpectReadBack(*DrawingList.At(i), *copy.At(i));

    copy.WriteDrawingFile(dtDrawing);
    EXPECT_EQ(Live(), first);
    if (HasFailure()) return;
  }
}

// A drawing moved onto another sheet writes, about that sheet's centre,
// exactly the file it wrote before: every position of every kind moves, the
// extremes of 32 bits included, and nothing else does.
TEST_F(StorageRoundTrip, ADrawingMovedOntoAnotherSheetWritesTheSameBytes) {
  samples::Rng rng(7);
  for (int round = 0; round < 3; ++round)
    for (int32 k : samples::KindsWithRecords()) DrawingList.Add(samples::RandomElement(k, rng));
  DrawingList.WriteDrawingFile(dtDrawing);
  const std::string before = Live();

  const storage::Placement was = storage::PageCentre();
  DrawingWidth = 2999;
  DrawingHeight = -1237;
  PixelScale = 6;
  storage::MovePlacement(DrawingList, was, storage::PageCentre());
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), before);
}

TEST_F(StorageRoundTrip, EveryFileOfTheLayoutKeepsTheSameFields) {
  // Saved copy, group file and undo snapshots share the drawing layout.
  samples::Rng rng(99);
  for (int32 k : samples::KindsWithRecords()) DrawingList.Add(samples::RandomElement(k, rng));

  auto check = [&](TFlist& copy) {
    ASSERT_EQ(copy.Count(), DrawingList.Count());
    for (int32 i = 0; i < copy.Count(); ++i) ExpectReadBack(*DrawingList.At(i), *copy.At(i));
  };
  {
    DrawingList.WriteDrawingFile(dtSavedCopy);
    TFlist copy;
    Prepare(copy);
    copy.ReadDrawingFile(dtSavedCopy);
    check(copy);
  }
  {
    DrawingList.WriteGroupFile();
    TFlist copy;
    Prepare(copy);
    copy.ReadGroupFile();
    check(copy);
  }
  {
    DrawingList.WriteUndoSnapshot(4, 1);
    TFlist copy;
    Prepare(copy);
    copy.ReadUndoSnapshot(4);
    check(copy);
  }
  {
    DrawingList.WriteDrawingFile(dtBackup);
    DrawingList.WriteDrawingFile(dtWizard);
    const std::string live = (DrawingList.WriteDrawingFile(dtDrawing), Live());
    EXPECT_EQ(Dir().ReadFile("DWGS\\House.BAK"), live);
    EXPECT_EQ(Dir().ReadFile("WDS\\House.KWV"), live);
    EXPECT_EQ(Dir().ReadFile("CFG\\tmp.cfg"), live);
  }
}

}  // namespace
