#include "ui/data/common/uiCustomDataBinding.h"

#include "rtl/core/Exceptions.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace ui {
namespace {

// A binding whose data is read-only whatever the flag says, and which counts the controls attached to it.
class TLockedDataBinding : public TuiCustomDataBinding {
    RTL_DECLARE_CLASS(TLockedDataBinding, TuiCustomDataBinding)
public:
    using TuiCustomDataBinding::TuiCustomDataBinding;

    bool GetReadOnly() const override { return Locked; }

    bool Locked = false;
    int32_t AttachedCount = 0;

protected:
    void VisualControlAttached() override { ++AttachedCount; }
};

TEST(uiCustomDataBinding, UnboundBaseAnswers) {
    rtl::TComponent owner(nullptr);
    TuiCustomDataBinding binding(&owner);
    EXPECT_EQ(binding.GetOwner(), &owner);
    EXPECT_FALSE(binding.IsDataActive());
    EXPECT_TRUE(binding.GetStoredValue(dbvsValue, true).IsNull());
    EXPECT_TRUE(binding.GetStoredValue(dbvsText, false).IsNull());
    EXPECT_TRUE(binding.HasDataValue());
    EXPECT_FALSE(binding.IsEditing());
    EXPECT_FALSE(binding.ExecuteDataAction(&owner));
    EXPECT_FALSE(binding.UpdateDataAction(&owner));
    EXPECT_TRUE(binding.CanModify());
    EXPECT_FALSE(binding.IsControlReadOnly());
}

TEST(uiCustomDataBinding, ReadOnlyChangeTellsTheControlOnce) {
    TuiCustomDataBinding binding(nullptr);
    std::vector<std::pair<rtl::TObject*, int32_t>> notices;
    binding.SetOnStateChanged([&](rtl::TObject* sender, int32_t info) { notices.emplace_back(sender, info); });

    binding.ChangeReadOnly(false);
    EXPECT_TRUE(notices.empty());
    binding.ChangeReadOnly(true);
    binding.ChangeReadOnly(true);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].first, &binding);
    EXPECT_FALSE(binding.CanModify());
    EXPECT_TRUE(binding.IsControlReadOnly());
    binding.ChangeReadOnly(false);
    EXPECT_EQ(notices.size(), 2u);
    EXPECT_TRUE(binding.CanModify());
}

TEST(uiCustomDataBinding, NoticesPassTheirArgumentsOrDoNothingUnset) {
    TuiCustomDataBinding binding(nullptr);
    binding.NotifyValueChanged(nullptr, 1);
    binding.NotifyStateChanged(nullptr, 1);
    binding.WriteBackData();

    rtl::TComponent source(nullptr);
    std::vector<std::pair<rtl::TObject*, int32_t>> values;
    int32_t writeBacks = 0;
    binding.SetOnValueChanged([&](rtl::TObject* sender, int32_t info) { values.emplace_back(sender, info); });
    binding.SetOnWriteBack([&] { ++writeBacks; });
    binding.NotifyValueChanged(&source, -7);
    binding.WriteBackData();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0], std::make_pair(static_cast<rtl::TObject*>(&source), -7));
    EXPECT_EQ(writeBacks, 1);
}

TEST(uiCustomDataBinding, DescendantReadOnlyRulesModification) {
    TLockedDataBinding binding(nullptr);
    binding.Locked = true;
    EXPECT_FALSE(binding.CanModifyData());
    EXPECT_FALSE(binding.CanModify());
    EXPECT_TRUE(binding.IsControlReadOnly());
}

TEST(uiCustomDataBinding, AttachingTellsOnlyAnotherControl) {
    TLockedDataBinding binding(nullptr);
    rtl::TComponent first(nullptr);
    rtl::TComponent second(nullptr);
    binding.AttachVisualControl(&first);
    binding.AttachVisualControl(&first);
    EXPECT_EQ(binding.AttachedCount, 1);
    EXPECT_EQ(binding.VisualControl(), &first);
    binding.AttachVisualControl(&second);
    binding.AttachVisualControl(nullptr);
    EXPECT_EQ(binding.AttachedCount, 3);
    EXPECT_EQ(binding.VisualControl(), nullptr);
}

TEST(uiCustomDataBinding, CreatedByClassWithOwnerAndData) {
    rtl::TComponent owner(nullptr);
    rtl::TComponent data(nullptr);
    const std::unique_ptr<TuiCustomDataBinding> binding =
        CreateDataBinding(TLockedDataBinding::StaticClass(), &owner, &data);
    EXPECT_EQ(&binding->ClassType(), &TLockedDataBinding::StaticClass());
    EXPECT_EQ(binding->GetOwner(), &owner);
    EXPECT_EQ(binding->DataComponent(), &data);
    EXPECT_THROW(CreateDataBinding(rtl::TComponent::StaticClass(), &owner, &data), rtl::EInvalidCast);
}

} // namespace
} // namespace ui
