#include "app/main/MainFormDescription.h"

#include "app/invoice/InvoiceRecords.h"
#include "app/main/Main.h"
#include "rtl/WindowsApi.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/choice/uiGroupBox.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/text/currency/uiCurrencyEditProperties.h"
#include "ui/editors/text/label/uiLabel.h"
#include "ui/editors/text/label/uiLabelProperties.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"
#include "vcl/dialogs/FileDialogs.h"
#include "vcl/extctrls/XPManifest.h"
#include "vcl/forms/FormLoader.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/stdctrls/Edit.h"
#include "xls/api/XLSSpreadsheet.h"

#include <cstdint>
#include <span>

namespace app {

namespace {

using TEntries = std::vector<vcl::TComponentEntry<TmainForm>>;

constexpr const char16_t* SkinBlue = u"Blue";
constexpr const char16_t* SkinOffice2007Blue = u"Office2007Blue";

// A label and the text editor it names, inside a group box.
struct TLabelledEdit {
    const char16_t* LabelName;
    ui::TuiLabel* TmainForm::*Label;
    const char16_t* Caption;
    int32_t LabelLeft;
    int32_t LabelTop;
    const char16_t* EditName;
    ui::TuiTextEdit* TmainForm::*Edit;
    int32_t EditLeft;
    int32_t EditTop;
    int32_t EditWidth;
    int32_t MaxLength;
    // The text the window shows before it is created; FormCreate clears it or replaces it.
    const char16_t* DesignText;
};

constexpr int32_t EditHeight = 21;

constexpr TLabelledEdit BuyerEdits[] = {
    {u"uiLabel1", &TmainForm::uiLabel1, u"名        称：", 15, 29, u"Edit_GFMC", &TmainForm::Edit_GFMC, 101, 27, 386,
     100, u"购方名称"},
    {u"uiLabel3", &TmainForm::uiLabel3, u"纳税人识别号：", 15, 54, u"Edit_GFSH", &TmainForm::Edit_GFSH, 101, 51, 386,
     25, u"购方税号"},
    {u"uiLabel2", &TmainForm::uiLabel2, u"地 址、电 话：", 15, 78, u"Edit_GFDZDH", &TmainForm::Edit_GFDZDH, 101, 76,
     386, 100, u"购方地址电话"},
    {u"uiLabel5", &TmainForm::uiLabel5, u"开户行及账号：", 15, 103, u"Edit_YHZH", &TmainForm::Edit_YHZH, 101, 101, 386,
     100, u"开户行及账号"},
};

constexpr TLabelledEdit SettingsEdits[] = {
    {u"uiLabel4", &TmainForm::uiLabel4, u"复核人：", 57, 29, u"Edit_FHR", &TmainForm::Edit_FHR, 108, 27, 73, 8,
     u"复核人"},
    {u"uiLabel6", &TmainForm::uiLabel6, u"收款人：", 57, 53, u"Edit_SKR", &TmainForm::Edit_SKR, 108, 51, 73, 8,
     u"收款人"},
    {u"uiLabel7", &TmainForm::uiLabel7, u"商品编码版本：", 21, 103, u"Edit_SPBMBBH", &TmainForm::Edit_SPBMBBH, 108, 101,
     41, 20, u"13"},
};

constexpr TLabelledEdit TotalEdits[] = {
    {u"uiLabel8", &TmainForm::uiLabel8, u"含税金额：", 33, 29, u"Edit_JeHJ", &TmainForm::Edit_JeHJ, 94, 27, 99, 8, u""},
    {u"uiLabel10", &TmainForm::uiLabel10, u"不含税金额：", 21, 53, u"Edit_JeBhsHJ", &TmainForm::Edit_JeBhsHJ, 94, 51,
     99, 8, u""},
    {u"uiLabel11", &TmainForm::uiLabel11, u"税额：", 57, 78, u"Edit_SeHJ", &TmainForm::Edit_SeHJ, 94, 76, 99, 8, u""},
};

// A button of the top panel.
struct TButtonDescription {
    const char16_t* Name;
    ui::TuiButton* TmainForm::*Field;
    const char16_t* Caption;
    int32_t Left;
    int32_t Top;
    int32_t Width;
    void (TmainForm::*OnClick)(rtl::TObject*);
    // The hint, glyph and look of the button, when it has them.
    void (*ReadMore)(ui::TuiButton&);
};

constexpr int32_t ButtonHeight = 25;

// The glyph bitmap of a resource of the program, given to the button.
void LoadGlyph(ui::TuiButton& button, const char16_t* resourceName, int32_t numGlyphs) {
    vcl::TBitmap glyph;
    glyph.LoadFromResourceName(GetModuleHandleW(nullptr), resourceName);
    button.SetGlyph(&glyph);
    button.SetNumGlyphs(numGlyphs);
}

void ReadImportButton(ui::TuiButton& import) {
    import.SetHint(u"导入根据销货清单的Excel模板录入的销货清单文件。");
    import.SetShowHint(true);
    LoadGlyph(import, u"GLYPH_IMPORT", 1);
    import.LookAndFeel().SetSkinName(SkinBlue);
}

void ReadOutputButton(ui::TuiButton& output) {
    output.SetHint(u"生成可在开票系统中导入的销货清单开票文件（XML格式）。");
    output.SetShowHint(true);
    LoadGlyph(output, u"GLYPH_OUTPUT", 2);
    output.LookAndFeel().SetKind(ui::lfUltraFlat);
    output.LookAndFeel().SetNativeStyle(false);
    output.LookAndFeel().SetSkinName(SkinBlue);
}

constexpr TButtonDescription Buttons[] = {
    {u"Btn_import", &TmainForm::Btn_import, u"导入销货清单", 20, 22, 140, &TmainForm::Btn_importClick,
     &ReadImportButton},
    {u"Btn_Output", &TmainForm::Btn_Output, u"生成开票文件", 20, 55, 140, &TmainForm::Btn_OutputClick,
     &ReadOutputButton},
    {u"Btn_Dir", &TmainForm::Btn_Dir, u"复制模板", 712, 22, 92, &TmainForm::Btn_DirClick, nullptr},
    {u"btn_help", &TmainForm::btn_help, u"操作说明", 712, 55, 92, &TmainForm::btn_helpClick, nullptr},
    {u"Btn_exit", &TmainForm::Btn_exit, u"退出", 818, 55, 92, &TmainForm::btn_exitClick, nullptr},
};

// The editor that shows a column's cells: a text, a label, or a currency amount with two decimals.
enum TColumnEditor : uint8_t { ceText, ceLabel, ceCurrency };

// A column of the grid, in item order: the item index is the data-controller item of a sales list's records.
struct TColumnDescription {
    const char16_t* Name;
    const char16_t* Caption;
    int32_t Width; // 0: the default width
    bool HeaderCentred;
    bool HeaderCentredVertically;
    bool Filtering;
    TColumnEditor Editor;
    vcl::TAlignment CellAlignment;
};

constexpr vcl::TAlignment Left = vcl::taLeftJustify;
constexpr vcl::TAlignment Right = vcl::taRightJustify;
constexpr vcl::TAlignment Centre = vcl::taCenter;

constexpr TColumnDescription Columns[InvoiceItemCount] = {
    {u"uiGrid1TableView1Column1", u"序号", 52, false, false, true, ceLabel, Right},
    {u"uiGrid1TableView1Column2", u"商品名称", 0, true, true, false, ceText, Left},
    {u"uiGrid1TableView1Column3", u"规格型号", 78, false, false, false, ceText, Left},
    {u"uiGrid1TableView1Column4", u"计量单位", 61, true, true, false, ceLabel, Centre},
    {u"uiGrid1TableView1Column11", u"数量", 0, true, true, false, ceLabel, Right},
    {u"uiGrid1TableView1Column10", u"单价(含税)", 73, true, true, false, ceLabel, Right},
    {u"uiGrid1TableView1Column12", u"金额(含税)", 69, true, true, false, ceCurrency, Right},
    {u"uiGrid1TableView1Column13", u"税率", 0, true, true, false, ceLabel, Centre},
    {u"uiGrid1TableView1Column5", u"税收分类编码", 85, true, true, true, ceLabel, Centre},
    {u"uiGrid1TableView1Column6", u"企业自编码", 80, true, true, true, ceLabel, Centre},
    {u"uiGrid1TableView1Column7", u"是否使用优惠政策", 106, true, false, true, ceText, Left},
    {u"uiGrid1TableView1Column8", u"零税率标识", 0, true, false, true, ceText, Left},
    {u"uiGrid1TableView1Column9", u"优惠政策说明", 0, false, false, true, ceText, Left},
    {u"uiGrid1TableView1Column14", u"差额税计算扣除额", 0, false, false, true, ceText, Left},
};

void ReadForm(TmainForm& form) {
    form.SetName(u"mainForm");
    form.SetBorderStyle(vcl::bsSingle);
    form.SetClientWidth(920);
    form.SetClientHeight(663);
    form.SetPosition(vcl::poDesktopCenter);
    form.SetColor(vcl::clBtnFace);
    form.Font().SetName(u"宋体");
    form.Font().SetHeight(-12);
    form.Font().SetCharset(vcl::GB2312_CHARSET_VALUE);
    form.SetCaption(u"Tallyvane");
    form.SetOnCreate([&form](rtl::TObject* sender) { form.FormCreate(sender); });
    form.SetOnActivate([&form](rtl::TObject* sender) { form.FormActivate(sender); });
    form.SetOnDestroy([&form](rtl::TObject* sender) { form.FormDestroy(sender); });
}

void SetSkin(ui::TuiGroupBox& box, const char16_t* skin) {
    box.Style().LookAndFeel().SetSkinName(skin);
}

// A group box filling its parent's side (or the rest) as align says.
vcl::TComponentEntry<TmainForm> GroupBox(const char16_t* name, const char16_t* parent,
                                         ui::TuiGroupBox* TmainForm::*field, vcl::TAlign align, int32_t extent,
                                         std::function<void(ui::TuiGroupBox&)> read) {
    return vcl::Component<ui::TuiGroupBox>(name, parent, field,
                                           [align, extent, read = std::move(read)](TmainForm&, ui::TuiGroupBox& box) {
                                               if (align == vcl::alLeft) {
                                                   box.SetWidth(extent);
                                               } else if (align == vcl::alTop) {
                                                   box.SetHeight(extent);
                                               }
                                               box.SetAlign(align);
                                               read(box);
                                           });
}

void AddTopPanel(TEntries& entries) {
    entries.push_back(GroupBox(u"uiGroupBox1", u"", &TmainForm::uiGroupBox1, vcl::alTop, 105, [](ui::TuiGroupBox& box) {
        box.PanelStyle().SetActive(true);
        SetSkin(box, SkinOffice2007Blue);
    }));
    for (const auto& [name, field, top] : {std::tuple{u"edReadFilename", &TmainForm::edReadFilename, 24},
                                           std::tuple{u"Edit_XMLFilename", &TmainForm::Edit_XMLFilename, 57}}) {
        entries.push_back(
            vcl::Component<vcl::TEdit>(name, u"uiGroupBox1", field, [top = top](TmainForm&, vcl::TEdit& edit) {
                edit.SetBounds(171, top, 531, 20);
                edit.SetReadOnly(true);
            }));
    }
    for (const TButtonDescription& description : Buttons) {
        entries.push_back(vcl::Component<ui::TuiButton>(
            description.Name, u"uiGroupBox1", description.Field,
            [&description](TmainForm& form, ui::TuiButton& button) {
                button.SetBounds(description.Left, description.Top, description.Width, ButtonHeight);
                button.SetCaption(description.Caption);
                button.SetOnClick([&form, &description](rtl::TObject* sender) { (form.*description.OnClick)(sender); });
                if (description.ReadMore) {
                    description.ReadMore(button);
                }
            }));
    }
}

void AddLabelledEdits(TEntries& entries, const char16_t* parent, std::span<const TLabelledEdit> edits,
                      const std::function<void(ui::TuiTextEdit&)>& readEdit) {
    for (const TLabelledEdit& description : edits) {
        entries.push_back(vcl::Component<ui::TuiLabel>(description.LabelName, parent, description.Label,
                                                       [&description](TmainForm&, ui::TuiLabel& label) {
                                                           label.SetLeft(description.LabelLeft);
                                                           label.SetTop(description.LabelTop);
                                                           label.SetCaption(description.Caption);
                                                       }));
        entries.push_back(vcl::Component<ui::TuiTextEdit>(
            description.EditName, parent, description.Edit,
            [&description, readEdit](TmainForm&, ui::TuiTextEdit& edit) {
                edit.SetBounds(description.EditLeft, description.EditTop, description.EditWidth, EditHeight);
                edit.TextEditProperties().SetMaxLength(description.MaxLength);
                if (readEdit) {
                    readEdit(edit);
                }
                SetEditText(edit, description.DesignText);
            }));
    }
}

// The invoice limits, in item order (the blanks belong to the texts); the settings keep the item index.
void ReadLimitList(TmainForm&, ui::TuiComboBox& combo) {
    combo.SetBounds(108, 76, 73, EditHeight);
    ui::TuiComboBoxProperties& properties = combo.ComboBoxProperties();
    properties.SetDropDownListStyle(ui::lsFixedList);
    for (const char16_t* item : {u" 一千 ", u" 一万", u" 十万", u" 百万", u" 千万"}) {
        properties.Items().Add(item);
    }
}

void AddInvoiceBoxes(TEntries& entries) {
    entries.push_back(
        GroupBox(u"uiGroupBox2", u"", &TmainForm::uiGroupBox2, vcl::alClient, 0, [](ui::TuiGroupBox& box) {
            box.SetCaption(u"发 票 信 息");
            box.SetAlignment(ui::alTopCenter);
            box.Style().SetBorderStyle(ui::ebsUltraFlat);
            box.Style().SetEdges(ui::uiAllBorders);
            box.Style().SetShadow(false);
            SetSkin(box, SkinOffice2007Blue);
        }));
    entries.push_back(
        GroupBox(u"uiGroupBox3", u"uiGroupBox2", &TmainForm::uiGroupBox3, vcl::alTop, 150, [](ui::TuiGroupBox& box) {
            box.PanelStyle().SetActive(true);
            SetSkin(box, SkinBlue);
        }));
    entries.push_back(GroupBox(u"uiGroupBox6", u"uiGroupBox3", &TmainForm::uiGroupBox6, vcl::alLeft, 501,
                               [](ui::TuiGroupBox& box) { box.SetCaption(u"购货单位"); }));
    AddLabelledEdits(entries, u"uiGroupBox6", BuyerEdits, {});
    entries.push_back(GroupBox(u"uiGroupBox5", u"uiGroupBox3", &TmainForm::uiGroupBox5, vcl::alLeft, 202,
                               [](ui::TuiGroupBox& box) { box.SetCaption(u"开票设置"); }));
    AddLabelledEdits(entries, u"uiGroupBox5", std::span(SettingsEdits, 2), {});
    entries.push_back(vcl::Component<ui::TuiLabel>(u"uiLabel9", u"uiGroupBox5", &TmainForm::uiLabel9,
                                                   [](TmainForm&, ui::TuiLabel& label) {
                                                       label.SetLeft(9);
                                                       label.SetTop(78);
                                                       label.SetCaption(u"不含税开票限额：");
                                                   }));
    entries.push_back(
        vcl::Component<ui::TuiComboBox>(u"Combo_KPXE", u"uiGroupBox5", &TmainForm::Combo_KPXE, &ReadLimitList));
    AddLabelledEdits(entries, u"uiGroupBox5", std::span(SettingsEdits + 2, 1),
                     [](ui::TuiTextEdit& edit) { edit.TextEditProperties().GetAlignment().SetHorz(vcl::taCenter); });
    entries.push_back(GroupBox(u"uiGroupBox4", u"uiGroupBox3", &TmainForm::uiGroupBox4, vcl::alClient, 0,
                               [](ui::TuiGroupBox& box) { box.SetCaption(u"发票金额、税额"); }));
    AddLabelledEdits(entries, u"uiGroupBox4", TotalEdits, [](ui::TuiTextEdit& edit) {
        ui::TuiTextEditProperties& properties = edit.TextEditProperties();
        properties.SetReadOnly(true);
        properties.GetAlignment().SetHorz(vcl::taRightJustify);
        properties.GetAlignment().SetVert(ui::taVCenter);
    });
}

void ReadView(TmainForm& form, ui::TuiGridTableView& view) {
    ui::TuiGridLevel& level = form.uiGrid1->Levels().Add();
    level.SetName(u"uiGrid1Level1");
    level.SetGridView(&view);
    form.uiGrid1Level1 = &level;
    view.OptionsBehavior().SetCellHints(true);
    view.OptionsBehavior().SetImmediateEditor(false);
    view.OptionsCustomize().SetColumnFiltering(false);
    view.OptionsCustomize().SetColumnGrouping(false);
    view.OptionsCustomize().SetColumnMoving(false);
    view.OptionsData().SetDeleting(false);
    view.OptionsData().SetEditing(false);
    view.OptionsData().SetInserting(false);
    view.OptionsSelection().SetCellMultiSelect(true);
    view.OptionsView().SetFooterAutoHeight(true);
    view.OptionsView().SetFooterMultiSummaries(true);
    view.OptionsView().SetGroupByBox(false);
}

void ReadColumnEditor(ui::TuiGridColumn& column, const TColumnDescription& description) {
    switch (description.Editor) {
    case ceText:
        column.SetPropertiesClass(&ui::TuiTextEditProperties::StaticClass());
        break;
    case ceLabel:
        column.SetPropertiesClass(&ui::TuiLabelProperties::StaticClass());
        break;
    case ceCurrency:
        column.SetPropertiesClass(&ui::TuiCurrencyEditProperties::StaticClass());
        static_cast<ui::TuiCurrencyEditProperties&>(*column.Properties()).SetDisplayFormat(u"0.00;-0.00");
        break;
    }
    if (description.CellAlignment != vcl::taLeftJustify) {
        column.Properties()->GetAlignment().SetHorz(description.CellAlignment);
    }
}

void ReadColumn(TmainForm& form, ui::TuiGridColumn& column, const TColumnDescription& description) {
    form.uiGrid1TableView1->AddItem(&column);
    const int32_t item = column.Index();
    form.uiGrid1TableView1->DataController().ChangeValueTypeClass(item, InvoiceItemValueType(item));
    column.SetCaption(description.Caption);
    if (description.Width != 0) {
        column.SetWidth(description.Width);
    }
    if (description.HeaderCentred) {
        column.SetHeaderAlignmentHorz(vcl::taCenter);
    }
    if (description.HeaderCentredVertically) {
        column.SetHeaderAlignmentVert(ui::vaCenter);
    }
    column.Options().SetFiltering(description.Filtering);
    ReadColumnEditor(column, description);
    if (item == iiLineNumber) {
        column.SetSortIndex(0);
        column.SetSortOrder(ui::soAscending);
    }
}

void AddGrid(TEntries& entries) {
    entries.push_back(
        vcl::Component<ui::TuiGrid>(u"uiGrid1", u"uiGroupBox2", &TmainForm::uiGrid1, [](TmainForm&, ui::TuiGrid& grid) {
            grid.SetBounds(3, 164, 914, 364);
            grid.SetAlign(vcl::alClient);
            grid.Font().SetName(u"宋体");
            grid.Font().SetHeight(-12);
            grid.LookAndFeel().SetSkinName(SkinBlue);
        }));
    entries.push_back(
        vcl::Component<ui::TuiGridTableView>(u"uiGrid1TableView1", u"", &TmainForm::uiGrid1TableView1, &ReadView));
    for (const TColumnDescription& description : Columns) {
        entries.push_back(vcl::Component<ui::TuiGridColumn, TmainForm>(
            description.Name, u"",
            [&description](TmainForm& form, ui::TuiGridColumn& column) { ReadColumn(form, column, description); }));
    }
}

// A panel of the status bar with the text style; a form names the style class of each panel it reads.
ui::TuxStatusBarTextPanelStyle& AddTextPanel(ui::TuxStatusBar& bar, int32_t width) {
    ui::TuxStatusBarPanel& panel = bar.CreatePanel();
    panel.SetPanelStyleClass(&ui::TuxStatusBarTextPanelStyle::StaticClass());
    if (width != 0) {
        panel.SetWidth(width);
    }
    return static_cast<ui::TuxStatusBarTextPanelStyle&>(*panel.PanelStyle());
}

void AddStatusBar(TEntries& entries) {
    entries.push_back(vcl::Component<ui::TuxStatusBar>(
        u"uxStatusBar1", u"uiGroupBox2", &TmainForm::uxStatusBar1, [](TmainForm&, ui::TuxStatusBar& bar) {
            bar.SetBounds(3, 528, 914, 20);
            AddTextPanel(bar, 350);
            ui::TuxStatusBarTextPanelStyle& path = AddTextPanel(bar, 120);
            path.SetAlignment(vcl::taCenter);
            path.SetEllipsisType(ui::uxetSmartPath);
            AddTextPanel(bar, 0);
        }));
}

void ReadSaveOptions(vcl::TOpenDialog& dialog) {
    dialog.SetOptions({vcl::ofOverwritePrompt, vcl::ofHideReadOnly, vcl::ofEnableSizing});
}

void AddNonVisual(TEntries& entries) {
    entries.push_back(vcl::Component<vcl::TOpenDialog>(
        u"dlgOpen", u"", &TmainForm::dlgOpen, [](TmainForm&, vcl::TOpenDialog& dialog) {
            dialog.SetFilter(u"开票清单(Excel表格)|*.xlsx;*.xls|All files (*.*)|*.*");
        }));
    entries.push_back(vcl::Component<vcl::TSaveDialog>(u"dlgSave", u"", &TmainForm::dlgSave,
                                                       [](TmainForm&, vcl::TSaveDialog& dialog) {
                                                           dialog.SetDefaultExt(u"xml");
                                                           dialog.SetFilter(u"XML发票文件(*.xml)|*.xml");
                                                           ReadSaveOptions(dialog);
                                                       }));
    // The template's name, filter and extension are set when the user has chosen the template.
    entries.push_back(
        vcl::Component<vcl::TSaveDialog>(u"SaveMBDialog", u"", &TmainForm::SaveMBDialog,
                                         [](TmainForm&, vcl::TSaveDialog& dialog) { ReadSaveOptions(dialog); }));
    entries.push_back(vcl::Component<xls::TXLSSpreadsheet>(u"XLS", u"", &TmainForm::XLS,
                                                           [](TmainForm&, xls::TXLSSpreadsheet& spreadsheet) {
                                                               spreadsheet.SetVersion(xls::xvExcel2007);
                                                               spreadsheet.SetDirectRead(false);
                                                               spreadsheet.SetDirectWrite(false);
                                                           }));
    entries.push_back(vcl::Component<vcl::TXPManifest>(u"XPManifest1", u"", &TmainForm::XPManifest1, {}));
}

} // namespace

void LoadMainForm(TmainForm& form) {
    vcl::TFormDescription<TmainForm> description;
    description.Root = &ReadForm;
    AddTopPanel(description.Components);
    AddInvoiceBoxes(description.Components);
    AddGrid(description.Components);
    AddStatusBar(description.Components);
    AddNonVisual(description.Components);
    vcl::LoadForm(form, description);
}

} // namespace app
