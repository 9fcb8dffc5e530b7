#include "xls/core/formula/encoder/XLSFormulaEncoder.h"

#include "rtl/text/Format.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/formula/encoder/XLSFormulaEncoderRun.h"
#include "xls/core/formula/functions/XLSExcelFuncNames.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <utility>

namespace xls {

namespace {

// A list separator waiting on the operator stack: it becomes a union between two references, or is dropped where
// it only separates arguments. It never reaches a stored buffer.
constexpr uint8_t UnionSeparator = 0xF0;

// The precedence an item has on the stack; operators of equal precedence group from the left.
int32_t StackPrecedence(uint8_t id) {
    switch (id) {
    case PtgIsect:
    case PtgUnion:
    case PtgRange:
        return 38;
    case PtgUplus:
    case PtgUminus:
        return 37;
    case PtgPercent:
        return 36;
    case PtgPower:
        return 35;
    case PtgMul:
    case PtgDiv:
        return 34;
    case PtgAdd:
    case PtgSub:
        return 33;
    case PtgConcat:
        return 32;
    case PtgLt:
    case PtgLe:
    case PtgGe:
    case PtgGt:
        return 31;
    case PtgEq:
    case PtgNe:
        return 30;
    case UnionSeparator:
        return 6;
    case ptgxList:
        return 5;
    case ptgxFuncVar:
        return 4;
    case ptgxFunc:
    case ptgxUserFunc:
        return 3;
    case PtgParen:
        return 2;
    case ptgxArray:
        return 1;
    default:
        throw EXLSFormulaError(rtl::Format(EncoderMessages::UnknownOperator, {id}));
    }
}

// The operator token of an operator kind of the tokenizer, 0 for another kind.
uint8_t OperatorId(TXLSTokenType kind) {
    switch (kind) {
    case xttPower:
        return PtgPower;
    case xttMul:
        return PtgMul;
    case xttDiv:
        return PtgDiv;
    case xttAdd:
        return PtgAdd;
    case xttSub:
        return PtgSub;
    case xttNeg:
        return PtgUminus;
    case xttPlus:
        return PtgUplus;
    case xttConcat:
        return PtgConcat;
    case xttEQ:
        return PtgEq;
    case xttNE:
        return PtgNe;
    case xttLT:
        return PtgLt;
    case xttLE:
        return PtgLe;
    case xttGT:
        return PtgGt;
    case xttGE:
        return PtgGe;
    case xttPercent:
        return PtgPercent;
    case xttRange:
    case xttColon:
        return PtgRange;
    default:
        return 0;
    }
}

bool IsFunctionGroup(uint8_t id) {
    return id == ptgxFunc || id == ptgxFuncVar || id == ptgxUserFunc;
}

// What a union may join: references, operators whose result is one, and defined names, which mostly name ranges.
bool IsReferenceToken(uint8_t id) {
    switch (id) {
    case PtgIsect:
    case PtgUnion:
    case PtgRange:
    case PtgParen:
    case ptgxRef:
    case ptgxArea:
    case ptgxRefErr:
    case ptgxAreaErr:
    case ptgxName:
        return true;
    default:
        return (id >= ptgxRef3d && id <= ptgxAreaExtRange) || (id >= ptgxRef3dErr && id <= ptgxArea3dRangeErr);
    }
}

} // namespace

int32_t TXLSFormulaEncoder::Encode(const TXLSTokenList& tokens, std::vector<uint8_t>& ptgs, int32_t sheetIndex,
                                   int32_t col, int32_t row) {
    TXLSEncoderRun run(FManager, tokens, FTables, sheetIndex, col, row);
    if (!run.Run()) {
        return 0;
    }
    ptgs = run.Take();
    return static_cast<int32_t>(ptgs.size());
}

bool TXLSEncoderRun::Run() {
    while (FIndex < FTokens.Count() && !FStopped && !FRejected) {
        const TXLSTokenType kind = Token().Kind;
        HandleToken();
        if (kind != xttWhitespace && kind != xttSpace) {
            FPreviousKind = kind;
        }
    }
    if (FRejected) {
        return false;
    }
    // A token of no known kind ends the formula where it stands; the operators still waiting are dropped.
    while (!FStopped && !FStack.empty()) {
        PopToOutput();
    }
    return true;
}

TXLSTokenType TXLSEncoderRun::KindAt(int32_t offset) const {
    const int32_t index = FIndex + offset;
    return index >= 0 && index < FTokens.Count() ? FTokens.GetToken(index).Kind : xttChar;
}

void TXLSEncoderRun::HandleToken() {
    const TXLSToken& token = Token();
    const TXLSTokenType kind = token.Kind;
    if (kind >= xttErrNull && kind <= xttErrGettingData) {
        FOut.AddErr(kind - xttErrNull + 1);
        Wrote(PtgErr);
    } else if (const uint8_t id = OperatorId(kind); id != 0) {
        PushOperator(id);
    } else if (kind == xttIsect) {
        PushOperator(TStackItem{.Id = PtgIsect, .Count = token.Integer});
    } else if (kind >= xttCol && kind <= xttRowAbs) {
        HandleReference();
        return;
    } else {
        switch (kind) {
        case xttWhitespace:
            FOut.AddSpace(token.Integer);
            break;
        case xttListSep:
            HandleListSeparator();
            break;
        case xttArrayRowSep:
            HandleArrayRowSeparator();
            break;
        case xttBang:
        case xttTableEnd:
        case xttSpace:
            break;
        case xttOpenParen:
            PushGroup(TStackItem{.Id = PtgParen});
            break;
        case xttCloseParen:
            if (FPreviousKind == xttListSep) {
                WriteMissingArgument();
            }
            CloseGroup();
            break;
        case xttTrue:
        case xttFalse:
            FOut.AddBool(kind == xttTrue);
            Wrote(PtgBool);
            break;
        case xttString:
            FOut.AddStr(token.Text);
            Wrote(ptgxStr);
            break;
        case xttNumber:
            FOut.AddNumber(token.Number);
            Wrote(ptgxInt);
            break;
        case xttArrayOpen: {
            const int32_t initial = FTokens.NextKind(FIndex) == xttArrayClose ? 0 : 1;
            PushGroup(TStackItem{.Id = ptgxArray, .Count = initial, .Rows = initial});
            break;
        }
        case xttArrayClose:
            HandleArrayClose();
            break;
        case xttSheet:
        case xttWorkbook:
            HandleReference();
            return;
        case xttName:
            HandleName();
            break;
        case xttFunc:
            HandleFunction();
            break;
        case xttTable:
            HandleTableName();
            return;
        case xttTableColumn:
        case xttTableSpecial:
            HandleTableItems();
            return;
        default:
            FStopped = true;
            return;
        }
    }
    Next();
}

// Inside a function or array a separator counts an argument or element; two in a row, or one right after the
// function's "(", leave an empty argument between them. Elsewhere it may join two references into a union.
void TXLSEncoderRun::HandleListSeparator() {
    if (!InFunctionOrArray()) {
        PushOperator(UnionSeparator);
        return;
    }
    TStackItem& group = *InnermostGroup();
    if (group.Id == ptgxFuncVar || group.Id == ptgxUserFunc || group.Id == ptgxArray) {
        ++group.Count;
    }
    PushOperator(UnionSeparator);
    if (FPreviousKind == xttListSep || FPreviousKind == xttFunc) {
        WriteMissingArgument();
    }
}

void TXLSEncoderRun::HandleArrayRowSeparator() {
    TStackItem* group = InnermostGroup();
    if (group != nullptr && group->Id == ptgxArray) {
        ++group->Count;
        ++group->Rows;
    }
    PushOperator(UnionSeparator);
    if (InFunctionOrArray() && FPreviousKind == xttArrayRowSep) {
        WriteMissingArgument();
    }
}

// Every row of an array must have as many elements as the others.
void TXLSEncoderRun::HandleArrayClose() {
    TStackItem* group = InnermostGroup();
    if (group != nullptr && group->Id == ptgxArray && group->Rows > 0) {
        if (group->Count % group->Rows != 0) {
            Report(XLSErrorArrayColumns);
        }
        // Columns are counted in Count from here on.
        group->Count /= group->Rows;
    }
    CloseGroup();
}

// A worksheet function by its id, with its arguments counted when it takes a variable number of them; any other name
// is a function of its own, written by name.
void TXLSEncoderRun::HandleFunction() {
    const rtl::UnicodeString& name = Token().Text;
    const int32_t id = TXLSExcelFuncNames::FindName(name);
    if (id < 0) {
        PushGroup(TStackItem{.Id = ptgxUserFunc, .Count = KindAt(1) == xttCloseParen ? 0 : 1, .Name = name});
    } else if (TXLSExcelFuncNames::IsFixedArgs(id)) {
        PushGroup(TStackItem{.Id = ptgxFunc, .FunctionId = id});
    } else {
        const int32_t count = FTokens.NextKind(FIndex) == xttCloseParen ? 0 : 1;
        PushGroup(TStackItem{.Id = ptgxFuncVar, .Count = count, .FunctionId = id});
    }
}

// A defined name of the formula's sheet or of the workbook; a name that is not defined is #NAME?.
void TXLSEncoderRun::HandleName() {
    const int32_t index = FManager.Workbook().GetDefinedNames().Find(Token().Text, FSheetIndex);
    if (index < 0) {
        FOut.AddErr(XLSErrorIndexName);
        Wrote(PtgErr);
        return;
    }
    FOut.AddName(index);
    Wrote(ptgxName);
}

void TXLSEncoderRun::PushOperator(TStackItem item) {
    if (item.Id != PtgUplus && item.Id != PtgUminus) {
        const int32_t precedence = StackPrecedence(item.Id);
        while (!FStack.empty() && StackPrecedence(FStack.back().Id) >= precedence) {
            PopToOutput();
        }
    }
    FStack.push_back(std::move(item));
}

// Open groups stop every operator pushed after them from popping further.
void TXLSEncoderRun::PushGroup(TStackItem item) {
    FGroups.push_back(FStack.size());
    FStack.push_back(std::move(item));
}

void TXLSEncoderRun::CloseGroup() {
    if (FGroups.empty()) {
        return;
    }
    while (FStack.size() > FGroups.back() + 1) {
        PopToOutput();
    }
    PopToOutput();
}

void TXLSEncoderRun::PopToOutput() {
    const TStackItem item = std::move(FStack.back());
    FStack.pop_back();
    if (!FGroups.empty() && FGroups.back() == FStack.size()) {
        FGroups.pop_back();
        WriteGroup(item);
        return;
    }
    switch (item.Id) {
    case UnionSeparator:
        WriteUnionSeparator();
        return;
    case PtgIsect:
        FOut.AddIsect(item.Count);
        break;
    default:
        FOut.AddOperator(item.Id);
        break;
    }
    Wrote(item.Id);
}

void TXLSEncoderRun::WriteGroup(const TStackItem& item) {
    switch (item.Id) {
    case PtgParen:
        FOut.AddOperator(PtgParen);
        break;
    case ptgxArray:
        FOut.AddArray(item.Rows > 0 ? item.Count : 0, static_cast<uint32_t>(item.Rows));
        break;
    case ptgxFunc:
        FOut.AddFunc(item.FunctionId);
        break;
    case ptgxFuncVar:
        FOut.AddFuncVar(item.Count, item.FunctionId);
        break;
    case ptgxUserFunc:
        FOut.AddUserFunc(item.Count, item.Name);
        break;
    default:
        FOut.AddList(item.Table, item.Sheet, item.Count, item.Area);
        break;
    }
    Wrote(item.Id);
}

// Between the arguments of a function or the elements of an array a separator only separates; elsewhere it must
// stand between two references and becomes their union.
void TXLSEncoderRun::WriteUnionSeparator() {
    const TStackItem* group = InnermostGroup();
    if (group != nullptr && (IsFunctionGroup(group->Id) || group->Id == ptgxArray)) {
        return;
    }
    if (!IsReferenceToken(FLastWritten[0]) || !IsReferenceToken(FLastWritten[1])) {
        Report(XLSErrorInvalidOperator);
        return;
    }
    FOut.AddOperator(PtgUnion);
    Wrote(PtgUnion);
}

TXLSEncoderRun::TStackItem* TXLSEncoderRun::InnermostGroup() {
    return FGroups.empty() ? nullptr : &FStack[FGroups.back()];
}

bool TXLSEncoderRun::InFunctionOrArray() {
    const TStackItem* group = InnermostGroup();
    return group != nullptr && (IsFunctionGroup(group->Id) || group->Id == ptgxArray);
}

void TXLSEncoderRun::Wrote(uint8_t id) {
    FLastWritten = {FLastWritten[1], id};
}

void TXLSEncoderRun::WriteMissingArgument() {
    FOut.AddOperator(ptgxMissArg);
    Wrote(ptgxMissArg);
}

void TXLSEncoderRun::Report(int32_t number, rtl::UnicodeStringView argument) {
    // A manager that does not raise: encoding goes on as the caller says.
    static_cast<void>(FManager.Errors()->ReportError(argument, number));
}

} // namespace xls
