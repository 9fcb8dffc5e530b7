#pragma once
// TuiCustomImage: the image editor, a picture box whose value is a picture's bytes (uiImagePictureValue.h). A larger
// picture scrolls under the editor's own bars unless it is fitted or centred; a context menu and the clipboard keys
// cut, copy, paste and delete the picture, load it from a file and save it to one through the file dialogs, and run
// one custom command. Pasting takes the format the graphic class reads (a bitmap for bitmaps and JPEG images,
// compressed again for JPEG; a metafile; the program's picture format for the rest); icons are never pasted, cut or
// copied. A read-only editor shows, copies and saves its picture but changes nothing.

#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/control/uiPopupCloseReason.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/image/uiImageProperties.h"

#include <functional>
#include <memory>

namespace vcl {
class TCustomImageList;
class TPicture;
class TPopupMenu;
} // namespace vcl

namespace ui {

class TuiCustomImage : public TuiCustomEdit {
    RTL_DECLARE_CLASS(TuiCustomImage, TuiCustomEdit)
public:
    using TGraphicClassEvent =
        std::function<void(rtl::TObject* sender, bool pastingFromClipboard, vcl::TGraphicClass& graphicClass)>;
    using TClosePopupEvent = std::function<void(TuiCustomImage& sender, TuiPopupCloseReason reason)>;

    explicit TuiCustomImage(rtl::TComponent* owner) : TuiCustomImage(owner, TuiCustomImageProperties::StaticClass()) {}
    ~TuiCustomImage() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomImageProperties::StaticClass(); }
    TuiCustomImageProperties& ActiveProperties() {
        return static_cast<TuiCustomImageProperties&>(GetEffectiveProperties());
    }

    vcl::TPicture& Picture() const { return *FPicture; }
    // Copies the picture's graphic.
    void SetPicture(const vcl::TPicture& value);

    // Null without a picture, else the picture's bytes.
    rtl::Variant GetEditValue() const override;
    rtl::UnicodeString GetDisplayText() const override;
    void CopyToClipboard() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    // Removes the picture as the user's change.
    void DeletePicture();
    // The file dialogs; a load the user confirms tells the close-popup handler pcrAccept, else pcrCancel.
    void LoadPicture();
    void SavePicture();

    // The class that reads the value and pastes: standalone the graphic class (the bitmap when pasting without one)
    // with OnGetGraphicClass; in place the properties' answer.
    virtual vcl::TGraphicClass GetGraphicClass(bool pastingFromClipboard);
    // Whether the clipboard holds what the graphic class pastes.
    virtual bool CanPasteFromClipboard();
    virtual void DoCustomClick();

    // The context menu, once it was first shown; nullptr before.
    vcl::TPopupMenu* ContextMenu() const { return FContextMenu.get(); }
    // True while a file dialog of the editor is open, else the editor's answer.
    bool Focused() const override;

    int32_t HorzOffset() const { return FHorzOffset; }
    int32_t VertOffset() const { return FVertOffset; }

    const TGraphicClassEvent& OnGetGraphicClass() const { return FOnGetGraphicClass; }
    void SetOnGetGraphicClass(TGraphicClassEvent handler) { FOnGetGraphicClass = std::move(handler); }
    const TClosePopupEvent& OnClosePopup() const { return FOnClosePopup; }
    void SetOnClosePopup(TClosePopupEvent handler) { FOnClosePopup = std::move(handler); }

protected:
    TuiCustomImage(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    void ApplyEditValue(const rtl::Variant& value, bool validated) override;
    // OnAssignPicture of the editor's and its repository item's properties; the value itself is not checked.
    void ValidateDisplayValue(rtl::Variant& displayValue, rtl::UnicodeString& errorText, bool& error) override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    void InitViewData(TuiCustomEditViewData& viewData) override;
    bool CanAutoSizeEditor() const override;
    bool AreButtonsAutoWidth() const override { return true; }
    // Insert without Shift and Ctrl, and Delete without Shift, belong to the host.
    bool WantsAfterKeyEvent(uint16_t key, vcl::TShiftState shift) const override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void KeyPress(char16_t& key) override;
    void DoContextPopup(vcl::TPoint mousePos, bool& handled) override;

    // The built-in bars scroll a picture larger than the client area, in steps of 8 pixels, inside the frame.
    bool NeedsScrollBars() const override { return true; }
    void InitScrollBarsParameters() override;
    void Scroll(TScrollBarKind kind, TScrollCode code, int32_t& position) override;
    vcl::TRect GetHScrollBarBounds() const override;
    vcl::TRect GetVScrollBarBounds() const override;

private:
    void PictureChanged();
    void ApplyGraphicTransparency();
    // The client area the scroll bars leave.
    vcl::TRect PictureArea() const;
    bool Scrolls() const;
    void UpdateOffsets();
    void RunUserEdit(const std::function<void()>& action);
    void DoClosePopup(TuiPopupCloseReason reason);
    vcl::TGraphicClass PropertiesGraphicClass();
    bool IsIconClass();
    // The context menu.
    void BuildContextMenu();
    void UpdateContextMenu();
    void RunMenuItem(int32_t tag);

    std::unique_ptr<vcl::TPicture> FPicture;
    std::unique_ptr<vcl::TPopupMenu, rtl::TComponentDeleter> FContextMenu;
    bool FApplyingValue = false;
    bool FDialogOpen = false;
    int32_t FHorzOffset = 0;
    int32_t FVertOffset = 0;
    TGraphicClassEvent FOnGetGraphicClass;
    TClosePopupEvent FOnClosePopup;
};

// The image editor a form places: its properties are TuiImageProperties.
class TuiImage : public TuiCustomImage {
    RTL_DECLARE_CLASS(TuiImage, TuiCustomImage)
public:
    explicit TuiImage(rtl::TComponent* owner) : TuiCustomImage(owner, TuiImageProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiImageProperties::StaticClass(); }
    TuiImageProperties& ImageProperties() const { return static_cast<TuiImageProperties&>(Properties()); }
};

class TuiEditRepositoryImageItem : public TuiEditRepositoryItemOf<TuiImageProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryImageItem, TuiEditRepositoryItemOf<TuiImageProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// The context menu's pictures: cut, copy, paste, delete, load and save at indexes 0 to 5.
vcl::TCustomImageList& ImageMenuImages();

// Builds the menu's pictures and registers the image properties among the properties classes; the finalisation
// removes them and frees the graphic class list.
void InitializeImageUnit();
void FinalizeImageUnit();

} // namespace ui
