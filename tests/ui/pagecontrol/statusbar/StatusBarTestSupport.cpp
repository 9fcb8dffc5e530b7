#include "tests/ui/pagecontrol/statusbar/StatusBarTestSupport.h"

#include "tests/support/ui/MessagePump.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"

namespace ui_test {

TStatusBarForm ShowStatusBarForm(int clientWidth, vcl::TFormBorderStyle borderStyle, int clientHeight) {
    TStatusBarForm result{CreateTestForm<vcl::TForm>()};
    result.Form->SetBorderStyle(borderStyle);
    result.Bar = new ui::TuxStatusBar(result.Form.get());
    result.Bar->SetParent(result.Form.get());
    ShowTestForm(*result.Form, clientWidth, clientHeight, TFormPlacement::OffScreen);
    PumpMessages(0);
    return result;
}

void AddApplicationPanels(ui::TuxCustomStatusBar& bar) {
    bar.Panels().BeginUpdate();
    bar.CreatePanel().SetWidth(350);
    ui::TuxStatusBarPanel& path = bar.CreatePanel();
    path.SetWidth(120);
    auto& style = static_cast<ui::TuxStatusBarTextPanelStyle&>(*path.PanelStyle());
    style.SetAlignment(vcl::taCenter);
    style.SetEllipsisType(ui::uxetSmartPath);
    bar.CreatePanel();
    bar.Panels().EndUpdate();
}

std::unique_ptr<TDibSurface> PaintStatusBar(ui::TuxCustomStatusBar& bar) {
    auto surface = std::make_unique<TDibSurface>(bar.Width(), bar.Height());
    PaintControl(bar, *surface);
    return surface;
}

std::vector<int> CellLefts(const ui::TuxCustomStatusBar& bar) {
    std::vector<int> lefts;
    int left = bar.GetPanelsBounds().Left;
    for (int width : bar.ViewInfo().Widths()) {
        lefts.push_back(left);
        left += width;
    }
    return lefts;
}

} // namespace ui_test
