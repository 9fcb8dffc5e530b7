#pragma once
// TuiPCCustomPainter: everything style-dependent of a tab control: tab metrics, where the navigator buttons and the
// tab rows go, hit tests of buttons and tab shapes, colours and all drawing. Unlike the look-and-feel painters, a tab
// painter is an instance owned by one control (the painters factory makes it for the control's style), because it
// keeps what it laid out (the navigator buttons, the tab being drawn). Its style's class queries are answered by the
// style's metaclass (TuiPCPainterMetaclass), which also makes instances. The base answers defaults and draws a tab's
// image and caption; the styles (ui/pagecontrol/painters) supply the rest. A painter reads the control through
// TuiPCPainterParentInfo.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/pagecontrol/tabs/uiTabControlTypes.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <initializer_list>
#include <memory>

namespace vcl {
class TFont;
} // namespace vcl

namespace ui {

class TuiBitmap32;
class TuiCanvas;
class TuiCustomTabControl;
class TuiLookAndFeel;
class TuiPCCustomPainter;
class TuiTab;

// The system's hot-tracking colour (COLOR_HOTLIGHT), which hot tabs and navigator glyphs take.
inline constexpr vcl::TColor uiPCHotLightColor = vcl::SystemColorBase + 26;

// A painter style's class: its class queries and the making of its painters. One immutable instance per style.
class TuiPCPainterMetaclass {
public:
    virtual ~TuiPCPainterMetaclass() = default;

    // A control refuses Rotate for a style that answers false.
    virtual bool AllowsRotate() const { return true; }
    // 0 tab-like, 1 raised buttons, 2 flat buttons.
    virtual int32_t GetStandardStyle() const { return 0; }
    virtual TuiPCStyleID GetStyleID() const { return -1; }
    virtual rtl::UnicodeString GetStyleName() const { return {}; }
    virtual bool IsDefaultForLookAndFeel(const TuiLookAndFeel& /*lookAndFeel*/) const { return false; }
    virtual bool IsDefaultForNativeStyle(const TuiLookAndFeel& /*lookAndFeel*/) const { return false; }
    // In a multi-line control this also moves the selected row next to the page.
    virtual bool OffsetsFollowTabSide() const { return true; }
    virtual bool AllowsMultiSelect() const { return false; }
    // Tabs act like buttons: pressed on mouse-down, selected on mouse-up; arrow keys move a focus frame.
    virtual bool ShiftsDownTabContent() const { return false; }
    // nullptr for a style whose painters cannot be made.
    virtual std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& /*control*/) const {
        return nullptr;
    }
};

// A painter style, as the factory and the controls hold it.
using TuiPCPainterClass = const TuiPCPainterMetaclass*;

// What a painter reads of its control.
class TuiPCPainterParentInfo {
public:
    explicit TuiPCPainterParentInfo(TuiCustomTabControl& control) : FControl(control) {}

    TuiCustomTabControl& Control() const { return FControl; }
    TuiCanvas& Canvas() const;
    vcl::TFont& Font() const;
    vcl::TColor Color() const;
    int32_t Width() const;
    int32_t Height() const;
    bool IsTabStripMode() const;
    bool HideTabs() const;
    bool MultiLine() const;
    bool Rotate() const;
    bool RaggedRight() const;
    bool ShowFrame() const;
    int32_t ImageBorder() const;
    int32_t TabHeight() const;
    int32_t TabWidth() const;
    TuiTabPosition TabPosition() const;
    TuiPCOptions Options() const;
    int32_t RowCount() const;
    int32_t FrontRowCount() const;
    const vcl::TRect& BackRowsClipRect() const;
    const vcl::TRect& FrontRowsClipRect() const;
    // The visible index of TabIndex, -1 for none.
    int32_t MainTabVisibleIndex() const;
    int32_t HotTabVisibleIndex() const;
    int32_t PressedTabVisibleIndex() const;
    TuiPCNavigatorButtons NavigatorButtons() const;
    TuiPCNavigatorButtonState NavigatorButtonState(TuiPCNavigatorButton button) const;
    TuiPCNavigatorPosition NavigatorPosition() const;
    // The tab's Color; clDefault becomes the page colour when the control or the painter uses it for tabs.
    vcl::TColor TabColor(int32_t visibleIndex) const;
    TuiTab& VisibleTab(int32_t visibleIndex) const;
    // The page object of a page control (nullptr here).
    rtl::TObject* ActivePageObject() const;

private:
    TuiCustomTabControl& FControl;
};

// The tab being drawn: its visible index and where its image and caption go.
struct TuiPCTabContentData {
    int32_t VisibleIndex = -1;
    vcl::TRect ImageRect;
    vcl::TRect TextRect;
    // The caption as drawn: shortened with an end ellipsis when it did not fit.
    rtl::UnicodeString Caption;
};

class TuiPCCustomPainter {
public:
    explicit TuiPCCustomPainter(TuiCustomTabControl& control);
    virtual ~TuiPCCustomPainter();
    TuiPCCustomPainter(const TuiPCCustomPainter&) = delete;
    TuiPCCustomPainter& operator=(const TuiPCCustomPainter&) = delete;

    virtual const TuiPCPainterMetaclass& ClassType() const = 0;

    TuiCustomTabControl& Control() const { return FControl; }
    const TuiPCPainterParentInfo& ParentInfo() const { return *FParentInfo; }
    const TuiPCTabContentData& TabContentData() const { return FTabContentData; }

    // Metrics.
    virtual int32_t CalcTabNormalWidth(const TuiTab& tab) = 0;
    virtual int32_t CalcTabNormalHeight() = 0;
    // Deltas of a tab's rectangle (left, top, right, bottom); none here.
    virtual vcl::TRect GetTabCorrection(int32_t visibleIndex);
    virtual int32_t GetTabMinWidth(int32_t visibleIndex) = 0;
    // The gaps between neighbouring tabs of a row (first) and between rows (second), exchanged when rotated.
    virtual TuiPCDistances GetTabsDistance();
    virtual int32_t GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next);
    virtual int32_t GetButtonsToTabsDistance();
    virtual int32_t GetButtonsEdgeOffset();
    virtual int32_t GetButtonsEndOffset();
    virtual int32_t GetFrameWidth();
    virtual bool HasFrame();
    // The margins of the tabs area in tab-strip mode (left, top, right, bottom; top faces the tabs' side).
    virtual vcl::TRect GetTabStripMargins();
    // The widths of the tab rows on each side of the page, in tab coordinates (top: the tabs' own side).
    virtual vcl::TRect GetTabsAreaExtents();
    // The tab rows' widths and the frame, in tab coordinates.
    virtual vcl::TRect GetPageClientExtents();
    // Places the navigator buttons for buttons and fills the tabs-position data.
    virtual void CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) = 0;
    virtual void PrepareLayout() {}

    // Content margins.
    virtual vcl::TRect GetImageOffsets(int32_t visibleIndex) = 0;
    virtual TuiPCDistances GetImageCenterOffsets(int32_t visibleIndex) = 0;
    virtual vcl::TRect GetTextOffsets(int32_t visibleIndex) = 0;
    virtual TuiPCDistances GetContentOffsets(int32_t visibleIndex) = 0;
    virtual TuiPCDistances GetCompactContentOffsets(int32_t visibleIndex) = 0;
    virtual int32_t GetImageTextDistance() = 0;
    virtual vcl::TRect GetNativeContentOffsets();
    virtual void SetTabImageAndTextRects(int32_t visibleIndex) = 0;

    // Colours.
    virtual vcl::TColor GetPageColor();
    virtual vcl::TColor GetDefaultPageColor();
    virtual vcl::TColor GetTabColor(int32_t visibleIndex) = 0;
    virtual vcl::TColor GetTabOwnColor(int32_t visibleIndex);
    virtual vcl::TColor GetTabTextColor(int32_t visibleIndex);
    virtual bool UsesPageColorForTabs() { return false; }

    // Clipping and hit tests.
    virtual std::unique_ptr<TuiRegion> GetTabClipRegion(int32_t visibleIndex);
    virtual TuiRegionOperation GetTabClipOperation(int32_t visibleIndex);
    virtual bool GetNavigatorButtonAt(int32_t x, int32_t y, TuiPCNavigatorButton& button) = 0;
    virtual bool IsPointInTab(int32_t /*visibleIndex*/, int32_t /*x*/, int32_t /*y*/) { return true; }
    virtual bool IsTabDown(int32_t visibleIndex) = 0;
    virtual vcl::TRect GetGoDialogButtonBounds() = 0;
    // Where a go-to menu of menuSize opens next to the go-dialog button; point is left as it was without the button.
    virtual void GetGoDialogPoint(vcl::TSize menuSize, vcl::TPoint& point) = 0;

    // Behaviour.
    virtual bool IsNativePainting() { return false; }
    virtual bool AlwaysHotTracks() { return IsNativePainting(); }
    virtual bool ExcludesTabContentOnly(int32_t /*visibleIndex*/) { return false; }
    virtual bool DrawsEmbossedDisabledText() { return true; }
    virtual bool NeedsDoubleBuffering() { return false; }
    virtual bool NeedsRedrawOnResize() { return IsNativePainting(); }

    // Drawing.
    virtual void Paint();
    virtual void DrawContent();
    virtual void DrawNavigatorButtons() = 0;
    virtual void DrawTabs() = 0;
    virtual void DrawPageArea();
    virtual void DrawFrame() = 0;
    virtual void FillBackground();
    // The themed page background under a page whose corner lies at origin of the control; nothing here.
    virtual void DrawNativePageBackground(HDC /*dc*/, vcl::TPoint /*origin*/) {}
    virtual void DrawTabContent(TuiTab& tab, int32_t visibleIndex);
    virtual void DrawTabText(TuiCanvas& canvas, rtl::UnicodeStringView text, int32_t visibleIndex,
                             const vcl::TRect& rect);
    virtual void DrawTextBitmapBackground(TuiBitmap32& /*bitmap*/, int32_t /*visibleIndex*/) {}
    virtual void CallDrawTabHook(int32_t visibleIndex);
    // The part and state of the tab theme class a tab is drawn with; (0, 0) here.
    virtual void GetNativeTabPartAndState(int32_t visibleIndex, int32_t& part, int32_t& state);

    // Notices from the control.
    virtual void InvalidateTab(int32_t visibleIndex);
    virtual void NavigatorButtonStateChanged(TuiPCNavigatorButton /*button*/, TuiPCNavigatorButtonState /*previous*/) {}
    virtual void TabChanged(int32_t /*visibleIndex*/, TuiTabChangeKind /*kind*/) {}

    // Services.
    // The width of the tab's caption in the font it is drawn with.
    int32_t MeasureCaption(TuiTab& tab);
    // The client rectangle less the page client extents (turned to the tabs' side), never of negative size.
    vcl::TRect GetPageClientRect();
    // The same with the tab rows' extents only.
    vcl::TRect GetPageBoundsRect();
    // The base images' size (0 x 0 without images), not turned with the text.
    vcl::TSize GetImageSize() const;
    bool HasImages() const;
    bool IsTabImageVisible(int32_t visibleIndex) const;
    // OwnerDraw with OnDrawTab assigned.
    bool IsOwnerDraw() const;
    // Fires OnDrawTab; true when the handler cleared DefaultDraw.
    bool DoDrawTab(int32_t visibleIndex);
    // Margins given in tab coordinates (top: the side facing the tabs) on the control's sides.
    vcl::TRect TurnMarginsToTabSide(const vcl::TRect& margins) const;
    // Margins given in tab coordinates on the sides of a tab drawn on side.
    static vcl::TRect TurnMargins(const vcl::TRect& margins, TuiTabPosition side);
    // Margins on the control's sides in tab coordinates: the inverse of TurnMarginsToTabSide.
    vcl::TRect TurnMarginsFromTabSide(const vcl::TRect& margins) const;
    // rect grown by amount on the side facing the page from a tab drawn on side.
    static vcl::TRect GrowTowardPage(const vcl::TRect& rect, TuiTabPosition side, int32_t amount);
    // A polyline in the pen colour with its last point drawn too.
    void DrawPolyline(TuiCanvas& canvas, std::initializer_list<vcl::TPoint> points, vcl::TColor color);
    void InvalidateRect(const vcl::TRect& rect, bool erase = false);

protected:
    // The base's placement of a tab's image and caption, which the styles' SetTabImageAndTextRects use.
    void CalculateTabImageAndTextRects(int32_t visibleIndex);
    TuiPCTabContentData& MutableTabContentData() { return FTabContentData; }

private:
    // The client rectangle less extents given in tab coordinates, never of negative size.
    vcl::TRect ClientRectLess(const vcl::TRect& extents) const;
    int32_t AlignmentOffset(int32_t available, int32_t length) const;
    void DrawTabImage(TuiTab& tab, vcl::TColor background);
    void DrawTabCaption(TuiTab& tab, int32_t visibleIndex, vcl::TColor background);
    void DrawVerticalCaption(TuiTab& tab, int32_t visibleIndex, vcl::TColor background);
    void ExcludeTabContent(int32_t visibleIndex);

    TuiCustomTabControl& FControl;
    std::unique_ptr<TuiPCPainterParentInfo> FParentInfo;
    TuiPCTabContentData FTabContentData;
};

} // namespace ui
