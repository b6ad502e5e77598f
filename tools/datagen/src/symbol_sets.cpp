#include "symbol_sets.h"

namespace datagen {

namespace {

constexpr auto currency = SymbolKind::currency;
constexpr auto punctuation = SymbolKind::punctuation;
constexpr auto mathematical = SymbolKind::mathematical;
constexpr auto other = SymbolKind::otherSymbol;

}  // namespace

// Keys are chosen by look or by initial: the euro on e and on 4 (where $ lives), the pound on
// l and 3 (its place on a UK keyboard), angle quotes on < and >, the degree sign on 0 and o.
const std::vector<SymbolSet>& symbolSets() {
    static const std::vector<SymbolSet> sets{
        {"Currency Symbols",
         {
             {0x20AC, "e4$", currency},  // euro
             {0x00A3, "l3$", currency},  // pound
             {0x00A5, "y$", currency},   // yen
             {0x00A2, "c$", currency},   // cent
             {0x00A4, "4", currency},    // generic currency sign
             {0x20B9, "r", currency},    // rupee
             {0x20BD, "r", currency},    // rouble
             {0x20A9, "w", currency},    // won
             {0x20BA, "t", currency},    // lira
             {0x20B8, "t", currency},    // tenge
             {0x20AE, "t", currency},    // tugrik
             {0x20B4, "h", currency},    // hryvnia
             {0x20B1, "p", currency},    // peso
             {0x20AA, "s", currency},    // shekel
             {0x20AB, "d", currency},    // dong
             {0x20A6, "n", currency},    // naira
             {0x20A1, "c", currency},    // colon
             {0x20B5, "c", currency},    // cedi
             {0x20B2, "g", currency},    // guarani
             {0x20BE, "g", currency},    // lari
             {0x20AD, "k", currency},    // kip
             {0x20BC, "m", currency},    // manat
             {0x20BF, "b", currency},    // bitcoin
         }},
        {"Quotation Marks and Dashes",
         {
             {0x2018, "'", punctuation},     // left single
             {0x2019, "'", punctuation},     // right single, also the typographic apostrophe
             {0x201A, "',", punctuation},    // single low-9
             {0x2039, "'<", punctuation},    // single left-pointing angle
             {0x203A, "'>", punctuation},    // single right-pointing angle
             {0x201C, "\"", punctuation},    // left double
             {0x201D, "\"", punctuation},    // right double
             {0x201E, "\",", punctuation},   // double low-9
             {0x00AB, "\"<", punctuation},   // left-pointing double angle
             {0x00BB, "\">", punctuation},   // right-pointing double angle
             {0x2013, "-_", punctuation},    // en dash
             {0x2014, "-_", punctuation},    // em dash
             {0x2010, "-", punctuation},     // hyphen
             {0x2011, "-", punctuation},     // non-breaking hyphen
             {0x2015, "-", punctuation},     // horizontal bar
         }},
        {"Other Punctuation and Signs",
         {
             {0x00A1, "!1", punctuation},  // inverted exclamation mark
             {0x00BF, "?/", punctuation},  // inverted question mark
             {0x2026, ".", punctuation},   // ellipsis
             {0x00B7, ".", punctuation},   // middle dot
             {0x2022, "8*", punctuation},  // bullet
             {0x00A7, "s", other},         // section
             {0x00B6, "p", other},         // pilcrow
             {0x2020, "+t", other},        // dagger
             {0x2021, "+", other},         // double dagger
             {0x00A9, "c", other},         // copyright
             {0x00AE, "r", other},         // registered
             {0x2122, "t", other},         // trade mark
             {0x00AA, "a", other},         // feminine ordinal
             {0x00BA, "o", other},         // masculine ordinal
             {0x2116, "n#", other},        // numero
         }},
        {"Mathematical Symbols",
         {
             {0x00D7, "x*", mathematical},   // multiplication
             {0x00F7, "/:", mathematical},   // division
             {0x00B1, "+=", mathematical},   // plus-minus
             {0x2212, "-", mathematical},    // minus
             {0x2260, "=!", mathematical},   // not equal
             {0x2248, "=~", mathematical},   // almost equal
             {0x2261, "=", mathematical},    // identical
             {0x2264, "<,", mathematical},   // less than or equal
             {0x2265, ">.", mathematical},   // greater than or equal
             {0x00B0, "0od", mathematical},  // degree
             {0x00B5, "mu", mathematical},   // micro
             {0x221A, "v/", mathematical},   // square root
             {0x221E, "8i", mathematical},   // infinity
             {0x222B, "i", mathematical},    // integral
             {0x03C0, "p", mathematical},    // pi
             {0x2211, "s", mathematical},    // n-ary summation
             {0x2206, "d", mathematical},    // increment
             {0x00AC, "n", mathematical},    // not
             {0x2030, "5%", mathematical},   // per mille
             {0x00B9, "1", mathematical},    // superscripts
             {0x00B2, "2", mathematical},
             {0x00B3, "3", mathematical},
             {0x00BD, "2", mathematical},    // one half
             {0x2153, "3", mathematical},    // one third
             {0x00BC, "4", mathematical},    // one quarter
             {0x00BE, "34", mathematical},   // three quarters
         }},
    };
    return sets;
}

}  // namespace datagen
