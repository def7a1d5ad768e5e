// The drawing writer against the file layout written out with the C
// library's own formatting, one format string per record line, on elements
// whose every field holds a different value (so a swapped pair shows).
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>

#include "storage/record_codec.h"
#include "tests/storage_fixture.h"

namespace {

// printf into a string; the record formats use %ld on 32-bit values.
std::string Fmt(const char* format, ...) {
  char buf[2048];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return buf;
}

using L = long;

// The record lines of e exactly as the layout's format strings give them,
// positions taken off the page centre (hw, hh).
std::string Reference(TObj& o, L hw, L hh) {
  const L li = o.LinkId, t1 = o.Tag1;
  const L x1 = o.X1 - hw, y1 = o.Y1 - hh, x2 = o.X2 - hw, y2 = o.Y2 - hh;
  const L col = static_cast<int32>(o.Colour), fill = static_cast<int32>(o.FillColour);
  std::string s = Fmt("%d\n", o.Kind);
  switch (ClassOfKind(o.Kind)) {
    case ElementClass::None: return "";
    case ElementClass::Line: {
      auto& e = static_cast<TLineobj&>(o);
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %d %d\n", e.Kind, e.Floor, li, t1,
               x1, L(e.Marked), x2, L(e.Tag2), y1, y2, L(e.LineTag), L(e.Angle), col, e.PenWidth,
               e.PenStyle);
      break;
    }
    case ElementClass::ExtWall: {
      auto& e = static_cast<TExtwallobj&>(o);
      s += Fmt("%d %d %ld %ld %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld\n", e.Kind,
               e.Floor, li, t1, e.WallFlag, x1, L(e.Marked), y1, x2, L(e.Tag2), y2, e.Line2X1 - hw,
               e.Line2Y1 - hh, e.Line2X2 - hw, e.Line2Y2 - hh, e.Line3X1 - hw, e.Line3Y1 - hh,
               e.Line3X2 - hw, e.Line3Y2 - hh);
      s += Fmt("%ld %ld %ld %ld %ld %ld %ld %d %d %d %d %d %d %d %ld\n", e.Line4X1 - hw,
               e.Line4Y1 - hh, e.Line4X2 - hw, e.Line4Y2 - hh, e.RefX - hw, L(e.RefZ), e.RefY - hh,
               e.Thickness1, e.CavityWidth, e.Thickness2, e.HatchPairs1, e.HatchPairs2,
               e.WallValues[0], e.WallValues[1], L(e.Angle));
      s += Fmt("%ld %ld %ld %ld\n", L(e.WallValues[2]), L(e.WallValues[3]), L(e.WallValues[4]), col);
      for (int32 c : e.WallCodes) s += Fmt("%d\n", c);
      break;
    }
    case ElementClass::InWall: {
      auto& e = static_cast<TInwallobj&>(o);
      s += Fmt(
          "%d %d %ld %ld %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %d %d %d %d "
          "%d %d %d %ld %ld %ld %ld\n",
          e.Kind, e.Floor, li, t1, e.WallFlag, x1, L(e.Marked), y1, x2, L(e.Tag2), y2,
          e.Line2X1 - hw, L(e.Line2Z1), e.Line2Y1 - hh, e.Line2X2 - hw, e.Line2Y2 - hh, e.RefX - hw,
          L(e.RefZ), e.RefY - hh, e.Thickness, e.HatchPairs, e.WallValues[0], e.WallValues[1],
          e.WallValues[2], e.WallValues[3], e.WallValues[4], L(e.Angle), L(e.WallValues[5]),
          L(e.WallValues[6]), col);
      for (int32 c : e.WallCodes) s += Fmt("%d\n", c);
      break;
    }
    case ElementClass::Arrow: {
      auto& e = static_cast<TArrowobj&>(o);
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld\n", e.Kind,
               e.Floor, li, t1, x1, y1, x2, y2, e.BarbX1 - hw, e.BarbY1 - hh, e.BarbX2 - hw,
               e.BarbY2 - hh, e.BarX1 - hw, e.BarY1 - hh, e.BarX2 - hw, e.BarY2 - hh, col);
      break;
    }
    case ElementClass::Dimension: {
      auto& e = static_cast<TDimensobj&>(o);
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %d %ld\n", e.Kind, e.Floor, li,
               t1, x1, y1, x2, y2, e.SecondX1 - hw, e.SecondY1 - hh, e.SecondX2 - hw,
               e.SecondY2 - hh, L(e.Angle), e.Shown, col);
      break;
    }
    case ElementClass::Room: {
      auto& e = static_cast<TRoomobj&>(o);
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %d %ld %d %d %d %d ", e.Kind, e.Floor, li, t1,
               x1, y1, x2, y2, L(e.RoomWidth), L(e.RoomHeight), e.DimensionChoice,
               L(static_cast<int32>(e.RoomFill)), e.LabelSize, e.NameLength, e.WidthTextLength,
               e.HeightTextLength);
      s += Fmt("%s", e.RoomName) + Fmt("%s", e.WidthText) + Fmt("%s\n", e.HeightText);
      break;
    }
    case ElementClass::Window: {
      auto& e = static_cast<TWindowobj&>(o);
      const int32* v = e.OpeningValues;
      s += Fmt(
          "%d %d %ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d %d %d %ld %ld %ld %ld %ld %d ", e.Kind,
          e.Floor, li, t1, e.InsertX - hw, e.InsertY - hh, L(v[0]), v[1], v[2], v[3], v[4], v[5],
          v[6], v[7], v[8], v[9], v[10], col, L(v[11]), L(v[12]), L(v[13]), L(v[14]),
          e.LabelLength);
      s += Fmt("%s\n", e.Label);
      break;
    }
    case ElementClass::Door: {
      auto& e = static_cast<TDoorobj&>(o);
      const int32* v = e.OpeningValues;
      s += Fmt(
          "%d %d %ld %ld %ld %ld %ld %d %d %d %d %d %d %d %d %d %d %d %d %d %d %d %ld %ld %ld %ld "
          "%ld %ld %ld %d ",
          e.Kind, e.Floor, li, t1, e.InsertX - hw, e.InsertY - hh, L(v[0]), v[1], v[2], v[3], v[4],
          v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15], col, L(v[16]),
          L(v[17]), L(v[18]), L(v[19]), L(v[20]), L(v[21]), e.LabelLength);
      s += Fmt("%s\n", e.Label);
      break;
    }
    case ElementClass::Poly: {
      auto& e = static_cast<TPolyobj&>(o);
      const int32* v = e.SymbolValues;
      s += Fmt("%d %d %ld %ld %ld %ld %d %d %d %d %d %d %ld %ld %ld %ld %ld %ld\n", e.Kind, e.Floor,
               li, t1, L(v[0]), L(v[1]), v[2], v[3], e.PointCount, v[4], v[5], v[6], fill,
               L(v[7]), col, e.RefX - hw, L(e.RefZ), e.RefY - hh);
      for (int32 i = 0; i < e.PointCount; ++i)
        s += Fmt("%ld %ld %ld\n", e.PointX[i] - hw, L(e.PointZ[i]), e.PointY[i] - hh);
      for (int32 h : e.HiddenEdges) s += Fmt("%d\n", h);
      break;
    }
    case ElementClass::Text: {
      auto& e = static_cast<TTextobj&>(o);
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %d %d %d %d %d %d ", e.Kind, e.Floor, li, t1,
               x1, y1, L(e.X2), L(e.Y2), L(e.Marked), col, e.TextLength, e.Escapement, e.Alignment,
               e.FaceLength, e.Size, e.Weight);
      s += Fmt("%s", e.FontFace) + Fmt("%s\n", e.Text);
      break;
    }
    case ElementClass::Arc: {
      auto& e = static_cast<TArcobj&>(o);
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %d %d\n", e.Kind, e.Floor,
               li, t1, x1, L(e.Marked), y1, x2, L(e.Tag2), y2, e.StartX - hw, e.StartY - hh,
               e.EndX - hw, e.EndY - hh, col, e.PenWidth, e.PenStyle);
      break;
    }
    case ElementClass::Ellipse:
    case ElementClass::Circle:
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %d %d\n", o.Kind, o.Floor, li, t1, x1,
               L(o.Marked), x2, L(o.Tag2), y1, y2, fill, col, o.PenWidth, o.PenStyle);
      break;
    case ElementClass::RndRect:
      s += Fmt("%d %d %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %ld %d %d\n", o.Kind, o.Floor, li, t1,
               x1, L(o.Marked), x2, L(o.Tag2), y1, y2,
               L(static_cast<TRndrectobj&>(o).CornerRadius), fill, col, o.PenWidth, o.PenStyle);
      break;
    case ElementClass::Info: {
      auto& e = static_cast<TInfoobj&>(o);
      const int32* v = e.InfoValues;
      s += Fmt("%d %d %ld %ld %d %d %d %d %ld %ld %ld %ld %ld %ld %ld %ld %d %d\n", e.Kind, e.Floor,
               li, t1, v[0], v[1], v[2], v[3], x1, L(e.Marked), y1, x2, L(e.Tag2), y2, L(v[4]), col,
               e.PenWidth, e.PenStyle);
      break;
    }
  }
  return s;
}

using StorageLayoutTest = StorageTest;

TEST_F(StorageLayoutTest, EveryRecordLineIsByteForByteWhatItsFormatGives) {
  PixelScale = 3;
  DrawingWidth = 1001;
  DrawingHeight = 777;
  const L hw = 1001 * 3 / 2, hh = 777 * 3 / 2;
  int32 next = 1;
  samples::Rng rng(17);
  for (int32 kind : samples::KindsWithRecords()) {
    TObj* e = samples::RandomElement(kind, rng);
    // Every field a different small value, so a swapped pair shows.
    samples::VisitFields(
        *e, [&](const char*, int32& v, bool) { v = next++ * 7; },
        [](const char*, char*, int32, bool) {});
    e->Kind = kind;
    if (auto* p = dynamic_cast<TPolyobj*>(e)) p->PointCount = 3;
    samples::SyncLengths(*e);
    DrawingList.Add(e);
  }
  std::string want = Fmt("%d %d %d %d %d %d\n", DrawingList.Count(), DesignRoomCount,
                         OpeningCount, 0, MetricUnits, NextGroupNumber);
  for (int32 i = 0; i < DrawingList.Count(); ++i) want += Reference(*DrawingList.At(i), hw, hh);
  DrawingList.WriteDrawingFile(dtDrawing);
  EXPECT_EQ(Live(), want);
}

}  // namespace
