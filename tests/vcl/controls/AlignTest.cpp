// Laying out children: aligned groups, anchors, constraints and auto size, with the windows following.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/controls/SizeConstraints.h"

#include <gtest/gtest.h>

namespace {

using vcl::Rect;
using vcl::TRect;
using vcl_test::AddControl;
using vcl_test::TColorControl;

// The rectangle a windowed control's window takes, in its parent's client coordinates.
TRect WindowRectInParent(vcl::TWinControl& control) {
    RECT window{};
    GetWindowRect(control.Handle(), &window);
    MapWindowPoints(nullptr, control.Parent()->Handle(), reinterpret_cast<POINT*>(&window), 2);
    return Rect(window.left, window.top, window.right, window.bottom);
}

// A form of client size 300 x 200 holding one control of each alignment, created in an order unlike the
// alignment order.
class AlignTest : public testing::Test {
protected:
    void SetUp() override {
        Client = AddControl<TColorControl>(*Form, u"Client");
        Right = AddControl<TColorControl>(*Form, u"Right", vcl::Bounds(0, 0, 50, 10));
        Left = AddControl<TColorControl>(*Form, u"Left", vcl::Bounds(0, 0, 40, 10));
        Bottom = AddControl<TColorControl>(*Form, u"Bottom", vcl::Bounds(0, 0, 10, 30));
        Top = AddControl<TColorControl>(*Form, u"Top", vcl::Bounds(0, 0, 10, 20));
        Client->SetAlign(vcl::alClient);
        Right->SetAlign(vcl::alRight);
        Left->SetAlign(vcl::alLeft);
        Bottom->SetAlign(vcl::alBottom);
        Top->SetAlign(vcl::alTop);
    }

    void ExpectBounds(const std::vector<std::pair<TColorControl*, TRect>>& expected) {
        for (const auto& [control, bounds] : expected) {
            SCOPED_TRACE(std::string(control->Name().begin(), control->Name().end()));
            EXPECT_EQ(control->BoundsRect(), bounds);
            EXPECT_EQ(WindowRectInParent(*control), bounds);
        }
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(300, 200, ui_test::TFormPlacement::OffScreen);
    TColorControl* Top = nullptr;
    TColorControl* Bottom = nullptr;
    TColorControl* Left = nullptr;
    TColorControl* Right = nullptr;
    TColorControl* Client = nullptr;
};

TEST_F(AlignTest, GroupsTakeTheirEdgesInOrderTopBottomLeftRightThenClient) {
    ExpectBounds({{Top, Rect(0, 0, 300, 20)},
                  {Bottom, Rect(0, 170, 300, 200)},
                  {Left, Rect(0, 20, 40, 170)},
                  {Right, Rect(250, 20, 300, 170)},
                  {Client, Rect(40, 20, 250, 170)}});
}

TEST_F(AlignTest, ResizingTheParentAlignsAgain) {
    Form->SetClientWidth(400);
    Form->SetClientHeight(300);
    ui_test::ProcessPendingMessages();
    ExpectBounds({{Top, Rect(0, 0, 400, 20)},
                  {Bottom, Rect(0, 270, 400, 300)},
                  {Left, Rect(0, 20, 40, 270)},
                  {Right, Rect(350, 20, 400, 270)},
                  {Client, Rect(40, 20, 350, 270)}});
}

TEST_F(AlignTest, HiddenControlsTakeNoSpace) {
    Top->Hide();
    Left->Hide();
    ExpectBounds({{Bottom, Rect(0, 170, 300, 200)}, {Right, Rect(250, 0, 300, 170)}, {Client, Rect(0, 0, 250, 170)}});
    Top->Show();
    ExpectBounds({{Right, Rect(250, 20, 300, 170)}, {Client, Rect(0, 20, 250, 170)}});
}

TEST_F(AlignTest, ConstraintsLimitTheSizeAlignmentGivesAndTheRestTakesTheSpaceLeft) {
    Top->Constraints().SetMaxHeight(12);
    Top->SetHeight(50);
    Client->Constraints().SetMaxWidth(100);
    ExpectBounds({{Top, Rect(0, 0, 300, 12)},
                  {Left, Rect(0, 12, 40, 170)},
                  {Right, Rect(250, 12, 300, 170)},
                  {Client, Rect(40, 12, 140, 170)}});
}

TEST(Align, ControlsOfOneGroupGoInTheOrderOfTheirPositionAndAMovedOneTakesItsNewPlace) {
    auto form = ui_test::ShowNewTestForm(200, 200, ui_test::TFormPlacement::OffScreen);
    auto* lower = AddControl<TColorControl>(*form, u"Lower", vcl::Bounds(0, 50, 10, 30));
    auto* upper = AddControl<TColorControl>(*form, u"Upper", vcl::Bounds(0, 10, 10, 20));
    form->DisableAlign();
    lower->SetAlign(vcl::alTop);
    upper->SetAlign(vcl::alTop);
    form->EnableAlign();
    EXPECT_EQ(upper->BoundsRect(), Rect(0, 0, 200, 20));
    EXPECT_EQ(lower->BoundsRect(), Rect(0, 20, 200, 50));
    lower->SetTop(0);
    EXPECT_EQ(lower->BoundsRect(), Rect(0, 0, 200, 30));
    EXPECT_EQ(upper->BoundsRect(), Rect(0, 30, 200, 50));
}

// A parent that places its alCustom children in the middle of the space left.
class TCentringParent : public TColorControl {
public:
    using TColorControl::TColorControl;

protected:
    void CustomAlignPosition(vcl::TControl*, int32_t& left, int32_t& top, int32_t& width, int32_t& height,
                             TRect& alignRect) override {
        left = alignRect.Left + (alignRect.Width() - width) / 2;
        top = alignRect.Top + (alignRect.Height() - height) / 2;
    }
};

TEST(Align, ACustomAlignedControlIsPlacedByItsParentAfterTheOtherGroups) {
    auto form = ui_test::ShowNewTestForm(200, 200, ui_test::TFormPlacement::OffScreen);
    auto* centring = AddControl<TCentringParent>(*form, u"Centring", vcl::Bounds(0, 0, 100, 100));
    auto* top = AddControl<TColorControl>(*centring, u"Top", vcl::Bounds(0, 0, 10, 20));
    auto* custom = AddControl<TColorControl>(*centring, u"Custom", vcl::Bounds(3, 4, 20, 10));
    custom->SetAlign(vcl::alCustom);
    top->SetAlign(vcl::alTop);
    EXPECT_EQ(custom->BoundsRect(), vcl::Bounds(40, 55, 20, 10));

    auto* plain = AddControl<TColorControl>(*form, u"Plain", vcl::Bounds(0, 100, 100, 100));
    auto* untouched = AddControl<TColorControl>(*plain, u"Untouched", vcl::Bounds(3, 4, 20, 10));
    untouched->SetAlign(vcl::alCustom);
    EXPECT_EQ(untouched->BoundsRect(), vcl::Bounds(3, 4, 20, 10));
}

TEST(Align, AlignmentWaitsWhileDisabledAndRunsOnceEnabled) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* child = AddControl<TColorControl>(*form, u"Child", vcl::Bounds(5, 5, 10, 10));
    form->DisableAlign();
    child->SetAlign(vcl::alClient);
    EXPECT_EQ(child->BoundsRect(), vcl::Bounds(5, 5, 10, 10));
    form->EnableAlign();
    EXPECT_EQ(child->BoundsRect(), Rect(0, 0, 200, 100));
}

struct TAnchorCase {
    const char* Name;
    vcl::TAnchors Anchors;
    TRect Expected; // after the parent grows from 200 x 100 to 300 x 160; the control starts at (20, 10, 60, 30)
};

TEST(Align, AnchorsKeepTheDistancesToTheirEdgesWhenTheParentIsResized) {
    const TAnchorCase cases[] = {
        {"left top", {vcl::akLeft, vcl::akTop}, Rect(20, 10, 60, 30)},
        {"right bottom", {vcl::akRight, vcl::akBottom}, Rect(120, 70, 160, 90)},
        {"left right", {vcl::akLeft, vcl::akTop, vcl::akRight}, Rect(20, 10, 160, 30)},
        {"all four", {vcl::akLeft, vcl::akTop, vcl::akRight, vcl::akBottom}, Rect(20, 10, 160, 90)},
        {"none: the centre keeps its proportion", {}, Rect(40, 22, 80, 42)},
    };
    for (const TAnchorCase& anchorCase : cases) {
        SCOPED_TRACE(anchorCase.Name);
        auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
        auto* child = AddControl<TColorControl>(*form, u"Child", Rect(20, 10, 60, 30));
        child->SetAnchors(anchorCase.Anchors);
        form->SetClientWidth(300);
        form->SetClientHeight(160);
        EXPECT_EQ(child->BoundsRect(), anchorCase.Expected);
        form->SetClientWidth(200);
        form->SetClientHeight(100);
        EXPECT_EQ(child->BoundsRect(), Rect(20, 10, 60, 30)) << "back to the first size";
    }
}

TEST(Align, AnAutoSizedParentFitsItsChildrenAndFollowsThem) {
    auto form = ui_test::ShowNewTestForm(300, 300, ui_test::TFormPlacement::OffScreen);
    auto* panel = AddControl<TColorControl>(*form, u"Panel", vcl::Bounds(10, 10, 100, 100));
    auto* child = AddControl<TColorControl>(*panel, u"Child", vcl::Bounds(5, 5, 30, 20));
    panel->SetAutoSize(true);
    EXPECT_EQ(panel->BoundsRect(), vcl::Bounds(10, 10, 35, 25));
    child->SetWidth(60);
    EXPECT_EQ(panel->BoundsRect(), vcl::Bounds(10, 10, 65, 25));
}

} // namespace
