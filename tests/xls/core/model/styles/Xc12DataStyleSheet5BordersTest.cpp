#include "xls/core/model/styles/Xc12DataStyleSheet5Borders.h"

#include "Xc12DataStyleSheet5TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataStyleSheet5Borders, EqualityComparesOptionsAndEverySide) {
    struct Case {
        const char* name;
        std::function<void(TXc12Border&)> change;
        bool equal;
    };
    const Case cases[] = {
        {"nothing", [](TXc12Border&) {}, true},
        {"outline", [](TXc12Border& b) { b.SetOptions(XC12BorderOutline); }, false},
        {"vertical style", [](TXc12Border& b) { b.GetSide(xbsVertical).SetStyle(cbsThick); }, false},
        {"left colour", [](TXc12Border& b) { b.GetSide(xbsLeft).SetColor(test::IndexedColor(8)); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12Border a;
        TXc12Border b;
        c.change(b);
        EXPECT_EQ(a.Equals(b), c.equal);
        if (c.equal) {
            EXPECT_EQ(a.GetHash(), b.GetHash());
        }
    }
}

TEST(Xc12DataStyleSheet5Borders, DumpShowsOptionsAndDrawnSides) {
    TXc12Border border;
    EXPECT_EQ(test::DumpOf(border), "");
    border.SetOptions(XC12BorderDiagonalDown | XC12BorderOutline);
    border.GetSide(xbsBottom).SetStyle(cbsMediumDashDotDot);
    border.GetSide(xbsBottom).SetColor(test::RgbColor(0xFF123456));
    EXPECT_EQ(test::DumpOf(border), "Options: \r"
                                    "  DiagonalDown\r"
                                    "  Outline\r"
                                    "Bottom: \r"
                                    "  Style: MediumDashDotDot\r"
                                    "  Color: \r"
                                    "    ARGB: 00563412\r"
                                    "    Tint: 0.00\r"
                                    "    Color type:\r"
                                    "    RGB: FF123456\r");
    border.Clear();
    EXPECT_TRUE(border.Equals(TXc12Border()));
}

} // namespace
} // namespace xls
