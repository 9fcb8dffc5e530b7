#include "rtl/WindowsApi.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/strings/uiExtEditConsts.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/editors/framework/view/uiSolidBrushCache.h"
#include "vcl/controls/pointer/Cursors.h"

#include <cstdint>
#include <memory>

namespace ui {

namespace {

int32_t frameworkInitCount = 0;
std::unique_ptr<TuiEditStyleController> frameworkDefaultController;

} // namespace

void InitializeEditFrameworkUnit() {
    if (frameworkInitCount++ > 0) {
        return;
    }
    InitializeEditConstsUnit();
    InitializeExtEditConstsUnit();
    if (HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), L"UIEDIT_MOUSEWHEEL")) {
        vcl::SetCursorHandle(crEditMouseWheel, cursor);
    }
    frameworkDefaultController = std::make_unique<TuiEditStyleController>(nullptr);
    SetGlobalStyleController(frameworkDefaultController.get());
}

void FinalizeEditFrameworkUnit() {
    if (frameworkInitCount == 0 || --frameworkInitCount > 0) {
        return;
    }
    FreeEditPropertiesRegistry();
    FreeEditDataRegisteredRepositoryItems();
    FreeDefaultEditRepository();
    if (GlobalStyleController() == frameworkDefaultController.get()) {
        SetGlobalStyleController(nullptr);
    }
    frameworkDefaultController.reset();
    FreeSolidBrushCache();
    FinalizeExtEditConstsUnit();
    FinalizeEditConstsUnit();
}

} // namespace ui
