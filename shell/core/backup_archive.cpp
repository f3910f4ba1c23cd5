#include "backup_archive.h"

#include <QFile>
#include <QFileInfo>

#include "platform.h"
#include "text_files.h"

namespace tavolux::shell {

namespace {

const QString kNoFolder = QStringLiteral("nessuna directory di lavoro disponibile");

// A field's text: one character for each character of `text` that
// Windows-1252 holds, "?" for the others, a blank for line breaks, tabs and
// other control characters; cut or padded with blanks to `width`.
QString FieldText(const QString& text, int width) {
    QString field;
    for (char32_t code : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (field.size() == width) break;
        if (code < 0x20 || code == 0x2028 || code == 0x2029) {
            field += u' ';
        } else if (code > 0xFFFF) {
            field += u'?';
        } else {
            field += QChar(static_cast<char16_t>(code));
        }
    }
    field = DecodeWindows1252(EncodeWindows1252(field));
    return field.leftJustified(width, u' ');
}

BackupResult Failure(BackupStatus status, const QString& error) {
    BackupResult result;
    result.status = status;
    result.error = error;
    return result;
}

BackupResult Outcome(BackupStatus status) {
    BackupResult result;
    result.status = status;
    return result;
}

// A name is taken by anything that stands there: a file, a folder, a link
// (even one that leads nowhere).
bool NameTaken(const QString& path) {
    QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The whole records of the index; a trailing fragment is not read. A
// missing index (or a link that leads nowhere) holds no record.
bool ReadIndex(const QString& folder, QList<BackupRecord>* records, QString* error) {
    records->clear();
    const QString path = BackupIndexPath(folder);
    if (!QFileInfo::exists(path)) return true;
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes, error)) return false;
    for (qsizetype at = 0; at + kBackupRecordSize <= bytes.size(); at += kBackupRecordSize) {
        records->append(DecodeBackupRecord(bytes.mid(at, kBackupRecordSize)));
    }
    return true;
}

bool WriteIndex(const QString& folder, const QList<BackupRecord>& records, QString* error) {
    QByteArray bytes;
    bytes.reserve(records.size() * kBackupRecordSize);
    for (const BackupRecord& record : records) bytes += EncodeBackupRecord(record);
    return WriteFileAtomically(BackupIndexPath(folder), bytes, error);
}

void MarkDeleted(BackupRecord& record) {
    record.BackupDate = QString::fromLatin1(kDeletedBackupDate);
}

}  // namespace

bool BackupRecord::IsDeleted() const {
    return BackupDate == QLatin1String(kDeletedBackupDate);
}

int BackupRecord::Number() const {
    return ReadBackupNumber(BackupNumber);
}

BackupRecord MakeBackupRecord(const QDateTime& when, const QString& note, int number) {
    BackupRecord record;
    record.BackupDate = FieldText(when.date().toString(u"dd/MM/yyyy"), kBackupDateWidth);
    record.BackupTime = FieldText(when.time().toString(u"HH:mm"), kBackupTimeWidth);
    record.BackupNote = FieldText(note, kBackupNoteWidth);
    record.BackupNumber = FieldText(QString::number(number), kBackupNumberWidth);
    return record;
}

QByteArray EncodeBackupRecord(const BackupRecord& record) {
    return EncodeWindows1252(FieldText(record.BackupDate, kBackupDateWidth) +
                             FieldText(record.BackupTime, kBackupTimeWidth) +
                             FieldText(record.BackupNote, kBackupNoteWidth) +
                             FieldText(record.BackupNumber, kBackupNumberWidth));
}

BackupRecord DecodeBackupRecord(const QByteArray& bytes) {
    BackupRecord record;
    record.BackupDate = DecodeWindows1252(bytes.mid(0, kBackupDateWidth));
    record.BackupTime = DecodeWindows1252(bytes.mid(10, kBackupTimeWidth));
    record.BackupNote = DecodeWindows1252(bytes.mid(15, kBackupNoteWidth));
    record.BackupNumber = DecodeWindows1252(bytes.mid(46, kBackupNumberWidth));
    return record;
}

QString BackupListLine(const BackupRecord& record) {
    const QString bar = QStringLiteral(" | ");
    return record.BackupDate.leftJustified(kBackupDateWidth, u' ', true) + bar +
           record.BackupTime.leftJustified(kBackupTimeWidth, u' ', true) + bar +
           record.BackupNote.leftJustified(kBackupNoteWidth, u' ', true) + bar +
           record.BackupNumber.leftJustified(kBackupNumberWidth, u' ', true);
}

int ReadBackupNumber(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        if (c == u' ') continue;
        if (c < u'0' || c > u'9' || value > 99999999) break;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QString GetBackupFileName(const QString& folder, int number) {
    return JoinPath(folder, QStringLiteral("Tavolux") + QString::number(number + 10000).right(4) +
                                QStringLiteral(".txt"));
}

QString BackupIndexPath(const QString& folder) {
    return JoinPath(folder, QString::fromLatin1(kBackupIndexName));
}

QString BackupFolderFor(const QString& text, const std::function<QString()>& workDir) {
    QString folder = TrimBlanks(text);
    if (folder.endsWith(u'\\') || folder.endsWith(u'/')) folder.chop(1);
    if (IsBlank(folder)) return workDir();
#ifndef Q_OS_WIN
    const bool driveLetter =
        folder.size() >= 2 && folder[1] == u':' &&
        ((folder[0] >= u'A' && folder[0] <= u'Z') || (folder[0] >= u'a' && folder[0] <= u'z'));
    if (driveLetter) return workDir();
#endif
    return folder;
}

bool OpenBackupIndex(const QString& folder, QString* error) {
    if (folder.isEmpty()) {
        if (error) *error = kNoFolder;
        return false;
    }
    QFile index(BackupIndexPath(folder));
    QIODevice::OpenMode mode = QIODevice::ReadWrite;
    if (!index.exists()) mode |= QIODevice::NewOnly;
    if (!index.open(mode)) {
        if (error) *error = index.errorString();
        return false;
    }
    return true;
}

BackupListing LoadBackupList(const QString& folder) {
    BackupListing listing;
    QList<BackupRecord> records;
    if (!OpenBackupIndex(folder, &listing.error) || !ReadIndex(folder, &records, &listing.error)) {
        listing.ok = false;
        return listing;
    }
    for (qsizetype k = records.size() - 1; k >= 0; --k) {
        listing.lastNumber = std::max(listing.lastNumber, records[k].Number());
        if (!records[k].IsDeleted()) listing.lines << BackupListLine(records[k]);
    }
    if (!records.isEmpty() && listing.lines.isEmpty()) QFile::remove(BackupIndexPath(folder));
    return listing;
}

BackupResult AppendBackup(const QString& folder, int lastNumber, const QDateTime& when,
                          const QString& note, const QString& basicText) {
    if (folder.isEmpty()) return Failure(BackupStatus::Failed, kNoFolder);
    QList<BackupRecord> records;
    QString error;
    if (!ReadIndex(folder, &records, &error)) {
        return Failure(BackupStatus::IndexUnreadable, error);
    }
    int number = lastNumber;
    for (const BackupRecord& record : records) number = std::max(number, record.Number());
    ++number;
    while (number <= kHighestBackupNumber && NameTaken(GetBackupFileName(folder, number))) {
        ++number;
    }
    if (number > kHighestBackupNumber) return Outcome(BackupStatus::ArchiveFull);

    const QString copy = GetBackupFileName(folder, number);
    if (!WriteFileAtomically(copy, basicText.toUtf8(), &error)) {
        return Failure(BackupStatus::Failed, error);
    }
    records.append(MakeBackupRecord(when, note, number));
    if (!WriteIndex(folder, records, &error)) {
        QFile::remove(copy);
        return Failure(BackupStatus::Failed, error);
    }
    BackupResult result;
    result.number = number;
    return result;
}

BackupResult DeleteBackup(const QString& folder, int number,
                          const std::function<bool(const BackupRecord&)>& confirm) {
    if (folder.isEmpty()) return Failure(BackupStatus::IndexUnreadable, kNoFolder);
    if (number < 1) return Outcome(BackupStatus::NothingDone);
    QList<BackupRecord> records;
    QString error;
    if (!ReadIndex(folder, &records, &error)) {
        return Failure(BackupStatus::IndexUnreadable, error);
    }
    for (BackupRecord& record : records) {
        if (record.IsDeleted() || record.Number() != number || !confirm(record)) continue;
        MarkDeleted(record);
        if (!WriteIndex(folder, records, &error)) return Failure(BackupStatus::Failed, error);
        QFile copy(GetBackupFileName(folder, number));
        if (!copy.remove()) return Failure(BackupStatus::Failed, copy.errorString());
        return Outcome(BackupStatus::Done);
    }
    return Outcome(BackupStatus::NothingDone);
}

BackupResult DeleteAllBackups(const QString& folder, const std::function<bool()>& confirm) {
    if (folder.isEmpty()) return Failure(BackupStatus::IndexUnreadable, kNoFolder);
    QList<BackupRecord> records;
    QString error;
    if (!ReadIndex(folder, &records, &error)) {
        return Failure(BackupStatus::IndexUnreadable, error);
    }
    if (records.isEmpty() || !confirm()) return Outcome(BackupStatus::NothingDone);

    QStringList errors;
    for (BackupRecord& record : records) {
        if (record.IsDeleted()) continue;
        QFile copy(GetBackupFileName(folder, record.Number()));
        // A copy already gone needs no deleting.
        if (NameTaken(copy.fileName()) && !copy.remove()) {
            errors << NamePart(copy.fileName()) + QStringLiteral(": ") + copy.errorString();
            continue;
        }
        MarkDeleted(record);
    }
    if (!errors.isEmpty()) {
        // The index keeps the backups whose copies are still there.
        if (!WriteIndex(folder, records, &error)) errors << error;
        return Failure(BackupStatus::Failed, errors.join(QStringLiteral("\r\n")));
    }
    QFile index(BackupIndexPath(folder));
    if (!index.remove()) return Failure(BackupStatus::Failed, index.errorString());
    return Outcome(BackupStatus::Done);
}

BackupResult ReadBackupCopy(const QString& folder, int number, QString* text) {
    if (folder.isEmpty()) return Failure(BackupStatus::Failed, kNoFolder);
    if (number < 1) return Outcome(BackupStatus::NothingDone);
    QString error;
    if (!ReadTextFile(GetBackupFileName(folder, number), text, &error)) {
        return Failure(BackupStatus::Failed, error);
    }
    return Outcome(BackupStatus::Done);
}

}  // namespace tavolux::shell
