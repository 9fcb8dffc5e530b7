// The rows of a filter control: where each part of a row goes, and which part lies under a point.

#include "rtl/variants/VariantConversions.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlRows.h"
#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/graphics/Font.h"

#include <algorithm>
#include <optional>

namespace ui {

namespace {

// Gaps of the layout, in pixels.
constexpr int32_t ButtonLeftGap = 4;
constexpr int32_t ButtonHeightLoss = 4;
constexpr int32_t TextGap = 8;
constexpr int32_t TextMargin = 2;
constexpr int32_t RowWidthMargin = 5;
constexpr int32_t ListValueGap = 8;
constexpr int32_t SingleValueGap = 4;

// Measures a value as its editor shows it: the properties' change notices are held and their default-values
// provider left out meanwhile, and both come back after.
class TValueMeasuringScope {
public:
    explicit TValueMeasuringScope(TuiCustomEditProperties& properties)
        : FProperties(properties), FChangeLocked(properties.IsChangeLocked()),
          FProvider(properties.DefaultValuesProvider()) {
        FProperties.SetChangeLock(true);
        FProperties.AssignDefaultValuesProvider(nullptr);
    }
    ~TValueMeasuringScope() {
        FProperties.AssignDefaultValuesProvider(FProvider.Get());
        FProperties.SetChangeLock(FChangeLocked);
    }
    TValueMeasuringScope(const TValueMeasuringScope&) = delete;
    TValueMeasuringScope& operator=(const TValueMeasuringScope&) = delete;

private:
    TuiCustomEditProperties& FProperties;
    bool FChangeLocked;
    rtl::TInterfacePtr<IuiEditDefaultValuesProvider> FProvider;
};

int32_t TextWidth(TuiCanvas& canvas, const vcl::TFont& font, rtl::UnicodeStringView text) {
    canvas.SetFont(font);
    return canvas.GetTextWidth(text);
}

} // namespace

TuiCanvas& TuiCustomRowViewInfo::MeasuringCanvas() const {
    return FControl.ViewInfo().Canvas();
}

vcl::TRect TuiCustomRowViewInfo::PlaceText(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t left) const {
    TuiCanvas& canvas = MeasuringCanvas();
    canvas.SetFont(font);
    const vcl::TSize size = canvas.MeasureText(text);
    const int32_t height = size.cy + TextMargin;
    const int32_t top = FRowRect.Top + (FRowRect.Height() - height) / 2;
    return {left, top, left + size.cx + TextMargin, top + height};
}

vcl::TRect TuiCustomRowViewInfo::PlaceButton(int32_t left, int32_t width) const {
    const int32_t height = FRowRect.Height() - ButtonHeightLoss;
    const int32_t top = FRowRect.Top + (FRowRect.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

TuiButtonState TuiCustomRowViewInfo::PartButtonState(TuiFilterControlPart part) const {
    if (!FControl.ViewInfo().IsEnabled()) {
        return uibsDisabled;
    }
    if (FControl.FocusedRow() == this && FControl.FocusedPart() == part) {
        return uibsDefault;
    }
    if (FControl.IsHotTrackAllowed() && FControl.HotRow() == this && FControl.HotPart() == part) {
        return uibsHot;
    }
    return uibsNormal;
}

vcl::TRect TuiCustomRowViewInfo::PartRect(TuiFilterControlPart part, int32_t /*valueIndex*/) const {
    return part == fcpButton ? FButtonRect : vcl::TRect{};
}

int32_t TuiCustomRowViewInfo::RowWidth() const {
    return FButtonRect.Width() + FIndent + RowWidthMargin;
}

void TuiCustomRowViewInfo::CalculateRow(const vcl::TRect& rowRect) {
    FRowRect = rowRect;
    FIndent = FControl.ViewInfo().RowHeight() * Level();
    FButtonText = IsRoot() ? LoadResStringText(uiSFilterRootButtonCaption) : rtl::UnicodeString(u"...");
    TuiCanvas& canvas = MeasuringCanvas();
    const vcl::TFont& font = FControl.Font();
    const int32_t width = IsRoot() ? TextWidth(canvas, font, FButtonText + u"00") : TextWidth(canvas, font, u"0") * 3;
    FButtonRect = PlaceButton(rowRect.Left + FIndent + ButtonLeftGap, width);
    FButtonState = PartButtonState(fcpButton);
}

bool TuiCustomRowViewInfo::HitTest(TuiFilterControlHitTest& hit) {
    hit.Row = this;
    if (FButtonRect.Contains(hit.Point)) {
        hit.Part = fcpButton;
        return true;
    }
    return false;
}

vcl::TRect TuiGroupViewInfo::PartRect(TuiFilterControlPart part, int32_t valueIndex) const {
    return part == fcpBoolOperator ? FBoolOperatorRect : TuiCustomRowViewInfo::PartRect(part, valueIndex);
}

int32_t TuiGroupViewInfo::RowWidth() const {
    return TuiCustomRowViewInfo::RowWidth() + FBoolOperatorRect.Width() + FCaptionRect.Width() + 2 * TextGap;
}

void TuiGroupViewInfo::CalculateRow(const vcl::TRect& rowRect) {
    TuiCustomRowViewInfo::CalculateRow(rowRect);
    FBoolOperatorText = FilterBoolOperatorCaption(FBoolOperator);
    FBoolOperatorRect = PlaceText(Control().FontBoolOperator(), FBoolOperatorText, ButtonRect().Right + TextGap);
    FCaption = LoadResStringText(IsRoot() ? uiSFilterRootGroupCaption : uiSFilterGroupCaption);
    FCaptionRect = PlaceText(Control().Font(), FCaption, FBoolOperatorRect.Right + TextGap);
}

bool TuiGroupViewInfo::HitTest(TuiFilterControlHitTest& hit) {
    if (TuiCustomRowViewInfo::HitTest(hit)) {
        return true;
    }
    if (FBoolOperatorRect.Contains(hit.Point)) {
        hit.Part = fcpBoolOperator;
        return true;
    }
    return false;
}

bool TuiValuesViewInfo::HitTest(TuiFilterControlHitTest& hit) {
    for (int32_t index = 0; index < Count(); ++index) {
        if (Value(index).ValueRect.Contains(hit.Point)) {
            hit.Part = fcpValue;
            hit.ValueIndex = index;
            return true;
        }
    }
    if (FCondition.IsListOperator() && AddButtonRect.Contains(hit.Point)) {
        hit.Part = fcpAddValue;
        return true;
    }
    return false;
}

vcl::TRect TuiConditionViewInfo::PartRect(TuiFilterControlPart part, int32_t valueIndex) const {
    switch (part) {
    case fcpItem:
        return FItemRect;
    case fcpOperator:
        return FOperatorRect;
    case fcpValue:
        return valueIndex >= 0 && valueIndex < FValues.Count() ? FValues.Value(valueIndex).ValueRect : vcl::TRect{};
    case fcpAddValue:
        return FValues.AddButtonRect;
    default:
        return TuiCustomRowViewInfo::PartRect(part, valueIndex);
    }
}

int32_t TuiConditionViewInfo::RowWidth() const {
    int32_t valuesRight = FOperatorRect.Right;
    if (IsListOperator()) {
        valuesRight = FValues.AddButtonRect.Right;
    } else if (TakesValues()) {
        valuesRight = FValues.Value(FValues.Count() - 1).ValueRect.Right;
    }
    return TuiCustomRowViewInfo::RowWidth() + FItemRect.Width() + FOperatorRect.Width() + 2 * TextGap +
           (valuesRight - FOperatorRect.Right);
}

void TuiConditionViewInfo::CalculateRow(const vcl::TRect& rowRect) {
    TuiCustomRowViewInfo::CalculateRow(rowRect);
    FItemRect = PlaceText(Control().FontItem(), FItemText, ButtonRect().Right + TextGap);
    FOperatorRect = PlaceText(Control().FontCondition(), OperatorText(), FItemRect.Right + TextGap);
    CalculateValues();
}

void TuiConditionViewInfo::CalculateValues() {
    FValues.AddButtonRect = {};
    for (int32_t index = 0; index < FValues.Count(); ++index) {
        FValues.Value(index).ValueRect = {};
        FValues.Value(index).ViewInfo.reset();
    }
    if (!TakesValues()) {
        FValues.SetSeparatorText({});
        return;
    }
    TuiCanvas& canvas = MeasuringCanvas();
    const bool list = IsListOperator();
    FValues.SetSeparatorText(IsRangeOperator() ? GetFilterResourceString(uiSFilterAndCaption)
                                               : rtl::UnicodeString(list ? u", " : u""));
    int32_t left = FOperatorRect.Right + TextGap;
    if (list) {
        left += TextWidth(canvas, Control().FontValue(), u"(");
    }
    for (int32_t index = 0; index < FValues.Count(); ++index) {
        left = CalculateValue(FValues.Value(index), index, left);
    }
    if (list) {
        const int32_t lastRight = FValues.Value(FValues.Count() - 1).ValueRect.Right;
        const int32_t buttonLeft = lastRight + TextWidth(canvas, Control().FontValue(), u")0");
        FValues.AddButtonRect = PlaceButton(buttonLeft, TextWidth(canvas, Control().Font(), u"000"));
        FValues.AddButtonState = PartButtonState(fcpAddValue);
    }
}

int32_t TuiConditionViewInfo::CalculateValue(TuiValueInfo& value, int32_t index, int32_t left) {
    TuiCustomFilterControl& control = Control();
    TuiCanvas& canvas = MeasuringCanvas();
    const bool isNull = value.Value.IsNull();
    TuiCustomEditProperties& properties = isNull ? control.DefaultValueProperties() : *FProperties;
    rtl::Variant shown = value.Value;
    if (isNull) {
        shown = rtl::Variant(control.NullString());
    } else if (FHelper->FilterByDisplayText()) {
        shown = rtl::Variant(value.DisplayText);
    }
    const bool active = control.IsValueActive(*this, index);
    TuiEditStyle& style = control.ValueStyle(active, FHelper->GetOption());
    const TValueMeasuringScope measuring(properties);
    const std::unique_ptr<TuiCustomEditViewData> viewData = properties.CreateViewData(style, true);
    const vcl::TSize size = viewData->GetEditSize(canvas, shown, {});
    const int32_t width = active ? std::max(size.cx, control.ViewInfo().MinValueWidth()) : size.cx;
    const int32_t top = RowRect().Top + (RowRect().Height() - size.cy) / 2;
    value.ValueRect = {left, top, left + width, top + size.cy};
    value.ViewInfo = properties.CreateViewInfo();
    viewData->ApplyDisplayValue(canvas, shown, *value.ViewInfo);
    viewData->Calculate(canvas, value.ValueRect, false, *value.ViewInfo, {}, std::nullopt, {-1, -1});
    const bool separated = IsRangeOperator() || IsListOperator();
    const vcl::TFont& separatorFont = IsRangeOperator() ? control.FontCondition() : control.FontValue();
    const int32_t gap =
        separated ? TextWidth(canvas, separatorFont, FValues.SeparatorText()) + ListValueGap : SingleValueGap;
    return value.ValueRect.Right + gap;
}

bool TuiConditionViewInfo::HitTest(TuiFilterControlHitTest& hit) {
    if (TuiCustomRowViewInfo::HitTest(hit)) {
        return true;
    }
    if (FItemRect.Contains(hit.Point)) {
        hit.Part = fcpItem;
        return true;
    }
    if (FOperatorRect.Contains(hit.Point)) {
        hit.Part = fcpOperator;
        return true;
    }
    return TakesValues() && FValues.HitTest(hit);
}

} // namespace ui
