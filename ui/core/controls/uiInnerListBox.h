#pragma once
// TuiCustomInnerListBox: the platform list box that list-like containers place inside their frame. Typing selects
// the first item that begins with what was typed (in any case) until the user pauses; its native scroll bars are
// covered by the library's bars in its look, which scroll it, and the corner between them takes the look's colour.
//
// The typed prefix is kept in the ANSI code page, as the platform's double-byte text: a Chinese character is a lead
// and a trail byte, and Backspace removes both.

#include "ui/core/controls/uiContainer.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/painters/uiScrollBar.h"
#include "vcl/stdctrls/ListBox.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

class TuiCanvas;

// The length in bytes of the last character of text in the ANSI code page, found from the start, since a trail byte
// of a double-byte character may look like a lead byte; 0 for empty text.
size_t LastAnsiCharLength(std::string_view text);

class TuiCustomInnerListBox : public vcl::TListBox, public IuiContainerInnerControl {
    RTL_DECLARE_CLASS(TuiCustomInnerListBox, vcl::TListBox)
public:
    explicit TuiCustomInnerListBox(rtl::TComponent* owner);
    ~TuiCustomInnerListBox() override;
    void Dispatch(vcl::TMessage& message) override;
    void WndProc(vcl::TMessage& message) override;
    void DefaultHandler(vcl::TMessage& message) override;
    // Inside a container a drag over the list box is a drag over the container.
    void DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) override;
    void DragDrop(rtl::TObject* source, int32_t x, int32_t y) override;

    // Milliseconds after which the next typed character starts a new search.
    uint32_t AutoCompleteDelay() const { return FAutoCompleteDelay; }
    void SetAutoCompleteDelay(uint32_t value) { FAutoCompleteDelay = value; }
    // What was typed so far, in the ANSI code page.
    const std::string& AutoCompleteFilter() const { return FAutoCompleteFilter; }

    // The container that hosts the list box (not owned, forgotten when it goes); nullptr when it stands alone.
    TuiContainer* Container() const { return FContainer; }
    void SetContainer(TuiContainer* value);
    // IuiContainerInnerControl.
    vcl::TWinControl* GetControl() override { return this; }
    TuiContainer* GetControlContainer() override { return FContainer; }

    TuiLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
    TuiCanvas& InnerCanvas() const { return *FCanvas; }
    TuiScrollBar* HScrollBar() const { return FHScrollBar; }
    TuiScrollBar* VScrollBar() const { return FVScrollBar; }
    // The corner between the two library bars (its container's when one hosts it) in the list box's window
    // coordinates; empty unless both show.
    vcl::TRect SizeGripRect() const;
    // Places the library bars over the native ones and gives them their range.
    virtual void UpdateScrollBars();

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void KeyPress(char16_t& key) override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override;
    void Click() override;
    void DblClick() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;
    vcl::TPopupMenu* GetPopupMenu() const override;
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    // Selects the first item that begins with the typed prefix; the key is eaten unless it is Backspace, Enter or
    // Escape.
    virtual void ProcessAutoCompleteKey(char16_t& key);
    virtual void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed);

private:
    TuiScrollBar* CreateLibraryScrollBar(TScrollBarKind kind);
    void UpdateScrollBar(TuiScrollBar* bar, int32_t objectId, int32_t nativeBar);
    // Fills the corner on dc, a device context in the list box's window coordinates.
    void PaintSizeGrip(HDC dc);
    void PaintSizeGripOnWindow();
    void ScrollHorizontally(TScrollCode code, int32_t& position);
    void ScrollVertically(TScrollCode code, int32_t& position);
    void SelectFoundItem(int32_t index);
    void PressStartingContainerDrag(vcl::TMessage& message);
    bool ContainerLeavesKey(uint16_t& key, vcl::TShiftState shift, bool down);
    // The container hears of a focus change unless it or the list box is going.
    void TellContainerFocusChanged(const vcl::TMessage& message);

    uint32_t FAutoCompleteDelay = 500;
    TuiContainer* FContainer = nullptr; // not owned, watched
    std::unique_ptr<TuiCanvas> FCanvas;
    TuiScrollBar* FHScrollBar = nullptr; // owned as a component, watched
    TuiScrollBar* FVScrollBar = nullptr; // owned as a component, watched
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    std::string FAutoCompleteFilter;
    uint64_t FPrevKeyPressTime = 0;
    int32_t FScrollBarsLockCount = 0;
    bool FScrollBarsCalculating = false;
    bool FRedrawLocked = false;
};

} // namespace ui
