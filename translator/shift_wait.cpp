// SHIFT and ROTATE of a variable through the carry, and the WAIT delays:
// busy loops on the scratch bytes "W#VLTx" (and "W#VLTy" for two counters).
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

// A number (IsNumber) rounded to a whole number, halves to even; nothing
// when it lies outside lo..hi.
std::optional<int> Count(const std::string& number, int lo, int hi) {
    return text::ToIntInRange(Translator::NumberValue(number), lo, hi);
}

}  // namespace

void Translator::TranslateShiftRotate(int k) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    const bool rotate = StartsWith(statement, "ROTATE ");
    const bool right = StartsWith(statement, rotate ? "ROTATE RIGHT " : "SHIFT RIGHT ");
    const int keyword = static_cast<int>(std::string(rotate ? "ROTATE " : "SHIFT ").size() +
                                         std::string(right ? "RIGHT " : "LEFT ").size());
    const char* const badIndex =
        rotate ? "Indice di rotazione non valido" : "Indice di shift non valido";

    std::string v;
    int n = 1;
    const int comma = InStr(statement, ",");
    if (comma > 0) {
        v = Trim(Mid(statement, keyword + 1, std::max(0, comma - keyword - 1)));
        // One number and nothing after it: "3O", "3MS" and "3, 4" are no count.
        const double count = text::ValWhole(Mid(statement, comma + 1)).value_or(0);
        if (!(count >= 1 && count <= 8)) {
            ReportError(badIndex);
            return;
        }
        n = static_cast<int>(text::RoundHalfEven(count));
    } else {
        v = text::LTrim(Mid(statement, keyword + 1));
    }
    // Only a variable can be shifted: a number or an unknown name would
    // name some register of the chip.
    if (!IsVariable(v)) {
        ReportError("Variabile non definita");
        return;
    }

    std::vector<std::string> lines;
    const std::string step = std::string(right ? "RRF " : "RLF ") + v + " , F";
    for (int i = 0; i < n; ++i) {
        if (!rotate) lines.push_back("BCF Reg_Status , Flag_C");
        lines.push_back(step);
    }
    ReplaceWithInstructions(k, lines);
}

void Translator::TranslateWait(int k) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    std::vector<std::string> lines;

    const int comma = InStr(statement, ",");
    if (comma > 0) {
        // Two counters: the outer one in W#VLTy, the inner one reloaded into
        // W#VLTx on every outer pass; 4a(b+1)+1 cycles.
        S.Flag_WaitDouble = true;
        const std::string a = Trim(Mid(statement, 6, std::max(0, comma - 6)));
        const std::string b = Trim(Mid(statement, comma + 1));
        if (Mid(statement, 5, 1) == " " && text::Contains(b, ",")) {
            ReportError("L'istruzione WAIT accetta al massimo due valori");
            return;
        }
        if ((IsNumber(a) && !Count(a, 1, 255)) || (IsNumber(b) && !Count(b, 1, 255))) {
            ReportError("Controllare gli indice dell'istruzione WAIT, devono essere tra 1 e 255");
            return;
        }
        auto load = [](const std::string& x) -> std::string {
            if (IsNumber(x)) return "MOVLW " + FormatHexLiteral(*Count(x, 1, 255));
            return "MOVF " + x + " , W";
        };
        if (!(IsNumber(a) || IsVariable(a)) || !(IsNumber(b) || IsVariable(b))) return;
        lines = {load(a),   "MOVWF W#VLTy",      load(b),    "MOVWF W#VLTx",
                 "NOP",     "DECFSZ W#VLTx , F", "GOTO $-2", "DECFSZ W#VLTy , F",
                 "GOTO $-6"};
    } else if (statement == "WAIT") {
        lines = {"NOP"};
    } else if (Mid(statement, 5, 1) != " ") {
        return;  // another statement that begins with these letters
    } else {
        const std::string x = Trim(Mid(statement, 5));
        if (IsVariable(x)) {
            lines = {"MOVF " + x + " , W", "MOVWF W#VLTx", "NOP", "DECFSZ W#VLTx , F", "GOTO $-2"};
        } else {
            // One number and nothing after it: "127 MS", "127O" and "1 27" are
            // no count.
            const auto value = text::ValWhole(x);
            const auto n = value ? text::ToIntInRange(*value, 1, 255) : std::nullopt;
            if (!n) {
                ReportError("Costante numerica non valida");
                return;
            }
            if (*n >= 6) {
                lines = {"MOVLW " + FormatHexLiteral(*n), "MOVWF W#VLTx", "NOP",
                         "DECFSZ W#VLTx , F", "GOTO $-2"};
            } else {
                lines.assign(static_cast<size_t>(*n), "NOP");
            }
        }
    }

    ReplaceWithInstructions(k, lines);
}

}  // namespace tavolux
