// The [[n]] key-code notation of settings texts.
#include <gtest/gtest.h>

#include "charset/key_codes.h"
#include "platform/sim/code_page.h"

namespace kz {
namespace {

std::string Expand(std::string_view text) { return ExpandKeyCodes(text, sim::Windows1252CodePage()); }

// Numbers become the code page's characters, rounded to the nearest code (halves to
// even); codes out of range or unreadable give nothing; unpaired brackets stay; a
// replacement that forms a new pair is expanded in turn, and closing brackets never
// reopen anything.
TEST(CharsetKeyCodes, PairsBecomeTheirAnsiCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"a[[13]]b", "a\rb"}, {"[[128]]", "€"}, {"[[233]][[ 65]]x", "éAx"}, {"plain text", "plain text"},
        {"x[[0]]y", "xy"}, {"[[300]]", ""}, {"[[-5]]", ""}, {"a[[]]b", "ab"}, {"a[[abc]]b", "ab"},
        {"[[255.5]]", ""}, {"[[64.6]]", "A"}, {"[[65.5]]", "B"}, {"[[66.5]]", "B"}, {"[[65abc]]", "A"},
        {"[[0.4]]", ""}, {"[[13", "[[13"}, {"13]]", "13]]"}, {"]][[65", "]][[65"}, {"[[65]]]]", "A]]"},
        {"[[91]][66]]", "B"}, {"[[[91]]65]]", "65]]"}, {"[[91]][[91]]66]]", "66]]"}, {"[[93]]]", "]]"},
    };
    for (const auto& [text, expanded] : cases) EXPECT_EQ(Expand(text), expanded) << text;
}

}  // namespace
}  // namespace kz
