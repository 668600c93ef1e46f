// The five-significant-digit short form the mesh editor shows the fake shadow size in.
#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

#include "mesh_editor/short_float.h"

namespace {

std::string shortForm(double value) { return formatShortFloat(value).text; }

TEST(ShortFloat, FixedNotationKeepsFiveSignificantDigitsAndThePoint) {
    EXPECT_EQ(shortForm(0.0), "0.");
    EXPECT_EQ(shortForm(2.0), "2.");
    EXPECT_EQ(shortForm(1.234567), "1.2346");
    EXPECT_EQ(shortForm(1.234567f), "1.2346");
    EXPECT_EQ(shortForm(12345.6), "12346.");
    EXPECT_EQ(shortForm(99999.4), "99999.");
    EXPECT_EQ(shortForm(0.5), "0.5");
    EXPECT_EQ(shortForm(0.123456), "0.12346");
    EXPECT_EQ(shortForm(10.0), "10.");
    EXPECT_EQ(shortForm(100.25), "100.25");
}

TEST(ShortFloat, ExponentFormHasFourDecimalsAtMostAndAThreeDigitExponent) {
    EXPECT_EQ(shortForm(123456.0), "1.2346e+005");
    EXPECT_EQ(shortForm(0.00012345), "1.2345e-004");
    EXPECT_EQ(shortForm(0.01), "1.e-002");
    EXPECT_EQ(shortForm(0.099999), "9.9999e-002");
    EXPECT_EQ(shortForm(1.0e10), "1.e+010");
    EXPECT_EQ(shortForm(FLT_MAX), "3.4028e+038");
    EXPECT_EQ(shortForm(1.0e-45f), "1.4013e-045");
    EXPECT_EQ(shortForm(1.5e-300), "1.5e-300");
}

TEST(ShortFloat, RoundingUpToTheNextPowerOfTenMovesTheExponent) {
    EXPECT_EQ(shortForm(9.99996), "10.");
    EXPECT_EQ(shortForm(99999.5), "1.e+005");
    EXPECT_EQ(shortForm(0.0999996), "0.1");
    EXPECT_EQ(shortForm(0.00999996), "1.e-002");
}

TEST(ShortFloat, NegativeValuesStartWithAMinus) {
    EXPECT_EQ(shortForm(-2.0), "-2.");
    EXPECT_EQ(shortForm(-1.234567), "-1.2346");
    EXPECT_EQ(shortForm(-123456.0), "-1.2346e+005");
    EXPECT_EQ(shortForm(-0.00012345), "-1.2345e-004");
    EXPECT_EQ(shortForm(-0.0), "-0.");
}

TEST(ShortFloat, NonFiniteValuesHaveNames) {
    EXPECT_EQ(shortForm(HUGE_VAL), "inf");
    EXPECT_EQ(shortForm(-HUGE_VAL), "-inf");
    EXPECT_EQ(shortForm(std::nan("")), "nan");
}

}  // namespace

// What the user types into the size field, read as strtod reads it in the C locale.
TEST(ShortFloat, TypedNumbersAreReadAsTheCLocaleReadsThem) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"2.5", 2.5},         {"  -1.25e2x", -125.0}, {"+.5", 0.5},      {"1,5", 1.0},
                 {"0x1.8p1", 3.0},     {"0x", 0.0},            {"0X1A", 26.0},    {"-Infinity", -HUGE_VAL},
                 {"1e400", HUGE_VAL},  {"-1e-400", -0.0},      {"abc", 0.0},      {"", 0.0},
                 {"+-3", 0.0},         {"7e", 7.0},            {"7e+", 7.0},      {".e1", 0.0},
                 {"\t\n12", 12.0},     {"1.5e-310", 1.5e-310}};
    for (const auto& entry : cases) {
        double read = readLeadingNumber(entry.text);
        EXPECT_EQ(read, entry.value) << '"' << entry.text << '"';
        EXPECT_EQ(std::signbit(read), std::signbit(entry.value)) << '"' << entry.text << '"';
    }
    EXPECT_TRUE(std::isnan(readLeadingNumber("nan(1)")));
    EXPECT_EQ(readLeadingNumber(nullptr), 0.0);
}

// A host that calls setlocale(LC_ALL, "") on a desktop with a comma locale still shows and reads
// every value with a '.'.
TEST(ShortFloat, ACommaLocaleChangesNothing) {
#ifdef _WIN32
    const char* commaLocale = "German_Germany.1252";
#else
    const char* commaLocale = "de_DE.UTF-8";  // from Debian's locales-all, which the test command installs
#endif
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, commaLocale), nullptr) << commaLocale;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(shortForm(2.0), "2.");
    EXPECT_EQ(shortForm(1.234567), "1.2346");
    EXPECT_EQ(shortForm(123456.0), "1.2346e+005");
    EXPECT_EQ(readLeadingNumber("2.5"), 2.5);
    EXPECT_EQ(readLeadingNumber("1,5"), 1.0);
    EXPECT_EQ(readLeadingNumber("-1.25e2"), -125.0);
    std::setlocale(LC_ALL, previous.c_str());
}
