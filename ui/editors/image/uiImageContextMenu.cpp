// The image editor's context menu and the start-up of the image unit, which builds the menu's pictures.

#include "rtl/WindowsApi.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/image/uiImage.h"
#include "ui/editors/image/uiImagePictureValue.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/menus/Menus.h"

#include <array>
#include <memory>

namespace ui {

namespace {

// The menu's items by tag: Cut, Copy, Paste, Delete, Load, Save and the custom item, with the separators before Load
// and before the custom item.
constexpr int32_t CustomItemTag = pmiCustom;
constexpr int32_t FirstSeparatorIndex = 4;
constexpr int32_t SecondSeparatorIndex = 7;
constexpr std::array<int32_t, 9> MenuItemTags = {pmiCut,  pmiCopy, pmiPaste, pmiDelete, -1,
                                                 pmiLoad, pmiSave, -1,       pmiCustom};

constexpr std::array<const char16_t*, 6> MenuImageNames = {u"UIMENUIMAGE_CUT",   u"UIMENUIMAGE_COPY",
                                                           u"UIMENUIMAGE_PASTE", u"UIMENUIMAGE_DELETE",
                                                           u"UIMENUIMAGE_LOAD",  u"UIMENUIMAGE_SAVE"};

const TuxResourceString* const MenuItemCaptions[] = {&uiSMenuItemCaptionCut,   &uiSMenuItemCaptionCopy,
                                                     &uiSMenuItemCaptionPaste, &uiSMenuItemCaptionDelete,
                                                     &uiSMenuItemCaptionLoad,  &uiSMenuItemCaptionSave};

std::unique_ptr<vcl::TImageList> menuImages;

} // namespace

// Each picture is masked by the colour of its bottom-left pixel; the list takes the first picture's size.
vcl::TCustomImageList& ImageMenuImages() {
    if (!menuImages) {
        auto images = std::make_unique<vcl::TImageList>(nullptr);
        for (const char16_t* name : MenuImageNames) {
            vcl::TBitmap bitmap;
            bitmap.LoadFromResourceName(nullptr, name);
            if (images->Count() == 0) {
                images->SetSize(bitmap.Width(), bitmap.Height());
            }
            images->AddMasked(bitmap, bitmap.Canvas().Pixel(0, bitmap.Height() - 1));
        }
        menuImages = std::move(images);
    }
    return *menuImages;
}

void TuiCustomImage::BuildContextMenu() {
    FContextMenu.reset(new vcl::TPopupMenu(nullptr));
    FContextMenu->SetImages(&ImageMenuImages());
    for (const int32_t tag : MenuItemTags) {
        auto* item = new vcl::TMenuItem(FContextMenu.get());
        if (tag < 0) {
            item->SetCaption(u"-");
        } else {
            item->SetImageIndex(tag == CustomItemTag ? -1 : tag);
            item->SetOnClick([this, tag](rtl::TObject*) { RunUserEdit([this, tag] { RunMenuItem(tag); }); });
        }
        FContextMenu->Items().Add(item);
    }
}

// Captions, visibility and enabled state as the editor stands now.
void TuiCustomImage::UpdateContextMenu() {
    if (!FContextMenu) {
        BuildContextMenu();
    }
    const TuiPopupMenuLayout& layout = ActiveProperties().PopupMenuLayout();
    const TuiPopupMenuItems shown = layout.MenuItems();
    const bool empty = IsPictureEmpty(*FPicture);
    const bool canModify = CanModify();
    const bool icon = IsIconClass();
    const bool enabled[] = {canModify && !empty && !icon, !empty && !icon, canModify && CanPasteFromClipboard(),
                            canModify && !empty,          canModify,       !empty};
    vcl::TMenuItem& items = FContextMenu->Items();
    for (int32_t index = 0; index < items.Count(); ++index) {
        const int32_t tag = MenuItemTags[static_cast<size_t>(index)];
        vcl::TMenuItem& item = *items.Items(index);
        if (tag < 0) {
            const bool afterLoad = index == FirstSeparatorIndex;
            item.SetVisible(afterLoad ? shown.Contains(pmiLoad) || shown.Contains(pmiSave) : shown.Contains(pmiCustom));
            continue;
        }
        item.SetVisible(shown.Contains(static_cast<TuiPopupMenuItem>(tag)));
        if (tag == CustomItemTag) {
            item.SetCaption(layout.CustomMenuItemCaption());
            auto& own = const_cast<TuiPopupMenuLayout&>(layout);
            if (own.HasCustomMenuItemGlyph()) {
                item.Bitmap().Assign(&own.CustomMenuItemGlyph());
                item.Bitmap().SetTransparent(true);
            }
            continue;
        }
        item.SetCaption(LoadResStringText(*MenuItemCaptions[tag]));
        item.SetEnabled(enabled[tag]);
    }
}

void TuiCustomImage::RunMenuItem(int32_t tag) {
    switch (tag) {
    case pmiCut:
        return CutToClipboard();
    case pmiCopy:
        return CopyToClipboard();
    case pmiPaste:
        return PasteFromClipboard();
    case pmiDelete:
        return DeletePicture();
    case pmiLoad:
        return LoadPicture();
    case pmiSave:
        return SavePicture();
    default:
        return DoCustomClick();
    }
}

// The editor's own popup menu, or no item to show, leaves the menu to the container; the menu key opens it at
// (10, 10).
void TuiCustomImage::DoContextPopup(vcl::TPoint mousePos, bool& handled) {
    if (GetPopupMenu() != nullptr || ActiveProperties().PopupMenuLayout().MenuItems().IsEmpty()) {
        return TuiCustomEdit::DoContextPopup(mousePos, handled);
    }
    handled = true;
    const vcl::TPoint point = mousePos == vcl::TPoint{-1, -1} ? vcl::TPoint{10, 10} : mousePos;
    UpdateContextMenu();
    const vcl::TPoint screen = ClientToScreen(point);
    FContextMenu->SetPopupComponent(this);
    FContextMenu->Popup(screen.X, screen.Y);
}

void InitializeImageUnit() {
    ImageMenuImages();
    GetEditPropertiesRegistry().Register(&TuiImageProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryImageItem));
}

void FinalizeImageUnit() {
    GetEditPropertiesRegistry().Unregister(&TuiImageProperties::StaticClass());
    menuImages.reset();
    FreeGraphicClassList();
}

} // namespace ui
