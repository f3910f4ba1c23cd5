// The main window's four pane layouts, computed in twips, and the one place
// where twips become pixels.
#pragma once

#include <QRect>
#include <array>

namespace tavolux::shell {

inline constexpr double kTwipsPerInch = 1440;
inline constexpr double kTwipsPerPixel = 15;  // at 96 dots per inch

int TwipsToPixels(double twips);
double PixelsToTwips(int pixels);

// The next layout to apply: 1 side by side, 2 BASIC pane alone, 3 assembly
// pane alone, anything else stacked. 0 only before the first layout, which
// also places the two button columns.
enum PaneLayoutCode { kFirstLayout = 0, kSideBySide = 1, kBasicAlone = 2, kAsmAlone = 3 };

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

struct LayoutInput {
    int screenWidth = 0;   // twips
    int screenHeight = 0;  // twips
    int paneLayout = 0;
    double label1Width = 1095, label1Height = 405;  // the "ASM" label
    double label2Width = 1095;                      // the "BAS" label
    double label2Top = 0;                           // where the first layout put it
    double buttonHeight = 405;                      // of the first BAS button
};

struct LayoutResult {
    int windowWidth = 0, windowHeight = 0;
    bool moveBasic = false, moveAsm = false;  // a pane not moved keeps its place
    TwipsRect basic, assembly;
    bool showBasic = true, showAsm = true;
    // Only on the first layout: the two button columns, top to bottom.
    bool placeColumns = false;
    double columnLeft = 0;
    double label2Top = 0, label1Top = 0;
    std::array<double, 8> basTops{};  // Salva, Apri, Help, Clear, Esempi, Timer, BackUp, Stampa
    std::array<double, 7> asmTops{};  // Salva, Clear, Pic.Def, Translate, layout, Stampa, Test
    int nextLayout = 1;
};

// A rectangle given in twips, in pixels.
QRect TwipsToPixels(const TwipsRect& r);
QRect TwipsToPixels(double left, double top, double width, double height);

// The window is 0.9 of the screen each way, held to 32767 twips.
LayoutResult ComputeLayout(const LayoutInput& in);

// ---- Windows on the screen (pixels) ------------------------------------------

// The largest inside a window may have on a screen whose free area is
// `available`, when the window system's frame adds `frame` to its size.
QSize RoomOnScreen(const QRect& available, const QSize& frame);

// The size of a window whose content scrolls: the content's `whole` size
// as far as `room` allows; a side cut short shows a scroll bar, `scrollBar`
// pixels across, which the other side makes room for where it can.
QSize ScrollingWindowSize(const QSize& whole, const QSize& room, int scrollBar);

// Where the frame of a window of `frameSize` goes: centred on `available`,
// moved back inside it where it sticks out; a frame larger than the area
// keeps its top-left corner, with the title and the controls there, on it.
QPoint PlaceOnScreen(const QSize& frameSize, const QRect& available);

}  // namespace tavolux::shell
