// Feeds arbitrary bytes to the drawing reader (and to the reader of the
// text along lines). Whatever a file holds, the
// reader must neither overrun nor allocate without bound, and what it reads
// must survive a write and a second read unchanged: the bytes written from
// the first read and from the second are the same, and the second read
// takes them whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/flist.h"
#include "model/globals.h"
#include "storage/record_codec.h"
#include "storage/selection_files.h"
#include "tools/lineobj_geometry.h"

namespace {

// The start-up sheet, or another one taken from the input's first byte so
// that the page-centre offset is exercised with several values.
storage::Placement PlacementFor(std::string_view data) {
  ResetGlobals();
  if (!data.empty()) {
    const unsigned char b = static_cast<unsigned char>(data[0]);
    DrawingWidth = (b & 0x0F) * 1000;
    DrawingHeight = (b >> 4) * 1000;
    PixelScale = (b & 1) ? 5 : 6;
  }
  return storage::PageCentre();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view data(reinterpret_cast<const char*>(bytes), size);
  const storage::Placement centre = PlacementFor(data);

  TFlist first;
  const storage::ReadResult r = storage::ParseInto(data, first, centre);
  if (r.headerRead) storage::ApplyHeaderToGlobals(r.header);

  // The two filtering passes read the same records.
  TFlist shapes;
  storage::ParseInto(data, shapes, centre,
                     [](const TObj& e) { return kind::IsFilledShapeKind(e.Kind); });

  const storage::FileHeader header = storage::HeaderFromGlobals(0);
  const std::string written = storage::FormatList(first, header, centre);
  TFlist second;
  // What the writer makes is always read whole: never told as damaged.
  if (!storage::ParseInto(written, second, centre).Whole()) std::abort();
  const std::string rewritten = storage::FormatList(second, header, centre);
  if (second.Count() != first.Count() || rewritten != written) std::abort();

  // The same bytes as a library symbol or paste buffer: read relative to an
  // insertion point, written and read again unchanged.
  for (storage::Variant v : {storage::Variant::Library, storage::Variant::Paste}) {
    storage::Placement at = centre;
    at.offsetRefPoint = false;
    TFlist symbol;
    storage::ParseInto(data, symbol, at, {}, v);
    std::string again;
    storage::RecordWriter w(again);
    for (int32 i = 0; i < symbol.Count(); ++i) w.Element(*symbol.At(i), v, at);
    TFlist symbol2;
    storage::ParseInto(std::to_string(symbol.Count()) + " 0 0 0 2 0\n" + again, symbol2, at, {}, v);
    if (symbol2.Count() != symbol.Count()) std::abort();
  }

  // The selection hand-over: whatever the count says, never more entries
  // than the text holds.
  const int32 count = data.empty() ? 0 : static_cast<unsigned char>(data[0]) * 1000;
  if (selection::ParseList(count, data).size() > data.size() / 6 + 1) std::abort();

  // The same bytes as the text along lines: a text never longer than a
  // text element holds.
  if (ParseLineTextSetting(data).text.size() >= kTextCapacity) std::abort();
  return 0;
}
