#include "equates.h"

#include <array>
#include <cstdio>
#include <utility>

namespace tavolux::shell {

namespace {

using Register = std::pair<const char*, int>;

constexpr std::array<Register, 12> kBank0 = {{{"Reg_Indf", 0x00},
                                              {"Reg_Tmr0", 0x01},
                                              {"Reg_Pcl", 0x02},
                                              {"Reg_Status", 0x03},
                                              {"Reg_Fsr", 0x04},
                                              {"Reg_PortA", 0x05},
                                              {"Reg_PortB", 0x06},
                                              {"Reg_PortC", 0x07},
                                              {"Reg_Eedata", 0x08},
                                              {"Reg_Eeadr", 0x09},
                                              {"Reg_Pclath", 0x0A},
                                              {"Reg_Intcon", 0x0B}}};

constexpr std::array<Register, 12> kBank1 = {{{"Reg_Indf2", 0x80},
                                              {"Reg_Option", 0x81},
                                              {"Reg_Pcl2", 0x82},
                                              {"Reg_Status2", 0x83},
                                              {"Reg_Fsr2", 0x84},
                                              {"Reg_TrisA", 0x85},
                                              {"Reg_TrisB", 0x86},
                                              {"Reg_TrisC", 0x87},
                                              {"Reg_Eecon1", 0x88},
                                              {"Reg_Eecon2", 0x89},
                                              {"Reg_Pclath2", 0x8A},
                                              {"Reg_Intcon2", 0x8B}}};

void AppendRegisters(std::string& out, const std::array<Register, 12>& bank) {
    for (const auto& [symbol, address] : bank) {
        std::array<char, 64> line{};
        std::snprintf(line.data(), line.size(), "%-16sEQU     0x%02X\r\n", symbol, address);
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
    for (int bit = 0; bit <= 7; ++bit) {
        out += "        Constant Bit_" + std::to_string(bit) + " = " + std::to_string(bit) + "\r\n";
    }
    out += "\r\n";
    out += "        Constant Flag_C  = 0\r\n";
    out += "        Constant Flag_DC = 1\r\n";
    out += "        Constant Flag_Z  = 2\r\n";
    return out;
}

}  // namespace tavolux::shell
