#pragma once
// TuiCustomEditViewInfo: the computed picture of one editor value (filled by its view data) and its painting: the
// background, the border by edit border style and the buttons by button style, with a custom-draw event at each step.
// It answers which part lies under a point and the hint of a button. The same object paints a standalone editor and a
// host's cell; it needs no window. An editor control keeps one and, after each recalculation, repaints only what
// differs from a copy of the picture before it (InvalidateChanges): the changed buttons, the border ring, or the whole
// editor but its inner edit. Descendants that draw more (a check glyph) extend the comparison.

#include "rtl/core/Persistent.h"
#include "rtl/core/SmallSet.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vcl {
class TFont;
class TWinControl;
} // namespace vcl

namespace ui {

class TuiCustomEdit;
class TuiCustomEditProperties;
class TuiCustomLookAndFeelPainter;
class TuiRegion;
struct TuiEditButtonPaintContext;

// The state of an editor or cell, as a set.
enum TuiContainerStateItem : uint8_t { csNormal, csActive, csDisabled, csHotTrack };
using TuiContainerState = rtl::TSmallSet<TuiContainerStateItem>;

// Paint options of a host (bit values 2, 4, 8, 16).
enum TuiEditPaintOption : uint8_t { epoAutoHeight = 1, epoHasExternalBorder = 2, epoFocused = 3, epoContentFrame = 4 };
using TuiEditPaintOptions = rtl::TSmallSet<TuiEditPaintOption>;

// Which part of an editor lies under a point: a button's index, or one of these.
inline constexpr int32_t ephtText = -1;
inline constexpr int32_t ephtNone = -2;

// The border width of an edit border style (ebsFlat and ebs3D draw two rings).
int32_t EditBorderWidth(TuiEditBorderStyle style);
// The border width of an edit border style under a skin, which draws every border as one ring but the thick one.
int32_t SkinEditBorderWidth(TuiEditBorderStyle style);

class TuiCustomEditViewInfo : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiCustomEditViewInfo, rtl::TPersistent)
public:
    // canvas is nullptr when the painter is only asked whether it would paint.
    using TDrawBackgroundEvent = std::function<void(TuiCustomEditViewInfo& sender, TuiCanvas* canvas, bool& handled)>;
    using TDrawButtonEvent =
        std::function<void(TuiCustomEditViewInfo& sender, TuiCanvas* canvas, int32_t index, bool& handled)>;
    using TGetButtonStateEvent = std::function<void(TuiCustomEditViewInfo& sender, TuiEditButtonViewInfo& button,
                                                    TuiEditButtonVisualState& state)>;
    using TPaintEvent = std::function<void(TuiCustomEditViewInfo& sender, TuiCanvas& canvas)>;

    TuiCustomEditViewInfo() = default;
    ~TuiCustomEditViewInfo() override;

    // From another edit view info: what tells whether the editor must be painted again (rectangles, colours, border
    // style, states and the buttons), so that the copy can stand for the picture before a change.
    void Assign(const rtl::TPersistent* source) override;
    // What must be painted again after old: the changed buttons while the frame stayed (border colour, border style,
    // button count, theme state), else the whole bounds.
    virtual std::unique_ptr<TuiRegion> GetUpdateRegion(const TuiCustomEditViewInfo& old) const;
    // Invalidates on control's window what differs from old (nullptr: everything) and answers whether anything was:
    // a different theme state, background colour, button count or (when RepaintOnStateChange) container state repaints
    // the bounds but inner (the inner edit's rectangle, clipped to the client rectangle); else a different border
    // colour (with a border) or border style repaints the border ring; each button that differs from its old self
    // repaints its bounds. Nothing before the control has a window.
    virtual bool InvalidateChanges(vcl::TWinControl& control, const vcl::TRect& inner,
                                   const TuiCustomEditViewInfo* old);
    // InvalidateChanges with no inner edit.
    bool InvalidateAll(vcl::TWinControl& control, const TuiCustomEditViewInfo* old) {
        return InvalidateChanges(control, {}, old);
    }
    // A change of the container state alone repaints the whole editor.
    virtual bool RepaintOnStateChange() const { return true; }
    // Keeps the pressed and hot buttons before a recalculation, so that a descendant can tell what the pointer did.
    virtual void SaveButtonStates();
    int32_t PreviousPressedIndex() const { return FPreviousPressedIndex; }
    int32_t PreviousHotIndex() const { return FPreviousHotIndex; }
    // Moves every rectangle by (dx, dy).
    virtual void Offset(int32_t dx, int32_t dy);

    int32_t ButtonCount() const { return static_cast<int32_t>(FButtons.size()); }
    TuiEditButtonViewInfo& Buttons(int32_t index) const { return *FButtons.at(static_cast<size_t>(index)); }
    // Frees surplus button view infos and makes missing ones.
    void SetButtonCount(int32_t count);

    // The paint event, then the content: background, border and buttons.
    virtual void Paint(TuiCanvas& canvas);
    virtual void PaintContent(TuiCanvas& canvas) { DrawEditBackgroundAndButtons(canvas, true); }
    // The background and border (the buttons' rectangles left out), then the buttons. Without fill only the band
    // between the bounds and the border rectangle is filled in place.
    void DrawEditBackgroundAndButtons(TuiCanvas& canvas, bool fill);
    void DrawButtons(TuiCanvas& canvas);

    // 0 custom (in place), 1 background with border, 2 nothing (in place, transparent), 3 plain fill, 4 transparent
    // (what lies under the editor), 5 the parent's themed background.
    int32_t GetBackgroundMode() const;
    bool IsBackgroundTransparent() const;
    // Paints rect by the background mode; unless keepInner, inner is left out.
    void PaintBackground(TuiCanvas& canvas, const vcl::TRect& rect, bool keepInner, const vcl::TRect& inner);
    // The view info or its editor is see-through.
    bool IsInEditTransparent() const;
    // The editor shows its parent's themed background.
    bool EditWantsParentThemedBackground() const;

    // The index of the first button whose bounds hold the point; else ephtText inside the border rectangle; else
    // ephtNone.
    virtual int32_t GetPartAt(vcl::TPoint point) const;
    // ephtText: the border rectangle narrowed to the text area; a button: its bounds; else an empty rectangle.
    virtual vcl::TRect GetPartRect(int32_t part) const;
    // The index of the first button whose bounds hold the point; -1 when none does.
    int32_t GetButtonAt(vcl::TPoint point) const;
    bool HasHotButton() const;
    // The button's hint up to its first "|"; empty when the point is on no button.
    rtl::UnicodeString GetHintTextAt(vcl::TPoint point) const;
    // The hint at point: for a button its hint up to the first "|", single-line, in hintRect where a hint window
    // shows it (moved to the point and below the pointer's visible part); true when there is a text. visibleBounds
    // (when not empty) limit what counts as shown, for descendants whose text may be cut.
    virtual bool GetHintInfoIn(TuiCanvas& canvas, vcl::TPoint point, vcl::TRect& hintRect, bool& multiLine,
                               rtl::UnicodeString& text, const vcl::TRect& visibleBounds);
    bool GetHintInfo(TuiCanvas& canvas, vcl::TPoint point, vcl::TRect& hintRect, bool& multiLine,
                     rtl::UnicodeString& text) {
        return GetHintInfoIn(canvas, point, hintRect, multiLine, text, {});
    }
    // Lets a descendant change the canvas's font and colour before its text is drawn; nothing here.
    virtual void AdjustTextParams(TuiCanvas&) {}

    // The in-place custom background would paint (asked without canvas).
    bool HasCustomBackground();

    // Filled by the view data.
    vcl::TRect Bounds;
    vcl::TRect BorderRect;
    vcl::TRect ClientRect;
    vcl::TRect BorderExtent;
    vcl::TColor BackgroundColor = vcl::clWindow;
    vcl::TColor BorderColor = vcl::clWindowFrame;
    vcl::TColor TextColor = vcl::clWindowText;
    TuiEditBorderStyle EditBorderStyle = ebsNone;
    TuiContainerState ContainerState{csNormal};
    TuiBorders Edges = uiAllBorders;
    bool Shadow = false;
    bool NativeStyle = false;
    // The edit field's theme state (1 normal, 2 hot, 4 disabled, 5 focused, 6 read-only); 0 without native style.
    int32_t ThemeState = 0;
    bool Transparent = false;
    bool Enabled = true;
    bool Focused = false;
    bool IsInplace = false;
    bool IsDesigning = false;
    bool Selected = false;
    bool HasInplaceOffsets = false;
    // A copy painted for another window: what the editor's child windows show is drawn too.
    bool IsPaintCopy = false;
    // 0 none, 1 hot tracking possible, 2 hot or focused now.
    uint8_t HotTrackMode = 0;
    TuiEditPaintOptions PaintOptions;
    TuiEditPopupBorderStyle PopupBorderStyle = epbsDefault;
    const vcl::TFont* Font = nullptr;              // not owned: the style's
    TuiCustomEditProperties* Properties = nullptr; // not owned
    // The editor painted; nullptr for a host's cell.
    TuiCustomEdit* Edit = nullptr; // not owned
    // The skin's painter; nullptr without a skin.
    const TuiCustomLookAndFeelPainter* SkinPainter = nullptr;
    int32_t PressedIndex = -1;
    int32_t HotIndex = -1;
    bool ButtonCaptured = false;

    TPaintEvent OnPaint;
    TDrawBackgroundEvent OnDrawBackground;
    TDrawButtonEvent OnDrawButton;
    TDrawButtonEvent OnDrawButtonBackground;
    TDrawButtonEvent OnDrawButtonBorder;
    TGetButtonStateEvent OnGetButtonState;

protected:
    virtual void DrawEditBackground(TuiCanvas& canvas, bool fill);
    void DrawEditBorder(TuiCanvas& canvas, vcl::TRect rect, int32_t width);
    // The edit field's theme frame (in place or without border none) and the fill inside it.
    void DrawNativeBackground(TuiCanvas& canvas, bool fill);
    void DrawButtonInBounds(TuiCanvas& canvas, int32_t index);
    virtual void DrawButton(TuiCanvas& canvas, int32_t index);
    // What drawing a button needs of this editor.
    TuiEditButtonPaintContext ButtonPaintContext() const;
    // The event's handler answers whether it drew the button (asked with no canvas: whether it would).
    bool AskHandler(const TDrawButtonEvent& event, TuiCanvas* canvas, int32_t index);

private:
    void PaintBackgroundByMode(TuiCanvas& canvas, const vcl::TRect& rect);
    // Needs Edit.
    void DrawParentThemedBackground(TuiCanvas& canvas, const vcl::TRect& rect);
    bool CustomDrawBackground(TuiCanvas* canvas);

    // The border ring or the whole editor, by what differs from old; whether anything was invalidated.
    bool InvalidateFrameChanges(HWND window, const vcl::TRect& inner, const TuiCustomEditViewInfo& old) const;

    std::vector<std::unique_ptr<TuiEditButtonViewInfo>> FButtons;
    bool FDrawingButtons = false;
    int32_t FPreviousPressedIndex = -1;
    int32_t FPreviousHotIndex = -1;
};

} // namespace ui
