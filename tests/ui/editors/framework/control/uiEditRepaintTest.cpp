// What an editor repaints after a change, read from its window's update region: the view info's comparison with
// the picture before (a background colour repaints all but the inner edit, a border colour only the ring, a button
// only itself), and an editor driven by the pointer repainting only the buttons whose state changed.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/editors/buttonedit/uiButtonEdit.h"
#include "ui/editors/framework/control/uiEditControlRoutines.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

namespace ui {
namespace {

// The window's update region, the window left as it was.
std::unique_ptr<TuiRegion> UpdateRegionOf(vcl::TWinControl& control) {
    auto region = std::make_unique<TuiRegion>();
    GetUpdateRgn(control.Handle(), region->Handle(), FALSE);
    return region;
}

// The union of rects less cut.
std::unique_ptr<TuiRegion> RegionOf(std::initializer_list<vcl::TRect> rects, const vcl::TRect& cut = {}) {
    auto region = std::make_unique<TuiRegion>();
    for (const vcl::TRect& rect : rects) {
        region->CombineWith(TuiRegion(rect), TuiRegionOperation::Union);
    }
    region->CombineWith(TuiRegion(cut), TuiRegionOperation::Difference);
    return region;
}

// Messages handled, then nothing left to repaint.
void SettleAndValidate(vcl::TWinControl& control) {
    ui_test::ProcessPendingMessages();
    ValidateRect(control.Handle(), nullptr);
}

class TuiEditRepaintTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(320, 120);
        Edit = new ui_test::TTestEdit(Form.get());
        Edit->SetAutoSize(false);
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 10, 120, 24);
        Painted.Properties.Buttons().Add().SetWidth(15);
        SettleAndValidate(*Edit);
    }

    // The painted editor's view info for the edit's bounds, and a copy standing for the picture before a change.
    std::unique_ptr<TuiCustomEditViewInfo> CalculateWithOld() {
        ui_test::TCanvasSurface on(Edit->Width(), Edit->Height());
        Painted.Calculate(on.Canvas, {0, 0, Edit->Width(), Edit->Height()});
        auto old = Painted.Properties.CreateViewInfo();
        old->Assign(Painted.ViewInfo.get());
        return old;
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    ui_test::TTestEdit* Edit = nullptr;
    ui_test::TPaintedEditor Painted;
};

TEST_F(TuiEditRepaintTest, WithoutAChangeNothingIsRepaintedAndWithoutAPictureBeforeEverything) {
    const auto old = CalculateWithOld();
    EXPECT_FALSE(Painted.ViewInfo->InvalidateChanges(*Edit, {}, old.get()));
    EXPECT_TRUE(UpdateRegionOf(*Edit)->IsEmpty());
    EXPECT_TRUE(Painted.ViewInfo->InvalidateAll(*Edit, nullptr));
    EXPECT_TRUE(UpdateRegionOf(*Edit)->SameAs(RegionOf({Painted.ViewInfo->Bounds}).get()));
}

TEST_F(TuiEditRepaintTest, ABackgroundColourRepaintsTheBoundsLessTheInnerEdit) {
    const auto old = CalculateWithOld();
    Painted.ViewInfo->BackgroundColor = vcl::clYellow;
    const vcl::TRect inner{4, 3, 90, 20};
    EXPECT_TRUE(Painted.ViewInfo->InvalidateChanges(*Edit, inner, old.get()));
    EXPECT_TRUE(UpdateRegionOf(*Edit)->SameAs(RegionOf({Painted.ViewInfo->Bounds}, inner).get()));
}

TEST_F(TuiEditRepaintTest, ABorderColourRepaintsOnlyTheRing) {
    const auto old = CalculateWithOld();
    Painted.ViewInfo->BorderColor = vcl::clRed;
    EXPECT_TRUE(Painted.ViewInfo->InvalidateChanges(*Edit, {}, old.get()));
    const TuiCustomEditViewInfo& info = *Painted.ViewInfo;
    EXPECT_TRUE(UpdateRegionOf(*Edit)->SameAs(RegionOf({info.Bounds}, info.BorderRect).get()));
}

TEST_F(TuiEditRepaintTest, AContainerStateRepaintsAllOnlyWhenTheViewInfoAsksForIt) {
    const auto old = CalculateWithOld();
    Painted.ViewInfo->ContainerState = {csActive};
    EXPECT_TRUE(Painted.ViewInfo->InvalidateChanges(*Edit, {}, old.get()));
    EXPECT_FALSE(UpdateRegionOf(*Edit)->IsEmpty());
}

TEST_F(TuiEditRepaintTest, AButtonInAnotherStateRepaintsItsBounds) {
    const auto old = CalculateWithOld();
    Painted.ViewInfo->Buttons(0).State = ebvsPressed;
    EXPECT_TRUE(Painted.ViewInfo->InvalidateChanges(*Edit, {}, old.get()));
    EXPECT_TRUE(UpdateRegionOf(*Edit)->SameAs(RegionOf({Painted.ViewInfo->Buttons(0).Bounds}).get()));
}

TEST_F(TuiEditRepaintTest, NothingIsRepaintedBeforeTheEditorHasAWindow) {
    auto* hidden = new ui_test::TTestEdit(Form.get());
    EXPECT_FALSE(Painted.ViewInfo->InvalidateAll(*hidden, nullptr));
    EXPECT_FALSE(hidden->HandleAllocated());
}

// A button editor whose current view info a test reads.
class TProbedButtonEdit : public TuiButtonEdit {
public:
    using TuiButtonEdit::TuiButtonEdit;
    vcl::TRect ButtonBounds(int32_t index) { return CurrentViewInfo().Buttons(index).Bounds; }
};

TEST(EditRepaint, HotMovingFromAButtonEditorsFirstButtonToItsSecondRepaintsExactlyThoseTwo) {
    auto form = ui_test::ShowNewTestForm(320, 120);
    auto* edit = new TProbedButtonEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 10, 200, 24);
    edit->ButtonEditProperties().Buttons().Add().SetKind(bkDown);
    SettleAndValidate(*edit);
    // The pointer moves where the message says, so that a paint finds it there too.
    const auto moveTo = [&](vcl::TPoint point) {
        const vcl::TPoint screen = edit->ClientToScreen(point);
        SetCursorPos(screen.X, screen.Y);
        SendMouseMessage(*edit, WM_MOUSEMOVE, {}, point);
    };
    const auto buttonCentre = [&](int32_t index) { return GetRectCenterPoint(edit->ButtonBounds(index)); };
    // The pointer comes in onto the first button: the editor turns hot, all of it repaints.
    moveTo(buttonCentre(0));
    SettleAndValidate(*edit);
    moveTo(buttonCentre(1));
    const auto region = UpdateRegionOf(*edit);
    EXPECT_TRUE(region->SameAs(RegionOf({edit->ButtonBounds(0), edit->ButtonBounds(1)}).get()))
        << testing::PrintToString(region->Bounds());
    SettleAndValidate(*edit);
    moveTo({buttonCentre(1).X + 1, buttonCentre(1).Y});
    EXPECT_TRUE(UpdateRegionOf(*edit)->IsEmpty()) << "nothing changed";
}

} // namespace
} // namespace ui
