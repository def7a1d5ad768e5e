// What the program does with a drawing once read, the drawing holding
// arbitrary bytes: painted on every floor in every wall style, zoomed,
// printed, turned and mirrored, pasted and inserted as a library item,
// undone and redone. Nothing overruns, overflows or hangs, and no printed
// page takes more records than its elements can show on it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_dir.h"
#include "fuzz/fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  fuzzing::StartFuzzInput();
  fuzzing::UseDrawing(std::string_view(reinterpret_cast<const char*>(bytes), size));
  return 0;
}
