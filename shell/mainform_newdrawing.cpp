// Where a new drawing and a new floor hand over to the wall and room
// commands. The external-wall chain of a new drawing, the design-room tool
// of a drawing started on the layout and the copying of the floor below to
// an upper floor come with the building commands; until they are here a new
// drawing starts with the pick tool and an upper floor starts empty.
#include "model/globals.h"
#include "shell/mainform.h"

void TMainForm::StartDrawingTool(bool designRooms) {
  SelectPickTool();
  CurrentFunction = designRooms ? func::DesignRooms : func::Walls;
}

void TMainForm::OfferWallsFromBelow(int32 /*viewCode*/) {}
