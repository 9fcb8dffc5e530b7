// A dialog form given a larger font: its controls and client size grow by the change of its text height.

#include "ui/core/controls/uiDialogRoutines.h"

#include "tests/support/ui/TestForms.h"
#include "ui/core/uiArithmetic.h"
#include "vcl/graphics/Font.h"
#include "vcl/stdctrls/Edit.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(DialogRoutines, ALargerFontScalesTheControlsAndTheClientSizeByTheTextHeights) {
    auto form = ui_test::ShowNewTestForm(300, 200);
    form->Font().SetHeight(-11);
    auto* edit = new vcl::TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 20, 100, 24);
    const int32_t before = FormTextHeight(*form);
    ASSERT_GT(before, 0);
    const int32_t clientWidth = form->ClientWidth();
    const int32_t clientHeight = form->ClientHeight();

    vcl::TFont larger;
    larger.Assign(&form->Font());
    larger.SetHeight(-22);
    SetFormFontScaled(*form, larger);
    const int32_t after = FormTextHeight(*form);
    ASSERT_GT(after, before);
    EXPECT_EQ(form->Font().Height(), -22);
    EXPECT_EQ(edit->Left(), MulDiv(10, after, before));
    EXPECT_EQ(edit->Width(), MulDiv(110, after, before) - MulDiv(10, after, before));
    EXPECT_EQ(form->ClientWidth(), MulDiv(clientWidth, after, before));
    EXPECT_EQ(form->ClientHeight(), MulDiv(clientHeight, after, before));

    // The same font again changes nothing.
    const vcl::TRect bounds = edit->BoundsRect();
    SetFormFontScaled(*form, larger);
    EXPECT_EQ(edit->BoundsRect(), bounds);
}

} // namespace
} // namespace ui
