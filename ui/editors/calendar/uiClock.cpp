#include "ui/editors/calendar/uiClock.h"

#include "ui/core/graphics/uiCanvas.h"

#include <cmath>

namespace ui {

TuiClock::TuiClock(rtl::TComponent* owner) : TuiControl(owner) {
    SetColor(vcl::clWindow);
}

void TuiClock::SetTime(rtl::TDateTime value) {
    const rtl::TDateTime time = value - std::trunc(value);
    if (time == FTime) {
        return;
    }
    FTime = time;
    Invalidate();
}

vcl::TColor TuiClock::FaceColor() const {
    const vcl::TColor editorColor = GetPainter()->EditorOrContentColor();
    return Color() == vcl::clWindow && editorColor != vcl::clDefault ? editorColor : Color();
}

void TuiClock::Paint() {
    GetPainter()->PaintClockFace(UICanvas(), ClientRect(), FTime, FaceColor());
}

} // namespace ui
