#include "rtl/core/Persistent.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

class TPoint : public TPersistent {
    RTL_DECLARE_CLASS(TPoint, TPersistent)
public:
    int X = 0;
    int Y = 0;

    void Assign(const TPersistent* source) override {
        if (const auto* point = dynamic_cast<const TPoint*>(source)) {
            X = point->X;
            Y = point->Y;
            return;
        }
        TPersistent::Assign(source);
    }
};

// Knows how to copy itself into a TPoint, which does not know it.
class TPolarPoint : public TPersistent {
    RTL_DECLARE_CLASS(TPolarPoint, TPersistent)
public:
    int Radius = 0;

protected:
    void AssignTo(TPersistent& dest) const override {
        if (auto* point = dynamic_cast<TPoint*>(&dest)) {
            point->X = Radius;
            point->Y = 0;
            return;
        }
        TPersistent::AssignTo(dest);
    }
};

class TColour : public TPersistent {
    RTL_DECLARE_CLASS(TColour, TPersistent)
};

TEST(Persistent, AssignCopiesFromKnownSourcesOnly) {
    TPoint source;
    source.X = 3;
    source.Y = 4;
    TPoint point;
    point.Assign(&source);
    EXPECT_EQ(point.X, 3);
    EXPECT_EQ(point.Y, 4);

    TPolarPoint polar;
    polar.Radius = 9;
    point.Assign(&polar);
    EXPECT_EQ(point.X, 9);
    EXPECT_EQ(point.Y, 0);
}

TEST(Persistent, AssignFromAForeignSourceNamesBothClasses) {
    TPoint point;
    TColour colour;
    TPolarPoint polar;
    struct Case {
        TPersistent& dest;
        const TPersistent* source;
        UnicodeString message;
    };
    const Case cases[] = {
        {point, &colour, u"Cannot assign a TColour to a TPoint"},
        {colour, &point, u"Cannot assign a TPoint to a TColour"},
        {colour, &polar, u"Cannot assign a TPolarPoint to a TColour"},
        {polar, &point, u"Cannot assign a TPoint to a TPolarPoint"},
        {point, nullptr, u"Cannot assign a nil to a TPoint"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.message));
        try {
            c.dest.Assign(c.source);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

} // namespace
} // namespace rtl
