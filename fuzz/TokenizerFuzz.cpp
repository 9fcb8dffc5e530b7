// Tokenizes the input, read as UTF-16LE code units, as a formula text: once with an error manager that raises, once
// with one that keeps the errors, so that scanning goes on after each. Every token must lie within the text. What
// tokenizes is then encoded against a small workbook (two sheets, a defined name, a table) and the tokens decoded,
// encoded and decoded again: formula text and tokens of any kind must give errors, never a crash or a hang.

#include "rtl/core/Exceptions.h"
#include "tests/xls/core/model/XLSPlainModelFactory.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/formula/tokenizer/XLSTokenizer.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataTable5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

void CheckTokens(const xls::TXLSTokenList& tokens, size_t textSize) {
    for (int32_t index = 0; index < tokens.Count(); ++index) {
        const xls::TXLSToken& token = tokens.GetToken(index);
        if (token.Start < 0 || token.Start > token.End || static_cast<size_t>(token.End) > textSize) {
            std::abort();
        }
    }
}

void Tokenize(const rtl::UnicodeString& text, bool keepErrors) {
    xls::TXLSErrorManager errors;
    errors.SetSaveToList(keepErrors);
    xls::TXLSTokenizer tokenizer(errors);
    tokenizer.SetText(text);
    try {
        if (const auto tokens = tokenizer.Tokenize()) {
            CheckTokens(*tokens, text.size());
        }
    } catch (const rtl::Exception&) {
    }
}

// Sheet1 with a table Table1 on B2:D6 (columns A, B, C), My Sheet, and the workbook name Rate.
struct TFuzzModel {
    xls::TXLSErrorManager Errors;
    xls::model_test::TPlainModelFactory Factory;
    xls::TXc12Manager Manager{&Factory, &Errors};
    xls::TXLSFormulaHandler Handler{Manager};

    TFuzzModel() {
        Manager.CreateParts();
        Manager.Worksheets().Add(-1)->SetName(u"Sheet1");
        Manager.Worksheets().Add(-1)->SetName(u"My Sheet");
        Manager.Workbook().GetDefinedNames().AddName(u"Rate", -1);
        xls::TXc12Table* table = Manager.Worksheets().GetItem(0)->GetTables().Add();
        table->SetName(u"Table1");
        table->SetArea({1, 5, 1, 3});
        for (const char16_t* column : {u"A", u"B", u"C"}) {
            table->GetColumns().Add()->SetName(column);
        }
    }
};

void EncodeAndDecode(TFuzzModel& model, const rtl::UnicodeString& text) {
    try {
        std::vector<uint8_t> ptgs;
        if (model.Handler.EncodeFormula(text, ptgs, 0) == 0) {
            return;
        }
        rtl::UnicodeString decoded;
        model.Handler.DecodeFormula(&model.Manager.Worksheets().GetItem(0)->GetCells(), 0, decoded, false, ptgs);
        std::vector<uint8_t> again;
        if (model.Handler.EncodeFormula(decoded, again, 0) > 0) {
            model.Handler.DecodeFormula(nullptr, 0, decoded, true, again);
            static_cast<void>(xls::TXLSFormulaHandler::TranslateRelativeRefs(again, 3, -2));
        }
    } catch (const rtl::Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rtl::UnicodeString text(size / 2, u'\0');
    for (size_t index = 0; index < text.size(); ++index) {
        text[index] = static_cast<char16_t>(data[index * 2] | (data[index * 2 + 1] << 8));
    }
    Tokenize(text, false);
    Tokenize(text, true);
    static TFuzzModel model;
    EncodeAndDecode(model, text);
    return 0;
}
