// The record text layout of drawings, groups, undo snapshots, library
// symbols and the paste buffer.
//
// A file is a header line of six values, then per element its kind on a
// line of its own and one or more record lines whose layout the kind alone
// decides. Positions are stored relative to a placement origin (the centre
// of the drawing sheet for drawings, an element's listed origin for library
// symbols). Texts follow their record line's closing blank, their lengths
// among the line's numbers.
//
// One table of layouts serves every file: a layout is a list of field
// references, line ends, a text block and (for polygons) the point lines.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "model/elements.h"
#include "model/globals.h"
#include "model/read_faults.h"
#include "platform/files.h"

class TFlist;

namespace storage {

// Which family of layouts: the drawing layout, or the library variant (no
// reference point and wall values on an external wall's second line; no
// windows or doors), or the paste buffer's (the library layouts, but only
// the kinds that can be pasted: no external walls, unlocked design rooms or
// information records).
enum class Variant { Drawing, Library, Paste };

// Where stored positions are measured from, and what else a writer changes.
struct Placement {
  int32 dx = 0;  // subtracted from x positions when writing, added when reading
  int32 dy = 0;
  // The polygon's reference point follows dx/dy (drawings) or is stored as
  // it is (library variant).
  bool offsetRefPoint = true;
  // Added to LinkId and Tag1 when writing (the paste buffer); never on reading.
  int32 idBias = 0;
  // Equal placements put every element at the same place.
  bool operator==(const Placement&) const = default;
};

// The page-centre placement of drawing files: half of DrawingWidth and
// DrawingHeight times PixelScale, from the globals as they are now.
Placement PageCentre();

// Moves every position of the list's elements from one placement to
// another, exactly as writing them under `from` and reading them back under
// `to` would: what the list then writes under `to` is what it wrote under
// `from`. Elements without a record are left as they are.
void MovePlacement(TFlist& list, const Placement& from, const Placement& to,
                   Variant v = Variant::Drawing);

struct FileHeader {
  int32 count = 0;
  int32 designRoomCount = 0;
  int32 openingCount = 0;
  int32 reserved = 0;
  int32 units = 0;
  int32 nextGroup = 0;
};

// The header values of the globals, with the given count.
FileHeader HeaderFromGlobals(int32 count);
// Sets DesignRoomCount, OpeningCount, MetricUnits and NextGroupNumber.
void ApplyHeaderToGlobals(const FileHeader& h);

// Whether a kind has a record in a layout family.
bool HasLayout(int32 kind, Variant v = Variant::Drawing);
// The number of elements of the list that have a record.
int32 CountWritable(const TFlist& list, Variant v = Variant::Drawing);

// Appends header and records to a text buffer, formatted exactly as the
// printf formats of the layout would.
class RecordWriter {
 public:
  explicit RecordWriter(std::string& out) : out_(out) {}
  void Header(const FileHeader& h);
  // The kind line and record lines of e. Returns false and writes nothing
  // when its kind has no record. The kind alone chooses the layout; fields
  // the element's class does not have are written as that layout's class
  // sets them by default. Text lengths are written as the texts' own
  // lengths so that the file always reads back in step.
  bool Element(const TObj& e, Variant v, const Placement& p);

 private:
  void Int(int32 v);
  std::string& out_;
};

// Formats a whole list: the header (its count set to the records actually
// written) and every element with a record, in list order.
std::string FormatList(const TFlist& list, FileHeader header, const Placement& p,
                       Variant v = Variant::Drawing);

// Reads records from a text buffer. Accepts what the scanf formats accept:
// any white space between values, an optional sign; values beyond 32 bits
// are held at the limit (and counted). Values are never trusted for memory:
// point counts and text lengths beyond their arrays are read in full (so the
// next record stays in step) and the part that fits is kept; counts and
// lengths below zero read as none (and are counted).
class RecordReader {
 public:
  explicit RecordReader(std::string_view data) : p_(data.data()), end_(data.data() + data.size()) {}

  // False when the six values are not all there.
  bool Header(FileHeader& h);

  enum class Status {
    Element,   // out holds a complete element
    NoLayout,  // a kind line of a kind without record; nothing more was read
    End,       // end of the file, or a broken record (nothing kept of it): LastStop
  };
  Status Next(Variant v, const Placement& p, std::unique_ptr<TObj>& out);
  // What the element Next gave last could not keep of its record: the
  // characters of texts beyond their fields (or after a zero) and the points
  // beyond a polygon's last. They were read past, so the next record stays
  // in step, but a write would lose them.
  struct Loss {
    std::int64_t characters = 0;
    std::int64_t points = 0;
    bool Any() const { return characters > 0 || points > 0; }
  };
  const Loss& LastLoss() const { return loss_; }
  // The kind line Next read last (0 when there was none).
  int32 LastKind() const { return kind_; }
  // Why Next gave End: Ended, Broken, PointsPastEnd or TextPastEnd.
  ReadFaults::Stop LastStop() const { return stop_; }
  std::int64_t LastStopValue() const { return stopValue_; }
  // Numbers read so far that lay beyond 32 bits, and point counts and text
  // lengths below zero.
  std::int64_t HeldValues() const { return held_; }
  std::int64_t NegativeLengths() const { return negative_; }

  bool AtEnd();

 private:
  // Whether only blanks stand between the position and a line end.
  bool AtLineEnd() const;
  bool Int(int32& v);
  // Int for the common case, from masks of a 64-byte window: false (and
  // nothing read) when the number is not a plain one within the window.
  bool WindowInt(int32& v);
  bool ScanInt(int32& v);  // any input, byte by byte
  bool Refill();           // a window at p_; false near the end of the data
  bool ReadRecord(TObj& e, Variant v, const Placement& p);
  // Why reading stopped where it did: the data ended, or something else
  // stands where a value belongs.
  ReadFaults::Stop StopHere();
  const char* p_;
  const char* end_;
  // The window: where the values of [base_, base_ + 64) start, which bytes
  // are digits or signs, and the p_ that the masks are in step with.
  const char* base_ = nullptr;
  const char* next_ = nullptr;
  std::uint64_t starts_ = 0;
  std::uint64_t digits_ = 0;
  std::uint64_t signs_ = 0;
  std::uint64_t minus_ = 0;
  Loss loss_;
  int32 kind_ = 0;
  ReadFaults::Stop stop_ = ReadFaults::Stop::None;
  std::int64_t stopValue_ = 0;
  std::int64_t held_ = 0;
  std::int64_t negative_ = 0;
};

// Which elements a read keeps (all when empty).
using KeepFn = std::function<bool(const TObj&)>;

struct ReadResult {
  plat::ReadStatus file = plat::ReadStatus::Ok;  // how the file itself was read
  bool headerRead = false;
  FileHeader header;
  int32 appended = 0;
  // Every record the header counts was whole; false when the data ended
  // early or a record was broken (the elements before it are kept).
  bool complete = false;
  // Appended elements that could not keep all their record held, and what
  // they left out (RecordReader::Loss).
  int32 cutElements = 0;
  RecordReader::Loss cut;
  // Why the read stopped early, and what else it read past.
  ReadFaults faults;
  // What was read is the content held for the file after a failed write
  // (storage/unwritten_files.h), not the file itself.
  bool held = false;
  // The file's bytes when it was read to its end but not whole, for a copy
  // to be kept before anything writes over them.
  std::string bytes;
  // The file was read and everything it holds was kept: a write loses
  // nothing of it.
  bool Whole() const {
    return file == plat::ReadStatus::Ok && headerRead && complete && cutElements == 0 &&
           !faults.Any();
  }
};

// Reads the header and up to header.count records, appending the elements
// that keep accepts to the list. Stops cleanly at the end of the data or at
// a broken record; whole elements read before it are kept. A header or
// record counts only when its last line is complete up to its line end.
// What follows the last counted record is not read, only noted.
ReadResult ParseInto(std::string_view data, TFlist& list, const Placement& p,
                     const KeepFn& keep = {}, Variant v = Variant::Drawing);
// The placement of a file's elements, chosen once its header is read.
using PlaceFn = std::function<Placement(const FileHeader&)>;
ReadResult ParsePlaced(std::string_view data, TFlist& list, const PlaceFn& place,
                       const KeepFn& keep = {}, Variant v = Variant::Drawing);

// What a failed write of a list file leaves: nothing (the old file is read
// again), or the list held in memory and read in place of the file until a
// write works (storage/unwritten_files.h).
enum class OnFailure { KeepOldFile, HoldList };

// Whole-file helpers on program paths. WriteListFile replaces the file
// through a temporary file; when it cannot be written the old file stays.
// Neither it nor ReplaceFile writes over a damaged file of which no copy
// could be kept (storage/damaged_files.h).
// ReadListFile returns headerRead false when the file cannot be opened or
// has no complete header (nothing is appended then); it reads a held list
// in place of its file.
plat::WriteResult WriteListFile(std::string_view path, const TFlist& list,
                                const FileHeader& header, const Placement& p,
                                OnFailure onFailure = OnFailure::KeepOldFile);
// Replaces a list file with data, as WriteListFile does with a list.
plat::WriteResult ReplaceFile(std::string_view path, std::string data,
                              OnFailure onFailure = OnFailure::KeepOldFile);
// Deletes a list file, never a damaged file whose copy does not stand (as
// ReplaceFile); what is held for it is let go once it is gone. A file not
// there is gone already. One that cannot go is, with HoldList, held removed:
// read as not there until a removal works.
plat::WriteResult DeleteListFile(std::string_view path,
                                 OnFailure onFailure = OnFailure::KeepOldFile);
ReadResult ReadListFile(std::string_view path, TFlist& list, const Placement& p,
                        const KeepFn& keep = {});
ReadResult ReadListFilePlaced(std::string_view path, TFlist& list, const PlaceFn& place,
                              const KeepFn& keep = {});

}  // namespace storage
