// The examples window's text and its size on the screen.
#pragma once

#include <string>
#include <vector>

namespace tavolux::help {

inline constexpr char kExamplesHeader[] = "(Doppio click con il mouse per eseguire una stampa)";

// The header and an empty line, then the programs' lines (each program's
// text with its lines ended by LF or CR LF) with three empty lines between
// two programs, and one empty line after the last: every line ended by
// CR LF.
std::string ExamplesText(const std::vector<std::string>& programs);

// Twips.
struct ExamplesLayout {
    double windowWidth, windowHeight;
    double textLeft, textTop, textWidth, textHeight;
};

// The window takes 0.9 of the screen; the text box 0.95 of its width and 0.9
// of its height, centred across and 190 twips above the middle.
ExamplesLayout FitExamplesToScreen(double screenWidth, double screenHeight);

}  // namespace tavolux::help
