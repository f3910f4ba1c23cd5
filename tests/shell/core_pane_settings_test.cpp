#include <gtest/gtest.h>

#include <QSet>

#include "palette.h"
#include "pane_settings.h"

namespace tavolux::shell {
namespace {

TEST(ShellPaneSettings, ColourBoxKeepsTheLastSixHexDigits) {
    struct Case {
        const char* text;
        int color;
    };
    const Case cases[] = {
        {"FF00", 0x00FF00},      // green, not black
        {"ff", 0x0000FF},        // either case
        {"", 0},                 // empty: black
        {"zz", 0},               // no leading digit: black
        {" FF", 0},              // a blank is no digit
        {"12G4", 0x12},          // digits up to the first other character
        {"1234567", 0x234567},   // within 24 bits
        {"FFFFFFFF", 0xFFFFFF},  // white, not black
        {"123456789ABCDEF0 x", 0xABCDEF0 & 0xFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadColorBox(QString::fromLatin1(c.text)), c.color) << c.text;
    }
}

TEST(ShellPaneSettings, PickerTextsAndTheirBars) {
    struct Case {
        const char* text;
        const char* padded;
        Bars bars;
    };
    const Case cases[] = {
        {"ff", "0000ff", {0, 0, 255}},
        {"", "000000", {0, 0, 0}},
        {"000080", "000080", {0, 0, 128}},
        {"FFFFC0", "FFFFC0", {255, 255, 192}},
        {"1234567", "234567", {0x23, 0x45, 0x67}},
        {"0G0000", "0G0000", {0, 0, 0}},  // "0G" stops at G
        {"1G2345", "1G2345", {1, 0x23, 0x45}},
        {"zz", "0000zz", {0, 0, 0}},  // a pair with no digit gives 0
        {"abc", "000abc", {0, 0x0A, 0xBC}},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(PadToSix(text), c.padded) << c.text;
        EXPECT_EQ(PickerBars(text), c.bars) << c.text;
    }
    EXPECT_EQ(PickerText({0, 0, 255}), "0000FF");
    EXPECT_EQ(PickerText({255, 255, 192}), "FFFFC0");
    EXPECT_EQ(PickerText({10, 11, 12}), "0A0B0C");
    EXPECT_EQ(BarsToColor({0, 0, 128}), 0x80);  // dark red
    EXPECT_EQ(BarsToColor({0xFF, 0x12, 0x34}), 0xFF1234);
}

TEST(ShellPaneSettings, SizeTextBothWays) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const QLocale c = QLocale::c();
    EXPECT_EQ(FontSizeText(14.25, italian), "14,25");
    EXPECT_EQ(FontSizeText(9.75, italian), "9,75");
    EXPECT_EQ(FontSizeText(10, italian), "10");
    EXPECT_EQ(FontSizeText(200, italian), "200");
    EXPECT_EQ(FontSizeText(14.25, c), "14.25");

    struct Case {
        const char* text;
        double kept;
    };
    const double current = 14.25;
    const Case cases[] = {
        {"12", 12},     {"9,75", 9},     {"9.75", 9.75}, {"", current}, {"zz", current},
        {"0", current}, {"-3", current}, {"500", 200},   {"0.25", 1},   {" 11 ", 11},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(KeptFontSize(QString::fromLatin1(c.text), current), c.kept) << c.text;
    }
}

TEST(ShellPaneSettings, EachBoxHoldsItsOwnSetting) {
    EditorSettings e;
    e.BasicForeColor = 0xC00000;
    e.AsmForeColor = 0x80;
    e.BasicBackColor = 0xFFFFC0;
    e.AsmBackColor = 0xE0E0E0;
    e.BasicFontSize = 9.75;
    e.AsmFontSize = 14.25;
    auto boxes = [](const EditorSettings& settings) {
        QStringList texts;
        for (int i = 0; i < kPaneBoxCount; ++i) {
            texts << PaneBoxText(settings, i, QLocale(QLocale::Italian, QLocale::Italy));
        }
        return texts;
    };
    EXPECT_EQ(boxes(e), (QStringList{"C00000", "000080", "FFFFC0", "E0E0E0", "9,75", "14,25"}));

    // Enter in one box changes its setting alone, read as that box reads.
    const char* typed[kPaneBoxCount] = {"ff", "1234567", "zz", "FFFFFFFF", "0", "500"};
    const QStringList after[kPaneBoxCount] = {
        {"0000FF", "000080", "FFFFC0", "E0E0E0", "9,75", "14,25"},
        {"C00000", "234567", "FFFFC0", "E0E0E0", "9,75", "14,25"},
        {"C00000", "000080", "000000", "E0E0E0", "9,75", "14,25"},
        {"C00000", "000080", "FFFFC0", "FFFFFF", "9,75", "14,25"},
        {"C00000", "000080", "FFFFC0", "E0E0E0", "9,75", "14,25"},
        {"C00000", "000080", "FFFFC0", "E0E0E0", "9,75", "200"},
    };
    for (int i = 0; i < kPaneBoxCount; ++i) {
        EditorSettings changed = e;
        EnterPaneBox(changed, i, QString::fromLatin1(typed[i]));
        EXPECT_EQ(boxes(changed), after[i]) << typed[i];
    }

    // "reset": black on the design backgrounds, 10 points, not bold.
    const EditorSettings r = ResetPaneSettings();
    EXPECT_EQ(boxes(r), (QStringList{"000000", "000000", "FFFFC0", "E0E0E0", "10", "10"}));
    EXPECT_EQ(r.BasicFontBold, 0);
    EXPECT_EQ(r.AsmFontBold, 0);
}

TEST(ShellPaneSettings, RandomBarValues) {
    EXPECT_EQ(RandomBarValue(0.0), 0);
    EXPECT_EQ(RandomBarValue(0.5), 128);  // 127.5: to the even neighbour
    EXPECT_EQ(RandomBarValue(0.9999), 255);
    QRandomGenerator random(1234);
    QSet<int> seen;
    for (int i = 0; i < 20000; ++i) {
        const int value = RandomBarValue(random);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 255);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 256);  // both ends included
}

TEST(ShellPalette, SpectrumInsideAGreyBorder) {
    const QImage image = MakePaletteImage();
    ASSERT_EQ(image.size(), QSize(kPaletteWidth, kPaletteHeight));
    for (QPoint p : {QPoint(0, 0), QPoint(174, 187), QPoint(1, 90), QPoint(100, 186)}) {
        EXPECT_EQ(QColor(image.pixel(p)), kPaletteBorderColor) << p.x() << "," << p.y();
    }
    const int top = kPaletteBorder, bottom = kPaletteHeight - kPaletteBorder - 1;
    const int inner = kPaletteWidth - 2 * kPaletteBorder;
    auto at = [&](double across, int y) {
        return QColor(image.pixel(kPaletteBorder + static_cast<int>(across * inner), y));
    };
    // Saturated hues along the top row, within a few steps of the hue's pixel.
    auto near = [](const QColor& got, const QColor& want) {
        return std::abs(got.red() - want.red()) <= 20 &&
               std::abs(got.green() - want.green()) <= 20 &&
               std::abs(got.blue() - want.blue()) <= 20;
    };
    struct Hue {
        double across;
        QColor color;
    };
    const Hue hues[] = {{0, Qt::red},    {1.0 / 6, Qt::yellow}, {1.0 / 3, Qt::green},
                        {0.5, Qt::cyan}, {2.0 / 3, Qt::blue},   {5.0 / 6, Qt::magenta},
                        {0.995, Qt::red}};
    for (const Hue& h : hues) {
        EXPECT_TRUE(near(at(h.across, top), h.color))
            << h.across << ": " << at(h.across, top).name().toStdString();
    }
    EXPECT_EQ(at(0, top), QColor(255, 0, 0));
    for (double across : {0.0, 0.3, 0.7}) EXPECT_EQ(at(across, bottom), QColor(128, 128, 128));
}

}  // namespace
}  // namespace tavolux::shell
