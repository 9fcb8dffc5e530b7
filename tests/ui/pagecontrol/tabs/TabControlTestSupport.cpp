#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"

#include "tests/support/ui/MessagePump.h"

#include <string>

namespace ui_test {

TTabControlForm ShowTabControlForm(int width, int height, TFormPlacement placement) {
    TTabControlForm result{CreateTestForm<vcl::TForm>()};
    result.Control = new ui::TuiTabControl(result.Form.get());
    result.Control->LookAndFeel().SetKind(ui::lfStandard);
    result.Control->SetBounds(0, 0, width, height);
    result.Control->SetParent(result.Form.get());
    ShowTestForm(*result.Form, width, height, placement);
    PumpMessages(0);
    return result;
}

void AddTabs(ui::TuiTabControl& control, std::initializer_list<const char16_t*> captions) {
    for (const char16_t* caption : captions) {
        control.Tabs().Add(caption);
    }
}

void AddNumberedTabs(ui::TuiTabControl& control, int count) {
    control.Tabs().BeginUpdate();
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(i);
        control.Tabs().Add(u"Tab " + std::u16string(number.begin(), number.end()));
    }
    control.Tabs().EndUpdate();
}

std::unique_ptr<TDibSurface> PaintTabControl(ui::TuiCustomTabControl& control) {
    auto surface = std::make_unique<TDibSurface>(control.Width(), control.Height());
    PaintControl(control, *surface);
    return surface;
}

vcl::TPoint TabCenter(const ui::TuiCustomTabControl& control, int visibleIndex) {
    const vcl::TRect rect = control.VisibleTabs().Tab(visibleIndex).GetVisibleRect();
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

TPageControlForm ShowPageControlForm(int width, int height, std::initializer_list<const char16_t*> captions,
                                     TFormPlacement placement) {
    TPageControlForm result{CreateTestForm<vcl::TForm>()};
    result.Control = new ui::TuiPageControl(result.Form.get());
    result.Control->LookAndFeel().SetKind(ui::lfStandard);
    result.Control->SetBounds(0, 0, width, height);
    result.Control->SetParent(result.Form.get());
    for (const char16_t* caption : captions) {
        auto* page = new ui::TuiTabSheet(result.Form.get());
        page->SetCaption(caption);
        page->SetPageControl(result.Control);
        result.Pages.push_back(page);
    }
    ShowTestForm(*result.Form, width, height, placement);
    PumpMessages(0);
    return result;
}

} // namespace ui_test
