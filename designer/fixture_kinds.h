// The furniture and fixture kinds of the designer and their parameters.
//
// Each kind keeps its parameters in one settings file of its own, in a
// metric and an imperial variant ("CFG\BEDM.CFG" / "CFG\BEDI.CFG"): one
// line of whole numbers, lengths in drawing units (millimetres or 1/24
// inch). The dialogs show lengths in millimetres or whole inches.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/globals.h"
#include "storage/settings_files.h"

namespace fixture {

// TFixtureKind: the kinds the generator builds. 9 and 11 have none.
constexpr int32 Bed = 1;
constexpr int32 Table = 2;
constexpr int32 Stairs = 3;
constexpr int32 Bath = 4;
constexpr int32 Lounge = 5;
constexpr int32 Sink = 6;
constexpr int32 Shower = 7;
constexpr int32 Cooktop = 8;
constexpr int32 Vanity = 10;
constexpr int32 Plant = 12;
constexpr int32 Lights = 13;  // lights or a ceiling fan, by the first parameter
constexpr int32 Worktop = 14;
// Added to a kind to generate the symbol into the plan.
constexpr int32 PlaceInPlan = 100;

bool HasGenerator(int32 kind);

// What a parameter is.
enum class FieldType {
  Length,  // drawing units; shown in millimetres or whole inches
  Count,   // a plain number
  Choice,  // one of the options
  Check,   // 1 or 0
};

struct FieldSpec {
  const char* label;
  FieldType type;
  int32 low, high;          // metric (mm) or counts
  int32 lowIn, highIn;      // imperial inches (lengths only)
  int32 defMetric, defInches;
  std::vector<std::pair<int32, std::string>> options = {};  // Choice
};

struct KindSpec {
  int32 kind = 0;
  const char* name = "";  // as the picker and the designer show it
  cfgfile::UnitsPair file;
  std::vector<FieldSpec> fields;
  int32 acrossField = -1;    // the parameter the clear span limits (-1 none)
  bool fillsSpan = false;  // set to the span, not only held within it
};

const KindSpec& SpecOf(int32 kind);

// The parameters of a kind in drawing units: the file's values where it
// holds them in range, the defaults elsewhere.
std::vector<int32> ReadParams(int32 kind);
// Rewrites the kind's file whole.
void WriteParams(int32 kind, const std::vector<int32>& values);
// The default values of the units in force.
std::vector<int32> DefaultParams(int32 kind);
// The values held to their ranges (drawing units).
void HoldToRanges(int32 kind, std::vector<int32>& values);

// Drawing units per shown unit of a length: 1 metric, 24 imperial.
int32 LengthScale();

// Indices of the parameters, per kind.
namespace bed { enum { Width, Length, Pillows, Cover }; }
namespace table { enum { Shape, Width, Depth, Chairs }; constexpr int32 Rectangular = 1, Round = 2; }
namespace stairs { enum { Width, Going, Risers }; }
namespace bath { enum { Length, Width }; }
namespace lounge { enum { Seats, SeatWidth, Depth, Arm }; }
namespace sink { enum { Bowls, Width, Depth, Drainer }; }
namespace shower { enum { Width, Depth }; }
namespace cooktop { enum { Width, Depth, Burners }; }
namespace vanity { enum { Basins, Width, Depth }; }
namespace plant { enum { Diameter, Leaves }; }
namespace lights { enum { What, Count, Spacing, Diameter, FanDiameter, Blades }; constexpr int32 AreLights = 1, IsFan = 2; }
namespace worktop { enum { Length, Depth, Splashback }; }

}  // namespace fixture
