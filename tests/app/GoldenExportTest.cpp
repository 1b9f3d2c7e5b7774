// The text export of every golden case against its reviewed text: each
// folder of tests/app/golden holds a document (input.tkv) and the export a
// person has read and found right (expected.txt). tests/app/golden/README.md
// says how to add a case and how to renew a text on purpose.

#include "ScopedWorkingFolder.h"
#include "app/HeadlessExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path goldenFolder = TEKVAR_GOLDEN_DIR;

std::string FileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every folder with a document is a case.
std::vector<std::string> CaseNames()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(goldenFolder))
        if (fs::is_regular_file(entry.path() / "input.tkv"))
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// What no page may show: "nan", "inf" or a negative zero, however written.
std::vector<std::string> ForbiddenValues(const std::string& text)
{
    static const std::regex forbidden(R"((^|[^\w])(-?(nan|inf)|-0([,.]0+)?)(?![\w,.]))", std::regex::icase);
    std::vector<std::string> found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), forbidden); match != std::sregex_iterator();
         ++match)
        found.push_back((*match)[2]);
    return found;
}

class GoldenExport : public ::testing::TestWithParam<std::string> {};

TEST(GoldenExportCheck, FindsWhatNoPageMayShow)
{
    EXPECT_EQ(ForbiddenValues("Värmeförlust\t-0,0 W/m\nTs\tnan °C\nq\t-inf W\nU\t0,00 W/mK\n"),
              (std::vector<std::string>{"-0,0", "nan", "-inf"}));
    EXPECT_TRUE(ForbiddenValues("Ts\t-0,1 °C\n-10 °C\t0,0 W\nInformation\t-0,05 mm\n").empty());
}

TEST_P(GoldenExport, TextMatchesTheReviewedText)
{
    const fs::path folder = goldenFolder / GetParam();
    // The export reads the shipped catalogue from the folder it runs in.
    const ScopedWorkingFolder work = ScopedWorkingFolder::Fresh("tekvar-golden-" + GetParam());
    for (const char* file : {"tekvar.dat", "tekvar.ort", "tekvar.cst", "tekvar.ama"})
        fs::copy_file(fs::path(TEKVAR_BUILT_DATA) / file, file);

    std::string error;
    const auto line = ParseCommandLine({"--export", "export.txt", (folder / "input.tkv").string()}, error);
    ASSERT_TRUE(line) << error;
    std::ostringstream errors;
    ASSERT_EQ(RunExport(*line, errors), 0) << errors.str();
    EXPECT_EQ(errors.str(), "");
    const std::string text = FileText("export.txt");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(ForbiddenValues(text), std::vector<std::string>{});

    const fs::path expected = folder / "expected.txt";
    if (std::getenv("TEKVAR_UPDATE_GOLDEN")) {
        std::ofstream(expected, std::ios::binary) << text;
        GTEST_SKIP() << "wrote " << expected;
    }
    EXPECT_EQ(text, FileText(expected)) << "the export changed; see tests/app/golden/README.md";
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenExport, ::testing::ValuesIn(CaseNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
