#include "ui/editors/image/uiImage.h"

#include "rtl/WindowsApi.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/image/uiImagePictureValue.h"
#include "ui/editors/image/uiImageViewData.h"
#include "ui/editors/image/uiImageViewInfo.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"
#include "vcl/dialogs/FileDialogs.h"
#include "vcl/forms/Application.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/graphics/images/Metafile.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/graphics/images/PictureClipboard.h"
#include "vcl/menus/Menus.h"
#include "vcl/services/Clipboard.h"

#include <algorithm>

namespace ui {

namespace {

// A line of either bar moves the picture this far.
constexpr int32_t ScrollStep = 8;
constexpr uint16_t CtrlC = 3;
constexpr uint16_t CtrlV = 22;
constexpr uint16_t CtrlX = 24;

} // namespace

TuiCustomImage::TuiCustomImage(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomEdit(owner, propertiesClass), FPicture(std::make_unique<vcl::TPicture>()) {
    SetAutoSize(false);
    SetBounds(Left(), Top(), 140, 100);
    FPicture->SetOnChange([this](rtl::TObject*) { PictureChanged(); });
}

TuiCustomImage::~TuiCustomImage() {
    FPicture->SetOnChange({});
}

void TuiCustomImage::SetPicture(const vcl::TPicture& value) {
    FPicture->Assign(&value);
}

// Value.

rtl::Variant TuiCustomImage::GetEditValue() const {
    return PictureToValue(*FPicture);
}

rtl::UnicodeString TuiCustomImage::GetDisplayText() const {
    return const_cast<TuiCustomImage*>(this)->GetEffectiveProperties().GetDisplayText(GetEditValue());
}

void TuiCustomImage::ApplyEditValue(const rtl::Variant& value, bool) {
    {
        const auto applying = RaiseForScope(FApplyingValue);
        LoadPictureFromValue(*FPicture, GetGraphicClass(false), value);
    }
    SetChangedSinceEnter(false);
}

void TuiCustomImage::ValidateDisplayValue(rtl::Variant&, rtl::UnicodeString&, bool&) {
    LockEditingEvent(true);
    const TuiTextEditScopeExit unlock([this] { LockEditingEvent(false); });
    if (const auto& handler = static_cast<TuiCustomImageProperties&>(Properties()).OnAssignPicture()) {
        handler(this, *FPicture);
    }
    if (TuiEditRepositoryItem* item = RepositoryItem()) {
        if (const auto& handler = static_cast<TuiCustomImageProperties&>(item->Properties()).OnAssignPicture()) {
            handler(this, *FPicture);
        }
    }
    SaveChangeFlags();
    const TuiTextEditScopeExit restore([this] { RestoreChangeFlags(); });
    SetChangedSinceEnter(false);
    TryBeginEdit();
}

// The picture changed: the view returns to its corner and takes the picture's size; the user's change is the
// editor's change, posted at once with ImmediatePost.
void TuiCustomImage::PictureChanged() {
    ApplyGraphicTransparency();
    if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
        FHorzOffset = 0;
        FVertOffset = 0;
        AdjustSize();
    }
    if (!FApplyingValue) {
        if (UserEditInProgress()) {
            SetChangedByUser(true);
        }
        DoChange();
    }
    if (GetEffectiveProperties().ImmediatePost() && IsPostPending() && ValidateEnteredText(true)) {
        CommitValue(false);
    }
    UpdateScrollBars();
    Invalidate();
}

void TuiCustomImage::ApplyGraphicTransparency() {
    const TuiImageTransparency transparency = ActiveProperties().GraphicTransparency();
    if (transparency == gtDefault || IsPictureEmpty(*FPicture)) {
        return;
    }
    const rtl::TNotifyEvent handler = FPicture->OnChange();
    FPicture->SetOnChange({});
    FPicture->Graphic()->SetTransparent(transparency == gtTransparent);
    FPicture->SetOnChange(handler);
}

void TuiCustomImage::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (IsDestroying()) {
        return;
    }
    ApplyGraphicTransparency();
    UpdateScrollBars();
    TuiCustomEdit::PropertiesChanged(properties);
}

void TuiCustomImage::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomEdit::InitViewData(viewData);
    auto* image = dynamic_cast<TuiImageViewData*>(&viewData);
    if (image == nullptr) {
        return;
    }
    image->EditorPicture = FPicture.get();
    image->HorzOffset = FHorzOffset;
    image->VertOffset = FVertOffset;
    if (!IsInplace()) {
        image->VisibleArea = PictureArea();
    }
}

bool TuiCustomImage::CanAutoSizeEditor() const {
    return TuiCustomEdit::CanAutoSizeEditor() && !IsPictureEmpty(*FPicture);
}

// Graphic class.

vcl::TGraphicClass TuiCustomImage::PropertiesGraphicClass() {
    return ActiveProperties().GraphicClass();
}

vcl::TGraphicClass TuiCustomImage::GetGraphicClass(bool pastingFromClipboard) {
    if (IsInplace()) {
        return ActiveProperties().GetGraphicClass(nullptr, -1, pastingFromClipboard);
    }
    vcl::TGraphicClass graphicClass = PropertiesGraphicClass();
    if (graphicClass == nullptr && pastingFromClipboard) {
        graphicClass = &vcl::TBitmap::StaticClass();
    }
    if (FOnGetGraphicClass) {
        FOnGetGraphicClass(this, pastingFromClipboard, graphicClass);
    }
    return graphicClass;
}

bool TuiCustomImage::IsIconClass() {
    return PropertiesGraphicClass() == &vcl::TIcon::StaticClass();
}

bool TuiCustomImage::CanPasteFromClipboard() {
    const vcl::TGraphicClass graphicClass = PropertiesGraphicClass();
    const vcl::TClipboard& clipboard = vcl::Clipboard();
    if (graphicClass == &vcl::TBitmap::StaticClass() || graphicClass == &vcl::TJPEGImage::StaticClass()) {
        return clipboard.HasFormat(CF_BITMAP);
    }
    if (graphicClass == &vcl::TMetafile::StaticClass()) {
        return clipboard.HasFormat(CF_METAFILEPICT);
    }
    if (graphicClass == &vcl::TIcon::StaticClass()) {
        return false;
    }
    return clipboard.HasFormat(vcl::PictureClipboardFormat());
}

void TuiCustomImage::DoCustomClick() {
    if (const rtl::TNotifyEvent& handler = static_cast<TuiCustomImageProperties&>(Properties()).OnCustomClick()) {
        handler(this);
    }
    if (TuiEditRepositoryItem* item = RepositoryItem()) {
        if (const auto& handler = static_cast<TuiCustomImageProperties&>(item->Properties()).OnCustomClick()) {
            handler(this);
        }
    }
}

// Clipboard and files.

// An icon is neither copied nor cut, by keys as by the menu.
void TuiCustomImage::CopyToClipboard() {
    if (!IsPictureEmpty(*FPicture) && !IsIconClass()) {
        vcl::PutGraphicOnClipboard(vcl::Clipboard(), *FPicture->Graphic());
    }
}

void TuiCustomImage::CutToClipboard() {
    if (IsIconClass()) {
        return;
    }
    CopyToClipboard();
    DeletePicture();
}

void TuiCustomImage::DeletePicture() {
    if (TryBeginEdit()) {
        FPicture->Assign(nullptr);
    }
}

// A bitmap on the clipboard becomes the picture's bitmap, or a JPEG image compressed from it; anything else comes in
// its own class.
void TuiCustomImage::PasteFromClipboard() {
    if (!CanPasteFromClipboard() || !TryBeginEdit()) {
        return;
    }
    vcl::TClipboard& clipboard = vcl::Clipboard();
    if (!clipboard.HasFormat(CF_BITMAP)) {
        return vcl::TakePictureFromClipboard(clipboard, *FPicture);
    }
    if (GetGraphicClass(true) != &vcl::TJPEGImage::StaticClass()) {
        return vcl::TakeBitmapFromClipboard(clipboard, FPicture->Bitmap());
    }
    vcl::TBitmap bitmap;
    vcl::TakeBitmapFromClipboard(clipboard, bitmap);
    vcl::TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    jpeg.Compress();
    FPicture->Assign(&jpeg);
}

void TuiCustomImage::LoadPicture() {
    if (!CanModify()) {
        return;
    }
    TuiPopupCloseReason reason = pcrCancel;
    {
        const auto dialogOpen = RaiseForScope(FDialogOpen);
        vcl::TOpenDialog dialog(nullptr);
        const rtl::UnicodeString& filter = ActiveProperties().CustomFilter();
        dialog.SetFilter(filter.empty() ? vcl::GraphicFilter(PropertiesGraphicClass()) : filter);
        if (dialog.Execute() && TryBeginEdit()) {
            FPicture->LoadFromFile(dialog.FileName());
            reason = pcrAccept;
        }
    }
    DoClosePopup(reason);
    vcl::Application().ProcessMessages();
}

void TuiCustomImage::SavePicture() {
    if (IsPictureEmpty(*FPicture)) {
        return;
    }
    {
        const auto dialogOpen = RaiseForScope(FDialogOpen);
        const vcl::TGraphicClass graphicClass = &FPicture->Graphic()->ClassType();
        vcl::TSaveDialog dialog(&vcl::Application());
        const rtl::UnicodeString& filter = ActiveProperties().CustomFilter();
        dialog.SetFilter(filter.empty() ? vcl::GraphicFilter(graphicClass) : filter);
        dialog.SetDefaultExt(vcl::GraphicExtension(graphicClass));
        if (dialog.Execute()) {
            FPicture->SaveToFile(dialog.FileName());
        }
    }
    vcl::Application().ProcessMessages();
}

void TuiCustomImage::DoClosePopup(TuiPopupCloseReason reason) {
    if (FOnClosePopup) {
        FOnClosePopup(*this, reason);
    }
}

bool TuiCustomImage::Focused() const {
    return FDialogOpen || TuiCustomEdit::Focused();
}

// Keys.

void TuiCustomImage::RunUserEdit(const std::function<void()>& action) {
    const bool wasUserEdit = UserEditInProgress();
    SetUserEditInProgress(true);
    const TuiTextEditScopeExit restore([this, wasUserEdit] { SetUserEditInProgress(wasUserEdit); });
    action();
}

bool TuiCustomImage::WantsAfterKeyEvent(uint16_t key, vcl::TShiftState shift) const {
    if (key == VK_INSERT) {
        return !shift.Contains(vcl::ssShift) && !shift.Contains(vcl::ssCtrl);
    }
    if (key == VK_DELETE) {
        return !shift.Contains(vcl::ssShift);
    }
    return TuiCustomEdit::WantsAfterKeyEvent(key, shift);
}

void TuiCustomImage::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiCustomEdit::KeyDown(key, shift);
    const bool withShift = shift.Contains(vcl::ssShift);
    const bool withCtrl = shift.Contains(vcl::ssCtrl);
    if (key == VK_INSERT && withShift) {
        RunUserEdit([this] { PasteFromClipboard(); });
    } else if (key == VK_INSERT && withCtrl) {
        RunUserEdit([this] { CopyToClipboard(); });
    } else if (key == VK_DELETE && withShift) {
        RunUserEdit([this] { CutToClipboard(); });
    }
}

void TuiCustomImage::KeyPress(char16_t& key) {
    TuiCustomEdit::KeyPress(key);
    switch (key) {
    case CtrlC:
        return RunUserEdit([this] { CopyToClipboard(); });
    case CtrlV:
        return RunUserEdit([this] { PasteFromClipboard(); });
    case CtrlX:
        return RunUserEdit([this] { CutToClipboard(); });
    default:
        return;
    }
}

// Scrolling.

vcl::TRect TuiCustomImage::GetVScrollBarBounds() const {
    const vcl::TRect client = ViewInfo().ClientRect;
    const int32_t bottom = client.Bottom - (HScrollBar()->Data().Visible ? HScrollBar()->Height() : 0);
    return {client.Right - VScrollBar()->Width(), client.Top, client.Right, bottom};
}

vcl::TRect TuiCustomImage::GetHScrollBarBounds() const {
    const vcl::TRect client = ViewInfo().ClientRect;
    const int32_t right = client.Right - (VScrollBar()->Data().Visible ? VScrollBar()->Width() : 0);
    return {client.Left, client.Bottom - HScrollBar()->Height(), right, client.Bottom};
}

vcl::TRect TuiCustomImage::PictureArea() const {
    vcl::TRect area = ViewInfo().ClientRect;
    if (HScrollBar() != nullptr && HScrollBar()->Data().Visible) {
        area.Bottom -= HScrollBar()->Height();
    }
    if (VScrollBar() != nullptr && VScrollBar()->Data().Visible) {
        area.Right -= VScrollBar()->Width();
    }
    return area;
}

bool TuiCustomImage::Scrolls() const {
    const auto& properties =
        static_cast<TuiCustomImageProperties&>(const_cast<TuiCustomImage*>(this)->GetEffectiveProperties());
    const vcl::TRect area = PictureArea();
    return !IsInplace() && !AutoSize() && !area.IsEmpty() && !IsPictureEmpty(*FPicture) && !properties.Center() &&
           !properties.IsFitted(FPicture->Width(), FPicture->Height(), area.Width(), area.Height());
}

void TuiCustomImage::InitScrollBarsParameters() {
    if (!Scrolls()) {
        SetScrollBarInfo(sbHorizontal, 0, 0, 0, 0, 0, false, true);
        SetScrollBarInfo(sbVertical, 0, 0, 0, 0, 0, false, true);
        return;
    }
    const vcl::TRect area = PictureArea();
    SetScrollBarInfo(sbHorizontal, 0, FPicture->Width() - 1, ScrollStep, area.Width(), FHorzOffset, true, true);
    SetScrollBarInfo(sbVertical, 0, FPicture->Height() - 1, ScrollStep, area.Height(), FVertOffset, true, true);
}

// A line moves the picture by ScrollStep; no position shows past the picture's end.
void TuiCustomImage::Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) {
    const bool horizontal = kind == sbHorizontal;
    int32_t& offset = horizontal ? FHorzOffset : FVertOffset;
    if (code == scLineUp) {
        position = offset - ScrollStep;
    } else if (code == scLineDown) {
        position = offset + ScrollStep;
    }
    const vcl::TRect area = PictureArea();
    const int32_t extent = horizontal ? FPicture->Width() : FPicture->Height();
    const int32_t page = horizontal ? area.Width() : area.Height();
    position = std::clamp(position, 0, std::max(extent - page, 0));
    TuiControlScrollBar* bar = horizontal ? HScrollBar() : VScrollBar();
    bar->SetPosition(position);
    position = bar->Position();
    UpdateOffsets();
}

void TuiCustomImage::UpdateOffsets() {
    FHorzOffset = IsHScrollBarVisible() ? HScrollBar()->Position() : 0;
    FVertOffset = IsVScrollBarVisible() ? VScrollBar()->Position() : 0;
    Invalidate();
}

const rtl::TMetaclass& TuiCustomImageProperties::GetContainerClass() const {
    return TuiImage::StaticClass();
}

} // namespace ui
