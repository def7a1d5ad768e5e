#include "model/flist.h"

#include <algorithm>
#include <initializer_list>

TFlist DrawingList;

namespace {

constexpr std::size_t kInitialRoom = 40;
constexpr int32 kInfoRecords = 6;

std::string Cut(std::string_view s, std::size_t max) {
  return std::string(s.substr(0, std::min(s.size(), max)));
}

}  // namespace

TFlist::TFlist() { items_.reserve(kInitialRoom); }

TFlist::~TFlist() { Clear(); }

void TFlist::Add(TObj* e) { items_.push_back(e); }

void TFlist::Clear() {
  for (TObj* e : items_) delete e;
  items_.clear();
  content_ = Content::Unknown;
}

void TFlist::RemoveAt(int32 i) { delete Detach(i); }

TObj* TFlist::Detach(int32 i) {
  assert(i >= 0 && i < Count());
  TObj* e = items_[static_cast<std::size_t>(i)];
  items_.erase(items_.begin() + i);
  return e;
}

void TFlist::DrawInLayers(const std::function<void()>& draw) {
  // The list lends its elements to each layer and takes them back however
  // the drawing ends.
  struct Lent {
    std::vector<TObj*>& items;
    std::vector<TObj*> all;
    ~Lent() { items = std::move(all); }
  } lent{items_, std::move(items_)};
  for (const bool first : {true, false}) {
    items_.clear();
    for (TObj* e : lent.all)
      if (kind::IsDrawnFirst(e->Kind) == first) items_.push_back(e);
    const std::size_t layer = items_.size();
    draw();
    assert(items_.size() == layer);
    (void)layer;
  }
}

void TFlist::SetDrawingName(std::string_view name) { DrawingName = Cut(name, kDrawingNameMax); }
void TFlist::SetViewFileName(std::string_view name) { ViewFileName = Cut(name, kViewFileNameMax); }
void TFlist::SetNewRoomName(std::string_view name) { NewRoomName = Cut(name, kNewRoomNameMax); }
void TFlist::SetTextFontName(std::string_view name) { TextFontName = Cut(name, kTextFontNameMax); }

void InitDrawingList() {
  DrawingList.Clear();
  for (int32 i = 0; i < kInfoRecords; ++i) {
    DrawingList.Add(new TInfoobj(kind::InfoFirst + i, view::Ground + i, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, DrawingColour, 1, 0));
  }
}
