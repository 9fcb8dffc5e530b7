#pragma once
// TuiCustomGridDetailsSiteViewInfo: the rectangle in which a level shows the view of one of its child levels: at the
// top of the grid for the root level, inside an expanded master row for the others. It holds an optional strip of
// level tabs (on the left or at the top, by the level's DetailTabsPosition), an optional frame, and the active view,
// laid out in what is left. Its height and width follow the active view's wishes within the limits the concrete site
// gives; the tabs may ask for more.

#include "ui/core/objects/uiComponents.h"
#include "ui/grid/control/uiGridLevel.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui {

class TuiCanvas;
class TuiCustomGrid;
class TuiCustomGridDetailsSiteTabsViewInfo;
class TuiCustomGridHitTest;
class TuiCustomGridView;
class TuiGridDetailsSiteTabHitTest;
struct TuiDrawParams;

// What a site hands to the one that replaces it when the layout is rebuilt: where its tab strip was scrolled to.
struct TuiCustomGridDetailsSiteViewInfoCachedInfo {
    int32_t FirstTabIndex = 0;
};

class TuiCustomGridDetailsSiteViewInfo : public TuiComponent {
    RTL_DECLARE_CLASS(TuiCustomGridDetailsSiteViewInfo, TuiComponent)
public:
    // A site of class TSite, with its tabs: they ask the finished site which levels to show.
    template <class TSite, class... TArgs>
    static std::unique_ptr<TSite, rtl::TComponentDeleter> Create(TArgs&&... args) {
        std::unique_ptr<TSite, rtl::TComponentDeleter> site(new TSite(std::forward<TArgs>(args)...));
        site->CreateTabs();
        return site;
    }
    ~TuiCustomGridDetailsSiteViewInfo() override;

    TuiGridLevel& Level() const { return FLevel; }
    TuiCustomGrid* Control() const;
    const vcl::TRect& Bounds() const { return FBounds; }
    int32_t Height() const { return FBounds.Height(); }
    int32_t Width() const { return FBounds.Width(); }
    TuiGridDetailTabsPosition TabsPosition() const { return FLevel.Options().DetailTabsPosition(); }
    // nullptr without tabs (dtpNone).
    TuiCustomGridDetailsSiteTabsViewInfo* TabsViewInfo() const { return FTabsViewInfo.get(); }
    // The bounds less the tab strip and the frame.
    vcl::TRect GetClientBounds() const;
    int32_t ClientHeight() const { return GetClientBounds().Height(); }
    int32_t ClientWidth() const { return GetClientBounds().Width(); }
    // What the tab strip and the frame take of the height and width, whatever the bounds are.
    int32_t NonClientHeight() const;
    int32_t NonClientWidth() const;
    // The client bounds grown by the frame.
    vcl::TRect GetFrameBounds() const;
    vcl::TColor GetFrameColor() const;
    int32_t GetFrameWidth() const;
    virtual vcl::TColor GetBackgroundColor() const;
    bool FullyVisible() const { return FFullyVisible; }
    int32_t NormalHeight() const { return FNormalHeight; }

    // Bounds := (left, top) with the wanted size; the tabs and the active view are laid out in them.
    void Calculate(int32_t left, int32_t top);
    virtual int32_t CalculateHeight();
    virtual int32_t CalculateWidth();
    // The active view (taken once, forgotten when it is freed), or nullptr.
    TuiCustomGridView* GetActiveGridView();
    // The level whose view the site shows.
    virtual TuiGridLevel* GetActiveLevel() const = 0;
    // A tab's hit test, else the active view's at point (container coordinates), or nullptr.
    TuiCustomGridHitTest* GetHitTest(vcl::TPoint point);
    // Tells the active view's view info; a concrete site's destructor tells it false (the base destructor cannot
    // reach the concrete site's answers any more).
    virtual void VisibilityChanged(bool visible);
    // Frame and background on canvas; the tab strip is a window of its own.
    void Paint(TuiCanvas& canvas);

    // For the tabs. The window that holds the tab strip and the active view's site.
    virtual vcl::TWinControl* GetContainer() const = 0;
    // A child level has a tab when this level shows tabs for empty details, or when the child has data.
    bool IsTabVisible(const TuiGridLevel& level) const;
    // Whether the tabs show their captions' accelerators.
    virtual bool ShowTabAccelerators() const { return false; }
    // The parameters of the strip's background and of a child level's tab.
    void GetTabsBackgroundParams(TuiDrawParams& params) const;
    void GetTabParams(TuiGridLevel& tabLevel, TuiDrawParams& params) const;
    // Fills in what the site adds to a tab's hit test.
    virtual void InitTabHitTest(TuiGridDetailsSiteTabHitTest& hitTest) const = 0;
    // The user chose level's tab. The site may be rebuilt by it: the caller touches nothing of it afterwards.
    virtual void ActiveLevelChanged(TuiGridLevel& level) = 0;
    // The tabs' accelerator handling; false without tabs.
    bool ProcessDialogChar(char16_t key);

    // The tab strip's scroll position, carried over to the next site (nothing without tabs).
    std::optional<TuiCustomGridDetailsSiteViewInfoCachedInfo> GetCachedInfo() const;
    void SetCachedInfo(const std::optional<TuiCustomGridDetailsSiteViewInfoCachedInfo>& info);

protected:
    explicit TuiCustomGridDetailsSiteViewInfo(TuiGridLevel& level);

    virtual TuiCustomGridView* GetActiveGridViewValue() const = 0;
    // Whether level has records to show.
    virtual bool HasDetailData(const TuiGridLevel& level) const = 0;
    virtual int32_t GetMaxHeight() const = 0;
    virtual int32_t GetMaxWidth() const = 0;
    virtual int32_t GetMinWidth() const { return GetMaxWidth(); }
    virtual int32_t GetMaxNormalHeight() const { return INT32_MAX; }
    virtual int32_t GetEmptyClientHeight() const { return 100; }
    virtual int32_t GetEmptyClientWidth() const { return 200; }
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    // The tabs of the level's DetailTabsPosition, none for dtpNone.
    void CreateTabs();
    vcl::TRect ClientBoundsWithin(const vcl::TRect& bounds) const;
    vcl::TSize MaxClientSize() const;

    TuiGridLevel& FLevel;
    std::unique_ptr<TuiCustomGridDetailsSiteTabsViewInfo> FTabsViewInfo;
    TuiCustomGridView* FActiveGridView = nullptr; // not owned; forgotten when freed
    bool FActiveGridViewTaken = false;
    vcl::TRect FBounds;
    int32_t FNormalHeight = 0;
    bool FFullyVisible = false;
};

} // namespace ui
