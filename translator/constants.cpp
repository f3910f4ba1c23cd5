// CONST and SYMBOL: named pieces of text. The definitions at the head of the
// program are collected and their names replaced, as whole words, by their
// texts throughout the line store before any statement is translated.
//
// The substitution is plain text: it knows nothing of types, and it reaches
// into string literals too.
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

// A replacement may hold a name defined later, which is replaced in its turn
// ("CONST A = B B", "CONST B = C C", ...), so a line can double in length
// with every definition. A line that would grow past this length ends the
// pass with a report instead of filling the memory.
constexpr size_t kMaxSubstitutedLine = 4000;

struct Definition {
    std::string name;
    std::string text;
};

// "A" to "Z" and "0" to "9"; everything else, "_" included, separates words.
bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Replaces every whole-word occurrence of `name` in `line` by `replacement`,
// scanning on behind each inserted text. False when the line would pass
// kMaxSubstitutedLine.
bool ReplaceWord(std::string& line, const std::string& name, const std::string& replacement) {
    size_t at = line.find(name);
    while (at != std::string::npos) {
        const size_t end = at + name.size();
        const bool wordBefore = at > 0 && IsWordChar(line[at - 1]);
        const bool wordAfter = end < line.size() && IsWordChar(line[end]);
        if (wordBefore || wordAfter) {
            at = line.find(name, at + 1);
            continue;
        }
        if (line.size() - name.size() + replacement.size() > kMaxSubstitutedLine) return false;
        line.replace(at, name.size(), replacement);
        at = line.find(name, at + replacement.size());
    }
    return true;
}

}  // namespace

void Translator::ExpandConstants() {
    if (S.Flag_Error) return;

    // 1. Collecting, up to the first IF, FOR or DO line.
    std::vector<Definition> table;
    for (int k = 1; k <= NoInput(); ++k) {
        std::string& line = Line(k);
        if (StartsWith(line, "IF ") || StartsWith(line, "FOR ") || StartsWith(line, "DO")) break;
        if (!StartsWith(line, "CONST ") && !StartsWith(line, "SYMBOL ")) continue;
        S.CurrentStatement = line;
        if (table.size() >= static_cast<size_t>(kMaxConst)) {
            ReportTableFull("definizioni CONST/SYMBOL", kMaxConst);
            return;
        }
        const int equals = InStr(line, "=");
        if (equals == 0) {
            ReportError("Definizione errata di CONST/SYMBOL");
            return;
        }
        const int blank = InStr(line, " ");
        std::string name = blank < equals ? Trim(Mid(line, blank + 1, equals - blank - 1)) : "";
        std::string replacement = Trim(Mid(line, equals + 1));
        // A definition names something and gives it a text: "SYMBOL = CONTA"
        // and "CONST A1 =" define nothing.
        if (name.empty() || replacement.empty()) {
            ReportError("Definizione errata di CONST/SYMBOL");
            return;
        }
        table.push_back({std::move(name), std::move(replacement)});
        line.clear();
    }

    // 2, 3. Substituting, in every line and in table order. The mark "A>" of a finished label line
    // is no text of the program and stays: "CONST A = 5" leaves "A>CICLO:" a label line.
    if (table.empty()) return;
    for (int k = 1; k <= NoInput(); ++k) {
        if (Line(k).empty()) continue;
        const bool finished = StartsWith(Line(k), "A>");
        std::string body = finished ? Line(k).substr(2) : Line(k);
        for (const Definition& d : table) {
            if (!ReplaceWord(body, d.name, d.text)) {
                Refuse(Line(k), "Sostituzione di CONST/SYMBOL troppo estesa: la riga supera " +
                                    text::Str(static_cast<long long>(kMaxSubstitutedLine)) +
                                    " caratteri");
                return;
            }
        }
        Line(k) = finished ? "A>" + body : body;
    }
}

}  // namespace tavolux
