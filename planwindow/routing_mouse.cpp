// Mouse routing: presses and releases of the left and right buttons reach
// the current tool or the window's own handling; while the left button is
// held the view scrolls when the pointer stands in the window's margin.
#include <optional>

#include <utility>

#include "building/droom_tool.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "planwindow/childwin.h"
#include "planwindow/routing_support.h"
#include "platform/services.h"
#include "platform/ui.h"
#include "shell/mainform.h"

using namespace routing;

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;

constexpr int32 kPlaceStartX = 10000;  // steps whose press takes a start x, then y
constexpr int32 kPlaceStartY = 10001;
constexpr int32 kRotateByNinetyKind = 27000;
// After a turn or a deletion the design-room tool drags rooms again.
constexpr const char* kRoomDragGuide = "GUIDE: place cursor in room, move with Left Button down";
constexpr const char* kRoomToolName = "Design Room";
constexpr int32 kFullCircle = 360;
constexpr int32 kMaxTextLength = 70;
constexpr int32 kTextRedrawBox = 100;
constexpr int32 kAutoScrollMargin = 5;
constexpr int32 kAutoScrollStep = 5;
constexpr int32 kAutoScrollIntervalMs = 20;

bool IsDesignRoom(int32 type) {
  return type == tooltype::DesignRoom || type == tooltype::DesignRoom2;
}
bool IsCentringStep(int32 step) {
  return step >= toolstep::CentreFirst && step <= toolstep::CentreCentreThird;
}
bool IsLayoutView(int32 v) { return v >= view::LayoutGround && v <= 49; }

// The view's own file: the group file in the group views.
void WriteLive() { DrawingList.WriteDrawingFile(dtDrawing); }
void RecordUndo() { DrawingList.UpdateUndoHistory(uoRecord, CurrentView); }

// Tool mouse operations with a device context taken for the call.
template <class F>
void WithDC(const TMDIChild& child, F f) {
  plat::WindowDC dc(child.Surface());
  f(*dc, child.ClientRect());
}

}  // namespace

// ---- Press ------------------------------------------------------------------------

void TMDIChild::OnMouseDown(int button, int x, int y) {
  if (button == kLeftButton)
    LeftPress(x, y);
  else if (button == kRightButton)
    RightPress(x, y);
}

void TMDIChild::LeftPress(int x, int y) {
  designerPress_ = false;
  TDrawingtool* t = Tool();
  if (!t) return;
  if (t->PickedFloor() == kZoomBoxArmed) {
    {
      plat::WindowDC dc(Surface());
      ZoomBox(1, *dc, 0, x, y);
    }
    StartAutoScroll(x, y);
    return;
  }
  t->Window = this;
  const int32 entryType = t->Type;
  const int32 entryStep = t->Step;
  PressOrgX = WindowOrgX;
  PressOrgY = WindowOrgY;
  if (!LeftPressRules(x, y, entryType, entryStep)) return;
  PressTail(entryStep);
  StartAutoScroll(x, y);
}

// The press rules, first match decides; false: return at once (no tail).
bool TMDIChild::LeftPressRules(int x, int y, int32 entryType, int32 entryStep) {
  TDrawingtool* t = Tool();
  const plat::Point p = ClientToDrawing({x, y});
  if (entryType == tooltype::Opening && (entryStep < toolstep::CentreFirst ||
                                         entryStep > toolstep::CentreCentreThird))
    return true;
  if (CurrentView == view::LayoutMarkingWalls) return true;
  if (entryStep == kPlaceStartX) {
    t->X1 = p.x;
    return true;
  }
  if (entryStep == kPlaceStartY) {
    t->Y1 = p.y;
    t->Step = 0;
    return true;
  }
  if (IsDesignRoom(entryType)) {
    DesignRoomPress(x, y, entryStep);
    return true;
  }
  if (entryType == tooltype::WorktopMerge && (entryStep == 1 || entryStep == 2)) {
    WorktopPress(x, y, entryStep);
    return true;
  }
  const int32 room = DrawingList.FindRoomAt(p.x / PixelScale, p.y / PixelScale);
  if (IsDesignRoom(room)) {
    if (MainForm) MainForm->SetTool(room);
    if (TDrawingtool* now = Tool()) {
      now->Window = this;
      WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
        now->MouseDown(dc, r, x, y);
      });
    }
    MarkDrawingChanged();
    return true;
  }
  if (IsCentringStep(entryStep)) {
    CentringPress(x, y, entryStep);
    return true;
  }
  if (entryType == tooltype::WallEdit) return WallEditPress(x, y, entryStep);
  if (entryType == tooltype::ClearSpan) {
    DrawingList.FindClearSpan(p.x, p.y, t->PickedIndex());
    if (MainForm) {
      MainForm->SelectPickTool();
      designerPress_ = true;
      MainForm->RunFixtureDesigner();
    }
    return false;
  }
  if (entryType == tooltype::EnlargeShrink) return true;
  if (entryType == tooltype::TypedText && RestoreToolId == 0 && t->State == toolstate::Idle) {
    Guide("GUIDE: maximum of 70 letters/numbers/spaces per line");
    t->State = toolstate::Constructing;
  }
  const bool quietType = entryType == tooltype::Parked || entryType == tooltype::Pick ||
                         entryType == tooltype::Centred41 || entryType == tooltype::Centred60 ||
                         entryType == tooltype::Centred62 || entryType == tooltype::Centred64;
  if ((quietType && entryStep < toolstep::CentreFirst) || entryType == tooltype::Type57 ||
      (entryStep >= 39 && entryStep <= toolstep::MultiCopies) ||
      (entryType == tooltype::Erase && entryStep == 9) || entryStep == 20 || entryStep == 21)
    return true;
  if (entryType == tooltype::Plain2) {
    ChildMode = childmode::Normal;
    EndStatuses(entryStep);
    return true;
  }
  if (entryType == tooltype::Text) {
    if (!CentredTextPress(x, y)) return false;
    EndStatuses(entryStep);
    return true;
  }
  if ((entryType == tooltype::TypedText && RestoreToolId == 1) ||
      entryType == tooltype::Outline) {
    EndStatuses(entryStep);
    return true;
  }
  if (entryType == tooltype::Line) {
    ReferenceX = p.x;
    ReferenceY = p.y;
  }
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseDown(dc, r, x, y); });
  RoofPrompts(entryType);
  EndStatuses(entryStep);
  return true;
}

void TMDIChild::EndStatuses(int32 entryStep) {
  if (entryStep == 1) Guide("GUIDE: Selected");
  if (entryStep == 9 && MainForm) MainForm->SetTool(LineThickness);
}

void TMDIChild::PressTail(int32 entryStep) {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (entryStep == roomstep::MoveByDistance || entryStep == roomstep::Nudge) t->Step = 0;
  if (IsLayoutView(CurrentView) &&
      (entryStep == toolstep::CentreFirst || entryStep == toolstep::MultiStart)) {
    WriteLive();
    t->Step = 0;
    Surface().InvalidateRect(nullptr);
    if (LayoutGridShown == 1) RedrawLayoutGrid();
  }
}

void TMDIChild::DesignRoomPress(int x, int y, int32 entryStep) {
  TDrawingtool* t = Tool();
  if (t->State > 0) t->State = 0;
  using namespace roomstep;
  const bool callsTool = entryStep < Dragging || entryStep == Enlarge || entryStep == Shrink ||
                         entryStep == Rotate || entryStep == Delete ||
                         entryStep == ChooseToMove || entryStep == FreeSpace ||
                         entryStep == Unlock;
  if (callsTool) {
    WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseDown(dc, r, x, y); });
    if (t->Y2 == kNothingPicked)
      plat::ErrorBox("no room selected - re select and retry", plat::mbRetry);
    if (t->Type == tooltype::DesignRoom2 && entryStep == Unlock) RedrawArea(redraw::ToolFrame);
    if (t->Step == FreeSpaceFailed) {
      plat::InfoBox("the click was probably outside the external walls", plat::mbCancel);
      t->Step = 0;
    } else if (t->Step == FreeSpaceAngled) {
      plat::InfoBox("one of the measuring walls was angled", plat::mbCancel);
      t->Step = 0;
    }
  }
  if (entryStep == MoveByDistance || entryStep == Nudge) t->Step = 0;
  // A turn or a deletion is one click; the tool marked the drawing changed
  // when it hit a room.
  if (entryStep == Rotate || entryStep == Delete) {
    WriteLive();
    t->Step = 0;
    InvalidateMergeArea();
    Guide(kRoomDragGuide);
    ToolPanel(kRoomToolName);
  }
}

void TMDIChild::WorktopPress(int x, int y, int32 entryStep) {
  TDrawingtool* t = Tool();
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseDown(dc, r, x, y); });
  if (t->Step == entryStep) {
    plat::InfoBox("the click was not inside a worktop - try identifying the worktop again");
  } else if (t->Step == 2) {
    Guide("GUIDE: Now Left Button click inside the other worktop to merge");
  } else if (t->Step == 3) {
    InvalidateToolFrame();
    Guide("GUIDE: SPEED HINT To merge worktops you could use Ctrl+M ( M for Merge) keys "
          "shortcut instead of Edit/Alter MergeWorktops");
    ToolPanel("Pick Tool");
  }
}

void TMDIChild::CentringPress(int x, int y, int32 entryStep) {
  TDrawingtool* t = Tool();
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
    if (entryStep >= toolstep::CentreCentreFirst)
      t->CentreCentreClick(dc, r, x, y);
    else
      t->CentreClick(dc, r, x, y);
  });
  if (entryStep < toolstep::CentreCentreFirst || t->Step != toolstep::CentreCentreDone) return;
  if (t->Type != tooltype::Text && t->Type != tooltype::TypedText) return;
  if (t->PickedIndex() == 1)
    Guide("GUIDE: click LEFT button on TEXT centre point - type in the input box that appears ");
  else if (t->PickedIndex() == 2)
    Guide("GUIDE: click LEFT button on TEXT starting point - then type away - press Enter when "
          "finished ");
}

// False when the question was cancelled (the press ends there).
bool TMDIChild::CentredTextPress(int x, int y) {
  WriteLive();
  Guide("GUIDE: maximum of 70 letters/numbers/spaces");
  std::string text;
  if (!AskCentredText(text)) {
    if (MainForm) MainForm->SelectPickTool();
    return false;
  }
  TDrawingtool* t = Tool();
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
    t->PlaceText(dc, r, x, y, text);
  });
  WriteLive();
  Guide("GUIDE: you can continue using the same text function by clicking LEFT button on TEXT "
        "point");
  return true;
}

void TMDIChild::RoofPrompts(int32 type) {
  TDrawingtool* t = Tool();
  const int32 step = t->Step;
  const bool firstStep = type == tooltype::RoofRidge ? step == 10 : step == 0;
  auto otherwise = [&] {
    if (t->Frame[0] != kStartNewKeyLine) plat::InfoBox("Nothing selected - try again");
  };
  switch (type) {
    case tooltype::RoofExtension:
      if (firstStep) {
        plat::InfoBox("press ENTER on a wallplate corner (finetune cursor position with arrow "
                      "keys)\n- do not allow for soffits, gables etc.,\nthen press ENTER on "
                      "diagonally opposite wallplate corner");
        Guide("press ENTER on wallplate corners diagonally opposite (use arrow keys to align "
              "cursor exactly);");
      } else {
        plat::InfoBox("No fascia was marked restart roof extension function to try again");
      }
      return;
    case tooltype::Verandah:
      WallDisplayMode = 2;
      if (firstStep) {
        plat::InfoBox("press ENTER on a verandah WALL corner (finetune cursor position with "
                      "arrow keys) - do not allow for soffits/nNow drag verandah diagonally to "
                      "size at front wallplate corner and press Enter");
        Guide("press ENTER on verandah WALL corner, drag diagonally to size (use arrow keys to "
              "align cursor exactly) and press Enter;");
      } else {
        otherwise();
      }
      return;
    case tooltype::Roof73:
    case tooltype::Roof80:
    case tooltype::Roof81:
      WallDisplayMode = 2;
      if (firstStep) {
        plat::InfoBox("Press ENTER when object is positioned correctly\n(finetune cursor "
                      "position with arrow keys)\nDatum is the bottom left external wall corner");
        Guide("press ENTER when object is positioned correctly (finetune cursor position with "
              "arrow keys);");
      } else {
        otherwise();
      }
      return;
    case tooltype::RoofRidge:
      WallDisplayMode = 2;
      if (firstStep) {
        t->Step = 0;
        plat::InfoBox("Press ENTER when object is positioned correctly on the ridge (finetune "
                      "cursor position with arrow keys) /nDatum is the bottom left external wall "
                      "corner");
        Guide("press ENTER when object is positioned correctly on the ridge (finetune cursor "
              "position with arrow keys);");
      } else {
        otherwise();
      }
      return;
    case tooltype::RoofAlteration:
      WallDisplayMode = 2;
      if (firstStep) {
        plat::InfoBox("Press ENTER on opposite corner points of the alteration to be made\n"
                      "(finetune cursor position with arrow keys)\nDatum is the bottom left "
                      "external wall corner");
        Guide("press ENTER on opposite corner points of the alteration to be made (finetune "
              "cursor position with arrow keys);");
      } else {
        otherwise();
      }
      return;
    default:
      return;
  }
}

void TMDIChild::RightPress(int x, int y) {
  TDrawingtool* t = Tool();
  if (!t) return;
  if (IsDesignRoom(t->Type)) {
    if (t->Step == roomstep::MoveByDistance || t->Step == roomstep::Nudge) t->Step = 0;
    if (t->Step == roomstep::Idle || t->Step == roomstep::ChooseToMove) {
      WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
        t->RightMouseDown(dc, r, x, y);
      });
      if (t->Step == roomstep::FreeSpaceFailed) t->Step = 0;
    }
    return;
  }
  if (t->Type == tooltype::Line && t->Step == toolstep::Idle) {
    if (MainForm) MainForm->SelectPickTool();
    return;
  }
  if (t->Type == tooltype::Move) RotateByRightButton(x, y);
}

void TMDIChild::RotateByRightButton(int x, int y) {
  TDrawingtool* t = Tool();
  int32 degrees = 90;
  const int32 n = DrawingList.Count();
  const bool quarterTurn = n > 0 && DrawingList.At(n - 1)->Kind == kRotateByNinetyKind;
  if (!quarterTurn) {
    Guide("GUIDE: Input degrees, then if needed, use + - keys to finetune rotation, arrow keys "
          "to move . press Enter to Lock");
    std::string answer;
    if (AskText("ROTATE", "clockwise", "90", answer)) {
      degrees = plat::StrToInt0(answer);
      if (degrees == 0) {
        plat::ErrorBox(kValidNumber, plat::mbRetry);
        return;
      }
      if (degrees < 0 || degrees > kFullCircle) return;
      if (degrees != 90 && degrees != 180 && degrees != 270 && SelectionTurnsByQuartersOnly())
        return;
    } else {
      // No turn wanted: the question's Cancel ends the rotation.
      return;
    }
  }
  t->RotationField() = degrees;
  RotationAngle += degrees;
  if (RotationAngle > kFullCircle) RotationAngle -= kFullCircle;
  t->Window = this;
  if (!quarterTurn) t->Step = 3;
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
    t->RightMouseDown(dc, r, x, y);
  });
  InvalidateFrameChange(1);
  ToolPanel(plat::Format("%d degrees", RotationAngle));
}

// ---- Release ---------------------------------------------------------------------------

void TMDIChild::OnMouseUp(int button, int x, int y) {
  if (button == kLeftButton) {
    StopAutoScroll();
    LeftRelease(x, y);
  } else if (button == kRightButton) {
    RightRelease(x, y);
  }
}

void TMDIChild::LeftRelease(int x, int y) {
  if (std::exchange(designerPress_, false)) return;
  TDrawingtool* t = Tool();
  if (!t) return;
  if (t->PickedFloor() == kZoomBoxDragging) {
    plat::WindowDC dc(Surface());
    ZoomBox(2, *dc, 0, x, y);
    return;
  }
  t->Window = this;
  const int32 step = t->Step;
  const int32 type = t->Type;
  if (CurrentView < 49 && (WindowOrgX != PressOrgX || WindowOrgY != PressOrgY)) {
    Surface().InvalidateRect(nullptr);
    t->Scrolled = 1;
  }
  if (IsDesignRoom(type)) {
    if (step == roomstep::Dragging || step == roomstep::DraggingCentre) {
      WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseUp(dc, r, x, y); });
      WriteLive();
      InvalidateMergeArea();
      t->Step = 0;
      if (CurrentView <= 49) ShowExternalRectangle(0);
    } else if (step == roomstep::FreeSpace) {
      RoomInFreeSpace();
      // The room dialog's Cancel may have replaced the tool.
      if (TDrawingtool* now = Tool()) now->Step = 0;
    } else if (type == tooltype::DesignRoom2 && step == roomstep::Unlock) {
      t->Step = 0;
    }
    return;
  }
  if (type > tooltype::Fill) return;
  if (type == tooltype::Outline && CurrentView == view::LayoutMarkingWalls) return;
  if (type == tooltype::TextEdit) {
    if (step == 1) TextChangeRelease(x, y);
    if (step == 2) TextSizeRelease(x, y);
    return;
  }
  if (type == tooltype::Fill && step == 1) {
    const plat::Point p = ClientToDrawing({x, y});
    ChangeFillColour(p.x / PixelScale, p.y / PixelScale);
    if (TDrawingtool* now = Tool(); now && now->PickedIndex() == kNothingPicked)
      Guide("GUIDE: no suitable item selected");
    return;
  }
  if (step >= 39 && step <= toolstep::MultiCopies) return;
  if (type == tooltype::Text || type == tooltype::TypedText) return;
  if (type == tooltype::Parked || type == tooltype::Pick) {
    if (step == 0) Guide("GUIDE: Pick Tool");
    return;
  }
  if (step > 0) {
    ReleaseWithStep(x, y, step, type);
    return;
  }
  if (type == tooltype::Line) RecordUndo();
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseUp(dc, r, x, y); });
  PromptAgainIfShapeRefused();
}

void TMDIChild::ReleaseWithStep(int x, int y, int32 step, int32 type) {
  TDrawingtool* t = Tool();
  auto toolUp = [&] {
    WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseUp(dc, r, x, y); });
  };
  if (type == tooltype::Move && step == 3) {
    toolUp();
    InvalidateFrameChange(1);
    return;
  }
  if (type == tooltype::Move && step == 2) {
    t->Step = 3;
    return;
  }
  if (step == 5 || step == 15 || step == 17 || step == 505 || step == 555) {
    FrameRelease(x, y, step);
    return;
  }
  if (step == 7) {
    Surface().InvalidateRect(nullptr);
    if (MainForm) MainForm->SetTool(type);
    return;
  }
  if (step == toolstep::LineTextArmed || step == toolstep::LineTextStarted) {
    // A drag draws a line: the line and its text are one step to undo.
    const plat::Point p = ClientToDrawing({x, y});
    if (t->ButtonDown == 1 && (p.x != t->X1 || p.y != t->Y1)) RecordUndo();
    toolUp();
    if (t->Y1 >= kClickWithoutDrag) return;
    LineTextOrRedraw(8);
    t = Tool();
    if (!t || t->Y1 >= kClickWithoutDrag) {
      if (MainForm) MainForm->SelectPickTool();
      return;
    }
    WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
      t->ElementsAdded(dc, r, 0, 0);
    });
    if (MainForm) MainForm->SelectPickTool();
    WriteLive();
    return;
  }
  if ((step == 11 || step == 12) && MainForm) MainForm->SetTool(RestoreToolId);
}

void TMDIChild::FrameRelease(int x, int y, int32 step) {
  TDrawingtool* t = Tool();
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) { t->MouseUp(dc, r, x, y); });
  InvalidateFrameChange(1);
  constexpr int32 kPrintPartStep = 17, kZoomFrameStep = 15;
  if (step == kPrintPartStep) {
    if (MainForm) MainForm->PrintPart();
  } else if (t->Type == tooltype::Move && step == kZoomFrameStep) {
    if (MainForm) MainForm->SetTool(RestoreToolId);
    ApplyZoom(zoomstyle::AfterMoveFrame);
  } else if (t->Type == tooltype::Copy && t->AddToLibraryFlag() == 1) {
    AddFramedToLibrary();
    if (MainForm) MainForm->SelectPickTool();
  } else if (t->Type == tooltype::Copy) {
    Guide("GUIDE: press F1 key for help");
  } else if (t->Type == tooltype::Erase) {
    // Repaint what the erased frame covered.
    int32 left = 0, top = 0, right = 0, bottom = 0;
    {
      plat::WindowDC dc(Surface());
      WorldToDevice(*dc, ClientRect(), t->X1 / PixelScale, t->Y2 / PixelScale, left, top);
      WorldToDevice(*dc, ClientRect(), t->X2 / PixelScale, t->Y1 / PixelScale, right, bottom);
    }
    if (MainForm) MainForm->SelectPickTool();
    const plat::Rect area{std::min(left, right), std::min(top, bottom), std::max(left, right),
                          std::max(top, bottom)};
    Surface().InvalidateRect(&area);
    Surface().UpdateWindow();
  }
}

namespace {

// What identifies a picked text while a question is open: a repaint during
// the question rebuilds the list from the live file and frees the element,
// so only its index and these values are kept.
struct PickedText {
  int32 index = 0;
  int32 kind = 0;
  int32 x1 = 0;
  int32 y1 = 0;
  std::string text;
};

std::optional<PickedText> PickText(int32 index) {
  if (index < 0 || index >= DrawingList.Count()) return std::nullopt;
  const auto* t = dynamic_cast<const TTextobj*>(DrawingList.At(index));
  if (!t) return std::nullopt;
  return PickedText{index, t->Kind, t->X1, t->Y1, t->Text};
}

// The picked text looked up again after a question; null when the list no
// longer holds that text at its index.
TTextobj* Refetch(const PickedText& picked) {
  if (picked.index >= DrawingList.Count()) return nullptr;
  auto* t = dynamic_cast<TTextobj*>(DrawingList.At(picked.index));
  if (!t || t->Kind != picked.kind || t->X1 != picked.x1 || t->Y1 != picked.y1 ||
      picked.text != t->Text)
    return nullptr;
  return t;
}

}  // namespace

void TMDIChild::TextChangeRelease(int x, int y) {
  const plat::Point p = ClientToDrawing({x, y});
  const int32 index =
      DrawingList.PickElementAt(TFlist::pmTexts, p.x / PixelScale, p.y / PixelScale);
  if (index == TFlist::kNothingFound) {
    Guide("GUIDE: no text selected");
    return;
  }
  const std::optional<PickedText> picked = PickText(index);
  if (!picked) return;
  Guide("GUIDE: maximum of 70 letters/numbers/spaces");
  std::string answer;
  if (!AskText("CHANGE TEXT or NUMBER", "", picked->text, answer)) return;
  const int32 n = int32(answer.size());
  if (n == 0) {
    plat::ErrorBox("input must not be blank", plat::mbRetry);
    return;
  }
  if (n > kMaxTextLength) {
    plat::ErrorBox("input over the maximum of 70 letters / spaces / numbers", plat::mbRetry);
    return;
  }
  TTextobj* text = Refetch(*picked);
  if (!text) return;
  RecordUndo();
  text->TextLength = CopyBoundedText(text->Text, kTextCapacity, answer.c_str());
  MarkDrawingChanged();
  WriteLive();
  RedrawText(index);
}

void TMDIChild::TextSizeRelease(int x, int y) {
  const plat::Point p = ClientToDrawing({x, y});
  const int32 index =
      DrawingList.PickElementAt(TFlist::pmTexts, p.x / PixelScale, p.y / PixelScale);
  if (index >= kStartNewKeyLine) return;
  const std::optional<PickedText> picked = PickText(index);
  if (!picked) return;
  Guide("GUIDE: change textsize ( usually between 8 and 12 )");
  std::string answer;
  const int32 size = dynamic_cast<const TTextobj&>(*DrawingList.At(index)).Size;
  if (!AskText("", "CHANGE TEXT SIZE", plat::IntToStr(size), answer)) return;
  const int32 n = int32(answer.size());
  if (n >= 1 && n <= kMaxTextLength) {
    // A size that is not a whole number changes nothing.
    constexpr int32 kNotANumber = -2147483647;
    const int32 typed = plat::StrToIntDef(answer, kNotANumber);
    if (typed == kNotANumber) {
      plat::Ui().ShowMessage("'" + answer + "' is not a valid integer value");
      return;
    }
    TTextobj* text = Refetch(*picked);
    if (!text) return;
    RecordUndo();
    text->Size = typed;
    MarkDrawingChanged();
  }
  WriteLive();
  RedrawText(index);
}

void TMDIChild::RedrawText(int32 index) {
  const TObj* e = DrawingList.At(index);
  const plat::Rect r = ClientRect();
  int32 dx = 0, dy = 0;
  {
    plat::WindowDC dc(Surface());
    WorldToDevice(*dc, r, e->X1 / PixelScale, e->Y1 / PixelScale, dx, dy);
  }
  const int32 b = kTextRedrawBox;
  if (dx - b > r.left && dx + b < r.right && dy - b > r.top && dy + b < r.bottom) {
    const plat::Rect box{dx - b, dy - b, dx + b, dy + b};
    Surface().InvalidateRect(&box);
  } else {
    Surface().InvalidateRect(nullptr);
  }
}

void TMDIChild::RightRelease(int x, int y) {
  TDrawingtool* t = Tool();
  if (!t || (t->Step != 5 && t->Step != 6)) return;
  WithDC(*this, [&](plat::DeviceContext& dc, const plat::Rect& r) {
    t->RightMouseUp(dc, r, x, y);
  });
  WriteLive();
  InvalidateMergeArea();
  t->Step = 0;
  ShowExternalRectangle(0);
}

// ---- Auto-scroll --------------------------------------------------------------------------
// The view scrolls while the left button is held with the pointer in the
// window's margin. A timer drives it, so the press handler returns at once
// and nothing runs nested inside it; the release (or a move without the
// button) stops the timer.

void TMDIChild::StartAutoScroll(int x, int y) {
  if (AutoScroll != 1 || !AutoScrollTimer) return;
  autoScroll_.active = true;
  autoScroll_.pointer = {x, y};
  autoScroll_.client = ClientRect();
  AutoScrollTimer->onTimer = [this] { AutoScrollTick(); };
  AutoScrollTimer->SetInterval(kAutoScrollIntervalMs);
  AutoScrollTimer->SetEnabled(true);
}

void TMDIChild::StopAutoScroll() {
  autoScroll_.active = false;
  if (AutoScrollTimer) AutoScrollTimer->SetEnabled(false);
}

void TMDIChild::AutoScrollTick() {
  if (!autoScroll_.active) {
    StopAutoScroll();
    return;
  }
  const plat::Point p = autoScroll_.pointer;
  const plat::Rect& r = autoScroll_.client;
  const int32 m = kAutoScrollMargin;
  if (p.x < r.left + m)
    HorzScroll(scrollcode::ThumbPosition, HorzPosition() - kAutoScrollStep);
  else if (p.x > r.right - m)
    HorzScroll(scrollcode::ThumbPosition, HorzPosition() + kAutoScrollStep);
  else if (p.y < r.top + m)
    VertScroll(scrollcode::ThumbPosition, VertPosition() - kAutoScrollStep);
  else if (p.y > r.bottom - m)
    VertScroll(scrollcode::ThumbPosition, VertPosition() + kAutoScrollStep);
}
