#include "ScopedWorkingFolder.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path made;

void failInAFreshFolder()
{
    const ScopedWorkingFolder folder = ScopedWorkingFolder::Fresh("tekvar-scoped-folder");
    made = folder.Path();
    std::ofstream("left.txt") << "x";
    ASSERT_TRUE(fs::exists(made / "left.txt"));
    FAIL() << "on purpose";
}

} // namespace

// The guard is there for the test that fails: an assertion that returns early
// still takes the test back and leaves no folder behind.
TEST(ScopedWorkingFolder, TakesTheTestBackAndRemovesOnlyItsOwnFolder)
{
    const fs::path before = fs::current_path();
    EXPECT_FATAL_FAILURE(failInAFreshFolder(), "on purpose");
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(made.empty());
    EXPECT_FALSE(fs::exists(made));

    const fs::path existing = fs::temp_directory_path();
    {
        const ScopedWorkingFolder folder(existing);
        EXPECT_TRUE(fs::equivalent(fs::current_path(), existing));
    }
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_TRUE(fs::is_directory(existing));
}
