// Text files as the editor reads and writes them: read whole before use,
// each line UTF-8 or else Windows-1252 on reading (UTF-16 after its
// byte-order mark), written in UTF-8 through a temporary file
// that replaces the target only when complete.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace tavolux::shell {

// A text file's characters. After a UTF-16 byte-order mark (either byte
// order) the text is UTF-16. Otherwise each line, ended by CR LF, LF or CR,
// is read on its own: as UTF-8 when it is valid UTF-8, else as
// Windows-1252, one byte a character, so one line written in another code
// page spoils no other. A leading UTF-8 byte-order mark is dropped; line
// ends stay as they are.
QString DecodeText(const QByteArray& bytes);
// One byte a character, always.
QString DecodeWindows1252(const QByteArray& bytes);
QByteArray EncodeWindows1252(const QString& text);  // '?' for what it cannot hold

// Opens a plain file (or a link to one) for reading. Anything else, a FIFO
// or a device, is never opened, so nothing waits on it: false, with the
// reason in *error, as for a file that cannot be opened.
bool OpenForReading(QFile& file, QString* error);

// Reads the whole file. On failure returns false and puts the platform's
// error text into *error; *contents is then left alone.
bool ReadWholeFile(const QString& path, QByteArray* contents, QString* error);
bool ReadTextFile(const QString& path, QString* text, QString* error);

// Writes the whole file or nothing: the target is replaced only once every
// byte is on disk. On failure returns false with the platform's error text
// (the system's own where the platform has none). A FIFO or a device of
// that name is never written over.
bool WriteFileAtomically(const QString& path, const QByteArray& contents, QString* error);

// Splits at CR LF, LF or CR; a final line end starts no further line.
QStringList SplitLines(const QString& text);

// The panes show one line per paragraph; the program's texts end their
// lines with CR LF. Any of CR LF, LF or CR read as a line end; from a pane,
// LF and the paragraph separator end a line, and every other character,
// the line separator included, stays as it is.
QString ToPaneText(const QString& text);
QString FromPaneText(const QString& paneText);

// Blank: empty once leading and trailing spaces are removed; line ends are
// not spaces.
bool IsBlank(const QString& text);
// Without leading and trailing spaces; other white space stays.
QString TrimBlanks(const QString& text);

}  // namespace tavolux::shell
