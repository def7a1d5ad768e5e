#include "storage/settings_files.h"

#include "model/flist.h"
#include "model/globals.h"
#include "platform/files.h"

namespace cfgfile {

const char* UnitsPair::ForUnits() const { return MetricUnits == 1 ? metric : imperial; }

}  // namespace cfgfile

std::string ProgramFile(std::string_view rel) { return DrawingList.ProgramDir + std::string(rel); }

std::string ShownFile(std::string_view rel) { return plat::MapPath(ProgramFile(rel)); }
