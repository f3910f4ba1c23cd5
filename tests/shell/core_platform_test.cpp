#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform.h"
#include "text_files.h"

namespace tavolux::shell {
namespace {

bool RunningAsRoot() {
    return geteuid() == 0;
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(ShellPlatform, CandidatesInOrderWithoutRepeats) {
    EXPECT_EQ(WorkDirCandidates("/h/.local/share/Tavolux", "/h", "/w"),
              QStringList({"/h/.local/share/Tavolux", "/h", "/w"}));
    EXPECT_EQ(WorkDirCandidates("", "/h", "/h/"), QStringList({"/h"}));
}

TEST(ShellPlatform, FirstWritableCandidateWinsAndNoProbeIsLeft) {
    QTemporaryDir root;
    QString a = root.filePath("a"), b = root.filePath("b");
    QDir().mkpath(b);
    // "a" does not exist, "b" does.
    EXPECT_EQ(FindWorkDir({a, b}), b);
    EXPECT_TRUE(Entries(b).isEmpty());
    EXPECT_EQ(FindWorkDir({}), "");
    EXPECT_EQ(FindWorkDir({a}), "");
}

TEST(ShellPlatform, ProbeKeepsAFileThatWasAlreadyThere) {
    QTemporaryDir root;
    QString probe = root.filePath("TmpABCTmp.Txt");
    ASSERT_TRUE(WriteFileAtomically(probe, "notes of the student", nullptr));
    EXPECT_EQ(FindWorkDir({root.path()}), root.path());
    QByteArray kept;
    ASSERT_TRUE(ReadWholeFile(probe, &kept, nullptr));
    EXPECT_EQ(kept, "notes of the student");
    EXPECT_EQ(Entries(root.path()), QStringList{"TmpABCTmp.Txt"});
}

TEST(ShellPlatform, UnwritableAndSharedFoldersArePassedOver) {
    QTemporaryDir root;
    QString locked = root.filePath("locked"), shared = root.filePath("shared"),
            own = root.filePath("own");
    for (const QString& f : {locked, shared, own}) QDir().mkpath(f);
    QFile::setPermissions(shared, QFile::permissions(shared) | QFileDevice::WriteOther);
    EXPECT_EQ(FindWorkDir({shared, own}), own);
    if (RunningAsRoot()) GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(FindWorkDir({locked, own}), own);
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(ShellPlatform, DrivesStartAtTheRootThenHome) {
    QStringList drives = ListDrives();
    ASSERT_GE(drives.size(), 2);
    EXPECT_EQ(drives[0], "/");
    EXPECT_EQ(drives[1], QDir::cleanPath(QDir::homePath()));
    EXPECT_EQ(drives.removeDuplicates(), 0);
}

TEST(ShellPlatform, DefaultProgramFolders) {
    EXPECT_EQ(DefaultProgramFolders("/home/ana", {"/", "/home/ana", "/media/usb"}),
              QStringList({"/home/ana/Tavolux Programmi", "/Tavolux Programmi",
                           "/media/usb/Tavolux Programmi"}));
}

TEST(ShellPlatform, FolderChainRunsFromTheRootDown) {
    struct Case {
        const char* folder;
        QStringList chain;
    };
    const Case cases[] = {
        {"/", {"/"}},
        {"/home/ana", {"/", "/home", "/home/ana"}},
        {"/home/ana/", {"/", "/home", "/home/ana"}},
        {"/home//ana/./x/..", {"/", "/home", "/home/ana"}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(FolderChain(c.folder), c.chain) << c.folder;
}

TEST(ShellPlatform, RegularFileExistsCountsHiddenFilesButNotFolders) {
    QTemporaryDir root;
    ASSERT_TRUE(WriteFileAtomically(root.filePath(".hidden.bas"), "x", nullptr));
    EXPECT_TRUE(RegularFileExists(root.filePath(".hidden.bas")));
    EXPECT_FALSE(RegularFileExists(root.path()));
    EXPECT_FALSE(RegularFileExists(root.filePath("missing")));
    EXPECT_FALSE(RegularFileExists(""));
}

TEST(ShellPlatform, SamePath) {
    QTemporaryDir root;
    ASSERT_TRUE(WriteFileAtomically(root.filePath("p.bas"), "x", nullptr));
    EXPECT_TRUE(SamePath(root.filePath("p.bas"), root.path() + "/./p.bas"));
    EXPECT_TRUE(SamePath(root.filePath("new.asm"), root.path() + "//new.asm"));
    EXPECT_FALSE(SamePath(root.filePath("p.bas"), root.filePath("p.asm")));
    EXPECT_FALSE(SamePath("", ""));
}

}  // namespace
}  // namespace tavolux::shell
