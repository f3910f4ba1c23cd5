// DATA: the constant bytes that GETDATA(n) reads. The values of all DATA
// statements, in program order, go to ArrayDATA; the writer makes them a
// table of RETLW lines behind "@@GD".
#include <cmath>
#include <string>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::StartsWith;

namespace {

// The value of one item: read as a number from its start, leading blanks
// skipped, up to the first character that cannot continue it ("&H" for
// hexadecimal; no number gives 0), rounded half to even. Only the low byte
// reaches the table, so a value beyond the integers keeps its low 16 bits.
int ItemValue(const std::string& item) {
    std::string t = text::LTrim(item);
    const size_t blank = t.find(' ');
    if (blank != std::string::npos) t.resize(blank);
    const double v = text::RoundHalfEven(text::Val(t));
    if (!std::isfinite(v)) return 0;
    if (v >= -2147483647.0 && v <= 2147483647.0) return static_cast<int>(v);
    return static_cast<int>(std::fmod(v, 65536.0));
}

}  // namespace

void Translator::CollectDataArea() {
    if (S.Flag_Error) return;

    for (int k = 1; k <= NoInput(); ++k) {
        std::string& line = Line(k);
        if (StartsWith(line, "DATA ")) {
            S.CurrentStatement = line;
            std::string items = line.substr(5);

            // Strings: each literal stands for the codes of its characters,
            // "AB" for "&H41,&H42". A literal without characters would stand
            // for nothing and is refused like an unclosed one.
            size_t open = items.find('"');
            while (open != std::string::npos) {
                const size_t close = items.find('"', open + 1);
                if (close == std::string::npos || close == open + 1) {
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

            // Values, one per piece between commas.
            size_t from = 0;
            while (true) {
                size_t comma = items.find(',', from);
                const bool last = comma == std::string::npos;
                if (last) comma = items.size();
                if (!AddDataValue(ItemValue(items.substr(from, comma - from)))) return;
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
