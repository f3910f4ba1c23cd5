// Subroutines: the table of SUB headers, CALL arguments passed through the
// parameters' variables, and the lowering of each SUB ... END SUB block.
//
// A SUB with n > 0 parameters is labelled and called as its name followed by
// n, so that "SUB AREA(X,Y)" and "SUB AREA(X,Y,Z)" can live side by side as
// AREA2 and AREA3. Parameters are ordinary global variables: a CALL assigns
// its arguments to them, in order, just before the call.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::RTrim;
using text::StartsWith;
using text::Trim;

namespace {

// The items of a comma-separated list, exactly as they stand (blanks kept).
std::vector<std::string> SplitAtCommas(const std::string& list) {
    std::vector<std::string> items;
    size_t start = 0;
    for (;;) {
        const size_t comma = list.find(',', start);
        if (comma == std::string::npos) {
            items.push_back(list.substr(start));
            return items;
        }
        items.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
}

int CountCommas(const std::string& text) {
    int commas = 0;
    for (char c : text) commas += c == ',' ? 1 : 0;
    return commas;
}

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '#';
}

// `text` reads `name` as a whole word somewhere.
bool ReadsName(std::string_view text, std::string_view name) {
    if (name.empty()) return false;
    size_t at = text.find(name);
    while (at != std::string_view::npos) {
        const size_t after = at + name.size();
        const bool startsWord = at == 0 || !IsNameCharacter(text[at - 1]);
        const bool endsWord = after >= text.size() || !IsNameCharacter(text[after]);
        if (startsWord && endsWord) return true;
        at = text.find(name, at + 1);
    }
    return false;
}

// The label a SUB row is defined and called by.
std::string SubLabel(const SubRow& row) {
    return row.count == "0" ? row.name : row.name + row.count;
}

// The library routine that a statement not yet translated will call, empty
// when it calls none. Those statements become assembly only after the SUB
// blocks are lowered, so their calls are found here by the statement.
std::string LibraryRoutineOf(const std::string& line) {
    if (StartsWith(line, "A>")) return "";
    if (StartsWith(line, "WRITE ")) return "@@WRT";
    const int equals = InStr(line, "=");
    if (equals == 0) return "";
    const std::string value = Trim(Mid(line, equals + 1));
    if (StartsWith(value, "DIV10(")) return "@@DV10";
    if (StartsWith(value, "DIV10R(")) return "@@DV10C";
    if (StartsWith(value, "READ(")) return "@@RD";
    if (StartsWith(value, "GETDATA(")) return "@@GD";
    return "";
}

// What a line calls: the name after its first "CALL ", or the library
// routine its statement will call; empty when it calls nothing.
std::string CalleeOf(const std::string& line) {
    const int call = InStr(line, "CALL ");
    if (call != 0) return Trim(Mid(line, call + 5));
    // A library routine counts as one more level of the stack.
    return LibraryRoutineOf(line);
}

}  // namespace

void Translator::ResolveSubsAndCalls() {
    if (S.Flag_Error) return;

    // Headers: one row each, and the parameter count appended to the name.
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string line = Line(k);
        S.CurrentStatement = line;
        if (!StartsWith(line, "SUB ")) continue;
        SubRow row;
        const int open = InStr(line, "(");
        if (open == 0) {
            row = {Trim(Mid(line, 5)), "0", ""};
        } else {
            const int close = InStr(line, ")", open + 1);
            // The header ends with its parameter list.
            if (close == 0 || !Trim(Mid(line, close + 1)).empty()) {
                ReportError("Controllare la definizione della subroutine");
                return;
            }
            const std::string list = Trim(Mid(line, open + 1, close - open - 1));
            const std::string count = list.empty() ? "0" : text::Str(CountCommas(list) + 1);
            row = {Trim(Mid(line, 5, open - 5)), count, list};
            Line(k) = RTrim(Mid(line, 1, open - 1)) + (list.empty() ? "" : count);
        }
        // The name becomes a label: it must be one word.
        if (row.name.empty() || text::Contains(row.name, " ")) {
            ReportError("Controllare la definizione della subroutine");
            return;
        }
        // Two SUBs under one label would both be assembled at it.
        for (const SubRow& earlier : S.ArraySUB) {
            if (earlier.name == row.name && earlier.count == row.count) {
                ReportError("Subroutine gi\xE0 definita con lo stesso numero di parametri");
                return;
            }
            if (SubLabel(earlier) == SubLabel(row)) {
                ReportError("Nome di subroutine gi\xE0 usato: " + SubLabel(row));
                return;
            }
        }
        if (!AddSubRow(row.name, row.count, row.params)) return;
    }
    if (S.NoSUB() == 0) return;

    // Calls: the arguments go into the parameters, then the call.
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string line = Line(k);
        if (!StartsWith(line, "CALL ")) continue;
        S.CurrentStatement = line;
        const int open = InStr(line, "(");
        if (open == 0) continue;
        const int close = InStr(line, ")", open + 1);
        if (close == 0) {
            ReportError("Livello di parentesi non corretto");
            return;
        }
        if (!Trim(Mid(line, close + 1)).empty()) {
            ReportError("Istruzione CALL non corretta: testo dopo la parentesi chiusa");
            return;
        }
        const std::string arguments = Trim(Mid(line, open + 1, close - open - 1));
        const std::string head = RTrim(Mid(line, 1, open - 1));
        if (arguments.empty()) {
            Line(k) = head;
            continue;
        }
        const std::string count = text::Str(CountCommas(arguments) + 1);
        const std::string name = Trim(Mid(line, 6, open - 6));
        const SubRow* found = nullptr;
        for (const SubRow& row : S.ArraySUB) {
            if (row.name == name && row.count == count) {
                found = &row;
                break;
            }
        }
        if (found == nullptr) {
            ReportError("Impossibile rintracciare la sub " + line);
            return;
        }
        const std::vector<std::string> params = SplitAtCommas(found->params);
        const std::vector<std::string> args = SplitAtCommas(arguments);
        const size_t n = params.size();

        // An argument that reads a parameter already assigned by this call
        // would see the new value ("CALL M(BB, AA)" for "SUB M(AA, BB)"): such
        // arguments are copied into bytes of their own before any parameter
        // is assigned.
        std::vector<std::string> saved;  // "W#n = argument" lines
        std::vector<std::string> values(args.begin(), args.end());
        for (size_t j = 1; j < n && j < args.size(); ++j) {
            bool readsAssigned = false;
            for (size_t i = 0; i < j && !readsAssigned; ++i) {
                readsAssigned = ReadsName(args[j], Trim(params[i]));
            }
            if (!readsAssigned) continue;
            const std::string temp = NewTempVar();
            if (S.Flag_Error) return;
            saved.push_back(temp + " = " + Trim(args[j]));
            values[j] = temp;
        }

        const int inserted = static_cast<int>(saved.size() + n);
        if (!InsertLines(k, inserted)) return;
        int at = k;
        for (const std::string& copy : saved) Line(at++) = copy;
        for (size_t i = 0; i < n; ++i) {
            Line(at++) = params[i] + " = " + (i < values.size() ? values[i] : std::string());
        }
        Line(at) = head + found->count;
        k = at;
    }
}

void Translator::TranslateSubBlock(int header, int end) {
    const std::string name = Mid(Line(header), 5);
    Line(header) = "A>" + name + ":";
    Line(end) = Instruction("RETURN");

    for (int k = header; k <= end; ++k) {
        const std::string& line = Line(k);
        if (line == "EXIT SUB") {
            Line(k) = Instruction("RETURN");
            continue;
        }
        const std::string callee = CalleeOf(line);
        if (callee.empty()) continue;
        const std::string pair = name + "->" + callee;
        if (std::find(S.ArrayCALL.begin(), S.ArrayCALL.end(), pair) != S.ArrayCALL.end()) continue;
        if (S.NoCALL() >= kMaxCall) {
            Refuse({}, "Il programma contiene troppe chiamate a subroutine.");
            return;
        }
        if (!AddCallPair(pair)) return;
    }
}

// Each SUB header with its END SUB. Unlike the loops and IF blocks, SUB
// blocks do not nest: a header inside a block ends the run, and so do an END
// SUB outside every block and a header without one.
bool Translator::PairSubBlocks() {
    int k = 1;
    while (k <= NoInput()) {
        if (StartsWith(Line(k), "END SUB")) {
            return Refuse(Line(k), "Struttura SUB...END SUB non bilanciata");
        }
        if (!StartsWith(Line(k), "SUB ")) {
            // A line of the main program.
            const std::string callee = CalleeOf(Line(k));
            if (!callee.empty() && std::find(S.MainCallees.begin(), S.MainCallees.end(), callee) ==
                                       S.MainCallees.end()) {
                S.MainCallees.push_back(callee);
            }
            ++k;
            continue;
        }
        const int last = NoInput();
        int end = 0;
        for (int j = k + 1; j <= last; ++j) {
            if (StartsWith(Line(j), "SUB ")) return Refuse(Line(k), "Dichiarazione SUB non chiusa");
            if (Line(j) == "END SUB") {
                end = j;
                break;
            }
        }
        if (end == 0) return Refuse(Line(k), "Struttura SUB...END SUB non bilanciata");
        TranslateSubBlock(k, end);
        if (S.Flag_Error) return false;
        k = end + 1;
    }
    return true;
}

// The stack a chain of calls needs: the longest chain of call pairs, found
// over all pairs. A chain that comes back to a subroutine already in it never
// ends, and gets the same message as one that is too deep.
//
// An interrupt comes on top of whatever the main program is doing: its
// return address takes one level, the dispatcher's call of the handler
// another, and the handler's own calls the levels of its chain. With the
// main program at its deepest call that must fit the chip's eight levels.
bool Translator::CheckCallDepth() {
    std::map<std::string, std::vector<std::string>> callees;
    for (const std::string& pair : S.ArrayCALL) {
        const int arrow = InStr(pair, "->");
        if (arrow == 0) continue;
        callees[Mid(pair, 1, arrow - 1)].push_back(Mid(pair, arrow + 2));
    }
    enum class Mark { kNew, kOpen, kDone };
    std::map<std::string, Mark> mark;
    std::map<std::string, int> longest;  // pairs in the longest chain from a name
    bool cycle = false;
    const std::function<int(const std::string&)> depthFrom = [&](const std::string& name) -> int {
        Mark& m = mark[name];
        if (m == Mark::kDone) return longest[name];
        if (m == Mark::kOpen) {
            cycle = true;
            return 0;
        }
        m = Mark::kOpen;
        int best = 0;
        const auto it = callees.find(name);
        if (it != callees.end()) {
            for (const std::string& callee : it->second) {
                best = std::max(best, 1 + depthFrom(callee));
                if (cycle) break;
            }
        }
        mark[name] = Mark::kDone;
        longest[name] = best;
        return best;
    };
    if (S.NoCALL() > 0) {
        S.MaxCallDepth = 1;
        for (const auto& entry : callees) {
            S.MaxCallDepth = std::max(S.MaxCallDepth, depthFrom(entry.first));
            if (cycle) break;
        }
        // The stack level is the chain plus the call into it from the main program.
        if (cycle || S.MaxCallDepth + 1 > 6) {
            return Refuse({}, "Superato il livello massimo di CALL a subroutine");
        }
    }
    S.StackLevel = S.MaxCallDepth + 1;
    if (!S.Flag_Interrupt) return true;

    int mainLevel = 0;
    for (const std::string& callee : S.MainCallees) {
        mainLevel = std::max(mainLevel, 1 + depthFrom(callee));
    }
    for (const std::string& handler : InterruptHandlers()) {
        const int level = mainLevel + 1 + 1 + depthFrom(handler);
        if (level > kStackLevels) {
            return Refuse({},
                          "Superato il livello massimo di CALL a subroutine: con l'interrupt "
                          "la routine " +
                              handler + " porta lo Stack a " + text::Str(level) + " livelli (max " +
                              text::Str(kStackLevels) + ")");
        }
        S.StackLevel = std::max(S.StackLevel, level);
    }
    return true;
}

}  // namespace tavolux
