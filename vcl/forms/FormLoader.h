#pragma once
// Building a form in code the way a form resource is read. A form's building function describes the form as data:
// the form's own properties, then each component (class, name, parent, the form field it fills, its properties),
// then the references between components by name; LoadForm creates and reads it in that order:
//
//  1. the form and every component it creates are loading (csLoading, csReading) while their properties are set
//     through their setters in the order written; a control's parent is set first, and the font, colour, hint and
//     reading order it takes from its parent are applied after its own properties;
//  2. the references are resolved once every component exists;
//  3. every component, the form first and then in creation order, gets Loaded (which leaves csLoading, aligns the
//     children that were waiting, scales a form laid out at another resolution);
//  4. the form's OnCreate runs.
// No window exists until the form is shown.
//
//     LoadForm<TSettingsForm>(*this, {
//         .Root = [](TSettingsForm& form) { form.SetCaption(u"设置"); form.SetClientWidth(300); },
//         .Components = {
//             Component<TPanel>(u"Buttons", u"", &TSettingsForm::Buttons,
//                               [](TSettingsForm&, TPanel& panel) { panel.SetAlign(alBottom); }),
//             Component<TButton>(u"OkButton", u"Buttons", &TSettingsForm::OkButton,
//                                [](TSettingsForm& form, TButton& button) { button.SetOnClick(...); }),
//         },
//         .References = {Reference(u"", u"OkButton", &TCustomForm::SetActiveControl)},
//     });

#include "rtl/core/Component.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/StringTypes.h"

#include <functional>
#include <type_traits>
#include <vector>

namespace vcl {

namespace VclMessages {
inline constexpr char16_t ComponentNotFound[] = u"Component '%s' not found while loading '%s'";
inline constexpr char16_t ParentNotWindowed[] = u"Component '%s' cannot be the parent of '%s'";
} // namespace VclMessages

// One component of a form description: what to create, where, and how to set it up.
template <class TRootForm>
struct TComponentEntry {
    const rtl::TMetaclass* Class = nullptr;
    rtl::UnicodeStringView Name;
    // The name of the windowed control the component sits on; empty for the form (ignored for non-controls).
    rtl::UnicodeStringView ParentName;
    // Stores the new component in the form's field, and sets its properties.
    std::function<void(TRootForm& form, rtl::TComponent& component)> Read;
};

// A property of one component that names another one (or the form, by an empty name or its own name).
template <class TRootForm>
struct TReferenceEntry {
    rtl::UnicodeStringView ComponentName;
    rtl::UnicodeStringView TargetName;
    std::function<void(rtl::TComponent& component, rtl::TComponent* target)> Assign;
};

template <class TRootForm>
struct TFormDescription {
    std::function<void(TRootForm& form)> Root;
    std::vector<TComponentEntry<TRootForm>> Components;
    std::vector<TReferenceEntry<TRootForm>> References;
};

// A component of class TComponentClass, kept in field of the form, with its properties set by read.
template <class TComponentClass, class TRootForm>
TComponentEntry<TRootForm> Component(rtl::UnicodeStringView name, rtl::UnicodeStringView parentName,
                                     TComponentClass* TRootForm::*field,
                                     std::type_identity_t<std::function<void(TRootForm&, TComponentClass&)>> read) {
    return {&TComponentClass::StaticClass(), name, parentName,
            [field, read = std::move(read)](TRootForm& form, rtl::TComponent& component) {
                auto& typed = static_cast<TComponentClass&>(component);
                form.*field = &typed;
                if (read) {
                    read(form, typed);
                }
            }};
}

// A component that no field of the form keeps: Component<TComponentClass, TRootForm>(name, parentName, read).
template <class TComponentClass, class TRootForm>
TComponentEntry<TRootForm> Component(rtl::UnicodeStringView name, rtl::UnicodeStringView parentName,
                                     std::type_identity_t<std::function<void(TRootForm&, TComponentClass&)>> read) {
    return {&TComponentClass::StaticClass(), name, parentName,
            [read = std::move(read)](TRootForm& form, rtl::TComponent& component) {
                if (read) {
                    read(form, static_cast<TComponentClass&>(component));
                }
            }};
}

// A reference set through setter of the component: setter(target).
template <class TRootForm, class TOwnerClass, class TTargetClass>
TReferenceEntry<TRootForm> Reference(rtl::UnicodeStringView componentName, rtl::UnicodeStringView targetName,
                                     void (TOwnerClass::*setter)(TTargetClass*)) {
    return {componentName, targetName, [setter](rtl::TComponent& component, rtl::TComponent* target) {
                auto* typedTarget = dynamic_cast<TTargetClass*>(target);
                if (!typedTarget) {
                    throw rtl::EInvalidCast(u"Invalid class typecast");
                }
                (dynamic_cast<TOwnerClass&>(component).*setter)(typedTarget);
            }};
}

// Reads a form description into root; see the top of this header. A failure leaves the components created so far
// to the form, which frees them.
class TFormLoader {
public:
    explicit TFormLoader(rtl::TComponent& root);
    ~TFormLoader();
    TFormLoader(const TFormLoader&) = delete;
    TFormLoader& operator=(const TFormLoader&) = delete;

    void ReadRoot(const std::function<void()>& readProperties);
    rtl::TComponent& Add(const rtl::TMetaclass& componentClass, rtl::UnicodeStringView name,
                         rtl::UnicodeStringView parentName, const std::function<void(rtl::TComponent&)>& read);
    void AddReference(rtl::UnicodeStringView componentName, rtl::UnicodeStringView targetName,
                      std::function<void(rtl::TComponent&, rtl::TComponent*)> assign);
    // Resolves the references, calls Loaded on everything read and fires the form's OnCreate.
    void Finish();

private:
    struct TPendingReference {
        rtl::UnicodeString ComponentName;
        rtl::UnicodeString TargetName;
        std::function<void(rtl::TComponent&, rtl::TComponent*)> Assign;
    };

    rtl::TComponent& Find(rtl::UnicodeStringView name) const;
    void StopReading();

    rtl::TComponent& FRoot;
    std::vector<rtl::TComponent*> FLoaded; // not owned: the root owns them; the root first
    std::vector<TPendingReference> FReferences;
    bool FFinished = false;
};

template <class TRootForm>
void LoadForm(TRootForm& form, const TFormDescription<TRootForm>& description) {
    TFormLoader loader(form);
    if (description.Root) {
        loader.ReadRoot([&] { description.Root(form); });
    }
    for (const auto& entry : description.Components) {
        loader.Add(*entry.Class, entry.Name, entry.ParentName,
                   [&](rtl::TComponent& component) { entry.Read(form, component); });
    }
    for (const auto& reference : description.References) {
        loader.AddReference(reference.ComponentName, reference.TargetName, reference.Assign);
    }
    loader.Finish();
}

} // namespace vcl
