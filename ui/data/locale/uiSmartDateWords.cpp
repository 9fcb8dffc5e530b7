#include "ui/data/locale/uiSmartDateWords.h"

#include <utility>

namespace ui {

namespace {

TuiSmartDateWords EnglishSmartDateWords() {
    return {u"today",    u"yesterday", u"tomorrow", u"Sunday", u"Monday", u"Tuesday", u"Wednesday",
            u"Thursday", u"Friday",    u"Saturday", u"first",  u"second", u"third",   u"fourth",
            u"fifth",    u"sixth",     u"seventh",  u"bom",    u"eom",    u"now"};
}

TuiSmartDateWordsSource& CurrentWordsSource() {
    static TuiSmartDateWordsSource source;
    return source;
}

} // namespace

TuiSmartDateWords LoadSmartDateWords() {
    const TuiSmartDateWordsSource& source = CurrentWordsSource();
    return source ? source() : EnglishSmartDateWords();
}

TuiSmartDateWordsSource SetSmartDateWordsSource(TuiSmartDateWordsSource source) {
    return std::exchange(CurrentWordsSource(), std::move(source));
}

} // namespace ui
