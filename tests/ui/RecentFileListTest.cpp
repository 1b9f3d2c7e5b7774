#include "platform/MemorySettings.h"
#include "platform/Services.h"
#include "ui/RecentFileList.h"

#include <gtest/gtest.h>

using Files = std::vector<std::string>;

TEST(RecentFileList, KeepsTheFourNewestWithoutRepeats)
{
    RecentFileList list;
    for (const char* path : {"/p/a.tkv", "/p/b.tkv", "/p/c.tkv", "/p/d.tkv"})
        list.Add(path);
    EXPECT_EQ(list.Files(), (Files{"/p/d.tkv", "/p/c.tkv", "/p/b.tkv", "/p/a.tkv"}));

    list.Add("/p/b.tkv");
    EXPECT_EQ(list.Files(), (Files{"/p/b.tkv", "/p/d.tkv", "/p/c.tkv", "/p/a.tkv"}));
    list.Add("/p/e.tkv");
    EXPECT_EQ(list.Files(), (Files{"/p/e.tkv", "/p/b.tkv", "/p/d.tkv", "/p/c.tkv"}));

    list.Remove(1);
    list.Remove(7);
    EXPECT_EQ(list.Files(), (Files{"/p/e.tkv", "/p/d.tkv", "/p/c.tkv"}));
}

TEST(RecentFileList, LivesInTheSettingsAsFile1ToFile4)
{
    platform::MemorySettings settings;
    platform::ScopedServices services({.settings = &settings});
    settings.SetString("Recent File List", "File4", "/gammal.tkv");

    RecentFileList list;
    list.Add("/p/a.tkv");
    list.Add("/p/b.tkv");
    list.Write();
    EXPECT_EQ(settings.GetString("Recent File List", "File1", "?"), "/p/b.tkv");
    EXPECT_EQ(settings.GetString("Recent File List", "File2", "?"), "/p/a.tkv");
    EXPECT_EQ(settings.GetString("Recent File List", "File3", "?"), "");
    EXPECT_EQ(settings.GetString("Recent File List", "File4", "?"), "") << "a shorter list clears the old entries";

    // Gaps and repeats, as a hand-edited store may hold them, are skipped.
    settings.SetString("Recent File List", "File1", "");
    settings.SetString("Recent File List", "File3", "/p/a.tkv");
    settings.SetString("Recent File List", "File4", "/p/c.tkv");
    RecentFileList read;
    read.Read();
    EXPECT_EQ(read.Files(), (Files{"/p/a.tkv", "/p/c.tkv"}));
}

TEST(RecentFileList, MenuTextNumbersAndShortensThePath)
{
    EXPECT_EQ(RecentFileList::MenuText(0, "/home/anna/rör.tkv", "/home/anna"), "&1 rör.tkv");
    EXPECT_EQ(RecentFileList::MenuText(3, "/home/anna/rör.tkv", "/tmp"), "&4 /home/anna/rör.tkv");
    EXPECT_EQ(RecentFileList::MenuText(1, "/p/Kyl & Värme.tkv", "/p"), "&2 Kyl && Värme.tkv");
    // Long paths keep their first folder and as much of their end as fits in 40 characters.
    EXPECT_EQ(RecentFileList::MenuText(0, "/home/anna/projekt/2024/kund/lager/huvudrör.tkv", "/tmp"),
              "&1 /home/.../2024/kund/lager/huvudrör.tkv");
    EXPECT_EQ(RecentFileList::MenuText(0, "/home/anna/projekt/en-mycket-lång-filnamn-för-ett-projekt.tkv", "/tmp"),
              "&1 /home/.../en-mycket-lång-filnamn-för-ett-projekt.tkv")
        << "the file name stays whole";
}
