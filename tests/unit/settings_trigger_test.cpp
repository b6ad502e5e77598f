// Reading a number the way stored settings are read: the leading number of a text, and
// the trigger number, rounded half to even and dropped when it does not fit 16 bits.
#include <gtest/gtest.h>

#include "settings/leading_number.h"
#include "settings/trigger.h"

namespace kz {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextStartsWithOrZero) {
    const std::pair<const char*, double> cases[] = {
        {"3abc", 3.0}, {"  -2.5x", -2.5}, {"+7", 7.0},   {".5", 0.5}, {"1 6", 16.0},  // blanks inside skipped
        {"1.2.3", 1.2}, {"07", 7.0},      {"", 0.0},     {"abc", 0.0}, {"-", 0.0},
        {".", 0.0},     {"--3", 0.0},
    };
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(LeadingNumber(text), number) << text;
}

TEST(ParseTrigger, RoundsHalvesToEvenAndKeepsOnlySixteenBitValues) {
    const std::pair<std::string, int> cases[] = {
        {"3xyz", 3},    {"xyz", 0},       {"", 0},          {"16", 16},       {"2.5", 2},
        {"3.5", 4},     {"2.51", 3},      {"2.49", 2},      {"-2.5", -2},     {"-0.5", 0},
        {"17", 17},     {"-1", -1},       {"32767", 32767}, {"-32768", -32768}, {"32768", 0},
        {"32767.5", 0}, {"-32769", 0},    {std::string(400, '9'), 0},
    };
    for (const auto& [text, trigger] : cases) EXPECT_EQ(ParseTrigger(text), trigger) << text;
}

}  // namespace
}  // namespace kz
