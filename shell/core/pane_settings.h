// The rules of the pane-settings dialog and its colour picker: how a colour
// box and a size box are read and shown, which setting each box holds and
// what "reset" gives, the picker's six hexadecimal digits and its three bars,
// and the value RANDOM gives a bar.
#pragma once

#include <QLocale>
#include <QRandomGenerator>
#include <QString>
#include <array>

#include "settings_file.h"

namespace tavolux::shell {

// A colour box (or a colour the picker hands back): its leading hexadecimal
// digits, of which the last six are kept, so the value is always a 24-bit
// &HBBGGRR colour. An empty text, or one that starts with no hexadecimal
// digit, gives 0 (black).
int ReadColorBox(const QString& text);

// The last six characters of "000000" followed by the text: shorter texts
// are padded with zeros on the left, longer ones keep their last six.
QString PadToSix(const QString& text);

// The picker's bars, blue, green and red, from its six characters: each pair
// read as hexadecimal digits up to the first character that is not one (a
// pair that starts with no digit gives 0). The text is padded first.
using Bars = std::array<int, 3>;
Bars PickerBars(const QString& text);
// The bars as the picker's box shows them: two upper-case digits each.
QString PickerText(const Bars& bars);
// The &HBBGGRR colour of the bars (bar 0 blue, bar 1 green, bar 2 red).
int BarsToColor(const Bars& bars);

// A font size as a size box shows it: the locale's decimal separator, no
// trailing zeros ("14,25", "10" in Italian).
QString FontSizeText(double points, const QLocale& locale);
// The size kept after Enter in a size box: the box's leading number, read
// with a point as the decimal separator ("9,75" reads 9), held to 1..200
// points; with no number, or one of 0 or less, the size stays `current`.
double KeptFontSize(const QString& text, double current);

// The dialog's six boxes by index: even the BASIC pane, odd the assembly
// pane; 0 and 1 the text colours, 2 and 3 the background colours, 4 and 5
// the font sizes.
inline constexpr int kPaneBoxCount = 6;
constexpr bool IsColorBox(int index) {
    return index < 4;
}
// The pair of colour boxes the picker edits from colour box `index`: its
// pane's text colour and background colour.
constexpr int TextColorBoxOf(int index) {
    return index % 2;
}
constexpr int BackColorBoxOf(int index) {
    return index % 2 + 2;
}
// What box `index` shows of the settings: a colour as six upper-case digits,
// a size as FontSizeText gives it.
QString PaneBoxText(const EditorSettings& settings, int index, const QLocale& locale);
// Enter in box `index`, or a colour the picker hands back for it: the text is
// read as that box reads it (ReadColorBox, KeptFontSize) into its setting.
void EnterPaneBox(EditorSettings& settings, int index, const QString& text);
// What "reset" gives: black text on &HFFFFC0 in the BASIC pane and on
// &HE0E0E0 in the assembly pane, 10 points, not bold.
EditorSettings ResetPaneSettings();

// RANDOM for one bar: a fraction from 0 up to 1 times 255, rounded to the
// nearest whole number, halves to the even neighbour.
int RandomBarValue(double fraction);
int RandomBarValue(QRandomGenerator& random);

}  // namespace tavolux::shell
