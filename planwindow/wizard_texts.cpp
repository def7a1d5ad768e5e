// The wizards' step texts: what the step panel says at each step, in
// millimetres or in feet and inches, and the status texts of the
// design-room wizard.
#include <string>

#include "planwindow/wizards.h"

namespace wizard {

namespace {

struct StepTexts {
  int32 step;
  const char* metric;
  const char* imperial;  // nullptr: the same as the metric one
};

constexpr StepTexts kTexts[] = {
    // ---- The external-wall wizard ----------------------------------------------
    {0,
     " WIZARD - using Draw External Walls option \n\n"
     "This is the simple example you will draw: six external walls and two design rooms.\n"
     "To start, click FILE, then NEW DRAWING.\n"
     "Only use the FUNCTIONS or ICONS as mentioned in the wizard texts - no others!",
     nullptr},
    {1,
     " WIZARD - New Drawing\n\n"
     "The name box can be typed over: name the drawing wizard and choose 'draw external walls'.\n"
     "Choose 'Metric (millimetres)' as the measuring system and press Enter.\n"
     "ALWAYS check the GUIDE LINE on screen for context hints",
     " WIZARD - New Drawing\n\n"
     "The name box can be typed over: name the drawing wizard and choose 'draw external walls'.\n"
     "Choose 'Imperial (feet and inches)' as the measuring system and press Enter.\n"
     "ALWAYS check the GUIDE LINE on screen for context hints"},
    {3,
     " WIZARD - External Wall Type\n\n"
     "Choose the 'Walling 200 mm' wall and press Enter.\n"
     "Check the GUIDE LINE for what to do next.\n"
     "The title will show a '.PLN' ground floor extension.",
     " WIZARD - External Wall Type\n\n"
     "Choose the 'Walling 8 in' wall and press Enter.\n"
     "Check the GUIDE LINE for what to do next.\n"
     "The title will show a '.PLN' ground floor extension."},
    {4,
     " WIZARD - Position of Secondary External Wall Lines to Main External Wall Line\n\n"
     "Measurements are for the external (outer) wall line.\n"
     "You will start at the top left corner and go clockwise: click 'Below the line' and press "
     "Enter.",
     nullptr},
    {5,
     " WIZARD - Starting Point of First Wall \n\n"
     "The cursor is in the top left corner: press Enter there (the drawing is centred when "
     "finished).\n"
     "To cancel this wizard press the ESCape key, or a dialogue box Cancel button.",
     nullptr},
    {6,
     " WIZARD - Moving Around the Base\n\n"
     "Work clockwise: press the RIGHT arrow key,\n"
     "type 9000 and press Enter - the wall is drawn.",
     " WIZARD - Moving Around the Base\n\n"
     "Work clockwise: press the RIGHT arrow key,\n"
     "type 30 feet 6 inches and press Enter - the wall is drawn."},
    {7,
     " WIZARD\n Press the DOWN Arrow key\n "
     "type 7000 and press Enter.\n"
     "The GUIDE LINE shows how far the corner lies from the starting point.",
     " WIZARD\n Press the DOWN Arrow key\n "
     "type 17 feet and press Enter.\n"
     "The GUIDE LINE shows how far the corner lies from the starting point."},
    {8, " WIZARD\n Press the LEFT Arrow key\ntype 6000 and press Enter.",
     " WIZARD\n Press the LEFT Arrow key\ntype 20 feet 6 inches and press Enter."},
    {9, " WIZARD\n Press the DOWN Arrow key\n type 2000 and press Enter.",
     " WIZARD\n Press the DOWN Arrow key\n type 6 feet and press Enter."},
    {10, " WIZARD\n Press the LEFT Arrow key\ntype 3000 and press Enter.",
     " WIZARD\n Press the LEFT Arrow key\ntype 10 feet and press Enter."},
    {11,
     " WIZARD - Connecting Back to the Original Starting Point\n\n"
     "Press the 'ADD' ('+') key of the number pad - or 'f' on a laptop -\n"
     "to draw the last wall back to the starting point.",
     nullptr},
    {12,
     " WIZARD\n  Base Finished and Centred\n\n"
     "The drawing is centred on the sheet with its external dimensions.\n"
     "Clear way the floor area dialogue box by pressing your Enter key\n"
     " or the dialogue box 'Yes' button",
     nullptr},
    {13,
     " WIZARD - Adding Design Rooms\n\n"
     "Now add a couple of design rooms: select 'ADD New Design Room' on the Rooms menu.",
     nullptr},
    {14,
     " WIZARD - Wall Thickness for Design Rooms on this floor\n\n"
     "Type 100 (mm) and press Enter.",
     " WIZARD - Wall Thickness for Design Rooms on this floor\n\n"
     "Type 4 (inches) and press Enter."},
    {15,
     " WIZARD\n\n"
     "Name the room Bed 1, 3600 wide by 3600 long.\n"
     "Choose the 'bedroom' colour and 'width and length dimensions', then press Enter.",
     " WIZARD - New 10 ft x 12 ft Room\n\n"
     "Name the room Bed 1, 10 feet wide by 12 feet long.\n"
     "Choose the 'bedroom' colour and 'width and length dimensions', then press Enter."},
    {16,
     "WIZARD\n"
     "Hold the Left Button down in the room (not on its centre text) and drag it near the top\n"
     "left inside corner: within the merging distance it fills the corner.\n"
     "Then select 'ADD New Design Room' again.",
     nullptr},
    {17,
     " WIZARD\n"
     "Name the room Bathroom, 3000 wide by 2600 long.\n"
     "Choose the 'wet area' colour and 'width dimension only' (the colours group the rooms),\n"
     "then press Enter.",
     " WIZARD\n New 8 ft x 8 ft 8 inches Room\n"
     "Name the room Bathroom, 8 feet wide by 8 feet 8 inches long.\n"
     "Choose the 'wet area' colour and 'width dimension only' (the colours group the rooms),\n"
     "then press Enter."},
    {18,
     " WIZARD - To Finish the Design Rooms\n\n"
     "Drag the room to the top right inside corner. Press F1 for help at any time.\n"
     "Then select 'FINISH Design Rooms' on the Rooms menu.",
     nullptr},
    {19,
     " WIZARD - To Alter a Finished Room\n"
     "Select 'ALTER Finished Room' and click inside the Bathroom,\n"
     "drag it beside Bed 1, then select 'FINISH Design Rooms' again.",
     nullptr},
    {20,
     " WIZARD\n\n"
     "That concludes this wizard - another Wizard can be found from 'Help' on the menu bar\n\n\n"
     "The defaults of walls, rooms, texts and dimensions are set on the menus.\n"
     "The Walls and Rooms menus edit walls and finished rooms; the Screen Aids help to place "
     "things.\n"
     "Doors and windows are cut into the walls.\n"
     "Furniture and fixtures are custom drawn with 'Easy Draw'.\n"
     "A first floor is added from the Plan Views menu: its walls can be those of the ground floor.",
     nullptr},

    // ---- The design-room wizard ------------------------------------------------
    {100,
     "WIZARD  using the layout design rooms option\n\n"
     "This is the example you will draw: four design rooms, then the external walls round "
     "them.\n"
     "To start, click FILE, then NEW DRAWING.\n"
     "Only use the FUNCTIONS or ICONS as mentioned in the wizard texts - no others!",
     nullptr},
    {101,
     " WIZARD - New Drawing\n\n"
     "The name box can be typed over: name the drawing wizard and choose 'layout design rooms'.\n"
     "Choose 'Metric (millimetres)' as the measuring system and press Enter.",
     " WIZARD - New Drawing\n\n"
     "The name box can be typed over: name the drawing wizard and choose 'layout design rooms'.\n"
     "Choose 'Imperial (feet and inches)' as the measuring system and press Enter."},
    {102,
     " WIZARD  Wall Thickness for Design Rooms on this floor\n\n"
     "Type 100 (mm) and press Enter.\n"
     "The title will show '.LYT', the layout view.",
     " WIZARD  Wall Thickness for Design Rooms on this floor\n\n"
     "Type 4 (inches) and press Enter.\n"
     "The title will show '.LYT', the layout view."},
    {103,
     " WIZARD  New 3000 mm. x 3600 mm. Design Room\n\n"
     "Name the room Bed 1, 3000 wide by 3600 long.\n"
     "Choose the 'bedroom' colour and 'width and length dimensions', then press Enter.",
     " WIZARD  New 10' x 12' Design Room\n\n"
     "Name the room Bed 1, 10 feet wide by 12 feet long.\n"
     "Choose the 'bedroom' colour and 'width and length dimensions', then press Enter."},
    {104,
     " WIZARD\n\n"
     "Hold the Left Button down in the room and drag it near the top left of the window.\n"
     "Then select 'ADD New Design Room' again.",
     nullptr},
    // Millimetres carry no foot marks.
    {105,
     " WIZARD  New 2400 mm. x 2550 mm. Design Room\n\n"
     "Name the room Bathroom, 2400 wide by 2550 long.\n"
     "Choose the 'wet area' colour and 'length dimension only', then press Enter.",
     " WIZARD  New 8 ft x 8 ft 6 inch Design Room\n\n"
     "Name the room Bathroom, 8 feet wide by 8 feet 6 inches long.\n"
     "Choose the 'wet area' colour and 'length dimension only', then press Enter."},
    {106,
     "WIZARD\n\n "
     "Drag the Bathroom close to the right side of Bed 1: within the merging distance it\n"
     "moves up against it. Then select 'ADD New Design Room' again.",
     nullptr},
    {107,
     " WIZARD  New 3000 mm. x 3300 mm. Design Room\n\n"
     "Name the room Bed 2, 3000 wide by 3300 long.\n"
     "Choose the 'bedroom' colour and 'width dimension only', then press Enter.",
     " WIZARD - New 10' x 11' Design Room\n\n"
     "Name the room Bed 2, 10 feet wide by 11 feet long.\n"
     "Choose the 'bedroom' colour and 'width dimension only', then press Enter."},
    {108,
     " WIZARD\n\n"
     "Drag Bed 2 to the right side of the Bathroom.\n"
     "Then select 'ADD New Design Room' again.",
     nullptr},
    {109,
     " WIZARD  New 2700 mm. x 2700 mm. Design Room\n\n"
     "Name the room Kitchen, 2700 wide by 2700 long.\n"
     "Choose the 'wet area' colour and 'size as text under the name', then press Enter.",
     " WIZARD  New 9' x 9 ' Design Room\n\n"
     "Name the room Kitchen, 9 feet wide by 9 feet long.\n"
     "Choose the 'wet area' colour and 'size as text under the name', then press Enter."},
    {110,
     " WIZARD\n"
     "Drag the Kitchen to the right side of Bed 2.\n"
     "Press Insert for the layout grid and check the gaps between the rooms.\n"
     "Then select 'Mark External Walls on LAYOUT' on the Rooms menu\n"
     "(answer Yes when asked to save the drawing changes).",
     nullptr},
    {112,
     " WIZARD  External Wall Type\n\n"
     "Choose the 'Brick veneer 240 mm' wall and press Enter.",
     " WIZARD  External Wall Type\n\n"
     "Choose the 'Brick veneer 9 1/2 in' wall and press Enter."},
    {113,
     " WIZARD You should have something like this...\n\n"
     "Press Enter: the outline starts on the top left corner of Bed 1.\n"
     "From then on the GUIDE LINE shows how far each corner is from the start.",
     nullptr},
    {114,
     " WIZARD\n\n"
     "Go clockwise to the right top corner of the Kitchen: 11400 to the right. Press Enter.",
     " WIZARD\n\n"
     "Go clockwise to the right top corner of the Kitchen: 38 ft to the right. Press Enter."},
    {115,
     " WIZARD\n\n"
     "Go down until 5000 and press Enter.\n"
     "Check the GUIDE LINE.",
     " WIZARD\n\n"
     "Go down until 15 ft 6 and press Enter.\n"
     "Check the GUIDE LINE."},
    {116, " WIZARD\nGo left until 8400 and press Enter.",
     " WIZARD\nGo left until 28 ft and press Enter."},
    {117, " WIZARD\n\nGo down until 2000 and press Enter.",
     " WIZARD\n\nGo down until 7 ft 10 and press Enter."},
    {118, " WIZARD\n\nGo left until 3000 and press Enter.",
     " WIZARD\n\nGo left until 10 ft and press Enter."},
    {119,
     " WIZARD\nConnecting Back To The Starting Point\n (top / left corner of Bed 1)\n"
     "Press the 'ADD' ( + ) key of the number pad, or 'f' on a laptop.",
     nullptr},
    {120,
     " WIZARD\n  Layout Base Finished and Centred now as a Plan View\n\n"
     "The plan is centred with its dimensions and the rooms locked into walls.\n"
     "The title now shows '.PLN'. Clear the floor area box by pressing Enter.",
     nullptr},
    {121,
     "\nWIZARD\n That concludes this wizard\n\n"
     "The Walls and Rooms menus edit walls and finished rooms; the Screen Aids help to place "
     "things.\n"
     "Doors and windows are cut into the walls.\n"
     "Plan Views, Layout returns to the layout of the design rooms.\n"
     "Furniture and fixtures are custom drawn with 'Easy Draw'.",
     nullptr},
};

struct StepStatusText {
  int32 step;
  const char* text;
};

constexpr StepStatusText kStatuses[] = {
    {104, "GUIDE: Place mouse cursor in room, hold down and drag room to near top left "},
    {106, "GUIDE: Place mouse cursor in room, hold down and drag room close to right side of bed 1 "},
    {108, "GUIDE: Place mouse cursor in room, hold down and drag room to right side of Bathroom  "},
    {110, "GUIDE: Place mouse cursor in room, hold down and drag room to right side of bed 2  "},
    {112, "GUIDE: "},
    {121, "GUIDE: Select a tool or function from the menu bar or from the icons"},
};

}  // namespace

const char* const kHintText =
    " Use the ESCape key or dialogue box Cancel Button (if showing) to cancel this wizard\n";

std::string StepText(int32 step, bool metric) {
  for (const StepTexts& t : kTexts) {
    if (t.step != step) continue;
    return (metric || !t.imperial) ? t.metric : t.imperial;
  }
  return {};
}

const char* StepStatus(int32 step) {
  for (const StepStatusText& s : kStatuses)
    if (s.step == step) return s.text;
  return nullptr;
}

}  // namespace wizard
