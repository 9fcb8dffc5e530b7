// The program: the libraries start, the main window is created and runs until it closes, then everything stops in
// reverse order.

#include "app/main/Main.h"
#include "app/main/MainServices.h"
#include "app/main/MainTexts.h"
#include "app/main/ProgramUnits.h"
#include "app/main/UpgradeUpdateCheck.h"
#include "vcl/forms/Application.h"

#include <exception>

int main() {
    app::InitializeProgramUnits();
    vcl::TApplication& application = vcl::Application();
    {
        // The update check outlives the window that starts it.
        app::TUpgradeUpdateCheck updates;
        updates.Loaded();
        app::TMainServices services = app::MainServices();
        services.Updates = &updates;
        app::SetMainServices(&services);
        try {
            application.Initialize();
            application.SetTitle(app::MainTexts::ApplicationTitle);
            application.CreateForm<app::TmainForm>();
            application.Run();
        } catch (...) {
            application.ShowException(std::current_exception());
        }
        // The window writes its settings as it goes, while the libraries it stands on are still there.
        rtl::TComponent::Free(application.MainForm());
        app::SetMainServices(nullptr);
    }
    app::FinalizeProgramUnits();
    return 0;
}
