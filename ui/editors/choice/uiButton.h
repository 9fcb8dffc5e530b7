#pragma once
// TuiButton: the library's push button. It keeps the framework button's window, its Default, Cancel and ModalResult
// roles and its click, but paints itself (owner-drawn) through the look-and-feel painters: per-state colours, a glyph
// beside the caption, and a speed-button mode in which buttons toggle, share a group like radio buttons, never take
// the focus and may be flat or see-through.

#include "ui/core/controls/uiMouseTracking.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/choice/uiButtonGlyph.h"
#include "vcl/menus/Menus.h"
#include "vcl/stdctrls/Button.h"

#include <array>
#include <functional>
#include <memory>

namespace ui {

class TuiCustomButton;

enum TuiButtonAssignedColor : uint8_t {
    uibcDefault,
    uibcDefaultText,
    uibcDisabled,
    uibcDisabledText,
    uibcHot,
    uibcHotText,
    uibcNormal,
    uibcNormalText,
    uibcPressed,
    uibcPressedText,
};

// A plain button, a button that opens its drop-down menu, or a button with a separate drop-down arrow part.
enum TuiButtonKind : uint8_t { uibkStandard, uibkDropDown, uibkDropDownButton };

// The face and text colour of each state; an entry not assigned falls back to Normal's, Normal to Default's.
class TuiButtonColors : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiButtonColors, rtl::TPersistent)
public:
    explicit TuiButtonColors(TuiCustomButton* owner) : FOwner(owner) {}

    void Assign(const rtl::TPersistent* source) override;
    // The state's colour by the fallback rule; clDefault when nothing is assigned on the way.
    vcl::TColor GetColor(TuiButtonState state) const;
    vcl::TColor GetTextColor(TuiButtonState state) const;
    vcl::TColor Color(TuiButtonAssignedColor member) const { return FColors[member]; }
    // clDefault and clNone unassign the member.
    void SetColor(TuiButtonAssignedColor member, vcl::TColor value);
    bool IsAssigned(TuiButtonAssignedColor member) const { return (FAssignedColors & (1u << member)) != 0; }

private:
    vcl::TColor Resolve(TuiButtonAssignedColor member, TuiButtonAssignedColor fallback) const;
    void Changed();

    TuiCustomButton* FOwner; // not owned
    uint16_t FAssignedColors = 0;
    std::array<vcl::TColor, 10> FColors{vcl::clDefault, vcl::clDefault, vcl::clDefault, vcl::clDefault, vcl::clDefault,
                                        vcl::clDefault, vcl::clDefault, vcl::clDefault, vcl::clDefault, vcl::clDefault};
};

// The speed-button behaviour: toggling, groups on one parent, focus, flat and see-through looks.
class TuiSpeedButtonOptions : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiSpeedButtonOptions, rtl::TPersistent)
public:
    explicit TuiSpeedButtonOptions(TuiCustomButton* owner) : FOwner(owner) {}

    void Assign(const rtl::TPersistent* source) override;
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    bool CanBeFocused() const { return FCanBeFocused; }
    void SetCanBeFocused(bool value);
    bool Down() const;
    // Never down in group 0; the down button of a group without AllowAllUp is released only by another member.
    void SetDown(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The owner toggles: it is in a group or cannot take the focus.
    bool IsSpeedButtonMode() const;
    // A member of the group was pressed: the shared options follow it and a down button here is released.
    void GroupButtonPressed(TuiCustomButton& sender);

private:
    void UpdateGroup();
    void InvalidateOwner();

    TuiCustomButton* FOwner; // not owned
    bool FAllowAllUp = false;
    bool FCanBeFocused = true;
    bool FFlat = false;
    bool FTransparent = false;
    int32_t FGroupIndex = 0;
    int32_t FLockCount = 0;
};

class TuiCustomButton : public vcl::TButton, public IuiMouseTrackingCaller {
    RTL_DECLARE_CLASS(TuiCustomButton, vcl::TButton)
public:
    using TDropDownMenuPopupEvent =
        std::function<void(rtl::TObject* sender, vcl::TPopupMenu*& popupMenu, bool& handled)>;
    using TGetDrawParamsEvent =
        std::function<void(TuiCustomButton* sender, TuiButtonState state, vcl::TColor& color, vcl::TFont& font)>;

    explicit TuiCustomButton(rtl::TComponent* owner);
    ~TuiCustomButton() override;
    void Dispatch(vcl::TMessage& message) override;

    TuiButtonColors& Colors() const { return *FColors; }
    TuiLookAndFeel& LookAndFeel() const { return *FLookAndFeel; }
    TuiSpeedButtonOptions& SpeedButtonOptions() const { return *FSpeedButtonOptions; }
    TuiButtonGlyph& ButtonGlyph() const { return *FGlyph; }
    vcl::TBitmap& Glyph() const { return FGlyph->Glyph(); }
    void SetGlyph(const vcl::TBitmap* value) { FGlyph->SetGlyph(value); }
    int32_t NumGlyphs() const { return FGlyph->NumGlyphs(); }
    void SetNumGlyphs(int32_t value) { FGlyph->SetNumGlyphs(value); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int32_t Margin() const { return FMargin; }
    // Values below -1 are ignored.
    void SetMargin(int32_t value);
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t value);
    TuiButtonPaintStyle PaintStyle() const { return FGlyph->PaintStyle(); }
    void SetPaintStyle(TuiButtonPaintStyle value);
    bool Down() const { return FSpeedButtonOptions->Down(); }
    void SetDown(bool value) { FSpeedButtonOptions->SetDown(value); }
    int32_t GroupIndex() const { return FSpeedButtonOptions->GroupIndex(); }
    void SetGroupIndex(int32_t value) { FSpeedButtonOptions->SetGroupIndex(value); }
    bool CanBeFocused() const { return FSpeedButtonOptions->CanBeFocused(); }
    void SetCanBeFocused(bool value) { FSpeedButtonOptions->SetCanBeFocused(value); }
    bool AllowAllUp() const { return FSpeedButtonOptions->AllowAllUp(); }
    void SetAllowAllUp(bool value) { FSpeedButtonOptions->SetAllowAllUp(value); }
    TuiButtonKind Kind() const { return FKind; }
    // A change makes the window anew.
    void SetKind(TuiButtonKind value);
    // Referenced, not owned; a freed menu reads nullptr.
    vcl::TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(vcl::TPopupMenu* value);
    vcl::TPopupAlignment PopupAlignment() const { return FPopupAlignment; }
    void SetPopupAlignment(vcl::TPopupAlignment value) { FPopupAlignment = value; }
    // The context menu: a TPopupMenu or a component offering IuiPopupMenu; anything else is kept as nullptr.
    rtl::TComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(rtl::TComponent* value);
    bool IsMenuShowing() const { return (FStateFlags & stateMenu) != 0; }
    // The part that opens the menu: none, the whole button, or the arrow part at the right.
    vcl::TRect GetDropDownRect() const;
    // Asks for the menu to open, unless it shows or the click that closed it is to be ignored.
    void DropDown();
    void SetOnDropDownMenuPopup(TDropDownMenuPopupEvent handler) { FOnDropDownMenuPopup = std::move(handler); }
    const TGetDrawParamsEvent& OnGetDrawParams() const { return FOnGetDrawParams; }
    void SetOnGetDrawParams(TGetDrawParamsEvent handler) { FOnGetDrawParams = std::move(handler); }
    void SetOnMouseEnter(rtl::TNotifyEvent handler) { FOnMouseEnter = std::move(handler); }
    void SetOnMouseLeave(rtl::TNotifyEvent handler) { FOnMouseLeave = std::move(handler); }

    // The painter the button draws with: the skin's, else the look's; the Office 2003 look draws natively (the
    // standard look without themes), as buttons are never drawn in it.
    TuiLookAndFeelPainterClass GetPainterClass() const;
    // The state drawn next, from the flags of the last draw request and the mouse.
    TuiButtonState GetButtonState() const;
    bool IsHot() const { return (FStateFlags & stateHot) != 0; }
    // The toggling mode: not (focusable and in group 0).
    bool IsSpeedButton() const;
    // The size that fits the caption (accelerator marks left out) in the button's font with room for the frame.
    vcl::TSize GetOptimalSize() const;
    bool CanFocus() const override;
    void Click() override;

    // The Down bit lives with the other state flags; the speed-button options read and write it here.
    bool DownBit() const { return (FStateFlags & stateDown) != 0; }
    void SetDownBit(bool value);

    // IuiMouseTrackingCaller: the mouse left the button.
    void MouseLeave() override { MouseLeaveHandling(); }

protected:
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void DestroyWindowHandle() override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoContextPopup(vcl::TPoint mousePos, bool& handled) override;
    // OnDropDownMenuPopup, which may swap the menu; whether it handled the drop-down itself.
    virtual bool DoDropDownMenuPopup(vcl::TPopupMenu*& menu);
    virtual bool ShowPopupMenu(rtl::TComponent* menu, int32_t x, int32_t y);
    void CreateParams(vcl::TCreateParams& params) override;
    // The image the button shows first is made with the window.
    void CreateWnd() override;
    void SetButtonStyle(bool isDefault) override;
    bool GetChecked() const override { return Down(); }
    void SetChecked(bool value) override { SetDown(value); }
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    virtual void DoMouseEnter();
    virtual void DoMouseLeave();
    // A descendant that sizes itself to its caption: every size asked for becomes the optimal size, and text and font
    // changes size it again.
    bool AutoSizeToCaption() const { return FAutoSizeToCaption; }
    void SetAutoSizeToCaption(bool value);
    bool CanResize(int32_t& newWidth, int32_t& newHeight) override;
    // The face colour of state; the canvas font takes the button's font in the state's text colour.
    vcl::TColor GetDrawParams(TuiCanvas& canvas, TuiButtonState state);
    // The whole button on canvas, as the state flags say.
    virtual void Paint(TuiCanvas& canvas);

private:
    static constexpr uint8_t stateDown = 0x01;
    static constexpr uint8_t stateHot = 0x02;
    static constexpr uint8_t stateMainPressed = 0x04;
    static constexpr uint8_t stateArrowPressed = 0x08;
    static constexpr uint8_t stateMenu = 0x10;
    static constexpr uint8_t stateAccelerator = 0x20;

    void DrawItem(const void* drawItem);
    void SetPressedPart(vcl::TPoint point);
    void CMDropDown();
    void CMCloseUp();
    vcl::TPoint GetMenuPoint(vcl::TPopupMenu& menu) const;
    vcl::TPopupAlignment GetMenuAlignment(vcl::TPoint point) const;
    bool ClickWaitsOnDropDownPart() const;
    void PaintArrowPart(TuiCanvas& canvas, const vcl::TRect& arrow, TuiButtonState state, vcl::TColor faceColor);
    void DrawBackground(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state, vcl::TColor faceColor);
    vcl::TRect GetContentRect(TuiButtonState state) const;
    void MouseEnterHandling();
    void MouseLeaveHandling();
    void CaptureChanged();
    void DialogChar(vcl::TMessage& message);
    void LookAndFeelChanged();
    void AdjustSizeToCaption();

    uint8_t FStateFlags = 0;
    TuiButtonKind FKind = uibkStandard;
    vcl::TPopupMenu* FDropDownMenu = nullptr; // not owned
    rtl::TComponent* FPopupMenu = nullptr;    // not owned
    vcl::TPopupAlignment FPopupAlignment = vcl::paLeft;
    bool FSuppressNextDropDown = false;
    TDropDownMenuPopupEvent FOnDropDownMenuPopup;
    bool FActiveDefault = false;
    bool FAutoSizeToCaption = false;
    bool FDefaultLook = false;
    bool FPressedLook = false;
    TButtonLayout FLayout = blGlyphLeft;
    int32_t FMargin = -1;
    int32_t FSpacing = 4;
    std::unique_ptr<TuiButtonColors> FColors;
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    std::unique_ptr<TuiSpeedButtonOptions> FSpeedButtonOptions;
    std::unique_ptr<TuiButtonGlyph> FGlyph;
    TGetDrawParamsEvent FOnGetDrawParams;
    rtl::TNotifyEvent FOnMouseEnter;
    rtl::TNotifyEvent FOnMouseLeave;
};

// The push button with its properties published.
class TuiButton : public TuiCustomButton {
    RTL_DECLARE_CLASS(TuiButton, TuiCustomButton)
public:
    explicit TuiButton(rtl::TComponent* owner) : TuiCustomButton(owner) {}
};

} // namespace ui
