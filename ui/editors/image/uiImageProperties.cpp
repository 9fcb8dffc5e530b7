#include "ui/editors/image/uiImageProperties.h"

#include "ui/editors/image/uiImagePictureValue.h"
#include "ui/editors/image/uiImageViewData.h"
#include "ui/editors/image/uiImageViewInfo.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

namespace {

// A picture cell has a kind of its own; a picture is a value of its own, not text.
constexpr uint32_t PictureFeatureFlag = 1;
constexpr uint32_t PictureCapabilities = 2 | 4;

} // namespace

// TuiPopupMenuLayout

TuiPopupMenuLayout::TuiPopupMenuLayout() = default;

TuiPopupMenuLayout::~TuiPopupMenuLayout() = default;

void TuiPopupMenuLayout::Assign(const rtl::TPersistent* source) {
    const auto* layout = dynamic_cast<const TuiPopupMenuLayout*>(source);
    if (layout == nullptr) {
        return TPersistent::Assign(source);
    }
    FMenuItems = layout->FMenuItems;
    FCustomMenuItemCaption = layout->FCustomMenuItemCaption;
    SetCustomMenuItemGlyph(layout->FCustomMenuItemGlyph.get());
}

vcl::TBitmap& TuiPopupMenuLayout::CustomMenuItemGlyph() {
    if (!FCustomMenuItemGlyph) {
        FCustomMenuItemGlyph = std::make_unique<vcl::TBitmap>();
    }
    return *FCustomMenuItemGlyph;
}

void TuiPopupMenuLayout::SetCustomMenuItemGlyph(const vcl::TBitmap* value) {
    if (value == nullptr) {
        FCustomMenuItemGlyph.reset();
        return;
    }
    CustomMenuItemGlyph().Assign(value);
}

// TuiCustomImageProperties

TuiCustomImageProperties::TuiCustomImageProperties(rtl::TPersistent* owner)
    : TuiCustomEditProperties(owner), FGraphicClass(GetDefaultGraphicClass()),
      FPopupMenuLayout(std::make_unique<TuiPopupMenuLayout>()) {}

TuiCustomImageProperties::~TuiCustomImageProperties() = default;

void TuiCustomImageProperties::Assign(const rtl::TPersistent* source) {
    const auto* image = dynamic_cast<const TuiCustomImageProperties*>(source);
    if (image == nullptr) {
        return TuiCustomEditProperties::Assign(source);
    }
    BeginUpdate();
    try {
        TuiCustomEditProperties::Assign(source);
        SetCaption(image->FCaption);
        SetCenter(image->FCenter);
        SetCustomFilter(image->FCustomFilter);
        SetGraphicClass(image->FGraphicClass);
        SetGraphicTransparency(image->FGraphicTransparency);
        SetPopupMenuLayout(*image->FPopupMenuLayout);
        SetShowFocusRect(image->FShowFocusRect);
        SetProportional(image->FProportional);
        SetStretch(image->FStretch);
        FOnAssignPicture = image->FOnAssignPicture;
        FOnCustomClick = image->FOnCustomClick;
        FOnGetGraphicClass = image->FOnGetGraphicClass;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

rtl::UnicodeString TuiCustomImageProperties::GraphicClassName() const {
    return FGraphicClass != nullptr ? rtl::UnicodeString(FGraphicClass->ClassName()) : rtl::UnicodeString();
}

void TuiCustomImageProperties::SetGraphicClassName(rtl::UnicodeStringView value) {
    if (value.empty()) {
        return SetGraphicClass(nullptr);
    }
    if (vcl::TGraphicClass graphicClass = FindGraphicClass(value)) {
        SetGraphicClass(graphicClass);
    }
}

void TuiCustomImageProperties::ReadIsGraphicClassNameEmpty(bool value) {
    if (value) {
        SetGraphicClass(nullptr);
    }
}

vcl::TGraphicClass TuiCustomImageProperties::GetDefaultGraphicClass() const {
    return DefaultGraphicClass();
}

vcl::TGraphicClass TuiCustomImageProperties::GetGraphicClass(rtl::TObject* item, int32_t recordIndex,
                                                             bool pastingFromClipboard) {
    vcl::TGraphicClass graphicClass = FGraphicClass;
    if (graphicClass == nullptr && pastingFromClipboard) {
        graphicClass = &vcl::TBitmap::StaticClass();
    }
    if (FOnGetGraphicClass) {
        FOnGetGraphicClass(item, recordIndex, pastingFromClipboard, graphicClass);
    }
    return graphicClass;
}

bool TuiCustomImageProperties::IsFitted(int32_t pictureWidth, int32_t pictureHeight, int32_t width,
                                        int32_t height) const {
    const bool larger = (width > 0 && pictureWidth > width) || (height > 0 && pictureHeight > height);
    return FStretch || (FProportional && larger);
}

std::unique_ptr<TuiCustomEditViewData> TuiCustomImageProperties::CreateViewData(TuiCustomEditStyle& style,
                                                                                bool isInplace, bool extraFlag) {
    auto viewData = std::make_unique<TuiImageViewData>(*this, style, isInplace);
    viewData->ExtraFlag = extraFlag;
    return viewData;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomImageProperties::CreateViewInfo() const {
    return std::make_unique<TuiImageViewInfo>();
}

rtl::UnicodeString TuiCustomImageProperties::GetDisplayText(const rtl::Variant& editValue, bool, bool) {
    return editValue.IsNull() ? rtl::UnicodeString() : FCaption;
}

uint32_t TuiCustomImageProperties::GetFeatureFlags() const {
    return TuiCustomEditProperties::GetFeatureFlags() | PictureFeatureFlag;
}

uint32_t TuiCustomImageProperties::GetCapabilities() const {
    return TuiCustomEditProperties::GetCapabilities() | PictureCapabilities;
}

} // namespace ui
