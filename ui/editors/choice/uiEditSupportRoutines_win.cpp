#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/editors/choice/uiEditSupportRoutines.h"
#include "vcl/graphics/Font.h"

namespace ui {

namespace {

// The canvas font turned to escapement (tenths of a degree). Escapement is no part of a font's description, so a
// copy of an equal font may keep an earlier turn: it is set whenever it differs.
void SetCanvasFontEscapement(TuiCanvas& canvas, LONG escapement) {
    LOGFONTW description{};
    if (GetObjectW(canvas.Font().Handle(), sizeof(description), &description) != sizeof(description) ||
        description.lfEscapement == escapement) {
        return;
    }
    description.lfEscapement = escapement;
    const vcl::TColor color = canvas.Font().Color();
    canvas.Font().SetHandle(CreateFontIndirectW(&description));
    canvas.Font().SetColor(color);
}

} // namespace

bool SelectRotatedFont(TuiCanvas& canvas, const vcl::TFont& font, int32_t angle) {
    canvas.Font().Assign(&font);
    canvas.Canvas().RequireFont();
    TEXTMETRICW metrics{};
    const bool isTrueType =
        GetTextMetricsW(canvas.Handle(), &metrics) != 0 && (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
    const int32_t normalized = ((angle % 360) + 360) % 360;
    SetCanvasFontEscapement(canvas, isTrueType ? normalized * 10 : 0);
    return isTrueType;
}

} // namespace ui
