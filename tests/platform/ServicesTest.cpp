#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

TEST(Services, UninstalledServicesFallBackToHarmlessDefaults)
{
    platform::ScopedServices none({});
    EXPECT_EQ(platform::prompter().Ask("?", platform::Buttons::YesNoCancel, platform::Icon::Question),
              platform::Answer::Yes);
    EXPECT_EQ(platform::settings().GetString("Files", "Database File", "tekvar.dat"), "tekvar.dat");
    EXPECT_FALSE(platform::help().ShowTopic("::/html/contents.htm"));
}

TEST(Services, ScopedInstallRestoresThePreviousSet)
{
    platform::ScriptedPrompter outer;
    platform::ScopedServices first({&outer});
    {
        platform::ScriptedPrompter inner;
        platform::ScopedServices second({&inner});
        platform::prompter().Tell("inner");
        EXPECT_EQ(inner.Texts(), std::vector<std::string>{"inner"});
    }
    platform::prompter().Tell("outer");
    EXPECT_EQ(outer.Texts(), std::vector<std::string>{"outer"});
}

TEST(ScriptedPrompter, AnswersFromItsQueueThenWithTheDefaultButton)
{
    platform::ScriptedPrompter prompter;
    prompter.QueueAnswer(platform::Answer::Cancel);
    EXPECT_EQ(prompter.Ask("a", platform::Buttons::OkCancel, platform::Icon::Exclamation), platform::Answer::Cancel);
    EXPECT_EQ(prompter.Ask("b", platform::Buttons::OkCancel, platform::Icon::Exclamation), platform::Answer::Ok);
    EXPECT_EQ(prompter.Ask("c", platform::Buttons::YesNo, platform::Icon::Question), platform::Answer::Yes);
    ASSERT_EQ(prompter.Messages().size(), 3u);
    EXPECT_EQ(prompter.Messages()[2].buttons, platform::Buttons::YesNo);
}

TEST(MemorySettings, ReadsBackWhatWasWrittenAndDefaultsTheRest)
{
    platform::MemorySettings settings;
    EXPECT_EQ(settings.GetInt("Window", "left", 17), 17);
    settings.SetInt("Window", "left", -40);
    settings.SetString("Settings", "HelpWindow", "No");
    EXPECT_EQ(settings.GetInt("Window", "left", 17), -40);
    EXPECT_EQ(settings.GetString("Settings", "HelpWindow", "Yes"), "No");
    // A text that is not a number reads as the default.
    EXPECT_EQ(settings.GetInt("Settings", "HelpWindow", 5), 5);
}
