#pragma once
// The two panel styles that show states rather than text: a row of coloured lights
// (TuxStatusBarStateIndicatorPanelStyle) and the keyboard's toggle keys (TuxStatusBarKeyboardStatePanelStyle),
// whose cells follow Caps Lock, Num Lock, Scroll Lock and Insert as a timer watches them. Neither is sizable: the
// panel's width is what the style needs.

#include "rtl/core/Component.h"
#include "rtl/core/SmallSet.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

#include <array>
#include <memory>
#include <vector>

namespace vcl {
class TBitmap;
class TTimer;
} // namespace vcl

namespace ui {

enum TuxStatusBarStateIndicatorType : uint8_t { sitOff, sitYellow, sitBlue, sitGreen, sitRed, sitTeal, sitPurple };

// One light: its colour's bitmap, loaded from the resources.
class TuxStatusBarStateIndicatorItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuxStatusBarStateIndicatorItem, rtl::TCollectionItem)
public:
    explicit TuxStatusBarStateIndicatorItem(rtl::TCollection* collection);
    ~TuxStatusBarStateIndicatorItem() override;

    void Assign(const rtl::TPersistent* source) override;
    TuxStatusBarStateIndicatorType IndicatorType() const { return FIndicatorType; }
    void SetIndicatorType(TuxStatusBarStateIndicatorType value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    vcl::TBitmap& Bitmap() const { return *FBitmap; }

private:
    void LoadBitmap();

    TuxStatusBarStateIndicatorType FIndicatorType = sitOff;
    bool FVisible = true;
    std::unique_ptr<vcl::TBitmap> FBitmap;
};

class TuxStatusBarStateIndicators : public rtl::TCollection {
    RTL_DECLARE_CLASS(TuxStatusBarStateIndicators, rtl::TCollection)
public:
    explicit TuxStatusBarStateIndicators(std::function<void()> onChange);
    TuxStatusBarStateIndicatorItem& Item(int32_t index) const {
        return static_cast<TuxStatusBarStateIndicatorItem&>(*Items(index));
    }
    TuxStatusBarStateIndicatorItem& Add() { return static_cast<TuxStatusBarStateIndicatorItem&>(*TCollection::Add()); }

protected:
    void Update(rtl::TCollectionItem* item) override;

private:
    std::function<void()> FOnChange;
};

class TuxStatusBarStateIndicatorPanelStyle : public TuxStatusBarPanelStyle {
    RTL_DECLARE_CLASS(TuxStatusBarStateIndicatorPanelStyle, TuxStatusBarPanelStyle)
public:
    explicit TuxStatusBarStateIndicatorPanelStyle(TuxStatusBarPanel* owner);
    ~TuxStatusBarStateIndicatorPanelStyle() override;

    TuxStatusBarStateIndicators& Indicators() const { return *FIndicators; }
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t value);

    bool IsSizable() const override { return false; }
    // The lights and the spaces round them, with the painter's margins; 20 without lights.
    int32_t GetMinWidth() const override;
    void DrawContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuxStatusBarPainter& painter) override;

protected:
    void DoAssign(const TuxStatusBarPanelStyle& source) override;

private:
    bool IsShown(const TuxStatusBarStateIndicatorItem& item) const;

    std::unique_ptr<TuxStatusBarStateIndicators> FIndicators;
    int32_t FSpacing = 4;
};

enum TuxStatusBarKeyboardState : uint8_t { uxksCapsLock, uxksNumLock, uxksScrollLock, uxksInsert };
using TuxStatusBarKeyboardStates = rtl::TSmallSet<TuxStatusBarKeyboardState>;
inline constexpr TuxStatusBarKeyboardStates uxAllKeyboardStates{uxksCapsLock, uxksNumLock, uxksScrollLock, uxksInsert};

// How one key's cell looks while the key is on and while it is off.
class TuxStatusBarKeyStateAppearance : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuxStatusBarKeyStateAppearance, rtl::TPersistent)
public:
    TuxStatusBarKeyStateAppearance(TuxStatusBarKeyboardState id, uint8_t virtualKey, vcl::TColor activeFontColor,
                                   rtl::UnicodeStringView activeCaption, rtl::UnicodeStringView inactiveCaption,
                                   std::function<void()> onChange);

    void Assign(const rtl::TPersistent* source) override;
    TuxStatusBarKeyboardState Id() const { return FId; }
    uint8_t VirtualKey() const { return FVirtualKey; }
    vcl::TColor ActiveFontColor() const { return FActiveFontColor; }
    void SetActiveFontColor(vcl::TColor value);
    vcl::TColor InactiveFontColor() const { return FInactiveFontColor; }
    void SetInactiveFontColor(vcl::TColor value);
    const rtl::UnicodeString& ActiveCaption() const { return FActiveCaption; }
    void SetActiveCaption(rtl::UnicodeStringView value);
    const rtl::UnicodeString& InactiveCaption() const { return FInactiveCaption; }
    void SetInactiveCaption(rtl::UnicodeStringView value);

private:
    void Changed();

    TuxStatusBarKeyboardState FId;
    uint8_t FVirtualKey;
    vcl::TColor FActiveFontColor;
    vcl::TColor FInactiveFontColor = vcl::clBtnShadow;
    rtl::UnicodeString FActiveCaption;
    rtl::UnicodeString FInactiveCaption;
    std::function<void()> FOnChange;
};

// Reads the watched keys' state bytes every 100 ms and lays the bar out again once when any changed.
class TuxStatusBarKeyboardStateNotifier {
public:
    explicit TuxStatusBarKeyboardStateNotifier(TuxCustomStatusBar& bar);
    ~TuxStatusBarKeyboardStateNotifier();
    TuxStatusBarKeyboardStateNotifier(const TuxStatusBarKeyboardStateNotifier&) = delete;
    TuxStatusBarKeyboardStateNotifier& operator=(const TuxStatusBarKeyboardStateNotifier&) = delete;

    // Watches the key from its current state; replaces an entry of the same key.
    void AddKey(uint8_t virtualKey);
    void RemoveKey(uint8_t virtualKey);
    // One reading of the watched keys, as the timer does it.
    void CheckKeys();

private:
    struct TWatchedKey {
        uint8_t VirtualKey;
        uint8_t LastState;
    };

    TuxCustomStatusBar& FStatusBar;
    std::unique_ptr<vcl::TTimer, rtl::TComponentDeleter> FTimer;
    std::vector<TWatchedKey> FKeys;
};

class TuxStatusBarKeyboardStatePanelStyle : public TuxStatusBarPanelStyle {
    RTL_DECLARE_CLASS(TuxStatusBarKeyboardStatePanelStyle, TuxStatusBarPanelStyle)
public:
    explicit TuxStatusBarKeyboardStatePanelStyle(TuxStatusBarPanel* owner);
    ~TuxStatusBarKeyboardStatePanelStyle() override;

    TuxStatusBarKeyboardStates KeyboardStates() const { return FKeyboardStates; }
    void SetKeyboardStates(TuxStatusBarKeyboardStates value);
    // Each key cell draws its own bevel unless FullRect.
    bool FullRect() const { return FFullRect; }
    void SetFullRect(bool value);
    TuxStatusBarKeyStateAppearance& Appearance(TuxStatusBarKeyboardState key) const { return *FAppearances[key]; }
    TuxStatusBarKeyboardStateNotifier& Notifier() const { return *FNotifier; }

    bool IsSizable() const override { return false; }
    bool DrawsOwnBorders() const override { return !FFullRect; }
    // The shown keys' cells with a separator between neighbours; 50 without keys.
    int32_t GetMinWidth() const override;
    void DrawContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuxStatusBarPainter& painter) override;
    // A key is on while it is toggled and not held down.
    bool IsKeyOn(TuxStatusBarKeyboardState key) const;

protected:
    void DoAssign(const TuxStatusBarPanelStyle& source) override;

private:
    // The wider caption with 4 pixels and the painter's margins, measured in the style's font.
    int32_t CellWidth(TuiCanvas& canvas, TuxStatusBarKeyboardState key) const;
    std::vector<TuxStatusBarKeyboardState> ShownKeys() const;

    TuxStatusBarKeyboardStates FKeyboardStates = uxAllKeyboardStates;
    bool FFullRect = false;
    std::array<std::unique_ptr<TuxStatusBarKeyStateAppearance>, 4> FAppearances;
    std::unique_ptr<TuxStatusBarKeyboardStateNotifier> FNotifier;
};

} // namespace ui
