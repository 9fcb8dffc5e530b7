#pragma once
// TuiCustomTabControl: a control that shows a list of tabs along one side of a page area, in one row that scrolls
// with navigator arrows or in several balanced rows, and keeps one tab selected (TabIndex). It works out the tabs'
// sizes, rows and positions, handles the mouse (selection, hot tracking, navigator buttons with auto-repeat) and the
// keyboard (arrows, Home and End, Ctrl+Tab, accelerators), opens a menu of the tabs from its go-dialog button, and
// leaves every pixel and every style-dependent metric to its painter, which the painters factory makes for the chosen
// Style. TuiTabControl publishes it with a Tabs list; the page control derives from it with one tab per page.
//
// Geometry: the tab line runs along the control's side the tabs sit on; rows lie across it. Rows "in front" are
// placed from the near edge (top or left) of the tabs area, the others from its far edge, so a control with its tabs
// at the bottom or right has its rows on its own side behind the page in these terms.

#include "ui/core/controls/control/uiControl.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/pagecontrol/tabs/uiPCPainter.h"
#include "ui/pagecontrol/tabs/uiTabControlTypes.h"
#include "ui/pagecontrol/tabs/uiTabs.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vcl {
class TCustomImageList;
} // namespace vcl

namespace ui {

class TuiPCGoDialog;
class TuiPCImageList;
class TuiTimer;

// The first and last visible index of one row.
struct TuiPCLineIndexBounds {
    int32_t First = 0;
    int32_t Last = -1;
};

class TuiCustomTabControl : public TuiControl, public IuiSkinDrawnMarker {
    RTL_DECLARE_CLASS(TuiCustomTabControl, TuiControl)
public:
    using TCanCloseEvent = std::function<void(rtl::TObject* sender, bool& canClose)>;
    using TChangingEvent = std::function<void(rtl::TObject* sender, bool& allowChange)>;
    using TDrawTabEvent = std::function<void(TuiCustomTabControl* control, TuiTab* tab, bool& defaultDraw)>;
    using TDrawTabExEvent = std::function<void(TuiCustomTabControl* control, TuiTab* tab, vcl::TFont& font)>;
    using TGetImageIndexEvent = std::function<void(rtl::TObject* sender, int32_t tabIndex, int32_t& imageIndex)>;

    // Makes the painter of the look and feel's style: raises when no painter style is registered.
    explicit TuiCustomTabControl(rtl::TComponent* owner);
    ~TuiCustomTabControl() override;

    bool QueryInterface(const rtl::TGUID& iid, void** object) override;
    void Dispatch(vcl::TMessage& message) override;
    void Loaded() override;

    // Properties.
    bool Focusable() const { return FFocusable; }
    void SetFocusable(bool value) { FFocusable = value; }
    bool HideTabs() const { return FHideTabs; }
    void SetHideTabs(bool value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    int32_t ImageBorder() const { return FImageBorder; }
    // Negative values become 0.
    void SetImageBorder(int32_t value);
    vcl::TCustomImageList* Images() const;
    void SetImages(vcl::TCustomImageList* value);
    int32_t MaxRotatedTabWidth() const { return FMaxRotatedTabWidth; }
    void SetMaxRotatedTabWidth(int32_t value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    TuiPCNavigatorPosition NavigatorPosition() const { return FNavigatorPosition; }
    void SetNavigatorPosition(TuiPCNavigatorPosition value);
    TuiPCOptions Options() const { return FOptions; }
    void SetOptions(TuiPCOptions value);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value);
    bool RaggedRight() const { return FRaggedRight; }
    void SetRaggedRight(bool value);
    bool Rotate() const { return FRotate; }
    // True raises for a style that cannot rotate its tabs.
    void SetRotate(bool value);
    bool ScrollOpposite() const { return FScrollOpposite; }
    void SetScrollOpposite(bool value);
    bool ShowFrame() const { return FShowFrame; }
    void SetShowFrame(bool value);
    TuiPCStyleID Style() const { return FStyle; }
    // 0 takes the look and feel's style; an id no registered style has is ignored.
    void SetStyle(TuiPCStyleID value);
    vcl::TAlignment TabCaptionAlignment() const { return FTabCaptionAlignment; }
    void SetTabCaptionAlignment(vcl::TAlignment value);
    TuiTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TuiTabPosition value);
    // The ends of the slanted styles' tabs; a change lays the tabs out again.
    TuiTabSlants& TabSlants() const { return *FTabSlants; }
    void SetTabSlants(const TuiTabSlants& value) { FTabSlants->Assign(&value); }
    int32_t TabWidth() const { return FTabWidth; }
    void SetTabWidth(int32_t value);
    int32_t TabHeight() const { return FTabHeight; }
    void SetTabHeight(int32_t value);

    const TCanCloseEvent& OnCanClose() const { return FOnCanClose; }
    void SetOnCanClose(TCanCloseEvent handler) { FOnCanClose = std::move(handler); }
    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }
    const TDrawTabEvent& OnDrawTab() const { return FOnDrawTab; }
    void SetOnDrawTab(TDrawTabEvent handler) { FOnDrawTab = std::move(handler); }
    const TDrawTabExEvent& OnDrawTabEx() const { return FOnDrawTabEx; }
    void SetOnDrawTabEx(TDrawTabExEvent handler) { FOnDrawTabEx = std::move(handler); }
    const TGetImageIndexEvent& OnGetImageIndex() const { return FOnGetImageIndex; }
    void SetOnGetImageIndex(TGetImageIndexEvent handler) { FOnGetImageIndex = std::move(handler); }

    // State the painters and the tests read.
    TuiPCCustomPainter& Painter() const { return *FPainter; }
    TuiPCImageList& ImageList() const { return *FImages; }
    TuiVisibleTabList& VisibleTabs() const { return *FVisibleTabs; }
    const TuiPCTabsPosition& TabsPosition() const { return FTabsPosition; }
    int32_t RowCount() const { return FRowCount; }
    int32_t RowHeight() const { return FRowHeight; }
    int32_t FrontRowCount() const { return FFrontRowCount; }
    const vcl::TRect& BackRowsClipRect() const { return FBackRowsClipRect; }
    const vcl::TRect& FrontRowsClipRect() const { return FFrontRowsClipRect; }
    // The displayed window of a single-line control (visible indexes, -1 for none).
    int32_t FirstDisplayedIndex() const { return FFirstDisplayedIndex; }
    // Scrolls a single-line control so that the tabs start at visibleIndex, as far as they do not all fit.
    void SetFirstDisplayedIndex(int32_t visibleIndex);
    int32_t LastDisplayedIndex() const { return FLastDisplayedIndex; }
    bool AllTabsFit() const { return FAllTabsFit; }
    int32_t MainTabVisibleIndex() const { return FSelectedVisibleIndex; }
    int32_t HotTabVisibleIndex() const { return FHotVisibleIndex; }
    int32_t PressedTabVisibleIndex() const { return FPressedVisibleIndex; }
    int32_t FocusedTabVisibleIndex() const { return FFocusedVisibleIndex; }
    TuiPCNavigatorButtons NavigatorButtons() const { return FNavigatorButtons; }
    TuiPCNavigatorButtonState NavigatorButtonState(TuiPCNavigatorButton button) const {
        return FNavigatorButtonStates[button];
    }
    // The rows' first and last visible indexes, one entry per row.
    const std::vector<TuiPCLineIndexBounds>& LineIndexBounds() const { return FLineIndexBounds; }
    // The caption width of the widest rotated tab, which aligned rotated captions line up with.
    int32_t WidestRotatedCaptionWidth() const { return FWidestRotatedCaptionWidth; }
    bool IsTabStripMode() const { return FTabStripMode; }
    // The navigator arrows' auto-repeat timer; nullptr until an arrow is first pressed.
    TuiTimer* NavigatorScrollTimer() const { return FScrollTimer.get(); }
    // The go-dialog button's menu of the tabs; nullptr at design time.
    TuiPCGoDialog* GoDialog() const { return FGoDialog.get(); }
    // Tabs on the left or right without Rotate, or on top or bottom with it.
    bool IsVerticalText() const;
    TuiPCTextDirection TextDirection() const;
    // The tabs of a row are placed from the line's end backward (text reading bottom-to-top on a side).
    bool IsLineFilledBackward() const;
    // Loading from a form, or being destroyed: no layout runs.
    bool IsLoadingOrDestroying() const;

    // Works out the tabs' sizes, rows and positions again and repaints.
    void RecalculateLayout();
    // The visible tab under a client point, -1 for none; and its tab index.
    int32_t VisibleTabIndexAtPoint(int32_t x, int32_t y);
    int32_t TabIndexAtPoint(int32_t x, int32_t y);
    // The area the child controls get: the painter's page client rectangle.
    vcl::TRect GetPageAreaRect();
    // The length along the tab line the control needs to show every visible tab in one row without navigator
    // arrows: the tabs with the gaps between them, and the margins the painter keeps at the line's ends.
    int32_t CalcFullTabsLength();

    // Overridable operations the painters call.
    virtual void DrawTabHook(TuiCanvas& /*canvas*/, TuiTab& /*tab*/, const TuiPCTabContentData& /*data*/) {}
    virtual rtl::TObject* GetActivePageObject() const { return nullptr; }
    // The tab's ImageIndex through OnGetImageIndex; -1 without usable images or for an index past them.
    virtual int32_t GetTabImageIndex(int32_t tabIndex) const;
    // The canvas font: the control's Font in the painter's text colour for the tab, then OnDrawTabEx.
    virtual void PrepareTabFont(TuiTab& tab, TuiCanvas& canvas);
    // The font a tab is measured in: its drawing font, whose colour does not matter, so the canvas keeps one font
    // for every tab unless OnDrawTabEx changes it (a font changed is a font made again).
    virtual void PrepareMeasuringFont(TuiTab& tab, TuiCanvas& canvas);
    // The tab is visible and enabled, and the control is enabled.
    virtual bool CanSelectTab(int32_t tabIndex) const;
    // A page control keeps TabIndex off hidden tabs and moves it off a tab that is hidden.
    virtual bool IsPageControl() const { return false; }

protected:
    // Published by TuiTabControl.
    TuiTabs& Tabs() const { return *FTabs; }
    int32_t TabIndex() const { return FTabIndex; }
    void SetTabIndex(int32_t value);
    const TChangingEvent& OnChanging() const { return FOnChanging; }
    void SetOnChanging(TChangingEvent handler) { FOnChanging = std::move(handler); }
    // Set only by the grid's level tabs.
    void SetTabStripMode(bool value);
    // TabIndex and the selected visible index -1, without events.
    void ClearTabIndex();
    // Loading, or a TChangeLock lives.
    bool IsChangeLocked() const;

    // OnChanging and OnChange are not fired while one of these lives.
    class TChangeLock {
    public:
        explicit TChangeLock(TuiCustomTabControl& control) : FControl(control) { ++FControl.FChangeLockCount; }
        ~TChangeLock() { --FControl.FChangeLockCount; }
        TChangeLock(const TChangeLock&) = delete;
        TChangeLock& operator=(const TChangeLock&) = delete;

    private:
        TuiCustomTabControl& FControl;
    };

    // Whether TabIndex may change to newIndex: OnChanging, unless changes are locked.
    virtual bool CanChange(int32_t newIndex);
    // OnChange, unless changes are locked.
    virtual void DoChange();
    // OnCanClose; true unless it refuses.
    virtual bool CanCloseTab();
    virtual void CloseActiveTab();
    // Paints the control through its painter into dc.
    virtual void PaintToDC(HDC dc);
    // Selects the first selectable tab whose caption has key as its accelerator; whether it did.
    virtual bool HandleAccelerator(char16_t key);
    // Accelerators are taken while the control can take the focus.
    virtual bool CanTakeAccelerators() const { return CanFocus(); }
    // Opens the go-dialog menu of the visible tabs below the go-dialog button (sorted with pcoSort); afterwards the
    // navigator state is released and a click that closed the menu over the button is kept from opening it again.
    virtual void ShowGoDialog();
    // A click on the tab (pressed and released on it); nothing here.
    virtual void DrawTabHook2(TuiTab& /*tab*/, vcl::TShiftState /*shift*/) {}
    // Selects a tab by index after the navigator state is released.
    virtual void SetMainTabIndex(int32_t index);
    virtual void TabsChanged() { RecalculateLayout(); }
    // TabIndex changed, before OnChange; nothing here.
    virtual void TabIndexChanged() {}
    // Arrows, Home, End, Ctrl+Tab, Enter and Space; whether the key was handled.
    virtual bool HandleKeyNavigation(uint16_t key, vcl::TShiftState shift);

    void AdjustClientRect(vcl::TRect& rect) override;
    void CreateHandle() override;
    void CreateParams(vcl::TCreateParams& params) override;
    void Paint() override;
    // Only a click on the selected tab focuses the control at once; another tab takes the focus when selected.
    bool CanFocusOnClickAt(int32_t x, int32_t y) const override;
    bool NeedsScrollBars() const override { return false; }
    bool NeedsRedrawOnResize() const override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    void GetTabOrderList(std::vector<vcl::TWinControl*>& list) const override;
    bool CanFocus() const override;
    void Resize() override;
    void FontChanged() override;
    void FocusChanged() override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    bool DoMouseWheelDown(vcl::TShiftState shift, vcl::TPoint mousePos) override;
    bool DoMouseWheelUp(vcl::TShiftState shift, vcl::TPoint mousePos) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseLeave(vcl::TControl* control) override;

private:
    friend class TuiTab;
    friend class TuiVisibleTabList;
    friend class TuiTabs;

    // Style and painter.
    TuiPCStyleID DefaultStyleID() const;
    void CreatePainter(TuiPCPainterClass painterClass);
    void ChoosePainterOfLookAndFeel();

    // Reports from the tabs.
    void TabChanged(int32_t visibleIndex, TuiTabChangeKind kind);
    void TabVisibilityChanged(TuiTab& tab, bool visible);
    void ChangeHotTab(int32_t visibleIndex);
    void ChangeFocusedTab(int32_t visibleIndex);
    void ChangePressedTab(int32_t visibleIndex);
    void RefreshSelectedVisibleIndex();
    void ReportTabChange(int32_t visibleIndex, TuiTabChangeKind kind);
    void ClearFocusedTab(const TuiTab& tab);
    bool IsHorizontalLine() const { return FTabPosition == tpTop || FTabPosition == tpBottom; }
    void PaintThroughPainter();
    void DesignHitTest(vcl::TMessage& message);

    // Layout (uiTabControlLayout.cpp).
    void CalculateTabPositions();
    void CalculateTabNormalSizes();
    void CalculateSingleLineTabs();
    void CalculateMultiLineTabs();
    TuiPCNavigatorButtons GetNavigatorButtons(bool allFit) const;
    void FetchTabsPosition(TuiPCNavigatorButtons buttons);
    void PlaceTabsOnLine(int32_t first, int32_t last, bool all);
    void CalculateRowHeight();
    void DistributeTabsInRows();
    void ArrangeRows();
    void PlaceRows();
    void CollectLineIndexBounds();
    int32_t TabsDistanceAlong() const;
    int32_t TabsDistanceAcross() const;
    int32_t VisibleTabLength(int32_t visibleIndex) const;
    void RefreshRotatedImages();
    void ScrollTabs(TuiPCNavigatorButton button);
    void MakeTabVisible(int32_t visibleIndex);
    TuiPCNavigatorButton ButtonTowardEnd() const;
    void UpdateNavigatorButtonStates();
    void SetNavigatorButtonState(TuiPCNavigatorButton button, TuiPCNavigatorButtonState state);

    // Input (uiTabControlInput.cpp).
    void UpdateHotTrack();
    void UpdateHotTrackAt(vcl::TPoint point, bool leftButtonDown);
    void PressNavigatorButton(TuiPCNavigatorButton button);
    void ReleaseNavigatorButton();
    void ReleaseNavigatorState();
    // Notes a press waiting in the queue on the go-dialog button: the press that closed the menu.
    void NoteClickThatClosedGoDialog();
    void StopScrollTimer();
    void ScrollTimerTick();
    void SelectVisibleTab(int32_t visibleIndex, bool ctrl, bool byMouse);
    bool IsButtonLikePainter() const;
    int32_t FindSelectableTab(int32_t start, int32_t step, bool wrap) const;
    bool ScrollByWheel(vcl::TPoint mousePos, bool towardEnd);

    int32_t FChangeLockCount = 0;
    vcl::TRect FBackRowsClipRect;
    vcl::TRect FFrontRowsClipRect;
    int32_t FFirstDisplayedIndex = -1;
    int32_t FLastDisplayedIndex = -1;
    bool FFocusable = true;
    bool FHideTabs = false;
    bool FHotTrack = false;
    std::optional<TuiPCNavigatorButton> FHotNavigatorButton;
    int32_t FHotVisibleIndex = -1;
    int32_t FImageBorder = 0;
    std::unique_ptr<TuiPCImageList> FImages;
    bool FAllTabsFit = false;
    bool FTabStripMode = false;
    int32_t FSelectedVisibleIndex = -1;
    int32_t FMaxRotatedTabWidth = 0;
    int32_t FRowHeight = 0;
    bool FMultiLine = false;
    bool FMultiSelect = false;
    TuiPCOptions FOptions = uiPCDefaultOptions;
    bool FOwnerDraw = false;
    std::unique_ptr<TuiPCCustomPainter> FPainter;
    bool FRaggedRight = false;
    bool FRotate = false;
    int32_t FRowCount = 0;
    int32_t FWidestRotatedCaptionWidth = 0;
    bool FScrollOpposite = false;
    bool FShowFrame = false;
    TuiPCStyleID FStyle = 0;
    vcl::TAlignment FTabCaptionAlignment = vcl::taCenter;
    int32_t FTabIndex = -1;
    TuiTabPosition FTabPosition = tpTop;
    std::unique_ptr<TuiTabs> FTabs;
    std::unique_ptr<TuiTabSlants> FTabSlants;
    int32_t FTabWidth = 0;
    int32_t FTabHeight = 0;
    TuiPCTabsPosition FTabsPosition;
    std::unique_ptr<TuiTimer> FScrollTimer;
    int32_t FFrontRowCount = 0;
    int32_t FFocusedVisibleIndex = -1;
    bool FCalculatingLayout = false;
    std::unique_ptr<TuiVisibleTabList> FVisibleTabs;
    int32_t FPressedVisibleIndex = -1;
    int32_t FMouseDownVisibleIndex = -1;
    TuiPCNavigatorButtons FNavigatorButtons;
    std::array<TuiPCNavigatorButtonState, uiPCNavigatorButtonCount> FNavigatorButtonStates{};
    TuiPCNavigatorPosition FNavigatorPosition = npRightTop;
    std::optional<TuiPCNavigatorButton> FPressedNavigatorButton;
    std::unique_ptr<TuiPCGoDialog, rtl::TComponentDeleter> FGoDialog;
    bool FGoDialogShown = false;
    bool FGoDialogJustClosed = false;
    std::vector<TuiPCLineIndexBounds> FLineIndexBounds;
    bool FDestroying = false;
    TCanCloseEvent FOnCanClose;
    rtl::TNotifyEvent FOnChange;
    TChangingEvent FOnChanging;
    TDrawTabEvent FOnDrawTab;
    TDrawTabExEvent FOnDrawTabEx;
    TGetImageIndexEvent FOnGetImageIndex;
};

// The tab control as forms use it: Tabs, TabIndex, MultiSelect and OnChanging are its own.
class TuiTabControl : public TuiCustomTabControl {
    RTL_DECLARE_CLASS(TuiTabControl, TuiCustomTabControl)
public:
    explicit TuiTabControl(rtl::TComponent* owner) : TuiCustomTabControl(owner) {}

    using TuiCustomTabControl::OnChanging;
    using TuiCustomTabControl::SetOnChanging;
    using TuiCustomTabControl::SetTabIndex;
    using TuiCustomTabControl::TabIndex;
    using TuiCustomTabControl::Tabs;
};

} // namespace ui
