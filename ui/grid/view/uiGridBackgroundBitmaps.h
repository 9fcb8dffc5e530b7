#pragma once
// TuiCustomGridBackgroundBitmaps: the pictures a view's parts are tiled with from the canvas origin, by index. A part
// takes its own picture when one is loaded, else the bitmap of the style that stands for the part; a change of an own
// picture lays the view out again. The base knows the view's background (index 0, the Background style).

#include "ui/grid/view/uiGridViewOptions.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

namespace vcl {
class TBitmap;
}

namespace ui {

class TuiCustomGridBackgroundBitmaps : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiCustomGridBackgroundBitmaps, TuiCustomGridOptions)
public:
    static constexpr int32_t bbBackground = 0;

    explicit TuiCustomGridBackgroundBitmaps(TuiCustomGridView& gridView);
    ~TuiCustomGridBackgroundBitmaps() override;

    // The background's picture of another set, then the base options.
    void Assign(const rtl::TPersistent* source) override;
    // The own picture at index, made empty on first use.
    vcl::TBitmap& GetByIndex(int32_t index);
    // Copies bitmap (nullptr: an empty picture) into the own picture at index.
    void SetByIndex(int32_t index, const vcl::TBitmap* bitmap);
    // What a part is tiled with: the own picture when it is not empty, else its style's; nullptr for none.
    vcl::TBitmap* GetBitmap(int32_t index) const;
    // The style of the view's styles whose bitmap stands for the picture at index; -1 for none.
    virtual int32_t GetStyleIndex(int32_t index) const;
    // That style's bitmap, or nullptr.
    vcl::TBitmap* GetStyleBitmap(int32_t index) const;

protected:
    // The own pictures at indexes taken from source.
    void AssignBitmaps(const TuiCustomGridBackgroundBitmaps& source, std::initializer_list<int32_t> indexes);

private:
    std::vector<std::unique_ptr<vcl::TBitmap>> FBitmaps;
};

} // namespace ui
