#include "ui/grid/cells/uiGridHitTests.h"

#include "ui/grid/cells/uiGridCellViewInfo.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace ui {

namespace {

using THitTestRegistry = std::vector<std::pair<std::type_index, std::unique_ptr<TuiCustomGridHitTest>>>;

std::unique_ptr<THitTestRegistry> gridHitTests;

} // namespace

TuiCustomGridHitTest::~TuiCustomGridHitTest() {
    SetViewInfo(nullptr);
}

TuiCustomGridHitTest& TuiCustomGridHitTest::RegisteredInstance(std::type_index type, TFactory factory) {
    if (!gridHitTests) {
        throw std::logic_error("the grid's hit tests are not started");
    }
    for (auto& [registeredType, instance] : *gridHitTests) {
        if (registeredType == type) {
            return *instance;
        }
    }
    gridHitTests->emplace_back(type, factory());
    return *gridHitTests->back().second;
}

void TuiCustomGridHitTest::Assign(const TuiCustomGridHitTest* source) {
    if (source == nullptr) {
        return;
    }
    FPos = source->FPos;
    SetViewInfo(source->FViewInfo);
}

void TuiCustomGridHitTest::SetViewInfo(TuiCustomGridCellViewInfo* value) {
    if (FViewInfo == value) {
        return;
    }
    if (FViewInfo && FViewInfo->FLinkedHitTest == this) {
        FViewInfo->FLinkedHitTest = nullptr;
    }
    FViewInfo = nullptr;
    if (value) {
        value->SetLinkedHitTest(this);
    }
}

void TuiCustomGridViewHitTest::Assign(const TuiCustomGridHitTest* source) {
    TuiCustomGridHitTest::Assign(source);
    if (const auto* viewHitTest = dynamic_cast<const TuiCustomGridViewHitTest*>(source)) {
        FGridView = viewHitTest->FGridView;
    }
}

void StartGridHitTests() {
    if (!gridHitTests) {
        gridHitTests = std::make_unique<THitTestRegistry>();
    }
}

void FinishGridHitTests() {
    gridHitTests.reset();
}

} // namespace ui
