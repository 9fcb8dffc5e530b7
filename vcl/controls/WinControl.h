#pragma once
// TWinControl: a control with a window of its own. It holds child controls (windowed children as child windows,
// graphic children painted into its window), lays them out (alignment, anchors, auto size), keeps their tab order
// and the keyboard focus among them, paints itself and its graphic children, and reflects the notifications that
// Windows sends to a parent (WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR*, scrolling) back to the child control that caused
// them as CN_ messages.
//
// The window exists only while needed: Handle creates it (CreateParams describes it, CreateWnd registers the window
// class and creates it, subclassing a Windows control class where CreateParams names one), a control shown on a
// showing parent creates its window, RecreateWnd makes it anew after a change of window style, and freeing the
// control destroys it. The window's messages reach WndProc through the framework's window procedure, which never
// lets an exception reach Windows.

#include "vcl/controls/Control.h"
#include "vcl/graphics/Brush.h"
#include "vcl/system/WinTypes.h"

#include <vector>

namespace vcl {

// The window class a control's window is made of; CreateSubClass fills it from a Windows control class.
struct TWindowClassParams {
    uint32_t Style = 0;
    int32_t ClassExtraBytes = 0;
    int32_t WindowExtraBytes = 0;
    HICON Icon = nullptr;
    HCURSOR Cursor = nullptr;
    HBRUSH Background = nullptr;
    // The window procedure of the Windows class being subclassed; nullptr for a window of the framework's own.
    void* SubclassedWindowProcedure = nullptr;
};

// Everything CreateWindowEx is given for a control's window.
struct TCreateParams {
    rtl::UnicodeString Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    TWindowClassParams WindowClass;
    // The name the window class is registered under: the control's class name unless a descendant changes it.
    rtl::UnicodeString WinClassName;
};

namespace VclMessages {
inline constexpr char16_t ParentRequired[] = u"Control '%s' has no parent window";
inline constexpr char16_t CannotFocus[] = u"Cannot focus a disabled or invisible window";
inline constexpr char16_t WindowCreateError[] = u"Error creating window";
} // namespace VclMessages

class TFormRoot;

// A control with a window of its own that holds, lays out, focuses and paints child controls.
class TWinControl : public TControl {
    RTL_DECLARE_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(rtl::TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;
    void Loaded() override;

    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // The window, created when there is none; EInvalidOperation when the control has no parent window yet.
    HWND Handle();
    HWND WindowHandle() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    // A window of another program or library that the control sits in instead of a parent control.
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND window);
    // Destroys the window and creates it again (after a change that only a new window shows).
    void RecreateWnd();

    // Children, in z order (the front one last).
    int32_t ControlCount() const { return static_cast<int32_t>(FControls.size()); }
    TControl* Controls(int32_t index) const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // True for this control and for every control placed on it, at any depth.
    bool ContainsControl(const TControl* control) const;
    // The child under a client point: visible graphic children (and with allowWinControls windowed ones), the
    // front one first; disabled ones only with allowDisabled.
    TControl* ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls = false) const;
    // Sends message to every child until one answers it (non-zero Result).
    void Broadcast(TMessage& message);
    // Performs the message on every child.
    void NotifyControls(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);

    // True while the window exists and is shown, with every parent.
    bool Showing() const { return FShowing; }
    // Brings the window's visibility in line with the control's and its parents'.
    void UpdateControlState();

    // Focus and tab order.
    int32_t TabOrder() const;
    void SetTabOrder(int32_t value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // True when the control and its parents up to the form are visible and enabled.
    virtual bool CanFocus() const;
    virtual bool Focused() const;
    // Gives the control the keyboard focus through its form; EInvalidOperation when it cannot take it.
    virtual void SetFocus();
    // The windowed controls on this one in tab order, each followed by those on it.
    virtual void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next control in tab order after current (cyclic) that can take the focus: a tab stop when
    // checkTabStop, a direct child when checkParent; current nullptr starts from the end of the list.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) const;
    // Focuses the next control after current in tab order.
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // Alignment of the children.
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    bool AlignDisabled() const { return FAlignLevel != 0; }
    void Realign() { AlignControl(nullptr); }

    // Appearance.
    TBrush& Brush() { return FBrush; }
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool value);
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    // The control shows its parent's background instead of filling its own (csParentBackground).
    bool ParentBackground() const { return ControlStyle().Contains(csParentBackground); }
    virtual void SetParentBackground(bool value);
    // Paints the control with its children into dc, its top-left corner at (x, y).
    void PaintTo(HDC dc, int32_t x, int32_t y);

    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    const rtl::TNotifyEvent& OnEnter() const { return FOnEnter; }
    void SetOnEnter(rtl::TNotifyEvent handler) { FOnEnter = std::move(handler); }
    const rtl::TNotifyEvent& OnExit() const { return FOnExit; }
    void SetOnExit(rtl::TNotifyEvent handler) { FOnExit = std::move(handler); }
    const TKeyEvent& OnKeyDown() const { return FOnKeyDown; }
    void SetOnKeyDown(TKeyEvent handler) { FOnKeyDown = std::move(handler); }
    const TKeyEvent& OnKeyUp() const { return FOnKeyUp; }
    void SetOnKeyUp(TKeyEvent handler) { FOnKeyUp = std::move(handler); }
    const TKeyPressEvent& OnKeyPress() const { return FOnKeyPress; }
    void SetOnKeyPress(TKeyPressEvent handler) { FOnKeyPress = std::move(handler); }

protected:
    // Window creation. CreateParams only describes the window: it is also asked before the window exists, for the
    // size of the client area, so it has no other effect.
    virtual void CreateParams(TCreateParams& params);
    // Makes the window a subclass of a Windows control class ("BUTTON", "EDIT", ...).
    void CreateSubClass(TCreateParams& params, const char16_t* windowsClassName);
    virtual void CreateHandle();
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyHandle();
    virtual void DestroyWnd();
    virtual void DestroyWindowHandle();

    // Layout: positions the children inside rect (the client area less AdjustClientRect).
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual void AdjustClientRect(TRect& rect);
    // The place of a child aligned alCustom; here it stays where it is.
    virtual void CustomAlignPosition(TControl* control, int32_t& newLeft, int32_t& newTop, int32_t& newWidth,
                                     int32_t& newHeight, TRect& alignRect);
    // Aligns the children after control changed (nullptr: all), unless alignment is disabled or loading.
    void AlignControl(TControl* control);
    // Multiplies every child's bounds and font by multiplier / divisor.
    virtual void ScaleControls(int32_t multiplier, int32_t divisor);

    // Painting.
    virtual void PaintWindow(HDC dc);
    void PaintHandler(TMessage& message);
    // Paints the visible graphic children from first (nullptr: all) onto dc.
    void PaintControls(HDC dc, TControl* first);
    // Fills dc with the parent's background as seen through this control.
    void DrawParentBackground(HDC dc);

    // Keys: each fires its event; a key set to 0 is consumed.
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char16_t& key);
    // The key messages, with the form's key preview first; true when consumed.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);
    virtual void DoEnter();
    virtual void DoExit();

    // The CN_ key messages the application sends before a key message is translated; Result 1 consumes it.
    virtual void CNKeyDown(TMessage& message);
    virtual void CNChar(TMessage& message);

    // Overrides of TControl.
    TRect GetClientRect() const override;
    TPoint GetClientOrigin() const override;
    void SetZOrder(bool topMost) override;
    rtl::UnicodeString GetText() const override;
    void UpdateBoundsRect(const TRect& oldBounds) override;
    bool CanAutoSize(int32_t& newWidth, int32_t& newHeight) override;
    void ChangeScale(int32_t multiplier, int32_t divisor) override;

    // Makes the window shown or hidden as Showing says (a form also activates itself here).
    virtual void ShowingChanged();

private:
    bool DoKeyMessage(TMessage& message, bool (TWinControl::*previewOnForm)(TMessage&),
                      const std::function<void(uintptr_t& key)>& handle);
    void UpdateShowing();
    void PositionAlignedControl(TControl* child, TAlign align, TRect& rect);
    void InsertIntoZOrder();
    void RemoveFocus(bool removing);
    bool IsControlMouseMessage(TMessage& message);
    bool ReflectToChild(TMessage& message);
    void WMPaint(TMessage& message);
    void WMEraseBackground(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMSetCursor(TMessage& message);
    void WMContextMenu(TMessage& message);
    void WMNcDestroy(TMessage& message);
    void CMInvalidate(TMessage& message);
    void CMRecreateWnd();
    void CMEnabledChanged();
    void CMColorChanged();
    void CMFontChanged();
    void CNControlColor(TMessage& message);
    void CNSysChar(TMessage& message);
    void ReadWindowBounds();
    TRect NonClientMargins() const;
    // The first windowed child after control in z order that has a window (nullptr: none).
    HWND WindowAbove(const TWinControl* control) const;

    HWND FHandle = nullptr;
    void* FDefWndProc = nullptr;        // the window procedure messages go to by default
    HWND FParentWindow = nullptr;       // not owned
    std::vector<TControl*> FControls;   // not owned here: children free themselves through their owner or parent
    std::vector<TWinControl*> FTabList; // the windowed children in tab order
    int32_t FAlignLevel = 0;
    bool FShowing = false;
    bool FTabStop = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FDoubleBuffered = false;
    bool FSettingBounds = false;
    TBrush FBrush;

    rtl::TNotifyEvent FOnEnter;
    rtl::TNotifyEvent FOnExit;
    TKeyEvent FOnKeyDown;
    TKeyEvent FOnKeyUp;
    TKeyPressEvent FOnKeyPress;

    friend class TControl;
    friend class TFormRoot;
    friend void BindWindowToControl(HWND window, TWinControl* control);
    friend void UnbindWindowFromControl(HWND window, TWinControl* control);
};

} // namespace vcl
