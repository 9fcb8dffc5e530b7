// The check box beside the platform's: 200 of our TuiCheckBox and 200 comctl32 BS_AUTOCHECKBOX buttons, each on a
// window of its own kind in the same grid of places, are hovered across and toggled one by one as a user does with
// the mouse: the pointer crosses each box in three moves, then a click on its check toggles it, and the window
// repaints before the next box. Both receive the same messages (sent, with the pointer placed where they say); the
// time covers their handling and painting. Best of three runs. A timing, never a test: it asserts nothing and prints
// a table.

#include "bench/WindowsBenchSupport.h"
#include "rtl/WindowsApi.h"
#include "ui/core/uiCoreUnits.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "vcl/forms/Form.h"

#include <algorithm>
#include <chrono>
#include <commctrl.h>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int BoxCount = 200;
constexpr int Columns = 10;
constexpr int BoxWidth = 120;
constexpr int BoxHeight = 21;
constexpr int Gap = 4;
constexpr int Runs = 3;
// Where the pointer crosses a box, as parts of its width; the last one is on the check.
constexpr int HoverSteps[] = {100, 50, 8};

RECT BoxPlace(int index) {
    const int left = Gap + (index % Columns) * (BoxWidth + Gap);
    const int top = Gap + (index / Columns) * (BoxHeight + Gap);
    return {left, top, left + BoxWidth, top + BoxHeight};
}

int ClientWidth() {
    return Gap + Columns * (BoxWidth + Gap);
}

int ClientHeight() {
    return Gap + (BoxCount + Columns - 1) / Columns * (BoxHeight + Gap);
}

// The pointer to point of box, then the message sent there.
void SendMouse(HWND box, UINT message, WPARAM keys, POINT point) {
    POINT screen = point;
    ClientToScreen(box, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(box, message, keys, MAKELPARAM(point.x, point.y));
}

// Crosses every box and clicks its check, the window repainted after each step; answers the time taken.
double HoverAndToggle(const std::vector<HWND>& boxes, HWND window) {
    const bench::Clock::time_point start = bench::Clock::now();
    for (HWND box : boxes) {
        const int middle = BoxHeight / 2;
        for (const int step : HoverSteps) {
            SendMouse(box, WM_MOUSEMOVE, 0, {BoxWidth * step / 100 - (step == 100 ? 1 : 0), middle});
            bench::PumpMessages();
            UpdateWindow(window);
        }
        const POINT check{BoxWidth * HoverSteps[2] / 100, middle};
        SendMouse(box, WM_LBUTTONDOWN, MK_LBUTTON, check);
        SendMouse(box, WM_LBUTTONUP, 0, check);
        bench::PumpMessages();
        UpdateWindow(window);
    }
    return bench::MillisecondsSince(start);
}

double RunCheckBoxes(int& checked) {
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetPosition(vcl::poDesigned);
    form->SetBounds(0, 0, ClientWidth() + 16, ClientHeight() + 40);
    form->SetClientWidth(ClientWidth());
    form->SetClientHeight(ClientHeight());
    std::vector<ui::TuiCheckBox*> boxes;
    for (int index = 0; index < BoxCount; ++index) {
        auto* box = new ui::TuiCheckBox(form.get());
        box->SetParent(form.get());
        const RECT place = BoxPlace(index);
        box->SetAutoSize(false);
        box->SetBounds(place.left, place.top, BoxWidth, BoxHeight);
        box->SetCaption(u"含税金额");
        boxes.push_back(box);
    }
    form->Show();
    bench::PumpMessages();
    UpdateWindow(form->Handle());
    std::vector<HWND> windows;
    for (ui::TuiCheckBox* box : boxes) {
        windows.push_back(box->Handle());
    }
    const double time = HoverAndToggle(windows, form->Handle());
    checked = static_cast<int>(
        std::count_if(boxes.begin(), boxes.end(), [](ui::TuiCheckBox* box) { return box->Checked(); }));
    return time;
}

double RunButtons(int& checked) {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, ClientWidth() + 16,
                        ClientHeight() + 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    std::vector<HWND> boxes;
    for (int index = 0; index < BoxCount; ++index) {
        const RECT place = BoxPlace(index);
        boxes.push_back(CreateWindowExW(0, L"BUTTON", L"含税金额", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, place.left,
                                        place.top, BoxWidth, BoxHeight, window, nullptr, GetModuleHandleW(nullptr),
                                        nullptr));
    }
    bench::PumpMessages();
    UpdateWindow(window);
    const double time = HoverAndToggle(boxes, window);
    checked = static_cast<int>(std::count_if(
        boxes.begin(), boxes.end(), [](HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    DestroyWindow(window);
    return time;
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&init);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    double ours = 1e300;
    double platform = 1e300;
    int oursChecked = 0;
    int platformChecked = 0;
    for (int run = 0; run < Runs; ++run) {
        ours = std::min(ours, RunCheckBoxes(oursChecked));
        platform = std::min(platform, RunButtons(platformChecked));
    }
    std::printf("%d check boxes hovered across and toggled one by one, best of %d runs\n", BoxCount, Runs);
    std::printf("%-34s %12s %12s %10s\n", "", "total", "per box", "checked");
    std::printf("%-34s %9.1f ms %9.3f ms %10d\n", "TuiCheckBox", ours, ours / BoxCount, oursChecked);
    std::printf("%-34s %9.1f ms %9.3f ms %10d\n", "comctl32 BS_AUTOCHECKBOX button", platform, platform / BoxCount,
                platformChecked);
    std::printf("%-34s %12.2f\n", "ratio", ours / platform);
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return 0;
}
