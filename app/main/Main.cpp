#include "app/main/Main.h"

#include "app/invoice/InvoiceExport.h"
#include "app/invoice/InvoiceRecords.h"
#include "app/invoice/InvoiceSettings.h"
#include "app/invoice/InvoicingSoftwareDetection.h"
#include "app/invoice/ProgramFiles.h"
#include "app/invoice/SalesListImport.h"
#include "app/main/GridSalesListView.h"
#include "app/main/MainFormDescription.h"
#include "app/main/MainServices.h"
#include "app/main/MainTexts.h"
#include "app/main/UpdateCheck.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/IniFiles.h"
#include "rtl/text/CodePages.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "vcl/dialogs/FileDialogs.h"
#include "vcl/services/ShellLauncher.h"
#include "vcl/stdctrls/Edit.h"
#include "xls/api/XLSSpreadsheet.h"

#include <exception>

namespace app {

namespace {

rtl::UnicodeString ProgramFolderOf(const TMainServices& services) {
    return rtl::ExtractFilePath(services.ProgramFile);
}

rtl::TIniFile OpenSettings() {
    return rtl::TIniFile(SettingsFileName(MainServices().ProgramFile));
}

} // namespace

rtl::UnicodeString EditText(const ui::TuiTextEdit& edit) {
    return edit.GetDisplayText();
}

void SetEditText(ui::TuiTextEdit& edit, rtl::UnicodeStringView text) {
    edit.SetEditValue(rtl::Variant(rtl::UnicodeString(text)));
}

namespace {

// What the settings file holds may be longer than the edit takes from the user: it is cut as typing would cut it.
void SetEditTextWithinMaxLength(ui::TuiTextEdit& edit, rtl::UnicodeStringView text) {
    const int32_t maxLength = edit.TextEditProperties().MaxLength();
    SetEditText(edit,
                maxLength > 0 ? text.substr(0, rtl::AnsiFittingLength(text, static_cast<size_t>(maxLength))) : text);
}

} // namespace

TmainForm::TmainForm(rtl::TComponent* owner) : TForm(owner) {
    LoadMainForm(*this);
}

TmainForm::~TmainForm() = default;

void TmainForm::CreateParams(vcl::TCreateParams& params) {
    TForm::CreateParams(params);
    params.WindowClass.Icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
}

void TmainForm::FormCreate(rtl::TObject*) {
    FAmountsIncludeTax = true;
    for (ui::TuiTextEdit* edit : {Edit_GFMC, Edit_GFSH, Edit_GFDZDH, Edit_YHZH, Edit_FHR, Edit_SKR}) {
        SetEditText(*edit, u"");
    }
    DetectInvoicingSoftware();
    SetCaption(VersionCaption());
    uxStatusBar1->Panels().Item(0).SetText(MainTexts::StatusThanks);
    uxStatusBar1->Panels().Item(1).SetText(MainTexts::StatusContact);
    ReadSettings();
}

// Without a version (none in the program, or one that could not be read) the caption names none.
rtl::UnicodeString TmainForm::VersionCaption() const {
    const TMainServices& services = MainServices();
    const rtl::UnicodeString version = GetFileVersionString(*services.Versions, services.ProgramFile);
    if (version.empty() || version == u"-1") {
        return MainTexts::Caption;
    }
    return MainTexts::Caption + rtl::UnicodeString(MainTexts::CaptionVersionPrefix) + version;
}

void TmainForm::ReadSettings() {
    const TInvoiceSettings settings = ReadInvoiceSettings(OpenSettings());
    const rtl::UnicodeString desktop = GetDesktopFolder(*MainServices().Registry);
    FImportFolder = StartFolder(settings.ReadFileName, desktop);
    FExportFolder = StartFolder(settings.WriteFileName, desktop);
    Combo_KPXE->SetItemIndex(settings.LimitIndex);
    SetEditTextWithinMaxLength(*Edit_FHR, settings.Reviewer);
    SetEditTextWithinMaxLength(*Edit_SKR, settings.Payee);
}

void TmainForm::DetectInvoicingSoftware() {
    const TInvoiceSettings settings = ReadInvoiceSettings(OpenSettings());
    if (const auto version = app::DetectInvoicingSoftware(*MainServices().Registry, settings.SellerTaxNumber)) {
        SetEditText(*Edit_SPBMBBH, *version);
    }
}

// The check's failures never reach the user: a check that cannot run is no reason to interrupt the work.
void TmainForm::FormActivate(rtl::TObject*) {
    const TMainServices& services = MainServices();
    if (!services.Updates) {
        return;
    }
    services.Updates->SetVersionNumber(GetFileVersionString(*services.Versions, services.ProgramFile));
    try {
        services.Updates->CheckUpdate();
    } catch (const std::exception&) {
        return;
    }
}

void TmainForm::FormDestroy(rtl::TObject*) {
    try {
        WriteSettings();
    } catch (const rtl::EIniFileException& error) {
        FMessages.ShowBox(mkError, error.Message());
    }
}

void TmainForm::WriteSettings() {
    TInvoiceSettings settings;
    settings.ReadFileName = edReadFilename->Text();
    settings.WriteFileName = Edit_XMLFilename->Text();
    settings.LimitIndex = Combo_KPXE->GetItemIndex();
    settings.Reviewer = EditText(*Edit_FHR);
    settings.Payee = EditText(*Edit_SKR);
    rtl::TIniFile file = OpenSettings();
    WriteInvoiceSettings(file, settings);
    file.UpdateFile();
}

void TmainForm::btn_exitClick(rtl::TObject*) {
    Close();
}

void TmainForm::btn_helpClick(rtl::TObject*) {
    vcl::TShellLaunch launch;
    launch.Owner = Handle();
    launch.Operation = u"open";
    launch.File = ProgramFolderOf(MainServices()) + MainTexts::HelpFile;
    vcl::ShellLauncher().Launch(launch);
}

// The copy starts from the folder of the last one. A template that cannot be copied is reported and nothing is
// opened: an older file at the target would pass for the template.
void TmainForm::Btn_DirClick(rtl::TObject*) {
    const bool newExcel = FMessages.AskYesNo(MainTexts::TemplateQuestion);
    const rtl::UnicodeString templateName = newExcel ? MainTexts::TemplateXlsx : MainTexts::TemplateXls;
    SaveMBDialog->SetFileName(templateName);
    SaveMBDialog->SetFilter(newExcel ? MainTexts::TemplateXlsxFilter : MainTexts::TemplateXlsFilter);
    SaveMBDialog->SetDefaultExt(newExcel ? u"xlsx" : u"xls");
    if (SaveMBDialog->InitialDir().empty()) {
        SaveMBDialog->SetInitialDir(GetDesktopFolder(*MainServices().Registry));
    }
    if (!SaveMBDialog->Execute()) {
        return;
    }
    const rtl::UnicodeString target = SaveMBDialog->FileName();
    SaveMBDialog->SetInitialDir(rtl::ExtractFilePath(target));
    if (!rtl::CopyFileTo(ProgramFolderOf(MainServices()) + templateName, target, false)) {
        FMessages.ShowBox(mkError, MainTexts::TemplateCopyFailed + target);
        return;
    }
    vcl::TShellLaunch launch;
    launch.Owner = Handle();
    launch.Operation = u"open";
    launch.File = target;
    vcl::ShellLauncher().Launch(launch);
}

void TmainForm::Btn_importClick(rtl::TObject*) {
    const rtl::UnicodeString lastFile = edReadFilename->Text();
    if (rtl::FileExists(lastFile)) {
        dlgOpen->SetFileName(lastFile);
    } else {
        dlgOpen->SetInitialDir(FImportFolder);
    }
    if (!dlgOpen->Execute()) {
        return;
    }
    const rtl::UnicodeString fileName = dlgOpen->FileName();
    edReadFilename->SetText(fileName);
    TGridSalesListView view(*uiGrid1TableView1);
    TSalesListImport import(*XLS, uiGrid1TableView1->DataController(), view, FMessages);
    FAmountsIncludeTax = import.AskAmountsIncludeTax();
    const TAmountCaptions captions = AmountCaptions(FAmountsIncludeTax);
    uiGrid1TableView1->Columns(iiUnitPrice)->SetCaption(captions.UnitPrice);
    uiGrid1TableView1->Columns(iiAmount)->SetCaption(captions.Amount);
    Edit_XMLFilename->SetText(u"");
    ShowTotals(u"", u"", u"");
    if (const auto totals =
            import.Import(fileName, FAmountsIncludeTax, Combo_KPXE->GetItemIndex(), Combo_KPXE->GetDisplayText())) {
        ShowTotals(totals->WithTax, totals->WithoutTax, totals->Tax);
    }
}

void TmainForm::ShowTotals(rtl::UnicodeStringView withTax, rtl::UnicodeStringView withoutTax,
                           rtl::UnicodeStringView tax) {
    SetEditText(*Edit_JeHJ, withTax);
    SetEditText(*Edit_JeBhsHJ, withoutTax);
    SetEditText(*Edit_SeHJ, tax);
}

void TmainForm::Btn_OutputClick(rtl::TObject*) {
    TInvoiceExport invoiceExport(uiGrid1TableView1->DataController(), FMessages);
    if (!invoiceExport.CheckRecords()) {
        return;
    }
    dlgSave->SetInitialDir(StartFolder(Edit_XMLFilename->Text(), FExportFolder));
    dlgSave->SetFileName(ProposedInvoiceFileName(edReadFilename->Text()));
    if (!dlgSave->Execute()) {
        return;
    }
    const rtl::UnicodeString fileName = dlgSave->FileName();
    Edit_XMLFilename->SetText(fileName);
    invoiceExport.Export(fileName, InvoiceHeader(), FAmountsIncludeTax);
}

TInvoiceHeader TmainForm::InvoiceHeader() const {
    TInvoiceHeader header;
    header.BuyerName = EditText(*Edit_GFMC);
    header.BuyerTaxNumber = EditText(*Edit_GFSH);
    header.BuyerBankAccount = EditText(*Edit_YHZH);
    header.BuyerAddressPhone = EditText(*Edit_GFDZDH);
    header.Reviewer = EditText(*Edit_FHR);
    header.Payee = EditText(*Edit_SKR);
    header.CommodityCodeVersion = EditText(*Edit_SPBMBBH);
    return header;
}

} // namespace app
