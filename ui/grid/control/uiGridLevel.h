#pragma once
// The level tree of a grid: the grid's invisible root level holds the top levels, each of which binds one view and
// may hold child levels. The grid shows the view of its active top level.

#include "ui/core/objects/uiComponents.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataRelation;
class TuiCustomGrid;
class TuiCustomGridView;
class TuiGridLevel;
class TuiGridLevelStyles;

enum TuiGridDetailTabsPosition : uint8_t { dtpNone, dtpLeft, dtpTop };

// The frame and tab settings of a level's details.
class TuiGridLevelOptions {
public:
    explicit TuiGridLevelOptions(TuiGridLevel& level, int32_t detailFrameWidth = 1)
        : FLevel(level), FDetailFrameWidth(detailFrameWidth) {}
    virtual ~TuiGridLevelOptions() = default;
    void Assign(const TuiGridLevelOptions& source);

    // The stored colour, or the look-and-feel painter's fixed separator colour for clDefault.
    vcl::TColor GetDetailFrameColor() const;
    vcl::TColor DetailFrameColor() const { return FDetailFrameColor; }
    void SetDetailFrameColor(vcl::TColor value);
    int32_t DetailFrameWidth() const { return FDetailFrameWidth; }
    // Negative widths become 0.
    void SetDetailFrameWidth(int32_t value);
    TuiGridDetailTabsPosition DetailTabsPosition() const { return FDetailTabsPosition; }
    void SetDetailTabsPosition(TuiGridDetailTabsPosition value);
    bool TabsForEmptyDetails() const { return FTabsForEmptyDetails; }
    void SetTabsForEmptyDetails(bool value);

private:
    void Changed(bool hard);

    TuiGridLevel& FLevel;
    vcl::TColor FDetailFrameColor = vcl::clDefault;
    int32_t FDetailFrameWidth;
    TuiGridDetailTabsPosition FDetailTabsPosition = dtpNone;
    bool FTabsForEmptyDetails = true;
};

class TuiGridLevel : public TuiComponent {
    RTL_DECLARE_CLASS(TuiGridLevel, TuiComponent)
public:
    explicit TuiGridLevel(rtl::TComponent* owner);
    ~TuiGridLevel() override;

    const rtl::UnicodeString& Caption() const { return FCaption; }
    void SetCaption(const rtl::UnicodeString& value);
    // The caption without its accelerator marks.
    rtl::UnicodeString GetDisplayCaption() const;
    TuiGridLevelOptions& Options() const { return *FOptions; }
    TuiGridLevelStyles& Styles() const { return *FStyles; }
    int32_t ImageIndex() const { return FImageIndex; }
    // Values below -1 become -1.
    void SetImageIndex(int32_t value);
    int32_t MaxDetailHeight() const { return FMaxDetailHeight; }
    // Negative values become 0 (no limit).
    void SetMaxDetailHeight(int32_t value);
    // Negative heights become 0; a MaxDetailHeight smaller than the height limits it.
    void CheckHeight(int32_t& height) const;
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    TuiCustomGridView* GridView() const { return FGridView; }
    // Binds view (unbinding it from another level first) and gives up the old one.
    void SetGridView(TuiCustomGridView* view);

    TuiCustomGrid* Control() const { return FControl; }
    TuiGridLevel* Parent() const { return FParent; }
    // The relation of the parent's view's data controller whose details this level shows; nullptr for a top level or
    // while the parent has no view.
    TuiCustomDataRelation* DataRelation() const { return FDataRelation; }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiGridLevel* Items(int32_t index) const { return FItems.at(static_cast<size_t>(index)); }
    int32_t VisibleCount() const { return static_cast<int32_t>(FVisibleItems.size()); }
    TuiGridLevel* VisibleItems(int32_t index) const { return FVisibleItems.at(static_cast<size_t>(index)); }
    int32_t IndexOf(const TuiGridLevel* child) const;
    int32_t Index() const { return FParent ? FParent->IndexOf(this) : -1; }
    void SetIndex(int32_t value);
    // nullptr when no child is visible or the grid is being destroyed.
    TuiGridLevel* FirstVisibleItem() const;

    // A new child level, owned by this level.
    TuiGridLevel& Add();
    void AddItem(TuiGridLevel* child);
    void RemoveItem(TuiGridLevel* child);
    // The index is clamped to the children.
    void MoveItem(TuiGridLevel* child, int32_t index);

    bool Active() const;
    // True is honoured only for a visible top level.
    void SetActive(bool value);
    bool IsRoot() const;
    bool IsTop() const;
    // Visible, active at the top, and so every ancestor.
    bool IsShown() const;
    bool IsVisibleInTree() const;

    // Tells the grid: hard changes resize, the others lay out again.
    virtual void Changed(bool hard);

protected:
    // The root level's details frame is 0 wide.
    TuiGridLevel(rtl::TComponent* owner, int32_t detailFrameWidth);
    // The level and its descendants belong to control.
    void SetControl(TuiCustomGrid* control);
    void ItemVisibilityChanged(TuiGridLevel* child);

private:
    friend class TuiCustomGrid;

    void RefreshVisibleItems();
    // The child's relation in this level's view's data controller (nothing without a view).
    void CreateDataRelation(TuiGridLevel& child);
    void DestroyDataRelation(TuiGridLevel& child);
    // The view's data controller becomes a detail (a template below a top level) while the level is visible.
    void AttachViewToRelation();
    void BindView(TuiCustomGridView& view, TuiCustomGridView* oldView);
    void RepairFocusAfterBinding(TuiCustomGridView* oldView, TuiCustomGridView* newView);

    rtl::UnicodeString FCaption;
    TuiCustomGrid* FControl = nullptr;              // not owned
    TuiCustomGridView* FGridView = nullptr;         // not owned
    TuiGridLevel* FParent = nullptr;                // not owned
    TuiCustomDataRelation* FDataRelation = nullptr; // owned by the parent's view's data controller
    std::vector<TuiGridLevel*> FItems;              // owned
    std::vector<TuiGridLevel*> FVisibleItems;       // not owned
    std::unique_ptr<TuiGridLevelOptions> FOptions;
    std::unique_ptr<TuiGridLevelStyles> FStyles;
    int32_t FImageIndex = -1;
    int32_t FMaxDetailHeight = 0;
    bool FVisible = true;
};

// The grid's invisible root: a level whose details frame is 0 wide unless set.
class TuiGridRootLevel : public TuiGridLevel {
    RTL_DECLARE_CLASS(TuiGridRootLevel, TuiGridLevel)
public:
    explicit TuiGridRootLevel(TuiCustomGrid* grid);
};

} // namespace ui
