// The grid's table view showing an import, beside a virtual-mode comctl32 report list view showing the same texts, in
// a 914 x 364 window on the display Wine draws to. 200,000 records of 14 texts (a row number, Chinese product and
// unit names in code page 936, a model, amounts, a rate, a 19-digit code) go into the view's data controller
// inside one BeginUpdate/EndUpdate; the list view gets the record count and answers its texts from one compact store.
// For each, best of three runs:
// - the time from EndUpdate (the list view: setting its item count) to the end of the first paint;
// - the time to scroll a page with the vertical bar and paint it, over 50 pages;
// - the heap bytes per record: what filling and painting the view left allocated (for the list view, its text store,
//   the least a program showing the texts must keep), counted by this program's allocation functions.
// A timing, never a test: it asserts nothing and prints a table.

#include "bench/HeapCounter.h"
#include "bench/WindowsBenchSupport.h"
#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiControlScrollBars.h"
#include "ui/core/uiCoreUnits.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/grid/view/uiGridSite.h"
#include "vcl/forms/Form.h"

#include <algorithm>
#include <commctrl.h>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int RecordCount = 200000;
constexpr int ColumnCount = 14;
constexpr int WindowWidth = 914;
constexpr int WindowHeight = 364;
constexpr int ScrolledPages = 50;
constexpr int Runs = 3;

using bench::Clock;
using bench::MillisecondsSince;
using bench::PumpMessages;

const char16_t* const Captions[ColumnCount] = {
    u"序号", u"商品名称",     u"规格型号",   u"计量单位",         u"数量",       u"单价(含税)",   u"金额(含税)",
    u"税率", u"税收分类编码", u"企业自编码", u"是否使用优惠政策", u"零税率标识", u"优惠政策说明", u"差额税计算扣除额"};

const char16_t* const Products[] = {u"办公用纸",   u"打印机墨盒", u"不锈钢保温杯", u"无线鼠标",
                                    u"会议记录本", u"电源适配器", u"中性笔",       u"文件收纳盒"};
const char16_t* const Units[] = {u"箱", u"个", u"支", u"本", u"套"};

std::u16string Digits(uint64_t value) {
    const std::string text = std::to_string(value);
    return std::u16string(text.begin(), text.end());
}

// The same text for the grid and the list view.
std::u16string CellText(int record, int column) {
    const uint64_t mix = static_cast<uint64_t>(record) * 2654435761u + static_cast<uint64_t>(column) * 40503u;
    switch (column) {
    case 0:
        return Digits(record + 1);
    case 1:
        return Products[mix % std::size(Products)];
    case 2:
        return u"型号-" + Digits(mix % 900 + 100);
    case 3:
        return Units[mix % std::size(Units)];
    case 4:
        return Digits(mix % 50 + 1);
    case 5:
    case 6:
    case 13:
        return Digits(mix % 100000) + u"." + Digits(mix % 90 + 10);
    case 7:
        return u"0.13";
    case 8:
        return Digits(1090000000000000000ull + mix % 1000000000ull);
    case 9:
        return u"ZB" + Digits(mix % 1000000);
    case 10:
        return mix % 7 == 0 ? u"是" : u"否";
    case 11:
        return {};
    default:
        return mix % 7 == 0 ? u"免税" : u"";
    }
}

struct TFigures {
    double FirstPaint = 1e300;
    double ScrollPage = 1e300;
    double BytesPerRecord = 0;
    void Keep(double firstPaint, double scrollPage, double bytesPerRecord) {
        FirstPaint = std::min(FirstPaint, firstPaint);
        ScrollPage = std::min(ScrollPage, scrollPage);
        BytesPerRecord = bytesPerRecord;
    }
};

void RunGrid(TFigures& figures) {
    std::unique_ptr<vcl::TForm, rtl::TComponentDeleter> form(new vcl::TForm(nullptr));
    form->SetPosition(vcl::poDesigned);
    form->SetBounds(0, 0, WindowWidth + 16, WindowHeight + 40);
    form->SetClientWidth(WindowWidth);
    form->SetClientHeight(WindowHeight);
    auto* grid = new ui::TuiGrid(form.get());
    grid->SetParent(form.get());
    grid->SetBounds(0, 0, WindowWidth, WindowHeight);
    auto* view = new ui::TuiGridTableView(form.get());
    grid->Levels().Add().SetGridView(view);
    for (const char16_t* caption : Captions) {
        ui::TuiGridColumn* column = view->CreateColumn();
        view->DataController().ChangeValueTypeClass(column->Index(), &ui::TuiStringValueType::Instance());
        column->SetCaption(caption);
    }
    form->Show();
    bench::PumpMessages();

    const int64_t bytesBefore = bench::LiveHeapBytes();
    view->BeginUpdate();
    ui::TuiGridDataController& data = view->DataController();
    data.SetRecordCount(RecordCount);
    for (int record = 0; record < RecordCount; ++record) {
        for (int column = 0; column < ColumnCount; ++column) {
            data.SetValue(record, column, rtl::Variant(CellText(record, column).c_str()));
        }
    }
    const Clock::time_point endUpdate = Clock::now();
    view->EndUpdate();
    bench::PumpMessages();
    UpdateWindow(view->Site().Handle());
    const double firstPaint = MillisecondsSince(endUpdate);
    const double bytesPerRecord = static_cast<double>(bench::LiveHeapBytes() - bytesBefore) / RecordCount;

    const Clock::time_point scrollStart = Clock::now();
    for (int page = 0; page < ScrolledPages; ++page) {
        view->Site().VScrollBar()->ScrollByCode(ui::scPageDown);
        bench::PumpMessages();
        UpdateWindow(view->Site().Handle());
    }
    figures.Keep(firstPaint, MillisecondsSince(scrollStart) / ScrolledPages, bytesPerRecord);
}

// The list view's texts, one run of characters and where each cell's text begins: the least a program keeps.
struct TTextStore {
    std::u16string Characters;
    std::vector<uint32_t> Starts;
    void Fill() {
        Starts.reserve(static_cast<size_t>(RecordCount) * ColumnCount + 1);
        for (int record = 0; record < RecordCount; ++record) {
            for (int column = 0; column < ColumnCount; ++column) {
                Starts.push_back(static_cast<uint32_t>(Characters.size()));
                Characters += CellText(record, column);
            }
        }
        Starts.push_back(static_cast<uint32_t>(Characters.size()));
        Characters.shrink_to_fit();
    }
    std::u16string_view Text(int record, int column) const {
        const size_t cell = static_cast<size_t>(record) * ColumnCount + column;
        return std::u16string_view(Characters).substr(Starts[cell], Starts[cell + 1] - Starts[cell]);
    }
};

TTextStore* ListTexts = nullptr;

LRESULT CALLBACK ListHostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == LVN_GETDISPINFOW) {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
            if ((item.mask & LVIF_TEXT) != 0 && item.cchTextMax > 0) {
                const std::u16string_view text = ListTexts->Text(item.iItem, item.iSubItem);
                const size_t count = std::min<size_t>(text.size(), static_cast<size_t>(item.cchTextMax) - 1);
                std::copy_n(text.data(), count, reinterpret_cast<char16_t*>(item.pszText));
                item.pszText[count] = 0;
            }
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RunListView(TFigures& figures) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ListHostProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TallyvaneListViewBench";
        RegisterClassW(&windowClass);
        registered = true;
    }
    const int64_t bytesBefore = bench::LiveHeapBytes();
    TTextStore store;
    store.Fill();
    ListTexts = &store;
    HWND host =
        CreateWindowExW(0, L"TallyvaneListViewBench", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, WindowWidth + 16,
                        WindowHeight + 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0,
                                WindowWidth, WindowHeight, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int column = 0; column < ColumnCount; ++column) {
        LVCOLUMNW description{};
        description.mask = LVCF_TEXT | LVCF_WIDTH;
        description.cx = 64;
        description.pszText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(Captions[column]));
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&description));
    }
    bench::PumpMessages();

    const Clock::time_point start = Clock::now();
    SendMessageW(list, LVM_SETITEMCOUNT, RecordCount, 0);
    bench::PumpMessages();
    UpdateWindow(list);
    const double firstPaint = MillisecondsSince(start);
    const double bytesPerRecord = static_cast<double>(bench::LiveHeapBytes() - bytesBefore) / RecordCount;

    const Clock::time_point scrollStart = Clock::now();
    for (int page = 0; page < ScrolledPages; ++page) {
        SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
        bench::PumpMessages();
        UpdateWindow(list);
    }
    figures.Keep(firstPaint, MillisecondsSince(scrollStart) / ScrolledPages, bytesPerRecord);
    DestroyWindow(host);
    ListTexts = nullptr;
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    ui::InitializeGridUnit();
    TFigures grid;
    TFigures list;
    for (int run = 0; run < Runs; ++run) {
        RunGrid(grid);
        RunListView(list);
    }
    std::printf("%d records of %d texts in a %d x %d window, best of %d runs\n", RecordCount, ColumnCount, WindowWidth,
                WindowHeight, Runs);
    std::printf("%-32s %14s %14s %18s\n", "", "first paint", "scroll a page", "heap bytes/record");
    std::printf("%-32s %11.1f ms %11.2f ms %18.0f\n", "grid table view", grid.FirstPaint, grid.ScrollPage,
                grid.BytesPerRecord);
    std::printf("%-32s %11.1f ms %11.2f ms %18.0f\n", "comctl32 list view (owner data)", list.FirstPaint,
                list.ScrollPage, list.BytesPerRecord);
    std::printf("%-32s %14.1f %14.1f %18.1f\n", "ratio", grid.FirstPaint / list.FirstPaint,
                grid.ScrollPage / list.ScrollPage, grid.BytesPerRecord / list.BytesPerRecord);
    ui::FinalizeGridUnit();
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return 0;
}
