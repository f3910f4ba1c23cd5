// The bytes an interrupt handler may change under the code it interrupts:
// the code is followed from each handler's label and from the start of the
// main program, instruction by instruction, through jumps, skips, calls and
// the DATA lookup's computed jump; what cannot be followed (a jump to a name
// the code does not define, a computed jump of inline assembly, a word that
// is no instruction, a write through INDF or to a register the analysis does
// not know) counts as reaching, or writing, everything, so that the entry
// saves too much rather than too little. A computed jump takes the high bits
// of its target from PCLATH: it is a use of PCLATH.
#include "interrupt_saves.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavolux {

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// What a word does with the register it names, and where the code goes on.
enum class Flow { kNext, kSkip, kReturn, kGoto, kCall, kUnknown };
enum class Byte { kNone, kRead, kWritten, kByDestination };

struct Mnemonic {
    std::string_view name;
    Byte byte;
    Flow flow;
};

constexpr std::array<Mnemonic, 37> kMnemonics = {{
    {"ADDWF", Byte::kByDestination, Flow::kNext},
    {"ANDWF", Byte::kByDestination, Flow::kNext},
    {"COMF", Byte::kByDestination, Flow::kNext},
    {"DECF", Byte::kByDestination, Flow::kNext},
    {"DECFSZ", Byte::kByDestination, Flow::kSkip},
    {"INCF", Byte::kByDestination, Flow::kNext},
    {"INCFSZ", Byte::kByDestination, Flow::kSkip},
    {"IORWF", Byte::kByDestination, Flow::kNext},
    {"MOVF", Byte::kByDestination, Flow::kNext},
    {"RLF", Byte::kByDestination, Flow::kNext},
    {"RRF", Byte::kByDestination, Flow::kNext},
    {"SUBWF", Byte::kByDestination, Flow::kNext},
    {"SWAPF", Byte::kByDestination, Flow::kNext},
    {"XORWF", Byte::kByDestination, Flow::kNext},
    {"MOVWF", Byte::kWritten, Flow::kNext},
    {"CLRF", Byte::kWritten, Flow::kNext},
    {"BCF", Byte::kWritten, Flow::kNext},
    {"BSF", Byte::kWritten, Flow::kNext},
    {"BTFSC", Byte::kRead, Flow::kSkip},
    {"BTFSS", Byte::kRead, Flow::kSkip},
    {"ADDLW", Byte::kNone, Flow::kNext},
    {"ANDLW", Byte::kNone, Flow::kNext},
    {"IORLW", Byte::kNone, Flow::kNext},
    {"MOVLW", Byte::kNone, Flow::kNext},
    {"SUBLW", Byte::kNone, Flow::kNext},
    {"XORLW", Byte::kNone, Flow::kNext},
    {"CLRW", Byte::kNone, Flow::kNext},
    {"NOP", Byte::kNone, Flow::kNext},
    {"CLRWDT", Byte::kNone, Flow::kNext},
    {"SLEEP", Byte::kNone, Flow::kNext},
    {"OPTION", Byte::kNone, Flow::kNext},
    {"TRIS", Byte::kNone, Flow::kNext},
    {"RETURN", Byte::kNone, Flow::kReturn},
    {"RETLW", Byte::kNone, Flow::kReturn},
    {"RETFIE", Byte::kNone, Flow::kReturn},
    {"GOTO", Byte::kNone, Flow::kGoto},
    {"CALL", Byte::kNone, Flow::kCall},
}};

// One instruction word.
struct Op {
    Byte byte = Byte::kNone;
    Flow flow = Flow::kUnknown;
    bool tableWord = false;        // NOP, RETLW or GOTO: a word a computed jump may land on
    std::string_view operand;      // the register, or the jump's target
    std::string_view destination;  // after the comma, for kByDestination
    bool Writes() const {
        if (byte == Byte::kWritten) return true;
        if (byte != Byte::kByDestination) return false;
        return destination.empty() || !(SameLetters(destination, "W") || destination == "0");
    }
};

// The code as instruction words, with the word each label stands at. A
// word is read only when the code reaches it (most of a program's words are
// never reached from a handler).
struct Listing {
    std::vector<std::string_view> words;
    std::unordered_map<std::string_view, size_t> labels;
    size_t routinesFrom = 0;  // the first word of the library routines and the DATA table
};

Op ReadOp(std::string_view text) {
    Op op;
    size_t end = 0;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    // The mnemonic in capitals; none of them is longer than six letters.
    std::array<char, 8> upper{};
    if (end > 6) return op;
    for (size_t k = 0; k < end; ++k) {
        upper[k] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[k])));
    }
    static const std::unordered_map<std::string_view, const Mnemonic*> kByName = [] {
        std::unordered_map<std::string_view, const Mnemonic*> byName;
        for (const Mnemonic& m : kMnemonics) byName.emplace(m.name, &m);
        return byName;
    }();
    const auto found = kByName.find(std::string_view(upper.data(), end));
    if (found == kByName.end()) return op;  // no instruction the analysis knows
    const Mnemonic* known = found->second;
    op.byte = known->byte;
    op.flow = known->flow;
    op.tableWord = known->name == "NOP" || known->name == "RETLW" || known->name == "GOTO";
    const std::string_view operands = Trimmed(text.substr(end));
    const size_t comma = operands.find(',');
    op.operand = Trimmed(operands.substr(0, comma));
    if (comma != std::string_view::npos) op.destination = Trimmed(operands.substr(comma + 1));
    return op;
}

// A label stands in column 1 and ends with ":"; an instruction follows it or
// stands on a line of its own after blanks.
Listing ReadListing(const std::vector<std::string_view>& code, size_t routinesFrom) {
    Listing listing;
    listing.words.reserve(code.size());
    listing.routinesFrom = code.size();  // none
    for (size_t k = 0; k < code.size(); ++k) {
        if (k == routinesFrom) listing.routinesFrom = listing.words.size();
        std::string_view line = code[k];
        if (line.substr(0, 2) == "A>") line.remove_prefix(2);
        line = line.substr(0, line.find(';'));
        if (Trimmed(line).empty()) continue;
        if (IsBlank(line[0])) {
            listing.words.push_back(Trimmed(line));
            continue;
        }
        const size_t colon = line.find(':');
        const std::string_view label =
            colon == std::string_view::npos ? std::string_view() : Trimmed(line.substr(0, colon));
        if (label.empty() || std::any_of(label.begin(), label.end(), IsBlank)) {
            listing.words.push_back("?");  // not a line the analysis can read
            continue;
        }
        listing.labels.emplace(label, listing.words.size());
        const std::string_view instruction = Trimmed(line.substr(colon + 1));
        if (!instruction.empty()) listing.words.push_back(instruction);
    }
    return listing;
}

// A number as the assembler reads it: hexadecimal unless marked otherwise.
std::optional<int> ReadNumber(std::string_view text) {
    text = Trimmed(text);
    int base = 16;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    } else if (text.size() > 3 && text[1] == '\'' && text.back() == '\'') {
        const char mark = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        if (mark != 'D' && mark != 'B' && mark != 'O' && mark != 'H') return {};
        base = mark == 'D' ? 10 : mark == 'B' ? 2 : mark == 'O' ? 8 : 16;
        text = text.substr(2, text.size() - 3);
    } else if (text.size() > 1 && text[0] == '.') {
        base = 10;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 6) return {};
    int value = 0;
    for (char c : text) {
        const int upper = std::toupper(static_cast<unsigned char>(c));
        const int digit = std::isdigit(upper)              ? upper - '0'
                          : (upper >= 'A' && upper <= 'F') ? upper - 'A' + 10
                                                           : 99;
        if (digit >= base) return {};
        value = value * base + digit;
    }
    return value;
}

// What a register operand stands for.
struct Target {
    enum class Kind { kOther, kShared, kAnything, kProgramCounter } kind = Kind::kOther;
    std::array<size_t, 2> shared{};  // indexes into the shared bytes, `count` of them
    size_t count = 0;
};

class Analysis {
  public:
    Analysis(const std::vector<std::string_view>& code, size_t routinesFrom,
             const std::vector<RamByte>& ram)
        : listing_(ReadListing(code, routinesFrom)),
          ops_(listing_.words.size()),
          read_(listing_.words.size()) {
        atAddress_.fill(-1);
        for (const RamByte& byte : ram) {
            ramAddress_.emplace(byte.name, byte.address);
            const bool own =
                byte.name.rfind("W#", 0) == 0 && byte.name != "W#VLTx" && byte.name != "W#VLTy";
            const int index = own ? static_cast<int>(names_.size()) : -2;  // -2: the user's
            if (own) names_.push_back(byte.name);
            for (int a = byte.address; a < byte.address + byte.size; ++a) {
                if (a >= 0 && a < static_cast<int>(atAddress_.size())) atAddress_[a] = index;
            }
        }
        pclath_ = names_.size();
        for (const char* name : {"Reg_Pclath", "Reg_Fsr", "Reg_Eeadr", "Reg_Eedata"}) {
            names_.push_back(name);
        }
    }

    const std::vector<std::string>& Names() const { return names_; }

    // What the code reached from `entries` writes (or, with `uses`, reads
    // or writes), as flags over Names(). The main program's entry is "".
    std::vector<bool> Effects(const std::vector<std::string>& entries, bool uses) const {
        std::vector<bool> found(names_.size(), false);
        std::vector<bool> reached(listing_.words.size(), false);
        bool everything = false;
        std::vector<size_t> pending;
        for (const std::string& entry : entries) {
            const auto at = listing_.labels.find(entry);
            if (entry.empty()) {
                pending.push_back(0);
            } else if (at == listing_.labels.end()) {
                everything = true;
            } else {
                pending.push_back(at->second);
            }
        }
        while (!pending.empty() && !everything) {
            const size_t i = pending.back();
            pending.pop_back();
            if (i >= listing_.words.size() || reached[i]) continue;
            reached[i] = true;
            everything = !Follow(i, pending);
        }
        if (everything) reached.assign(listing_.words.size(), true);
        for (size_t i = 0; i < listing_.words.size(); ++i) {
            if (!reached[i]) continue;
            const Op& op = OpAt(i);
            if (op.flow == Flow::kUnknown) {
                found.assign(names_.size(), true);
                break;
            }
            if (op.byte == Byte::kNone || (!uses && !op.Writes())) continue;
            const Target target = Resolve(op.operand);
            if (target.kind == Target::Kind::kAnything) found.assign(names_.size(), true);
            if (uses && target.kind == Target::Kind::kProgramCounter && op.Writes()) {
                found[pclath_] = true;
            }
            for (size_t k = 0; k < target.count; ++k) found[target.shared[k]] = true;
        }
        return found;
    }

  private:
    const Op& OpAt(size_t i) const {
        if (!read_[i]) {
            ops_[i] = ReadOp(listing_.words[i]);
            read_[i] = true;
        }
        return ops_[i];
    }

    // Puts the words that may follow word i on `pending`; false when they
    // cannot be known.
    bool Follow(size_t i, std::vector<size_t>& pending) const {
        const Op& op = OpAt(i);
        switch (op.flow) {
            case Flow::kUnknown:
                return false;
            case Flow::kReturn:
                return true;
            case Flow::kGoto:
            case Flow::kCall: {
                const std::optional<size_t> target = JumpTarget(op, i);
                if (!target) return false;
                pending.push_back(*target);
                if (op.flow == Flow::kCall) pending.push_back(i + 1);
                return true;
            }
            case Flow::kSkip:
                pending.push_back(i + 2);
                [[fallthrough]];
            case Flow::kNext:
                break;
        }
        if (op.Writes() && Resolve(op.operand).kind == Target::Kind::kProgramCounter) {
            // The DATA lookup's computed jump lands on one of the table words
            // after it; one of inline assembly may land anywhere.
            if (i < listing_.routinesFrom) return false;
            size_t j = i + 1;
            while (j < listing_.words.size() && OpAt(j).tableWord) pending.push_back(j++);
            return j > i + 1;
        }
        pending.push_back(i + 1);
        return true;
    }

    // A label, or "$", "$+n", "$-n" counted in words from the jump itself.
    std::optional<size_t> JumpTarget(const Op& op, size_t i) const {
        const std::string_view target = op.operand;
        if (!op.destination.empty() || target.empty()) return {};
        if (target[0] != '$') {
            const auto at = listing_.labels.find(target);
            if (at == listing_.labels.end()) return {};
            return at->second;
        }
        const std::string_view offset = Trimmed(target.substr(1));
        long long to = static_cast<long long>(i);
        if (!offset.empty()) {
            if (offset[0] != '+' && offset[0] != '-') return {};
            const std::optional<int> n = ReadNumber(offset.substr(1));
            if (!n) return {};
            to += offset[0] == '+' ? *n : -*n;
        }
        if (to < 0 || to >= static_cast<long long>(listing_.words.size())) return {};
        return static_cast<size_t>(to);
    }

    Target Resolve(std::string_view operand) const {
        static const std::unordered_map<std::string_view, int> kSpecial = {
            {"Reg_Pclath", 0x0A}, {"Reg_Pclath2", 0x0A}, {"Reg_Fsr", 0x04},    {"Reg_Fsr2", 0x04},
            {"Reg_Eedata", 0x08}, {"Reg_Eeadr", 0x09},   {"Reg_Eecon1", 0x08}, {"Reg_Eecon2", 0x09},
            {"Reg_Indf", 0x00},   {"Reg_Indf2", 0x00},   {"Reg_Pcl", 0x02},    {"Reg_Pcl2", 0x02}};
        const size_t sign = operand.find_first_of("+-", 1);
        const std::string_view base = Trimmed(operand.substr(0, sign));
        int offset = 0;
        if (sign != std::string_view::npos) {
            const std::optional<int> n = ReadNumber(operand.substr(sign + 1));
            if (!n) return {Target::Kind::kAnything, {}, 0};
            offset = operand[sign] == '+' ? *n : -*n;
        }
        if (offset == 0) {
            const auto special = kSpecial.find(base);
            if (special != kSpecial.end()) return AtAddress(special->second);
            if (base.substr(0, 4) == "Reg_") return {};  // the chip's other registers
        }
        const auto variable = ramAddress_.find(base);
        if (variable != ramAddress_.end()) return AtAddress(variable->second + offset);
        const std::optional<int> address =
            !base.empty() && std::isdigit(static_cast<unsigned char>(base[0])) != 0
                ? ReadNumber(base)
                : std::nullopt;
        if (!address) return {Target::Kind::kAnything, {}, 0};
        return AtAddress(*address + offset);
    }

    // A register by its address, in either bank: the EEPROM's registers are
    // one group (EEDATA and EEADR in bank 0, EECON1 and EECON2 in bank 1).
    Target AtAddress(int address) const {
        address &= 0x7F;
        switch (address) {
            case 0x00:
                return {Target::Kind::kAnything, {}, 0};
            case 0x02:
                return {Target::Kind::kProgramCounter, {}, 0};
            case 0x04:
                return {Target::Kind::kShared, {pclath_ + 1, 0}, 1};
            case 0x08:
            case 0x09:
                return {Target::Kind::kShared, {pclath_ + 2, pclath_ + 3}, 2};
            case 0x0A:
                return {Target::Kind::kShared, {pclath_, 0}, 1};
            default:
                break;
        }
        const int index = atAddress_[static_cast<size_t>(address)];
        if (index < 0) return {};
        return {Target::Kind::kShared, {static_cast<size_t>(index), 0}, 1};
    }

    Listing listing_;
    mutable std::vector<Op> ops_;                           // the words read so far
    mutable std::vector<bool> read_;                        // which of them
    std::unordered_map<std::string_view, int> ramAddress_;  // views of the caller's names
    std::array<int, 0x80> atAddress_{};  // a shared byte's index, -2 a variable's, -1 none
    std::vector<std::string> names_;     // the translator's bytes, then the four registers
    size_t pclath_ = 0;
};

}  // namespace

std::vector<std::string> InterruptSharedBytes(const std::vector<std::string_view>& code,
                                              size_t routinesFrom,
                                              const std::vector<std::string>& handlers,
                                              const std::vector<RamByte>& ram) {
    if (handlers.empty()) return {};
    Analysis analysis(code, routinesFrom, ram);
    const std::vector<bool> written = analysis.Effects(handlers, false);
    if (std::none_of(written.begin(), written.end(), [](bool w) { return w; })) return {};
    const std::vector<bool> used = analysis.Effects({""}, true);
    std::vector<std::string> shared;
    for (size_t k = 0; k < analysis.Names().size(); ++k) {
        if (written[k] && used[k]) shared.push_back(analysis.Names()[k]);
    }
    return shared;
}

}  // namespace tavolux
