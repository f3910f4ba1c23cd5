#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>

#include "backup_archive.h"
#include "text_files.h"

namespace tavolux::shell {
namespace {

const QDateTime kWhen(QDate(2024, 3, 5), QTime(14, 7, 59));

// A record as the index holds it, written out by hand.
QByteArray Record(const QByteArray& dateTime, const QByteArray& note, const QByteArray& number) {
    return dateTime + note.leftJustified(31, ' ') + number.leftJustified(4, ' ');
}
const QByteArray kDate = "05/03/202414:07";
const QByteArray kGone = "??????????14:07";

TEST(ShellBackupRecord, FiftyBytesWhateverTheNote) {
    struct Case {
        QString note;
        int number;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"", 7, "05/03/202414:07                               7   "},
        {"Semaforo con pulsante e due LED rossi!!!", 9999,
         "05/03/202414:07Semaforo con pulsante e due LED9999"},
        // "è" takes two bytes in UTF-8 and one in the record.
        {QString::fromUtf8("perch\xC3\xA8 \xC3\xA8 cos\xC3\xAC: \xE2\x82\xAC"), 12,
         Record(kDate, "perch\xE8 \xE8 cos\xEC: \x80", "12")},
        {QString(40, QChar(0xE8)), 1, Record(kDate, QByteArray(31, '\xE8'), "1")},
        // Line breaks and tabs are blanks; what the code page lacks is one "?"
        // a character, a character outside the basic plane included.
        {QString::fromUtf8("a\r\nb\tc \xE4\xB8\x80 \xF0\x9F\x98\x80 e\xCC\x80"), 3,
         Record(kDate, "a  b c ? ? \xE8", "3")},
    };
    for (const Case& c : cases) {
        QByteArray bytes = EncodeBackupRecord(MakeBackupRecord(kWhen, c.note, c.number));
        EXPECT_EQ(bytes.size(), kBackupRecordSize) << c.note.toStdString();
        EXPECT_EQ(bytes, c.bytes) << c.note.toStdString();
        // Read back as Windows-1252 even where the bytes happen to be UTF-8.
        BackupRecord back = DecodeBackupRecord(bytes);
        EXPECT_EQ(EncodeBackupRecord(back), bytes);
        EXPECT_EQ(back.Number(), c.number);
        EXPECT_FALSE(back.IsDeleted());
    }
    BackupRecord utf8Looking = DecodeBackupRecord(Record(kDate, "perch\xC3\xA8", "2"));
    EXPECT_EQ(utf8Looking.BackupNote, QString::fromUtf8("perch\xC3\x83\xC2\xA8").leftJustified(31));
}

TEST(ShellBackupRecord, DateAndTimeAreTheSameInEveryLocale) {
    const QLocale before;
    for (QLocale locale :
         {QLocale(QLocale::English, QLocale::UnitedStates),
          QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        BackupRecord r = MakeBackupRecord(QDateTime(QDate(2024, 12, 31), QTime(21, 5)), "", 1);
        EXPECT_EQ(r.BackupDate, "31/12/2024") << locale.name().toStdString();
        EXPECT_EQ(r.BackupTime, "21:05") << locale.name().toStdString();
    }
    QLocale::setDefault(before);
}

TEST(ShellBackupRecord, ListLineShowsTheFieldsWithTheirPadding) {
    BackupRecord r = DecodeBackupRecord(Record(kDate, "prima prova", "7"));
    EXPECT_EQ(BackupListLine(r), "05/03/2024 | 14:07 | prima prova                     | 7   ");
    EXPECT_EQ(BackupListLine(r).size(), 59);
    EXPECT_EQ(ReadBackupNumber(BackupListLine(r).right(4)), 7);
}

TEST(ShellBackupRecord, NumbersAreDecimalDigitsOnly) {
    // A number is read only as the archive writes it: digits, the first not
    // 0, then blanks. Anything else is a damaged field (0), never a number
    // read from part of it: "1x  " or a field shifted by a short record
    // ("1  0", "   1") would otherwise name another backup's copy.
    const std::pair<const char*, int> cases[] = {
        {"7   ", 7}, {"9999", 9999}, {"12  ", 12}, {"  12", 0}, {"9E99", 0}, {"&H10", 0},
        {"-5  ", 0}, {"    ", 0},    {"1.5 ", 0},  {"0042", 0}, {"1x  ", 0}, {"AB  ", 0},
        {"1 2 ", 0}, {"1  0", 0},    {"   1", 0},  {"0   ", 0}, {"12 ?", 0},
    };
    for (auto [text, value] : cases) {
        EXPECT_EQ(ReadBackupNumber(text), value) << text;
        BackupRecord record = DecodeBackupRecord(Record(kDate, "nota", text));
        EXPECT_EQ(record.Number(), value) << text;
        EXPECT_EQ(record.IsDamaged(), value == 0) << text;
    }
    EXPECT_EQ(ReadBackupNumber(QString::fromUtf8("\xD9\xA3")), 0);  // an Arabic-Indic digit
}

TEST(ShellBackupRecord, CopyNamesAndFolders) {
    EXPECT_EQ(GetBackupFileName("/b", 1), "/b/Tavolux0001.txt");
    EXPECT_EQ(GetBackupFileName("/b/", 27), "/b/Tavolux0027.txt");
    EXPECT_EQ(GetBackupFileName("/b", 9999), "/b/Tavolux9999.txt");
    EXPECT_EQ(BackupIndexPath("/b"), "/b/ArchivioGenerale.Txt");

    auto work = [] { return QStringLiteral("/work"); };
    const std::pair<const char*, const char*> cases[] = {
        {"  /home/ana/backup/ ", "/home/ana/backup"},
        {"/home/ana/backup\\", "/home/ana/backup"},
        {"/home/ana/backup//", "/home/ana/backup/"},
        {"", "/work"},
        {"    ", "/work"},
        {"/", "/work"},
        {"\\", "/work"},
        {"C:\\TEMP", "/work"},  // written on Windows
        {"d:", "/work"},
        {"relativa", "relativa"},
    };
    for (auto [text, folder] : cases) EXPECT_EQ(BackupFolderFor(text, work), folder) << text;
    EXPECT_EQ(BackupFolderFor("", [] { return QString(); }), "");
}

// ---- The archive on disk ------------------------------------------------------

class ShellBackupArchive : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(root_.isValid()); }

    QString Folder() const { return root_.path(); }
    QString In(const QString& name) const { return root_.filePath(name); }
    QByteArray Index() const { return Read(BackupIndexPath(Folder())); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes, nullptr));
    }
    QStringList Entries() const {
        return QDir(Folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
    // Appends as the window does: after a listing, with its last number.
    int Append(const QString& note, const QString& text) {
        BackupListing listing = LoadBackupList(Folder());
        EXPECT_TRUE(listing.ok) << listing.error.toStdString();
        BackupResult r = AppendBackup(Folder(), listing.lastNumber, kWhen, note, text);
        EXPECT_EQ(r.status, BackupStatus::Done) << r.error.toStdString();
        return r.number;
    }
    static bool Yes(const BackupRecord&) { return true; }

    QTemporaryDir root_;
};

TEST_F(ShellBackupArchive, FirstBackupInAnEmptyFolder) {
    BackupListing listing = LoadBackupList(Folder());
    ASSERT_TRUE(listing.ok);
    EXPECT_TRUE(listing.lines.isEmpty());
    EXPECT_EQ(listing.lastNumber, 0);
    EXPECT_EQ(Index(), "");  // created, empty

    const QString text = QString::fromUtf8("REM perch\xC3\xA8\r\nEND");
    BackupResult r = AppendBackup(Folder(), 0, kWhen, "prima", text);
    ASSERT_EQ(r.status, BackupStatus::Done);
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(Index(), Record(kDate, "prima", "1"));
    EXPECT_EQ(Read(In("Tavolux0001.txt")), "REM perch\xC3\xA8\r\nEND");  // no line end added
    QString back;
    ASSERT_EQ(ReadBackupCopy(Folder(), 1, &back).status, BackupStatus::Done);
    EXPECT_EQ(back, text);
}

TEST_F(ShellBackupArchive, ThreeBackupsTheMiddleOneDeleted) {
    for (const char* note : {"uno", "due", "tre"}) Append(note, note);
    int asked = 0;
    BackupResult r = DeleteBackup(Folder(), 2, [&](const BackupRecord& record) {
        ++asked;
        EXPECT_EQ(record.BackupNote.trimmed(), "due");
        return true;
    });
    EXPECT_EQ(r.status, BackupStatus::Done);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(In("Tavolux0002.txt")));

    BackupListing listing = LoadBackupList(Folder());
    EXPECT_EQ(listing.lines,
              QStringList({"05/03/2024 | 14:07 | tre                             | 3   ",
                           "05/03/2024 | 14:07 | uno                             | 1   "}));
    EXPECT_EQ(listing.lastNumber, 3);
    EXPECT_EQ(Append("quattro", "4"), 4);
    EXPECT_EQ(Index(), Record(kDate, "uno", "1") + Record(kGone, "due", "2") +
                           Record(kDate, "tre", "3") + Record(kDate, "quattro", "4"));
}

TEST_F(ShellBackupArchive, AllDeletedThenANewBackup) {
    Append("uno", "1");
    Append("due", "2");
    for (int n : {1, 2}) {
        EXPECT_EQ(DeleteBackup(Folder(), n, Yes).status, BackupStatus::Done);
        LoadBackupList(Folder());
    }
    EXPECT_FALSE(QFile::exists(BackupIndexPath(Folder())));  // the last listing removed it
    // Before the next listing the numbering goes on...
    BackupResult r = AppendBackup(Folder(), 2, kWhen, "tre", "3");
    EXPECT_EQ(r.number, 3);
    EXPECT_EQ(Index(), Record(kDate, "tre", "3"));
    // ...after it, with the index gone again, it starts at 1.
    ASSERT_EQ(DeleteBackup(Folder(), 3, Yes).status, BackupStatus::Done);
    EXPECT_EQ(LoadBackupList(Folder()).lastNumber, 3);
    EXPECT_EQ(Append("di nuovo", "1"), 1);
}

TEST_F(ShellBackupArchive, DamagedIndexIsReadByWholeRecords) {
    // A trailing fragment is read as one more record, its missing bytes
    // filled with "?", so it is always a damaged record.
    const QByteArray fragment = "01/01/202000:00frammento";  // 24 bytes
    const QByteArray index =
        Record(kDate, "a", "9E99") + Record(kDate, "b", "7") + QByteArray(20, 'z');
    Write(BackupIndexPath(Folder()), index);
    BackupListing listing = LoadBackupList(Folder());
    ASSERT_TRUE(listing.ok);
    EXPECT_EQ(listing.lines,
              QStringList({"zzzzzzzzzz | zzzzz | zzzzz?????????????????????????? | ????",
                           "05/03/2024 | 14:07 | b                               | 7   ",
                           "05/03/2024 | 14:07 | a                               | 9E99"}));
    EXPECT_EQ(listing.lastNumber, 7);  // "9E99" is no number, let alone a huge one
    EXPECT_EQ(Index(), index);         // a listing changes nothing

    // A fragment alone is one damaged record, and the listing never removes
    // a damaged index, even when all it reads is deleted.
    Write(BackupIndexPath(Folder()), fragment);
    listing = LoadBackupList(Folder());
    EXPECT_EQ(listing.lines,
              QStringList{"01/01/2020 | 00:00 | frammento?????????????????????? | ????"});
    EXPECT_EQ(listing.lastNumber, 0);
    Write(BackupIndexPath(Folder()), Record(kGone, "via", "1") + "??????");
    EXPECT_TRUE(LoadBackupList(Folder()).lines.isEmpty());
    EXPECT_EQ(Index(), Record(kGone, "via", "1") + "??????");
}

TEST_F(ShellBackupArchive, ADamagedNumberNamesNoBackup) {
    // "1x  " once read as 1: deleting "nota 3" asked about it and deleted
    // the copy of backup 1.
    for (const char* field : {"1x  ", "AB  "}) {
        const QByteArray index = Record(kDate, "nota 3", field) + Record(kDate, "uno", "1");
        Write(BackupIndexPath(Folder()), index);
        Write(In("Tavolux0001.txt"), "REM uno");
        BackupListing listing = LoadBackupList(Folder());
        ASSERT_EQ(listing.lines.size(), 2);
        EXPECT_TRUE(listing.lines[1].endsWith(QString(" | ") + field)) << field;  // as it stands
        const int selected = ReadBackupNumber(listing.lines[1].right(4));
        EXPECT_EQ(selected, 0) << field;

        QStringList asked;
        auto yes = [&](const BackupRecord& r) { return asked << r.BackupNote.trimmed(), true; };
        EXPECT_EQ(DeleteBackup(Folder(), selected, yes).status, BackupStatus::NothingDone);
        QString text;
        EXPECT_EQ(ReadBackupCopy(Folder(), selected, &text).status, BackupStatus::NothingDone);
        EXPECT_TRUE(asked.isEmpty());
        EXPECT_EQ(Index(), index);
        EXPECT_EQ(Read(In("Tavolux0001.txt")), "REM uno");
        // Backup 1 itself is found under its own record only.
        EXPECT_EQ(DeleteBackup(
                      Folder(), 1,
                      [&](const BackupRecord& r) { return asked << r.BackupNote.trimmed(), false; })
                      .status,
                  BackupStatus::NothingDone);
        EXPECT_EQ(asked, QStringList{"uno"}) << field;
    }
}

TEST_F(ShellBackupArchive, ARecordOneByteShortThenASave) {
    // The first record lost its last byte: every later record is read one
    // byte early, and the last one is cut.
    const QByteArray index = Record(kDate, "uno", "1").chopped(1) + Record(kDate, "due", "12") +
                             Record(kDate, "tre", "3");
    ASSERT_EQ(index.size(), 149);
    Write(BackupIndexPath(Folder()), index);
    for (const char* copy : {"Tavolux0001.txt", "Tavolux0003.txt", "Tavolux0012.txt"}) {
        Write(In(copy), copy);
    }
    BackupListing listing = LoadBackupList(Folder());
    ASSERT_EQ(listing.lines.size(), 3);  // listed as they stand, none as a backup of its own
    for (const QString& line : listing.lines) EXPECT_EQ(ReadBackupNumber(line.right(4)), 0);
    EXPECT_TRUE(listing.lines[2].startsWith("05/03/2024 | 14:07 | uno "));
    EXPECT_TRUE(listing.lines[2].endsWith(" | 1  0"));  // once read as backup 10

    BackupResult r = AppendBackup(Folder(), listing.lastNumber, kWhen, "nuovo", "REM nuovo");
    ASSERT_EQ(r.status, BackupStatus::Done) << r.error.toStdString();
    // The old index is kept aside byte for byte before it is replaced...
    EXPECT_EQ(r.keptAside, In("ArchivioGenerale-danneggiato-1.Txt"));
    EXPECT_EQ(Read(r.keptAside), index);
    // ...every copy stays, and the new number takes none of their names.
    EXPECT_EQ(r.number, 2);
    for (const char* copy : {"Tavolux0001.txt", "Tavolux0003.txt", "Tavolux0012.txt"}) {
        EXPECT_EQ(Read(In(copy)), copy);
    }
    // The new index holds every old byte in place, the damaged records
    // marked deleted (they name no copy), the cut one filled up, then the
    // new backup.
    const QByteArray now = Index();
    ASSERT_EQ(now.size(), 200);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(now.mid(50 * k, 10), kGone.left(10)) << k;
        EXPECT_EQ(now.mid(50 * k + 10, 40), (index + "?").mid(50 * k + 10, 40)) << k;
    }
    EXPECT_EQ(now.mid(150), Record(kDate, "nuovo", "2"));
    EXPECT_EQ(LoadBackupList(Folder()).lines,
              QStringList{"05/03/2024 | 14:07 | nuovo                           | 2   "});

    // The new index is sound: the next save keeps nothing aside.
    r = AppendBackup(Folder(), 2, kWhen, "ancora", "REM ancora");
    EXPECT_EQ(r.status, BackupStatus::Done);
    EXPECT_EQ(r.keptAside, "");
    EXPECT_EQ(Entries().filter("ArchivioGenerale").size(), 2);
}

TEST_F(ShellBackupArchive, EveryWriteKeepsADamagedIndexAsideFirst) {
    const QByteArray mine = "un file dell'utente";
    struct Case {
        const char* operation;
        std::function<BackupResult(const QString&)> run;
    };
    const Case cases[] = {
        {"append",
         [](const QString& f) { return AppendBackup(f, 0, kWhen, "nuovo", "REM nuovo"); }},
        {"delete one", [](const QString& f) { return DeleteBackup(f, 1, Yes); }},
        {"delete all", [](const QString& f) { return DeleteAllBackups(f, [] { return true; }); }},
    };
    // A number field that is no number, and a number held twice.
    for (const QByteArray& index :
         {Record(kDate, "uno", "1") + Record(kDate, "rotto", "2x  "),
          Record(kDate, "uno", "1") + Record(kDate, "due", "2") + Record(kDate, "doppio", "2")}) {
        for (const Case& c : cases) {
            const QString folder = In(c.operation + QString::number(index.size()));
            ASSERT_TRUE(QDir().mkdir(folder));
            Write(BackupIndexPath(folder), index);
            Write(GetBackupFileName(folder, 1), "1");
            Write(GetBackupFileName(folder, 2), "2");
            // A file already standing under the first name is never replaced.
            Write(folder + "/ArchivioGenerale-danneggiato-1.Txt", mine);
            BackupResult r = c.run(folder);
            EXPECT_EQ(r.status, BackupStatus::Done) << c.operation << r.error.toStdString();
            EXPECT_EQ(r.keptAside, folder + "/ArchivioGenerale-danneggiato-2.Txt") << c.operation;
            EXPECT_EQ(Read(r.keptAside), index) << c.operation;
            EXPECT_EQ(Read(folder + "/ArchivioGenerale-danneggiato-1.Txt"), mine);
            // No operation touches the copy a damaged record might name.
            EXPECT_EQ(Read(GetBackupFileName(folder, 2)), "2") << c.operation;
        }
    }
    // A sound index is replaced without a copy aside.
    Write(BackupIndexPath(Folder()), Record(kDate, "uno", "1"));
    BackupResult r = AppendBackup(Folder(), 1, kWhen, "due", "2");
    EXPECT_EQ(r.keptAside, "");
    EXPECT_EQ(Entries().filter("danneggiato"), QStringList{});
}

TEST_F(ShellBackupArchive, NoBackupPast9999) {
    const QByteArray full = Record(kGone, "vecchio", "1") + Record(kDate, "ultimo", "9999");
    Write(BackupIndexPath(Folder()), full);
    for (int last : {0, 9999}) {
        BackupResult r = AppendBackup(Folder(), last, kWhen, "troppo", "x");
        EXPECT_EQ(r.status, BackupStatus::ArchiveFull);
    }
    EXPECT_EQ(Index(), full);
    EXPECT_EQ(Entries(), QStringList{"ArchivioGenerale.Txt"});

    // 9999 taken by a file of the user's: no number is left either.
    Write(BackupIndexPath(Folder()), Record(kDate, "quasi", "9998"));
    Write(In("Tavolux9999.txt"), "mio");
    EXPECT_EQ(AppendBackup(Folder(), 9998, kWhen, "x", "x").status, BackupStatus::ArchiveFull);
    EXPECT_EQ(Read(In("Tavolux9999.txt")), "mio");
    EXPECT_EQ(Index(), Record(kDate, "quasi", "9998"));
}

TEST_F(ShellBackupArchive, AnExistingFileIsNeverReplaced) {
    Write(In("Tavolux0001.txt"), "una copia rimasta");
    ASSERT_TRUE(QDir().mkdir(In("Tavolux0002.txt")));
    ASSERT_TRUE(QFile::link(In("altrove/x"), In("Tavolux0003.txt")));  // leads nowhere
    EXPECT_EQ(Append("nuovo", "nuovo"), 4);
    EXPECT_EQ(Read(In("Tavolux0001.txt")), "una copia rimasta");
    EXPECT_EQ(Read(In("Tavolux0004.txt")), "nuovo");
    EXPECT_FALSE(QFile::exists(In("altrove")));
    EXPECT_EQ(Index(), Record(kDate, "nuovo", "4"));
}

TEST_F(ShellBackupArchive, TheNumberFollowsTheIndexToo) {
    // Another program appended after our listing.
    Write(BackupIndexPath(Folder()), Record(kDate, "a", "1") + Record(kDate, "b", "5"));
    EXPECT_EQ(AppendBackup(Folder(), 1, kWhen, "c", "c").number, 6);
}

TEST_F(ShellBackupArchive, ANumberHeldTwiceNamesNoBackup) {
    // One changed byte made "secondo" name backup 5 too: deleting it asked
    // about "secondo" and deleted the copy of "primo". The archive never
    // writes a number twice, deleted records included, so neither record
    // names a backup.
    const QList<QByteArray> indexes = {
        Record(kDate, "primo", "5") + Record(kDate, "secondo", "5"),
        Record(kDate, "primo", "5") + Record(kGone, "via", "5"),
        Record(kDate, "uno", "1") + Record(kGone, "via", "5") + Record(kDate, "secondo", "5"),
    };
    for (const QByteArray& index : indexes) {
        Write(BackupIndexPath(Folder()), index);
        Write(In("Tavolux0005.txt"), "5");
        BackupListing listing = LoadBackupList(Folder());
        QStringList live;
        for (qsizetype at = 0; at < index.size(); at += kBackupRecordSize) {
            BackupRecord record = DecodeBackupRecord(index.mid(at, kBackupRecordSize));
            if (!record.IsDeleted()) live.prepend(BackupListLine(record));
        }
        EXPECT_EQ(listing.lines, live);  // listed as they stand
        for (qsizetype row = 0; row < listing.lines.size(); ++row) {
            EXPECT_EQ(listing.numbers[row], listing.lines[row].endsWith("| 1   ") ? 1 : 0);
        }
        EXPECT_EQ(listing.lastNumber, 5);
        QStringList asked;
        auto yes = [&](const BackupRecord& r) { return asked << r.BackupNote.trimmed(), true; };
        EXPECT_EQ(DeleteBackup(Folder(), 5, yes).status, BackupStatus::NothingDone);
        EXPECT_TRUE(asked.isEmpty());
        EXPECT_EQ(Index(), index);
        EXPECT_EQ(Read(In("Tavolux0005.txt")), "5");

        // The next save keeps the index aside, and no longer lists them.
        BackupResult r = AppendBackup(Folder(), listing.lastNumber, kWhen, "nuovo", "6");
        ASSERT_EQ(r.status, BackupStatus::Done) << r.error.toStdString();
        EXPECT_EQ(r.number, 6);
        EXPECT_EQ(Read(r.keptAside), index);
        EXPECT_EQ(LoadBackupList(Folder()).numbers,
                  index.startsWith(Record(kDate, "uno", "1")) ? QList<int>({6, 1}) : QList<int>{6});
        EXPECT_EQ(Read(In("Tavolux0005.txt")), "5");
        for (const QString& name : Entries()) {
            if (name != "Tavolux0005.txt") QFile::remove(In(name));
        }
    }

    // A sound index: No to everything, or a number nobody has, changes nothing.
    const QByteArray index = Record(kDate, "primo", "5") + Record(kGone, "via", "4");
    Write(BackupIndexPath(Folder()), index);
    for (int number : {5, 4, 6, 0}) {
        BackupResult r = DeleteBackup(Folder(), number, [](const BackupRecord&) { return false; });
        EXPECT_EQ(r.status, BackupStatus::NothingDone);
    }
    EXPECT_EQ(Index(), index);
    EXPECT_EQ(Read(In("Tavolux0005.txt")), "5");
}

TEST_F(ShellBackupArchive, TheRecordsWhereBytesWentMissingOrWereAddedNameNoBackup) {
    // In an index that is not a whole number of records, the records from
    // the one before the first read out of place are damaged; those before
    // it still name their backups.
    const QByteArray uno = Record(kDate, "uno", "1"), due = Record(kDate, "due", "12"),
                     tre = Record(kDate, "tre", "1000");
    struct Case {
        const char* what;
        QByteArray index;
        QList<int> numbers;  // of the lines, newest first
    };
    const Case cases[] = {
        {"the last record cut", uno + due + tre.left(20), {0, 12, 1}},
        {"the last record cut before its time", uno + due + tre.left(12), {0, 0, 1}},
        // "1" grown into "10": read as backup 10 it would be another's.
        {"a byte added to the first number",
         QByteArray(uno).insert(47, '0') + due + tre,
         {0, 0, 0, 0}},
        {"a byte added to the last number",
         uno + due + QByteArray(tre).insert(48, '0'),
         {0, 0, 12, 1}},
        // "1000" less its "1" reads "000" and the next record's first byte.
        {"a byte lost from a number", uno + QByteArray(tre).remove(46, 1) + due, {0, 0, 1}},
        {"a byte lost from a note", uno + QByteArray(due).remove(20, 1) + tre, {0, 0, 1}},
    };
    for (const Case& c : cases) {
        Write(BackupIndexPath(Folder()), c.index);
        BackupListing listing = LoadBackupList(Folder());
        EXPECT_EQ(listing.numbers, c.numbers) << c.what;
        EXPECT_EQ(listing.lines.size(), c.numbers.size()) << c.what;
    }
}

// Every change of one byte in a small index (each bit flipped, each byte
// set to one of the characters records are made of, one of them added, one
// byte taken away), then every listed line restored and offered for
// deletion as the window does it: no line reaches the copy of another
// backup, and a deletion asks about the line chosen.
TEST_F(ShellBackupArchive, NoChangeOfOneByteRestoresOrDeletesAnotherBackup) {
    // Backup 2 was deleted, but its copy could not be removed. The third
    // note fills its field and ends with a digit, which a shift moves into
    // the number field.
    const QList<QByteArray> records = {Record(kDate, "uno", "1"), Record(kGone, "due", "2"),
                                       Record(kDate, "versione del programma numero 1", "10"),
                                       Record(kDate, "mille", "1000")};
    const QList<int> numbers = {1, 2, 10, 1000};
    QByteArray original;
    for (const QByteArray& record : records) original += record;
    for (int n : numbers) Write(GetBackupFileName(Folder(), n), "REM " + QByteArray::number(n));

    struct Change {
        QByteArray index;
        QByteArray what;
    };
    QList<Change> changes;
    const QByteArray alphabet = "0123456789 ?:/x";
    for (int at = 0; at <= original.size(); ++at) {
        const QByteArray where = " at " + QByteArray::number(at);
        for (char c : alphabet) {
            changes.append(
                {QByteArray(original).insert(at, c), "added '" + QByteArray(1, c) + "'" + where});
        }
        if (at == original.size()) break;
        changes.append({QByteArray(original).remove(at, 1), "removed" + where});
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray flipped = original;
            flipped[at] = static_cast<char>(flipped[at] ^ (1 << bit));
            changes.append({flipped, "bit " + QByteArray::number(bit) + where});
        }
        for (char c : alphabet) {
            if (original[at] == c) continue;
            QByteArray set = original;
            set[at] = c;
            changes.append({set, "set '" + QByteArray(1, c) + "'" + where});
        }
    }

    int restored = 0, refused = 0;
    for (const Change& change : changes) {
        QFile index(BackupIndexPath(Folder()));
        ASSERT_TRUE(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(index.write(change.index), change.index.size());
        index.close();
        BackupListing listing = LoadBackupList(Folder());
        ASSERT_TRUE(listing.ok);
        // The record each line stands for: the live ones, the last first.
        QList<int> recordOf;
        for (qsizetype k = (change.index.size() + kBackupRecordSize - 1) / kBackupRecordSize - 1;
             k >= 0; --k) {
            QByteArray bytes = change.index.mid(k * kBackupRecordSize, kBackupRecordSize);
            bytes = bytes.leftJustified(kBackupRecordSize, '?');
            if (!DecodeBackupRecord(bytes).IsDeleted()) recordOf << static_cast<int>(k);
        }
        ASSERT_EQ(listing.lines.size(), recordOf.size()) << change.what.constData();
        ASSERT_EQ(listing.numbers.size(), recordOf.size()) << change.what.constData();
        for (qsizetype row = 0; row < recordOf.size(); ++row) {
            const int number = listing.numbers[row];
            if (number == 0) {
                ++refused;
                continue;
            }
            const int own = numbers.value(recordOf[row], -1);
            if (number != own) {
                EXPECT_FALSE(QFile::exists(GetBackupFileName(Folder(), number)))
                    << change.what.constData() << ": line " << row << " names backup " << number;
            }
            QString text;
            if (ReadBackupCopy(Folder(), number, &text).status == BackupStatus::Done) {
                ++restored;
                EXPECT_EQ(text, "REM " + QString::number(own)) << change.what.constData();
            }
            QStringList offered;
            DeleteBackup(Folder(), number, [&](const BackupRecord& record) {
                offered << BackupListLine(record);
                return false;
            });
            EXPECT_EQ(offered, QStringList{listing.lines[row]}) << change.what.constData();
        }
    }
    EXPECT_GT(restored, 0);
    EXPECT_GT(refused, 0);
    for (int n : numbers) EXPECT_TRUE(QFile::exists(GetBackupFileName(Folder(), n)));
}

TEST_F(ShellBackupArchive, DeletingTheWholeArchive) {
    int asked = 0;
    auto yes = [&] { return ++asked, true; };
    // Nothing to delete: nobody is asked.
    EXPECT_EQ(DeleteAllBackups(Folder(), yes).status, BackupStatus::NothingDone);
    LoadBackupList(Folder());
    EXPECT_EQ(DeleteAllBackups(Folder(), yes).status, BackupStatus::NothingDone);
    EXPECT_EQ(asked, 0);

    for (const char* note : {"uno", "due", "tre"}) Append(note, note);
    const QByteArray index = Index();
    EXPECT_EQ(DeleteAllBackups(Folder(), [] { return false; }).status, BackupStatus::NothingDone);
    EXPECT_EQ(Index(), index);
    EXPECT_EQ(Entries().size(), 4);

    QFile::remove(In("Tavolux0003.txt"));  // removed by hand: nothing to delete
    EXPECT_EQ(DeleteAllBackups(Folder(), yes).status, BackupStatus::Done);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Entries().isEmpty());
}

// ---- Failures, as they happen to root too ----------------------------------------

TEST_F(ShellBackupArchive, FolderRemovedAfterTheListing) {
    const QString folder = In("archivio");
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(LoadBackupList(folder).ok);
    ASSERT_TRUE(QDir(folder).removeRecursively());

    BackupResult r = AppendBackup(folder, 0, kWhen, "nota", "testo");
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    QString text = "pane";
    r = ReadBackupCopy(folder, 1, &text);
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(text, "pane");
    EXPECT_EQ(DeleteBackup(folder, 1, Yes).status, BackupStatus::NothingDone);
    EXPECT_EQ(DeleteAllBackups(folder, [] { return true; }).status, BackupStatus::NothingDone);
    BackupListing listing = LoadBackupList(folder);
    EXPECT_FALSE(listing.ok);
    EXPECT_FALSE(listing.error.isEmpty());
    EXPECT_FALSE(QFile::exists(folder));
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(ShellBackupArchive, FolderInPlaceOfTheIndex) {
    Write(In("Tavolux0001.txt"), "1");
    ASSERT_TRUE(QDir().mkdir(BackupIndexPath(Folder())));
    BackupListing listing = LoadBackupList(Folder());
    EXPECT_FALSE(listing.ok);
    EXPECT_FALSE(listing.error.isEmpty());

    BackupResult r = AppendBackup(Folder(), 0, kWhen, "nota", "testo");
    EXPECT_EQ(r.status, BackupStatus::IndexUnreadable);
    EXPECT_FALSE(r.error.isEmpty());
    bool asked = false;
    EXPECT_EQ(DeleteBackup(Folder(), 1, [&](const BackupRecord&) { return asked = true; }).status,
              BackupStatus::IndexUnreadable);
    EXPECT_EQ(DeleteAllBackups(Folder(), [&] { return asked = true; }).status,
              BackupStatus::IndexUnreadable);
    EXPECT_FALSE(asked);
    EXPECT_EQ(Entries(), QStringList({"ArchivioGenerale.Txt", "Tavolux0001.txt"}));
}

TEST_F(ShellBackupArchive, FolderInPlaceOfACopy) {
    for (const char* note : {"uno", "due", "tre"}) Append(note, note);
    ASSERT_TRUE(QFile::remove(In("Tavolux0002.txt")));
    ASSERT_TRUE(QDir().mkdir(In("Tavolux0002.txt")));

    QString text;
    BackupResult r = ReadBackupCopy(Folder(), 2, &text);
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_FALSE(r.error.isEmpty());

    // The whole archive: that copy stays, its record live, the others go.
    r = DeleteAllBackups(Folder(), [] { return true; });
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_TRUE(r.error.startsWith("Tavolux0002.txt: ")) << r.error.toStdString();
    EXPECT_EQ(Index(),
              Record(kGone, "uno", "1") + Record(kDate, "due", "2") + Record(kGone, "tre", "3"));
    EXPECT_EQ(Entries(), QStringList({"ArchivioGenerale.Txt", "Tavolux0002.txt"}));
    EXPECT_EQ(LoadBackupList(Folder()).lines.size(), 1);

    // That one backup: its record is marked, the failure reported.
    r = DeleteBackup(Folder(), 2, Yes);
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(Index(),
              Record(kGone, "uno", "1") + Record(kGone, "due", "2") + Record(kGone, "tre", "3"));
    EXPECT_TRUE(QFileInfo(In("Tavolux0002.txt")).isDir());
}

TEST_F(ShellBackupArchive, AnIndexThatCannotBeWrittenTakesTheCopyBack) {
    Write(In("Tavolux0001.txt"), "1");
    // The index is a link into a folder that is not there.
    ASSERT_TRUE(QFile::link(In("sparita/ArchivioGenerale.Txt"), BackupIndexPath(Folder())));
    BackupResult r = AppendBackup(Folder(), 0, kWhen, "nota", "testo");
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(Entries(), QStringList({"ArchivioGenerale.Txt", "Tavolux0001.txt"}));
    EXPECT_EQ(Read(In("Tavolux0001.txt")), "1");
}

TEST_F(ShellBackupArchive, AFailedMarkDeletesNoCopy) {
    Append("uno", "1");
    const QString index = BackupIndexPath(Folder());
    // Between the question and the write the index turns into a folder.
    BackupResult r = DeleteBackup(Folder(), 1, [&](const BackupRecord&) {
        QFile::remove(index);
        return QDir().mkdir(index);
    });
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(Read(In("Tavolux0001.txt")), "1");

    // The same with a damaged index: its copy aside is taken back too, as
    // the index it copied was never replaced.
    ASSERT_TRUE(QDir(index).removeRecursively());
    Write(index, Record(kDate, "uno", "1") + Record(kDate, "rotto", "1x  "));
    r = DeleteBackup(Folder(), 1, [&](const BackupRecord&) {
        QFile::remove(index);
        return QDir().mkdir(index);
    });
    EXPECT_EQ(r.status, BackupStatus::Failed);
    EXPECT_EQ(r.keptAside, "");
    EXPECT_EQ(Entries(), QStringList({"ArchivioGenerale.Txt", "Tavolux0001.txt"}));
    EXPECT_EQ(Read(In("Tavolux0001.txt")), "1");
}

TEST_F(ShellBackupArchive, NoFolderWritesNothing) {
    QDir::setCurrent(Folder());
    BackupListing listing = LoadBackupList("");
    EXPECT_FALSE(listing.ok);
    EXPECT_EQ(listing.error, "nessuna directory di lavoro disponibile");
    EXPECT_EQ(AppendBackup("", 0, kWhen, "n", "t").status, BackupStatus::Failed);
    QString text;
    EXPECT_EQ(ReadBackupCopy("", 1, &text).status, BackupStatus::Failed);
    EXPECT_NE(DeleteBackup("", 1, Yes).status, BackupStatus::Done);
    EXPECT_NE(DeleteAllBackups("", [] { return true; }).status, BackupStatus::Done);
    QString error;
    EXPECT_FALSE(OpenBackupIndex("", &error));
    EXPECT_TRUE(Entries().isEmpty());
}

}  // namespace
}  // namespace tavolux::shell
