#include "ui/editors/filterdialog/uiFilterControlDialog.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/FileDialogs.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/NavigatorTestHost.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/filtercontrol/FilterControlUnits.h"
#include "tests/ui/editors/filtercontrol/FilterTestLink.h"
#include "tests/ui/editors/filterdialog/ScriptedFilterBuilder.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "vcl/controls/SizeConstraints.h"
#include "vcl/dialogs/FileDialogs.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/graphics/Font.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using ui::TfmFilterControlDialog;
using ui_test::ClickDialogButton;
using ui_test::QtyIndex;
using ui_test::TScriptedFilterBuilder;

std::vector<uint8_t> BytesOf(rtl::TStream& stream) {
    std::vector<uint8_t> bytes(static_cast<size_t>(stream.Size()));
    stream.SetPosition(0);
    stream.Read(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

std::vector<uint8_t> FileBytes(const rtl::UnicodeString& name) {
    rtl::TFileStream file(name, rtl::fmOpenRead);
    return BytesOf(file);
}

// The filter of a quantity greater than limit, built in the dialog's rows as a user builds it.
void AddQuantityCondition(TfmFilterControlDialog& dialog, int32_t limit) {
    ui::TuiFilterControl& control = dialog.FilterControl();
    ui::TuiConditionViewInfo& condition = control.AddConditionRow(control.Root());
    control.SetConditionItem(condition, QtyIndex);
    control.SetConditionOperator(condition, ui::fcopGreater);
    control.SetConditionValue(condition, 0, rtl::Variant(limit), u"3");
}

class FilterBuilderTest : public testing::Test {
protected:
    void SetUp() override {
        Units = std::make_unique<ui_test::TFilterControlUnits>();
        ui::FilterBuilderBounds() = {};
    }
    void TearDown() override {
        Link.reset();
        ui::FilterBuilderBounds() = {};
        ui::FinalizeNavigatorUnit();
        Units.reset();
    }
    bool Show(ui::TuiLookAndFeel* lookAndFeel = nullptr, vcl::TColor color = vcl::clDefault) {
        return ui::ShowFilterBuilderDialog(
            Link.get(), lookAndFeel, color, [this](rtl::TObject*) { ++Applied; }, nullptr, u"C:\\filters");
    }

    std::unique_ptr<ui_test::TFilterControlUnits> Units;
    std::unique_ptr<ui_test::TTestFilterLink, rtl::TComponentDeleter> Link{new ui_test::TTestFilterLink(nullptr)};
    int Applied = 0;
};

TEST_F(FilterBuilderTest, TheFormIsBuiltAsDescribed) {
    TScriptedFilterBuilder builders({
        [this](TfmFilterControlDialog& dialog) {
            EXPECT_EQ(dialog.Caption(), u"Filter builder - [untitled.flt]");
            EXPECT_EQ(dialog.ClientWidth(), 552);
            EXPECT_EQ(dialog.ClientHeight(), 316);
            EXPECT_EQ(dialog.Constraints().MinWidth(), 560);
            EXPECT_EQ(dialog.Constraints().MinHeight(), 165);
            EXPECT_EQ(dialog.BorderStyle(), vcl::bsSizeable);
            EXPECT_EQ(dialog.BorderIcons(), vcl::TBorderIcons{vcl::biSystemMenu});
            EXPECT_EQ(dialog.pnlBottom->BoundsRect(), (vcl::TRect{0, 316 - 38, 552, 316}));
            EXPECT_EQ(dialog.pnlBottomRight->Parent(), dialog.pnlBottom);
            EXPECT_EQ(dialog.pnlBottomRight->BoundsRect(), (vcl::TRect{552 - 318, 0, 552, 38}));
            EXPECT_EQ(dialog.FilterControl().BoundsRect(), (vcl::TRect{0, 0, 552, 316 - 38}));
            EXPECT_EQ(dialog.FilterControl().LinkComponent(), Link.get());
            struct TButtonPlace {
                ui::TuiButton* Button;
                vcl::TWinControl* Parent;
                int32_t Left;
                const char16_t* Caption;
                vcl::TModalResult Result;
            };
            const TButtonPlace buttons[] = {
                {dialog.btOpen, dialog.pnlBottom, 6, u"&Open...", vcl::mrNone},
                {dialog.btSave, dialog.pnlBottom, 112, u"&Save As...", vcl::mrNone},
                {dialog.btOk, dialog.pnlBottomRight, 0, u"OK", vcl::mrOk},
                {dialog.btCancel, dialog.pnlBottomRight, 106, u"Cancel", vcl::mrCancel},
                {dialog.btApply, dialog.pnlBottomRight, 212, u"&Apply", vcl::mrNone},
            };
            for (const TButtonPlace& place : buttons) {
                EXPECT_EQ(place.Button->Parent(), place.Parent) << test_support::Utf8(place.Caption);
                EXPECT_EQ(place.Button->BoundsRect(), (vcl::TRect{place.Left, 8, place.Left + 100, 31}));
                EXPECT_EQ(place.Button->Caption(), place.Caption);
                EXPECT_EQ(place.Button->ModalResult(), place.Result);
            }
            EXPECT_TRUE(dialog.btCancel->Cancel());
            EXPECT_EQ(dialog.btOpen->Hint(), u"Open|Opens an existing filter");
            EXPECT_EQ(dialog.btSave->Hint(), u"Save As|Saves the active filter with a new name");
            EXPECT_EQ(dialog.OpenDialog->InitialDir(), u"C:\\filters");
            EXPECT_EQ(dialog.SaveDialog->InitialDir(), u"C:\\filters");
            EXPECT_EQ(dialog.SaveDialog->Options(),
                      (vcl::TOpenOptions{vcl::ofOverwritePrompt, vcl::ofHideReadOnly, vcl::ofEnableSizing}));
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(Show());
    EXPECT_EQ(builders.Shown, 1);
}

TEST_F(FilterBuilderTest, TheFirstDialogIsCentredAndTheNextOpensWhereAndAsLargeAsTheLastClosed) {
    vcl::TRect shown;
    TScriptedFilterBuilder builders({
        [&](TfmFilterControlDialog& dialog) {
            shown = dialog.BoundsRect();
            dialog.SetBounds(100, 80, 700, 400);
            ClickDialogButton(*dialog.btCancel);
        },
        [&](TfmFilterControlDialog& dialog) {
            EXPECT_EQ(dialog.BoundsRect(), (vcl::TRect{100, 80, 800, 480}));
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(Show());
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(shown.Left - work.left, work.right - shown.Right) << "centred across";
    EXPECT_NEAR(shown.Top - work.top, work.bottom - shown.Bottom, 1) << "centred down";
    EXPECT_EQ(ui::FilterBuilderBounds().Left, 100);
    EXPECT_EQ(ui::FilterBuilderBounds().Top, 80);
    EXPECT_EQ(ui::FilterBuilderBounds().Width, 700);
    EXPECT_EQ(ui::FilterBuilderBounds().Height, 400);
    EXPECT_FALSE(Show());
    EXPECT_EQ(builders.Shown, 2);
}

TEST_F(FilterBuilderTest, SaveAsWritesTheControlsStreamAndTheNextSaveProposesItsPath) {
    const test_support::TTempFile file(u"builder.flt", {});
    ui_test::TScriptedFileDialogs files;
    files.Accept(file.Name());
    files.Cancel();
    std::vector<uint8_t> expected;
    TScriptedFilterBuilder builders({
        [&](TfmFilterControlDialog& dialog) {
            AddQuantityCondition(dialog, 3);
            rtl::TMemoryStream stream;
            dialog.FilterControl().SaveToStream(stream);
            expected = BytesOf(stream);
            ClickDialogButton(*dialog.btSave);
            EXPECT_EQ(dialog.Caption(), u"Filter builder - [" + file.Name() + u"]");
            EXPECT_EQ(dialog.FileName(), file.Name());
            ClickDialogButton(*dialog.btSave);
            EXPECT_EQ(dialog.FileName(), file.Name()) << "a cancelled save keeps the name";
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(Show());
    ASSERT_EQ(files.Shown.size(), 2u);
    EXPECT_EQ(files.Shown[0].Kind, vcl::TFileDialogKind::Save);
    EXPECT_EQ(files.Shown[0].Title, u"Save the active filter to file");
    EXPECT_EQ(files.Shown[0].FileName, u"untitled.flt");
    EXPECT_EQ(files.Shown[0].Filter, u"Filters (*.flt)|*.flt");
    EXPECT_EQ(files.Shown[1].FileName, file.Name());
    const std::vector<uint8_t> written = FileBytes(file.Name());
    EXPECT_EQ(written, expected);
    ASSERT_GE(written.size(), 4u);
    int32_t header = 0;
    std::memcpy(&header, written.data(), sizeof(header));
    EXPECT_EQ(header, -2) << "the version-3 stream";
    EXPECT_EQ(Link->Criteria.Root().GetCount(), 0) << "saving applies nothing";
}

TEST_F(FilterBuilderTest, OpenReadsAFilterFileAndAFileThatIsNoFilterStreamLeavesCaptionAndRows) {
    ui::test::TTestFilterCriteria saved;
    saved.AddItem(nullptr, saved.QtyItem(), ui::fokGreater, rtl::Variant(3), u"3");
    saved.AddItem(nullptr, saved.PriceItem(), ui::fokLess, rtl::Variant(9), u"9");
    rtl::TMemoryStream stream;
    saved.SaveToStream(stream);
    const test_support::TTempFile filter(u"opened.flt", BytesOf(stream));
    const test_support::TTempFile garbage(u"garbage.flt", {'n', 'o', 't', ' ', 'a', ' ', 'f', 'i', 'l', 't', 'e', 'r'});
    ui_test::TScriptedFileDialogs files;
    files.Accept(garbage.Name());
    files.Accept(filter.Name());
    ui_test::TRecordedMessageBoxes boxes;
    TScriptedFilterBuilder builders({
        [&](TfmFilterControlDialog& dialog) {
            AddQuantityCondition(dialog, 5);
            ClickDialogButton(*dialog.btOpen);
            EXPECT_EQ(boxes.Shown.size(), 1u) << "the error is shown";
            EXPECT_EQ(dialog.Caption(), u"Filter builder - [untitled.flt]");
            EXPECT_EQ(dialog.FilterControl().RowCount(), 2);
            ClickDialogButton(*dialog.btOpen);
            EXPECT_EQ(dialog.Caption(), u"Filter builder - [" + filter.Name() + u"]");
            EXPECT_EQ(dialog.FilterControl().RowCount(), 3);
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(Show());
    ASSERT_EQ(files.Shown.size(), 2u);
    EXPECT_EQ(files.Shown[0].Kind, vcl::TFileDialogKind::Open);
    EXPECT_EQ(files.Shown[0].Title, u"Open an existing filter");
    EXPECT_EQ(files.Shown[0].Filter, u"Filters (*.flt)|*.flt");
    EXPECT_EQ(files.Shown[0].DefaultExt, u"flt");
    EXPECT_EQ(files.Shown[1].FileName, u"") << "each open starts without a name";
}

TEST_F(FilterBuilderTest, ApplyChangesTheLinksFilterAndTheDialogStaysAndCancelKeepsWhatWasApplied) {
    TScriptedFilterBuilder builders({
        [&](TfmFilterControlDialog& dialog) {
            AddQuantityCondition(dialog, 3);
            ClickDialogButton(*dialog.btApply);
            EXPECT_EQ(Link->Criteria.Root().GetCount(), 1);
            EXPECT_EQ(Applied, 1);
        },
        [&](TfmFilterControlDialog& dialog) {
            EXPECT_TRUE(dialog.FormState().Contains(vcl::fsModal)) << "Apply keeps the dialog open";
            AddQuantityCondition(dialog, 7);
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(Show());
    EXPECT_EQ(Link->Criteria.Root().GetCount(), 1);
    EXPECT_EQ(Applied, 1);
}

TEST_F(FilterBuilderTest, OKAppliesAndAnswersTrue) {
    TScriptedFilterBuilder builders({
        [](TfmFilterControlDialog& dialog) {
            AddQuantityCondition(dialog, 3);
            ClickDialogButton(*dialog.btOk);
        },
    });
    EXPECT_TRUE(Show());
    EXPECT_EQ(Link->Criteria.Root().GetCount(), 1);
    EXPECT_EQ(Applied, 1);
}

TEST_F(FilterBuilderTest, AFilterThatCannotBeAppliedKeepsTheDialogOpenOnOK) {
    ui_test::TRecordedMessageBoxes boxes;
    TScriptedFilterBuilder builders({
        [](TfmFilterControlDialog& dialog) {
            AddQuantityCondition(dialog, 3);
            dialog.FilterControl().SetOnApplyFilter([](rtl::TObject*) { throw rtl::Exception(u"refused"); });
            ClickDialogButton(*dialog.btOk);
        },
        [](TfmFilterControlDialog& dialog) {
            EXPECT_TRUE(dialog.FormState().Contains(vcl::fsModal));
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(Show());
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, u"refused.");
}

// An open selector list and an in-place value editor each take the Escape key first; the next one cancels.
TEST_F(FilterBuilderTest, EscapeClosesWhatIsOpenOverTheRowsFirstAndTheDialogThen) {
    struct TCase {
        const char* Name;
        std::function<void(ui::TuiFilterControl&, ui::TuiConditionViewInfo&)> Open;
        std::function<bool(ui::TuiFilterControl&)> IsOpen;
    };
    const TCase cases[] = {
        {"the selector list",
         [](ui::TuiFilterControl& control, ui::TuiConditionViewInfo& condition) {
             control.EditOperator(condition);
             ASSERT_TRUE(ui_test::PumpUntil([&] { return control.Selector().DroppedDown(); }));
         },
         [](ui::TuiFilterControl& control) { return control.Selector().DroppedDown(); }},
        {"the value editor",
         [](ui::TuiFilterControl& control, ui::TuiConditionViewInfo& condition) {
             control.EditValue(condition, 0, ui::vaPlain);
         },
         [](ui::TuiFilterControl& control) { return control.ValueEditor() != nullptr; }},
    };
    for (const TCase& testCase : cases) {
        bool opened = false;
        bool closedFirst = false;
        bool stayedOpen = false;
        TScriptedFilterBuilder builders({
            [&](TfmFilterControlDialog& dialog) {
                AddQuantityCondition(dialog, 3);
                ui::TuiFilterControl& control = dialog.FilterControl();
                control.SetFocus();
                testCase.Open(control, dynamic_cast<ui::TuiConditionViewInfo&>(control.Rows(1)));
                opened = testCase.IsOpen(control);
                ui_test::PressKey(VK_ESCAPE);
            },
            [&](TfmFilterControlDialog& dialog) {
                closedFirst = !testCase.IsOpen(dialog.FilterControl());
                stayedOpen = dialog.FormState().Contains(vcl::fsModal);
                ui_test::PressKey(VK_ESCAPE);
            },
        });
        EXPECT_FALSE(Show()) << testCase.Name;
        EXPECT_TRUE(opened) << testCase.Name;
        EXPECT_TRUE(closedFirst) << testCase.Name;
        EXPECT_TRUE(stayedOpen) << testCase.Name;
    }
}

TEST_F(FilterBuilderTest, TheColourReachesTheControlAndBothPanelsAndASkinGivesThePanelsItsContentColour) {
    const vcl::TColor controlDefault = std::make_unique<ui::TuiFilterControl>(nullptr)->Color();
    ui::TuiLookAndFeel skinned(nullptr);
    skinned.SetSkinName(u"Blue");
    ASSERT_NE(skinned.SkinPainter(), nullptr);
    struct TCase {
        ui::TuiLookAndFeel* LookAndFeel;
        vcl::TColor Color;
        vcl::TColor ControlColor;
        vcl::TColor PanelColor;
    };
    const TCase cases[] = {
        {nullptr, vcl::clDefault, controlDefault, controlDefault},
        {nullptr, vcl::clYellow, vcl::clYellow, vcl::clYellow},
        {&skinned, vcl::clYellow, vcl::clYellow, skinned.SkinPainter()->ContentColor()},
    };
    for (const TCase& testCase : cases) {
        TScriptedFilterBuilder builders({
            [&](TfmFilterControlDialog& dialog) {
                EXPECT_EQ(dialog.FilterControl().Color(), testCase.ControlColor);
                EXPECT_EQ(dialog.pnlBottom->Color(), testCase.PanelColor);
                EXPECT_EQ(dialog.pnlBottomRight->Color(), testCase.PanelColor);
                ClickDialogButton(*dialog.btCancel);
            },
        });
        Show(testCase.LookAndFeel, testCase.Color);
    }
}

TEST_F(FilterBuilderTest, TheLookAndFeelReachesTheFiveButtonsAndTheControlAndTheFontTheDialog) {
    ui::TuiLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetKind(ui::lfFlat);
    lookAndFeel.SetNativeStyle(false);
    vcl::TFont font;
    font.SetName(u"Tahoma");
    font.SetSize(11);
    int shows = 0;
    TScriptedFilterBuilder builders({
        [&](TfmFilterControlDialog& dialog) {
            lookAndFeel.SetKind(ui::lfUltraFlat);
            for (ui::TuiButton* button : {dialog.btOpen, dialog.btSave, dialog.btOk, dialog.btCancel, dialog.btApply}) {
                EXPECT_EQ(button->LookAndFeel().Kind(), ui::lfUltraFlat) << test_support::Utf8(button->Name());
                EXPECT_FALSE(button->LookAndFeel().NativeStyle());
            }
            EXPECT_EQ(dialog.FilterControl().LookAndFeel().Kind(), ui::lfUltraFlat);
            EXPECT_EQ(dialog.Font().Name(), u"Tahoma");
            EXPECT_EQ(dialog.Font().Size(), 11);
            ClickDialogButton(*dialog.btCancel);
        },
    });
    EXPECT_FALSE(ui::ShowFilterBuilderDialog(
        Link.get(), &lookAndFeel, vcl::clDefault, nullptr, [&](rtl::TObject*) { ++shows; }, u"", &font));
    EXPECT_EQ(shows, 1);
}

TEST_F(FilterBuilderTest, TheNavigatorsFilterButtonOpensTheBuilderOverItsLink) {
    auto form = ui_test::ShowNewTestForm(320, 60);
    auto* host = new ui_test::TNavigatorTestHost(form.get());
    host->SetParent(form.get());
    host->FilterLink = Link.get();
    rtl::TComponent* linked = nullptr;
    TScriptedFilterBuilder builders({
        [&](TfmFilterControlDialog& dialog) {
            linked = dialog.FilterControl().LinkComponent();
            ClickDialogButton(*dialog.btCancel);
        },
    });
    host->Buttons().Filter().DoClick();
    EXPECT_EQ(builders.Shown, 1);
    EXPECT_EQ(linked, Link.get());
    EXPECT_EQ(host->Actions, std::vector<int32_t>{ui::nbiFilter});
}

} // namespace
