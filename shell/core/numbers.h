// Number reading and writing as the editor does it: the lenient reader of
// typed numbers, the hexadecimal colours of the settings file, and colours
// kept as 24-bit values with red in the low byte (&HBBGGRR).
#pragma once

#include <QColor>
#include <QString>

namespace tavolux::shell {

// The leading number of a text: blanks anywhere are ignored, an optional
// sign, digits with "." as the decimal point and an optional exponent, or
// "&H" followed by hexadecimal digits. 0 when the text starts with no number.
double ReadNumber(const QString& text);

// The value of a hexadecimal digit of either case; -1 for any other
// character.
int HexDigit(QChar c);

// Hexadecimal digits from the start of the text up to the first character
// that is not one; 0 for an empty text or one that starts with no digit.
// Values beyond 32 bits come back as 0xFFFFFFFF, which no colour can be.
quint32 ReadHexNumber(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour.
long long RoundHalfEven(double value);

// A single-precision value in decimal with a point, to seven significant
// digits and no trailing zeros, preceded by a blank when not negative:
// " 14.25", " 10", "-2.5", " 9.1".
QString FormatSingle(double value);
// An integer preceded by a blank when not negative: " 0", "-1".
QString FormatInteger(long long value);

// Upper-case hexadecimal with no leading zeros and no prefix ("0" for 0).
QString FormatHexColor(int bgr);

// Six hexadecimal digits in the order blue, green, red, as colours are shown
// and typed; parsing accepts fewer digits and gives -1 for a text that is
// not 1 to 6 hexadecimal digits.
QString ColorToBgrHex(int bgr);
int BgrHexToColor(const QString& text);

// Between &HBBGGRR values and Qt colours.
QColor BgrToQColor(int bgr);
int QColorToBgr(const QColor& color);
// &HBBGGRR from red, green and blue.
constexpr int Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

}  // namespace tavolux::shell
