// The ordered checks that a dialog makes on OK and a calculation makes on
// what a document brought.

#include "doc/InputCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Sample {
    float width = 100;
    float hours = 8760;
};

constexpr NumberField<Sample> width{"width", "Bredd [mm]:", "%.1f", &Sample::width, 1.0f, 5000.0f, 61246,
                                    nullptr, 10.0f, 2000.0f};
constexpr NumberField<Sample> hours{"hours", "Driftstid [h/år]:", "%.0f", &Sample::hours, -3.0e38f, 3.0e38f, 0,
                                    "driftstiden", 1.0f, 8760.0f};
constexpr const NumberField<Sample>* all[] = {&width, &hours};

} // namespace

TEST(InputCheck, RangesRefuseWithTheirWordingAndFailForWhatIsNoNumber)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float width;
        float hours;
        const char* message; // of a calculation (no answerer): framework texts name the field
        const char* field;
    };
    const Case cases[] = {
        {100, 8760, "", ""},
        {nan, 8760, "Bredd [mm]: Skriv in ett tal.", "width"},
        {inf, 8760, "Bredd [mm]: Skriv in ett tal.", "width"},
        {1e30f, 8760, "Bredd [mm]: Skriv in ett tal mellan 1 och 5000.", "width"},
        {0.5f, 8760, "Bredd [mm]: Skriv in ett tal mellan 1 och 5000.", "width"},
        // Within the field's own range, outside the named one.
        {4000, 8760, "Värdet för bredden måste ligga mellan 10.00 och 2000.00", "width"},
        {100, nan, "Driftstid [h/år]: Skriv in ett tal.", "hours"},
        {100, -inf, "Driftstid [h/år]: Skriv in ett tal.", "hours"},
        {100, 0, "Värdet för driftstiden måste ligga mellan 1.00 och 8760.00", "hours"},
    };
    for (const Case& c : cases) {
        const Sample sample{c.width, c.hours};
        InputCheck check;
        const bool passed = ExchangeAll(check, all, sample) && check.Range(width, sample) && check.Range(hours, sample);
        EXPECT_EQ(passed, *c.message == '\0') << c.width << " " << c.hours;
        EXPECT_EQ(check.Passed(), passed);
        EXPECT_EQ(check.Message(), c.message) << c.width << " " << c.hours;
        EXPECT_EQ(check.Field(), c.field);
    }

    // A dialog shows the framework's text as it stands: the focus names the field.
    InputCheck dialog([](int) { return true; });
    EXPECT_FALSE(dialog.Exchange(width, Sample{0.5f, 1}));
    EXPECT_EQ(dialog.Message(), "Skriv in ett tal mellan 1 och 5000.");
    // A range given at the call wins over the declared one; NaN fails it too.
    InputCheck given;
    EXPECT_FALSE(given.Range(hours, Sample{1, 20}, 1.0f, 10.0f));
    EXPECT_EQ(given.Message(), "Värdet för driftstiden måste ligga mellan 1.00 och 10.00");
    EXPECT_FALSE(InRange(nan, -inf, inf));
}

TEST(InputCheck, WarningsAskOnlyADialogAndADeclineStopsWithoutAMessage)
{
    std::vector<int> asked;
    InputCheck declining([&](int id) {
        asked.push_back(id);
        return false;
    });
    EXPECT_TRUE(declining.Warn(false, 62559));
    EXPECT_FALSE(declining.Warn(true, 62560));
    EXPECT_EQ(asked, std::vector<int>{62560});
    EXPECT_FALSE(declining.Passed());
    EXPECT_TRUE(declining.Message().empty());

    // A calculation never asks: the warning passes.
    InputCheck silent;
    EXPECT_TRUE(silent.Warn(true, 62559));
    EXPECT_TRUE(silent.Passed());
    EXPECT_FALSE(silent.Require(false, 62535, "layer1"));
    EXPECT_EQ(silent.Message(), "Du måste välja en isolerprodukt.");
    EXPECT_EQ(silent.Field(), "layer1");
}
