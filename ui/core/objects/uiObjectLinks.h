#pragma once
// Weak references to components: a link refers to a component until the component is destroyed, then to nothing. A
// component class that can be linked to calls DetachObjectLinks from its destructor (TuiComponent and the library's
// controls do), and code that keeps a link asks it before each use instead of keeping a plain pointer that may dangle.

#include "rtl/core/Component.h"

#include <memory>

namespace ui {

class TuiObjectLink {
public:
    // The component, or nullptr once it is destroyed.
    rtl::TComponent* Ref() const { return FRef; }

private:
    friend class TuiObjectLinkController;
    explicit TuiObjectLink(rtl::TComponent* component) : FRef(component) {}

    rtl::TComponent* FRef; // not owned
};

struct TuiObjectLinkReleaser {
    void operator()(TuiObjectLink* link) const;
};
using TuiObjectLinkPtr = std::unique_ptr<TuiObjectLink, TuiObjectLinkReleaser>;

// A link to component; empty for nullptr.
TuiObjectLinkPtr CreateObjectLink(rtl::TComponent* component);
// Gives a link back before its holder goes (what destroying a TuiObjectLinkPtr does).
void ReleaseObjectLink(TuiObjectLink* link);
// Every live link to component now refers to nothing.
void DetachObjectLinks(const rtl::TComponent* component);
// The number of links to some component; for checks that no link is left behind.
int32_t LiveObjectLinkCount();

} // namespace ui
