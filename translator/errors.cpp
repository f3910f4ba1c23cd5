// The error report and the fixed tables' checked insertions.
#include "basic_text.h"
#include "translator.h"

namespace tavolux {

void Translator::ReportError(std::string_view message) {
    S.Flag_Error = true;
    S.AsmText += "<*> ERRORE : ";
    S.AsmText += message;
    S.AsmText += "\r\n";
    if (!S.CurrentStatement.empty()) {
        S.AsmText += "---istruzione---\r\n";
        S.AsmText += S.CurrentStatement;
    }
}

bool Translator::Refuse(std::string_view statement, std::string_view message) {
    S.CurrentStatement = statement;
    ReportError(message);
    return false;
}

void Translator::ReportTableFull(std::string_view table, int limit) {
    // One overflow message per run is enough: the run ends at the next test.
    if (S.Flag_TableFull) {
        S.Flag_Error = true;
        return;
    }
    S.Flag_TableFull = true;
    std::string message = "Programma troppo grande: superato il limite di ";
    message += text::Str(limit);
    message += " ";
    message += table;
    ReportError(message);
}

bool Translator::AddFatRow(std::string name, std::string type, std::string size) {
    if (S.NoFAT() >= kMaxFat) {
        ReportTableFull("variabili", kMaxFat);
        return false;
    }
    S.FAT.push_back({std::move(name), std::move(type), std::move(size)});
    return true;
}

bool Translator::AddSubRow(std::string name, std::string count, std::string params) {
    if (S.NoSUB() >= kMaxSub) {
        ReportTableFull("subroutine", kMaxSub);
        return false;
    }
    S.ArraySUB.push_back({std::move(name), std::move(count), std::move(params)});
    return true;
}

bool Translator::AddCallPair(std::string pair) {
    if (S.NoCALL() >= kMaxCall) {
        ReportTableFull("chiamate tra subroutine", kMaxCall);
        return false;
    }
    S.ArrayCALL.push_back(std::move(pair));
    return true;
}

bool Translator::AddIntLine(std::string line) {
    if (S.NoINT() >= kMaxInt) {
        ReportTableFull("righe di gestione degli interrupt", kMaxInt);
        return false;
    }
    S.ArrayINT.push_back(std::move(line));
    return true;
}

bool Translator::AddDataValue(int value) {
    if (S.NoDATA() >= kMaxData) {
        ReportTableFull("valori DATA", kMaxData);
        return false;
    }
    S.ArrayDATA.push_back(value);
    return true;
}

bool Translator::AddConfigLine(std::string line) {
    if (S.NoCONFIG() >= kMaxConfig) {
        ReportTableFull("righe di configurazione delle porte", kMaxConfig);
        return false;
    }
    S.ArrayCONFIG.push_back(std::move(line));
    return true;
}

std::string StateTextToUtf8(std::string_view text) {
    return text::Cp1252ToUtf8(text);
}

}  // namespace tavolux
