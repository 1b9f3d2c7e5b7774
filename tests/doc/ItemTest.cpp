#include "TestItems.h"
#include "doc/CVekModul.h"
#include "doc/ItemChecks.h"
#include "doc/StringTable.h"
#include "platform/ScriptedPrompter.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CTestLeaf> leaf(const std::string& name, float value = 0)
{
    auto item = std::make_unique<CTestLeaf>();
    item->name = name;
    item->value = value;
    return item;
}

} // namespace

TEST(Dependents, AreKeptOnceInOrderAndToldInOrder)
{
    CTestWatcher a, b;
    CListItem item;
    EXPECT_EQ(item.AddDependent(&a), &a);
    item.AddDependent(&b);
    item.AddDependent(&a); // already there: unchanged
    EXPECT_EQ(item.Dependents(), (std::vector<CItem*>{&a, &b}));

    item.NotifyDependents();
    EXPECT_EQ(a.told, std::vector<CItem*>{&item});
    EXPECT_EQ(b.told, std::vector<CItem*>{&item});

    item.RemoveDependent(&a);
    item.RemoveDependent(&a); // absent: nothing happens
    EXPECT_EQ(item.Dependents(), std::vector<CItem*>{&b});
}

TEST(Dependents, CopiesAndClonesCarryThemAndReadingClearsThem)
{
    CTestWatcher a, b;
    CTestLeaf original;
    original.name = "Stål";
    original.description = "rör";
    original.AddDependent(&a);
    original.AddDependent(&b);

    CListItem assigned;
    assigned.AddDependent(&b);
    assigned = original;
    EXPECT_EQ(assigned.Dependents(), (std::vector<CItem*>{&a, &b}));
    EXPECT_EQ(assigned.description, "rör");

    auto clone = original.Clone();
    EXPECT_EQ(clone->Dependents(), (std::vector<CItem*>{&a, &b}));
    EXPECT_TRUE(clone->IsEqual(original));
    EXPECT_TRUE(clone->IsKindOf(CTestLeaf::classInfo));

    CArchive out;
    original.Serialize(out);
    CArchive in(out.Bytes());
    clone->Serialize(in);
    EXPECT_TRUE(clone->Dependents().empty());
}

TEST(ItemLists, CopyCompareAndTake)
{
    ItemList<CTestLeaf> source;
    source.push_back(leaf("A", 1));
    source.push_back(leaf("B", 2));

    ItemList<CTestLeaf> copy;
    copy.push_back(leaf("old"));
    CopyList(copy, source);
    ASSERT_EQ(copy.size(), 2u);
    EXPECT_NE(copy[0].get(), source[0].get());
    EXPECT_TRUE(ListsEqual(copy, source));

    copy[1]->value = 3;
    EXPECT_FALSE(ListsEqual(copy, source)); // the item's own comparison decides
    copy.pop_back();
    EXPECT_FALSE(ListsEqual(copy, source)); // counts differ

    // The base comparison looks at names only, case-sensitively.
    CListItem x, y;
    x.name = "Mantel";
    y.name = "Mantel";
    EXPECT_TRUE(x.IsEqual(y));
    y.name = "mantel";
    EXPECT_FALSE(x.IsEqual(y));

    ClearList(copy);
    EXPECT_TRUE(copy.empty());
    EXPECT_EQ(CListItem().CreateNew(), nullptr);
}

TEST(ItemLists, TakeListMovesTheEditedCopyInAndTellsTheUsers)
{
    // A module uses an item; an editor works on a clone of the list and hands it back.
    CTestWatcher module;
    ItemList<CTestLeaf> stored;
    stored.push_back(leaf("Plåt", 1));
    stored.push_back(leaf("Aluminium", 2));
    stored[1]->AddDependent(&module);

    ItemList<CTestLeaf> edited;
    CopyList(edited, stored);
    edited[1]->value = 5;
    CTestLeaf* replacement = edited[1].get();

    TakeList(stored, edited, true);
    EXPECT_TRUE(edited.empty());
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[1].get(), replacement);
    EXPECT_EQ(module.told, std::vector<CItem*>{replacement});

    ItemList<CTestLeaf> quiet;
    quiet.push_back(leaf("Ny"));
    TakeList(stored, quiet, false);
    EXPECT_EQ(module.told.size(), 1u);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0]->name, "Ny");
}

TEST(ItemChecks, NamesAndRangesShowTheirMessages)
{
    platform::ScriptedPrompter prompter;
    platform::ScopedServices services({&prompter});

    CListItem existing;
    existing.name = "Rörskål";
    EXPECT_FALSE(ValidateName("", {&existing}));
    EXPECT_FALSE(ValidateName("Rörskål", {&existing}));
    EXPECT_TRUE(ValidateName("rörskål", {&existing}));
    EXPECT_TRUE(ValidateName("Ny", {}));

    EXPECT_TRUE(CheckRange(61244, 10.0f, 10.0f, 2000.0f)); // both bounds hold
    EXPECT_TRUE(CheckRange(61244, 2000.0f, 10.0f, 2000.0f));
    EXPECT_FALSE(CheckRange(61244, 9.99f, 10.0f, 2000.0f));
    EXPECT_FALSE(CheckRange(62254, 40.5f, 0.0f, 40.0f));

    EXPECT_EQ(prompter.Texts(), (std::vector<std::string>{
                                    "Blanka namn är otillåtet!",
                                    "Detta namn är redan använt.",
                                    "Värdet för diameteren måste ligga mellan 10.00 och 2000.00",
                                    "Värdet för vindhastigheten måste ligga mellan 0.00 och 40.00",
                                }));
}

TEST(StringTable, FormatsNumberedTexts)
{
    EXPECT_EQ(LoadString(62652), "Tekvar 32 bit header");
    EXPECT_EQ(LoadString(1), "");
    EXPECT_EQ(FormatMessage(61208, {"Stål"}), "\"Stål\" raderas nu!");
    EXPECT_EQ(FormatMessage(61729, {"a.tkv"}), "a.tkv\nKan inte hitta denna filen.\nKontrollera sökväg och filnamn.");
    // %2 without a second argument stays as it stands.
    EXPECT_EQ(FormatPositional("%1-%2-%%", {"x"}), "x-%2-%%");

    std::string out;
    FormatValue(out, 62457, 52.25f);
    EXPECT_EQ(out, "52.2 mm"); // the float rounds as a double: 52.25 → "52.2" by round-half-even
    FormatValue(out, 62487, 45.0f);
    EXPECT_EQ(out, "45.0 %");

    // Negative zeros, stored or rounded, never reach a page.
    FormatValue(out, 62457, -0.0f);
    EXPECT_EQ(out, "0.0 mm");
    FormatValue(out, 62457, -0.04f);
    EXPECT_EQ(out, "0.0 mm");
    FormatValue(out, 62457, -0.06f);
    EXPECT_EQ(out, "-0.1 mm");
    EXPECT_EQ(WithoutNegativeZero("-0,00 / -0 / -10 / -0.01 / -0.000"), "0,00 / 0 / -10 / -0.01 / 0.000");
    EXPECT_EQ(WithoutNegativeZero("-0"), "0");
}

TEST(ModuleHelpers, SurfacesInSinglePrecision)
{
    EXPECT_FLOAT_EQ(CylinderSurface(0.1f, 2.0f), 0.62831854f);
    EXPECT_EQ(CylinderSurface(1.0f, 1.0f), 3.1415927f);
    EXPECT_FLOAT_EQ(RectangleSurface(0.3f, 0.5f, 2.0f), 3.2f);
}
