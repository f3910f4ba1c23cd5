#include "file_names.h"

#include <QDir>

#include "platform.h"

namespace tavolux::shell {

namespace {

qsizetype FirstDoubled(const QString& path) {
    qsizetype a = path.indexOf(QStringLiteral("//"));
    qsizetype b = path.indexOf(QStringLiteral("\\\\"));
    if (a < 0) return b;
    if (b < 0) return a;
    return std::min(a, b);
}

}  // namespace

QString CollapseDoubledSeparators(QString path) {
    for (qsizetype at = FirstDoubled(path); at >= 0; at = FirstDoubled(path)) path.remove(at, 1);
    return path;
}

QString CollapseFirstDoubledSeparator(QString path) {
    qsizetype at = FirstDoubled(path);
    if (at >= 0) path.remove(at, 1);
    return path;
}

bool IsDriveRoot(const QString& name, const QStringList& drives) {
    if (name.endsWith(QStringLiteral(":\\")) || name.endsWith(QStringLiteral(":/"))) return true;
    bool onlySeparators = !name.isEmpty();
    for (QChar c : name) onlySeparators = onlySeparators && (c == u'/' || c == u'\\');
    if (onlySeparators) return true;
    for (const QString& drive : drives) {
        if (QDir::cleanPath(drive) == QDir::cleanPath(name)) return true;
    }
    return false;
}

QString DriveOf(const QString& path, const QStringList& drives) {
    QString best;
    for (const QString& drive : drives) {
        QString root = drive.endsWith(u'/') ? drive : drive + u'/';
        if ((path == drive || path.startsWith(root)) && drive.size() > best.size()) best = drive;
    }
    return best.isEmpty() && !drives.isEmpty() ? drives.first() : best;
}

QString ValidateFileName(const QString& nameBox, const QString& shownFolder,
                         const QStringList& drives) {
    QString name = nameBox.trimmed();
    if (name.isEmpty() || IsDriveRoot(name, drives)) return QString();
    name = CollapseFirstDoubledSeparator(name);
    if (!name.contains(u'/') && !name.contains(u'\\') && !name.contains(u':')) {
        name = JoinPath(shownFolder, name);
    }
    return name;
}

QString AsmPathFor(const QString& basicPath) {
    if (basicPath.isEmpty()) return QString();
    QString name = NamePart(basicPath);
    qsizetype dot = name.lastIndexOf(u'.');
    QString stem = dot > 0 ? name.left(dot) : name;
    QString folder = basicPath.left(basicPath.size() - name.size());
    return folder + stem + QStringLiteral(".asm");
}

bool IsProbeCommandLine(const QStringList& arguments) {
    return arguments.join(u' ').toUpper() == u"PROBE";
}

bool IsSaveTitle(const QString& title) {
    return title.startsWith(u'S');
}

}  // namespace tavolux::shell
