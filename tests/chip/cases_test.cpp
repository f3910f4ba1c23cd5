// Runs every chip case under cases/: NN-name.bas is a BASIC program whose
// leading comment lines say how long to run it, how to drive its pins, what
// the EEPROM holds at the start and what the registers must hold at the end
// (cases/README.md describes these lines). The program after them is
// translated as it stands, assembled and run in gpsim.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "basic_text.h"
#include "chip.h"

namespace {

namespace fs = std::filesystem;
using tavolux::testing::Addresses;
using tavolux::testing::BuildForChip;
using tavolux::testing::Hex2;
using tavolux::testing::PinStimulus;
using tavolux::testing::Pulses;
using tavolux::testing::ReadFile;
using tavolux::testing::RunInGpsim;
using tavolux::text::UCase;

// A number, a file register given by its address, or a variable.
struct Operand {
    enum class Kind { kNumber, kRegister, kName } kind = Kind::kNumber;
    int value = 0;     // the number, or the register's address
    std::string name;  // a name declared in the program
};

// One side of a check: operands joined by "+", "-" or "AND", worked out from
// left to right on bytes as the chip does.
struct Side {
    std::vector<Operand> operands;
    std::vector<std::string> operators;  // between the operands
};

struct Check {
    int line = 0;
    std::string text;  // as written, for the report
    Side left;
    std::string comparison;
    Side right;
};

struct Case {
    long cycles = 0;
    std::string script;  // the pin stimuli
    std::vector<std::pair<int, int>> eeprom;
    std::vector<Check> checks;
    std::string program;              // the lines after the header
    std::vector<std::string> faults;  // header lines that could not be read
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// A decimal number or an "&H" hexadecimal one, from 0 to `limit`.
bool ReadNumber(const std::string& word, long limit, long& value) {
    const bool hex = word.size() > 2 && UCase(word.substr(0, 2)) == "&H";
    const std::string digits = hex ? word.substr(2) : word;
    if (digits.empty() || digits.size() > 9) return false;
    for (char c : digits) {
        if (hex ? !std::isxdigit(static_cast<unsigned char>(c))
                : !std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    value = std::stol(digits, nullptr, hex ? 16 : 10);
    return value <= limit;
}

bool ReadOperand(const std::string& word, Operand& operand) {
    long value = 0;
    if (ReadNumber(word, 255, value)) {
        operand = {Operand::Kind::kNumber, static_cast<int>(value), ""};
        return true;
    }
    const std::string upper = UCase(word);
    if (upper.size() > 5 && upper.rfind("REG(", 0) == 0 && upper.back() == ')') {
        if (!ReadNumber(upper.substr(4, upper.size() - 5), 0xFF, value)) return false;
        operand = {Operand::Kind::kRegister, static_cast<int>(value), ""};
        return true;
    }
    if (!std::isalpha(static_cast<unsigned char>(upper[0]))) return false;
    for (char c : upper) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    operand = {Operand::Kind::kName, 0, upper};
    return true;
}

bool ReadSide(const std::vector<std::string>& words, Side& side) {
    for (size_t i = 0; i < words.size(); ++i) {
        if (i % 2 == 1) {
            const std::string op = UCase(words[i]);
            if (op != "+" && op != "-" && op != "AND") return false;
            side.operators.push_back(op);
            continue;
        }
        Operand operand;
        if (!ReadOperand(words[i], operand)) return false;
        side.operands.push_back(operand);
    }
    return words.size() % 2 == 1;
}

// "EXPECT left comparison right".
bool ReadCheck(const std::vector<std::string>& words, Check& check) {
    static const std::set<std::string> kComparisons = {"=", "<>", "<", ">", "<=", ">="};
    const auto at = std::find_if(words.begin() + 1, words.end(),
                                 [](const std::string& w) { return kComparisons.count(w) > 0; });
    if (at == words.end()) return false;
    check.comparison = *at;
    return ReadSide({words.begin() + 1, at}, check.left) &&
           ReadSide({at + 1, words.end()}, check.right);
}

// "A0" to "A4" and "B0" to "B7" as gpsim names them.
bool ReadPin(const std::string& word, std::string& pin) {
    const std::string upper = UCase(word);
    if (upper.size() != 2) return false;
    const char port = upper[0];
    const char bit = upper[1];
    if (!((port == 'A' && bit >= '0' && bit <= '4') || (port == 'B' && bit >= '0' && bit <= '7'))) {
        return false;
    }
    pin = std::string("port") + static_cast<char>(std::tolower(port)) + bit;
    return true;
}

bool ReadLevel(const std::string& word, int& level) {
    if (word != "0" && word != "1") return false;
    level = word[0] - '0';
    return true;
}

// "PIN pin level { cycle level }", the cycles rising.
bool ReadPinLevels(const std::vector<std::string>& words, int& initial,
                   std::vector<std::pair<long, int>>& levels) {
    if (words.size() < 3 || words.size() % 2 != 1 || !ReadLevel(words[2], initial)) return false;
    for (size_t i = 3; i < words.size(); i += 2) {
        long cycle = 0;
        int level = 0;
        if (!ReadNumber(words[i], 100000000, cycle) || !ReadLevel(words[i + 1], level) ||
            (!levels.empty() && cycle <= levels.back().first)) {
            return false;
        }
        levels.push_back({cycle, level});
    }
    return !levels.empty();
}

// "PULSES pin first period high count".
bool ReadPulses(const std::vector<std::string>& words, std::vector<std::pair<long, int>>& levels) {
    long numbers[4] = {};
    if (words.size() != 6) return false;
    for (int i = 0; i < 4; ++i) {
        if (!ReadNumber(words[static_cast<size_t>(i) + 2], 100000000, numbers[i])) return false;
    }
    if (numbers[2] <= 0 || numbers[2] >= numbers[1] || numbers[3] <= 0) return false;
    levels = Pulses(numbers[0], numbers[1], numbers[2], static_cast<int>(numbers[3]));
    return true;
}

// Reads one directive into `c`; false when the line is not a sound one.
bool ReadDirective(const std::vector<std::string>& words, int line, const std::string& text,
                   std::set<std::string>& pins, Case& c) {
    const std::string& keyword = words[0];
    if (keyword == "CYCLES") {
        long cycles = 0;
        if (c.cycles != 0 || words.size() != 2 || !ReadNumber(words[1], 100000000, cycles) ||
            cycles == 0) {
            return false;
        }
        c.cycles = cycles;
        return true;
    }
    if (keyword == "EXPECT") {
        Check check;
        check.line = line;
        check.text = text;
        if (!ReadCheck(words, check)) return false;
        c.checks.push_back(check);
        return true;
    }
    if (keyword == "PIN" || keyword == "PULSES") {
        std::string pin;
        int initial = 0;
        std::vector<std::pair<long, int>> levels;
        if (words.size() < 2 || !ReadPin(words[1], pin) || !pins.insert(pin).second) return false;
        const bool read =
            keyword == "PIN" ? ReadPinLevels(words, initial, levels) : ReadPulses(words, levels);
        if (!read) return false;
        c.script += PinStimulus("r" + pin.substr(4), pin, levels, initial);
        return true;
    }
    if (keyword == "EEPROM") {
        long address = 0;
        long value = 0;
        if (words.size() != 3 || !ReadNumber(words[1], 63, address) ||
            !ReadNumber(words[2], 255, value)) {
            return false;
        }
        for (const auto& byte : c.eeprom) {
            if (byte.first == address) return false;
        }
        c.eeprom.push_back({static_cast<int>(address), static_cast<int>(value)});
        return true;
    }
    return false;
}

// The header is every line from the top that begins with an apostrophe: a
// description in free text, then the CYCLES line, then nothing but
// directives (a second apostrophe on a directive line starts a note).
Case ReadCase(const std::string& text) {
    static const std::set<std::string> kKeywords = {"CYCLES", "EXPECT", "PIN", "PULSES", "EEPROM"};
    Case c;
    std::set<std::string> pins;
    bool directives = false;
    size_t at = 0;
    int line = 0;
    while (at < text.size() && text[at] == '\'') {
        ++line;
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string content = text.substr(at + 1, end - at - 1);
        if (!content.empty() && content.back() == '\r') content.pop_back();
        at = end < text.size() ? end + 1 : end;
        const std::vector<std::string> words = Words(content.substr(0, content.find('\'')));
        if (words.empty()) continue;
        std::string directive;
        for (const std::string& word : words) directive += " " + word;
        const std::string where = "line " + std::to_string(line) + ":" + directive;
        if (!directives && words[0] != "CYCLES") {
            if (kKeywords.count(words[0]) > 0) c.faults.push_back(where + " (before CYCLES)");
            continue;
        }
        directives = true;
        if (!ReadDirective(words, line, directive, pins, c)) {
            c.faults.push_back(where + " (not a directive as cases/README.md describes them)");
        }
    }
    if (c.cycles == 0) c.faults.push_back("no CYCLES line");
    c.program = text.substr(at);
    return c;
}

// The EEPROM image as an Intel HEX file, which the simulator loads.
std::string EepromImage(const std::vector<std::pair<int, int>>& bytes) {
    std::vector<int> data(64, 0);
    for (const auto& [address, value] : bytes) data[static_cast<size_t>(address)] = value;
    std::string hex;
    for (int base = 0; base < 64; base += 32) {
        std::vector<int> record = {32, 0, base, 0};
        record.insert(record.end(), data.begin() + base, data.begin() + base + 32);
        int sum = 0;
        char digits[3];
        hex += ":";
        for (int b : record) {
            std::snprintf(digits, sizeof digits, "%02X", b);
            hex += digits;
            sum += b;
        }
        std::snprintf(digits, sizeof digits, "%02X", (-sum) & 0xFF);
        hex += digits;
        hex += "\n";
    }
    return hex + ":00000001FF\n";
}

int Evaluate(const Side& side, const std::vector<int>& values, size_t& next) {
    int result = values[next++];
    for (const std::string& op : side.operators) {
        const int value = values[next++];
        if (op == "+") result = (result + value) & 0xFF;
        if (op == "-") result = (result - value) & 0xFF;
        if (op == "AND") result &= value;
    }
    return result;
}

bool Holds(const std::string& comparison, int left, int right) {
    if (comparison == "=") return left == right;
    if (comparison == "<>") return left != right;
    if (comparison == "<") return left < right;
    if (comparison == ">") return left > right;
    if (comparison == "<=") return left <= right;
    return left >= right;
}

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(TAVOLUX_CHIP_CASES_DIR)) {
        if (entry.path().extension() == ".bas") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ChipCase : public ::testing::TestWithParam<std::string> {};

TEST_P(ChipCase, RunsAsItsHeaderSays) {
    const std::string file = (fs::path(TAVOLUX_CHIP_CASES_DIR) / GetParam()).string() + ".bas";
    const Case c = ReadCase(ReadFile(file));
    for (const std::string& fault : c.faults) ADD_FAILURE() << file << ": " << fault;
    if (!c.faults.empty()) return;

    const auto program = BuildForChip(c.program);
    if (!program.ok) return;
    std::string script = c.script;
    if (!c.eeprom.empty()) {
        const std::string image = (fs::path(program.assembly.folder) / "eeprom.hex").string();
        std::ofstream(image) << EepromImage(c.eeprom);
        script = "load e p16f84 " + image + "\n" + script;
    }

    // Every register the checks read, and PCL, so that a case without
    // checks still shows that the program ran.
    const std::map<std::string, int> addresses = Addresses(program.asmText);
    std::set<int> registers = {0x02};
    for (const Check& check : c.checks) {
        for (const Side* side : {&check.left, &check.right}) {
            for (const Operand& operand : side->operands) {
                if (operand.kind == Operand::Kind::kRegister) registers.insert(operand.value);
                if (operand.kind != Operand::Kind::kName) continue;
                const auto found = addresses.find(operand.name);
                ASSERT_TRUE(found != addresses.end())
                    << file << " line " << check.line << ": the program declares no "
                    << operand.name;
                registers.insert(found->second);
            }
        }
    }
    const auto regs =
        RunInGpsim(program.assembly, c.cycles, {registers.begin(), registers.end()}, script);
    for (int r : registers) ASSERT_EQ(regs.count(r), 1u) << "gpsim gave no register " << r;

    for (const Check& check : c.checks) {
        std::vector<int> values;
        std::string shown;
        for (const Side* side : {&check.left, &check.right}) {
            for (const Operand& operand : side->operands) {
                if (operand.kind == Operand::Kind::kNumber) {
                    values.push_back(operand.value);
                    continue;
                }
                const int address = operand.kind == Operand::Kind::kName
                                        ? addresses.at(operand.name)
                                        : operand.value;
                values.push_back(regs.at(address));
                shown += " " +
                         (operand.name.empty() ? "REG(&H" + Hex2(address) + ")" : operand.name) +
                         " = " + std::to_string(values.back());
            }
        }
        size_t next = 0;
        const int left = Evaluate(check.left, values, next);
        const int right = Evaluate(check.right, values, next);
        EXPECT_TRUE(Holds(check.comparison, left, right))
            << file << " line " << check.line << ":" << check.text << "\n read:" << shown;
    }
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ChipCase);

INSTANTIATE_TEST_SUITE_P(Cases, ChipCase, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

}  // namespace
