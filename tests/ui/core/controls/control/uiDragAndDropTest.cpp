// Dragging with the mouse: the loop that tells a press from a drag, fed with the messages a user makes, and the
// library's drag inside a control with its object's steps, its cancellations and its cursor.

#include "ui/core/controls/control/uiDragAndDrop.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/control/uiDragObjectImages.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/controls/drag/DragObjects.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/imagelists/ImageList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

struct TDetectCase {
    const char* Name;
    UINT Message;
    WPARAM WParam;
    int32_t Offset; // of a move from the press point, in drag thresholds
    TuiDragDetectResult Expected;
};

TEST(DetectDrag, ReleaseInsideTheSquareEscapeAndAMoveBeyondItEachEndTheLoopAndTheCaptureIsReleased) {
    auto form = ui_test::ShowNewTestForm(300, 200);
    const HWND window = form->Handle();
    const int32_t threshold = vcl::Mouse().DragThreshold();
    const vcl::TPoint press{100, 100};
    const TDetectCase cases[] = {
        {"a move inside the square, then a release", WM_LBUTTONUP, 0, 0, ddrReleased},
        {"the right button released", WM_RBUTTONUP, 0, 0, ddrReleased},
        {"Escape", WM_KEYDOWN, VK_ESCAPE, 0, ddrCancelled},
        {"a move beyond the square", WM_MOUSEMOVE, MK_LBUTTON, 1, ddrDrag},
    };
    for (const TDetectCase& test : cases) {
        SCOPED_TRACE(test.Name);
        ui_test::ProcessPendingMessages();
        PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(press.X + threshold - 1, press.Y));
        PostMessageW(window, WM_KEYDOWN, 'A', 0);
        const int32_t offset = test.Offset * threshold;
        PostMessageW(window, test.Message, test.WParam, MAKELPARAM(press.X + offset, press.Y));
        EXPECT_EQ(DetectDrag(window, form->ClientToScreen(press)), test.Expected);
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST(DetectDrag, AQuitRequestEndsTheLoopAndStaysForTheApplication) {
    auto form = ui_test::ShowNewTestForm(300, 200);
    ui_test::ProcessPendingMessages();
    PostQuitMessage(7);
    EXPECT_EQ(DetectDrag(form->Handle(), form->ClientToScreen({50, 50})), ddrCancelled);
    EXPECT_EQ(GetCapture(), nullptr);
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

// A drag object that records its steps; on request it finishes the drag again from its own end.
class TRecordingDragObject : public TuiDragAndDropObject {
public:
    TRecordingDragObject(TuiControl& control, std::vector<std::string>& steps)
        : TuiDragAndDropObject(control), FSteps(steps) {}
    void BeginDragAndDrop() override { FSteps.push_back("begin"); }
    void DragAndDrop(vcl::TPoint point, bool& accepted) override {
        accepted = point.X > 60;
        FSteps.push_back(accepted ? "drag accepted" : "drag");
        TuiDragAndDropObject::DragAndDrop(point, accepted);
    }
    void EndDragAndDrop(bool accepted) override {
        FSteps.push_back(accepted ? "end accepted" : "end");
        if (FinishAgain) {
            Control().FinishDragAndDrop(false);
        }
    }
    void AfterDragAndDrop(bool accepted) override { FSteps.push_back(accepted ? "after accepted" : "after"); }
    ~TRecordingDragObject() override { FSteps.push_back("freed"); }

    static bool FinishAgain;

private:
    std::vector<std::string>& FSteps;
};
bool TRecordingDragObject::FinishAgain = false;

class TRecordingDragControl : public TuiControl {
    RTL_DECLARE_CLASS(TRecordingDragControl, TuiControl)
public:
    using TuiControl::TuiControl;
    std::vector<std::string> Steps;

protected:
    bool StartDragAndDrop(vcl::TPoint) override { return true; }
    std::unique_ptr<TuiDragAndDropObject> CreateDragAndDropObject() override {
        return std::make_unique<TRecordingDragObject>(*this, Steps);
    }
};

class LibraryDragTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Control = new TRecordingDragControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(20, 20, 200, 150);
        Control->HandleNeeded();
        ui_test::ProcessPendingMessages();
        Threshold = vcl::Mouse().DragThreshold();
    }
    void TearDown() override { TRecordingDragObject::FinishAgain = false; }
    void StartDragging() {
        ui_test::MouseDown(*Control, vcl::mbLeft, {50, 50});
        ASSERT_EQ(Control->DragAndDropState(), ddsStarting);
        ui_test::MouseMove(*Control, {50 + Threshold, 50}, {vcl::ssLeft});
        ASSERT_EQ(Control->DragAndDropState(), ddsInProcess);
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TRecordingDragControl* Control = nullptr;
    int32_t Threshold = 0;
};

TEST_F(LibraryDragTest, ADragRunsItsObjectsStepsInOrderAndEndsAccepted) {
    const vcl::TCursor before = vcl::ScreenCursor();
    StartDragging();
    EXPECT_TRUE(Control->MouseCapture());
    ui_test::MouseMove(*Control, {100, 60}, {vcl::ssLeft});
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crDrag);
    ui_test::MouseUp(*Control, vcl::mbLeft, {100, 60});
    EXPECT_EQ(Control->DragAndDropState(), ddsNone);
    EXPECT_FALSE(Control->MouseCapture());
    EXPECT_EQ(vcl::ScreenCursor(), before);
    // Each move may arrive twice (the pointer's own move beside the posted one): repeated steps count once.
    std::vector<std::string> steps = Control->Steps;
    steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
    const std::vector<std::string> expected{"begin",        "drag",           "drag accepted",
                                            "end accepted", "after accepted", "freed"};
    EXPECT_EQ(steps, expected);
}

TEST_F(LibraryDragTest, CancelModeEndsTheDragNotAcceptedAndRestoresTheCursor) {
    const vcl::TCursor before = vcl::ScreenCursor();
    StartDragging();
    ui_test::MouseMove(*Control, {40, 60}, {vcl::ssLeft});
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crNoDrop);
    SendMessageW(Control->WindowHandle(), WM_CANCELMODE, 0, 0);
    EXPECT_EQ(Control->DragAndDropState(), ddsNone);
    EXPECT_EQ(vcl::ScreenCursor(), before);
    EXPECT_EQ(Control->Steps.back(), "freed");
    EXPECT_EQ(Control->Steps[Control->Steps.size() - 3], "end");
    ui_test::MouseUp(*Control, vcl::mbLeft, {40, 60});
}

TEST_F(LibraryDragTest, FinishingTheDragFromItsOwnEndDoesNothing) {
    TRecordingDragObject::FinishAgain = true;
    StartDragging();
    ui_test::MouseUp(*Control, vcl::mbLeft, {100, 60});
    EXPECT_EQ(std::count(Control->Steps.begin(), Control->Steps.end(), "end accepted"), 1);
    EXPECT_EQ(std::count(Control->Steps.begin(), Control->Steps.end(), "freed"), 1);
    EXPECT_EQ(Control->DragAndDropState(), ddsNone);
}

// A control whose framework drags show a picture of the size the test gives.
class TImageDragControl : public TuiControl {
    RTL_DECLARE_CLASS(TImageDragControl, TuiControl)
public:
    using TuiControl::TuiControl;
    vcl::TSize ImageSize;

protected:
    bool HasDragImages() const override { return true; }
    vcl::TSize GetDragImagesSize() const override { return ImageSize; }
    void DrawDragImage(TuiCanvas& canvas, const vcl::TRect& rect) override { canvas.FillRectColor(rect, vcl::clRed); }
};

class FrameworkDragTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Control = new TImageDragControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(20, 20, 100, 80);
        Control->HandleNeeded();
        ui_test::ProcessPendingMessages();
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TImageDragControl* Control = nullptr;
};

TEST_F(FrameworkDragTest, AControlWithoutAnImageSizeShowsNoDragImagesAndOneWithASizeShowsItsPicture) {
    EXPECT_EQ(Control->GetDragImages(), nullptr);

    auto* other = new TImageDragControl(Form.get());
    other->ImageSize = {24, 16};
    vcl::TDragImageList* images = other->GetDragImages();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->Count(), 1);
    EXPECT_EQ(images->Width(), 24);
    EXPECT_EQ(images->Height(), 16);
    EXPECT_EQ(other->GetDragImages(), images);
}

TEST_F(FrameworkDragTest, TheObjectOfADragThatEndedIsForgottenAndPaintingNeverTouchesIt) {
    Control->ImageSize = {24, 16};
    Control->BeginDrag(true);
    vcl::TDragObject* object = vcl::DragObject();
    ASSERT_NE(object, nullptr);
    bool accept = false;
    static_cast<vcl::TControl*>(Control)->DragOver(Control, 10, 10, vcl::dsDragEnter, accept);
    EXPECT_EQ(RememberedDragObject(), object);

    // Dropped or cancelled, the drag frees its object: nothing that paints may ask it to hide or show its image.
    vcl::EndControlDrag(false);
    EXPECT_EQ(RememberedDragObject(), nullptr);
    Control->Invalidate();
    UpdateWindow(Control->WindowHandle());
    EXPECT_EQ(RememberedDragObject(), nullptr);
}

TEST_F(FrameworkDragTest, ADragThatLeavesTheControlIsForgotten) {
    Control->BeginDrag(true);
    bool accept = false;
    static_cast<vcl::TControl*>(Control)->DragOver(Control, 10, 10, vcl::dsDragMove, accept);
    ASSERT_NE(RememberedDragObject(), nullptr);
    static_cast<vcl::TControl*>(Control)->DragOver(Control, 10, 10, vcl::dsDragLeave, accept);
    EXPECT_EQ(RememberedDragObject(), nullptr);
    vcl::EndControlDrag(false);
}

} // namespace
} // namespace ui
