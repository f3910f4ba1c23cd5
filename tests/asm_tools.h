// Test helpers that check generated assembly with the real tools: gpasm
// assembles it, gpsim runs it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tavolux::testing {

// "\n" becomes "\r\n" (a "\r\n" already there stays as it is).
std::string ToCrLf(const std::string& text);
std::string ReadFile(const std::string& path);

// The current file a translator case is translated with ("C:\TAVOLUX\NNN-name.bas"),
// which the statistics name.
std::string CaseCurrentFile(const std::string& caseName);

struct Assembly {
    bool ok = false;       // gpasm ended well and printed no Error line
    std::string messages;  // what gpasm printed
    std::string folder;    // where prog.asm, prog.cod and PIC16F84.DEF are
    // The folder is removed when the last copy of the assembly goes.
    std::shared_ptr<const void> folderOwner;
};

// Writes the program beside the equates text and assembles it for the
// p16f84. For a copy meant for gpsim, `forSimulation` puts a configuration
// word with the watchdog off after the Include line.
Assembly Assemble(const std::string& asmText, bool forSimulation = false);

// Runs an assembled program in gpsim up to `cycles` and reads the given file
// registers (address -> value). Extra script lines (stimuli, breaks) come
// before the run.
std::map<int, int> RunInGpsim(const Assembly& assembly, long cycles,
                              const std::vector<int>& registers,
                              const std::string& extraScript = "");

// Runs the program `runs` times in one gpsim session: run k ends `cycles`
// after run 0 began, with a reset through MCLR, which wakes a sleeping chip
// too; the next run starts when MCLR rises again, at RunStart(cycles, k + 1).
// A reset keeps the file registers and the EEPROM as the last run left them.
// The extra script's stimuli reach a run at the cycles given from there.
// Gives the registers read at the end of each run.
std::vector<std::map<int, int>> RunSeriesInGpsim(const Assembly& assembly, long cycles, int runs,
                                                 const std::vector<int>& registers,
                                                 const std::string& extraScript = "");
// The cycle at which run `run` of a series starts.
long RunStart(long cycles, int run);

}  // namespace tavolux::testing
