#pragma once
// The encoding of one token list (internal to the formula kit). The operator stack, the groups and the output are in
// XLSFormulaEncoder.cpp, references and names in XLSFormulaEncoderReferences.cpp, structured references in
// XLSFormulaEncoderTables.cpp.

#include "rtl/text/StringTypes.h"
#include "xls/core/formula/tokenizer/XLSTokenList.h"
#include "xls/core/formula/tokens/XLSPtgWriter.h"
#include "xls/core/formula/tokens/XLSPtgs.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace xls {

class TXc12Manager;
class TXc12Table;
class TXc12Tables;

class TXLSEncoderRun {
public:
    TXLSEncoderRun(TXc12Manager& manager, const TXLSTokenList& tokens, TXc12Tables*& tables, int32_t sheetIndex,
                   int32_t col, int32_t row)
        : FManager(manager), FTokens(tokens), FTables(tables), FSheetIndex(sheetIndex), FCol(col), FRow(row) {}

    // Encodes the whole list; false when a structured reference was rejected.
    bool Run();
    std::vector<uint8_t> Take() { return FOut.Take(); }

private:
    // An item waiting on the operator stack: an operator, a separator that may become a union, or an open group.
    struct TStackItem {
        uint8_t Id = 0;
        // Arguments of a function, elements of an array, spaces of an intersection, items of a table reference.
        int32_t Count = 0;
        int32_t Rows = 0;
        int32_t FunctionId = 0;
        rtl::UnicodeString Name;
        // A table reference's table, its sheet (-1: the formula's own) and data area.
        int32_t Table = 0;
        int32_t Sheet = -1;
        TXLSPtgArea Area;
    };

    // Where a 3-D reference points, as written.
    struct TPrefix {
        enum TKind : uint8_t { pkNone, pkSheet, pkSheetRange, pkBook, pkBookRange };
        TKind Kind = pkNone;
        rtl::UnicodeString Book;
        rtl::UnicodeString First;
        rtl::UnicodeString Last;
    };

    // One item of a structured reference: its special code (0xFFFF for a column, so that columns sort after every
    // special item), its text and the separator after it (xttChar for none) with its spaces.
    struct TTableItem {
        int32_t Code = 0;
        rtl::UnicodeString Text;
        TXLSTokenType After = xttChar;
        int32_t Spaces = 0;
        bool IsColumn() const;
    };

    // Table items written without a table name belong to no group.
    static constexpr size_t NoListGroup = static_cast<size_t>(-1);

    // The table a structured reference uses: its position in its sheet's table list and that sheet (-1: the
    // formula's own).
    struct TFoundTable {
        const TXc12Table* Table = nullptr;
        int32_t Index = -1;
        int32_t Sheet = -1;
    };

    const TXLSToken& Token() const { return FTokens.GetToken(FIndex); }
    // The kind of the token offset places after the current one, xttChar beyond the list.
    TXLSTokenType KindAt(int32_t offset) const;
    void Next() { ++FIndex; }

    // The token handlers (XLSFormulaEncoder.cpp).
    void HandleToken();
    void HandleListSeparator();
    void HandleArrayRowSeparator();
    void HandleArrayClose();
    void HandleFunction();
    void HandleName();

    // The operator stack and the output.
    void PushOperator(TStackItem item);
    void PushOperator(uint8_t id) { PushOperator(TStackItem{.Id = id}); }
    void PushGroup(TStackItem item);
    // Writes the stack's items down to the innermost group, then that group.
    void CloseGroup();
    void PopToOutput();
    void WriteGroup(const TStackItem& item);
    void WriteUnionSeparator();
    // The innermost open group, nullptr when there is none.
    TStackItem* InnermostGroup();
    bool InFunctionOrArray();
    // Records a token written to the output, for the union separator's test of its operands.
    void Wrote(uint8_t id);
    void WriteMissingArgument();
    void Report(int32_t number, rtl::UnicodeStringView argument = {});

    // References and names (XLSFormulaEncoderReferences.cpp).
    void HandleReference();
    TPrefix ReadPrefix();
    bool ResolvePrefix(const TPrefix& prefix, TXLSPtgSheets& sheets);
    // The position of a sheet by its name, -1 when there is none.
    using TFindSheet = std::function<int32_t(rtl::UnicodeStringView name)>;
    // The prefix's first (and last) sheet by find; false after error 4016 for one that is not there.
    bool FindSheets(const TPrefix& prefix, TXLSPtgSheets& sheets, const TFindSheet& find);
    void HandlePrefixedName(const TPrefix& prefix);
    void HandleErrorReference(const TPrefix& prefix);
    // The cell of a column and a row token; false after error 4010 for one off the sheet.
    bool MakeCell(const TXLSToken& col, const TXLSToken& row, TXLSPtgCell& cell);
    void WriteReference(const TPrefix& prefix, const TXLSPtgCell& cell);
    void WriteArea(const TPrefix& prefix, const TXLSPtgArea& area);
    [[noreturn]] void RaiseUnknownReference() const;

    // Structured references (XLSFormulaEncoderTables.cpp).
    void HandleTableName();
    void HandleTableItems();
    // Reads the items of the run at the current token into items; false (and the formula rejected) when the run
    // breaks the rules of structured references.
    bool CollectTableItems(std::vector<TTableItem>& items);
    bool CheckTableItems(const std::vector<TTableItem>& items);
    bool FindNamedTable(rtl::UnicodeStringView name, TFoundTable& found);
    bool FindTableOfCell(TFoundTable& found);
    void WriteTableItems(const TFoundTable& table, const std::vector<TTableItem>& items, size_t listGroup);
    bool WriteTableItem(const TFoundTable& table, const TTableItem& item);

    TXc12Manager& FManager;
    const TXLSTokenList& FTokens;
    TXc12Tables*& FTables;
    int32_t FSheetIndex;
    int32_t FCol;
    int32_t FRow;
    int32_t FIndex = 0;
    // The kind of the last token handled other than whitespace: it tells an empty argument.
    TXLSTokenType FPreviousKind = xttChar;
    bool FStopped = false;
    bool FRejected = false;
    std::vector<TStackItem> FStack;
    // Positions in FStack of the open groups, innermost last.
    std::vector<size_t> FGroups;
    TXLSPtgWriter FOut;
    // The ids of the last two tokens written other than spaces, the later one last.
    std::array<uint8_t, 2> FLastWritten{};
};

} // namespace xls
