// What the thermal kernel reports is shown once per calculation, however many
// of its steps reported it.

#include "modules/KernelMessages.h"

#include "doc/StringTable.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "thermal/LayeredHeatFlow.h"
#include "thermal/ThicknessSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A DN 50 pipe at 80 °C with two layers of λ 0.04 and 0.035 and a given
// outer coefficient of 8 W/m²K: 30 mm inside 40 mm leaves about 48.7 °C
// between the layers.
thermal::Inputs TwoLayerPipe(float layer2Maximum)
{
    thermal::Inputs in;
    in.objectKind = ObjectKind::Pipe;
    in.mediumTemp = 80.0f;
    in.ambientTemp = 20.0f;
    in.diameter = 0.0603f;
    in.wall = {0.0029f, 50.0f, 0.0f};
    in.layer1.conductivity = {0.0f, 0.0f, 0.0f, 0.04f};
    in.layer2.conductivity = {0.0f, 0.0f, 0.0f, 0.035f};
    in.layer2.catalogue = true;
    in.layer2.maxTemperature = layer2Maximum;
    in.surface.surroundings = Surroundings::GivenCoefficient;
    in.surface.givenCoefficient = 8.0f;
    return in;
}

TEST(KernelMessages, EachShownOnceForTheWholeRun)
{
    platform::ScriptedPrompter prompter;
    platform::ScopedServices services({&prompter});

    // A run of 25 sections cooling along the pipe: the first ones are warm
    // enough between the layers for a layer 2 that stands 45 °C.
    thermal::Notices run;
    int raised = 0;
    for (int section = 0; section < 25; ++section) {
        thermal::Inputs in = TwoLayerPipe(45.0f);
        in.mediumTemp = 80.0f - 2.0f * float(section);
        const thermal::HeatFlow step = thermal::TwoLayerHeatFlow(in, 0.03f, 0.04f);
        raised += step.notices.Has(thermal::interfaceAboveMaximum);
        run |= step.notices;
    }
    ASSERT_GT(raised, 1);
    ASSERT_LT(raised, 25);
    EXPECT_TRUE(prompter.Texts().empty());
    ShowKernelMessages(run);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{LoadString(62587)});
    EXPECT_EQ(prompter.Messages()[0].buttons, platform::Buttons::Ok);

    // A run that then fails: its notices first, then the failure that ended it.
    prompter.Clear();
    thermal::Inputs wall = TwoLayerPipe(45.0f);
    wall.objectKind = ObjectKind::SurfaceOutside;
    wall.height = 1.0f;
    const thermal::ThicknessResult search = thermal::ThicknessForHeatLoss(wall, 1.0f);
    ASSERT_FALSE(search.ok);
    EXPECT_TRUE(prompter.Texts().empty());
    ShowKernelMessages(run, search.failure);
    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{LoadString(62587), LoadString(62513)}));

    // Nothing reported, nothing shown.
    prompter.Clear();
    const thermal::HeatFlow cool = thermal::TwoLayerHeatFlow(TwoLayerPipe(200.0f), 0.03f, 0.04f);
    ShowKernelMessages(cool.notices);
    EXPECT_TRUE(prompter.Texts().empty());
}

} // namespace
