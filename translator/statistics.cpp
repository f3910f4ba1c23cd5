// The statistics text of a successful run: the program's name, its length
// in words, the share of the program memory it uses, its variables, RAM and
// stack levels.
#include <string>
#include <string_view>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::StartsWith;

namespace {

// A count in tenths, with one decimal digit when it has one.
std::string Tenths(int tenths, const std::string& separator) {
    std::string out = tenths < 0 ? "-" : "";
    const int magnitude = tenths < 0 ? -tenths : tenths;
    out += text::Str(magnitude / 10);
    if (magnitude % 10 != 0) out += separator + text::Str(magnitude % 10);
    return out;
}

}  // namespace

void Translator::BuildStatistics() {
    // Words: every line after "ORG " that is not empty and not a bare label.
    int words = 0;
    bool counting = false;
    size_t pos = 0;
    const std::string& asmText = S.AsmText;
    while (pos < asmText.size()) {
        size_t end = asmText.find("\r\n", pos);
        if (end == std::string::npos) end = asmText.size();
        const std::string line = text::LTrim(std::string_view(asmText).substr(pos, end - pos));
        pos = end + 2;
        if (StartsWith(line, "ORG ")) {
            counting = true;
            continue;
        }
        if (counting && !line.empty() && line.back() != ':') ++words;
    }
    const int use = words * 1000 / 1024;  // tenths, fraction dropped
    const int free = 1000 - use;

    std::string name = S.CurrentFile;
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    name = S.CurrentFile.empty() ? "<UNDEFINED>" : text::UCase(name);

    std::string& st = S.Statistics;
    st = "Nome programma: " + name + "\r\n";
    st += "Lunghezza programma " + text::Str(words) + " word (max 1024)\r\n";
    st += "Utilizzo risorse " + Tenths(use, decimalSeparator_) + " %  Disponibilit\xE0 " +
          Tenths(free, decimalSeparator_) + " %\r\n";
    st += "Numero di variabili definite " + text::Str(S.NoFAT()) + "\r\n";
    st += "Utilizzo memoria RAM " + text::Str(S.RamUsed) + " byte (max " + text::Str(S.RamMax) +
          ")\r\n";
    st += "Livello di Stack " + text::Str(S.StackLevel) + " (Max 6, +2 riservati)";
}

}  // namespace tavolux
