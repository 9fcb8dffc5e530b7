#pragma once
// The style sets of the grid: a style change re-sizes the view, and what no style defines comes from the grid's
// font and the look-and-feel painter's colours.

#include "ui/core/styles/uiStyles.h"

#include <cstdint>

namespace ui {

class TuiCustomGridView;

class TuiCustomGridStyles : public TuiStyles {
    RTL_DECLARE_CLASS(TuiCustomGridStyles, TuiStyles)
public:
    using TuiStyles::TuiStyles;
    // The view the styles belong to, or nullptr.
    virtual TuiCustomGridView* GetGridView() const = 0;
    // The grid's font, when there is a grid.
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;

protected:
    void Changed(int32_t index) override;
};

class TuiCustomGridViewStyles : public TuiCustomGridStyles {
    RTL_DECLARE_CLASS(TuiCustomGridViewStyles, TuiCustomGridStyles)
public:
    static constexpr int32_t vsBackground = 0;

    explicit TuiCustomGridViewStyles(TuiCustomGridView& gridView);
    // owner is the view, or a style sheet whose set belongs to no view.
    explicit TuiCustomGridViewStyles(rtl::TPersistent* owner);
    TuiCustomGridView* GetGridView() const override { return FGridView; }
    // Background: the painter's content colour with grey text.
    void GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) override;
    TuiStyle* Background() const { return GetStyle(vsBackground); }
    void SetBackground(TuiStyle* style) { SetStyle(vsBackground, style); }

private:
    TuiCustomGridView* FGridView; // not owned; nullptr in a style sheet
};

} // namespace ui
