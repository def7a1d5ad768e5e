// Settings files: one line of blank-separated decimal values under CFG\,
// some followed by a counted text. Each reader takes the values in the order
// its file's format gives them; each writer formats one line and replaces
// the file whole.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace cfg {

class Reader {
 public:
  // Reads the whole file at once; a file that cannot be opened reads as
  // nothing (IsOpen() false, every value request fails).
  explicit Reader(std::string_view programPath);
  bool IsOpen() const { return open_; }

  // A signed decimal after any white space ("%d" / "%ld"). Returns false and
  // leaves v alone at the end of the file or before something else. Values
  // beyond 32 bits are clamped.
  bool Int(std::int32_t& v);
  // The next integer, or def when there is none.
  std::int32_t IntOr(std::int32_t def);
  // A real after any white space ("%f" / "%lf").
  bool Real(double& v);
  bool Real(float& v);
  // A run of non-blank characters after any white space ("%s").
  bool Word(std::string& w);
  // Exactly the next n characters (fewer at the end of the file).
  std::string Chars(std::size_t n);
  void SkipSpace();
  // How many values the last run of Int/Real/Word calls read successfully.
  int Count() const { return count_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

 private:
  std::string data_;
  std::size_t pos_ = 0;
  bool open_ = false;
  int count_ = 0;
};

// What a file written here keeps besides the drawing, for the words a
// failed write is told in. A library item or the paste buffer is written
// because the user asked for it, and each one that fails is told; settings
// (the selection hand-over among them) are written on the way, and told
// once until the file takes a write again.
enum class Kept { Settings, LibraryItem, PasteBuffer };

// Writes a file through a temporary file; returns false when it cannot be
// written (the old one stays). Every write is told to the observer, if one
// is set.
bool Write(std::string_view programPath, std::string_view data, Kept what = Kept::Settings);

// Hears how every write here ended: the main form tells the user of those
// that fail. Sets the observer (an empty one: none) and returns the one it
// replaces.
using WriteObserver = std::function<void(const plat::WriteResult& written, Kept what)>;
WriteObserver SetWriteObserver(WriteObserver observer);

// Convenience: the first value of a file, or def.
std::int32_t ReadFirstInt(std::string_view programPath, std::int32_t def);

}  // namespace cfg
