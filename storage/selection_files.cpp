#include "storage/selection_files.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>

#include "model/elements.h"
#include "model/flist.h"
#include "platform/files.h"
#include "storage/cfgfile.h"
#include "storage/settings_files.h"

namespace selection {

namespace {

void AppendLine(std::string& out, const Entry& e) {
  out += std::to_string(e.index);
  out += ' ';
  out += std::to_string(e.x);
  out += ' ';
  out += std::to_string(e.y);
  out += '\n';
}

}  // namespace

void WriteTempCfg(int32 count) {
  cfg::Write(ProgramFile(cfgfile::SelectionCount), std::to_string(count) + "\n");
}

int32 ReadTempCfg() { return cfg::ReadFirstInt(ProgramFile(cfgfile::SelectionCount), 0); }

void WriteCopyCfg(int32 index, int32 x, int32 y) {
  const int32 count = ReadTempCfg();
  // The list keeps exactly `count` lines: a new list starts the file again,
  // and anything beyond the count (a list cut short) is dropped first.
  std::vector<Entry> kept;
  if (count > 0) {
    kept = ReadList();
    if (static_cast<int32>(kept.size()) > count) kept.resize(static_cast<std::size_t>(count));
  }
  kept.push_back({index, x, y});
  WriteList(kept);
}

void WriteList(const std::vector<Entry>& entries) {
  std::string out;
  out.reserve(entries.size() * 20);
  for (const Entry& e : entries) AppendLine(out, e);
  cfg::Write(ProgramFile(cfgfile::SelectionList), out);
  WriteTempCfg(static_cast<int32>(entries.size()));
}

std::vector<Entry> ParseList(int32 count, std::string_view text) {
  std::vector<Entry> out;
  if (count <= 0) return out;
  // Never more entries than the text can hold (a damaged count).
  out.reserve(std::min<std::size_t>(static_cast<std::size_t>(count), text.size() / 6 + 1));
  const char* p = text.data();
  const char* const end = p + text.size();
  auto next = [&](int32& v) {
    while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t')) ++p;
    long long acc = 0;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    if (p >= end || *p < '0' || *p > '9') return false;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
      if (acc < (1LL << 40)) acc = acc * 10 + (*p - '0');
    acc = negative ? -acc : acc;
    v = static_cast<int32>(std::clamp<long long>(acc, INT32_MIN, INT32_MAX));
    return true;
  };
  for (int32 i = 0; i < count; ++i) {
    Entry e;
    if (!next(e.index) || !next(e.x) || !next(e.y)) break;
    out.push_back(e);
  }
  return out;
}

std::vector<Entry> ReadList() {
  const int32 count = ReadTempCfg();
  if (count <= 0) return {};
  const std::optional<std::string> text =
      plat::ReadWholeFile(ProgramFile(cfgfile::SelectionList));
  if (!text) return {};
  return ParseList(count, *text);
}

bool AllValid(const std::vector<Entry>& entries, const TFlist& list) {
  for (const Entry& e : entries)
    if (e.index < 0 || e.index >= list.Count()) return false;
  return true;
}

std::vector<Entry> ReadValidList(const TFlist& list) {
  std::vector<Entry> out = ReadList();
  std::erase_if(out, [&](const Entry& e) { return e.index < 0 || e.index >= list.Count(); });
  return out;
}

Named NameOf(const TObj& e) {
  Named n{e.Kind, e.Floor, {e.X1, e.Y1, e.X2, e.Y2}};
  if (const auto* p = dynamic_cast<const TPolyobj*>(&e)) {
    for (int32 i = 0; i < std::clamp(p->PointCount, 0, kMaxPolyPoints); ++i) {
      n.points.push_back(p->PointX[i]);
      n.points.push_back(p->PointY[i]);
    }
  } else if (const auto* a = dynamic_cast<const TArcobj*>(&e)) {
    n.points.insert(n.points.end(), {a->StartX, a->StartY, a->EndX, a->EndY});
  }
  return n;
}

std::vector<Named> NameAll(const std::vector<Entry>& entries, const TFlist& list) {
  std::vector<Named> out;
  out.reserve(entries.size());
  for (const Entry& e : entries)
    out.push_back(e.index >= 0 && e.index < list.Count() ? NameOf(*list.At(e.index)) : Named{});
  return out;
}

std::vector<Entry> ReadNamedList(const TFlist& list, const std::vector<Named>& named) {
  std::vector<Entry> out = ReadList();
  if (out.size() != named.size()) return {};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const int32 index = out[i].index;
    if (index < 0 || index >= list.Count() || NameOf(*list.At(index)) != named[i]) return {};
  }
  return out;
}

}  // namespace selection
