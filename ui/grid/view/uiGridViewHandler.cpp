#include "ui/grid/view/uiGridViewHandler.h"

#include "ui/grid/view/uiCustomGridView.h"

namespace ui {

TuiCustomGrid* TuiGridViewHandler::Control() const {
    return FGridView.Grid();
}

} // namespace ui
