#pragma once
// Drawing one edit button: through the theme, the skin's editor-button element, or without either by button style:
// its border (which also chooses the face and text colours), its face, and its content (ellipsis dots, drop-down
// arrow, glyph or caption). The editor's view info paints its buttons through these; what they need of the editor is
// in TuiEditButtonPaintContext.

#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"

#include <functional>

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuiCanvas;

// What drawing a button needs to know of its editor.
struct TuiEditButtonPaintContext {
    // The editor's border rectangle: a button's vertical edges on it are left to the editor's border.
    vcl::TRect BorderRect;
    // The editor paints no background.
    bool Transparent = false;
    // A standalone editor with a border of its own.
    bool HasEditBorder = true;
    bool Inplace = false;
    // The host draws an outer border round the cell.
    bool HostHasOuterBorder = false;
    // The text colour for a text button whose own colour is clDefault.
    vcl::TColor TextColor = vcl::clWindowText;
    // The font of text buttons; nullptr keeps the canvas's.
    const vcl::TFont* Font = nullptr;
    // The skin's painter; nullptr without a skin.
    TuiLookAndFeelPainterClass SkinPainter = nullptr;
    // A control is painted (not a host's cell): a skinned face shows the editor's colour.
    bool HasEditor = false;
};

// The style a button draws in: a simple button draws flat while pressed or hot.
TuiEditButtonStyle EffectiveEditButtonStyle(const TuiEditButtonViewInfo& button);
// The face colours of the button styles: the 3D, flat and simple face (the editor's colour for a transparent button),
// the hot-flat face by state, and the ultra-flat or Office 2003 face by state.
vcl::TColor EditButtonFaceColor(const TuiEditButtonViewInfo& button);
vcl::TColor EditButtonHotFlatFaceColor(const TuiEditButtonViewInfo& button);
vcl::TColor EditButtonUltraFlatFaceColor(const TuiEditButtonViewInfo& button, bool office11);
// The painter's button state of a button's visual state.
TuiButtonState EditButtonPainterState(TuiEditButtonVisualState state);
// Draws the border by the button's style: back and text receive the face and content colours, face the rectangle to
// fill with the face colour and content the rectangle for the content.
void DrawEditButtonBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                          const TuiEditButtonViewInfo& button, vcl::TColor& back, vcl::TColor& text,
                          vcl::TRect& content, vcl::TRect& face);
// Draws the content into content: disabled content is embossed (highlight at (+1, +1), then shadow); pressedShift
// moves it one pixel right and down.
void DrawEditButtonContent(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                           const TuiEditButtonViewInfo& button, bool pressedShift, vcl::TColor text,
                           const vcl::TRect& content);
// Custom drawing of a button's border, face and content; each answers whether it drew (handled). A border drawer
// sets the face and content colours (back, text) and rectangles as DrawEditButtonBorder does.
struct TuiEditButtonDrawHooks {
    std::function<bool(vcl::TColor& back, vcl::TColor& text, vcl::TRect& content, vcl::TRect& face)> DrawBorder;
    std::function<bool(const vcl::TRect& face)> DrawBackground;
    std::function<bool(vcl::TColor text, const vcl::TRect& content)> DrawContent;
};

// Border, face and content, each step offered to the hooks first; pressed buttons shift their content.
void DrawEditButton(TuiCanvas& canvas, const TuiEditButtonPaintContext& context, const TuiEditButtonViewInfo& button,
                    const TuiEditButtonDrawHooks& hooks = {});

// Three dots of size 2 (1 in rectangles 11 pixels wide or less), 2 pixels apart, centred in rect.
void DrawEditEllipsis(TuiCanvas& canvas, const vcl::TRect& rect, bool shift, vcl::TColor color);

} // namespace ui
