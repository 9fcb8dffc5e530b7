// The table of drawing operations walked for the default painter, the five looks and the built-in skins: each
// operation, painted into the middle of a 32-bit DIB, gives the same pixels every time, draws nothing outside its
// rectangle (a skin only the bands it grows a cell by) and leaves the canvas
// as it found it (brush style, saved states, origin, font, copy mode); only its own rectangle may leave the clip
// region. The default painter's layout frames keep their frame out of the clip region on purpose, so that later
// fills leave it alone.

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/painters/PainterOperations.h"
#include "ui/core/geometry/uiGeometry.h"
#include "vcl/graphics/Font.h"

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace ui {

void PrintTo(const TPainterDrawingCase& drawing, std::ostream* out) {
    *out << drawing.Name;
}

void PrintTo(const TPainterLook& look, std::ostream* out) {
    *out << look.Name;
}

namespace {

// What an operation must give back as it found it (the font it may set; a turned font it turns back).
struct TCanvasSnapshot {
    vcl::TBrushStyle BrushStyle = vcl::bsSolid;
    int SaveLevel = 0;
    bool HasClipRegion = false;
    POINT WindowOrigin{};
    LONG FontEscapement = 0;
    vcl::TCopyMode CopyMode = 0;

    static TCanvasSnapshot Of(TuiCanvas& canvas) {
        TCanvasSnapshot snapshot;
        snapshot.BrushStyle = canvas.Brush().Style();
        HDC dc = canvas.Handle();
        snapshot.SaveLevel = SaveDC(dc);
        RestoreDC(dc, -1);
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        snapshot.HasClipRegion = GetClipRgn(dc, clip) == 1;
        DeleteObject(clip);
        GetWindowOrgEx(dc, &snapshot.WindowOrigin);
        LOGFONTW font{};
        GetObjectW(canvas.Font().Handle(), sizeof(font), &font);
        snapshot.FontEscapement = font.lfEscapement;
        snapshot.CopyMode = canvas.CopyMode();
        return snapshot;
    }
};

constexpr vcl::TColor Backdrop = vcl::clFuchsia;

// True when every point outside PainterCaseRect is still inside the clip region.
bool ClipKeepsAllButPainterCaseRect(TuiCanvas& canvas) {
    HDC dc = canvas.Handle();
    for (int y = 0; y < PainterCaseHeight; ++y) {
        for (int x = 0; x < PainterCaseWidth; ++x) {
            if (!PainterCaseRect.Contains({x, y}) && !PtVisible(dc, x, y)) {
                return false;
            }
        }
    }
    return true;
}

std::vector<uint32_t> PaintCase(const TPainterLook& look, const TPainterDrawingCase& drawing, TCanvasSnapshot& before,
                                TCanvasSnapshot& after, bool& clipKept) {
    ui_test::TCanvasOnSurface on(PainterCaseWidth, PainterCaseHeight);
    on.Surface.Fill(Backdrop);
    before = TCanvasSnapshot::Of(on.Canvas);
    drawing.Paint(*look.Painter, on.Canvas, PainterCaseRect);
    after = TCanvasSnapshot::Of(on.Canvas);
    clipKept = ClipKeepsAllButPainterCaseRect(on.Canvas);
    return on.Surface.Pixels();
}

class uiPainterLooks : public testing::TestWithParam<std::tuple<TPainterLook, TPainterDrawingCase>> {};

TEST_P(uiPainterLooks, PaintOnlyTheirRectangleTheSameWayAndLeaveTheCanvasAsItWas) {
    const auto& [look, drawing] = GetParam();
    TCanvasSnapshot before;
    TCanvasSnapshot after;
    bool clipKept = false;
    const std::vector<uint32_t> first = PaintCase(look, drawing, before, after, clipKept);
    TCanvasSnapshot againBefore;
    TCanvasSnapshot againAfter;
    bool againClipKept = false;
    EXPECT_EQ(PaintCase(look, drawing, againBefore, againAfter, againClipKept), first)
        << "painting twice gives equal pixels";

    const uint32_t backdrop = first.front();
    const vcl::TRect& reach = look.Skinned ? drawing.SkinReach : vcl::TRect{};
    const vcl::TRect allowed = InflateRectSides(PainterCaseRect, reach.Left, reach.Top, reach.Right, reach.Bottom);
    for (int y = 0; y < PainterCaseHeight; ++y) {
        for (int x = 0; x < PainterCaseWidth; ++x) {
            if (!allowed.Contains({x, y})) {
                ASSERT_EQ(first[static_cast<size_t>(y * PainterCaseWidth + x)], backdrop)
                    << "drawn outside at " << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(after.BrushStyle, before.BrushStyle);
    EXPECT_EQ(after.SaveLevel, before.SaveLevel);
    EXPECT_TRUE(clipKept) << "only its own rectangle leaves the clip region";
    if (look.Painter == &TuiCustomLookAndFeelPainter::Instance()) {
        EXPECT_EQ(after.HasClipRegion, drawing.ExcludesItsFrame) << "clip region";
    }
    EXPECT_EQ(after.WindowOrigin.x, before.WindowOrigin.x);
    EXPECT_EQ(after.WindowOrigin.y, before.WindowOrigin.y);
    EXPECT_EQ(after.FontEscapement, before.FontEscapement);
    EXPECT_EQ(after.CopyMode, before.CopyMode);
}

INSTANTIATE_TEST_SUITE_P(EveryDrawingOperation, uiPainterLooks,
                         testing::Combine(testing::ValuesIn(PainterLooks()), testing::ValuesIn(PainterDrawingCases())),
                         [](const testing::TestParamInfo<std::tuple<TPainterLook, TPainterDrawingCase>>& info) {
                             std::string name = std::string(std::get<0>(info.param).Name) + "_";
                             for (const char c : std::get<1>(info.param).Name) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

} // namespace
} // namespace ui
