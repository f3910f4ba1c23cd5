#include "settings_file.h"

#include <QStringList>
#include <algorithm>

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

int ReadColor(const QString& line) {
    quint32 value = ReadHexNumber(line);
    // Anything beyond 24 bits is out of range; keep it out of range (and
    // positive) so the repair sees it.
    return value > static_cast<quint32>(kMaxColor) ? kMaxColor + 1 : static_cast<int>(value);
}

bool ColorInRange(int color) {
    return color >= 0 && color <= kMaxColor;
}

void RepairPane(int& fore, int& back, double& size, const PaneLook& pane) {
    if (size == 0) {
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
    QStringList lines = SplitLines(DecodeText(bytes));
    while (lines.size() < 13) lines << QString();
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
    v.BackupDir = lines[9];
    v.TimerCalcFrequency = lines[10];
    v.TimerCalcPrescaler = lines[11];
    v.TimerCalcTMR0 = lines[12];
    return v;
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
