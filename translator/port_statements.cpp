// The port, line and bit statements: SWAP BINARY and SWAP BYTE, the carry
// flag, CLEAR, SET and RESET of a port or line, OUTPUT of a byte to a port
// and RECONFIG, which changes the direction of ports and lines at run time.
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

// A RECONFIG list names at most this many items.
constexpr int kMaxReconfigItems = 30;

std::string Port(const std::string& item) {
    return item.substr(0, 1);
}
std::string Bit(const std::string& item) {
    return item.substr(item.size() - 1);
}
int Mask(const std::string& item) {
    return 1 << (item.back() - '0');
}

// The lines that change one line's direction in bank 1: set its TRIS bit for
// an input, clear it for an output.
void AppendLineDirection(std::vector<std::string>& lines, const std::string& item, bool input) {
    lines.push_back("MOVF Reg_Tris" + Port(item) + " , W");
    lines.push_back(input ? "IORLW " + Translator::FormatHexLiteral(Mask(item))
                          : "ANDLW " + Translator::FormatHexLiteral(255 - Mask(item)));
    lines.push_back("MOVWF Reg_Tris" + Port(item));
}

}  // namespace

void Translator::TranslatePortStatement(int k) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    std::vector<std::string> lines;

    if (StartsWith(statement, "SWAP BINARY ")) {
        const std::string v = Trim(Mid(statement, 13));
        if (GetVarSize(v) != 1) {
            return ReportError("Variabile non definita o istruzione SWAP Binary non ammessa");
        }
        lines = {"SWAPF " + v + " , F"};
    } else if (StartsWith(statement, "SWAP BYTE ")) {
        const std::string rest = Mid(statement, 11);
        const int comma = InStr(rest, ",");
        if (comma == 0) return ReportError("Sintassi errata per l'istruzione SWAP Byte");
        const std::string a = Trim(Mid(rest, 1, comma - 1));
        const std::string b = Trim(Mid(rest, comma + 1));
        if (!IsVariable(a) || !IsVariable(b)) return ReportError("Swap con variabile non definita");
        lines = {"MOVF " + a + " , W", "MOVWF W#VLTx",    "MOVF " + b + " , W",
                 "MOVWF " + a,         "MOVF W#VLTx , W", "MOVWF " + b};
    } else if (statement == "CLEAR CARRY" || statement == "CLEAR FLAG CARRY" ||
               statement == "RESET CARRY" || statement == "RESET FLAG CARRY") {
        lines = {"BCF Reg_Status , Flag_C"};
    } else if (statement == "SET FLAG CARRY" || statement == "SET CARRY") {
        lines = {"BSF Reg_Status , Flag_C"};
    } else if (StartsWith(statement, "CLEAR ")) {
        const std::string operand = text::LTrim(Mid(statement, 7));
        if (IsPortName(operand)) {
            lines = {"CLRF Reg_Port" + operand};
        } else if (IsPinName(operand)) {
            lines = {"BCF Reg_Port" + Port(operand) + " , Bit_" + Bit(operand)};
        } else {
            return ReportError("Azzeramento di porta/linea non valido");
        }
    } else if (StartsWith(statement, "RESET ") || StartsWith(statement, "SET ")) {
        // One port or one line, and nothing else: "SET B4, B5" is refused.
        const bool set = StartsWith(statement, "SET ");
        const std::string operand = Trim(Mid(statement, set ? 5 : 7));
        if (IsPinName(operand)) {
            lines = {std::string(set ? "BSF" : "BCF") + " Reg_Port" + Port(operand) + " , Bit_" +
                     Bit(operand)};
        } else if (IsPortName(operand)) {
            const std::string& port = operand;
            if (set) {
                lines = {"MOVLW 0xFF", "MOVWF Reg_Port" + port};
            } else {
                lines = {"CLRF Reg_Port" + port};
            }
        } else {
            return ReportError("Indice della linea di I/O non valido");
        }
    } else if (StartsWith(statement, "OUTPUT ")) {
        const int comma = InStr(statement, ",", 8);
        if (comma == 0) return ReportError("Sintassi non corretta dell'istruzione");
        const std::string p = Trim(Mid(statement, 8, comma - 8));
        const std::string x = Trim(Mid(statement, comma + 1));
        if (!IsPortName(p)) return ReportError("Istruzione OUTPUT non riconosciuta");
        if (IsNumber(x)) {
            const auto value = NumberImmediate(x);
            if (!value) return ReportError(kConstantNotAllowed);
            lines = {"MOVLW " + *value, "MOVWF Reg_Port" + p};
        } else if (IsVariable(x)) {
            lines = {"MOVF " + x + " , W", "MOVWF Reg_Port" + p};
        } else {
            return ReportError("Istruzione OUTPUT non riconosciuta");
        }
    } else if (StartsWith(statement, "RECONFIG ")) {
        const int as = InStr(statement, " AS ");
        if (as == 0) {
            return ReportError("Controllore l'istruzione di riconfiggurazionePorta/Linea I/O");
        }
        const auto input = ReadDirection(Mid(statement, as + 4));
        if (!input) return ReportError(kUnknownDirection);
        const std::string items = Trim(Mid(statement, 10, std::max(0, as - 10)));
        if (items.empty()) {
            return ReportError("Controllore l'istruzione di ReConfig Porta Input/Output");
        }
        lines = {"BSF Reg_Status , Bit_5"};
        if (items.size() == 1) {
            if (!IsPortName(items)) return ReportError("Porta non gestibile");
            lines.push_back(*input ? "MOVLW 0xff" : "MOVLW 0");
            lines.push_back("MOVWF Reg_Tris" + items);
        } else if (items.size() == 2) {
            if (!IsPinName(items)) return ReportError("Linea di Input/Output non gestibile");
            AppendLineDirection(lines, items, *input);
        } else {
            if (!text::Contains(items, ",")) {
                return ReportError("Riconfigurazioni multiple non valide");
            }
            int count = 0;
            std::string rest = items;
            for (;;) {
                const int comma = InStr(rest, ",");
                const std::string item = Trim(comma == 0 ? rest : Mid(rest, 1, comma - 1));
                if (++count > kMaxReconfigItems) {
                    return ReportError("Riconfigurazioni multiple non valide: al massimo " +
                                       text::Str(kMaxReconfigItems) + " porte o linee");
                }
                // Every item must name a port or a port line of the chip; an
                // empty one is a port or line forgotten.
                if (IsPortName(item)) {
                    lines.push_back(*input ? "MOVLW 0xFF" : "MOVLW 0");
                    lines.push_back("MOVWF Reg_Tris" + item);
                } else if (IsPinName(item)) {
                    AppendLineDirection(lines, item, *input);
                } else {
                    return ReportError("Riconfigurazioni multiple non valide");
                }
                if (comma == 0) break;
                rest = Mid(rest, comma + 1);
            }
        }
        lines.push_back("BCF Reg_Status2 , Bit_5");
    } else {
        return;  // not a statement of this family
    }

    ReplaceWithInstructions(k, lines);
}

}  // namespace tavolux
