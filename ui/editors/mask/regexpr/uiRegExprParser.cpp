#include "ui/editors/mask/regexpr/uiRegExprParser.h"

#include "rtl/text/Format.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

#include <charconv>

namespace ui {

TuiRegExprParser::TuiRegExprParser(const TuiLexems& lexems, const IuiRegExprSeparators& separators,
                                   TuiRegExprItemPool& pool, std::vector<TuiRegExprParserBlockItem*>& groups,
                                   TuiRegExprErrors& errors)
    : FLexems(lexems), FSeparators(separators), FPool(pool), FGroups(groups), FErrors(errors) {}

const TuiLexem* TuiRegExprParser::Next() {
    if (FLexemIndex >= FLexems.size()) {
        return nullptr;
    }
    FLastRead = &FLexems[FLexemIndex++];
    return FLastRead;
}

void TuiRegExprParser::Error(const TuxResourceString& message, const TuiLexem* at) {
    FErrors.Add(LoadResStringText(message), at ? at->Line : 0, at ? at->Column : 0);
}

void TuiRegExprParser::ErrorWith(const TuxResourceString& message, rtl::UnicodeStringView argument,
                                 const TuiLexem* at) {
    FErrors.Add(rtl::Format(LoadResStringText(message), {argument}), at->Line, at->Column);
}

TuiRegExprParserAlt& TuiRegExprParser::CurrentAlt() const {
    const TuiRegExprParserAlts& alts = *FFrames.back().Alts;
    return alts.Item(alts.Count() - 1);
}

void TuiRegExprParser::Parse(TuiRegExprParserAlts& alternatives) {
    FFrames.push_back({nullptr, &alternatives, false});
    BeginAlternative();
    while (!FFrames.empty()) {
        const TuiLexem* lexem = Next();
        if (FFrames.back().AtAlternativeStart) {
            FFrames.back().AtAlternativeStart = false;
            if (HandleAlternativeStart(lexem)) {
                continue;
            }
        }
        if (lexem == nullptr) {
            EndAlternative(false);
        } else {
            HandleLexem(*lexem);
        }
    }
}

void TuiRegExprParser::BeginAlternative() {
    FFrames.back().Alts->Add();
    FFrames.back().AtAlternativeStart = true;
}

void TuiRegExprParser::EndAlternative(bool barFollowed) {
    if (barFollowed) {
        BeginAlternative();
        return;
    }
    TuiRegExprParserBlockItem* group = FFrames.back().Group;
    FFrames.pop_back();
    if (group != nullptr) {
        group->UpdateTotals();
        CurrentAlt().Add(*group);
    }
}

bool TuiRegExprParser::HandleAlternativeStart(const TuiLexem* lexem) {
    if (lexem == nullptr) {
        Error(suiRegExprCantCreateEmptyAlt, nullptr);
        EndAlternative(false);
    } else if (lexem->IsSpecial(u'|')) {
        Error(suiRegExprCantCreateEmptyAlt, lexem);
        EndAlternative(true);
    } else if (FFrames.back().Group != nullptr && lexem->IsSpecial(u')')) {
        Error(suiRegExprCantCreateEmptyBlock, lexem);
        EndAlternative(false);
    } else {
        return false;
    }
    return true;
}

void TuiRegExprParser::HandleLexem(const TuiLexem& lexem) {
    switch (lexem.Code) {
    case lkSpecial:
        HandleSpecial(lexem);
        return;
    case lkReference:
        AddReference(lexem);
        return;
    case lkInteger:
        Error(suiRegExprIllegalIntegerValue, &lexem);
        return;
    default:
        CurrentAlt().Add(FPool.AddSimple(MatchItem(lexem)));
        return;
    }
}

void TuiRegExprParser::HandleSpecial(const TuiLexem& lexem) {
    switch (lexem.Value[0]) {
    case u'(':
        OpenGroup();
        return;
    case u')':
        if (FFrames.back().Group == nullptr) {
            ErrorWith(suiRegExprIllegalSymbol, lexem.Value, &lexem);
        } else {
            EndAlternative(false);
        }
        return;
    case u'|':
        EndAlternative(true);
        return;
    case u'*':
        ApplyQuantifier(lexem, rqStar);
        return;
    case u'+':
        ApplyQuantifier(lexem, rqPlus);
        return;
    case u'?':
        ApplyQuantifier(lexem, rqQuestion);
        return;
    case u'{':
        ApplyCount(lexem);
        return;
    case u'[':
        ParseEnumeration();
        return;
    case u'-':
    case u']':
    case u'}':
        ErrorWith(suiRegExprIllegalSymbol, lexem.Value, &lexem);
        return;
    default:
        // A stray ',' or '^' means nothing here.
        return;
    }
}

std::unique_ptr<TuiRegExprItem> TuiRegExprParser::MatchItem(const TuiLexem& lexem) const {
    switch (lexem.Code) {
    case lkAnyChar:
        return std::make_unique<TuiRegExprAll>();
    case lkWordChar:
    case lkNonWordChar:
        return std::make_unique<TuiRegExprIdLetter>(lexem.Code == lkNonWordChar);
    case lkDigit:
    case lkNonDigit:
        return std::make_unique<TuiRegExprDigit>(lexem.Code == lkNonDigit);
    case lkSpace:
    case lkNonSpace:
        return std::make_unique<TuiRegExprSpace>(lexem.Code == lkNonSpace);
    case lkDateSeparator:
        return std::make_unique<TuiRegExprDateSeparator>(FSeparators);
    case lkTimeSeparator:
        return std::make_unique<TuiRegExprTimeSeparator>(FSeparators);
    default:
        return std::make_unique<TuiRegExprSymbol>(lexem.Value[0]);
    }
}

void TuiRegExprParser::OpenGroup() {
    TuiRegExprParserBlockItem& group = FPool.AddBlock();
    FGroups.push_back(&group);
    FFrames.push_back({&group, &group.Alts(), false});
    BeginAlternative();
}

void TuiRegExprParser::AddReference(const TuiLexem& lexem) {
    const size_t number = static_cast<size_t>(lexem.Value[0] - u'0');
    if (number > FGroups.size()) {
        Error(suiRegExprTooBigReferenceNumber, &lexem);
        return;
    }
    // The group as written, with its quantifier; an enclosing group is still open and counts what it holds so far.
    TuiRegExprParserBlockItem& group = *FGroups[number - 1];
    group.UpdateTotals();
    if (!WithinBudget(group.ItemCount())) {
        Error(suiRegExprIncorrectParameterQuantifier, &lexem);
        return;
    }
    CurrentAlt().Add(FPool.Duplicate(group));
}

void TuiRegExprParser::ApplyQuantifier(const TuiLexem& lexem, TuiRegExprQuantifier quantifier) {
    TuiRegExprParserItem* last = LastItem();
    if (last == nullptr) {
        ErrorWith(suiRegExprIllegalQuantifier, lexem.Value, &lexem);
        return;
    }
    // A repeated item that may match nothing would repeat without end.
    if (QuantifierAllowsMany(quantifier) && last->CanMatchEmpty()) {
        Error(quantifier == rqStar ? suiRegExprCantUseStarQuantifier : suiRegExprCantUsePlusQuantifier, &lexem);
        return;
    }
    if (last->HasNoQuantifier()) {
        last->ReplaceQuantifier(quantifier);
        return;
    }
    TuiRegExprParserBlockItem& wrapper = FPool.AddBlock(quantifier);
    wrapper.Alts().Add().Add(*last);
    wrapper.UpdateTotals();
    CurrentAlt().ReplaceLast(wrapper);
}

void TuiRegExprParser::ApplyCount(const TuiLexem& brace) {
    const TuiRegExprParserItem* last = LastItem();
    if (last == nullptr) {
        Error(suiRegExprIncorrectParameterQuantifier, &brace);
        return;
    }
    TCount count;
    if (!ReadCount(count)) {
        return;
    }
    if (last->AllowsNone()) {
        Error(suiRegExprCantUseParameterQuantifier, &brace);
        return;
    }
    const int64_t optional = count.Unbounded ? 1 : int64_t{count.Max} - count.Min;
    const int64_t chainBlocks = count.Unbounded || optional == 0 ? 0 : optional - 1;
    if (!WithinBudget(1 + (count.Min + optional) * last->ItemCount() + chainBlocks)) {
        Error(suiRegExprIncorrectParameterQuantifier, &brace);
        return;
    }
    // The counted item stays in the pool: a back reference to it repeats it as written.
    TuiRegExprParserBlockItem& counted = FPool.AddBlock();
    TuiRegExprParserAlt& alt = counted.Alts().Add();
    for (int32_t i = 0; i < count.Min; ++i) {
        alt.Add(FPool.Duplicate(*last));
    }
    if (count.Unbounded) {
        alt.Add(DuplicateWith(*last, rqStar));
    } else if (optional > 0) {
        AddOptionalChain(alt, *last, optional);
    }
    counted.UpdateTotals();
    CurrentAlt().ReplaceLast(counted);
}

// Up to length more copies, each only after the one before: (x(x(x)?)?)?, built from the outside in.
void TuiRegExprParser::AddOptionalChain(TuiRegExprParserAlt& alt, const TuiRegExprParserItem& item, int64_t length) {
    std::vector<TuiRegExprParserBlockItem*> chain;
    TuiRegExprParserAlt* innermost = &alt;
    for (int64_t depth = 1; depth < length; ++depth) {
        TuiRegExprParserBlockItem& link = FPool.AddBlock(rqQuestion);
        innermost->Add(link);
        innermost = &link.Alts().Add();
        innermost->Add(FPool.Duplicate(item));
        chain.push_back(&link);
    }
    innermost->Add(DuplicateWith(item, rqQuestion));
    for (auto link = chain.rbegin(); link != chain.rend(); ++link) {
        (*link)->UpdateTotals();
    }
}

TuiRegExprParserItem& TuiRegExprParser::DuplicateWith(const TuiRegExprParserItem& item,
                                                      TuiRegExprQuantifier quantifier) {
    TuiRegExprParserItem& copy = FPool.Duplicate(item);
    copy.ReplaceQuantifier(quantifier);
    return copy;
}

// After "{": "n}", "n,}" or "n,m}" with m >= n.
bool TuiRegExprParser::ReadCount(TCount& count) {
    const TuiLexem* lexem = Next();
    if (lexem == nullptr || lexem->Code != lkInteger) {
        return CountError();
    }
    bool inRange = ReadCountValue(*lexem, count.Min);
    lexem = Next();
    if (lexem != nullptr && lexem->IsSpecial(u'}')) {
        count.Max = count.Min;
        return inRange;
    }
    if (lexem == nullptr || !lexem->IsSpecial(u',')) {
        return CountError();
    }
    lexem = Next();
    if (lexem != nullptr && lexem->IsSpecial(u'}')) {
        count.Unbounded = true;
        return inRange;
    }
    if (lexem == nullptr || lexem->Code != lkInteger) {
        return CountError();
    }
    inRange = ReadCountValue(*lexem, count.Max) && inRange;
    lexem = Next();
    if (lexem == nullptr || !lexem->IsSpecial(u'}') || (inRange && count.Max < count.Min)) {
        return CountError();
    }
    return inRange;
}

bool TuiRegExprParser::ReadCountValue(const TuiLexem& lexem, int32_t& value) {
    std::string digits(lexem.Value.begin(), lexem.Value.end());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        Error(suiRegExprIllegalIntegerValue, &lexem);
        return false;
    }
    return true;
}

bool TuiRegExprParser::CountError() {
    Error(suiRegExprIncorrectParameterQuantifier, FLastRead);
    return false;
}

void TuiRegExprParser::ParseEnumeration() {
    const TuiLexem* low = Next();
    const bool inverse = low != nullptr && low->IsSpecial(u'^');
    if (inverse) {
        low = Next();
    }
    auto owned = std::make_unique<TuiRegExprUserEnumeration>(inverse);
    TuiRegExprUserEnumeration& enumeration = *owned;
    CurrentAlt().Add(FPool.AddSimple(std::move(owned)));
    if (low != nullptr && low->IsSpecial(u']')) {
        Error(suiRegExprCantCreateEmptyEnum, low);
        return;
    }
    while (low != nullptr && !low->IsSpecial(u']')) {
        const TuiLexem* next = Next();
        if (next == nullptr || !next->IsSpecial(u'-')) {
            enumeration.Add(MatchItem(*low));
            low = next;
            continue;
        }
        // Bounds are the lexems' first characters, so a class escape as a bound stands for its letter.
        const TuiLexem* high = Next();
        if (high == nullptr) {
            return;
        }
        if (low->Value[0] < high->Value[0]) {
            enumeration.Add(std::make_unique<TuiRegExprSubrange>(low->Value[0], high->Value[0]));
        } else {
            Error(suiRegExprSubrangeOrder, high);
        }
        low = Next();
        while (low != nullptr && low->IsSpecial(u'-')) {
            ErrorWith(suiRegExprIllegalSymbol, u"-", low);
            low = Next();
        }
    }
}

} // namespace ui
