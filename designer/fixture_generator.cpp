#include "designer/fixture_generator.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "designer/fixture_kinds.h"
#include "model/flist.h"
#include "model/group_ids.h"
#include "model/view_mapping.h"
#include "tools/moveobjtool.h"

namespace fixture {

namespace {

constexpr plat::COLORREF kWhite = plat::RGB(255, 255, 255);
constexpr plat::COLORREF kWorktopGrey = plat::RGB(212, 208, 200);
constexpr plat::COLORREF kLeafGreen = plat::RGB(170, 210, 150);
constexpr int32 kLeftBearing = 2700;  // shapes are drawn facing left, then turned
constexpr int32 kAcrossBearing = 900;

// Builds one symbol's elements at an origin.
class Builder {
 public:
  Builder(TFlist& list, int32 x, int32 y, int32 floor, int32 link)
      : list_(list), x0_(x), y0_(y), floor_(floor), link_(link), first_(list.Count()) {}

  int32 Appended() const { return list_.Count() - first_; }
  // A length given in millimetres, in drawing units of the drawing's units.
  int32 Mm(int32 mm) const { return LengthScale() == 1 ? mm : mm * 240 / 254; }

  // A polygon of the points (relative to the origin).
  TPolyobj* Poly(int32 k, std::initializer_list<plat::Point> pts, plat::COLORREF fill = kWhite) {
    int32 xs[kMaxPolyPoints] = {}, ys[kMaxPolyPoints] = {}, zs[kMaxPolyPoints] = {};
    int32 n = 0;
    for (const plat::Point& p : pts) {
      if (n == kMaxPolyPoints) break;
      xs[n] = x0_ + p.x;
      ys[n] = y0_ + p.y;
      ++n;
    }
    // No edge is hidden: every edge is outlined.
    const int32 hidden[4] = {-1, -1, -1, -1};
    auto* p = new TPolyobj(k, floor_, link_, link_, kAcrossBearing, 0, 0, 0, n, 0, 0, 0, fill, 0,
                           DrawingColour, 0, 0, 0, xs, zs, ys, hidden);
    list_.Add(p);
    return p;
  }
  TPolyobj* Rect(int32 k, int32 x1, int32 y1, int32 x2, int32 y2, plat::COLORREF fill = kWhite) {
    return Poly(k, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, fill);
  }
  void Line(int32 x1, int32 y1, int32 x2, int32 y2) {
    list_.Add(new TLineobj(kind::Line, floor_, link_, link_, x0_ + x1, 0, x0_ + x2, 0, y0_ + y1,
                           y0_ + y2, 0, kAcrossBearing, DrawingColour, 1, 0));
  }
  void Circle(int32 cx, int32 cy, int32 r, plat::COLORREF fill = kWhite) {
    list_.Add(new TCircleobj(kind::Circle, floor_, link_, link_, x0_ + cx - r, 0, x0_ + cx + r, 0,
                             y0_ + cy - r, y0_ + cy + r, fill, DrawingColour, 1, 0));
  }
  void Ellipse(int32 x1, int32 y1, int32 x2, int32 y2) {
    list_.Add(new TEllipseobj(kind::Ellipse, floor_, link_, link_, x0_ + x1, 0, x0_ + x2, 0,
                              y0_ + y1, y0_ + y2, kWhite, DrawingColour, 1, 0));
  }
  void RoundRect(int32 x1, int32 y1, int32 x2, int32 y2, int32 radius) {
    list_.Add(new TRndrectobj(kind::RoundRect, floor_, link_, link_, x0_ + x1, 0, x0_ + x2, 0,
                              y0_ + y1, y0_ + y2, radius, kWhite, DrawingColour, 1, 0));
  }
  void Text(int32 x, int32 y, const char* text) {
    const std::string& face = DrawingList.TextFontName;
    list_.Add(new TTextobj(kind::Text, floor_, link_, link_, x0_ + x, y0_ + y, 0, 0, 0,
                           DrawingColour, static_cast<int32>(std::strlen(text)), 0, 0,
                           static_cast<int32>(face.size()), TextSize, TextWeight, face.c_str(),
                           text));
  }
  // Turns the polygon to a bearing about a point (relative to the origin).
  void Turn(TPolyobj* p, int32 bearing, int32 cx, int32 cy) {
    list_.RotateElement(p, p->Kind, bearing, x0_ + cx, y0_ + cy);
  }
  TPolyobj* Copy(const TPolyobj& p) {
    auto* c = new TPolyobj(p);
    list_.Add(c);
    return c;
  }

 private:
  TFlist& list_;
  int32 x0_, y0_, floor_, link_;
  int32 first_;
};

int32 Percent(int32 v, int32 pct) { return static_cast<int32>(1LL * v * pct / 100); }

void BuildBed(Builder& b, const std::vector<int32>& v) {
  const int32 w = v[bed::Width], l = v[bed::Length];
  b.Rect(kBedFrame, 0, 0, w, l);
  const int32 m = Percent(w, 6), ph = Percent(l, 12);
  if (v[bed::Pillows] >= 2) {
    b.Rect(kPillow, m, l - m - ph, w / 2 - m / 2, l - m);
    b.Rect(kPillow, w / 2 + m / 2, l - m - ph, w - m, l - m);
  } else {
    b.Rect(kPillow, m, l - m - ph, w - m, l - m);
  }
  if (v[bed::Cover]) {
    const int32 top = Percent(l, 70);
    b.Rect(kBedCover, 0, 0, w, top);
    b.Line(Percent(w, 70), top, w, Percent(l, 55));  // the turned-back corner
  }
}

void BuildTable(Builder& b, const std::vector<int32>& v) {
  const bool round = v[table::Shape] == table::Round;
  const int32 w = v[table::Width], d = round ? w : v[table::Depth];
  const int32 n = v[table::Chairs];
  const int32 c = std::min(b.Mm(450), std::max(w, d) / 2);
  const int32 out = Percent(c, 70);  // how far a chair stands out from the edge
  if (round) {
    // The chairs stand round the table, drawn at its left and turned.
    for (int32 i = 0; i < n; ++i) {
      TPolyobj* p = b.Rect(kChair, -out, d / 2 - c / 2, c - out, d / 2 + c / 2);
      b.Turn(p, (kLeftBearing + 3600 * i / std::max(n, 1)) % 3600, w / 2, d / 2);
    }
    b.Circle(w / 2, d / 2, w / 2);
    return;
  }
  const int32 ends = n >= 4 ? 2 : 0;
  const int32 top = (n - ends + 1) / 2, bottom = n - ends - top;
  auto row = [&](int32 count, bool upper) {
    for (int32 i = 0; i < count; ++i) {
      const int32 cx = w * (2 * i + 1) / (2 * count);
      const int32 y1 = upper ? d - c + out : -out;
      b.Rect(kChair, cx - c / 2, y1, cx + c / 2, y1 + c);
    }
  };
  row(top, true);
  row(bottom, false);
  if (ends) {
    b.Rect(kChair, -out, d / 2 - c / 2, c - out, d / 2 + c / 2);
    b.Rect(kChair, w - c + out, d / 2 - c / 2, w + out, d / 2 + c / 2);
  }
  b.Rect(kTableTop, 0, 0, w, d);
}

void BuildStairs(Builder& b, const std::vector<int32>& v) {
  const int32 w = v[stairs::Width], g = v[stairs::Going], n = v[stairs::Risers];
  const int32 l = g * n;
  // Outline, then a line for every tread; the bottom tread at the bottom.
  b.Line(0, 0, w, 0);
  b.Line(w, 0, w, l);
  b.Line(w, l, 0, l);
  b.Line(0, l, 0, 0);
  for (int32 i = 1; i < n; ++i) b.Line(0, i * g, w, i * g);
  // The walking line with its arrow, up the flight.
  const int32 cx = w / 2, head = std::min(g, w / 4);
  b.Line(cx, g / 2, cx, l - g / 2);
  b.Line(cx, l - g / 2, cx - head / 2, l - g / 2 - head);
  b.Line(cx, l - g / 2, cx + head / 2, l - g / 2 - head);
  b.Text(cx + Percent(w, 8), g - Percent(g, 10), "UP");  // in the bottom tread
}

void BuildBath(Builder& b, const std::vector<int32>& v) {
  const int32 l = v[bath::Length], w = v[bath::Width];
  const int32 m = Percent(w, 10);
  b.Rect(kBathTub, 0, 0, l, w);
  b.RoundRect(m, m, l - m, w - m, Percent(w, 30));
  b.Circle(m + Percent(w, 15), w / 2, Percent(w, 4));
}

void BuildLounge(Builder& b, const std::vector<int32>& v) {
  const int32 s = v[lounge::Seats], sw = v[lounge::SeatWidth], d = v[lounge::Depth];
  const int32 a = v[lounge::Arm];
  const int32 total = s * sw + 2 * a, back = Percent(d, 25);
  b.Rect(kLoungeFrame, 0, d - back, total, d);
  if (a > 0) {
    b.Rect(kLoungeFrame, 0, 0, a, d);
    b.Rect(kLoungeFrame, total - a, 0, total, d);
  }
  for (int32 i = 0; i < s; ++i) b.Rect(kCushion, a + i * sw, 0, a + (i + 1) * sw, d - back);
}

void BuildSink(Builder& b, const std::vector<int32>& v) {
  const int32 w = v[sink::Width], d = v[sink::Depth], bowls = v[sink::Bowls];
  const bool drainer = v[sink::Drainer] != 0;
  b.Rect(kSinkTop, 0, 0, w, d);
  const int32 m = Percent(d, 12);
  const int32 bowlsWidth = drainer ? Percent(w, 58) : w;
  const int32 each = (bowlsWidth - m * (bowls + 1)) / std::max(bowls, 1);
  for (int32 i = 0; i < bowls; ++i) {
    const int32 x1 = m + i * (each + m);
    b.RoundRect(x1, m, x1 + each, d - 2 * m, Percent(each, 20));
  }
  b.Circle(bowlsWidth / 2, d - m, Percent(d, 4));  // the tap
  if (drainer)
    for (int32 x = bowlsWidth + m; x < w - m; x += 2 * m) b.Line(x, 2 * m, x, d - 2 * m);
}

void BuildShower(Builder& b, const std::vector<int32>& v) {
  const int32 w = v[shower::Width], d = v[shower::Depth];
  b.Rect(kShowerTray, 0, 0, w, d);
  b.Line(0, 0, w, d);
  b.Line(0, d, w, 0);
  b.Circle(w / 2, d / 2, Percent(std::min(w, d), 5));
}

void BuildCooktop(Builder& b, const std::vector<int32>& v) {
  const int32 w = v[cooktop::Width], d = v[cooktop::Depth], n = v[cooktop::Burners];
  b.Rect(kCooktopTop, 0, 0, w, d);
  const int32 rows = n > 1 ? 2 : 1, cols = (n + rows - 1) / rows;
  const int32 r = std::min(w / (cols * 2), d / (rows * 2)) * 70 / 100;
  for (int32 i = 0; i < n; ++i) {
    const int32 col = i % cols, row = i / cols;
    b.Circle(w * (2 * col + 1) / (2 * cols), d * (2 * row + 1) / (2 * rows), r);
  }
}

void BuildVanity(Builder& b, const std::vector<int32>& v) {
  const int32 w = v[vanity::Width], d = v[vanity::Depth], n = v[vanity::Basins];
  b.Rect(kVanityTop, 0, 0, w, d);
  const int32 each = w / std::max(n, 1), m = Percent(d, 15);
  for (int32 i = 0; i < n; ++i)
    b.Ellipse(i * each + Percent(each, 15), m, (i + 1) * each - Percent(each, 15), d - m);
}

void BuildPlant(Builder& b, const std::vector<int32>& v) {
  const int32 dia = v[plant::Diameter], n = v[plant::Leaves];
  const int32 r = dia / 2, c = r;
  // One leaf drawn pointing left from the centre, turned round for the others.
  for (int32 i = 0; i < n; ++i) {
    TPolyobj* leaf = b.Poly(kLeaf,
                            {{c - Percent(r, 15), c},
                             {c - Percent(r, 55), c + Percent(r, 18)},
                             {c - r, c},
                             {c - Percent(r, 55), c - Percent(r, 18)}},
                            kLeafGreen);
    b.Turn(leaf, (kLeftBearing + 3600 * i / n) % 3600, c, c);
  }
  b.Circle(c, c, Percent(r, 22));
}

void BuildLights(Builder& b, const std::vector<int32>& v) {
  if (v[lights::What] == lights::IsFan) {
    const int32 dia = v[lights::FanDiameter], r = dia / 2, c = r;
    const int32 hub = Percent(r, 14), bw = Percent(r, 22);
    TPolyobj* blade = b.Poly(kFanBlade, {{c - hub, c - bw / 2},
                                         {c - r, c - Percent(bw, 40)},
                                         {c - r, c + Percent(bw, 40)},
                                         {c - hub, c + bw / 2}});
    // The first blade points left; the others are its copies turned round.
    const std::vector<int32> others =
        v[lights::Blades] == 4 ? std::vector<int32>{900, 1800, 0} : std::vector<int32>{300, 1500};
    for (int32 bearing : others) b.Turn(b.Copy(*blade), bearing, c, c);
    b.Circle(c, c, hub);
    return;
  }
  const int32 n = v[lights::Count], s = v[lights::Spacing], r = v[lights::Diameter] / 2;
  for (int32 i = 0; i < n; ++i) {
    const int32 cx = r + i * s;
    b.Circle(cx, r, r);
    b.Line(cx - r, r, cx + r, r);
    b.Line(cx, 0, cx, 2 * r);
  }
}

void BuildWorktop(Builder& b, const std::vector<int32>& v) {
  const int32 l = v[worktop::Length], d = v[worktop::Depth];
  b.Rect(kWorktopTop, 0, 0, l, d, kWorktopGrey);
  if (v[worktop::Splashback]) b.Rect(kSplashback, 0, d, l, d + b.Mm(20), kWorktopGrey);
}

}  // namespace

int32 Generate(TFlist& list, int32 kind, const std::vector<int32>& values, int32 x, int32 y,
               int32 floor, int32 linkId) {
  if (!HasGenerator(kind)) return 0;
  std::vector<int32> v = values;
  HoldToRanges(kind, v);
  Builder b(list, x, y, floor, linkId);
  switch (kind) {
    case Bed: BuildBed(b, v); break;
    case Table: BuildTable(b, v); break;
    case Stairs: BuildStairs(b, v); break;
    case Bath: BuildBath(b, v); break;
    case Lounge: BuildLounge(b, v); break;
    case Sink: BuildSink(b, v); break;
    case Shower: BuildShower(b, v); break;
    case Cooktop: BuildCooktop(b, v); break;
    case Vanity: BuildVanity(b, v); break;
    case Plant: BuildPlant(b, v); break;
    case Lights: BuildLights(b, v); break;
    case Worktop: BuildWorktop(b, v); break;
    default: break;
  }
  return b.Appended();
}

void FitToSpan(int32 kind, int32 span, std::vector<int32>& values) {
  const KindSpec& info = SpecOf(kind);
  if (span <= 0 || info.acrossField < 0) return;
  HoldToRanges(kind, values);
  auto width = [&] {
    TFlist probe;
    Generate(probe, kind, values, 0, 0, 0, 0);
    int32 lo = 0, hi = 0;
    bool any = false;
    for (int32 i = 0; i < probe.Count(); ++i) {
      const TObj& e = *probe.At(i);
      auto add = [&](int32 x) {
        lo = any ? std::min(lo, x) : x;
        hi = any ? std::max(hi, x) : x;
        any = true;
      };
      if (const auto* p = dynamic_cast<const TPolyobj*>(&e)) {
        for (int32 k = 0; k < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++k) add(p->PointX[k]);
      } else if (!kind::IsTextKind(e.Kind)) {
        add(e.X1);
        add(e.X2);
      }
    }
    return hi - lo;
  };
  int32& across = values[static_cast<std::size_t>(info.acrossField)];
  // What stands out beyond the sized part (chairs, arms) stays as it is;
  // the lounge's seats share what its arms leave.
  if (kind == Lounge) {
    // As many seats as fit at their narrowest.
    std::vector<int32> narrowest = values;
    narrowest[lounge::SeatWidth] = 0;
    HoldToRanges(kind, narrowest);
    const int32 room = span - 2 * values[lounge::Arm];
    values[lounge::Seats] = std::clamp(room / std::max(narrowest[lounge::SeatWidth], 1), 1,
                                       values[lounge::Seats]);
  }
  const int32 per = kind == Lounge ? std::max(values[lounge::Seats], 1) : 1;
  for (int round = 0; round < 3; ++round) {
    const int32 over = width() - span;
    if (over == 0 || (over < 0 && !info.fillsSpan)) break;
    across -= (over + (over > 0 ? per - 1 : 0)) / per;
    HoldToRanges(kind, values);
  }
}

}  // namespace fixture

// The move tool's Command is the generator: the kind plus 100 builds the
// symbol in the plan from the kind's parameter file, under a new group id,
// a little inside the bottom-left corner of the part of the sheet the
// window shows. (The designer window builds its preview into a list of its
// own.)
void TMoveobjtool::Command(int32 code) {
  using namespace fixture;
  constexpr int32 kInset = 100;  // logical units from the corner
  const int32 kind = code - PlaceInPlan;
  if (!HasGenerator(kind)) return;
  const int32 link = NewGroupId(FloorGroupBase(CurrentView));
  const LogicalBox sheet = VisibleSheet();
  Generate(DrawingList, kind, ReadParams(kind), (sheet.left + kInset) * PixelScale,
           (sheet.bottom + kInset) * PixelScale, CurrentView, link);
}
