#pragma once
// The parser of the mask regular-expression language: turns the lexems into the parse tree of alternatives, items,
// groups, quantifiers, counts and enumerations, collecting every error instead of stopping at the first. Groups are
// parsed with an explicit stack, so deep nesting costs no call stack.

#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/mask/regexpr/uiRegExprErrors.h"
#include "ui/editors/mask/regexpr/uiRegExprLexer.h"
#include "ui/editors/mask/regexpr/uiRegExprParserItems.h"
#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

// The most items one expression may hold. Counts and back references copy items, nested counts multiply them: one
// that would take the expression past this is refused ("Incorrect parameter quantifier") before anything is copied.
inline constexpr int64_t uiRegExprItemBudget = 10000;

class TuiRegExprParser {
public:
    // groups receives the parenthesised groups in the order of their opening parentheses.
    TuiRegExprParser(const TuiLexems& lexems, const IuiRegExprSeparators& separators, TuiRegExprItemPool& pool,
                     std::vector<TuiRegExprParserBlockItem*>& groups, TuiRegExprErrors& errors);

    // Parses every lexem into the top-level alternatives.
    void Parse(TuiRegExprParserAlts& alternatives);

private:
    // An alternatives list being parsed: the top level, or an open group.
    struct TFrame {
        TuiRegExprParserBlockItem* Group;
        TuiRegExprParserAlts* Alts;
        bool AtAlternativeStart;
    };
    struct TCount {
        int32_t Min = 0;
        int32_t Max = 0;
        bool Unbounded = false;
    };

    const TuiLexem* Next();
    void Error(const TuxResourceString& message, const TuiLexem* at);
    void ErrorWith(const TuxResourceString& message, rtl::UnicodeStringView argument, const TuiLexem* at);

    TuiRegExprParserAlt& CurrentAlt() const;
    TuiRegExprParserItem* LastItem() const { return CurrentAlt().Last(); }
    void BeginAlternative();
    void EndAlternative(bool barFollowed);
    bool HandleAlternativeStart(const TuiLexem* lexem);
    void HandleLexem(const TuiLexem& lexem);
    void HandleSpecial(const TuiLexem& lexem);
    std::unique_ptr<TuiRegExprItem> MatchItem(const TuiLexem& lexem) const;

    void OpenGroup();
    void AddReference(const TuiLexem& lexem);
    void ApplyQuantifier(const TuiLexem& lexem, TuiRegExprQuantifier quantifier);
    void ApplyCount(const TuiLexem& brace);
    bool ReadCount(TCount& count);
    bool ReadCountValue(const TuiLexem& lexem, int32_t& value);
    bool CountError();
    void AddOptionalChain(TuiRegExprParserAlt& alt, const TuiRegExprParserItem& item, int64_t length);
    TuiRegExprParserItem& DuplicateWith(const TuiRegExprParserItem& item, TuiRegExprQuantifier quantifier);
    bool WithinBudget(int64_t added) const { return FPool.Count() + added <= uiRegExprItemBudget; }
    void ParseEnumeration();

    const TuiLexems& FLexems;
    const IuiRegExprSeparators& FSeparators;
    TuiRegExprItemPool& FPool;
    std::vector<TuiRegExprParserBlockItem*>& FGroups;
    TuiRegExprErrors& FErrors;
    size_t FLexemIndex = 0;
    const TuiLexem* FLastRead = nullptr;
    std::vector<TFrame> FFrames;
};

} // namespace ui
