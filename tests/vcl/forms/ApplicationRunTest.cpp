// The application's own message loop: Run shows the main form and runs until the main form closes. Listed last in
// the test program, as it ends the application's message loop for good.

#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/vcl/TestControls.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationRun, RunShowsTheMainFormAndEndsWhenItCloses) {
    vcl::TApplication& application = vcl::Application();
    application.Initialize();
    auto* form = application.CreateForm<vcl::TForm>();
    ASSERT_EQ(application.MainForm(), form);
    auto* button = vcl_test::AddControl<vcl_test::TLoggingControl>(*form, u"Close", vcl::Bounds(10, 10, 60, 25));
    button->SetOnClick([form](rtl::TObject*) { form->Close(); });
    bool shownWhileRunning = false;
    int idleRounds = 0;
    application.SetOnIdle([&](rtl::TObject*, bool&) { ++idleRounds; });
    ui_test::RunLater(50, [&] {
        shownWhileRunning = form->Visible() && form->Showing();
        ui_test::Click(*button, vcl::Point(5, 5));
    });
    application.Run();
    application.SetOnIdle({});
    EXPECT_TRUE(shownWhileRunning);
    EXPECT_TRUE(application.Terminated());
    EXPECT_GT(idleRounds, 0);
    rtl::TComponent::Free(form);
}

} // namespace
