#pragma once
// TuiCustomGridView: the base of every grid view. A view is a component attached to a grid; it owns its data
// controller, batches updates with BeginUpdate/EndUpdate (which lock the grid's change queue too) and turns every
// report of a change into a change object posted to the grid: 0 repaint, 1 layout, 2 size.

#include "ui/core/controls/control/uiControl.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomGridBackgroundBitmaps;
class TuiCustomGrid;
class TuiCustomGridChange;
class TuiCustomGridController;
class TuiCustomGridPainter;
class TuiCustomGridViewInfo;
class TuiCustomGridViewInfoCache;
class TuiGridSite;
class TuiCustomGridOptions;
class TuiCustomGridOptionsBehavior;
class TuiCustomGridOptionsData;
class TuiCustomGridOptionsSelection;
class TuiCustomGridOptionsView;
class TuiCustomGridViewStyles;
class TuiCustomLookAndFeelPainter;
class TuiGridLevel;
class TuiUpdateControlInfo;
class TuiCustomGridView;

// A weak link to a view: code that may free the view while it runs holds one and tests it afterwards.
class TuiGridListenerLink {
public:
    explicit TuiGridListenerLink(TuiCustomGridView* gridView);
    ~TuiGridListenerLink();
    TuiGridListenerLink(const TuiGridListenerLink&) = delete;
    TuiGridListenerLink& operator=(const TuiGridListenerLink&) = delete;

    // nullptr once the view is freed.
    TuiCustomGridView* GridView() const { return FGridView; }

private:
    friend class TuiCustomGridView;
    TuiCustomGridView* FGridView; // not owned
};

class TuiCustomGridView : public TuiControlChildComponent {
    RTL_DECLARE_CLASS(TuiCustomGridView, TuiControlChildComponent)
public:
    explicit TuiCustomGridView(rtl::TComponent* owner);
    ~TuiCustomGridView() override;

    TuiCustomGrid* Grid() const;
    TuiGridLevel* Level() const { return FLevel; }
    void SetLevel(TuiGridLevel* level) { FLevel = level; }
    TuiCustomDataController& DataController() const { return *FDataController; }
    // The handlers, made on first use through the Create... operations.
    TuiCustomGridController& Controller();
    bool HasController() const { return FController != nullptr; }
    TuiCustomGridPainter& Painter();
    TuiCustomGridViewInfo& ViewInfo();
    const TuiCustomGridViewInfo& ViewInfo() const;
    // nullptr for a view that keeps no per-row values.
    TuiCustomGridViewInfoCache* ViewInfoCache();
    TuiGridSite& Site() const;
    // The options and styles, made on first use through the Create... operations.
    TuiCustomGridOptionsBehavior& OptionsBehavior();
    TuiCustomGridOptionsData& OptionsData();
    TuiCustomGridOptionsSelection& OptionsSelection();
    TuiCustomGridOptionsView& OptionsView();
    TuiCustomGridViewStyles& Styles();
    TuiCustomGridBackgroundBitmaps& BackgroundBitmaps();
    // Every options object registers itself while it lives.
    void AddOptions(TuiCustomGridOptions* options);
    void RemoveOptions(TuiCustomGridOptions* options);
    // The grid's look-and-feel painter; the standard one without a grid.
    const TuiCustomLookAndFeelPainter* LookAndFeelPainter() const;

    // Update locking; each also locks the grid. Ends and cancels without a matching BeginUpdate do nothing.
    void BeginUpdate();
    void EndUpdate();
    void CancelUpdate();
    bool IsUpdateLocked() const { return FUpdateLockCount > 0; }

    // Queues change with the grid (runs it at once without one); false when it was dropped: the view is loading,
    // being freed or calculating.
    bool PostChange(std::unique_ptr<TuiCustomGridChange> change);
    // A layout change of this view, or of the whole grid when onlyThisView is false.
    void LayoutChanged(bool onlyThisView = true);
    bool SizeChanged(bool onlyThisView = false, bool keepMaster = false);
    void Invalidate();
    // Nothing for an empty rectangle.
    void InvalidateRect(const vcl::TRect& rect);
    // 0 repaint, 1 layout, 2 size; nothing while the data controller's provider holds its changes.
    void Changed(int32_t kind);

    bool IsFocused() const;
    void SetFocused(bool value);
    // The level is visible with all its ancestors.
    virtual bool CanFocus() const;
    // Called by the grid when the view gains or loses the focus: its controller takes or gives it up.
    virtual void FocusChanged(bool focused);
    // The grid holds the keyboard focus.
    bool HasFocus() const;
    // Visible, attached to a grid, not calculating.
    virtual bool CanUpdateLayout() const;
    bool IsVisible() const;
    // Changes posted while the view info calculates are dropped.
    bool IsCalculating() const;
    // Views that hold details have masters; these bases hold none.
    virtual TuiCustomGridView* MasterGridView() const { return nullptr; }
    bool IsDetailOf(const TuiCustomGridView* gridView) const;
    // The view stands for the details of every master record (its data controller is a template).
    bool IsPattern() const;
    // The view shows the details of one master record.
    bool IsDetail() const;
    virtual void DetailVisibilityChanged(TuiGridLevel* /*level*/, int32_t /*oldCount*/, int32_t /*newCount*/) {}
    // Repaints rect (the whole view when empty).
    virtual void Repaint(const vcl::TRect& rect);
    // The site's size changed outside a layout: the view is laid out again (sized again when its height follows its
    // width).
    virtual void SiteSizeChanged();

    // What the site keeps for the view: its drag mode, its context menu (a TPopupMenu or a component implementing
    // IuiPopupMenu) and its events, read there and set through the view, each setting a repaint.
    vcl::TDragMode DragMode() const { return Site().DragMode(); }
    void SetDragMode(vcl::TDragMode value) { SetSiteValue(&TuiGridSite::SetDragMode, value); }
    rtl::TComponent* PopupMenu() const { return Site().PopupMenuComponent(); }
    void SetPopupMenu(rtl::TComponent* value) { SetSiteValue(&TuiGridSite::SetPopupMenuComponent, value); }
    void SetOnDblClick(rtl::TNotifyEvent handler) { SetSiteValue(&TuiGridSite::SetOnDblClick, std::move(handler)); }
    void SetOnDragDrop(vcl::TDragDropEvent handler) { SetSiteValue(&TuiGridSite::SetOnDragDrop, std::move(handler)); }
    void SetOnDragOver(vcl::TDragOverEvent handler) { SetSiteValue(&TuiGridSite::SetOnDragOver, std::move(handler)); }
    void SetOnEndDrag(vcl::TEndDragEvent handler) { SetSiteValue(&TuiGridSite::SetOnEndDrag, std::move(handler)); }
    void SetOnKeyDown(vcl::TKeyEvent handler) { SetSiteValue(&TuiGridSite::SetOnKeyDown, std::move(handler)); }
    void SetOnKeyPress(vcl::TKeyPressEvent handler) { SetSiteValue(&TuiGridSite::SetOnKeyPress, std::move(handler)); }
    void SetOnKeyUp(vcl::TKeyEvent handler) { SetSiteValue(&TuiGridSite::SetOnKeyUp, std::move(handler)); }
    void SetOnMouseDown(vcl::TMouseEvent handler) { SetSiteValue(&TuiGridSite::SetOnMouseDown, std::move(handler)); }
    void SetOnMouseEnter(rtl::TNotifyEvent handler) { SetSiteValue(&TuiGridSite::SetOnMouseEnter, std::move(handler)); }
    void SetOnMouseLeave(rtl::TNotifyEvent handler) { SetSiteValue(&TuiGridSite::SetOnMouseLeave, std::move(handler)); }
    void SetOnMouseMove(vcl::TMouseMoveEvent handler) {
        SetSiteValue(&TuiGridSite::SetOnMouseMove, std::move(handler));
    }
    void SetOnMouseUp(vcl::TMouseEvent handler) { SetSiteValue(&TuiGridSite::SetOnMouseUp, std::move(handler)); }
    void SetOnMouseWheel(vcl::TMouseWheelEvent handler) {
        SetSiteValue(&TuiGridSite::SetOnMouseWheel, std::move(handler));
    }
    void SetOnMouseWheelDown(vcl::TMouseWheelUpDownEvent handler) {
        SetSiteValue(&TuiGridSite::SetOnMouseWheelDown, std::move(handler));
    }
    void SetOnMouseWheelUp(vcl::TMouseWheelUpDownEvent handler) {
        SetSiteValue(&TuiGridSite::SetOnMouseWheelUp, std::move(handler));
    }
    void SetOnStartDrag(vcl::TStartDragEvent handler) {
        SetSiteValue(&TuiGridSite::SetOnStartDrag, std::move(handler));
    }
    // The drag mode, the context menu and every site event of source.
    void AssignSiteSettings(const TuiCustomGridView& source);

protected:
    using TDataControllerMaker = std::unique_ptr<TuiCustomDataController> (*)(TuiCustomGridView& gridView);
    // A view whose data controller is of a class of its own: make builds it with the view as its owner.
    TuiCustomGridView(rtl::TComponent* owner, TDataControllerMaker make);

    virtual std::unique_ptr<TuiCustomGridController> CreateController();
    virtual std::unique_ptr<TuiCustomGridPainter> CreatePainter();
    virtual std::unique_ptr<TuiCustomGridViewInfo> CreateViewInfo();
    virtual std::unique_ptr<TuiCustomGridViewInfoCache> CreateViewInfoCache();
    virtual std::unique_ptr<TuiCustomGridOptionsBehavior> CreateOptionsBehavior();
    virtual std::unique_ptr<TuiCustomGridOptionsData> CreateOptionsData();
    virtual std::unique_ptr<TuiCustomGridOptionsSelection> CreateOptionsSelection();
    virtual std::unique_ptr<TuiCustomGridOptionsView> CreateOptionsView();
    virtual std::unique_ptr<TuiCustomGridViewStyles> CreateStyles();
    virtual std::unique_ptr<TuiCustomGridBackgroundBitmaps> CreateBackgroundBitmaps();
    // Passed on to every registered options object.
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    // A notice of the data controller.
    virtual void DataChanged(TuiUpdateControlInfo& info);

private:
    friend class TuiGridListenerLink;
    bool IsAvailable(bool levelShown) const;
    template <class TOwner, class TValue, class TArgument>
    void SetSiteValue(void (TOwner::*setter)(TValue), TArgument&& value) {
        (Site().*setter)(std::forward<TArgument>(value));
        Changed(0);
    }

    std::unique_ptr<TuiCustomDataController> FDataController;
    std::unique_ptr<TuiCustomGridController> FController;
    std::unique_ptr<TuiCustomGridPainter> FPainter;
    std::unique_ptr<TuiCustomGridViewInfo> FViewInfo;
    std::unique_ptr<TuiCustomGridViewInfoCache> FViewInfoCache;
    std::vector<TuiCustomGridOptions*> FOptionsList; // not owned
    std::unique_ptr<TuiCustomGridOptionsBehavior> FOptionsBehavior;
    std::unique_ptr<TuiCustomGridOptionsData> FOptionsData;
    std::unique_ptr<TuiCustomGridOptionsSelection> FOptionsSelection;
    std::unique_ptr<TuiCustomGridOptionsView> FOptionsView;
    std::unique_ptr<TuiCustomGridViewStyles> FStyles;
    std::unique_ptr<TuiCustomGridBackgroundBitmaps> FBackgroundBitmaps;
    bool FViewInfoCacheCreated = false;
    TuiGridLevel* FLevel = nullptr; // not owned
    std::vector<TuiGridListenerLink*> FListenerLinks;
    // Each lock holds one info lock of the data controller too.
    int32_t FUpdateLockCount = 0;
};

} // namespace ui
