// The painters factory: styles registered once, the factory made by the first registration and freed with the
// last, the style each look and feel takes, a control's Style switching painters, and the factory's errors.

#include "ui/pagecontrol/tabs/uiPCPaintersFactory.h"

#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/objects/uxException.h"
#include "ui/pagecontrol/painters/uiPCFlatPainter.h"
#include "ui/pagecontrol/painters/uiPCTabsPainter.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

// A style that cannot rotate its tabs, drawn as Tabs.
class TStiffPainter final : public TuiPCTabsPainter {
public:
    class TMetaclass final : public TuiPCTabsPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 98; }
        rtl::UnicodeString GetStyleName() const override { return u"Stiff"; }
        bool AllowsRotate() const override { return false; }
        bool IsDefaultForLookAndFeel(const TuiLookAndFeel&) const override { return false; }
        bool IsDefaultForNativeStyle(const TuiLookAndFeel&) const override { return false; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override {
            return std::make_unique<TStiffPainter>(control);
        }
    };
    static const TMetaclass& StaticClass() {
        static const TMetaclass metaclass;
        return metaclass;
    }
    using TuiPCTabsPainter::TuiPCTabsPainter;
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }
};

// Takes every registered style out of the factory for the test and puts them back in their order afterwards.
class TStylesWithdrawn {
public:
    TStylesWithdrawn() {
        const TuiPCPaintersFactory* factory = PCPaintersFactory();
        for (int32_t i = 0; factory && i < factory->Count(); ++i) {
            FStyles.push_back(factory->Item(i));
        }
        for (TuiPCPainterClass style : FStyles) {
            UnregisterPCPainterClass(style);
        }
    }
    ~TStylesWithdrawn() {
        for (TuiPCPainterClass style : FStyles) {
            RegisterPCPainterClass(style);
        }
    }
    TStylesWithdrawn(const TStylesWithdrawn&) = delete;
    TStylesWithdrawn& operator=(const TStylesWithdrawn&) = delete;

private:
    std::vector<TuiPCPainterClass> FStyles;
};

TEST(uiPCPaintersFactory, WithoutStylesThereIsNoFactoryAndANewControlRaises) {
    const TStylesWithdrawn withdrawn;
    EXPECT_EQ(PCPaintersFactory(), nullptr);
    try {
        std::unique_ptr<TuiTabControl, rtl::TComponentDeleter> control(new TuiTabControl(nullptr));
        FAIL() << "a control was made without styles";
    } catch (const EuxException& error) {
        EXPECT_EQ(error.Message(), u"TuiPCPaintersFactory.GetDefaultStyleID: There are no styles registered");
    }
}

TEST(uiPCPaintersFactory, AStyleIsRegisteredOnceAndTheLastUnregisteredFreesTheFactory) {
    const TStylesWithdrawn withdrawn;
    const TuiPCPainterClass stiff = &TStiffPainter::StaticClass();
    RegisterPCPainterClass(stiff);
    const TuiPCPaintersFactory* first = PCPaintersFactory();
    ASSERT_NE(first, nullptr);
    RegisterPCPainterClass(stiff);
    EXPECT_EQ(first->Count(), 1);
    EXPECT_EQ(first->GetPainterClass(98), stiff);
    EXPECT_EQ(first->GetPainterClass(1), nullptr);
    UnregisterPCPainterClass(stiff);
    EXPECT_EQ(PCPaintersFactory(), nullptr);
    RegisterPCPainterClass(stiff);
    ASSERT_NE(PCPaintersFactory(), nullptr);
    EXPECT_EQ(PCPaintersFactory()->Count(), 1);
    UnregisterPCPainterClass(stiff);
}

TEST(uiPCPaintersFactory, ANilClassMakesNoPainter) {
    auto host = ui_test::ShowTabControlForm(200, 100);
    try {
        PCPaintersFactory()->GetPainterInstance(nullptr, *host.Control);
        FAIL() << "a painter was made of no class";
    } catch (const EuxException& error) {
        EXPECT_EQ(error.Message(), u"TuiPCPaintersFactory.GetPainterInstance: PCPainterClass is nil");
    }
}

TEST(uiPCPaintersFactory, StyleZeroTakesTheStyleOfTheLookAndFeel) {
    struct TCase {
        TuiLookAndFeelKind Kind;
        bool NativeStyle;
        const char16_t* Style;
    };
    // The native style of any kind takes the Tabs style.
    const TCase cases[] = {{lfStandard, false, u"Tabs"},       {lfFlat, false, u"Flat"},
                           {lfUltraFlat, true, u"Tabs"},       {lfFlat, true, u"Tabs"},
                           {lfUltraFlat, false, u"UltraFlat"}, {lfOffice11, false, u"Office11"}};
    auto host = ui_test::ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    for (const TCase& test : cases) {
        control.LookAndFeel().SetKind(test.Kind);
        control.LookAndFeel().SetNativeStyle(test.NativeStyle);
        EXPECT_EQ(control.Painter().ClassType().GetStyleName(), test.Style)
            << "kind " << int(test.Kind) << " native " << test.NativeStyle;
        EXPECT_EQ(control.Style(), 0);
    }
    control.LookAndFeel().SetKind(lfOffice11);
    control.LookAndFeel().SetSkinName(u"Blue");
    ASSERT_NE(control.LookAndFeel().SkinPainter(), nullptr);
    EXPECT_NE(control.Painter().ClassType().GetStyleName(), u"Office11") << "a skin's look is not Office 2003's";
}

TEST(uiPCPaintersFactory, ANewControlTakesTheUltraFlatStyleOfTheDefaultLook) {
    std::unique_ptr<TuiTabControl, rtl::TComponentDeleter> control(new TuiTabControl(nullptr));
    EXPECT_EQ(control->LookAndFeel().Kind(), lfUltraFlat);
    EXPECT_EQ(control->Painter().ClassType().GetStyleName(), u"UltraFlat");
}

TEST(uiPCPaintersFactory, AControlsStyleSwitchesPaintersAndIgnoresUnknownIds) {
    auto host = ui_test::ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    control.SetStyle(7);
    EXPECT_EQ(&control.Painter().ClassType(), &TuiPCFlatPainter::StaticClass());
    control.SetStyle(42);
    EXPECT_EQ(control.Style(), 7);
    EXPECT_EQ(&control.Painter().ClassType(), &TuiPCFlatPainter::StaticClass());
    control.SetStyle(0);
    EXPECT_EQ(&control.Painter().ClassType(), &TuiPCTabsPainter::StaticClass());
}

TEST(uiPCPaintersFactory, AStyleThatCannotRotateRefusesRotateAndSwitchesItOff) {
    RegisterPCPainterClass(&TStiffPainter::StaticClass());
    auto host = ui_test::ShowTabControlForm(200, 100);
    TuiTabControl& control = *host.Control;
    control.SetRotate(true);
    control.SetStyle(98);
    EXPECT_FALSE(control.Rotate());
    try {
        control.SetRotate(true);
        ADD_FAILURE() << "Stiff rotated its tabs";
    } catch (const EuxException& error) {
        EXPECT_EQ(error.Message(), u"TuiCustomTabControl.SetRotate: Stiff style does not support rotation of tabs");
    }
    EXPECT_FALSE(control.Rotate());
    control.SetStyle(0);
    UnregisterPCPainterClass(&TStiffPainter::StaticClass());
}

} // namespace
} // namespace ui
