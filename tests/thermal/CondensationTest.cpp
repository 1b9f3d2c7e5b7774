#include "thermal/DewPoint.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace thermal;

namespace {

std::string OneDecimal(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", double(value));
    return text;
}

} // namespace

// Dew points as psychrometric tables print them, to the printed digit.
TEST(DewPoint, MatchesThePublishedTable)
{
    struct Row {
        float temperature, humidity;
        const char* table;
    };
    const Row rows[] = {
        {20.0f, 0.50f, "9.3"},  {20.0f, 0.80f, "16.4"}, {40.0f, 0.50f, "27.6"},
        {25.0f, 0.70f, "19.1"}, {22.0f, 0.60f, "13.9"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(OneDecimal(DewPoint(row.temperature, row.humidity)), row.table)
            << row.temperature << " °C, " << row.humidity * 100 << " %";

    // 0.5^0.1247 · 129.8 − 109.8 = 9.252 by hand; saturated air is at its own dew point.
    EXPECT_NEAR(DewPoint(20.0f, 0.5f), 9.252, 0.001);
    EXPECT_NEAR(DewPoint(-10.0f, 1.0f), -10.0, 1e-5);
    // Drier air condenses at a lower temperature.
    EXPECT_LT(DewPoint(20.0f, 0.3f), DewPoint(20.0f, 0.31f));
}
