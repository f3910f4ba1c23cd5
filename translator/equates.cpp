#include "equates.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <span>
#include <unordered_map>

#include "basic_text.h"

namespace tavolux {

namespace {

struct Equate {
    const char* symbol;
    int value;
};

constexpr Equate kBank0[] = {
    {"Reg_Indf", 0x00},   {"Reg_Tmr0", 0x01},  {"Reg_Pcl", 0x02},    {"Reg_Status", 0x03},
    {"Reg_Fsr", 0x04},    {"Reg_PortA", 0x05}, {"Reg_PortB", 0x06},  {"Reg_PortC", 0x07},
    {"Reg_Eedata", 0x08}, {"Reg_Eeadr", 0x09}, {"Reg_Pclath", 0x0A}, {"Reg_Intcon", 0x0B},
};

constexpr Equate kBank1[] = {
    {"Reg_Indf2", 0x80},  {"Reg_Option", 0x81}, {"Reg_Pcl2", 0x82},    {"Reg_Status2", 0x83},
    {"Reg_Fsr2", 0x84},   {"Reg_TrisA", 0x85},  {"Reg_TrisB", 0x86},   {"Reg_TrisC", 0x87},
    {"Reg_Eecon1", 0x88}, {"Reg_Eecon2", 0x89}, {"Reg_Pclath2", 0x8A}, {"Reg_Intcon2", 0x8B},
};

constexpr Equate kBits[] = {
    {"Bit_0", 0}, {"Bit_1", 1}, {"Bit_2", 2}, {"Bit_3", 3},
    {"Bit_4", 4}, {"Bit_5", 5}, {"Bit_6", 6}, {"Bit_7", 7},
};

constexpr Equate kFlags[] = {{"Flag_C", 0}, {"Flag_DC", 1}, {"Flag_Z", 2}};

// The groups in the order of the text.
constexpr std::span<const Equate> kGroups[] = {kBank0, kBank1, kBits, kFlags};

void AppendRegisters(std::string& out, std::span<const Equate> bank) {
    for (const Equate& e : bank) {
        std::array<char, 64> line{};
        std::snprintf(line.data(), line.size(), "%-16sEQU     0x%02X\r\n", e.symbol, e.value);
        out += line.data();
    }
}

// "Constant" lines, each symbol padded to the longest of its group.
void AppendConstants(std::string& out, std::span<const Equate> constants) {
    size_t width = 0;
    for (const Equate& e : constants) width = std::max(width, std::strlen(e.symbol));
    for (const Equate& e : constants) {
        std::array<char, 64> line{};
        std::snprintf(line.data(), line.size(), "        Constant %-*s = %d\r\n",
                      static_cast<int>(width), e.symbol, e.value);
        out += line.data();
    }
}

}  // namespace

std::string BuildEquatesText() {
    std::string out;
    out += ";  Register Bank 0\r\n;  ===============\r\n;\r\n";
    AppendRegisters(out, kBank0);
    out += "\r\n";
    out += ";  Register Bank 1\r\n;  ===============\r\n;\r\n";
    AppendRegisters(out, kBank1);
    out += "\r\n\r\n";
    out += ";\r\n;       Costanti\r\n;       ========\r\n";
    AppendConstants(out, kBits);
    out += "\r\n";
    AppendConstants(out, kFlags);
    return out;
}

std::vector<std::string_view> EquateSymbols() {
    std::vector<std::string_view> symbols;
    for (const std::span<const Equate> group : kGroups) {
        for (const Equate& e : group) symbols.emplace_back(e.symbol);
    }
    return symbols;
}

std::string_view EquateSpelling(std::string_view name) {
    static const std::unordered_map<std::string, std::string_view> spellings = [] {
        std::unordered_map<std::string, std::string_view> all;
        for (const std::string_view symbol : EquateSymbols())
            all.emplace(text::UCase(symbol), symbol);
        return all;
    }();
    const auto found = spellings.find(text::UCase(name));
    return found == spellings.end() ? std::string_view() : found->second;
}

}  // namespace tavolux
