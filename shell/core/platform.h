// What the program needs from the machine, in one place: drives, the working
// folder, the default program folder, file existence and path pieces.
#pragma once

#include <QString>
#include <QStringList>

namespace tavolux::shell {

// The drives, in the order the file dialog lists them: "/", the home folder,
// then the mounted volumes; on Windows the drive roots.
QStringList ListDrives();

// Working-folder candidates in search order: the application data folder,
// the home folder, the current folder. Empty entries and repeats are left
// out.
QStringList WorkDirCandidates(const QString& appDataDir, const QString& homeDir,
                              const QString& currentDir);
// The candidates of this machine (the application data folder is created
// when missing).
QStringList DefaultWorkDirCandidates();

// The first candidate in which a file can be created, or "" when none can.
// Folders anyone may write into (shared temporary folders) are passed over.
// The probe "TmpABCTmp.Txt" is removed again only when the probe created it.
QString FindWorkDir(const QStringList& candidates);
QString FindWorkDir();
// The settings file "_PicConfig.Txt" in the working folder, or "".
QString GetConfigFilePath();

// Where the file dialog looks for programs when nothing is proposed: the
// folder "Tavolux Programmi" in the home folder, then at each drive's root.
QStringList DefaultProgramFolders(const QString& homeDir, const QStringList& drives);

// The help export: "C:\TMP-HELP.TXT" on Windows, elsewhere "TMP-HELP.TXT" in
// the working folder ("" without one).
QString HelpExportPath();

// A path's folder part ends at its last "/" or "\"; "" when it has none.
QString FolderPart(const QString& path);
QString NamePart(const QString& path);
// The folder and every folder above it, from the root down to the folder
// itself, as absolute paths.
QStringList FolderChain(const QString& folder);
// Folder and name joined with one separator.
QString JoinPath(const QString& folder, const QString& name);

// A regular file of that name exists; hidden files count, folders do not.
bool RegularFileExists(const QString& path);
// Both name the same file (the same absolute path once resolved).
bool SamePath(const QString& a, const QString& b);

}  // namespace tavolux::shell
