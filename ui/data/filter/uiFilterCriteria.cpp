// TuiFilterCriteria: the tree, the change reporting, the settings and the evaluation of records.

#include "ui/data/filter/uiFilterCriteria.h"

#include "rtl/text/CodePages.h"
#include "ui/core/objects/uxException.h"
#include "ui/data/common/uiClassInstances.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterOperators.h"
#include "ui/data/filter/uiFilterValueList.h"
#include "ui/data/locale/uiLocale.h"
#include "ui/data/values/uiVariants.h"

#include <algorithm>

namespace ui {

namespace {

void CheckBoolOperatorKind(TuiFilterBoolOperatorKind kind) {
    if (kind >= uiFilterBoolOperatorKindCount) {
        throw EuxException(u"Invalid filter bool operator kind");
    }
}

// A string upper-cased by the locale, of the same string kind.
rtl::Variant UpperCasedString(const rtl::Variant& value) {
    if (value.VarType() == rtl::varOleStr) {
        return rtl::Variant(GetLocale().UpperCase(value.StoredOleStr()));
    }
    const rtl::UnicodeString upper = GetLocale().UpperCase(rtl::AnsiToUnicode(value.StoredAnsiString()));
    return rtl::Variant::FromAnsiString(rtl::UnicodeToAnsi(upper));
}

} // namespace

// The entries

TuiCustomFilterCriteriaItem::~TuiCustomFilterCriteriaItem() {
    if (FParent) {
        FParent->RemoveEntry(*this);
    }
}

TuiFilterCriteria& TuiCustomFilterCriteriaItem::OwnerCriteria() const {
    return FParent->OwnerCriteria();
}

void TuiCustomFilterCriteriaItem::NotifyChanged() const {
    OwnerCriteria().MarkChanged();
}

TuiFilterCriteriaItemList::~TuiFilterCriteriaItemList() {
    for (auto entry = FEntries.rbegin(); entry != FEntries.rend(); ++entry) {
        (*entry)->FParent = nullptr;
        delete *entry;
    }
}

TuiFilterCriteria& TuiFilterCriteriaItemList::OwnerCriteria() const {
    return FCriteria ? *FCriteria : TuiCustomFilterCriteriaItem::OwnerCriteria();
}

void TuiFilterCriteriaItemList::ChangeBoolOperator(TuiFilterBoolOperatorKind kind) {
    CheckBoolOperatorKind(kind);
    if (kind != FBoolOperator) {
        FBoolOperator = kind;
        NotifyChanged();
    }
}

TuiFilterCriteriaItem& TuiFilterCriteriaItemList::AddCondition(rtl::TObject* itemLink, TuiFilterOperatorKind kind,
                                                               const rtl::Variant& value,
                                                               rtl::UnicodeStringView displayText) {
    std::unique_ptr<TuiFilterCriteriaItem> condition =
        CreateCompanion<TuiFilterCriteriaItem>(OwnerCriteria().GetItemClass(), this);
    condition->Initialize(itemLink, kind, value, displayText);
    TuiFilterCriteriaItem& added = *condition;
    Append(std::move(condition));
    return added;
}

TuiFilterCriteriaItemList& TuiFilterCriteriaItemList::AddGroup(TuiFilterBoolOperatorKind kind) {
    CheckBoolOperatorKind(kind);
    std::unique_ptr<TuiFilterCriteriaItemList> group =
        CreateCompanion<TuiFilterCriteriaItemList>(OwnerCriteria().GetItemListClass(), this);
    group->FBoolOperator = kind;
    TuiFilterCriteriaItemList& added = *group;
    Append(std::move(group));
    return added;
}

void TuiFilterCriteriaItemList::ClearEntries() {
    TuiFilterCriteria& criteria = OwnerCriteria();
    criteria.LockChanges();
    while (!FEntries.empty()) {
        delete FEntries.back();
    }
    criteria.UnlockChanges();
}

TuiCustomFilterCriteriaItem* TuiFilterCriteriaItemList::GetItem(int32_t index) const {
    return index >= 0 && index < GetCount() ? FEntries[static_cast<size_t>(index)] : nullptr;
}

void TuiFilterCriteriaItemList::RemoveEntry(TuiCustomFilterCriteriaItem& entry) {
    const auto found = std::find(FEntries.begin(), FEntries.end(), &entry);
    if (found == FEntries.end()) {
        return;
    }
    FEntries.erase(found);
    entry.FParent = nullptr;
    NotifyChanged();
}

void TuiFilterCriteriaItemList::Append(std::unique_ptr<TuiCustomFilterCriteriaItem> entry) {
    entry->FParent = this;
    FEntries.push_back(entry.release());
    NotifyChanged();
}

// The condition

TuiFilterCriteriaItem::~TuiFilterCriteriaItem() = default;

void TuiFilterCriteriaItem::Initialize(rtl::TObject* itemLink, TuiFilterOperatorKind kind, const rtl::Variant& value,
                                       rtl::UnicodeStringView displayText) {
    CheckFilterOperatorKind(kind);
    SetItemLinkValue(itemLink);
    FDisplayValue = displayText;
    FOperatorKind = kind;
    FValue = value;
    FPreparedValue = PrepareValue(value);
    FOperator = CreateCompanion<TuiFilterOperator>(GetOperatorClass(), this);
    if (FDisplayValue.empty() && FOperator->IsNullTest()) {
        FDisplayValue = GetFilterResourceString(uiSFilterBlankCaption);
    }
}

rtl::TObject* TuiFilterCriteriaItem::GetItemLinkValue() const {
    return FItemLink;
}

void TuiFilterCriteriaItem::SetItemLinkValue(rtl::TObject* link) {
    FItemLink = link;
}

void TuiFilterCriteriaItem::ChangeOperatorKind(TuiFilterOperatorKind kind) {
    CheckFilterOperatorKind(kind);
    if (kind != FOperatorKind) {
        FOperatorKind = kind;
        // The prepared value may depend on the kind: a descendant leaves LIKE patterns as they were typed.
        AssignValue(FValue);
    }
}

void TuiFilterCriteriaItem::AssignValue(const rtl::Variant& value) {
    FValue = value;
    FPreparedValue = PrepareValue(value);
    RebuildOperator();
}

void TuiFilterCriteriaItem::ChangeValue(const rtl::Variant& value) {
    if (CompareVariants(value, FValue) != 0) {
        AssignValue(value);
    }
}

void TuiFilterCriteriaItem::ChangeDisplayValue(rtl::UnicodeStringView text) {
    if (text != FDisplayValue) {
        FDisplayValue = text;
        NotifyChanged();
    }
}

void TuiFilterCriteriaItem::FillBlankDisplayValue() {
    if (FDisplayValue.empty() && FOperator->IsNullTest()) {
        ChangeDisplayValue(GetFilterResourceString(uiSFilterBlankCaption));
    }
}

const rtl::TMetaclass& TuiFilterCriteriaItem::GetOperatorClass() const {
    return FilterOperatorClass(FOperatorKind, IsNullValue(FValue));
}

bool TuiFilterCriteriaItem::IsNullValue(const rtl::Variant& value) const {
    return OwnerCriteria().IsNullValue(value);
}

rtl::UnicodeString TuiFilterCriteriaItem::GetValueText(bool caption) const {
    if (!caption) {
        return FOperator->ValueToExpressionText(FValue);
    }
    rtl::UnicodeString text = FDisplayValue;
    FOperator->AdjustDisplayValue(text);
    return text;
}

rtl::Variant TuiFilterCriteriaItem::PrepareValue(const rtl::Variant& value) const {
    return OwnerCriteria().PrepareCompareValue(value);
}

void TuiFilterCriteriaItem::RebuildOperator() {
    FOperator = CreateCompanion<TuiFilterOperator>(GetOperatorClass(), this);
    NotifyChanged();
}

// The criteria

TuiFilterCriteria::TuiFilterCriteria() : FRoot(CreateRoot()) {}

TuiFilterCriteria::~TuiFilterCriteria() = default;

std::unique_ptr<TuiFilterCriteriaItemList> TuiFilterCriteria::CreateRoot() {
    auto root = std::make_unique<TuiFilterCriteriaItemList>(nullptr);
    root->FCriteria = this;
    return root;
}

TuiFilterCriteriaItem& TuiFilterCriteria::AddItem(TuiFilterCriteriaItemList* list, rtl::TObject* itemLink,
                                                  TuiFilterOperatorKind kind, const rtl::Variant& value,
                                                  rtl::UnicodeStringView displayText) {
    return (list ? *list : *FRoot).AddCondition(itemLink, kind, value, displayText);
}

void TuiFilterCriteria::ClearConditions() {
    LockChanges();
    FRoot->ClearEntries();
    FRoot->ChangeBoolOperator(fboAnd);
    UnlockChanges();
}

void TuiFilterCriteria::RemoveItemsByLink(rtl::TObject* itemLink) {
    LockChanges();
    bool removed = false;
    while (TuiFilterCriteriaItem* condition = FindConditionForItem(itemLink)) {
        TuiFilterCriteriaItemList* list = condition->Parent();
        delete condition;
        removed = true;
        TidyAfterRemoval(*list);
    }
    if (removed) {
        UnlockChanges();
    } else {
        CancelLock();
    }
}

void TuiFilterCriteria::TidyAfterRemoval(TuiFilterCriteriaItemList& list) {
    TuiFilterCriteriaItemList* current = &list;
    while (current != FRoot.get() && current->GetCount() == 0) {
        TuiFilterCriteriaItemList* parent = current->Parent();
        delete current;
        current = parent;
    }
    // A NOT group with one entry still inverts it: only AND and OR groups are dissolved.
    const bool plainGroup = current->BoolOperator() == fboAnd || current->BoolOperator() == fboOr;
    if (current == FRoot.get() || current->GetCount() != 1 || !plainGroup) {
        return;
    }
    TuiCustomFilterCriteriaItem* remaining = current->GetItem(0);
    TuiFilterCriteriaItemList* parent = current->Parent();
    current->RemoveEntry(*remaining);
    parent->Append(std::unique_ptr<TuiCustomFilterCriteriaItem>(remaining));
    delete current;
}

TuiFilterCriteriaItem* TuiFilterCriteria::FindConditionForItem(rtl::TObject* itemLink) const {
    const auto find = [itemLink](const auto& self, const TuiFilterCriteriaItemList& list) -> TuiFilterCriteriaItem* {
        for (int32_t index = 0; index < list.GetCount(); ++index) {
            TuiCustomFilterCriteriaItem* entry = list.GetItem(index);
            if (entry->IsItemList()) {
                if (TuiFilterCriteriaItem* found = self(self, static_cast<const TuiFilterCriteriaItemList&>(*entry))) {
                    return found;
                }
            } else if (static_cast<TuiFilterCriteriaItem*>(entry)->ItemLink() == itemLink) {
                return static_cast<TuiFilterCriteriaItem*>(entry);
            }
        }
        return nullptr;
    };
    return find(find, *FRoot);
}

void TuiFilterCriteria::LockChanges() {
    ++FLockCount;
}

void TuiFilterCriteria::UnlockChanges() {
    CancelLock();
    CheckChanges();
}

void TuiFilterCriteria::CancelLock() {
    if (FLockCount > 0) {
        --FLockCount;
    }
}

void TuiFilterCriteria::MarkChanged() {
    FChanged = true;
    CheckChanges();
}

void TuiFilterCriteria::CheckChanges() {
    if (FLockCount > 0 || !FChanged) {
        return;
    }
    FChanged = false;
    FilterChangedHook();
    DoChanged();
}

void TuiFilterCriteria::FilterChangedHook() {
    PrepareDateRanges(*FRoot, ClockToday());
}

void TuiFilterCriteria::DoChanged() {
    if (FOnChanged) {
        FOnChanged(this);
    }
}

void TuiFilterCriteria::RefreshDateRanges() {
    PrepareDateRanges(*FRoot, ClockToday());
}

void TuiFilterCriteria::PrepareDateRanges(const TuiFilterCriteriaItemList& list, rtl::TDateTime today) {
    for (int32_t index = 0; index < list.GetCount(); ++index) {
        TuiCustomFilterCriteriaItem* entry = list.GetItem(index);
        if (entry->IsItemList()) {
            PrepareDateRanges(static_cast<const TuiFilterCriteriaItemList&>(*entry), today);
        } else {
            static_cast<TuiFilterCriteriaItem*>(entry)->Operator().PrepareDateRange(today);
        }
    }
}

void TuiFilterCriteria::SetOptions(TuiFilterCriteriaOptions options) {
    if (options != FOptions) {
        FOptions = options;
        MarkChanged();
    }
}

void TuiFilterCriteria::SetPercentWildcard(char16_t wildcard) {
    if (wildcard != FPercentWildcard) {
        FPercentWildcard = wildcard;
        MarkChanged();
    }
}

void TuiFilterCriteria::SetUnderscoreWildcard(char16_t wildcard) {
    if (wildcard != FUnderscoreWildcard) {
        FUnderscoreWildcard = wildcard;
        MarkChanged();
    }
}

void TuiFilterCriteria::SetDateTextFormat(rtl::UnicodeStringView format) {
    if (format != FDateTextFormat) {
        FDateTextFormat = format;
        MarkChanged();
    }
}

void TuiFilterCriteria::ResetDefaults() {
    LockChanges();
    SetOptions({});
    SetPercentWildcard(u'%');
    FLikeAvailable = true;
    FExpandBetween = false;
    FExpandNotLike = false;
    FExpandIn = false;
    SetUnderscoreWildcard(u'_');
    UnlockChanges();
}

rtl::Variant TuiFilterCriteria::PrepareCompareValue(const rtl::Variant& value) const {
    if (value.IsArray()) {
        rtl::Variant prepared = value;
        for (int32_t index = value.ArrayLowBound(); index <= value.ArrayHighBound(); ++index) {
            prepared.SetArrayElement(index, PrepareCompareValue(value.ArrayElement(index)));
        }
        return prepared;
    }
    if (value.VarType() == rtl::varCurrency) {
        return rtl::Variant(value.StoredCurrency().ToDouble());
    }
    if (rtl::VarIsStr(value) && FOptions.Contains(fcoCaseInsensitive)) {
        return UpperCasedString(value);
    }
    return value;
}

bool TuiFilterCriteria::IsNullValue(const rtl::Variant& value) const {
    return FOptions.Contains(fcoSoftNull) ? IsBlankVariant(value) : value.IsNull();
}

bool TuiFilterCriteria::EvaluateRecord(int32_t recordIndex) {
    return EvaluateList(*FRoot, recordIndex);
}

bool TuiFilterCriteria::EvaluateList(TuiFilterCriteriaItemList& list, int32_t recordIndex) {
    const TuiFilterBoolOperatorKind kind = list.BoolOperator();
    const bool negated = kind == fboNotAnd || kind == fboNotOr;
    bool result = true;
    // Every entry is evaluated, as a condition's item may count its calls.
    for (int32_t index = 0; index < list.GetCount(); ++index) {
        TuiCustomFilterCriteriaItem* entry = list.GetItem(index);
        const bool passed = entry->IsItemList()
                                ? EvaluateList(static_cast<TuiFilterCriteriaItemList&>(*entry), recordIndex)
                                : EvaluateCondition(static_cast<TuiFilterCriteriaItem&>(*entry), recordIndex);
        const bool term = negated ? !passed : passed;
        if (index == 0) {
            result = term;
        } else if (kind == fboAnd || kind == fboNotOr) {
            result = result && term;
        } else {
            result = result || term;
        }
    }
    return result;
}

bool TuiFilterCriteria::EvaluateCondition(TuiFilterCriteriaItem& condition, int32_t recordIndex) {
    try {
        const rtl::Variant value = PrepareCompareValue(condition.FetchRecordValue(recordIndex));
        const TuiFilterOperator& op = condition.Operator();
        if (FOptions.Contains(fcoIgnoreNull) && !op.IsNullTest() && IsNullValue(value)) {
            return false;
        }
        return op.AcceptsValue(condition.PreparedValue()) && op.Matches(value, condition.PreparedValue());
    } catch (const rtl::EVariantError&) {
        if (FOptions.Contains(fcoSoftCompare)) {
            return false;
        }
        throw;
    }
}

const rtl::TMetaclass& TuiFilterCriteria::GetItemClass() const {
    return TuiFilterCriteriaItem::StaticClass();
}

const rtl::TMetaclass& TuiFilterCriteria::GetItemListClass() const {
    return TuiFilterCriteriaItemList::StaticClass();
}

const rtl::TMetaclass& TuiFilterCriteria::GetValueListClass() const {
    return TuiFilterValueList::StaticClass();
}

std::unique_ptr<TuiFilterValueList> TuiFilterCriteria::CreateValueList() {
    return CreateCompanion<TuiFilterValueList>(GetValueListClass(), this);
}

} // namespace ui
