// The tab control's layout: the tabs' normal sizes, the navigator buttons the line needs, tabs placed along the line
// (one scrolled window of them, or all of them in balanced rows), the rows arranged and placed across the tabs
// area with the clip rectangles of the front and back rows, and the navigator buttons' states.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/objects/uiFlagGuard.h"
#include "ui/pagecontrol/tabs/uiPCImageList.h"
#include "ui/pagecontrol/tabs/uiPCStrs.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "ui/pagecontrol/tabs/uiTabRows.h"

#include <algorithm>
#include <memory>

namespace ui {

void TuiCustomTabControl::RecalculateLayout() {
    if (IsLoadingOrDestroying() || FCalculatingLayout || !FPainter) {
        return;
    }
    const TuiFlagGuard guard(FCalculatingLayout);
    FVisibleTabs->Refresh();
    if (FSelectedVisibleIndex >= FVisibleTabs->Count()) {
        FSelectedVisibleIndex = -1;
    }
    FPainter->PrepareLayout();
    if (FMaxRotatedTabWidth > 0) {
        FMaxRotatedTabWidth = std::max(FMaxRotatedTabWidth, FPainter->GetTabMinWidth(-1));
    }
    for (int32_t i = 0; i < FTabs->Count(); ++i) {
        FTabs->Tab(i).FreeVerticalTextBitmap();
    }
    CalculateTabPositions();
    RefreshRotatedImages();
    Realign();
    Invalidate();
    RefreshSelectedVisibleIndex();
    UpdateHotTrack();
}

void TuiCustomTabControl::CalculateTabPositions() {
    const int32_t count = FVisibleTabs->Count();
    FBackRowsClipRect = {};
    FFrontRowsClipRect = {};
    FLineIndexBounds.clear();
    if (FFirstDisplayedIndex == -1 && count > 0) {
        FFirstDisplayedIndex = 0;
    }
    if (FFirstDisplayedIndex >= count) {
        FFirstDisplayedIndex = count - 1;
    }
    FLastDisplayedIndex = FFirstDisplayedIndex;
    for (int32_t* index : {&FHotVisibleIndex, &FSelectedVisibleIndex, &FPressedVisibleIndex}) {
        if (*index >= count) {
            *index = -1;
        }
    }
    FRowCount = 0;
    FTabIndex = std::min(FTabIndex, FTabs->Count() - 1);
    FFrontRowCount = 0;
    // An empty control (every new page control) has no rows to lay out, only its navigator buttons.
    if (count == 0) {
        FetchTabsPosition(GetNavigatorButtons(true));
        UpdateNavigatorButtonStates();
        return;
    }
    CalculateTabNormalSizes();
    if (FMultiLine) {
        CalculateMultiLineTabs();
        return;
    }
    FRowCount = 1;
    FFrontRowCount = FTabPosition == tpTop || FTabPosition == tpLeft ? 1 : 0;
    CalculateSingleLineTabs();
    if (FTabsPosition.LineLength <= 0) {
        return;
    }
    for (int32_t i = FFirstDisplayedIndex; i <= FLastDisplayedIndex; ++i) {
        TuiTab& tab = FVisibleTabs->Tab(i);
        tab.FRow = 0;
        tab.FVisibleRow = 0;
    }
    FLineIndexBounds.push_back({FFirstDisplayedIndex, FLastDisplayedIndex});
    CalculateRowHeight();
    PlaceRows();
}

void TuiCustomTabControl::CalculateTabNormalSizes() {
    if (FTabs->Count() == 0) {
        RaisePCError(u"TuiCustomTabControl", u"CalculateTabNormalSizes", suiPCTabCountEqualsZero);
    }
    FTabs->SetNormalTabHeight(FPainter->CalcTabNormalHeight());
    for (int32_t i = 0; i < FTabs->Count(); ++i) {
        TuiTab& tab = FTabs->Tab(i);
        tab.FNormalWidth = tab.Visible() ? FPainter->CalcTabNormalWidth(tab) : 0;
    }
}

TuiPCNavigatorButtons TuiCustomTabControl::GetNavigatorButtons(bool allFit) const {
    TuiPCNavigatorButtons buttons;
    if (FMultiLine) {
        return buttons;
    }
    if (FOptions.Contains(pcoCloseButton)) {
        buttons.Include(nbClose);
    }
    if (!allFit && !FOptions.Contains(pcoNoArrows)) {
        buttons.Include(nbTopLeft).Include(nbBottomRight);
    }
    if (FOptions.Contains(pcoGoDialog) && (!allFit || FOptions.Contains(pcoAlwaysShowGoDialogButton))) {
        buttons.Include(nbGoDialog);
    }
    return buttons;
}

void TuiCustomTabControl::FetchTabsPosition(TuiPCNavigatorButtons buttons) {
    FNavigatorButtons = buttons;
    FPainter->CalcNavigatorArea(buttons, FTabsPosition);
}

int32_t TuiCustomTabControl::TabsDistanceAlong() const {
    const TuiPCDistances distances = FPainter->GetTabsDistance();
    return FRotate ? distances.Second : distances.First;
}

int32_t TuiCustomTabControl::TabsDistanceAcross() const {
    const TuiPCDistances distances = FPainter->GetTabsDistance();
    return FRotate ? distances.First : distances.Second;
}

int32_t TuiCustomTabControl::VisibleTabLength(int32_t visibleIndex) const {
    return FVisibleTabs->Tab(visibleIndex).NormalLength();
}

void TuiCustomTabControl::PlaceTabsOnLine(int32_t first, int32_t last, bool all) {
    const vcl::TRect& line = FTabsPosition.TabsRect;
    const int32_t lineStart = IsHorizontalLine() ? line.Left : line.Top;
    const int32_t lineEnd = lineStart + FTabsPosition.LineLength;
    const bool backward = IsLineFilledBackward();
    const int32_t distance = TabsDistanceAlong();
    int32_t position = backward ? lineEnd : lineStart;
    int32_t placed = first - 1;
    bool passedEnd = false;
    for (int32_t i = first; i <= last; ++i) {
        const int32_t length = VisibleTabLength(i);
        const int32_t start = backward ? position - length : position;
        if (backward ? start < lineStart : start + length > lineEnd) {
            // A tab longer than the whole line is still shown, cut.
            if (!all && i > first) {
                break;
            }
            passedEnd = true;
        }
        TuiTab& tab = FVisibleTabs->Tab(i);
        (IsHorizontalLine() ? tab.FNormalPosition.X : tab.FNormalPosition.Y) = start;
        placed = i;
        position = backward ? start - distance : start + length + distance;
    }
    FLastDisplayedIndex = placed;
    FAllTabsFit = !passedEnd && placed == last;
}

void TuiCustomTabControl::CalculateSingleLineTabs() {
    const int32_t last = FVisibleTabs->Count() - 1;
    const int32_t savedFirst = FFirstDisplayedIndex;
    FFirstDisplayedIndex = 0;
    FetchTabsPosition(GetNavigatorButtons(true));
    PlaceTabsOnLine(0, last, false);
    if (!FAllTabsFit) {
        FFirstDisplayedIndex = std::clamp(savedFirst, 0, last);
        FetchTabsPosition(GetNavigatorButtons(false));
        PlaceTabsOnLine(FFirstDisplayedIndex, last, false);
        // Scrolled to the end with room to spare: the earlier tabs come back into view.
        while (FAllTabsFit && FFirstDisplayedIndex > 0) {
            PlaceTabsOnLine(--FFirstDisplayedIndex, last, false);
            if (!FAllTabsFit) {
                PlaceTabsOnLine(++FFirstDisplayedIndex, last, false);
                break;
            }
        }
    }
    UpdateNavigatorButtonStates();
}

void TuiCustomTabControl::CalculateMultiLineTabs() {
    const int32_t last = FVisibleTabs->Count() - 1;
    FFirstDisplayedIndex = 0;
    FetchTabsPosition(GetNavigatorButtons(true));
    if (FTabsPosition.LineLength > 0) {
        DistributeTabsInRows();
        CollectLineIndexBounds();
        for (const TuiPCLineIndexBounds& row : FLineIndexBounds) {
            PlaceTabsOnLine(row.First, row.Last, true);
        }
        CalculateRowHeight();
        ArrangeRows();
    }
    FLastDisplayedIndex = last;
    FAllTabsFit = true;
    UpdateNavigatorButtonStates();
}

void TuiCustomTabControl::DistributeTabsInRows() {
    const int32_t count = FVisibleTabs->Count();
    const int32_t line = FTabsPosition.LineLength;
    std::vector<int32_t> lengths(static_cast<size_t>(count));
    std::unique_ptr<bool[]> widen = std::make_unique<bool[]>(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        lengths[i] = VisibleTabLength(i);
        widen[i] = !FRotate && FPainter->GetTabMinWidth(i) < line;
    }
    TuiTabRowsInput input;
    input.Lengths = lengths;
    input.WidenToLine = std::span<const bool>(widen.get(), static_cast<size_t>(count));
    input.LineLength = line;
    input.Distance = TabsDistanceAlong();
    input.Balance = !(FRotate && FRaggedRight);
    input.Stretch = !FRaggedRight && !FRotate;
    const TuiTabRows rows = ui::DistributeTabsInRows(input);
    for (int32_t i = 0; i < count; ++i) {
        TuiTab& tab = FVisibleTabs->Tab(i);
        tab.FRow = rows.Rows[i];
        if (!FRotate) {
            tab.FNormalWidth = rows.Lengths[i];
        }
    }
    FRowCount = rows.RowCount;
}

void TuiCustomTabControl::CollectLineIndexBounds() {
    FLineIndexBounds.assign(static_cast<size_t>(FRowCount), TuiPCLineIndexBounds{});
    for (int32_t i = FVisibleTabs->Count() - 1; i >= 0; --i) {
        TuiPCLineIndexBounds& row = FLineIndexBounds[static_cast<size_t>(FVisibleTabs->Tab(i).FRow)];
        row.First = i;
        if (row.Last == -1) {
            row.Last = i;
        }
    }
}

void TuiCustomTabControl::CalculateRowHeight() {
    FWidestRotatedCaptionWidth = 0;
    if (!FRotate) {
        FRowHeight = FTabs->NormalTabHeight();
        return;
    }
    const bool all = FMultiLine || FOptions.Contains(pcoFixedTabWidthWhenRotated);
    const int32_t first = all ? 0 : FFirstDisplayedIndex;
    const int32_t last = all ? FVisibleTabs->Count() - 1 : FLastDisplayedIndex;
    TuiTab* widest = nullptr;
    FRowHeight = 0;
    for (int32_t i = first; i <= last; ++i) {
        TuiTab& tab = FVisibleTabs->Tab(i);
        if (!widest || tab.NormalWidth() > FRowHeight) {
            widest = &tab;
            FRowHeight = tab.NormalWidth();
        }
    }
    if (widest) {
        FWidestRotatedCaptionWidth = FPainter->MeasureCaption(*widest);
    }
    if (FMaxRotatedTabWidth > 0) {
        FRowHeight = std::min(FRowHeight, FMaxRotatedTabWidth);
    }
}

void TuiCustomTabControl::ArrangeRows() {
    const int32_t rows = FRowCount;
    const bool topToBottom = FOptions.Contains(pcoTopToBottomText);
    bool opposite = false;
    switch (FTabPosition) {
    case tpTop:
        opposite = FRotate && !topToBottom;
        break;
    case tpBottom:
        opposite = !(FRotate && !topToBottom);
        break;
    case tpLeft:
        opposite = topToBottom;
        break;
    case tpRight:
        opposite = true;
        break;
    }
    const int32_t count = FVisibleTabs->Count();
    for (int32_t i = 0; i < count; ++i) {
        TuiTab& tab = FVisibleTabs->Tab(i);
        tab.FVisibleRow = opposite ? rows - tab.FRow - 1 : tab.FRow;
    }
    FFrontRowCount = rows;
    const int32_t selected = FTabIndex >= 0 ? FVisibleTabs->VisibleIndexOf(FTabIndex) : -1;
    if (selected != -1) {
        const int32_t selectedRow = FVisibleTabs->Tab(selected).FVisibleRow;
        if (FScrollOpposite) {
            FFrontRowCount = selectedRow + 1;
        } else if (FPainter->ClassType().OffsetsFollowTabSide()) {
            for (int32_t i = 0; i < count; ++i) {
                TuiTab& tab = FVisibleTabs->Tab(i);
                tab.FVisibleRow = (tab.FVisibleRow + rows - selectedRow - 1) % rows;
            }
        }
    }
    // Rows counted from the page outward on the near side count from the far edge for tabs at the bottom or right.
    if (FTabPosition == tpBottom || FTabPosition == tpRight) {
        for (int32_t i = 0; i < count; ++i) {
            TuiTab& tab = FVisibleTabs->Tab(i);
            tab.FVisibleRow = rows - 1 - tab.FVisibleRow;
        }
        FFrontRowCount = rows - FFrontRowCount;
    }
    PlaceRows();
}

void TuiCustomTabControl::PlaceRows() {
    const bool horizontal = IsHorizontalLine();
    const int32_t distance = TabsDistanceAcross();
    const int32_t height = FRowHeight;
    const int32_t rows = FRowCount;
    const vcl::TRect& line = FTabsPosition.TabsRect;
    const int32_t start = horizontal ? line.Top : line.Left;
    const int32_t end = horizontal ? line.Bottom : line.Right;
    const int32_t first = FMultiLine ? 0 : FFirstDisplayedIndex;
    const int32_t last = FMultiLine ? FVisibleTabs->Count() - 1 : FLastDisplayedIndex;
    for (int32_t i = first; i <= last; ++i) {
        TuiTab& tab = FVisibleTabs->Tab(i);
        const int32_t row = tab.FVisibleRow;
        const int32_t across = row < FFrontRowCount ? row * (height + distance) + start
                                                    : end - (rows - row) * height - (rows - row - 1) * distance;
        (horizontal ? tab.FNormalPosition.Y : tab.FNormalPosition.X) = across;
    }

    const vcl::TRect& extended = FTabsPosition.ExtendedTabsRect;
    const int32_t extendedNear = horizontal ? extended.Top : extended.Left;
    const int32_t extendedFar = horizontal ? extended.Bottom : extended.Right;
    const int32_t frontRows = FFrontRowCount;
    const int32_t backRows = rows - frontRows;
    int32_t frontEnd = std::min(
        start + frontRows * (height + distance) - distance + FTabsPosition.FrontRowBoundaryCorrection, extendedFar);
    int32_t backStart = std::max(
        end - backRows * (height + distance) + distance + FTabsPosition.BackRowBoundaryCorrection, extendedNear);
    if (frontRows > 0 && backRows > 0) {
        if (FTabPosition == tpTop || FTabPosition == tpLeft) {
            backStart = std::max(backStart, std::min(frontEnd + FTabsPosition.RowOverlap, extendedFar));
        } else {
            frontEnd = std::min(frontEnd, std::max(backStart - FTabsPosition.RowOverlap, extendedNear));
        }
    }
    if (horizontal) {
        FFrontRowsClipRect = {extended.Left, extendedNear, extended.Right, frontEnd};
        FBackRowsClipRect = {extended.Left, backStart, extended.Right, extendedFar};
    } else {
        FFrontRowsClipRect = {extendedNear, extended.Top, frontEnd, extended.Bottom};
        FBackRowsClipRect = {backStart, extended.Top, extendedFar, extended.Bottom};
    }
}

void TuiCustomTabControl::RefreshRotatedImages() {
    const bool turned = IsVerticalText() && !FPainter->IsNativePainting() && Images();
    const TuiRotationAngle rotation = !turned                            ? TuiRotationAngle::None
                                      : TextDirection() == tdTopToBottom ? TuiRotationAngle::Clockwise
                                                                         : TuiRotationAngle::CounterClockwise;
    if (FImages->Rotation() != rotation) {
        FImages->SetRotation(rotation);
    }
}

int32_t TuiCustomTabControl::CalcFullTabsLength() {
    // The line of the painter's tabs area for the buttons shown when everything fits, measured at the control's
    // present size: what the control's length exceeds it by is what the line's ends keep.
    TuiPCTabsPosition allFit;
    FPainter->CalcNavigatorArea(GetNavigatorButtons(true), allFit);
    int64_t length = (IsHorizontalLine() ? Width() : Height()) - allFit.LineLength;
    const int32_t count = FVisibleTabs->Count();
    if (count > 0) {
        // Measured afresh, leaving the widths a multi-line layout stretched as they are.
        const int32_t rotatedLength = FRotate ? FPainter->CalcTabNormalHeight() : 0;
        length += static_cast<int64_t>(count - 1) * TabsDistanceAlong();
        for (int32_t i = 0; i < count; ++i) {
            length += FRotate ? rotatedLength : FPainter->CalcTabNormalWidth(FVisibleTabs->Tab(i));
        }
    }
    // The painter keeps the navigator it placed for the present layout.
    FPainter->CalcNavigatorArea(FNavigatorButtons, FTabsPosition);
    return static_cast<int32_t>(std::min<int64_t>(length, INT32_MAX));
}

// Scrolling.

void TuiCustomTabControl::SetFirstDisplayedIndex(int32_t visibleIndex) {
    if (FMultiLine || FVisibleTabs->Count() == 0) {
        return;
    }
    FFirstDisplayedIndex = std::clamp(visibleIndex, 0, FVisibleTabs->Count() - 1);
    RecalculateLayout();
}

TuiPCNavigatorButton TuiCustomTabControl::ButtonTowardEnd() const {
    return IsLineFilledBackward() ? nbTopLeft : nbBottomRight;
}

void TuiCustomTabControl::ScrollTabs(TuiPCNavigatorButton button) {
    if (FNavigatorButtonStates[button] == nbsDisabled || FFirstDisplayedIndex < 0) {
        return;
    }
    const int32_t step = button == ButtonTowardEnd() ? 1 : -1;
    FFirstDisplayedIndex = std::clamp(FFirstDisplayedIndex + step, 0, FVisibleTabs->Count() - 1);
    RecalculateLayout();
}

void TuiCustomTabControl::MakeTabVisible(int32_t visibleIndex) {
    if (visibleIndex < 0 || FMultiLine) {
        return;
    }
    if (visibleIndex < FFirstDisplayedIndex) {
        FFirstDisplayedIndex = visibleIndex;
        return;
    }
    if (visibleIndex < FLastDisplayedIndex || (visibleIndex == FLastDisplayedIndex && FAllTabsFit)) {
        return;
    }
    const int32_t distance = TabsDistanceAlong();
    int64_t length = VisibleTabLength(visibleIndex);
    int32_t first = visibleIndex;
    while (first > 0 && length + distance + VisibleTabLength(first - 1) <= FTabsPosition.LineLength) {
        length += distance + VisibleTabLength(first - 1);
        --first;
    }
    FFirstDisplayedIndex = first;
}

void TuiCustomTabControl::UpdateNavigatorButtonStates() {
    const int32_t last = FVisibleTabs->Count() - 1;
    const TuiPCNavigatorButton towardEnd = ButtonTowardEnd();
    const TuiPCNavigatorButton towardStart = towardEnd == nbTopLeft ? nbBottomRight : nbTopLeft;
    const bool selected = FTabIndex >= 0 && FVisibleTabs->VisibleIndexOf(FTabIndex) != -1;
    const bool atEnd = FLastDisplayedIndex == last && (FAllTabsFit || FFirstDisplayedIndex == FLastDisplayedIndex);
    const std::pair<TuiPCNavigatorButton, bool> buttons[] = {
        {towardStart, FFirstDisplayedIndex > 0}, {towardEnd, !atEnd}, {nbGoDialog, true}, {nbClose, selected}};
    for (const auto& [button, enabled] : buttons) {
        if (!enabled) {
            SetNavigatorButtonState(button, nbsDisabled);
        } else if (FNavigatorButtonStates[button] == nbsDisabled) {
            SetNavigatorButtonState(button, nbsNormal);
        }
    }
}

void TuiCustomTabControl::SetNavigatorButtonState(TuiPCNavigatorButton button, TuiPCNavigatorButtonState state) {
    const TuiPCNavigatorButtonState previous = FNavigatorButtonStates[button];
    if (previous == state) {
        return;
    }
    FNavigatorButtonStates[button] = state;
    if (state == nbsDisabled) {
        if (FHotNavigatorButton == button) {
            FHotNavigatorButton.reset();
        }
        if (FPressedNavigatorButton == button) {
            FPressedNavigatorButton.reset();
        }
    }
    if (FPainter && !IsLoadingOrDestroying()) {
        FPainter->NavigatorButtonStateChanged(button, previous);
    }
}

} // namespace ui
