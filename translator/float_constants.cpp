// Decimal constants stored into four-byte variables. The four bytes are the
// translator's own 32-bit float layout: the exponent plus 127 first, then
// the sign bit and 23 mantissa digits (the leading 1 not stored), built
// digit by digit from the binary expansion and cut without rounding.
#include <cmath>
#include <string>
#include <vector>

#include "basic_text.h"
#include "translator.h"

namespace tavolux {

std::string Translator::ConvertBinToHex(std::string_view bits) {
    std::string padded(bits);
    if (padded.size() < 8) padded.insert(0, 8 - padded.size(), '0');
    unsigned value = 0;
    for (size_t i = 0; i < 8; ++i) {
        if (padded[i] == '1') value += 1u << (7 - i);
    }
    std::string hex = text::Hex(value);
    return hex.size() < 2 ? "0" + hex : hex;
}

std::string Translator::ConvertFloatToHex(float value) {
    if (value == 0 || std::isnan(value)) return "00000000";
    const char sign = value < 0 ? '1' : '0';
    if (value < 0) value = -value;

    const float whole = std::trunc(value);
    if (whole > 255) {
        ReportError("Numero decimale con parte intera \xE8 > 255");
        return "00000000";
    }
    std::string integerDigits;
    for (int n = static_cast<int>(whole); n > 0; n /= 2) {
        integerDigits.insert(integerDigits.begin(), static_cast<char>('0' + n % 2));
    }
    std::string fractionDigits;
    float fraction = value - whole;
    for (int i = 0; i < 23; ++i) {
        fraction *= 2;
        if (fraction >= 1) {
            fraction -= 1;
            fractionDigits += '1';
        } else {
            fractionDigits += '0';
        }
    }

    int exponent = 0;
    std::string mantissa;
    if (!integerDigits.empty()) {
        exponent = static_cast<int>(integerDigits.size()) - 1;
        mantissa = integerDigits.substr(1) + fractionDigits;
    } else {
        const size_t first = fractionDigits.find('1');
        // Below 2 to the power -23 the layout holds nothing but zero.
        if (first == std::string::npos) return "00000000";
        exponent = -static_cast<int>(first + 1);
        mantissa = fractionDigits.substr(first + 1);
    }
    mantissa.resize(23, '0');

    std::string exponentBits;
    for (int bit = 7; bit >= 0; --bit) exponentBits += ((exponent + 127) >> bit) & 1 ? '1' : '0';
    const std::string all = exponentBits + sign + mantissa;
    return ConvertBinToHex(all.substr(0, 8)) + ConvertBinToHex(all.substr(8, 8)) +
           ConvertBinToHex(all.substr(16, 8)) + ConvertBinToHex(all.substr(24, 8));
}

// T = a decimal constant, T a four-byte variable: the four bytes at T+0..T+3.
std::vector<std::string> Translator::FloatConstantLines(const std::string& target,
                                                        std::string_view constant) {
    const float value = static_cast<float>(NumberValue(constant));
    const std::string digits = ConvertFloatToHex(value);
    std::vector<std::string> lines;
    for (int i = 0; i < 4; ++i) {
        lines.push_back("MOVLW 0x" + digits.substr(static_cast<size_t>(2 * i), 2));
        lines.push_back("MOVWF " + target + "+" + text::Str(i));
    }
    return lines;
}

}  // namespace tavolux
