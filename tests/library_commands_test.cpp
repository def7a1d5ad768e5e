// Library commands through the plan window: a framed selection stored in
// each library in both units and placed into a new drawing; previews that
// never reach the drawing; the add dialog's checks.
#include "dialogs/addtolibdlg.h"
#include "dialogs/liblistdlg.h"
#include "storage/library_file.h"
#include "tests/routing_fixture.h"
#include "tools/moveobjtool.h"

namespace {

class LibraryCommands : public PlanWindowTest {
 protected:
  dlg::InstalledScript<TTAddtolibdlg> add;
  dlg::InstalledScript<TTLiblistdlg> list;

  // A symbol of a line and a circle, its centre at (1500, 1500).
  void DrawSymbol(int32 size) {
    DrawingList.Add(new TLineobj(kind::Line, CurrentView, 0, 0, 1000, 0, 1000 + size, 0, 1500,
                                 1500, 0, 900, DrawingColour, 1, 0));
    DrawingList.Add(new TCircleobj(kind::Circle, CurrentView, 0, 0, 1400, 0, 1600, 0, 1400, 1600,
                                   0, DrawingColour, 1, 0));
    DrawingList.WriteDrawingFile(dtDrawing);
  }
  void AddToLibrary(int32 category, const std::string& name) {
    form->CmAddToLibraryExecute();
    EXPECT_EQ(form->st.PanelText(panel::Guide),
              "GUIDE: click down Left Button just outside one corner and DRAG over new library "
              "item");
    add.Answer([=](TTAddtolibdlg& d) {
      d.name = name;
      d.category = category;
    });
    Drag(900, 1000, 2100, 2000);
    EXPECT_EQ(Tool()->Type, tooltype::Pick);
  }
  void Pick(int32 category) {
    switch (category) {
      case library::Plumbing: form->CmPlumbingExecute(); break;
      case library::Electrical: form->CmElectricalExecute(); break;
      case library::Furniture: form->CmFurnitureExecute(); break;
      default: form->CmMiscellaneousExecute(); break;
    }
  }
};

TEST_F(LibraryCommands, EachCategoryInBothUnitsIsStoredAndPlacedInANewDrawing) {
  for (bool metric : {true, false}) {
    SCOPED_TRACE(metric ? "metric" : "imperial");
    Open(metric);
    DrawSymbol(1000);
    for (int32 c = library::Plumbing; c <= library::Miscellaneous; ++c)
      AddToLibrary(c, "Item " + std::to_string(c));
    for (int32 c = library::Plumbing; c <= library::Miscellaneous; ++c)
      EXPECT_TRUE(dir.Exists("LIBS\\" + library::FileName(c, "Item " + std::to_string(c),
                                                           metric ? 1 : 0)));

    Open(metric);  // a new drawing
    for (int32 c = library::Plumbing; c <= library::Miscellaneous; ++c) {
      // Only the symbols of the drawing's own units are offered.
      list.Answer([&](TTLiblistdlg& d) {
        ASSERT_EQ(d.items, std::vector<std::string>{"Item " + std::to_string(c)});
        d.Choose(0);
      });
      const int32 first = DrawingList.Count();
      Pick(c);
      EXPECT_EQ(Tool()->Type, tooltype::Move);
      EXPECT_EQ(Tool()->Step, framestep::Placing);
      EXPECT_EQ(form->st.PanelText(panel::Guide),
                "GUIDE: click new position with Left Button (fine tune with arrow keys)");
      Click(4000 + 1500 * c, 3000);
      Key(plat::VK_RETURN);
      DrawingList.ReadDrawingFile(dtDrawing);
      ASSERT_EQ(DrawingList.Count(), first + 2);
      const TObj& line = *DrawingList.At(first);
      EXPECT_EQ(line.X2 - line.X1, 1000);
      EXPECT_EQ(line.Floor, view::Ground);
    }
  }
}

TEST_F(LibraryCommands, PreviewsNeverReachTheDrawingOnlyTheChosenItemIsPlaced) {
  DrawSymbol(1000);
  AddToLibrary(library::Furniture, "Long");
  Open(true);
  DrawSymbol(200);
  AddToLibrary(library::Furniture, "Short");
  Open(true);
  const std::string before = dir.ReadFile("DWGS\\ROUTING.KWV");
  const int steps = UndoSteps();
  list.Answer([&](TTLiblistdlg& d) {
    d.Choose(0);  // "Long"
    d.Choose(1);  // "Short"
    EXPECT_TRUE(child->HasLibraryPreview());
    EXPECT_EQ(dir.ReadFile("DWGS\\ROUTING.KWV"), before);
    EXPECT_EQ(DrawingList.Count(), 6);
  });
  form->CmFurnitureExecute();
  EXPECT_FALSE(child->HasLibraryPreview());
  EXPECT_EQ(UndoSteps(), steps + 1);
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 8);
  EXPECT_EQ(DrawingList.At(6)->X2 - DrawingList.At(6)->X1, 200);

  // Cancelled after previews: the drawing is as it was, no undo step.
  const std::string placed = dir.ReadFile("DWGS\\ROUTING.KWV");
  // (Choosing nothing after a preview makes the scripted OK a Cancel.)
  list.Answer([](TTLiblistdlg& d) {
    d.Choose(0);
    d.Choose(-1);
  });
  form->CmFurnitureExecute();
  EXPECT_EQ(dir.ReadFile("DWGS\\ROUTING.KWV"), placed);
  EXPECT_EQ(Tool()->Type, tooltype::Parked);
  // The preview prompt goes with the list.
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Select a function or drawing tool");
}

// A window scrolled past the sheet's bottom left corner shows more than the
// sheet: a chosen item stands with its centre on the part of the sheet the
// window shows (524 x 296 of the window's 624 x 346), an eighth of its
// width in and a sixth of its height up, until it is placed.
TEST_F(LibraryCommands, AnItemStandsOnTheSheetWhenTheWindowShowsMoreThanIt) {
  DrawSymbol(1000);
  AddToLibrary(library::Furniture, "Bench");
  Open(true);
  WindowOrgX = -100;
  WindowOrgY = -50;
  list.Answer([](TTLiblistdlg& d) { d.Choose(0); });
  form->CmFurnitureExecute();
  DrawingList.ReadDrawingFile(dtDrawing);
  ASSERT_EQ(DrawingList.Count(), 8);
  const TObj& line = *DrawingList.At(6);  // across the item's centre
  EXPECT_EQ((line.X1 + line.X2) / 2, 524 / 8 * PixelScale);
  EXPECT_EQ(line.Y1, 296 / 6 * PixelScale);
}

TEST_F(LibraryCommands, NamesMustBeSafeAndAnExistingItemIsReplacedOnlyWhenAsked) {
  DrawSymbol(1000);
  AddToLibrary(library::Plumbing, "Basin");
  form->CmAddToLibraryExecute();
  add.Answer([](TTAddtolibdlg& d) { d.name = "../Basin"; });  // refused: the form stays open
  Drag(900, 1000, 2100, 2000);
  EXPECT_EQ(add.Refused(), 1);
  EXPECT_EQ(add.LastRefusal(), kLibraryNameIncorrect);

  form->CmAddToLibraryExecute();
  add.Answer([](TTAddtolibdlg& d) {
    d.name = "Basin";
    d.category = library::Plumbing;
  });
  ui.ExpectQuestion(plat::mrNo).WithText(kLibraryReplaceQuestion);
  add.Cancel();  // asked again after No
  const std::string stored = dir.ReadFile("LIBS\\Basin.PLM");
  DrawingList.At(6)->X2 += 500;
  DrawingList.WriteDrawingFile(dtDrawing);
  Drag(900, 1000, 2600, 2000);
  EXPECT_EQ(dir.ReadFile("LIBS\\Basin.PLM"), stored);

  // A frame over nothing offers nothing.
  form->CmAddToLibraryExecute();
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("Nothing selected - try again");
  Drag(5000, 5000, 5500, 5500);
  // An empty library says so.
  ui.ExpectMessageDlg(plat::MsgType::Information, plat::mbOK, plat::mrOk)
      .WithText("there are no items in this library yet");
  form->CmElectricalExecute();
}

}  // namespace
