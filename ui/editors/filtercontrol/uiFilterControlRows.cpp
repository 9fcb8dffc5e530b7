// The rows of a filter control: the tree, and the conditions' items, operators and values as the user edits them.

#include "ui/editors/filtercontrol/uiFilterControlRows.h"

#include "rtl/text/StringUtils.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlLink.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

#include <algorithm>

namespace ui {

namespace {

// The parts of a condition's display text, one per value of a range or list.
std::vector<rtl::UnicodeString> SplitDisplayText(rtl::UnicodeStringView text) {
    std::vector<rtl::UnicodeString> parts;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(u';', start), text.size());
        parts.push_back(rtl::Trim(text.substr(start, end - start)));
        start = end + 1;
    }
    return parts;
}

} // namespace

TuiCustomRowViewInfo::TuiCustomRowViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo* parent)
    : FControl(control), FParent(parent) {}

TuiCustomRowViewInfo::~TuiCustomRowViewInfo() = default;

int32_t TuiCustomRowViewInfo::Level() const {
    int32_t level = 0;
    for (const TuiGroupViewInfo* group = FParent; group != nullptr; group = group->Parent()) {
        ++level;
    }
    return level;
}

bool TuiCustomRowViewInfo::IsLastInParent() const {
    return FParent == nullptr || FParent->IndexOf(*this) == FParent->RowCount() - 1;
}

TuiGroupViewInfo::TuiGroupViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo* parent,
                                   TuiFilterBoolOperatorKind boolOperator)
    : TuiCustomRowViewInfo(control, parent), FBoolOperator(boolOperator) {}

int32_t TuiGroupViewInfo::IndexOf(const TuiCustomRowViewInfo& row) const {
    const auto found = std::find_if(FRows.begin(), FRows.end(), [&row](const auto& own) { return own.get() == &row; });
    return found == FRows.end() ? -1 : static_cast<int32_t>(found - FRows.begin());
}

TuiCustomRowViewInfo& TuiGroupViewInfo::AddRow(std::unique_ptr<TuiCustomRowViewInfo> row) {
    FRows.push_back(std::move(row));
    return *FRows.back();
}

void TuiGroupViewInfo::RemoveRow(const TuiCustomRowViewInfo& row) {
    const int32_t index = IndexOf(row);
    if (index >= 0) {
        FRows.erase(FRows.begin() + index);
    }
}

TuiValueInfo::TuiValueInfo() = default;
TuiValueInfo::TuiValueInfo(rtl::Variant value, rtl::UnicodeString displayText)
    : Value(std::move(value)), DisplayText(std::move(displayText)) {}
TuiValueInfo::~TuiValueInfo() = default;
TuiValueInfo::TuiValueInfo(TuiValueInfo&&) noexcept = default;
TuiValueInfo& TuiValueInfo::operator=(TuiValueInfo&&) noexcept = default;

void TuiValuesViewInfo::Add(rtl::Variant value, rtl::UnicodeString displayText) {
    FValues.emplace_back(std::move(value), std::move(displayText));
}

void TuiValuesViewInfo::Remove(int32_t index) {
    if (index >= 0 && index < Count()) {
        FValues.erase(FValues.begin() + index);
    }
}

void TuiValuesViewInfo::Resize(int32_t count) {
    while (Count() > count) {
        FValues.pop_back();
    }
    while (Count() < count) {
        Add(rtl::Variant::Null());
    }
}

void TuiValuesViewInfo::Reset() {
    FValues.clear();
    Add(rtl::Variant::Null());
}

TuiConditionViewInfo::TuiConditionViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo& parent)
    : TuiCustomRowViewInfo(control, &parent), FValues(*this) {
    SetItem(control.DefaultItemIndex());
}

TuiConditionViewInfo::TuiConditionViewInfo(TuiCustomFilterControl& control, TuiGroupViewInfo& parent,
                                           const TuiFilterCriteriaItem& condition)
    : TuiCustomRowViewInfo(control, &parent), FValues(*this) {
    IuiFilterControl* link = control.GetLinkInterface();
    const int32_t index = IndexOfFilterItemLink(link, condition.ItemLink());
    if (index < 0) {
        RaiseFilterControlError(LoadResStringText(uiSFilterErrorBuilding));
    }
    ChangeItem(index);
    FOperator = KindToFilterControlOperator(condition.OperatorKind(), condition.Value().IsNull());
    LoadValues(condition);
}

TuiConditionViewInfo::~TuiConditionViewInfo() = default;

void TuiConditionViewInfo::ChangeItem(int32_t index) {
    IuiFilterControl* link = Control().GetLinkInterface();
    const bool listed = link != nullptr && index >= 0 && index < link->ItemCount();
    FItemIndex = listed ? index : -1;
    FItemLink = listed ? link->ItemLinkAt(index) : nullptr;
    FItemText = listed ? link->ItemCaption(index) : rtl::UnicodeString();
    PrepareEditor();
}

void TuiConditionViewInfo::SetItem(int32_t index) {
    ChangeItem(index);
    FOperator = DefaultOperator();
    FValues.Reset();
    FitValuesToOperator();
}

void TuiConditionViewInfo::PrepareEditor() {
    IuiFilterControl* link = Control().GetLinkInterface();
    TuiCustomEditProperties* itemProperties = FItemIndex >= 0 ? link->ItemProperties(FItemIndex) : nullptr;
    TuiCustomEditProperties& source = itemProperties != nullptr ? *itemProperties : Control().DefaultValueProperties();
    FHelper = GetFilterEditsController().HelperForProperties(source.ClassType());
    if (FHelper == nullptr) {
        FHelper = &TuiFilterTextEditHelper::Instance();
    }
    const rtl::TMetaclass* editClass = FHelper->FilterEditClass();
    const rtl::TMetaclass& propertiesClass =
        editClass != nullptr ? FilterEditPropertiesClass(*editClass) : source.ClassType();
    FProperties.reset(static_cast<TuiCustomEditProperties*>(propertiesClass.CreateInstance(nullptr)));
    FHelper->PrepareFilterProperties(*FProperties, source, true);
    FValueType = FItemIndex >= 0 ? link->ItemValueType(FItemIndex) : nullptr;
    FSupportedOperators = FHelper->GetSupportedOperators(source, FValueType, true);
    Control().RestrictOperators(FSupportedOperators);
    // Edit data kept for another editor class would not fit the new one.
    FEditorData = nullptr;
}

int32_t TuiConditionViewInfo::DefaultOperator() const {
    if (FSupportedOperators.test(fcopLike)) {
        return fcopLike;
    }
    for (int32_t number = fcopEqual; number < uiFilterControlOperatorCount; ++number) {
        if (FSupportedOperators.test(static_cast<size_t>(number))) {
            return number;
        }
    }
    return fcopNone;
}

rtl::UnicodeString TuiConditionViewInfo::OperatorText() const {
    return GetFilterOperatorCaption(FOperator);
}

bool TuiConditionViewInfo::TakesValues() const {
    return FOperator != fcopNone && FOperator != fcopBlanks && FOperator != fcopNonBlanks && FOperator <= fcopNotInList;
}

bool TuiConditionViewInfo::IsListOperator() const {
    return FOperator == fcopInList || FOperator == fcopNotInList;
}

bool TuiConditionViewInfo::IsRangeOperator() const {
    return FOperator == fcopBetween || FOperator == fcopNotBetween;
}

void TuiConditionViewInfo::SetOperator(int32_t number) {
    const bool tookValues = TakesValues();
    FOperator = number;
    if (!tookValues || !TakesValues()) {
        FValues.Reset();
    }
    FitValuesToOperator();
}

void TuiConditionViewInfo::FitValuesToOperator() {
    if (!TakesValues()) {
        FValues.Resize(1);
        FValues.Value(0) = TuiValueInfo(rtl::Variant::Null(), {});
    } else if (IsRangeOperator()) {
        FValues.Resize(2);
    } else if (!IsListOperator()) {
        FValues.Resize(1);
    }
    FValues.Resize(std::max(FValues.Count(), 1));
}

void TuiConditionViewInfo::LoadValues(const TuiFilterCriteriaItem& condition) {
    const rtl::Variant& value = condition.Value();
    if ((IsRangeOperator() || IsListOperator()) && value.IsArray()) {
        const std::vector<rtl::UnicodeString> texts = SplitDisplayText(condition.DisplayValue());
        for (int32_t index = 0; index < value.ArrayCount(); ++index) {
            const size_t text = static_cast<size_t>(index);
            FValues.Add(value.ArrayElement(value.ArrayLowBound() + index),
                        text < texts.size() ? texts[text] : rtl::UnicodeString());
        }
    } else {
        FValues.Add(value, condition.DisplayValue());
    }
    FitValuesToOperator();
}

} // namespace ui
