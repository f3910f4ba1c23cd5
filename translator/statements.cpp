// The statement dispatcher, and the statements it translates itself: GOTO,
// CALL, END, STOP and inline assembly.
#include "basic_text.h"
#include "equates.h"
#include "translator.h"

namespace tavolux {

using text::EndsWith;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

enum class Match { kBegins, kIs };

enum class Family {
    kPortBits,     // SWAP, CLEAR, SET, RESET, OUTPUT, RECONFIG and the carry
    kTimer,        // timer set-up and interrupt handlers
    kShiftRotate,  // SHIFT and ROTATE
    kWait,         // WAIT
    kWrite,        // WRITE to the EEPROM
    kInlineAsm,
    kGoto,
    kCall,
    kEnd,
    kStop,
};

struct Rule {
    Match match;
    const char* text;
    Family family;
};

// The first rule that holds decides; the order matters ("SET TIMER ON" before "SET ").
constexpr Rule kRules[] = {
    {Match::kBegins, "SWAP BINARY ", Family::kPortBits},
    {Match::kBegins, "SWAP BYTE ", Family::kPortBits},
    {Match::kBegins, "ASM", Family::kInlineAsm},
    {Match::kBegins, "GOTO ", Family::kGoto},
    {Match::kBegins, "CALL ", Family::kCall},
    {Match::kIs, "CLEAR CARRY", Family::kPortBits},
    {Match::kIs, "CLEAR FLAG CARRY", Family::kPortBits},
    {Match::kBegins, "CLEAR ", Family::kPortBits},
    {Match::kIs, "END", Family::kEnd},
    {Match::kBegins, "SET INIT TIMER TO", Family::kTimer},
    {Match::kBegins, "ON TIMER INTERRUPT CALL ", Family::kTimer},
    {Match::kBegins, "ON EXTERNAL INTERRUPT CALL ", Family::kTimer},
    {Match::kBegins, "ON LINE INTERRUPT CALL ", Family::kTimer},
    {Match::kBegins, "OUTPUT ", Family::kPortBits},
    {Match::kBegins, "RECONFIG ", Family::kPortBits},
    {Match::kBegins, "RESET ", Family::kPortBits},
    {Match::kBegins, "ROTATE RIGHT ", Family::kShiftRotate},
    {Match::kBegins, "ROTATE LEFT ", Family::kShiftRotate},
    {Match::kIs, "SET TIMER ON", Family::kTimer},
    {Match::kIs, "SET TIMER OFF", Family::kTimer},
    {Match::kIs, "SET INTERNAL CLOCK", Family::kTimer},
    {Match::kIs, "SET EXTERNAL CLOCK", Family::kTimer},
    {Match::kBegins, "SET TIMER RATE TO ", Family::kTimer},
    {Match::kIs, "SET TIMER EDGE UP", Family::kTimer},
    {Match::kIs, "SET TIMER EDGE DOWN", Family::kTimer},
    {Match::kIs, "SET EXTERNAL INTERRUPT EDGE UP", Family::kTimer},
    {Match::kIs, "SET EXTERNAL INTERRUPT EDGE DOWN", Family::kTimer},
    {Match::kIs, "SET EXTERNAL INTERRUPT ON", Family::kTimer},
    {Match::kIs, "SET EXTERNAL INTERRUPT OFF", Family::kTimer},
    {Match::kIs, "SET LINE INTERRUPT ON", Family::kTimer},
    {Match::kIs, "SET LINE INTERRUPT OFF", Family::kTimer},
    {Match::kIs, "SET FLAG CARRY", Family::kPortBits},
    {Match::kBegins, "SET ", Family::kPortBits},
    {Match::kBegins, "SHIFT RIGHT ", Family::kShiftRotate},
    {Match::kBegins, "SHIFT LEFT ", Family::kShiftRotate},
    {Match::kIs, "STOP", Family::kStop},
    {Match::kBegins, "WAIT", Family::kWait},
    {Match::kBegins, "WRITE ", Family::kWrite},
};

bool IsAsmWordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The inline text with every name of the equates text spelled as the equates
// text spells it: the pre-pass has upper-cased "Reg_Status" to "REG_STATUS",
// a symbol the assembler does not know. A name the program declared as a
// variable stays; so does text between double quotes.
std::string RespellEquates(const Translator& t, const std::string& asmText) {
    std::string out;
    out.reserve(asmText.size());
    size_t i = 0;
    while (i < asmText.size()) {
        const char c = asmText[i];
        if (c == '"') {
            const size_t close = asmText.find('"', i + 1);
            const size_t end = close == std::string::npos ? asmText.size() : close + 1;
            out.append(asmText, i, end - i);
            i = end;
        } else if (IsAsmWordCharacter(c)) {
            size_t end = i;
            while (end < asmText.size() && IsAsmWordCharacter(asmText[end])) ++end;
            const std::string word = asmText.substr(i, end - i);
            const std::string_view symbol = EquateSpelling(word);
            out += symbol.empty() || t.IsVariable(word) ? std::string_view(word) : symbol;
            i = end;
        } else {
            out.push_back(c);
            ++i;
        }
    }
    return out;
}

// An assembly line of inline text: a label line when it holds ":", an
// instruction line otherwise.
std::string AsmLine(const Translator& t, const std::string& asmText) {
    const std::string line = RespellEquates(t, asmText);
    return text::Contains(line, ":") ? "A>" + line : Instruction(line);
}

}  // namespace

void Translator::TranslateStatement(int k) {
    const std::string statement = Line(k);
    S.CurrentStatement = statement;
    FollowRoutine(statement, S.StatementRoutine);
    const Rule* rule = nullptr;
    for (const Rule& r : kRules) {
        if (r.match == Match::kIs ? statement == r.text : StartsWith(statement, r.text)) {
            rule = &r;
            break;
        }
    }
    if (rule == nullptr) return;  // left for the block and assignment steps

    switch (rule->family) {
        case Family::kGoto:
            Line(k) = Instruction(statement);
            S.GotoTargets.push_back(Trim(Mid(statement, 6)));
            S.GotoRoutines.push_back(S.StatementRoutine);
            break;
        case Family::kCall:
            // Only the exact label of a subroutine: "M" for SUB M, "M1" for SUB M(A).
            if (IsSubName(Trim(Mid(statement, 6)))) {
                Line(k) = Instruction(statement);
            } else {
                ReportError("Subroutine non definita");
            }
            break;
        case Family::kEnd:
            if (!InsertLines(k, 1)) return;
            Line(k) = Instruction("SLEEP");
            Line(k + 1) = Instruction("GOTO $-1");
            break;
        case Family::kStop: {
            // An interrupt that wakes the chip runs only after the word that
            // follows SLEEP: a NOP there, so that the next statement sees
            // what the handler did. Before END (END IF places only a label)
            // the next word is END's own SLEEP, and nothing comes after it.
            int next = k + 1;
            while (next <= NoInput() && (Line(next).empty() || Line(next) == "END IF")) ++next;
            if (Line(next) == "END") {
                Line(k) = Instruction("SLEEP");
            } else {
                ReplaceWithInstructions(k, {"SLEEP", "NOP"});
            }
            break;
        }
        case Family::kInlineAsm:
            if (StartsWith(statement, "ASM(")) {
                if (!EndsWith(statement, ")")) {
                    ReportError("Controllare l'istruzione ASM: " + statement);
                    return;
                }
                const std::string inner = text::ReplaceFirst(
                    Trim(Mid(statement, 5, static_cast<int>(statement.size()) - 5)), "&H", "0x");
                Line(k) = AsmLine(*this, inner);
            } else if (StartsWith(statement, "ASM{")) {
                TranslateInlineAsmBlock(k);
            } else {
                ReportError("Errore si sintassi, controllare : " + statement);
            }
            break;
        case Family::kPortBits:
            TranslatePortStatement(k);
            break;
        case Family::kTimer:
            TranslateTimerStatement(k);
            break;
        case Family::kShiftRotate:
            TranslateShiftRotate(k);
            break;
        case Family::kWait:
            TranslateWait(k);
            break;
        case Family::kWrite:
            TranslateWrite(k);
            break;
    }
}

// ASM{ ... }: from the statement's own slot to the first line that ends with "}".
void Translator::TranslateInlineAsmBlock(int k) {
    const std::string first = Line(k);
    Line(k) = Mid(first, 5);
    for (int j = k;; ++j) {
        if (j > NoInput()) {
            ReportError("Blocco di istruzioni ASM non chiuso tra parentesi {}");
            return;
        }
        // A label line of the block is already finished assembly.
        if (StartsWith(Line(j), "A>")) continue;
        std::string t = Trim(Line(j));
        if (t.empty()) continue;
        t = text::ReplaceFirst(t, "&H", "0x");
        if (text::Contains(t, "{")) {
            ReportError("Errore di sintassi, controllare le parentesi nell'istruzione: " + first);
            return;
        }
        if (t == "}") {
            Line(j).clear();
            return;
        }
        if (EndsWith(t, "}")) {
            const std::string rest = text::RTrim(Mid(t, 1, static_cast<int>(t.size()) - 1));
            Line(j) = AsmLine(*this, rest);
            if (text::Contains(rest, "}")) ReportError("Errore si sintassi, controllare: " + first);
            return;
        }
        Line(j) = AsmLine(*this, t);
        if (text::Contains(t, "}")) {
            ReportError("Errore si sintassi, controllare: " + first);
            return;
        }
    }
}

}  // namespace tavolux
