#pragma once
// What the status bar's tests share: a shown form with a status bar along its bottom, the application's three text
// panels, and the bar painted on a 32-bit surface.

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/pagecontrol/PageControlTestColors.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "vcl/graphics/Colors.h"

#include <memory>

namespace ui_test {

// The bar's width in the application's main form.
inline constexpr int ApplicationBarWidth = 914;

struct TStatusBarForm {
    TFormPtr<vcl::TForm> Form;
    ui::TuxStatusBar* Bar = nullptr; // owned by the form
};

// A form of that client size and border style, shown off the visible screen, holding a status bar (aligned to the
// bottom) without panels.
TStatusBarForm ShowStatusBarForm(int clientWidth, vcl::TFormBorderStyle borderStyle = vcl::bsSingle,
                                 int clientHeight = 120);
// The application's panels: 350 wide, 120 wide centred with the smart path ellipsis, and one of the default width.
void AddApplicationPanels(ui::TuxCustomStatusBar& bar);
// The bar painted on a surface of its size, first filled with fuchsia.
std::unique_ptr<TDibSurface> PaintStatusBar(ui::TuxCustomStatusBar& bar);
// The left edge of each visible panel's cell and of each separator, in the order of the layout's widths.
std::vector<int> CellLefts(const ui::TuxCustomStatusBar& bar);

} // namespace ui_test
