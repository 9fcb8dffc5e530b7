#pragma once
// TuiCustomCheckBoxViewInfo: the picture of a check box for one value: the check glyph in its rectangle (by state,
// hot state, glyph, border style, look), the caption in its own rectangle beside it, and the focus frame. The check
// acts as the editor's one button: a change of its hot state or state repaints only the check rectangle.

#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/choice/checkbox/uiCheckGlyph.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"

#include <cstdint>

namespace ui {

// Where the check and the caption go.
enum TuiCheckBoxAlignment : uint8_t { cbaCheckLeft, cbaCheckRight, cbaCheckCentred };

class TuiCustomCheckBoxViewInfo : public TuiCustomEditViewInfo {
    RTL_DECLARE_CLASS(TuiCustomCheckBoxViewInfo, TuiCustomEditViewInfo)
public:
    // The background (under the check only where the check leaves it showing), the check, the caption and the focus
    // frame.
    void PaintContent(TuiCanvas& canvas) override;
    // Copies the hot state and state too.
    void Assign(const rtl::TPersistent* source) override;
    // The base region, with the check rectangle when the hot state or state differ from old's.
    std::unique_ptr<TuiRegion> GetUpdateRegion(const TuiCustomEditViewInfo& old) const override;
    // The base changes, and the check rectangle (unerased) when there is no old picture or its hot state or state
    // differ.
    bool InvalidateChanges(vcl::TWinControl& control, const vcl::TRect& inner,
                           const TuiCustomEditViewInfo* old) override;
    void Offset(int32_t dx, int32_t dy) override;
    void SaveButtonStates() override;
    // A check box shows no hint of its own.
    bool GetHintInfoIn(TuiCanvas& canvas, vcl::TPoint point, vcl::TRect& hintRect, bool& multiLine,
                       rtl::UnicodeString& text, const vcl::TRect& visibleBounds) override;
    // The caption in the text rectangle, embossed when it is drawn disabled.
    virtual void DrawCaption(TuiCanvas& canvas);
    // The caption is drawn as enabled: the editor is, its text has a colour of its own, or the look is native.
    bool IsCaptionEnabled() const { return Enabled || TextColorAssigned || NativeStyle; }
    TuiCheckHotState PreviousHotState() const { return FPreviousHotState; }

    TuiCheckBoxAlignment Alignment = cbaCheckLeft;
    int32_t CheckBorderOffset = 0;
    TuiContainerBorderStyle CheckBorderStyle = cbsNone;
    vcl::TBitmap* Glyph = nullptr; // not owned: the properties'
    int32_t GlyphCount = 0;
    vcl::TRect CheckRect;
    TuiCheckHotState HotState = chsNormal;
    vcl::TRect FocusRect;
    bool HasGlyph = false;
    bool TextColorAssigned = false;
    TuiCheckBoxNullValueShowingStyle NullStyle = nssGrayedChecked;
    TuiCheckBoxState State = cbsUnchecked;
    rtl::UnicodeString Text;
    vcl::TRect TextRect;
    // The canvas's text flags of the caption.
    uint16_t TextFlags = 0;

private:
    bool CheckDiffersFrom(const TuiCustomEditViewInfo& old) const;
    // The check rectangle less the ring the background fills.
    vcl::TRect CheckFrameRect() const { return InflateRectBy(CheckRect, -CheckBorderOffset, -CheckBorderOffset); }
    // Whether the background under the check shows through it.
    bool CheckLetsBackgroundThrough() const;

    TuiCheckHotState FPreviousHotState = chsNormal;
};

} // namespace ui
