#include "model/view_mapping.h"

#include <algorithm>

LogicalBox VisibleSheet() {
  auto span = [](int32 org, int32 ext, int32 size, int32& low, int32& high) {
    const long long end = 1LL * org + ext;
    low = std::clamp(org, 0, std::max(size, 0));
    high = int32(std::clamp<long long>(end, low, std::max<long long>(size, low)));
  };
  LogicalBox b;
  span(WindowOrgX, WindowExtX, DrawingWidth, b.left, b.right);
  span(WindowOrgY, WindowExtY, DrawingHeight, b.bottom, b.top);
  return b;
}

bool IsEmptyClient(const plat::Rect& client) { return client.Width() <= 0 || client.Height() <= 0; }

void SetViewMapping(plat::DeviceContext& dc, const plat::Rect& client) {
  // The window extent goes first: the isotropic mode fits the viewport extent
  // to it, shrinking one axis so that both keep one scale.
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(WindowExtX, WindowExtY);
  dc.SetViewportExt(client.Width(), -client.Height());
  dc.SetWindowOrg(WindowOrgX, WindowOrgY);
  dc.SetViewportOrg(0, client.Height());
}

void DeviceToWorld(plat::DeviceContext& dc, const plat::Rect& client, int32 deviceX, int32 deviceY,
                   int32& x, int32& y) {
  if (IsEmptyClient(client)) {
    x = WindowOrgX;
    y = WindowOrgY;
    return;
  }
  SetViewMapping(dc, client);
  const plat::Point p = dc.DPtoLP(plat::Point{deviceX, deviceY});
  x = p.x;
  y = p.y;
}

void WorldToDevice(plat::DeviceContext& dc, const plat::Rect& client, int32 x, int32 y,
                   int32& deviceX, int32& deviceY) {
  if (IsEmptyClient(client)) {
    deviceX = 0;
    deviceY = client.Height() > 0 ? client.Height() : 0;
    return;
  }
  SetViewMapping(dc, client);
  const plat::Point p = dc.LPtoDP(plat::Point{x, y});
  deviceX = p.x;
  deviceY = p.y;
}
