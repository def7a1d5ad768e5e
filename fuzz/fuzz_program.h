// The program as the fuzz targets run it: the main form with recording
// drawing windows and a recording printer, a user who answers every question
// yes and every message OK, and the runs the targets make of it. The runs
// work in the program directory in force: the fuzz targets give them one
// of their own (fuzz/fuzz_dir.h), and the test that replays what the
// targets once failed on gives them a scratch one.
#pragma once

#include <string_view>

namespace fuzzing {

// What a run finds wrong with itself (an invariant broken): the fuzz
// targets abort on it, the replay in the tests fails.
using Finding = void (*)(const char* what);
void SetFindingHandler(Finding f);

// Lays out the files a run starts from in the program directory: a drawing
// "HOUSE" with walls, openings, rooms, texts and symbols on several floors,
// named as the last and the recent drawing.
void PrepareProgramDir();

// The settings file a settings run puts its input into: the first byte
// chooses it among every file under CFG\ that the program reads.
const char* SettingsFileFor(unsigned char selector);
// How many files the selector chooses among (selectors 0 to count - 1 name
// each once).
int SettingsFileCount();

// The program started with one settings file holding bytes (the first byte
// chooses the file, the rest is its content): the drawing opened at the
// start, its views painted and zoomed, printed, an outline walled with
// windows and doors cut into it, and every designer symbol generated.
void RunWithSettingsFile(std::string_view input);

// What the program does with a drawing once read, the drawing's file
// holding bytes: opened, painted on every floor in every wall style,
// measured, printed (hatched) to pages whose records stay bounded by what a
// page can show, turned and mirrored, inserted as a library item and as the
// paste buffer, and undone and redone.
void UseDrawing(std::string_view drawing);

}  // namespace fuzzing
