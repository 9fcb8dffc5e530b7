#pragma once
// TCustomLabel and TLabel: a caption drawn on its parent (a graphic control). With AutoSize (the default) the label
// takes the size of its caption: the width and height of one line, or with WordWrap the height of the caption broken
// into lines at the label's width; a right-aligned label keeps its right edge as it grows. Its mnemonic focuses the
// FocusControl.

#include "vcl/controls/GraphicControl.h"
#include "vcl/controls/WinControl.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

namespace vcl {

// A caption with alignment, layout, wrapping and an optional background.
class TCustomLabel : public TGraphicControl {
    RTL_DECLARE_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(rtl::TComponent* owner);
    void Dispatch(TMessage& message) override;
    void Loaded() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // A transparent label shows what lies behind it around its text.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Whether "&" marks a mnemonic (otherwise it is shown as it is).
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    // The windowed control the mnemonic focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);

protected:
    void Paint() override;
    bool CanAutoSize(int32_t& newWidth, int32_t& newHeight) override;
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    // Sizes the label to its caption (when AutoSize), keeping the edge its alignment keeps.
    void AdjustSize() override;

private:
    uint32_t TextFlags() const;
    // The caption as it is measured and drawn: an empty one still takes one line.
    rtl::UnicodeString DrawnCaption() const;
    void Changed();

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr; // not owned; cleared by its free notification
};

// The label that forms place.
class TLabel : public TCustomLabel {
    RTL_DECLARE_CLASS(TLabel, TCustomLabel)
public:
    using TCustomLabel::TCustomLabel;
};

} // namespace vcl
