#include "ui/editors/text/memo/uiMemo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/text/inner/uiInnerTextEditRoutines.h"
#include "ui/editors/text/memo/uiFilterMemoHelper.h"
#include "ui/editors/text/memo/uiMemoViewData.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

constexpr uint16_t VirtualKeyA = 'A';

TuiCustomInnerTextEdit* MakeInnerMemo(TuiCustomTextEdit& edit) {
    return new TuiCustomInnerMemo(&edit, edit);
}

} // namespace

TuiCustomMemo::TuiCustomMemo(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomTextEdit(owner, propertiesClass, MakeInnerMemo) {
    SetBounds(Left(), Top(), 185, 89);
    PropertiesChanged(&GetEffectiveProperties());
}

bool TuiCustomMemo::PostsOnTab() const {
    return IsInplace() || static_cast<TuiCustomMemoProperties&>(
                              const_cast<TuiCustomMemo*>(this)->GetEffectiveProperties())
                              .WantTabs();
}

void TuiCustomMemo::CreateParams(vcl::TCreateParams& params) {
    TuiCustomTextEdit::CreateParams(params);
    ApplyMemoWindowClass(params, ActiveProperties().WrapsLines());
}

// A change of the scroll bars makes both windows anew; the text and the value stay.
void TuiCustomMemo::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (auto* memo = dynamic_cast<TuiCustomMemoProperties*>(&GetEffectiveProperties())) {
        ApplyMemoProperties(*memo);
    }
    TuiCustomTextEdit::PropertiesChanged(properties);
    if (CanAutoSizeEditor()) {
        AdjustSize();
    }
}

// The editor's window class follows the wrapping of the lines: a change of it makes the window anew, as a change of
// the scroll bars does.
void TuiCustomMemo::ApplyMemoProperties(TuiCustomMemoProperties& properties) {
    TuiCustomInnerMemo& inner = InnerMemo();
    const bool wrapped = inner.WrapsLines();
    bool recreate = false;
    if (inner.ScrollBars() != properties.ScrollBars()) {
        FScrollBarsApplied = true;
        inner.SetScrollBars(properties.ScrollBars());
        recreate = true;
    }
    inner.SetWantReturns(properties.WantReturns());
    inner.SetWantTabs(properties.WantTabs());
    inner.SetWordWrap(properties.WordWrap());
    if ((recreate || inner.WrapsLines() != wrapped) && HandleAllocated()) {
        RecreateWnd();
    }
}

void TuiCustomMemo::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomTextEdit::InitViewData(viewData);
    if (auto* memo = dynamic_cast<TuiCustomMemoViewData*>(&viewData)) {
        memo->ForEditor = true;
    }
}

// The window fills the client area but the frame a standalone memo leaves in its background colour.
void TuiCustomMemo::AlignInnerControl() {
    TuiCustomInnerMemo& inner = InnerMemo();
    vcl::TRect area = ViewInfo().ClientRect;
    if (!IsInplace()) {
        area = InflateRectBy(area, -1, -1);
    }
    if (inner.Left() != area.Left || inner.Top() != area.Top || inner.Width() != area.Width() ||
        inner.Height() != area.Height()) {
        inner.SetBounds(area.Left, area.Top, area.Width(), area.Height());
    }
}

bool TuiCustomMemo::WantsMemoKey(uint16_t key, vcl::TShiftState shift, bool anyTab) const {
    const auto& properties =
        static_cast<TuiCustomMemoProperties&>(const_cast<TuiCustomMemo*>(this)->GetEffectiveProperties());
    if (key == VK_RETURN) {
        return properties.WantReturns() || shift.Contains(vcl::ssCtrl);
    }
    return key == VK_TAB && (properties.WantTabs() || anyTab);
}

bool TuiCustomMemo::IsEditingKey(uint16_t key, vcl::TShiftState shift) const {
    return TuiCustomTextEdit::IsEditingKey(key, shift) || WantsMemoKey(key, shift, false);
}

// Enter without Ctrl with WantReturns, Ctrl+Enter without it.
bool TuiCustomMemo::TurnsEnterIntoLine(uint16_t key, vcl::TShiftState shift) {
    return key == VK_RETURN && ActiveProperties().WantReturns() != shift.Contains(vcl::ssCtrl);
}

void TuiCustomMemo::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (IsInplace() && TurnsEnterIntoLine(key, shift)) {
        return DoEditKeyDown(key, shift);
    }
    TuiCustomTextEdit::KeyDown(key, shift);
}

// The keys that move between lines are the window's: the text editor's lookup navigation (which hands them to the
// host when there is no list) has no part in a memo.
void TuiCustomMemo::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT) {
        return TuiCustomEdit::DoEditKeyDown(key, shift);
    }
    TuiCustomTextEdit::DoEditKeyDown(key, shift);
    const bool selectAll = key == VirtualKeyA && shift.Contains(vcl::ssCtrl) && !shift.Contains(vcl::ssShift) &&
                           !shift.Contains(vcl::ssAlt);
    if (selectAll && !GetDisplayText().empty()) {
        InnerMemo().SelectAll();
        DoAfterKeyDown(key, shift);
        key = 0;
    }
}

bool TuiCustomMemo::CanAutoSizeEditor() const {
    return TuiCustomTextEdit::CanAutoSizeEditor() &&
           static_cast<TuiCustomMemoProperties&>(const_cast<TuiCustomMemo*>(this)->GetEffectiveProperties())
                   .VisibleLineCount() >= 1;
}

bool TuiCustomMemo::NeedsScrollBars() const {
    return FScrollBarsApplied &&
           static_cast<TuiCustomMemoProperties&>(const_cast<TuiCustomMemo*>(this)->GetEffectiveProperties())
                   .ScrollBars() != vcl::ssNone;
}

bool TuiCustomMemo::AllowScrollContent(TuiDirection direction) const {
    return direction == dirUp || direction == dirDown;
}

// The container's bar moves the window's text: lines of the vertical bar by EM_LINESCROLL, everything else as the
// window's own bar would; the bar then shows where the window is.
void TuiCustomMemo::Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) {
    TuiCustomInnerMemo& inner = InnerMemo();
    if (!inner.HandleAllocated()) {
        return;
    }
    HWND window = inner.Handle();
    const bool vertical = kind == sbVertical;
    if (vertical && (code == scLineUp || code == scLineDown)) {
        SendMessageW(window, EM_LINESCROLL, 0, code == scLineUp ? -1 : 1);
    } else {
        const WPARAM request = MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(std::max(position, 0)));
        inner.Perform(vertical ? WM_VSCROLL : WM_HSCROLL, request, 0);
    }
    position = GetScrollPos(window, vertical ? SB_VERT : SB_HORZ);
    if (vertical && code == scTrack && position != FLastVScrollPos) {
        inner.Invalidate();
    }
    if (vertical) {
        FLastVScrollPos = position;
    }
    UpdateScrollBarsAndGrip(false);
}

void TuiCustomMemo::HandleUserChange() {
    TuiCustomTextEdit::HandleUserChange();
    PostScrollBarsUpdate(*this);
}

void TuiCustomMemo::Dispatch(vcl::TMessage& message) {
    TuiCustomTextEdit::Dispatch(message);
    switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCCALCSIZE:
    case vcl::CM_SHOWINGCHANGED:
        PostScrollBarsUpdate(*this);
        break;
    case vcl::CM_ENABLEDCHANGED:
    case vcl::CM_FONTCHANGED:
        UpdateScrollBarsAndGrip(false);
        break;
    default:
        break;
    }
}

// Focused, the text before the selection and the inserted text keep to MaxLength characters: what does not fit is
// left out, and with no room nothing is inserted.
void TuiCustomMemo::SetDisplayTextInternal(const rtl::UnicodeString& text) {
    const bool focused = HandleAllocated() && Focused();
    rtl::UnicodeString fitting = text;
    const int32_t maxLength = ActiveProperties().MaxLength();
    if (focused && maxLength > 0) {
        const auto before = static_cast<size_t>(std::max(InnerMemo().InnerSelStart(), 0));
        const size_t room = static_cast<size_t>(maxLength) > before ? static_cast<size_t>(maxLength) - before : 0;
        if (room == 0) {
            return;
        }
        fitting.resize(std::min(fitting.size(), room));
    }
    if (focused && !TryBeginEdit()) {
        return;
    }
    RunWithUserEdit(focused, [&] { InnerMemo().ReplaceSelection(fitting); });
}

void TuiCustomMemo::PasteFromClipboard() {
    rtl::UnicodeString pasted;
    if (ReadClipboardText(pasted)) {
        SetDisplayTextInternal(pasted);
    }
}

void TuiCustomMemo::CutToClipboard() {
    if (InnerMemo().InnerSelLength() == 0) {
        return;
    }
    InnerMemo().CopyToClipboard();
    if (!(HandleAllocated() && Focused()) || TryBeginEdit()) {
        ClearSelection();
    }
}

const rtl::TMetaclass& TuiCustomMemoProperties::GetContainerClass() const {
    return TuiMemo::StaticClass();
}

void InitializeMemoUnit() {
    GetEditPropertiesRegistry().Register(&TuiMemoProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryMemoItem));
    GetFilterEditsController().RegisterHelper(TuiMemoProperties::StaticClass(), TuiFilterMemoHelper::Instance());
}

void FinalizeMemoUnit() {
    UnregisterFilterEditHelper(TuiMemoProperties::StaticClass(), TuiFilterMemoHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiMemoProperties::StaticClass());
}

} // namespace ui
