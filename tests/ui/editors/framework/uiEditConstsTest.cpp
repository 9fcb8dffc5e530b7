#include "ui/editors/framework/uiEditConsts.h"

#include "tests/support/TestSupport.h"
#include "ui/core/uxResourceStrings.h"

#include <gtest/gtest.h>
#include <set>

namespace ui {
namespace {

const TuxProductResourceStrings& EditorsProduct() {
    TuxResourceStringsRepository& repository = GetResourceStringsRepository();
    const int32_t index = repository.IndexOfProduct(uiEditConstsProductKey);
    EXPECT_GE(index, 0);
    return repository.GetProduct(index);
}

// On Windows the texts come from the string-table resource that windres compiled from the table: every one must
// read back exactly as the table states it, escapes included.
TEST(uiEditConsts, EveryTextLoadsAsTheTableStatesIt) {
    const TuxProductResourceStrings& product = EditorsProduct();
    std::set<uint16_t> ids;
    for (int32_t i = 0; i < product.Count(); ++i) {
        const TuxResourceString& record = product.Item(i);
        SCOPED_TRACE(test_support::Utf8(record.Name));
        EXPECT_EQ(test_support::Utf8(LoadResStringText(record)), test_support::Utf8(record.Text));
        EXPECT_TRUE(ids.insert(record.Id).second) << "identifier used twice";
    }
    EXPECT_EQ(ids.size(), 23u);
}

TEST(uiEditConsts, TextsAreTheSystemsOwn) {
    EXPECT_EQ(LoadResStringText(suiRegExprIncorrectSpace), u"The space character is not allowed after '\\'");
    EXPECT_EQ(LoadResStringText(suiRegExprMissing), u"Missing '%s'");
    EXPECT_EQ(LoadResStringText(suiRegExprSubrangeOrder),
              u"The starting character of the subrange must be less than the finishing one");
    EXPECT_EQ(EditorsProduct().Find(u"suiRegExprNotCompiled"), &suiRegExprNotCompiled);
}

} // namespace
} // namespace ui
