#include "settings_file.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "numbers.h"
#include "text_files.h"

namespace tavolux::shell {

namespace {

QString OneLine(QString value) {
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

// A colour line is hexadecimal digits, blanks before them allowed. A line
// with none reads as no colour, which the repair replaces.
int ReadColor(const QString& line) {
    const QString digits = TrimBlanks(line);
    if (digits.isEmpty() || HexDigit(digits[0]) < 0) return -1;
    quint32 value = ReadHexNumber(digits);
    // Anything beyond 24 bits is out of range; keep it out of range (and
    // positive) so the repair sees it.
    return value > static_cast<quint32>(kMaxColor) ? kMaxColor + 1 : static_cast<int>(value);
}

// Nobody types a control character into a folder name: such a line is
// damage, and stands for no folder at all.
QString ReadFolder(const QString& line) {
    for (QChar c : line) {
        if (c.category() == QChar::Other_Control) return QString();
    }
    return line;
}

// The first `count` lines, each decoded on its own (see DecodeText), so one
// line that is not UTF-8 is read as Windows-1252 without spoiling the
// others; missing lines are empty.
QStringList FirstLines(const QByteArray& bytes, int count) {
    QStringList lines = SplitLines(DecodeText(bytes)).mid(0, count);
    while (lines.size() < count) lines << QString();
    return lines;
}

bool ColorInRange(int color) {
    return color >= 0 && color <= kMaxColor;
}

void RepairPane(int& fore, int& back, double& size, const PaneLook& pane) {
    if (!(size > 0) || !std::isfinite(size)) {
        size = pane.fontSize;
    } else {
        size = ClampFontSize(size);
    }
    if (fore == back || !ColorInRange(fore) || !ColorInRange(back)) {
        fore = pane.foreColor;
        back = pane.backColor;
    }
}

}  // namespace

QByteArray FormatSettingsFile(const SettingsValues& v) {
    const EditorSettings& e = v.editor;
    QStringList lines = {FormatHexColor(e.BasicForeColor), FormatHexColor(e.BasicBackColor),
                         FormatHexColor(e.AsmForeColor),   FormatHexColor(e.AsmBackColor),
                         FormatSingle(e.BasicFontSize),    FormatSingle(e.AsmFontSize),
                         OneLine(v.CurrentFile),           FormatInteger(e.BasicFontBold),
                         FormatInteger(e.AsmFontBold),     OneLine(v.BackupDir),
                         OneLine(v.TimerCalcFrequency),    OneLine(v.TimerCalcPrescaler),
                         OneLine(v.TimerCalcTMR0)};
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text.toUtf8();
}

SettingsValues ParseSettingsFile(const QByteArray& bytes) {
    const QStringList lines = FirstLines(bytes, 13);
    SettingsValues v;
    EditorSettings& e = v.editor;
    e.BasicForeColor = ReadColor(lines[0]);
    e.BasicBackColor = ReadColor(lines[1]);
    e.AsmForeColor = ReadColor(lines[2]);
    e.AsmBackColor = ReadColor(lines[3]);
    e.BasicFontSize = ReadNumber(lines[4]);
    e.AsmFontSize = ReadNumber(lines[5]);
    v.CurrentFile = lines[6];
    auto bold = [](const QString& line) {
        long long value = RoundHalfEven(ReadNumber(line));
        return static_cast<int>(std::clamp<long long>(value, -32768, 32767));
    };
    e.BasicFontBold = bold(lines[7]);
    e.AsmFontBold = bold(lines[8]);
    v.BackupDir = ReadFolder(lines[9]);
    v.TimerCalcFrequency = lines[10];
    v.TimerCalcPrescaler = lines[11];
    v.TimerCalcTMR0 = lines[12];
    return v;
}

QByteArray ReadSettingsBytes(const QString& path) {
    QFile file(path);
    if (!OpenForReading(file, nullptr)) return QByteArray();
    QByteArray bytes = file.read(kSettingsReadLimit + 1);
    if (file.error() != QFileDevice::NoError) return QByteArray();
    if (bytes.size() > kSettingsReadLimit) {
        // A line that runs past the limit is not a setting anybody wrote.
        bytes.truncate(kSettingsReadLimit);
        const qsizetype lastEnd = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        bytes.truncate(lastEnd + 1);
    }
    return bytes;
}

void RepairSettings(SettingsValues& v, const PaneLook& basicPane, const PaneLook& asmPane,
                    const std::function<bool(const QString&)>& fileExists,
                    const std::function<QString()>& findWorkDir) {
    EditorSettings& e = v.editor;
    RepairPane(e.BasicForeColor, e.BasicBackColor, e.BasicFontSize, basicPane);
    RepairPane(e.AsmForeColor, e.AsmBackColor, e.AsmFontSize, asmPane);
    if (!v.CurrentFile.isEmpty() && !fileExists(v.CurrentFile)) v.CurrentFile.clear();
    if (v.BackupDir.isEmpty()) v.BackupDir = findWorkDir();
}

void ClampColorsForDisplay(EditorSettings& e) {
    for (int* color : {&e.BasicForeColor, &e.BasicBackColor, &e.AsmForeColor, &e.AsmBackColor}) {
        if (*color < 0) *color = 0;
    }
}

double ClampFontSize(double points) {
    if (!(points >= kMinFontSize)) return kMinFontSize;  // NaN too
    return std::min(points, kMaxFontSize);
}

}  // namespace tavolux::shell
