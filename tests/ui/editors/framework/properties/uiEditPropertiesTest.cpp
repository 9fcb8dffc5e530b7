#include "ui/editors/framework/properties/uiEditProperties.h"

#include "rtl/core/Component.h"
#include "rtl/core/Exceptions.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// Properties whose owner's change handler counts the notifications.
struct TPropertiesFixture {
    TuiCustomEditProperties Properties{nullptr};
    int32_t Changes = 0;
    TPropertiesFixture() {
        Properties.SetOnPropertiesChanged([this](rtl::TObject* sender) {
            EXPECT_EQ(sender, &Properties);
            EXPECT_TRUE(Properties.IsChanging());
            ++Changes;
        });
    }
};

// A provider whose answers the test chooses.
class TTestProvider : public TuiCustomEditDefaultValuesProvider {
public:
    TTestProvider() : TuiCustomEditDefaultValuesProvider(nullptr) {}
    bool IsDataModifiable() override { return Modifiable; }
    bool CanEnterEditMode() override { return CanEdit; }
    double DefaultMaxValue() override { return 99.0; }
    bool DefaultReadOnly() override { return ReadOnly; }
    vcl::TAlignment DefaultAlignment() override { return vcl::taLeftJustify; }

    bool Modifiable = true;
    bool CanEdit = true;
    bool ReadOnly = false;
};

TEST(uiEditProperties, ANewObjectHasItsDefaultsAndIsListedWhileItLives) {
    const int32_t before = EditPropertiesCount();
    {
        TPropertiesFixture fixture;
        TuiCustomEditProperties& properties = fixture.Properties;
        EXPECT_EQ(EditPropertiesCount(), before + 1);
        EXPECT_EQ(&EditPropertiesAt(before), &properties);
        EXPECT_TRUE(properties.AutoSelect());
        EXPECT_EQ(properties.ClickKey(), 16397);
        EXPECT_TRUE(properties.UseLeftAlignmentOnEditing());
        EXPECT_FALSE(properties.IsUseLeftAlignmentOnEditingStored());
        EXPECT_TRUE(properties.AcceptsMouseWheel());
        EXPECT_EQ(properties.ButtonsOnlyMode(), 0);
        EXPECT_EQ(properties.Buttons().Count(), 0);
        EXPECT_EQ(properties.GetCapabilities(), 0u);
        EXPECT_EQ(&properties.GetAssignedValuesClass(), &TuiCustomEditPropertiesValues::StaticClass());
        EXPECT_EQ(properties.GetValidateErrorText(5), LoadResStringText(uiSEditValidateErrorText));
        EXPECT_EQ(fixture.Changes, 0);
    }
    EXPECT_EQ(EditPropertiesCount(), before);
}

TEST(uiEditProperties, TenSettersInOneUpdateGiveOneChange) {
    TPropertiesFixture fixture;
    TuiCustomEditProperties& properties = fixture.Properties;
    properties.BeginUpdate();
    properties.SetAutoSelect(false);
    properties.SetButtonsOnlyMode(1);
    properties.SetTransparent(true);
    properties.SetUseLeftAlignmentOnEditing(false);
    properties.SetReadOnly(true);
    properties.SetMaxValue(10);
    properties.SetMinValue(-10);
    properties.Buttons().Add();
    properties.GetAlignment().SetHorz(vcl::taCenter);
    properties.GetAlignment().SetVert(taVCenter);
    EXPECT_EQ(fixture.Changes, 0);
    properties.EndUpdate(true);
    EXPECT_EQ(fixture.Changes, 1);
    EXPECT_EQ(properties.GetCapabilities(), 32u);
    EXPECT_EQ(properties.GetAlignment().Horz(), vcl::taCenter);
}

TEST(uiEditProperties, EndUpdateWithoutNotifyKeepsThePendingChangeUntilTheNextOuterUpdate) {
    TPropertiesFixture fixture;
    TuiCustomEditProperties& properties = fixture.Properties;
    properties.BeginUpdate();
    properties.SetAutoSelect(false);
    properties.EndUpdate(false);
    EXPECT_EQ(fixture.Changes, 0);
    EXPECT_TRUE(properties.IsChangePending());
    properties.EndUpdate(true); // unbalanced: nothing
    EXPECT_EQ(fixture.Changes, 0);
    properties.BeginUpdate();
    EXPECT_FALSE(properties.IsChangePending());
    properties.EndUpdate(true);
    EXPECT_EQ(fixture.Changes, 0);
}

TEST(uiEditProperties, TheChangeLockHoldsChangesBackAndItsReleaseDeliversNothing) {
    TPropertiesFixture fixture;
    fixture.Properties.SetChangeLock(true);
    fixture.Properties.SetTransparent(true);
    fixture.Properties.SetChangeLock(false);
    EXPECT_EQ(fixture.Changes, 0);
    EXPECT_TRUE(fixture.Properties.IsChangePending());
}

TEST(uiEditProperties, SetReadOnlyFlagsTheValueAndNotifiesOnce) {
    TPropertiesFixture fixture;
    fixture.Properties.SetReadOnly(false);
    EXPECT_EQ(fixture.Changes, 1);
    EXPECT_TRUE(fixture.Properties.IsReadOnlyStored());
    fixture.Properties.SetReadOnly(false);
    EXPECT_EQ(fixture.Changes, 1);
    fixture.Properties.SetMaxValue(0.0);
    fixture.Properties.SetMaxValue(0.0);
    EXPECT_EQ(fixture.Changes, 2);
}

TEST(uiEditProperties, AHandlerThatThrowsLeavesTheChangingCountBalanced) {
    TuiCustomEditProperties properties(nullptr);
    properties.SetOnPropertiesChanged([](rtl::TObject*) { throw rtl::Exception(u"handler failed"); });
    EXPECT_THROW(properties.SetTransparent(true), rtl::Exception);
    EXPECT_FALSE(properties.IsChanging());
}

TEST(uiEditProperties, NothingIsDeliveredWhileTheOwnerDies) {
    int32_t changes = 0;
    struct TOwner : rtl::TComponent {
        explicit TOwner(int32_t& changes) : TComponent(nullptr), Properties(this) {
            Properties.SetOnPropertiesChanged([&changes](rtl::TObject*) { ++changes; });
        }
        ~TOwner() override { Properties.SetTransparent(true); }
        TuiCustomEditProperties Properties;
    };
    auto* owner = new TOwner(changes);
    owner->Properties.SetAutoSelect(false);
    EXPECT_EQ(changes, 1);
    rtl::TComponent::Free(owner);
    EXPECT_EQ(changes, 1);
}

TEST(uiEditProperties, LimitsComeFromTheProviderUntilSetAndAfterRestoreDefaults) {
    TTestProvider provider;
    TPropertiesFixture fixture;
    TuiCustomEditProperties& properties = fixture.Properties;
    EXPECT_EQ(properties.GetMaxValue(), 0.0);
    properties.AssignDefaultValuesProvider(&provider);
    EXPECT_EQ(properties.GetMaxValue(), 99.0);
    properties.SetMaxValue(5);
    EXPECT_EQ(properties.GetMaxValue(), 5.0);
    const int32_t before = fixture.Changes;
    properties.RestoreDefaults();
    EXPECT_EQ(fixture.Changes, before + 1);
    EXPECT_EQ(properties.GetMaxValue(), 99.0);
    EXPECT_FALSE(properties.IsMaxValueStored());
}

TEST(uiEditProperties, CanModifyValueOverItsFiveRows) {
    const struct {
        int ReadOnlyFlag; // -1 not flagged, else the flagged value
        bool WithProvider;
        bool ProviderReadOnly;
        bool CanEdit;
        bool Modifiable;
        bool Expected;
    } cases[] = {
        {0, true, true, false, false, true},   {1, true, false, true, true, false},
        {-1, false, false, true, true, true},  {-1, true, true, true, true, false},
        {-1, true, false, true, false, false}, {-1, true, false, false, true, false},
        {-1, true, false, true, true, true},
    };
    for (const auto& c : cases) {
        TTestProvider provider;
        provider.ReadOnly = c.ProviderReadOnly;
        provider.CanEdit = c.CanEdit;
        provider.Modifiable = c.Modifiable;
        TuiCustomEditProperties properties(nullptr);
        if (c.WithProvider) {
            properties.AssignDefaultValuesProvider(&provider);
        }
        if (c.ReadOnlyFlag >= 0) {
            properties.SetReadOnly(c.ReadOnlyFlag == 1);
        }
        EXPECT_EQ(properties.CanModifyValue(), c.Expected)
            << c.ReadOnlyFlag << c.WithProvider << c.ProviderReadOnly << c.CanEdit << c.Modifiable;
    }
}

TEST(uiEditProperties, TheAlignmentShowsTheDefaultUntilHorzIsAssigned) {
    TTestProvider provider;
    TPropertiesFixture fixture;
    TuiCustomEditProperties& properties = fixture.Properties;
    properties.AssignDefaultValuesProvider(&provider);
    EXPECT_EQ(properties.GetAlignment().Horz(), vcl::taLeftJustify);
    EXPECT_EQ(fixture.Changes, 0);
    EXPECT_FALSE(properties.IsAlignmentStored());
    properties.GetAlignment().SetHorz(vcl::taRightJustify);
    EXPECT_EQ(fixture.Changes, 1);
    EXPECT_EQ(properties.GetAlignment().Horz(), vcl::taRightJustify);
    EXPECT_TRUE(properties.IsAlignmentStored());
    properties.RestoreDefaults();
    EXPECT_EQ(properties.GetAlignment().Horz(), vcl::taLeftJustify);
    EXPECT_FALSE(properties.IsAlignmentStored());

    // Without a provider the public object's own Horz shows.
    TuiCustomEditProperties plain(nullptr);
    plain.GetAlignment().SetHorz(vcl::taCenter);
    plain.RestoreDefaults();
    EXPECT_EQ(plain.GetAlignment().Horz(), vcl::taCenter);
}

TEST(uiEditProperties, AssignCopiesTheResolvedAlignmentAndTheFlaggedValues) {
    TTestProvider provider;
    TuiCustomEditProperties source(nullptr);
    source.AssignDefaultValuesProvider(&provider);
    source.SetMinValue(-3);
    source.SetAutoSelect(false);
    source.SetClickKey(0);
    source.Buttons().Add().SetKind(bkEllipsis);
    int32_t clicks = 0;
    source.SetOnButtonClick([&clicks](rtl::TObject*, int32_t) { ++clicks; });

    TPropertiesFixture fixture;
    TuiCustomEditProperties& copy = fixture.Properties;
    copy.SetMaxValue(7);
    const int32_t before = fixture.Changes;
    copy.Assign(&source);
    EXPECT_EQ(fixture.Changes, before + 1);
    EXPECT_EQ(copy.GetMinValue(), -3.0);
    EXPECT_TRUE(copy.IsMinValueStored());
    EXPECT_FALSE(copy.IsMaxValueStored());
    EXPECT_EQ(copy.GetMaxValue(), 99.0); // the provider came along
    EXPECT_FALSE(copy.AutoSelect());
    EXPECT_EQ(copy.ClickKey(), 0);
    ASSERT_EQ(copy.Buttons().Count(), 1);
    EXPECT_EQ(copy.Buttons().Items(0).Kind(), bkEllipsis);
    copy.OnButtonClick()(&copy, 0);
    EXPECT_EQ(clicks, 1);
    // The provider's alignment became an explicit one.
    EXPECT_TRUE(copy.IsAlignmentStored());

    const rtl::TPersistent unrelated;
    EXPECT_THROW(copy.Assign(&unrelated), rtl::EConvertError);
}

TEST(uiEditProperties, ADestroyedProviderIsDroppedEverywhere) {
    auto provider = std::make_unique<TTestProvider>();
    TuiCustomEditProperties first(nullptr);
    TuiCustomEditProperties second(nullptr);
    TuiCustomEditProperties unrelated(nullptr);
    TTestProvider other;
    first.AssignDefaultValuesProvider(provider.get());
    second.AssignDefaultValuesProvider(provider.get());
    unrelated.AssignDefaultValuesProvider(&other);
    provider.reset();
    EXPECT_EQ(first.DefaultValuesProvider(), nullptr);
    EXPECT_EQ(second.DefaultValuesProvider(), nullptr);
    EXPECT_EQ(first.GetMaxValue(), 0.0);
    EXPECT_NE(unrelated.DefaultValuesProvider(), nullptr);
}

TEST(uiEditProperties, AnEmptyCopyIsOfTheSameClassWithoutOwner) {
    rtl::TComponent owner(nullptr);
    TuiCustomEditProperties properties(&owner);
    const std::unique_ptr<TuiCustomEditProperties> copy = properties.CreateEmptyCopy();
    EXPECT_EQ(&copy->ClassType(), &properties.ClassType());
    EXPECT_EQ(copy->GetOwner(), nullptr);
}

class TTextEditTestProperties : public TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TTextEditTestProperties, TuiCustomEditProperties)
public:
    using TuiCustomEditProperties::TuiCustomEditProperties;
};
class TBlobEditTestProperties : public TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TBlobEditTestProperties, TuiCustomEditProperties)
public:
    using TuiCustomEditProperties::TuiCustomEditProperties;
};
class TButtonEditTestProperties : public TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TButtonEditTestProperties, TuiCustomEditProperties)
public:
    using TuiCustomEditProperties::TuiCustomEditProperties;
};

TEST(uiEditProperties, TheRegistrySortsByDescriptionIgnoringCase) {
    TuiRegisteredClasses& registry = GetEditPropertiesRegistry();
    registry.Register(&TTextEditTestProperties::StaticClass(), u"TextEdit|Represents a single line text editor");
    registry.Register(&TBlobEditTestProperties::StaticClass(), u"blobEdit|Represents the BLOB editor");
    registry.Register(&TButtonEditTestProperties::StaticClass(), u"ButtonEdit|Represents an edit control");
    ASSERT_EQ(registry.GetCount(), 3);
    EXPECT_EQ(registry.GetClassAt(0), &TBlobEditTestProperties::StaticClass());
    EXPECT_EQ(registry.GetClassAt(1), &TButtonEditTestProperties::StaticClass());
    EXPECT_EQ(registry.GetClassAt(2), &TTextEditTestProperties::StaticClass());
    EXPECT_EQ(registry.GetDescriptionText(2), u"TextEdit");
    EXPECT_EQ(registry.FindClassByName(u"TTextEditTestProperties"), &TTextEditTestProperties::StaticClass());
    FreeEditPropertiesRegistry();
    EXPECT_EQ(GetEditPropertiesRegistry().GetCount(), 0);
}

} // namespace
} // namespace ui
