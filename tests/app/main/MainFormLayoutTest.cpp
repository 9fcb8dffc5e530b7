// The main window as its description builds it: the form, the places of its controls, the boxes that tile their
// parents, the texts, limits and looks of the controls, and the grid's columns.

#include "app/invoice/InvoiceRecords.h"
#include "rtl/WindowsApi.h"
#include "tests/app/main/MainFormTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/choice/uiGroupBox.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/text/currency/uiCurrencyEditProperties.h"
#include "ui/editors/text/label/uiLabel.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/stdctrls/Edit.h"

#include <map>

namespace {

using app_test::MainFormTest;
using test_support::Utf8;

// Read before the test shows the window where it wants it.
TEST_F(MainFormTest, TheFormIsAFixedWindowOf920By663InTheMiddleOfTheDesktopInSimSun) {
    app::TmainForm& form = CreateForm();
    EXPECT_EQ(form.Name(), u"mainForm");
    EXPECT_EQ(form.BorderStyle(), vcl::bsSingle);
    EXPECT_EQ(form.Position(), vcl::poDesktopCenter);
    EXPECT_EQ(form.ClientWidth(), 920);
    EXPECT_EQ(form.ClientHeight(), 663);
    EXPECT_EQ(form.Font().Name(), u"宋体");
    EXPECT_EQ(form.Font().Height(), -12);
    EXPECT_EQ(form.Color(), vcl::clBtnFace);
}

TEST_F(MainFormTest, TheWindowShowsTheProgramsIcon) {
    app::TmainForm& form = ShowForm();
    EXPECT_NE(GetClassLongPtrW(form.Handle(), GCLP_HICON), 0u);
}

TEST_F(MainFormTest, ControlsOfFixedPlaceStandWhereTheDescriptionPutsThem) {
    app::TmainForm& form = ShowForm();
    const std::map<std::string, std::pair<vcl::TControl*, vcl::TRect>> placed = {
        {"edReadFilename", {form.edReadFilename, vcl::Bounds(171, 24, 531, 20)}},
        {"Edit_XMLFilename", {form.Edit_XMLFilename, vcl::Bounds(171, 57, 531, 20)}},
        {"Btn_import", {form.Btn_import, vcl::Bounds(20, 22, 140, 25)}},
        {"Btn_Output", {form.Btn_Output, vcl::Bounds(20, 55, 140, 25)}},
        {"Btn_Dir", {form.Btn_Dir, vcl::Bounds(712, 22, 92, 25)}},
        {"btn_help", {form.btn_help, vcl::Bounds(712, 55, 92, 25)}},
        {"Btn_exit", {form.Btn_exit, vcl::Bounds(818, 55, 92, 25)}},
    };
    for (const auto& [name, control] : placed) {
        EXPECT_EQ(control.first->BoundsRect(), control.second) << name;
    }
    // Editors and labels: their origin and width (their height follows their font).
    const std::map<std::string, std::tuple<vcl::TControl*, int, int, int>> origins = {
        {"Edit_GFMC", {form.Edit_GFMC, 101, 27, 386}},     {"Edit_GFSH", {form.Edit_GFSH, 101, 51, 386}},
        {"Edit_GFDZDH", {form.Edit_GFDZDH, 101, 76, 386}}, {"Edit_YHZH", {form.Edit_YHZH, 101, 101, 386}},
        {"Edit_FHR", {form.Edit_FHR, 108, 27, 73}},        {"Combo_KPXE", {form.Combo_KPXE, 108, 76, 73}},
        {"Edit_SKR", {form.Edit_SKR, 108, 51, 73}},        {"Edit_SPBMBBH", {form.Edit_SPBMBBH, 108, 101, 41}},
        {"Edit_JeHJ", {form.Edit_JeHJ, 94, 27, 99}},       {"Edit_JeBhsHJ", {form.Edit_JeBhsHJ, 94, 51, 99}},
        {"Edit_SeHJ", {form.Edit_SeHJ, 94, 76, 99}},       {"uiLabel1", {form.uiLabel1, 15, 29, -1}},
        {"uiLabel9", {form.uiLabel9, 9, 78, -1}},          {"uiLabel7", {form.uiLabel7, 21, 103, -1}},
        {"uiLabel11", {form.uiLabel11, 57, 78, -1}},
    };
    for (const auto& [name, place] : origins) {
        const auto& [control, left, top, width] = place;
        EXPECT_EQ(control->Left(), left) << name;
        EXPECT_EQ(control->Top(), top) << name;
        if (width >= 0) {
            EXPECT_EQ(control->Width(), width) << name;
        }
    }
}

TEST_F(MainFormTest, AlignedBoxesTileTheirParentsAndTheStatusBarLiesAtTheBottom) {
    app::TmainForm& form = ShowForm();
    EXPECT_EQ(form.uiGroupBox1->BoundsRect(), vcl::Bounds(0, 0, 920, 105));
    EXPECT_EQ(form.uiGroupBox2->BoundsRect(), vcl::Bounds(0, 105, 920, 558));
    ui::TuiGroupBox& box3 = *form.uiGroupBox3;
    EXPECT_EQ(box3.Height(), 150);
    EXPECT_EQ(box3.Left() + box3.Width() + box3.Left(), form.uiGroupBox2->Width()) << "the frame's sides alike";
    ui::TuiGroupBox& buyer = *form.uiGroupBox6;
    ui::TuiGroupBox& settings = *form.uiGroupBox5;
    ui::TuiGroupBox& totals = *form.uiGroupBox4;
    EXPECT_EQ(buyer.Width(), 501);
    EXPECT_EQ(settings.Width(), 202);
    EXPECT_EQ(settings.Left(), buyer.Left() + 501);
    EXPECT_EQ(totals.Left(), settings.Left() + 202);
    EXPECT_EQ(totals.Left() + totals.Width() + buyer.Left(), box3.Width());
    for (const ui::TuiGroupBox* box : {&settings, &totals}) {
        EXPECT_EQ(box->Top(), buyer.Top());
        EXPECT_EQ(box->Height(), buyer.Height());
    }
    ui::TuiGrid& grid = *form.uiGrid1;
    ui::TuxStatusBar& bar = *form.uxStatusBar1;
    EXPECT_EQ(grid.Top(), box3.Top() + box3.Height());
    EXPECT_EQ(grid.Left(), box3.Left());
    EXPECT_EQ(grid.Width(), box3.Width());
    EXPECT_EQ(bar.Height(), 20);
    EXPECT_EQ(bar.Top(), grid.Top() + grid.Height());
    EXPECT_EQ(bar.Left(), grid.Left());
    EXPECT_EQ(bar.Width(), grid.Width());
    EXPECT_EQ(bar.Top() + bar.Height() + box3.Left(), form.uiGroupBox2->Height()) << "no room below the bar";
}

TEST_F(MainFormTest, TheStatusBarHasTwoFixedTextPanelsAndOneForTheRest) {
    app::TmainForm& form = ShowForm();
    ui::TuxStatusBarPanels& panels = form.uxStatusBar1->Panels();
    ASSERT_EQ(panels.Count(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_NE(dynamic_cast<ui::TuxStatusBarTextPanelStyle*>(panels.Item(i).PanelStyle()), nullptr) << i;
    }
    EXPECT_EQ(panels.Item(0).Width(), 350);
    EXPECT_EQ(panels.Item(1).Width(), 120);
    auto& path = static_cast<ui::TuxStatusBarTextPanelStyle&>(*panels.Item(1).PanelStyle());
    EXPECT_EQ(path.Alignment(), vcl::taCenter);
    EXPECT_EQ(path.EllipsisType(), ui::uxetSmartPath);
}

TEST_F(MainFormTest, ButtonsCarryTheirCaptionsHintsGlyphsAndLooks) {
    app::TmainForm& form = ShowForm();
    EXPECT_EQ(form.Btn_import->Caption(), u"导入销货清单");
    EXPECT_EQ(form.Btn_Output->Caption(), u"生成开票文件");
    EXPECT_EQ(form.Btn_Dir->Caption(), u"复制模板");
    EXPECT_EQ(form.btn_help->Caption(), u"操作说明");
    EXPECT_EQ(form.Btn_exit->Caption(), u"退出");
    EXPECT_EQ(form.Btn_import->Hint(), u"导入根据销货清单的Excel模板录入的销货清单文件。");
    EXPECT_EQ(form.Btn_Output->Hint(), u"生成可在开票系统中导入的销货清单开票文件（XML格式）。");
    EXPECT_TRUE(form.Btn_import->ShowHint());
    EXPECT_TRUE(form.Btn_Output->ShowHint());
    EXPECT_EQ(form.Btn_import->NumGlyphs(), 1);
    EXPECT_EQ(form.Btn_import->Glyph().Width(), 16);
    EXPECT_EQ(form.Btn_Output->NumGlyphs(), 2);
    EXPECT_EQ(form.Btn_Output->Glyph().Width(), 32) << "a normal and a disabled image";
    EXPECT_EQ(form.Btn_import->LookAndFeel().SkinName(), u"Blue");
    EXPECT_EQ(form.Btn_Output->LookAndFeel().SkinName(), u"Blue");
    EXPECT_EQ(form.Btn_Output->LookAndFeel().Kind(), ui::lfUltraFlat);
    EXPECT_FALSE(form.Btn_Output->LookAndFeel().NativeStyle());
}

TEST_F(MainFormTest, BoxesCarryTheirCaptionsPanelsAndSkins) {
    app::TmainForm& form = ShowForm();
    EXPECT_TRUE(form.uiGroupBox1->IsPanel());
    EXPECT_TRUE(form.uiGroupBox3->IsPanel());
    EXPECT_EQ(form.uiGroupBox2->Caption(), u"发 票 信 息");
    EXPECT_EQ(form.uiGroupBox2->Alignment(), ui::alTopCenter);
    EXPECT_FALSE(form.uiGroupBox2->Style().Shadow());
    EXPECT_EQ(form.uiGroupBox6->Caption(), u"购货单位");
    EXPECT_EQ(form.uiGroupBox5->Caption(), u"开票设置");
    EXPECT_EQ(form.uiGroupBox4->Caption(), u"发票金额、税额");
    EXPECT_EQ(form.uiGroupBox1->Style().LookAndFeel().SkinName(), u"Office2007Blue");
    EXPECT_EQ(form.uiGroupBox2->Style().LookAndFeel().SkinName(), u"Office2007Blue");
    EXPECT_EQ(form.uiGroupBox3->Style().LookAndFeel().SkinName(), u"Blue");
    EXPECT_EQ(form.uiGrid1->LookAndFeel().SkinName(), u"Blue");
    EXPECT_TRUE(form.uiGroupBox1->HasSkin());
}

TEST_F(MainFormTest, LabelsAndEditorsCarryTheirTextsLimitsAndAlignments) {
    app::TmainForm& form = ShowForm();
    EXPECT_EQ(form.uiLabel1->Caption(), u"名        称：");
    EXPECT_EQ(form.uiLabel3->Caption(), u"纳税人识别号：");
    EXPECT_EQ(form.uiLabel9->Caption(), u"不含税开票限额：");
    EXPECT_EQ(form.uiLabel7->Caption(), u"商品编码版本：");
    const std::map<std::string, std::pair<ui::TuiTextEdit*, int32_t>> limits = {
        {"Edit_GFMC", {form.Edit_GFMC, 100}},      {"Edit_GFSH", {form.Edit_GFSH, 25}},
        {"Edit_GFDZDH", {form.Edit_GFDZDH, 100}},  {"Edit_YHZH", {form.Edit_YHZH, 100}},
        {"Edit_FHR", {form.Edit_FHR, 8}},          {"Edit_SKR", {form.Edit_SKR, 8}},
        {"Edit_SPBMBBH", {form.Edit_SPBMBBH, 20}}, {"Edit_JeHJ", {form.Edit_JeHJ, 8}},
        {"Edit_JeBhsHJ", {form.Edit_JeBhsHJ, 8}},  {"Edit_SeHJ", {form.Edit_SeHJ, 8}},
    };
    for (const auto& [name, edit] : limits) {
        EXPECT_EQ(edit.first->TextEditProperties().MaxLength(), edit.second) << name;
    }
    for (ui::TuiTextEdit* total : {form.Edit_JeHJ, form.Edit_JeBhsHJ, form.Edit_SeHJ}) {
        ui::TuiTextEditProperties& properties = total->TextEditProperties();
        EXPECT_TRUE(properties.GetReadOnly());
        EXPECT_EQ(properties.GetAlignment().Horz(), vcl::taRightJustify);
        EXPECT_EQ(properties.GetAlignment().Vert(), ui::taVCenter);
    }
    EXPECT_EQ(form.Edit_SPBMBBH->TextEditProperties().GetAlignment().Horz(), vcl::taCenter);
    ui::TuiComboBoxProperties& limitList = form.Combo_KPXE->ComboBoxProperties();
    EXPECT_EQ(limitList.DropDownListStyle(), ui::lsFixedList);
    ASSERT_EQ(limitList.Items().Count(), 5);
    const char* items[] = {" 一千 ", " 一万", " 十万", " 百万", " 千万"};
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(Utf8(limitList.Items().Get(i)), items[i]) << "the blanks belong to the items";
    }
    EXPECT_TRUE(form.edReadFilename->ReadOnly());
    EXPECT_TRUE(form.Edit_XMLFilename->ReadOnly());
}

TEST_F(MainFormTest, TheGridShowsFourteenReadOnlyColumnsInItemOrderSortedByTheLineNumber) {
    app::TmainForm& form = ShowForm();
    ui::TuiGridTableView& view = *form.uiGrid1TableView1;
    EXPECT_EQ(form.uiGrid1Level1->GridView(), &view);
    EXPECT_EQ(form.uiGrid1Level1->Name(), u"uiGrid1Level1");
    ASSERT_TRUE(view.Site().HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(view.Site().Handle())) << "the grid shows its view";
    const char16_t* captions[] = {u"序号",         u"商品名称",        u"规格型号",         u"计量单位",
                                  u"数量",         u"单价(含税)",      u"金额(含税)",       u"税率",
                                  u"税收分类编码", u"企业自编码",      u"是否使用优惠政策", u"零税率标识",
                                  u"优惠政策说明", u"差额税计算扣除额"};
    const char* label = "TuiLabelProperties";
    const char* text = "TuiTextEditProperties";
    const char* editors[] = {label, text,  text,  label, label, label, "TuiCurrencyEditProperties",
                             label, label, label, text,  text,  text,  text};
    const vcl::TAlignment l = vcl::taLeftJustify, r = vcl::taRightJustify, c = vcl::taCenter;
    const vcl::TAlignment alignments[] = {r, l, l, c, r, r, r, c, c, c, l, l, l, l};
    const std::map<int32_t, int32_t> widths = {{0, 52}, {2, 78}, {3, 61}, {5, 73},
                                               {6, 69}, {8, 85}, {9, 80}, {10, 106}};
    ASSERT_EQ(view.ItemCount(), app::InvoiceItemCount);
    for (int32_t item = 0; item < app::InvoiceItemCount; ++item) {
        ui::TuiGridColumn& column = *view.Columns(item);
        EXPECT_EQ(Utf8(column.Caption()), Utf8(captions[item])) << item;
        ui::TuiValueTypeClass expected = &ui::TuiStringValueType::Instance();
        if (item == app::iiLineNumber) {
            expected = &ui::TuiIntegerValueType::Instance();
        } else if (item == app::iiAmount) {
            expected = &ui::TuiCurrencyValueType::Instance();
        } else if (item == app::iiDeduction) {
            expected = &ui::TuiFloatValueType::Instance();
        }
        EXPECT_EQ(view.DataController().GetItemValueTypeClass(item), expected) << item;
        if (const auto width = widths.find(item); width != widths.end()) {
            EXPECT_EQ(column.Width(), width->second) << item;
        }
        EXPECT_EQ(column.HeaderAlignmentHorz() == vcl::taCenter, item == 1 || (item >= 3 && item <= 11)) << item;
        EXPECT_EQ(column.Options().Filtering(), item == 0 || item > 7) << item;
        ASSERT_NE(column.Properties(), nullptr) << item;
        EXPECT_EQ(Utf8(column.Properties()->ClassType().ClassName()), editors[item]) << item;
        EXPECT_EQ(column.Properties()->GetAlignment().Horz(), alignments[item]) << item;
    }
    auto& amount = static_cast<ui::TuiCurrencyEditProperties&>(*view.Columns(app::iiAmount)->Properties());
    EXPECT_EQ(Utf8(amount.DisplayFormat()), "0.00;-0.00");
    EXPECT_EQ(view.Columns(0)->SortIndex(), 0);
    EXPECT_EQ(view.Columns(0)->SortOrder(), ui::soAscending);
    EXPECT_FALSE(view.OptionsData().Editing());
    EXPECT_FALSE(view.OptionsData().Inserting());
    EXPECT_FALSE(view.OptionsData().Deleting());
    EXPECT_TRUE(view.OptionsSelection().CellMultiSelect());
    EXPECT_FALSE(view.OptionsView().GroupByBox());
}

} // namespace
