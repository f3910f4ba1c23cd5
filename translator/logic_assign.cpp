// Logical assignments: "X = Y AND Z", "X = Y XOR Z", "X = Y OR Z" and
// "X = NOT(Y)", bit by bit on one byte, each operand a variable or a number.
// Parenthesised expressions have already been split into chains of these.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

struct LogicOperator {
    std::string_view text;
    std::string_view instruction;
};

// Tried in this order; the first whose operands fit decides.
constexpr LogicOperator kOperators[] = {
    {" AND ", "ANDWF "},
    {" XOR ", "XORWF "},
    {" OR ", "IORWF "},
};

}  // namespace

void Translator::TranslateLogicalAssignment(int k, int equalsPos) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    // Blanks at both ends go, as for any assignment: a CALL's parameter
    // assignment keeps the blank that followed the comma (" Q = J AND 1").
    const std::string target = Trim(Mid(statement, 1, equalsPos - 1));
    const std::string e = text::LTrim(Mid(statement, equalsPos + 1));
    if (!IsVariable(target)) {
        ReportError("Variabile non definita");
        return;
    }

    std::vector<std::string> lines;
    for (const LogicOperator& op : kOperators) {
        const int at = InStr(e, op.text);
        if (at == 0) continue;
        std::string l = Trim(Mid(e, 1, at - 1));
        std::string r = Trim(Mid(e, at + static_cast<int>(op.text.size())));
        const std::string instruction(op.instruction);
        if (IsNumber(l) && IsNumber(r)) {
            const auto kl = Translator::NumberImmediate(l);
            const auto kr = Translator::NumberImmediate(r);
            if (!kl || !kr) {
                ReportError(kConstantNotAllowed);
                return;
            }
            lines = {"MOVLW " + *kl, "MOVWF " + target, "MOVLW " + *kr,
                     instruction + target + " , F"};
            break;
        }
        if (IsNumber(l) && IsVariable(r)) std::swap(l, r);
        if (IsVariable(l) && IsNumber(r)) {
            const auto kr = Translator::NumberImmediate(r);
            if (!kr) {
                ReportError(kConstantNotAllowed);
                return;
            }
            lines = {"MOVLW " + *kr, instruction + l + " , W", "MOVWF " + target};
            break;
        }
        if (IsVariable(l) && IsVariable(r)) {
            lines = {"MOVF " + l + " , W", instruction + r + " , W", "MOVWF " + target};
            break;
        }
    }

    if (lines.empty()) {
        if (!StartsWith(e, "NOT(")) {
            ReportError("Errore di sintassi");
            return;
        }
        if (!text::EndsWith(e, ")")) {
            ReportError("Controllare l'istruzione");
            return;
        }
        const std::string a = Trim(Mid(e, 5, static_cast<int>(e.size()) - 5));
        if (a == target) {
            lines = {"COMF " + target + " , F"};
        } else if (IsVariable(a)) {
            lines = {"COMF " + a + " , W", "MOVWF " + target};
        } else if (IsNumber(a)) {
            const double value = NumberValue(a);
            if (value < 0 || value > 255) {
                ReportError("Costante numerica troppo alta");
                return;
            }
            lines = {"MOVLW " + *Translator::NumberImmediate(a), "MOVWF " + target,
                     "COMF " + target + " , F"};
        } else {
            ReportError("Errore di sintassi");
            return;
        }
    }

    ReplaceWithInstructions(k, lines);
}

}  // namespace tavolux
