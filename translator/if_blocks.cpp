// IF ... ELSE ... END IF blocks: the labels of the block and the test of its
// condition, which jumps to the false label when the condition does not hold
// and falls through into the THEN part when it holds.
//
// Comparisons work on single bytes (a multi-byte variable by its first byte).
// Against the constant 0 the byte is read as signed (bit 7 set is negative);
// against any other constant, and between two variables, as unsigned.
#include <algorithm>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::Contains;
using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

using enum Comparison;

// The lines of a test. Instructions are written behind the indent; an entry
// that starts with "A>" is already a whole label line.
std::vector<std::string> CompareWithZero(Comparison op, const std::string& x, const std::string& f,
                                         const std::string& m) {
    const std::string load = "MOVF " + x + " , W";
    const std::string rotate = "RLF " + x + " , W";
    switch (op) {
        case kEqual:
            return {load, "BTFSS Reg_Status , Flag_Z", "GOTO " + f};
        case kNotEqual:
            return {load, "BTFSC Reg_Status , Flag_Z", "GOTO " + f};
        case kLess:
            return {load,   "BTFSC Reg_Status , Flag_Z", "GOTO " + f,
                    rotate, "BTFSS Reg_Status , Flag_C", "GOTO " + f};
        case kGreater:
            return {load,   "BTFSC Reg_Status , Flag_Z", "GOTO " + f,
                    rotate, "BTFSC Reg_Status , Flag_C", "GOTO " + f};
        case kLessEqual:
            return {load,          "BTFSC Reg_Status , Flag_Z", "GOTO " + m,
                    rotate,        "BTFSS Reg_Status , Flag_C", "GOTO " + f,
                    "A>" + m + ":"};
        default:  // kGreaterEqual
            return {load,          "BTFSC Reg_Status , Flag_Z", "GOTO " + m,
                    rotate,        "BTFSC Reg_Status , Flag_C", "GOTO " + f,
                    "A>" + m + ":"};
    }
}

// A test on a subtraction: `equality` computes a difference whose Z flag says
// equal, `ordering` one that leaves the carry set when there is no borrow,
// so that with Z clear a set carry means greater.
std::vector<std::string> SubtractionTest(Comparison op, std::vector<std::string> equality,
                                         std::vector<std::string> ordering, const std::string& f,
                                         const std::string& m) {
    if (op == kEqual || op == kNotEqual) {
        equality.push_back(op == kEqual ? "BTFSS Reg_Status , Flag_Z"
                                        : "BTFSC Reg_Status , Flag_Z");
        equality.push_back("GOTO " + f);
        return equality;
    }
    const bool orEqual = op == kLessEqual || op == kGreaterEqual;
    const bool less = op == kLess || op == kLessEqual;
    ordering.push_back("BTFSC Reg_Status , Flag_Z");
    ordering.push_back("GOTO " + (orEqual ? m : f));
    ordering.push_back(less ? "BTFSC Reg_Status , Flag_C" : "BTFSS Reg_Status , Flag_C");
    ordering.push_back("GOTO " + f);
    if (orEqual) ordering.push_back("A>" + m + ":");
    return ordering;
}

std::vector<std::string> CompareWithConstant(Comparison op, const std::string& x,
                                             const std::string& k, const std::string& f,
                                             const std::string& m) {
    return SubtractionTest(op, {"MOVF " + x + " , W", "SUBLW " + k},
                           {"MOVLW " + k, "SUBWF " + x + " , W"}, f, m);
}

// Equality loads X and computes Y - X; the orderings load Y and compute X - Y.
std::vector<std::string> CompareVariables(Comparison op, const std::string& x, const std::string& y,
                                          const std::string& f, const std::string& m) {
    return SubtractionTest(op, {"MOVF " + x + " , W", "SUBWF " + y + " , W"},
                           {"MOVF " + y + " , W", "SUBWF " + x + " , W"}, f, m);
}

// The test a flag condition asks for: the flag clear, the flag set, or a form
// that means neither. Only the forms that read as one of the two are taken:
// "= 0", "<> 1" and "< 1" ask for a clear flag; "= 1", "<> 0" and the flag
// alone for a set one.
enum class FlagTest { kClear, kSet, kInvalid };

FlagTest ReadFlagCondition(const std::string& condition, const std::string& flag) {
    if (condition == flag) return FlagTest::kSet;
    const CompareOperator found = Translator::FindCompareOperator(condition);
    if (found.op == kNone) return FlagTest::kInvalid;
    if (Trim(Mid(condition, 1, found.position - 1)) != flag) return FlagTest::kInvalid;
    const std::string value = Trim(Mid(condition, found.position + found.length));
    const bool zero = value == "0";
    const bool one = value == "1";
    const Comparison op = found.op;
    if ((op == kEqual && zero) || (op == kNotEqual && one) || (op == kLess && one)) {
        return FlagTest::kClear;
    }
    if ((op == kEqual && one) || (op == kNotEqual && zero)) return FlagTest::kSet;
    return FlagTest::kInvalid;
}

}  // namespace

void Translator::TranslateIfBlock(int ifLine, int endIf, int elseLine) {
    const std::string statement = Line(ifLine);
    S.CurrentStatement = statement;
    int thenPos = InStr(statement, " THEN");
    if (thenPos == 0) thenPos = static_cast<int>(statement.size()) + 1;
    const CompareOperator found = FindCompareOperator(statement);
    const Comparison op = found.op;

    // The frame: F where control goes when the condition fails, and with an
    // ELSE part the end label D that the THEN part jumps to.
    const std::string f = NewLabel();
    if (elseLine <= ifLine || elseLine >= endIf) {
        Line(endIf) = "A>" + f + ":";
    } else {
        const std::string d = NewLabel();
        Line(elseLine) = "A>" + f + ":";
        Line(endIf) = "A>" + d + ":";
        if (!InsertLines(elseLine, 1)) return;
        Line(elseLine) = Instruction("GOTO " + d);
    }

    if (Contains(statement, "INPUT(")) {
        TranslateInputCondition(ifLine, f);
        return;
    }

    std::vector<std::string> lines;
    const std::string condition = Trim(Mid(statement, 4, thenPos - 4));
    if (Contains(statement, " FLAG_CARRY") || Contains(statement, " FLAG_ZERO")) {
        const bool carry = Contains(statement, " FLAG_CARRY");
        const FlagTest test = ReadFlagCondition(condition, carry ? "FLAG_CARRY" : "FLAG_ZERO");
        if (test == FlagTest::kInvalid) {
            ReportError("Controllare l'istruzione");
            return;
        }
        lines = {std::string(test == FlagTest::kClear ? "BTFSC" : "BTFSS") + " Reg_Status , " +
                     (carry ? "Flag_C" : "Flag_Z"),
                 "GOTO " + f};
    } else {
        if (op == kNone) {
            ReportError("Controllare l'istruzione");
            return;
        }
        const std::string x = Trim(Mid(statement, 4, found.position - 4));
        const int rightStart = found.position + found.length;
        const std::string right = Trim(Mid(statement, rightStart, thenPos - rightStart));
        if (!IsVariable(x)) {
            ReportError("Variabile non definita " + x);
            return;
        }
        // Only "<=" and ">=" need the middle label, made after the frame's.
        const std::string m = (op == kLessEqual || op == kGreaterEqual) ? NewLabel() : "";
        if (IsNumber(right)) {
            const auto k = NumberImmediate(right);
            if (!k) {
                ReportError(kConstantNotAllowed);
                return;
            }
            lines = NumberValue(right) == 0 ? CompareWithZero(op, x, f, m)
                                            : CompareWithConstant(op, x, *k, f, m);
        } else if (IsVariable(right)) {
            lines = CompareVariables(op, x, right, f, m);
        } else {
            ReportError("Variabile non definita");
            return;
        }
    }

    ReplaceWithInstructions(ifLine, lines);
}

// Special functions in IF conditions are computed into a byte first:
// "IF DIV10(X) THEN" becomes "W#D1 = DIV10(X)" and "IF W#D1 <> 0 THEN".
void Translator::HoistIfFunctions() {
    static const char* const kFunctions[] = {"DIV10(", "DIV10R(", "READ(", "GETDATA("};
    for (int k = 1; k <= NoInput(); ++k) {
        if (!StartsWith(Line(k), "IF ")) continue;
        for (const char* function : kFunctions) {
            const std::string statement = Line(k);
            const int p = InStr(statement, function);
            if (p == 0) continue;
            const int open = p + static_cast<int>(std::char_traits<char>::length(function)) - 1;
            int q = InStr(statement, ")", open + 1);
            if (q == 0) q = static_cast<int>(statement.size());
            const std::string call = Mid(statement, p, q - p + 1);
            const bool compares = text::ContainsAnyOf(statement, "=<>");
            if (!compares) {
                // Without a comparison the call is the whole condition: "IF NOT
                // GETDATA(3) THEN" and "IF GETDATA(3), 4 THEN" are refused.
                int then = InStr(statement, " THEN");
                if (then == 0) then = static_cast<int>(statement.size()) + 1;
                if (Trim(Mid(statement, 4, std::max(0, then - 4))) != call) {
                    Refuse(statement, "Controllare l'istruzione");
                    return;
                }
            }
            if (!InsertLines(k, 1)) return;
            const bool dynamic = function[0] == 'D';
            const std::string t = dynamic ? NewDynamicVar() : std::string("W#VLTx");
            if (!compares) {
                Line(k + 1) = "IF " + t + " <> 0 THEN";
            } else {
                Line(k + 1) = Mid(statement, 1, p - 1) + t + Mid(statement, q + 1);
            }
            Line(k) = t + " = " + call;
            if (dynamic) FreeDynamicVar(t);
        }
    }
}

namespace {

bool IsWholeLine(std::string_view line, std::string_view text) {
    return line == text;
}

}  // namespace

// Each IF line with its END IF line and the last ELSE between them.
bool Translator::PairIfBlocks() {
    static constexpr BlockMarkers kIfBlock = {
        .opening = {StartsWith, "IF "},
        .closing = {IsWholeLine, "END IF"},
        .unclaimed = {StartsWith, "END IF"},
        .unclaimedMessage = "Struttura IF non bilanciata, istruzione END IF senza l'IF",
        .unclosedMessage = "Struttura IF non bilanciata",
    };
    return PairBlocks(kIfBlock, [this](int ifLine, int endIf, int elseLine) {
        TranslateIfBlock(ifLine, endIf, elseLine);
    });
}

}  // namespace tavolux
