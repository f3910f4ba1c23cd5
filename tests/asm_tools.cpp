#include "asm_tools.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "equates.h"

#ifndef TAVOLUX_GPASM
#define TAVOLUX_GPASM "gpasm"
#endif
#ifndef TAVOLUX_GPSIM
#define TAVOLUX_GPSIM "gpsim"
#endif

namespace tavolux::testing {

namespace fs = std::filesystem;

std::string CaseCurrentFile(const std::string& caseName) {
    return "C:\\TAVOLUX\\" + caseName + ".bas";
}

std::string ToCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

namespace {

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string RunCommand(const std::string& command, int& exitCode) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run " + command);
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    const int status = pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

fs::path NewFolder() {
    std::string pattern = (fs::temp_directory_path() / "tavolux-asm-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

}  // namespace

Assembly Assemble(const std::string& asmText, bool forSimulation) {
    Assembly result;
    const fs::path folder = NewFolder();
    result.folder = folder.string();
    result.folderOwner = std::shared_ptr<const void>(nullptr, [folder](const void*) {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    });
    WriteFile(folder / "PIC16F84.DEF", BuildEquatesText());
    std::string program = asmText;
    if (forSimulation) {
        const std::string include = "        Include \"PIC16F84.DEF\"\r\n";
        const size_t at = program.find(include);
        if (at != std::string::npos) {
            program.insert(at + include.size(), "        __CONFIG 0x3FF9\r\n");
        }
    }
    WriteFile(folder / "prog.asm", program);
    int code = 0;
    result.messages =
        RunCommand("cd '" + result.folder + "' && " TAVOLUX_GPASM " -p p16f84 prog.asm 2>&1", code);
    result.ok = code == 0 && result.messages.find("Error") == std::string::npos;
    return result;
}

namespace {

constexpr long kResetLength = 10;  // cycles MCLR is held low between two runs

}  // namespace

long RunStart(long cycles, int run) {
    return run == 0 ? 0 : cycles * run + kResetLength;
}

std::vector<std::map<int, int>> RunSeriesInGpsim(const Assembly& assembly, long cycles, int runs,
                                                 const std::vector<int>& registers,
                                                 const std::string& extraScript) {
    std::ostringstream script;
    script << extraScript;
    if (runs > 1) {
        // gpsim stops the run when MCLR falls; the registers are read then.
        script << "stimulus asynchronous_stimulus\ninitial_state 1\nstart_cycle 0\n{ ";
        for (int run = 1; run < runs; ++run) {
            if (run > 1) script << ", ";
            script << cycles * run << ", 0, " << RunStart(cycles, run) << ", 1";
        }
        script << " }\nname tavolux_mclr\nend\nnode n_tavolux_mclr\n"
               << "attach n_tavolux_mclr tavolux_mclr MCLR\n";
    }
    script << "break c " << cycles * runs << "\n";
    for (int run = 0; run < runs; ++run) {
        script << "run\n";
        for (int r : registers) {
            std::array<char, 32> line{};
            std::snprintf(line.data(), line.size(), "reg(0x%02x)\n", r);
            script << line.data();
        }
    }
    script << "quit\n";
    const fs::path folder = assembly.folder;
    WriteFile(folder / "run.stc", script.str());
    int code = 0;
    const std::string output =
        RunCommand("cd '" + assembly.folder +
                       "' && " TAVOLUX_GPSIM " -i -s prog.cod -c run.stc </dev/null 2>&1",
                   code);
    // "REG010[FIXME-ui.cc($10)] = $02", or with the register's own name
    // for the special ones: "pcl[FIXME-ui.cc($02)] = $05", in the order read.
    static const std::regex kRegister(R"(\(\$([0-9A-Fa-f]+)\)\] = \$([0-9A-Fa-f]+))");
    std::vector<std::map<int, int>> values;
    size_t read = 0;
    for (auto it = std::sregex_iterator(output.begin(), output.end(), kRegister);
         it != std::sregex_iterator(); ++it, ++read) {
        if (registers.empty()) break;
        if (read % registers.size() == 0) values.emplace_back();
        values.back()[std::stoi((*it)[1].str(), nullptr, 16)] =
            std::stoi((*it)[2].str(), nullptr, 16);
    }
    return values;
}

std::map<int, int> RunInGpsim(const Assembly& assembly, long cycles,
                              const std::vector<int>& registers, const std::string& extraScript) {
    std::vector<std::map<int, int>> runs =
        RunSeriesInGpsim(assembly, cycles, 1, registers, extraScript);
    return runs.empty() ? std::map<int, int>{} : runs.front();
}

}  // namespace tavolux::testing
