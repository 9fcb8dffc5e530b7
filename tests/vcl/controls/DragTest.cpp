// Drag and drop between controls, driven by the mouse and keys: drops that are accepted or refused, Escape, the
// threshold before a drag begins, the drag cursor, the drag image, controls that hand drags on, and controls freed
// while a drag runs.

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/controls/drag/DragObjects.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using vcl::Point;
using vcl_test::AddControl;
using vcl_test::TColorControl;
using vcl_test::TLoggingGraphic;

using TDragLog = std::vector<std::string>;

std::string NameOfDragParty(rtl::TObject* object) {
    if (!object) {
        return "nothing";
    }
    auto* component = dynamic_cast<rtl::TComponent*>(object);
    return test_support::Utf8(component ? rtl::UnicodeStringView(component->Name()) : object->ClassName());
}

std::string PointText(int32_t x, int32_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

// A control filled with its colour that lends its drags an image list and counts the drags cancelled.
class TDragSourceControl : public TColorControl {
    RTL_DECLARE_CLASS(TDragSourceControl, TColorControl)
public:
    using TColorControl::TColorControl;
    vcl::TDragImageList* GetDragImages() override { return Images; }
    void DragCanceled() override { ++CancelCount; }

    vcl::TDragImageList* Images = nullptr; // not owned
    int CancelCount = 0;
};

// A control that hands the drags over it on to its parent.
class TPassOnControl : public TColorControl {
    RTL_DECLARE_CLASS(TPassOnControl, TColorControl)
public:
    using TColorControl::TColorControl;
    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == vcl::CM_DRAG && message.WParam == vcl::dmFindTarget) {
            message.Result = Parent()->Perform(message.Msg, message.WParam, message.LParam);
            return;
        }
        TColorControl::Dispatch(message);
    }
};

// Records the drag events of the controls it watches as "<control> <event> <x,y> <other party>".
void WatchAsTarget(vcl::TControl& control, TDragLog& log, bool accept) {
    const std::string name = test_support::Utf8(control.Name());
    control.SetOnDragOver([&log, name, accept](rtl::TObject*, rtl::TObject* source, int32_t x, int32_t y,
                                               vcl::TDragState state, bool& accepted) {
        const char* states[] = {"enter", "leave", "move"};
        log.push_back(name + " " + states[state] + " " + PointText(x, y) + " " + NameOfDragParty(source));
        accepted = accept;
    });
    control.SetOnDragDrop([&log, name](rtl::TObject*, rtl::TObject* source, int32_t x, int32_t y) {
        log.push_back(name + " drop " + PointText(x, y) + " " + NameOfDragParty(source));
    });
}

void WatchAsSource(vcl::TControl& control, TDragLog& log) {
    const std::string name = test_support::Utf8(control.Name());
    control.SetOnStartDrag([&log, name](rtl::TObject*, vcl::TDragObject*&) { log.push_back(name + " start"); });
    control.SetOnEndDrag([&log, name](rtl::TObject*, rtl::TObject* target, int32_t x, int32_t y) {
        log.push_back(name + " end " + PointText(x, y) + " " + NameOfDragParty(target));
    });
    control.SetOnMouseDown([&log, name](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t, int32_t) {
        log.push_back(name + " mouse down");
    });
    control.SetOnClick([&log, name](rtl::TObject*) { log.push_back(name + " click"); });
}

// An entry of the log without its event: "<control> <x,y> <other party>".
std::string WithoutEvent(const std::string& entry) {
    const size_t event = entry.find(' ');
    const size_t rest = entry.find(' ', event + 1);
    return entry.substr(0, event) + entry.substr(rest);
}

// Windows may add a move of its own when the pointer is put somewhere: a move to where the drag already was adds
// nothing to what the tests check.
TDragLog WithoutRepeatedMoves(const TDragLog& log) {
    TDragLog result;
    for (const std::string& entry : log) {
        const bool isMove = entry.find(" move ") != std::string::npos;
        if (!isMove || result.empty() || WithoutEvent(result.back()) != WithoutEvent(entry)) {
            result.push_back(entry);
        }
    }
    return result;
}

// A form with a source on the left and, on the right, a target that accepts drops over one that refuses them.
struct TDragForm {
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(400, 240);
    TDragSourceControl* Source = AddControl<TDragSourceControl>(*Form, u"Source", vcl::Bounds(10, 10, 100, 100));
    TLoggingGraphic* Acceptor = AddControl<TLoggingGraphic>(*Form, u"Acceptor", vcl::Bounds(200, 10, 100, 100));
    TColorControl* Refuser = AddControl<TColorControl>(*Form, u"Refuser", vcl::Bounds(200, 120, 100, 100));
    TDragLog Log;

    TDragForm() {
        for (vcl::TControl* control : {static_cast<vcl::TControl*>(Source), static_cast<vcl::TControl*>(Acceptor),
                                       static_cast<vcl::TControl*>(Refuser)}) {
            control->SetColor(vcl::clYellow);
        }
        Form->SetColor(vcl::clYellow);
        WatchAsSource(*Source, Log);
        WatchAsTarget(*Acceptor, Log, true);
        WatchAsTarget(*Refuser, Log, false);
        ui_test::PumpMessages(50);
    }
};

// Restores the mouse's drag settings that a test changes.
class TMouseDragSettings {
public:
    TMouseDragSettings() : FThreshold(vcl::Mouse().DragThreshold()), FImmediate(vcl::Mouse().DragImmediate()) {}
    ~TMouseDragSettings() {
        vcl::Mouse().SetDragThreshold(FThreshold);
        vcl::Mouse().SetDragImmediate(FImmediate);
    }

private:
    int32_t FThreshold;
    bool FImmediate;
};

TEST(DragAndDrop, AnAutomaticDragIsDroppedOnAControlThatAcceptsIt) {
    TDragForm drag;
    drag.Source->SetDragMode(vcl::dmAutomatic);
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    EXPECT_TRUE(drag.Source->Dragging());
    EXPECT_EQ(vcl::DragControl(), drag.Source);
    EXPECT_NE(GetCapture(), nullptr);
    EXPECT_EQ(vcl::CaptureControl(), nullptr) << "the drag's own window holds the capture";
    ui_test::MouseMove(*drag.Acceptor, Point(30, 40), {vcl::ssLeft});
    ui_test::MouseMove(*drag.Acceptor, Point(35, 45), {vcl::ssLeft});
    ui_test::MouseUp(*drag.Acceptor, vcl::mbLeft, Point(35, 45));
    EXPECT_EQ(WithoutRepeatedMoves(drag.Log),
              (TDragLog{"Source start", "Acceptor enter 30,40 Source", "Acceptor move 35,45 Source",
                        "Acceptor drop 35,45 Source", "Source end 35,45 Acceptor"}))
        << "the press that began the drag is no press or click of the source";
    EXPECT_FALSE(drag.Source->Dragging());
    EXPECT_EQ(vcl::DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(DragAndDrop, ADropWhereNoControlAcceptsItDropsNothing) {
    TDragForm drag;
    drag.Source->SetDragCursor(vcl::crHandPoint);
    drag.Source->SetOnMouseDown(
        [&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t, int32_t) { drag.Source->BeginDrag(true); });
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    ASSERT_TRUE(drag.Source->Dragging());
    EXPECT_EQ(GetCursor(), vcl::CursorHandle(vcl::crNoDrop)) << "the source itself takes no drops";
    ui_test::MouseMove(*drag.Acceptor, Point(50, 50), {vcl::ssLeft});
    EXPECT_EQ(GetCursor(), vcl::CursorHandle(vcl::crHandPoint)) << "the source's drag cursor where a drop is welcome";
    ui_test::MouseMove(*drag.Refuser, Point(50, 50), {vcl::ssLeft});
    EXPECT_EQ(GetCursor(), vcl::CursorHandle(vcl::crNoDrop));
    ui_test::MouseUp(*drag.Refuser, vcl::mbLeft, Point(50, 50));
    EXPECT_EQ(WithoutRepeatedMoves(drag.Log),
              (TDragLog{"Source start", "Acceptor enter 50,50 Source", "Acceptor leave 50,160 Source",
                        "Refuser enter 50,50 Source", "Refuser leave 50,50 Source", "Source end 0,0 nothing"}));
    EXPECT_EQ(drag.Source->CancelCount, 0) << "a refused drop is no cancelled drag";
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(DragAndDrop, EscapeCancelsTheDrag) {
    TDragForm drag;
    drag.Source->SetDragMode(vcl::dmAutomatic);
    drag.Source->SetFocus();
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    ui_test::MouseMove(*drag.Acceptor, Point(30, 40), {vcl::ssLeft});
    std::vector<uint16_t> keysSeen;
    drag.Source->SetOnKeyDown([&](rtl::TObject*, uint16_t& key, vcl::TShiftState) { keysSeen.push_back(key); });
    ui_test::KeyDown(VK_ESCAPE, {vcl::ssLeft});
    EXPECT_FALSE(drag.Source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(keysSeen.empty()) << "the drag takes the key";
    ui_test::KeyUp(VK_ESCAPE);
    ui_test::MouseUp(*drag.Acceptor, vcl::mbLeft, Point(30, 40));
    EXPECT_EQ(WithoutRepeatedMoves(drag.Log), (TDragLog{"Source start", "Acceptor enter 30,40 Source",
                                                        "Acceptor leave 30,40 Source", "Source end 0,0 nothing"}));
    EXPECT_EQ(drag.Source->CancelCount, 1);
}

TEST(DragAndDrop, OtherKeysAskTheTargetAgainAndAreTakenByTheDrag) {
    TDragForm drag;
    drag.Source->SetDragMode(vcl::dmAutomatic);
    drag.Source->SetFocus();
    std::vector<uint16_t> keysSeen;
    drag.Source->SetOnKeyDown([&](rtl::TObject*, uint16_t& key, vcl::TShiftState) { keysSeen.push_back(key); });
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    ui_test::MouseMove(*drag.Acceptor, Point(30, 40), {vcl::ssLeft});
    drag.Log.clear();
    ui_test::KeyDown(VK_CONTROL, {vcl::ssLeft, vcl::ssCtrl});
    EXPECT_EQ(drag.Log, (TDragLog{"Acceptor move 30,40 Source"})) << "Ctrl may change what the target accepts";
    EXPECT_TRUE(keysSeen.empty());
    EXPECT_TRUE(drag.Source->Dragging());
    ui_test::KeyUp(VK_CONTROL, {vcl::ssLeft});
    ui_test::MouseUp(*drag.Acceptor, vcl::mbLeft, Point(30, 40));
    EXPECT_EQ(drag.Log.back(), "Source end 30,40 Acceptor");
}

TEST(DragAndDrop, ADragBeginsOnlyOnceThePointerHasMovedTheThreshold) {
    const TMouseDragSettings restore;
    vcl::Mouse().SetDragThreshold(8);
    vcl::Mouse().SetDragImmediate(false);
    const struct {
        bool Automatic;    // with dmAutomatic and the mouse's threshold, otherwise BeginDrag(false, threshold)
        int32_t Threshold; // for BeginDrag
        vcl::TPoint Move;  // from the press
        bool Begins;       // the drag passes over controls
    } cases[] = {
        {true, -1, {7, 0}, false}, {true, -1, {0, -7}, false}, {true, -1, {8, 0}, true},   {true, -1, {-3, 8}, true},
        {false, 3, {2, 2}, false}, {false, 3, {0, 3}, true},   {false, -1, {7, 7}, false}, {false, -1, {-8, 0}, true},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(PointText(testCase.Move.X, testCase.Move.Y) + " threshold " + std::to_string(testCase.Threshold) +
                     (testCase.Automatic ? " automatic" : " manual"));
        TDragForm drag;
        WatchAsTarget(*drag.Source, drag.Log, true);
        drag.Source->SetDragMode(testCase.Automatic ? vcl::dmAutomatic : vcl::dmManual);
        if (!testCase.Automatic) {
            drag.Source->SetOnMouseDown([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t, int32_t) {
                drag.Source->BeginDrag(false, testCase.Threshold);
            });
        }
        const vcl::TPoint press = Point(50, 50);
        const vcl::TPoint moved = Point(press.X + testCase.Move.X, press.Y + testCase.Move.Y);
        ui_test::MouseDown(*drag.Source, vcl::mbLeft, press);
        ui_test::MouseMove(*drag.Source, moved, {vcl::ssLeft});
        const std::string entered = "Source enter " + PointText(moved.X, moved.Y) + " Source";
        const bool began = std::find(drag.Log.begin(), drag.Log.end(), entered) != drag.Log.end();
        EXPECT_EQ(began, testCase.Begins);
        ui_test::MouseUp(*drag.Source, vcl::mbLeft, moved);
        EXPECT_FALSE(drag.Source->Dragging());
        EXPECT_EQ(drag.Log.back(),
                  testCase.Begins ? "Source end " + PointText(moved.X, moved.Y) + " Source" : "Source end 0,0 nothing");
        EXPECT_EQ(std::count(drag.Log.begin(), drag.Log.end(), "Source click"), 0);
    }
}

// The drag image lies below and right of the pointer, clear of the pointer's own picture: whether it shows there is
// read from the screen, over a background of one colour.
constexpr int DragImageOffset = 24;

bool DragImageShowsAt(const vcl::TControl& control, vcl::TPoint point) {
    const vcl::TPoint screen =
        control.ClientToScreen(Point(point.X + DragImageOffset + 8, point.Y + DragImageOffset + 8));
    HDC dc = GetDC(nullptr);
    const COLORREF pixel = GetPixel(dc, screen.X, screen.Y);
    ReleaseDC(nullptr, dc);
    return pixel != vcl::ColorToRGB(vcl::clYellow);
}

TEST(DragAndDrop, TheDragImageShowsOverControlsThatShowDragImagesAndGoesAtTheEnd) {
    TDragForm drag;
    vcl::TDragImageList images(nullptr);
    vcl::TBitmap red(16, 16, vcl::pf32bit);
    red.Canvas().Brush().SetColor(vcl::clRed);
    red.Canvas().FillRect(vcl::Rect(0, 0, 16, 16));
    images.Add(red, nullptr);
    ASSERT_TRUE(images.SetDragImage(0, -DragImageOffset, -DragImageOffset));
    drag.Source->Images = &images;
    drag.Acceptor->SetControlStyle(drag.Acceptor->ControlStyle() + vcl::TControlStyle{vcl::csDisplayDragImage});
    drag.Source->SetDragMode(vcl::dmAutomatic);
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    EXPECT_TRUE(images.Dragging());
    EXPECT_FALSE(DragImageShowsAt(*drag.Source, Point(20, 20))) << "the source does not show drag images";
    ui_test::MouseMove(*drag.Acceptor, Point(30, 30), {vcl::ssLeft});
    EXPECT_TRUE(DragImageShowsAt(*drag.Acceptor, Point(30, 30)));
    ui_test::MouseMove(*drag.Refuser, Point(30, 30), {vcl::ssLeft});
    EXPECT_FALSE(DragImageShowsAt(*drag.Refuser, Point(30, 30)));
    EXPECT_FALSE(DragImageShowsAt(*drag.Acceptor, Point(30, 30))) << "nothing stays behind where it was";
    ui_test::MouseMove(*drag.Acceptor, Point(40, 40), {vcl::ssLeft});
    EXPECT_TRUE(DragImageShowsAt(*drag.Acceptor, Point(40, 40)));
    ui_test::MouseUp(*drag.Acceptor, vcl::mbLeft, Point(40, 40));
    EXPECT_FALSE(images.Dragging());
    EXPECT_FALSE(DragImageShowsAt(*drag.Acceptor, Point(40, 40)));
    EXPECT_EQ(drag.Log.back(), "Source end 40,40 Acceptor");
}

TEST(DragAndDrop, AControlCanHandTheDragsOverItOnToItsParent) {
    TDragForm drag;
    auto* panel = AddControl<TColorControl>(*drag.Form, u"Panel", vcl::Bounds(120, 120, 70, 100));
    auto* inner = AddControl<TPassOnControl>(*panel, u"Inner", vcl::Bounds(10, 10, 40, 40));
    WatchAsTarget(*panel, drag.Log, true);
    WatchAsTarget(*inner, drag.Log, true);
    drag.Source->SetDragMode(vcl::dmAutomatic);
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    ui_test::MouseMove(*inner, Point(5, 6), {vcl::ssLeft});
    ui_test::MouseUp(*inner, vcl::mbLeft, Point(5, 6));
    EXPECT_EQ(WithoutRepeatedMoves(drag.Log), (TDragLog{"Source start", "Panel enter 15,16 Source",
                                                        "Panel drop 15,16 Source", "Source end 15,16 Panel"}));
}

TEST(DragAndDrop, AnObjectGivenWhenTheDragStartsIsCarriedAndFreedWhenAsked) {
    for (const bool freedByDrag : {false, true}) {
        SCOPED_TRACE(freedByDrag ? "freed by the drag" : "kept by its maker");
        TDragForm drag;
        drag.Source->SetDragMode(vcl::dmAutomatic);
        auto kept = std::make_unique<vcl::TDragObject>();
        vcl::TDragObject* given = freedByDrag ? new vcl::TDragObject() : kept.get();
        given->SetFreedByDrag(freedByDrag);
        drag.Source->SetOnStartDrag([&](rtl::TObject*, vcl::TDragObject*& object) { object = given; });
        ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
        EXPECT_EQ(vcl::DragObject(), given);
        ui_test::MouseMove(*drag.Acceptor, Point(30, 40), {vcl::ssLeft});
        EXPECT_EQ(GetCursor(), vcl::CursorHandle(vcl::crDrag));
        ui_test::MouseUp(*drag.Acceptor, vcl::mbLeft, Point(30, 40));
        EXPECT_EQ(drag.Log.back(), "Acceptor drop 30,40 TDragObject")
            << "a drag object that carries no control is the source; it ends with no word to the control";
        EXPECT_EQ(vcl::DragObject(), nullptr);
    }
}

TEST(DragAndDrop, ControlsFreedWhileTheDragRunsAreLeftAlone) {
    TDragForm drag;
    drag.Source->SetDragMode(vcl::dmAutomatic);
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    ui_test::MouseMove(*drag.Acceptor, Point(30, 40), {vcl::ssLeft});
    rtl::TComponent::Free(drag.Acceptor);
    ui_test::MouseMove(*drag.Refuser, Point(30, 40), {vcl::ssLeft});
    EXPECT_TRUE(drag.Source->Dragging()) << "a target freed under the drag is forgotten";
    drag.Log.clear();
    rtl::TComponent::Free(drag.Source);
    EXPECT_EQ(vcl::DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr) << "a drag of a freed control ends";
    ui_test::MouseUp(*drag.Refuser, vcl::mbLeft, Point(30, 40));
    EXPECT_TRUE(drag.Log.empty());
}

TEST(DragAndDrop, AnErrorInADragHandlerEndsTheDragAndTheNextOneRuns) {
    TDragForm drag;
    drag.Source->SetDragMode(vcl::dmAutomatic);
    ui_test::TRecordedMessageBoxes boxes;
    drag.Source->SetOnStartDrag([](rtl::TObject*, vcl::TDragObject*&) { throw rtl::EInvalidOperation(u"no start"); });
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    ui_test::MouseUp(*drag.Source, vcl::mbLeft, Point(20, 20));
    EXPECT_FALSE(drag.Source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);

    WatchAsSource(*drag.Source, drag.Log);
    drag.Acceptor->SetOnDragOver([](rtl::TObject*, rtl::TObject*, int32_t, int32_t, vcl::TDragState, bool&) {
        throw rtl::EInvalidOperation(u"no entry");
    });
    ui_test::MouseDown(*drag.Source, vcl::mbLeft, Point(20, 20));
    EXPECT_TRUE(drag.Source->Dragging()) << "a drag begins again";
    ui_test::MouseMove(*drag.Acceptor, Point(30, 40), {vcl::ssLeft});
    EXPECT_FALSE(drag.Source->Dragging()) << "the error cancels the drag";
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(drag.Log, (TDragLog{"Source start", "Source end 0,0 nothing"}))
        << "the source hears the end although the target fails again when the drag leaves it";
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(test_support::Utf8(boxes.Shown[0].Text), "no start.");
    EXPECT_EQ(test_support::Utf8(boxes.Shown[1].Text), "no entry.");
    EXPECT_EQ(test_support::Utf8(boxes.Shown[2].Text), "no entry.");
}

} // namespace
