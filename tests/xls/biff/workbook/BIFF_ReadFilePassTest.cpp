#include "tests/support/TestSupport.h"
#include "tests/xls/biff/crypto/CryptoTestSupport.h"
#include "xls/biff/stream/BIFF_FilePass.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace xls {
namespace {

using test::Concat;
using test::DWord;
using test::Record;
using test::TBIFFModel;
using test::TBytes;
using test::TRecordBytes;
using test::Word;
using test_support::Utf8;

constexpr uint16_t RecordLabelSST = 0x00FD;
constexpr uint16_t RecordNumber = 0x0203;
constexpr uint16_t RecordRK = 0x027E;
constexpr uint16_t RecordFormula = 0x0006;

// A workbook whose FILEPASS names the encryption of filePass and whose records after it are encrypted with
// password: a shared string "lorem ipsum", one sheet "Sales" with A1 that string and B1 the number 3.
TBytes EncryptedWorkbook(const TBytes& filePass, std::u16string_view password) {
    const TBytes text = test::Bytes8("lorem ipsum");
    const TBytes records = Concat(
        {test::BOF8(test::SubstreamGlobals), Record(BIFFRecordFilePass, filePass),
         Record(BIFFRecordSST, Concat({DWord(1), DWord(1), Word(static_cast<uint16_t>(text.size())), {0}, text})),
         test::BoundSheet8(u"Sales"), test::EOFRecord(),
         test::Substream8(test::SubstreamWorksheet,
                          {Record(RecordLabelSST, Concat({Word(0), Word(0), Word(15), DWord(0)})),
                           Record(RecordRK, Concat({Word(0), Word(1), Word(15), DWord(0x0E)}))})});
    return test::CompoundWorkbook(test::EncryptRecords(records, FilePassEncryption(filePass, xvExcel97), password));
}

TBytes ExampleWorkbook() {
    return EncryptedWorkbook(test::FilePassRC4(), test::ExamplePassword);
}

// Whether the workbook was read whole: its shared string and its sheet.
bool ReadWhole(const TBIFFModel& model) {
    return model.Manager.SST().Count() == 1 && model.Manager.SST().GetString(0) == u"lorem ipsum" &&
           model.Manager.Worksheets().Count() == 1 && model.Sheet(0).GetName() == u"Sales";
}

TEST(TXLSReadBIFF, TheModelsPasswordOrThePasswordEventOpensAnEncryptedWorkbook) {
    TBIFFModel given;
    given.Manager.SetPassword(test::ExamplePassword);
    given.Read(ExampleWorkbook());
    EXPECT_TRUE(ReadWhole(given));
    EXPECT_EQ(given.Errors.LastError(), 0);
    EXPECT_EQ(given.Biff.PasswordInUse(), u"") << "only the default password is remembered";

    TBIFFModel asked;
    asked.Manager.SetPassword(u"first guess");
    rtl::TObject* sender = nullptr;
    rtl::UnicodeString offered;
    asked.Manager.SetOnPassword([&](rtl::TObject* from, rtl::UnicodeString& password) {
        sender = from;
        offered = password;
        password = test::ExamplePassword;
    });
    asked.Read(ExampleWorkbook());
    EXPECT_TRUE(ReadWhole(asked));
    EXPECT_EQ(sender, &asked.Manager);
    EXPECT_EQ(offered, u"first guess");
}

TEST(TXLSReadBIFF, AWorkbookEncryptedWithTheDefaultPasswordOpensWithoutOne) {
    TBIFFModel model;
    model.Read(EncryptedWorkbook(test::FilePassRC4(test::DefaultSalt, test::DefaultVerifier, test::DefaultVerifierHash),
                                 BIFFDefaultPassword));
    EXPECT_TRUE(ReadWhole(model));
    EXPECT_EQ(model.Biff.PasswordInUse(), u"VelvetSweatshop");
}

TEST(TXLSReadBIFF, DecryptionFailuresAreReportedAndEndTheRead) {
    const TBytes xor8 = Concat({Word(0), Word(0x1234), Word(0x5678)});
    const TBytes rc4 = test::FilePassRC4();
    struct TCase {
        const char* What;
        TBytes File;
        const char16_t* Password;
        bool AskEvent;
        int32_t Error;
    };
    const TCase cases[] = {
        {"wrong password", ExampleWorkbook(), u"password2", false, XLSErrorPasswordWrong},
        {"no password and not the default one", ExampleWorkbook(), u"", false, XLSErrorPasswordMissing},
        {"the event gives no password", ExampleWorkbook(), u"", true, XLSErrorPasswordMissing},
        {"XOR obfuscation", test::CompoundWorkbook(test::Workbook8WithSheet({Record(BIFFRecordFilePass, xor8)})),
         test::ExamplePassword, false, XLSErrorUnknownEncryption},
        {"BIFF5 XOR obfuscation",
         test::CompoundWorkbook(Concat({test::BOF5(test::SubstreamGlobals), Record(BIFFRecordFilePass, DWord(7)),
                                        test::BoundSheet5(test::Bytes8("S")), test::EOFRecord(),
                                        test::Substream5(test::SubstreamWorksheet, {})}),
                                u"Book"),
         u"", false, XLSErrorUnknownEncryption},
        {"RC4 header cut short",
         test::CompoundWorkbook(
             test::Workbook8WithSheet({Record(BIFFRecordFilePass, TBytes(rc4.begin(), rc4.end() - 1))})),
         test::ExamplePassword, false, XLSErrorUnknownEncryption},
    };
    for (const TCase& c : cases) {
        // The error manager of the test model lists errors instead of raising them: the read ends all the same,
        // before any encrypted record is taken for a plain one.
        TBIFFModel listing;
        listing.Manager.SetPassword(c.Password);
        if (c.AskEvent) {
            listing.Manager.SetOnPassword([](rtl::TObject*, rtl::UnicodeString&) {});
        }
        listing.Read(c.File);
        EXPECT_EQ(listing.Errors.LastError(), c.Error) << c.What;
        EXPECT_EQ(listing.WarningNumbers(), std::vector<int32_t>{c.Error}) << c.What;
        EXPECT_EQ(listing.Manager.SST().Count(), 0) << c.What;
        EXPECT_EQ(listing.Biff.Sheets().Count(), 1) << c.What << ": a failed read leaves one empty sheet";

        TBIFFModel raising;
        raising.Errors.SetSaveToList(false);
        raising.Manager.SetPassword(c.Password);
        const std::string message = test_support::MessageOf([&] { raising.Read(c.File); });
        EXPECT_NE(message.find(Utf8(TXLSErrorManager::BuildMessage(u"", c.Error))), std::string::npos)
            << c.What << ": " << message;
    }
    EXPECT_EQ(Utf8(TXLSErrorManager::BuildMessage(u"", XLSErrorPasswordMissing)),
              "1003: File is encrypted, password missing. If you think the file is unencrypted, try "
              "\"VelvetSweatshop\"");
}

TEST(TXLSReadBIFF, WithTheSkipPasswordFlagTheReadEndsQuietlyAtFilePass) {
    TBIFFModel model;
    model.Manager.SetSkipPassword(true);
    bool asked = false;
    model.Manager.SetOnPassword([&](rtl::TObject*, rtl::UnicodeString&) { asked = true; });
    model.Read(ExampleWorkbook());
    EXPECT_TRUE(asked);
    EXPECT_TRUE(model.Errors.Messages().empty());
    EXPECT_EQ(model.Manager.SST().Count(), 0);
    EXPECT_EQ(model.Biff.Sheets().Count(), 1);
}

// The cells of a record stream: the record at row, col among LABELSST, NUMBER, RK and FORMULA.
const TRecordBytes* CellRecord(const std::vector<TRecordBytes>& records, uint16_t row, uint16_t col) {
    for (const TRecordBytes& record : records) {
        const bool cell = record.Id == RecordLabelSST || record.Id == RecordNumber || record.Id == RecordRK ||
                          record.Id == RecordFormula;
        if (cell && record.Body.size() >= 10 && TBIFFBody(record.Body).Word(0) == row &&
            TBIFFBody(record.Body).Word(2) == col) {
            return &record;
        }
    }
    return nullptr;
}

std::optional<double> CellNumber(const std::vector<TRecordBytes>& records, uint16_t row, uint16_t col) {
    const TRecordBytes* record = CellRecord(records, row, col);
    if (record == nullptr || record->Id == RecordLabelSST) {
        return std::nullopt;
    }
    const TBIFFBody body(record->Body);
    return record->Id == RecordRK ? DecodeRK(body.DWord(6)) : body.Double(6);
}

std::optional<uint32_t> CellString(const std::vector<TRecordBytes>& records, uint16_t row, uint16_t col) {
    const TRecordBytes* record = CellRecord(records, row, col);
    return record != nullptr && record->Id == RecordLabelSST ? std::optional(TBIFFBody(record->Body).DWord(6))
                                                             : std::nullopt;
}

// The records of a workbook but those that hold stream offsets, which FILEPASS shifts (BOUNDSHEET, INDEX, DBCELL,
// EXTSST), and FILEPASS itself or the zeroed record that stands in its place in a decrypted twin.
std::vector<TRecordBytes> OffsetFreeRecords(std::vector<TRecordBytes> records) {
    std::erase_if(records, [](const TRecordBytes& record) {
        return record.Id == BIFFRecordBoundSheet || record.Id == BIFFRecordIndex || record.Id == BIFFRecordDBCell ||
               record.Id == BIFFRecordExtSST || record.Id == BIFFRecordFilePass || record.Id == 0;
    });
    return records;
}

void ExpectSameRecords(const std::vector<TRecordBytes>& actual, const std::vector<TRecordBytes>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].Id, expected[i].Id) << "record " << i;
        EXPECT_EQ(actual[i].Body, expected[i].Body) << "record " << i << " " << actual[i].Id;
    }
}

// A1 "lorem ipsum" and B1 3 of an encrypted workbook and of its plain twin, in their decrypted records and in what
// the reader makes of them; the twin's records are the decrypted ones, but those that hold stream offsets.
void ExpectTwins(const rtl::UnicodeString& encrypted, const rtl::UnicodeString& plain,
                 rtl::UnicodeStringView password) {
    const std::vector<TRecordBytes> decrypted = test::DecryptedRecords(encrypted, password);
    ExpectSameRecords(OffsetFreeRecords(decrypted), OffsetFreeRecords(test::DecryptedRecords(plain, u"")));
    EXPECT_EQ(CellNumber(decrypted, 0, 1), 3.0);
    const std::optional<uint32_t> a1 = CellString(decrypted, 0, 0);
    ASSERT_TRUE(a1.has_value());
    for (const rtl::UnicodeString& file : {encrypted, plain}) {
        TBIFFModel model;
        model.Manager.SetPassword(password);
        model.Biff.SetFilename(file);
        model.Biff.LoadFromFile();
        EXPECT_EQ(model.Errors.LastError(), 0) << Utf8(file);
        ASSERT_GT(model.Manager.SST().Count(), static_cast<int32_t>(*a1)) << Utf8(file);
        EXPECT_EQ(Utf8(model.Manager.SST().GetString(static_cast<int32_t>(*a1))), "lorem ipsum") << Utf8(file);
    }
}

TEST(TXLSReadBIFF, ALibreOfficeRC4WorkbookGivesItsPlainTwinsRecords) {
    const rtl::UnicodeString encrypted = test_support::DataPath("biff/libreoffice-rc4.xls");
    const std::vector<TRecordBytes> records = test::DecryptedRecords(encrypted, u"Tallyvane-41");
    ASSERT_FALSE(records.empty());
    ASSERT_EQ(records[1].Id, BIFFRecordFilePass);
    EXPECT_EQ(FilePassEncryption(records[1].Body, xvExcel97).Kind, bekRC4) << "LibreOffice writes version 1.1";
    EXPECT_EQ(CellNumber(records, 120, 1), 180.0);
    ExpectTwins(encrypted, test_support::DataPath("biff/libreoffice-plain.xls"), u"Tallyvane-41");
}

TEST(TXLSReadBIFF, CorpusEncryptedWorkbooksOpenWithTheirPasswords) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus";
    }
    const rtl::UnicodeString msoffcrypto = test_support::CorpusDir() + u"/msoffcrypto/tests/";
    ExpectTwins(msoffcrypto + u"inputs/rc4cryptoapi_password.xls",
                msoffcrypto + u"outputs/rc4cryptoapi_password_plain.xls", u"Password1234_");

    TBIFFModel issue385;
    issue385.Biff.SetFilename(test_support::CorpusDir() + u"/calamine/tests/issue_385.xls");
    issue385.Biff.LoadFromFile();
    EXPECT_EQ(issue385.Errors.LastError(), 0);
    EXPECT_EQ(issue385.Biff.PasswordInUse(), u"VelvetSweatshop");
    ASSERT_EQ(issue385.Manager.Worksheets().Count(), 1);
    EXPECT_EQ(issue385.Sheet(0).GetName(), u"Sheet1") << "named by the decrypted sheet list";

    struct TCase {
        const char16_t* File;
        const char16_t* Password;
        int32_t Error;
    };
    const TCase failures[] = {
        {u"inputs/rc4cryptoapi_password.xls", u"Password1234", XLSErrorPasswordWrong},
        {u"inputs/rc4cryptoapi_password.xls", u"", XLSErrorPasswordMissing},
        {u"inputs/xor_password_123456789012345.xls", u"123456789012345", XLSErrorUnknownEncryption},
    };
    for (const TCase& c : failures) {
        TBIFFModel model;
        model.Manager.SetPassword(c.Password);
        model.Biff.SetFilename(msoffcrypto + c.File);
        model.Biff.LoadFromFile();
        EXPECT_EQ(model.Errors.LastError(), c.Error) << Utf8(c.File);
    }
}

} // namespace
} // namespace xls
