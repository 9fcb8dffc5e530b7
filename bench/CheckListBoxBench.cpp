// The check list box beside the platform's: our TuiCheckListBox with 10,000 items under cvfStatesString, and a user32
// owner-draw LISTBOX of the same items whose parent draws each row's check with DrawFrameControl and its text, each in
// a window of the same size. Three figures for each: the first paint once the window shows, paging down from the
// first item to the last (a page a step, painted before the next), and 100 toggles of rows on the last page by
// selecting the row and typing a space, painted after each. The first paint includes laying the strings into the
// window. Both receive the same messages, sent. Best of three runs. A
// timing, never a test: it asserts nothing and prints a table.

#include "bench/WindowsBenchSupport.h"
#include "rtl/WindowsApi.h"
#include "ui/core/uiCoreUnits.h"
#include "ui/editors/choice/checklistbox/uiCheckListBox.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "vcl/forms/Form.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ItemCount = 10000;
constexpr int ToggleCount = 100;
constexpr int ListWidth = 240;
constexpr int ListHeight = 400;
constexpr int PeerRowHeight = 16;
constexpr int PeerCheckSize = 13;
constexpr int Runs = 3;

struct TTimes {
    double FirstPaint = 1e300;
    double Paging = 1e300;
    double Toggles = 1e300;
    int Checked = 0;

    void KeepBest(const TTimes& run) {
        FirstPaint = std::min(FirstPaint, run.FirstPaint);
        Paging = std::min(Paging, run.Paging);
        Toggles = std::min(Toggles, run.Toggles);
        Checked = run.Checked;
    }
};

std::wstring ItemText(int index) {
    return L"Item " + std::to_wstring(index) + L" 含税金额";
}

// Pages down until the first visible row stops moving, the list painted after every page.
double PageThrough(HWND list) {
    const bench::Clock::time_point start = bench::Clock::now();
    LRESULT top = -1;
    while (SendMessageW(list, LB_GETTOPINDEX, 0, 0) != top) {
        top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(list);
    }
    return bench::MillisecondsSince(start);
}

// Toggles rows of the page shown, one after another, by selecting each and typing a space.
template <class TSelect>
double ToggleRows(HWND list, const TSelect& select) {
    const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const bench::Clock::time_point start = bench::Clock::now();
    for (int toggle = 0; toggle < ToggleCount; ++toggle) {
        select(std::min(ItemCount - 1, top + toggle % 8));
        SendMessageW(list, WM_CHAR, L' ', 0);
        UpdateWindow(list);
    }
    return bench::MillisecondsSince(start);
}

TTimes RunCheckListBox() {
    TTimes times;
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetPosition(vcl::poDesigned);
    form->SetBounds(0, 0, ListWidth + 16, ListHeight + 40);
    form->SetClientWidth(ListWidth);
    form->SetClientHeight(ListHeight);
    auto* list = new ui::TuiCheckListBox(form.get());
    list->SetParent(form.get());
    list->SetBounds(0, 0, ListWidth, ListHeight);
    list->SetEditValueFormat(ui::cvfStatesString);
    list->Items().BeginUpdate();
    for (int index = 0; index < ItemCount; ++index) {
        const std::wstring text = ItemText(index);
        list->Items().AddItem()->SetText(rtl::UnicodeString(text.begin(), text.end()));
    }
    list->Items().EndUpdate();

    bench::Clock::time_point start = bench::Clock::now();
    form->Show();
    UpdateWindow(form->Handle());
    times.FirstPaint = bench::MillisecondsSince(start);
    bench::PumpMessages();

    const HWND inner = list->InnerCheckListBox().Handle();
    times.Paging = PageThrough(inner);
    bench::PumpMessages();
    times.Toggles = ToggleRows(inner, [list](int index) { list->InnerCheckListBox().SetItemIndex(index); });
    for (int index = 0; index < ItemCount; ++index) {
        times.Checked += list->Items().GetItem(index)->Checked() ? 1 : 0;
    }
    return times;
}

// The peer's states and its parent window, which draws the rows.
std::vector<bool> PeerStates;

void DrawPeerRow(const DRAWITEMSTRUCT& draw) {
    if (draw.itemID == static_cast<UINT>(-1)) {
        return;
    }
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int top = draw.rcItem.top + (draw.rcItem.bottom - draw.rcItem.top - PeerCheckSize) / 2;
    RECT check{draw.rcItem.left + 2, top, draw.rcItem.left + 2 + PeerCheckSize, top + PeerCheckSize};
    DrawFrameControl(draw.hDC, &check, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (PeerStates[draw.itemID] ? DFCS_CHECKED : 0));
    wchar_t text[64];
    const auto length =
        static_cast<int>(SendMessageW(draw.hwndItem, LB_GETTEXT, draw.itemID, reinterpret_cast<LPARAM>(text)));
    RECT textRect = draw.rcItem;
    textRect.left = check.right + 3;
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextExW(draw.hDC, text, length, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, nullptr);
}

LRESULT CALLBACK PeerHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = PeerRowHeight;
        return TRUE;
    case WM_DRAWITEM:
        DrawPeerRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

WNDPROC PeerListProc = nullptr;

// A typed space toggles the current row and repaints it.
LRESULT CALLBACK PeerListSpaceProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && wParam == L' ') {
        const auto index = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
        if (index >= 0) {
            PeerStates[static_cast<size_t>(index)] = !PeerStates[static_cast<size_t>(index)];
            RECT row{};
            SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
            InvalidateRect(list, &row, FALSE);
        }
        return 0;
    }
    return CallWindowProcW(PeerListProc, list, message, wParam, lParam);
}

TTimes RunOwnerDrawListBox() {
    TTimes times;
    PeerStates.assign(ItemCount, false);
    WNDCLASSW hostClass{};
    hostClass.lpfnWndProc = PeerHostProc;
    hostClass.hInstance = GetModuleHandleW(nullptr);
    hostClass.lpszClassName = L"CheckListBoxBenchHost";
    RegisterClassW(&hostClass);
    HWND host = CreateWindowExW(0, hostClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                                ListWidth + 16, ListHeight + 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                                    LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                                0, 0, ListWidth, ListHeight, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    PeerListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PeerListSpaceProc)));
    std::vector<std::wstring> texts;
    for (int index = 0; index < ItemCount; ++index) {
        texts.push_back(ItemText(index));
    }

    // Like ours, whose window takes its strings when it is made, the window takes them in the time of the first paint.
    bench::Clock::time_point start = bench::Clock::now();
    for (const std::wstring& text : texts) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ShowWindow(host, SW_SHOWNORMAL);
    UpdateWindow(host);
    times.FirstPaint = bench::MillisecondsSince(start);
    bench::PumpMessages();

    times.Paging = PageThrough(list);
    bench::PumpMessages();
    times.Toggles = ToggleRows(list, [list](int index) { SendMessageW(list, LB_SETCURSEL, index, 0); });
    times.Checked = static_cast<int>(std::count(PeerStates.begin(), PeerStates.end(), true));
    DestroyWindow(host);
    UnregisterClassW(hostClass.lpszClassName, GetModuleHandleW(nullptr));
    return times;
}

void PrintRow(const char* name, const TTimes& times) {
    std::printf("%-30s %9.1f ms %9.1f ms %9.1f ms %8d\n", name, times.FirstPaint, times.Paging, times.Toggles,
                times.Checked);
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&init);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    TTimes ours;
    TTimes platform;
    for (int run = 0; run < Runs; ++run) {
        ours.KeepBest(RunCheckListBox());
        platform.KeepBest(RunOwnerDrawListBox());
    }
    std::printf("%d items under cvfStatesString: first paint, paging to the end, %d toggles; best of %d runs\n",
                ItemCount, ToggleCount, Runs);
    std::printf("%-30s %12s %12s %12s %8s\n", "", "first paint", "paging", "toggles", "checked");
    PrintRow("TuiCheckListBox", ours);
    PrintRow("user32 owner-draw LISTBOX", platform);
    std::printf("%-30s %12.2f %12.2f %12.2f\n", "ratio", ours.FirstPaint / platform.FirstPaint,
                ours.Paging / platform.Paging, ours.Toggles / platform.Toggles);
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return 0;
}
