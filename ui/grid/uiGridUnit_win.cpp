#include "rtl/WindowsApi.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/common/uiGridRegisteredViews.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/uiGridUnit.h"
#include "vcl/controls/pointer/Cursors.h"

#include <cstdint>

namespace ui {

namespace {

int32_t gridUnitInitCount = 0;

} // namespace

void InitializeGridUnit() {
    if (gridUnitInitCount++ > 0) {
        return;
    }
    detail::StartGridStrs();
    detail::StartGridRegisteredViews();
    RegisterGridTableView();
    StartGridHitTests();
    if (HCURSOR cursor = LoadCursorW(GetModuleHandleW(nullptr), L"UI_GRIDSELECTROWCURSOR")) {
        vcl::SetCursorHandle(crGridSelectRow, cursor);
    }
}

void FinalizeGridUnit() {
    if (gridUnitInitCount == 0 || --gridUnitInitCount > 0) {
        return;
    }
    FinishGridHitTests();
    UnregisterGridTableView();
    detail::FinishGridRegisteredViews();
    detail::FinishGridStrs();
}

} // namespace ui
