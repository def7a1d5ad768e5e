// Symbol libraries and the paste buffer.
//
// A library symbol is one file in LIBS\: the name the user gave it and an
// extension that tells its category and measuring system. Symbols and the
// paste buffer hold elements in the library layout of the record file, each
// stored relative to the origin it was listed with in the selection
// hand-over (storage/selection_files.h); reading sets them down near the
// window's bottom-left corner on the current view (TFlist::ReadLibraryFile).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/globals.h"
#include "storage/selection_files.h"

class TFlist;

namespace library {

// Library categories.
constexpr int32 Plumbing = 1;
constexpr int32 Electrical = 2;
constexpr int32 Furniture = 3;
constexpr int32 Miscellaneous = 4;

// The longest symbol name.
constexpr std::size_t kMaxNameLength = 24;

// The extension of a category in metric (metric 1) or imperial drawings:
// ".PLM" / ".PLI" plumbing, ".ELM" / ".ELI" electrical, ".FUM" / ".FUI"
// furniture, ".MSM" / ".MSI" miscellaneous; "" for any other category.
const char* Extension(int32 category, int32 metric);
// The symbol's file name below LIBS\: name + extension ("" for another category).
std::string FileName(int32 category, std::string_view name, int32 metric);
// The names of the symbols of a category in the current units, sorted.
std::vector<std::string> Items(int32 category);
// Whether a symbol of that name exists in the category (current units).
bool Exists(int32 category, std::string_view name);
// A name the library can store: 1 to 24 characters that make a file name
// of its own (no folder separators, no "..", nothing that breaks the name).
bool ValidName(std::string_view name);

// The value the library layout stores in place of the units flag.
constexpr int32 kLibraryUnitsFlag = 2;
// Added to the group ids of pasted elements (internal walls keep theirs).
constexpr int32 kPasteIdBias = 400;

}  // namespace library

// Writes the elements listed in the selection hand-over as the symbol name
// of the category in the current units; false for another category or when
// the file cannot be written (a failed write is told as every cfg::Write).
bool LibraryFileExtension(int32 category, std::string_view name);

// Writes the listed elements of list to the paste buffer "LIBS\PASTE.CFG":
// only the kinds that can be pasted, each relative to its listed origin.
// Returns the number of elements stored, 0 when the file could not be
// written (told as every cfg::Write).
int32 WritePasteBuffer(const TFlist& list, const std::vector<selection::Entry>& entries);
