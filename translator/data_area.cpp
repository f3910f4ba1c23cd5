// DATA: the constant bytes that GETDATA(n) reads. The values of all DATA
// statements, in program order, go to ArrayDATA; the writer makes them a
// table of RETLW lines behind "@@GD".
#include <optional>
#include <string>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::StartsWith;

void Translator::CollectDataArea() {
    if (S.Flag_Error) return;

    for (int k = 1; k <= NoInput(); ++k) {
        std::string& line = Line(k);
        if (StartsWith(line, "DATA ")) {
            S.CurrentStatement = line;
            std::string items = line.substr(5);

            // Strings: each literal stands for the codes of its characters,
            // "AB" for "&H41,&H42". A literal without characters would stand
            // for nothing and is refused like an unclosed one, and so is one
            // that a comma does not part from what follows it ("AB"5 would
            // join the 5 to the code of B).
            size_t open = items.find('"');
            while (open != std::string::npos) {
                const size_t close = items.find('"', open + 1);
                const size_t next = close == std::string::npos
                                        ? std::string::npos
                                        : items.find_first_not_of(' ', close + 1);
                if (close == std::string::npos || close == open + 1 ||
                    (next != std::string::npos && items[next] != ',')) {
                    ReportError("Definizione di stringhe non esatta");
                    return;
                }
                std::string codes;
                for (size_t i = open + 1; i < close; ++i) {
                    if (!codes.empty()) codes += ',';
                    codes += "&H" + text::Hex(static_cast<unsigned char>(items[i]));
                }
                items.replace(open, close - open + 1, codes);
                open = items.find('"', open + codes.size());
            }

            // Values, one per piece between commas. A comma that ends the
            // statement gives one more value, 0; any other empty piece is a
            // value forgotten.
            size_t from = 0;
            while (true) {
                size_t comma = items.find(',', from);
                const bool last = comma == std::string::npos;
                if (last) comma = items.size();
                const std::string piece = text::Trim(items.substr(from, comma - from));
                std::optional<int> value;
                if (piece.empty()) {
                    if (!last || from == 0) {
                        ReportError("Valore DATA mancante");
                        return;
                    }
                    value = 0;
                } else {
                    // A number and nothing else (decimal, or "&H" for
                    // hexadecimal): "3MS", "3 7", "-&H5A" or a word is none.
                    // Its value, rounded half to even, is a byte the table
                    // holds as it is: "DATA 300" is refused.
                    const auto number = text::ValWhole(piece);
                    if (!number) {
                        ReportError("Valore DATA non valido: " + piece);
                        return;
                    }
                    value = ByteConstant(*number);
                    if (!value) {
                        ReportError(kConstantNotAllowed);
                        return;
                    }
                }
                if (!AddDataValue(*value)) return;
                if (S.NoDATA() > kMaxDataValues) {
                    Refuse({},
                           "L'area DATA \xE8 troppo estesa, \xE8 stato superato il limite di 250 "
                           "byte");
                    return;
                }
                if (last) break;
                from = comma + 1;
            }
            line.clear();
        }
        // The scan ends behind the first IF line; it is no DATA line itself.
        if (StartsWith(line, "IF ")) break;
    }
}

}  // namespace tavolux
