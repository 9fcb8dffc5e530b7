#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/graphics/Font.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t FooterLeftGap = 4;
constexpr int32_t FooterHeightLoss = 4;
constexpr int32_t UnlinkedFocusInset = 2;
constexpr int32_t MinValueWidthDigits = 12;
// Where a row's texts and separators go from the rectangles the layout gave them.
constexpr int32_t TextInset = 1;
constexpr int32_t RangeSeparatorGap = 4;
constexpr int32_t ListSeparatorGap = 2;
constexpr int32_t ListOpenGap = 4;
constexpr int32_t ListCloseGap = 3;
constexpr int32_t LevelLineButtonGap = 3;

// The level lines' pattern: an 8 x 8 checkerboard, made on first use and freed by the unit's shut-down.
HBRUSH levelLineBrush = nullptr;

HBRUSH LevelLineBrush() {
    if (levelLineBrush == nullptr) {
        // Rows of the monochrome bitmap are word aligned; a set bit is white, a clear one black.
        WORD bits[8];
        for (int row = 0; row < 8; ++row) {
            bits[row] = row % 2 == 0 ? 0x55 : 0xAA;
        }
        HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
        levelLineBrush = CreatePatternBrush(pattern);
        DeleteObject(pattern);
    }
    return levelLineBrush;
}

} // namespace

void PrepareFilterControlLevelLineBrush() {
    LevelLineBrush();
}

void FreeFilterControlLevelLineBrush() {
    if (levelLineBrush != nullptr) {
        DeleteObject(levelLineBrush);
        levelLineBrush = nullptr;
    }
}

vcl::TColor TuiFilterControlPainter::BackgroundColor() const {
    if (TuiLookAndFeelPainterClass skin = FControl.LookAndFeel().SkinPainter()) {
        return skin->ContentColor();
    }
    return FControl.Color();
}

void TuiFilterControlPainter::DrawRowText(TuiCanvas& canvas, rtl::UnicodeStringView text, vcl::TPoint point,
                                          const vcl::TFont& font) {
    canvas.SetFont(font);
    canvas.Brush().SetStyle(vcl::bsClear);
    if (FControl.ViewInfo().IsEnabled()) {
        canvas.Canvas().TextOut(point.X, point.Y, text);
        return;
    }
    canvas.Font().SetColor(vcl::clBtnHighlight);
    canvas.Canvas().TextOut(point.X + 1, point.Y + 1, text);
    canvas.Font().SetColor(vcl::clBtnShadow);
    canvas.Canvas().TextOut(point.X, point.Y, text);
}

void TuiFilterControlPainter::PaintRow(TuiCanvas& canvas, TuiCustomRowViewInfo& row) {
    canvas.FillRectColor(row.RowRect(), BackgroundColor());
    canvas.SetFont(FControl.Font());
    FControl.GetPainter()->PaintButton(canvas, row.ButtonRect(), row.ButtonText(), row.ButtonState(), true,
                                       vcl::clDefault, vcl::clDefault, false, false);
    if (row.IsGroup()) {
        PaintGroup(canvas, static_cast<TuiGroupViewInfo&>(row));
    } else {
        PaintCondition(canvas, static_cast<TuiConditionViewInfo&>(row));
    }
    if (FControl.ShowLevelLines() && !row.IsRoot()) {
        PaintLevelLines(canvas, row);
    }
}

void TuiFilterControlPainter::PaintGroup(TuiCanvas& canvas, TuiGroupViewInfo& group) {
    const vcl::TRect& caption = group.CaptionRect();
    DrawRowText(canvas, group.Caption(), {caption.Left, caption.Top + TextInset}, FControl.Font());
    const vcl::TRect& boolOperator = group.BoolOperatorRect();
    DrawRowText(canvas, group.BoolOperatorText(), {boolOperator.Left + TextInset, boolOperator.Top + TextInset},
                FControl.FontBoolOperator());
}

void TuiFilterControlPainter::PaintCondition(TuiCanvas& canvas, TuiConditionViewInfo& condition) {
    const vcl::TRect& item = condition.ItemRect();
    DrawRowText(canvas, condition.ItemText(), {item.Left + TextInset, item.Top + TextInset}, FControl.FontItem());
    const vcl::TRect& operatorRect = condition.OperatorRect();
    DrawRowText(canvas, condition.OperatorText(), {operatorRect.Left + TextInset, operatorRect.Top + TextInset},
                FControl.FontCondition());
    if (!condition.TakesValues()) {
        return;
    }
    const TuiValuesViewInfo& values = condition.Values();
    for (int32_t index = 0; index < values.Count(); ++index) {
        if (values.Value(index).ViewInfo) {
            values.Value(index).ViewInfo->Paint(canvas);
        }
    }
    PaintSeparators(canvas, condition);
}

void TuiFilterControlPainter::PaintSeparators(TuiCanvas& canvas, const TuiConditionViewInfo& condition) {
    const TuiValuesViewInfo& values = condition.Values();
    const bool list = condition.IsListOperator();
    if (!list && !condition.IsRangeOperator()) {
        return;
    }
    const vcl::TFont& font = list ? FControl.FontValue() : FControl.FontCondition();
    canvas.SetFont(font);
    const vcl::TRect& rowRect = condition.RowRect();
    const int32_t top = rowRect.Top + (rowRect.Height() - canvas.GetTextHeight(u"(")) / 2;
    const int32_t gap = list ? ListSeparatorGap : RangeSeparatorGap;
    for (int32_t index = 0; index + 1 < values.Count(); ++index) {
        DrawRowText(canvas, values.SeparatorText(), {values.Value(index).ValueRect.Right + gap, top}, font);
    }
    if (!list) {
        return;
    }
    DrawRowText(canvas, u"(", {condition.OperatorRect().Right + ListOpenGap, top}, font);
    DrawRowText(canvas, u")", {values.Value(values.Count() - 1).ValueRect.Right + ListCloseGap, top}, font);
    canvas.SetFont(FControl.Font());
    FControl.GetPainter()->PaintButton(canvas, values.AddButtonRect, u"+", values.AddButtonState, true, vcl::clDefault,
                                       vcl::clDefault, false, false);
}

void TuiFilterControlPainter::PaintLevelLine(TuiCanvas& canvas, const vcl::TRect& rect) {
    if (rect.IsEmpty()) {
        return;
    }
    const HDC dc = canvas.Handle();
    const COLORREF textColor = SetTextColor(dc, vcl::ColorToRGB(vcl::cl3DDkShadow));
    const COLORREF backColor = SetBkColor(dc, vcl::ColorToRGB(BackgroundColor()));
    const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
    FillRect(dc, &area, LevelLineBrush());
    SetTextColor(dc, textColor);
    SetBkColor(dc, backColor);
}

void TuiFilterControlPainter::PaintLevelLines(TuiCanvas& canvas, const TuiCustomRowViewInfo& row) {
    const int32_t half = row.ButtonRect().Width() / 2;
    const vcl::TRect& rowRect = row.RowRect();
    const int32_t middle = rowRect.Top + rowRect.Height() / 2;
    const int32_t x = row.Parent()->ButtonRect().Left + half;
    const int32_t bottom = row.IsLastInParent() ? middle : rowRect.Bottom + 1;
    PaintLevelLine(canvas, {x, rowRect.Top, x + 1, bottom});
    PaintLevelLine(canvas, {x, middle, row.ButtonRect().Left - LevelLineButtonGap, middle + 1});
    for (const TuiGroupViewInfo* ancestor = row.Parent(); ancestor->Parent() != nullptr;
         ancestor = ancestor->Parent()) {
        if (!ancestor->IsLastInParent()) {
            const int32_t ancestorX = ancestor->Parent()->ButtonRect().Left + half;
            PaintLevelLine(canvas, {ancestorX, rowRect.Top, ancestorX + 1, rowRect.Bottom});
        }
    }
}

TuiFilterControlViewInfo::TuiFilterControlViewInfo(TuiCustomFilterControl& control)
    : FControl(control), FBitmap(1, 1, vcl::pfDevice), FPainter(std::make_unique<TuiFilterControlPainter>(control)) {}

TuiFilterControlViewInfo::~TuiFilterControlViewInfo() = default;

void TuiFilterControlViewInfo::CalculateRowHeight() {
    TuiCanvas& canvas = Canvas();
    int32_t height = 0;
    for (const vcl::TFont* font :
         {&FControl.Font(), &FControl.FontBoolOperator(), &FControl.FontItem(), &FControl.FontCondition()}) {
        height = std::max(height, canvas.FontHeight(*font));
    }
    TuiCustomEditProperties& properties = FControl.DefaultValueProperties();
    height = std::max(
        height, properties.GetEditSize(canvas, FControl.ValueStyle(false, false), true, rtl::Variant(u"Yy"), {}).cy);
    FRowHeight = MulDiv(height, 3, 2);
    canvas.SetFont(FControl.FontValue());
    FMinValueWidth = canvas.GetTextWidth(u"0") * MinValueWidthDigits;
}

void TuiFilterControlViewInfo::CalculateLayout() {
    FClientRect = FControl.GetClientBounds();
    FBitmap.SetSize(std::max(FClientRect.Width(), 1), std::max(FClientRect.Height(), 1));
    FEnabled = FControl.HasLinkItems() && FControl.Enabled();
    CalculateRowHeight();
    const int32_t left = FClientRect.Left - FControl.LeftOffset();
    const int32_t top = FClientRect.Top - FControl.TopRow() * FRowHeight;
    FWidestRowWidth = 0;
    for (int32_t index = 0; index < FControl.RowCount(); ++index) {
        TuiCustomRowViewInfo& row = FControl.Rows(index);
        const int32_t rowTop = top + index * FRowHeight;
        row.CalculateRow({left, rowTop, FClientRect.Right, rowTop + FRowHeight});
        FWidestRowWidth = std::max(FWidestRowWidth, row.RowWidth());
    }
    CalculateFooter();
    FFocusRect = CalculateFocusRect();
}

vcl::TRect TuiFilterControlViewInfo::FooterRowRect() const {
    const int32_t top = FClientRect.Top + (FControl.RowCount() - FControl.TopRow()) * FRowHeight;
    return {FClientRect.Left - FControl.LeftOffset(), top, FClientRect.Right, top + FRowHeight};
}

void TuiFilterControlViewInfo::CalculateFooter() {
    FFooterCaption = LoadResStringText(uiSFilterFooterAddCondition);
    const vcl::TRect row = FooterRowRect();
    const int32_t indent = FControl.Rows(FControl.RowCount() - 1).Indent();
    TuiCanvas& canvas = Canvas();
    canvas.SetFont(FControl.Font());
    const int32_t width = canvas.GetTextWidth(FFooterCaption + u"00");
    const int32_t height = FRowHeight - FooterHeightLoss;
    const int32_t left = row.Left + indent + FooterLeftGap;
    const int32_t top = row.Top + (FRowHeight - height) / 2;
    FFooterRect = {left, top, left + width, top + height};
    FWidestRowWidth = std::max(FWidestRowWidth, width + indent + FooterLeftGap);
    FFooterState = CalculateFooterState();
}

TuiButtonState TuiFilterControlViewInfo::CalculateFooterState() const {
    if (!FEnabled) {
        return uibsDisabled;
    }
    if (FControl.FocusedPart() == fcpAddCondition) {
        return uibsDefault;
    }
    if (FControl.IsHotTrackAllowed() && FControl.HotPart() == fcpAddCondition) {
        return uibsHot;
    }
    return uibsNormal;
}

vcl::TRect TuiFilterControlViewInfo::PartRect(const TuiCustomRowViewInfo* row, TuiFilterControlPart part,
                                              int32_t valueIndex) const {
    if (part == fcpAddCondition) {
        return FFooterRect;
    }
    return row != nullptr ? row->PartRect(part, valueIndex) : vcl::TRect{};
}

vcl::TRect TuiFilterControlViewInfo::CalculateFocusRect() const {
    if (!FControl.HasLinkItems()) {
        return InflateRectBy(FClientRect, -UnlinkedFocusInset, -UnlinkedFocusInset);
    }
    switch (FControl.FocusedPart()) {
    case fcpBoolOperator:
    case fcpItem:
    case fcpOperator:
    case fcpValue:
        return InflateRectBy(PartRect(FControl.FocusedRow(), FControl.FocusedPart(), FControl.FocusedValue()), 1, 1);
    default:
        return {};
    }
}

void TuiFilterControlViewInfo::HitTest(vcl::TShiftState shift, vcl::TPoint point, TuiFilterControlHitTest& hit) {
    hit = {};
    hit.Point = point;
    hit.Shift = shift;
    hit.Row = FControl.FocusedRow() != nullptr ? FControl.FocusedRow() : &FControl.Root();
    if (!FClientRect.Contains(point)) {
        return;
    }
    if (FFooterRect.Contains(point)) {
        hit.Part = fcpAddCondition;
        return;
    }
    for (int32_t index = FControl.TopRow(); index < FControl.RowCount(); ++index) {
        TuiCustomRowViewInfo& row = FControl.Rows(index);
        if (row.RowRect().Top >= FClientRect.Bottom) {
            return;
        }
        if (row.RowRect().Contains(point)) {
            row.HitTest(hit);
            return;
        }
    }
}

void TuiFilterControlViewInfo::PaintControl(TuiCanvas& canvas) {
    TuiCanvas& buffer = Canvas();
    const vcl::TPoint origin = buffer.GetWindowOrigin();
    buffer.SetWindowOrigin(FClientRect.TopLeft());
    buffer.FillRectColor(FClientRect, FPainter->BackgroundColor());
    for (int32_t index = FControl.TopRow(); index < FControl.RowCount(); ++index) {
        TuiCustomRowViewInfo& row = FControl.Rows(index);
        if (row.RowRect().Top >= FClientRect.Bottom) {
            break;
        }
        if (canvas.RectVisible(row.RowRect())) {
            FPainter->PaintRow(buffer, row);
        }
    }
    buffer.SetFont(FControl.Font());
    FControl.GetPainter()->PaintButton(buffer, FFooterRect, FFooterCaption, FFooterState, true, vcl::clDefault,
                                       vcl::clDefault, false, false);
    if (!FFocusRect.IsEmpty() && FControl.HasFocusInside()) {
        buffer.Brush().SetStyle(vcl::bsSolid);
        buffer.DrawFocusRect(FFocusRect);
    }
    buffer.SetWindowOrigin(origin);
    canvas.CopyRectFrom(FClientRect, buffer, {0, 0, FClientRect.Width(), FClientRect.Height()});
}

} // namespace ui
