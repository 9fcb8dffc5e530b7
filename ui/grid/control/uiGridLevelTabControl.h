#pragma once
// TuiGridLevelTabControl: the strip of level tabs of a details site. It is a tab control in tab-strip mode that never
// takes the focus, with one tab per level (the tab's object), captioned and pictured from the level; choosing a tab
// tells the site, and the mouse it receives reaches the grid under it too. A chosen tab lays the grid out anew, which
// replaces the site and its strip while the strip still handles the click: the site discards the strip, and the
// strip frees itself once its message is done. TuiGridDetailsSiteTabHitTest: a point on a level tab.

#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <cstdint>

namespace ui {

class TuiCustomGrid;
class TuiCustomGridDetailsSiteViewInfo;
class TuiGridLevel;

class TuiGridDetailsSiteTabHitTest : public TuiCustomGridHitTest {
public:
    void Assign(const TuiCustomGridHitTest* source) override;
    int32_t GetHitTestCode() const override { return 50; }

    // The level of the tab.
    TuiGridLevel* Level() const { return FLevel; }
    void SetLevel(TuiGridLevel* value) { FLevel = value; }
    // The grid that shows the tabs.
    TuiCustomGrid* Control() const { return FControl; }
    void SetControl(TuiCustomGrid* value) { FControl = value; }

private:
    TuiGridLevel* FLevel = nullptr;    // not owned
    TuiCustomGrid* FControl = nullptr; // not owned
};

class TuiGridLevelTabControl : public TuiTabControl {
    RTL_DECLARE_CLASS(TuiGridLevelTabControl, TuiTabControl)
public:
    // A strip of no owner for site: tab-strip mode, never focused, rotated tabs of one width, the strip's own
    // background.
    explicit TuiGridLevelTabControl(TuiCustomGridDetailsSiteViewInfo& site);
    ~TuiGridLevelTabControl() override;

    // nullptr once the site discarded the strip.
    TuiCustomGridDetailsSiteViewInfo* SiteViewInfo() const { return FSiteViewInfo; }
    // Shown accelerators mark a caption's letter; otherwise every "&" shows as itself.
    bool ShowAccelerators() const { return FShowAccelerators; }
    void SetShowAccelerators(bool value);
    // The level's caption as its tab holds it: unchanged with accelerators shown, otherwise without its accelerator
    // mark and with every "&" left doubled, so that it shows as one.
    rtl::UnicodeString GetLevelCaption(const TuiGridLevel& level) const;
    // A tab for level, captioned and pictured from it; the tab goes when the level is freed.
    void AddLevel(TuiGridLevel& level);
    // The level of the tab at tabIndex, nullptr for -1.
    TuiGridLevel* LevelOfTab(int32_t tabIndex) const;
    int32_t TabOfLevel(const TuiGridLevel* level) const;
    // The level of the selected tab, or nullptr.
    TuiGridLevel* ActiveLevel() const { return LevelOfTab(TabIndex()); }
    // Selects level's tab (the first tab when it has none) without telling the site.
    void SetActiveLevel(const TuiGridLevel* level);
    // The hit test of the tab at point (client coordinates), filled in by the site; nullptr where no tab is.
    TuiGridDetailsSiteTabHitTest* GetHitTest(vcl::TPoint point);
    // Selects the tab whose caption has key as its accelerator; whether one took it.
    bool HandleAccelerator(char16_t key) override;
    // Frees the strip now, or, while it handles a message, once the message is done; the site is forgotten at once.
    void Discard();

    void WndProc(vcl::TMessage& message) override;
    void Dispatch(vcl::TMessage& message) override;
    // The caption in the font and text colour of its level's tab style, unless a skin draws the tabs.
    void PrepareTabFont(TuiTab& tab, TuiCanvas& canvas) override;
    // Captions are measured in the font their level's style draws them in.
    void PrepareMeasuringFont(TuiTab& tab, TuiCanvas& canvas) override;

protected:
    // The grid, not the strip, takes the focus for an accelerator.
    bool CanTakeAccelerators() const override;
    // A tab chosen by the user tells the site.
    void DoChange() override;
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void DblClick() override;

private:
    // Runs action as part of a message: a discard asked meanwhile frees the strip when the outermost one ends.
    template <class TAction>
    void RunAsMessage(TAction&& action);
    void MessageDone();
    // Runs the strip's own handling, then, unless that freed the strip, pass with the grid the strip lies on: the
    // grid hears of the mouse at the same point in its own coordinates.
    template <class THandle, class TPass>
    void HandleAndPass(THandle&& handle, TPass&& pass);

    TuiCustomGridDetailsSiteViewInfo* FSiteViewInfo; // not owned; nullptr once discarded
    bool FShowAccelerators = true;
    bool FSettingActiveLevel = false;
    int32_t FMessageDepth = 0;
    bool FDiscardPending = false;
};

} // namespace ui
