#include "ui/editors/mask/regexpr/uiRegExprParserItems.h"

#include <algorithm>
#include <utility>

namespace ui {

bool QuantifierAllowsNone(TuiRegExprQuantifier quantifier) {
    return quantifier == rqQuestion || quantifier == rqStar;
}

bool QuantifierAllowsMany(TuiRegExprQuantifier quantifier) {
    return quantifier == rqStar || quantifier == rqPlus;
}

rtl::UnicodeStringView QuantifierText(TuiRegExprQuantifier quantifier) {
    switch (quantifier) {
    case rqQuestion:
        return u"?";
    case rqStar:
        return u"*";
    case rqPlus:
        return u"+";
    case rqSimple:
        break;
    }
    return u"";
}

bool TuiRegExprParserAlt::AllAllowNone() const {
    return std::all_of(FItems.begin(), FItems.end(),
                       [](const TuiRegExprParserItem* item) { return item->AllowsNone(); });
}

bool TuiRegExprParserAlt::AllCanMatchEmpty() const {
    return std::all_of(FItems.begin(), FItems.end(),
                       [](const TuiRegExprParserItem* item) { return item->CanMatchEmpty(); });
}

void TuiRegExprParserAlt::MakeFollowStates() {
    FFollowStates.clear();
    for (size_t i = 0; i <= FItems.size(); ++i) {
        FFollowStates.push_back(std::make_unique<TuiRegExprBlockState>());
    }
}

TuiRegExprParserAlt& TuiRegExprParserAlts::Add() {
    return *FAlts.emplace_back(std::make_unique<TuiRegExprParserAlt>());
}

void TuiRegExprParserBlockItem::UpdateTotals() {
    FContentCanMatchEmpty = false;
    FItemCount = 1;
    for (int32_t a = 0; a < FAlts.Count(); ++a) {
        const TuiRegExprParserAlt& alt = FAlts.Item(a);
        FContentCanMatchEmpty = FContentCanMatchEmpty || alt.AllCanMatchEmpty();
        for (int32_t i = 0; i < alt.Count(); ++i) {
            FItemCount += alt.Item(i).ItemCount();
        }
    }
}

void TuiRegExprParserBlockItem::CopyTotals(const TuiRegExprParserBlockItem& source) {
    FContentCanMatchEmpty = source.FContentCanMatchEmpty;
    FItemCount = source.FItemCount;
}

TuiRegExprParserSimpleItem& TuiRegExprItemPool::AddSimple(std::unique_ptr<TuiRegExprItem> item,
                                                          TuiRegExprQuantifier quantifier) {
    return AddSimpleState(std::make_unique<TuiRegExprSimpleState>(std::move(item)), quantifier);
}

TuiRegExprParserSimpleItem& TuiRegExprItemPool::AddSimpleState(std::unique_ptr<TuiRegExprSimpleState> state,
                                                               TuiRegExprQuantifier quantifier) {
    auto& added = FItems.emplace_back(std::make_unique<TuiRegExprParserSimpleItem>(std::move(state), quantifier));
    return static_cast<TuiRegExprParserSimpleItem&>(*added);
}

TuiRegExprParserBlockItem& TuiRegExprItemPool::AddBlock(TuiRegExprQuantifier quantifier) {
    auto& added = FItems.emplace_back(std::make_unique<TuiRegExprParserBlockItem>(quantifier));
    return static_cast<TuiRegExprParserBlockItem&>(*added);
}

TuiRegExprParserItem& TuiRegExprItemPool::DuplicateOne(const TuiRegExprParserItem& item) {
    if (const TuiRegExprParserBlockItem* block = item.AsBlock()) {
        TuiRegExprParserBlockItem& copy = AddBlock(block->Quantifier());
        copy.CopyTotals(*block);
        return copy;
    }
    const auto& simple = static_cast<const TuiRegExprParserSimpleItem&>(item);
    return AddSimpleState(simple.State().Duplicate(), item.Quantifier());
}

TuiRegExprParserItem& TuiRegExprItemPool::Duplicate(const TuiRegExprParserItem& item) {
    TuiRegExprParserItem& root = DuplicateOne(item);
    std::vector<std::pair<const TuiRegExprParserBlockItem*, TuiRegExprParserBlockItem*>> pending;
    if (item.AsBlock() != nullptr) {
        pending.emplace_back(item.AsBlock(), root.AsBlock());
    }
    while (!pending.empty()) {
        const auto [source, copy] = pending.back();
        pending.pop_back();
        for (int32_t a = 0; a < source->Alts().Count(); ++a) {
            const TuiRegExprParserAlt& sourceAlt = source->Alts().Item(a);
            TuiRegExprParserAlt& copyAlt = copy->Alts().Add();
            for (int32_t i = 0; i < sourceAlt.Count(); ++i) {
                TuiRegExprParserItem& itemCopy = DuplicateOne(sourceAlt.Item(i));
                copyAlt.Add(itemCopy);
                if (itemCopy.AsBlock() != nullptr) {
                    pending.emplace_back(sourceAlt.Item(i).AsBlock(), itemCopy.AsBlock());
                }
            }
        }
    }
    return root;
}

namespace {

// One step of the description: an item, an alternative, or a closing line.
struct TDescribeStep {
    const TuiRegExprParserItem* Item = nullptr;
    const TuiRegExprParserAlt* Alt = nullptr;
    rtl::UnicodeString Text;
};

void PushAltsReversed(std::vector<TDescribeStep>& steps, const TuiRegExprParserAlts& alts) {
    for (int32_t a = alts.Count() - 1; a >= 0; --a) {
        steps.push_back({nullptr, &alts.Item(a), {}});
    }
}

void DescribeStep(std::vector<TDescribeStep>& steps, const TDescribeStep& step, rtl::UnicodeString& text) {
    if (step.Alt != nullptr) {
        text += u"<Start_Alt>\r\n";
        steps.push_back({nullptr, nullptr, u"<Finish_Alt>\r\n"});
        for (int32_t i = step.Alt->Count() - 1; i >= 0; --i) {
            steps.push_back({&step.Alt->Item(i), nullptr, {}});
        }
    } else if (step.Item == nullptr) {
        text += step.Text;
    } else if (const TuiRegExprParserBlockItem* block = step.Item->AsBlock()) {
        text += u"<Start_Block>\r\n";
        rtl::UnicodeString finish = u"<Finish_Block> --> ";
        finish += QuantifierText(block->Quantifier());
        steps.push_back({nullptr, nullptr, finish + u"\r\n"});
        PushAltsReversed(steps, block->Alts());
    } else {
        text += u"item --> ";
        text += QuantifierText(step.Item->Quantifier());
        text += u"\r\n";
    }
}

} // namespace

rtl::UnicodeString DescribeAlts(const TuiRegExprParserAlts& alts) {
    rtl::UnicodeString text;
    std::vector<TDescribeStep> steps;
    PushAltsReversed(steps, alts);
    while (!steps.empty()) {
        const TDescribeStep step = std::move(steps.back());
        steps.pop_back();
        DescribeStep(steps, step, text);
    }
    return text;
}

} // namespace ui
