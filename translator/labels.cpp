// The labels of the finished program: every label is a symbol the assembler
// takes, defined once, and every GOTO lands on one of them.
#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::StartsWith;

namespace {

// The characters that the assembler takes in a label: letters (any byte
// above 127 counts as one), digits, and "_", "#", "@", ".", "?"; a digit
// cannot come first.
bool IsLabelSymbol(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > 127 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
               (c >= '0' && c <= '9') || c == '_' || c == '#' || c == '@' || c == '.' || c == '?';
    });
}

// A jump counted from the jump itself: "$", or "$" and a signed count of
// instructions ("$-1", "$+3"), and nothing after it.
bool IsRelativeJump(std::string_view target) {
    if (target == "$") return true;
    if (target.size() < 3 || target[0] != '$' || (target[1] != '+' && target[1] != '-')) {
        return false;
    }
    return std::all_of(target.begin() + 2, target.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The label a finished line of the store defines ("A>NAME:", or "A>NAME:"
// and an instruction), empty for any other line, for a generated label
// ("@...") and for inline text with a blank before its colon.
std::string_view LabelName(std::string_view line) {
    if (!StartsWith(line, "A>") || line.size() < 3 || line[2] == ' ') return {};
    const size_t colon = line.find(':', 2);
    if (colon == std::string_view::npos) return {};
    const std::string_view name = line.substr(2, colon - 2);
    if (name.empty() || name[0] == '@' || name.find(' ') != std::string_view::npos) return {};
    return name;
}

// Where a routine stands, for a message: "nel programma main" or
// "nella subroutine NAME".
std::string RoutinePlace(const std::string& routine) {
    return routine.empty() ? "nel programma main" : "nella subroutine " + routine;
}

}  // namespace

void Translator::FollowRoutine(std::string_view line, std::string& routine) {
    if (StartsWith(line, "SUB ")) {
        routine = std::string(line.substr(4));
    } else if (line == "END SUB") {
        routine.clear();
    }
}

// A GOTO stays in the routine it stands in, the main program or one SUB.
// The call-depth check follows each routine's own calls, and a SUB's RETURN
// goes back to the CALL that entered it: a jump into another routine would
// run that routine's calls on a stack the check never counted, and its
// RETURN (or the main program's code) with the wrong return addresses.
// Runs after the statements are translated, when every label of the
// program and of inline assembly stands, and the SUB headers and END SUB
// lines still mark where each routine begins and ends.
bool Translator::CheckGotoRoutines() {
    // Without SUBs, and without GOTOs, everything stays in the main program.
    if (S.NoSUB() == 0 || S.GotoTargets.empty()) return true;
    // Where each label a GOTO names stands.
    struct Place {
        int definitions = 0;
        std::string routine;
    };
    std::unordered_map<std::string_view, Place> places;
    places.reserve(S.GotoTargets.size());
    for (const std::string& target : S.GotoTargets) places.try_emplace(target);
    std::string routine;
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        FollowRoutine(line, routine);
        // A SUB's header is the label of its first line.
        const std::string_view name = StartsWith(line, "SUB ") ? routine : LabelName(line);
        if (name.empty()) continue;
        const auto at = places.find(name);
        if (at == places.end()) continue;
        if (++at->second.definitions == 1) at->second.routine = routine;
    }
    for (size_t g = 0; g < S.GotoTargets.size() && g < S.GotoRoutines.size(); ++g) {
        const std::string& target = S.GotoTargets[g];
        const Place& place = places[target];
        // Undefined and twice-defined labels are reported with the names.
        if (place.definitions != 1 || place.routine == S.GotoRoutines[g]) continue;
        return Refuse("GOTO " + target,
                      "GOTO verso un'altra routine: l'etichetta " + target + " \xE8 " +
                          RoutinePlace(place.routine) + ", il GOTO " +
                          RoutinePlace(S.GotoRoutines[g]) +
                          ". GOTO salta solo dentro la propria routine; una subroutine si "
                          "esegue con CALL.");
    }
    return true;
}

// Every label (of the program, of a subroutine or of inline assembly) must be
// a symbol that the assembler accepts and defines once: not a mnemonic or
// directive, not the name of a variable, not a label defined before; and
// every GOTO must name a label of the program. Otherwise the translation
// would succeed with a text that the assembler refuses.
bool Translator::CheckLabelNames() {
    std::unordered_set<std::string> variables;
    for (const FatRow& row : S.FAT) variables.insert(row.name);
    std::unordered_set<std::string> defined;
    for (int k = 1; k <= NoInput(); ++k) {
        std::string name(LabelName(Line(k)));
        if (name.empty()) continue;
        if (!IsLabelSymbol(name) || IsAssemblerWord(name)) {
            return Refuse(name + ":", "Nome di etichetta non ammesso: " + name);
        }
        if (!StartsWith(name, "W#") && variables.count(name) != 0) {
            return Refuse(name + ":", "Nome gi\xE0 usato per una variabile: " + name);
        }
        if (defined.count(name) != 0) {
            return Refuse(name + ":", "Etichetta gi\xE0 definita: " + name);
        }
        defined.insert(std::move(name));
    }
    for (const std::string& target : S.GotoTargets) {
        if (IsRelativeJump(target) || StartsWith(target, "@") || defined.count(target) != 0) {
            continue;
        }
        return Refuse("GOTO " + target, "Etichetta non definita: " + target);
    }
    return true;
}

}  // namespace tavolux
