#pragma once
// TuiCustomTextEditViewInfo: the picture of a value shown as text: besides the frame and buttons, the text, its
// rectangle, the flags that lay it out (alignment, one or several rows, end ellipsis), the characters shown selected
// and the rows laid out once per calculation. It paints the client area, the text and the focus rectangle, and gives
// the whole text as hint where the text is cut.

#include "ui/core/text/uiTextLayout.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include <cstdint>
#include <functional>

namespace ui {

// The laid-out rows of one view info; valid while Done, until the next calculation.
struct TuiTextOutData {
    bool Truncated = false;
    bool Done = false;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    vcl::TColor SelBackColor = vcl::clDefault;
    vcl::TColor SelTextColor = vcl::clDefault;
    TuiTextParams Params;
    vcl::TRect Rect;
    TuiTextRows Rows;
};

// The text-output flags the text editors compose, in the text engine's flag word.
inline constexpr uint32_t tefAlwaysSet = tlPreventLeftExceed | tlPreventTopExceed;

class TuiCustomTextEditViewInfo : public TuiCustomEditViewInfo {
    RTL_DECLARE_CLASS(TuiCustomTextEditViewInfo, TuiCustomEditViewInfo)
public:
    using TOwnerDrawEvent = std::function<void(TuiCustomTextEditViewInfo& sender, TuiCanvas& canvas, vcl::TRect& rect)>;

    void PaintContent(TuiCanvas& canvas) override;
    // The text in TextRect with TextFlags, LineLimit and the selection; nothing for an empty text.
    virtual void DrawText(TuiCanvas& canvas);
    void Offset(int32_t dx, int32_t dy) override;
    // Where the text is cut at point, the whole text as hint over the text rectangle; otherwise the hint of the button
    // under the point. visibleBounds (when not empty) limit the visible text. All in the view info's coordinates.
    bool GetHintInfoIn(TuiCanvas& canvas, vcl::TPoint point, vcl::TRect& hintRect, bool& multiLine,
                       rtl::UnicodeString& hintText, const vcl::TRect& visibleBounds) override;

    bool HasListSelection = false;
    TOwnerDrawEvent OnOwnerDraw;
    bool SelectionBarVisible = false;
    uint32_t TextFlags = 0;
    TuiTextEditingStyle EditingStyle = tesFree;
    bool PopupShown = false;
    bool InnerEditShown = false;
    bool OwnerDrawn = false;
    int32_t LineLimit = 0;
    int32_t SelStart = 0;
    int32_t SelLength = 0;
    vcl::TColor SelectionTextColor = vcl::clDefault;
    vcl::TColor SelectionBackColor = vcl::clDefault;
    rtl::UnicodeString Text;
    TuiTextOutData TextLayout;
    vcl::TRect TextRect;

private:
    // Lays the text out into TextLayout once per calculation, on the canvas's font.
    void PrepareTextOutData(TuiCanvas& canvas);
};

} // namespace ui
