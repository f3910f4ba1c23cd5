// Draws the help viewer's pin-out picture of the 18-pin package: 346 x 367
// pixels, 24-bit colour, written as PNG to the path given.
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

constexpr int kWidth = 346, kHeight = 367;
constexpr int kBodyLeft = 123, kBodyRight = 223, kBodyTop = 28, kBodyBottom = 268;
constexpr int kFirstPin = 44, kPinPitch = 26;  // centre of pin 1, distance between pins
constexpr int kPinLength = 14, kPinHeight = 10;

const QColor kYellow(255, 214, 0), kBlue(0, 0, 200), kGreen(0, 150, 0);

QFont Font(int pixels, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Writes `text` with its vertical centre at y, from x (or up to x when
// `toLeft`); a name beginning with "~" is written with a bar over it.
void PinName(QPainter& p, int x, int y, QString text, bool toLeft) {
    const bool bar = text.startsWith(u'~');
    if (bar) text.remove(0, 1);
    QFontMetrics m(p.font());
    const int width = m.horizontalAdvance(text);
    const int left = toLeft ? x - width : x;
    const int baseline = y + (m.ascent() - m.descent()) / 2;
    p.drawText(left, baseline, text);
    if (bar) p.drawLine(left, baseline - m.ascent() + 1, left + width, baseline - m.ascent() + 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: make_pinout <file.png>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QImage image(kWidth, kHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // The yellow frame around the white ground.
    p.setPen(QPen(kYellow, 6));
    p.drawRect(3, 3, kWidth - 7, kHeight - 7);

    // The pins: 1 to 9 down the left side, 10 to 18 up the right side.
    const char* left[] = {"RA2", "RA3", "RA4", "~MCLR", "Vss", "RB0", "RB1", "RB2", "RB3"};
    const char* right[] = {"RA1", "RA0", "OSC1", "OSC2", "Vdd", "RB7", "RB6", "RB5", "RB4"};
    p.setFont(Font(14, true));
    for (int i = 0; i < 9; ++i) {
        const int y = kFirstPin + i * kPinPitch;
        p.setPen(QPen(kGreen, 2));
        p.setBrush(Qt::white);
        p.drawRect(kBodyLeft - kPinLength, y - kPinHeight / 2, kPinLength, kPinHeight);
        p.drawRect(kBodyRight, y - kPinHeight / 2, kPinLength, kPinHeight);
        p.setPen(Qt::black);
        PinName(p, kBodyLeft - kPinLength - 6, y, QString::fromLatin1(left[i]), true);
        PinName(p, kBodyRight + kPinLength + 6, y, QString::fromLatin1(right[i]), false);
    }

    // The body with its notch at the top and its name.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kYellow);
    p.drawRect(kBodyLeft, kBodyTop, kBodyRight - kBodyLeft, kBodyBottom - kBodyTop);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    const int middle = (kBodyLeft + kBodyRight) / 2;
    p.drawPie(middle - 13, kBodyTop - 13, 26, 26, 180 * 16, 180 * 16);
    p.setPen(Qt::black);
    p.setFont(Font(16, true));
    const QRect body(kBodyLeft, kBodyTop, kBodyRight - kBodyLeft, kBodyBottom - kBodyTop);
    p.drawText(body, Qt::AlignCenter, QStringLiteral("PIC16F84"));

    // The numbers of the corner pins, inside the body beside them.
    p.setFont(Font(12, false));
    const int last = kFirstPin + 8 * kPinPitch;
    PinName(p, kBodyLeft + 5, kFirstPin, QStringLiteral("1"), false);
    PinName(p, kBodyLeft + 5, last, QStringLiteral("9"), false);
    PinName(p, kBodyRight - 5, kFirstPin, QStringLiteral("18"), true);
    PinName(p, kBodyRight - 5, last, QStringLiteral("10"), true);

    // Three notes under the chip.
    const QString notes[] = {
        QStringLiteral("RA4 può essere l'ingresso di clock del timer."),
        QStringLiteral("RA4, usata come uscita, è di tipo open drain."),
        QStringLiteral("RB0, usata come ingresso, può essere il pin di interrupt."),
    };
    int size = 13;
    while (size > 8 && QFontMetrics(Font(size, false)).horizontalAdvance(notes[2]) > kWidth - 30) {
        --size;
    }
    p.setFont(Font(size, false));
    for (int i = 0; i < 3; ++i) p.drawText(15, 300 + i * 22, notes[i]);
    p.end();

    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "impossibile scrivere %s\n", argv[1]);
        return 1;
    }
    return 0;
}
