#pragma once
// Menus: a tree of menu items (caption, check mark, default item, image, short-cut, click event) under a menu, and
// the popup menu that shows the tree at a point and runs the item the user chooses. The Windows menu is built anew
// from the items each time it is shown. Items with an image (from the menu's image list or a bitmap of their own),
// or every item of an owner-draw menu, are measured and drawn by the items themselves. A menu's short-cuts work
// while it has its Windows menu: IsShortCut clicks the item of the key.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/system/Messages.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vcl {

class TBitmap;
class TCanvas;
class TMenu;

// A key with the shift keys held: the virtual key in the low byte, scShift, scCtrl and scAlt above it.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(uint16_t key, TShiftState shift);
// "Ctrl+S", "Shift+Del", "F5"; empty for no short-cut.
rtl::UnicodeString ShortCutToText(TShortCut shortCut);

enum TMenuBreak : uint8_t { mbNone, mbBreak, mbBarBreak };
enum TPopupAlignment : uint8_t { paLeft, paRight, paCenter };

using TMenuMeasureItemEvent =
    std::function<void(rtl::TObject* sender, TCanvas& canvas, int32_t& width, int32_t& height)>;
using TMenuDrawItemEvent = std::function<void(rtl::TObject* sender, TCanvas& canvas, const TRect& rect, bool selected)>;

// One item of a menu, with the items of its submenu (owned).
class TMenuItem : public rtl::TComponent {
    RTL_DECLARE_CLASS(TMenuItem, rtl::TComponent)
public:
    explicit TMenuItem(rtl::TComponent* owner);
    ~TMenuItem() override;

    const rtl::UnicodeString& Caption() const { return FCaption; }
    void SetCaption(rtl::UnicodeStringView value) { FCaption = value; }
    // A caption of "-" makes a separator line.
    bool IsLine() const { return FCaption == u"-"; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value) { FChecked = value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    TMenuBreak Break() const { return FBreak; }
    void SetBreak(TMenuBreak value) { FBreak = value; }
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value) { FImageIndex = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }
    const rtl::UnicodeString& Hint() const { return FHint; }
    void SetHint(rtl::UnicodeStringView value) { FHint = value; }
    // The item's own image, created empty when first asked for.
    TBitmap& Bitmap();
    bool HasBitmap() const;

    // The submenu.
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TMenuItem* Items(int32_t index) const;
    void Add(TMenuItem* item);
    void Insert(int32_t index, TMenuItem* item);
    // Takes the item out of the submenu without freeing it.
    void Remove(TMenuItem* item);
    // Frees the item at index.
    void Delete(int32_t index);
    void Clear();
    int32_t IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    int32_t MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // The menu the item's tree belongs to, or nullptr.
    TMenu* GetParentMenu() const;
    // The identifier of the item in its Windows menu.
    uint32_t Command() const { return FCommand; }

    // Runs OnClick (enabled items only).
    virtual void Click();
    // The size of an item that draws itself; OnMeasureItem may change it.
    virtual void MeasureItem(TCanvas& canvas, int32_t& width, int32_t& height);
    // Draws an item that draws itself (OnDrawItem, when assigned, instead).
    virtual void DrawItem(TCanvas& canvas, const TRect& rect, bool selected);

    const rtl::TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(rtl::TNotifyEvent handler) { FOnClick = std::move(handler); }
    const TMenuMeasureItemEvent& OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMenuMeasureItemEvent handler) { FOnMeasureItem = std::move(handler); }
    const TMenuDrawItemEvent& OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TMenuDrawItemEvent handler) { FOnDrawItem = std::move(handler); }

private:
    friend class TMenu;

    rtl::UnicodeString FCaption;
    bool FChecked = false;
    bool FRadioItem = false;
    bool FDefault = false;
    bool FEnabled = true;
    bool FVisible = true;
    TMenuBreak FBreak = mbNone;
    int32_t FImageIndex = -1;
    TShortCut FShortCut = 0;
    rtl::UnicodeString FHint;
    std::unique_ptr<TBitmap> FBitmap;
    std::vector<TMenuItem*> FItems; // owned
    TMenuItem* FParent = nullptr;   // not owned
    TMenu* FMenu = nullptr;         // the menu whose root this is, for the root only
    uint32_t FCommand;
    rtl::TNotifyEvent FOnClick;
    TMenuMeasureItemEvent FOnMeasureItem;
    TMenuDrawItemEvent FOnDrawItem;
};

// A tree of menu items with its Windows menu.
class TMenu : public rtl::TComponent {
    RTL_DECLARE_CLASS(TMenu, rtl::TComponent)
public:
    explicit TMenu(rtl::TComponent* owner);
    ~TMenu() override;

    TMenuItem& Items() const { return *FItems; }
    // The Windows menu, built from the items when there is none.
    HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Builds the Windows menu anew from the items.
    void Rebuild();
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* images);
    bool OwnerDraw() const { return FOwnerDraw; }
    void SetOwnerDraw(bool value) { FOwnerDraw = value; }

    // The enabled, visible item with that command or short-cut (searched through the submenus), or nullptr.
    TMenuItem* FindItem(uint32_t command) const;
    TMenuItem* FindShortCut(TShortCut shortCut) const;
    // A key message (WM_KEYDOWN, CN_KEYDOWN, ...): clicks the item of its short-cut; true when one was clicked.
    bool IsShortCut(const TMessage& message);
    // Runs the item with the command; true when there is one.
    bool DispatchCommand(uint32_t command);

protected:
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void DestroyHandle();

private:
    void BuildItems(HMENU menu, const TMenuItem& parent);
    bool DrawsItself(const TMenuItem& item) const;

    std::unique_ptr<TMenuItem, rtl::TComponentDeleter> FItems;
    HMENU FHandle = nullptr;             // owned
    std::vector<HMENU> FSubmenus;        // owned through FHandle
    TCustomImageList* FImages = nullptr; // not owned
    TChangeLink FImageChangeLink;
    bool FOwnerDraw = false;
};

// A menu shown at a point (the context menu of a control). Popup returns when the menu closes, after running the
// chosen item's click.
class TPopupMenu : public TMenu {
    RTL_DECLARE_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(rtl::TComponent* owner);

    // Shows the menu with its corner at the screen point (x, y) as Alignment says.
    virtual void Popup(int32_t x, int32_t y);
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }
    // Whether controls show the menu on a right click by themselves.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The component the menu was shown for.
    rtl::TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(rtl::TComponent* value) { FPopupComponent = value; }
    TPoint PopupPoint() const { return FPopupPoint; }
    const rtl::TNotifyEvent& OnPopup() const { return FOnPopup; }
    void SetOnPopup(rtl::TNotifyEvent handler) { FOnPopup = std::move(handler); }

protected:
    virtual void DoPopup();

private:
    TPopupAlignment FAlignment = paLeft;
    bool FAutoPopup = true;
    rtl::TComponent* FPopupComponent = nullptr; // not owned
    TPoint FPopupPoint;
    rtl::TNotifyEvent FOnPopup;
};

} // namespace vcl
