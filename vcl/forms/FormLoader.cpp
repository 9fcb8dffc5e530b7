#include "vcl/forms/FormLoader.h"

#include "rtl/text/Format.h"
#include "vcl/controls/WinControl.h"
#include "vcl/forms/Form.h"

namespace vcl {

namespace {

const rtl::TComponentStates ReadingStates{rtl::TComponentState::csLoading, rtl::TComponentState::csReading};

} // namespace

TFormLoader::TFormLoader(rtl::TComponent& root) : FRoot(root) {
    root.SetStreamingState(ReadingStates);
    FLoaded.push_back(&root);
}

TFormLoader::~TFormLoader() {
    if (!FFinished) {
        for (rtl::TComponent* component : FLoaded) {
            component->SetStreamingState({});
        }
    }
}

void TFormLoader::ReadRoot(const std::function<void()>& readProperties) {
    if (auto* control = dynamic_cast<TControl*>(&FRoot)) {
        control->ReadState(control->Parent(), readProperties);
    } else {
        readProperties();
    }
}

rtl::TComponent& TFormLoader::Add(const rtl::TMetaclass& componentClass, rtl::UnicodeStringView name,
                                  rtl::UnicodeStringView parentName,
                                  const std::function<void(rtl::TComponent&)>& read) {
    rtl::TComponent* component = rtl::TComponent::Create(componentClass, &FRoot);
    component->SetStreamingState(ReadingStates);
    component->SetName(name);
    FLoaded.push_back(component);
    auto* control = dynamic_cast<TControl*>(component);
    if (!control) {
        read(*component);
        return *component;
    }
    rtl::TComponent& parentComponent = parentName.empty() ? FRoot : Find(parentName);
    auto* parent = dynamic_cast<TWinControl*>(&parentComponent);
    if (!parent) {
        throw rtl::EReadError(rtl::Format(VclMessages::ParentNotWindowed, {parentComponent.Name(), name}));
    }
    control->ReadState(parent, [&] { read(*component); });
    return *component;
}

void TFormLoader::AddReference(rtl::UnicodeStringView componentName, rtl::UnicodeStringView targetName,
                               std::function<void(rtl::TComponent&, rtl::TComponent*)> assign) {
    FReferences.push_back({rtl::UnicodeString(componentName), rtl::UnicodeString(targetName), std::move(assign)});
}

rtl::TComponent& TFormLoader::Find(rtl::UnicodeStringView name) const {
    if (name.empty() || name == FRoot.Name()) {
        return FRoot;
    }
    rtl::TComponent* component = FRoot.FindComponent(name);
    if (!component) {
        throw rtl::EReadError(rtl::Format(VclMessages::ComponentNotFound, {name, FRoot.Name()}));
    }
    return *component;
}

void TFormLoader::StopReading() {
    for (rtl::TComponent* component : FLoaded) {
        component->SetStreamingState({rtl::TComponentState::csLoading});
    }
}

void TFormLoader::Finish() {
    for (const TPendingReference& reference : FReferences) {
        reference.Assign(Find(reference.ComponentName), &Find(reference.TargetName));
    }
    StopReading();
    FFinished = true;
    for (rtl::TComponent* component : FLoaded) {
        component->Loaded();
    }
    if (auto* form = dynamic_cast<TCustomForm*>(&FRoot)) {
        form->DoCreate();
    }
}

} // namespace vcl
