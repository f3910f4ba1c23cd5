// CONFIG of the I/O lines: every CONFIG statement is folded into one
// direction mask per port (the TRIS value: a 1 bit makes the line an input),
// and the lines that load the masks at program start are kept for the writer.
#include <algorithm>
#include <array>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

void Translator::ConfigurePorts() {
    if (S.Flag_Error) return;
    std::array<bool, 2> configured{};
    std::array<int, 2> mask{};
    bool any = false;

    for (int k = 1; k <= NoInput(); ++k) {
        const std::string line = Line(k);
        if (StartsWith(line, "CONFIG ")) {
            S.CurrentStatement = line;
            if (!text::Contains(line, "INPUT") && !text::Contains(line, "OUTPUT")) {
                ReportError(kUnknownDirection);
                return;
            }
            // AS is a word of its own: in "B5AS INPUT" it is glued to the
            // last item, which is no port or line.
            const int as = InStr(line, " AS ");
            if (as == 0) {
                ReportError("Istruzione CONFIG errata");
                return;
            }
            // The direction is the one word after "AS ": "AS INPUT 5", "AS
            // IMPUT" and "AS OUTPUT, B4 AS INPUT" are refused.
            const auto direction = ReadDirection(Mid(line, as + 4));
            if (!direction) {
                ReportError(kUnknownDirection);
                return;
            }
            const bool input = *direction;

            // The items, each a port ("A", "B") or a port line ("A0".."B7").
            std::vector<std::string> items;
            if (text::Contains(line, ",")) {
                std::string list = Mid(line, 8, std::max(0, as - 8));
                for (;;) {
                    const int comma = InStr(list, ",");
                    const std::string item = Trim(comma == 0 ? list : Mid(list, 1, comma - 1));
                    if (item.empty() || item.size() >= 3) {
                        ReportError("Tipo di configurazione non ammessa");
                        return;
                    }
                    if (item.size() == 2 && !IsPinName(item)) {
                        ReportError("Configurazione di linea di I/O non gestibile");
                        return;
                    }
                    if (item.size() == 1 && !IsPortName(item)) {
                        ReportError("Porta di I/O non gestibile");
                        return;
                    }
                    items.push_back(item);
                    if (comma == 0) break;
                    list = Mid(list, comma + 1);
                }
            } else {
                const std::string item = Trim(Mid(line, 8, std::max(0, as - 8)));
                if (item.size() != 1 && item.size() != 2) {
                    ReportError("Istruzione non riconosciuta");
                    return;
                }
                if (item.size() == 2 && !IsPinName(item)) {
                    ReportError("Porta non configurabile");
                    return;
                }
                if (item.size() == 1 && !IsPortName(item)) {
                    ReportError("Configurazione di porta di I/O non gestibile");
                    return;
                }
                items.push_back(item);
            }

            for (const std::string& item : items) {
                const size_t port = static_cast<size_t>(item[0] - 'A');
                configured[port] = true;
                if (item.size() == 2) {
                    const int bit = 1 << (item[1] - '0');
                    mask[port] = input ? (mask[port] | bit) : (mask[port] & ~bit);
                } else {
                    mask[port] = input ? 255 : 0;
                }
            }
            any = true;
            Line(k).clear();
        }
        if (StartsWith(Line(k), "IF ")) break;
    }

    if (!any) return;
    bool bankSelected = false;
    for (size_t port = 0; port < 2; ++port) {
        if (!configured[port]) continue;
        if (!bankSelected) {
            if (!AddConfigLine("        BSF Reg_Status , Bit_5")) return;
            bankSelected = true;
        }
        const std::string letter(1, static_cast<char>('A' + port));
        if (!AddConfigLine("        MovLW " + FormatHexLiteral(mask[port] & 255))) return;
        if (!AddConfigLine("        MovWF Reg_Tris" + letter)) return;
    }
    AddConfigLine("        BCF Reg_Status2 , Bit_5");
}

}  // namespace tavolux
