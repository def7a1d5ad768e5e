#include "designer/fixture_kinds.h"

#include <algorithm>
#include <string>

#include "storage/cfgfile.h"

namespace fixture {

namespace {

using F = FieldType;

std::vector<KindSpec> MakeSpecs() {
  std::vector<KindSpec> s;
  s.push_back({Bed, "Bed", {"CFG\\BEDM.CFG", "CFG\\BEDI.CFG"},
               {{"Width", F::Length, 700, 2200, 24, 90, 1530, 60},
                {"Length", F::Length, 1500, 2500, 60, 96, 2030, 80},
                {"Pillows", F::Count, 1, 2, 0, 0, 2, 2},
                {"Folded cover", F::Check, 0, 1, 0, 0, 1, 1}},
               bed::Width});
  s.push_back({Table, "Table", {"CFG\\TABLEM.CFG", "CFG\\TABLEI.CFG"},
               {{"Shape", F::Choice, 1, 2, 0, 0, 1, 1, {{1, "rectangular"}, {2, "round"}}},
                {"Width (diameter of a round table)", F::Length, 400, 4000, 16, 160, 1800, 72},
                {"Depth", F::Length, 400, 2000, 16, 80, 900, 36},
                {"Chairs", F::Count, 0, 12, 0, 0, 6, 6}},
               table::Width});
  s.push_back({Stairs, "Stairs", {"CFG\\STAIRSM.CFG", "CFG\\STAIRSI.CFG"},
               {{"Width", F::Length, 600, 2000, 24, 80, 900, 36},
                {"Tread depth", F::Length, 200, 400, 8, 16, 250, 10},
                {"Risers", F::Count, 2, 30, 0, 0, 14, 14}},
               stairs::Width});
  s.push_back({Bath, "Bath", {"CFG\\BATHM.CFG", "CFG\\BATHI.CFG"},
               {{"Length", F::Length, 1200, 2000, 48, 80, 1700, 66},
                {"Width", F::Length, 600, 1000, 24, 40, 750, 30}},
               bath::Length, true});
  s.push_back({Lounge, "Lounge", {"CFG\\LOUNGEM.CFG", "CFG\\LOUNGEI.CFG"},
               {{"Seats", F::Count, 1, 5, 0, 0, 3, 3},
                {"Seat width", F::Length, 450, 900, 18, 36, 600, 24},
                {"Depth", F::Length, 700, 1100, 28, 44, 850, 34},
                {"Arm width", F::Length, 0, 300, 0, 12, 150, 6}},
               lounge::SeatWidth});
  s.push_back({Sink, "Sink", {"CFG\\SINKM.CFG", "CFG\\SINKI.CFG"},
               {{"Bowls", F::Count, 1, 2, 0, 0, 1, 1},
                {"Width", F::Length, 400, 1800, 16, 72, 1000, 40},
                {"Depth", F::Length, 400, 700, 16, 28, 500, 20},
                {"Drainer", F::Check, 0, 1, 0, 0, 1, 1}},
               sink::Width});
  s.push_back({Shower, "Shower", {"CFG\\SHOWERM.CFG", "CFG\\SHOWERI.CFG"},
               {{"Width", F::Length, 700, 1800, 28, 72, 900, 36},
                {"Depth", F::Length, 700, 1800, 28, 72, 900, 36}},
               shower::Width});
  s.push_back({Cooktop, "Cooktop", {"CFG\\COOKTOPM.CFG", "CFG\\COOKTOPI.CFG"},
               {{"Width", F::Length, 300, 1200, 12, 48, 600, 24},
                {"Depth", F::Length, 400, 700, 16, 28, 520, 20},
                {"Burners", F::Count, 2, 6, 0, 0, 4, 4}},
               cooktop::Width});
  s.push_back({Vanity, "Vanity", {"CFG\\VANITYM.CFG", "CFG\\VANITYI.CFG"},
               {{"Basins", F::Count, 1, 2, 0, 0, 1, 1},
                {"Width", F::Length, 400, 2400, 16, 96, 900, 36},
                {"Depth", F::Length, 300, 700, 12, 28, 500, 20}},
               vanity::Width});
  s.push_back({Plant, "Plant", {"CFG\\PLANTM.CFG", "CFG\\PLANTI.CFG"},
               {{"Spread", F::Length, 200, 2000, 8, 80, 600, 24},
                {"Leaves", F::Count, 3, 12, 0, 0, 8, 8}},
               plant::Diameter});
  s.push_back({Lights, "Lights", {"CFG\\LIGHTSM.CFG", "CFG\\LIGHTSI.CFG"},
               {{"Fitting", F::Choice, 1, 2, 0, 0, 1, 1, {{1, "lights"}, {2, "ceiling fan"}}},
                {"Lights in a row", F::Count, 1, 8, 0, 0, 1, 1},
                {"Spacing", F::Length, 300, 3000, 12, 120, 1200, 48},
                {"Light diameter", F::Length, 100, 800, 4, 32, 300, 12},
                {"Fan diameter", F::Length, 600, 1800, 24, 72, 1200, 48},
                {"Blades", F::Count, 3, 4, 0, 0, 3, 3}}});
  s.push_back({Worktop, "Worktop", {"CFG\\WORKTOPM.CFG", "CFG\\WORKTOPI.CFG"},
               {{"Length", F::Length, 300, 6000, 12, 240, 2400, 96},
                {"Depth", F::Length, 300, 900, 12, 36, 600, 24},
                {"Splashback", F::Check, 0, 1, 0, 0, 1, 1}},
               worktop::Length, true});
  return s;
}

const std::vector<KindSpec>& Specs() {
  static const std::vector<KindSpec> specs = MakeSpecs();
  return specs;
}

int32 Low(const FieldSpec& f) {
  return f.type == F::Length && MetricUnits != 1 ? f.lowIn * LengthScale() : f.low;
}
int32 High(const FieldSpec& f) {
  return f.type == F::Length && MetricUnits != 1 ? f.highIn * LengthScale() : f.high;
}

}  // namespace

int32 LengthScale() { return MetricUnits == 1 ? 1 : 24; }

bool HasGenerator(int32 kind) {
  for (const KindSpec& s : Specs())
    if (s.kind == kind) return true;
  return false;
}

const KindSpec& SpecOf(int32 kind) {
  for (const KindSpec& s : Specs())
    if (s.kind == kind) return s;
  return Specs().front();
}

std::vector<int32> DefaultParams(int32 kind) {
  std::vector<int32> v;
  for (const FieldSpec& f : SpecOf(kind).fields)
    v.push_back(f.type == F::Length && MetricUnits != 1 ? f.defInches * LengthScale()
                                                        : f.defMetric);
  return v;
}

void HoldToRanges(int32 kind, std::vector<int32>& values) {
  const KindSpec& info = SpecOf(kind);
  values.resize(info.fields.size());
  for (std::size_t i = 0; i < info.fields.size(); ++i)
    values[i] = std::clamp(values[i], Low(info.fields[i]), High(info.fields[i]));
}

std::vector<int32> ReadParams(int32 kind) {
  std::vector<int32> v = DefaultParams(kind);
  const KindSpec& info = SpecOf(kind);
  cfg::Reader r(ProgramFile(info.file.ForUnits()));
  for (std::size_t i = 0; i < v.size(); ++i) {
    int32 x = 0;
    if (!r.Int(x)) break;
    // A value out of its range is a damaged file: the default stays.
    if (x >= Low(info.fields[i]) && x <= High(info.fields[i])) v[i] = x;
  }
  return v;
}

void WriteParams(int32 kind, const std::vector<int32>& values) {
  std::string line;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i) line += ' ';
    line += std::to_string(values[i]);
  }
  cfg::Write(ProgramFile(SpecOf(kind).file.ForUnits()), line + "\n");
}

}  // namespace fixture
