// Printing a text on the platform's printer, through the printer seam. A
// missing printer and a failed print are reported through ShowMessage.
#pragma once

#include <QString>

class QFont;

namespace tavolux::shell {

// Prints `text` (lines ended by CR LF) in the family and point size of
// `font`, then ends the document; true when the printer took it.
bool PrintText(const QString& text, const QFont& font);

}  // namespace tavolux::shell
