#pragma once
// What the tab control's tests share: a shown form holding a tab control (or a page control with its pages), tabs
// added by caption or by number, the control painted on a 32-bit surface, and a look and feel pinned for the test.

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/pagecontrol/PageControlTestColors.h"
#include "ui/pagecontrol/tabs/uiPageControl.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "ui/pagecontrol/tabs/uiTabSheet.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace ui_test {

struct TTabControlForm {
    TFormPtr<vcl::TForm> Form;
    ui::TuiTabControl* Control = nullptr; // owned by the form
};

// A form shown where placement says, holding a tab control of that size at its corner, with the standard look
// (the Tabs style) and no tabs.
TTabControlForm ShowTabControlForm(int width, int height, TFormPlacement placement = TFormPlacement::OffScreen);
void AddTabs(ui::TuiTabControl& control, std::initializer_list<const char16_t*> captions);
// count tabs captioned "Tab 0", "Tab 1", ...
void AddNumberedTabs(ui::TuiTabControl& control, int count);
// The control painted on a surface of its size, first filled with fuchsia.
std::unique_ptr<TDibSurface> PaintTabControl(ui::TuiCustomTabControl& control);
// The centre of the visible tab's rectangle.
vcl::TPoint TabCenter(const ui::TuiCustomTabControl& control, int visibleIndex);

struct TPageControlForm {
    TFormPtr<vcl::TForm> Form;
    ui::TuiPageControl* Control = nullptr; // owned by the form
    std::vector<ui::TuiTabSheet*> Pages;   // owned by the form
};

// A form shown where placement says, holding a page control of that size at its corner with the standard look (the
// Tabs style) and one page per caption, given to it in order.
TPageControlForm ShowPageControlForm(int width, int height, std::initializer_list<const char16_t*> captions,
                                     TFormPlacement placement = TFormPlacement::OffScreen);

} // namespace ui_test
