#pragma once
// TuiCustomEditPopupWindow: the popup window a drop-down editor opens beside itself. It sizes itself from the
// editor's settings and its content's wish, remembers on which side of the editor it opened (its size grip sits in
// the corner away from the editor), paints its border, shadow, client edge and system panel through its view info,
// and lets the user size it by the grip or the sizing border with a rubber-band frame; the new size is applied and
// stored with the editor when the drag ends. The sizing state belongs to the window.

#include "ui/core/controls/popups/uiCustomPopupWindow.h"
#include "ui/editors/dropdown/popup/uiEditPopupSizingDrag.h"
#include "ui/editors/dropdown/popup/uiEditPopupWindowViewInfo.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomDropDownEdit;
class TuiSizeFrame;

// Sent to a shown popup with a character (WParam) the editor wants typed into the popup's focused control.
inline constexpr uint32_t UI_POPUPSENDCHAR = 0x8096;

class TuiCustomEditPopupWindow : public TuiCustomPopupWindow {
    RTL_DECLARE_CLASS(TuiCustomEditPopupWindow, TuiCustomPopupWindow)
public:
    // owner: the drop-down editor, which also owns the window.
    explicit TuiCustomEditPopupWindow(rtl::TComponent* owner);
    ~TuiCustomEditPopupWindow() override;
    void Dispatch(vcl::TMessage& message) override;

    TuiCustomDropDownEdit* GetEditControl() const { return FEdit; }
    TuiCustomEditPopupWindowViewInfo& ViewInfo();
    int32_t GetMinSysPanelHeight() { return ViewInfo().MinSysPanelHeight; }
    void SetMinSysPanelHeight(int32_t value) { ViewInfo().MinSysPanelHeight = value; }

    // The largest content that fits beside the editor on the work area.
    vcl::TSize GetMaxPopupContentSize();
    // Lays the window out again and lets the editor place its content.
    void RecalculateContent();
    // Moves and sizes the window as the user asked, then lets the editor keep the size.
    void ResizeTo(int32_t left, int32_t top, int32_t width, int32_t height);
    void InvalidateArea(const vcl::TRect& rect);
    // Shows the rubber-band frame at rect (screen coordinates); an empty rect removes it.
    void ShowSizingFrame(const vcl::TRect& rect);
    virtual void CalculateViewInfo();
    virtual void SendCharToFocused(char16_t character);
    virtual vcl::TSize GetMinimumSize();

    void CalculateSize() override;
    vcl::TPoint CalculatePosition() override;
    bool IsSizingAllowed() const override;
    // A press on the editor that closes the popup is the editor's, which then does not open it again.
    bool AcceptsMessage(HWND window, uint32_t message, vcl::TPoint point, vcl::TShiftState shift) override;
    void CloseOnRequest() override;
    void PopupFocused(vcl::TWinControl* control) override;

    bool CalculatingSize() const { return FCalculatingSize; }
    void SetCalculatingSize(bool value) { FCalculatingSize = value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }
    int32_t MinHeight() const { return FMinHeight; }
    void SetMinHeight(int32_t value) { FMinHeight = value; }
    int32_t MinWidth() const { return FMinWidth; }
    void SetMinWidth(int32_t value) { FMinWidth = value; }
    int32_t PopupHeight() const { return FPopupHeight; }
    void SetPopupHeight(int32_t value) { FPopupHeight = value; }
    int32_t PopupWidth() const { return FPopupWidth; }
    void SetPopupWidth(int32_t value) { FPopupWidth = value; }
    TuiEditPopupBorderStyle PopupBorderStyle() { return ViewInfo().PopupBorderStyle; }
    void SetPopupBorderStyle(TuiEditPopupBorderStyle value) { ViewInfo().PopupBorderStyle = value; }
    bool ClientEdge() { return ViewInfo().ClientEdge; }
    void SetClientEdge(bool value) { ViewInfo().ClientEdge = value; }
    bool CloseButton() { return ViewInfo().CloseButton; }
    void SetCloseButton(bool value) { ViewInfo().CloseButton = value; }
    bool NativeStyle() { return ViewInfo().NativeStyle; }
    void SetNativeStyle(bool value) { ViewInfo().NativeStyle = value; }
    bool Shadow() { return ViewInfo().Shadow; }
    void SetShadow(bool value) { ViewInfo().Shadow = value; }
    bool Sizeable() { return ViewInfo().Sizeable; }
    void SetSizeable(bool value) { ViewInfo().Sizeable = value; }
    bool SysPanelStyle() { return ViewInfo().SysPanelStyle; }
    void SetSysPanelStyle(bool value) { ViewInfo().SysPanelStyle = value; }
    // The frame shown while the user sizes the window; nullptr otherwise.
    TuiSizeFrame* SizeFrame() const { return FSizeFrame; }
    bool IsSizing() const { return FSizingDrag.Active(); }

protected:
    virtual std::unique_ptr<TuiCustomEditPopupWindowViewInfo> CreateViewInfo() const;
    bool CanResize(int32_t& newWidth, int32_t& newHeight) override;
    void CreateParams(vcl::TCreateParams& params) override;
    void AdjustClientRect(vcl::TRect& rect) override;
    void Resize() override;
    void Paint() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void FireClosedEvent() override;
    void FireClosingEvent() override;

private:
    TuiEditPopupDragContext DragContext(vcl::TPoint screenPoint);
    void SetCloseButtonState(uint8_t state);
    void SetSizingCursor(TuiEditPopupSizingDirections directions);
    void MouseLeft();

    TuiCustomDropDownEdit* FEdit; // not owned: the owner
    mutable std::unique_ptr<TuiCustomEditPopupWindowViewInfo> FViewInfo;
    TuiEditPopupSizingDrag FSizingDrag;
    TuiSizeFrame* FSizeFrame = nullptr; // owned by this window as a component
    bool FCalculatingSize = false;
    bool FAutoSize = false;
    bool FCursorSet = false;
    int32_t FMinHeight = 0;
    int32_t FMinWidth = 0;
    int32_t FPopupHeight = 0;
    int32_t FPopupWidth = 0;
};

} // namespace ui
