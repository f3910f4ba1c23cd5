#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "text_files.h"

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
