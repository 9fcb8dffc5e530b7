#include "ui/data/locale/uiSystemChangeWindow.h"

namespace ui {

// No broadcasts reach a process here: the window is a placeholder that keeps the controller's bookkeeping alike.
std::unique_ptr<TuiSystemChangeWindow> CreateSystemChangeWindow(TuiSystemChangeSink&) {
    return std::make_unique<TuiSystemChangeWindow>();
}

} // namespace ui
