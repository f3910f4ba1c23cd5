// Parenthesised logic. The logical assignments take one operator per
// statement, so every parenthesised group of a statement that uses AND, OR,
// XOR or NOT( is computed first into a reusable temporary, innermost group
// first, and the statement is rewritten to use the temporary:
//   A = (B AND C) OR D    becomes    W#D1 = B AND C
//                                    A = W#D1 OR D
// Conditions of IF, DO, LOOP and FOR statements are split the same way.
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::BeginsWithWord;
using text::Contains;
using text::InStr;
using text::IsNameCharacter;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

// The words of a statement: runs of name characters.
std::vector<std::string> Words(std::string_view statement) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : statement) {
        if (IsNameCharacter(c)) {
            word.push_back(c);
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

bool HasWord(std::string_view statement, std::string_view wanted) {
    for (const std::string& word : Words(statement)) {
        if (word == wanted) return true;
    }
    return false;
}

// A piece may use one kind of operator only; XOR is of the OR kind.
bool MixesOperators(std::string_view piece) {
    bool hasAnd = false, hasOr = false, hasNot = false;
    for (const std::string& word : Words(piece)) {
        hasAnd = hasAnd || word == "AND";
        hasOr = hasOr || word == "OR" || word == "XOR";
        hasNot = hasNot || word == "NOT";
    }
    return static_cast<int>(hasAnd) + static_cast<int>(hasOr) + static_cast<int>(hasNot) >= 2;
}

bool Qualifies(std::string_view statement) {
    return text::ContainsAnyOf(statement, "()") &&
           (Contains(statement, " AND ") || Contains(statement, " OR ") ||
            Contains(statement, " XOR ") || Contains(statement, "NOT("));
}

// A DO line whose condition needed pieces: the pieces must be computed
// before every test, not once before the loop, so the loop becomes an
// endless DO whose first lines compute the pieces and leave on the
// condition. Returns the lines in place of the DO line's pieces, or nothing
// when the line is no conditional DO.
std::vector<std::string> TestEveryPass(const std::vector<std::string>& pieces) {
    const std::string& statement = pieces.back();
    std::string rest = Mid(statement, 4);
    bool until = false;
    if (StartsWith(rest, "WHILE ")) {
        rest = Mid(rest, 7);
    } else if (StartsWith(rest, "UNTIL ")) {
        until = true;
        rest = Mid(rest, 7);
    } else if (StartsWith(rest, "NOT ")) {
        until = true;
        rest = Mid(rest, 5);
    } else {
        return {};
    }
    while (StartsWith(rest, "NOT ")) {
        until = !until;
        rest = Mid(rest, 5);
    }
    std::vector<std::string> lines = {"DO"};
    lines.insert(lines.end(), pieces.begin(), pieces.end() - 1);
    lines.push_back("IF " + rest + " THEN");
    if (!until) lines.push_back("ELSE");
    lines.push_back("BREAK");
    lines.push_back("END IF");
    return lines;
}

}  // namespace

void Translator::SplitLogicalExpressions() {
    // FOR lines first: the temporaries of their bounds stay taken for the
    // whole run, so no other statement, wherever it stands (a subroutine
    // written before the loop and called from its body, for one), computes
    // a group into them.
    for (const bool forLines : {true, false}) {
        if (!SplitLogicalLines(forLines)) return;
    }
}

bool Translator::SplitLogicalLines(bool forLines) {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string statement = Line(k);
        if (StartsWith(statement, "FOR ") != forLines || !Qualifies(statement)) continue;
        S.CurrentStatement = statement;
        const int equals = InStr(statement, "=");
        if (equals == 0) continue;
        const std::string target = text::RTrim(Mid(statement, 1, equals - 1));
        std::string expression = text::LTrim(Mid(statement, equals + 1));
        if (StartsWith(expression, "NOT(")) {
            expression = Trim(Mid(expression, 5, static_cast<int>(expression.size()) - 5));
            if (expression == target) continue;  // "X = NOT(X)" is one statement already
        }

        std::vector<std::string> pieces;
        std::vector<std::string> temps;
        bool poolEmpty = false;
        const auto fail = [&](const char* message) {
            for (const std::string& t : temps) FreeDynamicVar(t);
            Refuse(statement, message);
        };

        // From the right: the rightmost "(" pairs with the nearest ")" after
        // it, so inner groups go first and groups side by side right to left.
        std::string line = statement;
        int close = 0;
        int i = static_cast<int>(line.size());
        while (i >= 1) {
            const char c = line[static_cast<size_t>(i) - 1];
            if (c == ')') {
                close = i;
            } else if (c == '(') {
                if (close == 0) {
                    fail("Livello di parentesi non bilanciato");
                    return false;
                }
                const std::string t = NewDynamicVar();
                poolEmpty = poolEmpty || t == "W#D?";
                temps.push_back(t);
                pieces.push_back(t + " = " + Trim(Mid(line, i + 1, close - i - 1)));
                const std::string after = text::RTrim(Mid(line, close + 1));
                if (i >= 4 && Mid(line, i - 3, 3) == "NOT") {
                    pieces.push_back(t + " = NOT( " + t + " )");
                    line = Mid(line, 1, i - 4) + t + after;
                } else {
                    line = Mid(line, 1, i - 1) + t + after;
                }
                close = 0;
                i = static_cast<int>(line.size());
                continue;
            }
            --i;
        }
        if (close != 0) {
            fail("Livello di parentesi non bilanciato");
            return false;
        }

        // "A = W#D1" with the last group: that group's piece is the
        // assignment itself. Not so for a condition ("DO WHILE X = (A AND B)"
        // compares X with the group).
        const bool loopLine = BeginsWithWord(line, "DO") || BeginsWithWord(line, "LOOP");
        const int lineEquals = InStr(line, "=");
        if (!temps.empty() && !loopLine && Trim(Mid(line, lineEquals + 1)) == temps.back()) {
            std::string& before = pieces.back();
            before = Mid(line, 1, lineEquals) + Mid(before, InStr(before, "=") + 1);
        } else {
            pieces.push_back(line);
        }

        // A group in a loop bound is read on every pass of the loop: its
        // temporary stays taken for the rest of the run, so that nothing
        // else (another statement, a library routine) writes it meanwhile.
        const int to = StartsWith(line, "FOR ") ? InStr(line, " TO ") : 0;
        for (const std::string& t : temps) {
            if (to != 0 && HasWord(Mid(line, to), t)) continue;
            FreeDynamicVar(t);
        }

        std::vector<std::string> written = pieces;
        if (StartsWith(line, "DO ") && pieces.size() > 1) {
            std::vector<std::string> everyPass = TestEveryPass(pieces);
            if (!everyPass.empty()) written = std::move(everyPass);
        }
        const int count = static_cast<int>(written.size());
        if (!InsertLines(k, count - 1)) return false;
        for (int p = 0; p < count; ++p) Line(k + p) = written[static_cast<size_t>(p)];

        for (const std::string& piece : pieces) {
            if (MixesOperators(piece)) {
                return Refuse(statement, "Controllore il livello di parentesi");
            }
        }
        if (poolEmpty) return false;  // reported once by the pool; the run ends
        k += count - 1;
    }
    return true;
}

}  // namespace tavolux
