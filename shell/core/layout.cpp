#include "layout.h"

#include <algorithm>
#include <cmath>

namespace tavolux::shell {

int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

QRect TwipsToPixels(const TwipsRect& r) {
    return TwipsToPixels(r.left, r.top, r.width, r.height);
}

QRect TwipsToPixels(double left, double top, double width, double height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

namespace {

int WindowSide(int screenTwips) {
    double side = std::nearbyint(0.9 * screenTwips);
    return static_cast<int>(std::clamp(side, 0.0, 32767.0));
}

}  // namespace

LayoutResult ComputeLayout(const LayoutInput& in) {
    LayoutResult r;
    const double W = r.windowWidth = WindowSide(in.screenWidth);
    const double H = r.windowHeight = WindowSide(in.screenHeight);
    const double g4 = (W - 0.43 * W - 0.43 * W - in.label2Width) / 4;
    const double g3 = (W - 0.87 * W - in.label1Width) / 3;
    const double v = (H - 0.45 * H - 0.45 * H - in.label1Height) / 3;
    const double t = in.paneLayout == kFirstLayout ? v : in.label2Top;

    switch (in.paneLayout) {
        case kSideBySide:
            r.moveBasic = r.moveAsm = true;
            r.basic = {g4, t, 0.43 * W, 0.92 * H};
            r.assembly = {2 * g4 + 0.43 * W, t, 0.43 * W, 0.92 * H};
            r.nextLayout = kBasicAlone;
            break;
        case kBasicAlone:
            r.moveBasic = true;
            r.basic = {g3, t, 0.87 * W, 0.92 * H};
            r.showAsm = false;
            r.nextLayout = kAsmAlone;
            break;
        case kAsmAlone:
            r.moveAsm = true;
            r.assembly = {g3, t, 0.87 * W, 0.92 * H};
            r.showBasic = false;
            r.nextLayout = 4;
            break;
        default:
            r.moveBasic = r.moveAsm = true;
            r.basic = {g3, v, 0.87 * W, 0.45 * H};
            r.assembly = {g3, 2 * v + 0.45 * H, 0.87 * W, 0.45 * H};
            r.nextLayout = kSideBySide;
            break;
    }

    if (in.paneLayout == kFirstLayout) {
        r.placeColumns = true;
        r.columnLeft = 0.87 * W + 2 * g3;
        r.label2Top = r.basic.top;
        double top = r.label2Top;
        for (double& b : r.basTops) b = top = top + in.buttonHeight + 100;
        r.label1Top = r.assembly.top;
        top = r.label1Top;
        for (double& b : r.asmTops) b = top = top + in.label1Height + 100;
    }
    return r;
}

QSize RoomOnScreen(const QRect& available, const QSize& frame) {
    return QSize(std::max(0, available.width() - frame.width()),
                 std::max(0, available.height() - frame.height()));
}

QSize ScrollingWindowSize(const QSize& whole, const QSize& room, int scrollBar) {
    QSize size = whole.boundedTo(room);
    if (size.width() < whole.width())
        size.setHeight(std::min(room.height(), size.height() + scrollBar));
    if (size.height() < whole.height())
        size.setWidth(std::min(room.width(), size.width() + scrollBar));
    return size;
}

QPoint PlaceOnScreen(const QSize& frameSize, const QRect& available) {
    auto side = [](int start, int room, int size) {
        const int centred = start + (room - size) / 2;
        return std::max(start, std::min(centred, start + room - size));
    };
    return QPoint(side(available.left(), available.width(), frameSize.width()),
                  side(available.top(), available.height(), frameSize.height()));
}

}  // namespace tavolux::shell
