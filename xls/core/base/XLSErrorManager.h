#pragma once
// The error manager: every numbered error and warning of the spreadsheet library goes through one TXLSErrorManager,
// which builds the message from the number ("E3004: Invalid cell reference "A0""), counts it, keeps it in its
// message list when asked to, hands it to the OnError handler when one is set, and otherwise raises it as an
// rtl::Exception. Warnings are never raised.
//
// ReportError returns only when the error was not raised (the manager is muted, the handler took it, or the list
// kept it). The caller must then abandon the operation that failed, as if the exception had passed through it, and
// say at the call site how it goes on; the result is [[nodiscard]] so that no call site forgets this path.

#include "rtl/core/Persistent.h"
#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace xls {

// The numbers of the messages the library's own code reports (their texts are in the manager's table).
// A file encrypted in a way the library cannot decrypt, such as an encrypted .xlsx package inside a compound document.
inline constexpr int32_t XLSErrorUnknownEncryption = 1002;
// An encrypted workbook, and no password to try (or the default password did not open it).
inline constexpr int32_t XLSErrorPasswordMissing = 1003;
// An encrypted workbook, and the password given is not its password.
inline constexpr int32_t XLSErrorPasswordWrong = 1004;
// An unknown element or attribute, or another parse problem, in a part of a package.
inline constexpr int32_t XLSWarningXMLRead = 2001;
// An index attribute of the styles part (fontId, fillId, borderId, xfId, numFmtId, dxfId, a cell's s) that names no
// item of its list.
inline constexpr int32_t XLSWarningStyleIndex = 2002;
// A styles part with fewer fonts, fills or borders than the style sheet's predefined ones.
inline constexpr int32_t XLSWarningStyleCount = 2003;
// A cell of type s whose index names no string of the shared-string table.
inline constexpr int32_t XLSWarningSharedStringIndex = 2004;
// A sheet with more cells or rows out of order than the reader takes.
inline constexpr int32_t XLSErrorOutOfOrder = 2005;
// A formula of a cell or a defined name that does not compile; the cell keeps its text and cached result.
inline constexpr int32_t XLSWarningFormulaNotCompiled = 2006;
// A part of a package that could not be read (an external link, pivot cache, connections, table, comments or legacy
// drawing part); the read goes on without it.
inline constexpr int32_t XLSWarningPartNotRead = 2007;
// A sheet entry of the workbook without a part, or a part below a sheet that the workbook does not list.
inline constexpr int32_t XLSWarningSheetNotRead = 2008;
// A defined name without a text, with a scope that names no sheet, or defined twice in one scope.
inline constexpr int32_t XLSWarningDefinedNameSkipped = 2009;
// A relationship whose target lies outside the package.
inline constexpr int32_t XLSWarningTargetOutsidePackage = 2010;
// A comment's box in the legacy drawing whose anchor is not eight whole numbers.
inline constexpr int32_t XLSWarningCommentAnchor = 2011;
// A record of an .xls file too short for the fields its reader needs; the read goes on without it.
inline constexpr int32_t XLSWarningRecordSkipped = 2012;
inline constexpr int32_t XLSErrorInvalidCellReference = 3004;
inline constexpr int32_t XLSWarningUnknownImageType = 3006;
inline constexpr int32_t XLSWarningImageError = 3008;
// Changing the file type to BIFF drops the workbook's data.
inline constexpr int32_t XLSWarningDataDiscarded = 6003;

// How grave a message is.
enum TXLSErrorLevel : uint8_t { xelMessage, xelHint, xelWarning, xelError, xelFatal, xelDebug };

using TXLSErrorLevels = rtl::TSmallSet<TXLSErrorLevel>;

class TXLSErrorManager;

// Called with the manager, the level and the full message ("E3004: ...", "W2001: ...").
using TXLSErrorEvent =
    std::function<void(TXLSErrorManager* sender, TXLSErrorLevel level, const rtl::UnicodeString& text)>;

// Who took an error that ReportError did not raise.
enum class TXLSErrorOutcome : uint8_t {
    xeoMuted,   // the manager is muted: only LastError was set
    xeoHandled, // the OnError handler received it
    xeoListed,  // the message list keeps it
};

// One entry of the message list: the full message and its number.
struct TXLSErrorMessage {
    rtl::UnicodeString Text;
    int32_t Number = 0;
};

// The spreadsheet library's one channel for numbered errors and warnings.
class TXLSErrorManager : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TXLSErrorManager, rtl::TPersistent)
public:
    // Raises the error as an rtl::Exception with its message, unless the manager is muted, OnError takes it (when
    // Filter does not hold xelError) or SaveToList keeps it; then it answers which of them took it.
    [[nodiscard]] TXLSErrorOutcome ReportError(rtl::UnicodeStringView argument, int32_t number);
    // Counts, lists and passes on a warning; never raises and leaves LastError alone. Warning 2001 (unknown XML) is
    // dropped entirely while DropXMLWarnings is set, as it is by default.
    void ReportWarning(rtl::UnicodeStringView argument, int32_t number);
    // "<number>: <text>" with argument in place of the text's %s; an unknown number gives "<number>: ".
    static rtl::UnicodeString BuildMessage(rtl::UnicodeStringView argument, int32_t number);

    int32_t LastError() const { return FLastError; }
    // Also clears LastErrorText.
    void SetLastError(int32_t number);
    // The full message of the last error ReportError took, also while the manager is muted; empty after
    // SetLastError.
    const rtl::UnicodeString& LastErrorText() const { return FLastErrorText; }
    bool SaveToList() const { return FSaveToList; }
    void SetSaveToList(bool saveToList) { FSaveToList = saveToList; }
    // The levels for which OnError is not called.
    TXLSErrorLevels Filter() const { return FFilter; }
    void SetFilter(TXLSErrorLevels filter) { FFilter = filter; }
    // Nothing reports hints or fatal errors, so HintCount equals WarningCount and FatalCount stays 0.
    int32_t HintCount() const { return WarningCount(); }
    int32_t WarningCount() const;
    int32_t ErrorCount() const { return FErrors; }
    int32_t FatalCount() const { return 0; }
    const TXLSErrorEvent& OnError() const { return FOnError; }
    void SetOnError(TXLSErrorEvent handler) { FOnError = std::move(handler); }

    // Every message reported since creation, in order, while SaveToList was set.
    const std::vector<TXLSErrorMessage>& Messages() const { return FMessages; }
    // A caller that tries an operation and judges its errors itself mutes the manager, sets LastError to 0, runs the
    // operation and reads LastError; it must unmute also when the operation raises something else.
    bool Muted() const { return FMuted; }
    void SetMuted(bool muted) { FMuted = muted; }
    bool DropXMLWarnings() const { return FDropXMLWarnings; }
    void SetDropXMLWarnings(bool drop) { FDropXMLWarnings = drop; }

private:
    // Lists the message and passes it to OnError unless Filter holds level; answers whether OnError was called.
    bool Dispatch(TXLSErrorLevel level, const rtl::UnicodeString& message, int32_t number);

    int32_t FLastError = 0;
    rtl::UnicodeString FLastErrorText;
    bool FSaveToList = false;
    TXLSErrorLevels FFilter{xelDebug};
    TXLSErrorEvent FOnError;
    std::vector<TXLSErrorMessage> FMessages;
    bool FMuted = false;
    bool FDropXMLWarnings = true;
    int32_t FWarnings = 0;
    int32_t FErrors = 0;
};

} // namespace xls
