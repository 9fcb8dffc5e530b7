#include "ui/grid/customtable/viewinfo/uiGridTableCellViewInfo.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "vcl/graphics/Font.h"

namespace ui {

namespace {

// A text view info lays its text out in its font once; another font needs it laid out again.
void ForgetTextLayout(TuiCustomEditViewInfo& viewInfo) {
    if (auto* text = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo)) {
        text->TextLayout.Done = false;
    }
}

// The same typeface, whatever its colour: the editor draws the text in its own text colour.
bool SameTypeface(const vcl::TFont& a, const vcl::TFont& b) {
    return a.Height() == b.Height() && a.Style() == b.Style() && a.Charset() == b.Charset() && a.Pitch() == b.Pitch() &&
           a.Orientation() == b.Orientation() && a.Name() == b.Name();
}

} // namespace

TuiGridTableDataCellViewInfo::TuiGridTableDataCellViewInfo(TuiCustomGridViewInfo& gridViewInfo,
                                                           TuiCustomGridTableItem& item)
    : TuiGridTableCellViewInfo(gridViewInfo), FItem(item) {}

TuiGridTableDataCellViewInfo::~TuiGridTableDataCellViewInfo() = default;

TuiCustomGridTableView& TuiGridTableDataCellViewInfo::TableView() const {
    return static_cast<TuiCustomGridTableView&>(GridViewInfo().GridView());
}

bool TuiGridTableDataCellViewInfo::IsBeingEdited() const {
    return FItem.Editing() && IsFocusedCell();
}

void TuiGridTableDataCellViewInfo::SaveParams(TuiDrawParams& params) const {
    const TuiCustomEditViewInfo& viewInfo = EditViewInfo();
    params.Bitmap = Params().Bitmap;
    params.Color = viewInfo.BackgroundColor;
    params.Font = const_cast<vcl::TFont*>(viewInfo.Font);
    params.TextColor = viewInfo.TextColor;
}

void TuiGridTableDataCellViewInfo::RestoreParams(const TuiDrawParams& params) {
    TuiCustomEditViewInfo& viewInfo = EditViewInfo();
    if (viewInfo.Font != params.Font) {
        ForgetTextLayout(viewInfo);
    }
    viewInfo.BackgroundColor = params.Color;
    viewInfo.Font = params.Font;
    viewInfo.TextColor = params.TextColor;
}

bool TuiGridTableDataCellViewInfo::HasCustomDraw() const {
    return FItem.HasCustomDrawCell() || TableView().HasCustomDrawCell();
}

bool TuiGridTableDataCellViewInfo::DoCustomDraw(TuiCanvas& canvas) {
    bool done = false;
    FItem.DoCustomDrawCell(canvas, this, done);
    if (!done) {
        TableView().DoCustomDrawCell(canvas, this, done);
    }
    return done;
}

// The canvas's font is the canvas's own, changed by whatever paints next: the cell draws with a copy of it, made only
// when the handlers changed it.
void TuiGridTableDataCellViewInfo::AfterCustomDraw(TuiCanvas& canvas) {
    TuiDrawParams params;
    SaveParams(params);
    const vcl::TFont* font = params.Font;
    canvas.ReadDrawParams(params);
    params.Font = const_cast<vcl::TFont*>(font);
    if (font == nullptr || !SameTypeface(canvas.Font(), *font)) {
        if (!FCustomDrawFont) {
            FCustomDrawFont = std::make_unique<vcl::TFont>();
        }
        FCustomDrawFont->Assign(&canvas.Font());
        params.Font = FCustomDrawFont.get();
    }
    RestoreParams(params);
}

bool TuiGridTableDataCellViewInfo::CanShowHint() const {
    const bool cellHints = TableView().OptionsBehavior().CellHints();
    return (cellHints || FItem.HasGetCellHintHandler()) && !IsBeingEdited();
}

bool TuiGridTableDataCellViewInfo::NeedsHint(vcl::TPoint mousePos, rtl::UnicodeString& text, vcl::TRect& textRect,
                                             bool& multiLine) {
    text.clear();
    multiLine = false;
    textRect = {};
    const bool editorHint =
        TableView().OptionsBehavior().CellHints() && GetEditorHint(mousePos, text, textRect, multiLine);
    if (FItem.HasGetCellHintHandler() && (editorHint || IsPointInHintArea(mousePos))) {
        if (!editorHint) {
            textRect = GetHintTextRect(mousePos);
        }
        FItem.DoGetCellHint(GridRecord(), this, mousePos, text, multiLine, textRect);
    }
    return !text.empty();
}

bool TuiGridTableDataCellViewInfo::GetEditorHint(vcl::TPoint point, rtl::UnicodeString& text, vcl::TRect& textRect,
                                                 bool& multiLine) {
    TuiCustomEditViewInfo& viewInfo = EditViewInfo();
    if (auto* textViewInfo = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo)) {
        TuiCanvas& canvas = GridViewInfo().MeasuringCanvas();
        canvas.PushState();
        textViewInfo->GetHintInfoIn(canvas, point, textRect, multiLine, text, GetHintAreaClip());
        canvas.PopState();
    } else {
        text = viewInfo.GetHintTextAt(point);
    }
    if (!text.empty() && textRect.IsEmpty()) {
        textRect = viewInfo.GetPartRect(viewInfo.GetButtonAt(point));
    }
    return !text.empty();
}

} // namespace ui
