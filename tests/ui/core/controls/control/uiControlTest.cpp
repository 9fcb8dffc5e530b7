// The base control driven by messages as a user drives it: dialog keys, background erasing, presses (far out on a
// wide control, on a control that cannot take the focus), painting through a bitmap on Windows 7, measuring text on
// the drawing canvas after painting, the built-in bars a descendant asks for, the wheel, and the middle-button panning
// mode with its timing.

#include "ui/core/controls/control/uiControl.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/system/Seam.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

using ui_test::PumpMessages;
using ui_test::PumpUntil;

// A descendant with a content of a given size that it scrolls, logging what reaches Scroll and Paint.
class TContentControl : public TuiControl {
    RTL_DECLARE_CLASS(TContentControl, TuiControl)
public:
    explicit TContentControl(rtl::TComponent* owner) : TuiControl(owner) {}

    void SetContent(int32_t width, int32_t height) {
        ContentWidth = width;
        ContentHeight = height;
        UpdateScrollBars();
    }
    bool IsFocused() const override { return !RefuseFocus && TuiControl::IsFocused(); }
    bool AllowsScrollBar(TScrollBarKind) const override { return true; }
    void CallUpdateScrollBars() { UpdateScrollBars(); }

    std::function<void()> OnLookAndFeelChanged;

    int32_t ContentWidth = 0;
    int32_t ContentHeight = 0;
    bool AllowHide = true;
    bool RefuseFocus = false;
    // Shows the vertical bar exactly when it is hidden now: a layout that never settles.
    bool Toggling = false;
    // Answers the opposite of the visibility it is asked with, every time: a calculation that never settles.
    bool Flipping = false;
    int Calculations = 0;
    // Pages as if both bars were always shown: each bar is then needed only because of the other.
    bool PagesLessBothBars = false;
    // A range of its own for the vertical bar instead of the content's.
    bool OwnRange = false;
    int32_t RangeMin = 0, RangeMax = 0, RangePage = 0;
    std::vector<TScrollCode> VerticalScrolls;
    std::vector<TScrollCode> HorizontalScrolls;
    // The kind of device context the last Paint drew on (OBJ_DC, OBJ_MEMDC), 0 before any.
    DWORD PaintDCType = 0;

protected:
    void InitScrollBarsParameters() override {
        ++Calculations;
        if (Flipping) {
            SetScrollBarInfo(sbVertical, 0, 99, 1, IsVScrollBarVisible() ? 100 : 10, 0, true, true);
            return;
        }
        if (PagesLessBothBars) {
            const int32_t thickness = GetSystemMetrics(SM_CXVSCROLL);
            SetScrollBarInfo(sbHorizontal, 0, ContentWidth - 1, 1, Width() - thickness, 0, true, true);
            SetScrollBarInfo(sbVertical, 0, ContentHeight - 1, 1, Height() - thickness, 0, true, true);
            return;
        }
        if (OwnRange) {
            SetScrollBarInfo(sbVertical, RangeMin, RangeMax, 1, RangePage, RangeMin, true, true);
            return;
        }
        if (Toggling) {
            SetScrollBarInfo(sbVertical, 0, 99, 1, VScrollBar()->Visible() ? 100 : 10, 0, true, true);
            return;
        }
        const vcl::TRect client = GetClientBounds();
        SetScrollBarInfo(sbHorizontal, 0, ContentWidth - 1, 1, client.Width(), 0, true, AllowHide);
        SetScrollBarInfo(sbVertical, 0, ContentHeight - 1, 1, client.Height(), 0, true, AllowHide);
    }
    void LookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues) override {
        if (OnLookAndFeelChanged) {
            OnLookAndFeelChanged();
        }
    }
    void Scroll(TScrollBarKind kind, TScrollCode code, int32_t&) override {
        (kind == sbVertical ? VerticalScrolls : HorizontalScrolls).push_back(code);
    }
    void Paint() override {
        PaintDCType = GetObjectType(Canvas().Handle());
        TuiControl::Paint();
    }
};

class TuiControlTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 300);
        Control = new TContentControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(20, 20, 200, 150);
        Control->HandleNeeded();
        ui_test::ProcessPendingMessages();
    }
    int32_t BarThickness() const { return GetSystemMetrics(SM_CXVSCROLL); }

    ui_test::TFormPtr<vcl::TForm> Form;
    TContentControl* Control = nullptr;
};

// Ctrl held, as the keyboard itself reports it, while the object lives.
class TControlKeyHeld final : public TuiKeyboardQuery {
public:
    TControlKeyHeld() : FPrevious(KeyboardQuery().Inject(this)) {}
    ~TControlKeyHeld() override { KeyboardQuery().Inject(FPrevious); }
    bool ControlKeyDown() const override { return true; }

private:
    TuiKeyboardQuery* FPrevious;
};

TEST_F(TuiControlTest, DrawingBeforeTheWindowExistsGoesToAScreenCanvas) {
    auto* fresh = new TContentControl(Form.get());
    TuiCanvas& before = fresh->DrawingCanvas();
    EXPECT_NE(&before, &fresh->UICanvas());
    EXPECT_NE(before.Handle(), nullptr);
    fresh->SetParent(Form.get());
    fresh->HandleNeeded();
    EXPECT_EQ(&fresh->DrawingCanvas(), &fresh->UICanvas());
}

TEST_F(TuiControlTest, TextMeasuresOnTheDrawingCanvasAsOnTheScreenAfterEveryKindOfPaint) {
    constexpr char16_t caption[] = u"Wide caption";
    TuiScreenCanvas screen;
    screen.SetFont(Control->Font());
    const int32_t expected = screen.GetTextWidth(caption);
    ASSERT_GT(expected, 0);
    const auto measured = [&] {
        TuiCanvas& canvas = Control->DrawingCanvas();
        canvas.SetFont(Control->Font());
        return canvas.GetTextWidth(caption);
    };
    EXPECT_EQ(measured(), expected) << "once shown";
    ui_test::TDibSurface surface(200, 150);
    ui_test::PaintControl(*Control, surface);
    EXPECT_EQ(measured(), expected) << "after a paint into a given device context";
    for (const uint32_t minor : {1u, 2u}) {
        SCOPED_TRACE(minor == 1 ? "the window painted through a bitmap" : "the window painted directly");
        const ui_test::TPinnedSystemInfo pinned({uxPlatformWinNT, 6, minor});
        Control->Invalidate();
        Control->Update();
        EXPECT_EQ(measured(), expected);
    }
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(measured(), expected) << "after the application went idle";
}

TEST_F(TuiControlTest, WantedKeysGiveTheDialogCodeWithoutTabWhileCtrlIsDown) {
    EXPECT_EQ(Control->Perform(WM_GETDLGCODE), 0);
    Control->SetKeys({kArrows, kChars, kTab});
    EXPECT_EQ(Control->Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB);
    {
        const TControlKeyHeld ctrl;
        EXPECT_EQ(Control->Perform(WM_GETDLGCODE), DLGC_WANTARROWS | DLGC_WANTCHARS);
    }
    Control->SetKeys({kAll});
    EXPECT_EQ(Control->Perform(WM_GETDLGCODE), DLGC_WANTALLKEYS);
}

TEST_F(TuiControlTest, TheBackgroundIsErasedOnlyWhenTheMessageCarriesItsDeviceContextTwice) {
    Control->SetParentBackground(false);
    Control->SetColor(vcl::clLime);
    ui_test::TDibSurface surface(20, 20);
    surface.Fill(vcl::clFuchsia);
    const auto dc = reinterpret_cast<uintptr_t>(surface.DC());
    EXPECT_EQ(Control->Perform(WM_ERASEBKGND, dc, 0), 0);
    GdiFlush();
    EXPECT_EQ(surface.Pixel(5, 5), vcl::clFuchsia);
    Control->Perform(WM_ERASEBKGND, dc, static_cast<intptr_t>(dc));
    GdiFlush();
    EXPECT_EQ(surface.Pixel(5, 5), vcl::clLime);
}

TEST_F(TuiControlTest, APressFarOutOnAWideControlKeepsItsCoordinate) {
    vcl::TPoint seen{-1, -1};
    Control->SetOnMouseDown([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t x, int32_t y) {
        seen = {x, y};
    });
    Control->SetBounds(-32700, 20, 41000, 150);
    ui_test::MouseDown(*Control, vcl::mbLeft, {32800, 30});
    ui_test::MouseUp(*Control, vcl::mbLeft, {32800, 30});
    EXPECT_EQ(seen, vcl::Point(32800, 30));
    EXPECT_EQ(Control->MouseDownPos(), vcl::Point(32800, 30));
}

TEST_F(TuiControlTest, APressOnAControlThatTakesNoFocusFiresNothingAndFreesTheCapture) {
    int presses = 0;
    Control->SetOnMouseDown([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int32_t, int32_t) { ++presses; });
    Control->RefuseFocus = true;
    ui_test::MouseDown(*Control, vcl::mbLeft, {30, 30});
    EXPECT_EQ(presses, 0);
    EXPECT_FALSE(Control->MouseCapture());
    ui_test::MouseUp(*Control, vcl::mbLeft, {30, 30});

    Control->RefuseFocus = false;
    ui_test::MouseDown(*Control, vcl::mbLeft, {30, 30});
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(Control->MouseCapture());
    ui_test::MouseUp(*Control, vcl::mbLeft, {30, 30});
}

TEST_F(TuiControlTest, Windows7PaintsThroughABitmapAndLaterVersionsOnTheWindow) {
    const struct {
        uint32_t Minor;
        DWORD PaintedOn;
    } cases[] = {{1, OBJ_MEMDC}, {2, OBJ_DC}};
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.Minor);
        const ui_test::TPinnedSystemInfo pinned({uxPlatformWinNT, 6, testCase.Minor});
        Control->PaintDCType = 0;
        Control->Invalidate();
        Control->Update();
        EXPECT_EQ(Control->PaintDCType, testCase.PaintedOn);
    }
}

TEST_F(TuiControlTest, BarsShowOnlyForContentThatDoesNotFitAndTheGripJoinsTwoBars) {
    Control->SetContent(190, 140);
    EXPECT_FALSE(Control->IsHScrollBarVisible());
    EXPECT_FALSE(Control->IsVScrollBarVisible());

    Control->SetContent(205, 155);
    EXPECT_TRUE(Control->IsHScrollBarVisible());
    EXPECT_TRUE(Control->IsVScrollBarVisible());
    EXPECT_TRUE(Control->SizeGrip()->Visible());
    EXPECT_EQ(Control->VScrollBar()->BoundsRect(), vcl::Rect(200 - BarThickness(), 0, 200, 150 - BarThickness()));
    EXPECT_EQ(Control->GetClientBounds(), vcl::Rect(0, 0, 200 - BarThickness(), 150 - BarThickness()));

    Control->SetContent(100, 100);
    EXPECT_FALSE(Control->SizeGrip()->Visible());
}

TEST_F(TuiControlTest, BarsNeededOnlyBecauseOfEachOtherAreBothDropped) {
    Control->PagesLessBothBars = true;
    Control->SetContent(200 - BarThickness() / 2, 150 - BarThickness() / 2);
    EXPECT_FALSE(Control->IsHScrollBarVisible());
    EXPECT_FALSE(Control->IsVScrollBarVisible());
    Control->SetContent(201, 151);
    EXPECT_TRUE(Control->IsHScrollBarVisible());
    EXPECT_TRUE(Control->IsVScrollBarVisible());
}

TEST_F(TuiControlTest, NothingToScrollHidesABarThatMayHideAndDisablesOneThatMayNot) {
    Control->SetContent(100, 100);
    EXPECT_FALSE(Control->IsVScrollBarVisible());
    Control->AllowHide = false;
    Control->CallUpdateScrollBars();
    EXPECT_TRUE(Control->IsVScrollBarVisible());
    EXPECT_FALSE(Control->VScrollBar()->Enabled());
    Control->SetContent(100, 400);
    EXPECT_TRUE(Control->VScrollBar()->Enabled());
}

TEST_F(TuiControlTest, ALayoutThatTogglesABarShowsItDisabled) {
    Control->Toggling = true;
    Control->CallUpdateScrollBars();
    EXPECT_TRUE(Control->IsVScrollBarVisible());
    EXPECT_FALSE(Control->VScrollBar()->Enabled());
}

TEST_F(TuiControlTest, AnAnswerThatNeverSettlesEndsTheCalculationAfterAFewRounds) {
    Control->Flipping = true;
    Control->Calculations = 0;
    Control->CallUpdateScrollBars();
    EXPECT_GT(Control->Calculations, 1);
    EXPECT_LT(Control->Calculations, 50);
}

// The page is checked against the length of the range, so a range below zero takes a page above its maximum.
TEST_F(TuiControlTest, ABarOverANegativeRangeTakesAPageLargerThanItsMaximum) {
    Control->OwnRange = true;
    Control->RangeMin = -100;
    Control->RangeMax = 10;
    Control->RangePage = 50;
    EXPECT_NO_THROW(Control->CallUpdateScrollBars());
    ASSERT_TRUE(Control->IsVScrollBarVisible());
    EXPECT_TRUE(Control->VScrollBar()->Enabled());
    EXPECT_EQ(Control->VScrollBar()->Min(), -100);
    EXPECT_EQ(Control->VScrollBar()->PageSize(), 50);
}

TEST_F(TuiControlTest, ASettingsChangeOfTheSystemReachesTheControl) {
    Control->SetContent(1000, 1000);
    Control->VScrollBar()->SetWidth(5);
    SendMessageW(SettingsController()->Window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    PumpMessages(10);
    EXPECT_EQ(Control->VScrollBar()->Width(), GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(TuiControlTest, AVerticalOnlySettingNeverShowsTheHorizontalBar) {
    Control->SetScrollBars(vcl::ssVertical);
    Control->SetContent(1000, 1000);
    EXPECT_FALSE(Control->IsHScrollBarVisible());
    EXPECT_TRUE(Control->IsVScrollBarVisible());
    Control->EndScrollBarsUpdate();
    Control->SetScrollBars(vcl::ssNone);
    EXPECT_FALSE(Control->IsVScrollBarVisible());
}

TEST_F(TuiControlTest, LockedUpdatesRunOnceAtTheLastUnlock) {
    Control->BeginScrollBarsUpdate();
    Control->BeginScrollBarsUpdate();
    Control->SetContent(1000, 1000);
    EXPECT_FALSE(Control->IsVScrollBarVisible());
    Control->EndScrollBarsUpdate();
    EXPECT_FALSE(Control->IsVScrollBarVisible());
    Control->EndScrollBarsUpdate();
    EXPECT_TRUE(Control->IsVScrollBarVisible());
}

TEST_F(TuiControlTest, AWheelNotchScrollsAsManyLinesAsTheSystemSays) {
    Control->SetContent(100, 1000);
    Control->SetFocus();
    ui_test::MouseWheel(*Control, -WHEEL_DELTA, {30, 30});
    EXPECT_EQ(vcl::Mouse().WheelScrollLines(), 3);
    EXPECT_EQ(Control->VerticalScrolls, std::vector<TScrollCode>(3, scLineDown));
    Control->VerticalScrolls.clear();
    ui_test::MouseWheel(*Control, WHEEL_DELTA, {30, 30});
    EXPECT_EQ(Control->VerticalScrolls, std::vector<TScrollCode>(3, scLineUp));
}

TEST_F(TuiControlTest, AClickOnABuiltInBarScrollsThroughTheControl) {
    Control->SetContent(100, 1000);
    TuiControlScrollBar& bar = *Control->VScrollBar();
    ui_test::Click(bar, {5, bar.Height() - 3});
    EXPECT_EQ(Control->VerticalScrolls.front(), scLineDown);
    EXPECT_EQ(Control->VerticalScrolls.back(), scEndScroll);
    EXPECT_TRUE(Control->Focused());
}

TEST_F(TuiControlTest, TheControlAndItsBuiltInBarsDrawWithItsLookAndFeel) {
    int changes = 0;
    Control->OnLookAndFeelChanged = [&] { ++changes; };
    ASSERT_EQ(Control->VScrollBar()->LookAndFeel().Master(), &Control->LookAndFeel());
    for (const TuiLookAndFeelKind kind : {lfFlat, lfStandard}) {
        Control->LookAndFeel().SetKind(kind);
        EXPECT_EQ(Control->GetPainter(), Control->LookAndFeel().ActivePainter());
        EXPECT_EQ(Control->VScrollBar()->LookAndFeel().Kind(), kind);
        EXPECT_EQ(Control->HScrollBar()->GetPainter(), Control->LookAndFeel().PainterForObjectType(totScrollBar));
        EXPECT_EQ(Control->SizeGrip()->LookAndFeel().Kind(), kind);
    }
    EXPECT_EQ(changes, 2);
}

// A menu of the library's own kind: F5 is its short-cut; it records where it popped up.
class TRecordingPopupMenu : public rtl::TComponent, public IuiPopupMenu {
    RTL_DECLARE_CLASS(TRecordingPopupMenu, rtl::TComponent)
public:
    explicit TRecordingPopupMenu(rtl::TComponent* owner) : TComponent(owner) {}
    bool IsShortCut(const vcl::TMessage& message) override { return message.WParam == VK_F5; }
    void Popup(int32_t x, int32_t y) override { Popups.push_back({x, y}); }
    std::vector<vcl::TPoint> Popups;
};

TEST_F(TuiControlTest, PopupMenuShortCutsOfTheControlAndItsParentsAreTakenAndTheMenuPopsUp) {
    auto* child = new TContentControl(Form.get());
    child->SetParent(Control);
    child->SetBounds(5, 5, 50, 50);
    auto* menu = new TRecordingPopupMenu(Form.get());
    Control->SetPopupMenuComponent(menu);
    EXPECT_EQ(Control->Perform(vcl::CN_KEYDOWN, VK_F5), 1);
    EXPECT_EQ(child->Perform(vcl::CN_KEYDOWN, VK_F5), 1);
    EXPECT_EQ(child->Perform(vcl::CN_KEYDOWN, VK_F6), 0);

    Control->Perform(WM_CONTEXTMENU, reinterpret_cast<uintptr_t>(Control->Handle()), -1);
    ASSERT_EQ(menu->Popups.size(), 1u);
    EXPECT_EQ(menu->Popups[0], Control->ClientToScreen({0, 0}));

    Control->SetPopupMenuComponent(new rtl::TComponent(Form.get()));
    EXPECT_EQ(Control->PopupMenuComponent(), nullptr);
    Control->SetPopupMenuComponent(menu);
    delete menu;
    EXPECT_EQ(Control->PopupMenuComponent(), nullptr);
    EXPECT_EQ(Control->Perform(vcl::CN_KEYDOWN, VK_F5), 0);
}

// A descendant whose presses start the library's drag-and-drop.
class TDraggingControl : public TContentControl {
    RTL_DECLARE_CLASS(TDraggingControl, TContentControl)
public:
    using TContentControl::TContentControl;

protected:
    bool StartDragAndDrop(vcl::TPoint) override { return true; }
};

TEST_F(TuiControlTest, TheLibrarysDragStartsOutsideThePressSquareAndAKeyCancelsIt) {
    auto* dragging = new TDraggingControl(Form.get());
    dragging->SetParent(Form.get());
    dragging->SetBounds(240, 20, 100, 100);
    const int32_t threshold = vcl::Mouse().DragThreshold();
    ui_test::MouseDown(*dragging, vcl::mbLeft, {50, 50});
    EXPECT_EQ(dragging->DragAndDropState(), ddsStarting);
    ui_test::MouseMove(*dragging, {50 + threshold - 1, 50}, {vcl::ssLeft});
    EXPECT_EQ(dragging->DragAndDropState(), ddsStarting);
    ui_test::MouseMove(*dragging, {50 + threshold, 50}, {vcl::ssLeft});
    EXPECT_EQ(dragging->DragAndDropState(), ddsInProcess);
    EXPECT_EQ(dragging->DragAndDropObject().CurMousePos(), vcl::Point(50 + threshold, 50));

    EXPECT_EQ(dragging->Perform(vcl::CN_KEYDOWN, 'A'), 1);
    EXPECT_EQ(dragging->DragAndDropState(), ddsNone);
    EXPECT_FALSE(dragging->MouseCapture());
    ui_test::MouseUp(*dragging, vcl::mbLeft, {50 + threshold, 50});
}

// An automatically dragged control: the press runs the drag-detection loop, which a test drives from inside.
class AutomaticDragTest : public TuiControlTest {
protected:
    void SetUp() override {
        TuiControlTest::SetUp();
        Control->SetDragMode(vcl::dmAutomatic);
    }
    void PostToCapture(UINT msg, vcl::TPoint point, WPARAM keys) {
        const vcl::TPoint screen = Control->ClientToScreen(point);
        SetCursorPos(screen.X, screen.Y);
        PostMessageW(GetCapture(), msg, keys, vcl::PointToLParam(point));
    }
    const vcl::TPoint Press{60, 60};
};

TEST_F(AutomaticDragTest, APressReleasedInsideThePressSquareStartsNoDrag) {
    const int32_t threshold = vcl::Mouse().DragThreshold();
    ui_test::RunLater(30, [&] { PostToCapture(WM_MOUSEMOVE, {Press.X + threshold - 1, Press.Y}, MK_LBUTTON); });
    ui_test::RunLater(80, [&] { PostToCapture(WM_LBUTTONUP, {Press.X + threshold - 1, Press.Y}, 0); });
    ui_test::MouseDown(*Control, vcl::mbLeft, Press);
    EXPECT_EQ(vcl::DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(AutomaticDragTest, LeavingThePressSquareStartsTheDragAtOnceAndCtrlShowsTheCopyCursor) {
    const int32_t threshold = vcl::Mouse().DragThreshold();
    ui_test::RunLater(30, [&] { PostToCapture(WM_MOUSEMOVE, {Press.X, Press.Y + threshold}, MK_LBUTTON); });
    ui_test::MouseDown(*Control, vcl::mbLeft, Press);
    ASSERT_EQ(vcl::DragControl(), Control);
    auto* object = dynamic_cast<TuiDragControlObject*>(vcl::DragObject());
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetDragCursor(true, 0, 0), vcl::crDrag);
    {
        const TControlKeyHeld ctrl;
        EXPECT_EQ(object->GetDragCursor(true, 0, 0), crDragCopy);
        EXPECT_EQ(object->GetDragCursor(false, 0, 0), vcl::crNoDrop);
    }
    vcl::EndControlDrag(false);
    EXPECT_EQ(vcl::DragControl(), nullptr);
}

// A control that is redrawn whole on resize takes its see-through children along when it is invalidated.
class TResizeRedrawnControl : public TContentControl {
    RTL_DECLARE_CLASS(TResizeRedrawnControl, TContentControl)
public:
    using TContentControl::TContentControl;
    bool NeedsRedrawOnResize() const override { return true; }
};

TEST_F(TuiControlTest, InvalidatingAControlTakesItsSeeThroughChildrenAlongWhenItRedrawsOnResize) {
    const auto invalidArea = [](vcl::TWinControl& control) {
        RECT area{};
        GetUpdateRect(control.WindowHandle(), &area, FALSE);
        return area.right > area.left;
    };
    for (const bool redrawnOnResize : {false, true}) {
        SCOPED_TRACE(redrawnOnResize);
        TContentControl* parent =
            redrawnOnResize ? new TResizeRedrawnControl(Form.get()) : new TContentControl(Form.get());
        parent->SetParent(Form.get());
        parent->SetBounds(240, 20, 100, 100);
        auto* child = new TContentControl(Form.get());
        child->SetParent(parent);
        child->SetBounds(10, 10, 30, 30);
        child->HandleNeeded();
        UpdateWindowNow(Form.get());
        ASSERT_FALSE(invalidArea(*child));
        parent->Invalidate();
        EXPECT_TRUE(invalidArea(*parent));
        EXPECT_EQ(invalidArea(*child), redrawnOnResize);
        UpdateWindowNow(parent);
        EXPECT_FALSE(invalidArea(*child));
        delete parent;
    }
}

TEST_F(TuiControlTest, AControlListensToTheLibrarysTranslationsWhileItLives) {
    const int32_t before = GetResourceStringsRepository().GetListenerCount();
    auto* another = new TContentControl(Form.get());
    EXPECT_EQ(GetResourceStringsRepository().GetListenerCount(), before + 1);
    delete another;
    EXPECT_EQ(GetResourceStringsRepository().GetListenerCount(), before);
}

TEST_F(TuiControlTest, ChildComponentsBelongToTheControlUntilEitherGoes) {
    auto* owned = new TuiControlChildComponent(Control, true);
    EXPECT_EQ(owned->Control(), Control);
    EXPECT_EQ(owned->Owner(), Form.get());
    auto* loose = new TuiControlChildComponent(Control, false);
    EXPECT_EQ(loose->Owner(), nullptr);
    delete owned;
    delete Control;
    Control = nullptr;
    EXPECT_EQ(loose->Control(), nullptr);
    delete loose;
}

TEST_F(TuiControlTest, TheHolderOfTheMouseCaptureHearsWhenAnotherTakesIt) {
    struct TCaptureHolder : rtl::TObject, IuiMouseCaptureObject {
        void DoCancelMode() override { ++Cancels; }
        int Cancels = 0;
    } first, second;
    Control->SetMouseCaptureObject(&first);
    EXPECT_TRUE(Control->MouseCapture());
    Control->SetMouseCaptureObject(&first);
    EXPECT_EQ(first.Cancels, 0);
    Control->SetMouseCaptureObject(&second);
    EXPECT_EQ(first.Cancels, 1);
    Control->SetMouseCaptureObject(nullptr);
    EXPECT_EQ(second.Cancels, 1);
    EXPECT_FALSE(Control->MouseCapture());
}

TEST(PanningStepAt, TheSpeedGrowsWithTheDistanceBeyondTheNeutralZone) {
    const vcl::TPoint anchor{500, 400};
    const struct {
        vcl::TPoint Point;
        bool Horizontal, Vertical;
        TuiDirection Direction;
        int32_t Speed;
    } cases[] = {
        {{510, 410}, true, true, dirNone, 0},  {{514, 400}, true, true, dirRight, 1},
        {{500, 385}, true, true, dirUp, 1},    {{500, 469}, true, true, dirDown, 12},
        {{500, 468}, true, true, dirDown, 11}, {{430, 405}, true, true, dirLeft, 12},
        {{900, 400}, false, true, dirNone, 0}, {{900, 420}, false, true, dirDown, 2},
        {{500, 900}, true, false, dirNone, 0}, {{460, 900}, true, false, dirLeft, 6},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testing::Message() << testCase.Point.X << "," << testCase.Point.Y);
        const TuiPanningStep step = PanningStepAt(anchor, testCase.Point, 28, testCase.Horizontal, testCase.Vertical);
        EXPECT_EQ(step.Direction, testCase.Direction);
        EXPECT_EQ(step.Speed, testCase.Speed);
        EXPECT_EQ(step.OutsideNeutralZone, testCase.Direction != dirNone);
    }
}

// The panning mode runs its own loop inside the press: a test acts through actions that run inside it.
class PanningTest : public TuiControlTest {
protected:
    void SetUp() override {
        TuiControlTest::SetUp();
        Control->SetContent(1000, 1000);
        Control->SetOnMouseDown([this](rtl::TObject*, vcl::TMouseButton button, vcl::TShiftState, int32_t, int32_t) {
            Presses.push_back(button);
        });
    }
    // Posts a mouse message to the control's window with the pointer at client point.
    void Post(UINT msg, vcl::TPoint point, WPARAM keys = 0) {
        const vcl::TPoint screen = Control->ClientToScreen(point);
        SetCursorPos(screen.X, screen.Y);
        PostMessageW(Control->WindowHandle(), msg, keys, vcl::PointToLParam(point));
    }
    size_t Scrolls() const { return Control->VerticalScrolls.size() + Control->HorizontalScrolls.size(); }

    const vcl::TPoint Anchor{90, 60};
    std::vector<vcl::TMouseButton> Presses;
};

TEST_F(PanningTest, AClickWithoutMovingKeepsTheModeAndTheNextClickEndsItUnseen) {
    bool runningAfterRelease = false;
    ui_test::RunLater(60, [&] { Post(WM_MBUTTONUP, Anchor); });
    ui_test::RunLater(200, [&] {
        runningAfterRelease = Control->IsScrollingContent();
        Post(WM_MBUTTONDOWN, Anchor, MK_MBUTTON);
    });
    ui_test::MouseDown(*Control, vcl::mbMiddle, Anchor);
    EXPECT_TRUE(runningAfterRelease);
    EXPECT_FALSE(Control->IsScrollingContent());
    EXPECT_EQ(Presses, std::vector<vcl::TMouseButton>{vcl::mbMiddle});
    EXPECT_EQ(GetCapture(), nullptr);
    ui_test::MouseUp(*Control, vcl::mbMiddle, Anchor);
}

TEST_F(PanningTest, JustOutsideTheZoneItStepsEvery240msAndFarOutOnEveryTick) {
    size_t slowSteps = 0;
    size_t fastSteps = 0;
    ui_test::RunLater(20, [&] { Post(WM_MOUSEMOVE, {Anchor.X, Anchor.Y + 15}, MK_MBUTTON); });
    ui_test::RunLater(520, [&] {
        slowSteps = Scrolls();
        Post(WM_MOUSEMOVE, {Anchor.X, Anchor.Y + 14 + 55}, MK_MBUTTON);
    });
    ui_test::RunLater(820, [&] {
        fastSteps = Scrolls() - slowSteps;
        PostMessageW(Control->WindowHandle(), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    ui_test::MouseDown(*Control, vcl::mbMiddle, Anchor);
    EXPECT_GE(slowSteps, 1u);
    EXPECT_LE(slowSteps, 3u);
    EXPECT_GE(fastSteps, 8u);
    EXPECT_EQ(Control->VerticalScrolls.front(), scLineDown);
    EXPECT_FALSE(Control->IsScrollingContent());
    EXPECT_EQ(GetCapture(), nullptr);
    ui_test::MouseUp(*Control, vcl::mbMiddle, Anchor);
}

TEST_F(PanningTest, LosingTheCaptureEndsTheModeCleanly) {
    ui_test::RunLater(60, [] { ReleaseCapture(); });
    ui_test::MouseDown(*Control, vcl::mbMiddle, Anchor);
    EXPECT_FALSE(Control->IsScrollingContent());
    ui_test::MouseUp(*Control, vcl::mbMiddle, Anchor);
}

} // namespace
} // namespace ui
