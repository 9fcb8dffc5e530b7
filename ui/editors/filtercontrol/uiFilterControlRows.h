#pragma once
// The rows of a filter control: one per group and one per condition of the filter being built, in a tree that hangs
// below the root group. Each row is a sentence of clickable parts: a button, then a group's bool operator and
// caption, or a condition's item, operator and values (between values "and", an IN list in parentheses followed by a
// "+" button). A row keeps what it shows and, once laid out, where each part lies; a condition also keeps how its
// values are edited (its edit helper, the editor properties prepared for filtering, the value type and the
// operators it supports).

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "ui/data/filter/uiFilterTypes.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuiCanvas;
class TuiConditionViewInfo;
class TuiCustomEditData;
class TuiCustomEditProperties;
class TuiCustomEditViewInfo;
class TuiCustomFilterControl;
class TuiFilterCriteriaItem;
class TuiGroupViewInfo;
class TuiValueType;

// The parts of a row, and the footer button below the last row.
enum TuiFilterControlPart : uint8_t {
    fcpNone,
    fcpButton,
    fcpBoolOperator,
    fcpItem,
    fcpOperator,
    fcpValue,
    fcpAddCondition, // the footer button
    fcpAddValue      // the "+" after the values of an IN list
};

class TuiCustomRowViewInfo;

// What lies under a point of the control.
struct TuiFilterControlHitTest {
    TuiFilterControlPart Part = fcpNone;
    vcl::TPoint Point;
    vcl::TShiftState Shift;
    TuiCustomRowViewInfo* Row = nullptr;
    int32_t ValueIndex = -1;
};

class TuiCustomRowViewInfo {
public:
    TuiCustomRowViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo* parent);
    virtual ~TuiCustomRowViewInfo();
    TuiCustomRowViewInfo(const TuiCustomRowViewInfo&) = delete;
    TuiCustomRowViewInfo& operator=(const TuiCustomRowViewInfo&) = delete;

    TuiCustomFilterControl& Control() const { return FControl; }
    // nullptr for the root.
    TuiGroupViewInfo* Parent() const { return FParent; }
    // The group that new conditions of the row's menu go to: the row itself when it is a group.
    virtual TuiGroupViewInfo& OwnGroup() = 0;
    virtual bool IsGroup() const = 0;
    bool IsRoot() const { return FParent == nullptr; }
    // 0 for the root.
    int32_t Level() const;
    bool IsLastInParent() const;

    // The layout's results.
    int32_t Indent() const { return FIndent; }
    const rtl::UnicodeString& ButtonText() const { return FButtonText; }
    const vcl::TRect& RowRect() const { return FRowRect; }
    const vcl::TRect& ButtonRect() const { return FButtonRect; }
    TuiButtonState ButtonState() const { return FButtonState; }
    // Where a part of the row lies; empty when the row has no such part.
    virtual vcl::TRect PartRect(TuiFilterControlPart part, int32_t valueIndex) const;

    virtual int32_t RowWidth() const;
    // Lays the row out in rowRect (client coordinates).
    virtual void CalculateRow(const vcl::TRect& rowRect);
    // Fills hit with the part at hit.Point; false when the row has none there.
    virtual bool HitTest(TuiFilterControlHitTest& hit);
    // Every condition needs an item and an operator to be written into the filter.
    virtual bool IsComplete() const { return true; }

protected:
    // The state of a button of the row that shows focus through its state.
    TuiButtonState PartButtonState(TuiFilterControlPart part) const;
    // A text of font placed at left, as wide and high as its extent plus 2, centred in the row.
    vcl::TRect PlaceText(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t left) const;
    // A button of width placed at left, 4 pixels lower than the row, centred in it.
    vcl::TRect PlaceButton(int32_t left, int32_t width) const;
    TuiCanvas& MeasuringCanvas() const;

private:
    TuiCustomFilterControl& FControl;
    TuiGroupViewInfo* FParent; // not owned: the parent owns this row
    int32_t FIndent = 0;
    rtl::UnicodeString FButtonText;
    vcl::TRect FRowRect;
    vcl::TRect FButtonRect;
    TuiButtonState FButtonState = uibsNormal;
};

class TuiGroupViewInfo : public TuiCustomRowViewInfo {
public:
    TuiGroupViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo* parent, TuiFilterBoolOperatorKind boolOperator);

    TuiGroupViewInfo& OwnGroup() override { return *this; }
    bool IsGroup() const override { return true; }
    int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
    TuiCustomRowViewInfo& Row(int32_t index) const { return *FRows.at(static_cast<size_t>(index)); }
    int32_t IndexOf(const TuiCustomRowViewInfo& row) const;
    // Takes row in at the end.
    TuiCustomRowViewInfo& AddRow(std::unique_ptr<TuiCustomRowViewInfo> row);
    // Frees row.
    void RemoveRow(const TuiCustomRowViewInfo& row);

    TuiFilterBoolOperatorKind BoolOperator() const { return FBoolOperator; }
    void SetBoolOperator(TuiFilterBoolOperatorKind value) { FBoolOperator = value; }
    const rtl::UnicodeString& BoolOperatorText() const { return FBoolOperatorText; }
    const vcl::TRect& BoolOperatorRect() const { return FBoolOperatorRect; }
    const rtl::UnicodeString& Caption() const { return FCaption; }
    const vcl::TRect& CaptionRect() const { return FCaptionRect; }

    vcl::TRect PartRect(TuiFilterControlPart part, int32_t valueIndex) const override;
    int32_t RowWidth() const override;
    void CalculateRow(const vcl::TRect& rowRect) override;
    bool HitTest(TuiFilterControlHitTest& hit) override;

private:
    std::vector<std::unique_ptr<TuiCustomRowViewInfo>> FRows;
    TuiFilterBoolOperatorKind FBoolOperator;
    rtl::UnicodeString FBoolOperatorText;
    vcl::TRect FBoolOperatorRect;
    rtl::UnicodeString FCaption;
    vcl::TRect FCaptionRect;
};

// One value of a condition: what it is, how it shows, where it lies and its editor's view info that paints it.
struct TuiValueInfo {
    TuiValueInfo();
    TuiValueInfo(rtl::Variant value, rtl::UnicodeString displayText);
    ~TuiValueInfo();
    TuiValueInfo(TuiValueInfo&&) noexcept;
    TuiValueInfo& operator=(TuiValueInfo&&) noexcept;

    rtl::Variant Value;
    rtl::UnicodeString DisplayText;
    vcl::TRect ValueRect;
    std::unique_ptr<TuiCustomEditViewInfo> ViewInfo;
};

// The values of a condition, the text between them and, for an IN list, the "+" button that adds one.
class TuiValuesViewInfo {
public:
    explicit TuiValuesViewInfo(TuiConditionViewInfo& condition) : FCondition(condition) {}

    int32_t Count() const { return static_cast<int32_t>(FValues.size()); }
    TuiValueInfo& Value(int32_t index) { return FValues.at(static_cast<size_t>(index)); }
    const TuiValueInfo& Value(int32_t index) const { return FValues.at(static_cast<size_t>(index)); }
    void Add(rtl::Variant value, rtl::UnicodeString displayText = {});
    void Remove(int32_t index);
    // Keeps the first count values, or adds empty ones up to count.
    void Resize(int32_t count);
    // One empty value.
    void Reset();

    const rtl::UnicodeString& SeparatorText() const { return FSeparatorText; }
    void SetSeparatorText(rtl::UnicodeString text) { FSeparatorText = std::move(text); }
    vcl::TRect AddButtonRect;
    TuiButtonState AddButtonState = uibsNormal;

    // fcpValue with the value's index, or fcpAddValue.
    bool HitTest(TuiFilterControlHitTest& hit);

private:
    TuiConditionViewInfo& FCondition;
    std::vector<TuiValueInfo> FValues;
    rtl::UnicodeString FSeparatorText;
};

class TuiConditionViewInfo : public TuiCustomRowViewInfo {
public:
    // A new condition: the default item, its default operator and empty values.
    TuiConditionViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo& parent);
    // The condition of the filter; EuiFilterControlError "Can't build filter from source" when the link does not
    // list its item.
    TuiConditionViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo& parent,
                         const TuiFilterCriteriaItem& condition);
    ~TuiConditionViewInfo() override;

    TuiGroupViewInfo& OwnGroup() override { return *Parent(); }
    bool IsGroup() const override { return false; }

    // The item: its index among the link's items (-1 none), its link and caption.
    int32_t ItemIndex() const { return FItemIndex; }
    rtl::TObject* ItemLink() const { return FItemLink; }
    const rtl::UnicodeString& ItemText() const { return FItemText; }
    // A new item: the editor prepared for it, its default operator and empty values.
    void SetItem(int32_t index);
    // The filter-control operator number (0 none).
    int32_t Operator() const { return FOperator; }
    rtl::UnicodeString OperatorText() const;
    // The values kept are those the operator takes (see the source).
    void SetOperator(int32_t number);
    // Every operator but the blank tests and the date ranges.
    bool TakesValues() const;
    bool IsListOperator() const;
    bool IsRangeOperator() const;
    // "like" when the item supports it, else the lowest operator it supports.
    int32_t DefaultOperator() const;

    TuiValuesViewInfo& Values() { return FValues; }
    const TuiValuesViewInfo& Values() const { return FValues; }
    const TuiCustomFilterEditHelper& Helper() const { return *FHelper; }
    TuiCustomEditProperties& Properties() const { return *FProperties; }
    const TuiValueType* ValueType() const { return FValueType; }
    const TuiFilterControlOperators& SupportedOperators() const { return FSupportedOperators; }
    // The in-place editor's state between its activations for this condition (the control owns it).
    TuiCustomEditData*& EditorData() { return FEditorData; }
    // The editor of the item's values: helper, filter properties, value type and supported operators.
    void PrepareEditor();

    const vcl::TRect& ItemRect() const { return FItemRect; }
    const vcl::TRect& OperatorRect() const { return FOperatorRect; }
    vcl::TRect PartRect(TuiFilterControlPart part, int32_t valueIndex) const override;
    int32_t RowWidth() const override;
    void CalculateRow(const vcl::TRect& rowRect) override;
    bool HitTest(TuiFilterControlHitTest& hit) override;
    bool IsComplete() const override { return !FItemText.empty() && !OperatorText().empty(); }

private:
    void ChangeItem(int32_t index);
    void LoadValues(const TuiFilterCriteriaItem& condition);
    // Values as the operator takes them: two for a range, one for the others, a hidden empty one without values.
    void FitValuesToOperator();
    void CalculateValues();
    // The value's width, its view info calculated at left; the next value's left.
    int32_t CalculateValue(TuiValueInfo& value, int32_t index, int32_t left);

    int32_t FItemIndex = -1;
    rtl::TObject* FItemLink = nullptr; // not owned: the link's
    rtl::UnicodeString FItemText;
    vcl::TRect FItemRect;
    int32_t FOperator = 0;
    vcl::TRect FOperatorRect;
    TuiValuesViewInfo FValues;
    const TuiCustomFilterEditHelper* FHelper = nullptr;
    std::unique_ptr<TuiCustomEditProperties> FProperties;
    TuiCustomEditData* FEditorData = nullptr; // owned by the control
    const TuiValueType* FValueType = nullptr;
    TuiFilterControlOperators FSupportedOperators;
};

} // namespace ui
