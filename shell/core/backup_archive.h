// The backup archive of BASIC sources: in the backup folder an index
// "ArchivioGenerale.Txt" of fixed 50-byte records (date, time, note and
// number of each backup) and one copy file per backup, "Tavolux0001.txt" and
// so on. Records are never removed: a deleted backup keeps its record, its
// date turned into ten question marks, and loses its copy.
//
// Every operation takes the folder (and the date and time where it needs
// them) as arguments and reports a failure with the platform's error text;
// none of them asks or shows anything.
//
// A damaged index (a length that is not a whole number of records, or a
// live record whose number field holds no backup number, or a number that
// another record holds too) is copied aside,
// byte for byte, into a new file beside it before any operation replaces or
// removes it. The index written then keeps every record in its place with
// the damaged ones marked deleted: they name no copy, so none is ever
// deleted or restored for them, and the next write finds a sound index.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tavolux::shell {

inline constexpr int kBackupRecordSize = 50;
inline constexpr int kBackupDateWidth = 10;
inline constexpr int kBackupTimeWidth = 5;
inline constexpr int kBackupNoteWidth = 31;
inline constexpr int kBackupNumberWidth = 4;
inline constexpr int kHighestBackupNumber = 9999;
inline constexpr char kBackupIndexName[] = "ArchivioGenerale.Txt";
inline constexpr char kDeletedBackupDate[] = "??????????";
// A damaged index is kept as "ArchivioGenerale-danneggiato-1.Txt", or the
// first number whose name is free.
inline constexpr char kKeptIndexPrefix[] = "ArchivioGenerale-danneggiato-";
inline constexpr char kKeptIndexSuffix[] = ".Txt";

// One record as it stands in the index: every field padded with blanks to
// its width (date 10, time 5, note 31, number 4 characters).
struct BackupRecord {
    QString BackupDate;
    QString BackupTime;
    QString BackupNote;
    QString BackupNumber;

    bool IsDeleted() const;
    // The number field holds no backup number (see ReadBackupNumber).
    bool IsDamaged() const;
    int Number() const;  // the number of BackupNumber, 0 when it is damaged
};

// A new record: the date as "dd/MM/yyyy" and the time as "HH:mm" in every
// locale, the note and the number cut or padded to their fields.
BackupRecord MakeBackupRecord(const QDateTime& when, const QString& note, int number);

// The record's 50 bytes: each field in Windows-1252 ("?" for what it cannot
// hold, line breaks and tabs as blanks), cut or padded with blanks to its
// width in bytes.
QByteArray EncodeBackupRecord(const BackupRecord& record);
// Reads the first 50 bytes (Windows-1252) of `bytes`, which must hold them.
BackupRecord DecodeBackupRecord(const QByteArray& bytes);

// The list line: the four fields with their padding, joined by " | "
// (59 characters).
QString BackupListLine(const BackupRecord& record);

// The value of a number field or of a list line's last four characters,
// read only when it stands as the archive writes a number: decimal digits,
// the first not 0, then blanks. 0 for anything else ("1x  ", "  12", "9E99",
// "1  0"), which is a damaged field: part of it could name another backup.
int ReadBackupNumber(const QString& text);

// The copy file of a backup: "Tavolux", the number as four digits with
// leading zeros, ".txt", in `folder`.
QString GetBackupFileName(const QString& folder, int number);
QString BackupIndexPath(const QString& folder);

// The folder the archive lives in, for the text of the folder box or of the
// setting: blanks around it and one trailing "\" or "/" are cut; a blank
// text means the working folder, and so does a folder with a drive letter
// (a setting written on Windows) on other systems. "" when there is none.
QString BackupFolderFor(const QString& text, const std::function<QString()>& workDir);

enum class BackupStatus {
    Done,
    NothingDone,      // no such backup, no archive, or the answer was No
    ArchiveFull,      // backup number 9999 is taken: nothing was written
    IndexUnreadable,  // the index could not be read: nothing was changed
    Failed,           // see `error`; what was written is said by the operation
};

struct BackupResult {
    BackupStatus status = BackupStatus::Done;
    QString error;   // the platform's error text when the status says a failure
    int number = 0;  // the number of the backup appended
    // Where the damaged index was kept before the operation replaced or
    // removed it; "" when the index was sound.
    QString keptAside;
};

// Listing: the live backups, newest first, and the highest number of every
// record, deleted ones included. Opening the folder's archive creates an
// empty index when it has none; an index whose records are all deleted is
// removed, unless it is damaged. A trailing fragment of a damaged index is
// read as one more record, a damaged one, and so is every record from the
// one before the first that is read out of place (its time not as the
// archive writes it): the bytes that went missing or were added may lie
// there.
struct BackupListing {
    bool ok = true;
    QString error;
    QStringList lines;
    // The backup each line names: its number, or 0 for a damaged record,
    // which is neither deleted nor restored.
    QList<int> numbers;
    int lastNumber = 0;
};
BackupListing LoadBackupList(const QString& folder);

// Makes sure the folder's index can be opened, creating an empty one when
// it is missing.
bool OpenBackupIndex(const QString& folder, QString* error);

// Appends a backup: the number after `lastNumber` and after every number in
// the index, passing over numbers whose copy name is already taken (no file
// is ever replaced). The copy is written first, then the whole index; when
// the index cannot be written the copy is removed again, so the archive is
// as it was.
BackupResult AppendBackup(const QString& folder, int lastNumber, const QDateTime& when,
                          const QString& note, const QString& basicText);

// Marks deleted the first live record with `number` that `confirm` accepts
// (a damaged record is never offered):
// the marked index is written first, then the copy removed. A failed write
// removes nothing; a copy that cannot be removed is reported (Failed) with
// the record marked.
BackupResult DeleteBackup(const QString& folder, int number,
                          const std::function<bool(const BackupRecord&)>& confirm);

// Removes every copy and then the index, after `confirm` (asked only when
// the index holds a record). A copy that cannot be removed is reported
// (Failed): the index then stays, that record live and the others marked.
BackupResult DeleteAllBackups(const QString& folder, const std::function<bool()>& confirm);

// Reads a backup's copy.
BackupResult ReadBackupCopy(const QString& folder, int number, QString* text);

}  // namespace tavolux::shell
