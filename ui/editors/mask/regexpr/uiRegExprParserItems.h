#pragma once
// The parse tree of a mask regular expression: quantifiers, items (one match state, or a block of alternatives with
// its entry and exit states), alternatives, and the pool that owns every item of one expression.

#include "rtl/text/StringTypes.h"
#include "ui/editors/mask/regexpr/uiRegExprStates.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

enum TuiRegExprQuantifier : uint8_t {
    rqSimple,   // no quantifier: exactly once
    rqQuestion, // ?
    rqStar,     // *
    rqPlus,     // +
};

bool QuantifierAllowsNone(TuiRegExprQuantifier quantifier);
bool QuantifierAllowsMany(TuiRegExprQuantifier quantifier);
// The quantifier as written: "", "?", "*" or "+".
rtl::UnicodeStringView QuantifierText(TuiRegExprQuantifier quantifier);

class TuiRegExprParserBlockItem;

class TuiRegExprParserItem {
public:
    TuiRegExprParserItem(const TuiRegExprParserItem&) = delete;
    TuiRegExprParserItem& operator=(const TuiRegExprParserItem&) = delete;
    virtual ~TuiRegExprParserItem() = default;

    TuiRegExprQuantifier Quantifier() const { return FQuantifier; }
    bool AllowsNone() const { return QuantifierAllowsNone(FQuantifier); }
    bool AllowsMany() const { return QuantifierAllowsMany(FQuantifier); }
    bool HasNoQuantifier() const { return FQuantifier == rqSimple; }
    void ReplaceQuantifier(TuiRegExprQuantifier quantifier) { FQuantifier = quantifier; }

    // Whether the item may match the empty text (its quantifier allows none, or a block's contents may).
    virtual bool CanMatchEmpty() const = 0;
    // The items of its subtree, itself included.
    virtual int64_t ItemCount() const { return 1; }
    // The state the item is entered by and the one it is left from.
    virtual TuiRegExprState& Entry() = 0;
    virtual TuiRegExprState& Exit() = 0;
    virtual TuiRegExprParserBlockItem* AsBlock() { return nullptr; }
    const TuiRegExprParserBlockItem* AsBlock() const { return const_cast<TuiRegExprParserItem*>(this)->AsBlock(); }

protected:
    explicit TuiRegExprParserItem(TuiRegExprQuantifier quantifier) : FQuantifier(quantifier) {}

private:
    TuiRegExprQuantifier FQuantifier;
};

// One match state.
class TuiRegExprParserSimpleItem final : public TuiRegExprParserItem {
public:
    TuiRegExprParserSimpleItem(std::unique_ptr<TuiRegExprSimpleState> state, TuiRegExprQuantifier quantifier)
        : TuiRegExprParserItem(quantifier), FState(std::move(state)) {}

    TuiRegExprSimpleState& State() const { return *FState; }
    bool CanMatchEmpty() const override { return AllowsNone(); }
    TuiRegExprState& Entry() override { return *FState; }
    TuiRegExprState& Exit() override { return *FState; }

private:
    std::unique_ptr<TuiRegExprSimpleState> FState;
};

// An ordered list of items (owned by the pool) and, once linked, the block states between them.
class TuiRegExprParserAlt {
public:
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiRegExprParserItem& Item(int32_t index) const { return *FItems.at(index); }
    TuiRegExprParserItem* Last() const { return FItems.empty() ? nullptr : FItems.back(); }
    void Add(TuiRegExprParserItem& item) { FItems.push_back(&item); }
    void ReplaceLast(TuiRegExprParserItem& item) { FItems.back() = &item; }
    // Every item may be skipped (true for no items).
    bool AllAllowNone() const;
    // Every item may match the empty text (true for no items).
    bool AllCanMatchEmpty() const;

    // Makes the states that follow each item: Follow(0) stands before the first item, Follow(i) after item i - 1.
    void MakeFollowStates();
    TuiRegExprBlockState& Follow(int32_t index) const { return *FFollowStates.at(index); }

private:
    std::vector<TuiRegExprParserItem*> FItems;
    std::vector<std::unique_ptr<TuiRegExprBlockState>> FFollowStates;
};

class TuiRegExprParserAlts {
public:
    int32_t Count() const { return static_cast<int32_t>(FAlts.size()); }
    TuiRegExprParserAlt& Item(int32_t index) const { return *FAlts.at(index); }
    TuiRegExprParserAlt& Add();

private:
    std::vector<std::unique_ptr<TuiRegExprParserAlt>> FAlts;
};

// A parenthesised group, or a block the parser makes to hold a quantified or counted item.
class TuiRegExprParserBlockItem final : public TuiRegExprParserItem {
public:
    explicit TuiRegExprParserBlockItem(TuiRegExprQuantifier quantifier) : TuiRegExprParserItem(quantifier) {}

    TuiRegExprParserAlts& Alts() { return FAlts; }
    const TuiRegExprParserAlts& Alts() const { return FAlts; }
    bool CanMatchEmpty() const override { return AllowsNone() || FContentCanMatchEmpty; }
    int64_t ItemCount() const override { return FItemCount; }
    TuiRegExprState& Entry() override { return FEntry; }
    TuiRegExprState& Exit() override { return FExit; }
    TuiRegExprParserBlockItem* AsBlock() override { return this; }

    // Computes what CanMatchEmpty and ItemCount answer from the items directly inside, whose own answers are final.
    void UpdateTotals();
    // Takes those answers from an equal block.
    void CopyTotals(const TuiRegExprParserBlockItem& source);

private:
    TuiRegExprParserAlts FAlts;
    TuiRegExprBlockState FExit;
    TuiRegExprBlockState FEntry;
    bool FContentCanMatchEmpty = true;
    int64_t FItemCount = 1;
};

// Owns every parser item of one expression until the expression is discarded: an item that a count replaces stays
// alive for the back references that name it.
class TuiRegExprItemPool {
public:
    int64_t Count() const { return static_cast<int64_t>(FItems.size()); }
    TuiRegExprParserSimpleItem& AddSimple(std::unique_ptr<TuiRegExprItem> item,
                                          TuiRegExprQuantifier quantifier = rqSimple);
    TuiRegExprParserBlockItem& AddBlock(TuiRegExprQuantifier quantifier = rqSimple);
    // An equal copy of the item and everything inside it, quantifiers included, without successors. Walks the
    // subtree with a work list, so deep nesting costs no stack.
    TuiRegExprParserItem& Duplicate(const TuiRegExprParserItem& item);

private:
    TuiRegExprParserSimpleItem& AddSimpleState(std::unique_ptr<TuiRegExprSimpleState> state,
                                               TuiRegExprQuantifier quantifier);
    TuiRegExprParserItem& DuplicateOne(const TuiRegExprParserItem& item);

    std::vector<std::unique_ptr<TuiRegExprParserItem>> FItems;
};

// The tree as text, for diagnostics: "item --> +" per match item, blocks and alternatives between their
// "<Start_Block>" ... "<Finish_Block> --> ?" and "<Start_Alt>" ... "<Finish_Alt>" lines (lines end in CR LF).
rtl::UnicodeString DescribeAlts(const TuiRegExprParserAlts& alts);

} // namespace ui
