// A text as a UTF-16 file holds it: the byte-order mark, then each code
// unit in that order.
#pragma once

#include <QByteArray>
#include <QString>

namespace tavolux::shell::testing {

inline QByteArray Utf16Bytes(const QString& text, bool bigEndian) {
    QByteArray bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8), low = static_cast<char>(c.unicode());
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

}  // namespace tavolux::shell::testing
