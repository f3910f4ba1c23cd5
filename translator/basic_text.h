// The string functions the translation rules are written in.
//
// The translator works on one byte per character: the program text is
// converted from UTF-8 to Windows-1252 on the way in and back on the way out,
// so a character's position and its code are those the rules talk about
// ("è" is one character with the code 0xE8).
//
// Positions are 1-based, as in BASIC. Positions past the end give empty text
// or 0, never an exception.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavolux::text {

// Mid(s, start, length): the characters from `start` (1-based). A start below
// 1 counts as 1; a negative length means "to the end".
std::string Mid(std::string_view s, int start, int length = -1);
std::string Left(std::string_view s, int length);
std::string Right(std::string_view s, int length);

// InStr(start, s, find): 1-based position of the first `find` at or after
// `start`, 0 when there is none. An empty `find` gives `start` while it lies
// within s (plus one past the end), as BASIC does.
int InStr(std::string_view s, std::string_view find, int start = 1);
// Position of the last occurrence, 0 when there is none.
int InStrRev(std::string_view s, std::string_view find);

// Blanks only (character 32); tabs and line ends stay.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

// Upper case for Windows-1252 text: ASCII letters and the accented letters.
std::string UCase(std::string_view s);

// A character of a name: a letter (any byte above 127 counts as one), a
// digit, "_", or the "#" of the translator's own names ("W#D1").
bool IsNameCharacter(char c);
bool StartsWith(std::string_view s, std::string_view prefix);
// A statement that begins with a keyword: the text is the word itself, or the
// word followed by a blank ("LOOP", "LOOP UNTIL X = 1", but not "LOOPS = 3").
bool BeginsWithWord(std::string_view s, std::string_view word);
bool EndsWith(std::string_view s, std::string_view suffix);
bool Contains(std::string_view s, std::string_view part);
bool ContainsAnyOf(std::string_view s, std::string_view chars);

// Every occurrence of `from` replaced by `to` (from left to right, no rescan).
std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to);
// Only the first occurrence.
std::string ReplaceFirst(std::string_view s, std::string_view from, std::string_view to);

// Val: the leading number of the text. Blanks are skipped anywhere, an
// optional sign, decimal digits with one "." and an exponent ("E" or "D"),
// or "&H" with hexadecimal digits and "&O" with octal ones. Text that starts
// with no number gives 0.
double Val(std::string_view s);

// Val's reading of a text that is one number and nothing else: blanks may
// stand around it, not inside it ("1 27"), and Val must take every other
// character ("127MS", "3O", "&H3AG" and "-&H1F" are no such number).
// Nothing when the text is not one.
std::optional<double> ValWhole(std::string_view s);

// Rounding half to even, as the BASIC conversions to whole numbers do.
double RoundHalfEven(double v);

// Whole-number conversions with the range checked first: nothing is returned
// for a value outside the range (or not a number), so no narrowing is ever
// undefined.
std::optional<int16_t> ToInt16(double v);  // rounds half to even
std::optional<int> ToIntInRange(double v, int lo, int hi);

// Decimal writing of a whole number, no blanks.
std::string Str(long long v);

// Canonical BASIC writing of a number: at most 15 significant digits, "-"
// before negative values, no "+", "." as the point, no "0" before the point
// of a value between -1 and 1, no trailing zeros.
std::string CanonicalNumber(double v);

// Upper-case hexadecimal without leading zeros ("0" for zero).
std::string Hex(unsigned v);

// Encoding at the translator's boundary. Characters that Windows-1252 cannot
// hold become "?".
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace tavolux::text
