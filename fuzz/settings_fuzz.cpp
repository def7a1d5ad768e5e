// The program started over a program directory one of whose settings files
// holds arbitrary bytes (the first byte chooses the file): whatever a
// settings file holds, the start-up, the views, the prints, the opening
// tool and the designer neither overrun, overflow nor hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_dir.h"
#include "fuzz/fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  fuzzing::StartFuzzInput();
  fuzzing::RunWithSettingsFile(std::string_view(reinterpret_cast<const char*>(bytes), size));
  return 0;
}
