#pragma once
// The states of a mask regular expression's automaton and the sets of states it keeps. A simple state accepts one
// character through its match item; a block state is an empty transition that only passes on to its successors, so
// the sets the automaton keeps hold simple states alone.

#include "ui/editors/mask/regexpr/uiRegExprMatchItems.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiRegExprSimpleState;

class TuiRegExprState {
public:
    TuiRegExprState() = default;
    TuiRegExprState(const TuiRegExprState&) = delete;
    TuiRegExprState& operator=(const TuiRegExprState&) = delete;
    virtual ~TuiRegExprState() = default;

    // The states one transition further (not owned).
    const std::vector<TuiRegExprState*>& Successors() const { return FSuccessors; }
    void AddSuccessor(TuiRegExprState& state);
    // The simple state this is, or nullptr for a block state.
    virtual TuiRegExprSimpleState* AsSimpleState() { return nullptr; }

    // Whether a final state can be reached from here (itself included), as the automaton found when it was built.
    bool ReachesFinal() const { return FReachesFinal; }
    void SetReachesFinal() { FReachesFinal = true; }

private:
    friend class TuiRegExprClosure;

    std::vector<TuiRegExprState*> FSuccessors;
    // The last walk of the closure that reached this state.
    uint64_t FWalkMark = 0;
    bool FReachesFinal = false;
};

class TuiRegExprSimpleState final : public TuiRegExprState {
public:
    // A state without item is the start state, which accepts nothing.
    explicit TuiRegExprSimpleState(std::unique_ptr<TuiRegExprItem> item) : FItem(std::move(item)) {}

    const TuiRegExprItem* Item() const { return FItem.get(); }
    bool Final() const { return FFinal; }
    void SetFinal() { FFinal = true; }
    TuiRegExprSimpleState* AsSimpleState() override { return this; }
    // The same item, without successors and not final.
    std::unique_ptr<TuiRegExprSimpleState> Duplicate() const;

private:
    std::unique_ptr<TuiRegExprItem> FItem;
    bool FFinal = false;
};

class TuiRegExprBlockState final : public TuiRegExprState {};

// A set of simple states, each once (not owned), in the order the closure found them.
class TuiRegExprStates {
public:
    TuiRegExprStates() = default;
    explicit TuiRegExprStates(TuiRegExprSimpleState& state) : FStates{&state} {}

    int32_t Count() const { return static_cast<int32_t>(FStates.size()); }
    bool Empty() const { return FStates.empty(); }
    TuiRegExprSimpleState& State(int32_t index) const { return *FStates.at(index); }
    void Add(TuiRegExprSimpleState& state) { FStates.push_back(&state); }

    // Some state is final: the text that led here is complete.
    bool AnyFinal() const;
    // Some state can still reach a final state.
    bool AnyReachesFinal() const;
    // Not empty, and every state stands for the same single character (a symbol or a separator), which is returned.
    bool IsForcedChar(char16_t& character) const;

private:
    std::vector<TuiRegExprSimpleState*> FStates;
};

// Walks from a set to the simple states one transition further, passing through block states, with a work list
// that visits each state once per walk: empty transitions may form cycles, and an ambiguous mask may reach one state
// along many paths. Keeps its scratch space between walks. The visit marks live in the states, so one automaton's
// states are walked by one thread at a time.
class TuiRegExprClosure {
public:
    // The candidates for the next character: every simple state one transition from the set.
    TuiRegExprStates ExpandAll(const TuiRegExprStates& from);
    // The candidates that accept the character; a case-insensitive symbol match hands its own letter case back.
    TuiRegExprStates StepAll(const TuiRegExprStates& from, char16_t& character, bool caseInsensitive);

private:
    // Each simple state found is offered to take, in depth-first order of the successor lists.
    template <class TTake>
    TuiRegExprStates Walk(const TuiRegExprStates& from, TTake take);
    void PushSuccessors(const TuiRegExprState& state);

    uint64_t FWalk = 0;
    std::vector<TuiRegExprState*> FPending;
};

} // namespace ui
