#pragma once
// The compile errors of a mask regular expression, each with its line and column in the mask text, and the exception
// that reports them.

#include "rtl/text/StringTypes.h"
#include "ui/editors/framework/strings/uiEditExceptions.h"

#include <cstdint>
#include <vector>

namespace ui {

struct TuiRegExprError {
    // 0 where the error has no position.
    int32_t Column = 0;
    int32_t Line = 0;
    rtl::UnicodeString Message;

    // "Line1, Char4: Illegal '-'"; "Line1: ..." without a column; the bare message without a line.
    rtl::UnicodeString FullText() const;
};

class TuiRegExprErrors {
public:
    void Add(rtl::UnicodeString message, int32_t line = 0, int32_t column = 0);
    int32_t Count() const { return static_cast<int32_t>(FErrors.size()); }
    bool Empty() const { return FErrors.empty(); }
    const TuiRegExprError& Item(int32_t index) const { return FErrors.at(index); }
    void Clear() { FErrors.clear(); }

private:
    std::vector<TuiRegExprError> FErrors;
};

// A mask regular expression did not compile. Carries no text of its own: its errors are the expression's list (not
// owned), which the mask editor turns into its message.
class EuiRegExprError : public EuiEditError {
public:
    explicit EuiRegExprError(const TuiRegExprErrors& errors) : EuiEditError(rtl::UnicodeString()), FErrors(&errors) {}
    ~EuiRegExprError() override;

    const TuiRegExprErrors& Errors() const { return *FErrors; }

private:
    const TuiRegExprErrors* FErrors;
};

} // namespace ui
