// The designer window: one round of designing a furniture or fixture
// symbol. It shows the symbol built from the kind's parameters; "Show
// Changes" runs the kind's dialog again and builds the preview anew. The
// preview lives in a list of its own (view 1), never in the drawing, and the
// values reach the kind's file only when the design is kept (OK): a
// cancelled design leaves the next one's defaults as they were.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/globals.h"
#include "platform/gdi_types.h"

class TFlist;
namespace plat {
class DeviceContext;
}

class TMiscChild {
 public:
  // The kind's parameters from its file, the size across held within the
  // clear span (drawing units; 0: no span).
  TMiscChild(int32 kind, bool fan, int32 span);

  int32 kind = 0;
  bool fan = false;
  int32 span = 0;
  std::vector<int32> values;  // drawing units

  // Runs the kind's parameter dialog; on OK takes its values and builds the
  // preview again. False on Cancel.
  bool ShowChanges();
  // Writes the values into the kind's file, where the symbol placed in the
  // plan and the next design take them from.
  void Keep() const;
  void Regenerate();
  const TFlist& Preview() const { return *preview_; }
  std::string Title() const;
  // Draws the preview fitted into a device area (client pixels).
  void DrawPreview(plat::DeviceContext& dc, const plat::Rect& area) const;

 private:
  std::shared_ptr<TFlist> preview_;
};
