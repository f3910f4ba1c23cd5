// The BASIC to PIC16F84A translator.
//
// One run of TranslateProgram turns the text of a BASIC program into the
// text of an assembly program, or into error reports. Inside, the run is a
// fixed list of passes over one shared state (TranslatorState): the program
// line store, the variable and subroutine tables and the feature flags that
// the statements set and the writer reads.
//
// All text inside the state is Windows-1252, one byte per character; the
// interface takes and gives UTF-8.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "line_store.h"

namespace tavolux {

// Table sizes.
inline constexpr int kMaxInput = 3000;
inline constexpr int kMaxFat = 100;
inline constexpr int kMaxSub = 50;
inline constexpr int kMaxCall = 100;
inline constexpr int kMaxInt = 30;
inline constexpr int kMaxData = 252;
inline constexpr int kMaxDataValues = 250;  // the values a program may give in DATA
inline constexpr int kMaxConfig = 20;
inline constexpr int kMaxConst = 100;  // CONST and SYMBOL definitions
inline constexpr int kDynVarCount = 15;
inline constexpr int kStackLevels = 8;  // the chip's return stack

// The chip's data EEPROM: addresses 0 to 63.
inline constexpr int kEepromLast = 63;
inline constexpr const char* kEepromRange =
    "Indirizzo della memoria EEPROM fuori dall'intervallo 0-63";

// The report of a constant no byte holds, wherever the program uses a byte
// (see Translator::ByteConstant).
inline constexpr const char* kConstantNotAllowed = "Costante numerica non ammessa";

// The report of a CONFIG or RECONFIG whose direction is neither INPUT nor OUTPUT.
inline constexpr const char* kUnknownDirection =
    "Impossibile determinare se configurazione di Input o Output";

// The mark and indent of a finished instruction line in the store.
inline constexpr const char* kAsmIndent = "A>        ";

// A finished instruction line: the mark, the indent and the instruction.
inline std::string Instruction(std::string_view instruction) {
    std::string line = kAsmIndent;
    line += instruction;
    return line;
}

struct FatRow {
    std::string name;  // column 1
    std::string type;  // column 2: "BYTE", "INTEGER", "WORD", "LONG", "SINGLE", "FLOAT"
    std::string size;  // column 3: size in bytes as decimal text
};

struct SubRow {
    std::string name;    // column 1
    std::string count;   // column 2: parameter count as decimal text
    std::string params;  // column 3: parameter list as written
};

// The pool of reusable temporaries with all of them free.
inline std::string FreeDynVarPool() {
    std::string pool;
    for (int k = 1; k <= kDynVarCount; ++k) pool.push_back(static_cast<char>(k));
    return pool;
}

// The chip's three interrupt sources: TMR0's overflow, an edge on B0, a
// change of B4-B7.
enum class InterruptSource { kTimer, kExternal, kLine };

// What the timer and interrupt statements need to know of the whole
// program: which sources have a handler (an ON ... INTERRUPT CALL anywhere
// in it); the owners the prescaler may have when a SET TIMER RATE TO runs,
// the watchdog, which holds it from reset, and the timer, which the
// start-up gives it to when there is a timer handler; and whether the
// watchdog may get the rate 1:1 or 1:2 with it.
struct TimerSurvey {
    // By source: the timer, the external interrupt on B0, the change of B4-B7.
    std::array<bool, 3> handlers{};
    bool prescalerWithTimer = false;
    bool prescalerWithWatchdog = false;
    bool lowWatchdogRate = false;
};

// What one run builds. Every run starts again from these values: the reset
// is one assignment (Translator::ResetRun). Counts are the sizes of their
// tables (NoFAT is FAT.size() and so on).
struct RunState {
    // Variables and RAM.
    std::vector<FatRow> FAT;
    int NoFAT() const { return static_cast<int>(FAT.size()); }
    int RamUsed = 0;

    // Subroutines and calls.
    std::vector<SubRow> ArraySUB;
    int NoSUB() const { return static_cast<int>(ArraySUB.size()); }
    std::vector<std::string> ArrayCALL;
    int NoCALL() const { return static_cast<int>(ArrayCALL.size()); }
    int MaxCallDepth = 0;
    // What the main program calls outside every SUB (subroutines and library
    // routines), each once; and the deepest stack the program can reach,
    // with an interrupt on top of the main program's deepest call.
    std::vector<std::string> MainCallees;
    int StackLevel = 1;

    // Interrupts, timer and delays.
    std::vector<std::string> ArrayINT;
    int NoINT() const { return static_cast<int>(ArrayINT.size()); }
    std::string LabelEndINT;
    bool Flag_Interrupt = false;
    bool Flag_IntTimer = false;
    bool Flag_IntLine = false;
    bool Flag_IntExternal = false;
    int InitTimerValue = 0;
    std::string InitTimerVar;
    int NoInitTimer = 0;  // 8-bit unsigned in use
    // Read from the whole program when the first timer or interrupt
    // statement is translated, while all of them stand as written.
    std::optional<TimerSurvey> Timers;
    bool Flag_WaitDouble = false;

    // DATA values and port set-up.
    std::vector<int> ArrayDATA;
    int NoDATA() const { return static_cast<int>(ArrayDATA.size()); }
    std::vector<std::string> ArrayCONFIG;
    int NoCONFIG() const { return static_cast<int>(ArrayCONFIG.size()); }

    // Library flags.
    bool Flag_Library = false;
    bool Flag_EepromWrite = false;
    bool Flag_EepromRead = false;
    bool Flag_Div10 = false;

    // Name makers: the first label of a run is "@1", the first temporary "W#1".
    int LabelCounter = 0;
    int TempCounter = 0;
    // Character k has the code k while "W#D" k is free, 0 while taken.
    std::string DynVarPool = FreeDynVarPool();
    int DynVarMax = 0;
    // The byte the divide routine leaves the remainder in, held out of the
    // pool for the whole run when the program reads it (DIV10R); empty
    // otherwise.
    std::string DivRemainder;

    // Error state.
    bool Flag_Error = false;
    std::string CurrentStatement;
    std::vector<std::string> GotoTargets;  // the labels named by GOTO statements, in order
    // The routine each of those GOTO statements stands in (a SUB's label,
    // empty for the main program), and the one the statement translator is
    // in while it runs.
    std::vector<std::string> GotoRoutines;
    std::string StatementRoutine;
    bool Flag_TableFull = false;  // a fixed table overflowed in this run (reported once)

    // The run's input and output.
    std::string BasicText;  // the program as the pre-pass reads it
    std::string AsmText;    // the assembly text, or the error reports
    std::string CurrentFile;
    std::string Statistics;
};

// The whole state of the translator: what a run builds, and what stays from
// run to run (the chip's RAM layout, the prefixes of generated names, and
// the line store's slots, which the pre-pass fills anew for every run).
struct TranslatorState : RunState {
    // Program line store.
    LineStore ArrayInput{kMaxInput};
    int NoInput() const { return ArrayInput.size(); }

    // RAM: variables from RamStart; RamMax bytes, RamReserved of them kept
    // out of the DIM budget.
    int RamStart = 12;
    int RamMax = 68;
    int RamReserved = 7;

    // Prefixes of generated labels and temporaries.
    std::string LabelPrefix = "@";
    std::string TempPrefix = "W#";
};

// The comparison operators of conditions, in the order FindCompareOperator
// looks for them: "<>", "<=" and ">=" before the "=", "<" and ">" they hold.
enum class Comparison { kNone, kNotEqual, kLessEqual, kGreaterEqual, kEqual, kLess, kGreater };

// The first comparison operator of a text: which one, at which position
// (1-based) and how long; kNone, at 0 with length 0, when there is none.
struct CompareOperator {
    Comparison op = Comparison::kNone;
    int position = 0;
    int length = 0;
};

// The divide routine's work bytes: the quotient, the dividend that becomes
// the remainder, the shifted divisor.
struct DivideBytes {
    std::string quotient;
    std::string remainder;
    std::string divisor;
};

// How the pairing scan knows a line of a block: a test of the line against
// a text, such as text::StartsWith with "FOR ".
struct LineMarker {
    bool (*test)(std::string_view line, std::string_view text);
    std::string_view text;
    bool Marks(std::string_view line) const { return test(line, text); }
};

// The lines of one kind of block: its opening line, the closing line that
// ends the pending block, and a closing line met where no block is open; and
// what the scan reports when they do not pair.
struct BlockMarkers {
    LineMarker opening;
    LineMarker closing;
    LineMarker unclaimed;
    const char* unclaimedMessage;  // a closing line that no opening line claimed
    const char* unclosedMessage;   // an opening line left without its closing line
};

struct TranslationResult {
    std::string basicText;   // the BASIC text as the run leaves it (UTF-8)
    std::string asmText;     // the program, or the error reports (UTF-8)
    std::string statistics;  // only after a run without errors (UTF-8)
    bool flagError = false;
};

class Translator {
  public:
    Translator();

    // Sets the constants and clears the state; called once at start-up.
    void InitTranslator();
    // Translates one program. `currentFile` is the path of the BASIC file,
    // empty when there is none.
    TranslationResult TranslateProgram(std::string_view basicText, std::string_view currentFile);

    // The decimal separator of the statistics' percentages ("." by default).
    // A setting of the caller: neither InitTranslator nor a run changes it.
    void SetDecimalSeparator(std::string separator) { decimalSeparator_ = std::move(separator); }

    // The tables as the last run left them.
    const TranslatorState& State() const { return S; }

    // Runs the source pre-pass alone on `basicText` (UTF-8) and returns the
    // lines it stored (Windows-1252); any report is in State().AsmText.
    std::vector<std::string> PreprocessOnly(std::string_view basicText);

  private:
    friend class TranslatorTestAccess;  // unit tests reach single passes through it

    // ---- driver.cpp: the run, step by step -------------------------------
    void ResetRun();  // every RunState member back to its first value
    bool TranslateStatements();
    bool TranslateAssignments();
    bool CheckResidue();
    bool CheckLabelNames();    // labels.cpp
    bool CheckGotoRoutines();  // labels.cpp
    // The routine the lines after `line` stand in, given the one `line`
    // stands in: a SUB from its header to its END SUB, the main program
    // (empty) elsewhere. Read while SUB headers are still BASIC lines.
    static void FollowRoutine(std::string_view line, std::string& routine);
    void BuildStatistics();  // statistics.cpp

    // ---- errors.cpp: the error report and the checked tables ------------
    void ReportError(std::string_view message);
    // Reports `message` with `statement` as the statement in question (none
    // when empty); false, so that a check can end with `return Refuse(...)`.
    bool Refuse(std::string_view statement, std::string_view message);
    // A fixed table is full: the run ends with one message naming the limit.
    void ReportTableFull(std::string_view table, int limit);
    bool AddFatRow(std::string name, std::string type, std::string size);
    bool AddSubRow(std::string name, std::string count, std::string params);
    bool AddCallPair(std::string pair);
    bool AddIntLine(std::string line);
    bool AddDataValue(int value);
    bool AddConfigLine(std::string line);

    // ---- line_ops.cpp: line store operations and name makers ------------
    std::string& Line(int k) { return S.ArrayInput[k]; }
    int NoInput() const { return S.ArrayInput.size(); }
    bool InsertLines(int position, int count);
    // Puts `lines` in the place of the line in slot k, as they are.
    bool ReplaceLine(int k, const std::vector<std::string>& lines);
    // The same for a statement's instructions: lines not yet marked "A>"
    // get the mark and the indent of an instruction.
    bool ReplaceWithInstructions(int k, const std::vector<std::string>& lines);
    void DeleteLine(int position);
    void CompactLines();
    std::string NewLabel();
    std::string NewTempVar();
    std::string NewDynamicVar();
    void FreeDynamicVar(std::string_view name);

    // ---- symbols.cpp: literal and symbol tests ---------------------------
  public:
    static std::string FormatHexLiteral(int value);
    static bool IsNumber(std::string_view text);
    // The value of a text that IsNumber takes, its first "," read as the
    // decimal point.
    static double NumberValue(std::string_view number);
    // That value rounded half to even, as a 16-bit operand (decimal, or up to
    // four hexadecimal digits); nothing for a value no 16-bit number holds.
    static std::optional<int> WholeNumberValue(std::string_view number);
    // A constant where the program uses a byte: its value rounded half to
    // even, when it is one an assignment stores (-256 to 255, a negative
    // value standing for its two's complement byte); nothing otherwise.
    static std::optional<int> ByteConstant(double value);
    // The byte immediate of a number text, by the same rule: nothing for a
    // number no byte holds ("300", "&H1FF").
    static std::optional<std::string> NumberImmediate(std::string_view number);
    bool IsVariable(std::string_view name) const;
    int GetVarSize(std::string_view name) const;
    bool IsSubName(std::string_view name) const;
    static bool IsPortName(std::string_view name);
    // The direction of CONFIG and RECONFIG, the text after " AS ": true for
    // INPUT, false for OUTPUT, nothing for any other text.
    static std::optional<bool> ReadDirection(std::string_view text);
    static bool IsPinName(std::string_view name);
    static CompareOperator FindCompareOperator(std::string_view text);
    // True for a word the dialect reads as a statement, function, operator or
    // flag (declarations.cpp; exact, upper case).
    static bool IsDialectWord(std::string_view name);

  private:
    // ---- prepass.cpp -------------------------------------------------------
    void PreprocessSource();

    // ---- declarations.cpp, ports_config.cpp, data_area.cpp ----------------
    void ExpandConstants();
    void DeclareVariables();
    // True, with Flag_Error set, for a name that cannot be a variable.
    bool IsReservedName(std::string_view name);
    // True for a mnemonic, directive or predefined symbol of the assembler.
    static bool IsAssemblerWord(std::string_view name);
    void ConfigurePorts();
    void CollectDataArea();

    // ---- structure passes: select_case.cpp, subroutines.cpp, logic_split.cpp
    void ExpandSelectCase();
    bool ExpandSelectBlock(int start);  // false when it reported an error
    void ResolveSubsAndCalls();
    void SplitLogicalExpressions();
    bool SplitLogicalLines(bool forLines);  // false when it reported an error

    // ---- statements.cpp: the dispatcher, flow and inline assembly --------
    void TranslateStatement(int k);
    void TranslateInlineAsmBlock(int k);

    // ---- the statement families: port_statements.cpp, timer_statements.cpp,
    // shift_wait.cpp, write_eeprom.cpp. Each replaces the statement in slot k.
    void TranslatePortStatement(int k);
    void TranslateTimerStatement(int k);
    // The instructions that switch a source's interrupt on, at start-up and
    // by the statements. A flag is raised by its event whether its source is
    // on or not: it is cleared first, so that an event that came while the
    // source was off does not run the handler; for B4-B7 a read of port B
    // first ends a change that came meanwhile.
    static std::vector<std::string> SwitchOnLines(InterruptSource source);
    void TranslateShiftRotate(int k);
    void TranslateWait(int k);
    void TranslateWrite(int k);

    // ---- block pairing scans and block translators ------------------------
    // block_pairing.cpp: finds the blocks of one kind, innermost first, and
    // hands each to `translate` (with its ELSE line, -1 when it has none).
    using BlockTranslator = std::function<void(int opening, int closing, int elseLine)>;
    bool PairBlocks(const BlockMarkers& markers, const BlockTranslator& translate);
    bool PairSubBlocks();                                        // subroutines.cpp
    bool CheckCallDepth();                                       // subroutines.cpp
    void TranslateSubBlock(int header, int end);                 // subroutines.cpp
    bool PairForLoops();                                         // for_loops.cpp
    void TranslateForNext(int forLine, int nextLine);            // for_loops.cpp
    bool PairDoLoops();                                          // do_loops.cpp
    void TranslateDoLoop(int doLine, int loopLine);              // do_loops.cpp
    void HoistIfFunctions();                                     // if_blocks.cpp
    bool PairIfBlocks();                                         // if_blocks.cpp
    void TranslateIfBlock(int ifLine, int endIf, int elseLine);  // if_blocks.cpp
    void TranslateAssignment(int k, int equalsPos);              // assignments.cpp
    void TranslateLogicalAssignment(int k, int equalsPos);       // logic_assign.cpp
    // input_conditions.cpp: the test of an IF condition on INPUT(...)
    void TranslateInputCondition(int ifLine, const std::string& falseLabel);

    // ---- float_constants.cpp: a decimal constant into a four-byte variable
    std::string ConvertFloatToHex(float value);
    static std::string ConvertBinToHex(std::string_view bits);
    std::vector<std::string> FloatConstantLines(const std::string& target,
                                                std::string_view constant);

    // ---- label_optimiser.cpp, writer.cpp, library.cpp ----------------------
    void OptimizeLabels();
    void WriteAsmProgram();
    void EmitLine(std::string_view line);
    void WriteDataTable();
    // The guarded write routine serves a program whose interrupt handlers
    // and the code they interrupt both use the EEPROM.
    void WriteLibraryRoutines(bool guardedWrite = false);
    std::vector<std::string> DataTableLines();
    std::vector<std::string> LibraryRoutineLines(bool guardedWrite);
    // writer.cpp, with interrupt_saves.cpp: the bytes the interrupt entry keeps beside W,
    // STATUS and the scratch bytes, for the program as it will be written.
    std::vector<std::string> FindInterruptSaves();
    // The routines the interrupt dispatcher calls, in its order.
    std::vector<std::string> InterruptHandlers() const;
    void HoldDivideRemainder();
    DivideBytes TakeDivideBytes();
    void ReturnDivideBytes(const DivideBytes& bytes);

    TranslatorState S;
    std::string decimalSeparator_ = ".";
};

// Encoding helpers for callers that show the state (the tables view).
std::string StateTextToUtf8(std::string_view text);

}  // namespace tavolux
