// What a read of a record file could not take whole, besides the texts and
// points of elements it kept cut short: where and why it stopped early, and
// what it read past. A later write would lose all of it, so a drawing read
// with any of it is a damaged drawing.
#pragma once

#include <cstdint>

#include "model/globals.h"

struct ReadFaults {
  enum class Stop : std::uint8_t {
    None,
    Empty,          // nothing but blank space (value: the file's size)
    NotAHeader,     // the file does not begin with a line of six numbers
    HeaderCut,      // the file ends within its header
    NegativeCount,  // the header counts fewer than no elements (value: the count)
    Ended,          // the file ends before the elements its header counts
    Broken,         // a record is not laid out as its kind says
    PointsPastEnd,  // a polygon counts more points than the file holds (value)
    TextPastEnd,    // a text is longer than the rest of the file (value)
  };
  Stop stop = Stop::None;
  std::int64_t value = 0;
  int32 element = 0;  // the element, from 1, that the read stopped at
  int32 kind = 0;     // its kind; 0 when none could be read

  std::int64_t heldValues = 0;       // numbers beyond 32 bits, held at the limit
  std::int64_t negativeLengths = 0;  // point counts and text lengths below zero, read as none
  int32 unknownKinds = 0;            // kind lines of kinds that have no record
  int32 firstUnknownKind = 0;
  bool trailing = false;  // more than blank space after the last counted element

  bool Any() const {
    return stop != Stop::None || heldValues > 0 || negativeLengths > 0 || unknownKinds > 0 ||
           trailing;
  }
};
