#include "designer/miscdesigner.h"

#include <algorithm>

#include "designer/fixture_dialogs.h"
#include "designer/fixture_generator.h"
#include "designer/fixture_kinds.h"
#include "model/flist.h"
#include "platform/dc.h"

TMiscChild::TMiscChild(int32 k, bool f, int32 s)
    : kind(k), fan(f), span(s), preview_(std::make_shared<TFlist>()) {
  values = fixture::ReadParams(kind);
  if (kind == fixture::Lights)
    values[fixture::lights::What] = fan ? fixture::lights::IsFan : fixture::lights::AreLights;
  fixture::FitToSpan(kind, span, values);
  Regenerate();
}

bool TMiscChild::ShowChanges() {
  std::vector<int32> v = values;
  if (!RunFixtureDialog(kind, fan, v)) return false;
  values = v;
  Regenerate();
  return true;
}

void TMiscChild::Keep() const { fixture::WriteParams(kind, values); }

void TMiscChild::Regenerate() {
  // A copy: the window's list must not share elements with the runner's copies.
  auto fresh = std::make_shared<TFlist>();
  fixture::Generate(*fresh, kind, values, 0, 0, view::Designer1, 0);
  preview_ = fresh;
}

std::string TMiscChild::Title() const {
  return std::string("Furniture and Fixture Designer - ") +
         (fan ? "Ceiling fan" : fixture::SpecOf(kind).name);
}

void TMiscChild::DrawPreview(plat::DeviceContext& dc, const plat::Rect& area) const {
  const TFlist& list = *preview_;
  if (list.Count() == 0 || area.Width() <= 0 || area.Height() <= 0) return;
  int32 minX = 300000, maxX = -300000, minY = 300000, maxY = -300000;
  auto widen = [&](int32 x, int32 y) {
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  };
  for (int32 i = 0; i < list.Count(); ++i) {
    const TObj& e = *list.At(i);
    if (const auto* p = dynamic_cast<const TPolyobj*>(&e)) {
      for (int32 k = 0; k < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++k)
        widen(p->PointX[k], p->PointY[k]);
    } else {
      widen(e.X1, e.Y1);
      if (!kind::IsTextKind(e.Kind)) widen(e.X2, e.Y2);
    }
  }
  const int32 margin = std::max((maxX - minX), (maxY - minY)) / 10 + PixelScale;
  // The symbol in logical units, widened to the area's shape and centred.
  double wx = double(maxX - minX + 2 * margin) / PixelScale;
  double wy = double(maxY - minY + 2 * margin) / PixelScale;
  double ox = double(minX - margin) / PixelScale, oy = double(minY - margin) / PixelScale;
  const double aspect = double(area.Width()) / double(area.Height());
  if (wx / wy < aspect) {
    ox -= (wy * aspect - wx) / 2;
    wx = wy * aspect;
  } else {
    oy -= (wx / aspect - wy) / 2;
    wy = wx / aspect;
  }
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(std::max(1, int(wx)), std::max(1, int(wy)));
  dc.SetViewportExt(area.Width(), -area.Height());
  dc.SetWindowOrg(int(ox), int(oy));
  dc.SetViewportOrg(area.left, area.bottom);
  dc.SetBkMode(plat::TRANSPARENT);
  for (int32 i = 0; i < list.Count(); ++i) list.At(i)->DrawStyled(dc, area, 0);
}
