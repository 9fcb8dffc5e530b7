#pragma once
// A custom table view of plain items on a grid level, for the tests of what the custom table view itself does.

#include "tests/ui/grid/GridTestSupport.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

namespace ui_test {

class TPlainTableView : public ui::TuiCustomGridTableView {
    RTL_DECLARE_CLASS(TPlainTableView, ui::TuiCustomGridTableView)
public:
    explicit TPlainTableView(rtl::TComponent* owner) : TuiCustomGridTableView(owner) {}

protected:
    ui::TuiCustomGridTableItem* NewItem(rtl::TComponent* owner) override {
        return new ui::TuiCustomGridTableItem(owner);
    }
};

class PlainTableViewTest : public GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = new TPlainTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
    }

    TPlainTableView* View = nullptr;
};

} // namespace ui_test
