#include "ui/editors/framework/buttons/uiEditButtonsLayout.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

void MoveHorizontally(TuiEditButtonViewInfo& button, int32_t dx) {
    button.Bounds.Left += dx;
    button.Bounds.Right += dx;
    button.VisibleBounds.Left += dx;
    button.VisibleBounds.Right += dx;
}

// Grows participant by add toward the middle of the editor and moves the buttons beyond it on its side.
void GrowEditButton(std::span<TuiEditButtonViewInfo* const> buttons, TuiEditButtonViewInfo& participant, int32_t add) {
    if (participant.LeftAlignment) {
        const int32_t oldRight = participant.Bounds.Right;
        for (TuiEditButtonViewInfo* other : buttons) {
            if (other != &participant && other->LeftAlignment && other->Bounds.Left >= oldRight) {
                MoveHorizontally(*other, add);
            }
        }
        participant.Bounds.Right += add;
        participant.VisibleBounds.Right += add;
    } else {
        const int32_t oldLeft = participant.Bounds.Left;
        for (TuiEditButtonViewInfo* other : buttons) {
            if (other != &participant && !other->LeftAlignment && other->Bounds.Right <= oldLeft) {
                MoveHorizontally(*other, -add);
            }
        }
        participant.Bounds.Left -= add;
        participant.VisibleBounds.Left -= add;
    }
}

} // namespace

void LayOutEditButton(TuiEditButtonViewInfo& button, int32_t viewIndex, int32_t width, vcl::TRect& rect,
                      TuiEditButtonSides& sides) {
    if (rect.Left >= rect.Right || rect.Top >= rect.Bottom) {
        button.Bounds = {};
        button.VisibleBounds = {};
        return;
    }
    const int32_t shown = std::min(width, rect.Right - rect.Left);
    button.Bounds.Top = button.VisibleBounds.Top = rect.Top;
    button.Bounds.Bottom = button.VisibleBounds.Bottom = rect.Bottom;
    if (button.LeftAlignment) {
        button.Bounds.Left = button.VisibleBounds.Left = rect.Left;
        button.Bounds.Right = rect.Left + width;
        button.VisibleBounds.Right = rect.Left + shown;
        rect.Left += shown;
        sides.LeftRightmost = viewIndex;
        if (sides.LeftLeftmost < 0) {
            sides.LeftLeftmost = viewIndex;
        }
    } else {
        button.Bounds.Right = button.VisibleBounds.Right = rect.Right;
        button.Bounds.Left = rect.Right - width;
        button.VisibleBounds.Left = rect.Right - shown;
        rect.Right -= shown;
        sides.RightLeftmost = viewIndex;
        if (sides.RightRightmost < 0) {
            sides.RightRightmost = viewIndex;
        }
    }
}

void AdjustEditButtonWidths(std::span<TuiEditButtonViewInfo* const> buttons, int32_t fullWidth, int32_t freeWidth,
                            const std::function<bool(int32_t buttonIndex)>& isWidthFixed) {
    if (freeWidth <= 0) {
        return;
    }
    std::vector<size_t> participants;
    int64_t total = 0;
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->Stretchable && !isWidthFixed(buttons[i]->ButtonIndex)) {
            participants.push_back(i);
            total += buttons[i]->Bounds.Right - buttons[i]->Bounds.Left;
        }
    }
    if (participants.empty()) {
        for (size_t i = 0; i < buttons.size(); ++i) {
            participants.push_back(i);
        }
        total = fullWidth - freeWidth;
    }
    if (total <= 0) {
        return;
    }
    int32_t left = freeWidth;
    for (auto it = participants.rbegin(); it != participants.rend(); ++it) {
        TuiEditButtonViewInfo& participant = *buttons[*it];
        const int32_t width = participant.Bounds.Right - participant.Bounds.Left;
        const int32_t add =
            std::next(it) == participants.rend() ? left : static_cast<int32_t>(width * freeWidth / total);
        left -= add;
        GrowEditButton(buttons, participant, add);
    }
}

} // namespace ui
