#include "ui/editors/navigator/uiNavigatorButtons.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/ui/editors/navigator/NavigatorTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ui::TuiNavigatorControlButtons;
using ui_test::NavigatorTest;
using ui_test::TNavigatorTestHost;
using TReports = std::vector<std::string>;

// The indexes of the buttons that are not enabled.
std::vector<int32_t> DisabledButtons(const ui::TuiCustomNavigatorButtons& buttons) {
    std::vector<int32_t> disabled;
    for (int32_t index = 0; index < ui::uiNavigatorButtonCount; ++index) {
        if (!buttons.Buttons(index).IsEnabled()) {
            disabled.push_back(index);
        }
    }
    return disabled;
}

std::unique_ptr<vcl::TCustomImageList> ImagesOfSize(int32_t width, int32_t height, int32_t count) {
    auto images = std::make_unique<vcl::TCustomImageList>(nullptr, width, height);
    vcl::TBitmap image;
    image.SetSize(width * count, height);
    images->Add(image, nullptr);
    return images;
}

TEST_F(NavigatorTest, FifteenButtonsAreLaidOutByDefaultSinceAppendIsHidden) {
    ASSERT_EQ(ViewInfo().ButtonCount(), 15);
    int32_t expected = 0;
    for (int32_t position = 0; position < ViewInfo().ButtonCount(); ++position, ++expected) {
        if (expected == ui::nbiAppend) {
            ++expected;
        }
        EXPECT_EQ(ViewInfo().Buttons(position).Button->DefaultIndex(), expected);
    }
    EXPECT_FALSE(Buttons().Append().Visible());
}

TEST_F(NavigatorTest, AnEmptyHintGivesTheTablesText) {
    const char16_t* const hints[] = {u"First record",  u"Prior page",    u"Prior record",  u"Next record",
                                     u"Next page",     u"Last record",   u"Insert record", u"Append record",
                                     u"Delete record", u"Edit record",   u"Post edit",     u"Cancel edit",
                                     u"Refresh data",  u"Save Bookmark", u"Goto Bookmark", u"Filter data"};
    for (int32_t index = 0; index < ui::uiNavigatorButtonCount; ++index) {
        EXPECT_EQ(Buttons().Buttons(index).GetHintText(), hints[index]) << index;
    }
    EXPECT_EQ(Buttons().GetButtonHint(ui::uiNavigatorButtonCount), u"");
    EXPECT_EQ(Buttons().GetButtonHint(-1), u"");
    Buttons().Next().SetHint(u"Onward|Moves on");
    EXPECT_EQ(Buttons().Next().GetHintText(), u"Onward|Moves on");
}

TEST_F(NavigatorTest, EachChangeReportsWhatItAsksOfTheHost) {
    struct TCase {
        const char* Name;
        std::function<void(TuiNavigatorControlButtons&)> Change;
        TReports Expected;
    };
    const auto images = ImagesOfSize(12, 11, 4);
    const TCase cases[] = {
        {"showing a button", [](auto& b) { b.Append().SetVisible(true); }, {"state", "changed 1"}},
        {"hiding a button", [](auto& b) { b.Next().SetVisible(false); }, {"state", "changed 1"}},
        {"the same visibility", [](auto& b) { b.Next().SetVisible(true); }, {}},
        {"disabling a visible button", [](auto& b) { b.Next().SetEnabled(false); }, {"state", "changed 2"}},
        {"disabling a hidden button", [](auto& b) { b.Append().SetEnabled(false); }, {"changed 2"}},
        {"the image index of a visible button", [](auto& b) { b.Next().SetImageIndex(3); }, {"state", "changed 2"}},
        {"a hint differing only in case",
         [](auto& b) {
             b.Next().SetHint(u"Onward");
             b.Next().SetHint(u"onward");
             b.Next().SetHint(u"onward");
         },
         {"changed 0", "changed 0"}},
        {"a click handler", [](auto& b) { b.Next().SetOnClick([](rtl::TObject*) {}); }, {"changed 0"}},
        {"ConfirmDelete", [](auto& b) { b.SetConfirmDelete(false); }, {"changed 0"}},
        {"OnButtonClick", [](auto& b) { b.SetOnButtonClick([](rtl::TObject*, int32_t, bool&) {}); }, {"changed 0"}},
        {"images", [&](auto& b) { b.SetImages(images.get()); }, {"state", "changed 2"}},
        {"a change of the images",
         [&](auto& b) {
             b.SetImages(images.get());
             images->Delete(0);
         },
         {"state", "changed 2", "state"}},
    };
    for (const TCase& testCase : cases) {
        auto* host = new TNavigatorTestHost(Form.get());
        testCase.Change(host->Buttons());
        EXPECT_EQ(host->Reports, testCase.Expected) << testCase.Name;
        rtl::TComponent::Free(host);
    }
}

TEST_F(NavigatorTest, AssignCopiesTheButtonsConfirmDeleteImagesAndTheClickEvent) {
    const auto images = ImagesOfSize(12, 11, 4);
    auto* source = new TNavigatorTestHost(Form.get());
    int ownClicks = 0;
    int sharedClicks = 0;
    source->Buttons().Append().SetVisible(true);
    source->Buttons().Next().SetEnabled(false);
    source->Buttons().Next().SetHint(u"Onward");
    source->Buttons().Next().SetImageIndex(2);
    source->Buttons().Last().SetOnClick([&](rtl::TObject*) { ++ownClicks; });
    source->Buttons().SetConfirmDelete(false);
    source->Buttons().SetImages(images.get());
    source->Buttons().SetOnButtonClick([&](rtl::TObject*, int32_t, bool& done) {
        ++sharedClicks;
        done = true;
    });
    Buttons().Assign(&source->Buttons());
    EXPECT_TRUE(Buttons().Append().Visible());
    EXPECT_FALSE(Buttons().Next().Enabled());
    EXPECT_EQ(Buttons().Next().Hint(), u"Onward");
    EXPECT_EQ(Buttons().Next().ImageIndex(), 2);
    EXPECT_FALSE(Buttons().ConfirmDelete());
    EXPECT_EQ(Buttons().Images(), images.get());
    Buttons().Last().DoClick();
    Buttons().First().DoClick();
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(sharedClicks, 1);
    EXPECT_TRUE(Host->Actions.empty());
}

TEST_F(NavigatorTest, AFreedImageListReadsNilAndTheButtonsFallBackToTheirBuiltInGlyphs) {
    auto images = ImagesOfSize(16, 16, 4);
    Buttons().SetImages(images.get());
    Buttons().Next().SetImageIndex(1);
    EXPECT_EQ(Buttons().Next().GetGlyphSize(), (vcl::TSize{16, 16}));
    Host->Reports.clear();
    images.reset();
    EXPECT_EQ(Buttons().Images(), nullptr);
    EXPECT_EQ(Host->Reports, (TReports{"state", "changed 2"}));
    EXPECT_FALSE(Buttons().Next().UsesUserGlyph());
    EXPECT_EQ(&Buttons().Next().GlyphImages(), &ui::NavigatorBuiltInImages());
    EXPECT_EQ(Buttons().Next().GlyphIndex(), ui::nbiNext);
    EXPECT_EQ(Buttons().Next().GetGlyphSize(), (vcl::TSize{12, 11}));
}

TEST_F(NavigatorTest, NothingIsEnabledWithoutAControlledObjectOrOnADisabledHost) {
    const std::vector<int32_t> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    Buttons().SetNavigatorSource(nullptr);
    EXPECT_EQ(DisabledButtons(Buttons()), all);
    Buttons().SetNavigatorSource([this]() -> ui::IuiNavigator* { return Host; });
    Host->SetEnabled(false);
    EXPECT_EQ(DisabledButtons(Buttons()), all);
}

TEST_F(NavigatorTest, AnInactiveObjectLeavesOnlyFilter) {
    Host->DataActive = false;
    EXPECT_EQ(DisabledButtons(Buttons()), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

TEST_F(NavigatorTest, TheMovingButtonsFollowTheFocusedRecord) {
    using ui::nbiCancel, ui::nbiFirst, ui::nbiGotoBookmark, ui::nbiLast, ui::nbiNext, ui::nbiNextPage, ui::nbiPost,
        ui::nbiPrior, ui::nbiPriorPage;
    struct TCase {
        int32_t Row;
        std::vector<int32_t> Disabled;
    };
    const TCase cases[] = {
        {0, {nbiFirst, nbiPriorPage, nbiPrior, nbiPost, nbiCancel, nbiGotoBookmark}},
        {2, {nbiPost, nbiCancel, nbiGotoBookmark}},
        {4, {nbiNext, nbiNextPage, nbiLast, nbiPost, nbiCancel, nbiGotoBookmark}},
    };
    for (const TCase& testCase : cases) {
        Host->Data().ChangeFocusedRowIndex(testCase.Row);
        EXPECT_EQ(DisabledButtons(Buttons()), testCase.Disabled) << "row " << testCase.Row;
    }
}

TEST_F(NavigatorTest, WhileEditingEditIsOffAndPostAndCancelAreOn) {
    Host->Data().ChangeFocusedRowIndex(2);
    Host->Data().Edit();
    ASSERT_TRUE(Host->IsEditing());
    EXPECT_EQ(DisabledButtons(Buttons()), (std::vector<int32_t>{ui::nbiEdit, ui::nbiGotoBookmark}));
    Host->Data().Cancel();
    EXPECT_EQ(DisabledButtons(Buttons()), (std::vector<int32_t>{ui::nbiPost, ui::nbiCancel, ui::nbiGotoBookmark}));
}

TEST_F(NavigatorTest, GotoBookmarkIsOnOnlyWithABookmarkWhichTheButtonsClear) {
    EXPECT_FALSE(Buttons().GotoBookmark().IsEnabled());
    Host->Data().SaveBookmark();
    EXPECT_TRUE(Buttons().GotoBookmark().IsEnabled());
    Buttons().ClearBookmark();
    EXPECT_FALSE(Host->IsBookmarkAvailable());
    EXPECT_FALSE(Buttons().GotoBookmark().IsEnabled());
}

TEST_F(NavigatorTest, AButtonsOwnEnabledFalseStaysOff) {
    Buttons().Next().SetEnabled(false);
    EXPECT_TRUE(Buttons().IsButtonEnabled(ui::nbiNext));
    EXPECT_FALSE(Buttons().Next().IsEnabled());
    ViewInfo().Calculate();
    EXPECT_FALSE(Laid(ui::nbiNext).Enabled);
    EXPECT_TRUE(Laid(ui::nbiLast).Enabled);
}

TEST_F(NavigatorTest, AButtonsOwnHandlerRunsAloneAndTheBarIsRefreshed) {
    int own = 0;
    int shared = 0;
    Buttons().Next().SetOnClick([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, &Buttons().Next());
        ++own;
    });
    Buttons().SetOnButtonClick([&](rtl::TObject*, int32_t, bool&) { ++shared; });
    Host->Reports.clear();
    Buttons().Next().DoClick();
    EXPECT_EQ(own, 1);
    EXPECT_EQ(shared, 0);
    EXPECT_TRUE(Host->Actions.empty());
    EXPECT_EQ(Host->Reports, TReports{"refresh"});
}

TEST_F(NavigatorTest, OnButtonClickSeesTheIndexAndSkipsTheActionWhenDone) {
    std::vector<int32_t> seen;
    bool skip = true;
    Buttons().SetOnButtonClick([&](rtl::TObject* sender, int32_t index, bool& done) {
        EXPECT_EQ(sender, &Buttons());
        seen.push_back(index);
        done = skip;
    });
    Buttons().Next().DoClick();
    EXPECT_TRUE(Host->Actions.empty());
    skip = false;
    Buttons().Last().DoClick();
    EXPECT_EQ(seen, (std::vector<int32_t>{ui::nbiNext, ui::nbiLast}));
    EXPECT_EQ(Host->Actions, std::vector<int32_t>{ui::nbiLast});
    EXPECT_EQ(Host->Data().GetFocusedRowIndex(), 4);
}

TEST_F(NavigatorTest, DeleteWithConfirmDeleteAsksFirstAndCancelRunsNoAction) {
    ui_test::TRecordedMessageBoxes boxes;
    boxes.Answers = {IDCANCEL, IDOK};
    Host->Reports.clear();
    Buttons().Delete().DoClick();
    EXPECT_TRUE(Host->Actions.empty());
    EXPECT_EQ(Host->Data().GetRecordCount(), 5);
    EXPECT_EQ(Host->Reports, TReports{"refresh"}) << "the bar is refreshed after a cancelled deletion too";
    Buttons().Delete().DoClick();
    EXPECT_EQ(Host->Actions, std::vector<int32_t>{ui::nbiDelete});
    EXPECT_EQ(Host->Data().GetRecordCount(), 4);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].Text, u"Delete record?");
    EXPECT_EQ(boxes.Shown[0].Flags & MB_TYPEMASK, static_cast<uint32_t>(MB_OKCANCEL));
    EXPECT_EQ(boxes.Shown[0].Flags & MB_ICONMASK, static_cast<uint32_t>(MB_ICONQUESTION));
    Buttons().SetConfirmDelete(false);
    Buttons().Delete().DoClick();
    EXPECT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(Host->Data().GetRecordCount(), 3);
}

TEST_F(NavigatorTest, TheBarIsRefreshedAfterAClickWhoseHandlerRaises) {
    Buttons().Next().SetOnClick([](rtl::TObject*) { throw std::runtime_error("refused"); });
    Host->Reports.clear();
    EXPECT_THROW(Buttons().Next().DoClick(), std::runtime_error);
    EXPECT_EQ(Host->Reports, TReports{"refresh"});
}

TEST_F(NavigatorTest, WithoutAControlledObjectAClickRunsNoActionButRefreshes) {
    Buttons().SetNavigatorSource(nullptr);
    Host->Reports.clear();
    Buttons().Next().DoClick();
    EXPECT_TRUE(Host->Actions.empty());
    EXPECT_EQ(Host->Reports, TReports{"refresh"});
}

} // namespace
