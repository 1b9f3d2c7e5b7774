#include "TestItems.h"
#include "doc/CArchive.h"
#include "doc/Codepage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::initializer_list<int> values)
{
    Bytes out;
    for (int v : values)
        out.push_back(std::uint8_t(v));
    return out;
}

Bytes append(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

std::string stringOfLength(std::size_t n)
{
    std::string s(n, 'x');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = char('a' + i % 26);
    return s;
}

ArchiveError::Cause failureOf(const Bytes& bytes, void (*read)(CArchive&))
{
    CArchive ar(bytes);
    try {
        read(ar);
    } catch (const ArchiveError& error) {
        return error.cause();
    }
    ADD_FAILURE() << "the read did not fail";
    return ArchiveError::Cause::TooDeep;
}

} // namespace

TEST(Archive, ValuesAreLittleEndianWithFixedWidths)
{
    CArchive out;
    out.WriteByte(0xAB);
    out.WriteWord(0x1234);
    out.WriteLong(-2);
    out.WriteDword(0x89ABCDEF);
    out.WriteFloat(1.5f);
    out.WriteDouble(-0.25);
    int word = 0x12345; // only the low 16 bits are kept
    bool flag = true;
    out.Word(word);
    out.Bool(flag);
    out.Word(flag);
    EXPECT_EQ(out.Bytes(), bytesOf({0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89,
                                    0x00, 0x00, 0xC0, 0x3F, 0, 0, 0, 0, 0, 0, 0xD0, 0xBF,
                                    0x45, 0x23, 1, 0, 0, 0, 1, 0}));

    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadByte(), 0xAB);
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(in.ReadLong(), -2);
    EXPECT_EQ(in.ReadDword(), 0x89ABCDEFu);
    EXPECT_EQ(in.ReadFloat(), 1.5f);
    EXPECT_EQ(in.ReadDouble(), -0.25);
    int readWord = -1;
    in.Word(readWord);
    EXPECT_EQ(readWord, 0x2345); // zero-extended
    bool a = false, b = false;
    in.Bool(a);
    in.Word(b);
    EXPECT_TRUE(a && b);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, TextLengthPrefixesAtEveryBoundary)
{
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const std::vector<Case> cases = {
        {0, bytesOf({0x00})},
        {1, bytesOf({0x01})},
        {254, bytesOf({0xFE})},
        {255, bytesOf({0xFF, 0xFF, 0x00})},
        {256, bytesOf({0xFF, 0x00, 0x01})},
        {0xFFFD, bytesOf({0xFF, 0xFD, 0xFF})},
        {0xFFFE, bytesOf({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {0xFFFF, bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        {0x10000, bytesOf({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string s = stringOfLength(c.length);
        CArchive out;
        out.WriteString(s);
        EXPECT_EQ(out.Bytes(), append(c.prefix, text(s)));
        CArchive in(out.Bytes());
        EXPECT_EQ(in.ReadString(), s);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, TextsAreWindows1252OnDiskAndUtf8InMemory)
{
    CArchive out;
    out.WriteString("Värmeförlust 5 € – Ω");
    // ä E4, ö F6, € 80, en dash 96; Ω is not in the code page.
    EXPECT_EQ(out.Bytes(), append(bytesOf({20}), append(text("V"), append(bytesOf({0xE4}), append(text("rmef"),
              append(bytesOf({0xF6}), append(text("rlust 5 "), bytesOf({0x80, 0x20, 0x96, 0x20, '?'}))))))));
    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadString(), "Värmeförlust 5 € – ?");

    // Every byte survives a round trip, the five unassigned ones included.
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    // Malformed UTF-8 never reaches the file as raw bytes.
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");
}

TEST(Archive, SixteenBitTextsAreReadIntoTheCodePage)
{
    // Marker FF FE FF, then the length and two bytes a character.
    Bytes wide = bytesOf({0xFF, 0xFE, 0xFF, 0x04, 'a', 0, 0xE4, 0, 0xAC, 0x20, 0xA9, 0x03});
    CArchive in(wide);
    EXPECT_EQ(in.ReadString(), "aä€?"); // Ω (U+03A9) has no place in the code page
    EXPECT_EQ(in.Remaining(), 0u);

    // A long wide text takes the WORD form after the marker.
    Bytes longWide = bytesOf({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i)
        longWide.insert(longWide.end(), {'z', 0});
    CArchive longIn(longWide);
    EXPECT_EQ(longIn.ReadString(), std::string(300, 'z'));

    // A surrogate pair is two units that neither fit.
    Bytes surrogates = bytesOf({0xFF, 0xFE, 0xFF, 0x02, 0x3D, 0xD8, 0x00, 0xDE});
    CArchive surrogateIn(surrogates);
    EXPECT_EQ(surrogateIn.ReadString(), "??");
}

TEST(Archive, CountsUseTheEscapeFromFFFF)
{
    struct Case {
        std::uint32_t count;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {0, bytesOf({0, 0})},
        {2, bytesOf({2, 0})},
        {0xFFFE, bytesOf({0xFE, 0xFF})},
        {0xFFFF, bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {70000, bytesOf({0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        CArchive out;
        out.WriteCount(c.count);
        EXPECT_EQ(out.Bytes(), c.bytes);
        // A count is only believed when that many bytes follow.
        Bytes readable = append(c.bytes, Bytes(c.count, 0));
        CArchive in(readable);
        EXPECT_EQ(in.ReadCount(), c.count);
    }
    EXPECT_EQ(failureOf(bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}), [](CArchive& ar) { ar.ReadCount(); }),
              ArchiveError::Cause::BadCount);
    EXPECT_EQ(failureOf(bytesOf({5, 0, 1, 2, 3, 4}), [](CArchive& ar) { ar.ReadCount(); }),
              ArchiveError::Cause::BadCount);
}

TEST(Archive, ListOfTwoItemsTagsTheClassOnceAndBacksReferences)
{
    ItemList<CListItem> list;
    auto first = std::make_unique<CTestLeaf>();
    first->name = "A";
    first->value = 2.0f;
    auto second = std::make_unique<CTestLeaf>();
    second->name = "B";
    CTestLeaf* firstItem = first.get();
    list.push_back(std::move(first));
    list.push_back(std::move(second));

    CArchive out;
    SerializeList(out, list);
    out.WriteObject(firstItem); // the first element again
    out.WriteObject(nullptr);

    const Bytes firstRecord = bytesOf({1, 'A', 0, 0x00, 0x00, 0x00, 0x40});
    const Bytes secondRecord = bytesOf({1, 'B', 0, 0, 0, 0, 0});
    Bytes expected = bytesOf({0x02, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00});
    expected = append(expected, text("CTestLeaf"));
    expected = append(expected, firstRecord);
    expected = append(expected, bytesOf({0x01, 0x80})); // class index 1
    expected = append(expected, secondRecord);
    expected = append(expected, bytesOf({0x02, 0x00})); // object index 2
    expected = append(expected, bytesOf({0x00, 0x00}));
    EXPECT_EQ(out.Bytes(), expected);

    CArchive in(out.Bytes());
    ItemList<CListItem> read;
    SerializeList(in, read);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_TRUE(ListsEqual(read, list));
    EXPECT_EQ(in.ReadObject(CListItem::classInfo), read[0].get()); // the same object, not a copy
    EXPECT_EQ(in.ReadObject(CListItem::classInfo), nullptr);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, IndicesPastTheSmallFormUseTheBigTags)
{
    // 0x7FFF objects of one class take indices 2 … 0x8000; the next class
    // then gets an index only the big form can carry.
    ItemList<CListItem> many;
    for (int i = 0; i < 0x7FFF; ++i)
        many.push_back(std::make_unique<CTestLeaf>());
    auto late = std::make_unique<CTestOther>();
    auto later = std::make_unique<CTestOther>();

    CArchive out;
    for (const auto& item : many)
        out.WriteObject(item.get());
    const std::size_t lateStart = out.Bytes().size();
    out.WriteObject(late.get());   // class 0x8001, object 0x8002
    const std::size_t laterStart = out.Bytes().size();
    out.WriteObject(later.get());  // known class 0x8001, object 0x8003
    const std::size_t backStart = out.Bytes().size();
    out.WriteObject(many[0x7FFD].get()); // object 0x7FFF: first index needing the big form
    out.WriteObject(many[0x7FFC].get()); // object 0x7FFE: still small

    const Bytes& bytes = out.Bytes();
    EXPECT_EQ(Bytes(bytes.begin() + std::ptrdiff_t(lateStart), bytes.begin() + std::ptrdiff_t(lateStart) + 2),
              bytesOf({0xFF, 0xFF}));
    EXPECT_EQ(Bytes(bytes.begin() + std::ptrdiff_t(laterStart), bytes.begin() + std::ptrdiff_t(laterStart) + 6),
              bytesOf({0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80}));
    EXPECT_EQ(Bytes(bytes.begin() + std::ptrdiff_t(backStart), bytes.end()),
              bytesOf({0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00, 0xFE, 0x7F}));

    CArchive in(bytes);
    std::vector<CItem*> read;
    for (int i = 0; i < 0x7FFF + 2; ++i)
        read.push_back(in.ReadObject(CListItem::classInfo));
    EXPECT_TRUE(read[0x7FFF]->IsKindOf(CTestOther::classInfo));
    EXPECT_TRUE(read[0x8000]->IsKindOf(CTestOther::classInfo));
    EXPECT_EQ(in.ReadObject(CListItem::classInfo), read[0x7FFD]);
    EXPECT_EQ(in.ReadObject(CListItem::classInfo), read[0x7FFC]);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, NestedListsRoundTrip)
{
    CTestNode node;
    node.name = "Produkt";
    for (int i = 0; i < 3; ++i) {
        auto leaf = std::make_unique<CTestLeaf>();
        leaf->name = std::to_string(20 * (i + 1));
        leaf->value = float(i);
        node.children.push_back(std::move(leaf));
    }
    CArchive out;
    out.WriteObject(&node);
    CArchive in(out.Bytes());
    auto read = in.ReadOwned<CTestNode>();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, "Produkt");
    EXPECT_TRUE(ListsEqual(read->children, node.children));
}

namespace {

Bytes classTag(const std::string& name, std::uint16_t schema = 1)
{
    Bytes out = bytesOf({0xFF, 0xFF, schema & 0xFF, schema >> 8, int(name.size() & 0xFF), int(name.size() >> 8)});
    return append(out, text(name));
}

void readLeafList(CArchive& ar)
{
    ItemList<CTestLeaf> list;
    SerializeList(ar, list);
}

void readLeaf(CArchive& ar)
{
    ar.ReadOwned<CTestLeaf>();
}

} // namespace

TEST(Archive, MalformedInputIsAFormatErrorNeverACrash)
{
    const Bytes leafRecord = bytesOf({1, 'A', 0, 0, 0, 0x80, 0x3F});
    struct Case {
        const char* what;
        Bytes bytes;
        ArchiveError::Cause cause;
    };
    const std::vector<Case> cases = {
        {"unknown class", append(classTag("CNoSuchClass"), leafRecord), ArchiveError::Cause::BadClass},
        {"wrong schema", append(classTag("CTestLeaf", 2), leafRecord), ArchiveError::Cause::BadSchema},
        {"class name of 64 characters", append(classTag(std::string(64, 'C')), leafRecord),
         ArchiveError::Cause::BadClass},
        {"abstract class", classTag("CItem"), ArchiveError::Cause::BadClass},
        {"unexpected class", append(classTag("CTestNode"), bytesOf({0, 0, 0, 0})), ArchiveError::Cause::BadClass},
        {"class index never given", bytesOf({0x05, 0x80}), ArchiveError::Cause::BadIndex},
        {"class index 0", bytesOf({0x00, 0x80}), ArchiveError::Cause::BadIndex},
        {"object index never given", bytesOf({0x07, 0x00}), ArchiveError::Cause::BadIndex},
        {"big object index", bytesOf({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}), ArchiveError::Cause::BadIndex},
        {"null where an item is owned", bytesOf({0x00, 0x00}), ArchiveError::Cause::BadIndex},
        {"text longer than the file", append(classTag("CTestLeaf"), bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})),
         ArchiveError::Cause::EndOfFile},
        {"64-bit text length", append(classTag("CTestLeaf"),
                                      bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0x80})),
         ArchiveError::Cause::EndOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(failureOf(c.bytes, readLeaf), c.cause);
    }
    // The same object twice in an owning list would be deleted twice.
    Bytes twice = append(bytesOf({2, 0}), append(classTag("CTestLeaf"), append(leafRecord, bytesOf({2, 0}))));
    EXPECT_EQ(failureOf(twice, readLeafList), ArchiveError::Cause::BadIndex);
    // A count larger than what remains is refused before anything is made.
    EXPECT_EQ(failureOf(bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1}), readLeafList),
              ArchiveError::Cause::BadCount);
}

TEST(Archive, EveryTruncationOfAValidStreamFailsCleanly)
{
    CTestNode node;
    node.name = "Rörskål";
    node.description = std::string(300, 'd');
    for (int i = 0; i < 3; ++i)
        node.children.push_back(std::make_unique<CTestOther>());
    CArchive out;
    out.WriteObject(&node);
    out.WriteObject(&node);
    const Bytes& full = out.Bytes();
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE(cut);
        Bytes part(full.begin(), full.begin() + std::ptrdiff_t(cut));
        CArchive in(part);
        EXPECT_THROW(
            {
                auto owned = in.ReadOwned<CTestNode>();
                in.ReadObject(CTestNode::classInfo);
            },
            ArchiveError);
    }
}

TEST(Archive, HostileNestingIsRefusedBeforeTheStackRunsOut)
{
    // Each node's list holds one more node: far deeper than any real item.
    Bytes bytes = append(classTag("CTestNode"), bytesOf({0, 0, 1, 0}));
    for (int i = 0; i < 10000; ++i)
        bytes = append(bytes, bytesOf({0x01, 0x80, 0, 0, 1, 0}));
    EXPECT_EQ(failureOf(bytes, [](CArchive& ar) { ar.ReadOwned<CTestNode>(); }), ArchiveError::Cause::TooDeep);
}
