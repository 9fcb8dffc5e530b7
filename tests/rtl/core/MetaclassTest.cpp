#include "rtl/core/Metaclass.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Exceptions.h"
#include "rtl/core/Persistent.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>
#include <memory>

namespace rtl {
namespace {

class TAnimal : public TPersistent {
    RTL_DECLARE_CLASS(TAnimal, TPersistent)
public:
    virtual void Speak() = 0;
};

class TDog : public TAnimal {
    RTL_DECLARE_CLASS(TDog, TAnimal)
public:
    void Speak() override {}
};

class TPuppy : public TDog {
    RTL_DECLARE_CLASS(TPuppy, TDog)
};

// A second class that happens to have the name of the first.
namespace elsewhere {
class TPuppy : public TPersistent {
    RTL_DECLARE_CLASS(TPuppy, TPersistent)
};
} // namespace elsewhere

TEST(Metaclass, InheritsFromFollowsTheWholeChain) {
    struct Case {
        const TMetaclass& metaclass;
        const TMetaclass& ancestor;
        bool expected;
    };
    const Case cases[] = {
        {TPuppy::StaticClass(), TPuppy::StaticClass(), true},
        {TPuppy::StaticClass(), TDog::StaticClass(), true},
        {TPuppy::StaticClass(), TAnimal::StaticClass(), true},
        {TPuppy::StaticClass(), TObject::StaticClass(), true},
        {TAnimal::StaticClass(), TPuppy::StaticClass(), false},
        {TDog::StaticClass(), TPuppy::StaticClass(), false},
        {TPuppy::StaticClass(), elsewhere::TPuppy::StaticClass(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            UnicodeToUtf8(UnicodeString(c.metaclass.ClassName()) + u" / " + UnicodeString(c.ancestor.ClassName())));
        EXPECT_EQ(c.metaclass.InheritsFrom(c.ancestor), c.expected);
    }
    EXPECT_EQ(TPuppy::StaticClass().ClassParent(), &TDog::StaticClass());
    EXPECT_EQ(TObject::StaticClass().ClassParent(), nullptr);
    EXPECT_FALSE(TPuppy::StaticClass() == elsewhere::TPuppy::StaticClass());
}

TEST(Metaclass, VirtualConstructorBuildsTheExactClass) {
    const TMetaclass& chosen = TPuppy::StaticClass();
    const std::unique_ptr<TObject> instance(chosen.CreateInstance(nullptr));
    EXPECT_TRUE(instance->ClassType() == TPuppy::StaticClass());
    EXPECT_EQ(instance->ClassName(), u"TPuppy");
    EXPECT_NE(dynamic_cast<TPuppy*>(instance.get()), nullptr);
}

TEST(Metaclass, AbstractClassCannotBeCreated) {
    EXPECT_TRUE(TAnimal::StaticClass().IsAbstract());
    try {
        TAnimal::StaticClass().CreateInstance(nullptr);
        FAIL() << "no exception";
    } catch (const EAbstractError& e) {
        EXPECT_EQ(e.Message(), u"Cannot create an instance of the abstract class TAnimal");
    }
}

class ClassRegistry : public testing::Test {
protected:
    void TearDown() override {
        for (const TMetaclass* metaclass : {&TPuppy::StaticClass(), &TDog::StaticClass(), &TAnimal::StaticClass(),
                                            &elsewhere::TPuppy::StaticClass()}) {
            UnRegisterClass(*metaclass);
        }
    }
};

TEST_F(ClassRegistry, FindsRegisteredClassesAndTheirAncestorsIgnoringCase) {
    RegisterClass(TPuppy::StaticClass());
    struct Case {
        UnicodeString name;
        const TMetaclass* expected;
    };
    const Case cases[] = {
        {u"TPuppy", &TPuppy::StaticClass()},
        {u"tpuppy", &TPuppy::StaticClass()},
        {u"TPUPPY", &TPuppy::StaticClass()},
        {u"TDog", &TDog::StaticClass()},
        {u"tanimal", &TAnimal::StaticClass()},
        {u"TPupp", nullptr},
        {u"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.name));
        EXPECT_EQ(GetClass(c.name), c.expected);
        if (c.expected) {
            EXPECT_EQ(&FindClass(c.name), c.expected);
        } else {
            EXPECT_THROW(FindClass(c.name), EClassNotFound);
        }
    }
}

TEST_F(ClassRegistry, UnknownNameRaisesClassNotFound) {
    try {
        FindClass(u"TKitten");
        FAIL() << "no exception";
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), u"Class TKitten not found");
    }
}

TEST_F(ClassRegistry, RegistrationIsIdempotentAndNamesAreUnique) {
    RegisterClasses({&TPuppy::StaticClass(), &TPuppy::StaticClass()});
    EXPECT_THROW(RegisterClass(elsewhere::TPuppy::StaticClass()), EInvalidOperation);
    EXPECT_EQ(GetClass(u"TPuppy"), &TPuppy::StaticClass());

    UnRegisterClass(TPuppy::StaticClass());
    EXPECT_EQ(GetClass(u"TPuppy"), nullptr);
    EXPECT_EQ(GetClass(u"TDog"), &TDog::StaticClass());
    RegisterClass(elsewhere::TPuppy::StaticClass());
    EXPECT_EQ(GetClass(u"TPuppy"), &elsewhere::TPuppy::StaticClass());
}

} // namespace
} // namespace rtl
