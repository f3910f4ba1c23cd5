#include <gtest/gtest.h>

#include "file_names.h"
#include "platform.h"

namespace tavolux::shell {
namespace {

TEST(ShellFileNames, ValidateFileName) {
    struct Case {
        const char* box;
        const char* folder;
        const char* result;
    };
    const Case cases[] = {
        {"", "/home/ana", ""},
        {"    ", "/home/ana", ""},
        {"C:\\", "/home/ana", ""},
        {"/", "/home/ana", ""},
        {"prova.bas", "/home/ana", "/home/ana/prova.bas"},
        {"  prova  ", "/home/ana", "/home/ana/prova"},
        {"prova.bas", "/", "/prova.bas"},
        {"prova.bas", "C:\\", "C:\\prova.bas"},
        {"/home/ana/x.bas", "/tmp", "/home/ana/x.bas"},
        {"/home//ana//x.bas", "/tmp", "/home/ana//x.bas"},
        {"C:\\\\\\x.bas", "/tmp", "C:\\\\x.bas"},
        {"D:x.bas", "/tmp", "D:x.bas"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValidateFileName(QString::fromUtf8(c.box), QString::fromUtf8(c.folder)),
                  QString::fromUtf8(c.result))
            << c.box;
    }
    EXPECT_EQ(ValidateFileName("/media/usb", "/tmp", {"/", "/media/usb"}), "");
}

TEST(ShellFileNames, DriveOfAPathIsTheLongestDriveHoldingIt) {
    const QStringList drives = {"/", "/home/ana", "/media/usb", "/media/usb2/"};
    EXPECT_EQ(DriveOf("/home/ana/prog/x.bas", drives), "/home/ana");
    EXPECT_EQ(DriveOf("/home/ana", drives), "/home/ana");
    EXPECT_EQ(DriveOf("/home/anna", drives), "/");
    EXPECT_EQ(DriveOf("/media/usb2/x", drives), "/media/usb2/");
    EXPECT_EQ(DriveOf("/media/usb/x", drives), "/media/usb");
    EXPECT_EQ(DriveOf("/tmp", drives), "/");
    EXPECT_EQ(DriveOf("C:\\x", {"D:/", "E:/"}), "D:/");
    EXPECT_EQ(DriveOf("/tmp", {}), "");
}

TEST(ShellFileNames, CollapseSeparators) {
    EXPECT_EQ(CollapseDoubledSeparators("/a//b///c"), "/a/b/c");
    EXPECT_EQ(CollapseDoubledSeparators("C:\\\\dir\\\\x.bas"), "C:\\dir\\x.bas");
    EXPECT_EQ(CollapseFirstDoubledSeparator("/a///b//c"), "/a//b//c");
}

TEST(ShellFileNames, AsmPathIsTheBasicPathWithAsmExtension) {
    EXPECT_EQ(AsmPathFor("/home/ana/lampeggio.bas"), "/home/ana/lampeggio.asm");
    EXPECT_EQ(AsmPathFor("/home/ana/lampeggio"), "/home/ana/lampeggio.asm");
    EXPECT_EQ(AsmPathFor("/home/a.b/prog.v2.BAS"), "/home/a.b/prog.v2.asm");
    EXPECT_EQ(AsmPathFor("C:\\Prog\\x.bas"), "C:\\Prog\\x.asm");
    EXPECT_EQ(AsmPathFor("/home/ana/.bas"), "/home/ana/.bas.asm");
    EXPECT_EQ(AsmPathFor(""), "");
}

TEST(ShellFileNames, ProbeCommandLine) {
    struct Case {
        QStringList args;
        bool shown;
    };
    const Case cases[] = {
        {{"PROBE"}, true},   {{"probe"}, true},   {{"ProBe"}, true},       {{}, false},
        {{" PROBE"}, false}, {{"PROBE "}, false}, {{"PROBE", "x"}, false}, {{"PROBEX"}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsProbeCommandLine(c.args), c.shown) << c.args.join('|').toStdString();
}

TEST(ShellFileNames, SaveTitles) {
    EXPECT_TRUE(IsSaveTitle("Salvataggio File ASM"));
    EXPECT_FALSE(IsSaveTitle("Apertura File"));
    EXPECT_FALSE(IsSaveTitle("salvataggio"));
}

TEST(ShellFileNames, PathPieces) {
    EXPECT_EQ(FolderPart("/home/ana/x.bas"), "/home/ana");
    EXPECT_EQ(FolderPart("C:\\Prog\\x.bas"), "C:\\Prog");
    EXPECT_EQ(FolderPart("/x.bas"), "/");
    EXPECT_EQ(FolderPart("x.bas"), "");
    EXPECT_EQ(NamePart("/home/ana/x.bas"), "x.bas");
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("/home", "x"), "/home/x");
}

}  // namespace
}  // namespace tavolux::shell
