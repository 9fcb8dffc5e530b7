#pragma once
// TuiControl: the windowed base control of the UI library, the ancestor of the grid, the page control, the status bar
// and every container. It draws only its border (through its painter) and leaves the content to descendants, and
// adds to the framework's custom control:
// - built-in scroll bars and a size grip as child controls, whose visibility it decides itself from what the
//   descendant reports in InitScrollBarsParameters, and one Scroll operation that every scrolling request reaches
//   (bar clicks, the wheel, ScrollContent, the middle-button panning mode);
// - focus on click, the press point, the library's own drag-and-drop inside the control and the start of a
//   framework drag after the drag-detection loop;
// - flicker control: no background erase unless asked, and on Windows 7 painting through a bitmap;
// - the dialog keys it wants, font listeners and a mouse-capture object.

#include "ui/core/controls/control/uiControlPanning.h"
#include "ui/core/controls/control/uiControlScrollBars.h"
#include "ui/core/controls/control/uiDragAndDrop.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/painters/uiScrollBar.h"
#include "ui/core/system/uxResourceStrings.h"
#include "vcl/controls/CustomControl.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCanvas;
class TuiControl;

enum TuiControlBorderStyle : uint8_t { uicbsNone, uicbsDefault };
// The keys a control wants from the dialog manager.
enum TuiControlKey : uint8_t { kAll, kArrows, kChars, kTab };
using TuiControlKeys = rtl::TSmallSet<TuiControlKey>;
enum TuiDragAndDropState : uint8_t { ddsNone, ddsStarting, ddsInProcess };
// How the wheel scrolls a control.
enum TuiMouseWheelScrollingKind : uint8_t { mwskNone, mwskHorizontal, mwskVertical };

// An object that holds a control's mouse capture and hears when another object takes it.
class IuiMouseCaptureObject {
public:
    virtual ~IuiMouseCaptureObject() = default;
    virtual void DoCancelMode() = 0;
};

// A component that belongs to a TuiControl (the grid's views). The control forgets it when it goes, and it is
// told (its control becomes nullptr) when the control goes first.
class TuiControlChildComponent : public TuiComponent {
    RTL_DECLARE_CLASS(TuiControlChildComponent, TuiComponent)
public:
    explicit TuiControlChildComponent(rtl::TComponent* owner);
    // Belongs to control at once; owned by the control's owner when takeControlOwner, else by nobody.
    TuiControlChildComponent(TuiControl* control, bool takeControlOwner);
    ~TuiControlChildComponent() override;

    TuiControl* Control() const { return FControl; }
    virtual void SetControl(TuiControl* control) { FControl = control; }
    bool IsDestroying() const;

private:
    TuiControl* FControl = nullptr; // not owned
};

// Invalidates control's window (erasing unless the control is opaque) when redraw, and with children every child
// window that is not opaque or shows its parent's background; its parent hears CM_INVALIDATE with WParam 1, which
// only passes upward. Nothing without a window.
void InvalidateControl(vcl::TWinControl* control, bool redraw, bool withChildren);
// Paints what is invalid of control's window and its children's at once.
void UpdateWindowNow(vcl::TWinControl* control);

// The windowed base control of the library; it listens to the library's translations from construction to
// destruction.
class TuiControl : public vcl::TCustomControl, public IuxResourceStringsListener {
    RTL_DECLARE_CLASS(TuiControl, vcl::TCustomControl)
public:
    explicit TuiControl(rtl::TComponent* owner);
    ~TuiControl() override;

    void WndProc(vcl::TMessage& message) override;
    void Dispatch(vcl::TMessage& message) override;

    TuiCanvas& UICanvas() const { return *FCanvas; }
    // The canvas while the window exists, else a screen canvas made on demand (for measuring before the window).
    TuiCanvas& DrawingCanvas();
    // The look and feel the control's painter comes from; setting copies the given one's values.
    TuiLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
    void SetLookAndFeel(const TuiLookAndFeel& value) { FLookAndFeel->Assign(&value); }
    TuiControlBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TuiControlBorderStyle value);
    TuiControlKeys Keys() const { return FKeys; }
    void SetKeys(TuiControlKeys value) { FKeys = value; }
    vcl::TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(vcl::TScrollStyle value);
    bool FocusOnClick() const { return FFocusOnClick; }
    void SetFocusOnClick(bool value) { FFocusOnClick = value; }
    vcl::TPoint MouseDownPos() const { return FMouseDownPos; }
    bool IsDestroying() const;

    // The drag images of a framework drag of the control; nullptr when it shows none.
    vcl::TDragImageList* GetDragImages() override;

    // Built-in scroll bars (nullptr when the control needs none).
    TuiControlScrollBar* HScrollBar() const { return FHScrollBar; }
    TuiControlScrollBar* VScrollBar() const { return FVScrollBar; }
    TuiSizeGrip* SizeGrip() const { return FSizeGrip; }
    bool IsHScrollBarVisible() const;
    bool IsVScrollBarVisible() const;
    // Fills the record of one bar (see TuiScrollBarData); called from InitScrollBarsParameters.
    void SetScrollBarInfo(TScrollBarKind kind, int32_t min, int32_t max, int32_t step, int32_t page, int32_t position,
                          bool allowShow, bool allowHide);
    void BeginScrollBarsUpdate();
    void EndScrollBarsUpdate();
    // One line step in direction through Scroll, then the window is updated.
    void ScrollContent(TuiDirection direction);
    // Whether the middle-button panning mode runs.
    bool IsScrollingContent() const { return FScrollingContent; }

    // Library drag-and-drop.
    TuiDragAndDropState DragAndDropState() const { return FDragAndDropState; }
    TuiDragAndDropObject& DragAndDropObject();
    void BeginDragAndDrop();
    void FinishDragAndDrop(bool accepted);
    void SetMouseCaptureObject(rtl::TObject* object);
    rtl::TObject* MouseCaptureObject() const { return FMouseCaptureObject; }
    bool IsMouseInPressedArea(int32_t x, int32_t y) const;

    // Each only while the window exists.
    void InvalidateRect(const vcl::TRect& rect, bool erase);
    void InvalidateWithChildren();
    // Posts a move of the pointer at its place (so hot tracking is worked out again) or at a client point.
    void PostMouseMove();
    void PostMouseMove(vcl::TPoint point);
    // Scrolls the window's content by (dx, dy) within rect, invalidating what comes into view.
    void ScrollWindow(int32_t dx, int32_t dy, const vcl::TRect& rect);

    // Child components: each belongs to the control from Add until Remove.
    virtual void AddChildComponent(TuiControlChildComponent* child);
    virtual void RemoveChildComponent(TuiControlChildComponent* child);

    void AddFontListener(std::function<void(TuiControl* sender, vcl::TFont& font)> listener);

    // The context menu: a TPopupMenu or a component implementing IuiPopupMenu; any other component clears it.
    rtl::TComponent* PopupMenuComponent() const { return FPopupMenuComponent; }
    void SetPopupMenuComponent(rtl::TComponent* menu);
    // Whether the key message is a short-cut of the popup menu of this control or of a TuiControl parent.
    bool IsPopupMenuShortCut(const vcl::TMessage& message) const;

    // Overridable behaviour.
    virtual TuiLookAndFeelPainterClass GetPainter() const;
    virtual int32_t GetBorderSize() const;
    virtual vcl::TRect GetBounds() const;
    virtual vcl::TRect GetClientBounds() const;
    virtual bool CanFocusOnClick() const;
    virtual bool CanFocusOnClickAt(int32_t /*x*/, int32_t /*y*/) const { return CanFocusOnClick(); }
    virtual bool FocusWhenChildIsClicked(vcl::TControl* /*child*/) const { return CanFocusOnClick(); }
    virtual bool IsFocused() const { return Focused(); }
    virtual bool MayFocus() const { return true; }
    virtual bool AllowMouseDownWithoutFocus() const { return false; }
    virtual bool ErasesBackground() const { return false; }
    virtual bool NeedsRedrawOnResize() const { return false; }
    virtual bool AdjustsPressPoint() const { return true; }
    virtual bool NeedsScrollBars() const { return true; }
    virtual bool KeepsInternalControlsOnTop() const { return true; }
    virtual bool AllowScrollContent(TuiDirection /*direction*/) const { return false; }
    virtual bool AllowsScrollBar(TScrollBarKind /*kind*/) const { return false; }
    virtual TuiMouseWheelScrollingKind GetMouseWheelScrollingKind() const;
    virtual vcl::TCursor GetCurrentCursor(int32_t /*x*/, int32_t /*y*/) const { return FDefaultCursor; }
    virtual bool IsInternalControl(const vcl::TControl* control) const;
    virtual void UpdateScrollBars();
    // The library's texts changed language: RefreshState.
    void TranslationChanged() override { RefreshState(); }

    const rtl::TNotifyEvent& OnFocusChanged() const { return FOnFocusChanged; }
    void SetOnFocusChanged(rtl::TNotifyEvent handler) { FOnFocusChanged = std::move(handler); }
    const rtl::TNotifyEvent& OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(rtl::TNotifyEvent handler) { FOnMouseEnter = std::move(handler); }
    const rtl::TNotifyEvent& OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(rtl::TNotifyEvent handler) { FOnMouseLeave = std::move(handler); }

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;
    void Resize() override;

    // The descendant's scrolling: the bars, the wheel, ScrollContent and the panning mode come here.
    virtual void Scroll(TScrollBarKind /*kind*/, TScrollCode /*code*/, int32_t& /*position*/) {}
    // The descendant reports its bars here with SetScrollBarInfo.
    virtual void InitScrollBarsParameters() {}
    virtual void BoundsChanged();
    // The built-in scroll bars are being shown, hidden or laid out.
    bool UpdatingScrollBars() const { return FUpdatingScrollBars; }
    virtual void FocusChanged();
    virtual void FontChanged();
    virtual void ColorChanged() {}
    virtual void TextChanged() {}
    virtual void VisibleChanged() {}
    virtual void MouseEnter(vcl::TControl* control);
    virtual void MouseLeave(vcl::TControl* control);
    virtual void BeforeMouseDown(vcl::TMouseButton, vcl::TShiftState, int32_t, int32_t) {}
    virtual void StartDragOnMouseDown(vcl::TMouseButton button, int32_t x, int32_t y);
    virtual bool StartDragAndDrop(vcl::TPoint /*point*/) { return false; }
    // Whether a framework drag of the control copies: while Ctrl is down.
    virtual bool IsCopyDragDrop() const;
    // Whether a framework drag may go on with the drag object made for it.
    virtual bool StartDrag(vcl::TDragObject* /*dragObject*/) { return true; }
    void DoStartDrag(vcl::TDragObject*& dragObject) override;
    void DoEndDrag(rtl::TObject* target, int32_t x, int32_t y) override;
    void DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) override;
    virtual bool CanDrag(int32_t /*x*/, int32_t /*y*/) const { return FDragAndDropState == ddsNone; }
    virtual void DragAndDrop(vcl::TPoint point, bool& accepted);
    virtual void EndDragAndDrop(bool accepted);
    virtual std::unique_ptr<TuiDragAndDropObject> CreateDragAndDropObject();
    // The images a framework drag of the control shows (uiControlDragImages.cpp): none unless HasDragImages; the list
    // is made on first use and holds the picture DrawDragImage paints at GetDragImagesSize.
    virtual bool HasDragImages() const { return false; }
    virtual vcl::TSize GetDragImagesSize() const { return {}; }
    virtual void DrawDragImage(TuiCanvas& /*canvas*/, const vcl::TRect& /*rect*/) {}
    virtual vcl::TDragImageList* CreateDragImages();
    virtual void InitDragImages(vcl::TDragImageList& list);
    virtual void CancelMouseOperations();
    virtual void FinishMouseInteraction();
    virtual void InitControl();
    virtual void BringInternalControlsToFront();
    virtual vcl::TRect GetHScrollBarBounds() const;
    virtual vcl::TRect GetVScrollBarBounds() const;
    virtual vcl::TRect GetSizeGripBounds() const;
    virtual void UpdateScrollBarBounds();
    virtual void UpdateInternalControlsState();
    virtual void ParentBackgroundChanged() {}
    // Shows the texts again; here nothing.
    virtual void RefreshState() {}
    // Shows menu at the screen point; whether one was shown.
    virtual bool ShowContextMenu(rtl::TComponent* menu, int32_t x, int32_t y);
    void DoContextPopup(vcl::TPoint mousePos, bool& handled) override;
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    virtual void LookAndFeelChanged(TuiLookAndFeel* /*sender*/, TuiLookAndFeelValues /*changed*/) {}

private:
    friend class TuiControlScrollBar;
    friend class TuiDragControlObject;

    void HandleWindowsMessageAfter(const vcl::TMessage& message, const vcl::TControlLink& link);
    void DispatchDirectly(vcl::TMessage& message);
    void PaintThroughBitmap(vcl::TMessage& message);
    void EraseBackground(vcl::TMessage& message);
    intptr_t DialogCode() const;
    void SettingsChanged();
    void SetDragAndDropState(TuiDragAndDropState value);
    vcl::TPoint PressPointOf(const vcl::TMessage& message) const;

    // Built-in bars.
    void CreateScrollBars();
    void DestroyScrollBars();
    void CalculateScrollBarsParameters();
    void DropMutuallyDependentBars();
    bool ScrollBarAllowed(TScrollBarKind kind) const;
    TuiControlScrollBar& ScrollBarOf(TScrollBarKind kind) const;

    // Panning.
    void RunPanningMode();

    std::unique_ptr<TuiCanvas> FScreenCanvas;
    std::unique_ptr<TuiCanvas> FCanvas;
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    TuiControlBorderStyle FBorderStyle = uicbsNone;
    bool FCalculatingScrollBarsParams = false;
    vcl::TCursor FDefaultCursor = vcl::crDefault;
    std::unique_ptr<TuiDragAndDropObject> FDragAndDropObject;
    vcl::TDragImageList* FDragImages = nullptr; // owned as a component, from the first GetDragImages to the drag's end
    vcl::TCursor FDragAndDropPrevCursor = vcl::crDefault;
    TuiDragAndDropState FDragAndDropState = ddsNone;
    bool FFinishingDragAndDrop = false;
    bool FFocusOnClick = true;
    std::vector<std::function<void(TuiControl*, vcl::TFont&)>> FFontListeners;
    TuiControlScrollBar* FHScrollBar = nullptr; // owned, freed as a child or by DestroyScrollBars
    bool FHScrollBarVisibleAtStart = false;
    bool FVScrollBarVisibleAtStart = false;
    bool FScrollBarsOscillating = false;
    TuiControlKeys FKeys;
    bool FMouseButtonPressed = false;
    rtl::TObject* FMouseCaptureObject = nullptr; // not owned
    vcl::TPoint FMouseDownPos;
    bool FMouseRightButtonReleased = false;
    vcl::TScrollStyle FScrollBars = vcl::ssBoth;
    int32_t FScrollBarsLockCount = 0;
    bool FScrollBarsUpdateNeeded = false;
    TuiSizeGrip* FSizeGrip = nullptr; // owned like the bars
    bool FUpdatingScrollBars = false;
    TuiControlScrollBar* FVScrollBar = nullptr; // owned like the bars
    bool FScrollingContent = false;
    bool FLastParentBackground = true;
    rtl::TComponent* FPopupMenuComponent = nullptr;          // not owned, watched
    std::vector<TuiControlChildComponent*> FChildComponents; // not owned
    rtl::TNotifyEvent FOnFocusChanged;
    rtl::TNotifyEvent FOnMouseEnter;
    rtl::TNotifyEvent FOnMouseLeave;
};

} // namespace ui
