// The selection hand-over: which elements of DrawingList a frame took, each
// with an origin point, kept in two small files so that every operation on
// the selection (moving, turning, copying, erasing, adding to a library)
// reads the same list.
//
//   "CFG\COPY.CFG"  one line "%d %ld %ld\n" per element: index, origin x, y
//   "CFG\TEMP.CFG"  "%d\n": the number of those lines
//
// A list is started by writing the count 0; a missing count file counts as
// an empty list.
#pragma once

#include <string_view>
#include <vector>

#include "model/globals.h"

class TFlist;
class TObj;

namespace selection {

struct Entry {
  int32 index = 0;
  int32 x = 0;  // origin, drawing units
  int32 y = 0;
};

// Rewrites the count file.
void WriteTempCfg(int32 count);
// The count, 0 when the file cannot be read.
int32 ReadTempCfg();
// Appends one element to the list (a new list when the count is 0) and
// raises the count.
void WriteCopyCfg(int32 index, int32 x, int32 y);
// Replaces the list with these entries at once (both files).
void WriteList(const std::vector<Entry>& entries);
// The listed entries as stored: at most the count, fewer when the list file
// ends early or cannot be read.
std::vector<Entry> ReadList();
// The entries of a list file's text, at most count of them.
std::vector<Entry> ParseList(int32 count, std::string_view text);
// Only the entries whose index names an element of the list; the others
// are dropped (a list written for another drawing, or a damaged file).
std::vector<Entry> ReadValidList(const TFlist& list);
// Whether every listed index names an element of the list.
bool AllValid(const std::vector<Entry>& entries, const TFlist& list);

// What a listed element was when it was listed: its kind, floor and the
// points that place it. An index names an element only by its place in the
// list, which an undo, a redo or an erase gives to another element; whoever
// lists elements keeps their names and acts on the list only while every
// entry still names what it named.
struct Named {
  int32 kind = 0;
  int32 floor = 0;
  std::vector<int32> points;
  bool operator==(const Named&) const = default;
};
Named NameOf(const TObj& e);
// The names of the listed elements, in the list's order.
std::vector<Named> NameAll(const std::vector<Entry>& entries, const TFlist& list);
// The list read again when it holds as many entries as names and every
// entry still names the element it named; empty otherwise.
std::vector<Entry> ReadNamedList(const TFlist& list, const std::vector<Named>& named);

}  // namespace selection
