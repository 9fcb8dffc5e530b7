#pragma once
// The facade's defined names: the class factory makes the model's name list and names of these classes, which compile
// each definition after a read and tell what it refers to: one cell or area of a sheet, which the name then resolves
// to, or a formula. A definition that does not compile keeps its text and is reported as a warning (2006 for an
// error in its text, 4011 when it yields no tokens); it never ends the read.

#include "rtl/text/StringTypes.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"

namespace xls {

class TXLSClassFactory;
class TXLSFormulaHandler;
class TXc12Manager;

// The workbook's defined names.
class TXLSNames : public TXc12DefinedNames {
public:
    // None of the references is owned; all must outlive the list.
    TXLSNames(TXLSClassFactory* factory, TXLSFormulaHandler& handler, TXc12Manager& manager);

    // Compiles the definition of every name that has no tokens yet and records what it refers to.
    void Refresh();

    TXLSFormulaHandler& GetHandler() const { return FHandler; }
    TXc12Manager& GetManager() const { return FManager; }

private:
    void CompileName(TXc12DefinedName& name);

    TXLSFormulaHandler& FHandler;
    TXc12Manager& FManager;
};

// One defined name, whose definition reads back from its compiled form.
class TXLSName : public TXc12DefinedName {
public:
    // names is the list that holds the name; not owned.
    explicit TXLSName(TXLSNames& names) : FNames(names) {}

    // The text of a definition that did not compile; else a cell or area as Sheet!$A$1, an error "#REF!", or the
    // formula decoded with external books as "[n]". Decoding may raise EXLSFormulaError.
    rtl::UnicodeString GetDefinition() const override;

private:
    TXLSNames& FNames;
};

} // namespace xls
