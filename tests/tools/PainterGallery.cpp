// The painter gallery: a window showing the table of drawing operations that the painter tests walk, one row per
// operation and one column per painter (the default painter, the five looks and the three built-in skins), for
// looking at the looks side by side. The page to show (0 first) is the only argument; each page holds two bands of
// rows. A page name instead shows one control in every look:
//   statusbar      the status bar
//   buttons        the push button
//   filtercontrol  the filter control
//   tabs           the tab control in each painter style on its four sides, with a page control
//   spin           the spin editor's button arrangements
//   gridcells      a grid whose cells custom-draw handlers change
//   navigator      the navigator bar
//   calendar       the month calendar in its two kinds
//   memoimage      the memo and the image editor
//   listboxes      the styled list box and the check list box

#include "rtl/WindowsApi.h"
#include "tests/tools/ButtonGallery.h"
#include "tests/tools/CalendarGallery.h"
#include "tests/tools/FilterControlGallery.h"
#include "tests/tools/GridCellsGallery.h"
#include "tests/tools/ListBoxGallery.h"
#include "tests/tools/MemoImageGallery.h"
#include "tests/tools/NavigatorGallery.h"
#include "tests/tools/SpinGallery.h"
#include "tests/tools/StatusBarGallery.h"
#include "tests/tools/TabsGallery.h"
#include "tests/ui/core/painters/PainterOperations.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/uiCoreUnits.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/editors/image/uiImage.h"
#include "ui/pagecontrol/skins/uxPCSkinsUnit.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"
#include "ui/pagecontrol/uiPageControlUnit.h"
#include "vcl/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int32_t NameWidth = 200;
constexpr int32_t ColumnWidth = ui::PainterCaseWidth + 4;
constexpr int32_t RowHeight = ui::PainterCaseHeight + 4;
constexpr int32_t HeaderHeight = 24;
constexpr int32_t BandsPerPage = 2;
constexpr int32_t RowsPerBand = 21;
constexpr int32_t WindowWidth = 1600;
constexpr int32_t WindowHeight = HeaderHeight + RowsPerBand * RowHeight + 40;

struct TGallery {
    std::vector<ui::TPainterLook> Looks = ui::PainterLooks();
    std::vector<ui::TPainterDrawingCase> Cases = ui::PainterDrawingCases();
    int32_t Page = 0;
};

TGallery* Gallery = nullptr;

rtl::UnicodeString Widen(const std::string& text) {
    return rtl::UnicodeString(text.begin(), text.end());
}

int32_t BandWidth(const TGallery& gallery) {
    return NameWidth + static_cast<int32_t>(gallery.Looks.size()) * ColumnWidth + 16;
}

void PaintCell(ui::TuiCanvas& canvas, const ui::TPainterDrawingCase& drawing, const ui::TPainterLook& look,
               vcl::TPoint at) {
    ui::TuiBitmap cell(ui::PainterCaseWidth, ui::PainterCaseHeight, vcl::pf32bit);
    cell.Canvas().FillRectColor(cell.GetClientRect(), vcl::clWindow);
    drawing.Paint(*look.Painter, cell.Canvas(), ui::PainterCaseRect);
    const vcl::TRect target{at.X, at.Y, at.X + ui::PainterCaseWidth, at.Y + ui::PainterCaseHeight};
    canvas.CopyRectFrom(target, cell.Canvas(), cell.GetClientRect());
}

void PaintBand(ui::TuiCanvas& canvas, const TGallery& gallery, int32_t band, int32_t firstCase) {
    const int32_t left = band * BandWidth(gallery);
    vcl::TCanvas& text = canvas.Canvas();
    text.Brush().SetStyle(vcl::bsClear);
    for (size_t look = 0; look < gallery.Looks.size(); ++look) {
        text.TextOut(left + NameWidth + static_cast<int32_t>(look) * ColumnWidth, 4, Widen(gallery.Looks[look].Name));
    }
    const int32_t count = static_cast<int32_t>(gallery.Cases.size());
    for (int32_t row = 0; row < RowsPerBand && firstCase + row < count; ++row) {
        const ui::TPainterDrawingCase& drawing = gallery.Cases[static_cast<size_t>(firstCase + row)];
        const int32_t top = HeaderHeight + row * RowHeight;
        text.TextOut(left + 4, top + RowHeight / 2 - 8, Widen(drawing.Name));
        for (size_t look = 0; look < gallery.Looks.size(); ++look) {
            PaintCell(canvas, drawing, gallery.Looks[look],
                      {left + NameWidth + static_cast<int32_t>(look) * ColumnWidth, top});
        }
    }
}

void PaintGallery(HDC dc, const TGallery& gallery) {
    vcl::TCanvas frame;
    frame.SetHandle(dc);
    {
        ui::TuiCanvas canvas(frame);
        canvas.FillRectColor({0, 0, WindowWidth, WindowHeight}, vcl::clBtnFace);
        for (int32_t band = 0; band < BandsPerPage; ++band) {
            PaintBand(canvas, gallery, band, (gallery.Page * BandsPerPage + band) * RowsPerBand);
        }
    }
    frame.SetHandle(nullptr);
}

LRESULT CALLBACK GalleryWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        PaintGallery(dc, *Gallery);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string page = argc > 1 ? argv[1] : "";
    ui::InitializeUICore();
    if (page == "buttons" || page == "spin" || page == "calendar") {
        ui::InitializeEditFrameworkUnit();
        const int result = page == "spin"       ? RunSpinGallery()
                           : page == "calendar" ? RunCalendarGallery()
                                                : RunButtonGallery();
        ui::FinalizeEditFrameworkUnit();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "gridcells") {
        const int result = gallery::ShowGridCellsGallery();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "memoimage") {
        ui::InitializeEditFrameworkUnit();
        ui::InitializeImageUnit();
        const int result = RunMemoImageGallery();
        ui::FinalizeImageUnit();
        ui::FinalizeEditFrameworkUnit();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "listboxes") {
        ui::InitializeEditFrameworkUnit();
        const int result = gallery::ShowListBoxGallery();
        ui::FinalizeEditFrameworkUnit();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "filtercontrol") {
        const int result = gallery::ShowFilterControlGallery();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "navigator") {
        const int result = gallery::ShowNavigatorGallery();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "statusbar") {
        ui::InitializeStatusBarUnit();
        ui::InitializePageControlSkinsUnit();
        const int result = gallery::ShowStatusBarGallery();
        ui::FinalizePageControlSkinsUnit();
        ui::FinalizeStatusBarUnit();
        ui::FinalizeUICore();
        return result;
    }
    if (page == "tabs") {
        ui::InitializePageControlUnit();
        const int result = gallery::ShowTabsGallery();
        ui::FinalizePageControlUnit();
        ui::FinalizeUICore();
        return result;
    }
    {
        TGallery gallery;
        gallery.Page = argc > 1 ? std::max(0, std::atoi(argv[1])) : 0;
        Gallery = &gallery;
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = GalleryWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = L"TallyvanePainterGallery";
        RegisterClassW(&windowClass);
        const std::wstring title = L"Painter gallery, page " + std::to_wstring(gallery.Page);
        HWND window = CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                      0, WindowWidth, WindowHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
        if (!window) {
            ui::FinalizeUICore();
            return 1;
        }
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Gallery = nullptr;
    }
    ui::FinalizeUICore();
    return 0;
}
