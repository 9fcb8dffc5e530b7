// The popup window placed beside its owner on a work area the test gives (flipping to the side with more room,
// kept on the area), sized round its children inside its borders, and closed when the application loses the
// activation.

#include "ui/core/controls/popups/uiPopupWindow.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/stdctrls/Button.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const vcl::TRect PopupTestWorkArea{0, 0, 1000, 700};

vcl::TRect FixedWorkArea(vcl::TPoint) {
    return PopupTestWorkArea;
}

struct TPlacementCase {
    const char* Name;
    vcl::TRect Owner;
    int32_t Width, Height;
    TuiPopupPlacement Placement;
    vcl::TPoint Expected;
};

TEST(CalculatePopupPosition, OpensOnTheAskedSideFlipsWhenThereIsMoreRoomAndStaysOnTheWorkArea) {
    const TPlacementCase cases[] = {
        {"below the owner", {100, 100, 200, 120}, 150, 200, {pdVertical, pahLeft, pavBottom}, {100, 120}},
        {"right-aligned below", {100, 100, 200, 120}, 150, 200, {pdVertical, pahRight, pavBottom}, {50, 120}},
        {"above the owner", {100, 300, 200, 320}, 150, 200, {pdVertical, pahLeft, pavTop}, {100, 100}},
        {"no room below, more above: opens above",
         {100, 600, 200, 620},
         150,
         200,
         {pdVertical, pahLeft, pavBottom},
         {100, 400}},
        {"no room below, less above: stays below, pushed up to the bottom",
         {100, 250, 200, 270},
         150,
         500,
         {pdVertical, pahLeft, pavBottom},
         {100, 200}},
        {"no room above, less above than below: opens below",
         {100, 50, 200, 70},
         150,
         200,
         {pdVertical, pahLeft, pavTop},
         {100, 70}},
        {"right edge: pushed left", {900, 100, 980, 120}, 150, 200, {pdVertical, pahLeft, pavBottom}, {850, 120}},
        {"centred and wider than the area: at its left edge",
         {400, 100, 500, 120},
         1200,
         100,
         {pdVertical, pahCenter, pavBottom},
         {0, 120}},
        {"centred on the owner", {400, 100, 500, 120}, 200, 100, {pdVertical, pahCenter, pavBottom}, {350, 120}},
        {"horizontal to the right", {100, 100, 200, 120}, 150, 200, {pdHorizontal, pahRight, pavTop}, {200, 100}},
        {"horizontal, no room right, more left: opens left",
         {800, 100, 900, 120},
         150,
         200,
         {pdHorizontal, pahRight, pavTop},
         {650, 100}},
        {"horizontal, no room left, less left: opens right, bottom-aligned",
         {100, 300, 200, 320},
         150,
         200,
         {pdHorizontal, pahLeft, pavBottom},
         {200, 120}},
    };
    for (const TPlacementCase& test : cases) {
        SCOPED_TRACE(test.Name);
        const vcl::TPoint point =
            CalculatePopupPosition(test.Owner, test.Width, test.Height, test.Placement, FixedWorkArea);
        EXPECT_EQ(point, test.Expected);
    }
}

TEST(CalculatePopupPosition, TheWorkAreaIsAskedAtTheOwnersEdgeOnTheAskedSide) {
    vcl::TPoint asked{-1, -1};
    const TuiWorkAreaAt recording = [&asked](vcl::TPoint point) {
        asked = point;
        return PopupTestWorkArea;
    };
    CalculatePopupPosition({100, 100, 200, 120}, 50, 50, {pdVertical, pahRight, pavBottom}, recording);
    EXPECT_EQ(asked, vcl::TPoint(200, 120));
    CalculatePopupPosition({100, 100, 200, 120}, 50, 50, {pdVertical, pahCenter, pavTop}, recording);
    EXPECT_EQ(asked, vcl::TPoint(125, 100));
}

class TuiPopupWindowTest : public testing::Test {
protected:
    void SetUp() override {
        TuiPopupWindow::SetWorkAreaSource(FixedWorkArea);
        Form = ui_test::ShowNewTestForm(300, 200);
        Popup = new TuiPopupWindow(Form.get());
    }
    void TearDown() override { TuiPopupWindow::SetWorkAreaSource(nullptr); }

    ui_test::TFormPtr<vcl::TForm> Form;
    TuiPopupWindow* Popup = nullptr;
};

TEST_F(TuiPopupWindowTest, ItSizesItselfRoundItsChildrenInsideItsBordersAndOpensBelowItsOwner) {
    auto* button = new vcl::TButton(Popup);
    button->SetParent(Popup);
    button->SetBounds(0, 0, 80, 30);
    Popup->SetPopupBorderStyle(pbs3D);
    Popup->SetBorderSpace(3);
    Popup->SetOwnerParent(Form.get());
    Popup->SetOwnerBounds({10, 20, 110, 40});
    Popup->Popup();
    ui_test::ProcessPendingMessages();

    EXPECT_EQ(Popup->GetBorderWidth(psLeft), 5);
    EXPECT_EQ(vcl::TPoint(button->Left(), button->Top()), vcl::TPoint(5, 5));
    EXPECT_EQ(Popup->Width(), 90);
    EXPECT_EQ(Popup->Height(), 40);
    const vcl::TPoint ownerBottomLeft = Form->ClientToScreen({10, 40});
    EXPECT_EQ(vcl::TPoint(Popup->Left(), Popup->Top()), ownerBottomLeft);
    EXPECT_TRUE(IsWindowVisible(Popup->WindowHandle()));
    EXPECT_EQ(Popup->GetClientBoundsInsideBorders(), vcl::TRect(5, 5, 85, 35));

    // A new border style moves the children back first, so showing again does not move them twice.
    Popup->SetPopupBorderStyle(pbsSingle);
    Popup->CalculateSize();
    EXPECT_EQ(vcl::TPoint(button->Left(), button->Top()), vcl::TPoint(4, 4));
    EXPECT_EQ(Popup->Width(), 88);
}

TEST_F(TuiPopupWindowTest, TheApplicationLosingTheActivationClosesItAndTheOwnerCaptionTurnsInactive) {
    Popup->SetOwnerBounds({10, 20, 110, 40});
    Popup->SetBounds(0, 0, 50, 50);
    Popup->Popup();
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Popup->Visible());

    SendMessageW(Popup->WindowHandle(), WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(Form->WindowHandle()));
    SendMessageW(Popup->WindowHandle(), WM_ACTIVATEAPP, FALSE, 0);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Popup->Visible());
}

TEST_F(TuiPopupWindowTest, ASingleBorderIsAOnePixelFrameInTheFrameColourAndPaintingTwiceGivesTheSamePixels) {
    Popup->SetPopupBorderStyle(pbsSingle);
    Popup->SetFrameColor(vcl::clRed);
    Popup->SetColor(vcl::clWhite);
    Popup->SetBounds(0, 0, 40, 30);
    Popup->Popup();
    ui_test::ProcessPendingMessages();
    ui_test::TDibSurface first(40, 30);
    ui_test::PaintControl(*Popup, first);
    for (const vcl::TPoint point : {vcl::TPoint{0, 0}, vcl::TPoint{39, 0}, vcl::TPoint{0, 29}, vcl::TPoint{39, 29}}) {
        EXPECT_EQ(first.Pixel(point.X, point.Y), vcl::clRed) << point.X << "," << point.Y;
    }
    EXPECT_EQ(first.Pixel(1, 1), vcl::clWhite);
    EXPECT_EQ(first.Pixel(20, 15), vcl::clWhite);
    ui_test::TDibSurface second(40, 30);
    ui_test::PaintControl(*Popup, second);
    EXPECT_EQ(first.Pixels(), second.Pixels());
}

} // namespace
} // namespace ui
