// The assembly program writer: header, equates, reset and interrupt vectors,
// DATA table, port set-up, interrupt enables, the program, the library
// routines and END.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "basic_text.h"
#include "interrupt_saves.h"
#include "translator.h"

namespace tavolux {

namespace {

// A label in column 1 with the instruction after it, aligned on column 9.
std::string LabelAndInstruction(const std::string& label, const std::string& instruction) {
    std::string out = label + ":";
    if (out.size() < 8) {
        out.resize(8, ' ');
    } else {
        out += ' ';
    }
    return out + instruction;
}

// The bytes a variable table row takes.
int RowBytes(const FatRow& row) {
    return text::ToIntInRange(text::Val(row.size), 0, 0x7FFF).value_or(0);
}

}  // namespace

// The code the chip will hold, the labels the dispatcher calls and the RAM
// layout, handed to the analysis. The library routines are taken with the
// divide bytes they will be written with.
std::vector<std::string> Translator::InterruptHandlers() const {
    std::vector<std::string> handlers;
    for (const std::string& line : S.ArrayINT) {
        const std::string instruction = text::LTrim(line);
        if (text::StartsWith(instruction, "CALL ")) {
            handlers.push_back(text::Trim(instruction.substr(5)));
        }
    }
    return handlers;
}

std::vector<std::string> Translator::FindInterruptSaves() {
    const std::vector<std::string> handlers = InterruptHandlers();
    if (handlers.empty()) return {};
    const std::vector<std::string> library = LibraryRoutineLines(false);
    const std::vector<std::string> table = DataTableLines();
    std::vector<std::string_view> code;
    code.reserve(static_cast<size_t>(NoInput()) + library.size() + table.size());
    for (int k = 1; k <= NoInput(); ++k) {
        if (!Line(k).empty()) code.push_back(Line(k));
    }
    const size_t routinesFrom = code.size();
    code.insert(code.end(), library.begin(), library.end());
    code.insert(code.end(), table.begin(), table.end());
    std::vector<RamByte> ram;
    int address = S.RamStart;
    for (const FatRow& row : S.FAT) {
        ram.push_back({row.name, address, RowBytes(row)});
        address += RowBytes(row);
    }
    return InterruptSharedBytes(code, routinesFrom, handlers, ram);
}

void Translator::EmitLine(std::string_view line) {
    S.AsmText += text::StartsWith(line, "A>") ? line.substr(2) : line;
    S.AsmText += "\r\n";
}

void Translator::WriteAsmProgram() {
    if (S.Flag_Error) return;
    S.AsmText.clear();

    // 1. Header.
    EmitLine("        Title \"BASIC to PIC Translator\"");
    EmitLine("        Include \"PIC16F84.DEF\"");

    // 2. Scratch and interrupt save bytes.
    AddFatRow("W#VLTx", "BYTE", "1");
    if (S.Flag_WaitDouble) AddFatRow("W#VLTy", "BYTE", "1");
    // s1 to s3 keep W, STATUS and W#VLTx while the handler runs; s4 keeps
    // W#VLTy when a two-counter WAIT uses it.
    std::string s1, s2, s3, s4;
    if (S.Flag_Interrupt) {
        s1 = NewTempVar();
        s2 = NewTempVar();
        s3 = NewTempVar();
        if (S.Flag_WaitDouble) s4 = NewTempVar();
    }
    // Beside them, each byte the handlers may write under the interrupted
    // code gets a save byte of its own (kept[k] for shared[k]). They lie
    // beyond the bytes kept out of the DIM budget, so the RAM they take
    // counts as used.
    const std::vector<std::string> shared =
        S.Flag_Interrupt ? FindInterruptSaves() : std::vector<std::string>{};
    std::vector<std::string> kept;
    for (size_t k = 0; k < shared.size() && !S.Flag_Error; ++k) kept.push_back(NewTempVar());
    S.RamUsed += static_cast<int>(kept.size());
    // When the EEPROM is shared, so is a write in progress.
    const bool guardedWrite = std::find(shared.begin(), shared.end(), "Reg_Eeadr") != shared.end();
    if (S.Flag_Error) return;

    // The variables, temporaries, scratch and save bytes must end within the
    // chip's general-purpose registers, 0x0C to 0x4F: past them the program
    // would use registers that do not exist. Then no program is written.
    {
        long long end = S.RamStart;
        for (const FatRow& row : S.FAT) {
            end += RowBytes(row);
        }
        if (end - 1 > 0x4F) {
            S.AsmText.clear();
            Refuse({}, "Memoria RAM insufficiente: le variabili superano l'indirizzo 0x4F");
            return;
        }
    }

    // 3. One equate per variable, addresses in table order from RamStart.
    size_t width = 8;
    for (const FatRow& row : S.FAT) width = std::max(width, row.name.size() + 1);
    int address = S.RamStart;
    for (const FatRow& row : S.FAT) {
        std::string name = row.name;
        name.resize(width, ' ');
        EmitLine(name + "EQU " + FormatHexLiteral(address) + "    ;" + row.type + "(" + row.size +
                 "-Byte)");
        address += RowBytes(row);
    }

    // 4. Reset vector.
    EmitLine("        ORG 0");

    const bool hasData = S.NoDATA() > 0;
    std::string start;
    if (S.Flag_Interrupt || hasData) start = NewLabel();

    if (S.Flag_Interrupt) {
        // 5. Interrupt entry at address 4 and context save.
        EmitLine("        GOTO " + start);
        EmitLine("        NOP");
        EmitLine("        NOP");
        EmitLine("        NOP");
        EmitLine("        MOVWF " + s1);
        EmitLine("        SWAPF " + s1 + " , F");
        EmitLine("        SWAPF Reg_Status , W");
        EmitLine("        MOVWF " + s2);
        EmitLine("        SWAPF W#VLTx , W");
        EmitLine("        MOVWF " + s3);
        if (!s4.empty()) {
            EmitLine("        SWAPF W#VLTy , W");
            EmitLine("        MOVWF " + s4);
        }
        // The interrupted program may be in bank 1; the handler runs in bank 0.
        // Restoring STATUS at the end gives the program its bank back.
        EmitLine("        BCF Reg_Status2, Bit_5");
        // In bank 0 now, which EEDATA and EEADR need.
        for (size_t k = 0; k < kept.size(); ++k) {
            EmitLine("        MOVF " + shared[k] + " , W");
            EmitLine("        MOVWF " + kept[k]);
        }

        // 6, 7. The dispatcher, with the timer reload value patched in.
        for (int k = 1; k <= S.NoINT(); ++k) {
            std::string& line = S.ArrayINT[static_cast<size_t>(k) - 1];
            if (k < S.NoINT() &&
                text::LTrim(S.ArrayINT[static_cast<size_t>(k)]) == "MOVWF Reg_Tmr0") {
                line =
                    IsVariable(S.InitTimerVar)
                        ? "        MOVF " + S.InitTimerVar + " , W"
                        : "        MOVLW 0x" + text::Hex(static_cast<unsigned>(S.InitTimerValue));
            }
            EmitLine(line);
        }

        // 8. Epilogue: the shared bytes back, then the scratch bytes, STATUS
        // (and with it the bank) and W.
        std::string label = S.LabelEndINT;
        const auto emit = [&](const std::string& instruction) {
            EmitLine(label.empty() ? "        " + instruction
                                   : LabelAndInstruction(label, instruction));
            label.clear();
        };
        for (size_t k = 0; k < kept.size(); ++k) {
            emit("MOVF " + kept[k] + " , W");
            emit("MOVWF " + shared[k]);
        }
        emit("SWAPF " + s3 + " , W");
        EmitLine("        MOVWF W#VLTx");
        if (!s4.empty()) {
            EmitLine("        SWAPF " + s4 + " , W");
            EmitLine("        MOVWF W#VLTy");
        }
        EmitLine("        SWAPF " + s2 + " , W");
        EmitLine("        MOVWF Reg_Status");
        EmitLine("        SWAPF " + s1 + " , W");
        EmitLine("        RETFIE");

        // 9. DATA table and the start of the main program.
        WriteDataTable();
        EmitLine(LabelAndInstruction(start, "NOP"));
    } else if (hasData) {
        // 10. Jump over the DATA table.
        EmitLine("        GOTO " + start);
        WriteDataTable();
        EmitLine(start + ":");
    }

    // 11. Port set-up.
    for (const std::string& line : S.ArrayCONFIG) EmitLine(line);

    // 12. Interrupt enables. The timer takes the prescaler (1:256) from the
    // watchdog, which holds it from reset: the watchdog is cleared before it
    // loses the prescaler.
    if (S.Flag_Interrupt) {
        if (S.Flag_IntTimer) {
            EmitLine("        BSF Reg_Status , Bit_5");
            EmitLine("        BSF Reg_Option , Bit_0");
            EmitLine("        BSF Reg_Option , Bit_1");
            EmitLine("        BSF Reg_Option , Bit_2");
            EmitLine("        CLRWDT");
            EmitLine("        BCF Reg_Option , Bit_3");
            EmitLine("        BSF Reg_Option , Bit_4");
            EmitLine("        BCF Reg_Option , Bit_5");
            EmitLine("        BCF Reg_Status2, Bit_5");
            EmitLine("        CLRF Reg_Tmr0");
        }
        const std::pair<bool, InterruptSource> sources[] = {
            {S.Flag_IntTimer, InterruptSource::kTimer},
            {S.Flag_IntExternal, InterruptSource::kExternal},
            {S.Flag_IntLine, InterruptSource::kLine}};
        for (const auto& [on, source] : sources) {
            if (!on) continue;
            for (const std::string& line : SwitchOnLines(source)) EmitLine("        " + line);
        }
        EmitLine("        BSF Reg_Intcon , Bit_7");
    }

    // 13. The program.
    for (int k = 1; k <= NoInput(); ++k) {
        if (!Line(k).empty()) EmitLine(Line(k));
    }

    // 14, 15. Library routines and the end.
    WriteLibraryRoutines(guardedWrite);
    EmitLine("        END");
    if (!S.Flag_Interrupt) EmitLine("");
}

}  // namespace tavolux
