#include "storage/record_codec.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <new>
#include <optional>
#include <typeinfo>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "model/flist.h"
#include "platform/files.h"
#include "storage/damaged_files.h"
#include "storage/unwritten_files.h"

namespace storage {

namespace {

// ---- Layout tables -------------------------------------------------------------------

// What a stored value is besides its number.
enum class Role : std::uint8_t {
  Plain,
  X,     // position: moves with Placement::dx
  Y,     // position: moves with Placement::dy
  RefX,  // polygon reference point: moves only when offsetRefPoint
  RefY,
  Id,          // LinkId and Tag1: Placement::idBias is added when writing
  PointCount,  // number of point lines that follow the record line
  TextLength,  // length of text slot `slot` of the record
};

using FieldAt = int32* (*)(TObj&, int32 index);

struct FieldRef {
  FieldAt at;
  Role role = Role::Plain;
  std::uint8_t slot = 0;
  // Byte offset of the field in its class, taken from the accessor once the
  // tables are built; reading and writing go through it.
  std::uint32_t offset = 0;
};

struct TextSlot {
  char* (*buffer)(TObj&);
  int32* (*length)(TObj&);
  int32 capacity;
  std::uint32_t bufferOffset = 0;
  std::uint32_t lengthOffset = 0;
};

enum class Op : std::uint8_t {
  Value,    // one number of the current line
  EndLine,  // "\n"
  Texts,    // the closing blank, every text slot back to back, "\n"
  Points,   // one line "x z y\n" per point
};

struct Item {
  Op op;
  FieldRef field{};
};

struct Layout {
  ElementClass cls = ElementClass::None;
  std::vector<Item> items;
  std::vector<TextSlot> texts;
  FieldRef points[3]{};  // x, z, y of a point line
};

Layout Make(ElementClass cls, std::initializer_list<Item> items,
            std::initializer_list<TextSlot> texts = {}) {
  Layout l;
  l.cls = cls;
  l.items.assign(items);
  l.texts.assign(texts);
  return l;
}

inline int32* AsInt(int32& v) { return &v; }
inline int32* AsInt(uint32& v) { return reinterpret_cast<int32*>(&v); }

#define TW_FIELD(Cls, member, role)                                                     \
  Item {                                                                                \
    Op::Value, FieldRef {                                                               \
      [](TObj& o, int32) -> int32* { return AsInt(static_cast<Cls&>(o).member); }, role \
    }                                                                                   \
  }
#define TW_LENGTH(Cls, member, slotIndex)                                          \
  Item {                                                                           \
    Op::Value, FieldRef {                                                          \
      [](TObj& o, int32) -> int32* { return AsInt(static_cast<Cls&>(o).member); }, \
          Role::TextLength, slotIndex                                              \
    }                                                                              \
  }
#define TW_POINT(Cls, array, role)                                                  \
  FieldRef {                                                                        \
    [](TObj& o, int32 i) -> int32* { return &static_cast<Cls&>(o).array[i]; }, role \
  }
#define TW_TEXT(Cls, buf, len, cap)                                      \
  TextSlot {                                                             \
    [](TObj& o) -> char* { return static_cast<Cls&>(o).buf; },           \
        [](TObj& o) -> int32* { return &static_cast<Cls&>(o).len; }, cap \
  }

constexpr Item kEnd{Op::EndLine};
constexpr Item kTexts{Op::Texts};
constexpr Item kPoints{Op::Points};

// Short forms for the tables below, each on the class C of its layout:
// V a value stored as it is, PX / PY a position (x / y) stored relative to
// the placement, ID a group id, RX / RY the polygon's reference point,
// COUNT the point count, LEN the length of text slot i, TEXT a text slot.
#define V(m) TW_FIELD(C, m, Role::Plain)
#define PX(m) TW_FIELD(C, m, Role::X)
#define PY(m) TW_FIELD(C, m, Role::Y)
#define ID(m) TW_FIELD(C, m, Role::Id)
#define RX(m) TW_FIELD(C, m, Role::RefX)
#define RY(m) TW_FIELD(C, m, Role::RefY)
#define COUNT(m) TW_FIELD(C, m, Role::PointCount)
#define LEN(m, i) TW_LENGTH(C, m, i)
#define TEXT(buf, len, cap) TW_TEXT(C, buf, len, cap)
#define POINT(array, role) TW_POINT(C, array, role)
// The four values every record line starts with.
#define HEAD V(Kind), V(Floor), ID(LinkId), ID(Tag1)

Layout LineLayout() {
  using C = TLineobj;
  return Make(ElementClass::Line,
              {HEAD, PX(X1), V(Marked), PX(X2), V(Tag2), PY(Y1), PY(Y2), V(LineTag), V(Angle),
               V(Colour), V(PenWidth), V(PenStyle), kEnd});
}

// clang-format off
Layout ExtWallLayout(Variant v) {
  using C = TExtwallobj;
  Layout l = Make(ElementClass::ExtWall,
      {HEAD, V(WallFlag), PX(X1), V(Marked), PY(Y1), PX(X2), V(Tag2), PY(Y2),
       PX(Line2X1), PY(Line2Y1), PX(Line2X2), PY(Line2Y2),
       PX(Line3X1), PY(Line3Y1), PX(Line3X2), PY(Line3Y2), kEnd,
       PX(Line4X1), PY(Line4Y1), PX(Line4X2), PY(Line4Y2)});
  // The library variant keeps neither the reference point nor the first
  // two wall values on the second line.
  if (v == Variant::Drawing) l.items.insert(l.items.end(), {PX(RefX), V(RefZ), PY(RefY)});
  l.items.insert(l.items.end(),
      {V(Thickness1), V(CavityWidth), V(Thickness2), V(HatchPairs1), V(HatchPairs2)});
  if (v == Variant::Drawing) l.items.insert(l.items.end(), {V(WallValues[0]), V(WallValues[1])});
  l.items.insert(l.items.end(),
      {V(Angle), kEnd,
       V(WallValues[2]), V(WallValues[3]), V(WallValues[4]), V(Colour), kEnd,
       V(WallCodes[0]), kEnd, V(WallCodes[1]), kEnd, V(WallCodes[2]), kEnd, V(WallCodes[3]), kEnd});
  return l;
}
// clang-format on

// clang-format off
Layout InWallLayout() {
  using C = TInwallobj;
  return Make(ElementClass::InWall,
      {HEAD, V(WallFlag), PX(X1), V(Marked), PY(Y1), PX(X2), V(Tag2), PY(Y2),
       PX(Line2X1), V(Line2Z1), PY(Line2Y1), PX(Line2X2), PY(Line2Y2),
       PX(RefX), V(RefZ), PY(RefY), V(Thickness), V(HatchPairs),
       V(WallValues[0]), V(WallValues[1]), V(WallValues[2]), V(WallValues[3]), V(WallValues[4]),
       V(Angle), V(WallValues[5]), V(WallValues[6]), V(Colour), kEnd,
       V(WallCodes[0]), kEnd, V(WallCodes[1]), kEnd, V(WallCodes[2]), kEnd, V(WallCodes[3]), kEnd});
}
// clang-format on

Layout ArrowLayout() {
  using C = TArrowobj;
  return Make(ElementClass::Arrow,
              {HEAD, PX(X1), PY(Y1), PX(X2), PY(Y2), PX(BarbX1), PY(BarbY1), PX(BarbX2), PY(BarbY2),
               PX(BarX1), PY(BarY1), PX(BarX2), PY(BarY2), V(Colour), kEnd});
}

Layout DimensionLayout() {
  using C = TDimensobj;
  return Make(ElementClass::Dimension,
              {HEAD, PX(X1), PY(Y1), PX(X2), PY(Y2), PX(SecondX1), PY(SecondY1), PX(SecondX2),
               PY(SecondY2), V(Angle), V(Shown), V(Colour), kEnd});
}

Layout RoomLayout() {
  using C = TRoomobj;
  return Make(ElementClass::Room,
              {HEAD, PX(X1), PY(Y1), PX(X2), PY(Y2), V(RoomWidth), V(RoomHeight),
               V(DimensionChoice), V(RoomFill), V(LabelSize), LEN(NameLength, 0),
               LEN(WidthTextLength, 1), LEN(HeightTextLength, 2), kTexts},
              {TEXT(RoomName, NameLength, kRoomNameCapacity),
               TEXT(WidthText, WidthTextLength, kRoomWidthTextCapacity),
               TEXT(HeightText, HeightTextLength, kRoomHeightTextCapacity)});
}

// Windows and doors: kind, floor, ids, insertion point, `before` opening
// values, colour, the rest of the values, the label.
template <class C, int32 Before, int32 Total>
Layout OpeningLayout(ElementClass cls) {
  Layout l = Make(cls, {HEAD, PX(InsertX), PY(InsertY)},
                  {TEXT(Label, LabelLength, kOpeningLabelCapacity)});
  auto value = [](int32 i) {
    // Each opening value needs its own accessor; the index travels as the
    // accessor's second argument.
    return Item{Op::Value, FieldRef{[](TObj& o, int32 idx) -> int32* {
                                      return &static_cast<C&>(o).OpeningValues[idx];
                                    },
                                    Role::Plain, static_cast<std::uint8_t>(i)}};
  };
  for (int32 i = 0; i < Before; ++i) l.items.push_back(value(i));
  l.items.push_back(V(Colour));
  for (int32 i = Before; i < Total; ++i) l.items.push_back(value(i));
  l.items.push_back(LEN(LabelLength, 0));
  l.items.push_back(kTexts);
  return l;
}

// clang-format off
Layout PolyLayout() {
  using C = TPolyobj;
  Layout l = Make(ElementClass::Poly,
      {HEAD, V(SymbolValues[0]), V(SymbolValues[1]), V(SymbolValues[2]), V(SymbolValues[3]),
       COUNT(PointCount), V(SymbolValues[4]), V(SymbolValues[5]), V(SymbolValues[6]),
       V(FillColour), V(SymbolValues[7]), V(Colour), RX(RefX), V(RefZ), RY(RefY), kEnd,
       kPoints,
       V(HiddenEdges[0]), kEnd, V(HiddenEdges[1]), kEnd, V(HiddenEdges[2]), kEnd,
       V(HiddenEdges[3]), kEnd});
  // One line "x z y" per point.
  l.points[0] = POINT(PointX, Role::X);
  l.points[1] = POINT(PointZ, Role::Plain);
  l.points[2] = POINT(PointY, Role::Y);
  return l;
}
// clang-format on

Layout TextLayout() {
  using C = TTextobj;
  // X2 and Y2 of a text hold a bearing and a mark, not a position.
  return Make(ElementClass::Text,
              {HEAD, PX(X1), PY(Y1), V(X2), V(Y2), V(Marked), V(Colour), LEN(TextLength, 1),
               V(Escapement), V(Alignment), LEN(FaceLength, 0), V(Size), V(Weight), kTexts},
              {TEXT(FontFace, FaceLength, kFaceCapacity), TEXT(Text, TextLength, kTextCapacity)});
}

Layout ArcLayout() {
  using C = TArcobj;
  return Make(ElementClass::Arc,
              {HEAD, PX(X1), V(Marked), PY(Y1), PX(X2), V(Tag2), PY(Y2), PX(StartX), PY(StartY),
               PX(EndX), PY(EndY), V(Colour), V(PenWidth), V(PenStyle), kEnd});
}

// Ellipses and circles share one line; rounded rectangles add the radius.
Layout BoxLayout(ElementClass cls) {
  using C = TObj;
  Layout l = Make(cls, {HEAD, PX(X1), V(Marked), PX(X2), V(Tag2), PY(Y1), PY(Y2)});
  if (cls == ElementClass::RndRect)
    l.items.push_back(TW_FIELD(TRndrectobj, CornerRadius, Role::Plain));
  l.items.insert(l.items.end(), {V(FillColour), V(Colour), V(PenWidth), V(PenStyle), kEnd});
  return l;
}

Layout InfoLayout() {
  using C = TInfoobj;
  return Make(ElementClass::Info,
              {HEAD, V(InfoValues[0]), V(InfoValues[1]), V(InfoValues[2]), V(InfoValues[3]), PX(X1),
               V(Marked), PY(Y1), PX(X2), V(Tag2), PY(Y2), V(InfoValues[4]), V(Colour), V(PenWidth),
               V(PenStyle), kEnd});
}

#undef HEAD
#undef POINT
#undef TEXT
#undef LEN
#undef COUNT
#undef RY
#undef RX
#undef ID
#undef PY
#undef PX
#undef V
#undef TW_TEXT
#undef TW_POINT
#undef TW_LENGTH
#undef TW_FIELD

constexpr int kClassCount = static_cast<int>(ElementClass::Info) + 1;

struct LayoutSet {
  Layout byClass[kClassCount];
};

// A kind of each class, to measure field offsets on.
int32 SampleKind(ElementClass cls) {
  switch (cls) {
    case ElementClass::None: break;
    case ElementClass::Line: return kind::Line;
    case ElementClass::ExtWall: return kind::ExtWall;
    case ElementClass::InWall: return kind::InWall;
    case ElementClass::Arrow: return kind::Arrow;
    case ElementClass::Dimension: return kind::Dimension;
    case ElementClass::Room: return kind::Room;
    case ElementClass::Window: return kind::Window;
    case ElementClass::Door: return kind::Door;
    case ElementClass::Poly: return kind::PolyFirst;
    case ElementClass::Text: return kind::Text;
    case ElementClass::Arc: return kind::Arc;
    case ElementClass::Ellipse: return kind::Ellipse;
    case ElementClass::Circle: return kind::Circle;
    case ElementClass::RndRect: return kind::RoundRect;
    case ElementClass::Info: return kind::InfoFirst;
  }
  return 0;
}

std::uint32_t OffsetIn(const TObj& sample, const void* field) {
  return static_cast<std::uint32_t>(static_cast<const char*>(field) -
                                    reinterpret_cast<const char*>(&sample));
}

// Turns every accessor of a layout into a byte offset in its class.
void Resolve(Layout& l) {
  std::unique_ptr<TObj> sample(NewElementOfKind(SampleKind(l.cls)));
  for (Item& item : l.items) {
    if (item.op == Op::Value)
      item.field.offset = OffsetIn(*sample, item.field.at(*sample, item.field.slot));
  }
  for (FieldRef& f : l.points) {
    if (f.at) f.offset = OffsetIn(*sample, f.at(*sample, 0));
  }
  for (TextSlot& t : l.texts) {
    t.bufferOffset = OffsetIn(*sample, t.buffer(*sample));
    t.lengthOffset = OffsetIn(*sample, t.length(*sample));
  }
}

LayoutSet MakeLayouts(Variant v) {
  LayoutSet s;
  auto put = [&s](Layout l) {
    Resolve(l);
    s.byClass[static_cast<int>(l.cls)] = std::move(l);
  };
  put(LineLayout());
  put(ExtWallLayout(v));
  put(InWallLayout());
  put(ArrowLayout());
  put(DimensionLayout());
  put(RoomLayout());
  put(OpeningLayout<TWindowobj, 11, 15>(ElementClass::Window));
  put(OpeningLayout<TDoorobj, 16, 22>(ElementClass::Door));
  put(PolyLayout());
  put(TextLayout());
  put(ArcLayout());
  put(BoxLayout(ElementClass::Ellipse));
  put(BoxLayout(ElementClass::Circle));
  put(BoxLayout(ElementClass::RndRect));
  put(InfoLayout());
  return s;
}

const Layout* LayoutOf(ElementClass cls, Variant v) {
  static const LayoutSet drawing = MakeLayouts(Variant::Drawing);
  static const LayoutSet library = MakeLayouts(Variant::Library);
  if (cls == ElementClass::None) return nullptr;
  if (v == Variant::Drawing) return &drawing.byClass[static_cast<int>(cls)];
  // Symbols and pasted parts never carry windows or doors: those belong to
  // the walls they were cut into.
  if (cls == ElementClass::Window || cls == ElementClass::Door) return nullptr;
  return &library.byClass[static_cast<int>(cls)];
}

// The kinds the paste buffer keeps: what can be set down on any floor
// without the walls, rooms and records that belong to one floor.
bool Pastable(int32 k) {
  if (kind::IsExtWallKind(k) || kind::IsDesignRoomKind(k) || kind::IsInfoKind(k)) return false;
  return true;
}

// The layout of a kind in a family (nullptr: no record).
const Layout* LayoutOfKind(int32 k, Variant v) {
  if (v == Variant::Paste && !Pastable(k)) return nullptr;
  return LayoutOf(ClassOfKind(k), v);
}

// Whether e is (or derives from) the class a layout is made for.
template <class C>
bool Is(const TObj& e) {
  return typeid(e) == typeid(C) || dynamic_cast<const C*>(&e) != nullptr;
}

bool IsOfClass(const TObj& e, ElementClass cls) {
  switch (cls) {
    case ElementClass::None: return false;
    case ElementClass::Line: return Is<TLineobj>(e);
    case ElementClass::ExtWall: return Is<TExtwallobj>(e);
    case ElementClass::InWall: return Is<TInwallobj>(e);
    case ElementClass::Arrow: return Is<TArrowobj>(e);
    case ElementClass::Dimension: return Is<TDimensobj>(e);
    case ElementClass::Room: return Is<TRoomobj>(e);
    case ElementClass::Window: return Is<TWindowobj>(e);
    case ElementClass::Door: return Is<TDoorobj>(e);
    case ElementClass::Poly: return Is<TPolyobj>(e);
    case ElementClass::Text: return Is<TTextobj>(e);
    case ElementClass::Arc: return Is<TArcobj>(e);
    case ElementClass::Ellipse:  // only TObj fields are stored
    case ElementClass::Circle: return true;
    case ElementClass::RndRect: return Is<TRndrectobj>(e);
    case ElementClass::Info: return Is<TInfoobj>(e);
  }
  return false;
}

// Positions are stored as 32-bit differences; wrap rather than overflow so
// that any stored value reads back to the value it was written from.
inline int32 WrapAdd(int32 a, int32 b) {
  return static_cast<int32>(static_cast<uint32>(a) + static_cast<uint32>(b));
}
inline int32 WrapSub(int32 a, int32 b) {
  return static_cast<int32>(static_cast<uint32>(a) - static_cast<uint32>(b));
}

// The shift of each role under a placement (added on reading, taken off on
// writing), indexed by Role.
struct Shifts {
  int32 by[static_cast<int>(Role::TextLength) + 1] = {};
  explicit Shifts(const Placement& p) {
    by[static_cast<int>(Role::X)] = p.dx;
    by[static_cast<int>(Role::Y)] = p.dy;
    by[static_cast<int>(Role::RefX)] = p.offsetRefPoint ? p.dx : 0;
    by[static_cast<int>(Role::RefY)] = p.offsetRefPoint ? p.dy : 0;
  }
  int32 operator[](Role r) const { return by[static_cast<int>(r)]; }
};

inline int32& FieldAtOffset(TObj& e, std::uint32_t offset) {
  return *reinterpret_cast<int32*>(reinterpret_cast<char*>(&e) + offset);
}
inline char* TextAtOffset(TObj& e, std::uint32_t offset) {
  return reinterpret_cast<char*>(&e) + offset;
}

// The characters the C library's scanf skips as white space.
struct SpaceTable {
  bool is[256] = {};
  constexpr SpaceTable() {
    for (unsigned char c : {' ', '\n', '\r', '\t', '\v', '\f'}) is[c] = true;
  }
};
constexpr SpaceTable kSpace;
inline bool IsSpace(char c) { return kSpace.is[static_cast<unsigned char>(c)]; }

// Characters of a fixed text up to its terminator, at most capacity-1.
int32 TextLengthOf(const char* buf, int32 capacity) {
  const void* zero = std::memchr(buf, '\0', static_cast<std::size_t>(capacity - 1));
  return zero ? static_cast<int32>(static_cast<const char*>(zero) - buf) : capacity - 1;
}

int32 PointsToWrite(int32 count) { return std::clamp(count, 0, kMaxPolyPoints); }

// Enough for the longest record line of any layout (a polygon's record,
// nineteen point lines and its tail, or a door with its label).
constexpr std::size_t kMaxRecordBytes = 4096;

// Formats one element into a fixed buffer, then hands it over in one piece.
class LineBuffer {
 public:
  void Int(int32 v) { p_ = std::to_chars(p_, buf_ + sizeof buf_, v).ptr; }
  void Char(char c) { *p_++ = c; }
  void Chars(const char* s, std::size_t n) {
    std::memcpy(p_, s, n);
    p_ += n;
  }
  void AppendTo(std::string& out) const { out.append(buf_, static_cast<std::size_t>(p_ - buf_)); }

 private:
  char buf_[kMaxRecordBytes];
  char* p_ = buf_;
};

}  // namespace

// ---- Placement and header --------------------------------------------------------------

Placement PageCentre() {
  Placement p;
  p.dx = static_cast<int32>(static_cast<std::int64_t>(DrawingWidth) * PixelScale / 2);
  p.dy = static_cast<int32>(static_cast<std::int64_t>(DrawingHeight) * PixelScale / 2);
  return p;
}

FileHeader HeaderFromGlobals(int32 count) {
  return FileHeader{count, DesignRoomCount, OpeningCount, 0, MetricUnits, NextGroupNumber};
}

void ApplyHeaderToGlobals(const FileHeader& h) {
  DesignRoomCount = h.designRoomCount;
  OpeningCount = h.openingCount;
  MetricUnits = h.units;
  NextGroupNumber = h.nextGroup;
}

bool HasLayout(int32 k, Variant v) { return LayoutOfKind(k, v) != nullptr; }

int32 CountWritable(const TFlist& list, Variant v) {
  int32 n = 0;
  for (int32 i = 0; i < list.Count(); ++i) {
    if (HasLayout(list.At(i)->Kind, v)) ++n;
  }
  return n;
}

// ---- Writing -------------------------------------------------------------------------------

void RecordWriter::Int(int32 v) {
  char buf[16];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out_.append(buf, r.ptr);
}

void RecordWriter::Header(const FileHeader& h) {
  for (int32 v : {h.count, h.designRoomCount, h.openingCount, h.reserved, h.units}) {
    Int(v);
    out_ += ' ';
  }
  Int(h.nextGroup);
  out_ += '\n';
}

bool RecordWriter::Element(const TObj& element, Variant v, const Placement& p) {
  const ElementClass cls = ClassOfKind(element.Kind);
  const Layout* layout = LayoutOfKind(element.Kind, v);
  if (layout == nullptr) return false;

  // An element whose class does not match its kind (possible only in
  // memory) is written through a stand-in of the right class.
  std::unique_ptr<TObj> standIn;
  TObj* e = const_cast<TObj*>(&element);
  if (!IsOfClass(element, cls)) {
    standIn.reset(NewElementOfKind(element.Kind));
    static_cast<TObj&>(*standIn) = element;
    e = standIn.get();
  }

  const Shifts shift(p);
  LineBuffer line;
  line.Int(e->Kind);
  line.Char('\n');
  bool lineStart = true;
  auto value = [&](int32 x) {
    if (!lineStart) line.Char(' ');
    line.Int(x);
    lineStart = false;
  };
  auto endLine = [&] {
    line.Char('\n');
    lineStart = true;
  };
  for (const Item& item : layout->items) {
    switch (item.op) {
      case Op::Value: {
        const FieldRef& f = item.field;
        int32 x = FieldAtOffset(*e, f.offset);
        if (f.role == Role::Id) {
          x = WrapAdd(x, p.idBias);
        } else if (f.role == Role::PointCount) {
          x = PointsToWrite(x);
        } else if (f.role == Role::TextLength) {
          const TextSlot& t = layout->texts[f.slot];
          x = TextLengthOf(TextAtOffset(*e, t.bufferOffset), t.capacity);
        } else {
          x = WrapSub(x, shift[f.role]);
        }
        value(x);
        break;
      }
      case Op::EndLine: endLine(); break;
      case Op::Texts:
        line.Char(' ');
        for (const TextSlot& t : layout->texts) {
          const char* buf = TextAtOffset(*e, t.bufferOffset);
          line.Chars(buf, static_cast<std::size_t>(TextLengthOf(buf, t.capacity)));
        }
        endLine();
        break;
      case Op::Points: {
        const int32 n = PointsToWrite(static_cast<TPolyobj*>(e)->PointCount);
        for (int32 i = 0; i < n; ++i) {
          for (const FieldRef& f : layout->points) {
            value(
                WrapSub(FieldAtOffset(*e, f.offset + 4u * static_cast<uint32>(i)), shift[f.role]));
          }
          endLine();
        }
        break;
      }
    }
  }
  line.AppendTo(out_);
  return true;
}

std::string FormatList(const TFlist& list, FileHeader header, const Placement& p, Variant v) {
  std::string out;
  out.reserve(static_cast<std::size_t>(list.Count()) * 128 + 64);
  RecordWriter w(out);
  header.count = CountWritable(list, v);
  w.Header(header);
  for (int32 i = 0; i < list.Count(); ++i) w.Element(*list.At(i), v, p);
  return out;
}

void MovePlacement(TFlist& list, const Placement& from, const Placement& to, Variant v) {
  if (from == to) return;
  const Shifts out(from), in(to);
  auto move = [&](TObj& e, std::uint32_t offset, Role role) {
    int32& x = FieldAtOffset(e, offset);
    x = WrapAdd(WrapSub(x, out[role]), in[role]);
  };
  for (int32 i = 0; i < list.Count(); ++i) {
    TObj& e = *list.At(i);
    const Layout* layout = LayoutOfKind(e.Kind, v);
    if (layout == nullptr) continue;
    // An element of another class than its kind's is written through a
    // stand-in that takes only its TObj fields.
    const bool own = IsOfClass(e, layout->cls);
    auto inElement = [&](std::uint32_t offset) { return own || offset < sizeof(TObj); };
    for (const Item& item : layout->items) {
      if (item.op == Op::Value && inElement(item.field.offset)) {
        move(e, item.field.offset, item.field.role);
      } else if (item.op == Op::Points && own) {
        const int32 n = PointsToWrite(static_cast<TPolyobj&>(e).PointCount);
        for (int32 j = 0; j < n; ++j)
          for (const FieldRef& f : layout->points)
            move(e, f.offset + 4u * static_cast<uint32>(j), f.role);
      }
    }
  }
}

// ---- Reading ---------------------------------------------------------------------------------

bool RecordReader::AtEnd() {
  while (p_ < end_ && IsSpace(*p_)) ++p_;
  return p_ >= end_;
}

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// How many of the eight bytes of chunk, from the first in memory, are
// decimal digits (0..8).
inline int LeadingDigits(std::uint64_t chunk) {
  // A byte is a digit when its high nibble is 3 and its low nibble below 10.
  // Each test stays within its byte, so no carry spoils a neighbour.
  const std::uint64_t high = (chunk & (0xF0 * kOnes)) ^ (0x30 * kOnes);
  const std::uint64_t low = ((chunk & (0x0F * kOnes)) + 0x06 * kOnes) & (0x10 * kOnes);
  const std::uint64_t x = high | low;  // zero bytes are digits
  const std::uint64_t nonZero = (((x & (0x7F * kOnes)) + 0x7F * kOnes) | x) & (0x80 * kOnes);
  return nonZero == 0 ? 8 : __builtin_ctzll(nonZero) / 8;
}

// The value of the first n (1..8) digit bytes of chunk.
inline std::uint64_t DigitsValue(std::uint64_t chunk, int n) {
  // Keep the n digits and move them to the top, so the value reads as an
  // eight-digit number with leading zeros; then combine pairs, quads, octets.
  std::uint64_t v = (chunk & (0x0F * kOnes)) << (8 * (8 - n));
  v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFull;
  v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFull;
  return (v * 10000 + (v >> 32)) & 0xFFFFFFFFull;
}

// Which of 64 bytes are white space (as scanf skips it), digits, minus and
// plus signs: bit k for byte k.
struct ByteMasks {
  std::uint64_t space = 0, digit = 0, minus = 0, plus = 0;
};

ByteMasks MasksOf(const char* p) {
  ByteMasks m;
#if defined(__SSE2__)
  // A byte lies in [lo, lo + span] when (byte - lo), unsigned, is at most span.
  auto inRange = [](__m128i v, char lo, char span) {
    const __m128i d = _mm_sub_epi8(v, _mm_set1_epi8(lo));
    return _mm_cmpeq_epi8(_mm_min_epu8(d, _mm_set1_epi8(span)), d);
  };
  auto bits = [](__m128i flags, int block) {
    return std::uint64_t(std::uint16_t(_mm_movemask_epi8(flags))) << (16 * block);
  };
  for (int block = 0; block < 4; ++block) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * block));
    const __m128i space =
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), inRange(v, '\t', '\r' - '\t'));
    m.space |= bits(space, block);
    m.digit |= bits(inRange(v, '0', 9), block);
    m.minus |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('-')), block);
    m.plus |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('+')), block);
  }
#else
  for (int k = 0; k < 64; ++k) {
    const std::uint64_t bit = std::uint64_t{1} << k;
    const char c = p[k];
    if (IsSpace(c)) m.space |= bit;
    if (c >= '0' && c <= '9') m.digit |= bit;
    if (c == '-') m.minus |= bit;
    if (c == '+') m.plus |= bit;
  }
#endif
  return m;
}

// A window is 64 bytes plus the 8 that a value's digits read past them;
// values are taken from it when they start within its first 56 bytes.
constexpr std::ptrdiff_t kWindowBytes = 64 + 8;
constexpr std::uint64_t kWindowStarts = (std::uint64_t{1} << 56) - 1;

}  // namespace

// Where the scalar reader finds each value is known from the masks alone: a
// value starts at a byte that is not white space and follows white space,
// or follows the digits of the value before it. Taking the starts one after
// the other keeps reading from waiting on every value's last digit.
bool RecordReader::Refill() {
  if (end_ - p_ < kWindowBytes) {
    next_ = nullptr;
    starts_ = 0;
    return false;
  }
  const ByteMasks m = MasksOf(p_);
  base_ = next_ = p_;
  const std::uint64_t afterSpace = (m.space << 1) | 1;  // p_ itself starts a value
  const std::uint64_t afterDigits = (m.digit << 1) & ~m.digit;
  starts_ = ~m.space & (afterSpace | afterDigits) & kWindowStarts;
  digits_ = m.digit;
  signs_ = m.minus | m.plus;
  minus_ = m.minus;
  return true;
}

[[gnu::always_inline]] inline bool RecordReader::WindowInt(int32& v) {
  if ((p_ != next_ || starts_ == 0) && (!Refill() || starts_ == 0)) return false;
  const unsigned start = static_cast<unsigned>(__builtin_ctzll(starts_));
  const unsigned first = start + static_cast<unsigned>((signs_ >> start) & 1);  // at most 56
  const std::uint64_t nonDigits = ~digits_ >> first;
  if (nonDigits == 0) return false;  // digits up to the window's end
  const unsigned n = static_cast<unsigned>(__builtin_ctzll(nonDigits));
  // No digit (a stray sign or character) and numbers of more than ten
  // digits are the scalar reader's.
  if (n == 0 || n > 10) return false;
  auto digits = [this](unsigned at, unsigned count) {
    std::uint64_t chunk;
    std::memcpy(&chunk, base_ + at, sizeof chunk);
    return DigitsValue(chunk, static_cast<int>(count));
  };
  const std::uint64_t magnitude =
      n <= 8 ? digits(first, n) : digits(first, n - 8) * 100000000 + digits(first + n - 8, 8);
  // Held to 32 bits as the scalar reader holds it.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 31;
  const bool negative = (minus_ >> start) & 1;
  const std::uint64_t limit = kLimit - !negative;
  if (magnitude > limit) [[unlikely]]
    ++held_;
  const auto held = static_cast<std::int64_t>(std::min(magnitude, limit));
  v = static_cast<int32>(negative ? -held : held);
  p_ = next_ = base_ + first + n;
  starts_ &= starts_ - 1;
  return true;
}

[[gnu::always_inline]] inline bool RecordReader::Int(int32& v) {
  return WindowInt(v) || ScanInt(v);
}

bool RecordReader::ScanInt(int32& v) {
  const char* p = p_;
  const char* const end = end_;
  while (p < end && IsSpace(*p)) ++p;
  if (p >= end) {
    p_ = p;
    return false;
  }
  // Half of all stored positions are negative: take the sign without a
  // branch to mispredict.
  const bool negative = *p == '-';
  p += negative | (*p == '+');
  if (p >= end || static_cast<unsigned>(static_cast<unsigned char>(*p) - '0') > 9) {
    p_ = p;
    return false;
  }
  // Beyond 32 bits the value is held at the limit; the digits are still
  // taken so that the next value starts after them.
  constexpr std::uint64_t kLimit = std::uint64_t{1} << 31;
  std::uint64_t magnitude = 0;
  if (end - p >= 8) {
    std::uint64_t chunk;
    std::memcpy(&chunk, p, sizeof chunk);
    const int n = LeadingDigits(chunk);
    magnitude = DigitsValue(chunk, n);
    p += n;
  }
  for (unsigned digit; p < end && (digit = static_cast<unsigned char>(*p) - '0') <= 9; ++p) {
    if (magnitude <= kLimit) magnitude = magnitude * 10 + digit;
  }
  p_ = p;
  // Held to 32 bits: 2^31 - 1 upward, -2^31 downward.
  const std::uint64_t limit = kLimit - !negative;
  if (magnitude > limit) [[unlikely]]
    ++held_;
  const std::int64_t held = static_cast<std::int64_t>(std::min(magnitude, limit));
  v = static_cast<int32>(negative ? -held : held);
  return true;
}

bool RecordReader::Header(FileHeader& h) {
  FileHeader r;
  if (!Int(r.count) || !Int(r.designRoomCount) || !Int(r.openingCount) || !Int(r.reserved) ||
      !Int(r.units) || !Int(r.nextGroup) || !AtLineEnd())
    return false;
  h = r;
  return true;
}

// A line is whole only up to its line end: a file cut inside its last number
// ("1 25" of "1 251") must not pass for a complete value.
bool RecordReader::AtLineEnd() const {
  const char* q = p_;
  while (q < end_ && (*q == ' ' || *q == '\t' || *q == '\r')) ++q;
  return q < end_ && *q == '\n';
}

ReadFaults::Stop RecordReader::StopHere() {
  return AtEnd() ? ReadFaults::Stop::Ended : ReadFaults::Stop::Broken;
}

bool RecordReader::ReadRecord(TObj& e, Variant v, const Placement& p) {
  const Layout& layout = *LayoutOfKind(e.Kind, v);
  const Shifts shift(p);
  for (const Item& item : layout.items) {
    switch (item.op) {
      case Op::Value: {
        int32 x;
        if (!Int(x)) return false;
        FieldAtOffset(e, item.field.offset) = WrapAdd(x, shift[item.field.role]);
        break;
      }
      case Op::EndLine: break;
      case Op::Texts: {
        // The writer puts exactly one blank between the numbers and the
        // texts; a text may itself begin with a blank.
        if (p_ < end_ && (*p_ == ' ' || *p_ == '\t')) ++p_;
        for (const TextSlot& t : layout.texts) {
          int32& len = FieldAtOffset(e, t.lengthOffset);
          negative_ += len < 0;
          const std::size_t stored = static_cast<std::size_t>(std::max(len, 0));
          if (stored > static_cast<std::size_t>(end_ - p_)) {
            stop_ = ReadFaults::Stop::TextPastEnd;
            stopValue_ = len;
            return false;
          }
          const int32 take =
              static_cast<int32>(std::min(stored, static_cast<std::size_t>(t.capacity)));
          // Stored characters may include a zero; the length becomes that of
          // the text the element now holds.
          len = CopyBoundedText(TextAtOffset(e, t.bufferOffset), t.capacity, p_, take);
          loss_.characters += static_cast<std::int64_t>(stored) - len;
          p_ += stored;
        }
        break;
      }
      case Op::Points: {
        auto& poly = static_cast<TPolyobj&>(e);
        negative_ += poly.PointCount < 0;
        const int32 stored = std::max(poly.PointCount, 0);
        // A point line takes at least six characters ("0 0 0\n"): a count
        // the rest of the file cannot hold is told as such.
        if (std::int64_t{stored} * 6 > end_ - p_) {
          stop_ = ReadFaults::Stop::PointsPastEnd;
          stopValue_ = stored;
          return false;
        }
        for (int32 i = 0; i < stored; ++i) {
          int32 xyz[3];
          for (int32& c : xyz) {
            if (!Int(c)) return false;
          }
          if (i >= kMaxPolyPoints) continue;  // read to stay in step, keep what fits
          for (int k = 0; k < 3; ++k) {
            const FieldRef& f = layout.points[k];
            FieldAtOffset(e, f.offset + 4u * static_cast<uint32>(i)) =
                WrapAdd(xyz[k], shift[f.role]);
          }
        }
        poly.PointCount = std::min(stored, kMaxPolyPoints);
        loss_.points += stored - poly.PointCount;
        break;
      }
    }
  }
  return true;
}

RecordReader::Status RecordReader::Next(Variant v, const Placement& p, std::unique_ptr<TObj>& out) {
  loss_ = {};
  kind_ = 0;
  stop_ = ReadFaults::Stop::None;
  stopValue_ = 0;
  int32 k;
  if (!Int(k)) {
    stop_ = StopHere();
    return Status::End;
  }
  kind_ = k;
  if (!HasLayout(k, v)) return Status::NoLayout;
  std::unique_ptr<TObj> e(NewElementOfKind(k));
  if (!e) return Status::NoLayout;
  if (!ReadRecord(*e, v, p) || !AtLineEnd()) {
    if (stop_ == ReadFaults::Stop::None) stop_ = StopHere();
    return Status::End;
  }
  // The record repeats the kind. Its own kind stays only when the layout
  // that read the record would also write it: one of another class would
  // make the element's kind lie about its class, and one that this file
  // family does not keep (an unlocked room in the paste buffer) would be
  // lost at the next write. The kind line wins then.
  if (LayoutOfKind(e->Kind, v) != LayoutOfKind(k, v)) e->Kind = k;
  out = std::move(e);
  return Status::Element;
}

ReadResult ParseInto(std::string_view data, TFlist& list, const Placement& p, const KeepFn& keep,
                     Variant v) {
  return ParsePlaced(data, list, [&p](const FileHeader&) { return p; }, keep, v);
}

ReadResult ParsePlaced(std::string_view data, TFlist& list, const PlaceFn& place,
                       const KeepFn& keep, Variant v) {
  ReadResult result;
  ReadFaults& faults = result.faults;
  RecordReader r(data);
  if (!r.Header(result.header)) {
    if (RecordReader(data).AtEnd()) {
      faults.stop = ReadFaults::Stop::Empty;
      faults.value = static_cast<std::int64_t>(data.size());
    } else {
      faults.stop = r.AtEnd() ? ReadFaults::Stop::HeaderCut : ReadFaults::Stop::NotAHeader;
    }
    faults.heldValues = r.HeldValues();
    return result;
  }
  result.headerRead = true;
  const Placement p = place(result.header);
  result.complete = true;
  if (result.header.count < 0) {
    faults.stop = ReadFaults::Stop::NegativeCount;
    faults.value = result.header.count;
  }
  for (int32 i = 0; i < result.header.count; ++i) {
    std::unique_ptr<TObj> e;
    const auto status = r.Next(v, p, e);
    if (status == RecordReader::Status::End) {
      result.complete = false;
      faults.stop = r.LastStop();
      faults.value = r.LastStopValue();
      faults.element = i + 1;
      faults.kind = r.LastKind();
      break;
    }
    if (status == RecordReader::Status::NoLayout) {
      if (faults.unknownKinds++ == 0) faults.firstUnknownKind = r.LastKind();
      continue;
    }
    if (keep && !keep(*e)) continue;
    list.Add(e.release());
    ++result.appended;
    if (r.LastLoss().Any()) {
      ++result.cutElements;
      result.cut.characters += r.LastLoss().characters;
      result.cut.points += r.LastLoss().points;
    }
  }
  faults.trailing = result.complete && !r.AtEnd();
  faults.heldValues = r.HeldValues();
  faults.negativeLengths = r.NegativeLengths();
  return result;
}

// ---- Files ------------------------------------------------------------------------------------

plat::WriteResult WriteListFile(std::string_view path, const TFlist& list,
                                const FileHeader& header, const Placement& p,
                                OnFailure onFailure) {
  return ReplaceFile(path, FormatList(list, header, p), onFailure);
}

plat::WriteResult ReplaceFile(std::string_view path, std::string data, OnFailure onFailure) {
  plat::WriteResult written = MayReplace(path);
  if (written) written = plat::WriteFileAtomic(path, data);
  if (written) {
    ReleaseUnwritten(path);
    ForgetDamaged(path);
  } else if (onFailure == OnFailure::HoldList) {
    HoldUnwritten(path, std::move(data));
  }
  return written;
}

plat::WriteResult DeleteListFile(std::string_view path, OnFailure onFailure) {
  plat::WriteResult deleted = MayReplace(path);
  if (deleted) deleted = plat::DeleteFile(path);
  // Gone already is what was wanted; a refusal stands whatever is there.
  if (!deleted && deleted.refused.empty() && plat::WhatIsAt(path) == plat::PathKind::Nothing)
    deleted = {0, deleted.path};
  if (deleted) {
    ReleaseUnwritten(path);
    ForgetDamaged(path);
  } else if (onFailure == OnFailure::HoldList) {
    HoldRemoved(path);
  }
  return deleted;
}

ReadResult ReadListFile(std::string_view path, TFlist& list, const Placement& p,
                        const KeepFn& keep) {
  return ReadListFilePlaced(path, list, [&p](const FileHeader&) { return p; }, keep);
}

ReadResult ReadListFilePlaced(std::string_view path, TFlist& list, const PlaceFn& place,
                              const KeepFn& keep) {
  std::string data;
  ReadResult result;
  const std::optional<std::string>* found = Held(path);
  const std::string* held = found && *found ? &**found : nullptr;
  // A file held removed reads as not there, whatever is left on disk.
  if (found && !*found) result.file = plat::ReadStatus::Missing;
  else if (!held) result.file = plat::ReadFile(path, data);
  if (result.file != plat::ReadStatus::Ok) return result;
  try {
    const plat::ReadStatus file = result.file;
    result =
        ParsePlaced(held ? std::string_view(*held) : std::string_view(data), list, place, keep);
    result.file = file;
    result.held = held != nullptr;
    if (!held && !result.Whole()) result.bytes = std::move(data);
  } catch (const std::bad_alloc&) {
    // The elements read so far stay; the rest is reported as not read.
    result.file = plat::ReadStatus::NoMemory;
    result.complete = false;
  }
  return result;
}

}  // namespace storage
