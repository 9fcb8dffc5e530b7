#pragma once
// The styles of a level's tab and of the tab strip behind it. A parent level's styles choose the parameters of its
// children's tabs; the tab level itself may override its style per master record.

#include "ui/core/styles/uiStyles.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiGridLevel;

using TuiGridLevelGetTabStyleEvent =
    std::function<void(TuiGridLevel& sender, TuiGridLevel& tabLevel, TuiStyle*& style)>;
using TuiGridLevelGetOwnTabStyleEvent =
    std::function<void(TuiGridLevel& sender, rtl::TObject* masterRecord, TuiStyle*& style)>;

class TuiGridLevelStyles : public TuiStyles {
    RTL_DECLARE_CLASS(TuiGridLevelStyles, TuiStyles)
public:
    static constexpr int32_t lsTab = 0;
    static constexpr int32_t lsTabsBackground = 1;

    explicit TuiGridLevelStyles(TuiGridLevel& level);

    TuiStyle* Tab() const { return GetStyle(lsTab); }
    void SetTab(TuiStyle* style) { SetStyle(lsTab, style); }
    TuiStyle* TabsBackground() const { return GetStyle(lsTabsBackground); }
    void SetTabsBackground(TuiStyle* style) { SetStyle(lsTabsBackground, style); }
    void SetOnGetTabStyle(TuiGridLevelGetTabStyleEvent handler) { FOnGetTabStyle = std::move(handler); }
    void SetOnGetOwnTabStyle(TuiGridLevelGetOwnTabStyleEvent handler) { FOnGetOwnTabStyle = std::move(handler); }

    // The parameters of tabLevel's tab (a child of this styles' level): this level's choice, then the tab level's
    // own, over the Tab defaults.
    void GetTabDrawParams(rtl::TObject* masterRecord, TuiGridLevel& tabLevel, TuiDrawParams& params);
    // The grid's font; the tab in the painter's alternative face and text colours.
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;

protected:
    void Changed(int32_t index) override;

private:
    void DoGetOwnTabStyle(rtl::TObject* masterRecord, TuiStyle*& style);

    TuiGridLevel& FLevel;
    TuiGridLevelGetTabStyleEvent FOnGetTabStyle;
    TuiGridLevelGetOwnTabStyleEvent FOnGetOwnTabStyle;
};

} // namespace ui
