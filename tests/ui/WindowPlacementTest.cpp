#include "UiTestSupport.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"
#include "platform/MemorySettings.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"
#include "ui/CMainFrame.h"
#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct WindowPlacementTest : ::testing::Test {
    void store(std::initializer_list<std::pair<const char*, int>> values)
    {
        for (const auto& [key, value] : values)
            settings.SetInt("Window", key, value);
    }

    QRect desk() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

    platform::MemorySettings settings;
    platform::ScriptedPrompter prompter;
    platform::ScopedServices services{{.prompter = &prompter, .settings = &settings}};
    StandardDocumentParts parts;
    CVekDoc doc{parts};
    CMainFrame frame{doc};
};

} // namespace

TEST_F(WindowPlacementTest, WithNothingStoredTheWindowComesUpMaximised)
{
    const QRect created = frame.normalGeometry();
    frame.ShowWithStoredPlacement();
    EXPECT_TRUE(frame.isMaximized());
    EXPECT_TRUE(desk().contains(created)) << "restoring goes to a place on the desk";
}

TEST_F(WindowPlacementTest, ANormalPlacementComesBackAndIsWrittenAgainOnClose)
{
    store({{"show", 1}, {"flags", 0}, {"minposx", -1}, {"minposy", -1}, {"maxposx", -1}, {"maxposy", -1},
           {"left", 30}, {"top", 40}, {"right", 630}, {"bottom", 490}});
    frame.ShowWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(frame.geometry(), QRect(30, 40, 600, 450));

    frame.setGeometry(50, 60, 600, 450);
    ASSERT_TRUE(frame.close());
    EXPECT_EQ(settings.GetInt("Window", "show", 0), 1);
    EXPECT_EQ(settings.GetInt("Window", "left", 0), 50);
    EXPECT_EQ(settings.GetInt("Window", "top", 0), 60);
    EXPECT_EQ(settings.GetInt("Window", "right", 0), 650) << "right and bottom lie just outside the window";
    EXPECT_EQ(settings.GetInt("Window", "bottom", 0), 510);
}

TEST_F(WindowPlacementTest, AMaximisedWindowKeepsTheRectangleItRestoresTo)
{
    store({{"show", 3}, {"left", 30}, {"top", 40}, {"right", 630}, {"bottom", 490}});
    frame.ShowWithStoredPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.isMaximized());
    ASSERT_TRUE(frame.close());
    EXPECT_EQ(settings.GetInt("Window", "show", 0), 3);
    EXPECT_EQ(settings.GetInt("Window", "left", 0), 30);
    EXPECT_EQ(settings.GetInt("Window", "bottom", 0), 490);
}

TEST_F(WindowPlacementTest, StartsRestoredRatherThanMinimisedAndNeverOffTheScreens)
{
    const QRect created = frame.normalGeometry();
    store({{"show", 2}, {"flags", 0}, {"left", 30}, {"top", 40}, {"right", 630}, {"bottom", 490}});
    frame.ShowWithStoredPlacement();
    EXPECT_FALSE(frame.isMinimized());
    EXPECT_FALSE(frame.isMaximized());
    EXPECT_EQ(frame.geometry(), QRect(30, 40, 600, 450));

    CMainFrame second(doc);
    store({{"show", 2}, {"flags", WindowPlacement::restoreToMaximized}});
    second.ShowWithStoredPlacement();
    EXPECT_TRUE(second.isMaximized());

    // A rectangle on a screen that is gone.
    CMainFrame third(doc);
    store({{"show", 1}, {"left", 20000}, {"top", 20000}, {"right", 20600}, {"bottom", 20450}});
    third.ShowWithStoredPlacement();
    EXPECT_EQ(third.geometry(), created);
}

TEST_F(WindowPlacementTest, EachMissingValueKeepsTheCurrentOne)
{
    WindowPlacement current;
    current.show = WindowPlacement::showMaximized;
    current.normal = QRect(5, 6, 300, 200);
    settings.SetInt("Window", "top", 70);
    settings.SetString("Window", "right", "bred");

    const WindowPlacement read = ReadPlacement(settings, current);
    EXPECT_EQ(read.show, WindowPlacement::showMaximized);
    EXPECT_EQ(read.minPosition, QPoint(-1, -1));
    EXPECT_EQ(read.normal, QRect(QPoint(5, 70), QPoint(304, 205)));

    WritePlacement(settings, read);
    EXPECT_EQ(ReadPlacement(settings, WindowPlacement()), read);
}
