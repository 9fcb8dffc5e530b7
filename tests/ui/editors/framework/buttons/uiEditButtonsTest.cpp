#include "ui/editors/framework/buttons/uiEditButtons.h"

#include "tests/support/TestSupport.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

struct TButtonsFixture {
    TuiEditButtons Buttons{nullptr, TuiEditButtons::GetButtonClass()};
    int32_t Notifications = 0;
    TButtonsFixture() {
        Buttons.SetOnChange([this](rtl::TObject* sender) {
            EXPECT_EQ(sender, &Buttons);
            ++Notifications;
        });
    }
};

TEST(uiEditButtons, ANewButtonIsAVisibleEnabledDropDown) {
    TButtonsFixture fixture;
    TuiEditButton& button = fixture.Buttons.Add();
    EXPECT_EQ(fixture.Notifications, 1);
    EXPECT_EQ(button.Kind(), bkDown);
    EXPECT_EQ(button.ContentAlignment(), vcl::taCenter);
    EXPECT_TRUE(button.Enabled());
    EXPECT_TRUE(button.Visible());
    EXPECT_TRUE(button.Stretchable());
    EXPECT_EQ(button.TextColor(), vcl::clBtnText);
    EXPECT_FALSE(button.IsTagStored());
}

TEST(uiEditButtons, OnlyOneButtonIsTheDefault) {
    TButtonsFixture fixture;
    for (int i = 0; i < 3; ++i) {
        fixture.Buttons.Add();
    }
    fixture.Buttons.Items(0).SetDefault(true);
    fixture.Buttons.Items(1).SetDefault(true);
    const int32_t before = fixture.Notifications;
    fixture.Buttons.Items(2).SetDefault(true);
    EXPECT_FALSE(fixture.Buttons.Items(0).Default());
    EXPECT_FALSE(fixture.Buttons.Items(1).Default());
    EXPECT_TRUE(fixture.Buttons.Items(2).Default());
    EXPECT_EQ(fixture.Notifications, before + 1);
    fixture.Buttons.Items(2).SetDefault(true);
    EXPECT_EQ(fixture.Notifications, before + 1);
}

TEST(uiEditButtons, TheShownCaptionDropsAcceleratorSigns) {
    const struct {
        const char16_t* Caption;
        const char16_t* Shown;
    } cases[] = {{u"&Save", u"Save"}, {u"A&&B", u"A&B"}, {u"Next&", u"Next_"}, {u"", u""}, {u"&&&x", u"&x"}};
    TButtonsFixture fixture;
    TuiEditButton& button = fixture.Buttons.Add();
    for (const auto& c : cases) {
        button.SetCaption(c.Caption);
        EXPECT_EQ(button.ShownCaption(), rtl::UnicodeString(c.Shown)) << test_support::Utf8(c.Caption);
    }
}

TEST(uiEditButtons, SettersNotifyOnlyChangesAndNegativeWidthsAreIgnored) {
    TButtonsFixture fixture;
    TuiEditButton& button = fixture.Buttons.Add();
    const int32_t before = fixture.Notifications;
    button.SetKind(bkDown);
    button.SetVisible(true);
    button.SetWidth(-5);
    EXPECT_EQ(fixture.Notifications, before);
    EXPECT_EQ(button.Width(), 0);
    button.SetWidth(10);
    button.SetVisible(false);
    EXPECT_EQ(fixture.Notifications, before + 2);
    EXPECT_EQ(fixture.Buttons.VisibleCount(), 0);
}

TEST(uiEditButtons, AssignCopiesTheButtonWithOneNotification) {
    TButtonsFixture source;
    TuiEditButton& original = source.Buttons.Add();
    original.SetCaption(u"&Go");
    original.SetKind(bkText);
    original.SetWidth(30);
    original.SetTag(7);
    original.SetHint(u"Go|Runs it");
    original.SetLeftAlignment(true);
    original.Glyph().SetSize(4, 3);

    TButtonsFixture target;
    target.Buttons.Add();
    target.Buttons.Add().SetDefault(true);
    const int32_t before = target.Notifications;
    original.SetDefault(true);
    target.Buttons.Items(0).Assign(&original);
    EXPECT_EQ(target.Notifications, before + 1);
    const TuiEditButton& copy = target.Buttons.Items(0);
    EXPECT_EQ(copy.Caption(), u"&Go");
    EXPECT_EQ(copy.ShownCaption(), u"Go");
    EXPECT_EQ(copy.Kind(), bkText);
    EXPECT_EQ(copy.Width(), 30);
    EXPECT_EQ(copy.Tag(), 7);
    EXPECT_EQ(copy.Hint(), u"Go|Runs it");
    EXPECT_TRUE(copy.LeftAlignment());
    EXPECT_TRUE(copy.Default());
    EXPECT_FALSE(target.Buttons.Items(1).Default());
    ASSERT_TRUE(copy.HasGlyph());
    EXPECT_EQ(const_cast<TuiEditButton&>(copy).Glyph().Width(), 4);
}

TEST(uiEditButtons, TheGlyphsOwnChangesReachTheCollection) {
    TButtonsFixture fixture;
    TuiEditButton& button = fixture.Buttons.Add();
    const int32_t before = fixture.Notifications;
    button.Glyph().SetSize(8, 8);
    EXPECT_GT(fixture.Notifications, before);
    button.SetGlyph(nullptr);
    EXPECT_FALSE(button.HasGlyph());
}

TEST(uiEditButtons, TheWidthRule) {
    vcl::TBitmap glyph;
    glyph.SetSize(16, 16);
    const struct {
        TuiEditButtonKind Kind;
        int32_t AskedWidth;
        bool WithGlyph;
        TuiEditButtonMeasures Measures;
        int32_t Expected;
    } cases[] = {
        {bkText, 0, false, {4, 16, 17}, 23},    {bkText, 0, false, {4, 16, 30}, 30},
        {bkGlyph, 0, true, {4, 0, 30}, 20},     {bkGlyph, 0, false, {4, 0, 17}, 17},
        {bkEllipsis, 0, false, {4, 0, 17}, 17}, {bkDown, 10, false, {12, 0, 17}, 12},
        {bkDown, 25, false, {12, 0, 17}, 25},
    };
    for (const auto& c : cases) {
        TuiEditButtonViewInfo button;
        button.Kind = c.Kind;
        button.Width = c.AskedWidth;
        button.Glyph = c.WithGlyph ? &glyph : nullptr;
        EXPECT_EQ(EditButtonWidth(button, c.Measures), c.Expected) << int(c.Kind) << " " << c.AskedWidth;
    }
}

TEST(uiEditButtons, WithoutNativeStyleTheMarginsAreFour) {
    TuiEditButtonViewInfo button;
    bool native = true;
    EXPECT_EQ(EditButtonContentMargins(button, native), 4);
    EXPECT_FALSE(native);
}

TEST(uiEditButtons, AViewInfoDiffersByWhatIsPainted) {
    TuiEditButtonViewInfo old;
    TuiEditButtonViewInfo current;
    current.Bounds = {0, 0, 5, 5};
    current.Caption = u"x";
    EXPECT_FALSE(current.DiffersFrom(old));
    current.State = ebvsHot;
    EXPECT_TRUE(current.DiffersFrom(old));
    old.Assign(&current);
    EXPECT_FALSE(current.DiffersFrom(old));
    EXPECT_EQ(old.Bounds.Right, 5);
    EXPECT_TRUE(old.Caption.empty());
}

} // namespace
} // namespace ui
