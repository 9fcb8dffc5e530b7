#include "rtl/core/Interfaces.h"

#include "rtl/core/Component.h"
#include "rtl/core/Exceptions.h"
#include "rtl/core/Persistent.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

class IGreeter : public virtual IInterface {
public:
    static constexpr TGUID IID = GUIDLiteral(u"{1B111318-D9C9-4C35-9EFF-5D95793C0106}");
    virtual int Greet() = 0;
};

class ICounter : public virtual IInterface {
public:
    static constexpr TGUID IID = GUIDLiteral(u"{205538bf-f19e-4285-b11f-b182d9635881}");
    virtual int Next() = 0;
};

constexpr TGUID UnknownIID = GUIDLiteral(u"{B9890E09-5400-428D-8F72-1FF8FD15937C}");

// Counted; reports its destruction through a flag it does not own.
class TGreeter : public TInterfacedObject, public IGreeter {
public:
    explicit TGreeter(bool& destroyed) : FDestroyed(destroyed) {}
    ~TGreeter() override { FDestroyed = true; }
    bool QueryInterface(const TGUID& iid, void** object) override {
        return QueryInterfaceOf<IGreeter>(this, iid, object) || TInterfacedObject::QueryInterface(iid, object);
    }
    int Greet() override { return 42; }

private:
    bool& FDestroyed;
};

class TCounterComponent : public TComponent, public ICounter {
public:
    TCounterComponent() : TComponent(nullptr) {}
    bool QueryInterface(const TGUID& iid, void** object) override {
        return QueryInterfaceOf<ICounter>(this, iid, object) || TComponent::QueryInterface(iid, object);
    }
    int Next() override { return ++FValue; }

private:
    int FValue = 0;
};

TEST(Interfaces, GUIDTextIsParsedStrictly) {
    constexpr TGUID expected{0x1B111318, 0xD9C9, 0x4C35, {0x9E, 0xFF, 0x5D, 0x95, 0x79, 0x3C, 0x01, 0x06}};
    static_assert(IGreeter::IID == expected);
    struct Case {
        UnicodeString text;
        bool valid;
    };
    const Case cases[] = {
        {u"{1B111318-D9C9-4C35-9EFF-5D95793C0106}", true},
        {u"{1b111318-d9c9-4c35-9eff-5d95793c0106}", true},
        {u"1B111318-D9C9-4C35-9EFF-5D95793C0106", false},    // no braces
        {u"{1B111318-D9C9-4C35-9EFF-5D95793C0106", false},   // one brace
        {u"{1B111318-D9C9-4C35-9EFF-5D95793C01060}", false}, // one digit too many
        {u"{1B111318-D9C9-4C35-9EFF-5D95793C010G}", false},  // not a digit
        {u"{1B111318-D9C94-C35-9EFF-5D95793C0106}", false},  // hyphen misplaced
        {u"{1B111318-D9C9-4C35-9E-FF5D95793C0106}", false},
        {u"{ 1B11318-D9C9-4C35-9EFF-5D95793C0106}", false},
        {u"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        TGUID guid;
        EXPECT_EQ(TryStringToGUID(c.text, guid), c.valid);
        if (c.valid) {
            EXPECT_EQ(guid, expected);
            EXPECT_EQ(StringToGUID(c.text), expected);
        } else {
            EXPECT_EQ(guid, TGUID{});
            EXPECT_THROW(StringToGUID(c.text), EConvertError);
        }
    }
    EXPECT_EQ(GUIDToString(expected), u"{1B111318-D9C9-4C35-9EFF-5D95793C0106}");
    EXPECT_EQ(GUIDToString(ICounter::IID), u"{205538BF-F19E-4285-B11F-B182D9635881}");
    EXPECT_LT(IGreeter::IID, ICounter::IID);
    EXPECT_NE(IGreeter::IID, UnknownIID);
}

TEST(Interfaces, LastReferenceFreesACountedObject) {
    bool destroyed = false;
    TInterfacePtr<IGreeter> first(new TGreeter(destroyed));
    {
        const TInterfacePtr<IGreeter> second = first;
        const TInterfacePtr<IInterface> root = Supports<IInterface>(first.Get());
        EXPECT_EQ(second->Greet(), 42);
        EXPECT_EQ(dynamic_cast<TGreeter*>(first.Get())->RefCount(), 3);
    }
    EXPECT_EQ(dynamic_cast<TGreeter*>(first.Get())->RefCount(), 1);
    TInterfacePtr<IGreeter> moved = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_FALSE(destroyed);
    moved = nullptr;
    EXPECT_TRUE(destroyed);
}

TEST(Interfaces, UnknownInterfaceFailsCleanly) {
    bool destroyed = false;
    const TInterfacePtr<IGreeter> greeter(new TGreeter(destroyed));
    void* object = &destroyed;
    EXPECT_FALSE(greeter->QueryInterface(UnknownIID, &object));
    EXPECT_EQ(object, nullptr);
    EXPECT_FALSE(Supports<ICounter>(greeter.Get()));
    EXPECT_EQ(dynamic_cast<TGreeter*>(greeter.Get())->RefCount(), 1);

    TPersistent plain;
    EXPECT_FALSE(Supports<IInterface>(&plain));
    EXPECT_FALSE(Supports<IGreeter>(static_cast<TObject*>(nullptr)));
}

TEST(Interfaces, ComponentsAreNotCounted) {
    TCounterComponent component;
    const TInterfacePtr<ICounter> counter = Supports<ICounter>(&component);
    ASSERT_TRUE(counter);
    EXPECT_EQ(counter->Next(), 1);
    EXPECT_EQ(counter->AddRef(), -1);
    EXPECT_EQ(counter->Release(), -1);
    EXPECT_TRUE(Supports<ICounter>(static_cast<TObject*>(&component)));
    EXPECT_FALSE(Supports<IGreeter>(&component));
}

// An owner that counts the references its owned persistent hands out.
class TCountingOwner : public TPersistent, public virtual IInterface {
public:
    bool QueryInterface(const TGUID& iid, void** object) override { return QueryInterfaceOf<>(this, iid, object); }
    int32_t AddRef() override { return ++FCount; }
    int32_t Release() override { return --FCount; }
    int32_t Count() const { return FCount; }

private:
    int32_t FCount = 0;
};

class TOwnedGreeter : public TInterfacedPersistent, public IGreeter {
public:
    explicit TOwnedGreeter(TPersistent* owner) : FOwner(owner) {}
    bool QueryInterface(const TGUID& iid, void** object) override {
        return QueryInterfaceOf<IGreeter>(this, iid, object) || TInterfacedPersistent::QueryInterface(iid, object);
    }
    TPersistent* GetOwner() const override { return FOwner; }
    int Greet() override { return 7; }

private:
    TPersistent* FOwner;
};

TEST(Interfaces, InterfacedPersistentCountsOnItsOwner) {
    TCountingOwner owner;
    TOwnedGreeter owned(&owner);
    {
        const TInterfacePtr<IGreeter> greeter = Supports<IGreeter>(&owned);
        ASSERT_TRUE(greeter);
        EXPECT_EQ(owner.Count(), 1);
    }
    EXPECT_EQ(owner.Count(), 0);

    TPersistent uncountedOwner;
    TOwnedGreeter alone(&uncountedOwner);
    EXPECT_EQ(alone.AddRef(), -1);
    TOwnedGreeter orphan(nullptr);
    EXPECT_EQ(orphan.Release(), -1);
}

} // namespace
} // namespace rtl
