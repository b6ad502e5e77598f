#include "popup/accent_symbols.h"

namespace kz {

AccentSearch AccentSearchFor(char symbol, char keyChar) {
    switch (symbol) {
        case ',': return {"with cedilla", {}};
        case '\'':
            // On C the apostrophe means the cedilla (c-cedilla is typed that way on
            // international layouts), never the acute.
            if (keyChar == 'c') return {"with cedilla", {}};
            return {"with acute", "with cedilla"};
        case '"': return {"with diaeresis", {}};
        case '`': return {"with grave", {}};
        case '~': return {"with tilde", {}};
        case '^': return {"with circumflex", {}};
        case '.': return {"with dot above", {}};
        case '-':
        case '_': return {"with macron", "with stroke"};
        default: return {};
    }
}

}  // namespace kz
