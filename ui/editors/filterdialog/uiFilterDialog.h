#pragma once
// TuiFilterDialog: the "Custom Filter" dialog of one column: one or two conditions, each an operator picked from a
// list and a value typed into an editor of the column's kind (made by the column's filter edit helper), joined by AND
// or OR. Closing it with OK checks both values; ShowCustomFilterDialog then replaces the column's conditions in the
// filter by what the dialog shows. The dialog is shown through a presenter, which a test replaces so that it drives
// the dialog itself instead of waiting for a person.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "vcl/forms/Form.h"
#include "vcl/system/Seam.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vcl {
class TBevel;
class TFont;
class TLabel;
class TRadioButton;
} // namespace vcl

namespace ui {

class TuiButton;
class TuiComboBox;
class TuiCustomEdit;
class TuiCustomEditProperties;
class TuiFilterCriteria;
class TuiFilterCriteriaItem;
class TuiFilterCriteriaItemList;
class TuiLookAndFeel;
class TuiValueType;

class TuiFilterDialog : public vcl::TForm {
    RTL_DECLARE_CLASS(TuiFilterDialog, vcl::TForm)
public:
    // The dialog of the column that itemLink names in criteria (neither owned), its values typed into editors of the
    // helper made from properties, its operators those the helper offers for valueType; the controls follow
    // lookAndFeel and the dialog takes font, each when given. Built and loaded from the criteria, not shown.
    TuiFilterDialog(TuiFilterCriteria& criteria, rtl::TObject* itemLink, const TuiCustomFilterEditHelper& helper,
                    TuiCustomEditProperties& properties, rtl::UnicodeStringView columnCaption,
                    const TuiValueType* valueType, TuiLookAndFeel* lookAndFeel, const vcl::TFont* font);
    ~TuiFilterDialog() override;

    // With OK the two values must be acceptable: an editor's refused entry or a value the column cannot take is
    // shown and keeps the dialog open.
    bool CloseQuery() override;
    // Replaces the column's conditions by the dialog's rows, in one change of the criteria; the root joins by AND.
    void ApplyToCriteria();

    // The controls of the two rows (0 and 1), for the program and for tests.
    TuiComboBox& OperatorCombo(int32_t row) const { return *FRows.at(row).Operators; }
    TuiCustomEdit& ValueEdit(int32_t row) const { return *FRows.at(row).ValueEdit; }
    // The operator number chosen in a row; 0 for none (the second row's empty entry).
    int32_t RowOperator(int32_t row) const;
    // Chooses an operator in a row as the user does; False when the row does not offer it.
    bool ChooseRowOperator(int32_t row, int32_t number);
    vcl::TRadioButton& AndButton() const { return *rbAnd; }
    vcl::TRadioButton& OrButton() const { return *rbOr; }
    TuiButton& OKButton() const { return *btnOK; }
    TuiButton& CancelButton() const { return *btnCancel; }
    // The two wildcard hints, shown while a row tests "like" or "not like".
    bool WildcardHintsShown() const;
    const TuiCustomFilterEditHelper& Helper() const { return FHelper; }

    // The form's controls, which its description fills.
    vcl::TLabel* lblTitle = nullptr;
    vcl::TLabel* lblColumnCaption = nullptr;
    vcl::TBevel* bvlLine = nullptr;
    TuiComboBox* cbOperator1 = nullptr;
    vcl::TLabel* lblEdit1PlaceHolder = nullptr;
    vcl::TRadioButton* rbAnd = nullptr;
    vcl::TRadioButton* rbOr = nullptr;
    TuiComboBox* cbOperator2 = nullptr;
    vcl::TLabel* lblEdit2PlaceHolder = nullptr;
    vcl::TLabel* lblSingle = nullptr;
    vcl::TLabel* lblSeries = nullptr;
    TuiButton* btnOK = nullptr;
    TuiButton* btnCancel = nullptr;

protected:
    // The operators the rows offer: the helper's for the column, without the two "like" operators when the criteria
    // has no LIKE.
    virtual TuiFilterControlOperators GetDialogOperators();
    virtual void InitializeControls(rtl::UnicodeStringView columnCaption);
    virtual void LoadFromCriteria();
    virtual void SetDialogLookAndFeel(TuiLookAndFeel& lookAndFeel);

private:
    struct TDialogRow {
        TuiComboBox* Operators = nullptr;   // owned by the dialog
        TuiCustomEdit* ValueEdit = nullptr; // freed with the dialog, its parent
        std::vector<int32_t> Numbers;       // the operator number of each entry of Operators
        rtl::Variant Value;
        rtl::UnicodeString DisplayText;
    };

    void LoadForm();
    void PlaceColumnLine();
    void FillOperators(TDialogRow& row, const TuiFilterControlOperators& operators, bool withNone);
    void CreateValueEdit(TDialogRow& row, const vcl::TLabel& placeHolder);
    void ShowCondition(TDialogRow& row, const TuiFilterCriteriaItem& condition);
    void OperatorChosen();
    void UpdateWildcardChars(TDialogRow& row);
    void UpdateWildcardHints();
    void ReadDialogValue(TDialogRow& row);
    void AddDialogCondition(TuiFilterCriteriaItemList* list, const TDialogRow& row);
    int32_t RowIndex(const TDialogRow& row) const;
    bool IsLikeRow(int32_t row) const;

    TuiFilterCriteria& FCriteria; // not owned
    rtl::TObject* FItemLink;      // not owned
    const TuiCustomFilterEditHelper& FHelper;
    TuiCustomEditProperties& FProperties; // not owned
    const TuiValueType* FValueType;       // not owned
    std::array<TDialogRow, 2> FRows;
};

// Shows a custom filter dialog modally and answers how it closed.
class IuiFilterDialogPresenter {
public:
    virtual vcl::TModalResult ShowFilterDialog(TuiFilterDialog& dialog) = 0;

protected:
    ~IuiFilterDialogPresenter() = default;
};

// The presenter in use: the dialog's own ShowModal, unless a test injects another.
vcl::TSeam<IuiFilterDialogPresenter>& FilterDialogPresenterSeam();

// The dialog for the column that itemLink names, when a filter edit helper serves the class of properties (else
// False at once). With OK the column's conditions become the dialog's; the answer is whether it closed with OK.
bool ShowCustomFilterDialog(TuiFilterCriteria& criteria, rtl::TObject* itemLink, TuiCustomEditProperties& properties,
                            rtl::UnicodeStringView columnCaption, const TuiValueType* valueType,
                            TuiLookAndFeel* lookAndFeel, const vcl::TFont* font);

} // namespace ui
