#include "ui/editors/mask/regexpr/uiRegExprAutomat.h"

#include "../RegExprTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>

namespace ui {
namespace {

using TStateSet = std::set<const TuiRegExprState*>;

// The automaton linked the plain way, over the same tree: each item's exit leads straight to the entries of the
// items after it up to the first that must match, and the trailing items' exits to their block's exit. The engine
// links through follow states and skips states that only pass on; both must step through the same simple states.
class TPlainAutomaton {
public:
    explicit TPlainAutomaton(const TuiRegExprAutomat& automat) {
        const TuiRegExprParserAlts& tree = automat.Tree();
        for (int32_t a = 0; a < tree.Count(); ++a) {
            LinkAlternative(tree.Item(a), nullptr);
            AddFirstStates(FStart, tree.Item(a));
        }
    }

    // The simple states one transition from the set, through block states.
    TStateSet Expand(const TStateSet& from, char16_t character, bool anyCharacter) const {
        TStateSet found;
        TStateSet visited;
        for (const TuiRegExprState* state : from) {
            for (const TuiRegExprState* successor : Successors(state == nullptr ? &FStart : state)) {
                Walk(successor, character, anyCharacter, visited, found);
            }
        }
        return found;
    }

    // The start state stands for itself in the sets.
    const TuiRegExprState* Start() const { return nullptr; }

private:
    const std::vector<const TuiRegExprState*>& Successors(const TuiRegExprState* state) const {
        static const std::vector<const TuiRegExprState*> none;
        const auto found = FSuccessors.find(state);
        return found == FSuccessors.end() ? none : found->second;
    }

    void Walk(const TuiRegExprState* state, char16_t character, bool anyCharacter, TStateSet& visited,
              TStateSet& found) const {
        if (!visited.insert(state).second) {
            return;
        }
        TuiRegExprSimpleState* simple = const_cast<TuiRegExprState*>(state)->AsSimpleState();
        if (simple == nullptr) {
            for (const TuiRegExprState* successor : Successors(state)) {
                Walk(successor, character, anyCharacter, visited, found);
            }
        } else if (anyCharacter || simple->Item()->Matches(character, false)) {
            found.insert(state);
        }
    }

    void Link(const TuiRegExprState& from, const TuiRegExprState& to) { FSuccessors[&from].push_back(&to); }

    void AddFirstStates(const TuiRegExprState& from, const TuiRegExprParserAlt& alt) {
        for (int32_t i = 0; i < alt.Count(); ++i) {
            Link(from, alt.Item(i).Entry());
            if (!alt.Item(i).AllowsNone()) {
                return;
            }
        }
    }

    void LinkAlternative(const TuiRegExprParserAlt& alt, const TuiRegExprState* blockExit) {
        for (int32_t i = 0; i < alt.Count(); ++i) {
            TuiRegExprParserItem& item = alt.Item(i);
            for (int32_t next = i + 1; next < alt.Count(); ++next) {
                Link(item.Exit(), alt.Item(next).Entry());
                if (!alt.Item(next).AllowsNone()) {
                    break;
                }
            }
            if (item.AllowsMany()) {
                Link(item.Exit(), item.Entry());
            }
            if (TuiRegExprParserBlockItem* block = item.AsBlock()) {
                for (int32_t a = 0; a < block->Alts().Count(); ++a) {
                    AddFirstStates(block->Entry(), block->Alts().Item(a));
                    if (block->Alts().Item(a).AllAllowNone()) {
                        Link(block->Entry(), block->Exit());
                    }
                    LinkAlternative(block->Alts().Item(a), &block->Exit());
                }
            }
        }
        for (int32_t i = alt.Count() - 1; i >= 0 && blockExit != nullptr; --i) {
            Link(alt.Item(i).Exit(), *blockExit);
            if (!alt.Item(i).AllowsNone()) {
                break;
            }
        }
    }

    TuiRegExprSimpleState FStart{nullptr};
    std::map<const TuiRegExprState*, std::vector<const TuiRegExprState*>> FSuccessors;
};

// Small masks over a and b: items, groups, alternatives, quantifiers and counts.
class TMaskGenerator {
public:
    explicit TMaskGenerator(uint32_t seed) : FRandom(seed) {}

    std::u16string Mask() { return Alternatives(0); }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(FRandom); }

    std::u16string Alternatives(int depth) {
        std::u16string text = Alternative(depth);
        while (Pick(4) == 0) {
            text += u"|" + Alternative(depth);
        }
        return text;
    }

    std::u16string Alternative(int depth) {
        std::u16string text;
        for (int count = 1 + Pick(3); count > 0; --count) {
            text += Item(depth) + Quantifier();
        }
        return text;
    }

    std::u16string Item(int depth) {
        const char16_t* const atoms[] = {u"a", u"b", u".", u"[ab]"};
        if (depth < 3 && Pick(3) == 0) {
            return u"(" + Alternatives(depth + 1) + u")";
        }
        return atoms[Pick(4)];
    }

    std::u16string Quantifier() {
        const char16_t* const quantifiers[] = {u"", u"", u"?", u"*", u"+", u"{2}", u"{0,2}", u"{1,3}", u"{2,}", u"??"};
        return quantifiers[Pick(10)];
    }

    std::mt19937 FRandom;
};

TStateSet CurrentStates(const TuiRegExprAutomat& automat, const TPlainAutomaton& plain) {
    TStateSet states;
    for (int32_t i = 0; i < automat.Current().Count(); ++i) {
        const TuiRegExprState* state = &automat.Current().State(i);
        states.insert(automat.AtStart() ? plain.Start() : state);
    }
    return states;
}

TStateSet Candidates(const TuiRegExprAutomat& automat) {
    TuiRegExprClosure closure;
    const TuiRegExprStates candidates = closure.ExpandAll(automat.Current());
    TStateSet states;
    for (int32_t i = 0; i < candidates.Count(); ++i) {
        states.insert(&candidates.State(i));
    }
    return states;
}

TEST(uiRegExprAutomat, StepsThroughTheSameStatesAsThePlainLinking) {
    test::TTestSeparators separators;
    TuiRegExpr expression(separators);
    TMaskGenerator generator(54);
    std::mt19937 random(160);
    int compiled = 0;
    for (int m = 0; m < 400; ++m) {
        const std::u16string mask = generator.Mask();
        if (!test::CompileErrors(expression, mask).empty()) {
            continue;
        }
        ++compiled;
        SCOPED_TRACE(test_support::Utf8(mask));
        const TPlainAutomaton plain(*expression.Automat());
        for (int run = 0; run < 5; ++run) {
            expression.Rewind();
            for (int step = 0; step < 8; ++step) {
                const TStateSet before = CurrentStates(*expression.Automat(), plain);
                ASSERT_EQ(Candidates(*expression.Automat()), plain.Expand(before, 0, true));
                const char16_t character = u"abc"[std::uniform_int_distribution<int>(0, 2)(random)];
                const TStateSet expected = plain.Expand(before, character, false);
                char16_t accepted = character;
                ASSERT_EQ(expression.Accept(accepted), !expected.empty());
                if (!expected.empty()) {
                    ASSERT_EQ(CurrentStates(*expression.Automat(), plain), expected);
                }
            }
        }
    }
    EXPECT_GT(compiled, 200);
}

} // namespace
} // namespace ui
