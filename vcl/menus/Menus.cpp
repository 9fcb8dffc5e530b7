#include "vcl/menus/Menus.h"

#include "rtl/core/Exceptions.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/UtilWindow.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

namespace {

constexpr int32_t ItemMargin = 4;
constexpr int32_t ImageGap = 4;

// Menu commands are 16-bit on Windows; 0 means none.
uint32_t NextCommand() {
    static uint32_t last = 0;
    last = last % 0xFFFE + 1;
    return last;
}

rtl::UnicodeString KeyName(uint16_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return rtl::UnicodeString(1, static_cast<char16_t>(key));
    }
    if (key >= VK_F1 && key <= VK_F24) {
        return u"F" + rtl::UnicodeString(AsUtf16(std::to_wstring(key - VK_F1 + 1).c_str()));
    }
    const struct {
        uint16_t Key;
        const char16_t* Name;
    } names[] = {{VK_BACK, u"BkSp"},   {VK_TAB, u"Tab"},    {VK_RETURN, u"Enter"}, {VK_ESCAPE, u"Esc"},
                 {VK_SPACE, u"Space"}, {VK_PRIOR, u"PgUp"}, {VK_NEXT, u"PgDn"},    {VK_END, u"End"},
                 {VK_HOME, u"Home"},   {VK_LEFT, u"Left"},  {VK_UP, u"Up"},        {VK_RIGHT, u"Right"},
                 {VK_DOWN, u"Down"},   {VK_INSERT, u"Ins"}, {VK_DELETE, u"Del"}};
    for (const auto& entry : names) {
        if (entry.Key == key) {
            return entry.Name;
        }
    }
    return {};
}

// The hidden window that owns the popup menus while they show: it measures and draws the items that draw themselves.
class TPopupList {
public:
    TPopupList() : FWindow(AllocateHWnd([this](TMessage& message) { WndProc(message); })) {}
    HWND Window() const { return FWindow; }

private:
    void WndProc(TMessage& message) {
        if (message.Msg == WM_MEASUREITEM) {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
            if (measure->CtlType == ODT_MENU && measure->itemData) {
                Measure(*measure);
                message.Result = 1;
                return;
            }
        } else if (message.Msg == WM_DRAWITEM) {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
            if (draw->CtlType == ODT_MENU && draw->itemData) {
                Draw(*draw);
                message.Result = 1;
                return;
            }
        }
        message.Result = DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
    }

    static void Measure(MEASUREITEMSTRUCT& measure) {
        auto* item = reinterpret_cast<TMenuItem*>(measure.itemData);
        const TScreenDC screen;
        TCanvas canvas;
        canvas.SetHandle(screen.Get());
        int32_t width = 0;
        int32_t height = 0;
        item->MeasureItem(canvas, width, height);
        canvas.SetHandle(nullptr);
        measure.itemWidth = static_cast<UINT>(std::max(width, 0));
        measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    }

    static void Draw(const DRAWITEMSTRUCT& draw) {
        auto* item = reinterpret_cast<TMenuItem*>(draw.itemData);
        TCanvas canvas;
        canvas.SetHandle(draw.hDC);
        const TRect rect = ToRect(draw.rcItem);
        item->DrawItem(canvas, rect, (draw.itemState & ODS_SELECTED) != 0);
        canvas.SetHandle(nullptr);
    }

    HWND FWindow;
};

TPopupList& PopupList() {
    static TPopupList list;
    return list;
}

// The caption with its short-cut after a tab, as Windows menus show it.
rtl::UnicodeString MenuText(const TMenuItem& item) {
    const rtl::UnicodeString shortCut = ShortCutToText(item.ShortCut());
    return shortCut.empty() ? item.Caption() : item.Caption() + u'\t' + shortCut;
}

} // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    TShortCut result = key & 0xFF;
    result |= shift.Contains(ssShift) ? scShift : 0;
    result |= shift.Contains(ssCtrl) ? scCtrl : 0;
    result |= shift.Contains(ssAlt) ? scAlt : 0;
    return result;
}

rtl::UnicodeString ShortCutToText(TShortCut shortCut) {
    const rtl::UnicodeString key = KeyName(shortCut & 0xFF);
    if (key.empty()) {
        return {};
    }
    rtl::UnicodeString text;
    text += (shortCut & scShift) ? u"Shift+" : u"";
    text += (shortCut & scCtrl) ? u"Ctrl+" : u"";
    text += (shortCut & scAlt) ? u"Alt+" : u"";
    return text + key;
}

TMenuItem::TMenuItem(rtl::TComponent* owner) : TComponent(owner), FCommand(NextCommand()) {}

TMenuItem::~TMenuItem() {
    Clear();
    if (FParent) {
        FParent->Remove(this);
    }
}

TBitmap& TMenuItem::Bitmap() {
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
    }
    return *FBitmap;
}

bool TMenuItem::HasBitmap() const {
    return FBitmap && !FBitmap->Empty();
}

TMenuItem* TMenuItem::Items(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(u"Menu index out of range");
    }
    return FItems[static_cast<size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int32_t index, TMenuItem* item) {
    if (item->FParent) {
        throw rtl::EInvalidOperation(u"Menu inserted twice");
    }
    if (index < 0 || index > Count()) {
        throw rtl::EListError(u"Menu index out of range");
    }
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    std::erase(FItems, item);
    if (item->FParent == this) {
        item->FParent = nullptr;
    }
}

void TMenuItem::Delete(int32_t index) {
    TComponent::Free(Items(index));
}

void TMenuItem::Clear() {
    while (!FItems.empty()) {
        TComponent::Free(FItems.back());
    }
}

int32_t TMenuItem::IndexOf(const TMenuItem* item) const {
    const auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent) {
        root = root->FParent;
    }
    return root->FMenu;
}

void TMenuItem::Click() {
    if (FEnabled && FOnClick) {
        FOnClick(this);
    }
}

// Room for the image (of the menu's image list or the item's bitmap), the caption and the short-cut.
void TMenuItem::MeasureItem(TCanvas& canvas, int32_t& width, int32_t& height) {
    TMenu* menu = GetParentMenu();
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    const TSize image = images        ? TSize{images->Width(), images->Height()}
                        : HasBitmap() ? TSize{FBitmap->Width(), FBitmap->Height()}
                                      : TSize{16, 16};
    const TSize text = canvas.TextExtent(MenuText(*this));
    width = ItemMargin + image.cx + ImageGap + text.cx + ItemMargin;
    height = std::max(image.cy, text.cy) + ItemMargin;
    if (IsLine()) {
        height = ItemMargin * 2;
    }
    if (FOnMeasureItem) {
        FOnMeasureItem(this, canvas, width, height);
    }
}

void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
    if (FOnDrawItem) {
        FOnDrawItem(this, canvas, rect, selected);
        return;
    }
    canvas.Brush().SetColor(selected && !IsLine() ? clHighlight : clMenu);
    canvas.FillRect(rect);
    if (IsLine()) {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.MoveTo(rect.Left + ItemMargin, (rect.Top + rect.Bottom) / 2);
        canvas.LineTo(rect.Right - ItemMargin, (rect.Top + rect.Bottom) / 2);
        return;
    }
    TMenu* menu = GetParentMenu();
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    const int32_t imageWidth = images ? images->Width() : HasBitmap() ? FBitmap->Width() : 16;
    if (images && FImageIndex >= 0) {
        images->Draw(canvas, rect.Left + ItemMargin, rect.Top + (rect.Height() - images->Height()) / 2, FImageIndex,
                     FEnabled);
    } else if (HasBitmap()) {
        canvas.Draw(rect.Left + ItemMargin, rect.Top + (rect.Height() - FBitmap->Height()) / 2, *FBitmap);
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(!FEnabled ? clGrayText : selected ? clHighlightText : clMenuText);
    TRect textRect = rect;
    textRect.Left += ItemMargin + imageWidth + ImageGap;
    textRect.Right -= ItemMargin;
    canvas.DrawText(FCaption, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const rtl::UnicodeString shortCut = ShortCutToText(FShortCut);
    if (!shortCut.empty()) {
        canvas.DrawText(shortCut, textRect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
}

TMenu::TMenu(rtl::TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) {
    FItems->FMenu = this;
    FImageChangeLink.SetOnChange([this](rtl::TObject*) { DestroyHandle(); });
}

TMenu::~TMenu() {
    DestroyHandle();
}

void TMenu::DestroyHandle() {
    if (FHandle) {
        DestroyMenu(FHandle);
    }
    FHandle = nullptr;
    FSubmenus.clear();
}

HMENU TMenu::Handle() {
    if (!FHandle) {
        Rebuild();
    }
    return FHandle;
}

void TMenu::Rebuild() {
    DestroyHandle();
    FHandle = CreatePopupMenu();
    BuildItems(FHandle, *FItems);
}

bool TMenu::DrawsItself(const TMenuItem& item) const {
    return FOwnerDraw || (FImages && item.ImageIndex() >= 0) || item.HasBitmap();
}

void TMenu::BuildItems(HMENU menu, const TMenuItem& parent) {
    for (const TMenuItem* item : parent.FItems) {
        if (!item->Visible()) {
            continue;
        }
        const rtl::UnicodeString text = MenuText(*item);
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_STRING;
        info.wID = item->Command();
        info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        info.dwTypeData = const_cast<wchar_t*>(AsWide(text.c_str()));
        info.fType = item->IsLine() ? MFT_SEPARATOR : MFT_STRING;
        info.fType |= item->RadioItem() ? MFT_RADIOCHECK : 0;
        info.fType |= item->Break() == mbBreak ? MFT_MENUBREAK : item->Break() == mbBarBreak ? MFT_MENUBARBREAK : 0;
        info.fType |= DrawsItself(*item) ? MFT_OWNERDRAW : 0;
        info.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Default() ? MFS_DEFAULT : 0) |
                      (item->Enabled() ? 0 : MFS_DISABLED);
        if (item->Count() > 0) {
            HMENU submenu = CreatePopupMenu();
            BuildItems(submenu, *item);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu;
            FSubmenus.push_back(submenu);
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
    }
}

void TMenu::SetImages(TCustomImageList* images) {
    if (images == FImages) {
        return;
    }
    if (FImages) {
        FImages->UnRegisterChanges(FImageChangeLink);
        FImages->RemoveFreeNotification(this);
    }
    FImages = images;
    if (FImages) {
        FImages->RegisterChanges(FImageChangeLink);
        FImages->FreeNotification(this);
    }
    DestroyHandle();
}

void TMenu::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FImages) {
        FImages = nullptr;
        DestroyHandle();
    }
}

namespace {

const TMenuItem* FindIn(const TMenuItem& parent, const std::function<bool(const TMenuItem&)>& matches) {
    for (int32_t i = 0; i < parent.Count(); ++i) {
        const TMenuItem* item = parent.Items(i);
        if (!item->Visible() || !item->Enabled()) {
            continue;
        }
        if (matches(*item)) {
            return item;
        }
        if (const TMenuItem* found = FindIn(*item, matches)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindItem(uint32_t command) const {
    return const_cast<TMenuItem*>(
        FindIn(*FItems, [command](const TMenuItem& item) { return item.Command() == command; }));
}

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) const {
    if (shortCut == 0) {
        return nullptr;
    }
    return const_cast<TMenuItem*>(
        FindIn(*FItems, [shortCut](const TMenuItem& item) { return item.ShortCut() == shortCut; }));
}

bool TMenu::IsShortCut(const TMessage& message) {
    const TShortCut shortCut = ShortCut(static_cast<uint16_t>(message.WParam), KeyDataToShiftState(message.LParam));
    TMenuItem* item = FindShortCut(shortCut);
    if (!item) {
        return false;
    }
    item->Click();
    return true;
}

bool TMenu::DispatchCommand(uint32_t command) {
    TMenuItem* item = FindItem(command);
    if (!item) {
        return false;
    }
    item->Click();
    return true;
}

TPopupMenu::TPopupMenu(rtl::TComponent* owner) : TMenu(owner) {}

void TPopupMenu::DoPopup() {
    if (FOnPopup) {
        FOnPopup(this);
    }
}

void TPopupMenu::Popup(int32_t x, int32_t y) {
    FPopupPoint = {x, y};
    DoPopup();
    Rebuild();
    constexpr UINT alignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
    const UINT flags = alignments[FAlignment] | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    HWND owner = PopupList().Window();
    const auto command = static_cast<uint32_t>(TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr));
    // Lets the menu's own loop end cleanly before anything else runs.
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command != 0) {
        DispatchCommand(command);
    }
}

} // namespace vcl
