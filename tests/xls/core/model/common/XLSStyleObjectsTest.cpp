#include "xls/core/model/common/XLSStyleObjects.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace xls {
namespace {

// A style object whose hash is its value; it keeps the hash only when told to, and counts its computations.
class TValueStyle : public TXLSStyleObject {
public:
    TValueStyle(TXLSStyleObjectList* owner, int32_t value, bool keepsHash)
        : TXLSStyleObject(owner), FValue(value), FKeepsHash(keepsHash) {}

    bool Equals(const TXLSStyleObject& other) const override {
        return FValue == static_cast<const TValueStyle&>(other).FValue;
    }
    void SetValue(int32_t value) {
        FValue = value;
        SetHashValid(false);
    }
    int Computations = 0;

protected:
    void CalcHash() override {
        ++Computations;
        SetHash(FValue);
        SetHashValid(FKeepsHash);
    }

private:
    int32_t FValue;
    bool FKeepsHash;
};

// A list whose predefined objects are two with the values 0 and 1.
class TValueStyles : public TXLSStyleObjectList {
public:
    TValueStyles() { AddDefaults(); }

protected:
    void AddDefaults() override {
        for (int32_t value = 0; value < 2; ++value) {
            auto object = std::make_unique<TValueStyle>(this, value, false);
            object->SetPredefined(true);
            Add(std::move(object));
        }
    }
};

TEST(XLSStyleObjects, CountPredefinedCountsTheLeadingRun) {
    struct Case {
        const char* predefined; // 'p' predefined, 'n' not
        int32_t count;
    };
    const Case cases[] = {{"ppn", 2}, {"", 0}, {"np", 0}, {"pp", 2}, {"pnp", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.predefined);
        TValueStyles list;
        list.Clear();
        for (const char kind : std::string(c.predefined)) {
            auto object = std::make_unique<TValueStyle>(&list, 0, false);
            object->SetPredefined(kind == 'p');
            list.Add(std::move(object));
        }
        EXPECT_EQ(list.CountPredefined(), c.count);
    }
}

TEST(XLSStyleObjects, ListOwnsAndIndexesItsObjects) {
    TValueStyles list;
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Add(std::make_unique<TValueStyle>(&list, 7, false)), 2);
    TXLSStyleObject* added = list.GetItem(2);
    EXPECT_EQ(added->Index(), 2);
    EXPECT_EQ(added->Owner(), &list);
    EXPECT_FALSE(added->Predefined());
    EXPECT_TRUE(added->Equals(TValueStyle(nullptr, 7, false)));
    list.Delete(0);
    EXPECT_EQ(list.GetItem(1), added);
    EXPECT_EQ(added->Index(), 1);
}

TEST(XLSStyleObjects, GetHashComputesUnlessTheStoredHashIsValid) {
    struct Case {
        const char* name;
        bool keepsHash;
        int computationsForTwoCalls;
    };
    const Case cases[] = {{"never marked valid: computed every time", false, 2}, {"kept once computed", true, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TValueStyle object(nullptr, 42, c.keepsHash);
        EXPECT_FALSE(object.HashValid());
        EXPECT_EQ(object.GetHash(), 42);
        EXPECT_EQ(object.GetHash(), 42);
        EXPECT_EQ(object.Computations, c.computationsForTwoCalls);
        object.SetValue(43);
        EXPECT_EQ(object.GetHash(), 43);
        EXPECT_EQ(object.StoredHash(), 43);
    }
}

TEST(XLSStyleObjects, UseCountNeverGoesBelowZero) {
    TValueStyle object(nullptr, 1, false);
    EXPECT_EQ(object.AddRef(), &object);
    object.AddRef();
    EXPECT_EQ(object.UseCount(), 2);
    object.Release();
    object.Release();
    object.Release();
    EXPECT_EQ(object.UseCount(), 0);
    object.AddRef();
    EXPECT_EQ(object.UseCount(), 1);
}

} // namespace
} // namespace xls
