#pragma once
// The workbook's style sheet: the lists of number formats, fonts, fills, borders, cell formats, style formats,
// differential formats, cell styles, table styles and colours that every cell refers to through its cell-format
// index. A cleared style sheet holds each list's defaults, so a new workbook has a usable default format at position
// 0; readers overwrite those defaults with a file's first items and append the rest, so that positions in the file and
// in the model agree. The XF editor keeps the use counts as cells, rows and rich-text runs take and drop formats.

#include "xls/core/base/XLSPlatform.h"
#include "xls/core/cells/XLSCellUses.h"
#include "xls/core/model/common/XLSStyleObjects.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Borders.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fills.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5NumFmts.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Styles.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5XFs.h"

#include <cstdint>
#include <functional>
#include <span>

namespace xls {

class TXc12DataStyleSheet;

// Counts the uses of a style sheet's formats and fonts, and removes fonts that nothing uses any more.
class TXc12XFEditor : public TXLSCellFormatUses {
public:
    explicit TXc12XFEditor(TXc12DataStyleSheet* styleSheet) : FStyleSheet(styleSheet) {}

    // One more use of xf and of its number format, font, fill and border.
    void UseXF(TXc12XF* xf);
    // UseXF of cell format index.
    void UseXFIndex(int32_t index) override;
    // UseXF of style format index.
    void UseStyleXF(int32_t index);
    // UseXF of cell format 0, which it returns.
    TXc12XF* UseDefaultXF();
    // One use fewer of the parts of xf and of xf; nothing is removed.
    void ReleaseXF(TXc12XF* xf);
    void ReleaseXFIndex(int32_t index) override;

    // The style sheet's first font equal to font, with one more use. Without one, raises "Can not find font" and
    // changes no use count.
    TXc12Font* UseFont(const TXc12Font& font);
    // One use fewer of font. A font of the list that is not predefined, has no uses left and that no cell format or
    // style format refers to is removed; the fonts after it move down.
    void ReleaseFont(TXc12Font* font);
    // ReleaseFont of the font of every run that has one.
    void ReleaseFontRuns(std::span<const TXc12FontRun> runs);
    // Marks every number format, font, fill and border predefined, so that none is ever removed.
    void MarkAllPredefined();

private:
    bool IsFontOfAnyXF(const TXc12Font* font) const;

    TXc12DataStyleSheet* FStyleSheet; // not owned
};

// Fills horizontal and vertical with the resolution to use.
using TXc12PixelsPerInchEvent = std::function<void(int32_t& horizontal, int32_t& vertical)>;

// The style sheet of a workbook.
class TXc12DataStyleSheet : public TXc12Data {
public:
    TXc12DataStyleSheet();

    // Back to the defaults of every list.
    void Clear();
    // Indexed colours of fonts, fills, borders, differential formats and recent colours take their values from
    // palette; the model runs it after every read.
    void UpdateIndexedColors(const TXc12Palette& palette);
    // From OnPixelsPerInch when set, else the screen's.
    void GetPixelsPerInch(int32_t& horizontal, int32_t& vertical) const;
    // Gives xf the default parts (font 0, fill 0, border 0, number format 0) and no style format.
    void ResetXF(TXc12XF& xf);

    TXc12XFs& XFs() { return FXFs; }
    TXc12DXFs& DXFs() { return FDXFs; }
    TXc12XFs& StyleXFs() { return FStyleXFs; }
    TXc12NumberFormats& NumberFormats() { return FNumberFormats; }
    TXc12Fonts& Fonts() { return FFonts; }
    TXc12Fills& Fills() { return FFills; }
    TXc12Borders& Borders() { return FBorders; }
    TXc12CellStyles& CellStyles() { return FCellStyles; }
    TXc12TableStyles& TableStyles() { return FTableStyles; }
    TXc12ColorObjs& RecentColors() { return FRecentColors; }
    TXc12IndexColorObjs& IndexedColors() { return FIndexedColors; }
    TXc12XFEditor& XFEditor() { return FXFEditor; }
    const TXc12PixelsPerInchEvent& OnPixelsPerInch() const { return FOnPixelsPerInch; }
    void SetOnPixelsPerInch(TXc12PixelsPerInchEvent handler) { FOnPixelsPerInch = std::move(handler); }

private:
    TXc12XFs FXFs;
    TXc12DXFs FDXFs;
    TXc12XFs FStyleXFs;
    TXc12NumberFormats FNumberFormats;
    TXc12Fonts FFonts;
    TXc12Fills FFills;
    TXc12Borders FBorders;
    TXc12CellStyles FCellStyles;
    TXc12TableStyles FTableStyles;
    TXc12ColorObjs FRecentColors;
    TXc12IndexColorObjs FIndexedColors;
    TXc12XFEditor FXFEditor;
    TXc12PixelsPerInchEvent FOnPixelsPerInch;
};

} // namespace xls
