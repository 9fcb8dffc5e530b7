#include "xls/core/formula/tokenizer/XLSTokenizer.h"

#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/formula/tokenizer/XLSFormulaScanner.h"

#include <algorithm>
#include <utility>

namespace xls {

namespace {

bool IsOperatorKind(TXLSTokenType kind) {
    return kind >= xttPower && kind <= xttRange;
}

// First character a letter or "_" (functions a newer program added are written "_xlfn.NAME"), the others letters,
// digits, "_" or ".".
bool IsFunctionName(rtl::UnicodeStringView name) {
    if (name.empty() || !(IsFormulaLetter(name.front()) || name.front() == u'_')) {
        return false;
    }
    return std::all_of(name.begin() + 1, name.end(),
                       [](char16_t c) { return IsFormulaLetter(c) || IsFormulaDigit(c) || c == u'_' || c == u'.'; });
}

// Spaces between tokens lay the text out, except between two operands, where they intersect two references.
bool SpaceIsLayout(TXLSTokenType before, TXLSTokenType after) {
    const bool afterOpening =
        before == xttListSep || before == xttOpenParen || before == xttFunc || IsOperatorKind(before);
    const bool beforeClosing = after == xttListSep || after == xttCloseParen || IsOperatorKind(after);
    return afterOpening || beforeClosing;
}

struct TOperator {
    rtl::UnicodeStringView Text;
    TXLSTokenType Kind;
};

// Two-character operators before the one-character ones they begin with.
constexpr TOperator Operators[] = {
    {u"^", xttPower}, {u"*", xttMul}, {u"/", xttDiv}, {u"+", xttAdd}, {u"-", xttSub}, {u"&", xttConcat}, {u"=", xttEQ},
    {u"<>", xttNE},   {u"<=", xttLE}, {u">=", xttGE}, {u"<", xttLT},  {u">", xttGT},  {u":", xttRange},
};

} // namespace

std::unique_ptr<TXLSTokenList> TXLSTokenizer::Tokenize() {
    const auto blank = [](char16_t c) { return c <= u' '; };
    if (std::all_of(FText.begin(), FText.end(), blank)) {
        return nullptr;
    }
    if (FText.size() > static_cast<size_t>(XLSMaxFormulaLength)) {
        // A manager that does not raise gets no list: the text is not read at all.
        static_cast<void>(FErrors.ReportError({}, XLSErrorInFormula));
        return nullptr;
    }
    rtl::UnicodeStringView text = FText;
    while (!text.empty() && IsFormulaWhitespace(text.back())) {
        text.remove_suffix(1);
    }
    auto tokens = std::make_unique<TXLSTokenList>();
    TXLSFormulaScanner(FErrors, text, *tokens).Run();
    return tokens;
}

TXLSToken& TXLSFormulaScanner::Add(TXLSTokenType kind, size_t start, size_t end) {
    return FTokens.Add(kind, static_cast<int32_t>(start), static_cast<int32_t>(end));
}

void TXLSFormulaScanner::AddInteger(TXLSTokenType kind, size_t start, size_t end, int32_t value) {
    TXLSToken& token = Add(kind, start, end);
    token.Payload = TXLSTokenPayload::Integer;
    token.Integer = value;
}

void TXLSFormulaScanner::AddText(TXLSTokenType kind, size_t start, size_t end, rtl::UnicodeString text) {
    TXLSToken& token = Add(kind, start, end);
    token.Payload = TXLSTokenPayload::Text;
    token.Text = std::move(text);
}

void TXLSFormulaScanner::TakeChar(TXLSTokenType kind) {
    Add(kind, FPos, FPos + 1);
    ++FPos;
}

void TXLSFormulaScanner::AddPart(const TScannedPart& part, TXLSTokenType relative) {
    const auto kind = static_cast<TXLSTokenType>(part.Absolute ? relative + 1 : relative);
    AddInteger(kind, part.Start, part.End, part.Value);
}

void TXLSFormulaScanner::AddPartRange(const TScannedPart& first, const TScannedPart& last, TXLSTokenType relative) {
    AddPart(first, relative);
    Add(xttColon, first.End, first.End + 1);
    AddPart(last, relative);
    FPos = last.End;
}

void TXLSFormulaScanner::AddSpaces() {
    const size_t start = FPos;
    while (!AtEnd() && IsFormulaWhitespace(Current())) {
        ++FPos;
    }
    const auto count = static_cast<int32_t>(FPos - start);
    if (!FTokens.Empty() && FTokens.Last().Kind == xttSpace) {
        FTokens.Last().Integer += count;
        FTokens.Last().End = static_cast<int32_t>(FPos);
        return;
    }
    AddInteger(xttSpace, start, FPos, count);
}

void TXLSFormulaScanner::Report(int32_t number, rtl::UnicodeStringView argument) {
    static_cast<void>(FErrors.ReportError(argument, number));
    ++FErrorCount;
}

void TXLSFormulaScanner::Run() {
    while (!AtEnd() && IsFormulaWhitespace(Current())) {
        ++FPos;
    }
    if (FPos > 0) {
        AddInteger(xttWhitespace, 0, FPos, static_cast<int32_t>(FPos));
    }
    while (!AtEnd() && !Stopped()) {
        if (IsFormulaWhitespace(Current())) {
            AddSpaces();
            continue;
        }
        if (ParseElement()) {
            continue;
        }
        // A manager that does not raise: the character is kept as it is, and scanning goes on after it.
        Report(XLSErrorInFormula);
        if (!AtEnd() && !Stopped()) {
            TXLSToken& token = Add(xttChar, FPos, FPos + 1);
            token.Payload = TXLSTokenPayload::Character;
            token.Character = Current();
            ++FPos;
        }
    }
    FinalPass();
}

// Recognises one element at the position; fails without having recognised anything, though it may have consumed
// characters and added tokens on the way. Nested elements count against XLSMaxFormulaDepth, so no text runs the
// recursion out of stack.
bool TXLSFormulaScanner::ParseElement() {
    if (AtEnd() || Stopped()) {
        return false;
    }
    if (FDepth >= XLSMaxFormulaDepth) {
        if (!FTooDeepReported) {
            FTooDeepReported = true;
            Report(XLSErrorInFormula);
        }
        return false;
    }
    const size_t start = FPos;
    ++FDepth;
    const bool found = ParseElementSteps();
    --FDepth;
    return found && FPos > start;
}

bool TXLSFormulaScanner::ParseElementSteps() {
    if (Current() == u'(') {
        return ParseParenthesis();
    }
    if (ParseConstant()) {
        return true;
    }
    if (CanTakeSign() && (Current() == u'-' || Current() == u'+')) {
        const char16_t sign = Current();
        TakeChar(sign == u'-' ? xttNeg : xttPlus);
        if (ParseElement()) {
            return true;
        }
        // A manager that does not raise: the sign stays, and the steps below try what follows it.
        Report(XLSErrorInvalidUse, rtl::UnicodeStringView(&sign, 1));
    }
    if (Current() == u',') {
        // The next element is left to the caller, which parses elements until one fails anyway; so runs of empty
        // arguments do not nest.
        TakeChar(xttListSep);
        return true;
    }
    if (ParseOperator() && ParseElement()) {
        return true;
    }
    if (Current() == u'%') {
        TakeChar(xttPercent);
        return true;
    }
    if (ParseReferenceOrName()) {
        return true;
    }
    return Current() == u'[' && ParseTableReference();
}

bool TXLSFormulaScanner::ParseParenthesis() {
    const bool isCall = !FTokens.Empty() && FTokens.Last().Kind == xttName && IsFunctionName(FTokens.Last().Text);
    if (isCall) {
        FTokens.Last().Kind = xttFunc;
    } else {
        Add(xttOpenParen, FPos, FPos + 1);
    }
    ++FPos;
    while (ParseElement()) {
    }
    const bool closed = Current() == u')';
    if (closed) {
        Add(xttCloseParen, FPos, FPos + 1);
    } else {
        // A manager that does not raise: the character in place of ")" is passed over.
        Report(XLSErrorMissingRightParenthesis);
    }
    FPos = std::min(FPos + 1, FText.size());
    return closed;
}

// A sign is unary at the start, after whitespace, "," or "(", after an operator and after a function's "(".
bool TXLSFormulaScanner::CanTakeSign() const {
    const TXLSTokenType last = FTokens.LastKind();
    return last == xttChar || last == xttWhitespace || last == xttListSep || last == xttOpenParen || last == xttFunc ||
           (last >= xttPower && last <= xttGE);
}

// An operator, or a run of whitespace, which acts like one until the final pass tells layout from intersection.
bool TXLSFormulaScanner::ParseOperator() {
    if (IsFormulaWhitespace(Current())) {
        AddSpaces();
        return true;
    }
    for (const TOperator& op : Operators) {
        if (LooksAt(op.Text)) {
            Add(op.Kind, FPos, FPos + op.Text.size());
            FPos += op.Text.size();
            return true;
        }
    }
    return false;
}

void TXLSFormulaScanner::FinalPass() {
    for (int32_t index = 1; index + 1 < FTokens.Count(); ++index) {
        TXLSToken& token = FTokens.GetToken(index);
        if (token.Kind != xttSpace) {
            continue;
        }
        const TXLSTokenType before = FTokens.GetToken(index - 1).Kind;
        const TXLSTokenType after = FTokens.GetToken(index + 1).Kind;
        token.Kind = SpaceIsLayout(before, after) ? xttWhitespace : xttIsect;
    }
}

} // namespace xls
