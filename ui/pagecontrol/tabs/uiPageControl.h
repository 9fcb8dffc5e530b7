#pragma once
// TuiPageControl: the tab control with one tab per page (TuiTabSheet). Choosing a tab shows its page and hides the
// one before, after OnChanging and OnPageChanging agree; a focus inside the old page moves to the new page's first
// control. The pages' captions, enabled states, images, highlights and tab visibility drive their tabs, and TabIndex
// never rests on a hidden tab: the active page of a hidden tab leaves TabIndex at -1.

#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ui {

class TuiTabSheet;

class TuiPageControl : public TuiCustomTabControl {
    RTL_DECLARE_CLASS(TuiPageControl, TuiCustomTabControl)
public:
    using TPageChangingEvent = std::function<void(rtl::TObject* sender, TuiTabSheet* newPage, bool& allowChange)>;

    explicit TuiPageControl(rtl::TComponent* owner) : TuiCustomTabControl(owner) {}
    // The pages stay; they only forget the control.
    ~TuiPageControl() override;

    // The active page is repainted with the control, since it shows the control's page area.
    void Invalidate() override;

    TuiTabSheet* ActivePage() const { return FActivePage; }
    // Shows page (nullptr: none) after OnChanging and OnPageChanging agree; TabIndex follows, -1 for a page whose tab
    // is hidden. A page of another control is ignored.
    void SetActivePage(TuiTabSheet* page);
    int32_t PageCount() const { return static_cast<int32_t>(FPages.size()); }
    // The page at index, in page order; raises EListError for an index out of range.
    TuiTabSheet* Pages(int32_t index) const;
    // The page whose tab is at tabIndex; nullptr for -1.
    TuiTabSheet* PageOfTab(int32_t tabIndex) const;

    // The next page after current (from the end or the start when current is none of the pages) in the direction,
    // wrapping round, that (with checkTabVisible) has a visible tab and is enabled; nullptr when none is.
    TuiTabSheet* FindNextPage(TuiTabSheet* current, bool goForward, bool checkTabVisible) const;
    // Makes the next such page active when there is one other than the active page.
    void SelectNextPage(bool goForward, bool checkTabVisible = true);

    using TuiCustomTabControl::OnChanging;
    using TuiCustomTabControl::SetOnChanging;
    using TuiCustomTabControl::TabIndex;
    const TPageChangingEvent& OnPageChanging() const { return FOnPageChanging; }
    void SetOnPageChanging(TPageChangingEvent handler) { FOnPageChanging = std::move(handler); }

    bool IsPageControl() const override { return true; }
    rtl::TObject* GetActivePageObject() const override;
    // Paints the page area under page into the page's device context, as the page's background.
    void PaintPageBackground(const TuiTabSheet& page, HDC dc);

protected:
    // OnChanging, then OnPageChanging with the page of the new tab.
    bool CanChange(int32_t newIndex) override;
    // Frees the active page.
    void CloseActiveTab() override;
    void TabsChanged() override;
    // The page of the new tab becomes active, with change events locked: OnChange follows once.
    void TabIndexChanged() override;
    // OnPageChanging, unless changes are locked.
    virtual bool CanChangeActivePage(TuiTabSheet* newPage);

private:
    friend class TuiTabSheet;

    int32_t IndexOfPage(const TuiTabSheet& page) const;
    // The page whose tab is TabIndex becomes active.
    void SyncActivePageWithTabIndex();
    // SetActivePage; handlers may refuse only when askHandlers.
    void ActivatePage(TuiTabSheet* page, bool askHandlers);
    void ChangeActivePage(TuiTabSheet* page, bool askHandlers);
    // TabIndex to the active page's tab (-1 when it is hidden or there is no active page), change events locked.
    void FollowActivePage();
    // What a sheet does to join and leave the control.
    void InsertPage(TuiTabSheet& page);
    void RemovePage(TuiTabSheet& page);
    void MovePage(TuiTabSheet& page, int32_t index);
    // The page taking the place of a removed active one: the next one with a visible, enabled tab, else the nearest
    // before it (at design time any page).
    TuiTabSheet* SuccessorOf(const TuiTabSheet& page) const;
    bool IsSelectablePage(const TuiTabSheet& page) const;
    // The tab shows the page's caption, enabled state, image, highlight and tab visibility.
    void RefreshTab(TuiTabSheet& page);

    TuiTabSheet* FActivePage = nullptr; // not owned
    bool FActivePageSetting = false;
    bool FPageInserting = false;
    std::vector<TuiTabSheet*> FPages; // not owned: each page is owned by its owner and lives on the control
    TPageChangingEvent FOnPageChanging;
};

} // namespace ui
