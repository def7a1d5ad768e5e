#include "storage/library_file.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

#include "model/flist.h"
#include "model/group_ids.h"
#include "model/queries_support.h"
#include "model/view_mapping.h"
#include "platform/files.h"
#include "storage/cfgfile.h"
#include "storage/record_codec.h"
#include "storage/settings_files.h"

namespace library {

namespace {

constexpr const char* kFolder = "LIBS\\";

struct CategoryExtensions {
  const char* metric;
  const char* imperial;
};
constexpr CategoryExtensions kExtensions[] = {
    {".PLM", ".PLI"}, {".ELM", ".ELI"}, {".FUM", ".FUI"}, {".MSM", ".MSI"}};

bool EndsWithNoCase(const std::string& s, std::string_view tail) {
  return s.size() > tail.size() &&
         ::strncasecmp(s.c_str() + s.size() - tail.size(), tail.data(), tail.size()) == 0;
}

}  // namespace

const char* Extension(int32 category, int32 metric) {
  if (category < Plumbing || category > Miscellaneous) return "";
  const CategoryExtensions& e = kExtensions[category - 1];
  return metric == 1 ? e.metric : e.imperial;
}

std::string FileName(int32 category, std::string_view name, int32 metric) {
  const char* ext = Extension(category, metric);
  if (*ext == '\0') return {};
  return std::string(name) + ext;
}

std::vector<std::string> Items(int32 category) {
  std::vector<std::string> names;
  const std::string_view ext = Extension(category, MetricUnits);
  if (ext.empty()) return names;
  for (const std::string& file : plat::ListFiles(ProgramFile(kFolder)))
    if (EndsWithNoCase(file, ext)) names.push_back(file.substr(0, file.size() - ext.size()));
  return names;
}

bool Exists(int32 category, std::string_view name) {
  const std::string file = FileName(category, name, MetricUnits);
  return !file.empty() && plat::FileExists(ProgramFile(kFolder + file));
}

bool ValidName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  if (name == "." || name == ".." || name.find("..") != std::string_view::npos) return false;
  for (char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 32 || u == 127) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  // A name of blanks only, or one that ends in a blank or dot, does not
  // survive as a file name everywhere.
  return name.back() != ' ' && name.back() != '.' && name.front() != ' ';
}

}  // namespace library

// ---- Writing ---------------------------------------------------------------------

namespace {

// The records of the listed elements, each relative to its origin; count
// receives the number of records written.
std::string ListedRecords(TFlist& list, const std::vector<selection::Entry>& entries,
                          storage::Variant v, int32& count, bool clearLinks) {
  std::string body;
  storage::RecordWriter w(body);
  count = 0;
  for (const selection::Entry& e : entries) {
    TObj* element = list.At(e.index);
    // A symbol belongs to no group of the drawing it came from; the
    // drawing's own elements keep theirs.
    const int32 link = element->LinkId;
    if (clearLinks) element->LinkId = 0;
    storage::Placement at;
    at.dx = e.x;
    at.dy = e.y;
    at.offsetRefPoint = false;  // the reference point is stored as it is
    if (v == storage::Variant::Paste && !kind::IsInWallKind(element->Kind))
      at.idBias = library::kPasteIdBias;
    if (w.Element(*element, v, at)) ++count;
    element->LinkId = link;
  }
  return body;
}

std::string HeaderLine(int32 count, int32 unitsFlag) {
  std::string head;
  storage::RecordWriter(head).Header(
      {count, DesignRoomCount, OpeningCount, 0, unitsFlag, NextGroupNumber});
  return head;
}

}  // namespace

bool TFlist::WriteLibraryFile(std::string_view fileName) {
  const std::vector<selection::Entry> entries = selection::ReadValidList(*this);
  int32 count = 0;
  const std::string body = ListedRecords(*this, entries, storage::Variant::Library, count, true);
  return cfg::Write(ProgramFile(std::string("LIBS\\") + std::string(fileName)),
                    HeaderLine(count, library::kLibraryUnitsFlag) + body, cfg::Kept::LibraryItem);
}

bool LibraryFileExtension(int32 category, std::string_view name) {
  const std::string file = library::FileName(category, name, MetricUnits);
  // An item of the name from before is no proof that this one was written.
  return !file.empty() && DrawingList.WriteLibraryFile(file);
}

int32 WritePasteBuffer(const TFlist& list, const std::vector<selection::Entry>& entries) {
  int32 count = 0;
  const std::string body = ListedRecords(const_cast<TFlist&>(list), entries,
                                         storage::Variant::Paste, count, false);
  if (!cfg::Write(ProgramFile(cfgfile::PasteBuffer), HeaderLine(count, MetricUnits) + body,
                  cfg::Kept::PasteBuffer))
    return 0;
  return count;
}

// ---- Reading -----------------------------------------------------------------------

int32 TFlist::ReadLibraryFile(std::string_view fileName) {
  const std::optional<std::string> data =
      plat::ReadWholeFile(ProgramFile(std::string("LIBS\\") + std::string(fileName)));
  if (!data) return 0;

  // One eighth of the visible width right of the left edge of the part of
  // the sheet the window shows and one sixth of its height above its bottom.
  const LogicalBox sheet = VisibleSheet();
  storage::Placement at;
  at.dx = queries::ClampToInt32(((sheet.right - sheet.left) / 8 + 1LL * sheet.left) * PixelScale);
  at.dy = queries::ClampToInt32(((sheet.top - sheet.bottom) / 6 + 1LL * sheet.bottom) * PixelScale);
  at.offsetRefPoint = false;

  const int32 id1 = NewGroupId(FloorGroupBase(CurrentView));
  const int32 id2 = NewGroupId(FloorGroupBase(CurrentView));

  TFlist read;
  const storage::ReadResult r =
      storage::ParseInto(*data, read, at, {}, storage::Variant::Library);
  // The file's counter covers the ids its elements carry; it never takes
  // this drawing's counter back to ids already given out.
  if (r.headerRead) NextGroupNumber = std::max(NextGroupNumber, r.header.nextGroup);

  for (int32 i = 0; i < read.Count(); ++i) {
    TObj* e = read.At(i);
    read.At(i) = nullptr;
    e->Floor = CurrentView;
    if (ClassOfKind(e->Kind) == ElementClass::Poly)
      e->LinkId = e->Tag1 == 1 ? id2 : id1;
    else if (kind::IsFilledShapeKind(e->Kind))
      e->LinkId = id1;
    Add(e);
  }
  return r.appended;
}
