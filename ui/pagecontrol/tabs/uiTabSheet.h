#pragma once
// TuiTabSheet: one page of a page control, a control holding other controls that fills the page area while it is the
// active page and hides otherwise. Its caption, enabled state, image, highlight and TabVisible drive its tab; its
// background is the page control's page area painted under it, so the page looks the same with or without sheets.

#include "vcl/controls/CustomControl.h"

#include <cstdint>

namespace ui {

class TuiPageControl;
class TuiTab;

class TuiTabSheet : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TuiTabSheet, vcl::TCustomControl)
public:
    explicit TuiTabSheet(rtl::TComponent* owner);
    void BeforeDestruction() override;

    void Dispatch(vcl::TMessage& message) override;
    // Only a page control, or none, is taken: the sheet leaves its page control and joins the new one, where it
    // becomes the active page when that control has none and the sheet's tab is visible. Any other parent leaves
    // the sheet where it was.
    void SetParent(vcl::TWinControl* parent) override;

    TuiPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TuiPageControl* value);
    // The tab of the sheet in its page control; nullptr while it has none.
    TuiTab* Tab() const { return FTab; }

    // The band inside the sheet that its children keep clear of; negative values become 0.
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t value);
    bool Highlighted() const { return FHighlighted; }
    void SetHighlighted(bool value);
    // A negative value is kept as -1.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    // The sheet's place among its page control's pages, -1 without a page control. A place outside the pages
    // raises EListError.
    int32_t PageIndex() const;
    void SetPageIndex(int32_t value);
    bool TabVisible() const { return FTabVisible; }
    // A sheet whose tab shows becomes the active page of a page control that has only this page and no active one.
    void SetTabVisible(bool value);

    const rtl::TNotifyEvent& OnShow() const { return FOnShow; }
    void SetOnShow(rtl::TNotifyEvent handler) { FOnShow = std::move(handler); }
    const rtl::TNotifyEvent& OnHide() const { return FOnHide; }
    void SetOnHide(rtl::TNotifyEvent handler) { FOnHide = std::move(handler); }

protected:
    void AdjustClientRect(vcl::TRect& rect) override;
    void CreateParams(vcl::TCreateParams& params) override;
    // OnShow or OnHide; what a handler raises goes to the application's exception handler.
    void ShowingChanged() override;

private:
    friend class TuiPageControl;

    // The page control repaints the tab from the sheet.
    void TabChanged();
    void EraseBackground(vcl::TMessage& message);
    // The framework's parent change, which the page control makes when it takes or gives back the sheet.
    void SetParentControl(vcl::TWinControl* parent) { vcl::TCustomControl::SetParent(parent); }

    int32_t FBorderWidth = 0;
    bool FHighlighted = false;
    int32_t FImageIndex = -1;
    TuiPageControl* FPageControl = nullptr; // not owned: the page control holds the sheet among its pages
    TuiTab* FTab = nullptr;                 // not owned: the page control's tab of the sheet
    bool FTabVisible = true;
    rtl::TNotifyEvent FOnShow;
    rtl::TNotifyEvent FOnHide;
};

} // namespace ui
