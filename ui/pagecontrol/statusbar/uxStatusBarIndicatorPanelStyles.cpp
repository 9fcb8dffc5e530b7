#include "ui/pagecontrol/statusbar/uxStatusBarIndicatorPanelStyles.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "vcl/graphics/Brush.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/Timer.h"

#include <algorithm>

namespace ui {

namespace {

constexpr const char16_t* IndicatorResourceNames[] = {
    u"UXSTATUSBAR_GRAY", u"UXSTATUSBAR_YELLOW", u"UXSTATUSBAR_BLUE",   u"UXSTATUSBAR_GREEN",
    u"UXSTATUSBAR_RED",  u"UXSTATUSBAR_TEAL",   u"UXSTATUSBAR_PURPLE",
};

constexpr uint32_t KeyboardStatePollingInterval = 100;
constexpr int32_t KeyboardStateEmptyWidth = 50;
constexpr int32_t StateIndicatorEmptyWidth = 20;
// Room round a key's caption inside its cell.
constexpr int32_t KeyCaptionPadding = 4;

uint8_t KeyStateByte(uint8_t virtualKey) {
    return static_cast<uint8_t>(GetKeyState(virtualKey) & 0xFF);
}

int32_t MarginsWidth(const vcl::TRect& margins) {
    return margins.Left + margins.Right;
}

} // namespace

// State indicators.

TuxStatusBarStateIndicatorItem::TuxStatusBarStateIndicatorItem(rtl::TCollection* collection)
    : rtl::TCollectionItem(collection), FBitmap(std::make_unique<vcl::TBitmap>()) {
    LoadBitmap();
}

TuxStatusBarStateIndicatorItem::~TuxStatusBarStateIndicatorItem() = default;

void TuxStatusBarStateIndicatorItem::Assign(const rtl::TPersistent* source) {
    const auto* item = dynamic_cast<const TuxStatusBarStateIndicatorItem*>(source);
    if (!item) {
        rtl::TCollectionItem::Assign(source);
        return;
    }
    SetIndicatorType(item->FIndicatorType);
    SetVisible(item->FVisible);
}

void TuxStatusBarStateIndicatorItem::SetIndicatorType(TuxStatusBarStateIndicatorType value) {
    if (FIndicatorType == value) {
        return;
    }
    FIndicatorType = value;
    LoadBitmap();
    Changed(false);
}

void TuxStatusBarStateIndicatorItem::SetVisible(bool value) {
    if (FVisible != value) {
        FVisible = value;
        Changed(false);
    }
}

void TuxStatusBarStateIndicatorItem::LoadBitmap() {
    FBitmap->LoadFromResourceName(GetModuleHandleW(nullptr), IndicatorResourceNames[FIndicatorType]);
}

TuxStatusBarStateIndicators::TuxStatusBarStateIndicators(std::function<void()> onChange)
    : rtl::TCollection(TuxStatusBarStateIndicatorItem::StaticClass()), FOnChange(std::move(onChange)) {}

void TuxStatusBarStateIndicators::Update(rtl::TCollectionItem* /*item*/) {
    if (FOnChange) {
        FOnChange();
    }
}

TuxStatusBarStateIndicatorPanelStyle::TuxStatusBarStateIndicatorPanelStyle(TuxStatusBarPanel* owner)
    : TuxStatusBarPanelStyle(owner), FIndicators(std::make_unique<TuxStatusBarStateIndicators>([this] { Changed(); })) {
}

TuxStatusBarStateIndicatorPanelStyle::~TuxStatusBarStateIndicatorPanelStyle() = default;

void TuxStatusBarStateIndicatorPanelStyle::SetSpacing(int32_t value) {
    if (FSpacing != value) {
        FSpacing = value;
        Changed();
    }
}

bool TuxStatusBarStateIndicatorPanelStyle::IsShown(const TuxStatusBarStateIndicatorItem& item) const {
    return item.Visible() && !item.Bitmap().Empty();
}

int32_t TuxStatusBarStateIndicatorPanelStyle::GetMinWidth() const {
    if (FIndicators->Count() == 0) {
        return StateIndicatorEmptyWidth;
    }
    int32_t width = FSpacing;
    for (int32_t i = 0; i < FIndicators->Count(); ++i) {
        const TuxStatusBarStateIndicatorItem& item = FIndicators->Item(i);
        if (IsShown(item)) {
            width += item.Bitmap().Width() + FSpacing;
        }
    }
    const TuxStatusBarPainter& painter = StatusBar().Painter();
    return width + MarginsWidth(painter.GetPanelContentMargins(&Panel(), painter.GetPanelBevel(&Panel()) != uxpbNone));
}

void TuxStatusBarStateIndicatorPanelStyle::DrawContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                       const TuxStatusBarPainter& painter) {
    TuxStatusBarPanelStyle::DrawContent(canvas, rect, painter);
    int32_t x = rect.Left + FSpacing;
    for (int32_t i = 0; i < FIndicators->Count(); ++i) {
        vcl::TBitmap& bitmap = FIndicators->Item(i).Bitmap();
        if (!IsShown(FIndicators->Item(i))) {
            continue;
        }
        canvas.DrawGraphic(x, (rect.Top + rect.Bottom) / 2 - bitmap.Height() / 2, bitmap);
        x += bitmap.Width() + FSpacing;
    }
}

void TuxStatusBarStateIndicatorPanelStyle::DoAssign(const TuxStatusBarPanelStyle& source) {
    TuxStatusBarPanelStyle::DoAssign(source);
    if (const auto* indicators = dynamic_cast<const TuxStatusBarStateIndicatorPanelStyle*>(&source)) {
        FSpacing = indicators->FSpacing;
        FIndicators->Assign(indicators->FIndicators.get());
    }
}

// Keyboard states.

TuxStatusBarKeyStateAppearance::TuxStatusBarKeyStateAppearance(TuxStatusBarKeyboardState id, uint8_t virtualKey,
                                                               vcl::TColor activeFontColor,
                                                               rtl::UnicodeStringView activeCaption,
                                                               rtl::UnicodeStringView inactiveCaption,
                                                               std::function<void()> onChange)
    : FId(id), FVirtualKey(virtualKey), FActiveFontColor(activeFontColor), FActiveCaption(activeCaption),
      FInactiveCaption(inactiveCaption), FOnChange(std::move(onChange)) {}

void TuxStatusBarKeyStateAppearance::Assign(const rtl::TPersistent* source) {
    const auto* appearance = dynamic_cast<const TuxStatusBarKeyStateAppearance*>(source);
    if (!appearance) {
        rtl::TPersistent::Assign(source);
        return;
    }
    FActiveFontColor = appearance->FActiveFontColor;
    FInactiveFontColor = appearance->FInactiveFontColor;
    FActiveCaption = appearance->FActiveCaption;
    FInactiveCaption = appearance->FInactiveCaption;
    Changed();
}

void TuxStatusBarKeyStateAppearance::SetActiveFontColor(vcl::TColor value) {
    FActiveFontColor = value;
    Changed();
}

void TuxStatusBarKeyStateAppearance::SetInactiveFontColor(vcl::TColor value) {
    FInactiveFontColor = value;
    Changed();
}

void TuxStatusBarKeyStateAppearance::SetActiveCaption(rtl::UnicodeStringView value) {
    FActiveCaption = value;
    Changed();
}

void TuxStatusBarKeyStateAppearance::SetInactiveCaption(rtl::UnicodeStringView value) {
    FInactiveCaption = value;
    Changed();
}

void TuxStatusBarKeyStateAppearance::Changed() {
    if (FOnChange) {
        FOnChange();
    }
}

TuxStatusBarKeyboardStateNotifier::TuxStatusBarKeyboardStateNotifier(TuxCustomStatusBar& bar)
    : FStatusBar(bar), FTimer(new vcl::TTimer(nullptr)) {
    FTimer->SetInterval(KeyboardStatePollingInterval);
    FTimer->SetOnTimer([this](rtl::TObject*) { CheckKeys(); });
}

TuxStatusBarKeyboardStateNotifier::~TuxStatusBarKeyboardStateNotifier() = default;

void TuxStatusBarKeyboardStateNotifier::AddKey(uint8_t virtualKey) {
    RemoveKey(virtualKey);
    FKeys.push_back({virtualKey, KeyStateByte(virtualKey)});
}

void TuxStatusBarKeyboardStateNotifier::RemoveKey(uint8_t virtualKey) {
    std::erase_if(FKeys, [virtualKey](const TWatchedKey& key) { return key.VirtualKey == virtualKey; });
}

void TuxStatusBarKeyboardStateNotifier::CheckKeys() {
    bool changed = false;
    for (TWatchedKey& key : FKeys) {
        const uint8_t state = KeyStateByte(key.VirtualKey);
        if (state != key.LastState) {
            key.LastState = state;
            changed = true;
        }
    }
    if (changed) {
        FStatusBar.Recalculate();
    }
}

TuxStatusBarKeyboardStatePanelStyle::TuxStatusBarKeyboardStatePanelStyle(TuxStatusBarPanel* owner)
    : TuxStatusBarPanelStyle(owner), FNotifier(std::make_unique<TuxStatusBarKeyboardStateNotifier>(StatusBar())) {
    struct TKeyDefaults {
        TuxStatusBarKeyboardState Id;
        uint8_t VirtualKey;
        const char16_t* ActiveCaption;
        const char16_t* InactiveCaption;
    };
    static constexpr TKeyDefaults Keys[] = {
        {uxksCapsLock, VK_CAPITAL, u"CAPS", u"CAPS"},
        {uxksNumLock, VK_NUMLOCK, u"NUM", u"NUM"},
        {uxksScrollLock, VK_SCROLL, u"SCRL", u"SCRL"},
        {uxksInsert, VK_INSERT, u"OVR", u"INS"},
    };
    for (const TKeyDefaults& key : Keys) {
        FAppearances[key.Id] = std::make_unique<TuxStatusBarKeyStateAppearance>(
            key.Id, key.VirtualKey, Font().Color(), key.ActiveCaption, key.InactiveCaption, [this] { Changed(); });
        FNotifier->AddKey(key.VirtualKey);
    }
}

TuxStatusBarKeyboardStatePanelStyle::~TuxStatusBarKeyboardStatePanelStyle() = default;

void TuxStatusBarKeyboardStatePanelStyle::SetKeyboardStates(TuxStatusBarKeyboardStates value) {
    if (FKeyboardStates != value) {
        FKeyboardStates = value;
        Changed();
    }
}

void TuxStatusBarKeyboardStatePanelStyle::SetFullRect(bool value) {
    if (FFullRect != value) {
        FFullRect = value;
        Changed();
    }
}

bool TuxStatusBarKeyboardStatePanelStyle::IsKeyOn(TuxStatusBarKeyboardState key) const {
    if (StatusBar().ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        return false;
    }
    return KeyStateByte(FAppearances[key]->VirtualKey()) == 1;
}

std::vector<TuxStatusBarKeyboardState> TuxStatusBarKeyboardStatePanelStyle::ShownKeys() const {
    std::vector<TuxStatusBarKeyboardState> keys;
    for (TuxStatusBarKeyboardState key : {uxksCapsLock, uxksNumLock, uxksScrollLock, uxksInsert}) {
        if (FKeyboardStates.Contains(key)) {
            keys.push_back(key);
        }
    }
    return keys;
}

int32_t TuxStatusBarKeyboardStatePanelStyle::CellWidth(TuiCanvas& canvas, TuxStatusBarKeyboardState key) const {
    const TuxStatusBarKeyStateAppearance& appearance = *FAppearances[key];
    canvas.SetFont(Font());
    const int32_t textWidth =
        std::max(canvas.GetTextWidth(appearance.ActiveCaption()), canvas.GetTextWidth(appearance.InactiveCaption()));
    const vcl::TRect margins = StatusBar().Painter().GetPanelContentMargins(&Panel(), !FFullRect);
    return textWidth + KeyCaptionPadding + MarginsWidth(margins);
}

int32_t TuxStatusBarKeyboardStatePanelStyle::GetMinWidth() const {
    const std::vector<TuxStatusBarKeyboardState> keys = ShownKeys();
    if (keys.empty()) {
        return KeyboardStateEmptyWidth;
    }
    // Measured on the screen: the bar's own canvas measures nothing between paints.
    TuiScreenCanvas canvas;
    int32_t width = 0;
    for (TuxStatusBarKeyboardState key : keys) {
        width += CellWidth(canvas, key);
    }
    const int32_t separators = static_cast<int32_t>(keys.size()) - 1;
    return width + separators * StatusBar().Painter().GetSeparatorWidth(StatusBar());
}

void TuxStatusBarKeyboardStatePanelStyle::DrawContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                                      const TuxStatusBarPainter& painter) {
    TuxStatusBarPanelStyle::DrawContent(canvas, rect, painter);
    int32_t left = rect.Left;
    for (TuxStatusBarKeyboardState key : ShownKeys()) {
        const bool on = IsKeyOn(key);
        const TuxStatusBarKeyStateAppearance& appearance = *FAppearances[key];
        vcl::TColor color = on ? appearance.ActiveFontColor() : appearance.InactiveFontColor();
        painter.AdjustTextColor(StatusBar(), color, on);
        AdjustTextColor(color, on);
        vcl::TRect cell{left, rect.Top, left + CellWidth(canvas, key), rect.Bottom};
        left = cell.Right + painter.GetSeparatorWidth(StatusBar());
        if (!FFullRect) {
            painter.DrawPanelBorder(StatusBar(), Panel().Bevel(), cell, canvas);
        }
        canvas.SetFont(Font());
        canvas.Font().SetColor(color);
        canvas.Brush().SetStyle(vcl::bsClear);
        canvas.DrawText(on ? appearance.ActiveCaption() : appearance.InactiveCaption(), cell,
                        tfAlignHCenter | tfAlignVCenter | tfSingleLine);
        canvas.Brush().SetStyle(vcl::bsSolid);
    }
}

void TuxStatusBarKeyboardStatePanelStyle::DoAssign(const TuxStatusBarPanelStyle& source) {
    TuxStatusBarPanelStyle::DoAssign(source);
    const auto* keyboard = dynamic_cast<const TuxStatusBarKeyboardStatePanelStyle*>(&source);
    if (!keyboard) {
        return;
    }
    FKeyboardStates = keyboard->FKeyboardStates;
    FFullRect = keyboard->FFullRect;
    for (size_t i = 0; i < FAppearances.size(); ++i) {
        FAppearances[i]->Assign(keyboard->FAppearances[i].get());
    }
}

} // namespace ui
