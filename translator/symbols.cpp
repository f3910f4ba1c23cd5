// The shared tests that classify the words of a statement, and the writer of
// byte immediates.
#include <algorithm>
#include <string_view>
#include <utility>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

std::string Translator::FormatHexLiteral(int value) {
    if (value == 0) return "0";
    const unsigned low = static_cast<unsigned>(value) & 0xFFu;
    return (low < 0x10 ? "0x0" : "0x") + text::Hex(low);
}

bool Translator::IsNumber(std::string_view textIn) {
    std::string t = text::Trim(textIn);
    if (t.empty()) return false;
    // "&H" and hexadecimal digits up to the end: "&H3AG" or "&H3A 5" is no
    // number, nor is "&H" alone.
    if (text::StartsWith(t, "&H")) {
        return t.size() > 2 && std::all_of(t.begin() + 2, t.end(), [](char c) {
                   return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') ||
                          (c >= 'a' && c <= 'f');
               });
    }
    t = text::ReplaceFirst(t, ",", ".");
    // The value is read from the start as far as it forms a decimal number;
    // the text must be exactly the canonical writing of that value.
    size_t i = 0;
    if (t[i] == '-' || t[i] == '+') ++i;
    bool digits = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        ++i;
        digits = true;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            ++i;
            digits = true;
        }
    }
    if (!digits) return false;
    return text::CanonicalNumber(text::Val(t.substr(0, i))) == t;
}

double Translator::NumberValue(std::string_view number) {
    return text::Val(text::ReplaceFirst(text::Trim(number), ",", "."));
}

std::optional<int> Translator::WholeNumberValue(std::string_view number) {
    return text::ToIntInRange(NumberValue(number), -32768, 65535);
}

std::optional<int> Translator::ByteConstant(double value) {
    return text::ToIntInRange(value, -256, 255);
}

std::optional<std::string> Translator::NumberImmediate(std::string_view number) {
    const auto value = ByteConstant(NumberValue(number));
    if (!value) return std::nullopt;
    return FormatHexLiteral(*value);
}

bool Translator::IsVariable(std::string_view name) const {
    if (name.empty()) return false;
    // A generated temporary or scratch byte, declared or not: "W#" and a
    // name of letters and digits. A longer text that merely begins with such
    // a name ("W#D1 OR Z", "W#D1 + 1", left by the logic split) is not one.
    if (text::StartsWith(name, "W#")) {
        return name.size() > 2 && std::all_of(name.begin() + 2, name.end(), [](char c) {
                   return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                          (c >= '0' && c <= '9');
               });
    }
    for (const FatRow& row : S.FAT) {
        if (row.name == name) return true;
    }
    return false;
}

int Translator::GetVarSize(std::string_view name) const {
    if (name.empty()) return 0;
    for (const FatRow& row : S.FAT) {
        if (row.name != name) continue;
        if (row.type == "INTEGER" || row.type == "WORD") return 2;
        if (row.type == "SINGLE" || row.type == "FLOAT") return 4;
        if (row.type == "LONG") return 8;
        return 1;
    }
    return 0;
}

bool Translator::IsSubName(std::string_view name) const {
    // A CALL names a subroutine by its label: the bare name for a SUB without
    // parameters, the name followed by the parameter count otherwise.
    if (name.empty()) return false;
    for (const SubRow& row : S.ArraySUB) {
        const bool hasParams = !row.count.empty() && row.count != "0";
        if (hasParams ? name == row.name + row.count : name == row.name) return true;
    }
    return false;
}

bool Translator::IsPortName(std::string_view name) {
    return name == "A" || name == "B";
}

std::optional<bool> Translator::ReadDirection(std::string_view text) {
    const std::string word = text::Trim(text);
    if (word == "INPUT") return true;
    if (word == "OUTPUT") return false;
    return std::nullopt;
}

bool Translator::IsPinName(std::string_view name) {
    if (name.size() != 2) return false;
    if (name[0] == 'A') return name[1] >= '0' && name[1] <= '4';
    if (name[0] == 'B') return name[1] >= '0' && name[1] <= '7';
    return false;
}

CompareOperator Translator::FindCompareOperator(std::string_view t) {
    static constexpr std::pair<std::string_view, Comparison> kOperators[] = {
        {"<>", Comparison::kNotEqual},     {"<=", Comparison::kLessEqual},
        {">=", Comparison::kGreaterEqual}, {"=", Comparison::kEqual},
        {"<", Comparison::kLess},          {">", Comparison::kGreater},
    };
    if (t.empty()) return {};
    for (const auto& [written, op] : kOperators) {
        const int at = text::InStr(t, written);
        if (at > 0) return {op, at, static_cast<int>(written.size())};
    }
    return {};
}

}  // namespace tavolux
