#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include "rtl/core/Exceptions.h"
#include "tests/xls/core/model/worksheet/OneKindFactory.h"

#include <gtest/gtest.h>
#include <memory>

namespace xls {
namespace {

// The facade's part: following the areas is not this unit's business.
template <class TBase>
class TFacadeItem : public TBase {
public:
    bool Intersects(const TXLSCellAreaRec&) const override { return false; }
    void CopyCells(const TXLSCellAreaRec&, int32_t, int32_t) override {}
    void DeleteCells(const TXLSCellAreaRec&) override {}
    void ClipTo(const TXLSCellAreaRec&) override {}
    void Offset(int32_t, int32_t) override {}
    void MoveCells(const TXLSCellAreaRec&, int32_t, int32_t) override {}
    void Assign(const TXLSMoveCopyItem&) override {}
};

class TFacadeConditionalFormattings : public TXc12ConditionalFormattings {
public:
    using TXc12ConditionalFormattings::TXc12ConditionalFormattings;

protected:
    std::unique_ptr<TXc12ConditionalFormatting> NewItem() override {
        return std::make_unique<TFacadeItem<TXc12ConditionalFormatting>>();
    }
};

using TValidationFactory = model_test::TOneKindFactory<TFacadeItem<TXc12DataValidation>>;

TEST(Xc12DataWorksheet5CondFmts, ANewRuleHasNothingGivenAndTheSchemaDefaults) {
    TXc12CfRules rules;
    TXc12CfRule* rule = rules.Add();
    EXPECT_EQ(rules.GetItem(0), rule);
    EXPECT_EQ(rule->GetType(), 255);
    EXPECT_EQ(rule->GetOperator(), 255);
    EXPECT_EQ(rule->GetTimePeriod(), 255);
    EXPECT_TRUE(rule->GetAboveAverage());
    EXPECT_EQ(rule->GetDXF(), nullptr);
    for (int32_t i = 0; i < TXc12CfRule::FormulaCount; ++i) {
        EXPECT_TRUE(rule->GetFormula(i).empty());
    }
    TXc12DataBar& dataBar = rule->GetDataBar();
    EXPECT_EQ(dataBar.GetMinLength(), 10);
    EXPECT_EQ(dataBar.GetMaxLength(), 90);
    EXPECT_TRUE(dataBar.GetShowValue());
    EXPECT_EQ(dataBar.GetColor().ColorType, exctUnassigned);
    EXPECT_TRUE(dataBar.GetCfvo1().GetGte());
    TXc12IconSet& iconSet = rule->GetIconSet();
    EXPECT_EQ(iconSet.GetIconSet(), Xc12IconSet3TrafficLights1);
    EXPECT_TRUE(iconSet.GetShowValue());
    EXPECT_TRUE(iconSet.GetPercent());
    EXPECT_FALSE(iconSet.GetReverse());
}

TEST(Xc12DataWorksheet5CondFmts, SetFormulaTakesOnlyTheThreeSlots) {
    struct Case {
        int32_t index;
        bool raises;
    };
    const Case cases[] = {{0, false}, {2, false}, {3, true}, {-1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        TXc12CfRule rule;
        rule.SetFormula(1, u"A1>0");
        if (c.raises) {
            try {
                rule.SetFormula(c.index, u"B1");
                ADD_FAILURE() << "no exception";
            } catch (const rtl::Exception& e) {
                EXPECT_EQ(e.Message(), u"Index out of range");
            }
            EXPECT_EQ(rule.GetFormula(1), u"A1>0");
            EXPECT_THROW(rule.GetFormula(c.index), rtl::Exception);
            continue;
        }
        rule.SetFormula(c.index, u"B1");
        EXPECT_EQ(rule.GetFormula(c.index), u"B1");
        EXPECT_EQ(rule.GetFormula(1), u"A1>0");
    }
}

TEST(Xc12DataWorksheet5CondFmts, ClearResetsARuleAndItsMembers) {
    TXc12CfRule rule;
    rule.SetType(3);
    rule.SetFormula(2, u"1");
    rule.SetAboveAverage(false);
    rule.GetColorScale().GetCfvos().Add()->SetVal(u"50");
    rule.GetColorScale().GetColors().AddColor(TXc12ColorRec());
    rule.GetDataBar().SetMinLength(0);
    rule.GetDataBar().GetCfvo2().SetVal(u"7");
    rule.GetIconSet().SetIconSet(9);
    rule.GetIconSet().GetCfvos().Add();
    rule.Clear();
    EXPECT_EQ(rule.GetType(), 255);
    EXPECT_TRUE(rule.GetFormula(2).empty());
    EXPECT_TRUE(rule.GetAboveAverage());
    EXPECT_EQ(rule.GetColorScale().GetCfvos().Count(), 0);
    EXPECT_EQ(rule.GetColorScale().GetColors().Count(), 0);
    EXPECT_EQ(rule.GetDataBar().GetMinLength(), 10);
    EXPECT_TRUE(rule.GetDataBar().GetCfvo2().GetVal().empty());
    EXPECT_EQ(rule.GetIconSet().GetIconSet(), Xc12IconSet3TrafficLights1);
    // An icon set's Clear resets its settings only; its value points stay.
    EXPECT_EQ(rule.GetIconSet().GetCfvos().Count(), 1);
}

TEST(Xc12DataWorksheet5CondFmts, ConditionalFormatsAreMadeByTheSubclassAndClearKeepsPivot) {
    TValidationFactory factory(TValidationFactory::mkNothing);
    TFacadeConditionalFormattings formats(&factory);
    TXc12ConditionalFormatting* format = formats.Add();
    EXPECT_EQ(formats.GetItem(0), format);
    TXLSMoveCopyItem* second = formats.AddItem();
    EXPECT_EQ(formats.GetItem(1), second);
    EXPECT_NE(dynamic_cast<TFacadeItem<TXc12ConditionalFormatting>*>(second), nullptr);
    format->SetPivot(true);
    format->GetRanges().AddArea(0, 0, 3, 9);
    format->GetRules().Add()->SetPriority(1);
    format->Clear();
    EXPECT_TRUE(format->GetPivot());
    EXPECT_EQ(format->GetRanges().Count(), 0);
    EXPECT_EQ(format->GetRules().Count(), 0);
}

TEST(Xc12DataWorksheet5CondFmts, DataValidationsComeFromTheClassFactory) {
    struct Case {
        const char* name;
        TValidationFactory::TMakes makes;
        bool raises;
    };
    const Case cases[] = {
        {"facade class", TValidationFactory::mkMade, false},
        {"factory makes nothing of the kind", TValidationFactory::mkNothing, true},
        {"factory makes another class", TValidationFactory::mkWrongClass, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TValidationFactory factory(c.makes);
        TXc12DataValidations validations(&factory);
        if (c.raises) {
            EXPECT_THROW(validations.Add(), rtl::EInvalidCast);
            EXPECT_EQ(validations.Count(), 0);
            continue;
        }
        TXc12DataValidation* validation = validations.Add();
        EXPECT_EQ(factory.Kind, xckDataValidation);
        EXPECT_EQ(factory.Owner, &validations);
        EXPECT_EQ(validations.GetItem(0), validation);
    }
    TXc12DataValidations noFactory(nullptr);
    EXPECT_THROW(noFactory.AddItem(), rtl::EInvalidCast);
}

TEST(Xc12DataWorksheet5CondFmts, ClearingDataValidationsResetsTheSharedSettings) {
    TValidationFactory factory(TValidationFactory::mkMade);
    TXc12DataValidations validations(&factory);
    TXc12DataValidation* validation = validations.Add();
    validation->SetType(3);
    validation->SetShowErrorMessage(1);
    validation->SetPrompt(u"Pick one");
    validation->SetFormula2(u"10");
    validation->GetRanges().AddCell(1, 1);
    validation->Clear();
    EXPECT_EQ(validation->GetType(), 0);
    EXPECT_EQ(validation->GetShowErrorMessage(), 0);
    EXPECT_TRUE(validation->GetPrompt().empty());
    EXPECT_TRUE(validation->GetFormula2().empty());
    EXPECT_EQ(validation->GetRanges().Count(), 0);

    validations.SetDisablePrompts(true);
    validations.SetXWindow(120);
    validations.SetYWindow(40);
    validations.Clear();
    EXPECT_EQ(validations.Count(), 0);
    EXPECT_FALSE(validations.GetDisablePrompts());
    EXPECT_EQ(validations.GetXWindow(), 0);
    EXPECT_EQ(validations.GetYWindow(), 0);
}

TEST(Xc12DataWorksheet5CondFmts, ColorsKeepCopiesInOrder) {
    TXc12Colors colors;
    TXc12ColorRec color;
    color.ColorType = exctRgb;
    color.ARGB = 0xFFF8696B;
    colors.AddColor(color);
    color.ARGB = 0xFF63BE7B;
    colors.AddColor(color);
    color.ARGB = 0;
    EXPECT_EQ(colors.GetItem(0).ARGB, 0xFFF8696Bu);
    EXPECT_EQ(colors.GetItem(1).ARGB, 0xFF63BE7Bu);
    EXPECT_THROW(colors.GetItem(2), rtl::EListError);
    EXPECT_THROW(colors.GetItem(-1), rtl::EListError);
    colors.Clear();
    EXPECT_EQ(colors.Count(), 0);
}

} // namespace
} // namespace xls
