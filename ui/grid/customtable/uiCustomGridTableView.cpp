#include "ui/grid/customtable/uiCustomGridTableView.h"

#include "rtl/numbers/NumberConversions.h"
#include "ui/data/controller/links/uiUpdateControlInfo.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/grid/customtable/controller/uiCustomGridTableController.h"
#include "ui/grid/customtable/controller/uiGridEditingController.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataChanges.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridDateRanges.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/customtable/uiGridEventSetter.h"

#include <algorithm>

namespace ui {

namespace {

std::unique_ptr<TuiCustomDataController> MakeGridDataController(TuiCustomGridView& gridView) {
    return std::make_unique<TuiGridDataController>(static_cast<TuiCustomGridTableView&>(gridView));
}

// Holds the view's update lock while it lives.
class TTableViewUpdateScope {
public:
    explicit TTableViewUpdateScope(TuiCustomGridTableView& gridView) : FGridView(gridView) { FGridView.BeginUpdate(); }
    ~TTableViewUpdateScope() { FGridView.EndUpdate(); }
    TTableViewUpdateScope(const TTableViewUpdateScope&) = delete;
    TTableViewUpdateScope& operator=(const TTableViewUpdateScope&) = delete;

private:
    TuiCustomGridTableView& FGridView;
};

} // namespace

TuiCustomGridTableView::TuiCustomGridTableView(rtl::TComponent* owner)
    : TuiCustomGridView(owner, MakeGridDataController) {}

TuiCustomGridTableView::~TuiCustomGridTableView() {
    Destroying();
    if (TuiCustomGridTableController* controller = EditingTableController()) {
        controller->EditingController().ReleaseEditors();
    }
    ClearItems();
    FViewData.reset();
    FOptionsCustomize.reset();
    FFiltering.reset();
    FFilterBox.reset();
    FDateTimeHandling.reset();
}

namespace {

// The object in holder, made through create on first use.
template <class T, class TCreate>
T& TableViewMadeOnFirstUse(std::unique_ptr<T>& holder, TCreate&& create) {
    if (!holder) {
        holder = create();
    }
    return *holder;
}

} // namespace

TuiCustomGridTableOptionsBehavior& TuiCustomGridTableView::OptionsBehavior() {
    return static_cast<TuiCustomGridTableOptionsBehavior&>(TuiCustomGridView::OptionsBehavior());
}

TuiCustomGridTableOptionsData& TuiCustomGridTableView::OptionsData() {
    return static_cast<TuiCustomGridTableOptionsData&>(TuiCustomGridView::OptionsData());
}

TuiCustomGridTableOptionsSelection& TuiCustomGridTableView::OptionsSelection() {
    return static_cast<TuiCustomGridTableOptionsSelection&>(TuiCustomGridView::OptionsSelection());
}

TuiCustomGridTableOptionsView& TuiCustomGridTableView::OptionsView() {
    return static_cast<TuiCustomGridTableOptionsView&>(TuiCustomGridView::OptionsView());
}

TuiCustomGridTableViewStyles& TuiCustomGridTableView::Styles() {
    return static_cast<TuiCustomGridTableViewStyles&>(TuiCustomGridView::Styles());
}

std::unique_ptr<TuiCustomGridViewStyles> TuiCustomGridTableView::CreateStyles() {
    return std::make_unique<TuiCustomGridTableViewStyles>(*this);
}

TuiCustomGridTableDateTimeHandling& TuiCustomGridTableView::DateTimeHandling() {
    return TableViewMadeOnFirstUse(FDateTimeHandling, [this] { return CreateDateTimeHandling(); });
}

TuiGridFilterBox& TuiCustomGridTableView::FilterBox() {
    return TableViewMadeOnFirstUse(FFilterBox, [this] { return CreateFilterBox(); });
}

TuiCustomGridTableFiltering& TuiCustomGridTableView::Filtering() {
    return TableViewMadeOnFirstUse(FFiltering, [this] { return CreateFiltering(); });
}

TuiCustomGridTableOptionsCustomize& TuiCustomGridTableView::OptionsCustomize() {
    return TableViewMadeOnFirstUse(FOptionsCustomize, [this] { return CreateOptionsCustomize(); });
}

std::unique_ptr<TuiCustomGridOptionsBehavior> TuiCustomGridTableView::CreateOptionsBehavior() {
    return std::make_unique<TuiCustomGridTableOptionsBehavior>(*this);
}

std::unique_ptr<TuiCustomGridOptionsData> TuiCustomGridTableView::CreateOptionsData() {
    return std::make_unique<TuiCustomGridTableOptionsData>(*this);
}

std::unique_ptr<TuiCustomGridOptionsSelection> TuiCustomGridTableView::CreateOptionsSelection() {
    return std::make_unique<TuiCustomGridTableOptionsSelection>(*this);
}

std::unique_ptr<TuiCustomGridOptionsView> TuiCustomGridTableView::CreateOptionsView() {
    return std::make_unique<TuiCustomGridTableOptionsView>(*this);
}

std::unique_ptr<TuiCustomGridTableDateTimeHandling> TuiCustomGridTableView::CreateDateTimeHandling() {
    return std::make_unique<TuiCustomGridTableDateTimeHandling>(*this);
}

std::unique_ptr<TuiGridFilterBox> TuiCustomGridTableView::CreateFilterBox() {
    return std::make_unique<TuiGridFilterBox>(*this);
}

std::unique_ptr<TuiCustomGridTableFiltering> TuiCustomGridTableView::CreateFiltering() {
    return std::make_unique<TuiCustomGridTableFiltering>(*this);
}

std::unique_ptr<TuiCustomGridTableOptionsCustomize> TuiCustomGridTableView::CreateOptionsCustomize() {
    return std::make_unique<TuiCustomGridTableOptionsCustomize>(*this);
}

TuiGridDataController& TuiCustomGridTableView::DataController() const {
    return static_cast<TuiGridDataController&>(TuiCustomGridView::DataController());
}

TuiCustomGridTableViewData& TuiCustomGridTableView::ViewData() {
    if (!FViewData) {
        FViewData = CreateViewData();
    }
    return *FViewData;
}

std::unique_ptr<TuiCustomGridTableViewData> TuiCustomGridTableView::CreateViewData() {
    return std::make_unique<TuiCustomGridTableViewData>(*this);
}

TuiCustomGridTableItem* TuiCustomGridTableView::CreateItem() {
    TuiCustomGridTableItem* item = NewItem(Owner());
    AddItem(item);
    return item;
}

TuiCustomGridTableItem* TuiCustomGridTableView::FindItemByID(int32_t id) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(), [id](auto* item) { return item->ID() == id; });
    return found == FItems.end() ? nullptr : *found;
}

TuiCustomGridTableItem* TuiCustomGridTableView::FindItemByName(rtl::UnicodeStringView name) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(), [name](auto* item) { return item->Name() == name; });
    return found == FItems.end() ? nullptr : *found;
}

const rtl::TMetaclass& TuiCustomGridTableView::GetSummaryItemClass() const {
    return TuiDataSummaryItem::StaticClass();
}

const rtl::TMetaclass& TuiCustomGridTableView::GetSummaryGroupItemLinkClass() const {
    return TuiDataSummaryGroupItemLink::StaticClass();
}

rtl::UnicodeString TuiCustomGridTableView::ItemStoredName(const TuiCustomGridTableItem& item) const {
    return FStoringNames ? item.Name() : rtl::IntToStr(item.ID());
}

TuiCustomGridTableItem* TuiCustomGridTableView::FindItemByStoredName(rtl::UnicodeStringView name) const {
    if (name.empty()) {
        return nullptr;
    }
    if (FStoringNames) {
        return FindItemByName(name);
    }
    int32_t id = 0;
    return rtl::TryStrToInt(name, id) ? FindItemByID(id) : nullptr;
}

int32_t TuiCustomGridTableView::IndexOfItem(const TuiCustomGridTableItem* item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

void TuiCustomGridTableView::ClearItems() {
    TTableViewUpdateScope update(*this);
    while (!FItems.empty()) {
        delete FItems.back();
    }
    FNextID = 0;
}

void TuiCustomGridTableView::AddItem(TuiCustomGridTableItem* item) {
    FItems.push_back(item);
    ReindexItems();
    item->FID = FNextID++;
    DataController().AddItem(item);
    // An item without a value type of its own holds text.
    DataController().ChangeValueTypeClass(item->FIndex, &TuiStringValueType::Instance());
    item->SetGridView(this);
    item->DataBinding().FilterMRUValueItems().SetMaxCount(Filtering().ItemMRUItemsListCount());
    item->SetVisible(true);
}

void TuiCustomGridTableView::RemoveItem(TuiCustomGridTableItem* item) {
    if (IndexOfItem(item) < 0) {
        return;
    }
    {
        TTableViewUpdateScope update(*this);
        if (OptionsBehavior().IncSearchItem() == item) {
            OptionsBehavior().SetIncSearchItem(nullptr);
        }
        if (item->FVisible) {
            ChangeItemVisible(item, false);
        }
        ItemRemoving(item);
        // The recently used filters name the item through its field, which goes with it.
        if (FFiltering) {
            FFiltering->MRUItems().RemoveItemConditions(item);
        }
        std::erase(FItems, item);
        item->FIndex = -1;
        ReindexItems();
        DataController().RemoveItem(item);
    }
    item->SetGridView(nullptr);
    ForgetCollected(item);
    ReleaseID(*item);
}

void TuiCustomGridTableView::ReleaseID(const TuiCustomGridTableItem& item) {
    if (item.FID == FNextID - 1) {
        --FNextID;
    }
}

void TuiCustomGridTableView::ChangeItemIndex(TuiCustomGridTableItem* item, int32_t newIndex) {
    const int32_t oldIndex = IndexOfItem(item);
    if (oldIndex < 0 || FItems.empty()) {
        return;
    }
    newIndex = std::clamp(newIndex, 0, ItemCount() - 1);
    if (newIndex == oldIndex) {
        return;
    }
    FItems.erase(FItems.begin() + oldIndex);
    FItems.insert(FItems.begin() + newIndex, item);
    ReindexItems();
    if (item->Visible()) {
        RefreshVisibleItemsList();
    }
    DataController().UpdateItems();
    Changed(2);
}

void TuiCustomGridTableView::ChangeItemVisible(TuiCustomGridTableItem* item, bool value) {
    item->FVisible = value;
    item->VisibleChanged();
    RefreshVisibleItemsList();
    SizeChanged(false, false);
}

void TuiCustomGridTableView::ReindexItems() {
    for (size_t i = 0; i < FItems.size(); ++i) {
        FItems[i]->FIndex = static_cast<int32_t>(i);
    }
}

void TuiCustomGridTableView::RefreshVisibleItemsList() {
    FVisibleItems.clear();
    for (TuiCustomGridTableItem* item : FItems) {
        item->FVisibleIndex = -1;
        if (item->IsShown()) {
            item->FVisibleIndex = VisibleItemCount();
            FVisibleItems.push_back(item);
        }
    }
}

void TuiCustomGridTableView::BeginAssigningItems() {
    ++FAssigningItemsCount;
}

void TuiCustomGridTableView::EndAssigningItems() {
    if (FAssigningItemsCount == 0 || --FAssigningItemsCount > 0) {
        return;
    }
    FAfterAssigningItems = true;
    try {
        ApplyAssignedIndexes();
    } catch (...) {
        FAfterAssigningItems = false;
        throw;
    }
    FAfterAssigningItems = false;
}

void TuiCustomGridTableView::AssignItemsFrom(const TuiCustomGridTableView& source) {
    TTableViewUpdateScope update(*this);
    AssignItems([&] {
        std::vector<TuiCustomGridTableItem*> assigned;
        for (int32_t i = 0; i < source.ItemCount(); ++i) {
            const TuiCustomGridTableItem* sourceItem = source.Items(i);
            TuiCustomGridTableItem* item = FindItemByID(sourceItem->ID());
            if (!item) {
                item = CreateItem();
                ReleaseID(*item);
                item->FID = sourceItem->ID();
            }
            item->SetIndex(i);
            item->Assign(sourceItem);
            assigned.push_back(item);
        }
        // Positions wait for the end of the assignment, so the items to free are those no source item matched.
        for (int32_t i = ItemCount() - 1; i >= 0; --i) {
            if (std::find(assigned.begin(), assigned.end(), FItems[static_cast<size_t>(i)]) == assigned.end()) {
                delete FItems[static_cast<size_t>(i)];
            }
        }
        FNextID = source.FNextID;
    });
}

void TuiCustomGridTableView::AssignLayout(const TuiCustomGridTableView& source) {
    TTableViewUpdateScope update(*this);
    AssignItemsFrom(source);
    // The source's option objects are made on first use, which its getters do.
    auto& from = const_cast<TuiCustomGridTableView&>(source);
    DateTimeHandling().Assign(&from.DateTimeHandling());
    FilterBox().Assign(&from.FilterBox());
    Filtering().Assign(&from.Filtering());
    OptionsCustomize().Assign(&from.OptionsCustomize());
    SetOnCanFocusRecord(source.FOnCanFocusRecord);
    SetOnCanSelectRecord(source.FOnCanSelectRecord);
    SetOnFocusedRecordChanged(source.FOnFocusedRecordChanged);
    SetOnSelectionChanged(source.FOnSelectionChanged);
    SetOnFilterDialogShow(source.FOnFilterDialogShow);
    SetOnFilterCustomization(source.FOnFilterCustomization);
    SetOnInitFilteringDateRanges(source.FOnInitFilteringDateRanges);
    SetOnInitGroupingDateRanges(source.FOnInitGroupingDateRanges);
}

void TuiCustomGridTableView::AssignItems(const std::function<void()>& assign) {
    BeginAssigningItems();
    try {
        assign();
    } catch (...) {
        if (--FAssigningItemsCount == 0) {
            FAssigningGroupedItems.clear();
            FAssigningSortedItems.clear();
            FAssigningItemIndexes.clear();
        }
        throw;
    }
    EndAssigningItems();
}

namespace {

// A later value at the same index takes the place of the earlier one, as a list slot would.
void CollectTableItemIndex(std::vector<std::pair<int32_t, TuiCustomGridTableItem*>>& list, TuiCustomGridTableItem* item,
                           int32_t index) {
    std::erase_if(list, [index](const auto& entry) { return entry.first == index; });
    list.emplace_back(index, item);
}

// The collected pairs in index order, the list left empty.
std::vector<std::pair<int32_t, TuiCustomGridTableItem*>>
TakeSortedTableItemIndexes(std::vector<std::pair<int32_t, TuiCustomGridTableItem*>>& list) {
    std::vector<std::pair<int32_t, TuiCustomGridTableItem*>> taken = std::move(list);
    list.clear();
    std::stable_sort(taken.begin(), taken.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    return taken;
}

} // namespace

void TuiCustomGridTableView::CollectGroupIndex(TuiCustomGridTableItem* item, int32_t index) {
    CollectTableItemIndex(FAssigningGroupedItems, item, index);
}

void TuiCustomGridTableView::CollectSortIndex(TuiCustomGridTableItem* item, int32_t index) {
    CollectTableItemIndex(FAssigningSortedItems, item, index);
}

void TuiCustomGridTableView::CollectItemIndex(TuiCustomGridTableItem* item, int32_t index) {
    CollectTableItemIndex(FAssigningItemIndexes, item, index);
}

void TuiCustomGridTableView::ForgetCollected(const TuiCustomGridTableItem* item) {
    for (TCollectedIndexes* list : {&FAssigningGroupedItems, &FAssigningSortedItems, &FAssigningItemIndexes}) {
        std::erase_if(*list, [item](const auto& entry) { return entry.second == item; });
    }
}

void TuiCustomGridTableView::ApplyAssignedIndexes() {
    // All three lists are taken first, so they are empty afterwards even when a setter raises.
    const TCollectedIndexes itemIndexes = TakeSortedTableItemIndexes(FAssigningItemIndexes);
    const TCollectedIndexes grouped = TakeSortedTableItemIndexes(FAssigningGroupedItems);
    const TCollectedIndexes sorted = TakeSortedTableItemIndexes(FAssigningSortedItems);
    for (const auto& [index, item] : itemIndexes) {
        ChangeItemIndex(item, index);
    }
    for (const auto& [index, item] : grouped) {
        item->SetGroupIndex(index);
    }
    for (const auto& [index, item] : sorted) {
        item->SetSortIndex(index);
    }
}

void TuiCustomGridTableView::DataChanged() {
    PostChange(std::make_unique<TuiGridDataChange>(this));
}

TuiCustomGridTableController* TuiCustomGridTableView::EditingTableController() {
    if (!HasController()) {
        return nullptr;
    }
    auto* controller = dynamic_cast<TuiCustomGridTableController*>(&Controller());
    return controller != nullptr && controller->HasEditingController() ? controller : nullptr;
}

void TuiCustomGridTableView::UpdateEditValue() {
    if (TuiCustomGridTableController* controller = EditingTableController()) {
        controller->EditingController().UpdateEditValue();
    }
}

void TuiCustomGridTableView::DataLayoutChanged() {
    ViewData().RefreshRecordInfos();
    SizeChanged(false, false);
}

void TuiCustomGridTableView::RecordChanged(int32_t /*recordIndex*/) {
    LayoutChanged(true);
    if (TuiCustomGridTableController* controller = EditingTableController()) {
        controller->EditingController().RefreshEditor();
    }
}

void TuiCustomGridTableView::FocusedRecordChanged(int32_t prevFocusedRowIndex, int32_t focusedRowIndex,
                                                  int32_t prevFocusedRecordIndex, int32_t focusedRecordIndex,
                                                  bool newItemRecordFocusingChanged) {
    if (TuiCustomGridTableController* controller = EditingTableController()) {
        controller->FocusedRecordChanged();
    }
    PostChange(std::make_unique<TuiGridFocusedRecordChange>(this, prevFocusedRowIndex, focusedRowIndex,
                                                            prevFocusedRecordIndex, focusedRecordIndex,
                                                            newItemRecordFocusingChanged));
}

void TuiCustomGridTableView::SelectionChanged(TuiSelectionChangedInfo& /*info*/) {
    LayoutChanged(true);
    if (!ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        DoSelectionChanged();
    }
}

void TuiCustomGridTableView::UpdateFilterBar() {
    FNavigatorNotifier.RefreshNavigators();
}

void TuiCustomGridTableView::DataChanged(TuiUpdateControlInfo& info) {
    if (ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    if (dynamic_cast<TuiDataChangedInfo*>(&info)) {
        DataChanged();
    } else if (dynamic_cast<TuiLayoutChangedInfo*>(&info)) {
        DataLayoutChanged();
    } else if (auto* focused = dynamic_cast<TuiFocusedRecordChangedInfo*>(&info)) {
        FocusedRecordChanged(focused->PrevFocusedRowIndex(), focused->FocusedRowIndex(),
                             focused->PrevFocusedRecordIndex(), focused->FocusedRecordIndex(),
                             focused->NewItemRowFocusingChanged());
    } else if (auto* selection = dynamic_cast<TuiSelectionChangedInfo*>(&info)) {
        SelectionChanged(*selection);
    } else if (auto* record = dynamic_cast<TuiUpdateRecordInfo*>(&info)) {
        RecordChanged(record->RecordIndex());
    } else if (dynamic_cast<TuiGroupingChangingInfo*>(&info)) {
        GroupingChanging();
    }
    if (dynamic_cast<TuiGroupingChangingInfo*>(&info) == nullptr) {
        UpdateFilterBar();
    }
    TuiCustomGridView::DataChanged(info);
}

void TuiCustomGridTableView::SetOnCanFocusRecord(TuiGridAllowRecordOperationEvent handler) {
    SetGridEventHandler(FOnCanFocusRecord, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnCanSelectRecord(TuiGridAllowRecordOperationEvent handler) {
    SetGridEventHandler(FOnCanSelectRecord, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnFocusedRecordChanged(TuiGridFocusedRecordChangedEvent handler) {
    SetGridEventHandler(FOnFocusedRecordChanged, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnSelectionChanged(TuiGridCustomTableViewEvent handler) {
    SetGridEventHandler(FOnSelectionChanged, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnCustomDrawPartBackground(TuiGridPartCustomDrawBackgroundEvent handler) {
    SetGridEventHandler(FOnCustomDrawPartBackground, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::DoCustomDrawPartBackground(TuiCanvas& canvas, TuiCustomGridPartViewInfo* viewInfo,
                                                        bool& done) {
    if (FOnCustomDrawPartBackground) {
        FOnCustomDrawPartBackground(*this, canvas, viewInfo, done);
    }
}

void TuiCustomGridTableView::SetOnFilterDialogShow(TuiGridFilterDialogShowEvent handler) {
    SetGridEventHandler(FOnFilterDialogShow, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnFilterCustomization(TuiGridFilterCustomizationEvent handler) {
    SetGridEventHandler(FOnFilterCustomization, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnInitFilteringDateRanges(TuiGridInitDateRangesEvent handler) {
    SetGridEventHandler(FOnInitFilteringDateRanges, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::SetOnInitGroupingDateRanges(TuiGridInitDateRangesEvent handler) {
    SetGridEventHandler(FOnInitGroupingDateRanges, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableView::DoInitFilteringDateRanges(TuiCustomGridTableItem& item) {
    if (FOnInitFilteringDateRanges) {
        FOnInitFilteringDateRanges(item, item.FilteringDateRanges());
    }
}

void TuiCustomGridTableView::DoInitGroupingDateRanges(TuiCustomGridTableItem& item) {
    if (FOnInitGroupingDateRanges) {
        FOnInitGroupingDateRanges(item, item.GroupingDateRanges());
    }
}

bool TuiCustomGridTableView::DoFilterDialogShow(TuiCustomGridTableItem* item) {
    bool done = false;
    if (FOnFilterDialogShow) {
        FOnFilterDialogShow(*this, item, done);
    }
    return done;
}

bool TuiCustomGridTableView::DoFilterCustomization() {
    bool done = false;
    if (FOnFilterCustomization) {
        FOnFilterCustomization(*this, done);
    }
    return done;
}

bool TuiCustomGridTableView::DoCanFocusRecord(TuiCustomGridRecord* record) {
    bool allow = true;
    if (FOnCanFocusRecord) {
        FOnCanFocusRecord(*this, record, allow);
    }
    return allow;
}

bool TuiCustomGridTableView::DoCanSelectRecord(int32_t recordIndex) {
    bool allow = true;
    if (FOnCanSelectRecord) {
        FOnCanSelectRecord(*this, ViewData().GetRecordByRecordIndex(recordIndex), allow);
    }
    return allow;
}

void TuiCustomGridTableView::DoFocusedRecordChanged(int32_t prevFocusedRowIndex, int32_t focusedRowIndex,
                                                    int32_t prevFocusedRecordIndex, int32_t focusedRecordIndex,
                                                    bool newItemRecordFocusingChanged) {
    if (!FOnFocusedRecordChanged) {
        return;
    }
    TuiCustomGridTableViewData& viewData = ViewData();
    TuiCustomGridRecord* focused = viewData.GetRecordAt(focusedRowIndex);
    TuiCustomGridRecord* prevFocused =
        prevFocusedRecordIndex == focusedRecordIndex ? focused : viewData.GetRecordAt(prevFocusedRowIndex);
    FOnFocusedRecordChanged(*this, prevFocused, focused, newItemRecordFocusingChanged);
}

void TuiCustomGridTableView::DoSelectionChanged() {
    if (FOnSelectionChanged) {
        FOnSelectionChanged(*this);
    }
}

} // namespace ui
