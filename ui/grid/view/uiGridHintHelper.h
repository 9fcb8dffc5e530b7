#pragma once
// TuiGridHintHelper: the hint window a grid view shows over a cell whose text does not fit. It shows while the
// application and the site's form are active and the pointer stays over the site inside the cell's area; showing the
// same text over the same place again keeps the window as it is. The application's OnShowHint handler sees every hint
// before it shows, as it sees a control's, and may change its text or window class or refuse it. A 100 ms check hides
// it once it may no longer show, and the pointer leaving the area hides it at once.

#include "rtl/core/Component.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/controls/routines/uiHintRoutines.h"
#include "ui/core/controls/services/uiMouseTracking.h"
#include "vcl/system/Types.h"

#include <memory>

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuiControl;
class TuiTimer;

class TuiGridHintHelper : public IuiMouseTrackingCaller, public IuiMouseTrackingCallerArea {
public:
    explicit TuiGridHintHelper(TuiControl& site);
    ~TuiGridHintHelper() override;
    TuiGridHintHelper(const TuiGridHintHelper&) = delete;
    TuiGridHintHelper& operator=(const TuiGridHintHelper&) = delete;

    // The application and the site's form are active, the site is shown and the pointer is over it.
    bool CanShowHint() const;
    // Shows text in font at textBounds (the site's client coordinates) while the pointer stays in areaBounds; a
    // single-line text is not broken.
    void ShowHint(const vcl::TRect& areaBounds, const vcl::TRect& textBounds, const vcl::TFont& font, bool multiLine,
                  rtl::UnicodeStringView text);
    void HideHint();
    bool IsHintShown() const;
    // nullptr before the first hint.
    vcl::THintWindow* HintWindow() const { return FHintWindow.get(); }
    // The cell's text the hint stands for (the application's handler may show another).
    const rtl::UnicodeString& HintText() const { return FHintText; }

    void MouseLeave() override { HideHint(); }
    bool PtInCaller(vcl::TPoint point) override;

private:
    vcl::THintWindow& HintWindowOfCurrentClass();
    vcl::TRect HintWindowBounds(const vcl::TRect& textBounds, bool multiLine, rtl::UnicodeStringView text);
    void CheckHint();

    TuiControl& FSite; // not owned
    TuiHintWindowPtr FHintWindow;
    std::unique_ptr<TuiTimer, rtl::TComponentDeleter> FHintChecker;
    vcl::TRect FHintAreaBounds;
    vcl::TRect FHintTextBounds;
    rtl::UnicodeString FHintText;
};

} // namespace ui
