#pragma once
// The panels of a status bar. A panel owns its geometry (width, minimum width, fixed flag, bevel), its text and
// visibility and its events; what it shows inside its bevel is delegated to a panel style object, whose class is
// chosen by name from the registry of panel styles. Every change of a panel or its style ends in the bar's
// Recalculate.

#include "rtl/core/Collection.h"
#include "rtl/core/Events.h"
#include "ui/core/objects/uiClassRegistries.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPainter.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <functional>
#include <memory>

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuxStatusBarPanel;

// Draws what lies inside a panel's bevel: the base paints the painter's panel background.
class TuxStatusBarPanelStyle : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuxStatusBarPanelStyle, rtl::TPersistent)
public:
    // Styles are made from the registry's metaclasses with the panel they belong to.
    using TConstructorArgument = TuxStatusBarPanel*;

    // Takes the bar's font at once (ParentFont).
    explicit TuxStatusBarPanelStyle(TuxStatusBarPanel* owner);
    ~TuxStatusBarPanelStyle() override;

    // From another style: DoAssign inside one update of the panels.
    void Assign(const rtl::TPersistent* source) override;

    TuxStatusBarPanel& Panel() const { return *FOwner; }
    TuxCustomStatusBar& StatusBar() const;

    vcl::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(vcl::TAlignment value);
    // The assigned colour, else GetDefaultColor.
    vcl::TColor Color() const;
    void SetColor(vcl::TColor value);
    bool IsColorAssigned() const { return FColorAssigned; }
    vcl::TFont& Font() const { return *FFont; }
    // Changing the font clears ParentFont.
    void SetFont(const vcl::TFont& value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // A clDefault colour becomes the bar's default text colour.
    virtual void AdjustTextColor(vcl::TColor& color, bool active) const;
    virtual bool CanDelete() const { return true; }
    // False: the panel is always fixed and its widths come from the style.
    virtual bool IsSizable() const { return true; }
    virtual void Changed();
    // Keeps rect off the size grip when the panel is the collection's last and the grip shows.
    virtual void AdjustRectForSizeGrip(vcl::TRect& rect) const;
    virtual vcl::TColor GetDefaultColor() const;
    virtual void DrawContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuxStatusBarPainter& painter);
    virtual int32_t GetMinWidth() const { return 20; }
    // True: the style draws bevels of its own and the panel none.
    virtual bool DrawsOwnBorders() const { return false; }
    virtual void Loaded() {}
    virtual void VisibleChanged() {}
    // With ParentFont the bar's font is taken again.
    virtual void ParentFontChanged();
    virtual void RestoreDefaults();

protected:
    // RestoreDefaults, then the source's alignment, colour and font when they are its own; descendants copy their
    // properties after these when the source is of their class.
    virtual void DoAssign(const TuxStatusBarPanelStyle& source);

private:
    void FontChanged();

    TuxStatusBarPanel* FOwner; // not owned: the panel owns its style
    vcl::TAlignment FAlignment = vcl::taLeftJustify;
    vcl::TColor FColor = vcl::clDefault;
    bool FColorAssigned = false;
    std::unique_ptr<vcl::TFont> FFont;
    bool FParentFont = true;
    bool FSettingFont = false;
};

using TuxStatusBarDrawPanelEvent =
    std::function<void(TuxStatusBarPanel* sender, TuiCanvas& canvas, const vcl::TRect& rect, bool& done)>;

class TuxStatusBarPanel : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuxStatusBarPanel, rtl::TCollectionItem)
public:
    // Outside loading a new panel gets the bar's default style and its bidirectional mode.
    explicit TuxStatusBarPanel(rtl::TCollection* collection);
    ~TuxStatusBarPanel() override;

    void Assign(const rtl::TPersistent* source) override;
    // The text, else the collection item's name.
    rtl::UnicodeString GetDisplayName() const override;

    TuxCustomStatusBar& StatusBar() const;

    TuxStatusBarPanelBevel Bevel() const { return FBevel; }
    void SetBevel(TuxStatusBarPanelBevel value);
    vcl::TBiDiMode BiDiMode() const { return FBiDiMode; }
    // Clears ParentBiDiMode.
    void SetBiDiMode(vcl::TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    // True takes the bar's mode.
    void SetParentBiDiMode(bool value);
    // Always true for a style that is not sizable.
    bool Fixed() const;
    void SetFixed(bool value);
    int32_t MinWidth() const;
    // At least 0; raises Width to the new minimum.
    void SetMinWidth(int32_t value);
    int32_t Width() const;
    // At least the stored minimum.
    void SetWidth(int32_t value);
    const rtl::UnicodeString& Text() const { return FText; }
    void SetText(rtl::UnicodeStringView value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    TuxStatusBarPanelStyle* PanelStyle() const { return FPanelStyle.get(); }
    // Assigns value into the existing style (nothing without one).
    void SetPanelStyle(const TuxStatusBarPanelStyle* value);
    TuiClass PanelStyleClass() const { return FPanelStyleClass; }
    // Frees the style and makes one of the new class, when the bar accepts it.
    void SetPanelStyleClass(TuiClass value);
    // Empty without a style.
    rtl::UnicodeString PanelStyleClassName() const;
    // A name the registry does not hold leaves the panel without a style.
    void SetPanelStyleClassName(rtl::UnicodeStringView value);

    const rtl::TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(rtl::TNotifyEvent handler) { FOnClick = std::move(handler); }
    const rtl::TNotifyEvent& OnDblClick() const { return FOnDblClick; }
    void SetOnDblClick(rtl::TNotifyEvent handler) { FOnDblClick = std::move(handler); }
    const TuxStatusBarDrawPanelEvent& OnDrawPanel() const { return FOnDrawPanel; }
    void SetOnDrawPanel(TuxStatusBarDrawPanelEvent handler) { FOnDrawPanel = std::move(handler); }

    virtual void DoClick();
    virtual void DoDblClick();
    // The widths the layout asks for: MinWidth and Width with the style's border and the grip's width.
    int32_t GetRealMinWidth() const;
    int32_t GetRealWidth() const;
    // This panel changed: the bar lays out and repaints.
    virtual void Changed();
    virtual void ResetDefaults();
    // The collection's last panel, visible or not.
    bool IsLastPanel() const;

protected:
    virtual void CreatePanelStyle();
    // Refuses (EuxException) a style that may not be deleted, except while the bar loads, updates or goes.
    virtual void FreePanelStyle();
    virtual int32_t GetDefaultMinWidth() const;
    virtual int32_t GetDefaultWidth() const;
    virtual int32_t AdjustWidthForStyle(int32_t width) const;

private:
    bool IsSizableStyle() const { return !FPanelStyle || FPanelStyle->IsSizable(); }

    TuxStatusBarPanelBevel FBevel = uxpbLowered;
    vcl::TBiDiMode FBiDiMode = vcl::bdLeftToRight;
    bool FFixed = true;
    bool FMinWidthAssigned = false;
    bool FWidthAssigned = false;
    int32_t FMinWidth = 20;
    std::unique_ptr<TuxStatusBarPanelStyle> FPanelStyle;
    TuiClass FPanelStyleClass = nullptr;
    bool FParentBiDiMode = true;
    rtl::UnicodeString FText;
    bool FVisible = true;
    int32_t FWidth = 50;
    rtl::TNotifyEvent FOnClick;
    rtl::TNotifyEvent FOnDblClick;
    TuxStatusBarDrawPanelEvent FOnDrawPanel;
};

class TuxStatusBarPanels : public rtl::TOwnedCollection {
    RTL_DECLARE_CLASS(TuxStatusBarPanels, rtl::TOwnedCollection)
public:
    TuxStatusBarPanels(TuxCustomStatusBar* bar, const rtl::TMetaclass& panelClass);

    TuxCustomStatusBar& StatusBar() const { return *FStatusBar; }
    // EListError for an index out of range.
    TuxStatusBarPanel& Item(int32_t index) const { return static_cast<TuxStatusBarPanel&>(*Items(index)); }
    TuxStatusBarPanel& Add() { return static_cast<TuxStatusBarPanel&>(*rtl::TCollection::Add()); }

protected:
    // Any change lays the bar out again.
    void Update(rtl::TCollectionItem* item) override;

private:
    TuxCustomStatusBar* FStatusBar; // not owned: the bar owns its panels
};

// The panel styles a panel may take, in the order of registration: text, container, keyboard state, state indicator.
// Made on first use.
TuiRegisteredClasses& GetRegisteredStatusBarPanelStyles();
// Start-up registers the four styles with their descriptions; shut-down removes them in the same order.
void InitializeStatusBarUnit();
void FinalizeStatusBarUnit();

} // namespace ui
