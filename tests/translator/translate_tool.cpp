// Development aid for writing cases: translates a .bas file (LF or CR LF line
// ends) and prints the assembly text or the reports with LF line ends, then
// the statistics after a line "----".
#include <iostream>

#include "asm_tools.h"
#include "translator.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: translate_tool FILE.bas [CURRENT-FILE]\n";
        return 2;
    }
    const std::string basic = tavolux::testing::ToCrLf(tavolux::testing::ReadFile(argv[1]));
    tavolux::Translator translator;
    const auto result = translator.TranslateProgram(basic, argc > 2 ? argv[2] : "");
    auto lf = [](std::string s) {
        std::string out;
        for (size_t i = 0; i < s.size(); ++i) {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
            out.push_back(s[i]);
        }
        return out;
    };
    std::cout << lf(result.asmText);
    if (!result.statistics.empty()) std::cout << "----\n" << lf(result.statistics) << "\n";
    return result.flagError ? 1 : 0;
}
