#include "database/CProduktBeskrivelse.h"
#include "doc/CVekDoc.h"
#include "modules/StandardDocumentParts.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(StandardDocument, ModulesComeInTheirFixedOrder)
{
    StandardDocumentParts parts;
    CVekDoc doc(parts);
    for (int i = 0; i < ModuleCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_STREQ(doc.Module(i).GetClass().name, GetModuleInfo(i).className);
        EXPECT_EQ(doc.Module(i).GetClass().schema, 1);
        EXPECT_TRUE(doc.Module(i).IsKindOf(CVekModul::classInfo));
    }
    EXPECT_EQ(ModuleForViewCommand(32794), 0);
    EXPECT_EQ(ModuleForViewCommand(32789), 7);
    EXPECT_EQ(ModuleForViewCommand(32783), -1);
}

TEST(StandardDocument, DescriptionChoiceIsThreeSignedWords)
{
    StandardDocumentParts parts;
    CVekDoc doc(parts);
    doc.NewDocument();
    const std::vector<std::uint8_t> fresh = doc.Store();
    // header text, four empty texts and the module records, then the choice −1, 0, −1 and module 0
    const std::size_t head = fresh.size() - 8;
    ASSERT_GT(fresh.size(), 21u + 4u + 8u);
    EXPECT_EQ(std::vector<std::uint8_t>(fresh.begin() + std::ptrdiff_t(head), fresh.end()),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}));

    auto& choice = static_cast<CProduktBeskrivelse&>(doc.Descriptions());
    choice.selectedGroup = 1;
    choice.selectedCode = 2;
    choice.selectedText = 4;
    const std::vector<std::uint8_t> chosen = doc.Store();

    CVekDoc other(parts);
    other.NewDocument();
    other.Load(chosen);
    auto& read = static_cast<CProduktBeskrivelse&>(other.Descriptions());
    EXPECT_EQ(read.selectedText, 4);
    EXPECT_EQ(read.selectedGroup, 1);
    EXPECT_EQ(read.selectedCode, 2);

    other.NewDocument();
    EXPECT_EQ(read.selectedText, -1);
    EXPECT_EQ(read.selectedGroup, 0);
    EXPECT_EQ(read.selectedCode, -1);
}
