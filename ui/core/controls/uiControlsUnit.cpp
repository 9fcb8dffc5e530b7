#include "ui/core/controls/uiControlsUnit.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/popups/uiPopupHooks.h"
#include "ui/core/controls/services/uiMessageWindows.h"
#include "ui/core/controls/services/uiMouseTracking.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/core/controls/services/uiTimers.h"
#include "vcl/controls/pointer/Cursors.h"

#include <memory>

namespace ui {

namespace {

struct TuiCursorResource {
    vcl::TCursor Cursor;
    const wchar_t* Name;
};

constexpr TuiCursorResource CursorResources[] = {
    {crDragCopy, L"UI_DRAGCOPYCURSOR"},       {crFullScroll, L"UI_FULLSCROLLCURSOR"},
    {crHorScroll, L"UI_HORSCROLLCURSOR"},     {crVerScroll, L"UI_VERSCROLLCURSOR"},
    {crUpScroll, L"UI_UPSCROLLCURSOR"},       {crRightScroll, L"UI_RIGHTSCROLLCURSOR"},
    {crDownScroll, L"UI_DOWNSCROLLCURSOR"},   {crLeftScroll, L"UI_LEFTSCROLLCURSOR"},
    {crRemove, L"UI_REMOVECURSOR"},           {crVertSize, L"UI_VERTSIZECURSOR"},
    {crHorzSize, L"UI_HORZSIZECURSOR"},       {crUiMultiDrag, L"UI_MULTIDRAGCURSOR"},
    {crUiNoDrop, L"UI_NODROPCURSOR"},         {crUiDrag, L"UI_DRAGCURSOR"},
    {crColorPicker, L"UI_COLORPICKERCURSOR"}, {crMultiDragCopy, L"UI_MULTIDRAGCOPYCURSOR"},
};

bool ControlsUnitFinalized = false;
std::unique_ptr<TuiSystemController> ControlsSystemController;

void LoadCursors() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const TuiCursorResource& resource : CursorResources) {
        if (HCURSOR cursor = LoadCursorW(instance, resource.Name)) {
            vcl::SetCursorHandle(resource.Cursor, cursor);
        }
    }
    vcl::SetCursorHandle(crUiHandPoint, LoadCursorW(nullptr, IDC_HAND));
}

} // namespace

void InitializeControlsUnit() {
    ControlsUnitFinalized = false;
    LoadCursors();
    ControlsSystemController = std::make_unique<TuiSystemController>();
}

// Trackings left running are ended rather than reported: a caller that forgot to stop loses nothing by it, and the
// timers would otherwise outlive their window.
void FinalizeControlsUnit() {
    ControlsUnitFinalized = true;
    ControlsSystemController.reset();
    RemovePopupHooks();
    detail::StopAllMouseTracking();
    detail::FreeSettingsController();
    detail::FreeTimerWindow();
    detail::FreeSharedMessageWindow();
}

bool IsControlsUnitFinalized() {
    return ControlsUnitFinalized;
}

} // namespace ui
