#pragma once
// The grid tests' common ground: a grid on a shown form, freed with the form after the test.

#include "tests/support/ui/TestForms.h"
#include "ui/grid/control/uiCustomGrid.h"

#include <gtest/gtest.h>

namespace ui_test {

class GridOnFormTest : public testing::Test {
protected:
    explicit GridOnFormTest(TFormPlacement placement = TFormPlacement::OffScreen) : FPlacement(placement) {}
    void SetUp() override {
        Form = ShowNewTestForm(400, 300, FPlacement);
        Grid = new ui::TuiGrid(Form.get());
        Grid->SetParent(Form.get());
    }

    TFormPtr<vcl::TForm> Form;
    ui::TuiGrid* Grid = nullptr;

private:
    TFormPlacement FPlacement;
};

} // namespace ui_test
