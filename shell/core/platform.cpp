#include "platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>

namespace tavolux::shell {

namespace {

const char kProbeName[] = "TmpABCTmp.Txt";
const char kConfigName[] = "_PicConfig.Txt";

void AddOnce(QStringList& list, const QString& item) {
    if (item.isEmpty()) return;
    QString clean = QDir::cleanPath(item);
    if (!list.contains(clean)) list << clean;
}

bool IsSharedFolder(const QString& folder) {
    QFileInfo info(folder);
    return info.exists() && info.permission(QFileDevice::WriteOther);
}

bool Probe(const QString& folder) {
    QFileInfo info(folder);
    if (!info.isDir() || IsSharedFolder(folder)) return false;
    QString probePath = JoinPath(folder, QString::fromLatin1(kProbeName));
    QFile probe(probePath);
    if (probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        probe.close();
        probe.remove();
        return true;
    }
    if (!QFileInfo::exists(probePath)) return false;
    // A file of the probe's name was there before: leave it alone and try a
    // file of our own.
    QTemporaryFile other(JoinPath(folder, QStringLiteral("TmpABCTmp-XXXXXX.Txt")));
    return other.open();
}

}  // namespace

QStringList ListDrives() {
    QStringList drives;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) AddOnce(drives, drive.absoluteFilePath());
#else
    drives << QStringLiteral("/");
    AddOnce(drives, QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) AddOnce(drives, volume.rootPath());
    }
#endif
    return drives;
}

QStringList WorkDirCandidates(const QString& appDataDir, const QString& homeDir,
                              const QString& currentDir) {
    QStringList list;
    AddOnce(list, appDataDir);
    AddOnce(list, homeDir);
    AddOnce(list, currentDir);
    return list;
}

QStringList DefaultWorkDirCandidates() {
    QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!appData.isEmpty()) QDir().mkpath(appData);
    return WorkDirCandidates(appData, QDir::homePath(), QDir::currentPath());
}

QString FindWorkDir(const QStringList& candidates) {
    for (const QString& folder : candidates) {
        if (Probe(folder)) return folder;
    }
    return QString();
}

QString FindWorkDir() {
    return FindWorkDir(DefaultWorkDirCandidates());
}

QString GetConfigFilePath() {
    QString dir = FindWorkDir();
    return dir.isEmpty() ? QString() : JoinPath(dir, QString::fromLatin1(kConfigName));
}

QStringList DefaultProgramFolders(const QString& homeDir, const QStringList& drives) {
    const QString name = QStringLiteral("Tavolux Programmi");
    QStringList folders;
    if (!homeDir.isEmpty()) AddOnce(folders, JoinPath(homeDir, name));
    for (const QString& drive : drives) AddOnce(folders, JoinPath(drive, name));
    return folders;
}

QString HelpExportPath() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\TMP-HELP.TXT");
#else
    QString dir = FindWorkDir();
    return dir.isEmpty() ? QString() : JoinPath(dir, QStringLiteral("TMP-HELP.TXT"));
#endif
}

QString FolderPart(const QString& path) {
    qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0) return QString();
    if (cut == 0) return path.left(1);  // the root
    return path.left(cut);
}

QStringList FolderChain(const QString& folder) {
    QStringList chain;
    if (folder.isEmpty()) return chain;
    QDir dir(QDir::cleanPath(QDir(folder).absolutePath()));
    for (;;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    return chain;
}

QString NamePart(const QString& path) {
    qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(u'/') || folder.endsWith(u'\\')) return folder + name;
    return folder + u'/' + name;
}

bool RegularFileExists(const QString& path) {
    if (path.isEmpty()) return false;
    QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool SamePath(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    QFileInfo ia(a), ib(b);
    QString ca = ia.exists() ? ia.canonicalFilePath() : QDir::cleanPath(ia.absoluteFilePath());
    QString cb = ib.exists() ? ib.canonicalFilePath() : QDir::cleanPath(ib.absoluteFilePath());
    return ca == cb;
}

}  // namespace tavolux::shell
