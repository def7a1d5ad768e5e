// Where a new drawing and a new floor hand over to the wall and room
// commands. A drawing started on the layout goes on with its first design
// room (shell/mainform_rooms.cpp). The external-wall chain of a new drawing
// and the copying of the floor below to an upper floor come with the
// building commands; until they are here a new drawing of walls starts with
// the pick tool and an upper floor starts empty.
#include "model/globals.h"
#include "shell/mainform.h"

void TMainForm::StartDrawingTool(bool designRooms) {
  if (designRooms) {
    StartDesignRooms();
    return;
  }
  SelectPickTool();
  CurrentFunction = func::Walls;
}

void TMainForm::OfferWallsFromBelow(int32 /*viewCode*/) {}
