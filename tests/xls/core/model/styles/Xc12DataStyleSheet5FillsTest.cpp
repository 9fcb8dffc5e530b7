#include "xls/core/model/styles/Xc12DataStyleSheet5Fills.h"

#include "Xc12DataStyleSheet5TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace xls {
namespace {

// A path gradient from red to theme colour 4 with all four edges given.
void MakeGradient(TXc12Fill& fill) {
    fill.SetIsGradient(true);
    TXc12GradientFill& gradient = *fill.GetGradient();
    gradient.GetStops().AddStop(test::RgbColor(0xFFFF0000), 0);
    gradient.GetStops().AddStop(test::ThemeColor(4), 1);
    gradient.SetGradientType(xgtPath);
    gradient.SetDegree(90);
    gradient.SetLeft(0.2);
    gradient.SetRight(0.8);
    gradient.SetTop(0.3);
    gradient.SetBottom(0.7);
}

TEST(Xc12DataStyleSheet5Fills, GradientsCompareWithinOneMillionth) {
    struct Case {
        const char* name;
        std::function<void(TXc12GradientFill&)> change;
        bool equal;
    };
    const Case cases[] = {
        {"stop 1e-7 apart", [](TXc12GradientFill& g) { g.GetStops().GetItem(1).Position += 1e-7; }, true},
        {"stop 1e-5 apart", [](TXc12GradientFill& g) { g.GetStops().GetItem(1).Position += 1e-5; }, false},
        {"degree 1e-7 apart", [](TXc12GradientFill& g) { g.SetDegree(90 + 1e-7); }, true},
        {"bottom 1e-5 apart", [](TXc12GradientFill& g) { g.SetBottom(0.7 + 1e-5); }, false},
        {"stop colour", [](TXc12GradientFill& g) { g.GetStops().GetItem(0).Color = test::RgbColor(0xFF00FF00); },
         false},
        {"one stop more", [](TXc12GradientFill& g) { g.GetStops().AddStop({}, 1); }, false},
        {"linear", [](TXc12GradientFill& g) { g.SetGradientType(xgtLinear); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TXc12Fill a;
        TXc12Fill b;
        MakeGradient(a);
        MakeGradient(b);
        c.change(*b.GetGradient());
        EXPECT_EQ(a.Equals(b), c.equal);
        EXPECT_EQ(b.Equals(a), c.equal);
    }
}

TEST(Xc12DataStyleSheet5Fills, PatternFillsNeverEqualGradientFills) {
    TXc12Fill pattern;
    TXc12Fill gradient;
    gradient.SetIsGradient(true);
    EXPECT_FALSE(pattern.Equals(gradient));
    EXPECT_FALSE(gradient.Equals(pattern));
    gradient.SetIsGradient(false);
    EXPECT_TRUE(pattern.Equals(gradient));
    pattern.SetPatternType(efpSolid)->SetFgColor(test::IndexedColor(10));
    EXPECT_FALSE(pattern.Equals(gradient));
}

TEST(Xc12DataStyleSheet5Fills, AssignMakesAnEqualFill) {
    TXc12Fill gradient;
    MakeGradient(gradient);
    TXc12Fill solid;
    solid.SetPatternType(efpSolid)->SetFgColor(test::IndexedColor(10));

    TXc12Fill copy;
    copy.Assign(gradient);
    ASSERT_TRUE(copy.IsGradient());
    EXPECT_TRUE(copy.Equals(gradient));
    EXPECT_EQ(copy.GetGradient()->GetStops().Count(), 2);
    EXPECT_EQ(copy.GetGradient()->GetLeft(), 0.2);
    EXPECT_TRUE(copy.GetGradient()->BottomGiven());
    EXPECT_NE(copy.GetGradient(), gradient.GetGradient());

    // A pattern copied over a gradient fill leaves a pattern fill, equal to its source.
    copy.Assign(solid);
    EXPECT_FALSE(copy.IsGradient());
    EXPECT_TRUE(copy.Equals(solid));

    copy.Assign(gradient);
    copy.Assign(copy);
    EXPECT_TRUE(copy.Equals(gradient));

    copy.Clear();
    EXPECT_TRUE(copy.Equals(TXc12Fill()));
}

TEST(Xc12DataStyleSheet5Fills, DefaultsAreNoneAndGray125) {
    TXc12Fills fills;
    fills.Clear();
    ASSERT_EQ(fills.Count(), 2);
    EXPECT_EQ(fills.GetDefaultFill()->GetPatternType(), efpNone);
    EXPECT_EQ(fills.GetItem(1)->GetPatternType(), efpGray125);
    EXPECT_TRUE(fills.GetItem(0)->Predefined());
    EXPECT_TRUE(fills.GetItem(1)->Predefined());
}

TEST(Xc12DataStyleSheet5Fills, Dump) {
    TXc12Fill fill;
    fill.SetPatternType(efpSolid)->SetFgColor(test::IndexedColor(10, 0x0000FF));
    EXPECT_EQ(test::DumpOf(fill), "Pattern:\r"
                                  "  Solid\r"
                                  "Foreground color:\r"
                                  "  ARGB: 000000FF\r"
                                  "  Tint: 0.00\r"
                                  "  Color type:\r"
                                  "  Indexed: 10\r"
                                  "Background color:\r"
                                  "  ARGB: 00000000\r"
                                  "  Tint: 0.00\r"
                                  "  Color type:\r"
                                  "  Auto\r");
    MakeGradient(fill);
    EXPECT_EQ(test::DumpOf(fill, 1), "  [Gradient - not shown]\r");
}

} // namespace
} // namespace xls
