// The selection hand-over, library symbols and the paste buffer: names,
// layouts relative to each element's origin, where read symbols land and
// which group ids they take.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

#include "model/flist.h"
#include "model/globals.h"
#include "storage/library_file.h"
#include "storage/record_codec.h"
#include "storage/selection_files.h"
#include "tests/storage_fixture.h"
#include "tests/storage_samples.h"

namespace {

class LibraryFileTest : public StorageTest {
 protected:
  void SetUp() override {
    StorageTest::SetUp();
    MetricUnits = 1;
    PixelScale = 5;
    CurrentView = view::Ground;
    InitDrawingList();
  }
  int32 AddLine(int32 x1, int32 y1, int32 x2, int32 y2, int32 link = 0) {
    DrawingList.Add(new TLineobj(kind::Line, view::Ground, link, 0, x1, 0, x2, 0, y1, y2, 0, 900,
                                 DrawingColour, 1, 0));
    return DrawingList.Count() - 1;
  }
  std::vector<int32> Header(const std::string& text) {
    std::vector<int32> v(6);
    std::sscanf(text.c_str(), "%d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
    return v;
  }
  // The window that puts the reading point at (3000, 1000) with PixelScale 5.
  void WindowForInsertAt3000x1000() {
    WindowExtX = 800;
    WindowOrgX = 500;
    WindowExtY = 600;
    WindowOrgY = 100;
  }
};

TEST_F(LibraryFileTest, HandOverListHoldsExactlyWhatWasListedSinceItsStart) {
  selection::WriteList({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}});
  selection::WriteTempCfg(0);
  selection::WriteCopyCfg(6, 10, 20);
  selection::WriteCopyCfg(7, 11, 21);
  selection::WriteCopyCfg(8, 12, 22);
  EXPECT_EQ(Dir().ReadFile("CFG\\TEMP.CFG"), "3\n");
  EXPECT_EQ(Dir().ReadFile("CFG\\COPY.CFG"), "6 10 20\n7 11 21\n8 12 22\n");
  const auto entries = selection::ReadList();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[2].index, 8);
  EXPECT_EQ(entries[2].y, 22);

  // A missing count is an empty list; indices beyond the list are dropped.
  Dir().WriteFile("CFG\\TEMP.CFG", "");
  EXPECT_EQ(selection::ReadTempCfg(), 0);
  selection::WriteList({{5, 0, 0}, {-1, 0, 0}, {6, 0, 0}});
  EXPECT_EQ(selection::ReadValidList(DrawingList).size(), 1u);
  EXPECT_FALSE(selection::AllValid(selection::ReadList(), DrawingList));
}

TEST_F(LibraryFileTest, FileNamesByCategoryAndUnits) {
  struct Case {
    int32 category, metric;
    const char* file;
  } cases[] = {{1, 1, "Basin.PLM"}, {1, 0, "Basin.PLI"}, {2, 1, "Basin.ELM"}, {2, 0, "Basin.ELI"},
               {3, 1, "Basin.FUM"}, {3, 0, "Basin.FUI"}, {4, 1, "Basin.MSM"}, {4, 0, "Basin.MSI"},
               {5, 1, ""},          {0, 0, ""}};
  for (const Case& c : cases)
    EXPECT_EQ(library::FileName(c.category, "Basin", c.metric), c.file)
        << c.category << " " << c.metric;

  for (const char* good : {"Basin", "a", "double bed 1530", "123456789012345678901234"})
    EXPECT_TRUE(library::ValidName(good)) << good;
  for (const char* bad : {"", "1234567890123456789012345", "..", "a/b", "a\\b", "c:x", "x.",
                          " x", "a..b", "a\tb"})
    EXPECT_FALSE(library::ValidName(bad)) << bad;
}

TEST_F(LibraryFileTest, LineIsStoredRelativeToItsOriginAndReadAtTheInsertionPoint) {
  const int32 i = AddLine(1500, 2500, 1700, 2500, 55);
  selection::WriteList({{i, 1000, 2000}});
  NextGroupNumber = 40;
  ASSERT_TRUE(LibraryFileExtension(library::Furniture, "Bench"));
  const std::string text = Dir().ReadFile("LIBS\\Bench.FUM");
  const auto head = Header(text);
  EXPECT_EQ(head[0], 1);
  EXPECT_EQ(head[4], 2);  // never the units flag
  EXPECT_EQ(head[5], 40);
  EXPECT_NE(text.find("\n1 120 0 0 500 0 700 0 500 500 "), std::string::npos) << text;  // link 0
  EXPECT_EQ(DrawingList.At(i)->LinkId, 55);  // the drawing's element keeps its group

  // Read back on another floor, under new ids.
  WindowForInsertAt3000x1000();
  CurrentView = view::First;
  NextGroupNumber = 7;
  const int32 before = DrawingList.Count();
  EXPECT_EQ(DrawingList.ReadLibraryFile("Bench.FUM"), 1);
  ASSERT_EQ(DrawingList.Count(), before + 1);
  const TObj& e = *DrawingList.At(before);
  EXPECT_EQ(e.Floor, view::First);
  EXPECT_EQ(e.X1, 3500);
  EXPECT_EQ(e.Y1, 1500);
  EXPECT_EQ(e.X2, 3700);
  EXPECT_EQ(e.Y2, 1500);
  // Two ids were taken, and the file's counter (40) lies beyond them.
  EXPECT_EQ(NextGroupNumber, 40);

  // The counter never goes back to ids already given out.
  NextGroupNumber = 90;
  DrawingList.ReadLibraryFile("Bench.FUM");
  EXPECT_EQ(NextGroupNumber, 92);
  // A missing file appends nothing and takes no ids.
  EXPECT_EQ(DrawingList.ReadLibraryFile("None.FUM"), 0);
  EXPECT_EQ(NextGroupNumber, 92);
}

TEST_F(LibraryFileTest, ReadSymbolsTakeTheFloorsGroupIds) {
  const int32 poly[3] = {0, 100, 0};
  const int32 polyY[3] = {0, 0, 100};
  const int32 z[3] = {};
  const int32 hidden[4] = {};
  DrawingList.Add(new TPolyobj(6101, view::Ground, 3, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                               poly, z, polyY, hidden));
  DrawingList.Add(new TPolyobj(6102, view::Ground, 3, 1, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                               poly, z, polyY, hidden));
  DrawingList.Add(new TCircleobj(kind::Circle, view::Ground, 3, 0, 0, 0, 50, 0, 0, 50, 0, 0, 1, 0));
  const int32 line = AddLine(0, 0, 10, 0, 3);
  selection::WriteList({{6, 0, 0}, {7, 0, 0}, {8, 0, 0}, {line, 0, 0}});
  DrawingList.WriteLibraryFile("Parts.MSM");
  NextGroupNumber = 0;
  CurrentView = view::Second;
  const int32 before = DrawingList.Count();
  ASSERT_EQ(DrawingList.ReadLibraryFile("Parts.MSM"), 4);
  EXPECT_EQ(DrawingList.At(before)->LinkId, 120001);      // polygon: id1
  EXPECT_EQ(DrawingList.At(before + 1)->LinkId, 120002);  // polygon with Tag1 1: id2
  EXPECT_EQ(DrawingList.At(before + 2)->LinkId, 120001);  // circle: id1
  EXPECT_EQ(DrawingList.At(before + 3)->LinkId, 0);       // a line keeps what was stored
}

TEST_F(LibraryFileTest, PasteBufferKeepsOnlyPastableKindsWithShiftedIds) {
  DrawingList.Add(new TDimensobj(kind::Dimension, view::Ground, 7, 7, 100, 100, 900, 100, 100, 50,
                                 900, 50, 900, 1, 0));
  TInwallobj* in = new TInwallobj();
  in->Floor = view::Ground;
  in->LinkId = 7;
  in->Tag1 = 7;
  DrawingList.Add(in);
  DrawingList.Add(new TRoomobj(kind::Room, view::Ground, 1, 1, 0, 100, 100, 0, 100, 100, 0, 0, 0,
                               0, 0, 0, "", "", ""));
  TRoomobj* locked = new TRoomobj(kind::LockedRoom, view::First, 1, 1, 0, 100, 100, 0, 100, 100,
                                  0, 0, 0, 4, 0, 0, "Hall", "", "");
  DrawingList.Add(locked);
  DrawingList.Add(new TExtwallobj());
  const std::vector<selection::Entry> listed = {{6, 0, 0}, {7, 0, 0}, {8, 0, 0}, {9, 0, 0},
                                                {10, 0, 0}, {2, 0, 0}};
  EXPECT_EQ(WritePasteBuffer(DrawingList, listed), 3);
  const std::string text = Dir().ReadFile("LIBS\\PASTE.CFG");
  EXPECT_EQ(Header(text)[0], 3);
  EXPECT_EQ(Header(text)[4], 1);
  EXPECT_NE(text.find("\n251 120 407 407 "), std::string::npos) << text;
  EXPECT_NE(text.find("\n150 120 7 7 "), std::string::npos) << text;
  EXPECT_EQ(DrawingList.At(6)->LinkId, 7);  // the list keeps its values

  MetricUnits = 0;
  WritePasteBuffer(DrawingList, listed);
  EXPECT_EQ(Header(Dir().ReadFile("LIBS\\PASTE.CFG"))[4], 0);

  // Pasting a room copied from the first floor puts it on the current view.
  CurrentView = view::Third;
  const int32 before = DrawingList.Count();
  EXPECT_EQ(DrawingList.ReadLibraryFile("PASTE.CFG"), 3);
  EXPECT_EQ(DrawingList.At(before + 2)->Kind, kind::LockedRoom);
  EXPECT_EQ(DrawingList.At(before + 2)->Floor, view::Third);
  EXPECT_STREQ(static_cast<TRoomobj*>(DrawingList.At(before + 2))->RoomName, "Hall");
}

// Every kind the library layout keeps reads back field for field when it is
// read at the origin it was listed with; windows and doors are not kept.
TEST_F(LibraryFileTest, EveryKindRoundTripsThroughTheLibraryLayout) {
  unsigned run = 14;
  for (int32 k : samples::KindsWithRecords()) {
    if (kind::IsWindowKind(k) || kind::IsDoorKind(k)) continue;
    ++run;
    samples::Rng a(run), b(run);
    std::unique_ptr<TObj> expect(samples::RandomElement(k, a));
    TObj* listed = samples::RandomElement(k, b);
    // The library layout keeps no reference point and no first two wall
    // values of an external wall.
    for (TObj* e : {expect.get(), listed}) {
      if (auto* w = dynamic_cast<TExtwallobj*>(e)) {
        w->RefX = w->RefZ = w->RefY = 0;
        w->WallValues[0] = w->WallValues[1] = 0;
      }
    }
    InitDrawingList();
    DrawingList.Add(listed);
    // An origin the reading point can meet: multiples of PixelScale.
    const int32 ox = 5 * static_cast<int32>(run * 37 % 900), oy = 5 * static_cast<int32>(run * 11 % 700);
    WindowExtX = WindowExtY = 0;
    WindowOrgX = ox / 5;
    WindowOrgY = oy / 5;
    selection::WriteList({{6, ox, oy}});
    DrawingList.WriteLibraryFile("Any.MSM");
    InitDrawingList();
    ASSERT_EQ(DrawingList.ReadLibraryFile("Any.MSM"), 1) << k;
    TObj* back = DrawingList.At(6);
    expect->Floor = CurrentView;
    expect->LinkId = back->LinkId;  // the group-id rules are checked above
    ExpectReadBack(*expect, *back);
  }
  // Windows listed with other elements are left out, and the count says so.
  InitDrawingList();
  DrawingList.Add(NewElementOfKind(kind::Window));
  AddLine(0, 0, 1, 1);
  selection::WriteList({{6, 0, 0}, {7, 0, 0}});
  DrawingList.WriteLibraryFile("Win.MSM");
  EXPECT_EQ(Header(Dir().ReadFile("LIBS\\Win.MSM"))[0], 1);
}

TEST_F(LibraryFileTest, ItemsListTheCategoryOfTheCurrentUnits) {
  Dir().WriteFile("LIBS\\Bath.PLM", "0 0 0 0 2 0\n");
  Dir().WriteFile("LIBS\\Basin.plm", "0 0 0 0 2 0\n");
  Dir().WriteFile("LIBS\\Toilet.PLI", "0 0 0 0 2 0\n");
  Dir().WriteFile("LIBS\\Bed.FUM", "0 0 0 0 2 0\n");
  EXPECT_EQ(library::Items(library::Plumbing), (std::vector<std::string>{"Basin", "Bath"}));
  MetricUnits = 0;
  EXPECT_EQ(library::Items(library::Plumbing), (std::vector<std::string>{"Toilet"}));
  EXPECT_TRUE(library::Exists(library::Plumbing, "Toilet"));
  EXPECT_FALSE(library::Exists(library::Furniture, "Bed"));
}

}  // namespace
