#include "ui/editors/mask/regexpr/uiRegExprAutomat.h"

#include <unordered_map>

namespace ui {

namespace {

// A block waiting to be linked, with the state its alternatives lead out to.
struct TBlockToLink {
    TuiRegExprParserBlockItem* Block;
    TuiRegExprState* Outlet;
};

// Links the items of one alternative through the states that follow each item: Follow(i) leads into item i and, when
// that item may be skipped, on to Follow(i + 1); each item's exit leads to the state that follows it; the last
// follow state leads to the outlet. So every item reaches the items after it up to the first that must match, with
// transitions that grow with the number of items, not its square.
//
// A block's alternatives lead out past its exit when the block does not repeat, and past the states after it when
// it ends the alternative: what only passes on is skipped, so stepping out of a deep nest (the optional chain of a
// count) costs one transition instead of one per level.
void LinkAlternative(TuiRegExprParserAlt& alt, TuiRegExprState* outlet, std::vector<TBlockToLink>& blocks,
                     std::vector<TuiRegExprState*>& states) {
    alt.MakeFollowStates();
    for (int32_t i = 0; i < alt.Count(); ++i) {
        TuiRegExprParserItem& item = alt.Item(i);
        alt.Follow(i).AddSuccessor(item.Entry());
        if (item.AllowsNone()) {
            alt.Follow(i).AddSuccessor(alt.Follow(i + 1));
        }
        item.Exit().AddSuccessor(alt.Follow(i + 1));
        states.push_back(&alt.Follow(i));
        states.push_back(&item.Entry());
        if (TuiRegExprParserBlockItem* block = item.AsBlock()) {
            TuiRegExprState* after = i + 1 == alt.Count() ? outlet : &alt.Follow(i + 1);
            blocks.push_back({block, block->AllowsMany() ? &block->Exit() : after});
            states.push_back(&item.Exit());
        } else if (item.AllowsMany()) {
            item.Exit().AddSuccessor(item.Entry());
        }
    }
    if (outlet != nullptr) {
        alt.Follow(alt.Count()).AddSuccessor(*outlet);
    }
    states.push_back(&alt.Follow(alt.Count()));
}

} // namespace

TuiRegExprAutomat::TuiRegExprAutomat(std::unique_ptr<TuiRegExprParserAlts> tree) : FTree(std::move(tree)) {
    std::vector<TuiRegExprState*> states{&FStart};
    Link(states);
    FlagFinalStates();
    FindStatesReachingFinal(states);
    Rewind();
}

void TuiRegExprAutomat::Link(std::vector<TuiRegExprState*>& states) {
    std::vector<TBlockToLink> blocks;
    for (int32_t a = 0; a < FTree->Count(); ++a) {
        LinkAlternative(FTree->Item(a), nullptr, blocks, states);
        FStart.AddSuccessor(FTree->Item(a).Follow(0));
    }
    while (!blocks.empty()) {
        const TBlockToLink next = blocks.back();
        blocks.pop_back();
        TuiRegExprParserBlockItem& block = *next.Block;
        if (block.AllowsMany()) {
            block.Exit().AddSuccessor(block.Entry());
        }
        for (int32_t a = 0; a < block.Alts().Count(); ++a) {
            LinkAlternative(block.Alts().Item(a), next.Outlet, blocks, states);
            block.Entry().AddSuccessor(block.Alts().Item(a).Follow(0));
        }
    }
}

// The items that may end an alternative are final: walking back from its last item up to the first that must
// match. A block passes the flag on to the trailing items of its alternatives. Finality follows the quantifiers
// alone: a block without one stops the walk even when its contents may match nothing.
void TuiRegExprAutomat::FlagFinalStates() {
    std::vector<const TuiRegExprParserAlt*> pending;
    for (int32_t a = 0; a < FTree->Count(); ++a) {
        pending.push_back(&FTree->Item(a));
        if (FTree->Item(a).AllAllowNone()) {
            FStart.SetFinal();
        }
    }
    while (!pending.empty()) {
        const TuiRegExprParserAlt& alt = *pending.back();
        pending.pop_back();
        for (int32_t i = alt.Count() - 1; i >= 0; --i) {
            TuiRegExprParserItem& item = alt.Item(i);
            if (TuiRegExprParserBlockItem* block = item.AsBlock()) {
                for (int32_t a = 0; a < block->Alts().Count(); ++a) {
                    pending.push_back(&block->Alts().Item(a));
                }
            } else {
                item.Entry().AsSimpleState()->SetFinal();
            }
            if (!item.AllowsNone()) {
                break;
            }
        }
    }
}

// Walks the transitions backwards from the final states.
void TuiRegExprAutomat::FindStatesReachingFinal(const std::vector<TuiRegExprState*>& states) {
    std::unordered_map<const TuiRegExprState*, std::vector<TuiRegExprState*>> predecessors;
    std::vector<TuiRegExprState*> pending;
    for (TuiRegExprState* state : states) {
        for (const TuiRegExprState* successor : state->Successors()) {
            predecessors[successor].push_back(state);
        }
        TuiRegExprSimpleState* simple = state->AsSimpleState();
        if (simple != nullptr && simple->Final()) {
            simple->SetReachesFinal();
            pending.push_back(simple);
        }
    }
    while (!pending.empty()) {
        const TuiRegExprState* state = pending.back();
        pending.pop_back();
        for (TuiRegExprState* predecessor : predecessors[state]) {
            if (!predecessor->ReachesFinal()) {
                predecessor->SetReachesFinal();
                pending.push_back(predecessor);
            }
        }
    }
}

bool TuiRegExprAutomat::Accept(char16_t& character, bool caseInsensitive) {
    TuiRegExprStates next = FClosure.StepAll(FCurrent, character, caseInsensitive);
    if (next.Empty()) {
        return false;
    }
    FHistory.push_back(std::move(FCurrent));
    FCurrent = std::move(next);
    return true;
}

bool TuiRegExprAutomat::StepBack() {
    if (FHistory.empty()) {
        return false;
    }
    FCurrent = std::move(FHistory.back());
    FHistory.pop_back();
    return true;
}

void TuiRegExprAutomat::Rewind() {
    FHistory.clear();
    FCurrent = TuiRegExprStates(FStart);
}

void TuiRegExprAutomat::CompleteForward(const std::function<void(char16_t)>& inserted) {
    while (!FCurrent.AnyFinal() && FCurrent.AnyReachesFinal()) {
        TuiRegExprStates candidates = FClosure.ExpandAll(FCurrent);
        char16_t forced = 0;
        if (!candidates.IsForcedChar(forced)) {
            return;
        }
        if (inserted) {
            inserted(forced);
        }
        FHistory.push_back(std::move(FCurrent));
        FCurrent = std::move(candidates);
    }
}

void TuiRegExprAutomat::RemoveBackward(const std::function<void()>& deleted) {
    char16_t forced = 0;
    while (FCurrent.IsForcedChar(forced) && !FHistory.empty()) {
        // A character that ended a complete text, or that was one of several possible, was typed, not forced.
        const TuiRegExprStates& previous = FHistory.back();
        if (previous.AnyFinal() || !FClosure.ExpandAll(previous).IsForcedChar(forced)) {
            return;
        }
        if (deleted) {
            deleted();
        }
        StepBack();
    }
}

} // namespace ui
