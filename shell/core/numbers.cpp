#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace tavolux::shell {

int HexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

namespace {

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

}  // namespace

double ReadNumber(const QString& text) {
    QString t;
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') t += c;
    }
    if (t.startsWith(u"&H", Qt::CaseInsensitive)) {
        double value = 0;
        for (int i = 2; i < t.size() && HexDigit(t[i]) >= 0; ++i)
            value = value * 16 + HexDigit(t[i]);
        return value;
    }
    int i = 0;
    QString number;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) number += t[i++];
    int digits = 0;
    while (i < t.size() && IsDigit(t[i])) number += t[i++], ++digits;
    if (i < t.size() && t[i] == u'.') {
        number += t[i++];
        while (i < t.size() && IsDigit(t[i])) number += t[i++], ++digits;
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == u'E' || t[i] == u'e' || t[i] == u'D' || t[i] == u'd')) {
        QString exponent = QStringLiteral("e");
        int j = i + 1;
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-')) exponent += t[j++];
        int expDigits = 0;
        while (j < t.size() && IsDigit(t[j]) && expDigits < 4) exponent += t[j++], ++expDigits;
        if (expDigits > 0) number += exponent;
    }
    bool ok = false;
    double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return 0;
    return value;
}

quint32 ReadHexNumber(const QString& text) {
    quint64 value = 0;
    for (QChar c : text) {
        int d = HexDigit(c);
        if (d < 0) break;
        value = value * 16 + d;
        if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
    }
    return static_cast<quint32>(value);
}

long long RoundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    if (value > 9.0e18) return 9000000000000000000LL;
    if (value < -9.0e18) return -9000000000000000000LL;
    return static_cast<long long>(std::nearbyint(value));
}

QString FormatSingle(double value) {
    float single = static_cast<float>(value);
    // A single holds seven significant digits; more decimals only show the
    // binary fraction (9.1 would come out as 9.1000004).
    const double magnitude = std::fabs(static_cast<double>(single));
    int decimals = 7;
    if (std::isfinite(magnitude) && magnitude >= 1) {
        const int whole = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
        decimals = std::max(0, 7 - whole);
    }
    QString digits = QString::number(static_cast<double>(single), 'f', decimals);
    if (digits.contains(u'.')) {
        while (digits.endsWith(u'0')) digits.chop(1);
        if (digits.endsWith(u'.')) digits.chop(1);
    }
    if (digits == u"-0") digits = QStringLiteral("0");
    return single < 0 && digits != u"0" ? digits : u' ' + digits;
}

QString FormatInteger(long long value) {
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString FormatHexColor(int bgr) {
    return QString::number(static_cast<quint32>(bgr), 16).toUpper();
}

QString ColorToBgrHex(int bgr) {
    return QStringLiteral("%1").arg(bgr & 0xFFFFFF, 6, 16, QChar(u'0')).toUpper();
}

int BgrHexToColor(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 6) return -1;
    int value = 0;
    for (QChar c : t) {
        int d = HexDigit(c);
        if (d < 0) return -1;
        value = value * 16 + d;
    }
    return value;
}

QColor BgrToQColor(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int QColorToBgr(const QColor& color) {
    return Rgb(color.red(), color.green(), color.blue());
}

}  // namespace tavolux::shell
