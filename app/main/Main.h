#pragma once
// The main window: the workbook import and the invoice export with their files, the buyer's fields, the invoice
// settings, the totals, the grid of product lines and the status bar. It reads its settings when it is created,
// writes them when it goes, and asks for a newer version each time it becomes active.

#include "app/windows/VclUserMessages.h"
#include "rtl/text/StringTypes.h"
#include "vcl/forms/Form.h"

namespace vcl {
class TEdit;
class TOpenDialog;
class TSaveDialog;
class TXPManifest;
} // namespace vcl

namespace ui {
class TuiButton;
class TuiComboBox;
class TuiGrid;
class TuiGridColumn;
class TuiGridLevel;
class TuiGridTableView;
class TuiGroupBox;
class TuiLabel;
class TuiTextEdit;
class TuxStatusBar;
} // namespace ui

namespace xls {
class TXLSSpreadsheet;
} // namespace xls

namespace app {

struct TInvoiceHeader;

class TmainForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TmainForm, vcl::TForm)
public:
    // Builds the window from its description; its OnCreate (FormCreate) runs at the end.
    explicit TmainForm(rtl::TComponent* owner);
    ~TmainForm() override;

    void FormCreate(rtl::TObject* sender);
    void FormActivate(rtl::TObject* sender);
    void FormDestroy(rtl::TObject* sender);
    void btn_exitClick(rtl::TObject* sender);
    void btn_helpClick(rtl::TObject* sender);
    void Btn_DirClick(rtl::TObject* sender);
    void Btn_importClick(rtl::TObject* sender);
    void Btn_OutputClick(rtl::TObject* sender);
    // Puts the commodity-code version of the invoicing software installed here into Edit_SPBMBBH.
    void DetectInvoicingSoftware();

    // Whether the amounts of the last import include tax (true before the first import); the export reads it.
    bool AmountsIncludeTax() const { return FAmountsIncludeTax; }
    // The folders the import's and the export's dialogs start in when there is no last file to start from.
    const rtl::UnicodeString& ImportFolder() const { return FImportFolder; }
    const rtl::UnicodeString& ExportFolder() const { return FExportFolder; }

    // The components of the window, as its description makes them (owned by the form).
    ui::TuiGroupBox* uiGroupBox1 = nullptr;
    vcl::TEdit* edReadFilename = nullptr;
    vcl::TEdit* Edit_XMLFilename = nullptr;
    ui::TuiButton* Btn_import = nullptr;
    ui::TuiButton* Btn_Output = nullptr;
    ui::TuiButton* Btn_Dir = nullptr;
    ui::TuiButton* btn_help = nullptr;
    ui::TuiButton* Btn_exit = nullptr;
    ui::TuiGroupBox* uiGroupBox2 = nullptr;
    ui::TuiGroupBox* uiGroupBox3 = nullptr;
    ui::TuiGroupBox* uiGroupBox6 = nullptr;
    ui::TuiLabel* uiLabel1 = nullptr;
    ui::TuiTextEdit* Edit_GFMC = nullptr;
    ui::TuiLabel* uiLabel3 = nullptr;
    ui::TuiTextEdit* Edit_GFSH = nullptr;
    ui::TuiLabel* uiLabel2 = nullptr;
    ui::TuiTextEdit* Edit_GFDZDH = nullptr;
    ui::TuiLabel* uiLabel5 = nullptr;
    ui::TuiTextEdit* Edit_YHZH = nullptr;
    ui::TuiGroupBox* uiGroupBox5 = nullptr;
    ui::TuiLabel* uiLabel4 = nullptr;
    ui::TuiTextEdit* Edit_FHR = nullptr;
    ui::TuiLabel* uiLabel6 = nullptr;
    ui::TuiTextEdit* Edit_SKR = nullptr;
    ui::TuiLabel* uiLabel9 = nullptr;
    ui::TuiComboBox* Combo_KPXE = nullptr;
    ui::TuiLabel* uiLabel7 = nullptr;
    ui::TuiTextEdit* Edit_SPBMBBH = nullptr;
    ui::TuiGroupBox* uiGroupBox4 = nullptr;
    ui::TuiLabel* uiLabel8 = nullptr;
    ui::TuiTextEdit* Edit_JeHJ = nullptr;
    ui::TuiLabel* uiLabel10 = nullptr;
    ui::TuiTextEdit* Edit_JeBhsHJ = nullptr;
    ui::TuiLabel* uiLabel11 = nullptr;
    ui::TuiTextEdit* Edit_SeHJ = nullptr;
    ui::TuiGrid* uiGrid1 = nullptr;
    ui::TuiGridLevel* uiGrid1Level1 = nullptr;
    ui::TuiGridTableView* uiGrid1TableView1 = nullptr;
    ui::TuxStatusBar* uxStatusBar1 = nullptr;
    vcl::TOpenDialog* dlgOpen = nullptr;
    vcl::TSaveDialog* dlgSave = nullptr;
    vcl::TSaveDialog* SaveMBDialog = nullptr;
    xls::TXLSSpreadsheet* XLS = nullptr;
    vcl::TXPManifest* XPManifest1 = nullptr;

protected:
    void CreateParams(vcl::TCreateParams& params) override;

private:
    void ReadSettings();
    void WriteSettings();
    rtl::UnicodeString VersionCaption() const;
    TInvoiceHeader InvoiceHeader() const;
    void ShowTotals(rtl::UnicodeStringView withTax, rtl::UnicodeStringView withoutTax, rtl::UnicodeStringView tax);

    TVclUserMessages FMessages;
    bool FAmountsIncludeTax = true;
    rtl::UnicodeString FImportFolder;
    rtl::UnicodeString FExportFolder;
};

// The text of a text editor, and setting it as the program's own value (no typing).
rtl::UnicodeString EditText(const ui::TuiTextEdit& edit);
void SetEditText(ui::TuiTextEdit& edit, rtl::UnicodeStringView text);

} // namespace app
