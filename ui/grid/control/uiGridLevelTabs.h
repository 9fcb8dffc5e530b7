#pragma once
// TuiGridLevelTabs: how a grid's level tabs look: the alignment of captions along rotated tabs, the images and the
// space around them, the ends of slanted tabs and the painter style. Every change has the grid laid out again, as the
// tabs take their sizes from these values.

#include "rtl/core/Persistent.h"
#include "ui/pagecontrol/tabs/uiTabControlTypes.h"
#include "ui/pagecontrol/tabs/uiTabs.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TChangeLink;
class TCustomImageList;
} // namespace vcl

namespace ui {

class TuiCustomGrid;
class TuiFreeNotificator;

class TuiGridLevelTabs : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiGridLevelTabs, rtl::TPersistent)
public:
    explicit TuiGridLevelTabs(TuiCustomGrid& grid);
    ~TuiGridLevelTabs() override;

    // Copies the five values of another TuiGridLevelTabs through their setters.
    void Assign(const rtl::TPersistent* source) override;

    vcl::TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(vcl::TAlignment value);
    int32_t ImageBorder() const { return FImageBorder; }
    // Negative values become 0.
    void SetImageBorder(int32_t value);
    // Watched: a change of the list lays the grid out again, a list that is freed is dropped.
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    TuiTabSlants& Slants() const { return *FSlants; }
    void SetSlants(const TuiTabSlants& value) { FSlants->Assign(&value); }
    TuiPCStyleID Style() const { return FStyle; }
    void SetStyle(TuiPCStyleID value);

private:
    void Changed();

    TuiCustomGrid& FGrid;
    vcl::TAlignment FCaptionAlignment = vcl::taCenter;
    int32_t FImageBorder = 0;
    vcl::TCustomImageList* FImages = nullptr; // not owned, watched
    std::unique_ptr<vcl::TChangeLink> FImagesChangeLink;
    std::unique_ptr<TuiFreeNotificator> FImagesNotificator;
    std::unique_ptr<TuiTabSlants> FSlants;
    TuiPCStyleID FStyle = 0;
};

} // namespace ui
