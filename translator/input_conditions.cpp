// IF conditions that read an input: INPUT(A0) compares one port line (high
// or low), INPUT(A) the whole port byte. The tests jump to the block's false
// label when the condition does not hold; they skip over their own lines
// with relative jumps, which count instructions only.
#include <algorithm>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::Trim;

namespace {

using enum Comparison;

// The operator seen from the other side: "a < b" is "b > a".
const char* Mirrored(Comparison op) {
    switch (op) {
        case kNotEqual:
            return "<>";
        case kLessEqual:
            return ">=";
        case kGreaterEqual:
            return "<=";
        case kEqual:
            return "= ";
        case kLess:
            return "> ";
        default:
            return "< ";
    }
}

// Position of " THEN", or the end of the line when it has none.
int ThenPosition(const std::string& line) {
    const int then = InStr(line, " THEN");
    return then == 0 ? static_cast<int>(line.size()) + 1 : then;
}

// The jumps to `f` when "port op value" does not hold, read from the flags
// of a subtraction of the two: Z is set when they are equal; the carry is set
// when the port byte is not below the value if `carryWhenNotBelow`, when it
// is not above the value otherwise.
std::vector<std::string> JumpsAfterSubtraction(Comparison op, bool carryWhenNotBelow,
                                               const std::string& f) {
    if (op == kEqual) return {"BTFSS Reg_Status , Flag_Z", "GOTO " + f};
    if (op == kNotEqual) return {"BTFSC Reg_Status , Flag_Z", "GOTO " + f};
    const bool below = op == kLess || op == kLessEqual;
    const bool strict = op == kLess || op == kGreater;
    return {"BTFSC Reg_Status , Flag_Z", strict ? "GOTO " + f : "GOTO $+3",
            std::string(below == carryWhenNotBelow ? "BTFSC" : "BTFSS") + " Reg_Status , Flag_C",
            "GOTO " + f};
}

// Whole port against a constant, K its byte immediate. Against 0 the port
// byte is read as signed (bit 7 set is negative), against any other constant
// as unsigned.
std::vector<std::string> PortWithConstant(Comparison op, const std::string& port, bool zero,
                                          const std::string& k, const std::string& f) {
    const std::string reg = "Reg_Port" + port;
    const std::string load = "MOVF " + reg + " , W";
    if (zero) {
        switch (op) {
            case kEqual:
                return {load, "BTFSS Reg_Status , Flag_Z", "GOTO " + f};
            case kNotEqual:
                return {load, "BTFSC Reg_Status , Flag_Z", "GOTO " + f};
            case kLess:
                return {"BTFSS " + reg + " , Bit_7", "GOTO " + f};
            case kGreater:
                return {load, "BTFSC Reg_Status , Flag_Z", "GOTO " + f, "BTFSC " + reg + " , Bit_7",
                        "GOTO " + f};
            case kLessEqual:
                return {load, "BTFSC Reg_Status , Flag_Z", "GOTO $+3", "BTFSS " + reg + " , Bit_7",
                        "GOTO " + f};
            default:  // kGreaterEqual
                return {load, "BTFSC Reg_Status , Flag_Z", "GOTO $+3", "BTFSC " + reg + " , Bit_7",
                        "GOTO " + f};
        }
    }
    // W becomes the port byte minus K (K minus it for "<>"); the carry is set
    // when the port byte is not below K (unsigned).
    std::vector<std::string> lines =
        op == kNotEqual ? std::vector<std::string>{load, "SUBLW " + k}
                        : std::vector<std::string>{"MOVLW " + k, "SUBWF " + reg + " , W"};
    const std::vector<std::string> jumps = JumpsAfterSubtraction(op, true, f);
    lines.insert(lines.end(), jumps.begin(), jumps.end());
    return lines;
}

// Whole port against a variable: W becomes V minus the port byte, and the
// carry is set when V is not below it (unsigned).
std::vector<std::string> PortWithVariable(Comparison op, const std::string& port,
                                          const std::string& v, const std::string& f) {
    std::vector<std::string> lines = {"MOVF Reg_Port" + port + " , W", "SUBWF " + v + " , W"};
    const std::vector<std::string> jumps = JumpsAfterSubtraction(op, false, f);
    lines.insert(lines.end(), jumps.begin(), jumps.end());
    return lines;
}

}  // namespace

void Translator::TranslateInputCondition(int ifLine, const std::string& falseLabel) {
    const std::string original = Line(ifLine);
    S.CurrentStatement = original;
    const std::string& f = falseLabel;

    const int p = InStr(original, "INPUT(");
    const int q = p == 0 ? 0 : InStr(original, ")", p + 5);
    if (p == 0 || q == 0) {
        ReportError("Errato bilancimaneto delle parentesi");
        return;
    }
    const std::string input = Trim(Mid(original, p + 6, q - p - 6));
    if (input.empty()) {
        ReportError("La funzione Input() richiede un argomento (Port/Line)");
        return;
    }

    std::string line = original;
    CompareOperator found = FindCompareOperator(line);
    if (found.op != kNone && found.position < p) {
        // The INPUT operand goes to the left, the operator is mirrored.
        const int thenPos = ThenPosition(line);
        const int rightStart = found.position + found.length;
        const std::string left = Mid(line, 4, std::max(0, found.position - 4));
        const std::string right = Mid(line, rightStart, std::max(0, thenPos - rightStart));
        line = "IF " + right + Mirrored(found.op) + left + " THEN";
        Line(ifLine) = line;
        found = FindCompareOperator(line);
    }
    const Comparison op = found.op;

    std::vector<std::string> lines;
    if (op != kNone) {
        const int valueStart = found.position + found.length;
        const std::string v =
            Trim(Mid(line, valueStart, std::max(0, ThenPosition(line) - valueStart)));
        if (IsPinName(input)) {
            const std::string reg = "Reg_Port" + input.substr(0, 1) + " , Bit_" + input.substr(1);
            if (op != kEqual) {
                ReportError(
                    "Assegnazione non valida, \xE8 ammesso solo il segno di uguale per le linee "
                    "di I/O");
                return;
            }
            if (IsNumber(v)) {
                // A line is high (1) or low (0); no other number describes it.
                const double value = NumberValue(v);
                if (value != 0 && value != 1) {
                    ReportError("Tipo di assegnazione non valida");
                    return;
                }
                lines = {std::string(value == 1 ? "BTFSS " : "BTFSC ") + reg, "GOTO " + f};
            } else if (IsVariable(v)) {
                lines = {"MOVF " + v + " , W", "BTFSS Reg_Status , Flag_Z",
                         "GOTO $+4",           "BTFSC " + reg,
                         "GOTO " + f,          "GOTO $+3",
                         "BTFSS " + reg,       "GOTO " + f};
            } else {
                ReportError("Tipo di assegnazione non valida");
                return;
            }
        } else if (IsPortName(input)) {
            if (IsNumber(v)) {
                const auto k = NumberImmediate(v);
                if (!k) {
                    ReportError(kConstantNotAllowed);
                    return;
                }
                lines = PortWithConstant(op, input, NumberValue(v) == 0, *k, f);
            } else if (IsVariable(v)) {
                lines = PortWithVariable(op, input, v, f);
            } else {
                ReportError("Impossibiler risolvere l'istruzione");
                return;
            }
        } else {
            ReportError("Impossibiler risolvere l'istruzione");
            return;
        }
    } else if (IsPinName(input)) {
        lines = {"BTFSS Reg_Port" + input.substr(0, 1) + " , Bit_" + input.substr(1), "GOTO " + f};
    } else if (IsPortName(input)) {
        lines = {"MOVF Reg_Port" + input + " , W", "BTFSC Reg_Status , Flag_Z", "GOTO " + f};
    } else {
        ReportError("Sintassi non valida");
        return;
    }

    // INPUT(...) is the whole of its side of the condition: "NOT INPUT(A3) = 1",
    // "INPUT(B) + 1 > 100", "INPUT(B) >< 100" and "INPUT(B7) 0" are refused.
    const int operandEnd = op != kNone ? found.position : ThenPosition(line);
    const std::string operand = Trim(Mid(line, 4, std::max(0, operandEnd - 4)));
    if (!text::StartsWith(operand, "INPUT(") ||
        InStr(operand, ")") != static_cast<int>(operand.size())) {
        ReportError(op != kNone ? "Impossibiler risolvere l'istruzione" : "Sintassi non valida");
        return;
    }

    ReplaceWithInstructions(ifLine, lines);
}

}  // namespace tavolux
