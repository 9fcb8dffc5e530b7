#pragma once
// The table of drawing operations that the painter tests walk and the painter gallery shows: every drawing operation
// of the painter interface with its arguments, painted into PainterCaseRect of a PainterCaseWidth x PainterCaseHeight
// surface, and the painters the table is walked for.

#include "ui/core/painters/uiLookAndFeelPainters.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ui {

using TPainterPaint =
    std::function<void(const TuiCustomLookAndFeelPainter& painter, TuiCanvas& canvas, const vcl::TRect& rect)>;

struct TPainterDrawingCase {
    std::string Name;
    TPainterPaint Paint;
    // The default painter leaves the operation's frame bands out of the clip region.
    bool ExcludesItsFrame = false;
    // How far (left, top, right, bottom) the skin painters reach beyond the rectangle: the bands they grow the cell by.
    vcl::TRect SkinReach{};
};

// A painter of the walk, with the name the tests and the gallery show.
struct TPainterLook {
    const char* Name;
    const TuiCustomLookAndFeelPainter* Painter;
    bool Skinned = false;
};

inline constexpr int32_t PainterCaseWidth = 60;
inline constexpr int32_t PainterCaseHeight = 40;
inline constexpr vcl::TRect PainterCaseRect{10, 8, 50, 32};

// The default painter, the standard, flat, ultra-flat, Office 2003 and native looks, then the three built-in skins.
std::vector<TPainterLook> PainterLooks();
// Every drawing operation; the font, tile and view parameters they are given live until the program ends.
std::vector<TPainterDrawingCase> PainterDrawingCases();

} // namespace ui
