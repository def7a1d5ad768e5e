#include "tools/moveobjtool.h"

void TMoveobjtool::ApplyToRegion(plat::DeviceContext&, const plat::Rect&, int32, int32) {}
