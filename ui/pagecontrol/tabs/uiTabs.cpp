#include "ui/pagecontrol/tabs/uiTabs.h"

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/pagecontrol/tabs/uiPCStrs.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>

namespace ui {

namespace {

constexpr char16_t TabsClassName[] = u"TuiTabs";

} // namespace

// Tab.

TuiTab::TuiTab(TuiTabs& owner, int32_t index, rtl::UnicodeStringView caption)
    : FOwner(owner), FCaption(caption), FImageIndex(index), FIndex(index) {}

TuiTab::~TuiTab() {
    FOwner.Control().ClearFocusedTab(*this);
}

TuiCustomTabControl& TuiTab::Control() const {
    return FOwner.Control();
}

void TuiTab::Assign(const rtl::TPersistent* source) {
    const auto* tab = dynamic_cast<const TuiTab*>(source);
    if (!tab) {
        TPersistent::Assign(source);
        return;
    }
    SetCaption(tab->FCaption);
    SetEnabled(tab->FEnabled);
    SetHighlighted(tab->FHighlighted);
    SetImageIndex(tab->FImageIndex);
    SetObject(tab->FObject);
    SetVisible(tab->FVisible);
    SetSelected(tab->FSelected);
}

void TuiTab::SetCaption(rtl::UnicodeStringView value) {
    if (FCaption == value) {
        return;
    }
    if (!FVisible) {
        FCaption = value;
        return;
    }
    const bool wasShown = HasVisibleRect();
    FCaption = value;
    TuiCustomTabControl& control = Control();
    if (control.IsLoadingOrDestroying()) {
        return;
    }
    if (control.Painter().CalcTabNormalWidth(*this) != FNormalWidth) {
        Changed(tckLayout);
    } else if (wasShown) {
        Changed(tckImageOrCaption);
    }
}

void TuiTab::SetColor(vcl::TColor value) {
    if (FColor != value) {
        const bool wasShown = HasVisibleRect();
        FColor = value;
        ChangedIfShown(wasShown, tckColor);
    }
}

void TuiTab::SetEnabled(bool value) {
    if (FEnabled != value) {
        const bool wasShown = HasVisibleRect();
        FEnabled = value;
        ChangedIfShown(wasShown, tckEnabled);
    }
}

void TuiTab::SetHighlighted(bool value) {
    if (FHighlighted != value) {
        const bool wasShown = HasVisibleRect();
        FHighlighted = value;
        ChangedIfShown(wasShown, tckHighlighted);
    }
}

void TuiTab::SetImageIndex(int32_t value) {
    value = std::max(value, -1);
    if (FImageIndex == value) {
        return;
    }
    FImageIndex = value;
    if (!Control().IsLoadingOrDestroying() && HasVisibleRect()) {
        Changed(tckLayout);
    }
}

void TuiTab::SetSelected(bool value) {
    if (FSelected == value) {
        return;
    }
    TuiCustomTabControl& control = Control();
    if (control.ComponentState().Contains(rtl::TComponentState::csLoading)) {
        FSelected = value;
        return;
    }
    if (value && control.Painter().ClassType().AllowsMultiSelect()) {
        const TuiTabs& tabs = FOwner;
        for (int32_t i = 0; i < tabs.Count(); ++i) {
            if (i != FIndex && tabs.Tab(i).Selected()) {
                control.SetMultiSelect(true);
                break;
            }
        }
    }
    if (value && !control.MultiSelect() && FIndex != control.TabIndex()) {
        return;
    }
    const bool wasShown = HasVisibleRect();
    FSelected = value;
    ChangedIfShown(wasShown, tckMultiSelection);
}

void TuiTab::SetVisible(bool value) {
    if (FVisible == value) {
        return;
    }
    FVisible = value;
    Control().TabVisibilityChanged(*this, value);
}

void TuiTab::ChangedIfShown(bool wasShown, TuiTabChangeKind kind) {
    if (wasShown || HasVisibleRect()) {
        Changed(kind);
    }
}

void TuiTab::Changed(TuiTabChangeKind kind) {
    Control().TabChanged(kind == tckLayout ? -1 : VisibleIndex(), kind);
}

int32_t TuiTab::NormalLength() const {
    return Control().Rotate() ? FOwner.NormalTabHeight() : FNormalWidth;
}

vcl::TRect TuiTab::GetNormalRect() const {
    const TuiCustomTabControl& control = Control();
    const int32_t height = FOwner.NormalTabHeight();
    const int32_t across = control.Rotate() ? control.RowHeight() : FNormalWidth;
    const int32_t width = control.IsVerticalText() ? height : across;
    const int32_t length = control.IsVerticalText() ? across : height;
    return {FNormalPosition.X, FNormalPosition.Y, FNormalPosition.X + width, FNormalPosition.Y + length};
}

vcl::TRect TuiTab::GetFullRect() const {
    const vcl::TRect normal = GetNormalRect();
    const vcl::TRect correction = Control().Painter().GetTabCorrection(VisibleIndex());
    return {normal.Left + correction.Left, normal.Top + correction.Top, normal.Right + correction.Right,
            normal.Bottom + correction.Bottom};
}

vcl::TRect TuiTab::GetVisibleRect() const {
    const TuiCustomTabControl& control = Control();
    const int32_t visibleIndex = VisibleIndex();
    if (!FVisible || visibleIndex < 0) {
        return {};
    }
    if (!control.MultiLine() &&
        (visibleIndex < control.FirstDisplayedIndex() || visibleIndex > control.LastDisplayedIndex())) {
        return {};
    }
    const vcl::TRect& clip =
        FVisibleRow < control.FrontRowCount() ? control.FrontRowsClipRect() : control.BackRowsClipRect();
    return vcl::IntersectRect(GetFullRect(), clip);
}

bool TuiTab::IsActiveTab() const {
    return FIndex == Control().TabIndex();
}

bool TuiTab::IsHotTracked() const {
    return VisibleIndex() >= 0 && VisibleIndex() == Control().HotTabVisibleIndex();
}

bool TuiTab::IsPressed() const {
    return VisibleIndex() >= 0 && VisibleIndex() == Control().PressedTabVisibleIndex();
}

bool TuiTab::IsFocused() const {
    return VisibleIndex() >= 0 && VisibleIndex() == Control().FocusedTabVisibleIndex();
}

bool TuiTab::IsEnabled() const {
    return FEnabled && Control().Enabled();
}

int32_t TuiTab::VisibleIndex() const {
    return Control().VisibleTabs().VisibleIndexOf(FIndex);
}

TuiTabPosition TuiTab::EffectiveTabPosition() const {
    const TuiCustomTabControl& control = Control();
    const bool front = FVisibleRow < control.FrontRowCount();
    const bool horizontalLine = control.TabPosition() == tpTop || control.TabPosition() == tpBottom;
    if (horizontalLine) {
        return front ? tpTop : tpBottom;
    }
    return front ? tpLeft : tpRight;
}

int32_t TuiTab::TextSideKind() const {
    static constexpr int32_t Kinds[4][3] = {{1, 2, 3}, {10, 11, 12}, {6, 4, 5}, {9, 7, 8}};
    return Kinds[EffectiveTabPosition()][Control().TextDirection()];
}

TuiBitmap32& TuiTab::CreatePaintBitmap() {
    if (!FPaintBitmap) {
        FPaintBitmap = std::make_unique<TuiBitmap32>();
    }
    return *FPaintBitmap;
}

void TuiTab::FreePaintBitmap() {
    FPaintBitmap.reset();
}

void TuiTab::SetVerticalTextBitmap(std::unique_ptr<TuiBitmap32> bitmap) {
    FVerticalTextBitmap = std::move(bitmap);
}

void TuiTab::FreeVerticalTextBitmap() {
    FVerticalTextBitmap.reset();
}

// Tabs.

TuiTabs::TuiTabs(TuiCustomTabControl& control) : FControl(control) {}

TuiTabs::~TuiTabs() {
    while (!FTabs.empty()) {
        FTabs.pop_back();
    }
}

const rtl::UnicodeString& TuiTabs::Strings(int32_t index) const {
    if (index < 0 || index >= Count()) {
        RaisePCError(TabsClassName, u"Get", suiPCTabIndexError, {index});
    }
    return FTabs[static_cast<size_t>(index)]->Caption();
}

void TuiTabs::SetStrings(int32_t index, rtl::UnicodeStringView text) {
    Tab(index).SetCaption(text);
}

TuiTab& TuiTabs::Tab(int32_t index) const {
    if (index < 0 || index >= Count()) {
        RaisePCError(TabsClassName, u"GetTab", suiPCTabIndexError, {index});
    }
    return *FTabs[static_cast<size_t>(index)];
}

TuiTab& TuiTabs::VisibleTab(int32_t visibleIndex) const {
    const TuiVisibleTabList& visible = FControl.VisibleTabs();
    if (visibleIndex < 0 || visibleIndex >= visible.Count()) {
        RaisePCError(TabsClassName, u"GetVisibleTab", suiPCTabVisibleIndexOutsOfBounds,
                     {visibleIndex, visible.Count() - 1});
    }
    return visible.Tab(visibleIndex);
}

int32_t TuiTabs::Add(rtl::UnicodeStringView caption) {
    const int32_t index = Count();
    Insert(index, caption);
    return index;
}

void TuiTabs::Insert(int32_t index, rtl::UnicodeStringView caption) {
    if (index < 0 || index > Count()) {
        RaisePCError(TabsClassName, u"Insert", suiPCTabIndexError, {index});
    }
    FTabs.insert(FTabs.begin() + index, std::make_unique<TuiTab>(*this, index, caption));
    Renumber(index + 1);
    if (!FControl.ComponentState().Contains(rtl::TComponentState::csLoading) && FControl.FTabIndex == -1 &&
        Count() == 1) {
        FControl.FTabIndex = 0;
    }
    LayoutChanged();
}

void TuiTabs::Delete(int32_t index) {
    if (index < 0 || index >= Count()) {
        RaisePCError(TabsClassName, u"Delete", suiPCTabIndexError, {index});
    }
    FTabs.erase(FTabs.begin() + index);
    Renumber(index);
    LayoutChanged();
}

void TuiTabs::Clear() {
    if (FTabs.empty()) {
        return;
    }
    while (!FTabs.empty()) {
        FTabs.pop_back();
    }
    LayoutChanged();
}

void TuiTabs::Move(int32_t currentIndex, int32_t newIndex) {
    Tab(currentIndex);
    Tab(newIndex);
    if (currentIndex == newIndex) {
        return;
    }
    std::unique_ptr<TuiTab> tab = std::move(FTabs[static_cast<size_t>(currentIndex)]);
    FTabs.erase(FTabs.begin() + currentIndex);
    FTabs.insert(FTabs.begin() + newIndex, std::move(tab));
    Renumber(std::min(currentIndex, newIndex));
    LayoutChanged();
}

int32_t TuiTabs::IndexOf(rtl::UnicodeStringView caption) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (FTabs[static_cast<size_t>(i)]->Caption() == caption) {
            return i;
        }
    }
    return -1;
}

void TuiTabs::BeginUpdate() {
    ++FUpdateCount;
}

void TuiTabs::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) {
        LayoutChanged();
    }
}

void TuiTabs::Renumber(int32_t from) {
    for (int32_t i = from; i < Count(); ++i) {
        FTabs[static_cast<size_t>(i)]->FIndex = i;
    }
}

void TuiTabs::LayoutChanged() {
    FControl.TabChanged(-1, tckLayout);
}

// Visible tabs.

TuiTab& TuiVisibleTabList::Tab(int32_t visibleIndex) const {
    if (FIndexes.empty()) {
        RaisePCError(u"TuiVisibleTabList", u"GetTab", suiPCVisibleTabListEmpty);
    }
    if (visibleIndex < 0 || visibleIndex >= Count()) {
        RaisePCError(u"TuiVisibleTabList", u"GetTab", suiPCTabVisibleIndexOutsOfBounds, {visibleIndex, Count() - 1});
    }
    return FControl.Tabs().Tab(FIndexes[static_cast<size_t>(visibleIndex)]);
}

int32_t TuiVisibleTabList::VisibleIndexOf(int32_t tabIndex) const {
    const auto found = std::lower_bound(FIndexes.begin(), FIndexes.end(), tabIndex);
    return found != FIndexes.end() && *found == tabIndex ? static_cast<int32_t>(found - FIndexes.begin()) : -1;
}

void TuiVisibleTabList::Add(int32_t tabIndex) {
    const auto place = std::lower_bound(FIndexes.begin(), FIndexes.end(), tabIndex);
    if (place == FIndexes.end() || *place != tabIndex) {
        FIndexes.insert(place, tabIndex);
    }
}

void TuiVisibleTabList::Remove(int32_t tabIndex) {
    const auto found = std::lower_bound(FIndexes.begin(), FIndexes.end(), tabIndex);
    if (found != FIndexes.end() && *found == tabIndex) {
        FIndexes.erase(found);
    }
}

void TuiVisibleTabList::Refresh() {
    FIndexes.clear();
    const TuiTabs& tabs = FControl.Tabs();
    for (int32_t i = 0; i < tabs.Count(); ++i) {
        if (tabs.Tab(i).Visible()) {
            FIndexes.push_back(i);
        }
    }
}

// Slants.

void TuiTabSlants::Assign(const rtl::TPersistent* source) {
    const auto* slants = dynamic_cast<const TuiTabSlants*>(source);
    if (!slants) {
        TPersistent::Assign(source);
        return;
    }
    SetKind(slants->FKind);
    SetPositions(slants->FPositions);
}

void TuiTabSlants::SetKind(TuiTabSlantKind value) {
    if (FKind != value) {
        FKind = value;
        Changed();
    }
}

void TuiTabSlants::SetPositions(TuiTabSlantPositions value) {
    if (FPositions != value) {
        FPositions = value;
        Changed();
    }
}

void TuiTabSlants::Changed() {
    if (FOnChange) {
        FOnChange(this);
    }
}

} // namespace ui
