#include "ui/editors/mask/regexpr/uiRegExprStates.h"

#include <algorithm>
#include <atomic>

namespace ui {

void TuiRegExprState::AddSuccessor(TuiRegExprState& state) {
    FSuccessors.push_back(&state);
}

std::unique_ptr<TuiRegExprSimpleState> TuiRegExprSimpleState::Duplicate() const {
    return std::make_unique<TuiRegExprSimpleState>(FItem ? FItem->Duplicate() : nullptr);
}

bool TuiRegExprStates::AnyFinal() const {
    return std::any_of(FStates.begin(), FStates.end(),
                       [](const TuiRegExprSimpleState* state) { return state->Final(); });
}

bool TuiRegExprStates::AnyReachesFinal() const {
    return std::any_of(FStates.begin(), FStates.end(),
                       [](const TuiRegExprSimpleState* state) { return state->ReachesFinal(); });
}

bool TuiRegExprStates::IsForcedChar(char16_t& character) const {
    if (FStates.empty()) {
        return false;
    }
    char16_t forced = 0;
    for (const TuiRegExprSimpleState* state : FStates) {
        char16_t fixed = 0;
        if (state->Item() == nullptr || !state->Item()->IsFixedCharacter(fixed) ||
            (state != FStates.front() && fixed != forced)) {
            return false;
        }
        forced = fixed;
    }
    character = forced;
    return true;
}

void TuiRegExprClosure::PushSuccessors(const TuiRegExprState& state) {
    // Reversed, so that the first successor is walked first.
    const std::vector<TuiRegExprState*>& successors = state.Successors();
    for (size_t i = successors.size(); i > 0; --i) {
        FPending.push_back(successors[i - 1]);
    }
}

namespace {

// Numbers every walk of every closure, so that a state's mark never stands for another walk's visit.
std::atomic<uint64_t> lastClosureWalk{0};

} // namespace

template <class TTake>
TuiRegExprStates TuiRegExprClosure::Walk(const TuiRegExprStates& from, TTake take) {
    FWalk = ++lastClosureWalk;
    TuiRegExprStates found;
    for (int32_t i = 0; i < from.Count(); ++i) {
        PushSuccessors(from.State(i));
        while (!FPending.empty()) {
            TuiRegExprState* state = FPending.back();
            FPending.pop_back();
            if (state->FWalkMark == FWalk) {
                continue;
            }
            state->FWalkMark = FWalk;
            TuiRegExprSimpleState* simple = state->AsSimpleState();
            if (simple == nullptr) {
                PushSuccessors(*state);
            } else if (take(*simple)) {
                found.Add(*simple);
            }
        }
    }
    return found;
}

TuiRegExprStates TuiRegExprClosure::ExpandAll(const TuiRegExprStates& from) {
    return Walk(from, [](const TuiRegExprSimpleState&) { return true; });
}

TuiRegExprStates TuiRegExprClosure::StepAll(const TuiRegExprStates& from, char16_t& character, bool caseInsensitive) {
    return Walk(from, [&](const TuiRegExprSimpleState& state) {
        return state.Item() != nullptr && state.Item()->Matches(character, caseInsensitive);
    });
}

} // namespace ui
