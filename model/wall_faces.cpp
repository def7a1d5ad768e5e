#include "model/wall_faces.h"

namespace walls {

Face InnerFace(const TExtwallobj& w) {
  if (w.CavityWidth > 0) return {w.Line4X1, w.Line4Y1, w.Line4X2, w.Line4Y2, 1};
  return {w.Line2X1, w.Line2Y1, w.Line2X2, w.Line2Y2, 1};
}

Face MainLine(const TObj& e) { return {e.X1, e.Y1, e.X2, e.Y2, 1}; }

Face SecondFace(const TInwallobj& w) { return {w.Line2X1, w.Line2Y1, w.Line2X2, w.Line2Y2, 2}; }

int32 BearingOf(const TObj& e) {
  if (const auto* w = dynamic_cast<const TExtwallobj*>(&e)) return w->Angle;
  if (const auto* w = dynamic_cast<const TInwallobj*>(&e)) return w->Angle;
  if (const auto* l = dynamic_cast<const TLineobj*>(&e)) return l->Angle;
  return 0;
}

double CrossingX(const Face& f, int32 y) {
  if (f.y1 == f.y2) return f.x1;
  return f.x1 + (static_cast<double>(y) - f.y1) * (static_cast<double>(f.x2) - f.x1) /
                    (static_cast<double>(f.y2) - f.y1);
}

}  // namespace walls
