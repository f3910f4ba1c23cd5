#include "pane_settings.h"

#include "numbers.h"

namespace tavolux::shell {

namespace {

int& ColorOf(EditorSettings& e, int index) {
    int* colors[] = {&e.BasicForeColor, &e.AsmForeColor, &e.BasicBackColor, &e.AsmBackColor};
    return *colors[index];
}

double& SizeOf(EditorSettings& e, int index) {
    return index == 4 ? e.BasicFontSize : e.AsmFontSize;
}

}  // namespace

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

QString PaneBoxText(const EditorSettings& settings, int index, const QLocale& locale) {
    EditorSettings e = settings;
    if (IsColorBox(index)) return ColorToBgrHex(ColorOf(e, index));
    return FontSizeText(SizeOf(e, index), locale);
}

void EnterPaneBox(EditorSettings& settings, int index, const QString& text) {
    if (IsColorBox(index)) {
        ColorOf(settings, index) = ReadColorBox(text);
    } else {
        double& size = SizeOf(settings, index);
        size = KeptFontSize(text, size);
    }
}

EditorSettings ResetPaneSettings() {
    EditorSettings e;
    e.BasicBackColor = 0xFFFFC0;
    e.BasicForeColor = 0;
    e.BasicFontBold = 0;
    e.BasicFontSize = 10;
    e.AsmBackColor = 0xE0E0E0;
    e.AsmForeColor = 0;
    e.AsmFontBold = 0;
    e.AsmFontSize = 10;
    return e;
}

int RandomBarValue(double fraction) {
    return static_cast<int>(RoundHalfEven(fraction * 255));
}

int RandomBarValue(QRandomGenerator& random) {
    return RandomBarValue(random.generateDouble());
}

}  // namespace tavolux::shell
