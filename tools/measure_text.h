// Lengths as the dimensions write them: millimetres as a plain number, or
// feet, inches and eighths of an inch.
#pragma once

#include <string>

#include "model/globals.h"

// A length in drawing units as a dimension text: metric "%d"; imperial
// "%d' %d %d/%d''" when the remainder is a whole number of eighths above
// none, else "%d' %d''".
std::string MeasureText(int32 length);

// The fraction of a remainder in 1/24 inch that is a whole number of
// eighths (3 gives 1/8, 12 gives 1/2); false for 0 and anything else.
bool EighthsFraction(int32 remainder, int32& numerator, int32& denominator);
