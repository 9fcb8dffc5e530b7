#include "ui/editors/filterdialog/uiFilterDialog.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/filter/uiFilterConsts.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/values/uiValueType.h"
#include "ui/data/values/uiVariants.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/dropdown/combobox/uiComboBoxProperties.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "vcl/extctrls/Bevel.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/FormLoader.h"
#include "vcl/graphics/Font.h"
#include "vcl/stdctrls/Label.h"
#include "vcl/stdctrls/RadioButton.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t FilterDialogClientWidth = 414;
constexpr int32_t FilterDialogClientHeight = 206;
constexpr int32_t OperatorComboWidth = 193;

vcl::TComponentEntry<TuiFilterDialog> DialogLabel(rtl::UnicodeStringView name, vcl::TLabel* TuiFilterDialog::*field,
                                                  int32_t left, int32_t top) {
    return vcl::Component<vcl::TLabel>(name, u"", field, [left, top](TuiFilterDialog&, vcl::TLabel& label) {
        label.SetLeft(left);
        label.SetTop(top);
    });
}

// A hidden label whose place a value editor takes.
vcl::TComponentEntry<TuiFilterDialog> PlaceHolder(rtl::UnicodeStringView name, vcl::TLabel* TuiFilterDialog::*field,
                                                  int32_t top) {
    return vcl::Component<vcl::TLabel>(name, u"", field, [top](TuiFilterDialog&, vcl::TLabel& label) {
        label.SetAutoSize(false);
        label.SetBounds(208, top, OperatorComboWidth, 21);
        label.SetVisible(false);
    });
}

vcl::TComponentEntry<TuiFilterDialog>
OperatorComboEntry(rtl::UnicodeStringView name, TuiComboBox* TuiFilterDialog::*field, int32_t top, int32_t tabOrder) {
    return vcl::Component<TuiComboBox>(name, u"", field, [top, tabOrder](TuiFilterDialog&, TuiComboBox& combo) {
        combo.SetBounds(8, top, OperatorComboWidth, 21);
        combo.ComboBoxProperties().SetDropDownListStyle(lsFixedList);
        combo.SetTabOrder(tabOrder);
    });
}

vcl::TComponentEntry<TuiFilterDialog> DialogButton(rtl::UnicodeStringView name, TuiButton* TuiFilterDialog::*field,
                                                   int32_t left, vcl::TModalResult result) {
    return vcl::Component<TuiButton>(name, u"", field, [left, result](TuiFilterDialog&, TuiButton& button) {
        button.SetBounds(left, 176, 75, 23);
        button.SetModalResult(result);
        button.SetDefault(result == vcl::mrOk);
        button.SetCancel(result == vcl::mrCancel);
    });
}

vcl::TComponentEntry<TuiFilterDialog>
OperationButton(rtl::UnicodeStringView name, vcl::TRadioButton* TuiFilterDialog::*field, int32_t left, int32_t width) {
    return vcl::Component<vcl::TRadioButton>(
        name, u"", field,
        [left, width](TuiFilterDialog&, vcl::TRadioButton& button) { button.SetBounds(left, 74, width, 17); });
}

class TModalFilterDialogPresenter : public IuiFilterDialogPresenter {
public:
    vcl::TModalResult ShowFilterDialog(TuiFilterDialog& dialog) override { return dialog.ShowModal(); }
};

TModalFilterDialogPresenter ModalFilterDialogPresenter;
vcl::TSeam<IuiFilterDialogPresenter> FilterDialogPresenter(ModalFilterDialogPresenter);

} // namespace

TuiFilterDialog::TuiFilterDialog(TuiFilterCriteria& criteria, rtl::TObject* itemLink,
                                 const TuiCustomFilterEditHelper& helper, TuiCustomEditProperties& properties,
                                 rtl::UnicodeStringView columnCaption, const TuiValueType* valueType,
                                 TuiLookAndFeel* lookAndFeel, const vcl::TFont* font)
    : TForm(nullptr), FCriteria(criteria), FItemLink(itemLink), FHelper(helper), FProperties(properties),
      FValueType(valueType) {
    LoadForm();
    SetCaption(LoadResStringText(uiSFilterDialogCaption));
    InitializeControls(columnCaption);
    if (lookAndFeel != nullptr) {
        SetDialogLookAndFeel(*lookAndFeel);
    }
    if (font != nullptr) {
        Font().Assign(font);
        PlaceColumnLine();
    }
    LoadFromCriteria();
}

// The line runs from the end of the column's caption, which the font sizes, to its right edge.
void TuiFilterDialog::PlaceColumnLine() {
    const int32_t lineRight = bvlLine->Left() + bvlLine->Width();
    const int32_t lineLeft = lblColumnCaption->Left() + lblColumnCaption->Width();
    bvlLine->SetBounds(lineLeft, bvlLine->Top(), std::max(lineRight - lineLeft, 0), bvlLine->Height());
}

TuiFilterDialog::~TuiFilterDialog() = default;

void TuiFilterDialog::LoadForm() {
    vcl::TFormDescription<TuiFilterDialog> description;
    description.Root = [](TuiFilterDialog& form) {
        form.SetBorderStyle(vcl::bsDialog);
        form.SetBorderIcons({vcl::biSystemMenu});
        form.SetPosition(vcl::poScreenCenter);
        form.SetClientWidth(FilterDialogClientWidth);
        form.SetClientHeight(FilterDialogClientHeight);
        form.SetColor(vcl::clBtnFace);
    };
    description.Components = {
        DialogLabel(u"lblTitle", &TuiFilterDialog::lblTitle, 8, 8),
        DialogLabel(u"lblColumnCaption", &TuiFilterDialog::lblColumnCaption, 8, 27),
        vcl::Component<vcl::TBevel>(u"bvlLine", u"", &TuiFilterDialog::bvlLine,
                                    [](TuiFilterDialog&, vcl::TBevel& bevel) {
                                        bevel.SetBounds(8, 34, 396, 4);
                                        bevel.SetShape(vcl::bsTopLine);
                                    }),
        OperatorComboEntry(u"cbOperator1", &TuiFilterDialog::cbOperator1, 46, 0),
        PlaceHolder(u"lblEdit1PlaceHolder", &TuiFilterDialog::lblEdit1PlaceHolder, 46),
        OperationButton(u"rbAnd", &TuiFilterDialog::rbAnd, 56, 60),
        OperationButton(u"rbOr", &TuiFilterDialog::rbOr, 120, 65),
        OperatorComboEntry(u"cbOperator2", &TuiFilterDialog::cbOperator2, 96, 3),
        PlaceHolder(u"lblEdit2PlaceHolder", &TuiFilterDialog::lblEdit2PlaceHolder, 96),
        DialogLabel(u"lblSingle", &TuiFilterDialog::lblSingle, 8, 134),
        DialogLabel(u"lblSeries", &TuiFilterDialog::lblSeries, 8, 153),
        DialogButton(u"btnOK", &TuiFilterDialog::btnOK, 248, vcl::mrOk),
        DialogButton(u"btnCancel", &TuiFilterDialog::btnCancel, 330, vcl::mrCancel),
    };
    description.References = {
        vcl::Reference<TuiFilterDialog>(u"", u"cbOperator1", &vcl::TCustomForm::SetActiveControl)};
    vcl::LoadForm(*this, description);
    FRows[0].Operators = cbOperator1;
    FRows[1].Operators = cbOperator2;
    rbAnd->SetChecked(true);
}

TuiFilterControlOperators TuiFilterDialog::GetDialogOperators() {
    TuiFilterControlOperators operators = FHelper.GetSupportedOperators(FProperties, FValueType, false);
    if (!FCriteria.LikeAvailable()) {
        operators.reset(fcopLike);
        operators.reset(fcopNotLike);
    }
    return operators;
}

void TuiFilterDialog::InitializeControls(rtl::UnicodeStringView columnCaption) {
    lblTitle->SetCaption(LoadResStringText(uiSFilterDialogRows));
    lblColumnCaption->SetCaption(rtl::UnicodeString(columnCaption) + u" ");
    PlaceColumnLine();
    rbAnd->SetCaption(LoadResStringText(uiSFilterDialogOperationAnd));
    rbOr->SetCaption(LoadResStringText(uiSFilterDialogOperationOr));
    const rtl::UnicodeString use = LoadResStringText(uiSFilterDialogUse) + u" ";
    lblSingle->SetCaption(use + FCriteria.UnderscoreWildcard() + u" " +
                          LoadResStringText(uiSFilterDialogSingleCharacter));
    lblSeries->SetCaption(use + FCriteria.PercentWildcard() + u" " +
                          LoadResStringText(uiSFilterDialogCharactersSeries));
    btnOK->SetCaption(LoadResStringText(uiSFilterControlDialogActionOkCaption));
    btnCancel->SetCaption(LoadResStringText(uiSFilterControlDialogActionCancelCaption));
    const TuiFilterControlOperators operators = GetDialogOperators();
    FillOperators(FRows[0], operators, false);
    FillOperators(FRows[1], operators, true);
    CreateValueEdit(FRows[0], *lblEdit1PlaceHolder);
    CreateValueEdit(FRows[1], *lblEdit2PlaceHolder);
    cbOperator1->SetTabOrder(0);
    FRows[0].ValueEdit->SetTabOrder(1);
    rbAnd->SetTabOrder(2);
    rbOr->SetTabOrder(3);
    cbOperator2->SetTabOrder(4);
    FRows[1].ValueEdit->SetTabOrder(5);
    btnOK->SetTabOrder(6);
    btnCancel->SetTabOrder(7);
}

void TuiFilterDialog::FillOperators(TDialogRow& row, const TuiFilterControlOperators& operators, bool withNone) {
    TuiComboBoxProperties& properties = row.Operators->ComboBoxProperties();
    if (withNone) {
        properties.Items().Add(u"");
        row.Numbers.push_back(fcopNone);
    }
    for (int32_t number = fcopEqual; number < uiFilterControlOperatorCount; ++number) {
        if (operators.test(static_cast<size_t>(number))) {
            properties.Items().Add(GetFilterOperatorCaption(number));
            row.Numbers.push_back(number);
        }
    }
    properties.SetDropDownRows(static_cast<int32_t>(row.Numbers.size()));
    properties.SetOnChange([this](rtl::TObject*) { OperatorChosen(); });
    properties.SetOnEditValueChanged([this](rtl::TObject*) { OperatorChosen(); });
}

void TuiFilterDialog::CreateValueEdit(TDialogRow& row, const vcl::TLabel& placeHolder) {
    TuiFilterEditPtr editor = CreateFilterEdit(FHelper, FProperties);
    if (editor == nullptr) {
        throw rtl::EInvalidOperation(u"The filter edit helper makes no editor");
    }
    editor->SetBoundsRect(placeHolder.BoundsRect());
    editor->SetParent(this);
    row.ValueEdit = editor.release();
}

void TuiFilterDialog::SetDialogLookAndFeel(TuiLookAndFeel& lookAndFeel) {
    for (const TDialogRow& row : FRows) {
        row.Operators->Style().LookAndFeel().SetMaster(&lookAndFeel);
        row.ValueEdit->Style().LookAndFeel().SetMaster(&lookAndFeel);
    }
    btnOK->LookAndFeel().SetMaster(&lookAndFeel);
    btnCancel->LookAndFeel().SetMaster(&lookAndFeel);
}

void TuiFilterDialog::LoadFromCriteria() {
    const TuiFilterControlOperators operators = GetDialogOperators();
    const bool stringType = FValueType != nullptr && FValueType->IsStringType();
    if (!(operators.test(fcopLike) && stringType && ChooseRowOperator(0, fcopLike)) &&
        !ChooseRowOperator(0, fcopEqual)) {
        cbOperator1->SetItemIndex(0);
    }
    ChooseRowOperator(1, fcopNone);
    if (const TuiFilterCriteriaItem* condition = FCriteria.FindConditionForItem(FItemLink)) {
        ShowCondition(FRows[0], *condition);
        const TuiFilterCriteriaItemList* list = condition->Parent();
        const auto* second = list != nullptr ? dynamic_cast<const TuiFilterCriteriaItem*>(list->GetItem(1)) : nullptr;
        if (list != &FCriteria.Root() && second != nullptr) {
            rbAnd->SetChecked(list->BoolOperator() == fboAnd);
            rbOr->SetChecked(list->BoolOperator() != fboAnd);
            ShowCondition(FRows[1], *second);
        }
    }
    OperatorChosen();
}

void TuiFilterDialog::ShowCondition(TDialogRow& row, const TuiFilterCriteriaItem& condition) {
    const int32_t rowIndex = RowIndex(row);
    ChooseRowOperator(rowIndex, KindToFilterControlOperator(condition.OperatorKind(), condition.Value().IsNull()));
    FHelper.ApplyFilterValue(*row.ValueEdit, FProperties, condition.Value());
}

int32_t TuiFilterDialog::RowOperator(int32_t row) const {
    const TDialogRow& dialogRow = FRows.at(row);
    // The shown entry: a change event comes before the combo box's item index follows the text.
    const int32_t index =
        dialogRow.Operators->ComboBoxProperties().Items().IndexOf(dialogRow.Operators->GetDisplayText());
    return index >= 0 && index < static_cast<int32_t>(dialogRow.Numbers.size()) ? dialogRow.Numbers[index] : fcopNone;
}

bool TuiFilterDialog::ChooseRowOperator(int32_t row, int32_t number) {
    const TDialogRow& dialogRow = FRows.at(row);
    const auto found = std::find(dialogRow.Numbers.begin(), dialogRow.Numbers.end(), number);
    if (found == dialogRow.Numbers.end()) {
        return false;
    }
    dialogRow.Operators->SetItemIndex(static_cast<int32_t>(found - dialogRow.Numbers.begin()));
    return true;
}

void TuiFilterDialog::OperatorChosen() {
    for (TDialogRow& row : FRows) {
        if (row.ValueEdit != nullptr) {
            UpdateWildcardChars(row);
        }
    }
    UpdateWildcardHints();
}

int32_t TuiFilterDialog::RowIndex(const TDialogRow& row) const {
    return &row == &FRows[0] ? 0 : 1;
}

bool TuiFilterDialog::IsLikeRow(int32_t row) const {
    const int32_t number = RowOperator(row);
    return number == fcopLike || number == fcopNotLike;
}

// A text editor takes the wildcards among the characters it always accepts while its row tests a pattern.
void TuiFilterDialog::UpdateWildcardChars(TDialogRow& row) {
    AcceptFilterWildcards(row.ValueEdit->GetEffectiveProperties(), FCriteria.PercentWildcard(),
                          FCriteria.UnderscoreWildcard(), IsLikeRow(RowIndex(row)));
}

void TuiFilterDialog::UpdateWildcardHints() {
    const bool shown = IsLikeRow(0) || IsLikeRow(1);
    lblSingle->SetVisible(shown);
    lblSeries->SetVisible(shown);
}

bool TuiFilterDialog::WildcardHintsShown() const {
    return lblSingle->Visible() && lblSeries->Visible();
}

bool TuiFilterDialog::CloseQuery() {
    if (!TForm::CloseQuery()) {
        return false;
    }
    if (ModalResult() != vcl::mrOk) {
        return true;
    }
    try {
        for (const TDialogRow& row : FRows) {
            row.ValueEdit->ValidateEnteredText(true);
        }
        if (btnOK->CanFocus()) {
            btnOK->SetFocus();
        }
        for (TDialogRow& row : FRows) {
            ReadDialogValue(row);
        }
    } catch (const std::exception&) {
        vcl::Application().ShowException(std::current_exception());
        return false;
    }
    return true;
}

void TuiFilterDialog::ReadDialogValue(TDialogRow& row) {
    row.Value = rtl::Variant::Null();
    row.DisplayText.clear();
    const int32_t rowIndex = RowIndex(row);
    if (row.Operators->GetItemIndex() < 0) {
        return;
    }
    FHelper.GetFilterValue(*row.ValueEdit, FProperties, row.DisplayText, row.Value);
    ValidateFilterValue(row.Value, RowOperator(rowIndex), FValueType, FHelper);
}

void TuiFilterDialog::ApplyToCriteria() {
    TuiFilterCriteriaChangesLock lock(FCriteria);
    FCriteria.Root().ChangeBoolOperator(fboAnd);
    FCriteria.RemoveItemsByLink(FItemLink);
    if (RowOperator(1) != fcopNone) {
        TuiFilterCriteriaItemList& list = FCriteria.Root().AddGroup(rbOr->Checked() ? fboOr : fboAnd);
        AddDialogCondition(&list, FRows[0]);
        AddDialogCondition(&list, FRows[1]);
    } else {
        AddDialogCondition(nullptr, FRows[0]);
    }
}

void TuiFilterDialog::AddDialogCondition(TuiFilterCriteriaItemList* list, const TDialogRow& row) {
    const int32_t rowIndex = RowIndex(row);
    const int32_t number = RowOperator(rowIndex);
    if (number == fcopNone) {
        return;
    }
    const bool blankTest = number == fcopBlanks || number == fcopNonBlanks;
    const rtl::Variant value = blankTest ? rtl::Variant::Null() : row.Value;
    const rtl::UnicodeString displayText =
        IsBlankVariant(value) ? GetFilterResourceString(uiSFilterBlankCaption) : row.DisplayText;
    FCriteria.AddItem(list, FItemLink, FilterControlOperatorToKind(number), value, displayText);
}

vcl::TSeam<IuiFilterDialogPresenter>& FilterDialogPresenterSeam() {
    return FilterDialogPresenter;
}

bool ShowCustomFilterDialog(TuiFilterCriteria& criteria, rtl::TObject* itemLink, TuiCustomEditProperties& properties,
                            rtl::UnicodeStringView columnCaption, const TuiValueType* valueType,
                            TuiLookAndFeel* lookAndFeel, const vcl::TFont* font) {
    const TuiCustomFilterEditHelper* helper = GetFilterEditsController().HelperForProperties(properties.ClassType());
    if (helper == nullptr || helper->FilterEditClass() == nullptr) {
        return false;
    }
    const std::unique_ptr<TuiFilterDialog, rtl::TComponentDeleter> dialog(
        new TuiFilterDialog(criteria, itemLink, *helper, properties, columnCaption, valueType, lookAndFeel, font));
    if (FilterDialogPresenter.Current().ShowFilterDialog(*dialog) != vcl::mrOk) {
        return false;
    }
    dialog->ApplyToCriteria();
    return true;
}

} // namespace ui
