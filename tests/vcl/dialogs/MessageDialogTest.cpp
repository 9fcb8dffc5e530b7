// Message dialogs: the answer chosen, the text as it reaches the message box, and the icon, caption and buttons of
// each kind of message.

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessageBoxes.h"
#include "vcl/dialogs/MessageDialogs.h"
#include "vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

TEST(MessageDlg, AYesNoQuestionReturnsTheAnswerAndShowsTheTextUnchanged) {
    constexpr char16_t Question[] =
        u"开票清单Excel表格中的金额可以是【含税价】或【不含税价】，\r\n\r\n请问这开票清单中的金额是【含税价】吗？";
    ui_test::TRecordedMessageBoxes boxes;
    boxes.Answers = {IDNO, IDYES};
    EXPECT_EQ(vcl::MessageDlg(Question, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}), vcl::mrNo);
    EXPECT_EQ(vcl::MessageDlg(Question, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}), vcl::mrYes);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(Utf8(boxes.Shown[0].Text), Utf8(Question)) << "CR LF kept";
    EXPECT_EQ(boxes.Shown[0].Flags, static_cast<uint32_t>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Utf8(boxes.Shown[0].Caption), "确认");
}

TEST(MessageDlg, EachKindOfMessageHasItsIconAndCaption) {
    vcl::Application().SetTitle(u"Tallyvane");
    const struct {
        vcl::TMsgDlgType Type;
        uint32_t Icon;
        const char* Caption;
    } kinds[] = {{vcl::mtWarning, MB_ICONWARNING, "警告"},
                 {vcl::mtError, MB_ICONERROR, "错误"},
                 {vcl::mtInformation, MB_ICONINFORMATION, "信息"},
                 {vcl::mtConfirmation, MB_ICONQUESTION, "确认"},
                 {vcl::mtCustom, 0, "Tallyvane"}};
    ui_test::TRecordedMessageBoxes boxes;
    for (const auto& kind : kinds) {
        vcl::MessageDlg(u"text", kind.Type, {vcl::mbOK});
        EXPECT_EQ(boxes.Shown.back().Flags, MB_OK | kind.Icon);
        EXPECT_EQ(Utf8(boxes.Shown.back().Caption), kind.Caption);
    }
    vcl::Application().SetTitle(u"");
}

TEST(MessageDlg, TheButtonsAreTheSetsAMessageBoxOffers) {
    const struct {
        vcl::TMsgDlgButtons Buttons;
        uint32_t Flags;
    } sets[] = {{{vcl::mbOK}, MB_OK},
                {{vcl::mbOK, vcl::mbCancel}, MB_OKCANCEL},
                {{vcl::mbYes, vcl::mbNo, vcl::mbCancel}, MB_YESNOCANCEL},
                {{vcl::mbRetry, vcl::mbCancel}, MB_RETRYCANCEL},
                {{vcl::mbAbort, vcl::mbRetry, vcl::mbIgnore}, MB_ABORTRETRYIGNORE},
                {{vcl::mbOK, vcl::mbHelp}, MB_OK | MB_HELP}};
    ui_test::TRecordedMessageBoxes boxes;
    for (const auto& set : sets) {
        vcl::MessageDlg(u"text", vcl::mtCustom, set.Buttons);
        EXPECT_EQ(boxes.Shown.back().Flags, set.Flags);
    }
    EXPECT_EQ(test_support::MessageOf([] {
                  vcl::MessageDlg(u"text", vcl::mtCustom, {vcl::mbYes, vcl::mbAll});
              }),
              "A message box cannot show these buttons");
    EXPECT_EQ(boxes.Shown.size(), std::size(sets)) << "nothing is shown for buttons it cannot show";
}

TEST(MessageDlg, ACenteredDialogTakesTheCaptionGivenAndShowMessageTheTitle) {
    vcl::Application().SetTitle(u"销货清单");
    ui_test::TRecordedMessageBoxes boxes;
    boxes.Answers = {IDCANCEL};
    EXPECT_EQ(vcl::MessageDlgCentered(u"删除记录吗？", u"Confirm", vcl::mtConfirmation, {vcl::mbOK, vcl::mbCancel}),
              vcl::mrCancel);
    vcl::MessageDlgCentered(u"x", u"", vcl::mtError, {vcl::mbOK});
    vcl::ShowMessage(u"第3行第5列数据格式错误");
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(Utf8(boxes.Shown[0].Caption), "Confirm");
    EXPECT_EQ(Utf8(boxes.Shown[1].Caption), "错误") << "an empty caption keeps the kind's";
    EXPECT_EQ(Utf8(boxes.Shown[2].Caption), "销货清单");
    EXPECT_EQ(boxes.Shown[2].Flags, static_cast<uint32_t>(MB_OK));
    vcl::Application().SetTitle(u"");
}

} // namespace
