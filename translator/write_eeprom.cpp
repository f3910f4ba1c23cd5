// WRITE d1, d2, ..., address: the bytes are stored in the data EEPROM from
// the address on, one CALL of the library routine "@@WRT" per byte (the
// routine writes W at EEADR and advances EEADR).
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::Trim;

namespace {

// One statement makes at most this many lines: the address load and 49 bytes.
constexpr int kMaxWriteLines = 100;

}  // namespace

void Translator::TranslateWrite(int k) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    const int lastComma = text::InStrRev(statement, ",");
    if (lastComma == 0) {
        ReportError("Manca l'indirizzo nell'istruzione WRITE");
        return;
    }

    std::vector<std::string> lines;
    // The load of a number or a variable into W; any other item is refused
    // with `message` and gives no load. A byte to write is a constant that
    // an assignment takes too (-256 to 255): "WRITE 1000, 33" is refused.
    auto load = [&](const std::string& item, const char* message, bool byte = true) {
        if (IsNumber(item)) {
            const auto value =
                byte ? ByteConstant(NumberValue(item)) : Translator::WholeNumberValue(item);
            if (value) {
                lines.push_back("MOVLW " + FormatHexLiteral(*value));
            } else {
                ReportError(kConstantNotAllowed);
            }
        } else if (IsVariable(item)) {
            lines.push_back("MOVF " + item + " , W");
        } else {
            ReportError(message);
        }
    };

    const std::string address = Trim(Mid(statement, lastComma + 1));
    load(address, "Sintassi con riconoscita o non valida", false);
    lines.push_back("MOVWF Reg_Eeadr");

    // Every item is written: an empty one ("WRITE , 33", "WRITE 41, , 62")
    // is a byte forgotten.
    const char* const kLastItem = "Sintassi non corretta o non valida";
    std::string list = Trim(Mid(statement, 7, std::max(0, lastComma - 7)));
    if (list.empty()) {
        ReportError(kLastItem);
        return;
    }
    while (!list.empty()) {
        if (list[0] == '"') {
            const int close = InStr(list, "\"", 2);
            if (close == 0) {
                ReportError("Stringa non bilanciata");
                return;
            }
            for (int i = 2; i < close; ++i) {
                const auto code = static_cast<unsigned char>(list[static_cast<size_t>(i) - 1]);
                lines.push_back("MOVLW " + FormatHexLiteral(code));
                lines.push_back("CALL @@WRT");
            }
            list = text::LTrim(Mid(list, close + 1));
            if (!list.empty() && list[0] == ',') {
                list = text::LTrim(Mid(list, 2));
                if (list.empty()) {
                    ReportError(kLastItem);
                    return;
                }
            }
        } else if (const int comma = InStr(list, ","); comma > 0) {
            load(Trim(Mid(list, 1, comma - 1)), "Sintassi o espressione non valida");
            lines.push_back("CALL @@WRT");
            list = text::LTrim(Mid(list, comma + 1));
            if (list.empty()) {
                ReportError(kLastItem);
                return;
            }
        } else {
            load(list, kLastItem);
            lines.push_back("CALL @@WRT");
            list.clear();
        }
        if (static_cast<int>(lines.size()) > kMaxWriteLines) {
            ReportError("Troppi dati nell'istruzione WRITE: al massimo " +
                        text::Str((kMaxWriteLines - 2) / 2) + " byte per istruzione");
            return;
        }
    }

    // The chip's data EEPROM has 64 bytes: from a constant address every
    // byte must land inside 0-63 (a variable address is the program's own).
    const long bytes = std::count(lines.begin(), lines.end(), "CALL @@WRT");
    if (!S.Flag_Error && IsNumber(address)) {
        const auto first = Translator::WholeNumberValue(address);
        if (first && (*first < 0 || *first + std::max(bytes, 1L) - 1 > kEepromLast)) {
            ReportError(kEepromRange);
            return;
        }
    }

    if (!ReplaceWithInstructions(k, lines)) return;
    S.Flag_Library = true;
    S.Flag_EepromWrite = true;
}

}  // namespace tavolux
