// The scroll bar as a user drives it: its range rules, its layout, the auto-repeat of a held button, the thumb drag
// with its snapping back, and what it paints, read from a painter that records each part and state it is asked for.

#include "ui/core/painters/uiScrollBar.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/painters/uiPainterRegistry.h"

#include <algorithm>
#include <climits>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::PumpMessages;
using ui_test::PumpUntil;

struct TRecordedScrollBarPart {
    TuiScrollBarPart Part;
    TuiButtonState State;
    vcl::TRect Rect;
};

// A look that records the scroll-bar parts it paints and answers the least thumb length and hot tracking a test sets.
class TRecordingScrollBarPainter final : public TuiCustomLookAndFeelPainter {
public:
    int32_t ScrollBarThumbMinSize(bool) const override { return LeastThumb; }
    bool HotTracksButtons() const override { return HotTracks; }
    // A plain fill, so that only the bar's own part requests reach the record.
    void PaintScrollBarBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool) const override {
        canvas.Canvas().Brush().SetColor(vcl::clSilver);
        canvas.Canvas().FillRect(rect);
    }
    void PaintScrollBarElement(TuiCanvas& canvas, bool horizontal, const vcl::TRect& rect, TuiScrollBarPart part,
                               TuiButtonState state) const override {
        Parts.push_back({part, state, rect});
        TuiCustomLookAndFeelPainter::PaintScrollBarElement(canvas, horizontal, rect, part, state);
    }
    const TRecordedScrollBarPart* Find(TuiScrollBarPart part) const {
        for (const TRecordedScrollBarPart& recorded : Parts) {
            if (recorded.Part == part) {
                return &recorded;
            }
        }
        return nullptr;
    }

    int32_t LeastThumb = 8;
    bool HotTracks = false;
    mutable std::vector<TRecordedScrollBarPart> Parts;
};

// A bar drawn with a recording painter that logs every OnScroll and OnChange.
class TRecordedScrollBar : public TuiScrollBar {
    RTL_DECLARE_CLASS(TRecordedScrollBar, TuiScrollBar)
public:
    explicit TRecordedScrollBar(rtl::TComponent* owner) : TuiScrollBar(owner) {
        SetOnScroll([this](rtl::TObject*, TScrollCode code, int32_t& position) {
            Scrolls.push_back({code, position});
        });
        SetOnChange([this](rtl::TObject*) { ++Changes; });
        UsePainter();
    }
    TuiLookAndFeelPainterClass GetPainter() const override { return &Recorder; }
    // Takes the recorder's least thumb length and lays the bar out again.
    void UsePainter() {
        ViewInfo().UpdateMinThumbSize();
        ViewInfo().Recalculate();
    }
    TuiButtonState StateOf(TuiScrollBarPart part) const { return PartState(part); }

    struct TScroll {
        TScrollCode Code;
        int32_t Position;
        friend bool operator==(const TScroll&, const TScroll&) = default;
        friend void PrintTo(const TScroll& scroll, std::ostream* out) {
            *out << "{code " << int(scroll.Code) << ", position " << scroll.Position << "}";
        }
    };
    std::vector<TScroll> Scrolls;
    int Changes = 0;
    TRecordingScrollBarPainter Recorder;
};

int32_t ScrollBarArrowLength() {
    return GetSystemMetrics(SM_CYHSCROLL);
}

// A horizontal bar whose track is trackLength pixels long, on a shown form.
class ScrollBarTest : public testing::Test {
protected:
    void PlaceBar(int32_t trackLength, int32_t height = 17) {
        Form = ui_test::ShowNewTestForm(600, 300);
        Bar = new TRecordedScrollBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetBounds(20, 100, 2 * ScrollBarArrowLength() + trackLength, height);
        Bar->HandleNeeded();
        ui_test::ProcessPendingMessages();
    }
    // The position a thumb of 20 on a track of 200 (range 0-100, page 10) shows moved by offset pixels.
    static int32_t DraggedPosition(int32_t offset) { return MulDiv(91, offset, 180); }
    vcl::TPoint ThumbCentre() const {
        const vcl::TRect& thumb = Bar->ViewInfo().ThumbRect();
        return {(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TRecordedScrollBar* Bar = nullptr;
};

TEST(TuiScrollBar, ANewBarIsHorizontalWithTheSystemHeightAndTheRangeOfAHundred) {
    TRecordedScrollBar bar(nullptr);
    EXPECT_EQ(bar.Width(), 121);
    EXPECT_EQ(bar.Height(), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(bar.Kind(), sbHorizontal);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.PageSize(), 0);
    EXPECT_TRUE(bar.ControlStyle().Contains(vcl::csOpaque));
    void* marker = nullptr;
    EXPECT_TRUE(bar.QueryInterface(IuiSkinDrawnMarker::IID, &marker));
    EXPECT_FALSE(bar.ControlStyle().Contains(vcl::csClickEvents));
}

// A skin painter registered under a name while the object lives.
class TRegisteredTestSkin {
public:
    explicit TRegisteredTestSkin(const TuiCustomLookAndFeelPainter& painter) {
        std::unique_ptr<rtl::TObject> data = std::make_unique<rtl::TObject>();
        ExtendedStylePainters()->Register(Name, &painter, data);
    }
    ~TRegisteredTestSkin() { ExtendedStylePainters()->Unregister(Name); }
    TRegisteredTestSkin(const TRegisteredTestSkin&) = delete;
    TRegisteredTestSkin& operator=(const TRegisteredTestSkin&) = delete;

    static constexpr char16_t Name[] = u"ScrollBarTestSkin";
};

TEST(TuiScrollBar, AWindowDrawnByASkinHasNo3DFrameButKeepsTheFlagItWasGiven) {
    const TRecordingScrollBarPainter skinPainter;
    const TRegisteredTestSkin skin(skinPainter);
    TuiScrollBar bar(nullptr);
    bar.SetCtl3D(true);
    bar.LookAndFeel().SetSkinName(TRegisteredTestSkin::Name);
    ASSERT_EQ(bar.LookAndFeel().ActivePainter(), &skinPainter);
    EXPECT_FALSE(bar.vcl::TWinControl::Ctl3D());
    EXPECT_TRUE(bar.Ctl3D());
    bar.LookAndFeel().SetSkinName(u"");
    EXPECT_TRUE(bar.vcl::TWinControl::Ctl3D());
    EXPECT_TRUE(bar.Ctl3D());

    bar.SetCtl3D(false);
    bar.LookAndFeel().SetSkinName(TRegisteredTestSkin::Name);
    EXPECT_FALSE(bar.Ctl3D());
    bar.LookAndFeel().SetSkinName(u"");
    EXPECT_FALSE(bar.vcl::TWinControl::Ctl3D());
}

TEST(TuiScrollBar, ARangeOutOfOrderIsRefusedAndChangesNothing) {
    TRecordedScrollBar bar(nullptr);
    bar.SetScrollValues(0, 100, 40, 10);
    const struct {
        const char* Name;
        int32_t Min, Max, Page;
    } refused[] = {{"max below min", 0, -1, 0}, {"page beyond the range", 0, 100, 102}, {"negative page", 0, 100, -1}};
    for (const auto& values : refused) {
        SCOPED_TRACE(values.Name);
        try {
            bar.SetScrollValues(values.Min, values.Max, 40, values.Page);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::EInvalidOperation& error) {
            EXPECT_EQ(error.Message(), SScrollBarRange);
        }
        EXPECT_EQ(bar.Min(), 0);
        EXPECT_EQ(bar.Max(), 100);
        EXPECT_EQ(bar.Position(), 40);
        EXPECT_EQ(bar.PageSize(), 10);
    }
    EXPECT_THROW(bar.SetMax(-5), rtl::EInvalidOperation);
}

TEST(TuiScrollBar, OnChangeFiresExactlyWhenThePositionChanges) {
    TRecordedScrollBar bar(nullptr);
    bar.SetPosition(500);
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(bar.Changes, 1);
    bar.SetScrollValues(0, 100, 100, 0);
    EXPECT_EQ(bar.Changes, 1);
    bar.SetPageSize(10);
    EXPECT_EQ(bar.Changes, 1);
    bar.SetMax(50);
    EXPECT_EQ(bar.Position(), 50);
    EXPECT_EQ(bar.Changes, 2);
}

// A bar's page is checked against the length of its range, so a negative minimum leaves room for a page larger
// than the maximum; the whole 32-bit range lays out without overflow.
TEST(TuiScrollBar, NegativeAndFullRangesLayOutTheThumbInsideTheTrack) {
    TRecordedScrollBar bar(nullptr);
    bar.SetBounds(0, 0, 2 * ScrollBarArrowLength() + 200, 17);
    bar.SetScrollValues(-100, 10, -100, 50);
    EXPECT_EQ(bar.PageSize(), 50);
    EXPECT_EQ(bar.ViewInfo().ThumbLength(), MulDiv(50, 200, 111));
    EXPECT_EQ(bar.ViewInfo().ThumbStart(), bar.ViewInfo().TrackStart());

    bar.SetScrollValues(INT_MIN, INT_MAX, INT_MAX, 1);
    const TuiScrollBarViewInfo& info = bar.ViewInfo();
    EXPECT_EQ(info.ThumbLength(), 8);
    EXPECT_EQ(info.ThumbStart() + info.ThumbLength(), info.TrackStart() + info.TrackLength());
    bar.SetPosition(INT_MIN);
    EXPECT_EQ(info.ThumbStart(), info.TrackStart());
}

TEST(TuiScrollBar, APositionChangeLeavesADisabledBarDisabled) {
    TRecordedScrollBar bar(nullptr);
    bar.SetEnabled(false);
    bar.SetScrollValues(0, 100, 60, 10);
    EXPECT_FALSE(bar.Enabled());
    EXPECT_EQ(bar.Position(), 60);
    EXPECT_TRUE(bar.ViewInfo().ThumbRect().IsEmpty());
}

TEST(TuiScrollBar, AnOnScrollHandlerDecidesThePositionWithinTheRange) {
    TRecordedScrollBar bar(nullptr);
    bar.SetOnScroll([](rtl::TObject*, TScrollCode code, int32_t& position) {
        if (code == scLineDown) {
            position = 250;
        }
    });
    bar.ScrollByCode(scLineDown);
    EXPECT_EQ(bar.Position(), 100);
    EXPECT_EQ(bar.Changes, 1);
    bar.ScrollByCode(scTop);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ScrollBarTest, ATrackShorterThanTheLeastThumbShowsNoThumbAndAPressBetweenTheButtonsHitsNothing) {
    PlaceBar(6);
    Bar->SetScrollValues(0, 100, 0, 10);
    const TuiScrollBarViewInfo& info = Bar->ViewInfo();
    EXPECT_EQ(info.LineUpButtonRect(), vcl::Rect(0, 0, ScrollBarArrowLength(), 17));
    EXPECT_EQ(info.TrackLength(), 6);
    EXPECT_TRUE(info.ThumbRect().IsEmpty());
    EXPECT_TRUE(info.PageUpRect().IsEmpty());
    EXPECT_TRUE(info.PageDownRect().IsEmpty());
    const vcl::TPoint between{ScrollBarArrowLength() + 3, 8};
    EXPECT_EQ(Bar->PartAtPoint(between), sbpNone);
    ui_test::Click(*Bar, between);
    EXPECT_TRUE(Bar->Scrolls.empty());
    EXPECT_EQ(Bar->Position(), 0);
}

TEST_F(ScrollBarTest, TheThumbOfAPageIsProportionalAndEndsAtTheTrackEndAtTheLastPosition) {
    PlaceBar(200);
    Bar->SetScrollValues(0, 100, 0, 10);
    const TuiScrollBarViewInfo& info = Bar->ViewInfo();
    EXPECT_EQ(info.ThumbLength(), 20);
    EXPECT_EQ(info.PageUpRect().Width(), 0);
    Bar->SetPosition(91);
    EXPECT_EQ(info.ThumbStart() + info.ThumbLength(), info.TrackStart() + info.TrackLength());
    EXPECT_EQ(info.PageUpRect(), vcl::Rect(info.TrackStart(), 0, info.ThumbStart(), 17));

    Bar->SetScrollValues(10, 19, 10, 10);
    EXPECT_EQ(info.ThumbLength(), info.TrackLength());
    ui_test::MouseDown(*Bar, vcl::mbLeft, ThumbCentre());
    ui_test::MouseMove(*Bar, {ThumbCentre().X + 30, 8}, {vcl::ssLeft});
    ui_test::MouseUp(*Bar, vcl::mbLeft, {ThumbCentre().X + 30, 8});
    EXPECT_EQ(Bar->Position(), 10);
}

TEST_F(ScrollBarTest, AHeldLineButtonStepsAtThePressAfter400msThenEvery60msAndPausesOffTheButton) {
    PlaceBar(200);
    Bar->SetMax(10000);
    const vcl::TPoint lineDown{Bar->Width() - 3, 8};
    ui_test::MouseDown(*Bar, vcl::mbLeft, lineDown);
    EXPECT_EQ(Bar->Position(), 1);
    PumpMessages(300);
    EXPECT_EQ(Bar->Position(), 1);
    EXPECT_TRUE(PumpUntil([&] { return Bar->Position() >= 2; }, 400));
    PumpMessages(300);
    const int32_t repeated = Bar->Position();
    EXPECT_GE(repeated, 4);
    EXPECT_LE(repeated, 8);

    ui_test::MouseMove(*Bar, {ScrollBarArrowLength() + 150, 8}, {vcl::ssLeft});
    const int32_t paused = Bar->Position();
    PumpMessages(200);
    EXPECT_EQ(Bar->Position(), paused);
    EXPECT_EQ(Bar->TrackingPart(), sbpLineDown);
    ui_test::MouseMove(*Bar, lineDown, {vcl::ssLeft});
    EXPECT_TRUE(PumpUntil([&] { return Bar->Position() > paused; }, 400));

    ui_test::MouseUp(*Bar, vcl::mbLeft, lineDown);
    EXPECT_EQ(Bar->TrackingPart(), sbpNone);
    EXPECT_EQ(Bar->Scrolls.back().Code, scEndScroll);
    const int32_t released = Bar->Position();
    PumpMessages(150);
    EXPECT_EQ(Bar->Position(), released);
}

TEST_F(ScrollBarTest, ADraggedThumbReportsTrackingAndSnapsBackFarFromTheBar) {
    PlaceBar(200);
    Bar->SetScrollValues(0, 100, 0, 10);
    const vcl::TPoint press = ThumbCentre();
    ui_test::MouseDown(*Bar, vcl::mbLeft, press);
    ASSERT_EQ(Bar->TrackingPart(), sbpThumb);
    ASSERT_EQ(Bar->Scrolls.size(), 1u);
    EXPECT_EQ(Bar->Scrolls[0], (TRecordedScrollBar::TScroll{scTrack, 0}));

    ui_test::MouseMove(*Bar, {press.X + 99, press.Y}, {vcl::ssLeft});
    EXPECT_EQ(Bar->Position(), DraggedPosition(99));
    EXPECT_EQ(Bar->Scrolls.back(), (TRecordedScrollBar::TScroll{scTrack, DraggedPosition(99)}));
    EXPECT_EQ(Bar->Changes, 0);

    const int32_t height = Bar->Height();
    ui_test::MouseMove(*Bar, {press.X + 99, -136}, {vcl::ssLeft});
    EXPECT_EQ(Bar->Position(), DraggedPosition(99));
    ui_test::MouseMove(*Bar, {press.X + 99, -137}, {vcl::ssLeft});
    EXPECT_EQ(Bar->Position(), 0);
    EXPECT_EQ(Bar->Changes, 1);
    EXPECT_EQ(Bar->Scrolls.back(), (TRecordedScrollBar::TScroll{scTrack, 0}));
    ui_test::MouseMove(*Bar, {press.X + 49, height / 2}, {vcl::ssLeft});
    EXPECT_EQ(Bar->Position(), DraggedPosition(49));
    ui_test::MouseMove(*Bar, {press.X + 49, height + 136}, {vcl::ssLeft});
    EXPECT_EQ(Bar->Position(), 0);

    ui_test::MouseMove(*Bar, {press.X + 49, height / 2}, {vcl::ssLeft});
    Bar->Scrolls.clear();
    ui_test::MouseUp(*Bar, vcl::mbLeft, {press.X + 49, height / 2});
    ASSERT_EQ(Bar->Scrolls.size(), 2u);
    EXPECT_EQ(Bar->Scrolls[0], (TRecordedScrollBar::TScroll{scPosition, DraggedPosition(49)}));
    EXPECT_EQ(Bar->Scrolls[1], (TRecordedScrollBar::TScroll{scEndScroll, DraggedPosition(49)}));
    EXPECT_EQ(Bar->Position(), DraggedPosition(49));
}

TEST_F(ScrollBarTest, WithUnlimitedTrackingTheDragNeverSnapsBack) {
    PlaceBar(200);
    Bar->SetScrollValues(0, 100, 0, 10);
    Bar->SetUnlimitedTracking(true);
    const vcl::TPoint press = ThumbCentre();
    ui_test::MouseDown(*Bar, vcl::mbLeft, press);
    ui_test::MouseMove(*Bar, {press.X + 99, 600}, {vcl::ssLeft});
    EXPECT_EQ(Bar->Position(), DraggedPosition(99));
    ui_test::MouseUp(*Bar, vcl::mbLeft, {press.X + 99, 600});
}

TEST_F(ScrollBarTest, DisablingTheBarMidDragEndsItWhereTheThumbWasAndPaintsEveryPartDisabled) {
    PlaceBar(200);
    Bar->SetScrollValues(0, 100, 0, 10);
    const vcl::TPoint press = ThumbCentre();
    ui_test::MouseDown(*Bar, vcl::mbLeft, press);
    ui_test::MouseMove(*Bar, {press.X + 36, press.Y}, {vcl::ssLeft});
    Bar->Scrolls.clear();
    Bar->SetEnabled(false);
    ASSERT_EQ(Bar->Scrolls.size(), 2u);
    EXPECT_EQ(Bar->Scrolls[0], (TRecordedScrollBar::TScroll{scPosition, DraggedPosition(36)}));
    EXPECT_EQ(Bar->Scrolls[1].Code, scEndScroll);
    EXPECT_EQ(Bar->TrackingPart(), sbpNone);

    Bar->Recorder.Parts.clear();
    ui_test::TDibSurface surface(Bar->Width(), Bar->Height());
    ui_test::PaintControl(*Bar, surface);
    ASSERT_EQ(Bar->Recorder.Parts.size(), 2u);
    for (const TRecordedScrollBarPart& part : Bar->Recorder.Parts) {
        EXPECT_EQ(part.State, uibsDisabled);
    }
    ui_test::MouseUp(*Bar, vcl::mbLeft, press);
}

TEST_F(ScrollBarTest, PaintingDrawsEveryPartOnceInItsStateAndTheSamePixelsTwice) {
    PlaceBar(200);
    Bar->SetScrollValues(0, 100, 40, 10);
    Bar->Recorder.Parts.clear();
    ui_test::TDibSurface surface(Bar->Width(), Bar->Height());
    ui_test::PaintControl(*Bar, surface);
    const std::vector<TuiScrollBarPart> expected{sbpLineUp, sbpLineDown, sbpThumb, sbpPageUp, sbpPageDown};
    ASSERT_EQ(Bar->Recorder.Parts.size(), expected.size());
    for (size_t index = 0; index < expected.size(); ++index) {
        EXPECT_EQ(Bar->Recorder.Parts[index].Part, expected[index]);
        EXPECT_EQ(Bar->Recorder.Parts[index].State, uibsNormal);
    }
    EXPECT_EQ(Bar->Recorder.Find(sbpThumb)->Rect, Bar->ViewInfo().ThumbRect());
    const std::vector<uint32_t> first = surface.Pixels();
    ui_test::PaintControl(*Bar, surface);
    EXPECT_EQ(surface.Pixels(), first);
    // The bar covers all of its area: nothing of the background shows.
    for (int x = 0; x < surface.Width(); ++x) {
        EXPECT_NE(surface.Pixel(x, 8), vcl::clFuchsia) << x;
    }
}

// Only the thumb depends on the look's hot tracking; a look that does not hot-track draws a hot arrow as it likes.
TEST_F(ScrollBarTest, TheHotThumbNeedsAHotTrackingLookAndAHeldButtonIsPressed) {
    PlaceBar(200);
    Bar->SetScrollValues(0, 100, 50, 10);
    ui_test::MouseMove(*Bar, ThumbCentre());
    EXPECT_EQ(Bar->HotPart(), sbpThumb);
    EXPECT_EQ(Bar->StateOf(sbpThumb), uibsNormal);
    Bar->Recorder.HotTracks = true;
    EXPECT_EQ(Bar->StateOf(sbpThumb), uibsHot);
    EXPECT_EQ(Bar->StateOf(sbpLineUp), uibsNormal);

    const vcl::TPoint lineUp{3, 8};
    ui_test::MouseMove(*Bar, lineUp);
    EXPECT_EQ(Bar->StateOf(sbpLineUp), uibsHot);
    ui_test::MouseDown(*Bar, vcl::mbLeft, lineUp);
    EXPECT_EQ(Bar->StateOf(sbpLineUp), uibsPressed);
    EXPECT_EQ(Bar->StateOf(sbpThumb), uibsNormal);
    ui_test::MouseUp(*Bar, vcl::mbLeft, lineUp);
    EXPECT_EQ(Bar->StateOf(sbpLineUp), uibsHot);
}

TEST_F(ScrollBarTest, ChangingTheKindSwapsTheSidesAndLaysTheBarOutAlongTheOtherAxis) {
    PlaceBar(200);
    const int32_t width = Bar->Width();
    Bar->SetKind(sbVertical);
    EXPECT_EQ(Bar->Width(), 17);
    EXPECT_EQ(Bar->Height(), width);
    EXPECT_EQ(Bar->ViewInfo().LineDownButtonRect(), vcl::Rect(0, width - ScrollBarArrowLength(), 17, width));
    Bar->SetBounds(Bar->Left(), Bar->Top(), 40, 40);
    Bar->SetKind(sbHorizontal);
    EXPECT_EQ(Bar->ViewInfo().LineDownButtonRect(), vcl::Rect(40 - std::min(ScrollBarArrowLength(), 20), 0, 40, 40));
}

} // namespace
} // namespace ui
