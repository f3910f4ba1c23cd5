// The source pre-pass: the BASIC text becomes one normalised statement per
// slot of the line store.
//
// Every later pass recognises a statement by its first characters, so here
// comments go, everything outside string literals is upper-cased, blanks are
// single, binary, character and "0X" literals become "&H" literals, the noise
// words PORT and LINE go, lines with several statements are split, one-line
// IF and OUTPUT to one port line become blocks, and label lines become
// finished assembly label lines.
//
// Text between double quotes is the program's own data: apart from tabs,
// which become blanks everywhere, nothing in it is upper-cased, rewritten,
// taken for a comment, a separator or a parenthesis.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::BeginsWithWord;
using text::ContainsAnyOf;
using text::EndsWith;
using text::InStr;
using text::Left;
using text::LTrim;
using text::Mid;
using text::RTrim;
using text::StartsWith;
using text::Trim;
using text::UCase;

namespace {

constexpr std::string_view kAtLabel =
    "Non \xE8 ammesso l'uso del caratere '@' come inizion di una Label";
constexpr std::string_view kNoEnd =
    "Il programma main deve concludersi con lo step END. Non \xE8 stata trovata l'istruzione END";
// A label named like a word of the dialect ("CASE:", "STOP:"), or beginning
// with CASE ("CASE1:", "CASEELSE:"), is that word mistyped, not a label.
constexpr std::string_view kLabelWord = "Nome di etichetta non ammesso: ";
// In a SELECT CASE block "DEFAULT : Y=5" is a mistyped case line, not a
// label that the statements of the case before run on to.
constexpr std::string_view kLabelInSelect =
    "In un blocco SELECT CASE un'etichetta non pu\xF2 avere istruzioni sulla stessa riga (un "
    "caso si scrive CASE seguito dal valore): ";
// The labels that begin with "@" are the translator's own.
constexpr std::string_view kGotoOwnLabel =
    "Non \xE8 ammesso un GOTO a un'etichetta che inizia con '@', riservata al traduttore: ";
// "IF X = 3 THEN Y = 9: Z = 10" reads in other BASICs as two statements that
// both depend on the condition; here the IF would end at the colon.
constexpr std::string_view kStatementAfterIf =
    "Dopo un IF su una sola riga non pu\xF2 seguire un'altra istruzione separata da ':'. Usare "
    "la forma a blocco: IF ... THEN su una riga, le istruzioni nelle righe seguenti, poi END IF";
constexpr std::string_view kSubsAfterMain =
    "La definizione delle Subroutine deve seguire il programma main (principale).";

// Characters around a noise word that make it a word of its own.
constexpr std::string_view kNoiseDelimiters = " +-/*()";
// Characters before "0X" that make it a hexadecimal literal.
constexpr std::string_view kHexDelimiters = " +-*/()[]";
// A statement ending with a colon that holds any of these is no label.
constexpr std::string_view kNotLabelEnd = "= ,.+-/*)([]\"";
// A piece of a split line that holds none of these is a label.
constexpr std::string_view kNotLabelPiece = " =,.+-/*)(\"";

// 1-based position of the first `find` at or after `start` that lies outside
// string literals; 0 when there is none.
int FindOutsideLiterals(std::string_view s, std::string_view find, int start = 1) {
    bool inLiteral = false;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') {
            inLiteral = !inLiteral;
            continue;
        }
        if (inLiteral || static_cast<int>(i) + 1 < start) continue;
        if (s.substr(i, find.size()) == find) return static_cast<int>(i) + 1;
    }
    return 0;
}

// The characters from `from` up to, not including, `to` (1-based).
std::string Between(std::string_view s, int from, int to) {
    return Mid(s, from, std::max(0, to - from));
}

bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

// A binary literal begins at "B'" (either case) where the B starts a word:
// "B'0101'" and "X=B'1'", not the end of a name followed by a comment ("LAB'").
bool BeginsBinaryLiteral(std::string_view s, size_t i) {
    return i + 1 < s.size() && (s[i] == 'B' || s[i] == 'b') && s[i + 1] == '\'' &&
           (i == 0 || !text::IsNameCharacter(s[i - 1]));
}

// The character literal "ASC(" (either case) at i: the position just after
// its ")", npos when there is none. The argument is three characters between
// blanks ("ASC('A')", "ASC( \")\" )"); otherwise it runs to the first ")"
// outside double quotes, for the length check to refuse it.
size_t CharacterLiteralEnd(std::string_view s, size_t i) {
    if (i + 4 > s.size() || (s[i] != 'A' && s[i] != 'a') || UCase(s.substr(i, 4)) != "ASC(") {
        return std::string_view::npos;
    }
    size_t j = s.find_first_not_of(' ', i + 4);
    if (j != std::string_view::npos && j + 3 < s.size()) {
        j = s.find_first_not_of(' ', j + 3);
        if (j != std::string_view::npos && s[j] == ')') return j + 1;
    }
    const int close = FindOutsideLiterals(s, ")", static_cast<int>(i) + 5);
    return close == 0 ? std::string_view::npos : static_cast<size_t>(close);
}

// The apostrophe that starts the comment of a line: the first one outside
// string literals that neither opens a binary literal nor stands in a
// character literal ("X = B'0101' ' nota", "X = ASC('B')"); npos when there
// is none, or when the line holds an unclosed literal that a later step
// reports.
size_t CommentStart(std::string_view s) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') {
            i = s.find('"', i + 1);
            if (i == std::string_view::npos) return i;
        } else if (const size_t end = CharacterLiteralEnd(s, i); end != std::string_view::npos) {
            i = end - 1;
        } else if (BeginsBinaryLiteral(s, i)) {
            i = s.find('\'', i + 2);
            if (i == std::string_view::npos) return i;
        } else if (s[i] == '\'') {
            return i;
        }
    }
    return std::string_view::npos;
}

bool IsWordLabel(const std::string& name) {
    return Translator::IsDialectWord(name) || StartsWith(name, "CASE");
}

// The target of a GOTO statement, empty for any other statement.
std::string GotoTarget(const std::string& statement) {
    return StartsWith(statement, "GOTO ") ? Trim(Mid(statement, 6)) : std::string();
}

struct Slot {
    std::string text;
    bool standalone;  // a statement of its own, not a part of an expanded block
};

// What one source line gives: its slots in order and, when the line is
// faulty, the message (after the slots made before the fault).
struct LineOutcome {
    std::vector<Slot> slots;
    std::string error;
    bool errorQuotesLine = true;  // false: the report names no statement
};

class LineNormaliser {
  public:
    // `inAsmBlock`: the line stands inside an ASM{ ... } block, where a label
    // is the assembler's and may take any name. `selectDepth`: the SELECT
    // CASE blocks open before the line, kept up to date with its statements.
    LineNormaliser(std::string_view sourceLine, bool inAsmBlock, int& selectDepth)
        : s_(sourceLine), inAsmBlock_(inAsmBlock), selectDepth_(selectDepth) {}

    LineOutcome Run() {
        Normalise();
        return std::move(out_);
    }

  private:
    void Normalise() {
        s_ = LTrim(s_);
        DropComment();
        if (!UpperCaseOutsideLiterals()) return;
        s_ = text::ReplaceAll(s_, "\t", " ");
        if (!CharacterLiterals()) return;
        if (!BinaryLiterals()) return;
        if (!HexLiterals()) return;
        s_ = Trim(s_);
        if (!RemoveNoiseWord("PORT", "Controllare l'istruzione: ")) return;
        if (!KeepsLine() && !RemoveNoiseWord("LINE", "Controllare l'istuzione: ")) return;
        CollapseBlanks();
        if (s_ == "ENDIF") s_ = "END IF";

        bool done = false;
        if (!Colons(done) || done) return;
        if (!CheckParentheses()) return;
        OutputToPin();
        if (StartsWith(s_, "IF ") && !EndsWith(s_, " THEN")) {
            OneLineIf();
            return;
        }
        Add(s_, true);
    }

    bool Fail(std::string message, bool quotesLine = true) {
        out_.error = std::move(message);
        out_.errorQuotesLine = quotesLine;
        return false;
    }

    void Add(std::string slot, bool standalone) {
        if (slot.empty()) return;
        if (StartsWith(slot, "SELECT CASE ")) ++selectDepth_;
        if (slot == "END SELECT" && selectDepth_ > 0) --selectDepth_;
        out_.slots.push_back({std::move(slot), standalone});
    }

    // Only an apostrophe that starts no literal starts a comment; the
    // comment may hold anything, quotes included.
    void DropComment() {
        const size_t apostrophe = CommentStart(s_);
        if (apostrophe != std::string::npos) s_ = RTrim(s_.substr(0, apostrophe));
    }

    bool UpperCaseOutsideLiterals() {
        std::string out;
        int from = 1;
        while (true) {
            const int open = InStr(s_, "\"", from);
            if (open == 0) break;
            const int close = InStr(s_, "\"", open + 1);
            if (close == 0) return Fail("Stringa non bilanciata");
            out += UCase(Between(s_, from, open));
            out += Between(s_, open, close + 1);
            from = close + 1;
        }
        out += UCase(Mid(s_, from));
        s_ = std::move(out);
        return true;
    }

    // B'00001010' becomes &HA: at most 8 digits, each 0 or 1 ("B'012'" and
    // "B'01 1'" are refused). Character literals are gone by now, so the B'
    // of ASC('B') is not taken for one.
    bool BinaryLiterals() {
        int from = 1;
        int p = 0;
        while ((p = FindOutsideLiterals(s_, "B'", from)) != 0) {
            if (!BeginsBinaryLiteral(s_, static_cast<size_t>(p) - 1)) {
                from = p + 1;
                continue;
            }
            const int close = InStr(s_, "'", p + 2);
            if (close == 0) return Fail("Valore binario non corretto");
            const std::string digits = Between(s_, p + 2, close);
            if (digits.size() > 8 || digits.find_first_not_of("01") != std::string::npos) {
                return Fail("Valore binario non corretto");
            }
            unsigned value = 0;
            for (char c : digits) value = value * 2 + (c == '1' ? 1 : 0);
            s_ = Left(s_, p - 1) + "&H" + text::Hex(value) + Mid(s_, close + 1);
            from = 1;
        }
        return true;
    }

    // ASC('A') and ASC("a") become the character's code: the argument is
    // three characters, the middle one meant.
    bool CharacterLiterals() {
        int p = 0;
        while ((p = FindOutsideLiterals(s_, "ASC(")) != 0) {
            const size_t end = CharacterLiteralEnd(s_, static_cast<size_t>(p) - 1);
            if (end == std::string::npos) return Fail("Parentesi non bilanciate");
            const std::string argument = Trim(Between(s_, p + 4, static_cast<int>(end)));
            if (argument.size() != 3) return Fail("Controllare l'istruzione ");
            const auto code = static_cast<unsigned char>(argument[1]);
            s_ = Left(s_, p - 1) + "&H" + text::Hex(code) + Mid(s_, static_cast<int>(end) + 1);
        }
        return true;
    }

    // 0XFF becomes &HFF where it stands as a number of its own; A0X and
    // X=0XFF stay.
    bool HexLiterals() {
        if (StartsWith(s_, "0X")) return Fail("Controllare la sintassi: " + s_);
        int p = 0;
        while ((p = FindOutsideLiterals(s_, "0X", p + 1)) != 0) {
            const bool last = p + 1 == static_cast<int>(s_.size());
            if (!last && p > 1 && IsOneOf(s_[p - 2], kHexDelimiters)) s_.replace(p - 1, 2, "&H");
        }
        return true;
    }

    // LINE is part of the statements of the port B change interrupt.
    bool KeepsLine() const {
        return StartsWith(s_, "ON LINE INT") || s_ == "SET LINE INTERRUPT ON" ||
               s_ == "SET LINE INTERRUPT OFF";
    }

    // The LINE at position p belongs to "SET LINE INTERRUPT ON", "SET LINE
    // INTERRUPT OFF" or "ON LINE INT..." standing after THEN, ELSE or a colon
    // of the line, where the statement is not the whole line.
    bool NamesLineInterrupt(int p) const {
        const std::string before = RTrim(Left(s_, p - 1));
        const auto endsWithWord = [&before](std::string_view w) {
            if (!EndsWith(before, w)) return false;
            const size_t at = before.size() - w.size();
            return at == 0 || before[at - 1] == ' ' || before[at - 1] == ':';
        };
        const std::string after = LTrim(Mid(s_, p + 4));
        if (endsWithWord("ON")) return StartsWith(after, "INT");
        if (!endsWithWord("SET") || !StartsWith(after, "INTERRUPT ")) return false;
        const std::string state = LTrim(Mid(after, 11));
        for (std::string_view onOff : {"ON", "OFF"}) {
            if (StartsWith(state, onOff) &&
                (state.size() == onOff.size() || state[onOff.size()] == ' ' ||
                 state[onOff.size()] == ':')) {
                return true;
            }
        }
        return false;
    }

    // PORT and LINE are noise words: "CONFIG PORT B AS OUTPUT" means
    // "CONFIG B AS OUTPUT". Inside a longer word (EXPORT, PORTA) they stay.
    bool RemoveNoiseWord(std::string_view word, std::string_view aloneMessage) {
        const int n = static_cast<int>(word.size());
        std::string head(word);
        head += ' ';
        std::string tail(" ");
        tail += word;
        int from = 1;
        int p = 0;
        while ((p = FindOutsideLiterals(s_, word, from)) != 0) {
            if (s_ == word) return Fail(std::string(aloneMessage));
            if (StartsWith(s_, head)) {
                s_ = LTrim(Mid(s_, n + 2));
                from = 1;
                continue;
            }
            if (EndsWith(s_, tail)) {
                s_ = RTrim(Left(s_, static_cast<int>(s_.size()) - n - 1));
                from = 1;
                continue;
            }
            const int after = p + n;  // 1-based position of the character after the word
            const bool startsWord = p == 1 || IsOneOf(s_[p - 2], kNoiseDelimiters);
            const bool endsWord =
                after > static_cast<int>(s_.size()) || IsOneOf(s_[after - 1], kNoiseDelimiters);
            if (!startsWord || !endsWord || (word == "LINE" && NamesLineInterrupt(p))) {
                from = p + 1;
                continue;
            }
            const std::string before = Trim(Left(s_, p - 1));
            const std::string rest = Trim(Mid(s_, after));
            s_ = before.empty() || rest.empty() ? before + rest : before + " " + rest;
            from = 1;
        }
        return true;
    }

    void CollapseBlanks() {
        std::string out;
        bool inLiteral = false;
        for (char c : s_) {
            if (c == '"') inLiteral = !inLiteral;
            if (!inLiteral && c == ' ' && !out.empty() && out.back() == ' ') continue;
            out.push_back(c);
        }
        s_ = std::move(out);
    }

    // A colon ends a label ("CICLO:"), closes a CASE ("CASE 5:") or separates
    // statements ("CASE 1 : Y=1"). Inline assembly keeps its colons. `done`
    // tells that the line needs no further step.
    bool Colons(bool& done) {
        const int c = FindOutsideLiterals(s_, ":");
        if (c == 0) return true;
        if (c == static_cast<int>(s_.size())) {
            if (ContainsAnyOf(s_, kNotLabelEnd)) {
                s_ = RTrim(Left(s_, c - 1));
                return true;
            }
            done = true;
            if (StartsWith(s_, "@")) return Fail(std::string(kAtLabel));
            const std::string name = Left(s_, c - 1);
            if (!inAsmBlock_ && IsWordLabel(name)) {
                return Fail(std::string(kLabelWord) + name);
            }
            if (c > 1) Add("A>" + s_, false);
            return true;
        }
        if (StartsWith(s_, "ASM")) return true;

        done = true;
        // A view of what follows the last colon: every colon found lies
        // outside literals, so the search for the next one can start there,
        // and a line of many statements is split in one pass over it.
        const std::string line = s_;
        std::string_view rest(line);
        int colon = 0;
        while ((colon = FindOutsideLiterals(rest, ":")) != 0) {
            std::string piece = Trim(rest.substr(0, static_cast<size_t>(colon) - 1));
            rest.remove_prefix(static_cast<size_t>(colon));
            if (!Piece(std::move(piece), true)) return false;
        }
        return Piece(Trim(rest), false);
    }

    // One statement of a split line; `beforeColon` tells that a colon
    // followed it, so that a bare name is a label.
    bool Piece(std::string piece, bool beforeColon) {
        if (piece.empty()) return true;
        if (oneLineIfBefore_) return Fail(std::string(kStatementAfterIf));
        if (!labelInSelect_.empty()) return Fail(std::string(kLabelInSelect) + labelInSelect_);
        if (piece == "ENDIF") piece = "END IF";
        if (BeginsWithWord(piece, "IF")) {
            oneLineIfBefore_ = true;
            return PieceIf(piece);
        }
        if (beforeColon && !ContainsAnyOf(piece, kNotLabelPiece)) {
            if (StartsWith(piece, "@")) return Fail(std::string(kAtLabel), false);
            if (!inAsmBlock_ && IsWordLabel(piece)) {
                return Fail(std::string(kLabelWord) + piece);
            }
            if (!inAsmBlock_ && selectDepth_ > 0) labelInSelect_ = piece;
            Add("A>" + piece + ":", false);
            return true;
        }
        Add(std::move(piece), true);
        return true;
    }

    // An IF in a split line is a one-line IF, the last statement of its line.
    bool PieceIf(const std::string& piece) {
        const int t = FindOutsideLiterals(piece, " THEN ");
        const int e = FindOutsideLiterals(piece, " ELSE ");
        if (t == 0 || (e != 0 && e < t) || EndsWith(piece, " ELSE")) {
            return Fail("Sintassi non permetta.");
        }
        ExpandIf(piece, t, e);
        return true;
    }

    // The slots of a one-line IF with " THEN" at t and " ELSE " at e (0 when
    // there is none).
    void ExpandIf(const std::string& statement, int t, int e) {
        Add(Left(statement, t + 4), false);
        const int thenEnd = e != 0 ? e : static_cast<int>(statement.size()) + 1;
        Add(Trim(Between(statement, t + 5, thenEnd)), false);
        if (e != 0) {
            Add("ELSE", false);
            Add(LTrim(Mid(statement, e + 6)), false);
        }
        Add("END IF", false);
    }

    // Outside literals every "(" must have its ")", and nothing but "(" may
    // follow a ")" that has none.
    bool CheckParentheses() {
        int level = 0;
        bool inLiteral = false;
        for (char c : s_) {
            if (inLiteral) {
                if (c == '"') inLiteral = false;
                continue;
            }
            if (c == '(') {
                ++level;
            } else if (c == ')') {
                --level;
            } else if (level < 0) {
                break;
            } else if (c == '"') {
                inLiteral = true;
            }
        }
        if (level != 0) return Fail("Controllare il livello di parentesi: ");
        return true;
    }

    // OUTPUT to one port line is SET or RESET of that line.
    void OutputToPin() {
        if (!StartsWith(s_, "OUTPUT ")) return;
        const int comma = FindOutsideLiterals(s_, ",");
        if (comma == 0) return;
        const std::string target = Trim(Between(s_, 8, comma));
        const std::string value = Trim(Mid(s_, comma + 1));
        if (!Translator::IsPinName(target)) return;
        if (value == "0") {
            s_ = "RESET " + target;
        } else if (value == "1") {
            s_ = "SET " + target;
        } else {
            Add("IF " + value + "=0 THEN", false);
            Add("RESET " + target, false);
            Add("ELSE", false);
            Add("SET " + target, false);
            s_ = "END IF";
        }
    }

    void OneLineIf() {
        const int t = FindOutsideLiterals(s_, " THEN");
        const int e = FindOutsideLiterals(s_, " ELSE ");
        if (t == 0 || (e != 0 && e < t) || EndsWith(s_, " ELSE")) {
            Fail("Struttura IF non corretta, controllare:" + s_);
            return;
        }
        ExpandIf(s_, t, e);
    }

    std::string s_;
    bool inAsmBlock_;
    int& selectDepth_;
    bool oneLineIfBefore_ = false;  // a piece of the split line was a one-line IF
    std::string labelInSelect_;     // a label of the split line, in a SELECT CASE block
    LineOutcome out_;
};

}  // namespace

void Translator::PreprocessSource() {
    S.ArrayInput.Clear();
    if (!EndsWith(S.BasicText, "\r\n")) S.BasicText += "\r\n";

    int lastEnd = 0;     // slot of the last END statement
    int lastEndSub = 0;  // slot of the last END SUB statement
    bool inAsmBlock = false;
    int selectDepth = 0;
    const std::string_view source = S.BasicText;
    size_t pos = 0;
    size_t lineEnd = 0;
    while ((lineEnd = source.find("\r\n", pos)) != std::string_view::npos) {
        const std::string_view line = source.substr(pos, lineEnd - pos);
        pos = lineEnd + 2;
        S.CurrentStatement = std::string(line);

        LineOutcome outcome = LineNormaliser(line, inAsmBlock, selectDepth).Run();
        for (Slot& slot : outcome.slots) {
            if (!inAsmBlock && StartsWith(GotoTarget(slot.text), "@")) {
                ReportError(std::string(kGotoOwnLabel) + GotoTarget(slot.text));
                return;
            }
            // An ASM{ block runs up to the first line that ends with "}".
            if (inAsmBlock || StartsWith(slot.text, "ASM{")) {
                inAsmBlock = !EndsWith(RTrim(slot.text), "}");
            }
            const bool isEnd = slot.standalone && slot.text == "END";
            const bool isEndSub = slot.standalone && slot.text == "END SUB";
            if (!S.ArrayInput.Append(std::move(slot.text))) {
                ReportTableFull("righe di programma", kMaxInput);
                return;
            }
            if (isEnd) lastEnd = NoInput();
            if (isEndSub) lastEndSub = NoInput();
        }
        if (!outcome.error.empty()) {
            if (!outcome.errorQuotesLine) S.CurrentStatement.clear();
            ReportError(outcome.error);
            return;
        }
    }

    S.CurrentStatement.clear();
    if (lastEnd == 0) {
        ReportError(kNoEnd);
    } else if (lastEndSub != 0 && lastEnd > lastEndSub) {
        ReportError(kSubsAfterMain);
    }
}

std::vector<std::string> Translator::PreprocessOnly(std::string_view basicText) {
    ResetRun();
    S.BasicText = text::Utf8ToCp1252(basicText);
    PreprocessSource();
    std::vector<std::string> slots;
    for (int k = 1; k <= NoInput(); ++k) slots.push_back(Line(k));
    return slots;
}

}  // namespace tavolux
