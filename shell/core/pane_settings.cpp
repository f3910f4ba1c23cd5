#include "pane_settings.h"

#include "numbers.h"
#include "settings_file.h"

namespace tavolux::shell {

int ReadColorBox(const QString& text) {
    qsizetype digits = 0;
    while (digits < text.size() && HexDigit(text[digits]) >= 0) ++digits;
    const qsizetype kept = std::min<qsizetype>(digits, 6);
    return static_cast<int>(ReadHexNumber(text.mid(digits - kept, kept)));
}

QString PadToSix(const QString& text) {
    return (QStringLiteral("000000") + text).right(6);
}

Bars PickerBars(const QString& text) {
    const QString six = PadToSix(text);
    Bars bars{};
    for (int i = 0; i < 3; ++i) bars[i] = static_cast<int>(ReadHexNumber(six.mid(2 * i, 2)));
    return bars;
}

int BarsToColor(const Bars& bars) {
    return Rgb(bars[2], bars[1], bars[0]);
}

QString PickerText(const Bars& bars) {
    return ColorToBgrHex(BarsToColor(bars));
}

QString FontSizeText(double points, const QLocale& locale) {
    QLocale shown = locale;
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    return shown.toString(points, 'f', QLocale::FloatingPointShortest);
}

double KeptFontSize(const QString& text, double current) {
    const double typed = ReadNumber(text);
    if (!(typed > 0)) return current;
    return ClampFontSize(typed);
}

int RandomBarValue(double fraction) {
    return static_cast<int>(RoundHalfEven(fraction * 255));
}

int RandomBarValue(QRandomGenerator& random) {
    return RandomBarValue(random.generateDouble());
}

}  // namespace tavolux::shell
