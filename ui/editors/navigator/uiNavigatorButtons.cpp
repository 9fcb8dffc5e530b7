#include "ui/editors/navigator/uiNavigatorButtons.h"

#include "ui/core/images/uiImageList.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "vcl/controls/WinControl.h"
#include "vcl/dialogs/MessageDialogs.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

namespace {

constexpr const TuxResourceString* ButtonHints[uiNavigatorButtonCount] = {
    &uiNavigatorHint_First,    &uiNavigatorHint_PriorPage,    &uiNavigatorHint_Prior,        &uiNavigatorHint_Next,
    &uiNavigatorHint_NextPage, &uiNavigatorHint_Last,         &uiNavigatorHint_Insert,       &uiNavigatorHint_Append,
    &uiNavigatorHint_Delete,   &uiNavigatorHint_Edit,         &uiNavigatorHint_Post,         &uiNavigatorHint_Cancel,
    &uiNavigatorHint_Refresh,  &uiNavigatorHint_SaveBookmark, &uiNavigatorHint_GotoBookmark, &uiNavigatorHint_Filter};

constexpr vcl::TSize BuiltInGlyphSize{12, 11};

std::unique_ptr<TuiImageList> BuiltInImages;

} // namespace

// The library's image list, so that a disabled glyph takes the library's disabled look whatever its colours.
vcl::TCustomImageList& NavigatorBuiltInImages() {
    if (!BuiltInImages) {
        vcl::TBitmap strip;
        strip.LoadFromResourceName(nullptr, u"UINAVIGATORBUTTONS");
        auto images = std::make_unique<TuiImageList>(nullptr, BuiltInGlyphSize.cx, BuiltInGlyphSize.cy);
        images->AddBitmapMasked(strip, vcl::clOlive);
        BuiltInImages = std::move(images);
    }
    return *BuiltInImages;
}

void FinalizeNavigatorUnit() {
    BuiltInImages.reset();
}

// TuiNavigatorButton

TuiNavigatorButton::TuiNavigatorButton(TuiCustomNavigatorButtons& buttons, int32_t index, bool defaultVisible)
    : FButtons(buttons), FDefaultIndex(index), FVisible(defaultVisible) {}

void TuiNavigatorButton::Assign(const rtl::TPersistent* source) {
    const auto* button = dynamic_cast<const TuiNavigatorButton*>(source);
    if (button == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    SetEnabled(button->FEnabled);
    SetHint(button->FHint);
    SetImageIndex(button->FImageIndex);
    SetVisible(button->FVisible);
    SetOnClick(button->FOnClick);
}

void TuiNavigatorButton::StateChanged() {
    if (FVisible) {
        FButtons.Owner().NavigatorButtonsStateChanged();
    }
    FButtons.Owner().NavigatorChanged(nckPaint);
}

void TuiNavigatorButton::SetEnabled(bool value) {
    if (FEnabled != value) {
        FEnabled = value;
        StateChanged();
    }
}

void TuiNavigatorButton::SetHint(rtl::UnicodeStringView value) {
    if (FHint != value) {
        FHint = value;
        FButtons.Owner().NavigatorChanged(nckProperties);
    }
}

void TuiNavigatorButton::SetImageIndex(int32_t value) {
    if (FImageIndex != value) {
        FImageIndex = value;
        StateChanged();
    }
}

void TuiNavigatorButton::SetVisible(bool value) {
    if (FVisible != value) {
        FVisible = value;
        FButtons.Owner().NavigatorButtonsStateChanged();
        FButtons.Owner().NavigatorChanged(nckLayout);
    }
}

void TuiNavigatorButton::SetOnClick(rtl::TNotifyEvent handler) {
    FOnClick = std::move(handler);
    FButtons.Owner().NavigatorChanged(nckProperties);
}

bool TuiNavigatorButton::IsEnabled() const {
    return FEnabled && FButtons.IsButtonEnabled(FDefaultIndex);
}

rtl::UnicodeString TuiNavigatorButton::GetHintText() const {
    return FHint.empty() ? FButtons.GetButtonHint(FDefaultIndex) : FHint;
}

bool TuiNavigatorButton::UsesUserGlyph() const {
    return FButtons.Images() != nullptr && FImageIndex >= 0;
}

vcl::TCustomImageList& TuiNavigatorButton::GlyphImages() const {
    return UsesUserGlyph() ? *FButtons.Images() : NavigatorBuiltInImages();
}

int32_t TuiNavigatorButton::GlyphIndex() const {
    return UsesUserGlyph() ? FImageIndex : FDefaultIndex;
}

vcl::TSize TuiNavigatorButton::GetGlyphSize() const {
    if (!UsesUserGlyph()) {
        if (TuiLookAndFeelPainterClass skin = FButtons.Owner().GetNavigatorLookAndFeel().SkinPainter()) {
            return skin->NavigatorGlyphSize();
        }
    }
    const vcl::TCustomImageList& images = GlyphImages();
    return {images.Width(), images.Height()};
}

void TuiNavigatorButton::DoClick() {
    IuiNavigatorOwner& owner = FButtons.Owner();
    try {
        if (FOnClick) {
            FOnClick(this);
        } else {
            bool done = false;
            if (FButtons.OnButtonClick()) {
                FButtons.OnButtonClick()(&FButtons, FDefaultIndex, done);
            }
            if (!done) {
                FButtons.DoButtonClick(FDefaultIndex);
            }
        }
    } catch (...) {
        owner.RefreshNavigator();
        throw;
    }
    owner.RefreshNavigator();
}

// TuiCustomNavigatorButtons

TuiCustomNavigatorButtons::TuiCustomNavigatorButtons(IuiNavigatorOwner& owner)
    : FOwner(owner), FImagesWatcher(std::make_unique<TuiFreeNotificator>(nullptr)) {
    for (int32_t index = 0; index < uiNavigatorButtonCount; ++index) {
        FButtons[static_cast<size_t>(index)] = std::make_unique<TuiNavigatorButton>(*this, index, index != nbiAppend);
    }
    FImageChangeLink.SetOnChange([this](rtl::TObject*) { FOwner.NavigatorButtonsStateChanged(); });
    // The list is past its own destructor when the watcher hears of it, so only the field is cleared.
    FImagesWatcher->SetOnFreeNotification([this](rtl::TComponent*) {
        FImages = nullptr;
        ImagesChanged();
    });
}

// The change link leaves the list it is registered with as it goes.
TuiCustomNavigatorButtons::~TuiCustomNavigatorButtons() = default;

void TuiCustomNavigatorButtons::Assign(const rtl::TPersistent* source) {
    const auto* buttons = dynamic_cast<const TuiCustomNavigatorButtons*>(source);
    if (buttons == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    for (int32_t index = 0; index < uiNavigatorButtonCount; ++index) {
        Buttons(index).Assign(&buttons->Buttons(index));
    }
    SetConfirmDelete(buttons->FConfirmDelete);
    SetImages(buttons->FImages);
    SetOnButtonClick(buttons->FOnButtonClick);
}

void TuiCustomNavigatorButtons::SetImages(vcl::TCustomImageList* value) {
    if (FImages == value) {
        return;
    }
    FImagesWatcher->UnwatchComponent(FImages);
    AssignImageList(value, FImages, &FImageChangeLink, nullptr);
    FImagesWatcher->WatchComponent(FImages);
    FOwner.NavigatorChanged(nckPaint);
}

void TuiCustomNavigatorButtons::ImagesChanged() {
    FOwner.NavigatorButtonsStateChanged();
    FOwner.NavigatorChanged(nckPaint);
}

void TuiCustomNavigatorButtons::SetConfirmDelete(bool value) {
    if (FConfirmDelete != value) {
        FConfirmDelete = value;
        FOwner.NavigatorChanged(nckProperties);
    }
}

void TuiCustomNavigatorButtons::SetOnButtonClick(TuiNavigatorButtonClickEvent handler) {
    FOnButtonClick = std::move(handler);
    FOwner.NavigatorChanged(nckProperties);
}

bool TuiCustomNavigatorButtons::IsButtonEnabled(int32_t /*index*/) const {
    return FOwner.GetNavigatorControl().Enabled();
}

rtl::UnicodeString TuiCustomNavigatorButtons::GetButtonHint(int32_t index) const {
    if (index < 0 || index >= uiNavigatorButtonCount) {
        return {};
    }
    return LoadResStringText(*ButtonHints[index]);
}

// TuiNavigatorControlButtons

void TuiNavigatorControlButtons::DoButtonClick(int32_t index) {
    IuiNavigator* navigator = Navigator();
    if (navigator == nullptr) {
        return;
    }
    if (index == nbiDelete && ConfirmDelete() &&
        vcl::MessageDlg(LoadResStringText(uiNavigator_DeleteRecordQuestion), vcl::mtConfirmation,
                        {vcl::mbOK, vcl::mbCancel}) != vcl::mrOk) {
        return;
    }
    navigator->DoAction(index);
}

bool TuiNavigatorControlButtons::IsButtonEnabled(int32_t index) const {
    IuiNavigator* navigator = Navigator();
    if (navigator == nullptr || !TuiCustomNavigatorButtons::IsButtonEnabled(index)) {
        return false;
    }
    if (!navigator->IsActive()) {
        return index == nbiFilter;
    }
    return IsEnabledFor(*navigator, index);
}

bool TuiNavigatorControlButtons::IsEnabledFor(IuiNavigator& navigator, int32_t index) const {
    switch (index) {
    case nbiFirst:
    case nbiPriorPage:
    case nbiPrior:
        return !navigator.IsBof();
    case nbiNext:
    case nbiNextPage:
    case nbiLast:
        return !navigator.IsEof();
    case nbiInsert:
        return navigator.CanInsert();
    case nbiAppend:
        return navigator.CanAppend();
    case nbiDelete:
        return navigator.CanDelete();
    case nbiEdit:
        return navigator.CanEdit() && !navigator.IsEditing();
    case nbiPost:
    case nbiCancel:
        return navigator.IsEditing();
    case nbiGotoBookmark:
        return navigator.IsBookmarkAvailable();
    default:
        return true;
    }
}

void TuiNavigatorControlButtons::ClearBookmark() {
    IuiNavigator* navigator = Navigator();
    if (navigator != nullptr && navigator->IsBookmarkAvailable()) {
        navigator->ClearBookmark();
    }
}

} // namespace ui
