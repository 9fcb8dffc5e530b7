#pragma once
// The image editor's properties: which graphic class reads a picture value (any of the graphic class list, or none:
// the picture's bitmap then reads it), how a picture fits its rectangle (stretched, shrunk in proportion, centred or
// at its size, scrolled), the caption shown without a picture, the file-dialog filter and the context menu's items.

#include "rtl/core/SmallSet.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "vcl/graphics/images/Graphic.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {
class TBitmap;
class TPicture;
} // namespace vcl

namespace ui {

class TuiCustomImage;

enum TuiImageTransparency : uint8_t { gtDefault, gtOpaque, gtTransparent };

// The items of the image editor's context menu.
enum TuiPopupMenuItem : uint8_t { pmiCut, pmiCopy, pmiPaste, pmiDelete, pmiLoad, pmiSave, pmiCustom };
using TuiPopupMenuItems = rtl::TSmallSet<TuiPopupMenuItem>;
inline constexpr TuiPopupMenuItems DefaultPopupMenuItems{pmiCut, pmiCopy, pmiPaste, pmiDelete, pmiLoad, pmiSave};

// Which items the context menu shows, and the custom item's caption and glyph.
class TuiPopupMenuLayout : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiPopupMenuLayout, rtl::TPersistent)
public:
    TuiPopupMenuLayout();
    ~TuiPopupMenuLayout() override;

    void Assign(const rtl::TPersistent* source) override;

    TuiPopupMenuItems MenuItems() const { return FMenuItems; }
    void SetMenuItems(TuiPopupMenuItems value) { FMenuItems = value; }
    const rtl::UnicodeString& CustomMenuItemCaption() const { return FCustomMenuItemCaption; }
    void SetCustomMenuItemCaption(rtl::UnicodeStringView value) { FCustomMenuItemCaption = value; }
    // Made empty on first use.
    vcl::TBitmap& CustomMenuItemGlyph();
    bool HasCustomMenuItemGlyph() const { return FCustomMenuItemGlyph != nullptr; }
    // nullptr frees the glyph; a bitmap is copied into it.
    void SetCustomMenuItemGlyph(const vcl::TBitmap* value);

private:
    TuiPopupMenuItems FMenuItems = DefaultPopupMenuItems;
    rtl::UnicodeString FCustomMenuItemCaption;
    std::unique_ptr<vcl::TBitmap> FCustomMenuItemGlyph;
};

class TuiCustomImageProperties : public TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TuiCustomImageProperties, TuiCustomEditProperties)
public:
    using TAssignPictureEvent = std::function<void(rtl::TObject* sender, vcl::TPicture& picture)>;
    using TGraphicClassEvent = std::function<void(rtl::TObject* item, int32_t recordIndex, bool pastingFromClipboard,
                                                  vcl::TGraphicClass& graphicClass)>;

    explicit TuiCustomImageProperties(rtl::TPersistent* owner);
    ~TuiCustomImageProperties() override;

    // From image properties, inside one update; others as the editor properties.
    void Assign(const rtl::TPersistent* source) override;

    const rtl::UnicodeString& Caption() const { return FCaption; }
    void SetCaption(const rtl::UnicodeString& value) { SetAndNotify(FCaption, value); }
    bool Center() const { return FCenter; }
    void SetCenter(bool value) { SetAndNotify(FCenter, value); }
    // The file dialogs' filter; empty: the filter of the graphic class's formats.
    const rtl::UnicodeString& CustomFilter() const { return FCustomFilter; }
    void SetCustomFilter(rtl::UnicodeStringView value) { FCustomFilter = value; }
    // The content height of a host's cell without a picture.
    int32_t DefaultHeight() const { return FDefaultHeight; }
    vcl::TGraphicClass GraphicClass() const { return FGraphicClass; }
    void SetGraphicClass(vcl::TGraphicClass value) { SetAndNotify(FGraphicClass, value); }
    // The graphic class's name; empty for none. Setting an empty name sets none; a name the graphic class list does
    // not hold changes nothing.
    rtl::UnicodeString GraphicClassName() const;
    void SetGraphicClassName(rtl::UnicodeStringView value);
    // The form data's "IsGraphicClassNameEmpty": written (as True) only for no class; reading True sets none.
    bool IsGraphicClassNameEmpty() const { return FGraphicClass == nullptr; }
    void ReadIsGraphicClassNameEmpty(bool value);
    // "GraphicClassName" is written only when the class differs from the default one.
    bool IsGraphicClassNameStored() const { return FGraphicClass != GetDefaultGraphicClass(); }
    TuiImageTransparency GraphicTransparency() const { return FGraphicTransparency; }
    void SetGraphicTransparency(TuiImageTransparency value) { SetAndNotify(FGraphicTransparency, value); }
    TuiPopupMenuLayout& PopupMenuLayout() const { return *FPopupMenuLayout; }
    void SetPopupMenuLayout(const TuiPopupMenuLayout& value) { FPopupMenuLayout->Assign(&value); }
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value) { SetAndNotify(FProportional, value); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value) { SetAndNotify(FShowFocusRect, value); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value) { SetAndNotify(FStretch, value); }

    const TAssignPictureEvent& OnAssignPicture() const { return FOnAssignPicture; }
    void SetOnAssignPicture(TAssignPictureEvent handler) { FOnAssignPicture = std::move(handler); }
    const rtl::TNotifyEvent& OnCustomClick() const { return FOnCustomClick; }
    void SetOnCustomClick(rtl::TNotifyEvent handler) { FOnCustomClick = std::move(handler); }
    const TGraphicClassEvent& OnGetGraphicClass() const { return FOnGetGraphicClass; }
    void SetOnGetGraphicClass(TGraphicClassEvent handler) { FOnGetGraphicClass = std::move(handler); }

    // The first class of the graphic class list.
    virtual vcl::TGraphicClass GetDefaultGraphicClass() const;
    // The class that reads the value of a record: the graphic class, else the bitmap when pasting (else none); then
    // OnGetGraphicClass.
    virtual vcl::TGraphicClass GetGraphicClass(rtl::TObject* item, int32_t recordIndex, bool pastingFromClipboard);
    // Whether a picture is fitted into a rectangle of size: stretched, or shrunk in proportion when it is larger.
    bool IsFitted(int32_t pictureWidth, int32_t pictureHeight, int32_t width, int32_t height) const;

    const rtl::TMetaclass& GetContainerClass() const override;
    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const override;
    // Empty for Null, the caption for any picture.
    rtl::UnicodeString GetDisplayText(const rtl::Variant& editValue, bool fullText = false,
                                      bool isInplace = true) override;
    // Bit value 1: a cell of its own kind (a picture).
    uint32_t GetFeatureFlags() const override;
    // Bit values 2 and 4 besides the base ones.
    uint32_t GetCapabilities() const override;
    bool CanValidate() const override { return true; }
    bool CanResetValue() const override { return true; }
    bool CanShowDataDisplayText(bool) override { return false; }

private:
    rtl::UnicodeString FCaption;
    bool FCenter = true;
    rtl::UnicodeString FCustomFilter;
    int32_t FDefaultHeight = 15;
    vcl::TGraphicClass FGraphicClass = nullptr;
    TuiImageTransparency FGraphicTransparency = gtDefault;
    std::unique_ptr<TuiPopupMenuLayout> FPopupMenuLayout;
    bool FProportional = true;
    bool FShowFocusRect = true;
    bool FStretch = false;
    TAssignPictureEvent FOnAssignPicture;
    rtl::TNotifyEvent FOnCustomClick;
    TGraphicClassEvent FOnGetGraphicClass;
};

// The properties of the image editor and of its repository item.
class TuiImageProperties : public TuiCustomImageProperties {
    RTL_DECLARE_CLASS(TuiImageProperties, TuiCustomImageProperties)
public:
    using TuiCustomImageProperties::TuiCustomImageProperties;
};

} // namespace ui
