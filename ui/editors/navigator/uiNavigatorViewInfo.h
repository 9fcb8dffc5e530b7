#pragma once
// TuiNavigatorViewInfo: the navigator bar as its host shows it. It lays the visible buttons out in a row over the
// host's navigator bounds (each as wide as its glyph and its frame, the width left over shared out evenly), paints them
// through the host's look and feel, and drives them from the host's mouse: hot and pressed buttons, a click on
// release over the pressed button, Prior and Next repeating while held (first after 400 ms, then every 100 ms), and
// a button's hint after 500 ms at rest. The host forwards its mouse messages and paints the bar from its own Paint.
//
// The sources: uiNavigatorViewInfo.cpp the layout and state, uiNavigatorViewInfoPaint.cpp the painting,
// uiNavigatorViewInfoInput.cpp the mouse, the timers and the hint.

#include "rtl/core/Component.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/controls/routines/uiHintRoutines.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/navigator/uiNavigatorInterfaces.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCanvas;
class TuiNavigatorButton;
class TuiTimer;

// One visible button as laid out: its place, and its enabled state and hint as last read.
struct TuiNavigatorButtonViewInfo {
    TuiNavigatorButton* Button = nullptr; // not owned
    vcl::TRect Bounds;
    bool Enabled = false;
    rtl::UnicodeString Hint;
};

class TuiNavigatorViewInfo {
public:
    // inPlace: the bar is part of a larger control (a grid) rather than a control of its own.
    TuiNavigatorViewInfo(IuiNavigatorOwner& owner, bool inPlace);
    ~TuiNavigatorViewInfo();
    TuiNavigatorViewInfo(const TuiNavigatorViewInfo&) = delete;
    TuiNavigatorViewInfo& operator=(const TuiNavigatorViewInfo&) = delete;

    // Lays the buttons out over the host's bounds and reads their enabled states and hints.
    void Calculate();
    // Lays the visible buttons out for a bar of width x height and answers the size they take: at least what they
    // need, the width left over shared out in whole pixels per button; withGlyphHeight counts the glyph in a button's
    // height (as when the host asks how high the bar must be). Leaves the view info dirty.
    void ArrangeButtons(int32_t& width, int32_t& height, bool withGlyphHeight);
    // The next Paint calculates again.
    void MakeDirty() { FIsDirty = true; }
    bool IsDirty() const { return FIsDirty; }
    // Forgets the laid-out buttons and the hot and pressed ones.
    void Clear();
    // The button whose bounds hold point, right and bottom edges excluded; nullptr when none does.
    TuiNavigatorButtonViewInfo* HitTest(vcl::TPoint point) const;
    TuiNavigatorButtonViewInfo* FindViewInfo(const TuiNavigatorButton* button) const;
    int32_t ButtonCount() const { return static_cast<int32_t>(FButtons.size()); }
    TuiNavigatorButtonViewInfo& Buttons(int32_t index) const { return *FButtons.at(static_cast<size_t>(index)); }
    TuiNavigatorButtonViewInfo* HotButton() const { return FHotButton; }
    TuiNavigatorButtonViewInfo* PressedButton() const { return FPressedButton; }

    // The host's mouse, in its client coordinates.
    void TrackMouseDown(int32_t x, int32_t y);
    void TrackMouseMove(int32_t x, int32_t y);
    void TrackMouseUp(int32_t x, int32_t y);

    // Paints the bar on the host's canvas, calculating first when dirty.
    void Paint();
    // Reads each button's enabled state again and invalidates those that changed.
    void UpdateButtonsEnabled();
    // Invalidates the button's bounds in the host's window, when it has one.
    void InvalidateButton(const TuiNavigatorButtonViewInfo& viewInfo) const;
    TuiButtonState GetButtonState(const TuiNavigatorButtonViewInfo& viewInfo) const;

    // Shows the hot button's hint (the text before "|"), or with show false only hides it.
    void ShowHint(bool show);
    // The hint window while it shows.
    vcl::THintWindow* HintWindow() const { return FHintWindow.get(); }

    // The button the keyboard focus rectangle marks: the one set, or the first visible button when none is set or
    // the one set is no longer visible.
    TuiNavigatorButton* FocusedButton() const;
    void SetFocusedButton(TuiNavigatorButton* button) { FFocusedButton = button; }
    // The host, or what the user does on the bar, makes it stand out: a hot or pressed button or the host's focus.
    bool IsSelected() const { return FIsSelected; }
    // Works the selected state out again (only under a look that hot-tracks buttons).
    void UpdateSelected();

    // The timers, for the host's tests.
    TuiTimer& PressTimer() const { return *FPressTimer; }
    TuiTimer& HintTimer() const { return *FHintTimer; }

private:
    TuiLookAndFeelPainterClass Painter() const;
    // A button's size without the share of the width left over.
    vcl::TSize ButtonSize(const TuiNavigatorButton& button, bool withGlyphHeight) const;
    // One view info per visible button, reusing the old ones; the hot and pressed ones kept when still visible.
    void BindVisibleButtons();
    void SetHotButton(TuiNavigatorButtonViewInfo* viewInfo);
    // Ends a press: a click when mayClick and point lies in the pressed button, which is enabled.
    void FinishPress(vcl::TPoint point, bool mayClick);
    void PressTimerTick();
    void HideHint();
    void RestartHintTimer();
    // Painting (uiNavigatorViewInfoPaint.cpp).
    // The glyph centred in the button's content, moved by a pixel while pressed.
    vcl::TRect GlyphRect(const TuiNavigatorButton& button, const vcl::TRect& content, int32_t index,
                         TuiButtonState state) const;
    void PaintButton(TuiCanvas& canvas, const TuiNavigatorButtonViewInfo& viewInfo, int32_t index) const;

    IuiNavigatorOwner& FOwner;
    bool FIsInPlace;
    bool FIsDirty = true;
    bool FIsSelected = false;
    std::vector<std::unique_ptr<TuiNavigatorButtonViewInfo>> FButtons;
    TuiNavigatorButtonViewInfo* FHotButton = nullptr;     // not owned: one of FButtons
    TuiNavigatorButtonViewInfo* FPressedButton = nullptr; // not owned: one of FButtons
    TuiNavigatorButton* FFocusedButton = nullptr;         // not owned
    std::unique_ptr<TuiTimer, rtl::TComponentDeleter> FPressTimer;
    std::unique_ptr<TuiTimer, rtl::TComponentDeleter> FHintTimer;
    TuiHintWindowPtr FHintWindow;
};

} // namespace ui
