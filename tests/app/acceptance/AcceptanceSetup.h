#pragma once
// What a run of the program needs around it, made per run and removed at its end, also when the run fails: a work
// folder holding a copy of the distribution folder, the settings file beside the copied program, and an
// installation of the invoicing software as the program looks for it (the uninstall key in the registry and the
// seller's parameter file).

#include <string>

namespace acceptance {

// The program's file name in the distribution folder.
inline constexpr wchar_t ProgramFileName[] = L"Tallyvane.exe";

class TWorkFolder {
public:
    // A new folder in the temporary folder, named after the running test, with distFolder copied in as "dist".
    explicit TWorkFolder(const std::wstring& distFolder);
    TWorkFolder(const TWorkFolder&) = delete;
    TWorkFolder& operator=(const TWorkFolder&) = delete;
    ~TWorkFolder();

    // The folder, with a trailing backslash.
    const std::wstring& Path() const { return FPath; }
    // The copy of the distribution folder, with a trailing backslash, and the program in it.
    std::wstring ProgramFolder() const { return FPath + L"dist\\"; }
    std::wstring Program() const { return ProgramFolder() + ProgramFileName; }
    // The program's settings file: the program's name with ".ini".
    std::wstring SettingsFile() const;
    // Makes a folder inside (with those on its way); returns it with a trailing backslash.
    std::wstring MakeFolder(const std::wstring& relative) const;

private:
    std::wstring FPath;
};

// The invoicing software's uninstall key (DisplayIcon naming <folder>KP\kp.exe) and the seller's parameter file
// <folder>KP\<number>001\bin\<number>_QYXXParams.xml (GBK) holding the commodity-code version.
class TInvoicingSoftware {
public:
    TInvoicingSoftware(const std::wstring& folder, const std::wstring& sellerTaxNumber,
                       const std::wstring& codeVersion);
    TInvoicingSoftware(const TInvoicingSoftware&) = delete;
    TInvoicingSoftware& operator=(const TInvoicingSoftware&) = delete;
    ~TInvoicingSoftware();

    // Removes the uninstall key, so that the program finds no installation; true when there is none afterwards.
    static bool RemoveUninstallKey();
};

// The distribution folder the build made (the environment's TALLYVANE_DIST_DIR); empty when none is named.
std::wstring DistFolder();
// The running test as "<suite>.<test>", which names what a run leaves (its work folder, its screenshots).
std::string CurrentTestName();
// The bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& fileName);
// A value of the settings file as the program wrote it (in the ANSI code page); "(missing)" when it is absent.
std::wstring ReadSetting(const std::wstring& settingsFile, const wchar_t* section, const wchar_t* key);
// text in the ANSI code page (936) of the program's system.
std::string AnsiBytes(const std::wstring& text);
// Writes text in the ANSI code page (936), as the program's settings file is kept.
void WriteAnsiFile(const std::wstring& fileName, const std::wstring& text);
// The file version of the executable as four numbers joined by "."; empty without a version resource.
std::wstring FileVersionOf(const std::wstring& executable);

} // namespace acceptance
