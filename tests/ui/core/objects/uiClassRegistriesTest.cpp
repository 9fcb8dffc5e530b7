#include "ui/core/objects/uiClassRegistries.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Object.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class TRegItemA : public rtl::TObject {
    RTL_DECLARE_CLASS(TRegItemA, rtl::TObject)
};
class TRegItemB : public TRegItemA {
    RTL_DECLARE_CLASS(TRegItemB, TRegItemA)
};
class TRegItemC : public TRegItemB {
    RTL_DECLARE_CLASS(TRegItemC, TRegItemB)
};
class TRegServerX : public rtl::TObject {
    RTL_DECLARE_CLASS(TRegServerX, rtl::TObject)
};
class TRegServerY : public rtl::TObject {
    RTL_DECLARE_CLASS(TRegServerY, rtl::TObject)
};
class TRegServerZ : public rtl::TObject {
    RTL_DECLARE_CLASS(TRegServerZ, rtl::TObject)
};

const TuiClass A = &TRegItemA::StaticClass();
const TuiClass B = &TRegItemB::StaticClass();
const TuiClass C = &TRegItemC::StaticClass();
const TuiClass X = &TRegServerX::StaticClass();
const TuiClass Y = &TRegServerY::StaticClass();
const TuiClass Z = &TRegServerZ::StaticClass();

TEST(uiRegisteredClassList, LookupFindsTheNearestRegisteredAncestorInEitherRegistrationOrder) {
    for (const bool ancestorFirst : {true, false}) {
        SCOPED_TRACE(ancestorFirst ? "A, then B" : "B, then A");
        TuiRegisteredClassList list;
        if (ancestorFirst) {
            list.Register(A, X);
            list.Register(B, Y);
        } else {
            list.Register(B, Y);
            list.Register(A, X);
        }
        ASSERT_EQ(list.GetCount(), 2);
        EXPECT_EQ(list.GetItem(0).ItemClass, A) << "the ancestor stands first";
        EXPECT_EQ(list.LookupClass(C), Y);
        EXPECT_EQ(list.LookupClass(B), Y);
        EXPECT_EQ(list.LookupClass(A), X);
        EXPECT_EQ(list.LookupClass(X), nullptr);
    }
}

TEST(uiRegisteredClassList, FindNearestReportsTheLowestDescendantWhenNoAncestorIsRegistered) {
    TuiRegisteredClassList list;
    list.Register(C, Z);
    list.Register(B, Y);
    int32_t index = 99;
    EXPECT_FALSE(list.FindNearest(A, index));
    EXPECT_EQ(index, 0);
    index = 99;
    EXPECT_FALSE(list.FindNearest(X, index));
    EXPECT_EQ(index, 99) << "unchanged without descendants";
}

TEST(uiRegisteredClassList, DuplicatesAreKeptAndUnregisterRemovesEveryEqualPair) {
    TuiRegisteredClassList list;
    list.Register(A, X);
    list.Register(A, X);
    list.Register(A, Y);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.LookupClass(A), Y) << "the latest registration of a class wins";
    list.Unregister(A, X);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItem(0).RegisteredClass, Y);
    list.Clear();
    EXPECT_EQ(list.LookupClass(A), nullptr);
}

TEST(uiRegisteredClasses, ClassesKeepTheirFirstDescriptionAndSortCaseInsensitively) {
    TuiRegisteredClasses classes;
    classes.Register(X, u"beta|the second");
    classes.Register(Y, u"Alpha");
    classes.Register(X, u"other");
    ASSERT_EQ(classes.GetCount(), 2);
    EXPECT_EQ(classes.GetDescriptionText(0), u"beta");
    EXPECT_EQ(classes.IndexOfClass(Z), -1);

    classes.SetSortedMode(true);
    EXPECT_EQ(classes.GetClassAt(0), Y);
    classes.Register(Z, u"ALPHA2");
    EXPECT_EQ(classes.GetClassAt(1), Z) << "a sorted registry places new classes by description";
    EXPECT_EQ(classes.IndexOfClass(X), 2);

    EXPECT_EQ(classes.FindClassByName(u"TRegServerZ"), Z);
    EXPECT_EQ(classes.FindClassByName(u"tregserverz"), nullptr);
    classes.Unregister(Y);
    EXPECT_EQ(classes.IndexOfClass(Y), -1);
    EXPECT_EQ(classes.GetCount(), 2);
}

TEST(uiRegisteredClasses, RegisteringWithStreamingLetsStreamsNameTheClass) {
    TuiRegisteredClasses classes(true);
    classes.Register(Z, u"Z");
    EXPECT_EQ(rtl::GetClass(u"TRegServerZ"), Z);
    rtl::UnRegisterClass(*Z);
}

} // namespace
} // namespace ui
