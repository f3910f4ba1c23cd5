// The labels of the finished program: every label is a symbol the assembler
// takes, defined once, and every GOTO lands on one of them.
#include <algorithm>
#include <string>
#include <string_view>
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

}  // namespace

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
        const std::string& line = Line(k);
        if (!StartsWith(line, "A>") || line.size() < 3 || line[2] == ' ') continue;
        const size_t colon = line.find(':', 2);
        if (colon == std::string::npos) continue;
        std::string name = line.substr(2, colon - 2);
        // Generated labels, and inline text with a blank before its colon.
        if (name.empty() || name[0] == '@' || name.find(' ') != std::string::npos) continue;
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
