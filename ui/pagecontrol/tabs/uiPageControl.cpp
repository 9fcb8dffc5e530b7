#include "ui/pagecontrol/tabs/uiPageControl.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/objects/uiFlagGuard.h"
#include "ui/pagecontrol/tabs/uiPCStrs.h"
#include "ui/pagecontrol/tabs/uiTabSheet.h"
#include "vcl/controls/FormRoot.h"

#include <algorithm>

namespace ui {

TuiPageControl::~TuiPageControl() {
    for (TuiTabSheet* page : FPages) {
        page->FPageControl = nullptr;
        page->FTab = nullptr;
    }
    FPages.clear();
    FActivePage = nullptr;
}

void TuiPageControl::Invalidate() {
    TuiCustomTabControl::Invalidate();
    if (FActivePage && FActivePage->HandleAllocated()) {
        FActivePage->Invalidate();
    }
}

TuiTabSheet* TuiPageControl::Pages(int32_t index) const {
    if (index < 0 || index >= PageCount()) {
        throw rtl::EListError(rtl::Format(LoadResStringText(suiPCPageIndexError), {index, PageCount() - 1}));
    }
    return FPages[static_cast<size_t>(index)];
}

TuiTabSheet* TuiPageControl::PageOfTab(int32_t tabIndex) const {
    return tabIndex >= 0 && tabIndex < PageCount() ? FPages[static_cast<size_t>(tabIndex)] : nullptr;
}

int32_t TuiPageControl::IndexOfPage(const TuiTabSheet& page) const {
    const auto found = std::find(FPages.begin(), FPages.end(), &page);
    return found != FPages.end() ? static_cast<int32_t>(found - FPages.begin()) : -1;
}

rtl::TObject* TuiPageControl::GetActivePageObject() const {
    return FActivePage;
}

// Finding pages.

bool TuiPageControl::IsSelectablePage(const TuiTabSheet& page) const {
    return page.TabVisible() && page.Enabled();
}

TuiTabSheet* TuiPageControl::FindNextPage(TuiTabSheet* current, bool goForward, bool checkTabVisible) const {
    const int32_t count = PageCount();
    if (count == 0) {
        return nullptr;
    }
    int32_t start = current ? IndexOfPage(*current) : -1;
    if (start == -1) {
        start = goForward ? count - 1 : 0;
    }
    int32_t index = start;
    do {
        index = goForward ? (index + 1) % count : (index + count - 1) % count;
        TuiTabSheet* page = FPages[static_cast<size_t>(index)];
        if (!checkTabVisible || IsSelectablePage(*page)) {
            return page;
        }
    } while (index != start);
    return nullptr;
}

void TuiPageControl::SelectNextPage(bool goForward, bool checkTabVisible) {
    TuiTabSheet* page = FindNextPage(FActivePage, goForward, checkTabVisible);
    if (page && page != FActivePage) {
        SetActivePage(page);
    }
}

TuiTabSheet* TuiPageControl::SuccessorOf(const TuiTabSheet& page) const {
    const bool designing = ComponentState().Contains(rtl::TComponentState::csDesigning);
    const auto acceptable = [&](const TuiTabSheet* candidate) {
        return candidate != &page && (designing || IsSelectablePage(*candidate));
    };
    const auto place = std::find(FPages.begin(), FPages.end(), &page);
    const auto after = std::find_if(place, FPages.end(), acceptable);
    if (after != FPages.end()) {
        return *after;
    }
    const auto before = std::find_if(std::make_reverse_iterator(place), FPages.rend(), acceptable);
    return before != FPages.rend() ? *before : nullptr;
}

// Changing the active page.

bool TuiPageControl::CanChangeActivePage(TuiTabSheet* newPage) {
    bool allow = true;
    if (!IsChangeLocked() && FOnPageChanging) {
        FOnPageChanging(this, newPage, allow);
    }
    return allow;
}

bool TuiPageControl::CanChange(int32_t newIndex) {
    return TuiCustomTabControl::CanChange(newIndex) && CanChangeActivePage(PageOfTab(newIndex));
}

void TuiPageControl::SetActivePage(TuiTabSheet* page) {
    ActivatePage(page, true);
}

void TuiPageControl::ActivatePage(TuiTabSheet* page, bool askHandlers) {
    if (FActivePageSetting || (page && page->FPageControl != this)) {
        return;
    }
    const vcl::TControlLink link(this);
    const TuiFlagGuard guard(FActivePageSetting);
    ChangeActivePage(page, askHandlers);
    if (link.Alive() && FActivePage == page) {
        FollowActivePage();
    }
}

void TuiPageControl::ChangeActivePage(TuiTabSheet* page, bool askHandlers) {
    if (page == FActivePage) {
        return;
    }
    if (askHandlers && !(TuiCustomTabControl::CanChange(page ? IndexOfPage(*page) : -1) && CanChangeActivePage(page))) {
        return;
    }
    const vcl::TControlLink link(this);
    vcl::TFormRoot* form = vcl::ParentFormRoot(this);
    TuiTabSheet* oldPage = FActivePage;
    const bool focusInOldPage = form && oldPage && oldPage->ContainsControl(form->ActiveControl());
    if (focusInOldPage) {
        // The focused control leaves first; an exit handler that keeps the focus keeps the page as well.
        if (oldPage->CanFocus()) {
            form->SetActiveControl(oldPage);
        }
        if (!link.Alive()) {
            return;
        }
        if (form->ActiveControl() != oldPage) {
            FollowActivePage();
            return;
        }
    }
    if (oldPage) {
        oldPage->SetVisible(false);
    }
    if (page) {
        page->BringToFront();
        page->SetVisible(true);
        page->Invalidate();
    }
    if (focusInOldPage) {
        vcl::TWinControl* focus = page && page->CanFocus() && CanFocus() ? static_cast<vcl::TWinControl*>(page) : this;
        if (focus->CanFocus()) {
            form->SetActiveControl(focus);
        }
    }
    FActivePage = page;
    DoChange();
    if (link.Alive() && form && page && form->ActiveControl() == page) {
        page->SelectNext(nullptr, true, true);
    }
}

void TuiPageControl::FollowActivePage() {
    const TChangeLock lock(*this);
    const bool tabShown = FActivePage && FActivePage->TabVisible() && FActivePage->FTab;
    SetTabIndex(tabShown ? FActivePage->FTab->Index() : -1);
}

void TuiPageControl::SyncActivePageWithTabIndex() {
    SetActivePage(PageOfTab(TabIndex()));
}

void TuiPageControl::TabIndexChanged() {
    const TChangeLock lock(*this);
    SyncActivePageWithTabIndex();
}

void TuiPageControl::CloseActiveTab() {
    if (FActivePage) {
        rtl::TComponent::Free(FActivePage);
    }
}

void TuiPageControl::TabsChanged() {
    if (!FPageInserting) {
        TuiCustomTabControl::TabsChanged();
    }
}

// Pages joining and leaving.

void TuiPageControl::InsertPage(TuiTabSheet& page) {
    {
        const TuiFlagGuard guard(FPageInserting);
        FPages.push_back(&page);
        page.FPageControl = this;
        page.SetParentControl(this);
        Tabs().Add(page.Caption());
    }
    TuiTab& tab = Tabs().Tab(Tabs().Count() - 1);
    tab.SetObject(&page);
    page.FTab = &tab;
    RefreshTab(page);
    TabsChanged();
}

void TuiPageControl::RemovePage(TuiTabSheet& page) {
    const int32_t index = IndexOfPage(page);
    if (index == -1) {
        return;
    }
    // Only the active page's leaving changes the page shown.
    TuiTabSheet* next = &page == FActivePage ? SuccessorOf(page) : FActivePage;
    FPages.erase(FPages.begin() + index);
    page.FPageControl = nullptr;
    page.FTab = nullptr;
    Tabs().Delete(index);
    ClearTabIndex();
    // The page goes whatever the handlers say, so the one after it is shown unasked.
    ActivatePage(next, false);
}

void TuiPageControl::MovePage(TuiTabSheet& page, int32_t index) {
    const int32_t last = PageCount() - 1;
    if (index < 0 || index > last) {
        throw rtl::EListError(rtl::Format(LoadResStringText(suiPCPageIndexError), {index, last}));
    }
    const int32_t current = IndexOfPage(page);
    if (current == index) {
        return;
    }
    FPages.erase(FPages.begin() + current);
    FPages.insert(FPages.begin() + index, &page);
    Tabs().Move(current, index);
    RefreshTab(page);
    FollowActivePage();
}

void TuiPageControl::RefreshTab(TuiTabSheet& page) {
    if (!page.FTab || IsLoadingOrDestroying() || page.ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    TuiTab& tab = *page.FTab;
    tab.SetCaption(page.Caption());
    tab.SetEnabled(page.Enabled());
    tab.SetImageIndex(page.ImageIndex());
    tab.SetHighlighted(page.Highlighted());
    tab.SetVisible(page.TabVisible());
    if (&page == FActivePage) {
        FollowActivePage();
    }
}

void TuiPageControl::PaintPageBackground(const TuiTabSheet& page, HDC dc) {
    TuiPCCustomPainter& painter = Painter();
    const vcl::TPoint origin{page.Left(), page.Top()};
    if (painter.IsNativePainting()) {
        painter.DrawNativePageBackground(dc, origin);
        return;
    }
    POINT previous{};
    OffsetWindowOrgEx(dc, origin.X, origin.Y, &previous);
    PaintToDC(dc);
    SetWindowOrgEx(dc, previous.x, previous.y, nullptr);
}

} // namespace ui
