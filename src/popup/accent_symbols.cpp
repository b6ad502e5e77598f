#include "popup/accent_symbols.h"

namespace kz {

AccentSearch AccentSearchFor(char16_t symbol, char keyChar) {
    switch (symbol) {
        case u',':
        case u'\u00B8': return {"with cedilla", {}};
        case u'\'':
            // On C the apostrophe means the cedilla (c-cedilla is typed that way on
            // international layouts), never the acute.
            if (keyChar == 'c') return {"with cedilla", {}};
            return {"with acute", "with cedilla"};
        case u'\u00B4': return {"with acute", {}};  // a real acute: on C it means c-acute
        case u'"':
        case u'\u00A8': return {"with diaeresis", {}};
        case u'`': return {"with grave", {}};
        case u'~':
        case u'\u02DC': return {"with tilde", {}};
        case u'^':
        case u'\u02C6': return {"with circumflex", {}};
        case u'.':
        case u'\u02D9': return {"with dot above", {}};
        case u'-':
        case u'_':
        case u'\u00AF': return {"with macron", "with stroke"};
        default: return {};
    }
}

}  // namespace kz
