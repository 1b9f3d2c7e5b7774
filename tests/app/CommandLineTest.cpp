#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

std::optional<CommandLine> parse(std::vector<std::string> args, std::string* errorOut = nullptr)
{
    std::string error;
    auto line = ParseCommandLine(args, error);
    if (errorOut)
        *errorOut = error;
    EXPECT_EQ(line.has_value(), error.empty());
    return line;
}

} // namespace

TEST(CommandLine, AcceptsTheDocumentedForms)
{
    auto plain = parse({});
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->IsExport());
    EXPECT_TRUE(plain->document.empty());

    auto open = parse({"projekt.tkv"});
    ASSERT_TRUE(open);
    EXPECT_EQ(open->document, "projekt.tkv");

    auto exported = parse({"--export", "ut.pdf", "--page", "3", "in.tkv"});
    ASSERT_TRUE(exported);
    EXPECT_EQ(exported->exportFile, "ut.pdf");
    EXPECT_EQ(exported->page, 3);
    EXPECT_EQ(exported->document, "in.tkv");

    auto fresh = parse({"--new", "--export", "ny.tkv"});
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(fresh->newDocument);

    auto help = parse({"--help"});
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->help);
}

TEST(CommandLine, RefusesWhatItCannotDo)
{
    const std::vector<std::vector<std::string>> wrong = {
        {"--export"},                          // no value
        {"--export", "a.txt"},                 // neither document nor --new
        {"--new", "--export", "a.txt", "b.tkv"}, // both
        {"--new"},                             // --new without --export
        {"--export", "a.txt", "--page", "9", "b.tkv"},
        {"--export", "a.txt", "--page", "2x", "b.tkv"},
        {"a.tkv", "b.tkv"},
        {"--colour"},
    };
    for (const auto& args : wrong) {
        std::string error;
        EXPECT_FALSE(parse(args, &error)) << args.front();
        EXPECT_FALSE(error.empty());
    }
}
