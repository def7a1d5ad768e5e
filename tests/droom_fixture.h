// Design rooms through the main form and the plan window: a drawing started
// with design rooms, scripted room dialogs, and clicks, drags and keys given
// in drawing units.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "building/droom_tool.h"
#include "dialogs/feetdlg.h"
#include "dialogs/modal.h"
#include "dialogs/roomdlg.h"
#include "dialogs/roomimpdlg.h"
#include "dialogs/roomptndlg.h"
#include "model/flist.h"
#include "model/view_mapping.h"
#include "platform/keys.h"
#include "tests/planwindow_fixture.h"

namespace roomfix {

class RoomTest : public planfix::ShellTest {
 protected:
  plat::ScriptedUi& ui = DefaultTestUi();
  dlg::InstalledScript<dlg::TTRoomptndlg> wallMetric;
  dlg::InstalledScript<dlg::TTRoomptnimp> wallImperial;
  dlg::InstalledScript<dlg::TTRoomdlg> roomMetric;
  dlg::InstalledScript<dlg::TTRoomimpdlg> roomImperial;
  dlg::InstalledScript<TTFeetdlg> feet;

  // Queues OK on the next metric room dialog with these answers.
  void AnswerRoom(const std::string& name, int32 width, int32 length) {
    roomMetric.Answer([=](dlg::TTRoomdlg& d) {
      d.name = name;
      d.width = width;
      d.length = length;
    });
  }
  void AnswerImperialRoom(const std::string& name, int32 width, int32 length) {
    roomImperial.Answer([=](dlg::TTRoomimpdlg& d) {
      d.name = name;
      d.width = dlg::FeetInches::Of(width);
      d.length = dlg::FeetInches::Of(length);
    });
  }

  // The client pixel of a drawing point in the active window.
  plat::Point Px(int32 x, int32 y) {
    plat::WindowDC dc(Window().window);
    int32 dx = 0, dy = 0;
    WorldToDevice(*dc, Child().ClientRect(), x / PixelScale, y / PixelScale, dx, dy);
    return {dx, dy};
  }
  // The drawing point of a client pixel.
  plat::Point At(plat::Point px) {
    plat::WindowDC dc(Window().window);
    int32 x = 0, y = 0;
    DeviceToWorld(*dc, Child().ClientRect(), px.x, px.y, x, y);
    return {x * PixelScale, y * PixelScale};
  }
  // How far a drag from one drawing point to another really moves, after
  // both were turned into pixels.
  plat::Point Moved(int32 x1, int32 y1, int32 x2, int32 y2) {
    const plat::Point a = At(Px(x1, y1)), b = At(Px(x2, y2));
    return {b.x - a.x, b.y - a.y};
  }

  void Press(int button, int32 x, int32 y) {
    const plat::Point p = Px(x, y);
    Child().OnMouseDown(button, p.x, p.y);
  }
  void Release(int button, int32 x, int32 y) {
    const plat::Point p = Px(x, y);
    Child().OnMouseUp(button, p.x, p.y);
  }
  void Click(int32 x, int32 y, int button = 1) {
    Press(button, x, y);
    Release(button, x, y);
  }
  void Drag(int32 x1, int32 y1, int32 x2, int32 y2, int button = 1) {
    Press(button, x1, y1);
    const plat::Point a = Px(x1, y1), b = Px(x2, y2);
    Child().OnMouseMove((a.x + b.x) / 2, (a.y + b.y) / 2, button == 1);
    Child().OnMouseMove(b.x, b.y, button == 1);
    Child().OnMouseUp(button, b.x, b.y);
  }
  void Key(int key) {
    Child().FormKeyDown(key, false);
    Child().FormKeyUp(key);
  }

  // Calls f on each element of the live drawing file (read into a list of
  // its own), in file order.
  template <class F>
  void EachInLiveFile(F f) {
    TFlist list;
    list.ProgramDir = DrawingList.ProgramDir;
    list.SetDrawingName(DrawingList.DrawingName);
    list.ReadDrawingFile(dtDrawing);
    for (int32 i = 6; i < list.Count(); ++i) f(*list.At(i));
  }
  // The rooms (of every room kind) of the live drawing file, in file order.
  std::vector<TRoomobj> RoomsInFile() {
    std::vector<TRoomobj> rooms;
    EachInLiveFile([&](TObj& e) {
      if (auto* r = dynamic_cast<TRoomobj*>(&e)) rooms.push_back(*r);
    });
    return rooms;
  }
  TRoomobj RoomNamed(const std::string& name) {
    for (const TRoomobj& r : RoomsInFile())
      if (name == r.RoomName) return r;
    ADD_FAILURE() << "no room " << name;
    return TRoomobj();
  }
  int UndoSteps() const {
    int n = 0;
    for (int32 v : DrawingList.UndoViews) n += v != 0;
    return n;
  }
  TDRoomobjtool* RoomTool() { return dynamic_cast<TDRoomobjtool*>(form->CurrentTool()); }
};

}  // namespace roomfix
