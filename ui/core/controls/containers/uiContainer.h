#pragma once
// TuiContainer: the base of the library's editors and lists. It draws a frame of its own around its client area (one
// of seven border styles, hot-tracked on request, with an optional drop shadow and a transparent two-pixel margin that
// its window region cuts away) in the look of one of four state styles, chosen by its state: normal, focused, disabled
// or hot (the pointer over it while hot tracking applies). Each change of focus, size, enabled state, colours, style or
// look and feel recalculates the view info, which holds the layout and paints it.

#include "ui/core/controls/containers/uiContainerStyle.h"
#include "ui/core/controls/containers/uiContainerViewInfo.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/services/uiMouseTracking.h"
#include "vcl/graphics/GdiObjects.h"

#include <cstdint>
#include <memory>
#include <vector>

struct tagSCROLLBARINFO;

namespace ui {

class TuiContainer;

// A native control a container hosts in its client area: it tells which control it is and whose it is.
class IuiContainerInnerControl {
public:
    virtual ~IuiContainerInnerControl() = default;
    virtual vcl::TWinControl* GetControl() = 0;
    virtual TuiContainer* GetControlContainer() = 0;
};

// Asks the container to lay its built-in bars over its inner control's native bars again, once the messages waiting
// now are handled.
void PostScrollBarsUpdate(TuiContainer& container);

// The control itself when it is a container, else the container its inner-control interface names; nullptr when
// neither.
TuiContainer* FindContainerOfControl(vcl::TControl* control);

// Whether control, or the container whose inner control it is, has its popup open.
bool IsContainerPopupShown(vcl::TControl* control);

// Which part of a child window its parent container leaves visible: the whole window, or the rectangle Visible (in
// the child's coordinates).
struct TuiContainerClipState {
    bool Whole = true;
    vcl::TRect Visible;
    bool operator==(const TuiContainerClipState&) const = default;
};

// Gives control's window the region of the clip state: none when whole, else the visible rectangle.
void ApplyWindowRegion(vcl::TWinControl& control, const TuiContainerClipState& clip);

// Whether container takes the message its inner control is about to handle by default; the inner control then leaves
// it alone. False without an inner control or while the container is being destroyed.
bool ContainerHandlesInnerMessage(TuiContainer& container, vcl::TMessage& message);

class TuiContainer : public TuiControl, public IuiContainerStyleHost, public IuiMouseTrackingCaller {
    RTL_DECLARE_CLASS(TuiContainer, TuiControl)
public:
    explicit TuiContainer(rtl::TComponent* owner);
    ~TuiContainer() override;

    void Loaded() override;
    void Dispatch(vcl::TMessage& message) override;
    // Scales the bounds, and the normal style's font when it assigns one (not the container's font, which the style
    // gives it).
    void ChangeScale(int32_t multiplier, int32_t divisor) override;

    TuiContainerStyle& Styles(TuiContainerStyleState state) const { return FStyles->Styles(state); }
    TuiContainerStyle& Style() const { return FStyles->Style(); }
    TuiContainerStyle& StyleFocused() const { return FStyles->StyleFocused(); }
    TuiContainerStyle& StyleDisabled() const { return FStyles->StyleDisabled(); }
    TuiContainerStyle& StyleHot() const { return FStyles->StyleHot(); }
    // The style of the current state.
    TuiContainerStyle& ActiveStyle() const;
    const TuiContainerViewInfo& ViewInfo() const { return *FViewInfo; }
    // The active style's display font, in the skin's text colour for the state when a skin draws the container and
    // the styles assign no text colour.
    vcl::TFont& EffectiveFont() const;

    // Recalculates at the pointer's position (client coordinates when it is over the container or a child window).
    void UpdateContainerHotState(bool hotTracking);
    // Recalculates the view at point (client coordinates) for the pressed button (0: none) and shift state; deferred
    // while the container is not ready for layout.
    void UpdateAtPoint(vcl::TPoint point, int32_t button, bool hotTracking, vcl::TShiftState shift);
    // Whether a style property applies to this container (for a state style only when that style shows it).
    bool IsStylePropertyApplicable(rtl::UnicodeStringView name, bool checkPublished) const;

    // The native control hosted in the client area (nullptr: none); not owned, forgotten when it is freed.
    vcl::TWinControl* InnerControl() const { return FInnerControl; }
    void SetInnerControl(vcl::TWinControl* control);
    // While locked the inner control changes its own bounds and the container leaves them alone.
    void LockInnerBoundsChange(bool lock);
    // The inner control is repainted, dragged and cancelled with the container, and gives the drag images.
    void Invalidate() override;
    void Update() override;
    void SetDragMode(vcl::TDragMode value) override;
    void DragCanceled() override;
    vcl::TDragImageList* GetDragImages() override;
    // The container counts as focused while its inner control has the focus.
    bool Focused() const override;
    // Moves the focus on into the inner control.
    void SetFocus() override;
    void WndProc(vcl::TMessage& message) override;

    // What the inner control reports of the user's input (mouse and drag points in the container's client
    // coordinates): the container raises its own events and hot-tracks as it does for input of its own.
    void InnerClick() { Click(); }
    void InnerDblClick() { DblClick(); }
    // A press on the inner control, which keeps the focus where it is.
    void InnerMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y);
    void InnerMouseMove(vcl::TShiftState shift, int32_t x, int32_t y) { MouseMove(shift, x, y); }
    void InnerMouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
        MouseUp(button, shift, x, y);
    }
    void InnerDragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) {
        DragOver(source, x, y, state, accept);
    }
    void InnerDragDrop(rtl::TObject* source, int32_t x, int32_t y) { DragDrop(source, x, y); }
    // True when the container handled the turn.
    bool InnerMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
        return DoMouseWheel(shift, wheelDelta, mousePos);
    }
    // A key the container consumes comes back as 0.
    void InnerKeyDown(uint16_t& key, vcl::TShiftState shift) { KeyDown(key, shift); }
    void InnerKeyUp(uint16_t& key, vcl::TShiftState shift) { KeyUp(key, shift); }
    void InnerKeyPress(char16_t& key) { KeyPress(key); }
    // The focus moved without the container's own window hearing of it: its inner control gained or lost it, or
    // closing its popup moved it.
    void NotifyFocusChanged() { FocusChanged(); }
    // The popup menu the inner control shows: the container's.
    vcl::TPopupMenu* InnerPopupMenu() const { return GetPopupMenu(); }
    // Runs a popup-menu short-cut of a key message (CN_KEYDOWN, CN_SYSKEYDOWN); true, with result 1, when it did.
    bool HandleDialogKey(vcl::TMessage& message);
    // The corner between the two built-in bars over the inner control, in the inner control's window coordinates;
    // empty unless both bars show.
    vcl::TRect InnerScrollBarsCorner() const;
    // The corner the inner control paints in the look's colour, as the last bar update left it.
    bool InnerSizeGripVisible() const { return FInnerSizeGripVisible; }
    const vcl::TRect& InnerSizeGripRect() const { return FInnerSizeGripRect; }
    // Whether the container's popup is open (drop-down editors have one).
    virtual bool IsPopupShown() const { return false; }
    // True while the inner control passes a press on to the container.
    bool InnerClickInProgress() const { return FInnerClick; }

    // IuiContainerStyleHost.
    bool ParentColor() const override { return TuiControl::ParentColor(); }
    void SetParentColor(bool value) override { TuiControl::SetParentColor(value); }
    bool ParentFont() const override { return TuiControl::ParentFont(); }
    void SetParentFont(bool value) override { TuiControl::SetParentFont(value); }
    bool HasParentControl() const override { return Parent() != nullptr; }
    vcl::TColor ParentControlColor() const override;
    bool PrefersParentColor() const override { return false; }
    bool IsInplace() const override { return false; }

protected:
    // factory makes the four styles (editors make edit styles).
    TuiContainer(rtl::TComponent* owner, const TuiContainerStyleFactory& factory);
    void Paint() override;
    vcl::TRect GetClientBounds() const override;
    bool NeedsScrollBars() const override { return false; }
    bool FocusWhenChildIsClicked(vcl::TControl* /*child*/) const override { return false; }
    void InitControl() override;
    void BoundsChanged() override;
    void FocusChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseEnter(vcl::TControl* control) override;
    void MouseLeave(vcl::TControl* control) override;
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void CreateWindowHandle(const vcl::TCreateParams& params) override;
    // The inner control stands in the container's place while it is the form's active control.
    void GetTabOrderList(std::vector<vcl::TWinControl*>& list) const override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void UpdateScrollBars() override;
    // Not while the inner control has the focus or passes a press on.
    bool CanFocusOnClick() const override;
    // A windowed child that reaches out of rect is cut to it by a window region; the inner control is left to its
    // own bounds while it changes them.
    void AlignControls(vcl::TControl* control, vcl::TRect& rect) override;
    // How much of control rect leaves visible.
    virtual TuiContainerClipState ControlClipInfo(const vcl::TRect& rect, const vcl::TControl* control) const;
    // True when the children keep their own tab order and alignment (a group box's).
    virtual bool KeepsTabOrder() const { return false; }

    // The inner control's window comes with the container's.
    void CreateHandle() override;
    // Children align inside the frame: in the view's client rectangle, once it is laid out.
    void AdjustClientRect(vcl::TRect& rect) override;
    // A context menu opens from the keyboard, or at a point that allows it.
    void DoContextPopup(vcl::TPoint mousePos, bool& handled) override;
    virtual bool AllowsContextPopupAt(vcl::TPoint /*point*/) const { return true; }

    // Whether the container takes a message its inner control would handle by default; here never.
    virtual bool HandleInnerControlMessage(vcl::TMessage& /*message*/) { return false; }

    // The inner control takes the view's background colour and the effective font.
    virtual void ApplyStyleToInnerControl();
    // Moves the inner control onto the view's client rectangle.
    virtual void AlignInnerControl();
    // Lays the built-in bar of the same kind over the inner control's native bar, or hides it.
    virtual void SyncScrollBarFromInner(TuiControlScrollBar& bar);
    // Whether Tab moves on to the next control (editors take it themselves).
    virtual bool TabMovesFocus() const { return true; }
    virtual void FocusInner();
    // Built-in bars over the native ones, their range and position from them.
    void UpdateScrollBarsAndGrip(bool keepBounds);
    bool InnerScrollBarInfo(tagSCROLLBARINFO& info, TScrollBarKind kind) const;
    // IuiMouseTrackingCaller: the pointer left the container.
    void MouseLeave() override { LeaveHotArea(); }

    virtual void CalculateViewInfo(vcl::TPoint point, bool hot);
    // False when the visual styles draw the frame.
    virtual bool PaintsOwnBorder() const;
    virtual bool IsReadyForLayout() const;
    virtual void ContainerStyleChanged();
    // The window region the frame and shadow need (none: the whole window).
    virtual vcl::TRegionHandle UpdateWindowRegion() const;
    void ApplyWindowRegion();
    virtual bool RecalculateAtPoint(vcl::TPoint point, int32_t button, vcl::TShiftState shift, bool hotTracking);
    // Repaints what a recalculation at point (for the pressed button, 0 none, and shift) changed: here the bounds,
    // less what lies inside the border while an inner control paints it. Editors repaint only what differs.
    virtual void InvalidateRecalculated(vcl::TPoint point, int32_t button, vcl::TShiftState shift);
    virtual void AfterHotTrackHook() {}
    virtual void LeaveHotArea();
    virtual vcl::TColor BackgroundColor() const;
    virtual vcl::TColor FrameColor() const;
    // The margins between the bounds and the border rectangle.
    virtual vcl::TRect BorderExtensionRect() const;
    // 1 disabled, 0 focused, else 2: the state a painter colours an editor by.
    virtual int32_t EditorColorState() const;
    // The skin's background and text colours for the state, each clDefault where the styles or the parent's colour
    // decide, or when no skin draws the container.
    virtual void StateColors(vcl::TColor& background, vcl::TColor& text) const;
    // The bounds less the margins, grown by the border on the sides that have one.
    virtual vcl::TRect OuterBorderRect() const;
    // Margins the shadow keeps clear of (a group box's caption).
    virtual vcl::TRect ExtraBorderRect() const { return {}; }
    virtual bool HasShadow() const;
    virtual TuiContainerStyle& StateStyle() const;
    virtual TuiContainerStyleValues ExcludedStyleValues() const { return {}; }
    virtual bool UsesNativeStyle() const;
    // True gives the native frame the read-only state.
    virtual bool InnerControlStateHook() const { return false; }
    // True where the inner control leaves the parent's colour showing: parent colour changes repaint the container.
    virtual bool NeedsParentColorForInner() const { return false; }
    // The control shows its parent's background: a move repaints it.
    virtual bool NeedsParentBackground() const { return false; }
    virtual TuxThemedObjectType NativeObjectType() const { return totEdit; }
    virtual int32_t NativeBorderPartId() const;
    virtual int32_t NativeBorderStateId() const;
    // Where the pointer counts as over the container.
    virtual vcl::TRect InnerAreaRect() const;

private:
    friend bool ContainerHandlesInnerMessage(TuiContainer& container, vcl::TMessage& message);

    void CalculateStateAndBorderStyle(vcl::TPoint point, bool hot);
    // Focus messages between the container and its inner control; true when handled here.
    bool HandleFocusMessage(vcl::TMessage& message);
    // A container that holds the focus itself hands it to its inner control once that can take it.
    void PassFocusToInnerWhenMoved();
    void TakeParentValue(vcl::TMessage& message);
    bool IsPointerOnFrame(const vcl::TMessage& message) const;
    // Shows the corner between the bars when both show over an inner control that paints it.
    void UpdateInnerSizeGrip();
    bool HasInnerWindow() const { return FInnerControl != nullptr && FInnerControl->HandleAllocated(); }
    bool HasState(TuiContainerStateFlag flag) const { return (FViewInfo->ContainerState & flag) != 0; }

    std::unique_ptr<TuiContainerStyles> FStyles;
    std::unique_ptr<TuiContainerViewInfo> FViewInfo;
    bool FConstructing = true;
    bool FHotStateValid = false;
    bool FDeferred = false;
    bool FApplyingStyle = false;
    bool FTakingParentValue = false;
    bool FInnerClick = false;
    bool FFocusing = false;
    bool FInnerSizeGripVisible = false;
    vcl::TRect FInnerSizeGripRect;
    TuiContainerClipState FInnerClip;
    int32_t FAfterHotTrackCount = 0;
    int32_t FLayoutLockCount = 0;
    int32_t FInnerBoundsLockCount = 0;
    vcl::TWinControl* FInnerControl = nullptr; // not owned
};

} // namespace ui
