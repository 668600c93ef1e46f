// The five-significant-digit short form the mesh editor shows the fake shadow size in.
#include <gtest/gtest.h>

#include <cfloat>
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
