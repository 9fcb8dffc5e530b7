#include "ui/core/system/uxResourceStrings.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const TuxResourceString testFirst{0x7F00, u"uxTestFirst", u"first text"};
const TuxResourceString testSecond{0x7F01, u"uxTestSecond", u"second text"};

void FillBoth(TuxProductResourceStrings& product) {
    product.AddResString(testSecond);
    product.AddResString(testFirst);
}

void FillFirst(TuxProductResourceStrings& product) {
    product.AddResString(testFirst);
}

TEST(uxResourceStrings, ProductListsItsStringsByName) {
    const TuxProductResourceStrings product(u"Test", FillBoth);
    ASSERT_EQ(product.Count(), 2);
    EXPECT_EQ(&product.Item(0), &testFirst);
    EXPECT_EQ(&product.Item(1), &testSecond);
    EXPECT_EQ(product.Find(u"uxTestSecond"), &testSecond);
    EXPECT_EQ(product.Find(u"uxtestsecond"), nullptr);
}

TEST(uxResourceStrings, ProductsOfOneKeyUnregisterFirstComeFirstGone) {
    TuxResourceStringsRepository repository;
    repository.RegisterProduct(u"Key", FillBoth);
    repository.RegisterProduct(u"Key", FillFirst);
    repository.RegisterProduct(u"Other", FillFirst);
    ASSERT_EQ(repository.GetProductCount(), 3);
    EXPECT_EQ(repository.IndexOfProduct(u"Key"), 0);

    repository.UnregisterProduct(u"Key");
    ASSERT_EQ(repository.GetProductCount(), 2);
    EXPECT_EQ(repository.GetProduct(0).Count(), 1); // the second "Key" product remains
    EXPECT_EQ(repository.IndexOfProduct(u"Other"), 1);

    repository.UnregisterProduct(u"key");
    repository.UnregisterProduct(u"Missing");
    EXPECT_EQ(repository.GetProductCount(), 2);
    EXPECT_EQ(repository.IndexOfProduct(u"Missing"), -1);
}

TEST(uxResourceStrings, RegistrationListsTheProductWhileItLives) {
    TuxResourceStringsRepository& repository = GetResourceStringsRepository();
    {
        const TuxProductRegistration registration(u"Scoped test product", FillFirst);
        const int32_t index = repository.IndexOfProduct(u"Scoped test product");
        ASSERT_GE(index, 0);
        EXPECT_EQ(repository.GetProduct(index).Find(u"uxTestFirst"), &testFirst);
    }
    EXPECT_EQ(repository.IndexOfProduct(u"Scoped test product"), -1);
}

class TTestListener final : public IuxResourceStringsListener {
public:
    void TranslationChanged() override {}
};

TEST(uxResourceStrings, AListenerIsListedOnce) {
    TuxResourceStringsRepository repository;
    TTestListener first;
    TTestListener second;
    repository.AddListener(&first);
    repository.AddListener(&first);
    repository.AddListener(&second);
    repository.AddListener(nullptr);
    EXPECT_EQ(repository.GetListenerCount(), 2);
    repository.RemoveListener(&first);
    repository.RemoveListener(&first);
    EXPECT_EQ(repository.GetListenerCount(), 1);
}

} // namespace
} // namespace ui
