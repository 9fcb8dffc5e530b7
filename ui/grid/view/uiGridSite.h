#pragma once
// TuiGridSite: a view's own window. Its input goes to the view's controller and its painting to the view's painter;
// it paints nothing while the view is locked or laid out, or while parked off-screen. A change of its client size
// outside a layout lays the view out again; one while its scroll bars come or go does so a millisecond later, once
// the layout that showed them is over.

#include "ui/core/controls/control/uiControl.h"

#include <memory>

namespace ui {

class TuiCustomGridView;
class TuiCustomGridViewInfo;
class TuiTimer;

class TuiGridSite : public TuiControl {
    RTL_DECLARE_CLASS(TuiGridSite, TuiControl)
public:
    explicit TuiGridSite(TuiCustomGridViewInfo& viewInfo);
    ~TuiGridSite() override;

    TuiCustomGridViewInfo& ViewInfo() const { return FViewInfo; }
    TuiCustomGridView& GridView() const;
    bool AdjustsPressPoint() const override { return false; }
    // The built-in bars' rectangles, for the view info's size calculations.
    vcl::TRect HScrollBarBounds() const { return GetHScrollBarBounds(); }
    vcl::TRect VScrollBarBounds() const { return GetVScrollBarBounds(); }
    vcl::TCursor GetCurrentCursor(int32_t x, int32_t y) const override;
    void Dispatch(vcl::TMessage& message) override;
    // With a parent the site looks as its grid does; a focused site that loses its parent hands the focus to it.
    void SetParent(vcl::TWinControl* parent) override;

protected:
    void Paint() override;
    // Nothing beyond the inherited handling while the window is made, and nothing at all while the view comes or
    // goes.
    void BoundsChanged() override;
    void BeforeMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    // The controller hears of a drag over the site after its handlers.
    void DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) override;
    void FocusChanged() override;
    bool AllowsScrollBar(TScrollBarKind /*kind*/) const override { return true; }
    void InitScrollBarsParameters() override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) override;
    bool StartDragAndDrop(vcl::TPoint point) override;
    std::unique_ptr<TuiDragAndDropObject> CreateDragAndDropObject() override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyPress(char16_t& key) override;

private:
    TuiCustomGridViewInfo& FViewInfo;
    // The view and every master above it are neither laid out nor shown or hidden now.
    bool CanTakeSizeChange() const;
    void StartDeferredSizeChanged();

    // The controller's drag between its start and the moment the control takes it.
    std::unique_ptr<TuiDragAndDropObject> FStartingDragAndDropObject;
    // Kept once made: its tick only stops it, as freeing a timer inside its own tick would free the running handler.
    std::unique_ptr<TuiTimer> FDeferredSizeTimer;
    vcl::TSize FClientSize;
};

} // namespace ui
