#include "ui/editors/choice/checklistbox/uiInnerCheckListBox.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiInputRoutines.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/editors/choice/checkbox/uiCheckGlyph.h"
#include "ui/editors/choice/checklistbox/uiCheckListBox.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

bool PointInRect(const vcl::TRect& rect, vcl::TPoint point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

vcl::TPoint PointOfMessage(const vcl::TMessage& message) {
    return {static_cast<int16_t>(vcl::LoWord(static_cast<uintptr_t>(message.LParam))),
            static_cast<int16_t>(vcl::HiWord(static_cast<uintptr_t>(message.LParam)))};
}

// Stops the list box from redrawing while its strings are laid in anew.
class TRedrawLock {
public:
    explicit TRedrawLock(vcl::TWinControl& control) : FControl(control), FLocked(control.HandleAllocated()) {
        if (FLocked) {
            SendMessageW(FControl.WindowHandle(), WM_SETREDRAW, FALSE, 0);
        }
    }
    ~TRedrawLock() {
        if (FLocked && FControl.HandleAllocated()) {
            SendMessageW(FControl.WindowHandle(), WM_SETREDRAW, TRUE, 0);
            InvalidateRect(FControl.WindowHandle(), nullptr, TRUE);
        }
    }
    TRedrawLock(const TRedrawLock&) = delete;
    TRedrawLock& operator=(const TRedrawLock&) = delete;

private:
    vcl::TWinControl& FControl;
    bool FLocked;
};

} // namespace

TuiCustomInnerCheckListBox::TuiCustomInnerCheckListBox(rtl::TComponent* owner)
    : TuiInnerListBox(owner), FItems(std::make_unique<TuiCheckListBoxItems>(this)) {
    SetStyle(vcl::lbOwnerDrawFixed);
}

TuiCustomInnerCheckListBox::~TuiCustomInnerCheckListBox() {
    StopMouseTracking(this);
    FItems.reset();
}

TuiCustomCheckListBox* TuiCustomInnerCheckListBox::CheckListContainer() const {
    return dynamic_cast<TuiCustomCheckListBox*>(Container());
}

vcl::TBitmap& TuiCustomInnerCheckListBox::Glyph() {
    if (!FGlyph) {
        FGlyph = std::make_unique<vcl::TBitmap>();
        FGlyph->SetOnChange([this](rtl::TObject*) { LayoutChanged(); });
    }
    return *FGlyph;
}

void TuiCustomInnerCheckListBox::SetGlyph(const vcl::TBitmap* value) {
    if (!value) {
        FGlyph.reset();
        LayoutChanged();
        return;
    }
    Glyph().Assign(value);
}

void TuiCustomInnerCheckListBox::SetGlyphCount(int32_t value) {
    if (value < 1 || value == FGlyphCount) {
        return;
    }
    FGlyphCount = value;
    if (HasGlyph()) {
        LayoutChanged();
    }
}

const TuiCheckListBoxMetrics& TuiCustomInnerCheckListBox::GetMetrics() {
    static const TuiCheckListBoxMetrics metrics;
    return metrics;
}

bool TuiCustomInnerCheckListBox::ShowsChecks() const {
    const TuiCustomCheckListBox* container = CheckListContainer();
    return !container || container->ShowChecks();
}

bool TuiCustomInnerCheckListBox::ImagesBeforeChecks() const {
    const TuiCustomCheckListBox* container = CheckListContainer();
    return !container || container->ImageLayout() == ilBeforeChecks;
}

bool TuiCustomInnerCheckListBox::RightToLeft() const {
    const TuiCustomCheckListBox* container = CheckListContainer();
    return container && container->UseRightToLeftAlignment();
}

TuiCustomInnerCheckListBox::TCheckMetrics TuiCustomInnerCheckListBox::GetCheckMetrics() const {
    const TuiCustomCheckListBox* container = CheckListContainer();
    const bool native = container && container->NativeStyle();
    const TuiLookAndFeelKind kind = container ? container->LookAndFeel().Kind() : LookAndFeel().Kind();
    const TuiLookAndFeelPainterClass skin = LookAndFeel().SkinPainter();
    const vcl::TBitmap* glyph = FGlyph.get();
    const vcl::TSize size = GetEditorCheckSize(native, glyph, FGlyphCount, skin);
    const int32_t indent = GetCheckBorderIndent(kind, native, IsCheckGlyphUsable(glyph, FGlyphCount), skin);
    return {{size.cx - 2 * indent, size.cy - 2 * indent}, indent};
}

vcl::TSize TuiCustomInnerCheckListBox::ImageSize() const {
    const TuiCustomCheckListBox* container = CheckListContainer();
    vcl::TCustomImageList* images = container ? container->Images() : nullptr;
    if (!IsImageListDrawable(images)) {
        return {0, 0};
    }
    return {images->Width(), images->Height()};
}

int32_t TuiCustomInnerCheckListBox::GetCheckRegionWidth() const {
    const TuiCheckListBoxMetrics& metrics = GetMetrics();
    const vcl::TSize image = ImageSize();
    const bool images = image.cx > 0;
    const bool checks = ShowsChecks();
    int32_t width = metrics.LeadingOffset;
    if (checks || images) {
        width += metrics.CheckAreaGap;
    }
    if (checks) {
        width += 2 * metrics.CheckMargin + GetCheckMetrics().Size.cx;
    }
    if (images) {
        width += image.cx + 2 * metrics.ImageMargin;
    }
    return width;
}

int32_t TuiCustomInnerCheckListBox::GetStandardItemHeight() const {
    const TuiCheckListBoxMetrics& metrics = GetMetrics();
    TuiCanvas& canvas = *GetSharedScreenCanvas();
    canvas.SetFont(Font());
    int32_t height = canvas.GetTextHeight(u"Zg");
    if (ShowsChecks()) {
        height = std::max(height, GetCheckMetrics().Size.cy + 2 * metrics.CheckMargin);
    }
    const vcl::TSize image = ImageSize();
    if (image.cx > 0) {
        height = std::max(height, image.cy + 2 * metrics.ImageMargin);
    }
    return height;
}

vcl::TRect TuiCustomInnerCheckListBox::PlaceInRow(const vcl::TRect& row, int32_t offset, vcl::TSize size) const {
    const int32_t top = row.Top + (row.Height() - size.cy) / 2;
    const int32_t left = RightToLeft() ? row.Right - offset - size.cx : row.Left + offset;
    return {left, top, left + size.cx, top + size.cy};
}

vcl::TRect TuiCustomInnerCheckListBox::GetCheckRect(const vcl::TRect& row, bool inflated) const {
    if (!ShowsChecks()) {
        return {};
    }
    const TuiCheckListBoxMetrics& metrics = GetMetrics();
    const vcl::TSize image = ImageSize();
    int32_t offset = metrics.LeadingOffset + metrics.CheckMargin;
    if (ImagesBeforeChecks() && image.cx > 0) {
        offset += image.cx + 2 * metrics.ImageMargin;
    }
    const TCheckMetrics check = GetCheckMetrics();
    vcl::TRect rect = PlaceInRow(row, offset, check.Size);
    if (inflated) {
        rect = {rect.Left - check.Indent, rect.Top - check.Indent, rect.Right + check.Indent,
                rect.Bottom + check.Indent};
    }
    return rect;
}

vcl::TRect TuiCustomInnerCheckListBox::GetImageRect(const vcl::TRect& row) const {
    const TuiCheckListBoxMetrics& metrics = GetMetrics();
    int32_t offset = metrics.LeadingOffset + metrics.ImageMargin;
    if (ShowsChecks() && !ImagesBeforeChecks()) {
        offset += 2 * metrics.CheckMargin + GetCheckMetrics().Size.cx;
    }
    return PlaceInRow(row, offset, ImageSize());
}

int32_t TuiCustomInnerCheckListBox::GetCheckAt(vcl::TPoint point) {
    if (!HandleAllocated()) {
        return -1;
    }
    const int32_t index = ItemAtPos(point, true);
    if (index < 0 || index >= FItems->Count()) {
        return -1;
    }
    return PointInRect(GetCheckRect(ItemRect(index), false), point) ? index : -1;
}

void TuiCustomInnerCheckListBox::LayoutChanged() {
    SetItemHeight(GetStandardItemHeight());
    if (!HandleAllocated()) {
        return;
    }
    UpdateScrollBars();
    InvalidateClient();
}

void TuiCustomInnerCheckListBox::InvalidateClient() {
    if (HandleAllocated()) {
        InvalidateRect(WindowHandle(), nullptr, TRUE);
    }
}

void TuiCustomInnerCheckListBox::InvalidateItem(int32_t index) {
    if (HandleAllocated() && index >= 0 && index < Count()) {
        const vcl::TRect rect = ItemRect(index);
        const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
        InvalidateRect(WindowHandle(), &area, TRUE);
    }
}

void TuiCustomInnerCheckListBox::InvalidateCheck(int32_t index) {
    if (!HandleAllocated() || index < 0 || index >= Count()) {
        return;
    }
    const vcl::TRect rect = GetCheckRect(ItemRect(index), true);
    const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
    InvalidateRect(WindowHandle(), &area, FALSE);
}

bool TuiCustomInnerCheckListBox::KeepsGrayedState() const {
    const TuiCustomCheckListBox* container = CheckListContainer();
    return !container || container->EditValueFormat() != cvfInteger;
}

void TuiCustomInnerCheckListBox::ItemStateChanged() {
    if (TuiCustomCheckListBox* container = CheckListContainer()) {
        container->ApplyStatesToEditValue();
    }
}

void TuiCustomInnerCheckListBox::ItemsChanged(TuiCheckListBoxItem* item) {
    if (item && Items().Count() == FItems->Count()) {
        ReplaceString(*item);
    } else {
        RebuildStrings();
    }
    if (TuiCustomCheckListBox* container = CheckListContainer()) {
        container->ItemsChanged();
    }
}

void TuiCustomInnerCheckListBox::ReplaceString(TuiCheckListBoxItem& item) {
    const int32_t index = item.Index();
    if (Items().Get(index) != item.Text()) {
        Items().Put(index, item.Text());
    }
    InvalidateItem(index);
}

// The selection and the first row shown stay where they were.
void TuiCustomInnerCheckListBox::RebuildStrings() {
    const int32_t itemIndex = ItemIndex();
    const int32_t topIndex = HandleAllocated() ? TopIndex() : 0;
    {
        const TRedrawLock redraw(*this);
        rtl::TStringList& strings = Items();
        strings.BeginUpdate();
        strings.Clear();
        for (int32_t i = 0; i < FItems->Count(); ++i) {
            strings.Add(FItems->GetItem(i)->Text());
        }
        strings.EndUpdate();
    }
    if (HandleAllocated()) {
        SetTopIndex(topIndex);
    }
    SetItemIndex(itemIndex < Count() ? itemIndex : -1);
}

void TuiCustomInnerCheckListBox::DoClickCheck(int32_t index, TuiCheckBoxState previousState,
                                              TuiCheckBoxState newState) {
    if (FOnClickCheck) {
        TuiCustomCheckListBox* container = CheckListContainer();
        FOnClickCheck(container ? static_cast<rtl::TObject*>(container) : this, index, previousState, newState);
    }
}

void TuiCustomInnerCheckListBox::Toggle(int32_t index) {
    if (index < 0 || index >= FItems->Count()) {
        return;
    }
    TuiCheckListBoxItem& item = *FItems->GetItem(index);
    const TuiCustomCheckListBox* container = CheckListContainer();
    if (!item.Enabled() || (container && !container->DataBinding().CanModify())) {
        return;
    }
    const TuiCheckBoxState previous = item.State();
    TuiCheckBoxState next = cbsChecked;
    if (previous == cbsChecked) {
        next = cbsUnchecked;
    } else if (previous == cbsUnchecked && FAllowGrayed && KeepsGrayedState()) {
        next = cbsGrayed;
    }
    item.SetState(next);
    DoClickCheck(index, previous, next);
}

void TuiCustomInnerCheckListBox::SetHotAndPressed(int32_t hot, int32_t pressed) {
    const int32_t oldHot = std::exchange(FHotCheck, hot);
    const int32_t oldPressed = std::exchange(FPressedCheck, pressed);
    if (oldHot != hot) {
        InvalidateCheck(oldHot);
        InvalidateCheck(hot);
    }
    if (oldPressed != pressed) {
        InvalidateCheck(oldPressed);
        InvalidateCheck(pressed);
    }
}

void TuiCustomInnerCheckListBox::UpdateHotAndPressed(vcl::TShiftState shift, vcl::TPoint point) {
    const int32_t under = GetCheckAt(point);
    if (FMouseDownCheck < 0) {
        SetHotAndPressed(IsShiftMoveOnly(shift) ? under : FHotCheck, FPressedCheck);
    } else {
        SetHotAndPressed(-1, under == FMouseDownCheck ? FMouseDownCheck : -1);
    }
}

void TuiCustomInnerCheckListBox::UpdateHotFromCursor() {
    if (!HandleAllocated()) {
        return;
    }
    UpdateHotAndPressed(vcl::ReadShiftState(), CursorPoint());
}

vcl::TPoint TuiCustomInnerCheckListBox::CursorPoint() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    return ScreenToClient(vcl::TPoint{cursor.x, cursor.y});
}

void TuiCustomInnerCheckListBox::MouseLeave() {
    SetHotAndPressed(-1, -1);
}

void TuiCustomInnerCheckListBox::KeyPress(char16_t& key) {
    if (key == u' ') {
        const vcl::TControlLink link(this);
        Toggle(ItemIndex());
        if (!link.Alive()) {
            return;
        }
    }
    TuiInnerListBox::KeyPress(key);
}

// A press on a check must not start a drag: the press shows the check pressed. An item shown only in part scrolls
// into view under the press, so the release would miss the check: such an item toggles on the press itself.
void TuiCustomInnerCheckListBox::PressOnCheck(vcl::TMessage& message) {
    FPressStartCheck = GetCheckAt(PointOfMessage(message));
    if (FPressStartCheck < 0) {
        TuiInnerListBox::WndProc(message);
        return;
    }
    FItemFullyVisible = ItemRect(FPressStartCheck).Bottom <= ClientHeight();
    TuiCustomCheckListBox* container = CheckListContainer();
    const vcl::TDragMode dragMode = container ? container->DragMode() : DragMode();
    const vcl::TControlLink link(this);
    SetDragMode(vcl::dmManual);
    try {
        TuiInnerListBox::WndProc(message);
    } catch (...) {
        if (link.Alive()) {
            SetDragMode(dragMode);
            FPressStartCheck = -1;
        }
        throw;
    }
    if (link.Alive()) {
        SetDragMode(dragMode);
        FPressStartCheck = -1;
    }
}

void TuiCustomInnerCheckListBox::WndProc(vcl::TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN && AllowsSelectionChange()) {
        PressOnCheck(message);
        return;
    }
    const vcl::TControlLink link(this);
    TuiInnerListBox::WndProc(message);
    if (link.Alive() && (message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL || message.Msg == WM_MOUSEWHEEL)) {
        UpdateHotFromCursor();
    }
}

void TuiCustomInnerCheckListBox::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TuiInnerListBox::MouseDown(button, shift, x, y);
    if (!link.Alive()) {
        return;
    }
    if (button != vcl::mbLeft) {
        FMouseDownCheck = -1;
        return;
    }
    if (FPressStartCheck < 0) {
        return;
    }
    const TuiCustomCheckListBox* container = CheckListContainer();
    const bool automaticDrag = container && container->DragMode() == vcl::dmAutomatic;
    if (automaticDrag || !FItemFullyVisible) {
        if (FItems->GetItem(FPressStartCheck)->Enabled()) {
            Toggle(FPressStartCheck);
        }
        return;
    }
    FMouseDownCheck = FPressStartCheck;
    SetHotAndPressed(-1, FMouseDownCheck);
}

void TuiCustomInnerCheckListBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TuiInnerListBox::MouseMove(shift, x, y);
    if (!link.Alive()) {
        return;
    }
    const TuiCustomCheckListBox* container = CheckListContainer();
    if (container && container->DragMode() == vcl::dmAutomatic && GetCapture() != WindowHandle()) {
        FMouseDownCheck = -1;
        SetHotAndPressed(FHotCheck, -1);
    }
    UpdateHotAndPressed(shift, {x, y});
    StartMouseTracking(this, ClientRect(), this);
}

void TuiCustomInnerCheckListBox::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TuiInnerListBox::MouseUp(button, shift, x, y);
    if (!link.Alive()) {
        return;
    }
    const TuiCustomCheckListBox* container = CheckListContainer();
    const bool automaticDrag = container && container->DragMode() == vcl::dmAutomatic;
    const int32_t under = GetCheckAt({x, y});
    const int32_t released = FPressedCheck;
    FMouseDownCheck = -1;
    SetHotAndPressed(IsShiftMoveOnly(shift) ? under : -1, -1);
    if (button == vcl::mbLeft && !automaticDrag && under >= 0 && under == released &&
        FItems->GetItem(under)->Enabled()) {
        Toggle(under);
    }
}

void TuiCustomInnerCheckListBox::DblClick() {
    const vcl::TControlLink link(this);
    TuiInnerListBox::DblClick();
    if (!link.Alive()) {
        return;
    }
    const int32_t index = ItemIndex();
    if (index < 0 || index >= FItems->Count() || !FItems->GetItem(index)->Enabled()) {
        return;
    }
    if (FAllowDblClickToggle || GetCheckAt(CursorPoint()) == index) {
        Toggle(index);
    }
}

// The row handed to the drawing excludes the check region, which the list draws from the full row.
void TuiCustomInnerCheckListBox::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case vcl::CN_DRAWITEM:
        if (FItems->Count() > 0) {
            auto& draw = *reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
            if (RightToLeft()) {
                draw.rcItem.right -= GetCheckRegionWidth();
            } else {
                draw.rcItem.left += GetCheckRegionWidth();
            }
        }
        break;
    case vcl::CM_MOUSEENTER:
        TuiInnerListBox::Dispatch(message);
        StartMouseTracking(this, ClientRect(), this);
        return;
    case vcl::CM_MOUSELEAVE:
        TuiInnerListBox::Dispatch(message);
        SetHotAndPressed(-1, -1);
        StopMouseTracking(this);
        return;
    case vcl::CM_FONTCHANGED:
        TuiInnerListBox::Dispatch(message);
        LayoutChanged();
        return;
    case vcl::CM_COLORCHANGED:
        TuiInnerListBox::Dispatch(message);
        InvalidateClient();
        return;
    default:
        break;
    }
    TuiInnerListBox::Dispatch(message);
}

} // namespace ui
