#pragma once
// TuiPCGoDialog: the menu a tab control's go-dialog button opens, listing the visible tabs so that the user can jump
// to one that is scrolled out of view. Its items are made anew each time it opens; choosing one hands the item's tab
// index to the go-to handler, which the tab control sets to select that tab.

#include "vcl/menus/Menus.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiCustomTabControl;

class TuiPCGoDialog : public vcl::TPopupMenu {
    RTL_DECLARE_CLASS(TuiPCGoDialog, vcl::TPopupMenu)
public:
    using TGoToEvent = std::function<void(int32_t tabIndex)>;

    explicit TuiPCGoDialog(rtl::TComponent* owner) : vcl::TPopupMenu(owner) {}

    // One item per visible tab of control, in tab order or, with sort, by the caption without its accelerator
    // ampersands. An item shows the tab's caption as the tab has it and the tab's image from the control's images;
    // its Tag is the tab index; the selected tab's item is checked and the default one.
    void BuildItems(const TuiCustomTabControl& control, bool sort);

    const TGoToEvent& OnGoTo() const { return FOnGoTo; }
    void SetOnGoTo(TGoToEvent handler) { FOnGoTo = std::move(handler); }

private:
    TGoToEvent FOnGoTo;
};

} // namespace ui
