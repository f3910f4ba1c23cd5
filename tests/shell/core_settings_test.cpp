#include <gtest/gtest.h>

#include "settings_file.h"

namespace tavolux::shell {
namespace {

const PaneLook kBasicDesign{0xC00000, 0xFFFFC0, 14.25};
const PaneLook kAsmDesign{0x80, 0xE0E0E0, 14.25};

SettingsValues Repaired(const QByteArray& bytes, bool filesExist = true) {
    SettingsValues v = ParseSettingsFile(bytes);
    RepairSettings(
        v, kBasicDesign, kAsmDesign, [=](const QString&) { return filesExist; },
        [] { return QStringLiteral("/work"); });
    return v;
}

SettingsValues Sample() {
    SettingsValues v;
    v.editor = {0xFF00, 0xFFFFC0, 0x80, 0xE0E0E0, 14.25, 10, 1, 0};
    v.CurrentFile = QStringLiteral("/home/ana/Tavolux Programmi/lampeggio.bas");
    v.BackupDir = QStringLiteral("/home/ana/backup");
    v.TimerCalcFrequency = QStringLiteral("4");
    v.TimerCalcPrescaler = QStringLiteral("256");
    v.TimerCalcTMR0 = QStringLiteral("è 100");
    return v;
}

TEST(ShellSettingsFile, WritesThirteenLinesByteForByte) {
    const QByteArray expected =
        "FF00\r\nFFFFC0\r\n80\r\nE0E0E0\r\n 14.25\r\n 10\r\n"
        "/home/ana/Tavolux Programmi/lampeggio.bas\r\n 1\r\n 0\r\n/home/ana/backup\r\n"
        "4\r\n256\r\n\xC3\xA8 100\r\n";
    EXPECT_EQ(FormatSettingsFile(Sample()), expected);
}

TEST(ShellSettingsFile, ReadsBackWhatItWrote) {
    SettingsValues v = Repaired(FormatSettingsFile(Sample()));
    SettingsValues s = Sample();
    EXPECT_EQ(v.editor.BasicForeColor, 0xFF00);  // pure green is not black
    EXPECT_EQ(v.editor.BasicBackColor, s.editor.BasicBackColor);
    EXPECT_EQ(v.editor.AsmForeColor, s.editor.AsmForeColor);
    EXPECT_EQ(v.editor.AsmBackColor, s.editor.AsmBackColor);
    EXPECT_EQ(v.editor.BasicFontSize, 14.25);
    EXPECT_EQ(v.editor.AsmFontSize, 10);
    EXPECT_EQ(v.editor.BasicFontBold, 1);
    EXPECT_EQ(v.editor.AsmFontBold, 0);
    EXPECT_EQ(v.CurrentFile, s.CurrentFile);
    EXPECT_EQ(v.BackupDir, s.BackupDir);
    EXPECT_EQ(v.TimerCalcTMR0, s.TimerCalcTMR0);
    EXPECT_EQ(FormatSettingsFile(v), FormatSettingsFile(s));
}

TEST(ShellSettingsFile, LineBreaksInValuesDoNotShiftLaterLines) {
    SettingsValues s = Sample();
    s.CurrentFile = QStringLiteral("/a\r\nb\nc\rd");
    s.TimerCalcFrequency = QStringLiteral("4\n");
    QByteArray bytes = FormatSettingsFile(s);
    EXPECT_EQ(bytes.count("\r\n"), 13);
    SettingsValues v = Repaired(bytes);
    EXPECT_EQ(v.CurrentFile, "/a b c d");
    EXPECT_EQ(v.BackupDir, s.BackupDir);
    EXPECT_EQ(v.TimerCalcFrequency, "4 ");
    EXPECT_EQ(v.TimerCalcTMR0, s.TimerCalcTMR0);
}

TEST(ShellSettingsFile, AnyLineEndEndsALine) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        QByteArray bytes;
        for (const char* line : {"FF00", "FFFFC0", "80", "E0E0E0", " 12", " 9", "/p.bas", " 1"}) {
            bytes += QByteArray(line) + end;
        }
        SettingsValues v = Repaired(bytes);
        EXPECT_EQ(v.editor.BasicForeColor, 0xFF00) << end;
        EXPECT_EQ(v.editor.AsmFontSize, 9) << end;
        EXPECT_EQ(v.CurrentFile, "/p.bas") << end;
        EXPECT_EQ(v.editor.BasicFontBold, 1) << end;
        EXPECT_EQ(v.editor.AsmFontBold, 0) << end;
    }
}

TEST(ShellSettingsFile, MissingOrShortFileGivesTheDesignValues) {
    SettingsValues empty = Repaired(QByteArray());
    EXPECT_EQ(empty.editor.BasicForeColor, kBasicDesign.foreColor);
    EXPECT_EQ(empty.editor.BasicBackColor, kBasicDesign.backColor);
    EXPECT_EQ(empty.editor.AsmForeColor, kAsmDesign.foreColor);
    EXPECT_EQ(empty.editor.AsmBackColor, kAsmDesign.backColor);
    EXPECT_EQ(empty.editor.BasicFontSize, 14.25);
    EXPECT_EQ(empty.editor.BasicFontBold, 0);
    EXPECT_EQ(empty.CurrentFile, "");
    EXPECT_EQ(empty.BackupDir, "/work");
    EXPECT_EQ(empty.TimerCalcFrequency, "");

    SettingsValues four = Repaired("FF\r\nFF00\r\nFF0000\r\n0\r\n");
    EXPECT_EQ(four.editor.BasicForeColor, 0xFF);
    EXPECT_EQ(four.editor.BasicBackColor, 0xFF00);
    EXPECT_EQ(four.editor.AsmForeColor, 0xFF0000);
    EXPECT_EQ(four.editor.AsmBackColor, 0);
    EXPECT_EQ(four.editor.AsmFontSize, 14.25);
    EXPECT_EQ(four.editor.AsmFontBold, 0);
    EXPECT_EQ(four.BackupDir, "/work");
}

TEST(ShellSettingsFile, Repairs) {
    struct Case {
        const char* name;
        QByteArray file;
        int basicFore, basicBack;
        double basicSize;
        int basicBold;
    };
    const Case cases[] = {
        {"equal colours take the pane's", "123\r\n123\r\n", 0xC00000, 0xFFFFC0, 14.25, 0},
        {"colour beyond FFFFFF is repaired", "1000000\r\nFF\r\n", 0xC00000, 0xFFFFC0, 14.25, 0},
        {"huge colour is repaired", "FFFFFFFFFF\r\nFF\r\n", 0xC00000, 0xFFFFC0, 14.25, 0},
        {"bold 2 is not bold", "1\r\n2\r\n0\r\n1\r\n 10\r\n 10\r\n\r\n 2\r\n", 1, 2, 10, 2},
        {"bold -1 is not bold", "1\r\n2\r\n0\r\n1\r\n 10\r\n 10\r\n\r\n-1\r\n", 1, 2, 10, -1},
        {"bold 0.5 rounds to 0", "1\r\n2\r\n0\r\n1\r\n 10\r\n 10\r\n\r\n 0.5\r\n", 1, 2, 10, 0},
        {"bold 1.5 rounds to 2", "1\r\n2\r\n0\r\n1\r\n 10\r\n 10\r\n\r\n 1.5\r\n", 1, 2, 10, 2},
        {"font size held to 200", "1\r\n2\r\n0\r\n1\r\n 5000\r\n", 1, 2, 200, 0},
        {"negative font size held to 1", "1\r\n2\r\n0\r\n1\r\n-3\r\n", 1, 2, 1, 0},
        {"tiny font size held to 1", "1\r\n2\r\n0\r\n1\r\n 0.01\r\n", 1, 2, 1, 0},
        {"font size 0 takes the pane's", "1\r\n2\r\n0\r\n1\r\n 0\r\n", 1, 2, 14.25, 0},
    };
    for (const Case& c : cases) {
        SettingsValues v = Repaired(c.file);
        EXPECT_EQ(v.editor.BasicForeColor, c.basicFore) << c.name;
        EXPECT_EQ(v.editor.BasicBackColor, c.basicBack) << c.name;
        EXPECT_EQ(v.editor.BasicFontSize, c.basicSize) << c.name;
        EXPECT_EQ(v.editor.BasicFontBold, c.basicBold) << c.name;
    }
}

TEST(ShellSettingsFile, CurrentFileMustStillExist) {
    QByteArray file = "1\r\n2\r\n0\r\n1\r\n 10\r\n 10\r\n/gone.bas\r\n 0\r\n 0\r\n\r\n";
    EXPECT_EQ(Repaired(file, false).CurrentFile, "");
    EXPECT_EQ(Repaired(file, true).CurrentFile, "/gone.bas");
}

TEST(ShellSettingsFile, ReadsWindows1252WhenNotUtf8) {
    QByteArray file = "1\r\n2\r\n0\r\n1\r\n 10\r\n 10\r\n/perch\xE8.bas\r\n";
    EXPECT_EQ(Repaired(file).CurrentFile, QString::fromUtf8("/perch\xC3\xA8.bas"));
}

}  // namespace
}  // namespace tavolux::shell
