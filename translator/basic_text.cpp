#include "basic_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tavolux::text {

std::string Mid(std::string_view s, int start, int length) {
    if (start < 1) start = 1;
    const size_t from = static_cast<size_t>(start) - 1;
    if (from >= s.size()) return {};
    if (length < 0) return std::string(s.substr(from));
    return std::string(s.substr(from, static_cast<size_t>(length)));
}

std::string Left(std::string_view s, int length) {
    if (length <= 0) return {};
    return std::string(s.substr(0, static_cast<size_t>(length)));
}

std::string Right(std::string_view s, int length) {
    if (length <= 0) return {};
    const size_t n = static_cast<size_t>(length);
    if (n >= s.size()) return std::string(s);
    return std::string(s.substr(s.size() - n));
}

int InStr(std::string_view s, std::string_view find, int start) {
    if (start < 1) start = 1;
    const size_t from = static_cast<size_t>(start) - 1;
    if (from > s.size()) return 0;
    const size_t at = s.find(find, from);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

int InStrRev(std::string_view s, std::string_view find) {
    if (find.empty()) return static_cast<int>(s.size());
    const size_t at = s.rfind(find);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string LTrim(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) {
    size_t i = 0;
    size_t n = s.size();
    while (i < n && s[i] == ' ') ++i;
    while (n > i && s[n - 1] == ' ') --n;
    return std::string(s.substr(i, n - i));
}

std::string UCase(std::string_view s) {
    std::string out(s);
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 'a' && c <= 'z') {
            ch = static_cast<char>(c - 32);
        } else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
            ch = static_cast<char>(c - 32);
        } else if (c == 0x9A || c == 0x9C || c == 0x9E) {
            ch = static_cast<char>(c - 16);
        } else if (c == 0xFF) {
            ch = static_cast<char>(0x9F);
        }
    }
    return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool IsNameCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '#' || static_cast<unsigned char>(c) >= 0x80;
}

bool BeginsWithWord(std::string_view s, std::string_view word) {
    return s == word || (StartsWith(s, word) && s.size() > word.size() && s[word.size()] == ' ');
}

bool EndsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

bool Contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

bool ContainsAnyOf(std::string_view s, std::string_view chars) {
    return s.find_first_of(chars) != std::string_view::npos;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (true) {
        const size_t at = s.find(from, pos);
        if (at == std::string_view::npos) break;
        out.append(s.substr(pos, at - pos));
        out.append(to);
        pos = at + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::string ReplaceFirst(std::string_view s, std::string_view from, std::string_view to) {
    const size_t at = s.find(from);
    if (from.empty() || at == std::string_view::npos) return std::string(s);
    std::string out(s.substr(0, at));
    out.append(to);
    out.append(s.substr(at + from.size()));
    return out;
}

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 99;
}

// The leading number of a text without blanks, as Val reads it, and how
// many characters it took (0 when the text starts with no number).
double ReadLeadingNumber(std::string_view t, size_t& taken) {
    taken = 0;
    if (t.size() >= 2 && t[0] == '&' &&
        (t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o')) {
        const int base = (t[1] == 'H' || t[1] == 'h') ? 16 : 8;
        double v = 0;
        size_t i = 2;
        for (; i < t.size(); ++i) {
            const int d = DigitValue(t[i]);
            if (d >= base) break;
            v = v * base + d;
        }
        if (i > 2) taken = i;
        return v;
    }
    // The longest prefix of the form [sign] digits [. digits] [E [sign] digits].
    std::string num;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) num.push_back(t[i++]);
    bool digits = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        num.push_back(t[i++]);
        digits = true;
    }
    if (i < t.size() && t[i] == '.') {
        num.push_back(t[i++]);
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            num.push_back(t[i++]);
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) exp.push_back(t[j++]);
        bool expDigits = false;
        while (j < t.size() && t[j] >= '0' && t[j] <= '9') {
            exp.push_back(t[j++]);
            expDigits = true;
        }
        if (expDigits) {
            num += exp;
            i = j;
        }
    }
    taken = i;
    return std::strtod(num.c_str(), nullptr);
}

}  // namespace

double Val(std::string_view s) {
    // Blanks, tabs and line ends are ignored wherever they stand.
    std::string t;
    t.reserve(s.size());
    for (char c : s) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') t.push_back(c);
    }
    size_t taken = 0;
    return ReadLeadingNumber(t, taken);
}

std::optional<double> ValWhole(std::string_view s) {
    const std::string t = Trim(s);
    if (t.empty() || Contains(t, " ")) return std::nullopt;
    size_t taken = 0;
    const double v = ReadLeadingNumber(t, taken);
    if (taken == 0 || taken != t.size()) return std::nullopt;
    return v;
}

double RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    return std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
}

std::optional<int> ToIntInRange(double v, int lo, int hi) {
    if (std::isnan(v)) return std::nullopt;
    const double r = RoundHalfEven(v);
    if (r < lo || r > hi) return std::nullopt;
    return static_cast<int>(r);
}

std::optional<int16_t> ToInt16(double v) {
    const auto n = ToIntInRange(v, -32768, 32767);
    if (!n) return std::nullopt;
    return static_cast<int16_t>(*n);
}

std::string Str(long long v) {
    return std::to_string(v);
}

std::string CanonicalNumber(double v) {
    if (v == 0 || std::isnan(v)) return "0";
    std::array<char, 64> buf{};
    std::snprintf(buf.data(), buf.size(), "%.15G", v);
    std::string s = buf.data();
    if (StartsWith(s, "0.")) s.erase(0, 1);
    if (StartsWith(s, "-0.")) s.erase(1, 1);
    return s;
}

std::string Hex(unsigned v) {
    static const char* digits = "0123456789ABCDEF";
    if (v == 0) return "0";
    std::string out;
    while (v != 0) {
        out.insert(out.begin(), digits[v & 0xF]);
        v >>= 4;
    }
    return out;
}

namespace {

// Code points of Windows-1252 bytes 0x80 to 0x9F; 0 marks the five unused bytes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            cp = c & 0x07;
            extra = 3;
        } else {
            out.push_back('?');  // a stray continuation byte or an invalid lead byte
            ++i;
            continue;
        }
        if (i + static_cast<size_t>(extra) >= utf8.size()) {  // cut short at the end
            out.push_back('?');
            break;
        }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(utf8[i + k]);
            if ((d & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (d & 0x3F);
        }
        if (!ok) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(FromCodePoint(cp));
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char ch : cp1252) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out.push_back(ch);
        } else if (c < 0xA0) {
            const char32_t cp = kHigh[c - 0x80];
            AppendUtf8(out, cp == 0 ? char32_t{c} : cp);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

}  // namespace tavolux::text
