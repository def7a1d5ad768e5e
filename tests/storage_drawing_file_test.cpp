// The live drawing file as the plan window and the commands use it: what
// each record looks like, where files go, and how the reader copes with
// files that are short, damaged or from the original platform.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files.h"
#include "storage/record_codec.h"
#include "tests/storage_fixture.h"

namespace {

class DrawingFileTest : public StorageTest {
 protected:
  void SetUp() override {
    StorageTest::SetUp();
    // A sheet whose centre is at (1000, 2000), so stored positions are easy
    // to read: x - 1000, y - 2000.
    PixelScale = 1;
    DrawingWidth = 2000;
    DrawingHeight = 4000;
    DesignRoomCount = 2;
    OpeningCount = 3;
    MetricUnits = 1;
    NextGroupNumber = 44;
  }

  // One element of every record layout with distinct values.
  static void AddOneOfEach(TFlist& list) {
    const int32 codes[4] = {21, 22, 23, 24};
    list.Add(new TLineobj(1, 120, 7, 8, 1500, 2, 1600, 3, 2500, 2600, 4, 900, 255, 1, 2));
    list.Add(new TExtwallobj(100, 120, 7, 8, 1, 1100, 2, 2100, 1200, 3, 2200, 1300, 2300, 1400,
                             2400, 1500, 2500, 1600, 2600, 1700, 2700, 1800, 2800, 1900, 5, 2900,
                             110, 50, 90, 1, 2, 11, 12, 900, 13, 14, 15, 255, codes));
    const int32 tool[4] = {100, 100, 100, 100};
    list.Add(new TInwallobj(150, 120, 7, 8, 1, 1100, 2, 2100, 1200, 3, 2200, 1300, 4, 2300, 1400,
                            2400, 1900, 5, 2900, 110, 3, 31, 32, 33, -1, 2700, 900, 35, 36, 255,
                            tool));
    list.Add(new TArrowobj(250, 120, 7, 8, 1100, 2100, 1200, 2200, 1300, 2300, 1400, 2400, 1500,
                           2500, 1600, 2600, 255));
    list.Add(new TDimensobj(261, 120, 7, 8, 1100, 2100, 1200, 2200, 1300, 2300, 1400, 2400, 1800, 1,
                            255));
    list.Add(new TRoomobj(29500, 40, 7, 8, 1100, 2100, 1200, 2200, 4000, 3000, 2, 16777215, 10, 6,
                          5, 5, "Lounge", "4000 ", "3000 "));
    auto* window = new TWindowobj();
    window->Kind = 31501;
    window->Floor = 120;
    window->LinkId = 7;
    window->Tag1 = 8;
    window->InsertX = 1100;
    window->InsertY = 2100;
    for (int i = 0; i < 15; ++i) window->OpeningValues[i] = i;
    window->Colour = 255;
    window->LabelLength = CopyBoundedText(window->Label, kOpeningLabelCapacity, "W1");
    list.Add(window);
    auto* door = new TDoorobj();
    door->Kind = 31601;
    door->Floor = 120;
    door->LinkId = 7;
    door->Tag1 = 8;
    door->InsertX = 1100;
    door->InsertY = 2100;
    for (int i = 0; i < 22; ++i) door->OpeningValues[i] = i;
    door->Colour = 255;
    door->LabelLength = CopyBoundedText(door->Label, kOpeningLabelCapacity, "D12");
    list.Add(door);
    const int32 xs[2] = {1100, 1200}, zs[2] = {1, 2}, ys[2] = {2100, 2200};
    const int32 hidden[4] = {0, 1, 2, 3};
    list.Add(new TPolyobj(6000, 120, 7, 8, 1, 2, 3, 4, 2, 5, 6, 7, 65280, 8, 255, 1900, 9, 2900, xs,
                          zs, ys, hidden));
    list.Add(new TTextobj(35, 120, 7, 8, 1100, 2100, 900, 30001, 1, 255, 0, 900, 2, 0, 10, 400,
                          "Arial", "12 m"));
    list.Add(
        new TArcobj(3, 120, 7, 8, 1100, 2, 2100, 1200, 3, 2200, 1300, 2300, 1400, 2400, 255, 1, 0));
    list.Add(new TEllipseobj(5, 120, 7, 8, 1100, 2, 1200, 3, 2100, 2200, 65280, 255, 1, 0));
    list.Add(new TCircleobj(6, 120, 7, 8, 1100, 2, 1200, 3, 2100, 2200, 65280, 255, 1, 0));
    list.Add(new TRndrectobj(8, 120, 7, 8, 1100, 2, 1200, 3, 2100, 2200, 50, 65280, 255, 1, 0));
    list.Add(
        new TInfoobj(32000, 120, 7, 8, 1, 2, 3, 4, 1100, 5, 2100, 1200, 6, 2200, 9, 255, 1, 0));
  }

  static constexpr const char* kOneOfEach =
      "15 2 3 0 1 44\n"
      "1\n1 120 7 8 500 2 600 3 500 600 4 900 255 1 2\n"
      "100\n100 120 7 8 1 100 2 100 200 3 200 300 300 400 400 500 500 600 600\n"
      "700 700 800 800 900 5 900 110 50 90 1 2 11 12 900\n"
      "13 14 15 255\n21\n22\n23\n24\n"
      "150\n150 120 7 8 1 100 2 100 200 3 200 300 4 300 400 400 900 5 900 110 3 31 32 33 -1 2700 "
      "900 35 36 255\n100\n100\n100\n100\n"
      "250\n250 120 7 8 100 100 200 200 300 300 400 400 500 500 600 600 255\n"
      "261\n261 120 7 8 100 100 200 200 300 300 400 400 1800 1 255\n"
      "29500\n29500 40 7 8 100 100 200 200 4000 3000 2 16777215 10 6 5 5 Lounge4000 3000 \n"
      "31501\n31501 120 7 8 100 100 0 1 2 3 4 5 6 7 8 9 10 255 11 12 13 14 2 W1\n"
      "31601\n31601 120 7 8 100 100 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 255 16 17 18 19 20 21 3 "
      "D12\n"
      "6000\n6000 120 7 8 1 2 3 4 2 5 6 7 65280 8 255 900 9 900\n100 1 100\n200 2 200\n0\n1\n2\n3\n"
      "35\n35 120 7 8 100 100 900 30001 1 255 4 900 2 5 10 400 Arial12 m\n"
      "3\n3 120 7 8 100 2 100 200 3 200 300 300 400 400 255 1 0\n"
      "5\n5 120 7 8 100 2 200 3 100 200 65280 255 1 0\n"
      "6\n6 120 7 8 100 2 200 3 100 200 65280 255 1 0\n"
      "8\n8 120 7 8 100 2 200 3 100 200 50 65280 255 1 0\n"
      "32000\n32000 120 7 8 1 2 3 4 100 5 100 200 6 200 9 255 1 0\n";

  void ExpectSameAsOneOfEach(TFlist& read) {
    TFlist want;
    AddOneOfEach(want);
    ASSERT_EQ(read.Count(), want.Count());
    for (int32 i = 0; i < want.Count(); ++i) ExpectReadBack(*want.At(i), *read.At(i));
  }
};

TEST_F(DrawingFileTest, EveryRecordLineIsWrittenExactlyAsTheLayoutSays) {
  AddOneOfEach(DrawingList);
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), kOneOfEach);
  EXPECT_EQ(ViewState, 2);
}

TEST_F(DrawingFileTest, ReadingRestoresTheDrawingAndTheHeaderValues) {
  Dir().WriteFile("DWGS\\House.KWV", kOneOfEach);
  DesignRoomCount = OpeningCount = NextGroupNumber = 0;
  MetricUnits = 0;
  DrawingList.Add(new TLineobj());  // emptied first for the live file
  DrawingList.ReadDrawingFile(dtDrawing);
  ExpectSameAsOneOfEach(DrawingList);
  EXPECT_EQ(DesignRoomCount, 2);
  EXPECT_EQ(OpeningCount, 3);
  EXPECT_EQ(MetricUnits, 1);
  EXPECT_EQ(NextGroupNumber, 44);
}

TEST_F(DrawingFileTest, FilesFromTheOriginalPlatformWithCrLfReadTheSame) {
  std::string crlf;
  for (char c : std::string(kOneOfEach)) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  Dir().WriteFile("DWGS\\House.KWV", crlf);
  DrawingList.ReadDrawingFile(dtDrawing);
  ExpectSameAsOneOfEach(DrawingList);
  auto* room = static_cast<TRoomobj*>(DrawingList.At(5));
  EXPECT_STREQ(room->HeightText, "3000 ");
  // Written back, the file has plain line ends again.
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), kOneOfEach);
}

TEST_F(DrawingFileTest, ValuesMayBeSeparatedByAnyWhiteSpaceAndCarryASign) {
  Dir().WriteFile("DWGS\\House.KWV",
                  "1\t0 0\n0 1 +7\n\n1\n  1 120 7 8 +500\t2 600 3 -500 600 4 900 255 1 2\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 1);
  EXPECT_EQ(DrawingList.At(0)->X1, 1500);
  EXPECT_EQ(DrawingList.At(0)->Y1, 1500);
  EXPECT_EQ(NextGroupNumber, 7);
}

TEST_F(DrawingFileTest, AnEmptyListIsTheHeaderAloneAndLeavesViewStateAlone) {
  ViewState = 3;
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), "0 2 3 0 1 44\n");
  EXPECT_EQ(ViewState, 3);
}

TEST_F(DrawingFileTest, GroupViewsLeaveTheLiveFileAsItWas) {
  Dir().WriteFile("DWGS\\House.KWV", "old");
  AddOneOfEach(DrawingList);
  for (int32 v : {view::Group, view::GroupPrint}) {
    CurrentView = v;
    DrawingList.WriteDrawingFile(dtDrawing);
    EXPECT_EQ(Live(), "old");
  }
  CurrentView = view::Ground;
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), kOneOfEach);
}

TEST_F(DrawingFileTest, KindsWithoutRecordAreLeftOutAndNotCounted) {
  // A kind-10 room and a kind-38 area text have no record; the file must
  // still read back whole.
  auto* room = new TRoomobj();
  room->Kind = kind::RoomCommit;
  auto* area = new TTextobj();
  area->Kind = kind::AreaText;
  DrawingList.Add(room);
  DrawingList.Add(new TLineobj(1, 120, 0, 0, 1000, 0, 1100, 0, 2000, 2000, 0, 900, 0, 1, 0));
  DrawingList.Add(area);
  DrawingList.Add(new TCircleobj(6, 120, 0, 0, 1000, 0, 1100, 0, 2000, 2100, 0, 0, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live().substr(0, 2), "2 ");

  TFlist copy;
  Prepare(copy);
  copy.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.At(0)->Kind, 1);
  EXPECT_EQ(copy.At(1)->Kind, 6);
}

TEST_F(DrawingFileTest, APolygonWithoutPointsIsFollowedByItsTailLines) {
  const int32 none[1] = {0};
  const int32 hidden[4] = {4, 3, 2, 1};
  DrawingList.Add(new TPolyobj(2000, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1000, 0, 2000,
                               none, none, none, hidden));
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), "1 2 3 0 1 44\n2000\n2000 120 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n4\n3\n2\n1\n");
  TFlist copy;
  Prepare(copy);
  copy.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(copy.Count(), 1);
  auto* p = dynamic_cast<TPolyobj*>(copy.At(0));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->PointCount, 0);
  EXPECT_EQ(p->HiddenEdges[0], 4);
  EXPECT_EQ(p->RefX, 1000);
}

TEST_F(DrawingFileTest, EmptyTextsAndTextsStartingWithABlankComeBack) {
  DrawingList.Add(new TTextobj(4, 120, 0, 0, 1000, 2000, 0, 0, 0, 0, 0, 0, 1, 0, 10, 400, "", ""));
  DrawingList.Add(new TTextobj(4, 120, 0, 0, 1000, 2000, 0, 0, 0, 0, 0, 0, 1, 0, 10, 400, "Arial",
                               "  indented"));
  DrawingList.Add(new TRoomobj(29000, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "", "", ""));
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_NE(Live().find("4\n4 120 0 0 0 0 0 0 0 0 0 0 1 0 10 400 \n"), std::string::npos);
  EXPECT_NE(Live().find("0 0 0 \n"), std::string::npos);

  TFlist copy;
  Prepare(copy);
  copy.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(copy.Count(), 3);
  EXPECT_STREQ(static_cast<TTextobj*>(copy.At(0))->Text, "");
  EXPECT_STREQ(static_cast<TTextobj*>(copy.At(1))->Text, "  indented");
  EXPECT_STREQ(static_cast<TTextobj*>(copy.At(1))->FontFace, "Arial");
  EXPECT_STREQ(static_cast<TRoomobj*>(copy.At(2))->RoomName, "");
}

TEST_F(DrawingFileTest, TheKindAloneDecidesTheRecordAndTheClass) {
  // A polygon whose kind says external wall is stored as a wall.
  auto* poly = new TPolyobj();
  poly->Kind = kind::ExtWall;
  poly->Floor = 121;
  poly->LinkId = 5;
  poly->X1 = 1234;
  poly->Colour = 77;
  poly->PointCount = 3;
  DrawingList.Add(poly);
  DrawingList.WriteDrawingFile(dtDrawing);

  TFlist copy;
  Prepare(copy);
  copy.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(copy.Count(), 1);
  auto* wall = dynamic_cast<TExtwallobj*>(copy.At(0));
  ASSERT_NE(wall, nullptr);
  EXPECT_EQ(wall->Floor, 121);
  EXPECT_EQ(wall->LinkId, 5);
  EXPECT_EQ(wall->X1, 1234);
  EXPECT_EQ(wall->Colour, 77u);
  EXPECT_EQ(wall->Thickness1, 0);
}

TEST_F(DrawingFileTest, ARecordRepeatingAnotherClassesKindKeepsItsKindLine) {
  // The kind line says line; the record says external wall.
  Dir().WriteFile("DWGS\\House.KWV", "1 0 0 0 1 0\n1\n100 120 0 0 0 0 0 0 0 0 0 0 0 0 0\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 1);
  EXPECT_NE(dynamic_cast<TLineobj*>(DrawingList.At(0)), nullptr);
  EXPECT_EQ(DrawingList.At(0)->Kind, 1);
}

TEST_F(DrawingFileTest, ARecordKindTheFamilyWouldNotWriteGivesWayToItsKindLine) {
  using storage::Variant;
  // The kind line says locked room (pasteable), the record design room
  // (not pasteable): the paste buffer keeps what its kind line says, the
  // other families the record's kind. Whatever is kept writes and reads
  // back the same.
  const std::string room = " 120 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \n";
  struct Case {
    Variant family;
    const char* kindLine;
    std::string record;
    int32 kept;
  };
  for (const Case& c : {Case{Variant::Paste, "29500", "29000" + room, 29500},
                        Case{Variant::Library, "29500", "29000" + room, 29000},
                        Case{Variant::Drawing, "29500", "29000" + room, 29000},
                        Case{Variant::Drawing, "29000", "29500" + room, 29500},
                        Case{Variant::Library, "1", "100 120 0 0 0 0 0 0 0 0 0 0 0 0 0\n", 1}}) {
    SCOPED_TRACE(std::string(c.kindLine) + " / " + c.record);
    const std::string file = "1 0 0 0 1 0\n" + std::string(c.kindLine) + "\n" + c.record;
    TFlist first, second;
    storage::ParseInto(file, first, {}, {}, c.family);
    ASSERT_EQ(first.Count(), 1);
    EXPECT_EQ(first.At(0)->Kind, c.kept);
    const std::string written = storage::FormatList(first, {}, {}, c.family);
    storage::ParseInto(written, second, {}, {}, c.family);
    ASSERT_EQ(second.Count(), 1);
    EXPECT_EQ(storage::FormatList(second, {}, {}, c.family), written);
  }
}

TEST_F(DrawingFileTest, PositionsAreKeptAboutTheSheetCentre) {
  DrawingList.Add(new TLineobj(1, 120, 0, 0, 1000, 0, 1500, 0, 2000, 2500, 0, 900, 0, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_NE(Live().find("1 120 0 0 0 0 500 0 0 500 "), std::string::npos);

  // Read under a sheet twice as large: the line sits about the new centre.
  // The header's units flag does not change the offsets of the same read.
  DrawingWidth = 4000;
  DrawingHeight = 8000;
  MetricUnits = 0;
  PixelScale = 1;
  TFlist copy;
  Prepare(copy);
  copy.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.At(0)->X1, 2000);
  EXPECT_EQ(copy.At(0)->X2, 2500);
  EXPECT_EQ(copy.At(0)->Y1, 4000);
  EXPECT_EQ(copy.At(0)->Y2, 4500);
  EXPECT_EQ(MetricUnits, 1);
  EXPECT_EQ(PixelScale, 1);
}

TEST_F(DrawingFileTest, AFileThatCannotBeOpenedReadsAsNothing) {
  DrawingList.Add(new TLineobj());
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 0);  // the live file empties the list first
  EXPECT_EQ(NextGroupNumber, 44);
  EXPECT_EQ(MetricUnits, 1);

  DrawingList.Add(new TLineobj());
  DrawingList.ReadDrawingFile(dtSavedCopy);
  EXPECT_EQ(DrawingList.Count(), 1);
}

TEST_F(DrawingFileTest, BackupAndWizardTargetsAreWrittenOnly) {
  Dir().WriteFile("DWGS\\House.BAK", kOneOfEach);
  Dir().WriteFile("WDS\\House.KWV", kOneOfEach);
  DrawingList.Add(new TLineobj());
  DrawingList.ReadDrawingFile(dtBackup);
  DrawingList.ReadDrawingFile(dtWizard);
  DrawingList.ReadDrawingShapes(dtBackup);
  EXPECT_EQ(DrawingList.Count(), 1);
  EXPECT_EQ(NextGroupNumber, 44);
}

TEST_F(DrawingFileTest, AStartingWizardReadsItsExampleButWritesTheLiveFile) {
  Dir().WriteFile("WDS\\House.KWV", kOneOfEach);
  Dir().WriteFile("DWGS\\House.KWV", "0 0 0 0 1 0\n");
  WizardActive = 1;
  for (int32 step : {0, 100}) {
    WizardStep = step;
    DrawingList.ReadDrawingFile(dtDrawing);
    EXPECT_EQ(DrawingList.Count(), 15) << "step " << step;
  }
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), kOneOfEach);

  WizardStep = 5;  // moved on: the live file again
  Dir().WriteFile("DWGS\\House.KWV", "0 0 0 0 1 0\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 0);
}

TEST_F(DrawingFileTest, TheFileIsReplacedWholeNeverRewrittenInPlace) {
  Dir().WriteFile("DWGS\\House.KWV", "old contents\n");
  // A second name for the old file: rewriting in place would change it.
  const std::string live = Dir().Path("DWGS\\House.KWV");
  std::filesystem::create_hard_link(live, live + ".link");
  AddOneOfEach(DrawingList);
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), kOneOfEach);
  std::ifstream old(live + ".link");
  std::stringstream s;
  s << old.rdbuf();
  EXPECT_EQ(s.str(), "old contents\n");
}

TEST_F(DrawingFileTest, AFolderThatCannotBeWrittenIsSkippedAndTheProgramGoesOn) {
  std::filesystem::remove_all(Dir().Path("WDS"));
  AddOneOfEach(DrawingList);
  DrawingList.WriteDrawingFile(dtWizard);
  EXPECT_FALSE(Dir().Exists("WDS\\House.KWV"));
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), kOneOfEach);
}

// ---- Damaged files ------------------------------------------------------------------

TEST_F(DrawingFileTest, ATruncatedFileKeepsTheWholeElementsBeforeTheCut) {
  TFlist want;
  AddOneOfEach(want);
  const std::string full = kOneOfEach;
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    Dir().WriteFile("DWGS\\House.KWV", full.substr(0, cut));
    DrawingList.ReadDrawingFile(dtDrawing);
    ASSERT_LE(DrawingList.Count(), want.Count());
    // Every element but the last read is whole; the last may end in a value
    // cut short by the end of the file.
    for (int32 i = 0; i + 1 < DrawingList.Count(); ++i)
      ExpectReadBack(*want.At(i), *DrawingList.At(i));
    if (HasFailure()) {
      ADD_FAILURE() << "cut at " << cut;
      return;
    }
  }
  // Cut at the end of the fourth record: exactly four elements.
  Dir().WriteFile("DWGS\\House.KWV", full.substr(0, full.find("\n261\n") + 1));
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 4);
}

TEST_F(DrawingFileTest, AHugeElementCountReadsWhatIsThere) {
  Dir().WriteFile("DWGS\\House.KWV",
                  "2147483647 0 0 0 1 0\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n"
                  "5\n5 120 0 0 0 0 0 0 0 0 0 0 1 0\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 2);
}

TEST_F(DrawingFileTest, ANegativeElementCountReadsNothingButTheHeader) {
  Dir().WriteFile("DWGS\\House.KWV", "-5 1 2 0 0 9\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 0);
  EXPECT_EQ(NextGroupNumber, 9);
}

TEST_F(DrawingFileTest, PolygonPointCountsBeyondNineteenAreReadButNotKept) {
  std::string file = "2 0 0 0 1 0\n1000\n1000 120 0 0 0 0 0 0 25 0 0 0 0 0 0 0 0 0\n";
  for (int i = 0; i < 25; ++i) file += std::to_string(i) + " 0 " + std::to_string(-i) + "\n";
  file += "1\n2\n3\n4\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n";
  Dir().WriteFile("DWGS\\House.KWV", file);
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 2);
  auto* p = static_cast<TPolyobj*>(DrawingList.At(0));
  EXPECT_EQ(p->PointCount, kMaxPolyPoints);
  EXPECT_EQ(p->PointX[18], 18 + 1000);
  EXPECT_EQ(p->PointY[18], -18 + 2000);
  EXPECT_EQ(p->HiddenEdges[0], 1);  // still in step after the extra points
  EXPECT_EQ(DrawingList.At(1)->Kind, 6);
}

TEST_F(DrawingFileTest, ANegativeOrHugePointCountNeitherOverrunsNorLoses) {
  Dir().WriteFile("DWGS\\House.KWV",
                  "3 0 0 0 1 0\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n"
                  "1000\n1000 120 0 0 0 0 0 0 -4 0 0 0 0 0 0 0 0 0\n1\n2\n3\n4\n"
                  "1000\n1000 120 0 0 0 0 0 0 1000000000 0 0 0 0 0 0 0 0 0\n1 2 3\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 2);
  EXPECT_EQ(static_cast<TPolyobj*>(DrawingList.At(1))->PointCount, 0);
  EXPECT_EQ(static_cast<TPolyobj*>(DrawingList.At(1))->HiddenEdges[3], 4);
}

TEST_F(DrawingFileTest, TextLengthsBeyondTheirFieldsAreReadButNotKept) {
  const std::string longText(500, 'a');
  std::string file = "3 0 0 0 1 0\n";
  file += "4\n4 120 0 0 0 0 0 0 0 0 500 0 1 5 10 400 Arial" + longText + "\n";
  file += "29000\n29000 40 0 0 0 0 0 0 0 0 0 0 0 -3 30 0 " + std::string(30, 'n') + "\n";
  file += "6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n";
  Dir().WriteFile("DWGS\\House.KWV", file);
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 3);
  auto* t = static_cast<TTextobj*>(DrawingList.At(0));
  EXPECT_EQ(t->TextLength, kTextCapacity - 1);
  EXPECT_EQ(std::string(t->Text), std::string(kTextCapacity - 1, 'a'));
  EXPECT_STREQ(t->FontFace, "Arial");
  auto* r = static_cast<TRoomobj*>(DrawingList.At(1));
  EXPECT_EQ(r->NameLength, 0);
  EXPECT_EQ(r->WidthTextLength, kRoomWidthTextCapacity - 1);
  EXPECT_EQ(DrawingList.At(2)->Kind, 6);
}

TEST_F(DrawingFileTest, ATextLengthRunningPastTheEndDropsOnlyThatRecord) {
  Dir().WriteFile("DWGS\\House.KWV",
                  "2 0 0 0 1 0\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n"
                  "4\n4 120 0 0 0 0 0 0 0 0 2000000000 0 1 0 10 400 short\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 1);
  EXPECT_EQ(DrawingList.At(0)->Kind, 6);
}

TEST_F(DrawingFileTest, GarbageInARecordStopsTheReadCleanly) {
  Dir().WriteFile("DWGS\\House.KWV",
                  "3 0 0 0 1 0\n6\n6 120 0 0 0 0 0 0 0 0 0 0 1 0\n5\n5 120 x\n6\n6 120 0 0 0 0 0 "
                  "0 0 0 0 0 1 0\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 1);
}

TEST_F(DrawingFileTest, OverlongNumbersAreHeldTo32Bits) {
  Dir().WriteFile("DWGS\\House.KWV",
                  "1 0 0 0 1 0\n6\n6 120 99999999999999999999 -99999999999 0 0 0 0 0 0 0 0 1 0\n");
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 1);
  EXPECT_EQ(DrawingList.At(0)->LinkId, INT32_MAX);
  EXPECT_EQ(DrawingList.At(0)->Tag1, INT32_MIN);
}

TEST_F(DrawingFileTest, ALengthFieldOutOfStepWithItsTextCannotSpoilTheFile) {
  auto* t = new TTextobj(4, 120, 0, 0, 1000, 2000, 0, 0, 0, 0, 0, 0, 1, 0, 10, 400, "Arial", "ab");
  t->TextLength = 60;  // a caller changed the text and forgot the length
  DrawingList.Add(t);
  DrawingList.Add(new TCircleobj(6, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0));
  DrawingList.WriteDrawingFile(dtDrawing);
  TFlist copy;
  Prepare(copy);
  copy.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(static_cast<TTextobj*>(copy.At(0))->TextLength, 2);
  EXPECT_EQ(copy.At(1)->Kind, 6);
}

// ---- Shape and structure passes ----------------------------------------------------------

TEST_F(DrawingFileTest, ShapesThenStructureGiveTheWholeDrawingShapesFirst) {
  const int32 none[1] = {0};
  const int32 hidden[4] = {};
  AddOneOfEach(DrawingList);
  DrawingList.Add(new TPolyobj(2000, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, none,
                               none, none, hidden));
  DrawingList.Add(new TPolyobj(2001, 120, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, none,
                               none, none, hidden));
  DrawingList.WriteDrawingFile(dtDrawing);

  TFlist passes;
  Prepare(passes);
  passes.ReadDrawingShapes(dtDrawing);
  std::vector<int32> shapes;
  for (int32 i = 0; i < passes.Count(); ++i) shapes.push_back(passes.At(i)->Kind);
  EXPECT_EQ(shapes, (std::vector<int32>{6000, 5, 6, 8, 2001}));
  passes.ReadDrawingStructure(dtDrawing);
  std::vector<int32> all;
  for (int32 i = 0; i < passes.Count(); ++i) all.push_back(passes.At(i)->Kind);
  EXPECT_EQ(all, (std::vector<int32>{6000, 5, 6, 8, 2001, 1, 100, 150, 250, 261, 29500, 31501,
                                     31601, 35, 3, 32000, 2000}));
}

TEST_F(DrawingFileTest, TheShapePassOfAWallsOnlyFileStillTakesTheHeader) {
  Dir().WriteFile("DWGS\\House.KWV", "1 5 6 0 0 77\n1\n1 120 0 0 0 0 0 0 0 0 0 0 0 1 0\n");
  DrawingList.Add(new TCircleobj());
  DrawingList.ReadDrawingShapes(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 1);
  EXPECT_EQ(NextGroupNumber, 77);
  EXPECT_EQ(DesignRoomCount, 5);
  EXPECT_EQ(MetricUnits, 0);
  // Neither pass empties the list: a second structure read appends again.
  DrawingList.ReadDrawingStructure(dtDrawing);
  DrawingList.ReadDrawingStructure(dtDrawing);
  EXPECT_EQ(DrawingList.Count(), 3);
}

}  // namespace
