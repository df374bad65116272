#include "runtime/base/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorn::runtime {
namespace {

TEST(TextToNumber, PlainDecimalForms) {
    EXPECT_DOUBLE_EQ(TextToNumber("42"), 42.0);
    EXPECT_DOUBLE_EQ(TextToNumber("050"), 50.0);
    EXPECT_DOUBLE_EQ(TextToNumber("-7"), -7.0);
    EXPECT_DOUBLE_EQ(TextToNumber("+7"), 7.0);
    EXPECT_DOUBLE_EQ(TextToNumber("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(TextToNumber(".25"), 0.25);
    EXPECT_DOUBLE_EQ(TextToNumber("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(TextToNumber("3."), 3.0);
    EXPECT_DOUBLE_EQ(TextToNumber("100.0000001"), 100.0000001);
}

TEST(TextToNumber, LeadingBlanksAreSkippedButNotOtherText) {
    EXPECT_DOUBLE_EQ(TextToNumber("  \t 8"), 8.0);
    EXPECT_DOUBLE_EQ(TextToNumber("x8"), 0.0);
    EXPECT_DOUBLE_EQ(TextToNumber("- 8"), 0.0);
    EXPECT_DOUBLE_EQ(TextToNumber("--8"), 0.0);
}

TEST(TextToNumber, StopsAtTheFirstCharacterThatEndsTheNumber) {
    EXPECT_DOUBLE_EQ(TextToNumber("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(TextToNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(TextToNumber("7 8"), 7.0);
    EXPECT_DOUBLE_EQ(TextToNumber("5%"), 5.0);
}

TEST(TextToNumber, ExponentCountsOnlyWithDigits) {
    EXPECT_DOUBLE_EQ(TextToNumber("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(TextToNumber("1E+2"), 100.0);
    EXPECT_DOUBLE_EQ(TextToNumber("25e-1"), 2.5);
    EXPECT_DOUBLE_EQ(TextToNumber("1e"), 1.0);
    EXPECT_DOUBLE_EQ(TextToNumber("1e+"), 1.0);
    EXPECT_DOUBLE_EQ(TextToNumber("2E-x"), 2.0);
    EXPECT_DOUBLE_EQ(TextToNumber("e5"), 0.0);
}

TEST(TextToNumber, NoNumberGivesZero) {
    EXPECT_DOUBLE_EQ(TextToNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(TextToNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(TextToNumber("."), 0.0);
    EXPECT_DOUBLE_EQ(TextToNumber("-"), 0.0);
    EXPECT_DOUBLE_EQ(TextToNumber("金币"), 0.0);
}

TEST(TextToNumber, FullWidthCharactersAreFoldedFirst) {
    EXPECT_DOUBLE_EQ(TextToNumber("\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93"), 123.0);     // １２３
    EXPECT_DOUBLE_EQ(TextToNumber("\xEF\xBC\x8D\xEF\xBC\x95"), -5.0);                  // －５
    EXPECT_DOUBLE_EQ(TextToNumber("\xEF\xBC\x8B\xEF\xBC\x98"), 8.0);                   // ＋８
    EXPECT_DOUBLE_EQ(TextToNumber("\xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x95"), 1.5);       // １．５
    EXPECT_DOUBLE_EQ(TextToNumber("\xE3\x80\x80" "9"), 9.0);                           // ideographic space
    EXPECT_DOUBLE_EQ(TextToNumber("2\xEF\xBD\x85" "2"), 200.0);                        // ｅ
    EXPECT_DOUBLE_EQ(TextToNumber("3\xEF\xBC\x90\xE5\x85\x83"), 30.0);                 // ３０元
}

TEST(TextToNumber, HugeAndTinyValuesSaturateLikeTheCRuntime) {
    EXPECT_TRUE(std::isinf(TextToNumber("1e999")));
    EXPECT_GT(TextToNumber("1e999"), 0.0);
    EXPECT_LT(TextToNumber("-1e999"), 0.0);
    EXPECT_EQ(TextToNumber("1e-999"), 0.0);
}

TEST(NumberToText, ThirteenSignificantDigits) {
    EXPECT_EQ(NumberToText(100.0), "100");
    EXPECT_EQ(NumberToText(0.0), "0");
    EXPECT_EQ(NumberToText(-5.0), "-5");
    EXPECT_EQ(NumberToText(12.5), "12.5");
    EXPECT_EQ(NumberToText(0.1), "0.1");
    EXPECT_EQ(NumberToText(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(NumberToText(1234567890123.0), "1234567890123");
    EXPECT_EQ(NumberToText(12345678901234.0), "1.234567890123e+13");
    EXPECT_EQ(NumberToText(0.00001), "1e-05");
}

TEST(IntegerText, DecimalWithoutLeadingZeros) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(50), "50");
    EXPECT_EQ(IntegerText(-2147483648LL), "-2147483648");
    EXPECT_EQ(IntegerText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(NormaliseIntegerInput, KeepsOrdinaryNumbersInCanonicalForm) {
    EXPECT_EQ(NormaliseIntegerInput("-5"), "-5");
    EXPECT_EQ(NormaliseIntegerInput("050"), "50");
    EXPECT_EQ(NormaliseIntegerInput("+12"), "12");
    EXPECT_EQ(NormaliseIntegerInput("  34"), "34");
    EXPECT_EQ(NormaliseIntegerInput("12abc"), "12");
    EXPECT_EQ(NormaliseIntegerInput("7-3"), "7");
}

TEST(NormaliseIntegerInput, ZeroAndNonNumbersBecomeEmpty) {
    EXPECT_EQ(NormaliseIntegerInput("0"), "");
    EXPECT_EQ(NormaliseIntegerInput("-0"), "");
    EXPECT_EQ(NormaliseIntegerInput("000"), "");
    EXPECT_EQ(NormaliseIntegerInput(""), "");
    EXPECT_EQ(NormaliseIntegerInput("abc"), "");
    EXPECT_EQ(NormaliseIntegerInput("-"), "");
    EXPECT_EQ(NormaliseIntegerInput("1.9"), "1");
}

TEST(NormaliseIntegerInput, ClampsToThirtyTwoBits) {
    EXPECT_EQ(NormaliseIntegerInput("2147483647"), "2147483647");
    EXPECT_EQ(NormaliseIntegerInput("2147483648"), "2147483647");
    EXPECT_EQ(NormaliseIntegerInput("-2147483648"), "-2147483648");
    EXPECT_EQ(NormaliseIntegerInput("-2147483649"), "-2147483648");
    EXPECT_EQ(NormaliseIntegerInput("9223372036854775807"), "2147483647");
    EXPECT_EQ(NormaliseIntegerInput("-9223372036854775808"), "-2147483648");
}

TEST(NormaliseIntegerInput, SixtyFourBitOverflowSaturatesInsteadOfWrapping) {
    // Wrapping would turn these into small or opposite-signed numbers.
    EXPECT_EQ(NormaliseIntegerInput("9223372036854775808"), "2147483647");
    EXPECT_EQ(NormaliseIntegerInput("18446744073709551617"), "2147483647");
    EXPECT_EQ(NormaliseIntegerInput("99999999999999999999999"), "2147483647");
    EXPECT_EQ(NormaliseIntegerInput("-99999999999999999999999"), "-2147483648");
}

TEST(IntegerInputAccepts, DigitsMinusAndControlCharactersOnly) {
    for (char32_t c = U'0'; c <= U'9'; ++c) EXPECT_TRUE(IntegerInputAccepts(c));
    EXPECT_TRUE(IntegerInputAccepts(U'-'));
    EXPECT_TRUE(IntegerInputAccepts(U'\b'));
    EXPECT_TRUE(IntegerInputAccepts(0x16));  // Ctrl+V
    EXPECT_TRUE(IntegerInputAccepts(0x1F));
    EXPECT_FALSE(IntegerInputAccepts(U' '));
    EXPECT_FALSE(IntegerInputAccepts(U'+'));
    EXPECT_FALSE(IntegerInputAccepts(U'.'));
    EXPECT_FALSE(IntegerInputAccepts(U'a'));
    EXPECT_FALSE(IntegerInputAccepts(0x7F));
    EXPECT_FALSE(IntegerInputAccepts(U'\uFF11'));  // full-width one
}

}  // namespace
}  // namespace vorn::runtime
