#include "ui/data/controller/summary/uiDataSummaryItems.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberFormat.h"
#include "rtl/text/Format.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/summary/uiSummaryFormats.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/values/uiVariants.h"

namespace ui {

namespace {

// The category of a value for its default format.
int32_t SummaryValueCategory(const rtl::Variant& value) {
    if (IsCurrencyVarType(value.VarType())) {
        return svcCurrency;
    }
    return IsDateVariant(value) ? svcDate : svcNumber;
}

// A date as its date, its date and time, or its time alone.
rtl::UnicodeString SummaryDateText(rtl::TDateTime value) {
    if (!HasTimePart(value)) {
        return rtl::DateToStr(value);
    }
    return rtl::DateOf(value) == 0 ? rtl::TimeToStr(value) : rtl::DateTimeToStr(value);
}

template <class TItem>
TItem& CollectionItem(const rtl::TCollection& collection, int32_t index) {
    return static_cast<TItem&>(*collection.Items(index));
}

} // namespace

// TuiCustomDataSummaryItem

void TuiCustomDataSummaryItem::Assign(const rtl::TPersistent* source) {
    const auto* item = dynamic_cast<const TuiCustomDataSummaryItem*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    Collection()->BeginUpdate();
    try {
        AssignLinkedItem(*item);
    } catch (...) {
        Collection()->EndUpdate();
        throw;
    }
    Collection()->EndUpdate();
}

void TuiCustomDataSummaryItem::AssignLinkedItem(const TuiCustomDataSummaryItem& source) {
    TuiCustomDataController* controller = GetDataController();
    rtl::TObject* sourceItem = source.GetLinkedItem();
    SetLinkedItem(controller && sourceItem ? controller->GetItemByItemLink(sourceItem) : nullptr);
    SetFormat(source.FFormat);
    SetKind(source.FKind);
}

rtl::TObject* TuiCustomDataSummaryItem::GetLinkedItem() const {
    return FField ? FField->Item() : nullptr;
}

void TuiCustomDataSummaryItem::SetLinkedItem(rtl::TObject* item) {
    TuiCustomDataController* controller = GetDataController();
    if (!controller) {
        return;
    }
    TuiCustomDataField* field = item ? controller->Fields().FindByItem(item) : nullptr;
    if (field == FField) {
        return;
    }
    Collection()->BeginUpdate();
    try {
        LinkedItemChanging(field);
        FField = field;
        Changed(true);
    } catch (...) {
        Collection()->EndUpdate();
        throw;
    }
    Collection()->EndUpdate();
}

void TuiCustomDataSummaryItem::SetFormat(rtl::UnicodeStringView format) {
    if (format != FFormat) {
        FFormat = format;
        Changed(false);
    }
}

void TuiCustomDataSummaryItem::SetKind(TuiSummaryKind kind) {
    if (kind != FKind) {
        FKind = kind;
        Changed(true);
    }
}

rtl::UnicodeString TuiCustomDataSummaryItem::GetFormatText(int32_t, bool) const {
    return FFormat;
}

rtl::UnicodeString TuiCustomDataSummaryItem::FormatSummaryText(const rtl::Variant& value, bool footer) const {
    if (value.IsNull() || value.IsEmpty()) {
        return {};
    }
    if (FKind == skNone) {
        return rtl::VarToStr(value);
    }
    const int32_t category = SummaryValueCategory(value);
    const rtl::UnicodeString format = GetFormatText(category, footer);
    if (category == svcDate && FKind != skCount) {
        return format + SummaryDateText(rtl::VarToDateTime(value));
    }
    // A text (the minimum of a text column) has no number to format.
    if (!IsNumericVariant(value) && !IsDateVariant(value)) {
        return rtl::VarToStr(value);
    }
    return rtl::FormatFloat(format, rtl::VarToDouble(value));
}

void TuiCustomDataSummaryItem::LinkedItemChanging(TuiCustomDataField*) {}

// TuiDataSummaryItem

TuiDataSummaryItem::~TuiDataSummaryItem() {
    if (FSorted && Collection()) {
        SetSorted(false);
    }
}

void TuiDataSummaryItem::Assign(const rtl::TPersistent* source) {
    TuiCustomDataSummaryItem::Assign(source);
    if (const auto* item = dynamic_cast<const TuiDataSummaryItem*>(source)) {
        FTag = item->FTag;
    }
}

void TuiDataSummaryItem::AssignLinkedItem(const TuiCustomDataSummaryItem& source) {
    TuiCustomDataSummaryItem::AssignLinkedItem(source);
    if (const auto* item = dynamic_cast<const TuiDataSummaryItem*>(&source)) {
        SetPosition(item->FPosition);
        SetSorted(item->FSorted);
        FOnGetText = item->FOnGetText;
    }
}

TuiCustomDataController* TuiDataSummaryItem::GetDataController() const {
    return &SummaryItems().DataController();
}

TuiDataSummaryItems& TuiDataSummaryItem::SummaryItems() const {
    return static_cast<TuiDataSummaryItems&>(*Collection());
}

rtl::UnicodeString TuiDataSummaryItem::GetFormatText(int32_t category, bool footer) const {
    if (!Format().empty()) {
        return Format();
    }
    return SummaryItems().GetDefaultFormat(category, Kind(), footer ? spFooter : spGroup);
}

rtl::UnicodeString TuiDataSummaryItem::FormatSummaryText(const rtl::Variant& value, bool footer) const {
    rtl::UnicodeString text = TuiCustomDataSummaryItem::FormatSummaryText(value, footer);
    if (FOnGetText) {
        FOnGetText(const_cast<TuiDataSummaryItem&>(*this), value, footer, text);
    }
    return text;
}

bool TuiDataSummaryItem::IsCalculated() const {
    return Field() != nullptr || (Kind() == skCount && Position() == spGroup);
}

TuiSummaryPosition TuiDataSummaryItem::Position() const {
    return SummaryItems().ItemPositionOf(*this);
}

void TuiDataSummaryItem::SetPosition(TuiSummaryPosition position) {
    if (position != FPosition) {
        FPosition = position;
        Changed(false);
    }
}

void TuiDataSummaryItem::SetSorted(bool sorted) {
    TuiCustomDataController& controller = SummaryItems().DataController();
    if (sorted == FSorted || controller.SortingBySummaryItemIndex() != uiNoIndex) {
        return;
    }
    TuiDataSummaryItems& items = SummaryItems();
    items.BeginUpdate();
    try {
        items.SortedChanging(*this, sorted);
        FSorted = sorted;
        controller.NotifySortingBySummaryChange();
        Changed(true);
    } catch (...) {
        items.EndUpdate();
        throw;
    }
    items.EndUpdate();
}

// TuiDataSummaryItems

TuiDataSummaryItems::TuiDataSummaryItems(TuiDataSummary& summary, const rtl::TMetaclass& itemClass)
    : TuiCollection(itemClass), FSummary(summary) {}

TuiDataSummaryItems::~TuiDataSummaryItems() {
    Clear();
}

TuiCustomDataController& TuiDataSummaryItems::DataController() const {
    return FSummary.DataController();
}

TuiDataSummaryItem& TuiDataSummaryItems::AddItem() {
    return static_cast<TuiDataSummaryItem&>(*Add());
}

TuiDataSummaryItem& TuiDataSummaryItems::AddItemForItem(int32_t itemIndex, TuiSummaryPosition position) {
    rtl::TObject* item = DataController().GetItemField(itemIndex).Item();
    BeginUpdate();
    TuiDataSummaryItem* added = nullptr;
    try {
        added = &AddItem();
        added->SetLinkedItem(item);
        added->SetPosition(position);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return *added;
}

TuiDataSummaryItem& TuiDataSummaryItems::GetItem(int32_t index) const {
    return CollectionItem<TuiDataSummaryItem>(*this, index);
}

int32_t TuiDataSummaryItems::IndexOfItem(const rtl::TObject* item) const {
    for (int32_t index = 0; index < Count(); ++index) {
        if (item && GetItem(index).GetLinkedItem() == item) {
            return index;
        }
    }
    return -1;
}

TuiDataSummaryItem* TuiDataSummaryItems::ItemOfItem(const rtl::TObject* item) const {
    const int32_t index = IndexOfItem(item);
    return index < 0 ? nullptr : &GetItem(index);
}

int32_t TuiDataSummaryItems::IndexOfField(const TuiCustomDataField* field) const {
    for (int32_t index = 0; index < Count(); ++index) {
        if (field && GetItem(index).Field() == field) {
            return index;
        }
    }
    return -1;
}

TuiDataSummaryItem* TuiDataSummaryItems::ItemOfField(const TuiCustomDataField* field) const {
    const int32_t index = IndexOfField(field);
    return index < 0 ? nullptr : &GetItem(index);
}

TuiDataSummaryItem* TuiDataSummaryItems::FindItem(int32_t itemIndex, TuiSummaryPosition position, TuiSummaryKind kind,
                                                  bool useKind) const {
    const TuiCustomDataField* field = &DataController().GetItemField(itemIndex);
    for (int32_t index = 0; index < Count(); ++index) {
        TuiDataSummaryItem& item = GetItem(index);
        if (item.Field() == field && item.Position() == position && (!useKind || item.Kind() == kind)) {
            return &item;
        }
    }
    return nullptr;
}

TuiSummaryPosition TuiDataSummaryItems::ItemPositionOf(const TuiDataSummaryItem& item) const {
    return item.FPosition;
}

void TuiDataSummaryItems::SortedChanging(TuiDataSummaryItem&, bool) {}

rtl::UnicodeString TuiDataSummaryItems::GetDefaultFormat(int32_t category, TuiSummaryKind kind,
                                                         TuiSummaryPosition position) const {
    return GetDefaultSummaryFormat(category, kind, position);
}

rtl::UnicodeString TuiDataSummaryItems::GetGroupSummaryText(const rtl::Variant&) const {
    return {};
}

bool TuiDataSummaryItems::UnbindField(const TuiCustomDataField& field) {
    bool unbound = false;
    for (int32_t index = 0; index < Count(); ++index) {
        TuiDataSummaryItem& item = GetItem(index);
        if (item.Field() == &field) {
            item.ClearField();
            unbound = true;
        }
    }
    return unbound;
}

void TuiDataSummaryItems::Assign(const rtl::TPersistent* source) {
    TuiCollection::Assign(source);
    if (const auto* items = dynamic_cast<const TuiDataSummaryItems*>(source)) {
        FOnSummary = items->FOnSummary;
    }
}

void TuiDataSummaryItems::Update(rtl::TCollectionItem* item) {
    FSummary.RequestRecalculation(item != nullptr);
}

TuiSummaryPosition TuiDataFooterSummaryItems::ItemPositionOf(const TuiDataSummaryItem&) const {
    return spFooter;
}

// TuiDataGroupSummaryItems

void TuiDataGroupSummaryItems::SetBeginText(rtl::UnicodeStringView text) {
    if (text != FBeginText) {
        FBeginText = text;
        Summary().RequestRecalculation(true);
    }
}

void TuiDataGroupSummaryItems::SetEndText(rtl::UnicodeStringView text) {
    if (text != FEndText) {
        FEndText = text;
        Summary().RequestRecalculation(true);
    }
}

void TuiDataGroupSummaryItems::SetSeparator(rtl::UnicodeStringView separator) {
    if (separator != FSeparator) {
        FSeparator = separator;
        Summary().RequestRecalculation(true);
    }
}

TuiDataSummaryItem* TuiDataGroupSummaryItems::SortingSummaryItem() const {
    const int32_t sortingItemIndex = DataController().SortingBySummaryItemIndex();
    if (sortingItemIndex != uiNoIndex) {
        return ItemOfField(&DataController().GetItemField(sortingItemIndex));
    }
    for (int32_t index = 0; index < Count(); ++index) {
        if (GetItem(index).Sorted()) {
            return &GetItem(index);
        }
    }
    return nullptr;
}

void TuiDataGroupSummaryItems::SortedChanging(TuiDataSummaryItem& item, bool sorted) {
    if (!sorted) {
        return;
    }
    TuiDataSummaryItem* current = SortingSummaryItem();
    if (current && current != &item) {
        current->SetSorted(false);
    }
}

rtl::UnicodeString TuiDataGroupSummaryItems::GetGroupSummaryText(const rtl::Variant& values) const {
    if (!values.IsArray()) {
        return {};
    }
    rtl::UnicodeString text;
    bool first = true;
    for (int32_t index = 0; index < Count() && index < values.ArrayCount(); ++index) {
        const TuiDataSummaryItem& item = GetItem(index);
        if (item.Position() != spGroup) {
            continue;
        }
        const rtl::UnicodeString itemText =
            item.FormatSummaryText(values.ArrayElement(values.ArrayLowBound() + index), false);
        text += first ? itemText : FSeparator + u" " + itemText;
        first = false;
    }
    return text.empty() ? text : FBeginText + text + FEndText;
}

void TuiDataGroupSummaryItems::Assign(const rtl::TPersistent* source) {
    TuiDataSummaryItems::Assign(source);
    if (const auto* items = dynamic_cast<const TuiDataGroupSummaryItems*>(source)) {
        FBeginText = items->FBeginText;
        FEndText = items->FEndText;
        FSeparator = items->FSeparator;
    }
}

// Summary groups and their links

TuiCustomDataController* TuiDataSummaryGroupItemLink::GetDataController() const {
    return &Group().Summary().DataController();
}

TuiDataSummaryGroup& TuiDataSummaryGroupItemLink::Group() const {
    return static_cast<TuiDataSummaryGroupItemLinks&>(*Collection()).Group();
}

void TuiDataSummaryGroupItemLink::LinkedItemChanging(TuiCustomDataField* newField) {
    if (!newField) {
        return;
    }
    TuiDataSummaryGroups& groups = Group().Summary().SummaryGroups();
    groups.BeginUpdate();
    for (int32_t index = 0; index < groups.Count(); ++index) {
        if (TuiDataSummaryGroupItemLinks* links = groups.GetItem(index).ExistingLinks()) {
            links->UnbindField(*newField);
        }
    }
    groups.EndUpdate();
}

TuiDataSummaryGroupItemLinks::~TuiDataSummaryGroupItemLinks() {
    Clear();
}

TuiDataSummaryGroupItemLink& TuiDataSummaryGroupItemLinks::AddLink() {
    return static_cast<TuiDataSummaryGroupItemLink&>(*Add());
}

TuiDataSummaryGroupItemLink& TuiDataSummaryGroupItemLinks::GetItem(int32_t index) const {
    return CollectionItem<TuiDataSummaryGroupItemLink>(*this, index);
}

int32_t TuiDataSummaryGroupItemLinks::IndexOfItem(const rtl::TObject* item) const {
    for (int32_t index = 0; index < Count(); ++index) {
        if (item && GetItem(index).GetLinkedItem() == item) {
            return index;
        }
    }
    return -1;
}

int32_t TuiDataSummaryGroupItemLinks::IndexOfField(const TuiCustomDataField* field) const {
    for (int32_t index = 0; index < Count(); ++index) {
        if (field && GetItem(index).Field() == field) {
            return index;
        }
    }
    return -1;
}

TuiDataSummaryGroupItemLink* TuiDataSummaryGroupItemLinks::ItemOfField(const TuiCustomDataField* field) const {
    const int32_t index = IndexOfField(field);
    return index < 0 ? nullptr : &GetItem(index);
}

bool TuiDataSummaryGroupItemLinks::UnbindField(const TuiCustomDataField& field) {
    bool unbound = false;
    for (int32_t index = 0; index < Count(); ++index) {
        if (GetItem(index).Field() == &field) {
            GetItem(index).ClearField();
            unbound = true;
        }
    }
    if (unbound) {
        Update(nullptr);
    }
    return unbound;
}

void TuiDataSummaryGroupItemLinks::Update(rtl::TCollectionItem*) {
    FGroup.Summary().RequestRecalculation(false);
}

TuiDataSummaryGroup::TuiDataSummaryGroup(rtl::TCollection* collection)
    : TCollectionItem(collection), FSummaryItems(std::make_unique<TuiDataGroupSummaryItems>(
                                       Summary(), Summary().DataController().GetSummaryItemClass(), this)) {}

TuiDataSummaryGroup::~TuiDataSummaryGroup() = default;

TuiDataSummary& TuiDataSummaryGroup::Summary() const {
    return static_cast<TuiDataSummaryGroups&>(*Collection()).Summary();
}

TuiDataSummaryGroupItemLinks& TuiDataSummaryGroup::Links() {
    if (!FLinks) {
        FLinks = std::make_unique<TuiDataSummaryGroupItemLinks>(
            *this, Summary().DataController().GetSummaryGroupItemLinkClass());
    }
    return *FLinks;
}

void TuiDataSummaryGroup::Assign(const rtl::TPersistent* source) {
    const auto* group = dynamic_cast<const TuiDataSummaryGroup*>(source);
    if (!group) {
        TCollectionItem::Assign(source);
        return;
    }
    if (group->FLinks) {
        Links().Assign(group->FLinks.get());
    } else if (FLinks) {
        FLinks->Clear();
    }
    FSummaryItems->Assign(group->FSummaryItems.get());
}

TuiDataSummaryGroups::TuiDataSummaryGroups(TuiDataSummary& summary)
    : TuiCollection(TuiDataSummaryGroup::StaticClass()), FSummary(summary) {}

TuiDataSummaryGroups::~TuiDataSummaryGroups() {
    Clear();
}

TuiDataSummaryGroup& TuiDataSummaryGroups::AddGroup() {
    return static_cast<TuiDataSummaryGroup&>(*Add());
}

TuiDataSummaryGroup& TuiDataSummaryGroups::GetItem(int32_t index) const {
    return CollectionItem<TuiDataSummaryGroup>(*this, index);
}

TuiDataSummaryGroup* TuiDataSummaryGroups::GroupOfField(const TuiCustomDataField* field) const {
    for (int32_t index = 0; index < Count(); ++index) {
        TuiDataSummaryGroup& group = GetItem(index);
        if (group.ExistingLinks() && group.ExistingLinks()->IndexOfField(field) >= 0) {
            return &group;
        }
    }
    return nullptr;
}

void TuiDataSummaryGroups::Update(rtl::TCollectionItem*) {
    FSummary.RequestRecalculation(false);
}

} // namespace ui
