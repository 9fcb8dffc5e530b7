#pragma once
// TuiPanelStyle: the panel mode of a group box, in which the box looks like a flat panel with its caption placed
// inside it, indented from the sides it leans to, and a border width kept free round the children.

#include "rtl/core/Persistent.h"

#include <cstdint>
#include <functional>

namespace ui {

// How an Office 2003 panel fills its face: the scheme's gradient, the mix of its two colours, or the style's colour.
enum TuiPanelOffice11BackgroundKind : uint8_t { pobkGradient, pobkOffice11Color, pobkStyleColor };

class TuiPanelStyle : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiPanelStyle, rtl::TPersistent)
public:
    // What a change asks of the box: a new layout of its caption. The flag says whether the change shows only while
    // the panel is active (and, for the background kind, only in the Office 2003 look).
    using TLayoutChangedEvent = std::function<void(bool onlyWhileActive, bool onlyInOffice11)>;

    TuiPanelStyle() = default;

    // Every value, BorderWidth included, so an assigned style equals its source.
    void Assign(const rtl::TPersistent* source) override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value);
    // Never below 2.
    int32_t CaptionIndent() const { return FCaptionIndent; }
    void SetCaptionIndent(int32_t value);
    TuiPanelOffice11BackgroundKind OfficeBackgroundKind() const { return FOfficeBackgroundKind; }
    void SetOfficeBackgroundKind(TuiPanelOffice11BackgroundKind value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    void SetOnLayoutChanged(TLayoutChangedEvent handler) { FOnLayoutChanged = std::move(handler); }

private:
    void LayoutChanged(bool onlyWhileActive, bool onlyInOffice11 = false);

    bool FActive = false;
    int32_t FBorderWidth = 0;
    int32_t FCaptionIndent = 2;
    TuiPanelOffice11BackgroundKind FOfficeBackgroundKind = pobkOffice11Color;
    bool FWordWrap = false;
    TLayoutChangedEvent FOnLayoutChanged;
};

} // namespace ui
