#include "backup_archive.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>

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

void MarkDeleted(BackupRecord& record) {
    record.BackupDate = QString::fromLatin1(kDeletedBackupDate);
}

// The index as read: its bytes and its records, a trailing fragment read as
// one more record with its missing bytes as "?" (so its number field is
// always damaged). A missing index (or a link that leads nowhere) holds no
// record. `damaged` marks each live record that names no backup of its own
// (see DamagedRecords).
struct Index {
    QByteArray bytes;
    QList<BackupRecord> records;
    QList<bool> damaged;

    bool Damaged() const { return bytes.size() % kBackupRecordSize != 0 || damaged.contains(true); }
};

// The time as the archive writes it: two digits, ":", two digits.
bool TimeAsWritten(const QString& time) {
    auto digit = [&](int k) { return time[k] >= u'0' && time[k] <= u'9'; };
    return time.size() == kBackupTimeWidth && digit(0) && digit(1) && time[2] == u':' && digit(3) &&
           digit(4);
}

// A live record names no backup when its number field is damaged, or when
// another record holds the same number: the archive never writes a number
// twice, so one of them was changed, and which one is not known.
//
// In an index that is not a whole number of records, bytes went missing or
// were added, and every record after that place is read shifted, its time
// out of place. The record before the first one so shifted may hold the
// place itself, with a number changed by it ("1" grown into "10"): from
// there on no record names a backup. When none is shifted, only the cut
// last record is damaged.
QList<bool> DamagedRecords(const QList<BackupRecord>& records, bool wholeRecords) {
    QHash<int, int> holders;
    for (const BackupRecord& record : records) {
        if (record.Number() > 0) ++holders[record.Number()];
    }
    qsizetype shiftedFrom = records.size();
    if (!wholeRecords) {
        for (qsizetype k = 0; k < records.size(); ++k) {
            if (!TimeAsWritten(records[k].BackupTime)) {
                shiftedFrom = std::max<qsizetype>(0, k - 1);
                break;
            }
        }
    }
    QList<bool> damaged;
    for (qsizetype k = 0; k < records.size(); ++k) {
        const BackupRecord& record = records[k];
        damaged << (!record.IsDeleted() &&
                    (record.IsDamaged() || k >= shiftedFrom || holders.value(record.Number()) > 1));
    }
    return damaged;
}

bool ReadIndex(const QString& folder, Index* index, QString* error) {
    *index = Index();
    const QString path = BackupIndexPath(folder);
    if (!QFileInfo::exists(path)) return true;
    if (!ReadWholeFile(path, &index->bytes, error)) return false;
    const QByteArray& bytes = index->bytes;
    for (qsizetype at = 0; at < bytes.size(); at += kBackupRecordSize) {
        QByteArray record = bytes.mid(at, kBackupRecordSize);
        if (record.size() < kBackupRecordSize) {
            record += QByteArray(kBackupRecordSize - record.size(), '?');
        }
        index->records.append(DecodeBackupRecord(record));
    }
    index->damaged = DamagedRecords(index->records, bytes.size() % kBackupRecordSize == 0);
    return true;
}

// Copies a damaged index's bytes into the first free
// "ArchivioGenerale-danneggiato-N.Txt" beside it; no file is replaced.
bool KeepIndexAside(const QString& folder, const QByteArray& bytes, QString* keptAside,
                    QString* error) {
    for (int n = 1;; ++n) {
        const QString path =
            JoinPath(folder, QString::fromLatin1(kKeptIndexPrefix) + QString::number(n) +
                                 QString::fromLatin1(kKeptIndexSuffix));
        if (NameTaken(path)) continue;
        if (!WriteFileAtomically(path, bytes, error)) return false;
        *keptAside = path;
        return true;
    }
}

// Replaces the index with `records` (the old index's records in their
// places, then any new ones), or removes it when `records` is null. A
// damaged index is kept aside first, and its damaged records are written
// marked deleted. When the replacement fails, the copy aside is taken back
// (the index is as it was) and *keptAside is "".
bool ReplaceIndex(const QString& folder, const Index& old, const QList<BackupRecord>* records,
                  QString* keptAside, QString* error) {
    keptAside->clear();
    if (old.Damaged() && !KeepIndexAside(folder, old.bytes, keptAside, error)) return false;
    bool done;
    if (records) {
        QByteArray bytes;
        bytes.reserve(records->size() * kBackupRecordSize);
        for (qsizetype k = 0; k < records->size(); ++k) {
            BackupRecord record = (*records)[k];
            if (old.damaged.value(k)) MarkDeleted(record);
            bytes += EncodeBackupRecord(record);
        }
        done = WriteFileAtomically(BackupIndexPath(folder), bytes, error);
    } else {
        QFile index(BackupIndexPath(folder));
        done = index.remove();
        if (!done && error) *error = index.errorString();
    }
    if (!done && !keptAside->isEmpty()) {
        QFile::remove(*keptAside);
        keptAside->clear();
    }
    return done;
}

}  // namespace

bool BackupRecord::IsDeleted() const {
    return BackupDate == QLatin1String(kDeletedBackupDate);
}

bool BackupRecord::IsDamaged() const {
    return Number() == 0;
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
    auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    qsizetype end = 0;
    while (end < text.size() && digit(text[end])) ++end;
    if (end == 0 || end > kBackupNumberWidth || text[0] == u'0') return 0;
    for (qsizetype k = end; k < text.size(); ++k) {
        if (text[k] != u' ') return 0;
    }
    return text.left(end).toInt();
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
    Index index;
    if (!OpenBackupIndex(folder, &listing.error) || !ReadIndex(folder, &index, &listing.error)) {
        listing.ok = false;
        return listing;
    }
    const QList<BackupRecord>& records = index.records;
    for (qsizetype k = records.size() - 1; k >= 0; --k) {
        listing.lastNumber = std::max(listing.lastNumber, records[k].Number());
        if (records[k].IsDeleted()) continue;
        listing.lines << BackupListLine(records[k]);
        listing.numbers << (index.damaged[k] ? 0 : records[k].Number());
    }
    // A damaged index waits for a write, which keeps it aside first.
    if (!records.isEmpty() && listing.lines.isEmpty() && !index.Damaged()) {
        QFile::remove(BackupIndexPath(folder));
    }
    return listing;
}

BackupResult AppendBackup(const QString& folder, int lastNumber, const QDateTime& when,
                          const QString& note, const QString& basicText) {
    if (folder.isEmpty()) return Failure(BackupStatus::Failed, kNoFolder);
    Index index;
    QString error;
    if (!ReadIndex(folder, &index, &error)) return Failure(BackupStatus::IndexUnreadable, error);
    QList<BackupRecord> records = index.records;
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
    BackupResult result;
    if (!ReplaceIndex(folder, index, &records, &result.keptAside, &error)) {
        QFile::remove(copy);
        return Failure(BackupStatus::Failed, error);
    }
    result.number = number;
    return result;
}

BackupResult DeleteBackup(const QString& folder, int number,
                          const std::function<bool(const BackupRecord&)>& confirm) {
    if (folder.isEmpty()) return Failure(BackupStatus::IndexUnreadable, kNoFolder);
    if (number < 1) return Outcome(BackupStatus::NothingDone);
    Index index;
    QString error;
    if (!ReadIndex(folder, &index, &error)) return Failure(BackupStatus::IndexUnreadable, error);
    QList<BackupRecord> records = index.records;
    for (qsizetype k = 0; k < records.size(); ++k) {
        BackupRecord& record = records[k];
        // A damaged record names no backup, not even the one its number says.
        if (record.IsDeleted() || index.damaged[k] || record.Number() != number ||
            !confirm(record)) {
            continue;
        }
        MarkDeleted(record);
        BackupResult result;
        if (!ReplaceIndex(folder, index, &records, &result.keptAside, &error)) {
            return Failure(BackupStatus::Failed, error);
        }
        QFile copy(GetBackupFileName(folder, number));
        if (!copy.remove()) {
            result.status = BackupStatus::Failed;
            result.error = copy.errorString();
        }
        return result;
    }
    return Outcome(BackupStatus::NothingDone);
}

BackupResult DeleteAllBackups(const QString& folder, const std::function<bool()>& confirm) {
    if (folder.isEmpty()) return Failure(BackupStatus::IndexUnreadable, kNoFolder);
    Index index;
    QString error;
    if (!ReadIndex(folder, &index, &error)) return Failure(BackupStatus::IndexUnreadable, error);
    QList<BackupRecord> records = index.records;
    if (records.isEmpty() || !confirm()) return Outcome(BackupStatus::NothingDone);

    QStringList errors;
    for (qsizetype k = 0; k < records.size(); ++k) {
        BackupRecord& record = records[k];
        if (record.IsDeleted()) continue;
        // Which copy a damaged record had is not known: none is deleted for
        // it; the index kept aside still lists it.
        if (index.damaged[k]) {
            MarkDeleted(record);
            continue;
        }
        QFile copy(GetBackupFileName(folder, record.Number()));
        // A copy already gone needs no deleting.
        if (NameTaken(copy.fileName()) && !copy.remove()) {
            errors << NamePart(copy.fileName()) + QStringLiteral(": ") + copy.errorString();
            continue;
        }
        MarkDeleted(record);
    }
    BackupResult result;
    if (!errors.isEmpty()) {
        // The index keeps the backups whose copies are still there.
        if (!ReplaceIndex(folder, index, &records, &result.keptAside, &error)) errors << error;
        result.status = BackupStatus::Failed;
        result.error = errors.join(QStringLiteral("\r\n"));
        return result;
    }
    if (!ReplaceIndex(folder, index, nullptr, &result.keptAside, &error)) {
        return Failure(BackupStatus::Failed, error);
    }
    return result;
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
