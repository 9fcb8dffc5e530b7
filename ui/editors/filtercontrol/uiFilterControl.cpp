// The filter control: its life, its settings, and the working filter behind its rows.

#include "ui/editors/filtercontrol/uiFilterControl.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/values/uiVariants.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControlCriteria.h"
#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "vcl/graphics/Font.h"
#include "vcl/menus/Menus.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t FilterControlWidth = 300;
constexpr int32_t FilterControlHeight = 200;

std::unique_ptr<vcl::TFont> CreateWordFont(vcl::TColor color, bool underlined) {
    auto font = std::make_unique<vcl::TFont>();
    font->SetColor(color);
    font->SetStyle(underlined ? vcl::TFontStyles{vcl::fsUnderline} : vcl::TFontStyles{});
    return font;
}

// The text a value shows in the filter: "blank" for an empty value.
rtl::UnicodeString ValueDisplayText(const TuiValueInfo& value) {
    if (IsBlankVariant(value.Value)) {
        return GetFilterResourceString(uiSFilterBlankCaption);
    }
    return value.DisplayText.empty() ? rtl::VarToStr(value.Value) : value.DisplayText;
}

} // namespace

TuiCustomFilterControl::TuiCustomFilterControl(rtl::TComponent* owner)
    : TuiControl(owner), FCriteria(std::make_unique<TuiFilterControlCriteria>(*this)),
      FViewInfo(std::make_unique<TuiFilterControlViewInfo>(*this)), FFontBoolOperator(CreateWordFont(vcl::clRed, true)),
      FFontItem(CreateWordFont(vcl::clGreen, true)), FFontCondition(CreateWordFont(vcl::clMaroon, true)),
      FFontValue(CreateWordFont(vcl::clBlue, false)), FNullString(LoadResStringText(uiSFilterControlNullString)),
      FEditList(std::make_unique<TuiInplaceEditList>(nullptr)),
      FDefaultValueProperties(std::make_unique<TuiTextEditProperties>(nullptr)),
      FValueStyle(std::make_unique<TuiEditStyle>(nullptr, false)) {
    FRoot = std::make_unique<TuiGroupViewInfo>(*this, nullptr, fboAnd);
    RebuildRowList();
    FFocusedRow = FRoot.get();
    CreateSelectors();
    SetBounds(Left(), Top(), FilterControlWidth, FilterControlHeight);
    SetParentColor(false);
    SetColor(vcl::clBtnFace);
    SetTabStop(true);
    SetBorderStyle(uicbsDefault);
    SetKeys(TuiControlKeys{kArrows, kChars});
    for (vcl::TFont* font : {FFontBoolOperator.get(), FFontItem.get(), FFontCondition.get(), FFontValue.get()}) {
        font->SetName(Font().Name());
        font->SetHeight(Font().Height());
        font->SetCharset(Font().Charset());
        font->SetOnChange([this](rtl::TObject*) { LayoutChanged(); });
    }
    FValueStyle->SetIgnoresDefaultController(true);
    FValueStyle->SetBorderStyle(ebsNone);
    FValueStyle->LookAndFeel().SetMaster(&LookAndFeel());
    GetFormatController().AddListener(this);
}

TuiCustomFilterControl::~TuiCustomFilterControl() {
    GetFormatController().RemoveListener(this);
    StopMouseTracking(this);
    if (FValueEditor != nullptr) {
        FValueEditor->SetOnKeyDown({});
        FValueEditor->SetOnExit({});
    }
    FSelector.reset();
    FEditList.reset();
}

bool TuiCustomFilterControl::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<IuiFormatListener>(this, iid, object) || TuiControl::QueryInterface(iid, object);
}

bool TuiCustomFilterControl::HasLinkItems() const {
    IuiFilterControl* link = GetLinkInterface();
    return link != nullptr && link->ItemCount() > 0;
}

int32_t TuiCustomFilterControl::IndexOfRow(const TuiCustomRowViewInfo* row) const {
    const auto found = std::find(FRows.begin(), FRows.end(), row);
    return found == FRows.end() ? -1 : static_cast<int32_t>(found - FRows.begin());
}

bool TuiCustomFilterControl::HasFocusInside() const {
    if (!HandleAllocated()) {
        return false;
    }
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == WindowHandle() || IsChild(WindowHandle(), focus));
}

bool TuiCustomFilterControl::IsHotTrackAllowed() const {
    return FHotTrackOnUnfocused || HasFocusInside();
}

bool TuiCustomFilterControl::IsValueActive(const TuiConditionViewInfo& condition, int32_t valueIndex) const {
    const bool focused =
        FFocusedRow == &condition && FFocusedPart == fcpValue && FFocusedValue == valueIndex && HasFocusInside();
    const bool hot =
        FHot.Row == &condition && FHot.Part == fcpValue && FHot.ValueIndex == valueIndex && IsHotTrackAllowed();
    return focused || hot;
}

TuiEditStyle& TuiCustomFilterControl::ValueStyle(bool active, bool keepsButtons) {
    if (!FValueStyle->Font().SameAs(*FFontValue)) {
        FValueStyle->SetFont(*FFontValue);
    }
    FValueStyle->SetTextColor(FViewInfo->IsEnabled() ? FFontValue->Color() : vcl::clBtnShadow);
    FValueStyle->SetColor(active ? vcl::clWindow : FViewInfo->Painter().BackgroundColor());
    FValueStyle->SetButtonTransparency(active && keepsButtons ? ebtNone : ebtHideInactive);
    return *FValueStyle;
}

void TuiCustomFilterControl::SetHotTrackOnUnfocused(bool value) {
    if (value != FHotTrackOnUnfocused) {
        FHotTrackOnUnfocused = value;
        LayoutChanged();
    }
}

void TuiCustomFilterControl::SetNullString(rtl::UnicodeStringView value) {
    if (value != FNullString) {
        FNullString = value;
        LayoutChanged();
    }
}

void TuiCustomFilterControl::SetShowLevelLines(bool value) {
    if (value != FShowLevelLines) {
        FShowLevelLines = value;
        Invalidate();
    }
}

void TuiCustomFilterControl::SetWantTabs(bool value) {
    FWantTabs = value;
    TuiControlKeys keys = Keys();
    if (value) {
        keys.Include(kTab);
    } else {
        keys.Exclude(kTab);
    }
    SetKeys(keys);
}

TuiCustomEditProperties& TuiCustomFilterControl::DefaultValueProperties() const {
    return *FDefaultValueProperties;
}

void TuiCustomFilterControl::RestrictOperators(TuiFilterControlOperators& operators) const {
    if (!FCriteria->LikeAvailable()) {
        operators.reset(fcopLike);
        operators.reset(fcopNotLike);
    }
}

const rtl::TMetaclass& TuiCustomFilterControl::AdjustOperatorClass(const TuiFilterControlCriteriaItem& /*condition*/,
                                                                   const rtl::TMetaclass& operatorClass) const {
    return operatorClass;
}

int32_t TuiCustomFilterControl::DefaultItemIndex() const {
    IuiFilterControl* link = GetLinkInterface();
    if (link == nullptr || link->ItemCount() == 0) {
        return -1;
    }
    int32_t first = 0;
    for (int32_t index = 1; FSortItems && index < link->ItemCount(); ++index) {
        if (rtl::WideCompareText(link->ItemCaption(index), link->ItemCaption(first)) < 0) {
            first = index;
        }
    }
    return first;
}

// Layout and painting.

void TuiCustomFilterControl::CreateWnd() {
    TuiControl::CreateWnd();
    LayoutChanged();
}

void TuiCustomFilterControl::LayoutChanged() {
    if (FRowLockCount > 0 || IsDestroying() || ComponentState().Contains(rtl::TComponentState::csLoading) ||
        !HandleAllocated() || FSelector->DroppedDown()) {
        return;
    }
    FViewInfo->CalculateLayout();
    if (PullBackView()) {
        FViewInfo->CalculateLayout();
    }
    UpdateScrollBars();
    if (FValueEditor != nullptr && FEditedCondition != nullptr) {
        FValueEditor->SetBoundsRect(FEditedCondition->Values().Value(FEditedValue).ValueRect);
    }
    Invalidate();
}

void TuiCustomFilterControl::Paint() {
    TuiControl::Paint();
    FViewInfo->PaintControl(UICanvas());
}

void TuiCustomFilterControl::BoundsChanged() {
    TuiControl::BoundsChanged();
    LayoutChanged();
}

void TuiCustomFilterControl::FocusChanged() {
    TuiControl::FocusChanged();
    LayoutChanged();
}

void TuiCustomFilterControl::FontChanged() {
    for (vcl::TFont* font : {FFontBoolOperator.get(), FFontItem.get(), FFontCondition.get(), FFontValue.get()}) {
        font->SetName(Font().Name());
        font->SetHeight(Font().Height());
        font->SetCharset(Font().Charset());
    }
    TuiControl::FontChanged();
    LayoutChanged();
}

void TuiCustomFilterControl::ColorChanged() {
    TuiControl::ColorChanged();
    SyncComboBoxColor();
    LayoutChanged();
}

void TuiCustomFilterControl::LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) {
    TuiControl::LookAndFeelChanged(sender, changed);
    SyncComboBoxColor();
    LayoutChanged();
}

void TuiCustomFilterControl::SyncComboBoxColor() {
    FSelector->Style().SetColor(FViewInfo->Painter().BackgroundColor());
}

// The filter behind the rows.

std::unique_ptr<TuiGroupViewInfo> TuiCustomFilterControl::CreateRowTree(const TuiFilterCriteria& criteria) {
    auto root = std::make_unique<TuiGroupViewInfo>(*this, nullptr, criteria.Root().BoolOperator());
    AddRowsOf(*root, criteria.Root());
    return root;
}

void TuiCustomFilterControl::AddRowsOf(TuiGroupViewInfo& group, const TuiFilterCriteriaItemList& list) {
    for (int32_t index = 0; index < list.GetCount(); ++index) {
        const TuiCustomFilterCriteriaItem& entry = *list.GetItem(index);
        if (entry.IsItemList()) {
            const auto& nested = static_cast<const TuiFilterCriteriaItemList&>(entry);
            auto& row = static_cast<TuiGroupViewInfo&>(
                group.AddRow(std::make_unique<TuiGroupViewInfo>(*this, &group, nested.BoolOperator())));
            AddRowsOf(row, nested);
        } else {
            group.AddRow(
                std::make_unique<TuiConditionViewInfo>(*this, group, static_cast<const TuiFilterCriteriaItem&>(entry)));
        }
    }
}

void TuiCustomFilterControl::RebuildRowList() {
    FRows.clear();
    std::vector<TuiCustomRowViewInfo*> pending{FRoot.get()};
    while (!pending.empty()) {
        TuiCustomRowViewInfo* row = pending.back();
        pending.pop_back();
        FRows.push_back(row);
        if (row->IsGroup()) {
            const auto& group = static_cast<const TuiGroupViewInfo&>(*row);
            for (int32_t index = group.RowCount() - 1; index >= 0; --index) {
                pending.push_back(&group.Row(index));
            }
        }
    }
}

void TuiCustomFilterControl::ReplaceRows(std::unique_ptr<TuiGroupViewInfo> root, bool keepFocus) {
    // Nothing open may outlive the rows it belongs to.
    EndValueEditing(false);
    CloseSelectors();
    const int32_t focusedIndex = IndexOfRow(FFocusedRow);
    FHot = {};
    FRoot = std::move(root);
    RebuildRowList();
    if (!keepFocus) {
        FTopRow = 0;
        FLeftOffset = 0;
    }
    if (keepFocus && FFocusedPart == fcpAddCondition) {
        FFocusedRow = nullptr;
    } else if (keepFocus && focusedIndex >= 0 && focusedIndex < RowCount() &&
               IsPartFocusable(Rows(focusedIndex), FFocusedPart, FFocusedValue)) {
        FFocusedRow = &Rows(focusedIndex);
    } else {
        FFocusedRow = FRoot.get();
        FFocusedPart = fcpBoolOperator;
        FFocusedValue = -1;
    }
    LayoutChanged();
}

void TuiCustomFilterControl::BuildRows() {
    ++FRowLockCount;
    try {
        ReplaceRows(CreateRowTree(*FCriteria), true);
    } catch (...) {
        --FRowLockCount;
        throw;
    }
    --FRowLockCount;
    LayoutChanged();
}

bool TuiCustomFilterControl::RowsReady() const {
    return std::all_of(FRows.begin(), FRows.end(), [](const TuiCustomRowViewInfo* row) { return row->IsComplete(); });
}

void TuiCustomFilterControl::BuildCriteria() {
    EndValueEditing(true);
    if (!RowsReady()) {
        return;
    }
    TuiFilterCriteriaChangesLock lock(*FCriteria);
    FCriteria->ClearConditions();
    FCriteria->Root().ChangeBoolOperator(FRoot->BoolOperator());
    WriteGroup(*FRoot, FCriteria->Root());
}

void TuiCustomFilterControl::WriteGroup(const TuiGroupViewInfo& group, TuiFilterCriteriaItemList& list) {
    for (int32_t index = 0; index < group.RowCount(); ++index) {
        const TuiCustomRowViewInfo& row = group.Row(index);
        if (row.IsGroup()) {
            const auto& nested = static_cast<const TuiGroupViewInfo&>(row);
            WriteGroup(nested, list.AddGroup(nested.BoolOperator()));
        } else {
            WriteCondition(static_cast<const TuiConditionViewInfo&>(row), list);
        }
    }
}

void TuiCustomFilterControl::WriteCondition(const TuiConditionViewInfo& condition, TuiFilterCriteriaItemList& list) {
    const TuiValuesViewInfo& values = condition.Values();
    const int32_t number = condition.Operator();
    rtl::Variant value = values.Value(0).Value;
    rtl::UnicodeString displayText;
    if (number == fcopBlanks || number == fcopNonBlanks) {
        displayText = GetFilterResourceString(uiSFilterBlankCaption);
    } else if (condition.IsRangeOperator()) {
        const bool ascending = CompareVariants(values.Value(0).Value, values.Value(1).Value) <= 0;
        const TuiValueInfo& low = values.Value(ascending ? 0 : 1);
        const TuiValueInfo& high = values.Value(ascending ? 1 : 0);
        value = MakeRangeVariant(low.Value, high.Value);
        displayText = ValueDisplayText(low) + u";" + ValueDisplayText(high);
    } else if (condition.IsListOperator()) {
        value = rtl::Variant::CreateArray(0, values.Count() - 1, rtl::varVariant);
        for (int32_t index = 0; index < values.Count(); ++index) {
            value.SetArrayElement(index, values.Value(index).Value);
            displayText += (index > 0 ? u";" : u"") + ValueDisplayText(values.Value(index));
        }
    } else {
        displayText = ValueDisplayText(values.Value(0));
    }
    list.AddCondition(condition.ItemLink(), FilterControlOperatorToKind(number), value, displayText);
}

rtl::UnicodeString TuiCustomFilterControl::FilterCaption() {
    BuildCriteria();
    return FCriteria->GetFilterCaption();
}

rtl::UnicodeString TuiCustomFilterControl::FilterText() {
    BuildCriteria();
    return FCriteria->GetFilterExpression();
}

void TuiCustomFilterControl::ApplyFilter() {
    IuiFilterControl* link = GetLinkInterface();
    TuiFilterCriteria* linkCriteria = link != nullptr ? link->FilterCriteria() : nullptr;
    if (linkCriteria == nullptr) {
        return;
    }
    BuildCriteria();
    const bool own = linkCriteria == FCriteria.get();
    std::exception_ptr error;
    linkCriteria->LockChanges();
    try {
        if (!own) {
            linkCriteria->AssignItems(*FCriteria, false);
        }
        if (FOnApplyFilter) {
            FOnApplyFilter(this);
        }
    } catch (...) {
        error = std::current_exception();
    }
    try {
        linkCriteria->UnlockChanges();
    } catch (...) {
        if (!error) {
            error = std::current_exception();
        }
    }
    if (!own) {
        FCriteria->AssignCriteria(*linkCriteria, false);
    }
    BuildRows();
    if (error) {
        std::rethrow_exception(error);
    }
}

void TuiCustomFilterControl::ClearAll() {
    ReplaceRows(std::make_unique<TuiGroupViewInfo>(*this, nullptr, fboAnd), false);
    FCriteria->ClearConditions();
}

void TuiCustomFilterControl::LoadFromFile(const rtl::UnicodeString& fileName) {
    rtl::TFileStream stream(fileName, rtl::fmOpenRead | rtl::fmShareDenyWrite);
    LoadFromStream(stream);
}

void TuiCustomFilterControl::LoadFromStream(rtl::TStream& stream) {
    if (!HasLinkItems()) {
        RaiseFilterControlError(LoadResStringText(uiSFilterErrorBuilding));
    }
    auto loaded = std::make_unique<TuiFilterControlCriteria>(*this);
    loaded->AssignCriteria(*FCriteria, false);
    loaded->ReadCriteriaStream(stream);
    std::unique_ptr<TuiGroupViewInfo> root = CreateRowTree(*loaded);
    FCriteria = std::move(loaded);
    ReplaceRows(std::move(root), false);
}

void TuiCustomFilterControl::SaveToFile(const rtl::UnicodeString& fileName) {
    rtl::TMemoryStream stream;
    SaveToStream(stream);
    stream.SaveToFile(fileName);
}

void TuiCustomFilterControl::SaveToStream(rtl::TStream& stream) {
    BuildCriteria();
    FCriteria->SaveToStream(stream);
}

void TuiCustomFilterControl::LinkChanged() {
    EndValueEditing(false);
    CloseSelectors();
    IuiFilterControl* link = GetLinkInterface();
    TuiFilterCriteria* linkCriteria = link != nullptr ? link->FilterCriteria() : nullptr;
    if (linkCriteria == nullptr) {
        ClearAll();
        return;
    }
    if (linkCriteria != FCriteria.get()) {
        FCriteria->AssignCriteria(*linkCriteria, false);
    }
    BuildRows();
}

TuiFilterControl::~TuiFilterControl() = default;

bool TuiFilterControl::QueryInterface(const rtl::TGUID& iid, void** object) {
    return rtl::QueryInterfaceOf<ILinkableFilterControl>(this, iid, object) ||
           TuiCustomFilterControl::QueryInterface(iid, object);
}

IuiFilterControl* TuiFilterControl::GetLinkInterface() const {
    return FLink.Get();
}

void TuiFilterControl::SetLinkComponent(rtl::TComponent* component) {
    rtl::TInterfacePtr<IuiFilterControl> link = rtl::Supports<IuiFilterControl>(component);
    if (!link) {
        component = nullptr;
    }
    if (component == FLinkComponent) {
        return;
    }
    if (FLinkComponent != nullptr) {
        FLinkComponent->RemoveFreeNotification(this);
    }
    FLinkComponent = component;
    FLink = std::move(link);
    if (FLinkComponent != nullptr) {
        FLinkComponent->FreeNotification(this);
    }
    LinkChanged();
}

void TuiFilterControl::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiCustomFilterControl::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FLinkComponent && component != nullptr) {
        FLinkComponent = nullptr;
        FLink.Reset();
        if (!IsDestroying()) {
            LinkChanged();
        }
    }
}

void InitializeFilterControlUnit() {
    PrepareFilterControlLevelLineBrush();
}

void FinalizeFilterControlUnit() {
    FreeFilterControlLevelLineBrush();
}

} // namespace ui
