// The translation driver: one run, step by step.
#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::StartsWith;

namespace {

std::string InitialPool() {
    std::string pool;
    for (int k = 1; k <= kDynVarCount; ++k) pool.push_back(static_cast<char>(k));
    return pool;
}

}  // namespace

Translator::Translator() {
    InitTranslator();
}

void Translator::InitTranslator() {
    S = TranslatorState{};
    S.RamMax = 68;
    S.RamStart = 12;
    S.RamReserved = 7;
    S.LabelPrefix = "@";
    S.TempPrefix = "W#";
    S.DynVarPool = InitialPool();
}

void Translator::ResetRun() {
    S.AsmText.clear();
    S.Statistics.clear();
    S.Flag_Error = false;
    S.Flag_TableFull = false;
    S.FAT.clear();
    S.ArraySUB.clear();
    S.ArrayCALL.clear();
    S.MaxCallDepth = 0;
    S.LabelCounter = 0;
    S.TempCounter = 0;
    S.Flag_Interrupt = S.Flag_IntTimer = S.Flag_IntLine = S.Flag_IntExternal = false;
    S.ArrayINT.clear();
    S.LabelEndINT.clear();
    S.Flag_Library = S.Flag_EepromWrite = S.Flag_EepromRead = S.Flag_Div10 = false;
    S.DynVarMax = 0;
    S.ArrayDATA.clear();
    S.InitTimerValue = 0;
    S.InitTimerVar.clear();
    S.NoInitTimer = 0;
    S.Flag_WaitDouble = false;
    S.DynVarPool = InitialPool();
    S.DivRemainder.clear();
    S.CurrentStatement.clear();
    S.GotoTargets.clear();
}

TranslationResult Translator::TranslateProgram(std::string_view basicText,
                                               std::string_view currentFile) {
    TranslationResult result;
    result.basicText = std::string(basicText);
    if (!text::EndsWith(result.basicText, "\r\n")) result.basicText += "\r\n";

    ResetRun();
    S.BasicText = text::Utf8ToCp1252(basicText);
    S.CurrentFile = text::Utf8ToCp1252(currentFile);

    const auto run = [this]() {
        // Source, declaration and structure passes, back to back.
        PreprocessSource();
        ExpandConstants();
        DeclareVariables();
        ConfigurePorts();
        CollectDataArea();
        ExpandSelectCase();
        ResolveSubsAndCalls();
        HoldDivideRemainder();
        SplitLogicalExpressions();
        if (S.Flag_Error) return;

        HoistIfFunctions();
        if (S.Flag_Error) return;
        if (!TranslateStatements()) return;
        if (!PairSubBlocks()) return;
        if (!CheckCallDepth()) return;
        if (!PairForLoops()) return;
        if (!PairDoLoops()) return;
        if (!PairIfBlocks()) return;
        if (!TranslateAssignments()) return;
        if (!CheckResidue()) return;
        if (!CheckLabelNames()) return;

        CompactLines();
        OptimizeLabels();
        WriteAsmProgram();
        if (S.Flag_Error) return;
        BuildStatistics();
    };
    run();

    result.asmText = text::Cp1252ToUtf8(S.AsmText);
    result.flagError = S.Flag_Error;
    if (!S.Flag_Error) result.statistics = text::Cp1252ToUtf8(S.Statistics);
    return result;
}

bool Translator::TranslateStatements() {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (line.empty() || StartsWith(line, "A>")) continue;
        TranslateStatement(k);
        if (S.Flag_Error) return false;
    }
    return true;
}

bool Translator::TranslateAssignments() {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (StartsWith(line, "A>")) continue;
        const int equals = InStr(line, "=");
        if (equals == 0) continue;
        TranslateAssignment(k, equals);
        if (S.Flag_Error) return false;
    }
    return true;
}

bool Translator::CheckResidue() {
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (line.empty() || StartsWith(line, "A>")) continue;
        S.CurrentStatement = line;
        ReportError("Istruzione non risolta");
        return false;
    }
    return true;
}

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
    const auto refuse = [this](const std::string& statement, const std::string& message) {
        S.CurrentStatement = statement;
        ReportError(message);
        return false;
    };
    for (int k = 1; k <= NoInput(); ++k) {
        const std::string& line = Line(k);
        if (!StartsWith(line, "A>") || line.size() < 3 || line[2] == ' ') continue;
        const size_t colon = line.find(':', 2);
        if (colon == std::string::npos) continue;
        std::string name = line.substr(2, colon - 2);
        // Generated labels, and inline text with a blank before its colon.
        if (name.empty() || name[0] == '@' || name.find(' ') != std::string::npos) continue;
        if (!IsLabelSymbol(name) || IsAssemblerWord(name)) {
            return refuse(name + ":", "Nome di etichetta non ammesso: " + name);
        }
        if (!StartsWith(name, "W#") && variables.count(name) != 0) {
            return refuse(name + ":", "Nome gi\xE0 usato per una variabile: " + name);
        }
        if (defined.count(name) != 0) {
            return refuse(name + ":", "Etichetta gi\xE0 definita: " + name);
        }
        defined.insert(std::move(name));
    }
    for (const std::string& target : S.GotoTargets) {
        if (StartsWith(target, "$") || StartsWith(target, "@") || defined.count(target) != 0) {
            continue;
        }
        return refuse("GOTO " + target, "Etichetta non definita: " + target);
    }
    return true;
}

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
    st += "Livello di Stack " + text::Str(S.MaxCallDepth + 1) + " (Max 6, +2 riservati)";
}

}  // namespace tavolux
