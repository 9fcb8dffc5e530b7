#include "ui/grid/common/uiGridChange.h"

#include <typeinfo>

namespace ui {

bool TuiCustomGridChange::Matches(const TuiCustomGridChange& other) const {
    return typeid(*this) == typeid(other);
}

bool TuiCustomGridViewChange::Matches(const TuiCustomGridChange& other) const {
    return TuiCustomGridChange::Matches(other) &&
           static_cast<const TuiCustomGridViewChange&>(other).GridView() == FGridView;
}

} // namespace ui
