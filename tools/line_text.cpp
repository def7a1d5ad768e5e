// Text along a line: after a line is drawn with the line-text command, the
// text chosen for it is written along the line, centred, parallel and a
// quarter of a text line away, on the side the user chose.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/flist.h"
#include "model/rounding.h"
#include "model/view_mapping.h"
#include "platform/dc.h"
#include "platform/dc_scope.h"
#include "platform/files.h"
#include "platform/services.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tools/linetool.h"
#include "tools/texttool.h"
#include "tools/lineobj_geometry.h"

namespace {

// Bearings and escapements, tenths of a degree.
constexpr int32 kUp = 0;
constexpr int32 kRight = 900;
constexpr int32 kDown = 1800;
constexpr int32 kLeft = 2700;
constexpr int32 kFullTurn = 3600;
constexpr double kRadiansPerTenth = 0.001745;
constexpr double kTenthsPerRadian = 572.9578;

constexpr int32 kFirstSideCode = 4;   // stored alignment codes
constexpr int32 kSecondSideCode = 6;
constexpr unsigned kFirstSideAlign = plat::TA_TOP | plat::TA_CENTER;
constexpr unsigned kSecondSideAlign = plat::TA_BOTTOM | plat::TA_CENTER;

// The index of the text height among the dimension settings.
constexpr int kTextHeightSetting = 5;
constexpr int kDimensionSettings = 7;
constexpr int32 kBoldFrom = 500;

// Midway between a and b: half the positive difference added to the smaller.
int32 Midway(int32 a, int32 b) { return a < b ? a + (b - a) / 2 : b + (a - b) / 2; }

// The text height of the dimension settings (the sixth of seven values).
int32 ReadTextHeight() {
  cfg::Reader in(ProgramFile(cfgfile::DimensionOffsets.ForUnits()));
  int32 v[kDimensionSettings] = {};
  for (int32& x : v) in.Int(x);
  return v[kTextHeightSetting];
}

}  // namespace

// ---- Placement ----------------------------------------------------------------------------

LineTextPlace PlaceLineText(int32 x1, int32 y1, int32 x2, int32 y2, bool secondSide, int32 q) {
  LineTextPlace p;
  p.alignCode = secondSide ? kSecondSideCode : kFirstSideCode;
  p.textAlign = secondSide ? kSecondSideAlign : kFirstSideAlign;
  const int32 away = secondSide ? q : -q;  // the first side lies below or right
  if (y1 == y2) {
    p.escapement = 0;
    p.bearing = x2 > x1 ? kRight : kLeft;
    p.x = Midway(x1, x2);
    p.y = y1 + away;
    return p;
  }
  if (x1 == x2) {
    p.escapement = kLeft;
    p.bearing = y2 > y1 ? kUp : kDown;
    p.y = Midway(y1, y2);
    p.x = x1 - away;
    return p;
  }
  const double dx = std::abs(double(x2) - x1);
  const double dy = std::abs(double(y2) - y1);
  const int32 b0 = RoundToInt(std::atan(dx / dy) * kTenthsPerRadian);
  if (x2 > x1)
    p.bearing = y2 > y1 ? b0 : kDown - b0;
  else
    p.bearing = y2 < y1 ? kDown + b0 : kFullTurn - b0;
  const bool risingText = (p.bearing >= 0 && p.bearing <= kRight) ||
                          (p.bearing > kDown && p.bearing <= kLeft);
  p.escapement = risingText ? b0 + kLeft : kRight - b0;

  // The acute angle to the horizontal decides how the quarter line splits.
  int32 a = 0;
  if (p.bearing < kRight)
    a = kRight - p.bearing;
  else if (p.bearing < kDown)
    a = p.bearing - kRight;
  else if (p.bearing >= kLeft)
    a = p.bearing - kLeft;
  else
    a = kLeft - p.bearing;
  const double r = a * kRadiansPerTenth;
  const int32 sx = static_cast<int32>(std::sin(r) * q);
  const int32 sy = static_cast<int32>(std::cos(r) * q);
  const bool leftward = (p.bearing >= kRight && p.bearing <= kDown) || p.bearing >= kLeft;
  const int32 sign = secondSide ? -1 : 1;
  p.x = Midway(x1, x2) + sign * (leftward ? -sx : sx);
  p.y = Midway(y1, y2) - sign * sy;
  return p;
}

// ---- The settings file ----------------------------------------------------------------------

LineTextSetting ParseLineTextSetting(std::string_view data) {
  LineTextSetting setting;
  // The two numbers, read as the program writes them (blanks, then digits).
  std::size_t pos = 0;
  auto number = [&]() {
    while (pos < data.size() && (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\r' ||
                                 data[pos] == '\n'))
      ++pos;
    long long v = 0;
    bool negative = false;
    if (pos < data.size() && (data[pos] == '-' || data[pos] == '+')) negative = data[pos++] == '-';
    while (pos < data.size() && data[pos] >= '0' && data[pos] <= '9') {
      if (v < 1000000000LL) v = v * 10 + (data[pos] - '0');
      ++pos;
    }
    return negative ? -v : v;
  };
  setting.side = static_cast<int32>(number());
  const long long n = number();
  // The text starts after the line end: blanks before it are its own.
  while (pos < data.size() && (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\r')) ++pos;
  if (pos < data.size() && data[pos] == '\n') ++pos;
  const long long room = static_cast<long long>(data.size() - pos);
  const long long take = std::clamp(n, 0LL, std::min(room, static_cast<long long>(kTextCapacity - 1)));
  setting.text.assign(data.substr(pos, static_cast<std::size_t>(take)));
  return setting;
}

bool ReadLineTextSetting(LineTextSetting& setting) {
  const auto data = plat::ReadWholeFile(ProgramFile(cfgfile::LineText));
  setting = data ? ParseLineTextSetting(*data) : LineTextSetting{};
  return data.has_value();
}

bool WriteLineTextSetting(int32 side, const std::string& text) {
  return cfg::Write(ProgramFile(cfgfile::LineText),
                    plat::Format("%d %d\n", side, static_cast<int>(text.size())) + text);
}

// ---- The line-object tool's part ----------------------------------------------------------------

void TLineobjtool::ElementsAdded(plat::DeviceContext& dc, const plat::Rect& client, int32, int32) {
  const int32 n = DrawingList.Count();
  if (n <= 6 || DrawingList.At(n - 1)->Kind != kind::Line) return;
  const int32 height = ReadTextHeight();
  LineTextSetting setting;
  ReadLineTextSetting(setting);
  const TObj& line = *DrawingList.At(n - 1);
  const int32 x1 = line.X1, y1 = line.Y1, x2 = line.X2, y2 = line.Y2;
  Step = toolstep::LineTextArmed;
  if (setting.text.empty()) return;

  int32 fontHeight = height * PixelScale;
  if (CurrentView == view::Site && float(PixelScale) < ZoomFactor)
    fontHeight = static_cast<int32>(float(height) * ZoomFactor);
  const bool secondSide = setting.side == 1;
  SetViewMapping(dc, client);
  LineTextPlace place;
  {
    // The escapement is known before the quarter line is measured.
    const LineTextPlace probe = PlaceLineText(x1, y1, x2, y2, secondSide, 0);
    plat::Font font;
    font.height = fontHeight;
    font.escapement = probe.escapement;
    font.weight = TextWeight < kBoldFrom ? plat::FW_NORMAL : plat::FW_BOLD;
    font.italic = TextItalic != 0;
    font.face = NewTextFace();
    plat::ScopedFont selected(dc, font);
    const plat::TextMetrics m = dc.GetTextMetrics();
    const int32 q = (m.height + m.externalLeading) * PixelScale / 4;
    place = PlaceLineText(x1, y1, x2, y2, secondSide, q);
    dc.SetTextAlign(place.textAlign);
    dc.SetBkMode(plat::TRANSPARENT);
    dc.SetTextColor(Colour);
    dc.TextOut(place.x / PixelScale, place.y / PixelScale, setting.text);
  }
  Angle = place.bearing;

  const std::string face = NewTextFace();
  DrawingList.Add(new TTextobj(kind::WallLengthText, CurrentView, 0, 0, place.x, place.y,
                               place.bearing, 0, 0, DrawingColour,
                               static_cast<int32>(setting.text.size()), place.escapement,
                               place.alignCode, static_cast<int32>(face.size()), height,
                               TextWeight, face.c_str(), setting.text.c_str()));
  // Stored at once: the next repaint rebuilds the list from the file.
  DrawingList.WriteDrawingFile(dtDrawing);
  MarkDrawingChanged();
}
