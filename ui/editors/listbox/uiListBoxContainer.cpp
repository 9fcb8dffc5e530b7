#include "ui/editors/listbox/uiListBoxContainer.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/editors/listbox/uiListBoxIntegralHeight.h"
#include "vcl/system/Messages.h"

namespace ui {

namespace {

// The list-box messages a list box's container answers for its inner window.
constexpr uint32_t FirstListBoxMessage = LB_ADDSTRING;
constexpr uint32_t LastListBoxMessage = 0x1B0;

bool IsNavigationKey(uint16_t key) {
    return key >= VK_PRIOR && key <= VK_DOWN;
}

TuiInnerListBox* CreateInnerListBox(const rtl::TMetaclass& innerListBoxClass, rtl::TComponent* owner) {
    if (!innerListBoxClass.InheritsFrom(TuiInnerListBox::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return static_cast<TuiInnerListBox*>(innerListBoxClass.CreateInstance(owner));
}

vcl::TShiftState ShiftStateOfKeyFlags(uintptr_t flags) {
    vcl::TShiftState shift{vcl::ssLeft};
    if (flags & MK_SHIFT) {
        shift.Include(vcl::ssShift);
    }
    if (flags & MK_CONTROL) {
        shift.Include(vcl::ssCtrl);
    }
    return shift;
}

} // namespace

TuiListBoxContainer* TuiInnerListBox::ListContainer() const {
    return dynamic_cast<TuiListBoxContainer*>(Container());
}

bool TuiInnerListBox::AllowsSelectionChange() const {
    const TuiListBoxContainer* container = ListContainer();
    return !container || container->AllowsSelectionChange();
}

bool TuiInnerListBox::CanFocus() const {
    const TuiListBoxContainer* container = ListContainer();
    return container ? container->CanFocus() : TuiCustomInnerListBox::CanFocus();
}

void TuiInnerListBox::CreateWindowHandle(const vcl::TCreateParams& params) {
    TuiCustomInnerListBox::CreateWindowHandle(params);
    UpdateScrollBars();
}

void TuiInnerListBox::Click() {
    if (AllowsSelectionChange()) {
        TuiCustomInnerListBox::Click();
    }
}

void TuiInnerListBox::DrawItem(int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) {
    TuiListBoxContainer* container = ListContainer();
    if (!container || !container->DoDrawItem(InnerCanvas(), index, rect, state)) {
        TuiCustomInnerListBox::DrawItem(index, rect, state);
    }
}

void TuiInnerListBox::PressWithoutSelecting(const vcl::TMessage& message) {
    const vcl::TControlLink link(this);
    SetFocus();
    if (!link.Alive()) {
        return;
    }
    const auto flags = static_cast<uintptr_t>(message.WParam);
    const auto x = static_cast<int16_t>(vcl::LoWord(static_cast<uintptr_t>(message.LParam)));
    const auto y = static_cast<int16_t>(vcl::HiWord(static_cast<uintptr_t>(message.LParam)));
    MouseDown(vcl::mbLeft, ShiftStateOfKeyFlags(flags), x, y);
}

// A double click presses the button too: the native list box would select with either.
void TuiInnerListBox::WndProc(vcl::TMessage& message) {
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && !AllowsSelectionChange()) {
        PressWithoutSelecting(message);
        return;
    }
    TuiCustomInnerListBox::WndProc(message);
}

TuiListBoxContainer::TuiListBoxContainer(rtl::TComponent* owner, const rtl::TMetaclass& innerListBoxClass,
                                         const rtl::TMetaclass& dataBindingClass)
    : TuiContainer(owner), FDataBinding(CreateDataBinding(dataBindingClass, this, this)) {
    FDataBinding->SetOnValueChanged([this](rtl::TObject*, int32_t) { SyncInnerControlHook(); });
    FDataBinding->SetOnStateChanged([this](rtl::TObject*, int32_t) { UpdateContainerHotState(false); });
    FDataBinding->SetOnWriteBack([this] { AfterRegionHook(); });
    FInnerListBox = CreateInnerListBox(innerListBoxClass, this);
    FInnerListBox->SetParent(this);
    FInnerListBox->SetContainer(this);
    SetInnerControl(FInnerListBox);
    FInnerListBox->LookAndFeel().SetMaster(&Style().LookAndFeel());
    SetBounds(Left(), Top(), 121, 97);
}

TuiListBoxContainer::~TuiListBoxContainer() {
    rtl::TComponent::Free(FInnerListBox);
    FInnerListBox = nullptr;
    FDataBinding.reset();
}

void TuiListBoxContainer::SetIntegralHeight(bool value) {
    if (value == FIntegralHeight) {
        return;
    }
    FIntegralHeight = value;
    AlignInnerControl();
}

void TuiListBoxContainer::SetColumns(int32_t value) {
    FInnerListBox->SetColumns(value);
    FInnerListBox->UpdateScrollBars();
}

int32_t TuiListBoxContainer::ItemAtPos(vcl::TPoint point, bool existing) const {
    return FInnerListBox->ItemAtPos({point.X - FInnerListBox->Left(), point.Y - FInnerListBox->Top()}, existing);
}

vcl::TRect TuiListBoxContainer::GetItemRectInContainer(int32_t index) const {
    const vcl::TRect rect = FInnerListBox->ItemRect(index);
    const int32_t left = FInnerListBox->Left();
    const int32_t top = FInnerListBox->Top();
    return {rect.Left + left, rect.Top + top, rect.Right + left, rect.Bottom + top};
}

bool TuiListBoxContainer::DoDrawItem(TuiCanvas&, int32_t, const vcl::TRect&, vcl::TOwnerDrawState) {
    return false;
}

void TuiListBoxContainer::WndProc(vcl::TMessage& message) {
    if (message.Msg >= FirstListBoxMessage && message.Msg <= LastListBoxMessage && FInnerListBox) {
        message.Result = SendMessageW(FInnerListBox->Handle(), message.Msg, static_cast<WPARAM>(message.WParam),
                                      static_cast<LPARAM>(message.LParam));
        return;
    }
    const vcl::TControlLink link(this);
    TuiContainer::WndProc(message);
    if (link.Alive() && message.Msg == WM_COMMAND &&
        vcl::HiWord(static_cast<uintptr_t>(message.WParam)) == LBN_SELCHANGE && FInnerListBox) {
        FInnerListBox->UpdateScrollBars();
    }
}

bool TuiListBoxContainer::IsInternalControl(const vcl::TControl* control) const {
    if (!FInnerListBox) {
        return true;
    }
    return control && (control == FInnerListBox->HScrollBar() || control == FInnerListBox->VScrollBar() ||
                       TuiContainer::IsInternalControl(control));
}

bool TuiListBoxContainer::SnapsHeight() const {
    return FIntegralHeight && !ComponentState().Contains(rtl::TComponentState::csLoading) && Align() != vcl::alLeft &&
           Align() != vcl::alRight && Align() != vcl::alClient;
}

void TuiListBoxContainer::CalcIntegralHeight(int32_t& height) {
    const vcl::TRect borders = BorderExtensionRect();
    TuiListBoxHeightMetrics metrics;
    metrics.VerticalBorders = borders.Top + borders.Bottom;
    metrics.HorizontalBorders = borders.Left + borders.Right;
    metrics.Width = Width();
    metrics.VScrollBarWidth = GetSystemMetrics(SM_CXVSCROLL);
    metrics.HScrollBarHeight = GetSystemMetrics(SM_CYHSCROLL);
    metrics.ItemCount = FInnerListBox->Count();
    metrics.ScrollWidth = FInnerListBox->ScrollWidth();
    metrics.ItemHeight = [this](int32_t index) { return IntegralRowHeight(index); };
    height = SnapToWholeItems(height, metrics);
}

bool TuiListBoxContainer::CanResize(int32_t& newWidth, int32_t& newHeight) {
    const bool resize = TuiContainer::CanResize(newWidth, newHeight);
    if (resize && FInnerListBox && SnapsHeight()) {
        CalcIntegralHeight(newHeight);
    }
    return resize;
}

// A move of the inner window under a still pointer makes Windows post a move the user did not make.
void TuiListBoxContainer::AlignInnerControl() {
    if (!FInnerListBox || ComponentState().Contains(rtl::TComponentState::csLoading)) {
        return;
    }
    const vcl::TRect before = FInnerListBox->BoundsRect();
    const auto discardMoves = [this, before] {
        if (FInnerListBox->BoundsRect() != before && FInnerListBox->HandleAllocated()) {
            DiscardPendingMessages(FInnerListBox->WindowHandle(), WM_MOUSEMOVE, WM_MOUSEMOVE, true);
        }
    };
    try {
        if (SnapsHeight()) {
            int32_t height = Height();
            CalcIntegralHeight(height);
            SetHeight(height);
        }
        TuiContainer::AlignInnerControl();
    } catch (...) {
        discardMoves();
        throw;
    }
    discardMoves();
}

void TuiListBoxContainer::FontChanged() {
    TuiContainer::FontChanged();
    if (!FInnerListBox) {
        return;
    }
    AlignInnerControl();
    if (FInnerListBox->HandleAllocated()) {
        FInnerListBox->RecreateWnd();
    }
}

void TuiListBoxContainer::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiContainer::KeyDown(key, shift);
    if (IsNavigationKey(key) && !AllowsSelectionChange()) {
        key = 0;
    }
}

void TuiListBoxContainer::KeyPress(char16_t& key) {
    TuiContainer::KeyPress(key);
    if (key >= u' ' && !AllowsSelectionChange()) {
        key = 0;
    }
    if (key == VK_ESCAPE) {
        FDataBinding->ResetDisplay();
    }
}

void TuiListBoxContainer::DoExit() {
    if (IsDestroying() || FExiting) {
        return;
    }
    FExiting = true;
    try {
        FDataBinding->CommitOnExit();
    } catch (...) {
        FExiting = false;
        SetFocus();
        throw;
    }
    FExiting = false;
    TuiContainer::DoExit();
}

rtl::UnicodeString TuiListBoxContainer::BoundText() {
    return rtl::VarToStr(FDataBinding->GetStoredValue(dbvsText, Focused()));
}

void TuiListBoxContainer::SyncInnerControlHook() {
    int32_t found = -1;
    if (FDataBinding->HasDataValue()) {
        const rtl::UnicodeString text = BoundText();
        const rtl::TStringList& items = FInnerListBox->Items();
        for (int32_t i = 0; i < items.Count() && found < 0; ++i) {
            if (rtl::WideSameText(items.Get(i), text)) {
                found = i;
            }
        }
    }
    FInnerListBox->SetItemIndex(found);
}

void TuiListBoxContainer::AfterRegionHook() {
    const int32_t index = FInnerListBox->ItemIndex();
    const rtl::UnicodeString text = index >= 0 ? FInnerListBox->Items().Get(index) : rtl::UnicodeString();
    FDataBinding->SetStoredValue(dbvsText, rtl::Variant(text));
}

} // namespace ui
