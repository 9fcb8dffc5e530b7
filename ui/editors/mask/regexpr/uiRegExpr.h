#pragma once
// TuiRegExpr: the engine of the regular-expression masks. Compiles a mask text into an automaton, then accepts the
// user's characters one at a time, steps back one character, and tells whether the text so far is complete. It never
// searches a text: it only answers whether a character may come next. With auto-completion the characters the mask
// forces (literals, separators) are inserted by themselves and removed again together with the character before
// them.

#include "rtl/text/StringTypes.h"
#include "ui/editors/mask/regexpr/uiRegExprErrors.h"
#include "ui/editors/mask/regexpr/uiRegExprLexer.h"
#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiRegExprAutomat;
class TuiRegExprItemPool;
class TuiRegExprParserBlockItem;

using TuiRegExprSymbolInsertedEvent = std::function<void(char16_t character)>;
using TuiRegExprSymbolDeletedEvent = std::function<void()>;

class TuiRegExpr {
public:
    // The separators (not owned) outlive the expression.
    explicit TuiRegExpr(const IuiRegExprSeparators& separators);
    TuiRegExpr(const TuiRegExpr&) = delete;
    TuiRegExpr& operator=(const TuiRegExpr&) = delete;
    ~TuiRegExpr();

    // Compiles the mask text, discarding what an earlier compilation left. Raises EuiRegExprError, whose errors are
    // Errors(), when the text is blank or does not compile; every error of the text is listed, not only the first.
    void Compile(rtl::UnicodeStringView source);
    bool IsCompiled() const { return FCompiled; }
    // The compiled mask text, or nullptr when not compiled.
    const rtl::UnicodeString* GetSource() const { return FCompiled ? &FSource : nullptr; }
    // Back to not compiled: source, errors, lexems and automaton are freed.
    void Discard();

    const TuiRegExprErrors& Errors() const { return FErrors; }
    const TuiLexems& Lexems() const { return FLexems; }

    bool CaseInsensitive() const { return FCaseInsensitive; }
    void SetCaseInsensitive(bool value) { FCaseInsensitive = value; }
    bool AutoComplete() const { return FAutoComplete; }
    // Stores the flag; switching it on in a compiled expression inserts the forced characters at once.
    void SetAutoComplete(bool value);

    const TuiRegExprSymbolInsertedEvent& OnSymbolInserted() const { return FOnSymbolInserted; }
    void SetOnSymbolInserted(TuiRegExprSymbolInsertedEvent handler) { FOnSymbolInserted = std::move(handler); }
    const TuiRegExprSymbolDeletedEvent& OnSymbolDeleted() const { return FOnSymbolDeleted; }
    void SetOnSymbolDeleted(TuiRegExprSymbolDeletedEvent handler) { FOnSymbolDeleted = std::move(handler); }

    // The stepping operations raise EuiEditError "Regular expression is not compiled" before a compilation
    // succeeds.

    // Takes the character when the mask allows it here (case-insensitively, the mask's own letter case comes back
    // in character); with auto-completion the forced characters after it follow. False leaves everything as it was.
    bool Accept(char16_t& character);
    // Feeds the text's characters in order, without auto-completion; accepted receives those taken, as they stood.
    void AcceptText(rtl::UnicodeStringView text, rtl::UnicodeString& accepted);
    // Steps back one character (with auto-completion, over the forced characters before it too); false when there
    // was nothing to step back.
    bool StepBack();
    // Steps back over the last character alone, whatever the auto-completion flag; false when nothing was accepted.
    bool StepBackOne();
    // Back to the start, without auto-completion.
    void Rewind();
    // The text accepted so far is complete.
    bool AtFinal() const;
    // Nothing is accepted.
    bool AtStart() const;

    // The automaton of the last successful compilation, or nullptr when not compiled; for diagnostics.
    const TuiRegExprAutomat* Automat() const { return FAutomat.get(); }

private:
    void CheckCompiled() const;
    [[noreturn]] void RaiseErrors() const;
    void CompleteForward();

    const IuiRegExprSeparators& FSeparators;
    std::unique_ptr<TuiRegExprAutomat> FAutomat;
    // The parenthesised groups in the order of their opening parentheses, for back references (not owned).
    std::vector<TuiRegExprParserBlockItem*> FBlocks;
    bool FCaseInsensitive = false;
    bool FCompiled = false;
    TuiRegExprErrors FErrors;
    TuiLexems FLexems;
    // Every parser item, also those a count replaced, until the expression is discarded.
    std::unique_ptr<TuiRegExprItemPool> FPool;
    TuiRegExprSymbolDeletedEvent FOnSymbolDeleted;
    TuiRegExprSymbolInsertedEvent FOnSymbolInserted;
    rtl::UnicodeString FSource;
    bool FAutoComplete = false;
};

} // namespace ui
