#include "ui/core/geometry/uiGeometry.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Exceptions.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using vcl::Point;
using vcl::Rect;

TEST(uiGeometry, IntersectionWithoutAreaIsAllZeroAndFalse) {
    vcl::TRect result;
    EXPECT_FALSE(IntersectRects(result, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));
    EXPECT_EQ(result, Rect(0, 0, 0, 0));
    EXPECT_FALSE(IntersectRects(result, Rect(0, 0, 10, 10), Rect(3, 10, 5, 12)));
    EXPECT_TRUE(IntersectRects(result, Rect(0, 0, 10, 10), Rect(5, -5, 20, 5)));
    EXPECT_EQ(result, Rect(5, 0, 10, 5));
    EXPECT_TRUE(RectsIntersect(Rect(0, 0, 2, 2), Rect(1, 1, 3, 3)));
    EXPECT_FALSE(RectsIntersect(Rect(0, 0, 2, 2), Rect(5, 5, 5, 9)));
    EXPECT_TRUE(IsRectEmptyArea(Rect(5, 0, 5, 9)));
    EXPECT_TRUE(IsRectEmptyArea(Rect(0, 3, 4, 2)));
}

TEST(uiGeometry, CenteringTruncatesHalvesTowardZero) {
    EXPECT_EQ(CenterRectInRect(Rect(0, 0, 10, 10), 3, 3), Rect(3, 3, 6, 6));
    EXPECT_EQ(CenterRectInRect(Rect(-11, 0, 0, 0), 0, 0).Left, -5);
    EXPECT_EQ(CenterSizeInRect(Rect(0, 0, 9, 4), {4, 5}), Rect(2, 0, 6, 5));
    EXPECT_EQ(GetRectCenterPoint(Rect(-3, -3, 0, 0)), Point(-1, -1));
    EXPECT_EQ(GetRectCenterPoint(Rect(INT32_MAX - 2, 0, INT32_MAX, 2)), Point(INT32_MAX - 1, 1)) << "no overflow";
}

TEST(uiGeometry, RectangleArithmeticLeavesItsArgumentAlone) {
    const vcl::TRect r = Rect(10, 20, 30, 50);
    EXPECT_EQ(InflateRectBy(r, 2, 3), Rect(8, 17, 32, 53));
    EXPECT_EQ(InflateRectSides(r, 1, 2, 3, 4), Rect(9, 18, 33, 54));
    EXPECT_EQ(DeflateRectByMargins(r, Rect(1, 2, 3, 4)), Rect(11, 22, 27, 46));
    vcl::TRect deflated = r;
    DeflateRectInPlace(deflated, Rect(1, 2, 3, 4));
    EXPECT_EQ(deflated, Rect(11, 22, 27, 46));
    EXPECT_EQ(ShiftRect(r, 5, -5), Rect(15, 15, 35, 45));
    EXPECT_EQ(ShiftRect(r, 5, -5, false), Rect(5, 25, 25, 55));
    EXPECT_EQ(ShiftRectByPoint(r, Point(1, 1), false), Rect(9, 19, 29, 49));
    EXPECT_EQ(RotateRect(r), Rect(20, 10, 50, 30));
    EXPECT_EQ(RectFromSize({4, 7}), Rect(0, 0, 4, 7));
    EXPECT_EQ(RectFromPoints(Point(1, 2), Point(3, 4)), Rect(1, 2, 3, 4));
    EXPECT_EQ(ChangeRectHeight(r, 5), Rect(10, 20, 30, 25));
    EXPECT_EQ(ChangeRectWidth(r, 5), Rect(10, 20, 15, 50));
    EXPECT_EQ(MoveRectLeft(r, 0), Rect(0, 20, 20, 50));
    EXPECT_EQ(PlaceRectAtLeft(r, 1, 2), Rect(1, 20, 3, 50));
    EXPECT_EQ(PlaceRectAtRight(r, 10, 4), Rect(6, 20, 10, 50));
    EXPECT_EQ(SumRectLeftRight(Rect(3, 9, 4, 9)), 7);
    EXPECT_EQ(r, Rect(10, 20, 30, 50));
}

TEST(uiGeometry, ProportionKeepsTheTopLeftCornerAndFitsInside) {
    EXPECT_EQ(FitRectToProportion(Rect(0, 0, 100, 50), 1, 1), Rect(0, 0, 50, 50));
    EXPECT_EQ(FitRectToProportion(Rect(10, 10, 40, 100), 1, 1), Rect(10, 10, 40, 40));
    EXPECT_EQ(FitRectToProportion(Rect(0, 0, 100, 50), 4, 3), Rect(0, 0, 66, 50));
    EXPECT_EQ(FitRectToProportion(Rect(0, 0, 100, 0), 1, 1), Rect(0, 0, 0, 0));
    EXPECT_EQ(FitRectToProportion(Rect(0, 0, 8, 8), 0, 1), Rect(0, 0, 8, 8)) << "no proportion, no change";
}

TEST(uiGeometry, PointsMoveAndInvert) {
    EXPECT_EQ(PointFromSize({3, 4}), Point(3, 4));
    EXPECT_EQ(InvertPoint(Point(3, -4)), Point(-3, 4));
    EXPECT_EQ(OffsetPoint(Point(1, 1), 2, 3), Point(3, 4));
    EXPECT_EQ(OffsetPoint(Point(1, 1), 2, 3, false), Point(-1, -2));
    EXPECT_EQ(OffsetPointByRectOrigin(Point(1, 1), Rect(5, 6, 9, 9)), Point(6, 7));
}

TEST(uiRect, ChangesFireOnlyForANewRectangle) {
    TuiRect rect(nullptr);
    int changes = 0;
    rect.SetOnChange([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, &rect);
        ++changes;
    });
    rect.SetRect(Rect(1, 2, 3, 4));
    rect.SetRect(Rect(1, 2, 3, 4));
    rect.SetLeft(0);
    rect.SetBottom(4);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(rect.GetRect(), Rect(0, 2, 3, 4));

    TuiRect copy(nullptr);
    copy.Assign(&rect);
    EXPECT_TRUE(copy.IsEqual(rect));
    TuiSize size(nullptr);
    copy.Assign(&size);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.EqualsRect(Rect(0, 2, 3, 4))) << "other sources are ignored";
}

// A rectangle that never gets negative coordinates.
class TNonNegativeRect : public TuiRect {
public:
    using TuiRect::TuiRect;

protected:
    void ValidateRect(vcl::TRect& rect) override {
        rect.Left = std::max(rect.Left, 0);
        rect.Top = std::max(rect.Top, 0);
    }
};

TEST(uiRect, ValidateRectCorrectsBeforeTheComparison) {
    TNonNegativeRect rect(nullptr);
    int changes = 0;
    rect.SetOnChange([&](rtl::TObject*) { ++changes; });
    rect.SetRect(Rect(-5, -5, 0, 0));
    EXPECT_EQ(changes, 0) << "corrected to the rectangle it already holds";
    rect.SetRight(10);
    EXPECT_EQ(rect.GetRect(), Rect(0, 0, 10, 0));
}

TEST(uiSize, NegativeValuesAreStoredAsZeroAndAnEqualSizeFiresNothing) {
    TuiSize size(nullptr);
    int changes = 0;
    size.SetOnChange([&](rtl::TObject*) { ++changes; });
    size.SetSize({-4, 7});
    EXPECT_EQ(size.GetSize(), (vcl::TSize{0, 7}));
    size.SetSize({-4, 7});
    size.SetSize({0, 7});
    EXPECT_EQ(changes, 1);
    size.SetWidth(3);
    EXPECT_EQ(size.Width(), 3);
    EXPECT_EQ(size.Height(), 7);
    EXPECT_TRUE(size.EqualsSize(3, 7));
    EXPECT_TRUE(size.IsValueStored(TuiSize::svWidth));
    size.SetHeight(0);
    EXPECT_FALSE(size.IsValueStored(TuiSize::svHeight));

    TuiSize copy(nullptr);
    copy.Assign(&size);
    EXPECT_TRUE(copy.IsEqual(size));
    TuiRect rect(nullptr);
    EXPECT_THROW(copy.Assign(&rect), rtl::EConvertError);
}

TEST(uiGeometry, StreamsMayNameTuiRectOnceTheUnitStarted) {
    EXPECT_EQ(rtl::GetClass(u"TuiRect"), &TuiRect::StaticClass());
}

} // namespace
} // namespace ui
