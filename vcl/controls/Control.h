#pragma once
// TControl: the base of everything placed on a form. A control has a parent (the windowed control whose client area
// it sits in) besides its owner (the component that frees it), bounds in its parent's client coordinates, an
// alignment, anchors and size constraints that the parent applies when it lays out its children, a font and a colour
// it may take from its parent, visibility and enabling, a cursor and a hint, and the mouse behaviour (capture,
// clicks, wheel, context popup) and drag and drop common to windowed and graphic controls.
//
// A control is driven by messages. Perform hands one to WndProc, which prepares mouse messages and passes every
// message to Dispatch; Dispatch is the table of handlers: each class overrides it, handles its own messages and
// passes the rest to its parent class's Dispatch, which ends in DefaultHandler. "Framework handling" in a
// descendant is a call of the parent class's Dispatch. The component messages (CM_) tell a control about changes
// of its own state and of its parent's.
//
// A control may be freed by code that one of its own messages runs (an event handler). Code that calls out to
// handlers keeps a TControlLink and stops touching the control once the link reports it gone.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/Font.h"
#include "vcl/system/Messages.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>

namespace vcl {

class TDragImageList;
class TPopupMenu;
class TSizeConstraints;
class TWinControl;

// A control whose bounds, alignment, appearance and mouse behaviour the framework manages.
class TControl : public rtl::TComponent {
    RTL_DECLARE_CLASS(TControl, rtl::TComponent)
    friend class TWinControl;

public:
    explicit TControl(rtl::TComponent* owner);
    ~TControl() override;
    void BeforeDestruction() override;
    void Loaded() override;

    // Messages.
    intptr_t Perform(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
    virtual void WndProc(TMessage& message);
    virtual void Dispatch(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // Parent.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    // Sets the parent while the control's properties are read by a form loader: readProperties runs with
    // csReadingState set, and the properties taken from the parent follow it.
    virtual void ReadState(TWinControl* parent, const std::function<void()>& readProperties);

    // Bounds, in the parent's client coordinates (screen coordinates for a form).
    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetLeft(int32_t value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int32_t value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int32_t value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int32_t value) { SetBounds(FLeft, FTop, FWidth, value); }
    // Moves and sizes the control; the size passes through OnCanResize, auto size and the constraints first.
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& rect) { SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height()); }
    TRect ClientRect() const { return GetClientRect(); }
    int32_t ClientWidth() const { return ClientRect().Width(); }
    int32_t ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int32_t value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int32_t value) { SetClientSize(ClientWidth(), value); }
    // The screen position of the client area's top-left corner.
    TPoint ClientOrigin() const { return GetClientOrigin(); }
    TPoint ClientToScreen(TPoint point) const;
    TPoint ScreenToClient(TPoint point) const;

    // Layout.
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints& Constraints() const { return *FConstraints; }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);
    // Asks the parent to align its children again because this one changed.
    void RequestAlign();
    // Multiplies position and size (and the font, unless it comes from the parent) by multiplier / divisor.
    virtual void ChangeScale(int32_t multiplier, int32_t divisor);

    // Style and state.
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // Visibility and enabling.
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    // Appearance.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont& Font() const { return *FFont; }
    void SetFont(const TFont& value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    // The caption of a control is its window text.
    rtl::UnicodeString Text() const { return GetText(); }
    void SetText(rtl::UnicodeStringView value);
    rtl::UnicodeString Caption() const { return GetText(); }
    void SetCaption(rtl::UnicodeStringView value) { SetText(value); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    const rtl::UnicodeString& Hint() const { return FHint; }
    void SetHint(rtl::UnicodeStringView value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    // The menu a right click (or the menu key) shows when it is AutoPopup and OnContextPopup leaves the popup
    // unhandled (not owned; forgotten when it is freed).
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    // Painting.
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // Z order among the parent's children: the front is painted last.
    void BringToFront() { SetZOrder(true); }
    void SendToBack() { SetZOrder(false); }

    // Mouse capture: the control gets the mouse messages while it holds it (a graphic control through its parent).
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // Drag and drop (see drag/DragSession.h). With dmAutomatic a left press begins a drag instead of being handled
    // as a press (at once when the mouse's DragImmediate, otherwise after its DragThreshold).
    TDragMode DragMode() const { return FDragMode; }
    virtual void SetDragMode(TDragMode value) { FDragMode = value; }
    // The cursor of this control's drags over a control that accepts them.
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    // Begins a drag of the control: at once when immediate, otherwise once the pointer has moved threshold pixels
    // (negative: the mouse's DragThreshold). Nothing while a drag runs.
    void BeginDrag(bool immediate, int32_t threshold = -1);
    // Ends this control's drag: dropped when drop and the control under the pointer accepts, otherwise cancelled.
    void EndDrag(bool drop);
    // True while a drag of this control runs.
    bool Dragging() const;
    // The images that follow the pointer while the control is dragged; nullptr (here) for none.
    virtual TDragImageList* GetDragImages();
    // The steps of a drag, which the drag calls. A drag of this control begins: fires OnStartDrag, whose handler may
    // give a drag object of its own. It ended (target as TEndDragEvent says): fires OnEndDrag. It was cancelled
    // (before it ended): nothing here.
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DoEndDrag(rtl::TObject* target, int32_t x, int32_t y);
    virtual void DragCanceled();
    // A drag passes over this control: accept says whether a drop is welcome; here only when OnDragOver is assigned,
    // which decides.
    virtual void DragOver(rtl::TObject* source, int32_t x, int32_t y, TDragState state, bool& accept);
    // A drag was dropped on this control: fires OnDragDrop.
    virtual void DragDrop(rtl::TObject* source, int32_t x, int32_t y);

    // Events.
    const rtl::TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(rtl::TNotifyEvent handler) { FOnClick = std::move(handler); }
    const rtl::TNotifyEvent& OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(rtl::TNotifyEvent handler) { FOnDblClick = std::move(handler); }
    const TMouseEvent& OnMouseDown() const { return FOnMouseDown; }
    void SetOnMouseDown(TMouseEvent handler) { FOnMouseDown = std::move(handler); }
    const TMouseEvent& OnMouseUp() const { return FOnMouseUp; }
    void SetOnMouseUp(TMouseEvent handler) { FOnMouseUp = std::move(handler); }
    const TMouseMoveEvent& OnMouseMove() const { return FOnMouseMove; }
    void SetOnMouseMove(TMouseMoveEvent handler) { FOnMouseMove = std::move(handler); }
    const TMouseWheelEvent& OnMouseWheel() const { return FOnMouseWheel; }
    void SetOnMouseWheel(TMouseWheelEvent handler) { FOnMouseWheel = std::move(handler); }
    const TMouseWheelUpDownEvent& OnMouseWheelDown() const { return FOnMouseWheelDown; }
    void SetOnMouseWheelDown(TMouseWheelUpDownEvent handler) { FOnMouseWheelDown = std::move(handler); }
    const TMouseWheelUpDownEvent& OnMouseWheelUp() const { return FOnMouseWheelUp; }
    void SetOnMouseWheelUp(TMouseWheelUpDownEvent handler) { FOnMouseWheelUp = std::move(handler); }
    const TContextPopupEvent& OnContextPopup() const { return FOnContextPopup; }
    void SetOnContextPopup(TContextPopupEvent handler) { FOnContextPopup = std::move(handler); }
    const rtl::TNotifyEvent& OnResize() const { return FOnResize; }
    void SetOnResize(rtl::TNotifyEvent handler) { FOnResize = std::move(handler); }
    const TCanResizeEvent& OnCanResize() const { return FOnCanResize; }
    void SetOnCanResize(TCanResizeEvent handler) { FOnCanResize = std::move(handler); }
    const TConstrainedResizeEvent& OnConstrainedResize() const { return FOnConstrainedResize; }
    void SetOnConstrainedResize(TConstrainedResizeEvent handler) { FOnConstrainedResize = std::move(handler); }
    const TDragOverEvent& OnDragOver() const { return FOnDragOver; }
    void SetOnDragOver(TDragOverEvent handler) { FOnDragOver = std::move(handler); }
    const TDragDropEvent& OnDragDrop() const { return FOnDragDrop; }
    void SetOnDragDrop(TDragDropEvent handler) { FOnDragDrop = std::move(handler); }
    const TStartDragEvent& OnStartDrag() const { return FOnStartDrag; }
    void SetOnStartDrag(TStartDragEvent handler) { FOnStartDrag = std::move(handler); }
    const TEndDragEvent& OnEndDrag() const { return FOnEndDrag; }
    void SetOnEndDrag(TEndDragEvent handler) { FOnEndDrag = std::move(handler); }

    // Shared flag that turns false when the control is destroyed (see TControlLink).
    std::shared_ptr<const bool> AliveFlag() const { return FAlive; }

protected:
    // Bounds.
    virtual TRect GetClientRect() const;
    virtual TPoint GetClientOrigin() const;
    virtual void SetClientSize(int32_t width, int32_t height);
    // Called after the size changed; fires OnResize.
    virtual void Resize();
    // Whether the control accepts the size; fires OnCanResize.
    virtual bool CanResize(int32_t& newWidth, int32_t& newHeight);
    // The size an auto-sized control wants; true when it may take one. Here: any size, unchanged.
    virtual bool CanAutoSize(int32_t& newWidth, int32_t& newHeight);
    // Limits of the size: the constraints, then OnConstrainedResize.
    virtual void ConstrainedResize(int32_t& minWidth, int32_t& minHeight, int32_t& maxWidth, int32_t& maxHeight);
    // Fits an auto-sized control to its content again (nothing while loading).
    virtual void AdjustSize();
    // Moves the control to the front or back of its parent's children.
    virtual void SetZOrder(bool topMost);
    virtual rtl::UnicodeString GetText() const;
    // Applies the new bounds to whatever shows the control; the fields already hold them.
    virtual void UpdateBoundsRect(const TRect& oldBounds);
    // Remembers the distances to the parent's edges that the anchors keep.
    void UpdateAnchorRules();
    // The bounds the anchors give for the parent's current client size.
    TRect AnchoredBounds() const;
    // Invalidates the control's area of its parent's window.
    void InvalidateControl(bool isVisible, bool isOpaque);

    // A property the control may take from its parent (colour, font, ...): setting it gives the control a value of
    // its own (parentFlag off) and announces the change with changedMessage.
    template <class TValue>
    void SetOwnValue(TValue& field, TValue value, bool& parentFlag, uint32_t changedMessage) {
        if (value != field) {
            field = value;
            parentFlag = false;
            Perform(changedMessage);
        }
    }
    // Switches between taking the property from the parent and keeping the own value; taking it asks for it at once
    // with parentChangedMessage (not while reading: the form loader asks once the properties are read).
    void SetInheritance(bool& parentFlag, bool value, uint32_t parentChangedMessage);
    // Applies what the parent's value gives (apply), when the control takes it from the parent, keeping it so.
    void TakeParentValue(bool& parentFlag, const std::function<void()>& apply);

    // Mouse and clicks.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    // The wheel turned by wheelDelta over mousePos (screen); true when handled. Fires OnMouseWheel, then for each
    // full notch OnMouseWheelDown or OnMouseWheelUp.
    virtual bool DoMouseWheel(TShiftState shift, int32_t wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    // Routes a WM_MOUSEWHEEL: to the parent form, which gives it to its focused control as CM_MOUSEWHEEL.
    virtual void MouseWheelHandler(TMessage& message);
    // A context popup was asked for at mousePos (client coordinates, (-1, -1) from the keyboard); fires
    // OnContextPopup, which may set handled, and then shows GetPopupMenu when it is AutoPopup.
    virtual void DoContextPopup(TPoint mousePos, bool& handled);
    // The menu of the context popup: PopupMenu here.
    virtual TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
    // The drag a left press on a dmAutomatic control begins.
    virtual void BeginAutoDrag();
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    void WMMouseButtonDown(TMessage& message, TMouseButton button, bool doubleClick);
    void WMMouseButtonUp(TMessage& message, TMouseButton button);
    void WMMouseMove(TMessage& message);
    void WMContextMenu(TMessage& message);
    void CMMouseWheel(TMessage& message);
    void CMMouseEnterLeave(TMessage& message);
    void CMDrag(TMessage& message);
    void CMParentColorChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void CMParentShowHintChanged();
    void CMParentBiDiModeChanged();
    bool CheckNewSize(int32_t& width, int32_t& height);
    bool DoCanAutoSize(int32_t& width, int32_t& height);
    void DoConstraintsChange();
    void FontChanged();
    // Whether the message is a left press that begins a drag of a dmAutomatic control.
    bool BeginsAutoDrag(const TMessage& message) const;
    // Keeps mouse messages that the control does not take as double clicks from arriving as double clicks.
    void TranslateDoubleClick(TMessage& message) const;
    // The client point of a mouse message; read from the cursor for controls too large for 16-bit coordinates.
    TPoint MousePointOf(const TMessage& message) const;

    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    TWinControl* FParent = nullptr; // not owned: the parent holds the control among its children
    int32_t FLeft = 0;
    int32_t FTop = 0;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors = DefaultAnchors;
    // Distances the anchors keep: the bounds and the parent's client size when they were last set by the program.
    TRect FAnchorBounds;
    TSize FAnchorParentSize;
    bool FAnchorMove = false;
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FAutoSize = false;
    bool FAutoSizing = false;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    rtl::UnicodeString FText;
    TCursor FCursor = crDefault;
    rtl::UnicodeString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    int32_t FWheelAccumulator = 0;
    TPopupMenu* FPopupMenu = nullptr; // not owned
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;

    rtl::TNotifyEvent FOnClick;
    rtl::TNotifyEvent FOnDblClick;
    TMouseEvent FOnMouseDown;
    TMouseEvent FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
    TMouseWheelEvent FOnMouseWheel;
    TMouseWheelUpDownEvent FOnMouseWheelDown;
    TMouseWheelUpDownEvent FOnMouseWheelUp;
    TContextPopupEvent FOnContextPopup;
    rtl::TNotifyEvent FOnResize;
    TCanResizeEvent FOnCanResize;
    TConstrainedResizeEvent FOnConstrainedResize;
    TDragOverEvent FOnDragOver;
    TDragDropEvent FOnDragDrop;
    TStartDragEvent FOnStartDrag;
    TEndDragEvent FOnEndDrag;
};

// Tells whether a control still exists: taken before code that may free the control runs, asked after it returned.
class TControlLink {
public:
    explicit TControlLink(const TControl* control) : FAlive(control->AliveFlag()) {}
    bool Alive() const { return *FAlive; }

private:
    std::shared_ptr<const bool> FAlive;
};

} // namespace vcl
