// The cursor read-out in the second status bar, and the temporary datum it
// measures from.
#include "tests/routing_fixture.h"

namespace {

class CursorReadout : public PlanWindowTest {
 protected:
  std::string ReadoutAt(int32 dx, int32 dy) {
    float bearing = 0;
    int32 length = 0;
    child->MeasureFromReference(child->ReferenceX + dx, child->ReferenceY + dy, &bearing,
                                &length);
    return child->CursorReadout(dx, dy, bearing, length);
  }
  void MoveTo(int32 x, int32 y) {
    const plat::Point p = Pixel(x, y);
    child->OnMouseMove(p.x, p.y, false);
  }
};

TEST_F(CursorReadout, MetricShowsDistancesLengthAndBearing) {
  child->ChildMode = childmode::Normal;
  child->ReferenceX = 500;
  child->ReferenceY = 100;
  WindowOrgY = 600;
  MoveTo(3500, 4100);
  EXPECT_EQ(form->crds.SimpleText(), " hor 3000: ver 4000: leng 5000 mm: degs 36.9: ");
}

TEST_F(CursorReadout, MetricFramesShowOnlyTheTwoDistances) {
  child->ChildMode = childmode::Frame;
  child->ReferenceX = 500;
  child->ReferenceY = 100;
  MoveTo(1500, 600);
  EXPECT_EQ(form->crds.SimpleText(), " hor 1000: ver 500 mm.");
}

TEST_F(CursorReadout, NoReadoutWhileTheWindowHasNoReferencePoint) {
  child->ChildMode = childmode::Creation;
  form->crds.SetSimpleText("unchanged");
  MoveTo(1500, 600);
  EXPECT_EQ(form->crds.SimpleText(), "unchanged");
}

TEST_F(CursorReadout, ThePointerOnTheReferencePointReadsZero) {
  child->ChildMode = childmode::Normal;
  child->ReferenceX = 1502;
  child->ReferenceY = 598;
  MoveTo(1500, 600);
  EXPECT_EQ(form->crds.SimpleText(), " hor 0: ver 0: leng 0 mm: degs 0.0: ");
}

TEST_F(CursorReadout, CloseToTheReferenceLengthAndBearingAreZero) {
  float bearing = 1;
  int32 length = 1;
  child->MeasureFromReference(child->ReferenceX + 20, child->ReferenceY + 20, &bearing, &length);
  EXPECT_EQ(length, 0);
  EXPECT_EQ(bearing, 0.0f);
  EXPECT_EQ(ReadoutAt(20, 20), " hor 20: ver 20: leng 0 mm: degs 0.0: ");
}

TEST_F(CursorReadout, ImperialAtNormalZoomShowsFeetAndInches) {
  Open(false);
  child->ChildMode = childmode::Normal;
  EXPECT_EQ(ReadoutAt(-30 * 24, 0), " hor -2' 6: ver 0' 0: leng 2' 6: degs 270.0");
  EXPECT_EQ(ReadoutAt(0, -8 * 24), " hor 0' 0: ver 0' -8: leng 0' 8: degs 180.0");
}

TEST_F(CursorReadout, ImperialZoomedInShowsEighths) {
  Open(false);
  ZoomFactor = 2.0f;
  EXPECT_EQ(ReadoutAt(-6, 0), " hor 0' 0 -1/4: ver 0' 0: leng 0' 0: degs 0.0");
  EXPECT_EQ(ReadoutAt(2 * 288 + 3 * 24 + 12, 0),
            " hor 2' 3 1/2: ver 0' 0: leng 2' 3: degs 90.0");
  EXPECT_EQ(ReadoutAt(660, -123), "2' 3 1/2: 0' -5 1/8: leng 2' 3: degs 100.6");
  EXPECT_EQ(ReadoutAt(48, 24), " hor 0' 2'' x ver 0' 1'': leng 0' 2 : degs 63.4");
}

class TemporaryDatum : public PlanWindowTest {};

TEST_F(TemporaryDatum, EnterPutsTheReferenceUnderThePointer) {
  child->ChildMode = childmode::Normal;
  Tool()->State = toolstate::Constructing;
  form->CmDatumExecute();
  EXPECT_EQ(child->ChildMode, childmode::DatumWaiting);
  EXPECT_EQ(Tool()->State, toolstate::Idle);
  EXPECT_EQ(form->st.PanelText(panel::Guide),
            "Guide: TEMPORARY DATUM - press Enter key when cursor is on your new reference "
            "point");

  KeyAt(plat::VK_RETURN, 2000, 1000);
  EXPECT_EQ(child->ChildMode, childmode::DatumPlaced);
  EXPECT_EQ(std::tie(child->ReferenceX, child->ReferenceY), std::make_tuple(2000, 1000));
  EXPECT_TRUE(LinesInFile().empty());  // the Enter went to the datum, not the tool

  // Used again, the command goes back to the lowest wall corner.
  form->CmDatumExecute();
  EXPECT_EQ(child->ChildMode, childmode::Normal);
  EXPECT_EQ(std::tie(child->ReferenceX, child->ReferenceY), std::make_tuple(0, 0));
  EXPECT_EQ(form->st.PanelText(panel::Guide), "GUIDE: Select tool or function");
}

TEST_F(TemporaryDatum, PressedTwiceWithoutEnterKeepsWaiting) {
  child->ChildMode = childmode::Normal;
  form->CmDatumExecute();
  form->CmDatumExecute();
  EXPECT_EQ(child->ChildMode, childmode::DatumWaiting);
}

}  // namespace
