#include "bench/house.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "bench/bench_support.h"
#include "building/droom_tool.h"
#include "building/extwall_tool.h"
#include "building/opening_settings.h"
#include "building/opening_tool.h"
#include "building/wall_geometry.h"
#include "model/elements.h"
#include "model/flist.h"
#include "model/globals.h"
#include "model/view_mapping.h"
#include "platform/qt/qt_dc.h"
#include "platform/ui.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"
#include "tests/traced_outline.h"

namespace fs = std::filesystem;

namespace bench {

// ---- The window, the frame and the printer ---------------------------------------------

std::unique_ptr<plat::DeviceContext> Canvas::GetDC() {
  if (recording) return std::make_unique<plat::RecordingDC>(plat::Size{width(), height()}, recording);
  return plat::BackbufferWidget::GetDC();
}

void Canvas::ReleaseDC(std::unique_ptr<plat::DeviceContext> dc) {
  if (dynamic_cast<plat::RecordingDC*>(dc.get())) return;
  plat::BackbufferWidget::ReleaseDC(std::move(dc));
}

void Canvas::PaintBuffer(plat::DeviceContext&) {
  if (child) child->OnPaint();
}

Host::Host() { canvas.resize(kWindowWidth, kWindowHeight); }

void Host::Close() {
  if (closed) return;
  closed = true;
  if (TMDIChild* c = canvas.child) {
    canvas.child = nullptr;
    c->FormClose();
  }
}

TPlanWindowHost& Frame::NewChildWindow(const std::string&) {
  std::erase_if(hosts, [](const auto& h) { return h->closed; });
  hosts.push_back(std::make_unique<Host>());
  return *hosts.back();
}

void Frame::AttachChild(TPlanWindowHost& host, TMDIChild& child) {
  static_cast<Host&>(host).canvas.child = &child;
}

PageMetrics NullPrinter::Page() const { return {{9933, 7016}, 300, 300}; }

std::unique_ptr<plat::DeviceContext> NullPrinter::BeginDoc(const std::string&) {
  const PageMetrics page = Page();
  return std::make_unique<NullDC>(page.pixels, page.dpiX);
}

std::unique_ptr<plat::DeviceContext> NullPrinter::MeasuringPage() {
  const PageMetrics page = Page();
  return std::make_unique<NullDC>(page.pixels, page.dpiX);
}

bool NullPrinter::EndDoc(std::unique_ptr<plat::DeviceContext> page, DocEnd end) {
  if (end == DocEnd::Abandon) return true;
  ++documents;
  return page != nullptr;
}

FileCount::FileCount(std::size_t drawingBytes)
    : drawingBytes_(drawingBytes),
      previous_(plat::SetFileObserver([this](const plat::FileTraffic& t) {
        const bool drawing = drawingBytes_ > 0 && t.bytes >= drawingBytes_ / 2;
        if (t.op == plat::FileTraffic::Op::Write) {
          ++writes;
          drawingWrites += drawing;
          written.emplace_back(t.path);
        } else {
          ++reads;
          drawingReads += drawing;
        }
      })) {}

FileCount::~FileCount() { plat::SetFileObserver(std::move(previous_)); }

// ---- Building the house ---------------------------------------------------------------------

namespace {

constexpr int32 kBayDepth = 900;
constexpr int32 kBayWidth = 1500;
constexpr int32 kRoomColumns = 10;
constexpr int32 kRoomRows = 5;
constexpr int32 kRoomWall = 110;  // the shipped room-wall size
// A window a little narrower than the bays, and rooms dimensioned both ways.
constexpr const char* kWindow = "1 1200 1050 0 1 10 1 0 0 0 0 0 0 0 0 0 0 0";
constexpr const char* kRoomChoice = "2 1";
// The door views the doors are hung with: on a wall running up, down, or
// across.
constexpr int32 kDoorOnWallUp = 1;
constexpr int32 kDoorOnWallDown = 4;
constexpr int32 kDoorAcross = 5;
// The cursor lies this far inside a wall's outer face when an opening is cut.
constexpr int32 kIntoWall = 60;

const int32 kNoCodes[4] = {};

// Furniture and fittings (filled symbols), lines, round shapes, door swings
// and texts of the sizes a plan holds, inside the house.
TObj* Generated(Rng& r) {
  const int x = r.Between(House::kLeft + 200, House::kRight - 1800);
  const int y = r.Between(House::kBottom + 200, House::kTop - 1800);
  const int w = r.Between(300, 1600), h = r.Between(300, 1600);
  const plat::COLORREF ink = plat::RGB(0, 0, 0);
  const plat::COLORREF fill = plat::RGB(r.Between(150, 255), r.Between(150, 255), r.Between(150, 255));
  const int pick = r.Below(100);
  if (pick < 35) {
    const bool across = pick % 2;
    return new TLineobj(kind::Line, view::Ground, 0, 0, x, 0, across ? x + w : x, 0, y,
                        across ? y : y + h, 0, across ? 900 : 0, ink, 1, 0);
  }
  if (pick < 65) {
    int32 xs[kMaxPolyPoints] = {x, x + w, x + w, x + w / 2, x};
    int32 ys[kMaxPolyPoints] = {y, y, y + h, y + h + 150, y + h};
    int32 zs[kMaxPolyPoints] = {};
    const int32 hidden[4] = {-1, -1, -1, -1};
    return new TPolyobj(kind::FilledSymbolFirst + 100 + pick, view::Ground, 0, 0, 0, 0, 0, 0, 5,
                        0, 0, 0, fill, 0, ink, 0, 0, 0, xs, zs, ys, hidden);
  }
  if (pick < 75) {
    return new TEllipseobj(kind::Ellipse, view::Ground, 0, 0, x, 0, x + w, 0, y + h, y, fill, ink,
                           1, 0);
  }
  if (pick < 80) {
    return new TRndrectobj(kind::RoundRect, view::Ground, 0, 0, x, 0, x + w, 0, y + h, y, 100,
                           fill, ink, 1, 0);
  }
  if (pick < 88) {
    return new TArcobj(kind::Arc, view::Ground, 0, 0, x - w, 0, y + w, x + w, 0, y - w, x + w, y,
                       x, y + w, ink, 1, 0);
  }
  if (pick < 96) {
    static const char* const names[] = {"BED", "TABLE", "SINK", "WARDROBE", "DESK", "SOFA"};
    return new TTextobj(kind::Text, view::Ground, 0, 0, x, y, 0, 0, 0, ink, 0, 0, 6, 0,
                        r.Between(6, 10), 400, "Arial", names[r.Below(6)]);
  }
  return new TDimensobj(kind::Dimension, view::Ground, 0, 0, x, y, x + 100, y, x + w, y,
                        x + w - 100, y, 900, 1, ink);
}

}  // namespace

std::vector<plat::Point> BayedOutline(plat::Rect box, const int (&bumps)[4], int32 width,
                                      int32 depth) {
  struct Side {
    plat::Point from, dir, out;
    int32 length;
    int bumps;
  };
  // box: left, top (the larger y), right, bottom.
  const int32 w = box.right - box.left, h = box.top - box.bottom;
  const Side sides[] = {{{box.left, box.bottom}, {0, 1}, {-1, 0}, h, bumps[0]},
                        {{box.left, box.top}, {1, 0}, {0, 1}, w, bumps[1]},
                        {{box.right, box.top}, {0, -1}, {1, 0}, h, bumps[2]},
                        {{box.right, box.bottom}, {-1, 0}, {0, -1}, w, bumps[3]}};
  std::vector<plat::Point> c;
  for (const Side& s : sides) {
    auto at = [&s](int32 along, int32 out) {
      return plat::Point{s.from.x + s.dir.x * along + s.out.x * out,
                         s.from.y + s.dir.y * along + s.out.y * out};
    };
    c.push_back(s.from);
    for (int b = 0; b < s.bumps; ++b) {
      const int32 mid = s.length * (b + 1) / (s.bumps + 1);
      c.push_back(at(mid - width / 2, 0));
      c.push_back(at(mid - width / 2, depth));
      c.push_back(at(mid + width / 2, depth));
      c.push_back(at(mid + width / 2, 0));
    }
  }
  return c;
}

House::House(int generated, Rooms rooms) {
  EnsureApplication();
  std::string dir = fs::temp_directory_path().string() + "/tw-house-XXXXXX";
  if (::mkdtemp(dir.data()) == nullptr) throw std::runtime_error("no temp dir");
  root_ = dir;
  for (const char* f : {"CFG", "DWGS", "ACT", "LIBS", "EXPORT", "WDS"})
    fs::create_directory(root_ + "/" + f);
  for (const auto& e : fs::directory_iterator(fs::path(TW_SOURCE_DIR) / "data" / "CFG"))
    if (e.is_regular_file()) fs::copy_file(e.path(), fs::path(root_) / "CFG" / e.path().filename());
  plat::SetProgramDirectory(root_);
  ResetGlobals();

  ui_.onFailure = [this](const std::string& what) { problems_.push_back(what); };
  dlg::ScriptFailure = [this](const std::string& what) { problems_.push_back(what); };
  useUi_ = std::make_unique<plat::ScopedUi>(ui_);
  Start();

  newDrawing_.Answer([](dlg::TTNewdlg& d) {
    d.name = kName;
    d.metric = 1;
    d.designRooms = false;
  });
  form_->CmFilenewExecute();
  if (!form_->ActiveChild()) throw std::runtime_error("no drawing window");
  BuildWalls();
  CutOpenings();
  PlaceRooms();
  if (rooms == Rooms::Finished) form_->CmFinishRoomsExecute();
  AddGenerated(generated);
  form_->CmSaveExecute();
  Repaint();
}

House::~House() {
  form_.reset();
  dlg::ScriptFailure = nullptr;
  ui_.onFailure = nullptr;
  ui_.Reset();
  DrawingList.Clear();
  std::error_code ec;
  fs::remove_all(root_, ec);
}

void House::Start() {
  form_ = std::make_unique<TMainForm>(timer_);
  form_->SetChildFrame(&frame_);
  form_->SetPrinter(&printer);
}

void House::Restart() {
  form_.reset();
  ResetGlobals();
  Start();
}

Canvas& House::Window() {
  return static_cast<Host&>(form_->ActiveChild()->Host()).canvas;
}

void House::Repaint() {
  Window().InvalidateRect(nullptr);
  Window().UpdateWindow();
}

std::vector<plat::DcRecord> House::RecordPaint() {
  std::vector<plat::DcRecord> records;
  Window().recording = &records;
  Child().OnPaint();
  Window().recording = nullptr;
  return records;
}

std::size_t House::LiveBytes() const {
  std::error_code ec;
  const auto n = fs::file_size(LiveFile(), ec);
  return ec ? 0 : std::size_t(n);
}

std::string House::Problems() const {
  std::string all;
  for (const std::string& p : problems_) all += p + "; ";
  return all;
}

// The outline traced on the layout where walls are marked, built into the
// ground floor's walls by the external-wall tool.
void House::BuildWalls() {
  const std::vector<plat::Point> c =
      BayedOutline({kLeft, kTop, kRight, kBottom}, {2, 5, 2, 5}, kBayWidth, kBayDepth);
  TraceOutline(c);
  TExtwallobjtool build;
  build.Command(extwallcmd::BuildFromOutline);
  CurrentView = view::Ground;
  int walls = 0;
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    walls += DrawingList.At(i)->Kind == kind::ExtWall;
  if (walls != int(c.size())) problems_.push_back(std::to_string(walls) + " walls built");
}

// Windows in the longest walls, every fourth a door, each cut by the
// opening tool where Enter is pressed on the wall.
void House::CutOpenings() {
  cfg::Write(ProgramFile(cfgfile::Window), kWindow);
  std::vector<const TExtwallobj*> walls;
  for (int32 i = 6; i < DrawingList.Count(); ++i)
    if (auto* w = dynamic_cast<const TExtwallobj*>(DrawingList.At(i)))
      if (w->Kind == kind::ExtWall && w->Floor == view::Ground) walls.push_back(w);
  std::stable_sort(walls.begin(), walls.end(),
                   [](const TExtwallobj* a, const TExtwallobj* b) { return a->Tag1 > b->Tag1; });
  struct Place {
    plat::Point at;
    int32 angle;
  };
  std::vector<Place> places;
  for (const TExtwallobj* w : walls) {
    if (places.size() == std::size_t(kOpenings)) break;
    const plat::Point in = InwardNormal(w->Angle);
    places.push_back(
        {{(w->X1 + w->X2) / 2 + kIntoWall * in.x, (w->Y1 + w->Y2) / 2 + kIntoWall * in.y},
         w->Angle});
  }
  plat::RecordingDC dc(plat::Size{kWindowWidth, kWindowHeight});
  const plat::Rect client = Child().ClientRect();
  int cut = 0;
  for (std::size_t k = 0; k < places.size(); ++k) {
    const bool door = k % 4 == 0;
    TWindowobjtool tool;
    tool.Type = tooltype::Opening;
    tool.Step = !door                                ? 0
                : places[k].angle == bearing::Up   ? kDoorOnWallUp
                : places[k].angle == bearing::Down ? kDoorOnWallDown
                                                   : kDoorAcross;
    tool.Execute(0, door ? 2 : 1, 0);
    if (!tool.Ready) continue;
    plat::Point at = places[k].at;
    if (OpeningKind == openingkind::HangingDoor) {
      // The cursor marks a hung door's hinge end and the door runs from it
      // along the wall (down a wall running up, up or right on the others):
      // the hinge goes half a door from the middle, so the door fits the
      // short walls of the bays too.
      const int32 half = tool.OpeningWidth / 2;
      if (places[k].angle == bearing::Up)
        at.y += half;
      else if (places[k].angle == bearing::Down)
        at.y -= half;
      else
        at.x -= half;
    }
    plat::Point px;
    WorldToDevice(dc, client, at.x / PixelScale, at.y / PixelScale, px.x, px.y);
    tool.KeyDown(dc, client, 13, px, 0);
    cut += tool.Result != 1;
  }
  if (cut != kOpenings) problems_.push_back(std::to_string(cut) + " openings cut");
}

// Design rooms side by side over the whole house, a room wall apart, each
// made by the design-room tool; they are finished into walls later.
void House::PlaceRooms() {
  cfg::Write(ProgramFile(cfgfile::NewRoom), kRoomChoice);
  const int32 cw = (kRight - kLeft - (kRoomColumns - 1) * kRoomWall) / kRoomColumns;
  const int32 rh = (kTop - kBottom - (kRoomRows - 1) * kRoomWall) / kRoomRows;
  plat::RecordingDC dc(plat::Size{kWindowWidth, kWindowHeight});
  const plat::Rect client = Child().ClientRect();
  static const char* const names[] = {"LOUNGE", "BED", "BATH", "KITCHEN", "STUDY"};
  for (int32 row = 0; row < kRoomRows; ++row) {
    for (int32 col = 0; col < kRoomColumns; ++col) {
      TDRoomobjtool tool;
      tool.X1 = kLeft + col * (cw + kRoomWall);
      tool.X2 = tool.X1 + cw;
      tool.Y1 = kTop - row * (rh + kRoomWall);
      tool.Y2 = tool.Y1 - rh;
      DrawingList.SetNewRoomName(std::string(names[(row + col) % 5]) + " " +
                                 std::to_string(row * kRoomColumns + col + 1));
      tool.AddElement(dc, client);
    }
  }
}

void House::AddGenerated(int count) {
  Rng rng(20240611);
  for (int i = 0; i < count; ++i) DrawingList.Add(Generated(rng));
  DrawingList.WriteDrawingFile(dtDrawing);
}

}  // namespace bench
