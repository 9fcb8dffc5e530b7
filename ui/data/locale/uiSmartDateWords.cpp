#include "ui/data/locale/uiSmartDateWords.h"

#include "ui/data/common/uiLibraryStrs.h"

#include <utility>

namespace ui {

namespace {

// The library's strings of the words, in the order of TuiSmartDateWord.
const TuxResourceString* const SmartDateWordStrings[swWordCount] = {
    &uiSDateToday,   &uiSDateYesterday, &uiSDateTomorrow, &uiSDateSunday, &uiSDateMonday,
    &uiSDateTuesday, &uiSDateWednesday, &uiSDateThursday, &uiSDateFriday, &uiSDateSaturday,
    &uiSDateFirst,   &uiSDateSecond,    &uiSDateThird,    &uiSDateFourth, &uiSDateFifth,
    &uiSDateSixth,   &uiSDateSeventh,   &uiSDateBOM,      &uiSDateEOM,    &uiSDateNow};

TuiSmartDateWords WordsOfStringTable() {
    TuiSmartDateWords words;
    for (int32_t word = 0; word < swWordCount; ++word) {
        words[word] = LoadResStringText(*SmartDateWordStrings[word]);
    }
    return words;
}

TuiSmartDateWordsSource& CurrentWordsSource() {
    static TuiSmartDateWordsSource source;
    return source;
}

} // namespace

TuiSmartDateWords LoadSmartDateWords() {
    const TuiSmartDateWordsSource& source = CurrentWordsSource();
    return source ? source() : WordsOfStringTable();
}

TuiSmartDateWordsSource SetSmartDateWordsSource(TuiSmartDateWordsSource source) {
    return std::exchange(CurrentWordsSource(), std::move(source));
}

} // namespace ui
