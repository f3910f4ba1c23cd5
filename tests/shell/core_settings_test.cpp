#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <functional>

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
        {"negative font size takes the pane's", "1\r\n2\r\n0\r\n1\r\n-3\r\n", 1, 2, 14.25, 0},
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

// One damaged line spoils only itself: each setting read from a damaged file,
// with what it becomes.
TEST(ShellSettingsFile, ADamagedLineGivesOnlyItsOwnSettingTheDesignValue) {
    const QByteArray good[13] = {"FF00", "FFFFC0", "80", "E0E0E0", " 12",
                                 " 9",   "/p.bas", " 1", " 1",     "/b/backup-\xC3\xA8",
                                 "4",    "64",     "6"};
    auto fileWith = [&](int line, const QByteArray& text) {
        QByteArray bytes;
        for (int i = 0; i < 13; ++i) bytes += (i == line ? text : good[i]) + "\r\n";
        return bytes;
    };
    auto cutAfter = [&](int lines) {
        QByteArray bytes;
        for (int i = 0; i < lines; ++i) bytes += good[i] + "\r\n";
        return bytes;
    };
    struct Case {
        const char* name;
        QByteArray file;
        std::function<bool(const SettingsValues&)> holds;
    };
    const QString backupE = QString::fromUtf8("/b/backup-\xC3\xA8");
    const Case cases[] = {
        {"a byte not UTF-8 in the file line leaves the folder line UTF-8",
         fileWith(6, "/perch\xE8.bas"),
         [&](const SettingsValues& v) {
             return v.CurrentFile == QString::fromUtf8("/perch\xC3\xA8.bas") &&
                    v.BackupDir == backupE;
         }},
        {"a byte not UTF-8 in the folder line is read there as Windows-1252",
         fileWith(9, "/b/backup-\xE8"),
         [&](const SettingsValues& v) {
             return v.BackupDir == backupE && v.CurrentFile == "/p.bas";
         }},
        {"cut after line 1: the BASIC pane takes its design colours", cutAfter(1),
         [](const SettingsValues& v) {
             return v.editor.BasicForeColor == kBasicDesign.foreColor &&
                    v.editor.BasicBackColor == kBasicDesign.backColor &&
                    v.editor.AsmForeColor == kAsmDesign.foreColor &&
                    v.editor.BasicFontSize == 14.25 && v.editor.BasicFontBold == 0 &&
                    v.BackupDir == "/work" && v.TimerCalcTMR0.isEmpty();
         }},
        {"cut after line 9: folder and timer inputs are blank", cutAfter(9),
         [](const SettingsValues& v) {
             return v.editor.AsmFontBold == 1 && v.BackupDir == "/work" &&
                    v.TimerCalcFrequency.isEmpty() && v.TimerCalcTMR0.isEmpty();
         }},
        {"a colour line without digits gives the pane its design colours", fileWith(3, "grigio"),
         [](const SettingsValues& v) {
             return v.editor.AsmForeColor == kAsmDesign.foreColor &&
                    v.editor.AsmBackColor == kAsmDesign.backColor &&
                    v.editor.BasicForeColor == 0xFF00;
         }},
        {"size -5", fileWith(4, "-5"),
         [](const SettingsValues& v) { return v.editor.BasicFontSize == 14.25; }},
        {"size 0", fileWith(4, " 0"),
         [](const SettingsValues& v) { return v.editor.BasicFontSize == 14.25; }},
        {"size beyond any number", fileWith(5, " 1E999"),
         [](const SettingsValues& v) { return v.editor.AsmFontSize == 14.25; }},
        {"size not a number", fileWith(5, "grande"),
         [](const SettingsValues& v) { return v.editor.AsmFontSize == 14.25; }},
        {"bold not a number is not bold", fileWith(7, "si"),
         [](const SettingsValues& v) { return v.editor.BasicFontBold == 0; }},
        {"a folder with a control character is the working folder", fileWith(9, "/b/\x01\x1B[2J"),
         [](const SettingsValues& v) { return v.BackupDir == "/work"; }},
        {"a folder with a C1 control (a stray Windows-1252 byte)", fileWith(9, "/b/\x81x"),
         [](const SettingsValues& v) { return v.BackupDir == "/work"; }},
    };
    for (const Case& c : cases) EXPECT_TRUE(c.holds(Repaired(c.file))) << c.name;

    // However the size came to be NaN or infinite, the pane gets its design size.
    for (double size : {std::nan(""), HUGE_VAL, -HUGE_VAL}) {
        SettingsValues v = ParseSettingsFile(FormatSettingsFile(Sample()));
        v.editor.BasicFontSize = size;
        RepairSettings(
            v, kBasicDesign, kAsmDesign, [](const QString&) { return true; },
            [] { return QStringLiteral("/work"); });
        EXPECT_EQ(v.editor.BasicFontSize, 14.25) << size;
    }
}

// A huge settings file is read only as far as its lines go: the reader takes
// a bounded head of it, and a line that runs past that is left out.
TEST(ShellSettingsFile, AHugeFileIsReadOnlyAsFarAsItsLines) {
    QTemporaryDir root;
    const QString path = root.filePath("_PicConfig.Txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("FF00\r\nFFFFC0\r\n");
    const QByteArray block(1 << 16, 'A');
    for (int i = 0; i < 64; ++i) file.write(block);  // a 4 MB third line
    file.close();
    const QByteArray head = ReadSettingsBytes(path);
    EXPECT_EQ(head, "FF00\r\nFFFFC0\r\n");
    SettingsValues v = ParseSettingsFile(head);
    RepairSettings(
        v, kBasicDesign, kAsmDesign, [](const QString&) { return true; },
        [] { return QStringLiteral("/work"); });
    EXPECT_EQ(v.editor.BasicForeColor, 0xFF00);
    EXPECT_EQ(v.editor.AsmForeColor, kAsmDesign.foreColor);
    EXPECT_TRUE(ReadSettingsBytes(root.filePath("missing")).isEmpty());
}

}  // namespace
}  // namespace tavolux::shell
