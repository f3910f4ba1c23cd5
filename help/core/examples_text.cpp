#include "examples_text.h"

#include <string_view>

namespace tavolux::help {

namespace {

// The lines of a text whose lines end in LF or CR LF; a last line without
// an end counts too.
std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace

std::string ExamplesText(const std::vector<std::string>& programs) {
    const std::string crlf = "\r\n";
    std::string text = std::string(kExamplesHeader) + crlf + crlf;
    for (size_t i = 0; i < programs.size(); ++i) {
        if (i > 0) text += crlf + crlf + crlf;
        for (const std::string& line : LinesOf(programs[i])) text += line + crlf;
    }
    return text + crlf;
}

ExamplesLayout FitExamplesToScreen(double screenWidth, double screenHeight) {
    ExamplesLayout r{};
    r.windowWidth = 0.9 * screenWidth;
    r.windowHeight = 0.9 * screenHeight;
    r.textWidth = 0.95 * r.windowWidth;
    r.textHeight = 0.9 * r.windowHeight;
    r.textLeft = (r.windowWidth - r.textWidth) / 2;
    r.textTop = (r.windowHeight - r.textHeight) / 2 - 190;
    return r;
}

}  // namespace tavolux::help
