#include "xls/core/model/styles/Xc12DataStyleSheet5NumFmts.h"

#include "xls/core/base/XLSUtils.h"

namespace xls {

namespace {

// The built-in formats that have a text; the other ids up to 49 have none.
struct TBuiltInFormat {
    int32_t Id;
    rtl::UnicodeStringView Text;
};

// clang-format off
constexpr TBuiltInFormat BuiltInFormats[] = {
    {1, u"0"}, {2, u"0.00"}, {3, u"#,##0"}, {4, u"#,##0.00"}, {9, u"0%"}, {10, u"0.00%"}, {11, u"0.00E+00"},
    {12, u"# ?/?"}, {13, u"# \?\?/\?\?"}, {14, u"m/d/yy"}, {15, u"d-mmm-y"}, {16, u"d-mmm"}, {17, u"mmmm-yy"},
    {18, u"h:mm AM/PM"}, {19, u"h:mm:ss AM/PM"}, {20, u"h:mm"}, {21, u"h:mm:SS"}, {22, u"m/d/yy h:mm"},
    {37, u"_(#,##0_);(#,##0)"}, {38, u"_(#,##0_);[Red](#,##0)"}, {39, u"_(#,##0.00_);(#,##0.00)"},
    {40, u"_(#,##0.00_);[Red](#,##0.00)"}, {45, u"mm:ss"}, {46, u"[h]:mm:ss"}, {47, u"mm:ss.0"},
    {48, u"# #0.0E+0"}, {49, u"@"},
};
// clang-format on

} // namespace

void TXc12NumberFormat::SetText(rtl::UnicodeStringView text) {
    FText = text;
    SetHashValid(false);
}

void TXc12NumberFormat::Assign(const TXc12NumberFormat& other) {
    if (!Predefined()) {
        SetText(other.FText);
    }
}

bool TXc12NumberFormat::Equals(const TXLSStyleObject& other) const {
    const auto* format = dynamic_cast<const TXc12NumberFormat*>(&other);
    return format != nullptr && FText == format->FText;
}

void TXc12NumberFormat::DumpText(int32_t level, rtl::UnicodeString& text) const {
    text += IndentText(level);
    text += FText.empty() ? rtl::UnicodeString(u"@") : FText;
}

void TXc12NumberFormat::CalcHash() {
    // Format texts are cell-sized, far below the 1 GiB whose bytes would not fit the count.
    SetHash(static_cast<int32_t>(Crc32(FText.data(), static_cast<int32_t>(FText.size() * sizeof(char16_t)))));
    SetHashValid(true);
}

TXc12NumberFormat* TXc12NumberFormats::AddFormat(rtl::UnicodeStringView text, bool predefined) {
    TXc12NumberFormat* format = Add();
    format->SetText(text);
    format->SetPredefined(predefined);
    return format;
}

TXc12NumberFormat* TXc12NumberFormats::SetFormatAt(rtl::UnicodeStringView text, int32_t id) {
    CheckListIndex(id, MaxId + 1);
    while (Count() <= id) {
        Add();
    }
    TXc12NumberFormat* format = GetItem(id);
    format->SetText(text);
    if (id < BuiltInCount) {
        format->FBuiltInChanged = true;
    }
    return format;
}

void TXc12NumberFormats::AddDefaults() {
    for (int32_t id = 0; id < BuiltInCount; ++id) {
        AddFormat(u"", true);
    }
    for (const TBuiltInFormat& format : BuiltInFormats) {
        GetItem(format.Id)->SetText(format.Text);
    }
}

} // namespace xls
