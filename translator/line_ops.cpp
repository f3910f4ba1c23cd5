// Line store operations and the makers of generated names.
#include "basic_text.h"
#include "translator.h"

namespace tavolux {

bool Translator::InsertLines(int position, int count) {
    if (count < 1) return true;
    if (!S.ArrayInput.Insert(position, count)) {
        ReportTableFull("righe di programma", kMaxInput);
        return false;
    }
    return true;
}

bool Translator::ReplaceLine(int k, const std::vector<std::string>& lines) {
    if (!InsertLines(k, static_cast<int>(lines.size()) - 1)) return false;
    for (size_t i = 0; i < lines.size(); ++i) Line(k + static_cast<int>(i)) = lines[i];
    return true;
}

bool Translator::ReplaceWithInstructions(int k, const std::vector<std::string>& lines) {
    std::vector<std::string> marked;
    marked.reserve(lines.size());
    for (const std::string& line : lines) {
        marked.push_back(text::StartsWith(line, "A>") ? line : Instruction(line));
    }
    return ReplaceLine(k, marked);
}

void Translator::DeleteLine(int position) {
    S.ArrayInput.Erase(position);
}

void Translator::CompactLines() {
    S.ArrayInput.Compact();
}

std::string Translator::NewLabel() {
    ++S.LabelCounter;
    return S.LabelPrefix + text::Str(S.LabelCounter);
}

std::string Translator::NewTempVar() {
    ++S.TempCounter;
    std::string name = S.TempPrefix + text::Str(S.TempCounter);
    AddFatRow(name, "BYTE", "1");
    return name;
}

std::string Translator::NewDynamicVar() {
    int k = 0;
    for (int i = 1; i <= kDynVarCount && i <= static_cast<int>(S.DynVarPool.size()); ++i) {
        if (S.DynVarPool[static_cast<size_t>(i) - 1] != 0) {
            k = i;
            break;
        }
    }
    if (k == 0) {
        Refuse({}, "Errore di sistema: impossibile generare variabili dinamiche");
        return "W#D?";
    }
    std::string name = "W#D" + text::Str(k);
    S.DynVarPool[static_cast<size_t>(k) - 1] = 0;
    if (k > S.DynVarMax) {
        S.DynVarMax = k;
        AddFatRow(name, "BYTE", "1");
    }
    return name;
}

void Translator::FreeDynamicVar(std::string_view name) {
    const auto k = text::ToIntInRange(text::Val(text::Mid(name, 4)), 1, kDynVarCount);
    if (!k || static_cast<int>(S.DynVarPool.size()) < *k) return;  // "W#D?", "W#VLTx"...
    S.DynVarPool[static_cast<size_t>(*k) - 1] = static_cast<char>(*k);
}

}  // namespace tavolux
