#pragma once
// The tab strip of a details site: a level tab control with one tab for each visible child level that has a tab,
// placed along the site's left edge (rotated tabs) or its top edge, styled from the grid's LevelTabs and the levels'
// tab styles. Its thickness is the tab control's strip and its length the tabs' full length, each measured once; the
// site's client area starts beside or below it.

#include "ui/pagecontrol/tabs/uiTabControlTypes.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <optional>

namespace ui {

class TuiCustomGridDetailsSiteViewInfo;
class TuiGridDetailsSiteTabHitTest;
class TuiGridLevelTabControl;

class TuiCustomGridDetailsSiteTabsViewInfo {
public:
    explicit TuiCustomGridDetailsSiteTabsViewInfo(TuiCustomGridDetailsSiteViewInfo& siteViewInfo);
    // The tab control is discarded: freed at once, or once the message it handles is done.
    virtual ~TuiCustomGridDetailsSiteTabsViewInfo();
    TuiCustomGridDetailsSiteTabsViewInfo(const TuiCustomGridDetailsSiteTabsViewInfo&) = delete;
    TuiCustomGridDetailsSiteTabsViewInfo& operator=(const TuiCustomGridDetailsSiteTabsViewInfo&) = delete;

    TuiCustomGridDetailsSiteViewInfo& SiteViewInfo() const { return FSiteViewInfo; }
    TuiGridLevelTabControl& TabControl() const { return *FTabControl; }
    const vcl::TRect& Bounds() const { return FBounds; }
    // Across the strip and along it, each measured on the first request.
    int32_t Height();
    int32_t Width();
    // The colour of the level's TabsBackground style.
    vcl::TColor GetBackgroundColor() const;

    // Fills the tab control: caption mode, the levels' tabs, their side and look.
    void InitTabControl();
    // The strip within bounds; the tab control is placed there on the site's container.
    void Calculate(const vcl::TRect& bounds);
    // The site's client bounds less the strip.
    virtual void AdjustClientBounds(vcl::TRect& bounds) = 0;
    // The site is at least as high (left tabs) or as wide (top tabs) as the tabs are long.
    virtual void AdjustSiteHeight(int32_t& /*height*/) {}
    virtual void AdjustSiteWidth(int32_t& /*width*/) {}
    // The hit test of the tab at point (container coordinates), or nullptr.
    TuiGridDetailsSiteTabHitTest* GetHitTest(vcl::TPoint point);
    bool ProcessDialogChar(char16_t key);
    // The first tab the strip shows; a value set takes effect in the next Calculate, when the strip has its size.
    int32_t GetFirstTabIndex() const;
    void SetFirstTabIndex(int32_t value) { FFirstTabIndex = value; }

protected:
    virtual bool IsVertical() const = 0;
    virtual TuiTabPosition GetTabPosition() const = 0;
    // Bounds ends where the strip does.
    virtual void CalculateBounds() = 0;
    vcl::TRect& MutableBounds() { return FBounds; }

private:
    void AddTabs();
    void InitTabControlLayout();
    void InitTabControlAppearance();
    void InitTabColors();

    TuiCustomGridDetailsSiteViewInfo& FSiteViewInfo;
    TuiGridLevelTabControl* FTabControl; // owned; discarded by the destructor
    vcl::TRect FBounds;
    int32_t FHeight = 0;
    int32_t FWidth = 0;
    std::optional<int32_t> FFirstTabIndex;
};

// Rotated tabs down the site's left edge.
class TuiGridDetailsSiteLeftTabsViewInfo : public TuiCustomGridDetailsSiteTabsViewInfo {
public:
    using TuiCustomGridDetailsSiteTabsViewInfo::TuiCustomGridDetailsSiteTabsViewInfo;
    void AdjustClientBounds(vcl::TRect& bounds) override;
    void AdjustSiteHeight(int32_t& height) override;

protected:
    bool IsVertical() const override { return true; }
    TuiTabPosition GetTabPosition() const override { return tpLeft; }
    void CalculateBounds() override;
};

// Tabs along the site's top edge.
class TuiGridDetailsSiteTopTabsViewInfo : public TuiCustomGridDetailsSiteTabsViewInfo {
public:
    using TuiCustomGridDetailsSiteTabsViewInfo::TuiCustomGridDetailsSiteTabsViewInfo;
    void AdjustClientBounds(vcl::TRect& bounds) override;
    void AdjustSiteWidth(int32_t& width) override;

protected:
    bool IsVertical() const override { return false; }
    TuiTabPosition GetTabPosition() const override { return tpTop; }
    void CalculateBounds() override;
};

} // namespace ui
