#include "xls/biff/storage/BIFF5Sheets.h"

#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <algorithm>
#include <utility>

namespace xls {

namespace {

// The bits of WINDOW2's option word (MS-XLS 2.4.346) that the sheet options show.
constexpr std::pair<TSheetOption, uint16_t> Window2OptionBits[] = {
    {soShowFormulas, 0x0001}, {soGridlines, 0x0002}, {soRowColHeadings, 0x0004},
    {soFrozenPanes, 0x0008},  {soShowZeros, 0x0010},
};
// What a written option word holds besides them: automatic gridline colour, outline symbols, paged layout off.
constexpr uint16_t Window2FixedBits = 0x04A0;

// The bits of WSBOOL (MS-XLS 2.4.351) that the workspace options show.
constexpr std::pair<TWorkspaceOption, uint16_t> WsBoolOptionBits[] = {
    {woShowAutoBreaks, 0x0001}, {woApplyStyles, 0x0020}, {woRowSumsBelow, 0x0040},
    {woColSumsRight, 0x0080},   {woFitToPage, 0x0100},   {woOutlineSymbols, 0x0400},
};

// One less than a DIMENSIONS field that counts one past the last row or column; 0 when it is 0.
int32_t LastOf(uint32_t plus1) {
    return plus1 > 0 ? static_cast<int32_t>(std::min<uint32_t>(plus1 - 1, INT32_MAX)) : 0;
}

template <class TEnum, size_t N>
rtl::TSmallSet<TEnum> OptionsOfWord(uint16_t word, const std::pair<TEnum, uint16_t> (&bits)[N]) {
    rtl::TSmallSet<TEnum> options;
    for (const auto& [option, bit] : bits) {
        if ((word & bit) != 0) {
            options.Include(option);
        }
    }
    return options;
}

// word with the bits of the options in it set and the bits of the others cleared.
template <class TEnum, size_t N>
uint16_t WordWithOptions(uint16_t word, rtl::TSmallSet<TEnum> options, const std::pair<TEnum, uint16_t> (&bits)[N]) {
    for (const auto& [option, bit] : bits) {
        word = options.Contains(option) ? word | bit : word & ~bit;
    }
    return word;
}

} // namespace

void TPane::Clear() {
    *this = TPane();
}

void TSelectedAreas::SetSingleCell(int32_t col, int32_t row) {
    std::vector<TCellArea97>& areas = Areas();
    if (areas.empty()) {
        Add(col, row, col, row);
    } else {
        areas.resize(1);
        areas.front().Col1 = areas.front().Col2 = col;
        areas.front().Row1 = areas.front().Row2 = row;
    }
    FActiveCol = col;
    FActiveRow = row;
}

TSheet::TSheet(TSheets& collection, int32_t index)
    : FCollection(collection), FName(rtl::Format(u"Sheet%d", {index + 1})) {}

void TSheet::Clear() {
    FStorage.SetDefaults();
    FMergedCells.Clear();
    FPane.Clear();
    FSelectedAreas.Clear();
    FSheetProtection = AllSheetProtections;
    FIsRead = false;
    FFirstRow = FLastRow = FFirstCol = FLastCol = 0;
}

void TSheet::AfterRead() {
    FFirstRow = static_cast<int32_t>(std::min<uint32_t>(FStorage.FirstRow(), INT32_MAX));
    FFirstCol = FStorage.FirstCol();
    FLastRow = LastOf(FStorage.LastRowPlus1());
    FLastCol = LastOf(FStorage.LastColPlus1());
}

void TSheet::Assign(const TSheet& source) {
    SetDefaultColWidth(source.DefaultColWidth());
    SetOptions(source.Options());
    SetWorkspaceOptions(source.WorkspaceOptions());
    FSheetProtection = source.FSheetProtection;
    SetZoom(source.Zoom());
    SetZoomPreview(source.ZoomPreview());
    FRecalcFormulas = source.FRecalcFormulas;
    FHidden = source.FHidden;
    FMergedCells.Clear();
    for (int32_t i = 0; i < source.FMergedCells.Count(); ++i) {
        const TCellArea97& area = source.FMergedCells.Get(i);
        FMergedCells.Add(area.Col1, area.Row1, area.Col2, area.Row2);
    }
}

void TSheet::SetName(rtl::UnicodeStringView name) {
    if (rtl::WideSameText(name, FName)) {
        return;
    }
    const TSheet* other = FCollection.FindByName(name);
    if (other != nullptr && other != this) {
        throw EBIFFError(rtl::Format(BIFFMessages::SheetNameExists, {name}));
    }
    FName = name;
}

TSheetOptions TSheet::Options() const {
    return OptionsOfWord(FStorage.Window2Options(), Window2OptionBits);
}

void TSheet::SetOptions(TSheetOptions options) {
    FStorage.SetWindow2Options(WordWithOptions(Window2FixedBits, options, Window2OptionBits));
}

TWorkspaceOptions TSheet::WorkspaceOptions() const {
    return OptionsOfWord(FStorage.WsBool(), WsBoolOptionBits);
}

void TSheet::SetWorkspaceOptions(TWorkspaceOptions options) {
    FStorage.SetWsBool(WordWithOptions(FStorage.WsBool(), options, WsBoolOptionBits));
}

TSheet& TSheets::Add() {
    return *FSheets.emplace_back(std::make_unique<TSheet>(*this, Count()));
}

TSheet& TSheets::GetItem(int32_t index) const {
    CheckListIndex(index, Count());
    return *FSheets[index];
}

TSheet* TSheets::FindByName(rtl::UnicodeStringView name) const {
    const auto found = std::find_if(FSheets.begin(), FSheets.end(),
                                    [name](const auto& s) { return rtl::WideSameText(s->Name(), name); });
    return found == FSheets.end() ? nullptr : found->get();
}

TSheet& TSheets::Reset() {
    Clear();
    return Add();
}

} // namespace xls
