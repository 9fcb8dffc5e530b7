#pragma once
// The automaton of a compiled mask regular expression: links the parse tree's states, flags the final ones, and steps
// through the text one character at a time with a history of state sets, so stepping back costs only a pop.

#include "ui/editors/mask/regexpr/uiRegExprParserItems.h"
#include "ui/editors/mask/regexpr/uiRegExprStates.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiRegExprAutomat {
public:
    // Links the tree (whose items the expression's pool owns) and starts at the start state.
    explicit TuiRegExprAutomat(std::unique_ptr<TuiRegExprParserAlts> tree);
    TuiRegExprAutomat(const TuiRegExprAutomat&) = delete;
    TuiRegExprAutomat& operator=(const TuiRegExprAutomat&) = delete;

    const TuiRegExprParserAlts& Tree() const { return *FTree; }
    const TuiRegExprStates& Current() const { return FCurrent; }

    // Moves on by the character when some state accepts it; otherwise nothing changes.
    bool Accept(char16_t& character, bool caseInsensitive);
    // Back to the set before the last character; false at the start.
    bool StepBack();
    // Back to the start state, the history cleared.
    void Rewind();
    bool AtFinal() const { return FCurrent.AnyFinal(); }
    bool AtStart() const { return &FCurrent.State(0) == &FStart; }

    // Accepts the characters the expression forces, one by one, telling inserted about each, until the text is
    // complete or the next character is a choice. Only while a complete text can still be reached: in an expression
    // that can never be completed from here the forced characters might repeat without end.
    void CompleteForward(const std::function<void(char16_t)>& inserted);
    // Steps back over the forced characters that end the text, telling deleted about each, down to a character that
    // was a choice or ended a complete text.
    void RemoveBackward(const std::function<void()>& deleted);

private:
    void Link(std::vector<TuiRegExprState*>& states);
    void FlagFinalStates();
    void FindStatesReachingFinal(const std::vector<TuiRegExprState*>& states);

    std::unique_ptr<TuiRegExprParserAlts> FTree;
    TuiRegExprSimpleState FStart{nullptr};
    TuiRegExprStates FCurrent;
    // One set per accepted character, the latest last.
    std::vector<TuiRegExprStates> FHistory;
    TuiRegExprClosure FClosure;
};

} // namespace ui
