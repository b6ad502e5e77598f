#include <gtest/gtest.h>

#include "settings/leading_number.h"
#include "settings/trigger.h"

namespace kz {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextStartsWith) {
    EXPECT_DOUBLE_EQ(LeadingNumber("3abc"), 3.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -2.5x"), -2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("+7"), 7.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1 6"), 16.0);  // blanks inside are skipped, as Val does
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("07"), 7.0);
}

TEST(LeadingNumber, TextWithoutANumberIsZero) {
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("."), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("--3"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("zz"), 0.0);
}

TEST(ParseTrigger, DigitsThenLettersAndLettersOnly) {
    EXPECT_EQ(ParseTrigger("3xyz"), 3);
    EXPECT_EQ(ParseTrigger("xyz"), 0);
    EXPECT_EQ(ParseTrigger(""), 0);
    EXPECT_EQ(ParseTrigger("16"), 16);
}

TEST(ParseTrigger, RoundsToNearestWithHalvesToEven) {
    EXPECT_EQ(ParseTrigger("2.5"), 2);
    EXPECT_EQ(ParseTrigger("3.5"), 4);
    EXPECT_EQ(ParseTrigger("2.51"), 3);
    EXPECT_EQ(ParseTrigger("2.49"), 2);
    EXPECT_EQ(ParseTrigger("-2.5"), -2);
    EXPECT_EQ(ParseTrigger("-0.5"), 0);
}

TEST(ParseTrigger, KeepsValuesThatFitSixteenBitsAndDropsTheRest) {
    EXPECT_EQ(ParseTrigger("17"), 17);
    EXPECT_EQ(ParseTrigger("-1"), -1);
    EXPECT_EQ(ParseTrigger("32767"), 32767);
    EXPECT_EQ(ParseTrigger("-32768"), -32768);
    EXPECT_EQ(ParseTrigger("32768"), 0);
    EXPECT_EQ(ParseTrigger("32767.5"), 0);  // rounds to 32768
    EXPECT_EQ(ParseTrigger("-32769"), 0);
    EXPECT_EQ(ParseTrigger(std::string(400, '9')), 0);
}

}  // namespace
}  // namespace kz
