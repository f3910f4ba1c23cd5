#include <gtest/gtest.h>
#include <limits.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "file_size_limit.h"
#include "text_files.h"
#include "utf16_bytes.h"

namespace tavolux::shell {
namespace {

TEST(ShellTextFiles, DecodesUtf8OrElseWindows1252) {
    EXPECT_EQ(DecodeText("perch\xC3\xA8"), QString::fromUtf8("perch\xC3\xA8"));
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFREM"), "REM");
    EXPECT_EQ(DecodeText("perch\xE8"), QString::fromUtf8("perch\xC3\xA8"));
    EXPECT_EQ(DecodeText("\x80 \x9C"), QString::fromUtf8("\xE2\x82\xAC \xC5\x93"));
    EXPECT_EQ(DecodeText("\x81"), QString(QChar(0x81)));
    EXPECT_EQ(EncodeWindows1252(QString::fromUtf8("\xC3\xA8\xE2\x82\xAC\xE4\xB8\x80")),
              QByteArray("\xE8\x80?"));
}

using testing::Utf16Bytes;

// Each line on its own: one that is not UTF-8 spoils no other, and a UTF-16
// file is read after its byte-order mark. Line ends stay as they are.
TEST(ShellTextFiles, EachLineIsReadInItsOwnEncoding) {
    const QString text =
        QString::fromUtf8("REM perch\xC3\xA9 \xC3\xA8 cos\xC3\xAC\r\nA = \"\xE2\x82\xAC\"\r\n");
    const std::pair<QByteArray, QString> cases[] = {
        {text.toUtf8(), text},
        {"\xEF\xBB\xBF" + text.toUtf8(), text},
        {EncodeWindows1252(text), text},
        {Utf16Bytes(text, false), text},
        {Utf16Bytes(text, true), text},
        {Utf16Bytes(QString::fromUtf8("\xEF\xBB\xBF"
                                      "A\xF0\x9F\x98\x80"),
                    false),
         QString::fromUtf8("\xEF\xBB\xBF"
                           "A\xF0\x9F\x98\x80")},
        // One stray byte in the second line.
        {"REM perch\xC3\xA9\r\nREM \xE8 qui\r\nREM cos\xC3\xAC",
         QString::fromUtf8("REM perch\xC3\xA9\r\nREM \xC3\xA8 qui\r\nREM cos\xC3\xAC")},
        {"a\xC3\xA8\nb\xE8\rc\xC3\xA8\r\n\r\nd\xE8",
         QString::fromUtf8("a\xC3\xA8\nb\xC3\xA8\rc\xC3\xA8\r\n\r\nd\xC3\xA8")},
        // A mark in front of a line that is not UTF-8 is still a mark.
        {"\xEF\xBB\xBFperch\xE8\r\nok", QString::fromUtf8("perch\xC3\xA8\r\nok")},
        {"", ""},
        {"\xFF\xFE", ""},
    };
    for (const auto& [bytes, expected] : cases) {
        EXPECT_EQ(DecodeText(bytes), expected) << bytes.toHex().toStdString();
    }
}

TEST(ShellTextFiles, WritesWholeOrNothing) {
    QTemporaryDir root;
    QString path = root.filePath("p.bas");
    QString error;
    ASSERT_TRUE(WriteFileAtomically(path, "first", &error)) << error.toStdString();
    ASSERT_TRUE(WriteFileAtomically(path, "second", &error));
    QByteArray back;
    ASSERT_TRUE(ReadWholeFile(path, &back, &error));
    EXPECT_EQ(back, "second");
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.bas"});

    EXPECT_FALSE(WriteFileAtomically(root.filePath("no/such/folder/p.bas"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(ReadWholeFile(root.filePath("missing.bas"), &back, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(back, "second");  // untouched on failure
}

// A write that runs out of room part-way fails, says why, and keeps the old
// file byte for byte, whether the text fits in the device's buffer or not.
TEST(ShellTextFiles, AWriteThatRunsOutOfRoomKeepsTheOldFile) {
    QTemporaryDir root;
    const QString path = root.filePath("p.bas");
    const QByteArray old = "REM the program as it was\r\n";
    for (qsizetype size : {qsizetype(100), qsizetype(16 * 1024), qsizetype(40 * 1024)}) {
        SCOPED_TRACE(size);
        QString error;
        ASSERT_TRUE(WriteFileAtomically(path, old, &error)) << error.toStdString();
        const QByteArray text(size, 'x');
        const bool failedAndSaid = testing::RunInChildWithFileSizeLimit(size / 2, [&] {
            QString childError;
            // Not "Unknown error": the system's text for the write that failed.
            return !WriteFileAtomically(path, text, &childError) &&
                   childError == QString::fromLocal8Bit(std::strerror(EFBIG));
        });
        EXPECT_TRUE(failedAndSaid);
        QByteArray back;
        ASSERT_TRUE(ReadWholeFile(path, &back, &error));
        EXPECT_EQ(back.toStdString(), old.toStdString());
        EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.bas"});
    }
}

// A name as long as a name may be: the save file beside it cannot be
// named, the old file stays, and the message says so.
TEST(ShellTextFiles, ANameTooLongForTheSaveFileIsSaidSo) {
    QTemporaryDir root;
    const QString path = root.filePath(QString(NAME_MAX, u'p'));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    ASSERT_EQ(old.write("old"), 3);
    old.close();
    QString error;
    EXPECT_FALSE(WriteFileAtomically(path, "new", &error));
    EXPECT_EQ(error, QString::fromLocal8Bit(std::strerror(ENAMETOOLONG)));
    QByteArray back;
    ASSERT_TRUE(ReadWholeFile(path, &back, &error));
    EXPECT_EQ(back, "old");
    EXPECT_EQ(QDir(root.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(ShellTextFiles, LineEnds) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), QStringList({"a", ""}));
    EXPECT_EQ(SplitLines("\r\r\n"), QStringList({"", ""}));
    EXPECT_EQ(ToPaneText("a\r\nb\rc\n"), "a\nb\nc\n");
    EXPECT_EQ(FromPaneText("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(FromPaneText(ToPaneText("X = 1\r\nEND")), "X = 1\r\nEND");
}

TEST(ShellTextFiles, BlankMeansSpacesOnly) {
    EXPECT_TRUE(IsBlank(""));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_FALSE(IsBlank("\r\n"));
    EXPECT_FALSE(IsBlank(" \t "));
    EXPECT_FALSE(IsBlank(" x "));
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks(" \tx\r\n "), "\tx\r\n");
    EXPECT_EQ(TrimBlanks("   "), "");
}

}  // namespace
}  // namespace tavolux::shell
