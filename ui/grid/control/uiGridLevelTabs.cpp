#include "ui/grid/control/uiGridLevelTabs.h"

#include "ui/core/images/uiImageList.h"
#include "ui/core/objects/uiComponents.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "vcl/imagelists/ImageList.h"

#include <algorithm>

namespace ui {

TuiGridLevelTabs::TuiGridLevelTabs(TuiCustomGrid& grid)
    : FGrid(grid), FImagesChangeLink(std::make_unique<vcl::TChangeLink>()),
      FImagesNotificator(std::make_unique<TuiFreeNotificator>(nullptr)), FSlants(std::make_unique<TuiTabSlants>()) {
    FImagesChangeLink->SetOnChange([this](rtl::TObject*) { Changed(); });
    FImagesNotificator->SetOnFreeNotification([this](rtl::TComponent* component) {
        if (component == FImages) {
            // The list forgets its change links as it goes.
            FImages = nullptr;
            Changed();
        }
    });
    FSlants->SetOnChange([this](rtl::TObject*) { Changed(); });
}

TuiGridLevelTabs::~TuiGridLevelTabs() = default;

void TuiGridLevelTabs::Assign(const rtl::TPersistent* source) {
    const auto* levelTabs = dynamic_cast<const TuiGridLevelTabs*>(source);
    if (!levelTabs) {
        TPersistent::Assign(source);
        return;
    }
    SetCaptionAlignment(levelTabs->FCaptionAlignment);
    SetImageBorder(levelTabs->FImageBorder);
    SetImages(levelTabs->FImages);
    SetSlants(*levelTabs->FSlants);
    SetStyle(levelTabs->FStyle);
}

void TuiGridLevelTabs::SetCaptionAlignment(vcl::TAlignment value) {
    if (FCaptionAlignment != value) {
        FCaptionAlignment = value;
        Changed();
    }
}

void TuiGridLevelTabs::SetImageBorder(int32_t value) {
    value = std::max(value, 0);
    if (FImageBorder != value) {
        FImageBorder = value;
        Changed();
    }
}

void TuiGridLevelTabs::SetImages(vcl::TCustomImageList* value) {
    AssignImageList(value, FImages, FImagesChangeLink.get(), FImagesNotificator.get());
}

void TuiGridLevelTabs::SetStyle(TuiPCStyleID value) {
    if (FStyle != value) {
        FStyle = value;
        Changed();
    }
}

void TuiGridLevelTabs::Changed() {
    FGrid.SizeChanged();
}

} // namespace ui
