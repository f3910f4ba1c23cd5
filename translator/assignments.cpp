// Assignments: a target, "=", and one of the few expression forms the
// language knows (a constant, a variable, a sum or a difference of two
// operands, a flag, or one of the built-in functions RND, DIV10, DIV10R,
// GETDATA, READ and INPUT). Arithmetic is one byte wide: a variable is the
// byte at its own address, a constant is the low byte of its value.
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

// What an assignment becomes: the instruction texts (without the line mark
// and indent), or a message that refuses it.
struct Outcome {
    std::vector<std::string> lines;
    std::string error;
};

Outcome Lines(std::vector<std::string> lines) {
    Outcome out;
    out.lines = std::move(lines);
    return out;
}

Outcome Refused(std::string message) {
    Outcome out;
    out.error = std::move(message);
    return out;
}

// A whole constant brought into a byte: a negative value has 256 added once.
Outcome StoreConstant(const std::string& target, double value, const char* movlw,
                      const char* movwf) {
    auto n = Translator::ByteConstant(value);
    if (!n) return Refused(kConstantNotAllowed);
    if (*n < 0) *n += 256;
    if (*n == 0) return Lines({"CLRF " + target});
    return Lines({std::string(movlw) + Translator::FormatHexLiteral(*n), movwf + target});
}

// A function form: its argument, from `start` up to the first ")" found from
// there on, and what follows that ")" (which must be nothing), both with
// blanks removed at both ends.
struct FunctionCall {
    std::string argument;
    std::string after;
};

FunctionCall ReadCall(const std::string& expression, int start) {
    const int close = InStr(expression, ")", start);
    if (close == 0) return {Trim(Mid(expression, start)), ""};
    return {Trim(Mid(expression, start, close - start)), Trim(Mid(expression, close + 1))};
}

std::string Argument(const std::string& expression, int start) {
    return ReadCall(expression, start).argument;
}

bool HasLogicalOperator(std::string_view statement) {
    return text::Contains(statement, " AND ") || text::Contains(statement, " OR ") ||
           text::Contains(statement, " XOR ") || text::Contains(statement, "NOT(");
}

// The zero flag is read before anything touches it: W is loaded with
// literals and stored with MOVWF, neither of which changes a flag.
Outcome ZeroFlag(const std::string& target) {
    return Lines({"MOVLW 0", "BTFSC Reg_Status , Flag_Z", "MOVLW 0x01", "MOVWF " + target});
}

Outcome GetData(const Translator& t, int noData, const std::string& target,
                const std::string& expression) {
    if (noData == 0) {
        return Refused(
            "La funzione GetData() non pu\xF2 essere usata senza la definizione dell'istruzione "
            "DATA.");
    }
    const std::string a = Argument(expression, 9);
    if (a.empty()) return Refused("La funzione GetData() richiede un argomento numerico");
    if (Translator::IsNumber(a)) {
        // The computed jump of the table lands on the index-th RETLW: an
        // index past the last value would run on into the program.
        const double value = Translator::NumberValue(a);
        const auto index = Translator::WholeNumberValue(a);
        if (value < 1 || value > kMaxDataValues || !index || *index > noData) {
            return Refused("Indice della funzione GetDATA() fuori range.");
        }
        return Lines(
            {"MOVLW " + Translator::FormatHexLiteral(*index), "CALL @@GD", "MOVWF " + target});
    }
    if (t.IsVariable(a)) {
        // An index of 0 or past the last value gives 0.
        return Lines({"MovLW " + Translator::FormatHexLiteral(noData + 1), "SubWF " + a + " , W",
                      "BTFSS Reg_Status, Flag_C", "Goto $+3", "CLRW", "Goto $+4",
                      "MOVF " + a + " , W", "BTFSS Reg_Status, Flag_Z", "CALL @@GD",
                      "MOVWF " + target});
    }
    return Refused("Assegnazione GetData() non riconosciuta");
}

Outcome Input(const std::string& target, const std::string& expression) {
    const int length = static_cast<int>(expression.size()) - 7;
    const std::string a = length > 0 ? Trim(Mid(expression, 7, length)) : std::string();
    if (a.empty()) return Refused("La funzione Input() richiede un argomento, controllare");
    if (a.size() == 1 && Translator::IsPortName(a)) {
        return Lines({"MOVF Reg_Port" + a + " , W", "MOVWF " + target});
    }
    if (Translator::IsPinName(a)) {
        return Lines({"CLRF " + target, std::string("BTFSC Reg_Port") + a[0] + " , Bit_" + a[1],
                      "INCF " + target + " , F"});
    }
    return Refused("Indicazione di Porta I/O non valida");
}

// Sums and differences of two operands, each a number or a variable.
Outcome SumOrDifference(const Translator& t, const std::string& target,
                        const std::string& expression) {
    const int plus = InStr(expression, "+");
    const int minus = InStr(expression, "-");
    if (plus != 0 && minus != 0) return Refused("Struttura algebrica complessa");
    if (plus == 0 && minus == 0) {
        if (text::Contains(expression, "*") && text::Contains(expression, "/")) {
            return Refused("Espressione algebrica complessa");
        }
        return Refused("Variabile o Espressione algebrica non definita");
    }
    const bool add = plus != 0;
    const int at = plus + minus;
    const std::string l = Trim(Mid(expression, 1, at - 1));
    const std::string r = Trim(Mid(expression, at + 1));
    const std::string op = add ? "ADDWF " : "SUBWF ";
    const bool lNumber = Translator::IsNumber(l);
    const bool rNumber = Translator::IsNumber(r);

    if (!rNumber) {
        if (!lNumber && !t.IsVariable(l)) return Refused("Variabile non definita");
        if (t.IsVariable(l) && t.IsVariable(r)) {
            return Lines({"MOVF " + r + " , W", op + l + " , W", "MOVWF " + target});
        }
        if (lNumber && t.IsVariable(r)) {
            const auto k = Translator::NumberImmediate(l);
            if (!k) return Refused(kConstantNotAllowed);
            if (add && r == target) return Lines({"MOVLW " + *k, "ADDWF " + target + " , F"});
            if (add) return Lines({"MOVLW " + *k, "ADDWF " + r + " , W", "MOVWF " + target});
            return Lines({"MOVF " + r + " , W", "SUBLW " + *k, "MOVWF " + target});
        }
        return Refused("Variabile non definita");
    }
    if (lNumber) {
        const double value = add ? Translator::NumberValue(l) + Translator::NumberValue(r)
                                 : Translator::NumberValue(l) - Translator::NumberValue(r);
        return StoreConstant(target, value, "MovLW ", "MovWF ");
    }
    const auto k = Translator::NumberImmediate(r);
    if (l == target) {
        if (add && Translator::NumberValue(r) == 1) return Lines({"INCF " + target + " , F"});
        if (!k) return Refused(kConstantNotAllowed);
        return Lines({"MOVLW " + *k, op + target + " , F"});
    }
    if (!t.IsVariable(l)) return Refused("Variabile non definita");
    if (!k) return Refused(kConstantNotAllowed);
    return Lines({"MOVLW " + *k, op + l + " , W", "MOVWF " + target});
}

}  // namespace

void Translator::TranslateAssignment(int k, int equalsPos) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    // Logical expressions have a translator of their own.
    if (HasLogicalOperator(statement)) {
        TranslateLogicalAssignment(k, equalsPos);
        return;
    }

    const std::string target = Trim(Mid(statement, 1, equalsPos - 1));
    std::string e = Trim(Mid(statement, equalsPos + 1));
    if (StartsWith(e, "+")) e.erase(0, 1);
    if (!IsVariable(target)) {
        ReportError("Variabile non definita");
        return;
    }

    // The divide routines work on three reusable temporaries, which they
    // take from the pool only when the program text is written, after the
    // equates: taking them here and giving them back declares them.
    const auto reserveDivideBytes = [this]() {
        ReturnDivideBytes(TakeDivideBytes());
        S.Flag_Library = true;
        S.Flag_Div10 = true;
        return !S.Flag_Error;
    };

    Outcome out;
    if (e == "RND()" || e == "RND") {
        out = Lines({"Movf Reg_Tmr0 , W", "Movwf " + target});
    } else if (e == "FLAG_CARRY") {
        out = Lines({"CLRF " + target, "BTFSC Reg_Status , Flag_C", "INCF " + target + " , F"});
    } else if (e == "FLAG_ZERO") {
        out = ZeroFlag(target);
    } else if (StartsWith(e, "DIV10(")) {
        const std::string a = Argument(e, 7);
        if (a.empty() || !IsVariable(a)) {
            out = Refused("La funzione Div10() richiede una variabile come argomento");
        } else {
            if (!reserveDivideBytes()) return;
            out = Lines({"MOVF " + a + " , W", "CALL @@DV10", "MOVWF " + target});
        }
    } else if (StartsWith(e, "DIV10R(")) {
        // The remainder of the last division: the program needs the divide
        // routines even when this is the only form it uses. It reads no
        // argument; the dividend's variable may stand in the parentheses.
        const std::string a = Argument(e, 8);
        if (!a.empty() && !IsVariable(a)) {
            out = Refused("Argomento non valido per la funzione Div10r()");
        } else {
            if (!reserveDivideBytes()) return;
            out = Lines({"CALL @@DV10C", "MOVWF " + target});
        }
    } else if (StartsWith(e, "GETDATA(")) {
        out = GetData(*this, S.NoDATA(), target, e);
        if (out.error.empty()) S.Flag_Library = true;
    } else if (StartsWith(e, "READ(")) {
        const std::string a = Argument(e, 6);
        if (a.empty()) {
            out = Refused("La funzione Read() richiede un argomento");
        } else {
            S.Flag_Library = true;
            S.Flag_EepromRead = true;
            std::optional<std::string> load;
            if (IsNumber(a)) {
                if (const auto address = Translator::WholeNumberValue(a)) {
                    // The data EEPROM has the addresses 0 to 63.
                    if (*address < 0 || *address > kEepromLast) {
                        ReportError(kEepromRange);
                        return;
                    }
                    load = "MOVLW " + FormatHexLiteral(*address);
                }
            } else if (IsVariable(a)) {
                load = "MOVF " + a + " , W";
            }
            if (!load) {
                if (!InsertLines(k, 2)) return;
                ReportError(IsNumber(a) ? kConstantNotAllowed : "Sintassi non riconosciuta");
                return;
            }
            out = Lines({*load, "CALL @@RD", "MOVWF " + target});
        }
    } else if (StartsWith(e, "INPUT(")) {
        out = Input(target, e);
    } else if (IsNumber(e) && text::ContainsAnyOf(e, ".,")) {
        // Decimal constants go into four-byte variables only.
        if (GetVarSize(target) != 4) {
            out = Refused("Assegnazione floating non valida");
        } else {
            out = Lines(FloatConstantLines(target, e));
        }
    } else if (IsNumber(e)) {
        out = StoreConstant(target, NumberValue(e), "MOVLW ", "MOVWF ");
    } else if (IsVariable(e)) {
        out = Lines({"MOVF " + e + " , W", "MOVWF " + target});
    } else {
        out = SumOrDifference(*this, target, e);
    }

    // A function form is the whole expression: "READ(21) + 1" or
    // "DIV10(X) * 2" is no expression the language computes.
    const bool functionForm = StartsWith(e, "DIV10(") || StartsWith(e, "DIV10R(") ||
                              StartsWith(e, "GETDATA(") || StartsWith(e, "READ(");
    if (out.error.empty() && functionForm && !ReadCall(e, InStr(e, "(") + 1).after.empty()) {
        out = Refused("Variabile o Espressione algebrica non definita");
    }

    if (!out.error.empty()) {
        ReportError(out.error);
        return;
    }
    ReplaceWithInstructions(k, out.lines);
}

}  // namespace tavolux
