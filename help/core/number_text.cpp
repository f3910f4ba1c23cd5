#include "number_text.h"

#include <cmath>

#include "basic_text.h"

namespace tavolux::help {

std::string NumberText(double value) {
    const std::string digits = text::CanonicalNumber(value);
    return digits.front() == '-' ? digits : " " + digits;
}

std::string NumberTextOrEmpty(double value) {
    return std::isfinite(value) ? NumberText(value) : std::string();
}

double ReadTypedNumber(std::string_view text) {
    return text::Val(text);
}

std::optional<int> ReadWaitCount(std::string_view text) {
    return text::ToIntInRange(text::Val(text), 1, 255);
}

}  // namespace tavolux::help
