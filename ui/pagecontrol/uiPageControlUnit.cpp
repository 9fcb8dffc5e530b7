#include "ui/pagecontrol/uiPageControlUnit.h"

#include "ui/pagecontrol/painters/uiPCButtonPainters.h"
#include "ui/pagecontrol/painters/uiPCFlatPainter.h"
#include "ui/pagecontrol/painters/uiPCOffice11Painter.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/painters/uiPCTabsPainter.h"
#include "ui/pagecontrol/tabs/uiPCPaintersFactory.h"
#include "ui/pagecontrol/tabs/uiPCStrs.h"

#include <array>

namespace ui {

namespace {

// The styles in their registration order.
std::array<TuiPCPainterClass, 7> PainterStyles() {
    return {&TuiPCTabsPainter::StaticClass(),        &TuiPCButtonsPainter::StaticClass(),
            &TuiPCFlatButtonsPainter::StaticClass(), &TuiPCExtraFlatPainter::StaticClass(),
            &TuiPCUltraFlatPainter::StaticClass(),   &TuiPCFlatPainter::StaticClass(),
            &TuiPCOffice11Painter::StaticClass()};
}

} // namespace

void InitializePageControlUnit() {
    RegisterPCStrs();
    detail::ComputeLightFaceColor();
    for (TuiPCPainterClass style : PainterStyles()) {
        RegisterPCPainterClass(style);
    }
}

void FinalizePageControlUnit() {
    for (TuiPCPainterClass style : PainterStyles()) {
        UnregisterPCPainterClass(style);
    }
    UnregisterPCStrs();
}

} // namespace ui
