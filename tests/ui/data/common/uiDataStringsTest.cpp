#include "tests/support/TestSupport.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/common/uiDataConsts.h"
#include "ui/data/common/uiLibraryStrs.h"
#include "ui/data/filter/uiFilterConsts.h"

#include <gtest/gtest.h>
#include <set>

namespace ui {
namespace {

const TuxProductResourceStrings& RegisteredProduct(rtl::UnicodeStringView key) {
    TuxResourceStringsRepository& repository = GetResourceStringsRepository();
    const int32_t index = repository.IndexOfProduct(key);
    EXPECT_GE(index, 0) << test_support::Utf8(key);
    return repository.GetProduct(index);
}

// On Windows the texts come from the string-table resource that windres compiled from the table: every one must
// read back exactly as the table states it, escapes included.
TEST(uiDataStrings, EveryTextLoadsAsTheTableStatesIt) {
    std::set<uint16_t> ids;
    for (rtl::UnicodeStringView key :
         {rtl::UnicodeStringView(uiDataConstsProductKey), rtl::UnicodeStringView(uiLibraryStrsProductKey),
          rtl::UnicodeStringView(uiFilterConstsProductKey)}) {
        const TuxProductResourceStrings& product = RegisteredProduct(key);
        for (int32_t i = 0; i < product.Count(); ++i) {
            const TuxResourceString& record = product.Item(i);
            SCOPED_TRACE(test_support::Utf8(record.Name));
            EXPECT_EQ(test_support::Utf8(LoadResStringText(record)), test_support::Utf8(record.Text));
            EXPECT_TRUE(ids.insert(record.Id).second) << "identifier used twice";
        }
    }
    EXPECT_EQ(ids.size(), 12u + 24u + 50u);
}

TEST(uiDataStrings, TextsAreTheSystemsOwn) {
    EXPECT_EQ(LoadResStringText(uiSDataReadError), u"Stream read error");
    EXPECT_EQ(LoadResStringText(uiSDataWriteError), u"Stream write error");
    EXPECT_EQ(LoadResStringText(uiSDBKeyFieldNotFound), u"Key Field not found");
    EXPECT_EQ(LoadResStringText(suiCantCreateRegistryKey), u"Can't create the registry key: \\%s");
    EXPECT_EQ(LoadResStringText(uiSDateEOM), u"eom");
    EXPECT_EQ(RegisteredProduct(uiDataConstsProductKey).Find(u"uiSDataItemIndexError"), &uiSDataItemIndexError);
    EXPECT_EQ(RegisteredProduct(uiLibraryStrsProductKey).Find(u"uiSDateNow"), &uiSDateNow);
    EXPECT_EQ(GetFilterResourceString(uiSFilterBoxNonBlanksCaption), u"(NonBlanks)");
    EXPECT_EQ(GetFilterResourceString(uiSFilterOperatorLessEqual), u"is less than or equal to");
    EXPECT_EQ(RegisteredProduct(uiFilterConstsProductKey).Find(u"uiSFilterOperatorFuture"), &uiSFilterOperatorFuture);
}

} // namespace
} // namespace ui
