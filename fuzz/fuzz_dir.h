// The program directory of a fuzz target's process: made once from the
// shipped files and fuzzing::PrepareProgramDir, then put back exactly as it
// was before every input, so that no input sees what an earlier one left.
#pragma once

namespace fuzzing {

// Makes the directory on first use and points the program at it; removed
// when the process ends.
void UseFuzzProgramDir();
// Every file as it was made: changed ones rewritten, new ones removed.
void RestoreFuzzProgramDir();

// What every fuzz target does first with an input: its directory as it was
// made, and a finding that aborts the run (so that libFuzzer keeps the input).
void StartFuzzInput();

}  // namespace fuzzing
