#include "CatalogueRecords.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/Reconciliation.h"

using namespace catalogue_test;

namespace {

Bytes referenceTo(const std::string& name)
{
    CArchive ar;
    ar.WriteString(name);
    return ar.Bytes();
}

std::unique_ptr<CMantling> cladding(const std::string& name, float emissivity)
{
    auto item = std::make_unique<CMantling>(CMantling::outerCladding);
    item->name = name;
    item->emissivity = emissivity;
    return item;
}

const std::string changedMessage(const std::string& name)
{
    return "Databasvärdet " + name +
           " är förändrat efter att filen blev sparad. Detta förändrar de beräknade resultaten.";
}

} // namespace

class References : public CatalogueTest {
protected:
    References()
    {
        database.lists[3].push_back(cladding("Plåt", 0.3f));
        database.lists[3].push_back(cladding("Aluminium", 0.1f));
        database.lists[3].push_back(cladding("Plåt", 0.9f)); // a second of the name is never found
        database.lists[7].push_back(MakeVeske());
    }

    CListItem* read(int list, const std::string& name)
    {
        const Bytes bytes = referenceTo(name);
        CArchive ar(bytes);
        CListItem* item = database.ReadReference(ar, list);
        EXPECT_EQ(ar.Remaining(), 0u);
        return item;
    }

    CDataBase database;
};

TEST_F(References, AreTheNameOrTheTextForNone)
{
    CArchive ar;
    CDataBase::WriteReference(ar, database.lists[3][1].get());
    CDataBase::WriteReference(ar, nullptr);
    CEgendefDatabase::WriteReference(ar, MakeEgendef().get());
    const Bytes expected = Bytes{0x09, 'A', 'l', 'u', 'm', 'i', 'n', 'i', 'u', 'm'} +
                           Bytes{0x19, 'S', 't', 'a', 'n', 'd', 'a', 'r', 'd', '_', 'd', 'a', 't', 'a', 'b', 'a',
                                 's', 'e', '_', 'e', 'l', 'e', 'm', 'e', 'n', 't'} +
                           Bytes{0x04, 'E', 'g', 'e', 'n'};
    EXPECT_EQ(ar.Bytes(), expected);
}

TEST_F(References, FoundByExactNameFirstOneWins)
{
    EXPECT_EQ(read(3, "Plåt"), database.lists[3][0].get());
    EXPECT_EQ(read(3, "Aluminium"), database.lists[3][1].get());
    EXPECT_EQ(read(CDataBase::liquids, "Vatten"), database.lists[7][0].get());
    EXPECT_EQ(read(3, noCatalogueItem), nullptr);
    EXPECT_TRUE(chooser.Requests().empty());
    EXPECT_TRUE(prompter.Texts().empty());

    const Bytes bytes = referenceTo("Vatten");
    CArchive ar(bytes);
    EXPECT_EQ(database.ReadReferenceAs<CVeske>(ar, CDataBase::liquids)->density, 999.0f);
}

TEST_F(References, MissingNameAsksForAReplacementFromThatList)
{
    chooser.QueueAnswer(1);
    EXPECT_EQ(read(3, "plåt"), database.lists[3][1].get()); // case counts
    ASSERT_EQ(chooser.Requests().size(), 1u);
    const auto& request = chooser.Requests()[0];
    EXPECT_EQ(request.message, "Ytbeklädnaden plåt är borttagen från databasen efter att filen blev sparad. För att "
                               "beräkningarna i programmet skall fungera måste man välja en annan ytbeklädnad i "
                               "rullgardinen nedan.");
    EXPECT_EQ(request.names, (std::vector<std::string>{"Plåt", "Aluminium", "Plåt"}));
    EXPECT_EQ(request.source, platform::ReplacementSource::Database);

    // Without an answer the first item, which the dialog preselects; an
    // answer outside the list is taken as that too.
    EXPECT_EQ(read(CDataBase::liquids, "Glykol 30%"), database.lists[7][0].get());
    EXPECT_TRUE(chooser.Requests()[1].message.starts_with("Vätskan Glykol 30% är borttagen"));
    chooser.QueueAnswer(17);
    EXPECT_EQ(read(3, "Koppar"), database.lists[3][0].get());
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(References, MissingNameInAnEmptyListIsLeftEmpty)
{
    EXPECT_EQ(read(CDataBase::pipeMaterials, "Stål"), nullptr);
    EXPECT_EQ(read(CDataBase::innerCladdings, noCatalogueItem), nullptr);
    EXPECT_TRUE(chooser.Requests().empty());
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(References, EmbeddedCopyResolvesToTheDatabaseItem)
{
    auto readCopy = [&](CListItem& stored, CListItem& fresh, int list) {
        const Bytes bytes = Stored(stored);
        CArchive ar(bytes);
        CListItem* item = database.ReadEmbedded(ar, list, fresh);
        EXPECT_EQ(ar.Remaining(), 0u);
        return item;
    };

    // The same values: silently the database's item.
    auto same = MakeVeske();
    CVeske fresh;
    EXPECT_EQ(readCopy(*same, fresh, 7), database.lists[7][0].get());
    EXPECT_TRUE(prompter.Texts().empty());

    // Changed since the document was saved: said once, and the database's
    // values are what the document goes on with.
    auto older = MakeVeske();
    older->density = 1000.0f;
    CVeske olderFresh;
    CListItem* item = readCopy(*older, olderFresh, 7);
    EXPECT_EQ(item, database.lists[7][0].get());
    EXPECT_EQ(static_cast<CVeske*>(item)->density, 999.0f);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{changedMessage("Vatten")});

    // Claddings compare only their emissivity; the first of the name is used.
    auto recoloured = cladding("Plåt", 0.3f);
    recoloured->colour = 0;
    CMantling claddingFresh;
    EXPECT_EQ(readCopy(*recoloured, claddingFresh, 3), database.lists[3][0].get());
    EXPECT_EQ(prompter.Texts().size(), 1u);

    // Gone: the replacement dialog; named as none: nothing.
    auto gone = cladding("Zink", 0.3f);
    CMantling goneFresh;
    chooser.QueueAnswer(1);
    EXPECT_EQ(readCopy(*gone, goneFresh, 3), database.lists[3][1].get());
    EXPECT_EQ(chooser.Requests().size(), 1u);
    auto none = cladding(noCatalogueItem, 0.3f);
    CMantling noneFresh;
    EXPECT_EQ(readCopy(*none, noneFresh, 3), nullptr);
    EXPECT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(prompter.Texts().size(), 1u);
}

TEST_F(References, UserProductsHaveTheirOwnDialog)
{
    CEgendefDatabase user;
    user.products.push_back(MakeEgendef("Egen"));
    user.products.push_back(MakeEgendef("Egna"));

    const Bytes found = referenceTo("Egna");
    CArchive foundAr(found);
    EXPECT_EQ(user.ReadReference(foundAr), user.products[1].get());

    chooser.QueueAnswer(1);
    const Bytes missing = referenceTo("Borta");
    CArchive missingAr(missing);
    EXPECT_EQ(user.ReadReference(missingAr), user.products[1].get());
    ASSERT_EQ(chooser.Requests().size(), 1u);
    EXPECT_EQ(chooser.Requests()[0].source, platform::ReplacementSource::UserDatabase);
    EXPECT_TRUE(chooser.Requests()[0].message.starts_with("Isoleringen Borta är borttagen från databasen"));

    auto changed = MakeEgendef("Egen");
    changed->temperatures[0] = -5.0f;
    const Bytes copy = Stored(*changed);
    CArchive copyAr(copy);
    CEgendefIsoProdukt fresh;
    EXPECT_EQ(user.ReadEmbedded(copyAr, fresh), user.products[0].get());
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{changedMessage("Egen")});

    CEgendefDatabase empty;
    const Bytes none = referenceTo("Egen");
    CArchive noneAr(none);
    EXPECT_EQ(empty.ReadReference(noneAr), nullptr);
    EXPECT_EQ(chooser.Requests().size(), 1u);
}

TEST_F(References, ReplacementHelperServesOtherListsToo)
{
    // The sound module offers an absorber's thicknesses with its own text.
    auto absorber = MakeAbsorpsjon(CAbsorpsjon::rectangularDuct);
    absorber->thicknesses.push_back(std::make_unique<CAbsorpsjonTykkelse>());
    absorber->thicknesses[1]->SetThickness(100.0f);
    chooser.QueueAnswer(1);
    EXPECT_EQ(ChooseReplacement(absorber->thicknesses, "Välj", platform::ReplacementSource::Database),
              absorber->thicknesses[1].get());
    EXPECT_EQ(chooser.Requests()[0].names, (std::vector<std::string>{"50.0", "100.0"}));
    EXPECT_EQ(ChooseReplacement(ItemList<CAbsorpsjonTykkelse>{}, "Välj", platform::ReplacementSource::Database),
              nullptr);

    // Without a chooser installed, the first value is taken and nothing is shown.
    platform::ScopedServices bare({&prompter});
    EXPECT_EQ(ChooseReplacement(absorber->thicknesses, "Välj", platform::ReplacementSource::Database),
              absorber->thicknesses[0].get());
    EXPECT_EQ(chooser.Requests().size(), 1u);
    EXPECT_TRUE(prompter.Texts().empty());
}
