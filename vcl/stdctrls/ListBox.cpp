#include "vcl/stdctrls/ListBox.h"

#include "rtl/core/Exceptions.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

namespace {

TOwnerDrawState OwnerDrawStateOf(UINT itemState) {
    TOwnerDrawState state;
    const struct {
        UINT Bit;
        TOwnerDrawStateFlag Flag;
    } bits[] = {{ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed}, {ODS_DISABLED, odDisabled},
                {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused}, {ODS_DEFAULT, odDefault}};
    for (const auto& bit : bits) {
        if (itemState & bit.Bit) {
            state.Include(bit.Flag);
        }
    }
    return state;
}

} // namespace

int32_t TListBoxStrings::AddObject(rtl::UnicodeStringView text, rtl::TObject* object) {
    const int32_t countBefore = Count();
    const int32_t index = TStringList::AddObject(text, object);
    if (Count() != countBefore && FListBox.HandleAllocated()) {
        const rtl::UnicodeString added(text);
        FListBox.Send(LB_INSERTSTRING, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(added.c_str()));
    }
    return index;
}

void TListBoxStrings::InsertObject(int32_t index, rtl::UnicodeStringView text, rtl::TObject* object) {
    TStringList::InsertObject(index, text, object);
    if (FListBox.HandleAllocated()) {
        const rtl::UnicodeString added(text);
        FListBox.Send(LB_INSERTSTRING, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(added.c_str()));
    }
}

void TListBoxStrings::Delete(int32_t index) {
    TStringList::Delete(index);
    if (FListBox.HandleAllocated()) {
        FListBox.Send(LB_DELETESTRING, static_cast<uintptr_t>(index));
    }
}

void TListBoxStrings::Clear() {
    TStringList::Clear();
    if (FListBox.HandleAllocated()) {
        FListBox.Send(LB_RESETCONTENT);
    }
}

void TListBoxStrings::Put(int32_t index, rtl::UnicodeStringView text) {
    TStringList::Put(index, text);
    if (FListBox.HandleAllocated()) {
        const int32_t selected = FListBox.ItemIndex();
        FListBox.Send(LB_DELETESTRING, static_cast<uintptr_t>(index));
        FListBox.Send(LB_INSERTSTRING, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(Get(index).c_str()));
        FListBox.SetItemIndex(selected);
    }
}

void TListBoxStrings::Sort() {
    TStringList::Sort();
    FListBox.FillWindow();
}

void TListBoxStrings::CustomSort(const rtl::TStringListSortCompare& compare) {
    TStringList::CustomSort(compare);
    FListBox.FillWindow();
}

TCustomListBox::TCustomListBox(rtl::TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TListBoxStrings>(*this)),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetControlStyle(ControlStyle() + TControlStyle{csDoubleClicks});
}

TCustomListBox::~TCustomListBox() {
    DestroyHandle();
}

intptr_t TCustomListBox::Send(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    return SendMessageW(Handle(), msg, wParam, lParam);
}

void TCustomListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, u"LISTBOX");
    params.Style |= WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_HASSTRINGS;
    if (FMultiSelect) {
        params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    }
    params.Style |= FColumns > 0 ? LBS_MULTICOLUMN : 0;
    params.Style |= FTabWidth > 0 ? LBS_USETABSTOPS : 0;
    params.Style |= FIntegralHeight ? 0 : LBS_NOINTEGRALHEIGHT;
    params.Style |= FStyle == lbOwnerDrawFixed ? LBS_OWNERDRAWFIXED : 0;
    params.Style |= FStyle == lbOwnerDrawVariable ? LBS_OWNERDRAWVARIABLE : 0;
    if (Ctl3D()) {
        params.ExStyle |= WS_EX_CLIENTEDGE;
    } else {
        params.Style |= WS_BORDER;
    }
}

// The window's first measuring comes before it can be reflected here: the fixed height is set once it exists.
void TCustomListBox::CreateWnd() {
    TWinControl::CreateWnd();
    if (FStyle == lbOwnerDrawFixed) {
        Send(LB_SETITEMHEIGHT, 0, FItemHeight);
    }
    ApplyWindowSettings();
    FillWindow();
    SetItemIndex(FSavedItemIndex);
    FSavedItemIndex = -1;
}

void TCustomListBox::ApplyWindowSettings() {
    if (FTabWidth > 0) {
        INT stops[] = {FTabWidth};
        Send(LB_SETTABSTOPS, 1, reinterpret_cast<intptr_t>(stops));
    }
    Send(LB_SETHORIZONTALEXTENT, static_cast<uintptr_t>(FScrollWidth));
    UpdateColumnWidth();
}

void TCustomListBox::UpdateColumnWidth() {
    if (FColumns > 0 && HandleAllocated()) {
        Send(LB_SETCOLUMNWIDTH, static_cast<uintptr_t>(std::max(ClientWidth() / FColumns, 1)));
    }
}

void TCustomListBox::Resize() {
    TWinControl::Resize();
    UpdateColumnWidth();
}

void TCustomListBox::DestroyWindowHandle() {
    FSavedItemIndex = ItemIndex();
    FCanvas->FreeHandle();
    TWinControl::DestroyWindowHandle();
}

void TCustomListBox::FillWindow() {
    if (!HandleAllocated()) {
        return;
    }
    Send(WM_SETREDRAW, FALSE);
    Send(LB_RESETCONTENT);
    for (int32_t i = 0; i < FItems->Count(); ++i) {
        Send(LB_ADDSTRING, 0, reinterpret_cast<intptr_t>(FItems->Get(i).c_str()));
    }
    Send(WM_SETREDRAW, TRUE);
    InvalidateRect(WindowHandle(), nullptr, TRUE);
}

int32_t TCustomListBox::ItemIndex() {
    if (!HandleAllocated()) {
        return FSavedItemIndex;
    }
    return static_cast<int32_t>(Send(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL));
}

void TCustomListBox::SetItemIndex(int32_t value) {
    if (!HandleAllocated()) {
        FSavedItemIndex = value;
        return;
    }
    if (FMultiSelect) {
        Send(LB_SETCARETINDEX, static_cast<uintptr_t>(value), FALSE);
    } else {
        Send(LB_SETCURSEL, static_cast<uintptr_t>(value));
    }
}

int32_t TCustomListBox::TopIndex() {
    return static_cast<int32_t>(Send(LB_GETTOPINDEX));
}

void TCustomListBox::SetTopIndex(int32_t value) {
    Send(LB_SETTOPINDEX, static_cast<uintptr_t>(std::max(value, 0)));
}

bool TCustomListBox::Selected(int32_t index) {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(u"List index out of bounds");
    }
    return Send(LB_GETSEL, static_cast<uintptr_t>(index)) > 0;
}

void TCustomListBox::SetSelected(int32_t index, bool value) {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(u"List index out of bounds");
    }
    if (FMultiSelect) {
        Send(LB_SETSEL, value ? TRUE : FALSE, index);
    } else {
        Send(LB_SETCURSEL, value ? static_cast<uintptr_t>(index) : static_cast<uintptr_t>(-1));
    }
}

int32_t TCustomListBox::SelCount() {
    if (!FMultiSelect) {
        return ItemIndex() >= 0 ? 1 : 0;
    }
    return static_cast<int32_t>(Send(LB_GETSELCOUNT));
}

int32_t TCustomListBox::ItemAtPos(TPoint point, bool existing) {
    const auto result = static_cast<uint32_t>(Send(LB_ITEMFROMPOINT, 0, PointToLParam(point)));
    const int32_t index = LoWord(result);
    const bool outside = HiWord(result) != 0;
    if (!outside && index < Count()) {
        return index;
    }
    return existing ? -1 : Count();
}

TRect TCustomListBox::ItemRect(int32_t index) {
    RECT rect{};
    if (index >= 0 && index < Count()) {
        Send(LB_GETITEMRECT, static_cast<uintptr_t>(index), reinterpret_cast<intptr_t>(&rect));
    }
    return ToRect(rect);
}

void TCustomListBox::SetStyle(TListBoxStyle value) {
    if (value != FStyle) {
        FStyle = value;
        RecreateWnd();
    }
}

int32_t TCustomListBox::ItemHeight() {
    if (FStyle == lbStandard && HandleAllocated()) {
        return static_cast<int32_t>(Send(LB_GETITEMHEIGHT));
    }
    return FItemHeight;
}

void TCustomListBox::SetItemHeight(int32_t value) {
    if (value > 0 && value != FItemHeight) {
        FItemHeight = value;
        if (FStyle == lbOwnerDrawFixed && HandleAllocated()) {
            Send(LB_SETITEMHEIGHT, 0, value);
            Invalidate();
        }
    }
}

void TCustomListBox::SetMultiSelect(bool value) {
    if (value != FMultiSelect) {
        FMultiSelect = value;
        RecreateWnd();
    }
}

void TCustomListBox::SetExtendedSelect(bool value) {
    if (value != FExtendedSelect) {
        FExtendedSelect = value;
        RecreateWnd();
    }
}

// A window with columns and one without are of different styles.
void TCustomListBox::SetColumns(int32_t value) {
    if (value < 0 || value == FColumns) {
        return;
    }
    const bool styleChanges = (value > 0) != (FColumns > 0);
    FColumns = value;
    if (styleChanges) {
        RecreateWnd();
    } else {
        UpdateColumnWidth();
    }
}

void TCustomListBox::SetScrollWidth(int32_t value) {
    value = std::max(value, 0);
    if (value == FScrollWidth) {
        return;
    }
    FScrollWidth = value;
    if (HandleAllocated()) {
        Send(LB_SETHORIZONTALEXTENT, static_cast<uintptr_t>(value));
    }
}

void TCustomListBox::SetTabWidth(int32_t value) {
    value = std::max(value, 0);
    if (value != FTabWidth) {
        FTabWidth = value;
        RecreateWnd();
    }
}

void TCustomListBox::SetSorted(bool value) {
    if (value != FItems->Sorted()) {
        FItems->SetSorted(value);
        FillWindow();
    }
}

void TCustomListBox::SetIntegralHeight(bool value) {
    if (value != FIntegralHeight) {
        FIntegralHeight = value;
        RecreateWnd();
    }
}

void TCustomListBox::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        return CNCommand(message);
    case CN_DRAWITEM:
        return CNDrawItem(message);
    case CN_MEASUREITEM:
        return CNMeasureItem(message);
    default:
        return TWinControl::Dispatch(message);
    }
}

void TCustomListBox::CNCommand(TMessage& message) {
    switch (HiWord(message.WParam)) {
    case LBN_SELCHANGE:
        return Click();
    case LBN_DBLCLK:
        return DblClick();
    default:
        return;
    }
}

void TCustomListBox::CNDrawItem(TMessage& message) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    const TOwnerDrawState state = OwnerDrawStateOf(draw.itemState);
    const TRect rect = ToRect(draw.rcItem);
    const TControlLink link(this);
    FCanvas->PaintOn(draw.hDC, [&] {
        FCanvas->Font().Assign(&Font());
        FCanvas->Brush().Assign(&Brush());
        if (state.Contains(odSelected)) {
            FCanvas->Brush().SetColor(clHighlight);
            FCanvas->Font().SetColor(clHighlightText);
        }
        if (static_cast<int>(draw.itemID) < 0) {
            FCanvas->FillRect(rect);
            return;
        }
        DrawItem(static_cast<int32_t>(draw.itemID), rect, state);
        if (link.Alive() && state.Contains(odFocused)) {
            FCanvas->DrawFocusRect(rect);
        }
    });
    message.Result = 1;
}

void TCustomListBox::CNMeasureItem(TMessage& message) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    int32_t height = FItemHeight;
    if (FStyle == lbOwnerDrawVariable) {
        MeasureItem(static_cast<int32_t>(measure.itemID), height);
    }
    measure.itemHeight = static_cast<UINT>(std::max(height, 1));
    message.Result = 1;
}

void TCustomListBox::DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state) {
    if (FOnDrawItem) {
        FOnDrawItem(this, index, rect, state);
        return;
    }
    FCanvas->FillRect(rect);
    if (index < Count()) {
        FCanvas->TextOut(rect.Left + 2, rect.Top, FItems->Get(index));
    }
}

void TCustomListBox::MeasureItem(int32_t index, int32_t& height) {
    if (FOnMeasureItem) {
        FOnMeasureItem(this, index, height);
    }
}

} // namespace vcl
