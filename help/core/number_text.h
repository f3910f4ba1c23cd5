// How the calculators write a computed number and read a typed one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolux::help {

// The number rounded to 15 significant digits, trailing zeros dropped, "."
// as the point, no "0" before the point of a value between -1 and 1, and a
// blank before a value that is not negative (" 17", " .5", "-.8"). Very
// large and very small values take an exponent (" 1E+20", " 1E-05").
std::string NumberText(double value);

// The same for a value that may have overflowed: "" for infinity or NaN,
// which no box ever shows.
std::string NumberTextOrEmpty(double value);

// A typed number: the leading number of the text, blanks ignored, "." as the
// point, "&H" for hexadecimal digits; 0 when the text starts with no number.
double ReadTypedNumber(std::string_view text);

// A WAIT count typed or shown in a box: the number rounded to the nearest
// whole number (halves to the even one), when that lies within 1 to 255.
std::optional<int> ReadWaitCount(std::string_view text);

}  // namespace tavolux::help
