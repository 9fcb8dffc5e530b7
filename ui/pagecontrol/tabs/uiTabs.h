#pragma once
// The tabs of a tab control. TuiTabs is the list of tabs, reached like a string list whose strings are the captions;
// each TuiTab keeps its caption, colour, image, enabled, highlighted, selected and visible states and what the layout
// placed it at. TuiVisibleTabList maps the visible indexes the layout works with to tab indexes. Every change of a tab
// tells the control what kind of change it was, so that the control lays out again or has the painter repaint the one
// tab.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "rtl/text/StringTypes.h"
#include "ui/pagecontrol/tabs/uiTabControlTypes.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiBitmap32;
class TuiCustomTabControl;
class TuiTabs;

class TuiTab : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiTab, rtl::TPersistent)
public:
    TuiTab(TuiTabs& owner, int32_t index, rtl::UnicodeStringView caption);
    ~TuiTab() override;

    // Copies another tab's caption, enabled, highlighted, image index, object, visible and selected states.
    void Assign(const rtl::TPersistent* source) override;

    const rtl::UnicodeString& Caption() const { return FCaption; }
    void SetCaption(rtl::UnicodeStringView value);
    // clDefault: the painter's colour.
    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Highlighted() const { return FHighlighted; }
    void SetHighlighted(bool value);
    // A negative value is kept as -1.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    // A tab's image index is written to a form only when it is not the tab's own index.
    bool IsImageIndexStored() const { return FImageIndex != FIndex; }
    int32_t Index() const { return FIndex; }
    rtl::TObject* Object() const { return FObject; }
    void SetObject(rtl::TObject* value) { FObject = value; }
    bool Selected() const { return FSelected; }
    void SetSelected(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    TuiTabs& Owner() const { return FOwner; }
    TuiCustomTabControl& Control() const;

    // What the layout placed: the row assigned, the row after the rows were arranged (0: the row farthest from the
    // page on the control's side), the position and the normal width.
    int32_t Row() const { return FRow; }
    int32_t VisibleRow() const { return FVisibleRow; }
    vcl::TPoint NormalPosition() const { return FNormalPosition; }
    int32_t NormalWidth() const { return FNormalWidth; }

    // The tab's length along the tab line.
    int32_t NormalLength() const;
    vcl::TRect GetNormalRect() const;
    // The normal rectangle grown by the painter's correction of the tab (deltas of the four edges).
    vcl::TRect GetFullRect() const;
    // The full rectangle clipped to the clip rectangle of its rows; empty for a hidden tab or one outside the
    // displayed window of a single-line control.
    vcl::TRect GetVisibleRect() const;
    bool HasVisibleRect() const { return !GetVisibleRect().IsEmpty(); }
    bool IsActiveTab() const;
    bool IsHotTracked() const;
    bool IsPressed() const;
    bool IsFocused() const;
    // The control and the tab are both enabled.
    bool IsEnabled() const;
    int32_t VisibleIndex() const;
    // tpTop (or tpLeft) for the rows on the control's near side, tpBottom (or tpRight) for the others.
    TuiTabPosition EffectiveTabPosition() const;
    // 1-12: the effective side and the text direction together (top 1-3, bottom 10-12, left 6, 4, 5, right 9, 7, 8
    // for horizontal, bottom-to-top and top-to-bottom text).
    int32_t TextSideKind() const;

    // A 32-bit bitmap the painters that draw a tab off screen draw into; made on demand, freed after drawing.
    TuiBitmap32* PaintBitmap() const { return FPaintBitmap.get(); }
    TuiBitmap32& CreatePaintBitmap();
    void FreePaintBitmap();
    // The cached picture of the rotated caption; nullptr when there is none.
    TuiBitmap32* VerticalTextBitmap() const { return FVerticalTextBitmap.get(); }
    void SetVerticalTextBitmap(std::unique_ptr<TuiBitmap32> bitmap);
    void FreeVerticalTextBitmap();

private:
    friend class TuiTabs;
    friend class TuiCustomTabControl;

    // Reports a change of kind when the tab was on screen before or is now.
    void ChangedIfShown(bool wasShown, TuiTabChangeKind kind);
    void Changed(TuiTabChangeKind kind);

    TuiTabs& FOwner;
    rtl::UnicodeString FCaption;
    vcl::TColor FColor = vcl::clDefault;
    bool FEnabled = true;
    bool FHighlighted = false;
    int32_t FImageIndex;
    int32_t FIndex;
    rtl::TObject* FObject = nullptr; // not owned
    std::unique_ptr<TuiBitmap32> FPaintBitmap;
    int32_t FRow = 0;
    bool FSelected = false;
    vcl::TPoint FNormalPosition;
    int32_t FNormalWidth = 0;
    std::unique_ptr<TuiBitmap32> FVerticalTextBitmap;
    bool FVisible = true;
    int32_t FVisibleRow = 0;
};

// The tabs of one control, in order; each change of the list ends in a layout change.
class TuiTabs {
public:
    explicit TuiTabs(TuiCustomTabControl& control);
    ~TuiTabs();
    TuiTabs(const TuiTabs&) = delete;
    TuiTabs& operator=(const TuiTabs&) = delete;

    TuiCustomTabControl& Control() const { return FControl; }
    int32_t Count() const { return static_cast<int32_t>(FTabs.size()); }
    // The caption of a tab; an index out of range raises (Get).
    const rtl::UnicodeString& Strings(int32_t index) const;
    void SetStrings(int32_t index, rtl::UnicodeStringView text);
    rtl::TObject* Objects(int32_t index) const { return Tab(index).Object(); }
    void SetObjects(int32_t index, rtl::TObject* object) { Tab(index).SetObject(object); }
    // The tab at index; an index out of range raises (GetTab).
    TuiTab& Tab(int32_t index) const;
    // The tab at a visible index; an index out of range raises (GetVisibleTab).
    TuiTab& VisibleTab(int32_t visibleIndex) const;

    int32_t Add(rtl::UnicodeStringView caption);
    // A new tab at index (0 to Count). Into an empty control that is not loading, the first tab is selected without
    // change events.
    void Insert(int32_t index, rtl::UnicodeStringView caption);
    void Delete(int32_t index);
    void Clear();
    void Move(int32_t currentIndex, int32_t newIndex);
    int32_t IndexOf(rtl::UnicodeStringView caption) const;

    // Changes between the two report one layout change at the end.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateCount > 0; }

    // The normal height common to every tab, set by the layout.
    int32_t NormalTabHeight() const { return FNormalTabHeight; }
    void SetNormalTabHeight(int32_t value) { FNormalTabHeight = value; }

private:
    void Renumber(int32_t from);
    void LayoutChanged();

    TuiCustomTabControl& FControl;
    std::vector<std::unique_ptr<TuiTab>> FTabs;
    int32_t FNormalTabHeight = 0;
    int32_t FUpdateCount = 0;
};

// The indexes of the visible tabs in ascending order: visible index to tab index and back.
class TuiVisibleTabList {
public:
    explicit TuiVisibleTabList(TuiCustomTabControl& control) : FControl(control) {}

    int32_t Count() const { return static_cast<int32_t>(FIndexes.size()); }
    // The tab at a visible index; raises for an empty list or an index out of range (GetTab).
    TuiTab& Tab(int32_t visibleIndex) const;
    int32_t TabIndex(int32_t visibleIndex) const { return FIndexes.at(static_cast<size_t>(visibleIndex)); }
    // -1 for a hidden tab.
    int32_t VisibleIndexOf(int32_t tabIndex) const;
    void Add(int32_t tabIndex);
    void Remove(int32_t tabIndex);
    // Rebuilt from the tabs' Visible flags.
    void Refresh();

private:
    TuiCustomTabControl& FControl;
    std::vector<int32_t> FIndexes;
};

// The ends of the slanted styles' tabs: slanted or cut, at which ends. A changed value fires OnChange.
class TuiTabSlants : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiTabSlants, rtl::TPersistent)
public:
    TuiTabSlants() = default;

    // Copies Kind and Positions from another TuiTabSlants.
    void Assign(const rtl::TPersistent* source) override;

    TuiTabSlantKind Kind() const { return FKind; }
    void SetKind(TuiTabSlantKind value);
    TuiTabSlantPositions Positions() const { return FPositions; }
    void SetPositions(TuiTabSlantPositions value);

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

private:
    void Changed();

    TuiTabSlantKind FKind = skSlant;
    TuiTabSlantPositions FPositions{spLeft};
    rtl::TNotifyEvent FOnChange;
};

} // namespace ui
