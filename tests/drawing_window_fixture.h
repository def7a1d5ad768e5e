// A plan window as in routing_fixture.h, with the shape, text and window
// commands reachable through the main form, and the elements of the live
// drawing file read back by class.
#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "model/elements.h"
#include "model/flist.h"
#include "tests/routing_fixture.h"

class DrawingWindowTest : public PlanWindowTest {
 protected:
  // The user elements of one class in the live drawing file, read back
  // from it (the list then holds the file).
  template <class T>
  std::vector<T> InFile() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    std::vector<T> out;
    for (int32 i = 6; i < DrawingList.Count(); ++i)
      if (auto* e = dynamic_cast<T*>(DrawingList.At(i))) out.push_back(*e);
    return out;
  }
  int32 UserElementsInFile() {
    DrawingList.Clear();
    DrawingList.ReadDrawingFile(dtDrawing);
    return DrawingList.Count() - 6;
  }

  // Every exclusive-or figure (lines and ellipses) drawn an even number of
  // times: the previews were all erased again.
  bool FiguresBalanced() {
    std::map<std::tuple<int, int, int, int, int, int>, int> count;
    for (const auto& r : host.window.Drawn()) {
      if (r.rop == plat::R2_COPYPEN) continue;
      if (r.op == plat::DcOp::Ellipse)
        ++count[{1, r.rop, r.box.left, r.box.top, r.box.right, r.box.bottom}];
    }
    bool balanced = XorBalanced();
    for (const auto& [key, n] : count) {
      if (n % 2 == 0) continue;
      ADD_FAILURE() << "an exclusive-or ellipse drawn " << n << " times";
      balanced = false;
    }
    return balanced;
  }

  std::string Guide() const { return form->st.PanelText(panel::Guide); }
  std::string ToolName() const { return form->st.PanelText(panel::Tool); }
};
