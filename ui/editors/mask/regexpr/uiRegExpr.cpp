#include "ui/editors/mask/regexpr/uiRegExpr.h"

#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/mask/regexpr/uiRegExprAutomat.h"
#include "ui/editors/mask/regexpr/uiRegExprParser.h"

#include <algorithm>

namespace ui {

TuiRegExpr::TuiRegExpr(const IuiRegExprSeparators& separators) : FSeparators(separators) {}

TuiRegExpr::~TuiRegExpr() = default;

void TuiRegExpr::Discard() {
    FSource.clear();
    FErrors.Clear();
    FLexems.clear();
    FBlocks.clear();
    FAutomat.reset();
    FPool.reset();
    FCompiled = false;
}

void TuiRegExpr::Compile(rtl::UnicodeStringView source) {
    // Copied first: the text may be this expression's own source, which discarding clears.
    rtl::UnicodeString text(source);
    Discard();
    FSource = std::move(text);
    if (std::all_of(FSource.begin(), FSource.end(), IsRegExprBlank)) {
        FErrors.Add(LoadResStringText(suiRegExprEmptySourceStream));
        RaiseErrors();
    }
    TuiRegExprLexer(FSource, FSeparators.DecimalSeparator(), FLexems, FErrors).Lex();
    if (!FErrors.Empty()) {
        RaiseErrors();
    }
    FPool = std::make_unique<TuiRegExprItemPool>();
    auto tree = std::make_unique<TuiRegExprParserAlts>();
    TuiRegExprParser(FLexems, FSeparators, *FPool, FBlocks, FErrors).Parse(*tree);
    if (!FErrors.Empty()) {
        RaiseErrors();
    }
    FAutomat = std::make_unique<TuiRegExprAutomat>(std::move(tree));
    FCompiled = true;
    if (FAutoComplete) {
        CompleteForward();
    }
}

void TuiRegExpr::RaiseErrors() const {
    throw EuiRegExprError(FErrors);
}

void TuiRegExpr::CheckCompiled() const {
    if (!FCompiled) {
        throw EuiEditError(LoadResStringText(suiRegExprNotCompiled));
    }
}

void TuiRegExpr::CompleteForward() {
    FAutomat->CompleteForward(FOnSymbolInserted);
}

void TuiRegExpr::SetAutoComplete(bool value) {
    FAutoComplete = value;
    if (FCompiled && FAutoComplete) {
        CompleteForward();
    }
}

bool TuiRegExpr::Accept(char16_t& character) {
    CheckCompiled();
    if (!FAutomat->Accept(character, FCaseInsensitive)) {
        return false;
    }
    if (FAutoComplete) {
        CompleteForward();
    }
    return true;
}

void TuiRegExpr::AcceptText(rtl::UnicodeStringView text, rtl::UnicodeString& accepted) {
    CheckCompiled();
    rtl::UnicodeString taken;
    for (const char16_t character : text) {
        char16_t tested = character;
        if (FAutomat->Accept(tested, FCaseInsensitive)) {
            taken += character;
        }
    }
    accepted = std::move(taken);
}

bool TuiRegExpr::StepBack() {
    CheckCompiled();
    if (FAutoComplete) {
        FAutomat->RemoveBackward(FOnSymbolDeleted);
    }
    return FAutomat->StepBack();
}

bool TuiRegExpr::StepBackOne() {
    CheckCompiled();
    return FAutomat->StepBack();
}

void TuiRegExpr::Rewind() {
    CheckCompiled();
    FAutomat->Rewind();
}

bool TuiRegExpr::AtFinal() const {
    CheckCompiled();
    return FAutomat->AtFinal();
}

bool TuiRegExpr::AtStart() const {
    CheckCompiled();
    return FAutomat->AtStart();
}

} // namespace ui
