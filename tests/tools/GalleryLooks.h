#pragma once
// The looks the painter gallery's control pages show side by side (the four looks, the native look and the two
// built-in skins), and the form such a page runs in.

#include "ui/core/painters/uiLookAndFeels.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"

#include <functional>

namespace gallery {

struct TGalleryLook {
    const char16_t* Name;
    ui::TuiLookAndFeelKind Kind;
    bool Native;
    const char16_t* Skin;
};

inline constexpr TGalleryLook GalleryLooks[] = {
    {u"Standard", ui::lfStandard, false, u""},
    {u"Flat", ui::lfFlat, false, u""},
    {u"UltraFlat", ui::lfUltraFlat, false, u""},
    {u"Office11", ui::lfOffice11, false, u""},
    {u"Native", ui::lfStandard, true, u""},
    {u"Blue", ui::lfUltraFlat, false, u"Blue"},
    {u"Office2007Blue", ui::lfUltraFlat, false, u"Office2007Blue"},
};

inline void ApplyGalleryLook(ui::TuiLookAndFeel& lookAndFeel, const TGalleryLook& look) {
    lookAndFeel.SetKind(look.Kind);
    lookAndFeel.SetNativeStyle(look.Native);
    lookAndFeel.SetSkinName(look.Skin);
}

// Shows a main form with the caption, filled by fill, until its window is closed.
inline int RunGalleryForm(rtl::UnicodeStringView caption, const std::function<void(vcl::TForm&)>& fill) {
    vcl::Application().Initialize();
    auto* form = vcl::Application().CreateForm<vcl::TForm>();
    form->SetCaption(caption);
    fill(*form);
    vcl::Application().Run();
    return 0;
}

} // namespace gallery
