// Stand-in for re-centring a floor on the sheet, which comes with the
// external-wall code: the floor stays where it is. Delete this file when the
// wall code's RecentreFloors is there.
#include "tools/lineobj_geometry.h"

void RecentreFloors(const TDrawingtool* /*tool*/, int32 /*how*/) {}
