#pragma once
// TuiCustomGridController: a view's input. The site hands it the mouse and the focus; it asks the view info which
// cell lies under the pointer and lets that cell handle the event.

#include "rtl/text/StringTypes.h"
#include "ui/core/painters/uiScrollBar.h"
#include "ui/grid/view/uiGridViewHandler.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TFont;
}

namespace ui {

class TuiCustomGridCellViewInfo;
class TuiCustomGridHitTest;
class TuiDragAndDropObject;
class TuiGridHintHelper;

class TuiCustomGridController : public TuiGridViewHandler {
public:
    explicit TuiCustomGridController(TuiCustomGridView& gridView);
    ~TuiCustomGridController() override;

    // False for a hit test of another view.
    virtual bool CanHandleHitTest(const TuiCustomGridHitTest& hitTest) const;
    virtual vcl::TCursor GetCursor(int32_t x, int32_t y) const;
    virtual void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y);
    virtual void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y);
    virtual void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y);
    // A drag of the framework is over the site at point. Nothing in the base.
    virtual void DragOver(vcl::TPoint /*point*/, vcl::TDragState /*state*/) {}
    // The drag a left press at point starts on the site (sizing, moving), or nullptr for none.
    virtual std::unique_ptr<TuiDragAndDropObject> CreateDragAndDropObject(vcl::TPoint /*point*/) { return nullptr; }
    // After the view info laid the view out: the positions the controller keeps (top record, horizontal position) are
    // brought back inside what the new layout allows. Not re-entered.
    void CheckCoordinatesGuarded();
    bool IsCheckingCoordinates() const { return FIsCheckingCoordinates; }
    // The site's scroll bars: their ranges and positions, and what a bar's scrolling does. Nothing in the base.
    virtual void InitScrollBarsParameters() {}
    virtual void Scroll(TScrollBarKind /*kind*/, TScrollCode /*code*/, int32_t& /*position*/) {}
    // Whether a dialog key (Tab, Enter, Escape) goes to the site rather than to the form. None in the base.
    virtual bool WantsDialogKey(uint16_t /*key*/) { return false; }
    // The site's keys; a key handled is cleared. Nothing in the base.
    virtual void KeyDown(uint16_t& /*key*/, vcl::TShiftState /*shift*/) {}
    virtual void KeyPress(char16_t& /*key*/) {}
    bool IsDblClick() const { return FIsDblClick; }
    // The hint over the site, made on first use.
    TuiGridHintHelper& HintHelper();
    // Shows text in font at textBounds while the pointer stays in areaBounds (the site's coordinates), for cell.
    void ShowHint(const vcl::TRect& areaBounds, const vcl::TRect& textBounds, const TuiCustomGridCellViewInfo* cell,
                  const vcl::TFont& font, bool multiLine, rtl::UnicodeStringView text);
    // Nothing before a hint was asked for.
    void HideHint();
    // The cell whose hint shows (compared, never dereferenced), or nullptr.
    const TuiCustomGridCellViewInfo* HintCell() const { return FHintCell; }

    // The view gains the focus: the site becomes a tab stop and takes the focus when the grid has it.
    void MakeFocused();
    // The view loses the focus: its site leaves the tab order and, when the view is hidden, its parent.
    virtual void LoseFocus();
    bool IsFocusing() const { return FIsFocusing; }
    // Queues a focus change of the view, which runs ControlFocusChanged.
    void NotifyControlFocusChanged();
    // The grid's focus changed: the view info hears of it.
    virtual void ControlFocusChanged();

protected:
    // Nothing in the base.
    virtual void CheckCoordinates() {}

private:
    std::unique_ptr<TuiGridHintHelper> FHintHelper;
    const TuiCustomGridCellViewInfo* FHintCell = nullptr; // not owned
    bool FIsCheckingCoordinates = false;
    bool FIsDblClick = false;
    bool FIsFocusing = false;
};

} // namespace ui
