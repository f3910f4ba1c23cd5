#include "text_files.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <utility>

namespace tavolux::shell {

namespace {

// Windows-1252 codes 0x80 to 0x9F; 0 marks the five unused codes, which
// map to the control characters of the same number.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The platform's text for a step that failed; where it has none ("Unknown
// error", as after a write that stopped part-way), the system's own text
// for the call that failed.
QString ErrorText(const QFileDevice& file, int systemError) {
    const QString text = file.errorString();
    if (systemError == 0 || (!text.isEmpty() && text != QLatin1String("Unknown error"))) {
        return text;
    }
    return qt_error_string(systemError);
}

const QString kNotAPlainFile = QStringLiteral("non è un file ordinario");

// A name held by a FIFO, a device or a socket: reading it could wait for
// ever or never end, and it is no file of ours to replace. A folder is left
// to the call itself, which says so in its own words.
bool NeitherFileNorFolder(const QString& path) {
    QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

bool OpenForReading(QFile& file, QString* error) {
    if (NeitherFileNorFolder(file.fileName())) {
        if (error) *error = kNotAPlainFile;
        return false;
    }
#ifdef Q_OS_UNIX
    // Opened without waiting, and looked at once open, in case the name was
    // given to something else in between.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(),
                          O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int failure = S_ISDIR(status.st_mode) ? EISDIR : errno;
        ::close(fd);
        if (error) *error = failure != 0 ? qt_error_string(failure) : kNotAPlainFile;
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error) *error = file.errorString();
        return false;
    }
    return true;
#else
    errno = 0;
    if (file.open(QIODevice::ReadOnly)) return true;
    if (error) *error = ErrorText(file, errno);
    return false;
#endif
}

QString DecodeText(const QByteArray& bytes) {
    for (auto [mark, encoding] : {std::pair{"\xFF\xFE", QStringDecoder::Utf16LE},
                                  std::pair{"\xFE\xFF", QStringDecoder::Utf16BE}}) {
        if (bytes.startsWith(mark)) {
            QStringDecoder utf16(encoding, QStringDecoder::Flag::Stateless);
            return utf16.decode(QByteArrayView(bytes).sliced(2));
        }
    }
    // CR and LF are single bytes in UTF-8 and in Windows-1252 alike, and no
    // UTF-8 sequence holds them, so each line can be decoded on its own.
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF")) rest = rest.sliced(3);
    QString text;
    text.reserve(rest.size());
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n') ++end;
        if (end < rest.size()) ++end;  // the line end goes with its line
        const QByteArrayView line = rest.first(end);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString decoded = utf8.decode(line);
        text += utf8.hasError() ? DecodeWindows1252(line.toByteArray()) : decoded;
        rest = rest.sliced(end);
    }
    return text;
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code <= 0x9F && kHigh[code - 0x80] != 0) {
            text += QChar(kHigh[code - 0x80]);
        } else {
            text += QChar(code);
        }
    }
    return text;
}

QByteArray EncodeWindows1252(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        char out = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i))
                out = static_cast<char>(0x80 + i);
        }
        bytes += out;
    }
    return bytes;
}

bool ReadWholeFile(const QString& path, QByteArray* contents, QString* error) {
    QFile file(path);
    if (!OpenForReading(file, error)) return false;
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) *error = ErrorText(file, errno);
        return false;
    }
    *contents = bytes;
    return true;
}

bool ReadTextFile(const QString& path, QString* text, QString* error) {
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes, error)) return false;
    *text = DecodeText(bytes);
    return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& contents, QString* error) {
    if (NeitherFileNorFolder(path)) {
        if (error) *error = kNotAPlainFile;
        return false;
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = ErrorText(file, errno);
        return false;
    }
    // commit() alone is not enough: a text small enough to sit in the
    // device's buffer is first written by commit()'s own flush, and a failure
    // there can still be reported as success, renaming a short file over the
    // old one. So every byte is pushed out and counted before the commit.
    errno = 0;
    const bool written = file.write(contents) == contents.size() && file.flush() &&
                         file.error() == QFileDevice::NoError && file.size() == contents.size();
    if (!written) {
        if (error) *error = ErrorText(file, errno);
        file.cancelWriting();
        return false;
    }
    errno = 0;
    if (!file.commit()) {
        if (error) *error = ErrorText(file, errno);
        return false;
    }
    return true;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines << line;
            line.clear();
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

QString ToPaneText(const QString& text) {
    QString pane = text;
    pane.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    pane.replace(u'\r', u'\n');
    return pane;
}

QString FromPaneText(const QString& paneText) {
    QString text = paneText;
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

bool IsBlank(const QString& text) {
    for (QChar c : text) {
        if (c != u' ') return false;
    }
    return true;
}

QString TrimBlanks(const QString& text) {
    qsizetype first = 0, end = text.size();
    while (first < end && text[first] == u' ') ++first;
    while (end > first && text[end - 1] == u' ') --end;
    return text.mid(first, end - first);
}

}  // namespace tavolux::shell
