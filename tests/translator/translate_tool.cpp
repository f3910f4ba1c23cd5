// Development aid for writing cases. "translate_tool FILE.bas [CURRENT-FILE]"
// translates a .bas file (LF or CR LF line ends) and prints the assembly text
// or the reports with LF line ends, then the statistics after a line "----".
// "translate_tool --write CASE.bas" translates a case as the case runner does
// and writes what it gives beside it: CASE.asm for a program or CASE.err for
// the reports, and CASE.stats when that file is there already; the written
// files are to be read through before they are committed.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "asm_tools.h"
#include "translator.h"

namespace {

namespace fs = std::filesystem;

std::string WithLf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out.push_back(text[i]);
    }
    return out;
}

bool WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << WithLf(text);
    out.close();
    if (!out) std::cerr << "cannot write " << path.string() << "\n";
    return static_cast<bool>(out);
}

int WriteCase(const fs::path& source) {
    if (source.extension() != ".bas" || !fs::exists(source)) {
        std::cerr << "no case file " << source.string() << "\n";
        return 2;
    }
    const std::string basic = tavolux::testing::ToCrLf(tavolux::testing::ReadFile(source.string()));
    tavolux::Translator translator;
    const std::string file = tavolux::testing::CaseCurrentFile(source.stem().string());
    const auto result = translator.TranslateProgram(basic, file);
    fs::path target = source;
    fs::path other = source;
    target.replace_extension(result.flagError ? ".err" : ".asm");
    other.replace_extension(result.flagError ? ".asm" : ".err");
    if (fs::exists(other)) {
        std::cerr << other.string() << " is there, but the case now gives "
                  << (result.flagError ? "reports" : "a program") << ": remove it first\n";
        return 1;
    }
    if (!WriteText(target, result.asmText)) return 1;
    std::cout << "wrote " << target.string() << "\n";
    fs::path stats = source;
    stats.replace_extension(".stats");
    if (fs::exists(stats)) {
        if (!WriteText(stats, result.statistics)) return 1;
        std::cout << "wrote " << stats.string() << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write") return WriteCase(argv[2]);
    if (argc < 2 || argc > 3 || std::string(argv[1]).rfind("--", 0) == 0) {
        std::cerr << "usage: translate_tool FILE.bas [CURRENT-FILE]\n"
                     "       translate_tool --write CASE.bas\n";
        return 2;
    }
    const std::string basic = tavolux::testing::ToCrLf(tavolux::testing::ReadFile(argv[1]));
    tavolux::Translator translator;
    const auto result = translator.TranslateProgram(basic, argc > 2 ? argv[2] : "");
    std::cout << WithLf(result.asmText);
    if (!result.statistics.empty()) std::cout << "----\n" << WithLf(result.statistics) << "\n";
    return result.flagError ? 1 : 0;
}
