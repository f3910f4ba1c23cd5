// DIM: the variables of the program become rows of FAT, within the RAM
// budget that DIM statements may take.
//
// Every name becomes the label of an equate line ("NAME    EQU 0x0C") and an
// operand of instructions, so a name must be one that the assembler reads as
// a symbol: IsReservedName keeps out the words of the BASIC dialect that the
// passes look for, the instruction mnemonics and directives of the assembler,
// its predefined symbols and the symbols of the equates text PIC16F84.DEF.
#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_set>

#include "basic_text.h"
#include "equates.h"
#include "translator.h"

namespace tavolux {

using text::InStr;
using text::Mid;
using text::StartsWith;
using text::Trim;

namespace {

constexpr std::string_view kReservedMessage =
    "Nome di variabile riservato dal sistema o sintassi sbagliata";
constexpr std::string_view kArrayMessage = "Definizione di array non ammessa";

// Words the translator's own passes read as keywords or operands: the
// instructions' W and F, the statements and the words inside them, the
// functions, the operators and the flags. A variable of such a name would be
// read as the word ("RND = 5" stores into nothing, "NEXT = 5" closes a loop).
constexpr std::string_view kDialectWords[] = {
    "AND",    "AS",    "ASC",      "ASM",        "BREAK",     "CALL",   "CASE",    "CLEAR",
    "CONFIG", "CONST", "DATA",     "DIM",        "DIV10",     "DIV10R", "DO",      "ELSE",
    "END",    "EXIT",  "F",        "FLAG_CARRY", "FLAG_ZERO", "FOR",    "GETDATA", "GOTO",
    "IF",     "INPUT", "IS",       "LOOP",       "NEXT",      "NOT",    "ON",      "OR",
    "OUTPUT", "READ",  "RECONFIG", "RESET",      "RND",       "ROTATE", "SELECT",  "SET",
    "SHIFT",  "STEP",  "STOP",     "SUB",        "SWAP",      "SYMBOL", "THEN",    "TO",
    "UNTIL",  "W",     "WAIT",     "WHILE",      "WRITE",     "XOR",
};
static_assert(std::is_sorted(std::begin(kDialectWords), std::end(kDialectWords)));

// Words that gpasm (1.4, processor p16f84 or p16f84a) reads as something
// other than a symbol when they stand first on a line or as an operand, so
// that "NAME EQU 0x0C" followed by "MOVF NAME , W" does not assemble: the
// instruction set of the 14-bit core, the special mnemonics, the directives
// and the expression operators HIGH, LOW and UPPER. gpasm compares them
// without regard to case; the list is in upper case and sorted, and the name
// is upper-cased before the search.
//
// TITLE, STITLE and SUBTITLE are among them although "TITLE EQU 0x0C" alone
// assembles: gpasm takes the line for a TITLE directive and defines nothing.
// Found by assembling, for every identifier in the gpasm program and its
// manual, the lines "X EQU 0x0D", "MOVF X , W", "MOVWF X", "BSF X , 1".
constexpr std::string_view kAssemblerWords[] = {
    "ACCESS_OVR", "ADDCF",    "ADDDCF",     "ADDLW",     "ADDWF",     "ANDLW",     "ANDWF",
    "B",          "BANKISEL", "BANKSEL",    "BC",        "BCDIRECT",  "BCF",       "BDC",
    "BNC",        "BNDC",     "BNZ",        "BSF",       "BTFSC",     "BTFSS",     "BZ",
    "CALL",       "CBLOCK",   "CLRC",       "CLRDC",     "CLRF",      "CLRW",      "CLRWDT",
    "CLRZ",       "CODE",     "CODE_PACK",  "COMF",      "CONFIG",    "CONSTANT",  "DA",
    "DATA",       "DB",       "DE",         "DECF",      "DECFSZ",    "DT",        "DTM",
    "DW",         "ELSE",     "END",        "ENDC",      "ENDIF",     "ENDM",      "ENDW",
    "EQU",        "ERROR",    "ERRORLEVEL", "EXITM",     "EXPAND",    "EXTERN",    "FILL",
    "GLOBAL",     "GOTO",     "HALT",       "HIGH",      "IDATA",     "IDATA_ACS", "IDLOCS",
    "IF",         "IFDEF",    "IFNDEF",     "INCF",      "INCFSZ",    "INCLUDE",   "IORLW",
    "IORWF",      "LCALL",    "LGOTO",      "LIST",      "LOCAL",     "LOW",       "MACRO",
    "MESSG",      "MOVF",     "MOVFW",      "MOVLW",     "MOVWF",     "NEGF",      "NOEXPAND",
    "NOLIST",     "NOP",      "OPTION",     "ORG",       "PAGE",      "PAGESEL",   "PAGESELW",
    "PROCESSOR",  "RADIX",    "RES",        "RETFIE",    "RETLW",     "RETURN",    "RLF",
    "RRF",        "SET",      "SETC",       "SETDC",     "SETZ",      "SKPC",      "SKPDC",
    "SKPNC",      "SKPNDC",   "SKPNZ",      "SKPZ",      "SLEEP",     "SPACE",     "STITLE",
    "SUBCF",      "SUBDCF",   "SUBLW",      "SUBTITLE",  "SUBWF",     "SWAPF",     "TITLE",
    "TRIS",       "TSTF",     "UDATA",      "UDATA_ACS", "UDATA_OVR", "UDATA_SHR", "UPPER",
    "VARIABLE",   "WHILE",    "XORLW",      "XORWF",     "__BADRAM",  "__BADROM",  "__CONFIG",
    "__FUSES",    "__IDLOCS", "__MAXRAM",   "__MAXROM",
};
static_assert(std::is_sorted(std::begin(kAssemblerWords), std::end(kAssemblerWords)));

// Symbols that gpasm defines itself for the PIC16F84 and the PIC16F84A (the
// processor symbol of the other chip is kept out too); case matters for them.
constexpr std::string_view kPredefinedSymbols[] = {
    "__16F84",          "__16F84A",           "__CODE_END",   "__CODE_START",
    "__COMMON_RAM_END", "__COMMON_RAM_START", "__EEPROM_END", "__EEPROM_START",
    "__VECTOR_INT",     "__VECTOR_RESET"};

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A letter or "_", then letters, digits and "_".
bool IsIdentifier(std::string_view name) {
    if (name.empty() || !(IsLetter(name[0]) || name[0] == '_')) return false;
    return std::all_of(name.begin(), name.end(),
                       [](char c) { return IsLetter(c) || IsDigit(c) || c == '_'; });
}

struct TypeWord {
    std::string_view word;
    int size;
};

constexpr std::array<TypeWord, 6> kTypes = {
    {{"BYTE", 1}, {"INTEGER", 2}, {"WORD", 2}, {"SINGLE", 4}, {"FLOAT", 4}, {"LONG", 8}}};

// The element count of an array: a number (IsNumber) of at least 1. Counts
// beyond the 16-bit range are refused as well, so that sizes and their sum
// stay ordinary integers; such an array could never fit the budget anyway.
bool ReadElementCount(std::string_view text, double& count) {
    if (!Translator::IsNumber(text)) return false;
    count = text::Val(text);
    return count >= 1 && count <= 32767;
}

}  // namespace

// True when `name` cannot be a variable: a word of the dialect, a name of
// any other form than an identifier (a blank included), or a word that the
// assembler reads as something else. Flag_Error is set with it; the caller
// reports the name.
bool Translator::IsReservedName(std::string_view name) {
    const bool reserved = IsDialectWord(name) || !IsIdentifier(name) || IsAssemblerWord(name);
    if (reserved) S.Flag_Error = true;
    return reserved;
}

bool Translator::IsDialectWord(std::string_view name) {
    return std::binary_search(std::begin(kDialectWords), std::end(kDialectWords), name);
}

// True for a word that the assembler reads as something other than a symbol
// of the program: a mnemonic, a directive, an operator, one of its own
// predefined symbols or a symbol of the equates text.
bool Translator::IsAssemblerWord(std::string_view name) {
    // Every label of a program passes here, so the symbols are looked up in
    // a set rather than read one by one.
    static const std::unordered_set<std::string_view> symbols = [] {
        std::unordered_set<std::string_view> all(std::begin(kPredefinedSymbols),
                                                 std::end(kPredefinedSymbols));
        for (const std::string_view symbol : EquateSymbols()) all.insert(symbol);
        return all;
    }();
    const std::string upper = text::UCase(name);
    return std::binary_search(std::begin(kAssemblerWords), std::end(kAssemblerWords),
                              std::string_view(upper)) ||
           symbols.count(name) != 0;
}

void Translator::DeclareVariables() {
    if (S.Flag_Error) return;
    const int budget = S.RamMax - S.RamReserved;

    for (int k = 1; k <= NoInput(); ++k) {
        std::string& line = Line(k);
        if (StartsWith(line, "IF ") || StartsWith(line, "DO ")) break;
        if (!StartsWith(line, "DIM ")) continue;
        S.CurrentStatement = line;

        const int as = InStr(line, " AS ");
        if (as == 0) {
            ReportError("Dimensionamento variabile non corretto");
            return;
        }
        const std::string type = Trim(Mid(line, as + 4));
        const auto typeWord = std::find_if(kTypes.begin(), kTypes.end(),
                                           [&](const TypeWord& t) { return t.word == type; });
        if (typeWord == kTypes.end()) {
            ReportError("Tipologia della variabile non riconoscita");
            return;
        }
        const std::string list = as > 5 ? Trim(Mid(line, 5, as - 5)) : std::string();
        if (list.empty()) {
            ReportError("Definizione o nome variabile non ammessa");
            return;
        }

        size_t from = 0;
        while (from <= list.size()) {
            size_t comma = list.find(',', from);
            if (comma == std::string::npos) comma = list.size();
            std::string name = Trim(std::string_view(list).substr(from, comma - from));
            from = comma + 1;

            int size = typeWord->size;
            const size_t open = name.find('[');
            if (open != std::string::npos) {
                const size_t close = name.find(']', open + 1);
                if (close == std::string::npos) {
                    ReportError(kArrayMessage);
                    return;
                }
                // The count between the brackets, and nothing after them.
                double count = 0;
                if (!ReadElementCount(Trim(name.substr(open + 1, close - open - 1)), count) ||
                    !Trim(name.substr(close + 1)).empty()) {
                    ReportError(kArrayMessage);
                    return;
                }
                size = static_cast<int>(text::RoundHalfEven(typeWord->size * count));
                name.resize(open);
            }

            const bool declared = std::any_of(S.FAT.begin(), S.FAT.end(),
                                              [&](const FatRow& row) { return row.name == name; });
            if (declared || IsReservedName(name)) {
                ReportError(kReservedMessage);
                return;
            }
            if (!AddFatRow(name, std::string(typeWord->word), text::Str(size))) return;
            S.RamUsed += size;
        }
        line.clear();
    }

    if (S.RamUsed > budget) {
        ReportError("Dimensionamento delle variabili (" + text::Str(S.RamUsed) + "-Byte)\r\n" +
                    "oltre la capacit\xE0 consentita di " + text::Str(budget) + "-Byte !\r\n" +
                    "(Byte riservati: " + text::Str(S.RamReserved) + ")");
    }
}

}  // namespace tavolux
