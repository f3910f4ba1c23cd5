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

// The byte immediate of a number text: its value rounded half to even, by
// its low byte.
std::optional<std::string> Immediate(const std::string& number) {
    const auto value =
        text::ToIntInRange(text::Val(text::ReplaceFirst(number, ",", ".")), -32768, 65535);
    if (!value) return std::nullopt;
    return Translator::FormatHexLiteral(*value);
}

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
    // with `message` and gives no load.
    auto load = [&](const std::string& item, const char* message) {
        if (IsNumber(item)) {
            if (const auto imm = Immediate(item)) {
                lines.push_back("MOVLW " + *imm);
            } else {
                ReportError("Costante numerica non ammessa");
            }
        } else if (IsVariable(item)) {
            lines.push_back("MOVF " + item + " , W");
        } else {
            ReportError(message);
        }
    };

    load(Trim(Mid(statement, lastComma + 1)), "Sintassi con riconoscita o non valida");
    lines.push_back("MOVWF Reg_Eeadr");

    std::string list = Trim(Mid(statement, 7, std::max(0, lastComma - 7)));
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
            if (!list.empty() && list[0] == ',') list = text::LTrim(Mid(list, 2));
        } else if (const int comma = InStr(list, ","); comma > 0) {
            load(Trim(Mid(list, 1, comma - 1)), "Sintassi o espressione non valida");
            lines.push_back("CALL @@WRT");
            list = text::LTrim(Mid(list, comma + 1));
        } else {
            load(list, "Sintassi non corretta o non valida");
            lines.push_back("CALL @@WRT");
            list.clear();
        }
        if (static_cast<int>(lines.size()) > kMaxWriteLines) {
            ReportError("Troppi dati nell'istruzione WRITE: al massimo " +
                        text::Str((kMaxWriteLines - 2) / 2) + " byte per istruzione");
            return;
        }
    }

    if (!ReplaceWithInstructions(k, lines)) return;
    S.Flag_Library = true;
    S.Flag_EepromWrite = true;
}

}  // namespace tavolux
