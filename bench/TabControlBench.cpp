// The tab control beside comctl32's tab control, both showing the same 300 captions in a 914 x 364 window on the
// display Wine draws to. For each, best of three runs:
// - filling a multi-line control with the 300 tabs and painting it (the tab control inside one BeginUpdate and
//   EndUpdate of its tabs; comctl32's with its redrawing off while the items go in);
// - laying the 300 tabs out in rows again and painting, after the window's width changed by a pixel, over 10 sizes;
// - stepping a single-line control through the 300 tabs, each selected and scrolled into view and the control
//   painted.
// A timing, never a test: it asserts nothing and prints a table.

#include "bench/WindowsBenchSupport.h"
#include "rtl/WindowsApi.h"
#include "ui/core/uiCoreUnits.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "ui/pagecontrol/uiPageControlUnit.h"
#include "vcl/forms/Form.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

constexpr int TabCount = 300;
constexpr int WindowWidth = 914;
constexpr int WindowHeight = 364;
constexpr int Resizes = 10;
constexpr int Runs = 3;

using bench::Clock;
using bench::MillisecondsSince;
using bench::PumpMessages;

const char16_t* const Names[] = {u"销售清单", u"Invoice", u"税率", u"商品编码", u"Buyer", u"开票明细", u"Totals"};

std::u16string Caption(int index) {
    const std::string number = std::to_string(index + 1);
    return std::u16string(Names[index % std::size(Names)]) + u" " + std::u16string(number.begin(), number.end());
}

struct TFigures {
    double Fill = 1e300;
    double Relayout = 1e300;
    double Step = 1e300;
    void Keep(double fill, double relayout, double step) {
        Fill = std::min(Fill, fill);
        Relayout = std::min(Relayout, relayout);
        Step = std::min(Step, step);
    }
};

// A window that hosts one control over its whole client area.
class THost {
public:
    HWND Window = nullptr;

    THost() {
        static const bool registered = [] {
            WNDCLASSW windowClass{};
            windowClass.lpfnWndProc = DefWindowProcW;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = L"TallyvaneTabBench";
            return RegisterClassW(&windowClass) != 0;
        }();
        static_cast<void>(registered);
        Window = CreateWindowExW(0, L"TallyvaneTabBench", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, WindowWidth + 16,
                                 WindowHeight + 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~THost() { DestroyWindow(Window); }
    THost(const THost&) = delete;
    THost& operator=(const THost&) = delete;
};

// Changes the width by a pixel back and forth and paints each time; milliseconds per size.
template <class TResize, class TPaint>
double TimeResizes(TResize resize, TPaint paint) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < Resizes; ++i) {
        resize(WindowWidth - 1 - i % 2);
        PumpMessages();
        paint();
    }
    return MillisecondsSince(start) / Resizes;
}

void RunTabControl(TFigures& figures) {
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetPosition(vcl::poDesigned);
    form->SetBounds(0, 0, WindowWidth + 16, WindowHeight + 40);
    form->SetClientWidth(WindowWidth);
    form->SetClientHeight(WindowHeight);
    auto* control = new ui::TuiTabControl(form.get());
    control->SetParent(form.get());
    control->SetBounds(0, 0, WindowWidth, WindowHeight);
    control->LookAndFeel().SetKind(ui::lfStandard);
    control->SetMultiLine(true);
    form->Show();
    PumpMessages();

    const Clock::time_point fillStart = Clock::now();
    control->Tabs().BeginUpdate();
    for (int i = 0; i < TabCount; ++i) {
        control->Tabs().Add(Caption(i));
    }
    control->Tabs().EndUpdate();
    PumpMessages();
    UpdateWindow(control->WindowHandle());
    const double fill = MillisecondsSince(fillStart);

    const double relayout =
        TimeResizes([&](int width) { control->SetWidth(width); }, [&] { UpdateWindow(control->WindowHandle()); });

    control->SetWidth(WindowWidth);
    control->SetMultiLine(false);
    PumpMessages();
    const Clock::time_point stepStart = Clock::now();
    for (int i = 0; i < TabCount; ++i) {
        control->SetTabIndex(i);
        UpdateWindow(control->WindowHandle());
    }
    figures.Keep(fill, relayout, MillisecondsSince(stepStart) / TabCount);
}

void RunCommonTabControl(TFigures& figures) {
    THost host;
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TCS_MULTILINE, 0, 0,
                                WindowWidth, WindowHeight, host.Window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    PumpMessages();

    const Clock::time_point fillStart = Clock::now();
    SendMessageW(tabs, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < TabCount; ++i) {
        std::u16string text = Caption(i);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(text.data());
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tabs, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tabs, nullptr, TRUE);
    PumpMessages();
    UpdateWindow(tabs);
    const double fill = MillisecondsSince(fillStart);

    const double relayout =
        TimeResizes([&](int width) { SetWindowPos(tabs, nullptr, 0, 0, width, WindowHeight, SWP_NOZORDER); },
                    [&] { UpdateWindow(tabs); });

    SetWindowPos(tabs, nullptr, 0, 0, WindowWidth, WindowHeight, SWP_NOZORDER);
    SetWindowLongPtrW(tabs, GWL_STYLE, GetWindowLongPtrW(tabs, GWL_STYLE) & ~static_cast<LONG_PTR>(TCS_MULTILINE));
    SetWindowPos(tabs, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    PumpMessages();
    const Clock::time_point stepStart = Clock::now();
    for (int i = 0; i < TabCount; ++i) {
        SendMessageW(tabs, TCM_SETCURSEL, i, 0);
        InvalidateRect(tabs, nullptr, TRUE);
        UpdateWindow(tabs);
    }
    figures.Keep(fill, relayout, MillisecondsSince(stepStart) / TabCount);
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    ui::InitializeUICore();
    ui::InitializePageControlUnit();
    TFigures ours;
    TFigures common;
    for (int run = 0; run < Runs; ++run) {
        RunTabControl(ours);
        RunCommonTabControl(common);
    }
    std::printf("%d tabs in a %d x %d window, best of %d runs\n", TabCount, WindowWidth, WindowHeight, Runs);
    std::printf("%-26s %18s %18s %18s\n", "", "fill and paint", "rows again, paint", "step one tab");
    std::printf("%-26s %15.1f ms %15.2f ms %15.3f ms\n", "tab control (Tabs style)", ours.Fill, ours.Relayout,
                ours.Step);
    std::printf("%-26s %15.1f ms %15.2f ms %15.3f ms\n", "comctl32 tab control", common.Fill, common.Relayout,
                common.Step);
    std::printf("%-26s %18.2f %18.2f %18.2f\n", "ratio", ours.Fill / common.Fill, ours.Relayout / common.Relayout,
                ours.Step / common.Step);
    ui::FinalizePageControlUnit();
    ui::FinalizeUICore();
    return 0;
}
