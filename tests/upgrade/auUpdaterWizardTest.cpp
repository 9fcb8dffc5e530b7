// The download wizard as painted: its progress figures, both bars as far as they are filled, the engraved caption
// in the button shadow and highlight colours, and the same pixels when painted twice.

#include "upgrade/auUpdaterWizard.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/extctrls/ProgressBar.h"
#include "vcl/stdctrls/GroupBox.h"
#include "vcl/stdctrls/Label.h"

#include <gtest/gtest.h>

namespace {

using au::TauUpdaterWizardForm;

// Whether some pixel of the rectangle has color.
bool HasColor(const ui_test::TDibSurface& surface, vcl::TRect rect, vcl::TColor color) {
    const vcl::TColor rgb = vcl::ColorToRGB(color);
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            if (surface.Pixel(x, y) == rgb) {
                return true;
            }
        }
    }
    return false;
}

TEST(auUpdaterWizard, TheProgressShowsInItsLinesAndBarsAndTheCaptionIsEngraved) {
    ui_test::TFormPtr<TauUpdaterWizardForm> wizard(
        new TauUpdaterWizardForm(nullptr, au::TauUpdaterLanguage::wlEnglish));
    ui_test::ShowTestForm(*wizard, 463, 281, ui_test::TFormPlacement::OffScreen);
    wizard->ShowProgress(40, 70, 12.5F, 3725);
    EXPECT_EQ(wizard->TransferRateLab->Caption(), u"Transfer rate: 12.5 Kb/s");
    EXPECT_EQ(wizard->EstimatedTimeLeftLab->Caption(), u"Estimated time left: 1:02:05");

    ui_test::TDibSurface surface(wizard->ClientWidth(), wizard->ClientHeight());
    ui_test::PaintControl(*wizard, surface);
    const std::vector<uint32_t> first = surface.Pixels();
    ui_test::PaintControl(*wizard, surface);
    EXPECT_EQ(surface.Pixels(), first) << "painting twice gives the same pixels";

    // A bar's filled part differs from its empty part, at the bar's middle row.
    const auto filledTo = [&](const vcl::TProgressBar& bar, const vcl::TGroupBox& group) {
        const int y = group.Top() + bar.Top() + bar.Height() / 2;
        const int left = group.Left() + bar.Left();
        const vcl::TColor empty = surface.Pixel(left + bar.Width() - 6, y);
        int filled = 0;
        for (int x = left + 3; x < left + bar.Width() - 3; ++x) {
            filled += surface.Pixel(x, y) != empty ? 1 : 0;
        }
        return filled * 100 / bar.Width();
    };
    EXPECT_NEAR(filledTo(*wizard->ProgressCurrentFile, *wizard->LCurrentFile), 40, 6);
    EXPECT_NEAR(filledTo(*wizard->ProgressAllFiles, *wizard->LAllFiles), 70, 6);

    const vcl::TRect caption{wizard->AboutLabel->Left(), wizard->AboutLabel->Top(),
                             wizard->AboutShadow->Left() + wizard->AboutShadow->Width(),
                             wizard->AboutShadow->Top() + wizard->AboutShadow->Height()};
    EXPECT_TRUE(HasColor(surface, caption, vcl::clBtnShadow));
    EXPECT_TRUE(HasColor(surface, caption, vcl::clBtnHighlight));
}

TEST(auUpdaterWizard, TheFinishedNoteShowsEveryLineInPlaceOfTheProgress) {
    ui_test::TFormPtr<TauUpdaterWizardForm> wizard(
        new TauUpdaterWizardForm(nullptr, au::TauUpdaterLanguage::wlEnglish));
    ui_test::ShowTestForm(*wizard, 463, 281, ui_test::TFormPlacement::OffScreen);
    wizard->ShowFinished(u"Tallyvane");
    ui_test::TDibSurface surface(wizard->ClientWidth(), wizard->ClientHeight());
    ui_test::PaintControl(*wizard, surface);
    const vcl::TRect note{wizard->AfterNote->Left(), wizard->AfterNote->Top(),
                          wizard->AfterNote->Left() + wizard->AfterNote->Width(),
                          wizard->AfterNote->Top() + wizard->AfterNote->Height()};
    EXPECT_EQ(note.Width(), 319);
    EXPECT_GE(note.Bottom, wizard->LAllFiles->Top() + wizard->LAllFiles->Height());
    // The last paragraph ("Press the OK button ...") stands two empty lines below the first.
    const int lineHeight = wizard->AfterNote->Canvas().TextHeight(u"Wg");
    EXPECT_TRUE(HasColor(surface, {note.Left, note.Top + 2 * lineHeight, note.Right, note.Bottom},
                         wizard->AfterNote->Font().Color()))
        << "the second paragraph shows";
}

} // namespace
