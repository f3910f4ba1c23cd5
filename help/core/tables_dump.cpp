#include "tables_dump.h"

namespace tavolux::help {

std::string DumpTranslatorTables(const TranslatorState& state, int flagTestoModificato) {
    const std::string crlf = "\r\n", column2 = "     [2] = ", column3 = "     [3] = ";
    // Built in the state's own encoding, converted once at the end.
    std::string out;
    out += crlf + "NoFAT = " + std::to_string(state.NoFAT()) + crlf;
    out += "---FAT Table ---" + crlf;
    for (int k = 1; k <= state.NoFAT(); ++k) {
        const FatRow& row = state.FAT[static_cast<size_t>(k - 1)];
        out += std::to_string(k) + ") [1] = " + row.name + column2 + row.type + crlf;
    }
    out += crlf + "NoSUB = " + std::to_string(state.NoSUB()) + crlf;
    out += "---ArraySUB---" + crlf;
    for (int k = 1; k <= state.NoSUB(); ++k) {
        const SubRow& row = state.ArraySUB[static_cast<size_t>(k - 1)];
        out += std::to_string(k) + ") [1] = " + row.name + column2 + row.count + column3 +
               row.params + crlf;
    }
    out += crlf + "Lunghezza ArrayInput = " + std::to_string(state.NoInput()) + crlf;
    for (int k = 1; k <= state.NoInput(); ++k) {
        out += std::to_string(k) + ") " + state.ArrayInput[k] + crlf;
    }
    out += crlf + "Var. Flag_TestoModificato: " + std::to_string(flagTestoModificato) + crlf;
    return StateTextToUtf8(out);
}

}  // namespace tavolux::help
