#include "ui/core/objects/uiObjectLinks.h"

#include <algorithm>
#include <vector>

namespace ui {

// The links that still refer to a component. It exists while some link made by CreateObjectLink is alive.
class TuiObjectLinkController {
public:
    static TuiObjectLink* AddLink(rtl::TComponent* component) {
        if (!FInstance) {
            FInstance = std::make_unique<TuiObjectLinkController>();
        }
        ++FInstance->FUsers;
        auto* link = new TuiObjectLink(component);
        FInstance->FLinks.push_back(link);
        return link;
    }

    static void RemoveLink(TuiObjectLink* link) {
        if (link->FRef) {
            std::erase(FInstance->FLinks, link);
        }
        delete link;
        if (--FInstance->FUsers == 0) {
            FInstance.reset();
        }
    }

    static void Detach(const rtl::TComponent* component) {
        if (!FInstance) {
            return;
        }
        std::vector<TuiObjectLink*>& links = FInstance->FLinks;
        for (auto i = links.size(); i-- > 0;) {
            if (links[i]->FRef == component) {
                links[i]->FRef = nullptr;
                links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }

    static int32_t LiveLinkCount() { return FInstance ? static_cast<int32_t>(FInstance->FLinks.size()) : 0; }

private:
    static inline std::unique_ptr<TuiObjectLinkController> FInstance;
    std::vector<TuiObjectLink*> FLinks; // owned by their holders; listed while they refer to a component
    int32_t FUsers = 0;
};

void TuiObjectLinkReleaser::operator()(TuiObjectLink* link) const {
    ReleaseObjectLink(link);
}

TuiObjectLinkPtr CreateObjectLink(rtl::TComponent* component) {
    return TuiObjectLinkPtr(component ? TuiObjectLinkController::AddLink(component) : nullptr);
}

void ReleaseObjectLink(TuiObjectLink* link) {
    if (link) {
        TuiObjectLinkController::RemoveLink(link);
    }
}

void DetachObjectLinks(const rtl::TComponent* component) {
    TuiObjectLinkController::Detach(component);
}

int32_t LiveObjectLinkCount() {
    return TuiObjectLinkController::LiveLinkCount();
}

} // namespace ui
