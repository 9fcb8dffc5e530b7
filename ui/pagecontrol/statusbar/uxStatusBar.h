#pragma once
// TuxCustomStatusBar: a bar along the bottom of its parent that shows its visible panels from left to right with a
// narrow separator between neighbours. The panels that may grow share the width the fixed ones leave; a painter
// chosen from the paint style or the look and feel draws everything but the panels' content; a size grip shows when
// the bar sits in the bottom-right corner of a sizeable, restored form; clicks become panel events and the
// application's hint reaches the text panel that carries AutoHint. TuxStatusBar is the bar as forms use it.

#include "ui/core/controls/control/uiControl.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

#include <memory>
#include <vector>

namespace vcl {
class TChangeLink;
class TCustomForm;
class TCustomImageList;
} // namespace vcl

namespace ui {

class TuxThemeChangedNotificator;

enum TuxStatusBarPaintStyle : uint8_t { stpsStandard, stpsFlat, stpsXP, stpsOffice11, stpsUseLookAndFeel };

// The painter the bar takes with stpsUseLookAndFeel while its look and feel has a skin painter; nullptr until the
// skin painter's unit sets it.
extern TuxStatusBarPainterClass StatusBarSkinPainterClass;

// The layout of a bar: its visible panels and the widths of panels and separators in turn.
class TuxStatusBarViewInfo {
public:
    explicit TuxStatusBarViewInfo(TuxCustomStatusBar& bar) : FStatusBar(bar) {}
    virtual ~TuxStatusBarViewInfo() = default;
    TuxStatusBarViewInfo(const TuxStatusBarViewInfo&) = delete;
    TuxStatusBarViewInfo& operator=(const TuxStatusBarViewInfo&) = delete;

    // Lays the visible panels out over rect, the area inside the painter's border.
    virtual void Calculate(const vcl::TRect& rect);
    // The visible panel whose cell holds (x, y), or nullptr (separators hold no panel).
    TuxStatusBarPanel* PanelAtPoint(const vcl::TRect& rect, int32_t x, int32_t y) const;

    const std::vector<TuxStatusBarPanel*>& VisiblePanels() const { return FVisiblePanels; }
    // Panel, separator, panel, ...: 2n - 1 entries for n visible panels.
    const std::vector<int32_t>& Widths() const { return FWidths; }
    // The items asked for the whole width or more, so the last panel runs up to the grip.
    bool SizeGripOverlapped() const { return FSizeGripOverlapped; }

private:
    TuxCustomStatusBar& FStatusBar;
    std::vector<TuxStatusBarPanel*> FVisiblePanels; // not owned
    std::vector<int32_t> FWidths;
    bool FSizeGripOverlapped = false;
};

class TuxCustomStatusBar : public TuiControl {
    RTL_DECLARE_CLASS(TuxCustomStatusBar, TuiControl)
public:
    explicit TuxCustomStatusBar(rtl::TComponent* owner);
    ~TuxCustomStatusBar() override;

    void Dispatch(vcl::TMessage& message) override;
    void Loaded() override;

    int32_t BorderWidth() const { return FBorderWidth; }
    // A negative width becomes 0.
    void SetBorderWidth(int32_t value);
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    TuxStatusBarPaintStyle PaintStyle() const { return FPaintStyle; }
    void SetPaintStyle(TuxStatusBarPaintStyle value);
    TuxStatusBarPanels& Panels() const { return *FPanels; }
    void SetPanels(const TuxStatusBarPanels& value) { FPanels->Assign(&value); }
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    const TuxStatusBarPainter& Painter() const { return *FPainter; }
    TuxStatusBarViewInfo& ViewInfo() const { return *FViewInfo; }
    // Visual styles are active and the status theme class opens.
    bool IsThemedStatus() const { return FThemedStatus; }
    const rtl::TNotifyEvent& OnHint() const { return FOnHint; }
    void SetOnHint(rtl::TNotifyEvent handler) { FOnHint = std::move(handler); }

    // A THintAction goes to the hint panel unless OnHint takes it; whether the action was handled.
    virtual bool ExecuteAction(rtl::TObject* action);

    virtual void AdjustDefaultTextColor(vcl::TColor& /*color*/, bool /*active*/) const {}
    virtual TuxStatusBarPanel& CreatePanel();
    virtual const rtl::TMetaclass& GetDefaultPanelStyleClass() const;
    virtual TuxStatusBarPaintStyle GetEffectivePaintStyle() const;
    virtual bool IsSizeGripVisible() const;
    // Lays out again (unless the bar is going) and repaints.
    virtual void Recalculate();
    virtual bool AcceptsPanelStyleClass(TuiClass /*styleClass*/) const { return true; }
    // The visible panel under a client point, or nullptr.
    virtual TuxStatusBarPanel* HitTestPanel(int32_t x, int32_t y) const;
    // The client bounds less the painter's border widths.
    vcl::TRect GetPanelsBounds() const;
    // p from the bar's client coordinates to form's (nullptr: the bar's parent); EInvalidOperation without a parent
    // or when form is not one of the bar's parents.
    vcl::TPoint ClientToParentForm(vcl::TPoint point, const vcl::TWinControl* form) const;
    // Loading, reading, updating the panels, or going.
    bool IsLoadingOrUpdating() const;

protected:
    void Paint() override;
    void Resize() override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void FontChanged() override;
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    bool ErasesBackground() const override { return false; }
    bool NeedsScrollBars() const override { return false; }
    bool MayFocus() const override { return false; }

    virtual std::unique_ptr<TuxStatusBarViewInfo> CreateViewInfo();
    virtual void CalculateLayout();
    virtual std::unique_ptr<TuxStatusBarPanels> CreatePanels();
    // Fires OnHint; false when it is not assigned.
    virtual bool DoHint();
    virtual TuxStatusBarPainterClass GetPainterClass() const;
    virtual const rtl::TMetaclass& GetPanelClass() const;
    virtual void UpdatePainter();
    virtual void LookAndFeelChangedHook();
    virtual void ThemeChanged() { LookAndFeelChangedHook(); }

private:
    void UpdateLayout();
    void DrawPanels(TuiCanvas& canvas, const vcl::TRect& rect);
    void DrawSizeGripIfVisible(TuiCanvas& canvas, bool overlapped, const vcl::TRect& rect);
    void NonClientHitTest(vcl::TMessage& message);
    void ForEachPanelStyle(const std::function<void(TuxStatusBarPanelStyle&)>& action);
    const vcl::TCustomForm* SizeGripForm() const;

    int32_t FBorderWidth = 0;
    vcl::TCustomImageList* FImages = nullptr; // not owned, watched
    std::unique_ptr<vcl::TChangeLink> FImageChangeLink;
    TuxStatusBarPainterClass FPainter = nullptr;
    TuxStatusBarPaintStyle FPaintStyle = stpsStandard;
    std::unique_ptr<TuxStatusBarPanels> FPanels;
    bool FSizeGrip = true;
    bool FThemedStatus = false;
    std::unique_ptr<TuxThemeChangedNotificator> FThemeChangedNotificator;
    std::unique_ptr<TuxStatusBarViewInfo> FViewInfo;
    rtl::TNotifyEvent FOnHint;
    bool FDestroying = false;
};

class TuxStatusBar : public TuxCustomStatusBar {
    RTL_DECLARE_CLASS(TuxStatusBar, TuxCustomStatusBar)
public:
    explicit TuxStatusBar(rtl::TComponent* owner) : TuxCustomStatusBar(owner) {}
};

} // namespace ui
