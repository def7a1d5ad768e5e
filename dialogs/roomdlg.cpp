#include "dialogs/roomdlg.h"

#include <algorithm>

#include "building/droom_settings.h"

namespace dlg {

RoomChoices::RoomChoices() {
  const droom::NewRoomChoice c = droom::ReadNewRoomChoice();
  dimensionChoice = c.dimension;
  colourChoice = c.colour;
}

void RoomChoices::DescribeName(Form& f) { f.Text("room name", name, kRoomNameMax); }

void RoomChoices::DescribeChoices(Form& f) {
  f.Choice("dimensions when finished", dimensionChoice,
           {{droom::dimchoice::SizeText, "size as text under the name"},
            {droom::dimchoice::Both, "width and length dimensions"},
            {droom::dimchoice::Width, "width dimension only"},
            {droom::dimchoice::Depth, "length dimension only"}});
  f.Choice("room colour", colourChoice,
           {{droom::colourchoice::None, "no colour"},
            {droom::colourchoice::WetArea, "wet area"},
            {droom::colourchoice::Bedroom, "bedroom"},
            {droom::colourchoice::Other, "other room"}});
}

void RoomChoices::Keep() const {
  droom::WriteNewRoomChoice({dimensionChoice, colourChoice});
}

TTRoomdlg::TTRoomdlg() = default;

TTRoomdlg::TTRoomdlg(int32 spanWidth, int32 spanLength)
    : width(std::clamp(spanWidth, kMin, kMax)), length(std::clamp(spanLength, kMin, kMax)) {}

void TTRoomdlg::Describe(Form& f) {
  f.Title("Design Room").Help("rooms.htm");
  DescribeName(f);
  f.Integer("width (mm)", width, kMin, kMax);
  f.Integer("length (mm)", length, kMin, kMax);
  DescribeChoices(f);
}

}  // namespace dlg
