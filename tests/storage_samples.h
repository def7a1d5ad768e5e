// Sample drawings for the storage tests, the storage benchmark and the fuzz
// starting corpus: elements of every kind with every field set at random, and a
// visitor over each class's fields that says which of them a drawing file
// keeps (written from the record lines, independently of the codec's own
// tables, so the two check each other).
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/elements.h"
#include "model/flist.h"

namespace samples {

// One kind of every record layout, and the kinds just around their edges.
inline const std::vector<int32>& KindsWithRecords() {
  static const std::vector<int32> kinds = {
      1,     11,    41,    99,    3,     4,     24,    34,    35,    36,    37,   5,    6,
      8,     100,   110,   150,   155,   250,   260,   251,   261,   1000,  2000, 3110, 6000,
      24999, 29000, 29001, 29500, 31501, 31502, 31601, 31602, 32000, 32005, 40000};
  return kinds;
}

using Rng = std::mt19937;

inline int32 Any(Rng& rng) {
  // Mostly drawing-sized values, sometimes the extremes of 32 bits.
  switch (rng() % 8) {
    case 0: return static_cast<int32>(rng());
    case 1: return (rng() % 2) ? INT32_MAX : INT32_MIN;
    default: return static_cast<int32>(rng() % 200001) - 100000;
  }
}

inline void RandomText(Rng& rng, char* buf, int32 capacity) {
  static const char kChars[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 '/-.,#()";
  const int32 n = static_cast<int32>(rng() % static_cast<uint32>(capacity));
  for (int32 i = 0; i < n; ++i) buf[i] = kChars[rng() % (sizeof kChars - 1)];
  std::memset(buf + n, 0, static_cast<std::size_t>(capacity - n));
}

// Which TObj fields a class's record keeps.
enum Base : unsigned {
  kKind = 1u << 0,
  kFloor = 1u << 1,
  kPenWidth = 1u << 2,
  kPenStyle = 1u << 3,
  kLinkId = 1u << 4,
  kTag1 = 1u << 5,
  kX1 = 1u << 6,
  kMarked = 1u << 7,
  kX2 = 1u << 8,
  kTag2 = 1u << 9,
  kY1 = 1u << 10,
  kY2 = 1u << 11,
  kFill = 1u << 12,
  kColour = 1u << 13,
  kAll = (1u << 14) - 1,
  kHead = kKind | kFloor | kLinkId | kTag1,
  kBox = kX1 | kY1 | kX2 | kY2,
};

// Calls f(name, field, stored) for every 32-bit field of e.
template <class F>
void VisitBase(TObj& e, unsigned stored, F&& f) {
  f("Floor", e.Floor, (stored & kFloor) != 0);
  f("Kind", e.Kind, (stored & kKind) != 0);
  f("PenWidth", e.PenWidth, (stored & kPenWidth) != 0);
  f("PenStyle", e.PenStyle, (stored & kPenStyle) != 0);
  f("LinkId", e.LinkId, (stored & kLinkId) != 0);
  f("Tag1", e.Tag1, (stored & kTag1) != 0);
  f("X1", e.X1, (stored & kX1) != 0);
  f("Marked", e.Marked, (stored & kMarked) != 0);
  f("X2", e.X2, (stored & kX2) != 0);
  f("Tag2", e.Tag2, (stored & kTag2) != 0);
  f("Y1", e.Y1, (stored & kY1) != 0);
  f("Y2", e.Y2, (stored & kY2) != 0);
  f("FillColour", reinterpret_cast<int32&>(e.FillColour), (stored & kFill) != 0);
  f("Colour", reinterpret_cast<int32&>(e.Colour), (stored & kColour) != 0);
}

template <class F>
void VisitArray(const char* name, int32* a, int n, bool stored, F&& f) {
  for (int i = 0; i < n; ++i)
    f((std::string(name) + "[" + std::to_string(i) + "]").c_str(), a[i], stored);
}

// Calls f(name, field, stored) for every 32-bit field, and t(name, text,
// capacity, stored) for every fixed text.
template <class F, class T>
void VisitFields(TObj& obj, F&& f, T&& t) {
  switch (ClassOfKind(obj.Kind)) {
    case ElementClass::None: break;
    case ElementClass::Line: {
      auto& e = static_cast<TLineobj&>(obj);
      VisitBase(e, kAll & ~kFill, f);
      f("Angle", e.Angle, true);
      f("LineTag", e.LineTag, true);
      break;
    }
    case ElementClass::ExtWall: {
      auto& e = static_cast<TExtwallobj&>(obj);
      VisitBase(e, kAll & ~(kFill | kPenWidth | kPenStyle), f);
      for (auto* p : {&e.Thickness1, &e.CavityWidth, &e.Thickness2, &e.HatchPairs1, &e.HatchPairs2,
                      &e.WallFlag,   &e.Angle,       &e.Line2X1,    &e.Line2Y1,     &e.Line2X2,
                      &e.Line2Y2,    &e.Line3X1,     &e.Line3Y1,    &e.Line3X2,     &e.Line3Y2,
                      &e.Line4X1,    &e.Line4Y1,     &e.Line4X2,    &e.Line4Y2,     &e.RefX,
                      &e.RefZ,       &e.RefY})
        f("wall field", *p, true);
      VisitArray("WallValues", e.WallValues, 5, true, f);
      VisitArray("WallCodes", e.WallCodes, 4, true, f);
      break;
    }
    case ElementClass::InWall: {
      auto& e = static_cast<TInwallobj&>(obj);
      VisitBase(e, kAll & ~(kFill | kPenWidth | kPenStyle), f);
      for (auto* p : {&e.Thickness, &e.HatchPairs, &e.WallFlag, &e.Angle, &e.Line2X1, &e.Line2Z1,
                      &e.Line2Y1, &e.Line2X2, &e.Line2Y2, &e.RefX, &e.RefZ, &e.RefY})
        f("wall field", *p, true);
      VisitArray("WallValues", e.WallValues, 7, true, f);
      VisitArray("WallCodes", e.WallCodes, 4, true, f);
      break;
    }
    case ElementClass::Arrow: {
      auto& e = static_cast<TArrowobj&>(obj);
      VisitBase(e, kHead | kBox | kColour, f);
      for (auto* p :
           {&e.BarbX1, &e.BarbY1, &e.BarbX2, &e.BarbY2, &e.BarX1, &e.BarY1, &e.BarX2, &e.BarY2})
        f("arrow field", *p, true);
      break;
    }
    case ElementClass::Dimension: {
      auto& e = static_cast<TDimensobj&>(obj);
      VisitBase(e, kHead | kBox | kColour, f);
      for (auto* p : {&e.Shown, &e.SecondX1, &e.SecondY1, &e.SecondX2, &e.SecondY2, &e.Angle})
        f("dimension field", *p, true);
      break;
    }
    case ElementClass::Room: {
      auto& e = static_cast<TRoomobj&>(obj);
      VisitBase(e, kHead | kBox, f);
      for (auto* p : {&e.NameLength, &e.WidthTextLength, &e.HeightTextLength, &e.DimensionChoice,
                      &e.LabelSize, &e.RoomWidth, &e.RoomHeight})
        f("room field", *p, true);
      f("RoomFill", reinterpret_cast<int32&>(e.RoomFill), true);
      t("RoomName", e.RoomName, kRoomNameCapacity, true);
      t("WidthText", e.WidthText, kRoomWidthTextCapacity, true);
      t("HeightText", e.HeightText, kRoomHeightTextCapacity, true);
      break;
    }
    case ElementClass::Window: {
      auto& e = static_cast<TWindowobj&>(obj);
      VisitBase(e, kHead | kColour, f);
      VisitArray("OpeningValues", e.OpeningValues, 15, true, f);
      f("InsertX", e.InsertX, true);
      f("InsertY", e.InsertY, true);
      f("LabelLength", e.LabelLength, true);
      t("Label", e.Label, kOpeningLabelCapacity, true);
      break;
    }
    case ElementClass::Door: {
      auto& e = static_cast<TDoorobj&>(obj);
      VisitBase(e, kHead | kColour, f);
      VisitArray("OpeningValues", e.OpeningValues, 22, true, f);
      f("InsertX", e.InsertX, true);
      f("InsertY", e.InsertY, true);
      f("LabelLength", e.LabelLength, true);
      t("Label", e.Label, kOpeningLabelCapacity, true);
      break;
    }
    case ElementClass::Poly: {
      auto& e = static_cast<TPolyobj&>(obj);
      VisitBase(e, kHead | kFill | kColour, f);
      f("PointCount", e.PointCount, true);
      for (int i = 0; i < kMaxPolyPoints; ++i) {
        const bool stored = i < e.PointCount;
        f("PointX", e.PointX[i], stored);
        f("PointY", e.PointY[i], stored);
        f("PointZ", e.PointZ[i], stored);
      }
      f("RefX", e.RefX, true);
      f("RefZ", e.RefZ, true);
      f("RefY", e.RefY, true);
      VisitArray("HiddenEdges", e.HiddenEdges, 4, true, f);
      VisitArray("SymbolValues", e.SymbolValues, 8, true, f);
      break;
    }
    case ElementClass::Text: {
      auto& e = static_cast<TTextobj&>(obj);
      VisitBase(e, kHead | kBox | kMarked | kColour, f);
      for (auto* p :
           {&e.TextLength, &e.FaceLength, &e.Escapement, &e.Alignment, &e.Weight, &e.Size})
        f("text field", *p, true);
      t("Text", e.Text, kTextCapacity, true);
      t("FontFace", e.FontFace, kFaceCapacity, true);
      break;
    }
    case ElementClass::Arc: {
      auto& e = static_cast<TArcobj&>(obj);
      VisitBase(e, kAll & ~kFill, f);
      for (auto* p : {&e.StartX, &e.StartY, &e.EndX, &e.EndY}) f("arc field", *p, true);
      break;
    }
    case ElementClass::Ellipse:
    case ElementClass::Circle: VisitBase(obj, kAll, f); break;
    case ElementClass::RndRect:
      VisitBase(obj, kAll, f);
      f("CornerRadius", static_cast<TRndrectobj&>(obj).CornerRadius, true);
      break;
    case ElementClass::Info: {
      auto& e = static_cast<TInfoobj&>(obj);
      VisitBase(e, kAll & ~kFill, f);
      VisitArray("InfoValues", e.InfoValues, 5, true, f);
      break;
    }
  }
}

// Makes the length fields of an element agree with its texts.
inline void SyncLengths(TObj& obj) {
  auto len = [](const char* s) { return static_cast<int32>(std::strlen(s)); };
  if (auto* t = dynamic_cast<TTextobj*>(&obj)) {
    t->TextLength = len(t->Text);
    t->FaceLength = len(t->FontFace);
  } else if (auto* r = dynamic_cast<TRoomobj*>(&obj)) {
    r->NameLength = len(r->RoomName);
    r->WidthTextLength = len(r->WidthText);
    r->HeightTextLength = len(r->HeightText);
  } else if (auto* w = dynamic_cast<TWindowobj*>(&obj)) {
    w->LabelLength = len(w->Label);
  } else if (auto* d = dynamic_cast<TDoorobj*>(&obj)) {
    d->LabelLength = len(d->Label);
  }
}

// An element of the kind with every field, stored or not, set at random
// (texts within their arrays, lengths agreeing with them, the point count
// 0..19).
inline TObj* RandomElement(int32 kind, Rng& rng) {
  TObj* e = NewElementOfKind(kind);
  VisitFields(
      *e, [&](const char*, int32& v, bool) { v = Any(rng); },
      [&](const char*, char* buf, int32 cap, bool) { RandomText(rng, buf, cap); });
  e->Kind = kind;
  if (auto* p = dynamic_cast<TPolyobj*>(e)) p->PointCount = static_cast<int32>(rng() % 20);
  SyncLengths(*e);
  return e;
}

// A drawing-like list: the six information records, then n elements of
// mixed kinds (lines and walls most often, as in real plans).
inline void MixedDrawing(TFlist& list, int n, unsigned run) {
  Rng rng(run);
  for (int i = 0; i < 6; ++i) list.Add(RandomElement(32000 + i, rng));
  static const int32 kCommon[] = {1, 11, 100, 150, 35, 2000, 6000, 251, 250, 29500, 3, 5, 8};
  const auto& all = KindsWithRecords();
  for (int i = 0; i < n; ++i) {
    const int32 k = (rng() % 4 == 0) ? all[rng() % all.size()]
                                     : kCommon[rng() % (sizeof kCommon / sizeof kCommon[0])];
    list.Add(RandomElement(k, rng));
  }
}

}  // namespace samples

namespace samples {

struct FieldValue {
  std::string name;
  int32 value = 0;
  std::string text;  // for texts
  bool stored = false;
};

// Every field of an element in visiting order.
inline std::vector<FieldValue> Collect(TObj& e) {
  std::vector<FieldValue> out;
  VisitFields(
      e,
      [&](const char* name, int32& v, bool stored) {
        out.push_back({name, v, {}, stored});
      },
      [&](const char* name, char* buf, int32 cap, bool stored) {
        out.push_back(
            {name, 0, std::string(buf, strnlen(buf, static_cast<std::size_t>(cap))), stored});
      });
  return out;
}

}  // namespace samples
