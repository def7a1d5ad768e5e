// The group file: the group drawing kept beside the live drawing, written
// and read whatever the view.
#include <gtest/gtest.h>

#include "storage/unwritten_files.h"
#include "tests/storage_fixture.h"

namespace {

using GroupFileTest = StorageTest;

TEST_F(GroupFileTest, WrittenInAnyViewAndReadBackAppended) {
  samples::Rng rng(5);
  for (int32 k : samples::KindsWithRecords()) DrawingList.Add(samples::RandomElement(k, rng));
  NextGroupNumber = 31;
  ViewState = 1;
  for (int32 v : {view::Group, view::GroupPrint, view::Ground}) {
    CurrentView = v;
    Dir().WriteFile("DWGS\\House.GPD", "");
    DrawingList.WriteGroupFile();
    EXPECT_NE(Dir().ReadFile("DWGS\\House.GPD"), "") << "view " << v;
  }
  EXPECT_EQ(ViewState, 1);

  TFlist copy;
  Prepare(copy);
  copy.Add(new TLineobj());
  NextGroupNumber = 0;
  CurrentView = view::Group;
  copy.ReadGroupFile();
  EXPECT_EQ(NextGroupNumber, 31);
  ASSERT_EQ(copy.Count(), DrawingList.Count() + 1);
  for (int32 i = 0; i < DrawingList.Count(); ++i)
    ExpectReadBack(*DrawingList.At(i), *copy.At(i + 1));
  copy.ReadGroupFile();
  EXPECT_EQ(copy.Count(), 2 * DrawingList.Count() + 1);
}

// A list read from the floors' files would put the group drawing out of
// reach: the write is refused and told, and the group file stays.
TEST_F(GroupFileTest, NeverTakesAListReadFromTheFloorsFiles) {
  Dir().WriteFile("DWGS\\House.GPD", "0 0 0 0 1 4\n");
  DrawingList.Add(new TLineobj());
  DrawingList.WriteDrawingFile(dtDrawing);
  DrawingList.WriteDrawingFile(dtSavedCopy);
  std::string told;
  DrawingList.OnWritten = [&told](TFlist::StoredFile, const plat::WriteResult& written) {
    told = written.Problem();
  };
  for (TDrawingTarget floors : {dtDrawing, dtSavedCopy}) {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(floors);
    ASSERT_EQ(DrawingList.Count(), 1);
    EXPECT_FALSE(DrawingList.WriteGroupFile());
    EXPECT_EQ(Dir().ReadFile("DWGS\\House.GPD"), "0 0 0 0 1 4\n");
    EXPECT_NE(told.find("never written into the group file"), std::string::npos) << floors;
  }
  DrawingList.OnWritten = nullptr;
}

// The group drawing shown, the floors' saved copy is the live drawing as
// its last edit left it: what is held for the live file when its write
// failed, not the older file on disk.
TEST_F(GroupFileTest, TheSavedCopyOfTheGroupWindowIsWhatTheLiveFileHolds) {
  Dir().WriteFile("DWGS\\House.KWV", "0 0 0 0 1 1\n");
  storage::HoldUnwritten(DrawingList.DrawingWritePath(dtDrawing), "0 0 0 0 1 2\n");
  CurrentView = view::Group;
  DrawingList.ReadGroupFile();
  EXPECT_TRUE(DrawingList.WriteSavedCopy());
  EXPECT_EQ(Dir().ReadFile("CFG\\tmp.cfg"), "0 0 0 0 1 2\n");
  storage::ReleaseUnwritten(DrawingList.DrawingWritePath(dtDrawing));
}

TEST_F(GroupFileTest, AnEmptyListWritesTheHeaderAlone) {
  NextGroupNumber = 4;
  DrawingList.WriteGroupFile();
  EXPECT_EQ(Dir().ReadFile("DWGS\\House.GPD"), "0 0 0 0 1 4\n");
}

TEST_F(GroupFileTest, AMissingGroupFileReadsAsNothing) {
  DrawingList.Add(new TLineobj());
  NextGroupNumber = 8;
  DrawingList.ReadGroupFile();
  EXPECT_EQ(DrawingList.Count(), 1);
  EXPECT_EQ(NextGroupNumber, 8);
}

TEST_F(GroupFileTest, ReadingTakesTheFilesUnits) {
  Dir().WriteFile("DWGS\\House.GPD", "0 0 0 0 0 3\n");
  MetricUnits = 1;
  DrawingList.ReadGroupFile();
  EXPECT_EQ(MetricUnits, 0);
  EXPECT_EQ(DrawingList.GroupFilePath(), "DWGS\\House.GPD");
}

}  // namespace
